#pragma once
// Where the texts of today's date and the current time come from. Each call takes the clock afresh.
#include <string>

namespace platform {

struct DateTimeTexts {
    virtual ~DateTimeTexts() = default;
    virtual std::string dateText() = 0; // today's date in the user's short date format
    virtual std::string timeText() = 0; // the current time in the user's long time format
};

} // namespace platform
