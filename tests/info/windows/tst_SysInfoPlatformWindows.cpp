// Runs the registry reader, the launcher and the Windows platform against the
// real registry and file system of a private Wine prefix. The values are
// written here with explicit sizes, so that an unterminated text and the
// 1024/1025-byte boundary can be stored as they are.
//
// Usage: tst_SysInfoPlatformWindows registry|launcher|start-once
// (start-once: runs the launcher once, as the About box's button does, over
// whatever the registry holds, and says whether the tool started;
// start_sysinfo_views.sh drives it.)
#include "screens/info/GetKeyValue.h"
#include "screens/info/RegistryWords.h"
#include "screens/info/StartSysInfo.h"
#include "screens/info/SysInfoPlatformProvider.h"
#include "screens/info/SysInfoPlatformWindows.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <sddl.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

int failures = 0;
int checks = 0;

void check(bool passed, const char* what, int line)
{
    ++checks;
    if (!passed) {
        ++failures;
        std::printf("FAIL line %d: %s\n", line, what);
    }
}
#define CHECK(condition) check((condition), #condition, __LINE__)

// The real platform, with a count of what the launcher asked of it.
class CountingPlatform : public SysInfoPlatform {
public:
    SysInfoPlatformWindows real;
    int opens = 0;
    int closes = 0;
    int failedCloses = 0;
    std::vector<std::uint32_t> accessMasks;
    std::vector<std::string> startAttempts;

    std::vector<std::uint32_t> registryViews() const override { return real.registryViews(); }
    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                 KeyHandle& key) override
    {
        accessMasks.push_back(access);
        const long result = real.openKey(root, subKey, access, key);
        if (result == 0)
            ++opens;
        return result;
    }
    long queryValue(KeyHandle key, const std::string& valueName, std::uint32_t& type,
                    unsigned char* data, std::uint32_t& size) override
    {
        return real.queryValue(key, valueName, type, data, size);
    }
    long closeKey(KeyHandle key) override
    {
        const long result = real.closeKey(key);
        ++closes;
        if (result != 0)
            ++failedCloses;
        return result;
    }
    bool ordinaryFileExists(const std::string& path) override
    {
        return real.ordinaryFileExists(path);
    }
    bool startProgram(const std::string& path) override
    {
        startAttempts.push_back(path);
        return real.startProgram(path);
    }
    bool everyKeyClosed() const { return opens == closes && failedCloses == 0; }
    bool onlyReadRightsAsked() const
    {
        for (const std::uint32_t mask : accessMasks)
            if ((mask & ~(KEY_WOW64_64KEY | KEY_WOW64_32KEY)) != KEY_READ)
                return false;
        return !accessMasks.empty();
    }
};

const std::string testKey = "SOFTWARE\\Nuvessa Tests\\Values";
const std::string readOnlyKey = "SOFTWARE\\Nuvessa Tests\\Read Only";
const std::string closedKey = "SOFTWARE\\Nuvessa Tests\\Closed";
const std::string fullPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

HKEY createKey(const std::string& name, const char* securityDescriptor = nullptr)
{
    SECURITY_ATTRIBUTES attributes{};
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (securityDescriptor) {
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(
                securityDescriptor, SDDL_REVISION_1, &descriptor, nullptr))
            throw std::runtime_error("bad security descriptor");
        attributes.nLength = sizeof attributes;
        attributes.lpSecurityDescriptor = descriptor;
    }
    HKEY key = nullptr;
    const LONG result = RegCreateKeyExA(HKEY_LOCAL_MACHINE, name.c_str(), 0, nullptr, 0,
                                        KEY_ALL_ACCESS, securityDescriptor ? &attributes : nullptr,
                                        &key, nullptr);
    if (descriptor)
        LocalFree(descriptor);
    if (result != ERROR_SUCCESS)
        throw std::runtime_error("cannot create key " + name);
    return key;
}

void setValue(const std::string& keyName, const std::string& name, DWORD type,
              const std::string& bytes)
{
    const HKEY key = createKey(keyName);
    const LONG result = RegSetValueExA(key, name.c_str(), 0, type,
                                       reinterpret_cast<const BYTE*>(bytes.data()),
                                       static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        throw std::runtime_error("cannot set value " + name);
}

void deleteValue(const std::string& keyName, const std::string& name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName.c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, name.c_str());
        RegCloseKey(key);
    }
}

