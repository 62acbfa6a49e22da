#pragma once

#include "screens/anemia/AnemiaNumbering.h"
#include "screens/anemia/QuestionScreenContent.h"

// The thirteen screens of the Anemia tree, FormAnemia1 to FormAnemia13.
// Throws std::out_of_range for a screen that is not one of them.
const QuestionScreenContent& anemiaScreenContent(ScreenKind kind);
