// The floor for the program's start-up: the least a toolkit program does to
// put one line of text on screen, then, on a key, a second window of text;
// a key there ends it. With --frameless the first window has no title bar, as
// the splash screen has none: on the Windows desktop the system draws a title
// bar, which is work of its own.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

namespace {
// Any key on the second window ends the program.
class SecondWindow : public QLabel {
public:
    SecondWindow() : QLabel(QStringLiteral("The second window, also one line of text"))
    {
        setWindowTitle(QStringLiteral("bare-second"));
        setMargin(40);
    }

protected:
    void keyPressEvent(QKeyEvent*) override { QApplication::quit(); }
};

class FirstWindow : public QLabel {
public:
    FirstWindow() : QLabel(QStringLiteral("A bare window holding one line of text"))
    {
        setWindowTitle(QStringLiteral("bare-first"));
        setMargin(40);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->text().isEmpty())
            return;
        hide();
        m_second.show();
    }

private:
    SecondWindow m_second;
};
} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    FirstWindow window;
    if (QApplication::arguments().contains(QStringLiteral("--frameless")))
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.show();
    return QApplication::exec();
}
