#include "suite/help_viewer.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "platform/text.h"

namespace tw {
namespace {

constexpr auto kFile = "C:\\Program Files\\Tidewell\\\\Help.chm";

TEST(HelpTopicAddress, BareTopicsGetTheDefaultExtension) {
    EXPECT_EQ(HelpTopicAddress(kFile, "registry2"), std::string(kFile) + "::/registry2.htm");
    EXPECT_EQ(HelpTopicAddress(kFile, "drive3"), std::string(kFile) + "::/drive3.htm");
    EXPECT_EQ(HelpTopicAddress(kFile, "notes.txt"), std::string(kFile) + "::/notes.txt.htm");
    EXPECT_EQ(HelpTopicAddress(kFile, "page.htmx"), std::string(kFile) + "::/page.htmx.htm");
}

TEST(HelpTopicAddress, PageExtensionsInAnyCaseAreKept) {
    for (const auto* topic : {"x.HTML", "y.Htm", "z.htm", "w.html"}) {
        EXPECT_EQ(HelpTopicAddress(kFile, topic), std::string(kFile) + "::/" + topic) << topic;
    }
}

TEST(HelpTopicAddress, OnlyTheLastPathComponentHasAnExtension) {
    EXPECT_EQ(HelpTopicAddress("H.chm", "pages.htm/intro"), "H.chm::/pages.htm/intro.htm");
    EXPECT_EQ(HelpTopicAddress("H.chm", "sub/intro.html"), "H.chm::/sub/intro.html");
}

TEST(IsCompiledHelpFile, JudgesTheTextAfterTheLastFullStop) {
    EXPECT_TRUE(IsCompiledHelpFile("C:\\Tidewell\\\\Help.chm"));
    EXPECT_TRUE(IsCompiledHelpFile("C:\\Tidewell\\HELP.CHM"));
    EXPECT_TRUE(IsCompiledHelpFile("Help.cHm"));
    EXPECT_FALSE(IsCompiledHelpFile("Help"));
    EXPECT_FALSE(IsCompiledHelpFile(""));
    EXPECT_FALSE(IsCompiledHelpFile("Help.chm.bak"));
    EXPECT_FALSE(IsCompiledHelpFile("Help.hlp"));
    EXPECT_FALSE(IsCompiledHelpFile("Help.chmx"));
    EXPECT_FALSE(IsCompiledHelpFile("C:\\old.chm\\Help"));
}

TEST(ResolveHelpFile, NamedFileWinsOverTheApplicationsOwn) {
    EXPECT_EQ(ResolveHelpFile("D:\\Other.chm", "C:\\T\\Help.chm", "C:\\T\\"), "D:\\Other.chm");
    EXPECT_EQ(ResolveHelpFile("", "C:\\T\\\\Help.chm", "C:\\T\\"), "C:\\T\\\\Help.chm");
    EXPECT_EQ(ResolveHelpFile("", "", "C:\\T\\"), "");
}

TEST(ResolveHelpFile, BareNameIsLookedForInTheProgramsFolder) {
    EXPECT_EQ(ResolveHelpFile("Help.chm", "", "C:\\T\\"), "C:\\T\\Help.chm");
    EXPECT_EQ(ResolveHelpFile("", "Help.chm", "C:\\T"), "C:\\T\\Help.chm");
    EXPECT_EQ(ResolveHelpFile("", "Help.chm", ""), "Help.chm");
    EXPECT_EQ(ResolveHelpFile("sub\\Help.chm", "", "C:\\T\\"), "sub\\Help.chm");
    EXPECT_EQ(ResolveHelpFile("D:Help.chm", "", "C:\\T\\"), "D:Help.chm");
}

TEST(KeywordFromRequest, DropsTheViewerNameAndTrimsBlanks) {
    EXPECT_EQ(KeywordFromRequest(std::string(kHelpViewerName) + ":backups"), "backups");
    EXPECT_EQ(KeywordFromRequest(std::string(kHelpViewerName) + ":   Recycle Bin  "), "Recycle Bin");
    EXPECT_EQ(KeywordFromRequest("viewer: MTU: maximum packet"), "MTU: maximum packet");
    EXPECT_EQ(KeywordFromRequest("  plain  "), "plain");
    EXPECT_EQ(KeywordFromRequest("viewer:"), "");
}

TEST(HelpFilePath, KeepsTheDoubledBackslash) {
    EXPECT_EQ(HelpFilePath("C:\\Program Files\\Tidewell\\"), "C:\\Program Files\\Tidewell\\\\Help.chm");
    EXPECT_TRUE(IsCompiledHelpFile(HelpFilePath("C:\\T\\")));
}

// The help folder of the source tree must hold a page for every topic a help
// button can ask for, and the project must compile each of them in; a
// missing page would open a blank help window.
class HelpSources : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "help";
        if (!std::filesystem::is_directory(folder_)) {
#ifdef _WIN32
            GTEST_SKIP() << "the source tree is not visible here; win32_tests checks the compiled file";
#else
            FAIL() << "no help folder at " << folder_;
#endif
        }
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    bool Exists(const std::string& name) const { return std::filesystem::is_regular_file(folder_ / name); }

    static constexpr std::array<std::string_view, 15> kTopics = {
        "registry2", "registry4", "drive2",   "drive3",   "startup2",   "startup3",  "internet3",  "internet4",
        "internet6", "history2",  "privacy2", "shredder2", "shredder3", "splitter3", "splitter4"};
    std::filesystem::path folder_;
};

TEST_F(HelpSources, EveryHelpButtonTopicHasItsPageInTheProject) {
    const std::string project = ToLowerAscii(Read("Help.hhp"));
    const std::string contents = Read("Help.hhc");
    for (const auto topic : kTopics) {
        const std::string page = std::string(topic) + ".htm";
        EXPECT_TRUE(Exists(page)) << page;
        EXPECT_NE(project.find("\n" + page), std::string::npos) << page << " is not in Help.hhp";
        EXPECT_NE(contents.find("\"" + page + "\""), std::string::npos) << page << " is not in Help.hhc";
    }
}

TEST_F(HelpSources, EveryLocalLinkAndEveryListedFileExists) {
    // Links in pages, and the "Local" pages of contents and index entries.
    const std::regex link(R"((?:href|src|name="Local"\s+value)\s*=\s*"([^"#:]+)(?:#[^"]*)?")", std::regex::icase);
    std::set<std::string> targets;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
        const std::string name = entry.path().filename().string();
        const std::string lower = ToLowerAscii(name);
        if (!EndsWithIgnoreCase(lower, ".htm") && !EndsWithIgnoreCase(lower, ".hhc") &&
            !EndsWithIgnoreCase(lower, ".hhk"))
            continue;
        const std::string text = Read(name);
        for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it) {
            targets.insert((*it)[1].str());
        }
    }
    EXPECT_GE(targets.size(), kTopics.size() + 1);  // the topic pages, the welcome page, the style sheet
    for (const auto& target : targets) EXPECT_TRUE(Exists(target)) << target;

    const std::string project = Read("Help.hhp");
    const auto files = project.find("[FILES]");
    ASSERT_NE(files, std::string::npos);
    std::istringstream lines(project.substr(files + 7));
    for (std::string line; std::getline(lines, line) && !line.starts_with('[');) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) {
            EXPECT_TRUE(Exists(line)) << line << " is listed in Help.hhp";
        }
    }
}

}  // namespace
}  // namespace tw
