#pragma once
#include <string>
#include <vector>

#include "drive_cleaner/drive_search.h"
#include "drive_cleaner/junk_file_types.h"
#include "ui/checked_rows.h"

namespace tw {

// A fixed drive of the drive page; `selected` is its box.
struct DriveRow {
    std::string displayName;
    char letter = 'C';
    int imageIndex = -1;  // in the page's image list; -1 when the shell gave no icon
    bool selected = true;
};

// The drive page's list: each drive's name beside its own icon.
class DriveRows final : public ui::CheckedRows<DriveRow> {
public:
    explicit DriveRows(std::vector<DriveRow>& rows) : CheckedRows(rows, &DriveRow::selected) {}
    std::string CellText(ui::RowRef ref, int column) const override;
    int ImageIndex(ui::RowRef ref) const override { return At(ref).imageIndex; }
    // The roots of the ticked drives ("C:\"), in list order.
    std::vector<std::string> TickedRoots() const;
};

// The options page's list: mask, then description; every row shows the
// list's one picture.
class JunkTypeRows final : public ui::CheckedRows<JunkFileType> {
public:
    explicit JunkTypeRows(std::vector<JunkFileType>& rows) : CheckedRows(rows, &JunkFileType::enabled) {}
    std::string CellText(ui::RowRef ref, int column) const override;
    int ImageIndex(ui::RowRef) const override { return 0; }
    // The ticked types' masks, in list order, as a search takes them.
    std::vector<std::string> TickedMasks() const;
};

// The search page's list: name, path, size in bytes.
class JunkHitRows final : public ui::CheckedRows<JunkFileHit> {
public:
    explicit JunkHitRows(std::vector<JunkFileHit>& rows) : CheckedRows(rows, &JunkFileHit::ticked) {}
    std::string CellText(ui::RowRef ref, int column) const override;
};

}  // namespace tw
