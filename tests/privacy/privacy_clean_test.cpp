#include <gtest/gtest.h>

#include "platform/error.h"
#include "platform/memory/memory_platform.h"
#include "privacy/privacy_clean.h"
#include "privacy/recent_traces.h"
#include "privacy/trace_cleaners.h"
#include "seeded_traces.h"
#include "services/scripted_prompter.h"
#include "support/forwarding_file_system.h"

namespace tw {
namespace {

using enum ItemStatus;
using Statuses = std::array<ItemStatus, kPrivacyItemCount>;

constexpr std::size_t kSwapRow = static_cast<std::size_t>(PrivacyItem::SwapFile);
constexpr std::size_t kClipboardRow = static_cast<std::size_t>(PrivacyItem::Clipboard);

Statuses All(ItemStatus status) {
    Statuses all;
    all.fill(status);
    return all;
}

class PrivacyCleanTest : public ::testing::Test {
protected:
    PrivacyCleanTest() {
        test::SeedRegistryTraces(p.registry);
        for (const char* name : {"letter.txt.lnk", "photo.jpg.lnk", "desktop.ini"}) p.files.AddFile(Recent(name), "L");
        p.files.AddFile(Recent("hidden.lnk"), {'h'}, FileAttr::Hidden);
        p.files.AddFile(Recent("system.lnk"), {'s'}, FileAttr::System | FileAttr::Hidden);
        p.files.AddFile(Recent("Sub\\inner.lnk"), "kept");
        p.clipboard.SetText("secret");
    }
    std::string Recent(std::string_view name = {}) const {
        return p.shell.SpecialFolderPath(Csidl::Recent) + "\\" + std::string(name);
    }
    std::vector<std::string> RecentNames() const {
        std::vector<std::string> names;
        for (const FoundFile& f : p.files.Find(Recent("*.*"))) names.push_back(f.name);
        return names;
    }
    // One run answered with OK; the rows whose status was marked are kept.
    bool Run(bool ok = true) {
        prompter.Answer(ok);
        marked.clear();
        Platform bundle = p.Bundle();
        return RunPrivacyClean(rows, prompter, bundle, kNoOwner, [this](std::size_t row) { marked.push_back(row); });
    }
    std::string ErrorOfRun() {
        try {
            Run();
        } catch (const Error& e) {
            return e.what();
        }
        return "no error";
    }
    void SelectAll(bool on) { rows.selected.fill(on); }

    MemoryPlatform p;
    SettingsStore settings{p.registry};
    ScriptedPrompter prompter;
    PrivacyRows rows = LoadPrivacyRows(settings);
    std::vector<std::size_t> marked;
};

TEST_F(PrivacyCleanTest, FirstRunWithoutTheSubKeyTicksAllButTheClipboardAndCloseWritesAllEleven) {
    EXPECT_FALSE(p.registry.KeyExists(kLocalMachine, "Software\\Quorvex Software\\Tidewell\\Privacy"));
    std::array<bool, kPrivacyItemCount> expected;
    expected.fill(true);
    expected[kClipboardRow] = false;
    EXPECT_EQ(rows.selected, expected);
    EXPECT_EQ(rows.status, All(NotRun));

    rows.selected[2] = false;
    SavePrivacySelection(settings, rows);
    EXPECT_EQ(settings.ValueNames(SettingsStore::kPrivacy).size(), kPrivacyItemCount);
    EXPECT_EQ(LoadPrivacyRows(settings).selected, rows.selected);
}

TEST_F(PrivacyCleanTest, AFullRunClearsEveryTraceAndNothingElse) {
    SelectAll(true);
    EXPECT_TRUE(Run());
    EXPECT_EQ(prompter.History().front().text, kPrivacyQuestion);
    EXPECT_EQ(rows.status, All(Cleaned));
    EXPECT_EQ(marked, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));

