#pragma once

#include "support/ScreenTestHelpers.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

// Reads and closes with OK every message box an action opens, as soon as the
// box's own event loop runs, so long runs do not spend their time waiting.
class BoxAnswerer : public QObject {
    Q_OBJECT

public:
    BoxAnswerer();

    // Runs the action; returns the boxes it opened, in order.
    QList<SeenBox> run(const std::function<void()>& action);

    // Anything modal that was not a message box, or a box that would not close.
    QStringList problems() const { return m_problems; }

private:
    void answer();

    QTimer m_watcher;
    QList<SeenBox> m_seen;
    QStringList m_problems;
};
