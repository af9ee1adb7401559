#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "internet_tuner/advanced_settings.h"
#include "internet_tuner/network_parameters.h"
#include "platform/platform.h"
#include "services/backup_store.h"
#include "services/prompter.h"

namespace tw {

inline constexpr std::string_view kAppliedMessage =
    "New internet connection settings have been successfully applied. A backup file has been created "
    "automatically, so that you can restore previous settings if necessary.";

// "This will optimize your settings for " + name + ". Do you want to continue?"
std::string ProfileQuestion(std::size_t profile);

// The Internet Tuner's operations as its window's buttons reach them. Each
// apply saves its backup before it changes anything and throws, for the
// window's error handler, where a read, the backup or a write fails.
class InternetTuner {
public:
    // backupsChanged runs after each saved backup, so the list is refilled.
    InternetTuner(const Platform& platform, Prompter& prompter, std::function<void()> backupsChanged = {});
    InternetTuner(const InternetTuner&) = delete;
    InternetTuner& operator=(const InternetTuner&) = delete;

    BackupStore& Backups() { return backups_; }
    // The family read afresh, as every operation does.
    NetFamily Family() const;

    void ReadSettings(AdvancedSettings& page) const;
    // Any of the four "&Apply" buttons of the "Advanced" page.
    void ApplyAdvanced(const AdvancedSettings& page);
    // The wizard's "&Apply": asks first; false when the user cancels.
    bool ApplyProfile(std::size_t profile);

private:
    void SaveBackup(const NetworkStore& store);

    Registry& registry_;
    const System& system_;
    Prompter& prompter_;
    BackupStore backups_;
    std::function<void()> backupsChanged_;
};

}  // namespace tw
