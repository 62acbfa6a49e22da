// The program on a Windows desktop, used by keyboard as a doctor would: it
// starts with the splash screen, a typed key leaves that for the main window,
// and Alt+E there ends the program. Passes when the program has ended with
// status 0 within five seconds of its start.
//
// Usage: e2e_windows_smoke <path of nuvessa.exe>
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr ULONGLONG allowedMs = 5000;

struct Search {
    DWORD process;
    std::vector<HWND> found;
};

// The program's visible top-level windows.
std::vector<HWND> windowsOnView(DWORD process)
{
    Search search{process, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->process && IsWindowVisible(window))
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring captionOf(HWND window)
{
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

bool hasTitleBar(HWND window)
{
    return (GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
}

// The one window on view that passes, once it is the only one and has the
// keyboard, as the doctor sees it before typing; null at the deadline.
HWND awaitAlone(DWORD process, ULONGLONG deadline, const std::function<bool(HWND)>& passes)
{
    while (GetTickCount64() < deadline) {
        const std::vector<HWND> shown = windowsOnView(process);
        if (shown.size() == 1 && passes(shown.front()) && GetForegroundWindow() == shown.front())
            return shown.front();
        Sleep(20);
    }
    return nullptr;
}

void press(std::initializer_list<WORD> keys)
{
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        inputs.push_back(down);
    }
    for (auto key = keys.end(); key != keys.begin();) {
        INPUT up{};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = *--key;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(up);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

int fail(HANDLE program, const char* what)
{
    std::printf("FAIL: %s\n", what);
    TerminateProcess(program, 99);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::printf("usage: e2e_windows_smoke <path of nuvessa.exe>\n");
        return 2;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::string commandLine = std::string("\"") + argv[1] + "\"";
    if (!CreateProcessA(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        std::printf("FAIL: the program did not start (%lu)\n", GetLastError());
        return 1;
    }
    const ULONGLONG startedAt = GetTickCount64();
    const ULONGLONG deadline = startedAt + allowedMs;
    const DWORD process = started.dwProcessId;

    // The splash screen, without a title bar, and nothing else on view.
    if (!awaitAlone(process, deadline, [](HWND w) { return !hasTitleBar(w); }))
        return fail(started.hProcess, "no splash screen alone on view with the keyboard");
    std::printf("splash screen after %llu ms\n", GetTickCount64() - startedAt);
    press({'N'});

    if (!awaitAlone(process, deadline, [](HWND w) { return hasTitleBar(w) && captionOf(w) == L"Nuvessa"; }))
        return fail(started.hProcess,
                    "a key did not lead from the splash screen to the main window alone, with the keyboard");
    std::printf("main window after %llu ms\n", GetTickCount64() - startedAt);
    press({VK_MENU, 'E'});

    const ULONGLONG now = GetTickCount64();
    if (now >= deadline || WaitForSingleObject(started.hProcess, static_cast<DWORD>(deadline - now)) != WAIT_OBJECT_0)
        return fail(started.hProcess, "the program did not end within five seconds of its start");
    DWORD status = 1;
    GetExitCodeProcess(started.hProcess, &status);
    std::printf("ended with status %lu after %llu ms\n", status, GetTickCount64() - startedAt);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return status == 0 ? 0 : 1;
}
