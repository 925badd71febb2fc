#include "template_filling.h"

namespace stencora {

// Replaces the first token in s with the text that make() gives; false when there is none.
template <typename MakeText>
static bool ReplaceFirst(std::string& s, const std::string& token, MakeText&& make) {
    if (token.empty())
        return false;
    std::string::size_type p = s.find(token);
    if (p == std::string::npos)
        return false;
    s.replace(p, token.size(), make());
    return true;
}

void ReplaceFirstInEachLine(platform::LineList& lines, const std::string& token, const std::string& text) {
    if (token.empty())
        return;
    const int count = lines.count();
    for (int i = 0; i < count; ++i) {
        std::string s = lines.line(i);
        if (ReplaceFirst(s, token, [&] { return text; }))
            lines.rewrite(i, s);
    }
}

void FillDateTimeTokens(platform::LineList& lines, DateTimeTexts& texts) {
    const std::string date = kDateToken;
    const std::string time = kTimeToken;
    const int count = lines.count();
    for (int i = 0; i < count; ++i) {
        std::string s = lines.line(i);
        if (ReplaceFirst(s, date, [&] { return texts.dateText(); })) {
            lines.rewrite(i, s);
            s = lines.line(i); // the time token is looked for in the line as it now stands
        }
        if (ReplaceFirst(s, time, [&] { return texts.timeText(); }))
            lines.rewrite(i, s);
    }
}

std::string AnswerFor(const WizardParameter& parameter, const std::string& text, Choice choice) {
    if (parameter.Type == kQuestionType)
        return text;
    switch (choice) {
    case Choice::A:
        return parameter.ValueA;
    case Choice::B:
        return parameter.ValueB;
    case Choice::C:
        return parameter.ValueC;
    case Choice::D:
        return parameter.ValueD;
    }
    return parameter.ValueA;
}

void FillParameterToken(platform::LineList& lines, const WizardParameter& parameter,
                        const std::string& answer) {
    ReplaceFirstInEachLine(lines, ParameterToken(parameter.Name), answer);
}

} // namespace stencora
