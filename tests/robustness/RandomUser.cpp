#include "RandomUser.h"

#include "app/ClickableLabel.h"
#include "app/Screen.h"
#include "screens/main/frmSplash.h"
#include "screens/main/Topics.h"
#include "support/ScreenTestHelpers.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

namespace {
QString screenNameOf(QWidget* window)
{
    const auto* screen = dynamic_cast<const Screen*>(window);
    if (!screen)
        return QStringLiteral("?");
    const std::string_view name = screenName(screen->kind());
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString controlName(const QWidget* control)
{
    if (!control->objectName().isEmpty())
        return control->objectName();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return QStringLiteral("\"%1\"").arg(button->text());
    return QString::fromLatin1(control->metaObject()->className());
}

template <typename T>
QList<T*> usable(QWidget* window)
{
    QList<T*> found;
    for (T* control : window->findChildren<T*>()) {
        if (control->isVisible() && control->isEnabled())
            found.append(control);
    }
    return found;
}

// The user's keys: those that act (Enter, Esc, Space, access keys), those that
// move the focus or the choice, one that types a character and ones that type none.
struct UserKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
const UserKey userKeys[] = {
    {"Enter", Qt::Key_Return, Qt::NoModifier},
    {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier},
    {"Esc", Qt::Key_Escape, Qt::NoModifier},
    {"Space", Qt::Key_Space, Qt::NoModifier},
    {"Tab", Qt::Key_Tab, Qt::NoModifier},
    {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier},
    {"Alt+H", Qt::Key_H, Qt::AltModifier},
    {"Alt+E", Qt::Key_E, Qt::AltModifier},
    {"Alt+B", Qt::Key_B, Qt::AltModifier},
    {"Alt+S", Qt::Key_S, Qt::AltModifier},
    {"Up", Qt::Key_Up, Qt::NoModifier},
    {"Down", Qt::Key_Down, Qt::NoModifier},
    {"letter a", Qt::Key_A, Qt::NoModifier},
    {"digit 7", Qt::Key_7, Qt::NoModifier},
    {"F1", Qt::Key_F1, Qt::NoModifier},
    {"Shift", Qt::Key_Shift, Qt::NoModifier},
};

const char* const typedTexts[] = {"Anemia", "Ane", "x", "Burns", " "};

// An access key presses its button and lets it go a tenth of a second later,
// on a timer. The user waits for that; so does the test, without the tenth of
// a second: the button's own timer event is delivered at once.
void completePressedButtons()
{
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            if (!button->isDown())
                continue;
            for (const QAbstractEventDispatcher::TimerInfo& timer : dispatcher->registeredTimers(button)) {
                QTimerEvent event(timer.timerId);
                QCoreApplication::sendEvent(button, &event);
            }
        }
    }
}

void activate(QWidget* window)
{
    // Keys and access keys go to the window the user is working in.
    QApplication::setActiveWindow(window);
}

void clickButton(QAbstractButton* button)
{
    // An option button reacts to its circle and caption, not to the empty end of its box.
    const QPoint where = qobject_cast<QRadioButton*>(button)
                             ? QPoint(qMin(6, button->width() / 2), button->height() / 2)
                             : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
}
} // namespace

int RandomUser::below(int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(m_random);
}

RandomUser::Step RandomUser::choose()
{
    QList<QWidget*> onView;
    for (QWidget* window : ScreenTestHelpers::loadedWindows()) {
        if (window && window->isVisible())
            onView.append(window);
    }
    if (onView.isEmpty())
        return {QStringLiteral("nothing on view: nothing to do"), [] {}, {}};

    QWidget* window = onView.at(below(static_cast<int>(onView.size())));
    std::vector<Choice> choices;
    addScreenChoices(window, choices);

    int total = 0;
    for (const Choice& choice : choices)
        total += choice.weight;
    int pick = below(total);
    for (Choice& choice : choices) {
        if (pick < choice.weight)
            return std::move(choice.step);
        pick -= choice.weight;
    }
    return std::move(choices.back().step);
}

