#include "screens/info/SysInfoPlatformLinux.h"

#include "screens/info/RegistryWords.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <thread>

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using namespace RegistryWords;

// Registry key and value names ignore case.
bool sameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x))
                   == std::tolower(static_cast<unsigned char>(y));
           });
}

bool isExecutableFile(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)
        && ::access(path.c_str(), X_OK) == 0;
}

} // namespace

std::string SysInfoPlatformLinux::findSystemInformationProgram(const std::string& searchPath)
{
    for (const std::string_view program : systemInformationPrograms) {
        std::string::size_type start = 0;
        while (start <= searchPath.size()) {
            std::string::size_type end = searchPath.find(':', start);
            if (end == std::string::npos)
                end = searchPath.size();
            const std::string folder = searchPath.substr(start, end - start);
            start = end + 1;
            // Only absolute folders: a relative one would make the answer depend
            // on whatever folder the program happens to run in.
            if (folder.empty() || folder.front() != '/')
                continue;
            std::string candidate = folder;
            if (candidate.back() != '/')
                candidate += '/';
            candidate += program;
            if (isExecutableFile(candidate))
                return candidate;
        }
    }
    return {};
}

long SysInfoPlatformLinux::openKey(std::uint32_t root, const std::string& subKey,
                                   std::uint32_t access, KeyHandle& key)
{
    if (root != localMachine || !sameName(subKey, fullPathKey))
        return fileNotFound;
    // Read rights are all the view grants.
    if ((access & ~readAccess) != 0)
        return accessDenied;
    const char* searchPath = std::getenv("PATH");
    std::string program = findSystemInformationProgram(searchPath ? searchPath : "");
    if (program.empty())
        return fileNotFound;
    key = m_nextKey++;
    m_openKeys.emplace(key, std::move(program));
    return success;
}

long SysInfoPlatformLinux::queryValue(KeyHandle key, const std::string& valueName,
                                      std::uint32_t& type, unsigned char* data,
                                      std::uint32_t& size)
{
    const auto opened = m_openKeys.find(key);
    if (opened == m_openKeys.end())
        return invalidHandle;
    if (!sameName(valueName, fullPathValue))
        return fileNotFound;
    // Stored as text with its terminating zero, as the registry keeps a path.
    const std::string& program = opened->second;
    const auto needed = static_cast<std::uint32_t>(program.size() + 1);
    type = textType;
    if (data == nullptr) {
        size = needed;
        return success;
    }
    if (size < needed) {
        size = needed;
        return moreData;
    }
    std::memcpy(data, program.c_str(), needed);
    size = needed;
    return success;
}

long SysInfoPlatformLinux::closeKey(KeyHandle key)
{
    return m_openKeys.erase(key) == 1 ? success : invalidHandle;
}

bool SysInfoPlatformLinux::ordinaryFileExists(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    // A name that begins with a dot is a hidden file here.
    const std::string::size_type slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return !name.empty() && name.front() != '.';
}

bool SysInfoPlatformLinux::startProgram(const std::string& path)
{
    if (path.empty())
        return false;

    // The tool starts with the signal defaults and an empty signal mask rather
    // than whatever this program has set for itself, in a session of its own.
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0)
        return false;
    sigset_t noSignals;
    sigset_t allSignals;
    sigemptyset(&noSignals);
    sigfillset(&allSignals);
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
#ifdef POSIX_SPAWN_SETSID
    flags |= POSIX_SPAWN_SETSID;
#endif
    posix_spawnattr_setsigmask(&attributes, &noSignals);
    posix_spawnattr_setsigdefault(&attributes, &allSignals);
    posix_spawnattr_setflags(&attributes, flags);

    // The exact path, itself as the only argument: no shell, no search, no parsing.
    std::string programName = path;
    char* arguments[] = {programName.data(), nullptr};
    pid_t child = 0;
    const int failure = ::posix_spawn(&child, path.c_str(), nullptr, &attributes, arguments, environ);
    posix_spawnattr_destroy(&attributes);
    if (failure != 0)
        return false;

    // Nobody waits for the tool, but its end must still be collected so that no
    // zombie is left: a detached thread waits for this one child and nothing else,
    // leaving the process-wide SIGCHLD handling to the toolkit.
    std::thread([child] {
        int status = 0;
        while (::waitpid(child, &status, 0) == -1 && errno == EINTR) {
        }
    }).detach();
    return true;
}
