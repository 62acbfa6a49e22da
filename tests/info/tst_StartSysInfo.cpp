#include "support/FakeSysInfoPlatform.h"

#ifdef _WIN32
#include "screens/info/SysInfoPlatformWindows.h"
using SystemSysInfoPlatform = SysInfoPlatformWindows;
#else
#include "screens/info/SysInfoPlatformLinux.h"
using SystemSysInfoPlatform = SysInfoPlatformLinux;
#endif
#include "screens/info/StartSysInfo.h"
#include "screens/info/SysInfoPlatformProvider.h"

#include <QtTest>

namespace {

const std::string fullPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string toolPath = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
const std::string toolFolder = "C:\\WINDOWS\\System32";
const std::string candidatePath = "C:\\WINDOWS\\System32\\MSINFO32.EXE";
constexpr std::uint32_t textType = 1;
constexpr std::uint32_t expandableTextType = 2;

std::string withZero(const std::string& text)
{
    return text + std::string(1, '\0');
}

using Strings = std::vector<std::string>;

// 64-bit Windows' two registry views, each a tree of its own: the fake's keys
// are named "64|..." and "32|..." after the view they were opened in.
class TwoViewFake : public FakeSysInfoPlatform {
public:
    std::vector<std::uint32_t> registryViews() const override
    {
        return {RegistryWords::view64Bit, RegistryWords::view32Bit};
    }
    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                 KeyHandle& key) override
    {
        const bool view32 = (access & RegistryWords::view32Bit) != 0;
        return FakeSysInfoPlatform::openKey(root, (view32 ? "32|" : "64|") + subKey, access, key);
    }
};

} // namespace

class tst_StartSysInfo : public QObject {
    Q_OBJECT

private slots:
    void fullPathIsStartedWithoutAnExistenceTest()
    {
        FakeSysInfoPlatform fake;
        fake.setValue(fullPathKey, "PATH", textType, withZero(toolPath));
        fake.setValue(folderKey, "MSINFO", textType, withZero(toolFolder));
        fake.files[candidatePath] = FakeSysInfoPlatform::FileKind::Ordinary;
        QVERIFY(StartSysInfo(fake));
        QCOMPARE(fake.started, Strings{toolPath});
        QVERIFY(fake.fileTests.empty());
        QCOMPARE(fake.openedKeyNames, Strings{fullPathKey});
        QVERIFY(fake.stillOpen().empty());
    }

    // A recorded path that does not start is the answer: the folder is not tried.
    void fullPathThatFailsToStartIsUnavailable()
    {
        FakeSysInfoPlatform fake;
        fake.setValue(fullPathKey, "PATH", textType, withZero("C:\\Gone\\msinfo32.exe"));
        fake.setValue(folderKey, "MSINFO", textType, withZero(toolFolder));
        fake.files[candidatePath] = FakeSysInfoPlatform::FileKind::Ordinary;
        fake.startSucceeds = false;
        QVERIFY(!StartSysInfo(fake));
        QCOMPARE(fake.startAttempts, Strings{"C:\\Gone\\msinfo32.exe"});
        QVERIFY(fake.started.empty());
        QCOMPARE(fake.openedKeyNames, Strings{fullPathKey});
        QVERIFY(fake.fileTests.empty());
    }

