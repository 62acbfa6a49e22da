#include "app/AlertSound.h"

#include <QAccessible>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

void AlertSound::warning()
{
    // The sound Windows makes with its own exclamation boxes. While a screen
    // reader is listening the toolkit plays it already, as the box opens.
    if (!QAccessible::isActive())
        MessageBeep(MB_ICONEXCLAMATION);
}
