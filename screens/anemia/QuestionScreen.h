#pragma once

#include "app/Screen.h"

#include <QWidget>

// Placeholder until the Anemia screens are built.
class QuestionScreen : public QWidget, public Screen {
    Q_OBJECT

public:
    explicit QuestionScreen(ScreenKind kind) : Screen(kind) {}
    QWidget* screenWindow() override { return this; }
};
