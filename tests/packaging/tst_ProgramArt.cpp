// The program's own art: the window icon built into the program, and the two
// pictures that stand beside it, drawn at twice the size of their boxes.

#include "app/ScreenLook.h"
#include "app/Twips.h"

#include <QImage>
#include <QImageReader>
#include <QTest>

class tst_ProgramArt : public QObject {
    Q_OBJECT

private slots:
    void windowIconHasBothSizes();
    void picturesFitTheirBoxes_data();
    void picturesFitTheirBoxes();
};

void tst_ProgramArt::windowIconHasBothSizes()
{
    const QIcon icon = ScreenLook::screenIcon();
    QVERIFY2(!icon.isNull(), "the screens' icon is not found among the program's resources");
    for (const int side : {16, 32}) {
        const QPixmap pixmap = icon.pixmap(side, side);
        QCOMPARE(pixmap.size(), QSize(side, side));
        // A drawn icon, not an empty or one-colour square.
        const QImage image = pixmap.toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 4, qPrintable(QStringLiteral("icon %1 has %2 colours").arg(side).arg(colours.size())));
    }
}

void tst_ProgramArt::picturesFitTheirBoxes_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("boxWidthTwips");
    QTest::addColumn<int>("boxHeightTwips");
    // Names exactly as the screens read them: the file system tells case apart.
    QTest::newRow("main window") << QStringLiteral("Ut1.jpg") << 2895 << 3255;
    QTest::newRow("splash screen") << QStringLiteral("UT2.jpg") << 1935 << 1575;
}

void tst_ProgramArt::picturesFitTheirBoxes()
{
    QFETCH(QString, fileName);
    QFETCH(int, boxWidthTwips);
    QFETCH(int, boxHeightTwips);

    QImageReader reader(QStringLiteral(NUVESSA_ASSETS_DIR "/") + fileName);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));

    // At 15 twips to the pixel, drawn at twice the box size: sharp when stretched.
    const QSize box(boxWidthTwips / 15, boxHeightTwips / 15);
    QVERIFY2(image.width() >= 2 * box.width() - 2 && image.height() >= 2 * box.height() - 2,
             qPrintable(QStringLiteral("%1x%2").arg(image.width()).arg(image.height())));
    // The same shape as the box, so stretching does not distort it.
    const double pictureAspect = double(image.width()) / image.height();
    const double boxAspect = double(boxWidthTwips) / boxHeightTwips;
    QVERIFY2(qAbs(pictureAspect - boxAspect) < 0.02, qPrintable(QString::number(pictureAspect)));
}

QTEST_MAIN(tst_ProgramArt)
#include "tst_ProgramArt.moc"
