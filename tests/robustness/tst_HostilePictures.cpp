// Bad pictures beside the program: missing, empty, cut short, no picture at
// all, a folder, declaring sizes far beyond any screen, sparse, repeating a
// scan without end, or another format under a JPEG's name. Every window must
// still open at once and work, memory must stay within bounds, and nothing may crash.

#include "HostilePicture.h"

#include "app/PictureBox.h"
#include "app/ProgramFolder.h"
#include "app/Module1.h"
#include "support/ScreenTestHelpers.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QComboBox>
#include <QImageReader>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using HostilePicture::Kind;
using namespace ScreenTestHelpers;

namespace {
// The process's peak resident memory so far, in kilobytes.
qint64 peakMemoryKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Starts the peak afresh from the memory in use now, so that one case's
// peak does not hide the next one's.
bool resetPeakMemory()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

// Two pictures of a few hundred pixels need a few megabytes; this leaves room
// for the toolkit's caches but not for decoding a picture of millions of pixels.
constexpr qint64 peakGrowthBoundKilobytes = 64 * 1024;

template <typename T>
T* control(ScreenKind kind, const char* name)
{
    return findControl<T>(loadedWindow(kind), name);
}

void click(ScreenKind kind, const char* button)
{
    auto* target = control<QPushButton>(kind, button);
    QVERIFY2(target, button);
    QTest::mouseClick(target, Qt::LeftButton);
    settle();
}
} // namespace

class tst_HostilePictures : public QObject {
    Q_OBJECT

private slots:
    void craftedPicturesDeclareWhatTheySay();
    void everyWindowWorks_data();
    void everyWindowWorks();
    void cleanupTestCase();
};

void tst_HostilePictures::craftedPicturesDeclareWhatTheySay()
{
    // The hostile files must really be what their names say, or the test below proves nothing.
    struct Crafted {
        QByteArray bytes;
        QSize declared;
        const char* format;
    };
    const QByteArray huge = HostilePicture::jpegDeclaring(65535, 65535, false);
    QVERIFY(huge.startsWith("\xff\xd8"));
    QCOMPARE(HostilePicture::declaredJpegSize(huge), QSize(65535, 65535));

    // These the decoder takes at their word.
    const Crafted crafted[] = {
        {HostilePicture::jpegDeclaring(60000, 60000, false), {60000, 60000}, "jpeg"},
        {HostilePicture::jpegDeclaring(8000, 8000, true), {8000, 8000}, "jpeg"},
        {HostilePicture::pngDeclaring(8000, 8000), {8000, 8000}, "png"},
        {HostilePicture::jpegRepeatingAScan(2048, 2048, 20000), {2048, 2048}, "jpeg"},
        // Under a JPEG's name, the toolkit would take this for an icon of 256 x 256.
        {HostilePicture::iconHoldingPng(5600), {256, 256}, "ico"},
    };
    for (const Crafted& file : crafted) {
        QVERIFY(!file.bytes.isEmpty());
        if (!QImageReader::supportedImageFormats().contains(file.format)) {
            // Then no reader of the toolkit can take the file for what it holds.
            qInfo("Not checked: this toolkit reads no %s files", file.format);
            continue;
        }
        QByteArray bytes = file.bytes;
        QBuffer buffer(&bytes);
        QImageReader reader(&buffer);
        QCOMPARE(reader.format(), QByteArray(file.format));
        QCOMPARE(reader.size(), file.declared);
    }
}

void tst_HostilePictures::everyWindowWorks_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("pictureShown");
    QTest::newRow("sound pictures") << Kind::Sound << true;
    QTest::newRow("missing") << Kind::Missing << false;
    QTest::newRow("empty") << Kind::Empty << false;
    QTest::newRow("cut short") << Kind::Truncated << true;
    QTest::newRow("not a JPEG") << Kind::NotAJpeg << false;
    QTest::newRow("a folder of that name") << Kind::Folder << false;
    QTest::newRow("JPEG declaring 65535 x 65535") << Kind::HugeBaseline << false;
    QTest::newRow("JPEG declaring 60000 x 60000") << Kind::VeryLargeBaseline << false;
    // A progressive JPEG is decoded whole before it is scaled down, so its
    // declared size alone sets the memory taken: too large, it is not decoded.
    QTest::newRow("progressive JPEG declaring 8000 x 8000") << Kind::LargeProgressive << false;
    QTest::newRow("PNG declaring 8000 x 8000") << Kind::LargePng << false;
    // Within the largest size the picture box decodes: shown, as far as the data goes.
    QTest::newRow("progressive JPEG declaring 2000 x 2000") << Kind::BigProgressive << true;
    // Each would keep the doctor's windows from opening for minutes or more.
    QTest::newRow("a terabyte of sparse zeros") << Kind::Sparse << false;
    QTest::newRow("one scan repeated 20,000 times") << Kind::ScanBomb << false;
    QTest::newRow("an icon holding a huge PNG") << Kind::IconUnderJpegName << false;
}

