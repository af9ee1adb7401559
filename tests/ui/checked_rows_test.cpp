#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "ui/checked_rows.h"

namespace tw {
namespace {

struct Item {
    std::string name;
    bool on = false;
};

class Items final : public ui::CheckedRows<Item> {
public:
    using CheckedRows::CheckedRows;
    std::string CellText(ui::RowRef ref, int) const override { return At(ref).name; }
};

// Ticks written as "+" and "-", one a row, in list order, as the boxes show them.
std::string Ticks(ui::CheckedRows<Item>& model) {
    std::string ticks;
    for (std::size_t row = 0; row < model.RowCount(); ++row)
        ticks += model.Check({row, std::nullopt}) == ui::CheckState::Checked ? '+' : '-';
    return ticks;
}

std::vector<Item> Rows(std::string_view ticks) {
    std::vector<Item> rows;
    for (const char tick : ticks) rows.push_back({"row" + std::to_string(rows.size()), tick == '+'});
    return rows;
}

// A step is a row to toggle, or -1 / -2 for "Select All" / "Unselect All".
constexpr int kTickAll = -1, kUntickAll = -2;

TEST(CheckedRows, BoxesFollowTheRowsFlagAndTheTickedRowsAreTheOnesShown) {
    struct Case {
        std::string_view start;
        std::vector<int> steps;
        std::string_view ticks;
        std::vector<std::string> ticked;
    };
    const Case cases[] = {
        {"+-+", {}, "+-+", {"row0", "row2"}},
        {"+-+", {1, 0}, "-++", {"row1", "row2"}},
        {"-+-", {kTickAll}, "+++", {"row0", "row1", "row2"}},
        {"+++", {kUntickAll, 2}, "--+", {"row2"}},
        {"", {kTickAll}, "", {}},
    };
    for (const Case& c : cases) {
        auto rows = Rows(c.start);
        Items model(rows, &Item::on);
        for (const int step : c.steps) {
            if (step == kTickAll || step == kUntickAll)
                model.TickAll(step == kTickAll);
            else
                model.ToggleCheck({static_cast<std::size_t>(step), std::nullopt});
        }
        std::vector<std::string> ticked;
        for (const Item* item : model.Ticked()) ticked.push_back(item->name);
        EXPECT_EQ(Ticks(model), c.ticks) << c.start;
        EXPECT_EQ(ticked, c.ticked) << c.start;
        std::string stored;
        for (const Item& row : rows) stored += row.on ? '+' : '-';
        EXPECT_EQ(stored, c.ticks) << c.start << ": the rows themselves hold the ticks";
    }
}

}  // namespace
}  // namespace tw
