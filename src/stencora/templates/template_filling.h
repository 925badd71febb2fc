#pragma once
// Filling a template: replacing the date, time and parameter tokens in the lines of a document.
// The operations see the document only through its line list, so they work the same on the
// editor's rich-text document and on a plain list of lines.
#include "platform/date_time_source.h"
#include "platform/line_list.h"
#include "wizard_parameter.h"

#include <string>

namespace stencora {

// Where the texts for the built-in tokens come from.
using DateTimeTexts = platform::DateTimeTexts;

// In every line, in ascending order, replaces the first occurrence of token (compared exactly)
// with text. A line where the token does not occur is not rewritten; a second occurrence on the
// same line stays, and the inserted text is not searched again. An empty token is never found.
void ReplaceFirstInEachLine(platform::LineList& lines, const std::string& token, const std::string& text);

// One pass over the lines: in each line the first "<#Date>" becomes the date text, then the first
// "<#Time>" of the line as it now stands becomes the time text. The texts are asked for afresh for
// each line that holds the token, just before it is replaced.
void FillDateTimeTokens(platform::LineList& lines, DateTimeTexts& texts);

// The answer picked in a choice step.
enum class Choice { A, B, C, D };

// The text that replaces a parameter's token: the typed text when Type is exactly "Question",
// otherwise the value field of the answer picked.
std::string AnswerFor(const WizardParameter& parameter, const std::string& text, Choice choice);

// Replaces the parameter's token with the answer in every line (first occurrence per line).
void FillParameterToken(platform::LineList& lines, const WizardParameter& parameter,
                        const std::string& answer);

} // namespace stencora
