#include "screens/info/frmHelp.h"

#include "app/Module1.h"
#include "app/ScreenLook.h"
#include "app/TableText.h"
#include "screens/info/AnswerNotice.h"
#include "screens/info/HelpDesign.h"
#include "screens/info/QuestionLabel.h"

#include <QLabel>
#include <QPushButton>

frmHelp::frmHelp() : Screen(ScreenKind::frmHelp)
{
    using namespace HelpDesign;
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tableText(caption));
    setWindowIcon(ScreenLook::screenIcon());
    ScreenLook::paintBackground(this);

    LabelTitle = ScreenLook::label(this, title);
    LabelInstruction = ScreenLook::label(this, instruction);

    Label1 = ScreenLook::label<QuestionLabel>(this, questions[0].label);
    Label2 = ScreenLook::label<QuestionLabel>(this, questions[1].label);
    Label3 = ScreenLook::label<QuestionLabel>(this, questions[2].label);
    Label4 = ScreenLook::label<QuestionLabel>(this, questions[3].label);
    Label5 = ScreenLook::label<QuestionLabel>(this, questions[4].label);

    // The answer area keeps the toolkit's own text colour on its light yellow ground.
    LabelA = ScreenLook::label(this, answerArea);
    ScreenLook::paintBackground(LabelA, ScreenLook::lightYellow);
    LabelA->setAccessibleName(QStringLiteral("Answer"));

    answerNotice = new AnswerNotice(this);

    cmdHome = ScreenLook::commandButton(this, "cmdHome", tableText(homeCaption), homePlace);
    cmdExit = ScreenLook::commandButton(this, "cmdExit", tableText(exitCaption), exitPlace);

    // A screen reader gives the instruction as the window opens.
    setAccessibleDescription(LabelInstruction->text());

    // Exit holds the focus at open; Tab goes on through the five questions, then Home.
    setTabOrder(cmdExit, Label1);
    setTabOrder(Label1, Label2);
    setTabOrder(Label2, Label3);
    setTabOrder(Label3, Label4);
    setTabOrder(Label4, Label5);
    setTabOrder(Label5, cmdHome);
    cmdExit->setFocus();

    connect(Label1, &QuestionLabel::clicked, this, &frmHelp::Label1_Click);
    connect(Label2, &QuestionLabel::clicked, this, &frmHelp::Label2_Click);
    connect(Label3, &QuestionLabel::clicked, this, &frmHelp::Label3_Click);
    connect(Label4, &QuestionLabel::clicked, this, &frmHelp::Label4_Click);
    connect(Label5, &QuestionLabel::clicked, this, &frmHelp::Label5_Click);
    connect(cmdHome, &QPushButton::clicked, this, &frmHelp::cmdHome_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmHelp::cmdExit_Click);
}

std::array<QuestionLabel*, 5> frmHelp::questionLabels() const
{
    return {Label1, Label2, Label3, Label4, Label5};
}

void frmHelp::Form_Load()
{
    Module1::SizeAndCenter(this, HelpDesign::sizeFactor);
}

void frmHelp::Label1_Click() { showAnswer(1); }
void frmHelp::Label2_Click() { showAnswer(2); }
void frmHelp::Label3_Click() { showAnswer(3); }
void frmHelp::Label4_Click() { showAnswer(4); }
void frmHelp::Label5_Click() { showAnswer(5); }

void frmHelp::showAnswer(int number)
{
    const auto labels = questionLabels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const bool asked = static_cast<int>(i) + 1 == number;
        ScreenLook::setTextColour(labels[i], asked ? ScreenLook::blue : ScreenLook::black);
    }
    const QString answer = tableText(HelpDesign::questions.at(static_cast<std::size_t>(number - 1)).answer);
    LabelA->setText(answer);
    // The answer becomes the area's spoken name, and a screen reader reads it out as it appears.
    LabelA->setAccessibleName(answer);
    answerNotice->announce(answer);
}

void frmHelp::cmdHome_Click()
{
    Module1::Home(this);
}

void frmHelp::cmdExit_Click()
{
    Module1::UnloadAllForms();
}
