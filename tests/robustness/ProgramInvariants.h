#pragma once

#include "support/ScreenTestHelpers.h"

#include <QList>
#include <QStringList>

class KnownMessages;

// What must hold after every step of use, whatever the step was: one instance
// per screen, the load-order registry matching the live windows, no screen but
// the main window loaded and hidden, something on view while anything is loaded, the program ending exactly when nothing is
// loaded, and every message box a known one.
class ProgramInvariants {
public:
    explicit ProgramInvariants(const KnownMessages& messages) : m_messages(messages) {}

    // What is wrong after a step that opened these boxes and ended the program
    // this many times; empty when everything holds.
    QStringList check(const QList<SeenBox>& boxes, int programEndsThisStep) const;

private:
    void checkScreens(QStringList& problems) const;
    void checkEnd(int programEndsThisStep, QStringList& problems) const;
    void checkBoxes(const QList<SeenBox>& boxes, QStringList& problems) const;

    const KnownMessages& m_messages;
};
