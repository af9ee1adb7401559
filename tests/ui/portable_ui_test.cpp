#include <gtest/gtest.h>

#include "suite/tool_catalog.h"
#include "suite/window_region.h"
#include "ui/check_tree.h"
#include "ui/gradient.h"
#include "ui/number_text.h"
#include "ui/palette.h"
#include "ui/progress_text.h"

namespace tw {
namespace {

using ui::CheckState;

TEST(ListGradient, BandsFollowTheRoundingRuleAndSpanTheWholeHeight) {
    const auto bands = ui::ListGradientBands(500);
    ASSERT_EQ(bands.size(), 251u);
    EXPECT_EQ(bands.front().color, (ui::Rgb{221, 221, 219}));
    EXPECT_EQ(bands[250].color, (ui::Rgb{235, 235, 235}));
    // 125 * 14 / 250 = 7 exactly; 9 * 14 / 250 = 0.504 rounds up; 8 * 16 / 250 = 0.512 rounds up.
    EXPECT_EQ(bands[125].color, (ui::Rgb{228, 228, 227}));
    EXPECT_EQ(bands[9].color.r, 222);
    EXPECT_EQ(bands[8].color.b, 220);
    EXPECT_EQ(bands[7].color.b, 219);
    for (std::size_t i = 1; i < bands.size(); ++i) EXPECT_EQ(bands[i].top, bands[i - 1].bottom);
    EXPECT_EQ(bands[249].bottom, 500);
}

TEST(ListGradient, BoundsRoundToNearestForHeightsThatDoNotDivide) {
    const auto bands = ui::ListGradientBands(301);  // i * 301 / 250
    EXPECT_EQ(bands[1].top, 1);    // 1.204
    EXPECT_EQ(bands[2].top, 2);    // 2.408
    EXPECT_EQ(bands[3].top, 4);    // 3.612
    EXPECT_EQ(bands[249].bottom, 301);
    const auto tiny = ui::ListGradientBands(0);
    EXPECT_EQ(tiny[100].top, tiny[100].bottom);
}

// Under high contrast every ink comes from the user's scheme, and what is
// written on a surface uses the colour the scheme pairs with that surface.
TEST(Palette, HighContrastPairsEachInkWithTheSchemesMatchingColour) {
    const ui::SystemColours scheme{{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {5, 0, 0}, {6, 0, 0}, {7, 0, 0}};
    const ui::Palette contrast(scheme), product;
    const ui::Rgb fixed{200, 100, 50};
    const std::pair<ui::Ink, ui::Ink> written[] = {{ui::Ink::Text, ui::Ink::Surface},
                                                   {ui::Ink::BandText, ui::Ink::Band},
                                                   {ui::Ink::SelectionText, ui::Ink::Selection}};
    const std::pair<ui::Rgb, ui::Rgb> schemePairs[] = {{scheme.windowText, scheme.window},
                                                       {scheme.highlightText, scheme.highlight},
                                                       {scheme.highlightText, scheme.highlight}};
    for (std::size_t i = 0; i < std::size(written); ++i) {
        EXPECT_EQ(contrast.Pick(written[i].first, fixed), schemePairs[i].first) << i;
        EXPECT_EQ(contrast.Pick(written[i].second, fixed), schemePairs[i].second) << i;
    }
    EXPECT_EQ(contrast.Pick(ui::Ink::Link, fixed), scheme.hotLight);
    EXPECT_EQ(contrast.Pick(ui::Ink::Control, fixed), scheme.buttonFace);
    EXPECT_EQ(contrast.Pick(ui::Ink::DimText, fixed), scheme.grayText);
    EXPECT_FALSE(contrast.Blends());
    EXPECT_TRUE(product.Blends());
    EXPECT_EQ(product.Pick(ui::Ink::Band, fixed), fixed);
}

TEST(CheckTree, GroupAndChildrenTrackEachOtherBothWays) {
    ui::CheckTree tree;
    tree.Reset({3, 2}, true);
    EXPECT_FALSE(tree.ChildrenCreated(0));
    tree.SetChild(0, 1, false);
    EXPECT_EQ(tree.Group(0), CheckState::Mixed);
    tree.SetChild(0, 0, false);
    tree.SetChild(0, 2, false);
    EXPECT_EQ(tree.Group(0), CheckState::Unchecked);
    tree.SetChild(0, 1, true);
    tree.SetChild(0, 0, true);
    tree.SetChild(0, 2, true);
    EXPECT_EQ(tree.Group(0), CheckState::Checked);
    tree.SetChild(0, 2, false);
    tree.ToggleGroup(0);  // mixed becomes checked, and so does every child
    EXPECT_EQ(tree.Group(0), CheckState::Checked);
    EXPECT_TRUE(tree.Child(0, 2));
    EXPECT_EQ(tree.Group(1), CheckState::Checked);
}

TEST(CheckTree, CheckingACollapsedGroupReachesChildrenCreatedLater) {
    ui::CheckTree tree;
    tree.Reset({4, 1}, false);
    tree.SetGroup(0, true);
    EXPECT_FALSE(tree.ChildrenCreated(0));
    for (std::size_t c = 0; c < 4; ++c) EXPECT_TRUE(tree.Child(0, c));
    EXPECT_TRUE(tree.ChildrenCreated(0));
    tree.SetAll(false);
    EXPECT_FALSE(tree.Child(0, 3));
    EXPECT_FALSE(tree.Child(1, 0));
    EXPECT_EQ(tree.Group(1), CheckState::Unchecked);
}

TEST(ProgressText, CyclesThroughZeroToThreeFullStops) {
    ui::ProgressText text("Cleaning junk files");
    EXPECT_EQ(text.Tick(), "Cleaning junk files");
    EXPECT_EQ(text.Tick(), "Cleaning junk files.");
    EXPECT_EQ(text.Tick(), "Cleaning junk files..");
    EXPECT_EQ(text.Tick(), "Cleaning junk files...");
    EXPECT_EQ(text.Tick(), "Cleaning junk files");
}

// A 5 x 3 picture: K is the key colour of the top-left pixel.
TEST(WindowRegion, RunsCloseAtOtherColoursAndAtRowEnds) {
    const std::uint8_t K[3] = {255, 0, 255}, A[3] = {10, 20, 30};
    const char* rows[] = {"KKAKK", "AKAAK", "AAAAA"};
    const int stride = 16;  // padded like a DIB row
    std::vector<std::uint8_t> pixels(stride * 3, 0xEE);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            std::copy_n(rows[y][x] == 'K' ? K : A, 3, pixels.begin() + y * stride + x * 3);
    const auto runs = TransparentRuns(pixels, 5, 3, stride);
    const std::vector<PixelRect> expected = {{0, 0, 2, 1}, {3, 0, 5, 1}, {1, 1, 2, 2}, {4, 1, 5, 2}};
    EXPECT_EQ(runs, expected);
}

TEST(WindowRegion, AColourDifferingInOneByteIsNotTransparent) {
    std::vector<std::uint8_t> pixels = {1, 2, 3, 1, 2, 4, 1, 2, 3};
    const auto runs = TransparentRuns(pixels, 3, 1, 9);
    const std::vector<PixelRect> expected = {{0, 0, 1, 1}, {2, 0, 3, 1}};
    EXPECT_EQ(runs, expected);
}

TEST(ToolCatalog, FramesCarryTheirSizesItemsAndIndentedIntro) {
    EXPECT_EQ(FrameOf(Tool::InternetTuner).width, 751);
    EXPECT_EQ(FrameOf(Tool::HistoryCleaner).height, 547);
    EXPECT_EQ(FrameOf(Tool::FileSplitter).className, "TfrmTweak");
    const auto& splitter = FrameOf(Tool::FileSplitter).items;
    ASSERT_EQ(splitter.size(), 4u);
    EXPECT_EQ(splitter[2].caption, "Join Files");
    EXPECT_EQ(splitter[2].page, 4);
    for (std::size_t i = 0; i < kToolCount; ++i) {
        const auto& frame = FrameOf(static_cast<Tool>(i));
        EXPECT_EQ(frame.tool, static_cast<Tool>(i));
        EXPECT_EQ(frame.items.front().caption, "Information");
        EXPECT_EQ(frame.items.back().caption, "Main Menu");
        EXPECT_EQ(frame.items.back().page, 0);
    }
    EXPECT_EQ(IntroTitle(Tool::DriveCleaner), "Drive Cleaner - Information");
    const auto history = IntroText(Tool::HistoryCleaner);
    EXPECT_EQ(history.rfind("     When you visit", 0), 0u);
    EXPECT_NE(history.find("Internet History.\r\n\r\n     You can also"), std::string::npos);
    EXPECT_EQ(IntroText(Tool::PrivacyProtector).find("\r\n"), std::string::npos);
}

TEST(NumberText, IsBroughtIntoItsRange) {
    struct Case {
        const char* text;
        int value;
    };
    for (const auto& [text, value] : {Case{"600", 600}, Case{"0600", 600}, Case{"", 1}, Case{"0", 1}, Case{"601", 600},
                                      Case{"99999999999999999999", 600}, Case{"12a", 1}, Case{"-5", 1}}) {
        EXPECT_EQ(ui::ClampNumberText(text, 1, 600), value) << text;
    }
    EXPECT_TRUE(ui::IsNumberText(""));
    EXPECT_FALSE(ui::IsNumberText("1 2"));
}

}  // namespace
}  // namespace tw
