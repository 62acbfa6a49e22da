#include "KnownMessages.h"

#include "app/TableText.h"
#include "screens/anemia/AnemiaScreens.h"
#include "screens/anemia/QuestionScreenDesign.h"
#include "screens/info/AboutDesign.h"
#include "screens/main/FormMainDesign.h"
#include "screens/main/Topics.h"

KnownMessages::KnownMessages()
{
    add(tableText(FormMainDesign::nothingSelectedWarning), QMessageBox::Warning);
    for (const Topic& topic : topics) {
        if (!topic.firstScreen)
            add(tableText(FormMainDesign::noGuidanceNotice).arg(tableText(topic.name)), QMessageBox::NoIcon);
    }
    add(tableText(QuestionScreenDesign::nothingSelectedWarning), QMessageBox::Warning);
    for (int number = 1; number <= anemiaScreenCount; ++number) {
        for (const OptionContent& option : anemiaScreenContent(*anemiaScreen(number)).options) {
            if (option.outcome.message)
                add(tableText(*option.outcome.message), QMessageBox::NoIcon);
        }
    }
    add(tableText(AboutDesign::sysInfoUnavailableMessage), QMessageBox::NoIcon);
}

void KnownMessages::add(const QString& text, QMessageBox::Icon icon)
{
    m_icons.insert(text, icon);
}
