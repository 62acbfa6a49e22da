#include "KnownMessages.h"

#include "screens/anemia/AnemiaScreens.h"
#include "screens/anemia/QuestionScreenDesign.h"
#include "screens/info/AboutDesign.h"
#include "screens/main/FormMainDesign.h"
#include "screens/main/Topics.h"

namespace {
QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}
} // namespace

KnownMessages::KnownMessages()
{
    add(QString::fromUtf8(FormMainDesign::nothingSelectedWarning), QMessageBox::Warning);
    for (const Topic& topic : topics) {
        if (!topic.firstScreen)
            add(QString::fromUtf8(FormMainDesign::noGuidanceNotice).arg(text(topic.name)), QMessageBox::NoIcon);
    }
    add(QString::fromUtf8(QuestionScreenDesign::nothingSelectedWarning), QMessageBox::Warning);
    for (int number = 1; number <= anemiaScreenCount; ++number) {
        for (const OptionContent& option : anemiaScreenContent(*anemiaScreen(number)).options) {
            if (option.outcome.message)
                add(text(*option.outcome.message), QMessageBox::NoIcon);
        }
    }
    add(QString::fromUtf8(AboutDesign::sysInfoUnavailableMessage), QMessageBox::NoIcon);
}

void KnownMessages::add(const QString& text, QMessageBox::Icon icon)
{
    m_icons.insert(text, icon);
}