    EXPECT_EQ(test::RemainingTraces(p.registry), std::vector<std::string>{});
    EXPECT_EQ(test::MissingNeighbours(p.registry), std::vector<std::string>{});
    EXPECT_EQ(p.registry.ReadValue(kLocalMachine, kMemoryManagementKey, kClearPageFileValue), RegValue::Dword(1));
    EXPECT_EQ(RecentNames(), std::vector<std::string>{"Sub"});
    EXPECT_EQ(p.files.Text(Recent("Sub\\inner.lnk")), "kept");
    EXPECT_EQ(p.shell.EmptyRecycleBinCalls(), std::vector<ShellFeedback>{ShellFeedback::ProgressAndSound});
    EXPECT_EQ(p.shell.NotifiedFolders(), std::vector<std::string>{Recent().substr(0, Recent().size() - 1)});
    EXPECT_EQ(p.clipboard.Text(), "");
}

TEST_F(PrivacyCleanTest, WithEveryBoxUntickedElevenRowsPassAndNothingChanges) {
    SelectAll(false);
    const auto traces = test::RemainingTraces(p.registry);
    const auto recent = RecentNames();
    EXPECT_TRUE(Run());
    EXPECT_EQ(rows.status, All(Passed));
    EXPECT_EQ(marked.size(), kPrivacyItemCount);
    EXPECT_EQ(test::RemainingTraces(p.registry), traces);
    EXPECT_EQ(RecentNames(), recent);
    EXPECT_FALSE(p.registry.KeyExists(kLocalMachine, kMemoryManagementKey));
    EXPECT_TRUE(p.shell.EmptyRecycleBinCalls().empty());
    EXPECT_TRUE(p.shell.NotifiedFolders().empty());
    EXPECT_EQ(p.clipboard.Text(), "secret");
}

TEST_F(PrivacyCleanTest, ASecondRunSetsEveryStatusAfresh) {
    SelectAll(true);
    Run();
    rows.selected[3] = false;
    rows.selected[kClipboardRow] = false;
    Run();
    Statuses expected = All(Cleaned);
    expected[3] = expected[kClipboardRow] = Passed;
    EXPECT_EQ(rows.status, expected);
    EXPECT_EQ(p.shell.EmptyRecycleBinCalls().size(), 2u);
}

TEST_F(PrivacyCleanTest, CancelKeepsEarlierStatusesAndChangesNothing) {
    rows.selected.fill(false);
    rows.selected[0] = true;
    Run();
    const Statuses before = rows.status;
    test::SeedRegistryTraces(p.registry);
    const auto traces = test::RemainingTraces(p.registry);
    SelectAll(true);
    EXPECT_FALSE(Run(false));
    EXPECT_EQ(rows.status, before);
    EXPECT_TRUE(marked.empty());
    EXPECT_EQ(test::RemainingTraces(p.registry), traces);
    EXPECT_TRUE(p.shell.EmptyRecycleBinCalls().empty());
    EXPECT_EQ(p.clipboard.Text(), "secret");
}

TEST_F(PrivacyCleanTest, AMissingRunMruStillMakesTheRowCleanedAndCreatesNothing) {
    MemoryPlatform bare;
    PrivacyRows only;
    only.selected[0] = true;
    prompter.Answer(true);
    Platform bundle = bare.Bundle();
    RunPrivacyClean(only, prompter, bundle, kNoOwner, {});
    EXPECT_EQ(only.status[0], Cleaned);
    EXPECT_FALSE(bare.registry.KeyExists(kCurrentUser, "Software\\Microsoft"));
}

// A stop at row `stopRow` keeps the new statuses above it and the old ones
// from it on, and leaves the traces of the later rows in place.
struct StopCase {
    const char* name;
    std::function<void(MemoryPlatform&)> fault;
    std::size_t stopRow;
    const char* error;
    friend void PrintTo(const StopCase& c, std::ostream* out) { *out << c.name; }
};

class PrivacyStopTest : public PrivacyCleanTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(PrivacyStopTest, RowsBeforeKeepTheirNewStatusTheRestTheirOld) {
    SelectAll(false);
    Run();
    SelectAll(true);
    GetParam().fault(p);
    EXPECT_EQ(ErrorOfRun(), GetParam().error);
    for (std::size_t row = 0; row < kPrivacyItemCount; ++row)
        EXPECT_EQ(rows.status[row], row < GetParam().stopRow ? Cleaned : Passed) << "row " << row;
    EXPECT_EQ(marked.size(), GetParam().stopRow);
    const bool laterRowsRan = GetParam().stopRow > static_cast<std::size_t>(PrivacyItem::RecentDocuments);
    EXPECT_EQ(RecentNames().size() == 1, laterRowsRan);
    EXPECT_EQ(p.clipboard.Text(), "secret");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, PrivacyStopTest,
    ::testing::Values(
        StopCase{"PageFileKeyReadOnly",
                 [](MemoryPlatform& m) {
                     m.registry.CreateKey(kLocalMachine, kMemoryManagementKey);
                     m.registry.MakeReadOnly(kLocalMachine, kMemoryManagementKey);
                 },
                 kSwapRow, "Failed to set data for 'ClearPageFileAtShutdown'"},
        StopCase{"PageFileKeyUnopenable",
                 [](MemoryPlatform& m) { m.registry.FailOpen(kLocalMachine, "SYSTEM"); }, kSwapRow,
                 "Failed to set data for 'ClearPageFileAtShutdown'"},
        StopCase{"ClipboardHeldByAnotherProgram", [](MemoryPlatform& m) { m.clipboard.SetHeldByOther(true); },
                 kClipboardRow, "Cannot open clipboard"},
        StopCase{"ClipboardOpensButCannotBeEmptied", [](MemoryPlatform& m) { m.clipboard.SetEmptyFails(true); },
                 kClipboardRow, "Cannot empty clipboard"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrivacyCleanTest, RecentFolderLeavesSubFoldersLinksAndUndeletableFiles) {
    p.files.AddFile(Recent("read-only.lnk"), {'r'}, FileAttr::ReadOnly);
    p.files.AddFile(Recent("in use.lnk"), "busy");
    p.files.LockFile(Recent("in use.lnk"));
    p.files.AddFile("C:\\Elsewhere\\precious.doc", "mine");
    p.files.AddFile("C:\\Elsewhere\\other.doc", "mine too");
    // Links out of the folder, a junction and a link to a file, are left
    // alone with what they lead to.
    p.files.AddLink(Recent("Linked"), "C:\\Elsewhere");
    p.files.AddLink(Recent("precious.doc"), "C:\\Elsewhere\\precious.doc");
    EXPECT_FALSE(CleanRecentFolder(p.shell, p.files).empty());
    auto names = RecentNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Linked", "Sub", "in use.lnk", "precious.doc", "read-only.lnk"}));
    EXPECT_EQ(p.files.Text("C:\\Elsewhere\\precious.doc"), "mine");
    EXPECT_EQ(p.files.Text("C:\\Elsewhere\\other.doc"), "mine too");
}

// Counts every listing and deletion, wherever it would land.
class WatchedFiles final : public test::ForwardingFileSystem {
public:
    using ForwardingFileSystem::ForwardingFileSystem;
    std::vector<FoundFile> Find(std::string_view pattern) const override {
        ++touches;
        return Inner().Find(pattern);
    }
    bool DeleteFile(std::string_view path) override {
        ++touches;
        return Inner().DeleteFile(path);
    }
    mutable int touches = 0;
};

TEST_F(PrivacyCleanTest, ARecentPathThatIsNotARealAbsoluteFolderDeletesNothing) {
    p.files.AddFile("C:\\Recent\\file.lnk", "x");
    p.files.AddFolder("C:\\Junction", FileAttr::Directory | FileAttr::ReparsePoint);
    for (const char* path : {"", "Recent", "C:Recent", "\\Recent", "C:\\Junction", "C:\\Missing", "C:\\Recent\\file.lnk"}) {
        p.shell.SetSpecialFolder(Csidl::Recent, path);
        WatchedFiles files(p.files);
        EXPECT_EQ(CleanRecentFolder(p.shell, files), "") << path;
        EXPECT_EQ(files.touches, 0) << path;
    }
}

TEST_F(PrivacyCleanTest, AnEmptyRecentPathStillClearsRecentDocsAndMarksTheRowCleaned) {
    p.shell.SetSpecialFolder(Csidl::Recent, "");
    rows.selected.fill(false);
    rows.selected[static_cast<std::size_t>(PrivacyItem::RecentDocuments)] = true;
    Run();
    EXPECT_EQ(rows.status[static_cast<std::size_t>(PrivacyItem::RecentDocuments)], Cleaned);
    EXPECT_EQ(p.registry.SubKeyNames(kCurrentUser, kRecentDocsKey), std::vector<std::string>{});
    EXPECT_TRUE(p.shell.NotifiedFolders().empty());
}

}  // namespace
}  // namespace tw
