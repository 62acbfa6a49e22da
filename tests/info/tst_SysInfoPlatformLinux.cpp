#include "screens/info/SysInfoPlatformLinux.h"
#include "screens/info/GetKeyValue.h"
#include "screens/info/RegistryWords.h"
#include "screens/info/StartSysInfo.h"

#include <QtTest>

#include <cerrno>
#include <cstdlib>

#include <sys/stat.h>
#include <sys/wait.h>

namespace {

const std::string fullPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

void writeFile(const QString& path, const QByteArray& content, QFile::Permissions permissions)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QVERIFY(file.setPermissions(permissions));
}

constexpr auto executable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr auto plain = QFile::ReadOwner | QFile::WriteOwner;

// Whether every child this test process started has ended and been collected.
bool noChildLeft()
{
    siginfo_t info{};
    return ::waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == -1 && errno == ECHILD;
}

// Sets PATH for one case and puts the old one back afterwards.
class SearchPath {
public:
    explicit SearchPath(const QByteArray& path) : old_(qgetenv("PATH")) { qputenv("PATH", path); }
    ~SearchPath() { qputenv("PATH", old_); }

private:
    QByteArray old_;
};

} // namespace

class tst_SysInfoPlatformLinux : public QObject {
    Q_OBJECT

private slots:
    void firstListedProgramOnThePathIsFound()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        QVERIFY(first.isValid() && second.isValid());
        // Earlier on PATH but later in the list, or not a runnable file: not chosen.
        writeFile(first.filePath("kinfocenter"), "#!/bin/sh\n", executable);
        writeFile(first.filePath("hardinfo2"), "#!/bin/sh\n", plain);
        QVERIFY(QDir(first.path()).mkdir("hardinfo"));
        writeFile(second.filePath("hardinfo"), "#!/bin/sh\n", executable);

        const std::string path = "relative/bin::" + first.path().toStdString() + ":"
                                 + second.path().toStdString() + "/";
        QCOMPARE(SysInfoPlatformLinux::findSystemInformationProgram(path),
                 second.filePath("hardinfo").toStdString());
        QCOMPARE(SysInfoPlatformLinux::findSystemInformationProgram(first.path().toStdString()),
                 first.filePath("kinfocenter").toStdString());
        QCOMPARE(SysInfoPlatformLinux::findSystemInformationProgram(""), std::string());
        // A relative folder is never searched, even when it holds a listed program.
        QVERIFY(QDir::setCurrent(second.path()));
        QCOMPARE(SysInfoPlatformLinux::findSystemInformationProgram("."), std::string());
    }

    void registryViewHoldsTheFoundProgramOnly()
    {
        QTemporaryDir bin;
        QVERIFY(bin.isValid());
        writeFile(bin.filePath("gnome-system-monitor"), "#!/bin/sh\n", executable);
        const SearchPath searchPath(bin.path().toUtf8());
        SysInfoPlatformLinux platform;

        std::string keyVal;
        QVERIFY(GetKeyValue(platform, RegistryWords::localMachine, fullPathKey, "PATH", keyVal));
        QCOMPARE(keyVal, bin.filePath("gnome-system-monitor").toStdString());
        QVERIFY(!GetKeyValue(platform, RegistryWords::localMachine, fullPathKey, "MSINFO", keyVal));
        QVERIFY(!GetKeyValue(platform, RegistryWords::localMachine, folderKey, "MSINFO", keyVal));
        QCOMPARE(keyVal, std::string());

        // The view is read-only: asking for write rights is refused.
        SysInfoPlatform::KeyHandle key = 0;
        QCOMPARE(platform.openKey(RegistryWords::localMachine, fullPathKey, 0x2003Fu, key), 5L);
        QCOMPARE(platform.openKey(RegistryWords::localMachine, fullPathKey, 0x20019u, key), 0L);
        // A buffer too small is told the size needed, as the registry does.
        unsigned char small[4] = {};
        std::uint32_t type = 0;
        std::uint32_t size = sizeof small;
        QCOMPARE(platform.queryValue(key, "PATH", type, small, size), 234L);
        QCOMPARE(size, std::uint32_t(bin.filePath("gnome-system-monitor").toUtf8().size() + 1));
        QCOMPARE(platform.closeKey(key), 0L);
        QCOMPARE(platform.closeKey(key), 6L);

        const SearchPath nothingThere("/nonexistent-folder");
        QVERIFY(!GetKeyValue(platform, RegistryWords::localMachine, fullPathKey, "PATH", keyVal));
        QVERIFY(!StartSysInfo(platform));
    }

    void ordinaryFilesOnly()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        writeFile(dir.filePath("MSINFO32.EXE"), "x", plain);
        writeFile(dir.filePath(".hidden"), "x", plain);
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        SysInfoPlatformLinux platform;
        QVERIFY(platform.ordinaryFileExists(dir.filePath("MSINFO32.EXE").toStdString()));
        QVERIFY(!platform.ordinaryFileExists(dir.filePath(".hidden").toStdString()));
        QVERIFY(!platform.ordinaryFileExists(dir.filePath("folder").toStdString()));
        QVERIFY(!platform.ordinaryFileExists(dir.filePath("missing").toStdString()));
        QVERIFY(!platform.ordinaryFileExists(""));
    }

    // Started by its exact path with blanks, with no arguments and no shell, and
    // collected when it ends so that no zombie is left behind.
    void startsTheExactProgramWithoutArguments()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(QDir(dir.path()).mkpath("Program Files/Sys Info"));
        const QString tool = dir.filePath("Program Files/Sys Info/sys info tool");
        const QString marker = dir.filePath("Program Files/Sys Info/marker");
        // Were the path split at its blanks, "Program" would be run instead.
        writeFile(dir.filePath("Program"), "#!/bin/sh\necho wrong > \"$(dirname \"$0\")/wrong\"\n", executable);
        writeFile(tool, "#!/bin/sh\nprintf '%s %s' \"$#\" \"$0\" > \"$(dirname \"$0\")/marker.tmp\"\n"
                        "mv \"$(dirname \"$0\")/marker.tmp\" \"$(dirname \"$0\")/marker\"\n",
                  executable);
        QVERIFY(QDir::setCurrent(dir.path()));

        SysInfoPlatformLinux platform;
        QVERIFY(platform.startProgram(tool.toStdString()));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
        QFile written(marker);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(written.readAll()), "0 " + tool);
        QVERIFY(!QFile::exists(dir.filePath("wrong")));
        QTRY_VERIFY_WITH_TIMEOUT(noChildLeft(), 10000);
    }

    void missingProgramFailsCleanly()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        writeFile(dir.filePath("not runnable"), "#!/bin/sh\n", plain);
        SysInfoPlatformLinux platform;
        QVERIFY(!platform.startProgram(dir.filePath("no such tool").toStdString()));
        QVERIFY(!platform.startProgram(dir.filePath("not runnable").toStdString()));
        QVERIFY(!platform.startProgram(dir.path().toStdString()));
        QVERIFY(!platform.startProgram(""));
        QVERIFY(noChildLeft());
    }
};

QTEST_GUILESS_MAIN(tst_SysInfoPlatformLinux)
#include "tst_SysInfoPlatformLinux.moc"