void RandomUser::addScreenChoices(QWidget* window, std::vector<Choice>& choices)
{
    const QString where = screenNameOf(window);
    QPointer<QWidget> guard(window);

    const QList<QRadioButton*> options = usable<QRadioButton>(window);
    if (!options.isEmpty()) {
        QPointer<QRadioButton> option = options.at(below(static_cast<int>(options.size())));
        choices.push_back({8, {QStringLiteral("%1: select %2").arg(where, controlName(option)),
                               [option] { if (option) clickButton(option); },
                               [option, where] {
                                   return !option || option->isChecked()
                                              ? QString()
                                              : QStringLiteral("%1: the clicked option is not selected").arg(where);
                               }}});
    }

    for (QPushButton* button : usable<QPushButton>(window)) {
        QPointer<QPushButton> target(button);
        const bool ends = button->objectName() == QLatin1String("cmdExit");
        const bool goesOn = button->objectName() == QLatin1String("cmdOK");
        choices.push_back({ends ? 1 : (goesOn ? 6 : 2),
                           {QStringLiteral("%1: click %2").arg(where, controlName(button)),
                            [target] { if (target) clickButton(target); }, {}}});
    }

    for (QComboBox* combo : usable<QComboBox>(window)) {
        QPointer<QComboBox> list(combo);
        // Half the choices go to the one topic with a walk, so walks get deep.
        const int index = below(2) == 0 ? 1 : below(combo->count() + 1) - 1;
        choices.push_back({5, {QStringLiteral("%1: choose entry %2 of %3").arg(where).arg(index).arg(controlName(combo)),
                               [list, index] {
                                   if (list) {
                                       activate(list->window());
                                       list->setCurrentIndex(index);
                                   }
                               },
                               {}}});
        const QString typed = QString::fromLatin1(typedTexts[below(std::size(typedTexts))]);
        choices.push_back({1, {QStringLiteral("%1: type \"%2\" into %3").arg(where, typed, controlName(combo)),
                               [list, typed] {
                                   if (!list)
                                       return;
                                   activate(list->window());
                                   QWidget* field = list->lineEdit() ? static_cast<QWidget*>(list->lineEdit())
                                                                     : static_cast<QWidget*>(list.data());
                                   QTest::keyClicks(field, typed);
                               },
                               {}}});
    }

    const QList<QLabel*> labels = usable<QLabel>(window);
    if (!labels.isEmpty()) {
        QPointer<QLabel> label = labels.at(below(static_cast<int>(labels.size())));
        // The Help window's questions are its main business.
        const int weight = where == QLatin1String("frmHelp") ? 5 : 1;
        choices.push_back({weight, {QStringLiteral("%1: click %2").arg(where, controlName(label)),
                                    [label] { if (label) QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, label->rect().center()); },
                                    {}}});
    }

    if (auto* splash = dynamic_cast<frmSplash*>(window)) {
        QPointer<frmSplash> screen(splash);
        choices.push_back({2, {QStringLiteral("%1: click Frame1").arg(where),
                               [screen] {
                                   // Just inside the frame's border, where no picture or label lies.
                                   if (screen)
                                       QTest::mouseClick(
                                           ScreenTestHelpers::findControl<ClickableLabel>(screen, "Frame1"),
                                           Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
                               },
                               {}}});
        choices.push_back({1, {QStringLiteral("%1: let Timer1 run out").arg(where),
                               [screen] {
                                   if (!screen)
                                       return;
                                   ScreenTestHelpers::findControl<QTimer>(screen, "Timer1")->start(0);
                                   QCoreApplication::processEvents();
                               },
                               {}}});
        choices.push_back({1, {QStringLiteral("%1: click the margin outside Frame1").arg(where),
                               [screen] {
                                   if (screen)
                                       QTest::mouseClick(screen, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
                               },
                               {}}});
    }

    choices.push_back({5, keyStep(window, where)});
    choices.push_back({1, {QStringLiteral("%1: close through the window frame").arg(where),
                           [guard] { if (guard) guard->close(); }, {}}});
}

RandomUser::Step RandomUser::keyStep(QWidget* window, const QString& where)
{
    const UserKey& key = userKeys[below(std::size(userKeys))];
    QPointer<QWidget> guard(window);
    return {QStringLiteral("%1: press %2").arg(where, QString::fromLatin1(key.name)),
            [guard, key] {
                if (!guard)
                    return;
                activate(guard);
                QWidget* target = QApplication::focusWidget();
                if (!target || target->window() != guard)
                    target = guard;
                QTest::keyClick(target, key.key, key.modifiers);
                completePressedButtons();
            },
            {}};
}
