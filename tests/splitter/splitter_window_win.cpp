#include "splitter/splitter_window_win.h"

#include "splitter/file_splitter.h"
#include "splitter/split_sizes.h"
#include "support/ui_session_win.h"
#include "ui/wide_win.h"

namespace tw {
namespace {

using Kind = ScriptedPrompter::Kind;

class SplitterWindowTest : public UiTest {
protected:
    SplitterWindowTest() {
        machine.files.AddFile("C:\\in\\report.doc", std::vector<std::uint8_t>(3000000, 0x42));
        machine.files.AddFolder("C:\\out");
        window.Open(TfrmTweak::kSplitPage);
    }
    // A click as the mouse gives it: through the control's own window
    // procedure, so errors reach the general error handler.
    static void Press(const ui::Control& control) { SendMessageW(control.Handle(), BM_CLICK, 0, 0); }
    std::string Text(HWND hwnd) const {
        wchar_t text[256] = {};
        GetWindowTextW(hwnd, text, 256);
        return ui::Narrow(text);
    }
    std::vector<ScriptedPrompter::Shown> Notices() const { return prompter.History(); }

    NoProgress quiet;

    TfrmTweak window{context};
    TfrmTweak::SplitPage& split = window.SplitControls();
    TfrmTweak::JoinPage& join = window.JoinControls();
};

TEST_F(SplitterWindowTest, PagesCarryTheirTitlesCaptionsAndTheFirstSizeSelected) {
    EXPECT_EQ(Text(window.Page(TfrmTweak::kSplitPage)->Handle()), "Split Files");
    EXPECT_EQ(Text(window.Page(TfrmTweak::kJoinPage)->Handle()), "Join Files");
    EXPECT_EQ(window.Page(3), nullptr);
    for (std::size_t i = 0; i < kSplitSizes.size(); ++i) EXPECT_EQ(split.sizes[i]->Text(), kSplitSizes[i].caption);
    EXPECT_EQ(split.sizes[0]->Text(), "1.2 MB (5.25\" Floppy Disk)");
    EXPECT_EQ(window.SelectedSize(), 0u);
    EXPECT_EQ(split.customSize->Text(), "1");
    EXPECT_EQ(split.paths.fileHeading->Text(), "   Select File To Split");
    EXPECT_EQ(join.informationHeading->Text(), "   Splitted File Information");
    for (auto* label : {join.name.get(), join.size.get(), join.count.get()}) EXPECT_EQ(label->Text(), "---");
    EXPECT_EQ(split.paths.browseDestination->Text(), "B&rowse...");
}

TEST_F(SplitterWindowTest, TheCustomFieldIsEnabledOnlyWhileCustomSizeIsSelected) {
    EXPECT_FALSE(split.customSize->Enabled());
    Press(*split.sizes[kCustomSizeChoice]);
    EXPECT_EQ(window.SelectedSize(), kCustomSizeChoice);
    EXPECT_TRUE(split.customSize->Enabled());
    Press(*split.sizes[3]);
    EXPECT_EQ(window.SelectedSize(), 3u);
    EXPECT_FALSE(split.sizes[kCustomSizeChoice]->Checked());
    EXPECT_FALSE(split.customSize->Enabled());
}

TEST_F(SplitterWindowTest, BrowsingFillsTheFieldsAndSplitShowsItsNotice) {
    pickers.Files({"C:\\in\\report.doc"}).Folder("C:\\out");
    Press(*split.paths.browseFile);
    Press(*split.paths.browseDestination);
    EXPECT_EQ(split.paths.file->Text(), "C:\\in\\report.doc");
    EXPECT_EQ(split.paths.destination->Text(), "C:\\out");
    EXPECT_EQ(pickers.Titles(), (std::vector<std::string>{"", "Select Destination Directory"}));

    Press(*split.buttons.action);
    EXPECT_EQ(Notices(), (std::vector<ScriptedPrompter::Shown>{{Kind::Notify, std::string(kSplitDone)}}));
    EXPECT_EQ(machine.files.Content("C:\\out\\report.doc.00002").size(), 542400u);
}

TEST_F(SplitterWindowTest, CancelledDialogsLeaveTheFieldsAlone) {
    split.paths.file->SetText("C:\\typed.txt");
    pickers.Files({}).Folder(std::nullopt);
    Press(*split.paths.browseFile);
    Press(*split.paths.browseDestination);
    EXPECT_EQ(split.paths.file->Text(), "C:\\typed.txt");
    EXPECT_EQ(split.paths.destination->Text(), "");
}

TEST_F(SplitterWindowTest, ACustomSizeBelowOneIsRefusedWithAMessage) {
    split.paths.file->SetText("C:\\in\\report.doc");
    Press(*split.sizes[kCustomSizeChoice]);
    split.customSize->SetText("0");
    Press(*split.buttons.action);
    EXPECT_EQ(Notices(), (std::vector<ScriptedPrompter::Shown>{{Kind::Notify, std::string(kCustomSizeRefused)}}));
    EXPECT_FALSE(machine.files.FileExists("C:\\in\\report.doc.00000"));
}

TEST_F(SplitterWindowTest, InformationRowsFollowTheBrowseButtonNotHandEdits) {
    machine.files.AddFile("C:\\p\\movie.avi.00000", std::vector<std::uint8_t>(1000, 1));
    machine.files.AddFile("C:\\p\\movie.avi.00001", std::vector<std::uint8_t>(234, 2));
    pickers.Files({"C:\\p\\movie.avi.00001"});
    Press(*join.paths.browseFile);
    EXPECT_EQ(join.paths.file->Text(), "C:\\p\\movie.avi.00001");
    EXPECT_EQ(join.name->Text(), "movie.avi");
    EXPECT_EQ(join.size->Text(), "1234 bytes");
    EXPECT_EQ(join.count->Text(), "2");

    join.paths.file->SetText("C:\\in\\report.doc");
    EXPECT_EQ(join.name->Text(), "movie.avi");
    // A cancelled dialog still refreshes the rows from the field.
    pickers.Files({});
    Press(*join.paths.browseFile);
    EXPECT_EQ(join.name->Text(), "report");
    EXPECT_EQ(join.size->Text(), "0 bytes");
    EXPECT_EQ(join.count->Text(), "0");
}

TEST_F(SplitterWindowTest, JoinWritesTheSetAndShowsItsNotice) {
    ASSERT_EQ(SplitFile(machine.files, {"C:\\in\\report.doc", "", 0, "1"}, quiet), kSplitDone);
    join.paths.file->SetText("C:\\in\\report.doc.00001");
    pickers.Folder("C:\\out");
    Press(*join.paths.browseDestination);
    Press(*join.buttons.action);
    EXPECT_EQ(Notices(),
              (std::vector<ScriptedPrompter::Shown>{{Kind::Notify, "The file: report.doc is successfully joined"}}));
    EXPECT_EQ(machine.files.Content("C:\\out\\report.doc"), machine.files.Content("C:\\in\\report.doc"));
}

// Joined beside its pieces, the output's name is the original's, which the
// user may have changed since the split.
TEST_F(SplitterWindowTest, AJoinOverAnExistingFileAsksAndReplacesItOnlyOnOk) {
    ShowWindow(window.Handle(), SW_SHOW);
    ASSERT_EQ(SplitFile(machine.files, {"C:\\in\\report.doc", "", 0, "1"}, quiet), kSplitDone);
    machine.files.AddFile("C:\\in\\report.doc", "edited since");
    join.paths.file->SetText("C:\\in\\report.doc.00001");
    prompter.Answer(false);
    Press(*join.buttons.action);
    EXPECT_EQ(machine.files.Text("C:\\in\\report.doc"), "edited since");
    prompter.Answer(true);
    Press(*join.buttons.action);
    EXPECT_TRUE(machine.files.Content("C:\\in\\report.doc") == std::vector<std::uint8_t>(3000000, 0x42));
    const std::string question = "C:\\in\\report.doc already exists. Do you want to replace it?";
    EXPECT_EQ(Notices(), (std::vector<ScriptedPrompter::Shown>{
                             {Kind::Confirm, question},
                             {Kind::Confirm, question},
                             {Kind::Notify, "The file: report.doc is successfully joined"}}));
}

TEST_F(SplitterWindowTest, AFailureReachesTheErrorHandlerAndLeavesTheWindowUsable) {
    std::vector<std::string> errors;
    ui::SetErrorHandler([&](const std::string& text) { errors.push_back(text); });
    machine.files.LockFile("C:\\in\\report.doc");
    split.paths.file->SetText("C:\\in\\report.doc");
    Press(*split.buttons.action);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].starts_with("Cannot open file \"C:\\in\\report.doc\". ")) << errors[0];
    EXPECT_TRUE(Notices().empty());
    EXPECT_FALSE(window.Busy());
    EXPECT_TRUE(split.buttons.action->Enabled());
    EXPECT_TRUE(join.buttons.action->Enabled());
}

