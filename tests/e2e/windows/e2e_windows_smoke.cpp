// The program on a Windows desktop, used as a doctor would, with Windows' own
// frames measured as Windows reports them. The splash screen comes alone,
// centred, with the keyboard and no taskbar button; a typed key leaves it for
// the main window, 0.95 of the screen and centred; Alt+B opens the About box,
// a fixed dialog at its place and off the taskbar, and Esc closes it; "Anemia"
// and OK lead to the first question screen, where OK with nothing chosen
// warns; two findings and a diagnosis lead to the severity screen, 0.75 of
// the screen and centred; and Alt+E ends the program with status 0. Each step
// has five seconds.
//
// Usage: e2e_windows_smoke <path of nuvessa.exe>
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr ULONGLONG stepMs = 5000;

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

// Windows gives a taskbar button to a window with no owner, or one that asks for it.
bool hasTaskbarButton(HWND window)
{
    return !GetWindow(window, GW_OWNER) || (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

// The window on view that passes, once it has the keyboard and stands alone, or
// beside the one window `beside` (the screen a message box is over), and the
// program waits for input; null after a step's time.
HWND await(HANDLE program, DWORD process, const std::function<bool(HWND)>& passes, HWND beside = nullptr)
{
    const ULONGLONG deadline = GetTickCount64() + stepMs;
    while (GetTickCount64() < deadline) {
        const std::vector<HWND> shown = windowsOnView(process);
        const HWND front = GetForegroundWindow();
        const bool others = shown.size() == (beside ? 2u : 1u);
        for (HWND window : shown) {
            if (others && window == front && window != beside && passes(window)) {
                WaitForInputIdle(program, stepMs);
                return window;
            }
        }
        Sleep(20);
    }
    return nullptr;
}

bool within(long actual, double expected)
{
    return std::fabs(actual - expected) <= 1.0;
}

// The whole window, frame and title bar included, as the factor of the screen and centred on it.
bool sizedAndCentred(HWND window, double factor, const char* name)
{
    RECT outer{};
    GetWindowRect(window, &outer);
    const double screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const double screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const long width = outer.right - outer.left;
    const long height = outer.bottom - outer.top;
    std::printf("%s: %ld x %ld at %ld, %ld on a screen of %.0f x %.0f\n", name, width, height, outer.left,
                outer.top, screenWidth, screenHeight);
    if (factor > 0 && !(within(width, screenWidth * factor) && within(height, screenHeight * factor)))
        return false;
    return within(outer.left, (screenWidth - width) / 2) && within(outer.top, (screenHeight - height) / 2);
}

// Each input is left a moment to take effect, as a doctor's hand would, before the next comes.
void send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(150);
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
    send(inputs);
}

double pixelsPerTwip()
{
    const HDC screen = GetDC(nullptr);
    const double pixels = GetDeviceCaps(screen, LOGPIXELSX) / 1440.0;
    ReleaseDC(nullptr, screen);
    return pixels;
}

// A dialog frame that cannot be resized, minimised or maximised, its client area at this place in twips.
bool fixedDialogAt(HWND window, int left, int top)
{
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    return hasTitleBar(window) && !(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX))
           && within(client.x, left * pixelsPerTwip()) && within(client.y, top * pixelsPerTwip());
}

// A click in the middle of a control placed in twips (left, top, width, height) on a screen's client area.
void click(HWND window, int left, int top, int width, int height)
{
    POINT at{static_cast<LONG>(std::lround((left + width / 2.0) * pixelsPerTwip())),
             static_cast<LONG>(std::lround((top + height / 2.0) * pixelsPerTwip()))};
    ClientToScreen(window, &at);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT down = move;
    down.mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    INPUT up = move;
    up.mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    send({move});
    send({down, up});
}

int fail(HANDLE program, const char* what)
{
    std::printf("FAIL: %s\n", what);
    TerminateProcess(program, 99);
    return 1;
}

