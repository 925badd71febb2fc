#pragma once
// Parameter tokens, the wizard record of one parameter and the name of a template's wizard file.
#include <array>
#include <string>

namespace stencora {

// The marker of a parameter in a template's text: "<#" + name + ">". Matching is exact and
// case-sensitive; the token's formatting plays no part.
std::string ParameterToken(const std::string& name);

// The two built-in tokens, filled with the current date and time when a document is created.
inline constexpr const char* kDateToken = "<#Date>";
inline constexpr const char* kTimeToken = "<#Time>";

// Texts of the Type field. Only "Question", compared exactly, makes a question step; any other
// text makes a choice step.
inline constexpr const char* kQuestionType = "Question";
inline constexpr const char* kChoiceType = "Choice";

// What an answer box holds when it was left empty.
inline constexpr const char* kEmptyAnswerFiller = "-------";

// One wizard question: twelve text fields, always in this order, each stored on its own line of
// the wizard file. The fields are carried exactly as given: nothing trims or checks them.
struct WizardParameter {
    std::string Name;         // the parameter's number as decimal text: "1", "2", ...
    std::string Type;         // "Question" or "Choice"
    std::string QuestionText; // the question shown to the user
    std::string AnswerCount;  // "0" for a question; "2", "3", "4" (or as typed) for a choice
    std::string AnswerA;
    std::string ValueA;
    std::string AnswerB;
    std::string ValueB;
    std::string AnswerC;
    std::string ValueC;
    std::string AnswerD;
    std::string ValueD;

    static constexpr int kFieldCount = 12;
    // The fields in file order, for readers and writers that walk them.
    static constexpr std::array<std::string WizardParameter::*, kFieldCount> kFields = {
        &WizardParameter::Name,        &WizardParameter::Type,    &WizardParameter::QuestionText,
        &WizardParameter::AnswerCount, &WizardParameter::AnswerA, &WizardParameter::ValueA,
        &WizardParameter::AnswerB,     &WizardParameter::ValueB,  &WizardParameter::AnswerC,
        &WizardParameter::ValueC,      &WizardParameter::AnswerD, &WizardParameter::ValueD,
    };

    friend bool operator==(const WizardParameter&, const WizardParameter&) = default;
};

// The wizard file of a document: the path with its last three characters replaced by "tpl". No
// dot is looked for, so "Letter.RTF" gives "Letter.tpl". Characters are UTF-8 characters, not
// bytes, so a path that ends in a multi-byte character is never cut inside it; a path of fewer
// than three characters gives "tpl".
std::string WizardFileNameFor(const std::string& path);

} // namespace stencora
