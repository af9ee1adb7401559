#include <gtest/gtest.h>

#include "platform/memory/memory_platform.h"
#include "services/path_rules.h"

namespace tw {
namespace {

struct Extraction {
    std::string_view text;
    std::string_view path;
};

void ExpectExtraction(std::initializer_list<Extraction> cases) {
    for (const Extraction& c : cases) EXPECT_EQ(ExtractStartupPath(c.text), c.path) << c.text;
}

class PathRules : public ::testing::Test {
protected:
    PathRules() {
        p.files.AddFile("C:\\Windows\\notepad.exe", "mz");
        p.files.AddFile("C:\\Windows\\system32\\shell32.dll", "mz");
        p.files.AddFile("C:\\Program Files\\App\\app.exe", "mz");
        p.files.AddFile("C:\\x.ex", "short extension");
        p.files.AddFile("C:\\Daten\\Prüfung.exe", "mz");
        p.files.AddFile("C:\\Daten\\a.ßxe", "non-ASCII extension");
        p.files.AddFolder("C:\\dir.old");
    }
    struct Reference {
        std::string_view text;
        bool valid;
        bool allowComma = false;
    };
    void ExpectValidity(std::initializer_list<Reference> cases) {
        for (const Reference& c : cases) {
            EXPECT_EQ(IsFileReferenceValid(p.files, p.system, c.text, c.allowComma), c.valid)
                << c.text << (c.allowComma ? " (comma allowed)" : "");
        }
    }
    MemoryPlatform p;
};

TEST_F(PathRules, ExpandsTheFourTokensInAnyCase) {
    EXPECT_EQ(ExpandPathVariables(p.system, "%SystemRoot%\\a;%SYSTEMDRIVE%\\b;%windir%\\c;%ProgramFiles%\\d"),
              "C:\\Windows\\a;C:\\b;C:\\Windows\\c;C:\\Program Files\\d");
    EXPECT_EQ(ExpandPathVariables(p.system, "%WINDIR%\\x"), "C:\\Windows\\x");
}

TEST_F(PathRules, ReplacesEveryOccurrenceOfAToken) {
    EXPECT_EQ(ExpandPathVariables(p.system, "%windir%;%WinDir%"), "C:\\Windows;C:\\Windows");
    p.system.SetEnvironment("windir", "%WINDIR%");
    EXPECT_EQ(ExpandPathVariables(p.system, "%windir%"), "%WINDIR%");
}

TEST_F(PathRules, LeavesOtherVariablesAndUnsetOnesBecomeEmpty) {
    p.system.SetEnvironment("TEMP", "C:\\Temp");
    EXPECT_EQ(ExpandPathVariables(p.system, "%TEMP%\\x"), "%TEMP%\\x");
    p.system.ClearEnvironment("ProgramFiles");
    EXPECT_EQ(ExpandPathVariables(p.system, "%ProgramFiles%\\App"), "\\App");
}

TEST_F(PathRules, LaterTokensApplyToEarlierReplacements) {
    p.system.SetEnvironment("SystemRoot", "%SystemDrive%\\WINNT");
    EXPECT_EQ(ExpandPathVariables(p.system, "%SystemRoot%"), "C:\\WINNT");
}

TEST_F(PathRules, LooksUpLocalPathsUpToTheExtension) {
    ExpectValidity({
        {"C:\\Windows\\notepad.exe", true},
        {"C:\\Windows\\notepad.exe /p", true},
        {"C:\\Windows\\missing.exe /p", false},
        {"\"C:\\Program Files\\App\\app.exe\" -x", true},
        {"\"C:\\Program Files\\App\\gone.exe\" -x", false},
        {"\"C:\\Windows\\gone.exe", false},
        {"c:\\windows\\notepad.exe", true},
        {"c:\\windows\\gone.exe", false},
        // Text that ends inside the extension is taken whole.
        {"C:\\x.ex", true},
        {"C:\\y.ex", false},
    });
}

TEST_F(PathRules, ExpandsTokensBeforeTesting) {
    ExpectValidity({
        {"%SystemRoot%\\system32\\x.dll", false},
        {"%SystemRoot%\\system32\\shell32.dll", true},
        {"%WINDIR%\\notepad.exe", true},
    });
}

TEST_F(PathRules, CommaEndsThePathOnlyForIconReferences) {
    ExpectValidity({
        {"C:\\WINDOWS\\system32\\gone.dll,4", true},
        {"C:\\WINDOWS\\system32\\gone.dll,4", false, true},
        {"C:\\WINDOWS\\system32\\shell32.dll,4", true, true},
    });
}

TEST_F(PathRules, FormsTheTestDoesNotLookAtAreValid) {
    ExpectValidity({
        {"", true},
        {"C:\\My.Folder\\gone.exe", true},
        {"C:\\x\\file.html", true},
        {"\\\\server\\share\\gone.exe", true},
        {"gone.exe", true},
        {"C:gone.exe", true},
        {"1:\\gone.exe", true},
        {"C:\\Windows", true},
    });
}

TEST_F(PathRules, OnlyFilesCount) {
    // Without a full stop the path is the first three characters: a drive
    // root, which is a folder.
    ExpectValidity({{"C:\\dir.old", false}, {"C:\\", false}});
}

TEST_F(PathRules, CountsCharactersNotBytes) {
    ExpectValidity({{"C:\\Daten\\Prüfung.exe /x", true}, {"C:\\Daten\\a.ßxe", true}});
}

TEST(StartupPath, ReducesCommandLinesToTheProgram) {
    ExpectExtraction({
        {"C:\\Windows\\notepad.exe /p", "C:\\Windows\\notepad.exe"},
        {"\"C:\\Program Files\\App\\app.exe\" -x", "C:\\Program Files\\App\\app.exe"},
        {"\"C:\\Program Files\\App\\app.exe\"", "C:\\Program Files\\App\\app.exe"},
        {"\"C:\\app.exe", "C:\\app.exe"},
        {"c:\\app.exe", "c:\\app.exe"},
        {"C:\\x.ex", "C:\\x.ex"},
        {"C:\\", "C:\\"},
    });
}

TEST(StartupPath, UnquotedFormsItCannotReduceGiveNothing) {
    ExpectExtraction({
        {"", ""},
        {"C:\\My.Folder\\app.exe", ""},
        {"\\\\server\\share\\app.exe", ""},
        {"app.exe", ""},
        {"C:\\x\\file.html", ""},
        {"C:\\Windows", ""},
        {"1:\\app.exe", ""},
        {"C:\\WINDOWS\\system32\\shell32.dll,4", ""},
        {"%windir%\\notepad.exe", ""},
    });
}

TEST(StartupPath, QuotedFormsItCannotReduceGiveTheRemainder) {
    ExpectExtraction({
        {"\"C:\\My.Folder\\app.exe\" -x", "C:\\My.Folder\\app.exe\" -x"},
        {"\"\\\\server\\share\\app.exe\" /x", "\\\\server\\share\\app.exe\" /x"},
        {"\"app.exe\"", "app.exe\""},
    });
}

TEST(StartupPath, QuotedInputIsCheckedAfterTheClosingQuote) {
    ExpectExtraction({
        {"\"C:\\app.exe\"x", "C:\\app.exe\"x"},
        {"\"C:\\app.exe\" x", "C:\\app.exe"},
    });
}

TEST_F(PathRules, SpecialFoldersComeFromTheShell) {
    EXPECT_EQ(SpecialFolderPath(p.shell, Csidl::Fonts), "C:\\Windows\\Fonts");
    EXPECT_EQ(SpecialFolderPath(p.shell, 0x7f), "");
}

}  // namespace
}  // namespace tw
