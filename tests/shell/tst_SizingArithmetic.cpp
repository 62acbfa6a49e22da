#include "app/root/PlatformChoice.h"
#include "app/SizingArithmetic.h"

#include <QTest>

class tst_SizingArithmetic : public QObject {
    Q_OBJECT

private slots:
    void workedExample_data();
    void workedExample();
    void twipsPerPixel_data();
    void twipsPerPixel();
    // The sizes and places above hold only where the program may place its windows.
    void platformForSession();
};

void tst_SizingArithmetic::workedExample_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("height");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");

    // A display of 15360 x 11520 twips: 1024 x 768 pixels at 15 twips a pixel.
    QTest::newRow("main window and large question screens") << 0.95 << 14592.f << 10944.f << 384.f << 288.f;
    QTest::newRow("Help window") << 0.85 << 13056.f << 9792.f << 1152.f << 864.f;
    QTest::newRow("small question screens") << 0.75 << 11520.f << 8640.f << 1920.f << 1440.f;
}

void tst_SizingArithmetic::workedExample()
{
    QFETCH(double, factor);
    QFETCH(float, width);
    QFETCH(float, height);
    QFETCH(float, left);
    QFETCH(float, top);

    const float displayWidth = 15360.f;
    const float displayHeight = 11520.f;
    const float windowHeight = SizingArithmetic::scaledExtent(displayHeight, factor);
    const float windowWidth = SizingArithmetic::scaledExtent(displayWidth, factor);
    QCOMPARE(windowWidth, width);
    QCOMPARE(windowHeight, height);
    QCOMPARE(SizingArithmetic::centredOffset(displayWidth, windowWidth), left);
    QCOMPARE(SizingArithmetic::centredOffset(displayHeight, windowHeight), top);
}

void tst_SizingArithmetic::twipsPerPixel_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("twips");

    QTest::newRow("common 96 dpi") << 96.0 << 15.0;
    QTest::newRow("large fonts 120 dpi") << 120.0 << 12.0;
    QTest::newRow("144 dpi") << 144.0 << 10.0;
    QTest::newRow("display reporting no density") << 0.0 << 15.0;
    QTest::newRow("display reporting a negative density") << -72.0 << 15.0;
}

void tst_SizingArithmetic::twipsPerPixel()
{
    QFETCH(double, dpi);
    QFETCH(double, twips);
    QCOMPARE(SizingArithmetic::twipsPerPixel(dpi), twips);
}

void tst_SizingArithmetic::platformForSession()
{
    // QT_QPA_PLATFORM, WAYLAND_DISPLAY, DISPLAY and XDG_SESSION_TYPE (null when unset), and the platform asked for.
    struct Session {
        const char *chosen, *wayland, *x11, *type, *platform;
    };
    const Session sessions[] = {
        {nullptr, "wayland-0", ":0", "wayland", "xcb"}, // a Wayland desktop with XWayland
        {nullptr, nullptr, ":0", "wayland", "xcb"},     // its socket not named
        {"wayland", "wayland-0", ":0", "wayland", ""},  // the user's own choice stands
        {nullptr, "wayland-0", nullptr, "wayland", ""}, // Wayland only
        {nullptr, nullptr, ":0", "x11", ""},
    };
    for (const Session& session : sessions)
        QCOMPARE(PlatformChoice::forSession(session.chosen, session.wayland, session.x11, session.type),
                 std::string(session.platform));
}

QTEST_APPLESS_MAIN(tst_SizingArithmetic)
#include "tst_SizingArithmetic.moc"
