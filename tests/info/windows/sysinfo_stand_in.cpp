// Stands in for the System Information tool under Wine: when started, it writes
// its command line and how it was asked to show its window into a marker file
// beside itself ("<its path>.started"), so the test can see which file was
// started, with what arguments, and in what kind of window.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

int main()
{
    char self[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    const std::string marker = std::string(self, length) + ".started";
    const std::string partial = marker + ".partial";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    const std::string report = std::string(GetCommandLineA()) + "|show " + std::to_string(show);

    // Written under another name and renamed, so the test never reads half a marker.
    const HANDLE file = CreateFileA(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, report.data(), static_cast<DWORD>(report.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || !MoveFileExA(partial.c_str(), marker.c_str(), MOVEFILE_REPLACE_EXISTING))
        return 1;
    return 0;
}
