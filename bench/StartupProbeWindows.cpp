// Starts a program on the Windows desktop and times how long it takes until
// its first top-level window is on view and painted, and how long from a key
// typed on it until another of its windows is on view; then ends it with a
// key, as the doctor would, and waits for it to exit.
//
// Usage: startup_probe FIRST-KEY QUIT-KEY PROGRAM [ARGUMENTS...]
// Keys are "space", a letter or a digit, optionally with "alt+" before them ("alt+e").
// Prints: "<ms to first window painted> <ms from key to next window> <ms to first window visible>".
//
// The windows are looked for every 2 ms, so each figure is late by 1 ms on
// average, alike for every program measured.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int pollMs = 2;

class Stopwatch {
public:
    Stopwatch()
    {
        QueryPerformanceFrequency(&m_frequency);
        QueryPerformanceCounter(&m_start);
    }
    double ms() const
    {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - m_start.QuadPart) * 1000.0
            / static_cast<double>(m_frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_frequency{};
    LARGE_INTEGER m_start{};
};

struct Search {
    DWORD process;
    HWND other;
    HWND found;
};

// A visible top-level window of the process other than `other`; null if none.
HWND windowOnView(DWORD process, HWND other)
{
    Search search{process, other, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s->process || window == s->other || !IsWindowVisible(window))
                return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Shown windows are painted once their program has answered WM_PAINT, which
// empties their update region; the region is set as the window is shown.
bool painted(HWND window)
{
    return GetUpdateRect(window, nullptr, FALSE) == FALSE;
}

// Waits until `done` holds or the program ends; false on timeout or exit.
template <typename Check>
bool waitFor(HANDLE program, const Stopwatch& clock, double timeoutMs, Check done)
{
    const double deadline = clock.ms() + timeoutMs;
    while (clock.ms() < deadline) {
        if (done())
            return true;
        if (WaitForSingleObject(program, pollMs) == WAIT_OBJECT_0)
            return false;
    }
    return false;
}

// "alt+e" as the virtual keys pressed together; empty for a name not known.
std::vector<WORD> keysOf(std::string name)
{
    std::vector<WORD> keys;
    if (name.rfind("alt+", 0) == 0) {
        keys.push_back(VK_MENU);
        name = name.substr(4);
    }
    if (name == "space")
        keys.push_back(VK_SPACE);
    else if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
        keys.push_back(static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[0]))));
    else
        return {};
    return keys;
}

// Types the keys into the window once it has the keyboard; false if it never gets it.
bool typeInto(HANDLE program, HWND window, const std::vector<WORD>& keys)
{
    const Stopwatch clock;
    if (!waitFor(program, clock, 5000, [&] { return GetForegroundWindow() == window; }))
        return false;
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        inputs.push_back(down);
    }
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        INPUT up{};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = *key;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(up);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return true;
}

// Ends the program: asked to close its windows where the keys did not end
// it, and only then stopped outright.
void makeSureItEnds(HANDLE program, DWORD process)
{
    if (WaitForSingleObject(program, 10000) == WAIT_OBJECT_0)
        return;
    std::fprintf(stderr, "the program did not end on its key; its windows are closed\n");
    while (HWND window = windowOnView(process, nullptr)) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(program, 2000) == WAIT_OBJECT_0)
            return;
    }
    if (WaitForSingleObject(program, 2000) != WAIT_OBJECT_0)
        TerminateProcess(program, 99);
    WaitForSingleObject(program, 5000);
}

int fail(HANDLE program, DWORD process, const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    makeSureItEnds(program, process);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4 || keysOf(argv[1]).empty() || keysOf(argv[2]).empty()) {
        std::fprintf(stderr, "usage: startup_probe FIRST-KEY QUIT-KEY PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    // Arguments without spaces or quotes, as the benchmark passes them.
    std::string commandLine = std::string("\"") + argv[3] + "\"";
    for (int i = 4; i < argc; ++i)
        commandLine += std::string(" ") + argv[i];

    const Stopwatch sinceStart;
    if (!CreateProcessA(argv[3], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        std::fprintf(stderr, "the program did not start (%lu)\n", GetLastError());
        return 1;
    }
    const HANDLE program = started.hProcess;
    const DWORD process = started.dwProcessId;

    HWND first = nullptr;
    double toVisible = 0;
    if (!waitFor(program, sinceStart, 20000, [&] { return (first = windowOnView(process, nullptr)) != nullptr; }))
        return fail(program, process, "no window came on view");
    toVisible = sinceStart.ms();
    if (!waitFor(program, sinceStart, 20000, [&] { return painted(first); }))
        return fail(program, process, "the first window was never painted");
    const double toPainted = sinceStart.ms();

    if (!typeInto(program, first, keysOf(argv[1])))
        return fail(program, process, "the first window never had the keyboard");
    const Stopwatch sinceKey;
    HWND next = nullptr;
    if (!waitFor(program, sinceKey, 20000, [&] { return (next = windowOnView(process, first)) != nullptr; }))
        return fail(program, process, "no second window came on view");
    const double toNext = sinceKey.ms();

    if (!typeInto(program, next, keysOf(argv[2])))
        return fail(program, process, "the second window never had the keyboard");
    makeSureItEnds(program, process);
    DWORD status = 1;
    GetExitCodeProcess(program, &status);
    CloseHandle(started.hThread);
    CloseHandle(program);
    if (status != 0) {
        std::fprintf(stderr, "the program ended with status %lu\n", status);
        return 1;
    }
    std::printf("%.2f %.2f %.2f\n", toPainted, toNext, toVisible);
    return 0;
}
