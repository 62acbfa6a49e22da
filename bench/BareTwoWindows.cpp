// The floor for the program's memory: the same two windows built straight
// with the toolkit, the splash screen and then, on a key, a window of the
// main window's size holding its controls; a key there ends it.

#include "BareScreens.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QWidget>

#include <memory>

namespace {
// A key on the splash screen brings the main window, built only then, as the
// program builds its own; a key on the main window ends the program.
class KeyHandler : public QObject {
public:
    KeyHandler(QWidget* splash, QString mainPicture) : m_splash(splash), m_mainPicture(std::move(mainPicture)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->text().isEmpty())
            return false;
        if (watched == m_splash) {
            m_splash->hide();
            m_main.reset(BareScreens::mainWindow(m_mainPicture));
            m_main->installEventFilter(this);
            m_main->show();
        } else if (watched == m_main.get()) {
            QApplication::quit();
        }
        return true;
    }

private:
    QWidget* m_splash;
    QString m_mainPicture;
    std::unique_ptr<QWidget> m_main;
};
} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    // The pictures stand beside the executable.
    const QDir folder(QApplication::applicationDirPath());
    const std::unique_ptr<QWidget> splash(BareScreens::splashScreen(folder.filePath(QStringLiteral("UT2.jpg"))));
    splash->setFocusPolicy(Qt::StrongFocus);
    KeyHandler keys(splash.get(), folder.filePath(QStringLiteral("Ut1.jpg")));
    splash->installEventFilter(&keys);
    splash->show();
    return QApplication::exec();
}
