#include "app/MessageBoxes.h"

#include <QLabel>
#include <QMessageBox>

namespace MessageBoxes {

namespace {
void show(QWidget* over, const QString& text, QMessageBox::Icon icon)
{
    QMessageBox box(icon, applicationTitle, text, QMessageBox::Ok, over);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    if (icon == QMessageBox::Warning) {
        box.setAccessibleDescription(warningDescription);
        // The exclamation icon is a picture a screen reader would call just "image".
        if (auto* picture = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
            picture->setAccessibleName(warningDescription);
    }
    box.exec();
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
