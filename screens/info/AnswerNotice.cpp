#include "screens/info/AnswerNotice.h"

#include <QAccessibleWidget>

namespace {
QAccessibleInterface* noticeInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("AnswerNotice")) {
        if (auto* notice = qobject_cast<AnswerNotice*>(object))
            return new QAccessibleWidget(notice, QAccessible::Notification);
    }
    return nullptr;
}
} // namespace

AnswerNotice::AnswerNotice(QWidget* window) : QWidget(window)
{
    static const bool installed = [] {
        QAccessible::installFactory(&noticeInterface);
        return true;
    }();
    (void)installed;
    setObjectName(QStringLiteral("AnswerNotice"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(0, 0);
    hide();
}

void AnswerNotice::announce(const QString& answer)
{
    setAccessibleName(answer);
    // Showing again is what a screen reader listens for, even with the same answer.
    hide();
    show();
}
