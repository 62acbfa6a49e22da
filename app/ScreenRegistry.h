#pragma once

#include "app/ScreenKind.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QWidget;
class Screen;

// The screens that are loaded, in the order they were loaded; screens reach it
// through Module1. Showing a screen loads it first when it is not loaded;
// unloading removes it at once, while its object lives on until the handler
// that unloaded it has returned. Closing a screen through its frame unloads
// it. Once the handler has returned, the program ends if no screen is left
// loaded, and the main window comes back if screens are loaded but none is on view.
class ScreenRegistry : public QObject {
    Q_OBJECT

public:
    using Factory = std::function<Screen*(ScreenKind)>;

    static ScreenRegistry& instance();

    void setFactory(Factory factory);
    // What ending the program means.
    void setProgramEnd(std::function<void()> programEnd);

    // Shows a screen modeless: loads it (running its load handler) when not
    // loaded, makes a hidden one visible as it was, brings a shown one to the front.
    QWidget* show(ScreenKind kind);
    // Removes the screen at once; unloading a screen that is not loaded does nothing.
    void unload(QWidget* window);

    QWidget* loaded(ScreenKind kind) const;
    // The loaded screens by their place in the load order, from 0.
    int count() const;
    QWidget* at(int index) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        ScreenKind kind;
        QPointer<QWidget> window;
    };

    ScreenRegistry() = default;
    int indexOf(const QWidget* window) const;
    bool anyVisible() const;
    void checkAfterUnload();

    std::vector<Entry> m_loaded;
    Factory m_factory;
    std::function<void()> m_programEnd;
    bool m_checkPending = false;
};
