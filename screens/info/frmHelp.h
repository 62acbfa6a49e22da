#pragma once

#include "app/Screen.h"

#include <QWidget>

#include <array>

class AnswerNotice;
class QLabel;
class QPushButton;
class QuestionLabel;

// Answers five fixed questions about using the program: a click on a question
// colours it blue, the others black, and shows its answer in LabelA.
class frmHelp : public QWidget, public Screen {
    Q_OBJECT

public:
    frmHelp();

    QWidget* screenWindow() override { return this; }
    void Form_Load() override;

private:
    QLabel* LabelTitle;
    QLabel* LabelInstruction;
    QuestionLabel* Label1;
    QuestionLabel* Label2;
    QuestionLabel* Label3;
    QuestionLabel* Label4;
    QuestionLabel* Label5;
    QLabel* LabelA;
    QPushButton* cmdHome;
    QPushButton* cmdExit;

    // Label1 to Label5, in the order of the questions.
    std::array<QuestionLabel*, 5> questionLabels() const;

    void Label1_Click();
    void Label2_Click();
    void Label3_Click();
    void Label4_Click();
    void Label5_Click();
    void cmdHome_Click();
    void cmdExit_Click();

    // Question number 1 to 5: highlights it alone and shows its answer.
    void showAnswer(int number);

    AnswerNotice* answerNotice;
};