// A key whose access list lets everyone read it (and delete it, for the next run), nothing more.
void createReadOnlyKeyWithPath(const std::string& keyName, const std::string& path)
{
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, keyName.c_str());
    setValue(keyName, "PATH", REG_SZ, path + '\0');
    const HKEY key = createKey(keyName);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KRSD;;;WD)", SDDL_REVISION_1,
                                                              &descriptor, nullptr))
        throw std::runtime_error("bad security descriptor");
    const LONG result = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
    LocalFree(descriptor);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS)
        throw std::runtime_error("cannot restrict key " + keyName);
}

// A key that nobody may read (only delete, for the next run).
void createClosedKey(const std::string& keyName)
{
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, keyName.c_str());
    RegCloseKey(createKey(keyName, "D:P(A;;SD;;;WD)"));
}

struct Read {
    bool read = false;
    std::string keyVal;
    bool raised = false;
};

Read readValue(CountingPlatform& platform, const std::string& keyName, const std::string& name,
               const std::string& before = "before")
{
    Read result{false, before, false};
    try {
        result.read = GetKeyValue(platform, RegistryWords::localMachine, keyName, name, result.keyVal);
    } catch (const std::runtime_error&) {
        result.raised = true;
    }
    return result;
}

void registryCases()
{
    CountingPlatform platform;
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, testKey.c_str());

    // Missing key, missing value.
    Read r = readValue(platform, "SOFTWARE\\Nuvessa Tests\\No Such Key", "PATH");
    CHECK(!r.read && r.keyVal.empty() && !r.raised);
    setValue(testKey, "Other", REG_SZ, std::string("x") + '\0');
    r = readValue(platform, testKey, "PATH");
    CHECK(!r.read && r.keyVal.empty() && !r.raised);

    // Refused open: nobody may read the key.
    createClosedKey(closedKey);
    r = readValue(platform, closedKey, "PATH");
    CHECK(!r.read && r.keyVal.empty() && !r.raised);

    // A key an ordinary user may only read is read: asking for write rights too would be refused.
    const std::string tool = "C:\\Program Files\\Tools\\msinfo32.exe";
    createReadOnlyKeyWithPath(readOnlyKey, tool);
    r = readValue(platform, readOnlyKey, "PATH");
    CHECK(r.read && r.keyVal == tool);
    HKEY writable = nullptr;
    const LONG withWriteRights =
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, readOnlyKey.c_str(), 0, 0x2003F, &writable);
    CHECK(withWriteRights == ERROR_ACCESS_DENIED);
    if (withWriteRights == ERROR_SUCCESS)
        RegCloseKey(writable);

    // The 1024-byte buffer: a value of 1024 bytes fits, one of 1025 does not.
    setValue(testKey, "1024 bytes", REG_SZ, std::string(1023, 'b') + '\0');
    r = readValue(platform, testKey, "1024 bytes");
    CHECK(r.read && r.keyVal == std::string(1023, 'b'));
    setValue(testKey, "1025 bytes", REG_SZ, std::string(1024, 'c') + '\0');
    r = readValue(platform, testKey, "1025 bytes");
    CHECK(!r.read && r.keyVal.empty() && !r.raised);
    setValue(testKey, "1025 bytes unterminated", REG_SZ, std::string(1025, 'c'));
    r = readValue(platform, testKey, "1025 bytes unterminated");
    CHECK(!r.read && r.keyVal.empty() && !r.raised);
    // Binary data passes unconverted: exactly the buffer's size is read, one byte more is not.
    setValue(testKey, "1024 binary bytes", REG_BINARY, std::string(1024, 'x'));
    r = readValue(platform, testKey, "1024 binary bytes", "as it came in");
    CHECK(r.read && r.keyVal == "as it came in");
    setValue(testKey, "1025 binary bytes", REG_BINARY, std::string(1025, 'x'));
    r = readValue(platform, testKey, "1025 binary bytes", "as it came in");
    CHECK(!r.read && r.keyVal.empty() && !r.raised);
    // The ANSI query may add the zero that an unterminated text lacks, and then
    // needs 1025 bytes for it: the text is either read whole or refused, never cut.
    setValue(testKey, "1024 bytes unterminated", REG_SZ, std::string(1024, 'a'));
    r = readValue(platform, testKey, "1024 bytes unterminated");
    CHECK((r.read && r.keyVal == std::string(1024, 'a')) || (!r.read && r.keyVal.empty() && !r.raised));
    std::printf("An unterminated text of 1024 bytes is %s.\n", r.read ? "read whole" : "too long");

    // Text with and without its terminating zero.
    setValue(testKey, "Terminated", REG_SZ, tool + '\0');
    r = readValue(platform, testKey, "Terminated");
    CHECK(r.read && r.keyVal == tool);
    setValue(testKey, "Unterminated", REG_SZ, tool);
    r = readValue(platform, testKey, "Unterminated");
    CHECK(r.read && r.keyVal == tool);

    // A value without data raises an error.
    setValue(testKey, "Empty", REG_SZ, "");
    r = readValue(platform, testKey, "Empty");
    CHECK(r.raised && r.keyVal == "before");

    // A number becomes a hexadecimal literal.
    setValue(testKey, "Number", REG_DWORD, std::string("\x78\x56\x34\x12", 4));
    r = readValue(platform, testKey, "Number");
    CHECK(r.read && r.keyVal == "&h12345678");

    // Another type is read but keeps the text given.
    setValue(testKey, "Expandable", REG_EXPAND_SZ, std::string("%SystemRoot%\\msinfo32.exe") + '\0');
    r = readValue(platform, testKey, "Expandable", "as it came in");
    CHECK(r.read && r.keyVal == "as it came in");

    CHECK(platform.everyKeyClosed());
    CHECK(platform.opens > 0);
    CHECK(platform.onlyReadRightsAsked());
}