bool titled(HWND window, const wchar_t* caption)
{
    return hasTitleBar(window) && captionOf(window) == caption;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::printf("usage: e2e_windows_smoke <path of nuvessa.exe>\n");
        return 2;
    }
    // Sizes in the display's own pixels, at any scale.
    SetProcessDPIAware();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::string commandLine = std::string("\"") + argv[1] + "\"";
    if (!CreateProcessA(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        std::printf("FAIL: the program did not start (%lu)\n", GetLastError());
        return 1;
    }
    const HANDLE program = started.hProcess;
    const DWORD process = started.dwProcessId;

    const HWND splash = await(program, process, [](HWND w) { return !hasTitleBar(w); });
    if (!splash)
        return fail(program, "no splash screen alone on view with the keyboard");
    if (hasTaskbarButton(splash) || !sizedAndCentred(splash, 0, "splash screen"))
        return fail(program, "the splash screen has a taskbar button or is not centred");
    press({'N'});

    const HWND main = await(program, process, [](HWND w) { return titled(w, L"Nuvessa"); });
    if (!main)
        return fail(program, "a key did not lead from the splash screen to the main window alone, with the keyboard");
    if (!hasTaskbarButton(main) || !sizedAndCentred(main, 0.95, "main window"))
        return fail(program, "the main window is not 0.95 of the screen and centred, with a taskbar button");

    // The About box beside it, off the taskbar; Esc closes it and gives the main window the keyboard back.
    press({VK_MENU, 'B'});
    const HWND about = await(program, process, [](HWND w) { return captionOf(w) == L"About MyApp"; }, main);
    if (!about || hasTaskbarButton(about) || !fixedDialogAt(about, 2340, 1935))
        return fail(program, "Alt+B gave no About box with a fixed dialog frame at its place, off the taskbar");
    press({VK_ESCAPE});
    if (await(program, process, [main](HWND w) { return w == main; }) != main)
        return fail(program, "the main window did not have the keyboard back after the About box");

    // The topic list, two entries down to "Anemia", then OK.
    click(main, 4080, 3240, 5295, 315);
    press({VK_DOWN});
    press({VK_DOWN});
    click(main, 9960, 3240, 735, 375);
    const HWND first = await(program, process, [](HWND w) { return titled(w, L"Anemia"); });
    if (!first || !sizedAndCentred(first, 0.95, "FormAnemia1"))
        return fail(program, "\"Anemia\" and OK did not lead to the first question screen, 0.95 of the screen");

    // OK with nothing chosen: the warning, over the screen, which has the keyboard again once it is closed.
    click(first, 4320, 3240, 735, 375);
    if (!await(program, process, [](HWND w) { return captionOf(w) == L"Kadrelo"; }, first))
        return fail(program, "OK with nothing chosen gave no box captioned \"Kadrelo\"");
    press({VK_RETURN});
    if (await(program, process, [first](HWND w) { return w == first; }) != first)
        return fail(program, "the question screen did not have the keyboard back after the warning");

    // "Less than 10 g/dL", then "Hypochromia, microcytosis" and its diagnosis, to the severity screen.
    click(first, 600, 4200, 2655, 375);
    click(first, 4320, 3240, 735, 375);
    const HWND second = await(program, process, [first](HWND w) { return w != first && titled(w, L"Anemia"); });
    if (!second)
        return fail(program, "the second question screen did not follow the first");
    click(second, 360, 960, 2655, 375);
    click(second, 1080, 4440, 735, 375);
    if (!await(program, process, [](HWND w) { return captionOf(w) == L"Kadrelo"; }, second))
        return fail(program, "the diagnosis was not shown in a box captioned \"Kadrelo\"");
    press({VK_RETURN});
    const HWND severity = await(program, process, [second](HWND w) { return w != second && titled(w, L"Anemia"); });
    if (!severity || !sizedAndCentred(severity, 0.75, "FormAnemia11"))
        return fail(program, "the severity screen did not follow, 0.75 of the screen and centred");

    press({VK_MENU, 'E'});
    if (WaitForSingleObject(program, stepMs) != WAIT_OBJECT_0)
        return fail(program, "Alt+E did not end the program");
    DWORD status = 1;
    GetExitCodeProcess(program, &status);
    std::printf("ended with status %lu\n", status);
    CloseHandle(started.hThread);
    CloseHandle(program);
    return status == 0 ? 0 : 1;
}
