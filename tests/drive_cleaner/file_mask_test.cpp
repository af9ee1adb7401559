#include <gtest/gtest.h>

#include <string>

#include "drive_cleaner/file_mask.h"
#include "platform/error.h"

namespace tw {
namespace {

struct MaskCase {
    const char* name;
    const char* mask;
    bool matches;
};

TEST(FileMaskTest, MatchesAsTheMaskSyntaxSays) {
    const MaskCase cases[] = {
        // Letters ignore case, other characters compare exactly.
        {"REPORT.TMP", "*.tmp", true},
        {"report.tmp", "*.TMP", true},
        {"report.tmpx", "*.tmp", false},
        {"xreport.tmp", "report.tmp", false},
        {"\xC3\xA9t\xC3\xA9.tmp", "\xC3\x89T\xC3\x89.tmp", false},  // only a-z fold
        // "*" takes any run, "." and "\" included, and several act as one.
        {".tmp", "*.tmp", true},
        {"a.b.c.tmp", "*.tmp", true},
        {"dir\\x.tmp", "*.tmp", true},
        {"abc", "a***c", true},
        {"file0001.chk", "file*.chk", true},
        {"file.chk", "file*.chk", true},
        {"fil.chk", "file*.chk", false},
        {"a.tmp.bak", "*.tmp", false},
        {"aXbXc", "*b*c", true},
        {"aXbXcX", "*b*c", false},
        // "?" is exactly one character, a UTF-8 one too; after "*" it is dropped.
        {"a.tmp", "?.tmp", true},
        {".tmp", "?.tmp", false},
        {"ab.tmp", "?.tmp", false},
        {"\xC3\xA9.tmp", "?.tmp", true},
        {"", "*?", true},
        {"", "*??", true},
        {"x", "?*", true},
        {"", "?*", false},
        // Sets, ranges (bounds without case) and negation.
        {"b.old", "[abc].old", true},
        {"B.old", "[abc].old", true},
        {"d.old", "[abc].old", false},
        {"M.log", "[a-z].log", true},
        {"m.log", "[A-Z].log", true},
        {"5.log", "[a-z].log", false},
        {"5.log", "[!a-z].log", true},
        {"q.log", "[!a-z].log", false},
        {"-.log", "[a-].log", true},
        // A "-" after a range has a character before it: the range's end.
        {"dx", "[a-c-e]x", true},
        {"Ax", "[a-c-e]x", true},
        {"fx", "[a-c-e]x", false},
        {"-x", "[a-c-e]x", false},
        {"file7.chk", "file?.chk", true},
        {"ab5.log", "ab[0-9].log", true},
        {"$.$$$", "*.$$$", true},
        {"~x.~mp", "*.~mp", true},
    };
    for (const auto& c : cases) EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches) << c.name << " ~ " << c.mask;
}

std::string InvalidText(const std::string& mask) {
    try {
        FileMask{mask};
    } catch (const Error& e) {
        return e.what();
    }
    return "valid";
}

TEST(FileMaskTest, InvalidMasksNameTheirPosition) {
    std::string thirtyStars, thirtyOneStars;
    for (int i = 0; i < 30; ++i) thirtyStars += "*a";
    thirtyOneStars = thirtyStars + "*a";
    const std::pair<std::string, std::string> cases[] = {
        {"*.[ab", "'*.[ab' is an invalid mask at (6)"},      // not closed
        {"[", "'[' is an invalid mask at (2)"},
        {"x[]", "'x[]' is an invalid mask at (3)"},          // empty
        {"[!]", "'[!]' is an invalid mask at (3)"},
        {"[-z]", "'[-z]' is an invalid mask at (2)"},        // "-" with nothing before it
        {"[!-a]", "'[!-a]' is an invalid mask at (3)"},
        {"[a-c-", "'[a-c-' is an invalid mask at (6)"},
        {"[a-c-e]", "valid"},
        {"%d[", "'%d[' is an invalid mask at (4)"},
        {thirtyOneStars, "'" + thirtyOneStars + "' is an invalid mask at (61)"},
        {thirtyStars, "valid"},
        {"a***b", "valid"},
    };
    for (const auto& [mask, text] : cases) EXPECT_EQ(InvalidText(mask), text) << mask;
}

}  // namespace
}  // namespace tw
