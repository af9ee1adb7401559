// First, so the file-system members keep their names (windows_win.h).
#include "platform/win32/windows_win.h"
#include "shredder/shredder_window_win.h"

#include "platform/error.h"
#include "shredder/file_shredder.h"
#include "support/box_keys_win.h"
#include "support/message_probe_win.h"
#include "support/ui_session_win.h"
#include "ui/prompter_win.h"
#include "ui/wide_win.h"

namespace tw {
namespace {

using Kind = ScriptedPrompter::Kind;

class ShredderWindowTest : public UiTest {
protected:
    ShredderWindowTest() {
        for (const char* f : {"C:\\d\\a.txt", "C:\\d\\b.txt", "C:\\d\\c.txt"}) machine.files.AddFile(f, "content");
        machine.files.AddFolder("C:\\d\\sub");
    }
    static void Press(const ui::Control& control) { SendMessageW(control.Handle(), BM_CLICK, 0, 0); }
    std::string Title(int page) {
        wchar_t text[128] = {};
        GetWindowTextW(window->Page(page)->Handle(), text, 128);
        return ui::Narrow(text);
    }
    void Key(HWND target, WPARAM key) {
        MSG msg{target, WM_KEYDOWN, key, 0, 0, {}};
        ui::ProcessMessage(msg);
    }
    std::vector<std::string> Rows() const { return window->Files().Paths(); }
    // Visibility means something only on a shown window.
    void ShowListPage() {
        window->Open(TfrmShredder::kListPage);
        Settle();
        EXPECT_TRUE(IsWindowVisible(window->ListControls().files->Handle()));
    }

    std::unique_ptr<TfrmShredder> window = OpenTool<TfrmShredder>(context, TfrmShredder::kListPage);
};

TEST_F(ShredderWindowTest, PagesCarryTheirTitlesAndTheDefaultOptions) {
    ShowListPage();
    EXPECT_EQ(Title(TfrmShredder::kListPage), "File Shredder");
    EXPECT_EQ(Title(TfrmShredder::kOptionsPage), "File Shredder - Options");
    auto& list = window->ListControls();
    EXPECT_EQ(list.shred->Text(), "Shred Files");
    EXPECT_FALSE(list.progress->Visible());
    auto& options = window->OptionsControls();
    EXPECT_EQ(options.algorithms[3]->Text(), "DoD 5220.22-M (7 passes, military standard)");
    EXPECT_EQ(options.rename->Text(), "Rename the files before wiping for further security");
    EXPECT_EQ(window->ChosenOptions(), (ShredderOptions{3, true}));
}

TEST_F(ShredderWindowTest, DroppedAndBrowsedFilesAreAddedOnceAndFoldersIgnored) {
    window->BringToFront(TfrmShredder::kListPage);
    window->AddDroppedFiles({"C:\\d\\a.txt", "C:\\d\\sub", "C:\\d\\missing.txt", "C:\\D\\A.TXT"});
    EXPECT_EQ(Rows(), std::vector<std::string>{"C:\\d\\a.txt"});
    pickers.Files({"C:\\d\\b.txt", "c:\\d\\A.txt", "C:\\d\\c.txt"});
    Press(*window->ListControls().browse);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"C:\\d\\a.txt", "C:\\d\\b.txt", "C:\\d\\c.txt"}));
    EXPECT_EQ(window->ListControls().files->VisibleCount(), 3u);
}

TEST_F(ShredderWindowTest, DeleteKeyRemovesTheSelectedRowButNotItsFile) {
    window->AddDroppedFiles({"C:\\d\\a.txt", "C:\\d\\b.txt", "C:\\d\\c.txt"});
    auto& view = *window->ListControls().files;
    Key(view.Handle(), VK_DELETE);
    EXPECT_EQ(Rows().size(), 3u) << "nothing happens without a selection";
    view.Select({1, std::nullopt});
    Key(view.Handle(), VK_DELETE);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"C:\\d\\a.txt", "C:\\d\\c.txt"}));
    EXPECT_TRUE(machine.files.FileExists("C:\\d\\b.txt"));
    window->RemoveAll();
    EXPECT_TRUE(Rows().empty());
}

