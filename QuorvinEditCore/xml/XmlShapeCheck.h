#pragma once
// Refuses XML input whose shape the toolkit could not survive: it frees and
// writes element trees recursively, so a deeply nested file would overflow
// the stack, and entity declarations could hide such nesting. The editor's
// own files are shallow and never declare a document type.
#include <string>
#include <string_view>

// Deepest element nesting accepted in a file.
inline constexpr int maxXmlDepth = 256;

// Empty when the bytes may be handed to the parser, else the reason. Errors
// of syntax are left to the parser; this scan only never underestimates the
// nesting of what the parser would build.
std::string findXmlShapeProblem(std::string_view bytes);