void tst_HostilePictures::everyWindowWorks()
{
    QFETCH(Kind, kind);
    QFETCH(bool, pictureShown);

    startClean();
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString assets = ProgramFolder::path();
    QVERIFY(HostilePicture::layDown(kind, folder.path(), QStringLiteral("Ut1.jpg"), assets + QStringLiteral("/Ut1.jpg")));
    QVERIFY(HostilePicture::layDown(kind, folder.path(), QStringLiteral("UT2.jpg"), assets + QStringLiteral("/UT2.jpg")));
    ProgramFolder::overrideForTesting(folder.path());
    QVERIFY(resetPeakMemory());
    const qint64 peakBefore = peakMemoryKilobytes();

    // The splash screen opens with whatever picture could be read, and leaves on a key.
    QElapsedTimer opening;
    opening.start();
    Module1::Show(ScreenKind::frmSplash);
    // No picture may hold a window back: a second is far more than any sound
    // case takes, even in the sanitizer build, and far less than a hostile one.
    QVERIFY2(opening.elapsed() < 1000, qPrintable(QStringLiteral("the splash screen took %1 ms").arg(opening.elapsed())));
    settle();
    QVERIFY(loadedWindow(ScreenKind::frmSplash) && loadedWindow(ScreenKind::frmSplash)->isVisible());
    auto* splashPicture = control<PictureBox>(ScreenKind::frmSplash, "Image1");
    QVERIFY(splashPicture);
    QCOMPARE(splashPicture->hasPicture(), pictureShown);
    opening.restart();
    QTest::keyClick(loadedWindow(ScreenKind::frmSplash), Qt::Key_Space);
    QVERIFY2(opening.elapsed() < 1000, qPrintable(QStringLiteral("the main window took %1 ms").arg(opening.elapsed())));
    settle();
    QCOMPARE(visibleScreens(), QList<ScreenKind>{ScreenKind::FormMain});

    // The main window: its picture, its warning, its topic list.
    auto* mainPicture = control<PictureBox>(ScreenKind::FormMain, "Image1");
    QVERIFY(mainPicture);
    QCOMPARE(mainPicture->hasPicture(), pictureShown);
    if (pictureShown)
        QVERIFY(mainPicture->pixmap().width() <= mainPicture->width() * 2);
    const QList<SeenBox> warning = answeringBoxes([] { click(ScreenKind::FormMain, "cmdOK"); });
    QCOMPARE(warning.size(), 1);
    QCOMPARE(warning.first().icon, QMessageBox::Warning);
    QCOMPARE(control<QComboBox>(ScreenKind::FormMain, "Combo1")->count(), 73);

    // Help answers its questions and goes Home.
    click(ScreenKind::FormMain, "cmdHelp");
    auto* question = control<QLabel>(ScreenKind::frmHelp, "Label1");
    QVERIFY(question);
    QTest::mouseClick(question, Qt::LeftButton);
    QVERIFY(!control<QLabel>(ScreenKind::frmHelp, "LabelA")->text().isEmpty());
    click(ScreenKind::frmHelp, "cmdHome");
    QVERIFY(!isLoaded(ScreenKind::frmHelp));

    // About opens and closes.
    click(ScreenKind::FormMain, "cmdAbout");
    QVERIFY(loadedWindow(ScreenKind::frmAbout) && loadedWindow(ScreenKind::frmAbout)->isVisible());
    click(ScreenKind::frmAbout, "cmdOK");
    QVERIFY(!isLoaded(ScreenKind::frmAbout));

    // The Anemia walk starts, and Home brings the main window back with its picture as it was.
    control<QComboBox>(ScreenKind::FormMain, "Combo1")->setCurrentIndex(1);
    click(ScreenKind::FormMain, "cmdOK");
    QCOMPARE(visibleScreens(), QList<ScreenKind>{ScreenKind::FormAnemia1});
    click(ScreenKind::FormAnemia1, "cmdHome");
    QCOMPARE(visibleScreens(), QList<ScreenKind>{ScreenKind::FormMain});
    QCOMPARE(control<PictureBox>(ScreenKind::FormMain, "Image1")->hasPicture(), pictureShown);

    // Exit ends the program.
    click(ScreenKind::FormMain, "cmdExit");
    QCOMPARE(loadedCount(), 0);
    QCOMPARE(programEnds(), 1);

    const qint64 growth = peakMemoryKilobytes() - peakBefore;
    qInfo("peak memory grew by %lld kB", growth);
    QVERIFY2(growth < peakGrowthBoundKilobytes,
             qPrintable(QStringLiteral("peak memory grew by %1 kB").arg(growth)));
}

void tst_HostilePictures::cleanupTestCase()
{
    dropAllScreens();
    ProgramFolder::overrideForTesting({});
    settle();
}

QTEST_MAIN(tst_HostilePictures)
#include "tst_HostilePictures.moc"
