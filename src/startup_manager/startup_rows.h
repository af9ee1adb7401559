#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "startup_manager/startup_enumeration.h"
#include "startup_manager/startup_moves.h"
#include "ui/row_model.h"

namespace tw {

// The Startup Manager's list: row i shows entry i, its box the entry's
// current state. The enumeration fills the entries; the box of a row then
// follows only what was done to that entry.
class StartupRows final : public ui::RowModel {
public:
    std::size_t RowCount() const override { return entries_.size(); }
    std::string CellText(ui::RowRef ref, int column) const override;
    int ImageIndex(ui::RowRef ref) const override;
    bool HasCheckBoxes() const override { return true; }
    ui::CheckState Check(ui::RowRef ref) override;
    // A click or Space on a box asks the window, which moves the entry
    // (Toggle) or tells why it did not.
    void ToggleCheck(ui::RowRef ref) override {
        if (onToggle) onToggle(ref.row);
    }

    const std::vector<StartupEntry>& Entries() const { return entries_; }
    const StartupEntry& Entry(std::size_t row) const { return entries_.at(row); }
    bool Ticked(std::size_t row) const { return ticked_.at(row); }

    // Lists every home again, each box as found. Rows found before an
    // unreadable value stay listed, with their boxes, when it throws.
    void Rebuild(const StartupStore& store, StartupIcons& icons);
    // Moves the row's entry to the home its box does not name; only a
    // move that happened turns the box.
    MoveResult Toggle(const StartupStore& store, std::size_t row);
    // Deletes the row's entry from the home its box names. The row stays
    // until the next Rebuild.
    void Remove(const StartupStore& store, std::size_t row) const;
    // The row of an entry just added or edited, after a Rebuild.
    std::optional<std::size_t> Find(std::string_view location, std::string_view name, bool enabledHome) const {
        return FindStartupRow(entries_, location, name, enabledHome);
    }

    std::function<void(std::size_t)> onToggle;

private:
    void TickAsFound();

    std::vector<StartupEntry> entries_;
    std::vector<bool> ticked_;
};

}  // namespace tw
