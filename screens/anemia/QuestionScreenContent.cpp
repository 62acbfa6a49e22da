#include "screens/anemia/QuestionScreenContent.h"

#include <algorithm>
#include <stdexcept>

const LabelDesign& QuestionScreenContent::prompt() const
{
    const auto it = std::find_if(labels.begin(), labels.end(),
                                 [](const LabelDesign& label) { return label.role == LabelRole::Prompt; });
    if (it == labels.end())
        throw std::logic_error("a question screen without a prompt");
    return *it;
}
