#pragma once

#include "app/Screen.h"

#include <QWidget>

#include <vector>

class OptionButton;
class QPushButton;
struct Outcome;
struct QuestionScreenContent;

// A question screen of the Anemia tree: a prompt, one group of option buttons
// and the buttons OK, Home and Exit, all built from the screen's content.
// OK runs the selected option's outcome; with nothing selected it warns.
class QuestionScreen : public QWidget, public Screen {
    Q_OBJECT

public:
    explicit QuestionScreen(ScreenKind kind);

    QWidget* screenWindow() override { return this; }
    void Form_Load() override;

private:
    QPushButton* cmdOK;
    QPushButton* cmdHome;
    QPushButton* cmdExit;

    void cmdOK_Click();
    void cmdHome_Click();
    void cmdExit_Click();
    void runOutcome(const Outcome& outcome);
    void setTabOrderByIndex(const std::vector<std::pair<int, QWidget*>>& controls);

    const QuestionScreenContent& m_content;
    std::vector<OptionButton*> m_options;
};
