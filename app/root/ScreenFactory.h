#pragma once

#include "app/ScreenKind.h"

class Screen;

// Creates the screen of a kind, not yet loaded or shown.
Screen* createScreen(ScreenKind kind);
