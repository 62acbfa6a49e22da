#include "app/ScreenRegistry.h"

#include "app/Screen.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>

ScreenRegistry& ScreenRegistry::instance()
{
    static ScreenRegistry registry;
    return registry;
}

void ScreenRegistry::setFactory(Factory factory)
{
    m_factory = std::move(factory);
}

void ScreenRegistry::setProgramEnd(std::function<void()> programEnd)
{
    m_programEnd = std::move(programEnd);
}

QWidget* ScreenRegistry::show(ScreenKind kind)
{
    QWidget* window = loaded(kind);
    if (!window) {
        Screen* screen = m_factory ? m_factory(kind) : nullptr;
        if (!screen)
            return nullptr;
        window = screen->screenWindow();
        m_loaded.push_back({kind, window});
        window->installEventFilter(this);
        screen->Form_Load();
    }
    // Brought to the front means restored too: the About box, kept off the
    // taskbar, could not be found again once minimised.
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void ScreenRegistry::unload(QWidget* window)
{
    const int index = indexOf(window);
    if (index < 0)
        return;
    m_loaded.erase(m_loaded.begin() + index);
    window->removeEventFilter(this);
    window->hide();
    // The handler that unloads its own screen is still running on that object.
    window->deleteLater();
    // A transition unloads one screen before it shows the next, so what the
    // unload leaves behind is judged only once the running handler has returned.
    if (!m_checkPending) {
        m_checkPending = true;
        QTimer::singleShot(0, this, &ScreenRegistry::checkAfterUnload);
    }
}

QWidget* ScreenRegistry::loaded(ScreenKind kind) const
{
    const auto it = std::find_if(m_loaded.begin(), m_loaded.end(),
                                 [kind](const Entry& entry) { return entry.kind == kind; });
    return it == m_loaded.end() ? nullptr : it->window.data();
}

int ScreenRegistry::count() const
{
    return static_cast<int>(m_loaded.size());
}

QWidget* ScreenRegistry::at(int index) const
{
    return m_loaded.at(static_cast<std::size_t>(index)).window.data();
}

bool ScreenRegistry::anyVisible() const
{
    return std::any_of(m_loaded.begin(), m_loaded.end(),
                       [](const Entry& entry) { return entry.window && entry.window->isVisible(); });
}

int ScreenRegistry::indexOf(const QWidget* window) const
{
    if (!window)
        return -1;
    const auto it = std::find_if(m_loaded.begin(), m_loaded.end(),
                                 [window](const Entry& entry) { return entry.window == window; });
    return it == m_loaded.end() ? -1 : static_cast<int>(it - m_loaded.begin());
}

bool ScreenRegistry::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close) {
        auto* window = qobject_cast<QWidget*>(watched);
        if (window && indexOf(window) >= 0)
            unload(window);
    }
    return QObject::eventFilter(watched, event);
}

void ScreenRegistry::checkAfterUnload()
{
    m_checkPending = false;
    if (m_loaded.empty()) {
        if (m_programEnd)
            m_programEnd();
        return;
    }
    // Closing a question screen while the main window is hidden, or closing the
    // last box on view after it, would leave the program running with nothing
    // to see; the main window comes back instead, as Home would bring it.
    if (!anyVisible())
        show(ScreenKind::FormMain);
}
