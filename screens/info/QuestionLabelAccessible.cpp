#include "screens/info/QuestionLabelAccessible.h"

#include "screens/info/QuestionLabel.h"

namespace {
QAccessibleInterface* questionLabelInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("QuestionLabel")) {
        if (auto* label = qobject_cast<QuestionLabel*>(object))
            return new QuestionLabelAccessible(label);
    }
    return nullptr;
}
} // namespace

QuestionLabelAccessible::QuestionLabelAccessible(QuestionLabel* label)
    : QAccessibleWidget(label, QAccessible::StaticText)
{
}

void QuestionLabelAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&questionLabelInterface);
        return true;
    }();
    (void)installed;
}

QuestionLabel* QuestionLabelAccessible::question() const
{
    return static_cast<QuestionLabel*>(widget());
}

QString QuestionLabelAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name) {
        const QString name = question()->accessibleName();
        return name.isEmpty() ? question()->text() : name;
    }
    return QAccessibleWidget::text(kind);
}

QStringList QuestionLabelAccessible::actionNames() const
{
    return {pressAction()};
}

void QuestionLabelAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction() && question()->isEnabled())
        emit question()->clicked();
}

QStringList QuestionLabelAccessible::keyBindingsForAction(const QString&) const
{
    return {};
}
