#include "screens/anemia/tools/AnemiaTreeDiagram.h"

#include "screens/anemia/AnemiaScreens.h"

#include <sstream>

namespace AnemiaTreeDiagram {

namespace {
constexpr std::size_t textWidth = 42;

bool isLoneBlank(std::string_view text, std::size_t at)
{
    return text[at] == ' ' && at > 0 && at + 1 < text.size() && text[at - 1] != ' ' && text[at + 1] != ' ';
}

std::string nodeName(ScreenKind kind)
{
    return std::string(screenName(kind));
}
} // namespace

std::string wrapped(std::string_view text, std::size_t width)
{
    std::string result(text);
    std::size_t lineStart = 0;
    std::size_t lastBreak = std::string::npos;
    for (std::size_t i = 0; i < result.size(); ++i) {
        if (!isLoneBlank(result, i))
            continue;
        if (i - lineStart > width) {
            const std::size_t at = (lastBreak != std::string::npos && lastBreak >= lineStart) ? lastBreak : i;
            result[at] = '\n';
            lineStart = at + 1;
        }
        lastBreak = i;
    }
    if (result.size() - lineStart > width && lastBreak != std::string::npos && lastBreak >= lineStart)
        result[lastBreak] = '\n';
    return result;
}

std::string quoted(std::string_view text)
{
    std::string result = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            result += '\\';
        if (c == '\n')
            result += "\\n";
        else
            result += c;
    }
    return result + '"';
}

std::string dot()
{
    std::ostringstream out;
    out << "digraph AnemiaTree {\n"
        << "  graph [label=\"Nuvessa: the Anemia tree\", labelloc=t, fontname=\"Helvetica\", fontsize=18, "
           "rankdir=LR, nodesep=0.3, ranksep=0.6];\n"
        << "  node [fontname=\"Helvetica\", fontsize=10];\n"
        << "  edge [fontname=\"Helvetica\", fontsize=9];\n\n";

    for (int number = 1; number <= anemiaScreenCount; ++number) {
        const QuestionScreenContent& screen = anemiaScreenContent(*anemiaScreen(number));
        const std::string name = nodeName(screen.kind);
        out << "  " << name << " [shape=box, style=\"rounded,filled\", fillcolor=\"#00ffff\", label="
            << quoted(name + "\n\n" + wrapped(screen.prompt().text, textWidth)) << "];\n";
    }
    out << '\n';

    for (int number = 1; number <= anemiaScreenCount; ++number) {
        const QuestionScreenContent& screen = anemiaScreenContent(*anemiaScreen(number));
        const std::string from = nodeName(screen.kind);
        int optionNumber = 0;
        for (const OptionContent& option : screen.options) {
            ++optionNumber;
            const std::string edgeLabel =
                quoted("Option" + std::to_string(optionNumber) + ": " + wrapped(option.caption, textWidth));
            std::string to = option.outcome.goTo ? nodeName(*option.outcome.goTo) : std::string();
            if (option.outcome.message) {
                const std::string note = from + "_Option" + std::to_string(optionNumber);
                std::string text = wrapped(*option.outcome.message, textWidth);
                if (option.outcome.stays())
                    text += "\n\n(the walk ends here)";
                out << "  " << note << " [shape=note, style=filled, fillcolor="
                    << (option.outcome.stays() ? "\"#ffffc0\", peripheries=2" : "\"#ffffff\"")
                    << ", label=" << quoted(text) << "];\n";
                out << "  " << from << " -> " << note << " [label=" << edgeLabel << "];\n";
                if (!to.empty())
                    out << "  " << note << " -> " << to << ";\n";
            } else if (!to.empty()) {
                out << "  " << from << " -> " << to << " [label=" << edgeLabel << "];\n";
            }
        }
        out << '\n';
    }
    out << "}\n";
    return out.str();
}

} // namespace AnemiaTreeDiagram
