#include "support/BoxAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>

BoxAnswerer::BoxAnswerer()
{
    // A zero interval fires on every turn of the box's own event loop and never sleeps.
    m_watcher.setInterval(0);
    connect(&m_watcher, &QTimer::timeout, this, &BoxAnswerer::answer);
}

QList<SeenBox> BoxAnswerer::run(const std::function<void()>& action)
{
    m_seen.clear();
    m_problems.clear();
    m_watcher.start();
    action();
    m_watcher.stop();
    return m_seen;
}

void BoxAnswerer::answer()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (!box) {
        m_problems.append(QStringLiteral("a modal window that is not a message box: %1 \"%2\"")
                              .arg(QString::fromLatin1(modal->metaObject()->className()),
                                   modal->windowTitle()));
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        return;
    }
    SeenBox record;
    record.caption = box->windowTitle();
    record.text = box->text();
    record.icon = box->icon();
    record.buttons = box->standardButtons();
    record.accessibleDescription = box->accessibleDescription();
    record.modal = box->isModal();
    record.visibleScreens = ScreenTestHelpers::visibleScreens();
    m_seen.append(record);
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        ok->click();
    } else {
        m_problems.append(QStringLiteral("a message box without an OK button: \"%1\"").arg(box->text()));
        box->reject();
    }
}
