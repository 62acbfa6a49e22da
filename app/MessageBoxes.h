#pragma once

#include <QString>

class QWidget;

// Every message box of the program is built here: modal, an OK button only,
// captioned with the application title.
namespace MessageBoxes {

inline const QString applicationTitle = QStringLiteral("Kadrelo");

// A message with no icon: a diagnosis, a management, or a notice.
void showMessage(QWidget* over, const QString& text);

// A warning with the exclamation icon, for a missing selection.
void showWarning(QWidget* over, const QString& text);

// What a screen reader says a warning box is, since it cannot see the icon.
inline const QString warningDescription = QStringLiteral("Warning");

} // namespace MessageBoxes
