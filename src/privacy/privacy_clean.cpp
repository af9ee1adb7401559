#include "privacy/privacy_clean.h"

#include "privacy/trace_cleaners.h"

namespace tw {

static_assert(kPrivacyItems.size() == kPrivacyItemCount, "one stored setting per row");

PrivacyRows LoadPrivacyRows(const SettingsStore& settings) {
    PrivacyRows rows;
    for (std::size_t row = 0; row < kPrivacyItemCount; ++row) rows.selected[row] = settings.PrivacyItemSelected(row);
    return rows;
}

void SavePrivacySelection(SettingsStore& settings, const PrivacyRows& rows) {
    for (std::size_t row = 0; row < kPrivacyItemCount; ++row) settings.SetPrivacyItemSelected(row, rows.selected[row]);
}

bool RunPrivacyClean(PrivacyRows& rows, Prompter& prompter, Platform& platform, OwnerWindow owner,
                     const std::function<void(std::size_t row)>& statusChanged) {
    if (!prompter.Confirm(std::string(kPrivacyQuestion))) return false;
    for (std::size_t row = 0; row < kPrivacyItemCount; ++row) {
        if (rows.selected[row]) CleanTrace(static_cast<PrivacyItem>(row), platform, owner);
        rows.status[row] = rows.selected[row] ? ItemStatus::Cleaned : ItemStatus::Passed;
        if (statusChanged) statusChanged(row);
    }
    return true;
}

}  // namespace tw
