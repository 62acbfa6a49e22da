#include "screens/anemia/QuestionScreen.h"

#include "app/MessageBoxes.h"
#include "app/Module1.h"
#include "app/ScreenLook.h"
#include "app/TableText.h"
#include "app/Twips.h"
#include "screens/anemia/AnemiaScreens.h"
#include "screens/anemia/OptionButton.h"
#include "screens/anemia/QuestionScreenDesign.h"

#include <QHash>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <string_view>

namespace {
// The height a label's text takes wrapped at the label's width. The texts are
// fixed and so are their faces, so each is measured once in a run: a screen
// opened again on a later walk is not laid out twice.
int wrappedHeight(const QLabel* label)
{
    static QHash<QString, int> measured;
    const QString key = label->text() + QChar(0) + label->font().key() + QChar(0) + QString::number(label->width());
    const auto known = measured.constFind(key);
    if (known != measured.constEnd())
        return *known;
    return *measured.insert(key, label->heightForWidth(label->width()));
}
} // namespace

QuestionScreen::QuestionScreen(ScreenKind kind) : Screen(kind), m_content(anemiaScreenContent(kind))
{
    using namespace QuestionScreenDesign;
    setObjectName(tableText(screenName(kind)));
    setWindowTitle(tableText(caption));
    setWindowIcon(ScreenLook::screenIcon());
    ScreenLook::paintBackground(this);

    std::vector<std::pair<int, QWidget*>> tabStops;

    for (const LabelDesign& design : m_content.labels) {
        QLabel* control = ScreenLook::label(this, design);
        control->setAccessibleName(control->text());
        // A text that takes more lines than its design height allows shows
        // whole: the label grows downward rather than cut off its last line.
        const int needed = wrappedHeight(control);
        if (needed > control->height())
            control->resize(control->width(), needed);
    }

    int number = 0;
    for (const OptionContent& content : m_content.options) {
        auto* control = new OptionButton(tableText(content.caption), this);
        control->setObjectName(QStringLiteral("Option%1").arg(++number));
        control->setFont(ScreenLook::msSansSerif(optionPoints));
        control->placeAt(Twips::toPixels(content.place));
        m_options.push_back(control);
        tabStops.emplace_back(content.tabIndex, control);
    }

    cmdOK = ScreenLook::commandButton(this, "cmdOK", tableText(okCaption), m_content.cmdOK.place,
                                      tableText(okToolTip));
    cmdHome = ScreenLook::commandButton(this, "cmdHome", tableText(homeCaption), m_content.cmdHome.place,
                                        tableText(homeToolTip));
    cmdExit = ScreenLook::commandButton(this, "cmdExit", tableText(exitCaption), m_content.cmdExit.place,
                                        tableText(exitToolTip));
    tabStops.emplace_back(m_content.cmdOK.tabIndex, cmdOK);
    tabStops.emplace_back(m_content.cmdHome.tabIndex, cmdHome);
    tabStops.emplace_back(m_content.cmdExit.tabIndex, cmdExit);
    setTabOrderByIndex(tabStops);

    // A screen reader announces the step to perform as the screen opens,
    // after any introduction that comes before it.
    setAccessibleName(windowTitle());
    QStringList spoken;
    for (const LabelDesign& design : m_content.labels) {
        if (design.role == LabelRole::Introduction)
            spoken.append(tableText(design.text));
    }
    const QString prompt = tableText(m_content.prompt().text);
    spoken.append(prompt);
    setAccessibleDescription(spoken.join(QLatin1Char(' ')));
    for (OptionButton* option : m_options)
        option->setQuestion(prompt);

    // Enter or Space on a fresh screen presses OK.
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &QuestionScreen::cmdOK_Click);
    connect(cmdHome, &QPushButton::clicked, this, &QuestionScreen::cmdHome_Click);
    connect(cmdExit, &QPushButton::clicked, this, &QuestionScreen::cmdExit_Click);
}

void QuestionScreen::setTabOrderByIndex(const std::vector<std::pair<int, QWidget*>>& controls)
{
    std::vector<std::pair<int, QWidget*>> ordered = controls;
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < ordered.size(); ++i)
        setTabOrder(ordered[i - 1].second, ordered[i].second);
}

void QuestionScreen::Form_Load()
{
    Module1::SizeAndCenter(this, m_content.sizeFactor);
}

void QuestionScreen::cmdOK_Click()
{
    // Option1 first, then upward: the first selected one decides.
    for (std::size_t i = 0; i < m_options.size(); ++i) {
        if (m_options[i]->isChecked()) {
            runOutcome(m_content.options[i].outcome);
            return;
        }
    }
    MessageBoxes::showWarning(this, tableText(QuestionScreenDesign::nothingSelectedWarning));
}

void QuestionScreen::runOutcome(const Outcome& outcome)
{
    // The message is read while this screen is still on view.
    if (outcome.message)
        MessageBoxes::showMessage(this, tableText(*outcome.message));
    if (outcome.goTo)
        Module1::GoTo(this, *outcome.goTo);
}

void QuestionScreen::cmdHome_Click()
{
    Module1::Home(this);
}

void QuestionScreen::cmdExit_Click()
{
    Module1::UnloadAllForms();
}
