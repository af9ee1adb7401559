// Text at the platform boundary: WTF-8 both ways and the name comparison.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "platform/text.h"

namespace tw {
namespace {

TEST(Wtf8, AnySequenceOfUnitsComesBackUnchanged) {
    const std::u16string cases[] = {
        u"", u"plain", u"Grüße Ключ 中文", u"\U0001F600 pair", u"\xD800", u"\xDC00", u"a\xDBFFz",
        u"\xDC00\xD800",  // a low before a high is two lone halves, not a pair
        u"\xD800\xD800\xDC00", std::u16string(u"nul\0inside", 10), u"\xFFFF\xFFFE",
    };
    for (const std::u16string& units : cases) {
        EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(units)), units) << Utf16ToUtf8(units);
    }
    EXPECT_EQ(Utf16ToUtf8(u"\xD800"), "\xED\xA0\x80");
    EXPECT_EQ(Utf16ToUtf8(u"\xD83D\xDE00"), "\xF0\x9F\x98\x80");
}

TEST(Wtf8, MalformedInputBecomesReplacementCharacters) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"\xC0\x80", u"\xFFFD\xFFFD"},      // overlong NUL
        {"\xE0\x80\xAF", u"\xFFFD\xFFFD\xFFFD"},
        {"\xF4\x90\x80\x80", u"\xFFFD\xFFFD\xFFFD\xFFFD"},  // past U+10FFFF
        {"a\xE2\x82", u"a\xFFFD\xFFFD"},    // cut short
        {"\x80z", u"\xFFFDz"},
    };
    for (const auto& [bytes, units] : cases) EXPECT_EQ(Utf8ToUtf16(bytes), units);
}

TEST(NameComparison, PairsAsWindowsComparesThem) {
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"Ž", "ž", true},   {"Ł", "ł", true},   {"Ÿ", "ÿ", true},    {"Ǆ", "ǆ", true},  {"ǅ", "ǆ", false},
        {"ａ", "Ａ", true}, {"Ω", "ω", true},   {"Ä", "ä", true},    {"Я", "я", true},  {"ſ", "S", false},
        {"ς", "σ", false},  {"ς", "Σ", false},  {"ı", "I", false},   {"µ", "Μ", false},
        {"Ž", "ż", false},  {"Ż", "ź", false},  {"Ń", "ł", false},   {"Ŀ", "ŀ", true},  {"Ŋ", "ŉ", false},
        {"ß", "SS", false}, {"ﬃ", "FFI", false}, {"a", "b", false},  {"x\xED\xA0\x80", "X\xED\xA0\x80", true},
        {"\xED\xA0\x80", "\xED\xB0\x80", false},
    };
    for (const auto& c : cases) EXPECT_EQ(EqualsIgnoreCase(c.a, c.b), c.same) << c.a << " / " << c.b;
}

#ifndef _WIN32
// Every BMP unit against the Unicode data on this machine (Debian's
// unicode-data): a unit upper-cases only when it and its simple upper case
// are a pair (the upper case lower-cases back to it), as in Windows' table.
TEST(NameComparison, EveryUnitUpcasesAsTheUnicodeDataSays) {
    std::ifstream data("/usr/share/unicode/UnicodeData.txt");
    ASSERT_TRUE(data) << "install unicode-data (scripts/setup.sh)";
    std::map<unsigned long, unsigned long> upper, lower;
    for (std::string line; std::getline(data, line);) {
        std::vector<std::string> fields;
        std::stringstream split(line + ";");
        for (std::string field; std::getline(split, field, ';');) fields.push_back(field);
        ASSERT_GE(fields.size(), 14u) << line;
        const unsigned long unit = std::stoul(fields[0], nullptr, 16);
        if (!fields[12].empty()) upper[unit] = std::stoul(fields[12], nullptr, 16);
        if (!fields[13].empty()) lower[unit] = std::stoul(fields[13], nullptr, 16);
    }
    std::vector<char16_t> expected(0x10000);
    for (std::size_t unit = 0; unit < expected.size(); ++unit) expected[unit] = static_cast<char16_t>(unit);
    std::size_t pairs = 0;
    for (const auto& [unit, up] : upper) {
        const auto back = lower.find(up);
        if (unit > 0xFFFF || up > 0xFFFF || back == lower.end() || back->second != unit) continue;
        expected[unit] = static_cast<char16_t>(up);
        ++pairs;
    }
    EXPECT_GT(pairs, 1100u);
    for (std::size_t unit = 0; unit < expected.size(); ++unit) {
        ASSERT_EQ(UpcaseUnit(static_cast<char16_t>(unit)), expected[unit]) << "U+" << std::hex << unit;
    }
}
#endif

}  // namespace
}  // namespace tw
