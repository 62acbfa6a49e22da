#pragma once

#include "app/Screen.h"

#include <QWidget>

// Placeholder until the Help window is built.
class frmHelp : public QWidget, public Screen {
    Q_OBJECT

public:
    frmHelp() : Screen(ScreenKind::frmHelp) {}
    QWidget* screenWindow() override { return this; }
};