TEST_F(ShredderWindowTest, ShredFilesAsksFirstThenShredsEveryRowAndSaysSo) {
    ShowListPage();
    Press(*window->ListControls().shred);
    EXPECT_TRUE(prompter.History().empty()) << "an empty list asks nothing";

    window->AddDroppedFiles({"C:\\d\\a.txt", "C:\\d\\b.txt"});
    prompter.Answer(false).Answer(true);
    Press(*window->ListControls().shred);
    EXPECT_EQ(Rows().size(), 2u);
    Press(*window->ListControls().shred);
    EXPECT_TRUE(Rows().empty());
    EXPECT_FALSE(machine.files.FileExists("C:\\d\\a.txt"));
    EXPECT_FALSE(machine.files.FileExists("C:\\d\\b.txt"));
    EXPECT_FALSE(machine.files.FileExists("C:\\d\\$000000.tmp"));
    EXPECT_TRUE(machine.files.FileExists("C:\\d\\c.txt"));
    EXPECT_EQ(prompter.History().back().kind, Kind::Notify);
    EXPECT_EQ(prompter.History().back().text, "You have successfully deleted the files.");
    EXPECT_EQ(prompter.History().front().text,
              "This will delete the files in your list securely. These files will not be recoverable when deleted. "
              "Do you want to continue?");
    EXPECT_FALSE(window->ListControls().progress->Visible());
}

// Two stray Enters, one on the list and one on the real warning box, must
// not shred: the box opens with Cancel as its default.
TEST_F(ShredderWindowTest, EnterTwiceLeavesTheFilesBecauseTheWarningDefaultsToCancel) {
    ui::MessageBoxPrompter boxes;
    SuiteContext real{machine.Bundle(), settings, boxes, pickers, random, {}};
    window = std::make_unique<TfrmShredder>(real);
    boxes.SetOwner(window->Handle());
    window->Open(TfrmShredder::kListPage);
    window->AddDroppedFiles({"C:\\d\\a.txt"});
    SetFocus(window->ListControls().files->Handle());
    const BoxKeys enter(VK_RETURN);
    Key(window->ListControls().files->Handle(), VK_RETURN);
    EXPECT_EQ(enter.Answered(), 1) << "one box: the warning, no success notice";
    EXPECT_TRUE(machine.files.FileExists("C:\\d\\a.txt"));
    EXPECT_EQ(Rows(), std::vector<std::string>{"C:\\d\\a.txt"});
    window.reset();  // before the context it holds
}

TEST_F(ShredderWindowTest, AFailureInTheMiddleKeepsTheRowsAboveItAndReachesTheErrorHandler) {
    std::vector<std::string> errors;
    ui::SetErrorHandler([&](const std::string& text) { errors.push_back(text); });
    ShowListPage();
    machine.files.SetAttributes("C:\\d\\b.txt", FileAttr::ReadOnly);
    window->AddDroppedFiles({"C:\\d\\a.txt", "C:\\d\\b.txt", "C:\\d\\c.txt"});
    prompter.Answer(true);
    Press(*window->ListControls().shred);
    EXPECT_EQ(errors, std::vector<std::string>{"Cannot shred file \"C:\\d\\b.txt\". Access is denied."});
    EXPECT_EQ(Rows(), (std::vector<std::string>{"C:\\d\\a.txt", "C:\\d\\b.txt"}));
    EXPECT_EQ(window->ListControls().files->VisibleCount(), 2u);
    EXPECT_FALSE(machine.files.FileExists("C:\\d\\c.txt"));
    EXPECT_EQ(prompter.History().size(), 1u) << "no success notice";
    EXPECT_FALSE(window->Busy());
    EXPECT_TRUE(window->ListControls().shred->Enabled());
    EXPECT_FALSE(window->ListControls().progress->Visible());
}

// The folder of a listed file swapped for a link to a folder holding a file
// of the same name: the run stops on it, names it, and the window stays usable.
TEST_F(ShredderWindowTest, AFileSwappedBehindItsPathIsRefusedByNameAndTheWindowStaysUsable) {
    std::vector<std::string> errors;
    ui::SetErrorHandler([&](const std::string& text) { errors.push_back(text); });
    ShowListPage();
    machine.files.AddFile("C:\\other\\b.txt", "precious");
    window->AddDroppedFiles({"C:\\d\\a.txt", "C:\\d\\b.txt"});
    ASSERT_TRUE(machine.files.MoveFile("C:\\d", "C:\\d-aside"));
    machine.files.AddLink("C:\\d", "C:\\other");
    prompter.Answer(true);
    Press(*window->ListControls().shred);
    EXPECT_EQ(errors, std::vector<std::string>{FormatText(kNotTheListedFile, "C:\\d\\b.txt")});
    EXPECT_EQ(Rows(), (std::vector<std::string>{"C:\\d\\a.txt", "C:\\d\\b.txt"}));
    EXPECT_EQ(machine.files.Text("C:\\other\\b.txt"), "precious");
    EXPECT_EQ(machine.files.Text("C:\\d-aside\\b.txt"), "content");
    EXPECT_FALSE(window->Busy());
    EXPECT_TRUE(window->ListControls().shred->Enabled());
    EXPECT_FALSE(window->ListControls().progress->Visible());
}

