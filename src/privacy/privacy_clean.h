#pragma once
#include <array>
#include <functional>
#include <string_view>

#include "platform/platform.h"
#include "privacy/privacy_items.h"
#include "services/prompter.h"
#include "suite/settings_store.h"

namespace tw {

inline constexpr std::string_view kPrivacyQuestion =
    "This will clean items you have selected. Do you want to continue?";

// The list's rows: which items are ticked and what the last run did to each.
struct PrivacyRows {
    std::array<bool, kPrivacyItemCount> selected{};
    std::array<ItemStatus, kPrivacyItemCount> status{};
};

// Ticks by the "Privacy" sub-key's reading rule; every status not run.
PrivacyRows LoadPrivacyRows(const SettingsStore& settings);
void SavePrivacySelection(SettingsStore& settings, const PrivacyRows& rows);

// Asks first; on OK runs each ticked row's cleaner in list order and marks
// it Cleaned, marks each unticked row Passed, and calls statusChanged(row)
// after each. A cleaner that stops the run throws tw::Error: the rows before
// it keep their new status, it and the rows after keep their old one.
// False when the user cancelled.
bool RunPrivacyClean(PrivacyRows& rows, Prompter& prompter, Platform& platform, OwnerWindow owner,
                     const std::function<void(std::size_t row)>& statusChanged);

}  // namespace tw
