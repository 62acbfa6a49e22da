#pragma once

#include "app/Screen.h"

#include <QDialog>

// Placeholder until the About box is built.
class frmAbout : public QDialog, public Screen {
    Q_OBJECT

public:
    frmAbout() : Screen(ScreenKind::frmAbout) {}
    QWidget* screenWindow() override { return this; }
};