std::string folderOfThisProgram()
{
    char self[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self, length);
    return path.substr(0, path.find_last_of('\\'));
}

void makeFolder(const std::string& path)
{
    // Each folder of the path in turn, as it may not exist yet.
    for (std::string::size_type at = path.find('\\', 3); ; at = path.find('\\', at + 1)) {
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
        if (at == std::string::npos)
            break;
    }
}

void copyStandIn(const std::string& standIn, const std::string& to, DWORD attributes = FILE_ATTRIBUTE_NORMAL)
{
    SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!CopyFileA(standIn.c_str(), to.c_str(), FALSE))
        throw std::runtime_error("cannot copy to " + to);
    if (!SetFileAttributesA(to.c_str(), attributes))
        throw std::runtime_error("cannot set attributes of " + to);
    DeleteFileA((to + ".started").c_str());
}

bool exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The command line the stand-in was started with, once its marker appears; empty if it never does.
std::string waitForStart(const std::string& program)
{
    const std::string marker = program + ".started";
    for (int waited = 0; waited < 20000; waited += 50) {
        const HANDLE file = CreateFileA(marker.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            char text[2 * MAX_PATH] = {};
            DWORD read = 0;
            ReadFile(file, text, sizeof text - 1, &read, nullptr);
            CloseHandle(file);
            return std::string(text, read);
        }
        Sleep(50);
    }
    return {};
}

// What the stand-in reports when started by its exact path, alone on its
// command line, in a normal window (SW_SHOWNORMAL).
std::string startedAlone(const std::string& program)
{
    return "\"" + program + "\"|show 1";
}

