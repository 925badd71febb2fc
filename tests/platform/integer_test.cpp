#include "platform/errors.h"
#include "platform/integer.h"

#include <gtest/gtest.h>

namespace {

struct IntCase {
    const char* text;
    bool ok;
    int value;
};

// Signed decimal, blanks allowed in front only, 32-bit range; no hex, no trailing text.
const IntCase kCases[] = {
    {"0", true, 0},
    {"20", true, 20},
    {"-3", true, -3},
    {"+7", true, 7},
    {"  42", true, 42},
    {"\t5", true, 5},
    {"007", true, 7},
    {"2147483647", true, 2147483647},
    {"-2147483648", true, -2147483647 - 1},
    {"2147483648", false, 0},
    {"-2147483649", false, 0},
    {"99999999999999999999", false, 0},
    {"", false, 0},
    {" ", false, 0},
    {"-", false, 0},
    {"+", false, 0},
    {"abc", false, 0},
    {"12a", false, 0},
    {"42 ", false, 0},
    {"1.5", false, 0},
    {"0x10", false, 0},
    {"$10", false, 0},
    {"--1", false, 0},
    {"1 000", false, 0},
};

TEST(StrToInt, TableOfTexts) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string("text '") + c.text + "'");
        if (c.ok) {
            EXPECT_EQ(platform::StrToInt(c.text), c.value);
        } else {
            int v = 0;
            EXPECT_FALSE(platform::TryStrToInt(c.text, v));
            EXPECT_THROW(platform::StrToInt(c.text), platform::ConvertError);
        }
    }
}

TEST(StrToInt, MessageQuotesTheTextAsGiven) {
    try {
        platform::StrToInt(" abc");
        FAIL() << "no error";
    } catch (const platform::ConvertError& e) {
        EXPECT_STREQ(e.what(), "' abc' is not a valid integer value");
        EXPECT_EQ(e.text(), " abc");
    }
}

} // namespace
