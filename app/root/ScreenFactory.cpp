#include "app/root/ScreenFactory.h"

#include "screens/anemia/AnemiaNumbering.h"
#include "screens/anemia/QuestionScreen.h"
#include "screens/info/frmAbout.h"
#include "screens/info/frmHelp.h"
#include "screens/main/FormMain.h"
#include "screens/main/frmSplash.h"

Screen* createScreen(ScreenKind kind)
{
    switch (kind) {
    case ScreenKind::FormMain: return new FormMain;
    case ScreenKind::frmSplash: return new frmSplash;
    case ScreenKind::frmHelp: return new frmHelp;
    case ScreenKind::frmAbout: return new frmAbout;
    default: break;
    }
    if (anemiaScreenNumber(kind))
        return new QuestionScreen(kind);
    return nullptr;
}