TEST_F(SplitterWindowTest, MessagesFlowDuringACopyButClosingWaitsForItsEnd) {
    int closed = 0;
    window.onClosed = [&] { ++closed; };
    split.paths.file->SetText("C:\\in\\report.doc");
    PostMessageW(window.Handle(), WM_CLOSE, 0, 0);
    Press(*split.buttons.action);
    EXPECT_EQ(closed, 0) << "the close posted before the split ran while it copied and was held off";
    EXPECT_EQ(Notices().size(), 1u);
    Settle();
    EXPECT_EQ(closed, 1) << "the held close is made once the copy has ended";
}

TEST_F(SplitterWindowTest, HelpButtonsAskForTheirTopicsAndEnterPressesThePageButton) {
    Press(*split.buttons.help);
    Press(*join.buttons.help);
    const auto owner = win32::OwnerOf(window.Handle());
    EXPECT_EQ(helpShown,
              (std::vector<std::pair<OwnerWindow, std::string>>{{owner, "splitter3"}, {owner, "splitter4"}}));

    window.BringToFront(TfrmTweak::kJoinPage);
    SetFocus(join.paths.file->Handle());
    MSG enter{join.paths.file->Handle(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    ui::ProcessMessage(enter);
    EXPECT_EQ(Notices(),
              (std::vector<ScriptedPrompter::Shown>{{Kind::Notify, "A file name must be specified to be joined."}}));
}

TEST_F(SplitterWindowTest, TabVisitsTheSplitPageInVisualOrder) {
    Press(*split.sizes[kCustomSizeChoice]);
    const std::vector<HWND> expected = {split.paths.file->Handle(),
                                        split.paths.browseFile->Handle(),
                                        split.paths.destination->Handle(),
                                        split.paths.browseDestination->Handle(),
                                        split.sizes[kCustomSizeChoice]->Handle(),
                                        split.customSize->Handle(),
                                        split.buttons.help->Handle(),
                                        split.buttons.action->Handle()};
    HWND at = expected.front();
    for (std::size_t i = 1; i < expected.size(); ++i) {
        at = GetNextDlgTabItem(window.Handle(), at, FALSE);
        EXPECT_EQ(at, expected[i]) << "step " << i << " reached \"" << Text(at) << "\"";
    }
    ShowWindow(window.Handle(), SW_HIDE);
}

}  // namespace
}  // namespace tw
