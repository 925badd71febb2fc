#include "date_time_texts.h"

namespace platform {

static std::string Utf8(const QString& text) {
    QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

LocaleDateTimeTexts::LocaleDateTimeTexts() : LocaleDateTimeTexts(&QDateTime::currentDateTime) {}

LocaleDateTimeTexts::LocaleDateTimeTexts(Clock clock, QLocale locale)
    : clock_(std::move(clock)), locale_(std::move(locale)) {}

std::string LocaleDateTimeTexts::dateText() {
    // Today's date at midnight in the general date-and-time format, which leaves out a time of
    // exactly midnight: the short date alone.
    return Utf8(locale_.toString(clock_().date(), QLocale::ShortFormat));
}

std::string LocaleDateTimeTexts::timeText() {
    // Formatted as a date and time, so that a time-zone part of the format has a zone to show.
    return Utf8(locale_.toString(clock_(), locale_.timeFormat(QLocale::LongFormat)));
}

} // namespace platform
