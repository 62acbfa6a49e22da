#include "ProgramInvariants.h"

#include "KnownMessages.h"

#include "app/MessageBoxes.h"
#include "app/Module1.h"
#include "app/Screen.h"
#include "support/ScreenTestHelpers.h"

#include <QApplication>
#include <QMessageBox>
#include <QSet>
#include <QWidget>

#include <map>

namespace {
QString nameOf(ScreenKind kind)
{
    const std::string_view name = screenName(kind);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// Pop-up lists and tooltips are parts of a window, not windows of their own.
bool isWindowOfItsOwn(const QWidget* widget)
{
    const Qt::WindowType type = widget->windowType();
    return type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop;
}
} // namespace

QStringList ProgramInvariants::check(const QList<SeenBox>& boxes, int programEndsThisStep) const
{
    QStringList problems;
    checkScreens(problems);
    checkEnd(programEndsThisStep, problems);
    checkBoxes(boxes, problems);
    if (QWidget* modal = QApplication::activeModalWidget())
        problems.append(QStringLiteral("a modal window is still open: \"%1\"").arg(modal->windowTitle()));
    return problems;
}

void ProgramInvariants::checkScreens(QStringList& problems) const
{

    QSet<const QWidget*> registered;
    QSet<ScreenKind> registeredKinds;
    for (const QWidget* window : ScreenTestHelpers::loadedWindows()) {
        const auto* screen = dynamic_cast<const Screen*>(window);
        if (!screen) {
            problems.append(window ? QStringLiteral("a window that is no screen is loaded")
                                   : QStringLiteral("a screen is loaded but its window is gone"));
            continue;
        }
        const ScreenKind kind = screen->kind();
        if (registeredKinds.contains(kind))
            problems.append(QStringLiteral("%1 is loaded twice").arg(nameOf(kind)));
        if (registered.contains(window))
            problems.append(QStringLiteral("one window is loaded twice (%1)").arg(nameOf(kind)));
        registeredKinds.insert(kind);
        registered.insert(window);
        if (Module1::Loaded(kind) != window)
            problems.append(QStringLiteral("the window loaded as %1 is another screen").arg(nameOf(kind)));
        // Only the main window hides itself while loaded (behind a topic's
        // screens); every other screen leaves by unloading.
        if (kind != ScreenKind::FormMain && !window->isVisible())
            problems.append(QStringLiteral("%1 is loaded but hidden").arg(nameOf(kind)));
    }

    std::map<ScreenKind, int> instances;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (const auto* screen = dynamic_cast<const Screen*>(widget)) {
            if (++instances[screen->kind()] == 2)
                problems.append(QStringLiteral("two instances of %1 exist").arg(nameOf(screen->kind())));
            if (!registered.contains(widget))
                problems.append(QStringLiteral("an instance of %1 lives on after its unload")
                                    .arg(nameOf(screen->kind())));
        } else if (widget->isVisible() && isWindowOfItsOwn(widget)
                   && !qobject_cast<QMessageBox*>(widget)) {
            problems.append(QStringLiteral("a window that is no screen is on view: %1 \"%2\"")
                                .arg(QString::fromLatin1(widget->metaObject()->className()),
                                     widget->windowTitle()));
        }
    }

    if (ScreenTestHelpers::loadedCount() > 0 && ScreenTestHelpers::visibleScreens().isEmpty())
        problems.append(QStringLiteral("screens are loaded but none is on view"));
}

void ProgramInvariants::checkEnd(int programEndsThisStep, QStringList& problems) const
{
    const int loaded = ScreenTestHelpers::loadedCount();
    if (programEndsThisStep > 1)
        problems.append(QStringLiteral("the program ended %1 times in one step").arg(programEndsThisStep));
    if (loaded == 0 && programEndsThisStep == 0)
        problems.append(QStringLiteral("no screen is loaded but the program did not end"));
    if (loaded > 0 && programEndsThisStep > 0)
        problems.append(QStringLiteral("the program ended with %1 screens loaded").arg(loaded));
}

void ProgramInvariants::checkBoxes(const QList<SeenBox>& boxes, QStringList& problems) const
{
    for (const SeenBox& box : boxes) {
        if (box.caption != MessageBoxes::applicationTitle)
            problems.append(QStringLiteral("a message box captioned \"%1\"").arg(box.caption));
        if (!box.modal)
            problems.append(QStringLiteral("a message box that is not modal: \"%1\"").arg(box.text));
        if (box.buttons != QMessageBox::StandardButtons(QMessageBox::Ok))
            problems.append(QStringLiteral("a message box with buttons other than OK: \"%1\"").arg(box.text));
        if (!m_messages.contains(box.text))
            problems.append(QStringLiteral("a message box with an unknown text: \"%1\"").arg(box.text));
        else if (m_messages.iconOf(box.text) != box.icon)
            problems.append(QStringLiteral("a message box with the wrong icon: \"%1\"").arg(box.text));
    }
}
