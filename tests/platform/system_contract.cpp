// The system contract: version, environment, clock, locale texts, the ANSI
// code page and the clipboard.
#include "contract_env.h"
#include "platform/text.h"

namespace tw::test {
namespace {

TEST_P(SystemContract, VersionIsAnNtFamilyWindows) {
    const auto version = P().system.Version();
    ASSERT_TRUE(version.has_value());
    EXPECT_EQ(version->platformId, 2u);
    EXPECT_GE(version->major, 5u);
}

// Only 64-bit Windows has a 32-bit program folder; a 64-bit program runs
// on nothing else.
TEST_P(SystemContract, Windows64GoesWithTheProgramFolderForX86) {
    const System& system = P().system;
    EXPECT_EQ(system.Windows64(), system.Environment("ProgramFiles(x86)").has_value());
    if (sizeof(void*) == 8) {
        EXPECT_TRUE(system.Windows64());
    }
}

TEST_P(SystemContract, EnvironmentNamesCompareWithoutCase) {
    Env().SetVariable("TIDEWELL_CONTRACT_VAR", "Wert ü 中");
    Env().SetVariable("TIDEWELL_CONTRACT_EMPTY", "");
    const System& system = P().system;
    EXPECT_EQ(system.Environment("TIDEWELL_CONTRACT_VAR"), "Wert ü 中");
    EXPECT_EQ(system.Environment("tidewell_contract_var"), "Wert ü 中");
    EXPECT_EQ(system.Environment("TIDEWELL_CONTRACT_EMPTY"), "") << "set, but empty";
    EXPECT_FALSE(system.Environment("TIDEWELL_CONTRACT_UNSET").has_value());
    const auto root = system.Environment("SystemRoot");
    ASSERT_TRUE(root.has_value());
    EXPECT_TRUE(EqualsIgnoreCase(*root, P().files.WindowsFolder()));
}

TEST_P(SystemContract, ClockGivesPlausibleLocalTimes) {
    const LocalTime now = P().system.Now();
    EXPECT_GE(now.year, 2024);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12);
    EXPECT_TRUE(now.day >= 1 && now.day <= 31);
    EXPECT_TRUE(now.hour >= 0 && now.hour <= 23);
    // 2020-06-15 12:34:56 UTC; the local offset is whole minutes, at most a
    // day, so only the date may move by one and the seconds stay.
    const LocalTime t = P().system.ToLocalTime(132367676960000000ULL);
    EXPECT_EQ(t.year, 2020);
    EXPECT_EQ(t.month, 6);
    EXPECT_TRUE(t.day >= 14 && t.day <= 16) << t.day;
    EXPECT_EQ(t.second, 56);
}

TEST_P(SystemContract, LocaleTexts) {
    const System& system = P().system;
    for (int month = 1; month <= 12; ++month) EXPECT_FALSE(system.MonthName(month).empty()) << month;
    EXPECT_FALSE(system.AmDesignator().empty());
    EXPECT_FALSE(system.PmDesignator().empty());
    EXPECT_FALSE(system.DateSeparator().empty());
    if (!Env().EnglishUsLocale()) GTEST_SKIP() << "the exact texts are those of English (United States)";
    EXPECT_EQ(system.MonthName(1), "January");
    EXPECT_EQ(system.MonthName(5), "May");
    EXPECT_EQ(system.MonthName(12), "December");
    EXPECT_EQ(system.AmDesignator(), "AM");
    EXPECT_EQ(system.PmDesignator(), "PM");
    EXPECT_EQ(system.DateSeparator(), "/");
}

TEST_P(SystemContract, ToAnsiRefusesWhatTheCodePageCannotHold) {
    const System& system = P().system;
    EXPECT_EQ(system.ToAnsi(u""), "");
    EXPECT_EQ(system.ToAnsi(u"Registry Cleaner 1.0"), "Registry Cleaner 1.0");
    EXPECT_TRUE(system.ToAnsi(u"café").has_value());
    EXPECT_FALSE(system.ToAnsi(u"中").has_value()) << "no best-fit guess, no '?'";
    EXPECT_FALSE(system.ToAnsi(u"abc 中 def").has_value());
    if (!Env().EnglishUsLocale()) GTEST_SKIP() << "the exact bytes are those of code page 1252";
    EXPECT_EQ(system.ToAnsi(u"é"), "\xE9");
    EXPECT_EQ(system.ToAnsi(u"€"), "\x80");
    EXPECT_FALSE(system.ToAnsi(u"Ā").has_value()) << "best fit would give 'A'";
}

TEST_P(SystemContract, ClipboardEmptiesUnlessAnotherProgramHoldsIt) {
    Clipboard& clipboard = P().clipboard;
    EXPECT_EQ(clipboard.Empty(), ClipboardResult::Emptied);
    Env().HoldClipboard();
    EXPECT_EQ(clipboard.Empty(), ClipboardResult::NotOpened);
    Env().ReleaseClipboard();
    EXPECT_EQ(clipboard.Empty(), ClipboardResult::Emptied);
}

}  // namespace
}  // namespace tw::test
