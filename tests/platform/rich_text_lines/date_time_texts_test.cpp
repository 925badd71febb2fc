// The date and time texts: the locale's short date and long time formats, read from the clock
// afresh on every call.
#include "platform/date_time_texts.h"
#include "platform/rich_text_lines.h"
#include "stencora/templates/template_filling.h"

#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

QDateTime At(int y, int mo, int d, int h, int mi, int s) {
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC);
}

TEST(LocaleDateTimeTexts, ShortDateAndLongTimeOfTheLocale) {
    const QDateTime when = At(2024, 3, 5, 14, 7, 9);
    struct Case {
        const char* locale;
        std::string date, time;
    } cases[] = {
        {"de_DE", "05.03.24", "14:07:09 UTC"},
        {"en_US", "3/5/24", "2:07:09 PM UTC"},
    };
    for (const Case& c : cases) {
        platform::LocaleDateTimeTexts texts([&] { return when; }, QLocale(c.locale));
        EXPECT_EQ(texts.dateText(), c.date) << c.locale;
        EXPECT_EQ(texts.timeText(), c.time) << c.locale;
    }
}

TEST(LocaleDateTimeTexts, DateHasNoTimePartEvenAtMidnight) {
    platform::LocaleDateTimeTexts texts([] { return At(2024, 12, 31, 0, 0, 0); }, QLocale("en_GB"));
    EXPECT_EQ(texts.dateText(), "31/12/2024");
}

TEST(LocaleDateTimeTexts, EachCallReadsTheClockAfresh) {
    int calls = 0;
    platform::LocaleDateTimeTexts texts(
        [&] {
            ++calls;
            return At(2024, 3, 5, 23, 59, 58).addSecs(calls);
        },
        QLocale("de_DE"));
    QTextDocument doc;
    doc.setPlainText("<#Time> <#Date>\n<#Date> <#Time>\n<#Time>");
    platform::RichTextLines lines(doc);
    stencora::FillDateTimeTokens(lines, texts);
    // Line 0: the date is taken first (23:59:59), then the time, after midnight.
    EXPECT_EQ(lines.line(0), "00:00:00 UTC 05.03.24");
    EXPECT_EQ(lines.line(1), "06.03.24 00:00:02 UTC");
    EXPECT_EQ(lines.line(2), "00:00:03 UTC");
    EXPECT_EQ(calls, 5);
}

} // namespace