    void folderOfTheSecondTryDecides_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("startedIt");
        using Kind = FakeSysInfoPlatform::FileKind;
        QTest::newRow("ordinary file") << true << int(Kind::Ordinary) << true;
        QTest::newRow("no such file") << false << int(Kind::Ordinary) << false;
        QTest::newRow("hidden file") << true << int(Kind::Hidden) << false;
        QTest::newRow("system file") << true << int(Kind::System) << false;
        QTest::newRow("folder of that name") << true << int(Kind::Folder) << false;
    }
    void folderOfTheSecondTryDecides()
    {
        QFETCH(bool, present);
        QFETCH(int, kind);
        QFETCH(bool, startedIt);
        FakeSysInfoPlatform fake;
        fake.setValue(folderKey, "MSINFO", textType, withZero(toolFolder));
        if (present)
            fake.files[candidatePath] = static_cast<FakeSysInfoPlatform::FileKind>(kind);
        QCOMPARE(StartSysInfo(fake), startedIt);
        QCOMPARE(fake.openedKeyNames, (Strings{fullPathKey, folderKey}));
        QCOMPARE(fake.fileTests, Strings{candidatePath});
        QCOMPARE(fake.started, startedIt ? Strings{candidatePath} : Strings{});
        QCOMPARE(fake.startAttempts, fake.started);
        QVERIFY(fake.stillOpen().empty());
    }

    // The folder's text is used whole when stored without its zero.
    void unterminatedFolderIsUsedWhole()
    {
        FakeSysInfoPlatform fake;
        fake.setValue(folderKey, "MSINFO", textType, toolFolder);
        fake.files[candidatePath] = FakeSysInfoPlatform::FileKind::Ordinary;
        QVERIFY(StartSysInfo(fake));
        QCOMPARE(fake.started, Strings{candidatePath});
    }

    void neitherTryReadIsUnavailable_data()
    {
        QTest::addColumn<long>("fullPathOpen");
        QTest::addColumn<long>("folderOpen");
        QTest::newRow("both missing") << 2L << 2L;
        QTest::newRow("both refused") << 5L << 5L;
        QTest::newRow("missing, then refused") << 2L << 5L;
    }
    void neitherTryReadIsUnavailable()
    {
        QFETCH(long, fullPathOpen);
        QFETCH(long, folderOpen);
        FakeSysInfoPlatform fake;
        if (fullPathOpen != 2) {
            fake.setValue(fullPathKey, "PATH", textType, withZero(toolPath));
            fake.keys[fullPathKey].openResult = fullPathOpen;
        }
        if (folderOpen != 2) {
            fake.setValue(folderKey, "MSINFO", textType, withZero(toolFolder));
            fake.keys[folderKey].openResult = folderOpen;
        }
        fake.files[candidatePath] = FakeSysInfoPlatform::FileKind::Ordinary;
        QVERIFY(!StartSysInfo(fake));
        QCOMPARE(fake.openedKeyNames, (Strings{fullPathKey, folderKey}));
        QVERIFY(fake.fileTests.empty());
        QVERIFY(fake.startAttempts.empty());
    }

    // A value of another type counts as read but gives an empty path, which cannot start.
    void fullPathOfAnotherTypeFailsToStart()
    {
        FakeSysInfoPlatform fake;
        fake.setValue(fullPathKey, "PATH", expandableTextType, withZero("%ProgramFiles%\\msinfo32.exe"));
        fake.setValue(folderKey, "MSINFO", textType, withZero(toolFolder));
        fake.files[candidatePath] = FakeSysInfoPlatform::FileKind::Ordinary;
        QVERIFY(!StartSysInfo(fake));
        QCOMPARE(fake.startAttempts, Strings{""});
        QCOMPARE(fake.openedKeyNames, Strings{fullPathKey});
    }

    // An error on the way abandons the rest: a zero-size path is not followed by the folder.
    void errorOnTheWayIsUnavailable()
    {
        FakeSysInfoPlatform zeroSize;
        zeroSize.setValue(fullPathKey, "PATH", textType, "");
        zeroSize.setValue(folderKey, "MSINFO", textType, withZero(toolFolder));
        zeroSize.files[candidatePath] = FakeSysInfoPlatform::FileKind::Ordinary;
        QVERIFY(!StartSysInfo(zeroSize));
        QCOMPARE(zeroSize.openedKeyNames, Strings{fullPathKey});
        QVERIFY(zeroSize.startAttempts.empty());
        QVERIFY(zeroSize.stillOpen().empty());

        FakeSysInfoPlatform folderZeroSize;
        folderZeroSize.setValue(folderKey, "MSINFO", textType, "");
        QVERIFY(!StartSysInfo(folderZeroSize));
        QVERIFY(folderZeroSize.fileTests.empty());
        QVERIFY(folderZeroSize.stillOpen().empty());

        FakeSysInfoPlatform startThrows;
        startThrows.setValue(fullPathKey, "PATH", textType, withZero(toolPath));
        startThrows.startThrows = true;
        QVERIFY(!StartSysInfo(startThrows));

        FakeSysInfoPlatform queryThrows;
        queryThrows.setValue(fullPathKey, "PATH", textType, withZero(toolPath));
        queryThrows.queryThrows = true;
        QVERIFY(!StartSysInfo(queryThrows));
        QVERIFY(queryThrows.stillOpen().empty());
    }

    // Each view in turn, the 32-bit one only when the 64-bit one records neither place.
    void viewsAreTriedInTurn_data()
    {
        QTest::addColumn<Strings>("values"); // "<view>|<key>" = text, in pairs
        QTest::addColumn<Strings>("opened");
        QTest::addColumn<Strings>("started");
        const std::string other = "C:\\Other\\msinfo32.exe";
        QTest::newRow("64-bit full path first")
            << Strings{"64|" + fullPathKey, toolPath, "32|" + fullPathKey, other}
            << Strings{"64|" + fullPathKey} << Strings{toolPath};
        QTest::newRow("32-bit full path")
            << Strings{"32|" + fullPathKey, toolPath}
            << Strings{"64|" + fullPathKey, "64|" + folderKey, "32|" + fullPathKey} << Strings{toolPath};
        QTest::newRow("32-bit folder")
            << Strings{"32|" + folderKey, toolFolder}
            << Strings{"64|" + fullPathKey, "64|" + folderKey, "32|" + fullPathKey, "32|" + folderKey}
            << Strings{candidatePath};
        QTest::newRow("64-bit folder without the tool decides")
            << Strings{"64|" + folderKey, "C:\\Empty", "32|" + fullPathKey, toolPath}
            << Strings{"64|" + fullPathKey, "64|" + folderKey} << Strings{};
        QTest::newRow("64-bit full path that cannot start decides")
            << Strings{"64|" + fullPathKey, "", "32|" + fullPathKey, toolPath}
            << Strings{"64|" + fullPathKey} << Strings{};
    }
    void viewsAreTriedInTurn()
    {
        QFETCH(Strings, values);
        QFETCH(Strings, opened);
        QFETCH(Strings, started);
        TwoViewFake fake;
        for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
            const bool folder = values[i].find(folderKey) != std::string::npos;
            fake.setValue(values[i], folder ? "MSINFO" : "PATH", textType, withZero(values[i + 1]));
        }
        fake.files[candidatePath] = FakeSysInfoPlatform::FileKind::Ordinary;
        QCOMPARE(StartSysInfo(fake), !started.empty());
        QCOMPARE(fake.openedKeyNames, opened);
        QCOMPARE(fake.started, started);
        QVERIFY(fake.stillOpen().empty());
    }

    void testsCanPutAFakeBehindTheLauncher()
    {
        FakeSysInfoPlatform fake;
        overrideSysInfoPlatformForTesting(&fake);
        QCOMPARE(&currentSysInfoPlatform(), static_cast<SysInfoPlatform*>(&fake));
        overrideSysInfoPlatformForTesting(nullptr);
        QVERIFY(&currentSysInfoPlatform() != static_cast<SysInfoPlatform*>(&fake));
        QVERIFY(dynamic_cast<SystemSysInfoPlatform*>(&currentSysInfoPlatform()) != nullptr);
    }
};

QTEST_GUILESS_MAIN(tst_StartSysInfo)
#include "tst_StartSysInfo.moc"