TEST_F(ShredderWindowTest, MessagesFlowDuringARunButClosingWaitsForItsEnd) {
    machine.files.AddFile("C:\\d\\big.bin", std::vector<std::uint8_t>(3 * 1048576, 1));
    window->AddDroppedFiles({"C:\\d\\big.bin"});
    int closed = 0;
    window->onClosed = [&] { ++closed; };
    PostMessageW(window->Handle(), WM_CLOSE, 0, 0);
    prompter.Answer(true);
    Press(*window->ListControls().shred);
    EXPECT_EQ(closed, 0) << "the close posted before the run came while it wrote and was held off";
    EXPECT_FALSE(machine.files.FileExists("C:\\d\\big.bin"));
    EXPECT_EQ(prompter.History().back().kind, Kind::Notify) << "the notice came before the close";
    Settle();
    EXPECT_EQ(closed, 1) << "the held close is made once the run has ended";
}

TEST_F(ShredderWindowTest, TheRunShowsItsProgressBarAndDisablesItsButtonsOnlyWhileItLasts) {
    window->Open(TfrmShredder::kListPage);
    auto& list = window->ListControls();
    bool barShown = false, buttonsDisabled = false;
    MessageProbe probe([&] {
        barShown = list.progress->Visible();
        buttonsDisabled = !list.shred->Enabled() && !list.browse->Enabled();
    });
    window->AddDroppedFiles({"C:\\d\\a.txt"});
    EXPECT_FALSE(list.progress->Visible());
    probe.Post();
    prompter.Answer(true);
    Press(*list.shred);
    ASSERT_EQ(probe.Looks(), 1) << "messages ran during the run";
    EXPECT_TRUE(barShown);
    EXPECT_TRUE(buttonsDisabled);
    EXPECT_FALSE(list.progress->Visible());
    EXPECT_TRUE(list.shred->Enabled());
    EXPECT_TRUE(list.browse->Enabled());
}

TEST_F(ShredderWindowTest, TheContextMenuRemovesRowsAndShredsTheRest) {
    window->AddDroppedFiles({"C:\\d\\a.txt", "C:\\d\\b.txt", "C:\\d\\c.txt"});
    const ui::PopupMenu& menu = *window->ListControls().menu;
    std::vector<std::string> captions;
    for (const ui::MenuItem& item : menu.Items()) captions.push_back(item.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Remove", "Remove All", "Shred Files"}));

    window->ListControls().files->Select({0, std::nullopt});
    EXPECT_TRUE(menu.Choose("Remove"));
    EXPECT_EQ(Rows(), (std::vector<std::string>{"C:\\d\\b.txt", "C:\\d\\c.txt"}));
    prompter.Answer(true);
    EXPECT_TRUE(menu.Choose("Shred Files"));
    EXPECT_TRUE(Rows().empty());
    EXPECT_FALSE(machine.files.FileExists("C:\\d\\b.txt"));
    EXPECT_TRUE(machine.files.FileExists("C:\\d\\a.txt")) << "a removed row keeps its file";

    window->AddDroppedFiles({"C:\\d\\a.txt"});
    EXPECT_TRUE(menu.Choose("Remove All"));
    EXPECT_TRUE(Rows().empty());
    EXPECT_TRUE(machine.files.FileExists("C:\\d\\a.txt"));
}

TEST_F(ShredderWindowTest, OptionsAreReadAtCreationWrittenAtCloseAndDefaultsRestoreThem) {
    window.reset();
    settings.SetShredderAlgorithm(6);
    settings.SetShredderRename(false);
    window = OpenTool<TfrmShredder>(context, TfrmShredder::kOptionsPage);
    EXPECT_EQ(window->ChosenOptions(), (ShredderOptions{6, false}));

    auto& options = window->OptionsControls();
    Press(*options.defaults);
    EXPECT_EQ(window->ChosenOptions(), (ShredderOptions{3, true}));
    Press(*options.algorithms[0]);
    Press(*options.rename);
    EXPECT_EQ(window->ChosenOptions(), (ShredderOptions{1, false}));
    window->Close();
    EXPECT_EQ(settings.ShredderAlgorithm(), 1);
    EXPECT_FALSE(settings.ShredderRename());
}

TEST_F(ShredderWindowTest, HelpButtonsAskForTheirTopics) {
    Press(*window->ListControls().help);
    Press(*window->OptionsControls().help);
    const auto owner = win32::OwnerOf(window->Handle());
    EXPECT_EQ(helpShown,
              (std::vector<std::pair<OwnerWindow, std::string>>{{owner, "shredder2"}, {owner, "shredder3"}}));
}

}  // namespace
}  // namespace tw
