#include "app/MessageBoxes.h"

#include "app/AlertSound.h"

#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace MessageBoxes {

namespace {
void show(QWidget* over, const QString& text, QMessageBox::Icon icon)
{
    QMessageBox box(icon, applicationTitle, text, QMessageBox::Ok, over);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    // Some styles give OK a picture of its own; no other button of the program has one.
    box.button(QMessageBox::Ok)->setIcon(QIcon());
    if (icon == QMessageBox::Warning) {
        box.setAccessibleDescription(warningDescription);
        // The exclamation icon is a picture a screen reader would call just "image".
        if (auto* picture = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
            picture->setAccessibleName(warningDescription);
    }
    const QPointer<QWidget> screen = over ? over->window() : nullptr;
    if (icon == QMessageBox::Warning)
        AlertSound::warning();
    box.exec();
    // Without a window manager the keyboard focus would go nowhere once the box
    // is gone, and the screen's access keys would do nothing until a click.
    if (screen && screen->isVisible())
        screen->activateWindow();
}
} // namespace

void showMessage(QWidget* over, const QString& text)
{
    show(over, text, QMessageBox::NoIcon);
}

void showWarning(QWidget* over, const QString& text)
{
    show(over, text, QMessageBox::Warning);
}

} // namespace MessageBoxes
