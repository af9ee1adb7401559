#include "startup_manager/startup_rows.h"

#include <algorithm>

namespace tw {

std::string StartupRows::CellText(ui::RowRef ref, int column) const {
    const StartupEntry& e = entries_.at(ref.row);
    return column == 0 ? e.name : column == 1 ? e.command : e.location;
}

// Rows without an icon of their own show the list's first, the program's.
int StartupRows::ImageIndex(ui::RowRef ref) const { return std::max(entries_.at(ref.row).imageIndex, 0); }

ui::CheckState StartupRows::Check(ui::RowRef ref) {
    return ticked_.at(ref.row) ? ui::CheckState::Checked : ui::CheckState::Unchecked;
}

void StartupRows::TickAsFound() {
    ticked_.clear();
    for (const auto& e : entries_) ticked_.push_back(e.enabled);
}

void StartupRows::Rebuild(const StartupStore& store, StartupIcons& icons) {
    ticked_.clear();
    try {
        EnumerateStartupEntries(store, icons, entries_);
    } catch (...) {
        TickAsFound();
        throw;
    }
    TickAsFound();
}

MoveResult StartupRows::Toggle(const StartupStore& store, std::size_t row) {
    const bool enable = !ticked_.at(row);
    StartupEntry& entry = entries_[row];
    // An error leaves the box as it was; so does a move that found nothing
    // or would have written over another entry.
    const MoveResult moved = enable ? EnableStartupEntry(store, entry) : DisableStartupEntry(store, entry);
    if (moved != MoveResult::Moved) return moved;
    // The entry now lives where its box says, with no mark holding it off.
    entry.markedOff = false;
    ticked_[row] = enable;
    return moved;
}

void StartupRows::Remove(const StartupStore& store, std::size_t row) const {
    RemoveStartupEntry(store, entries_.at(row), ticked_.at(row));
}

}  // namespace tw
