#pragma once

#include "app/ScreenKind.h"

class QWidget;

// What every screen window is besides a widget: its kind, and the load
// handler that runs once per load, before the screen is first drawn.
class Screen {
public:
    explicit Screen(ScreenKind kind) : m_kind(kind) {}
    virtual ~Screen() = default;
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    ScreenKind kind() const { return m_kind; }

    // The top-level window of this screen.
    virtual QWidget* screenWindow() = 0;

    virtual void Form_Load() {}

private:
    ScreenKind m_kind;
};
