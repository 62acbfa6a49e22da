#include "app/root/StartupGuards.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace StartupGuards {

void guardBeforeToolkit()
{
    // A library the toolkit or the system loads by name is taken from the
    // program's folder and the system's, never from the folder the program
    // was started in, where anyone may have left a file of that name.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
}

void settleAfterToolkit()
{
    // Nothing was set for the toolkit alone.
}

} // namespace StartupGuards
