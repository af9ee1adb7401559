#include "drive_cleaner/drive_rows.h"

namespace tw {

std::string DriveRows::CellText(ui::RowRef ref, int) const { return At(ref).displayName; }

std::vector<std::string> DriveRows::TickedRoots() const {
    std::vector<std::string> roots;
    for (const DriveRow* drive : Ticked()) roots.push_back(std::string(1, drive->letter) + ":\\");
    return roots;
}

std::string JunkTypeRows::CellText(ui::RowRef ref, int column) const {
    const JunkFileType& type = At(ref);
    return column == 0 ? type.mask : type.description;
}

std::vector<std::string> JunkTypeRows::TickedMasks() const {
    std::vector<std::string> masks;
    for (const JunkFileType* type : Ticked()) masks.push_back(type->mask);
    return masks;
}

std::string JunkHitRows::CellText(ui::RowRef ref, int column) const {
    const JunkFileHit& hit = At(ref);
    if (column == 0) return hit.name;
    return column == 1 ? hit.path : std::to_string(hit.size);
}

}  // namespace tw
