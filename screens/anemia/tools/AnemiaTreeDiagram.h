#pragma once

#include <string>
#include <string_view>

// The Anemia tree as a Graphviz diagram, drawn from the same tables the
// screens are built from, so a clinician can check the logic at a glance:
// each screen with its prompt, each option on an edge, each message in a
// note of its own on the way to the next screen or at the end of a walk.
namespace AnemiaTreeDiagram {

std::string dot();

// Breaks a text into lines of about the given width for a diagram label,
// only ever at a single blank, so runs of blanks stay whole.
std::string wrapped(std::string_view text, std::size_t width);

// A text as a quoted Graphviz string, lines joined by "\n".
std::string quoted(std::string_view text);

} // namespace AnemiaTreeDiagram
