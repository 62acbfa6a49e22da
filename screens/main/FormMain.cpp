#include "screens/main/FormMain.h"

#include "app/MessageBoxes.h"
#include "app/Module1.h"
#include "app/PictureBox.h"
#include "app/ProgramFolder.h"
#include "app/ScreenLook.h"
#include "app/TableText.h"
#include "screens/main/FormMainDesign.h"
#include "screens/main/Topics.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FormMain::FormMain() : Screen(ScreenKind::FormMain)
{
    using namespace FormMainDesign;
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(tableText(caption));
    ScreenLook::paintBackground(this);

    Label2 = ScreenLook::label(this, title);
    Label3 = ScreenLook::label(this, instruction);

    cmdOK = ScreenLook::commandButton(this, "cmdOK", tableText(okCaption), okPlace, tableText(okToolTip));
    cmdHelp = ScreenLook::commandButton(this, "cmdHelp", tableText(helpCaption), helpPlace, tableText(helpToolTip));
    cmdAbout =
        ScreenLook::commandButton(this, "cmdAbout", tableText(aboutCaption), aboutPlace, tableText(aboutToolTip));
    cmdExit = ScreenLook::commandButton(this, "cmdExit", tableText(exitCaption), exitPlace, tableText(exitToolTip));

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    // Typing in the field must never add an entry: the list is fixed.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setMaxVisibleItems(20);
    Combo1->setToolTip(tableText(topicListToolTip));
    Combo1->setAccessibleName(tableText(topicListText));
    ScreenLook::place(Combo1, topicListPlace);

    Line1 = ScreenLook::line(this, line);
    Image1 = ScreenLook::picture(this, "Image1", picturePlace, tableText(pictureDescription));

    // A screen reader gives the instruction as the window opens.
    setAccessibleDescription(Label3->text());

    setTabOrder(cmdOK, cmdHelp);
    setTabOrder(cmdHelp, cmdAbout);
    setTabOrder(cmdAbout, cmdExit);
    setTabOrder(cmdExit, Combo1);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &FormMain::cmdOK_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &FormMain::cmdHelp_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &FormMain::cmdAbout_Click);
    connect(cmdExit, &QPushButton::clicked, this, &FormMain::cmdExit_Click);
}

void FormMain::Form_Load()
{
    Module1::SizeAndCenter(this, FormMainDesign::sizeFactor);
    for (const Topic& topic : topics)
        Combo1->addItem(tableText(topic.name));
    // Filling an editable list selects its first entry; the window opens with none chosen.
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(tableText(FormMainDesign::topicListText));
    Image1->loadPicture(ProgramFolder::file(tableText(FormMainDesign::pictureFileName)));
}

int FormMain::selectedTopicIndex() const
{
    const int index = Combo1->currentIndex();
    // Text typed over a chosen entry means that entry is no longer the choice.
    if (index < 0 || Combo1->currentText() != Combo1->itemText(index))
        return -1;
    return index;
}

void FormMain::cmdOK_Click()
{
    const int index = selectedTopicIndex();
    if (index < 0 || index >= topicCount) {
        MessageBoxes::showWarning(this, tableText(FormMainDesign::nothingSelectedWarning));
        return;
    }
    const Topic& topic = topics[static_cast<std::size_t>(index)];
    if (!topic.firstScreen) {
        // Hiding the main window for a topic with nothing to show would leave the doctor stranded.
        MessageBoxes::showMessage(this, tableText(FormMainDesign::noGuidanceNotice).arg(tableText(topic.name)));
        return;
    }
    hide();
    Module1::Show(*topic.firstScreen);
}

void FormMain::cmdHelp_Click()
{
    Module1::Show(ScreenKind::frmHelp);
}

void FormMain::cmdAbout_Click()
{
    Module1::Show(ScreenKind::frmAbout);
}

void FormMain::cmdExit_Click()
{
    Module1::UnloadAllForms();
}