void launcherCases()
{
    const std::string here = folderOfThisProgram();
    const std::string standIn = here + "\\sysinfo_stand_in.exe";
    const std::string work = here + "\\wine work";
    const std::string toolFolder = work + "\\Program Files\\Sys Info";
    const std::string tool = toolFolder + "\\sys info tool.exe";
    const std::string decoy = work + "\\Program.exe";
    const std::string located = work + "\\Shared Tools Location";
    const std::string hidden = work + "\\Hidden";
    const std::string system = work + "\\System";
    const std::string folderOnly = work + "\\Folder Only";
    const std::string empty = work + "\\Empty";
    makeFolder(toolFolder);
    for (const std::string& folder : {located, hidden, system, empty})
        makeFolder(folder);
    makeFolder(folderOnly + "\\MSINFO32.EXE");
    copyStandIn(standIn, tool);
    // Were the path parsed as a command line, this file would start instead.
    copyStandIn(standIn, decoy);
    copyStandIn(standIn, located + "\\MSINFO32.EXE");
    copyStandIn(standIn, hidden + "\\MSINFO32.EXE", FILE_ATTRIBUTE_HIDDEN);
    copyStandIn(standIn, system + "\\MSINFO32.EXE", FILE_ATTRIBUTE_SYSTEM);

    // The program's own launcher runs on this platform.
    CHECK(dynamic_cast<SysInfoPlatformWindows*>(&currentSysInfoPlatform()) != nullptr);
    SysInfoPlatformWindows platform;

    // The file test lists the one path: ordinary files only.
    CHECK(platform.ordinaryFileExists(located + "\\MSINFO32.EXE"));
    CHECK(platform.ordinaryFileExists(located + "\\msinfo32.exe"));
    CHECK(!platform.ordinaryFileExists(hidden + "\\MSINFO32.EXE"));
    CHECK(!platform.ordinaryFileExists(system + "\\MSINFO32.EXE"));
    CHECK(!platform.ordinaryFileExists(folderOnly + "\\MSINFO32.EXE"));
    CHECK(!platform.ordinaryFileExists(empty + "\\MSINFO32.EXE"));
    CHECK(!platform.ordinaryFileExists(located + "\\MSINFO32.*"));
    CHECK(!platform.ordinaryFileExists(""));

    // Started by its exact path with blanks, with no arguments.
    CHECK(platform.startProgram(tool));
    CHECK(waitForStart(tool) == startedAlone(tool));
    CHECK(!exists(decoy + ".started"));
    // A missing file or a folder does not start, and nothing else does instead.
    CHECK(!platform.startProgram(work + "\\Program Files\\No Such Tool\\msinfo32.exe"));
    CHECK(!platform.startProgram(toolFolder));
    CHECK(!platform.startProgram(""));
    CHECK(!exists(decoy + ".started"));

    // StartSysInfo over the two registry locations.
    deleteValue(fullPathKey, "PATH");
    deleteValue(folderKey, "MSINFO");
    {
        CountingPlatform counting;
        CHECK(!StartSysInfo(counting));
        CHECK(counting.startAttempts.empty());
        CHECK(counting.everyKeyClosed() && counting.onlyReadRightsAsked());
    }

    // Try 1's path is started without an existence test.
    copyStandIn(standIn, tool);
    setValue(fullPathKey, "PATH", REG_SZ, tool + '\0');
    setValue(folderKey, "MSINFO", REG_SZ, located + '\0');
    {
        CountingPlatform counting;
        CHECK(StartSysInfo(counting));
        CHECK(waitForStart(tool) == startedAlone(tool));
        CHECK(counting.startAttempts == std::vector<std::string>{tool});
        CHECK(counting.everyKeyClosed() && counting.onlyReadRightsAsked());
    }

    // Try 1 names a missing file: unavailable, and try 2 is not consulted.
    const std::string missing = work + "\\Gone\\msinfo32.exe";
    setValue(fullPathKey, "PATH", REG_SZ, missing + '\0');
    {
        CountingPlatform counting;
        CHECK(!StartSysInfo(counting));
        CHECK(counting.startAttempts == std::vector<std::string>{missing});
        CHECK(counting.accessMasks.size() == 1);
        CHECK(counting.everyKeyClosed());
    }

    // Try 1 of another type counts as read, with an empty path that cannot start.
    setValue(fullPathKey, "PATH", REG_EXPAND_SZ, tool + '\0');
    {
        CountingPlatform counting;
        CHECK(!StartSysInfo(counting));
        CHECK(counting.startAttempts == std::vector<std::string>{""});
        CHECK(counting.everyKeyClosed());
    }

    // Try 1 missing: the folder of try 2 decides, written with and without its zero.
    deleteValue(fullPathKey, "PATH");
    for (const std::string& stored : {located + '\0', located}) {
        copyStandIn(standIn, located + "\\MSINFO32.EXE");
        setValue(folderKey, "MSINFO", REG_SZ, stored);
        CountingPlatform counting;
        CHECK(StartSysInfo(counting));
        CHECK(waitForStart(located + "\\MSINFO32.EXE") == startedAlone(located + "\\MSINFO32.EXE"));
        CHECK(counting.everyKeyClosed() && counting.onlyReadRightsAsked());
    }
    for (const std::string& folder : {empty, hidden, system, folderOnly}) {
        setValue(folderKey, "MSINFO", REG_SZ, folder + '\0');
        CountingPlatform counting;
        CHECK(!StartSysInfo(counting));
        CHECK(counting.startAttempts.empty());
        CHECK(counting.everyKeyClosed());
    }
    CHECK(!exists(decoy + ".started"));
}

} // namespace

int main(int argc, char** argv)
{
    const std::string group = argc > 1 ? argv[1] : "";
    if (group == "start-once") {
        std::printf("StartSysInfo: %s\n", StartSysInfo(currentSysInfoPlatform()) ? "started" : "unavailable");
        return 0;
    }
    try {
        if (group == "registry")
            registryCases();
        else if (group == "launcher")
            launcherCases();
        else {
            std::printf("usage: tst_SysInfoPlatformWindows registry|launcher|start-once\n");
            return 2;
        }
    } catch (const std::exception& error) {
        std::printf("FAIL: %s\n", error.what());
        return 1;
    }
    std::printf("%s: %d checks, %d failed\n", group.c_str(), checks, failures);
    return failures == 0 ? 0 : 1;
}
