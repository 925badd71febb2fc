#pragma once
// The date and time texts of the "<#Date>" and "<#Time>" tokens: the date in the locale's short
// date format with no time part, the time in its long time format, from a clock that tests can set.
#include "platform/date_time_source.h"

#include <QDateTime>
#include <QLocale>
#include <functional>

namespace platform {

class LocaleDateTimeTexts : public DateTimeTexts {
public:
    using Clock = std::function<QDateTime()>;

    // The system clock and the user's locale.
    LocaleDateTimeTexts();
    explicit LocaleDateTimeTexts(Clock clock, QLocale locale = QLocale::system());

    // Each call reads the clock afresh.
    std::string dateText() override;
    std::string timeText() override;

private:
    Clock clock_;
    QLocale locale_;
};

} // namespace platform
