#include "internet_tuner/internet_tuner.h"

#include "internet_tuner/connection_profiles.h"
#include "internet_tuner/internet_backup.h"
#include "services/windows_family.h"

namespace tw {

std::string ProfileQuestion(std::size_t profile) {
    return "This will optimize your settings for " + std::string(kConnectionProfiles.at(profile).nameInMessage) +
           ". Do you want to continue?";
}

InternetTuner::InternetTuner(const Platform& platform, Prompter& prompter, std::function<void()> backupsChanged)
    : registry_(platform.registry),
      system_(platform.system),
      prompter_(prompter),
      backups_(platform, kInternetBackups),
      backupsChanged_(std::move(backupsChanged)) {}

NetFamily InternetTuner::Family() const { return NetFamilyOf(WindowsFamily(system_)); }

void InternetTuner::ReadSettings(AdvancedSettings& page) const {
    ReadCurrentSettings(page, NetworkStore(registry_, Family()));
}

void InternetTuner::SaveBackup(const NetworkStore& store) {
    WriteInternetBackup(store, backups_);
    if (backupsChanged_) backupsChanged_();
}

void InternetTuner::ApplyAdvanced(const AdvancedSettings& page) {
    NetworkStore store(registry_, Family());
    CheckWholeNumbers(page, store);
    SaveBackup(store);
    ApplyAdvancedSettings(page, store);
    prompter_.Inform(std::string(kAppliedMessage));
}

bool InternetTuner::ApplyProfile(std::size_t profile) {
    if (!prompter_.Confirm(ProfileQuestion(profile))) return false;
    NetworkStore store(registry_, Family());
    SaveBackup(store);
    ApplyConnectionProfile(profile, store);
    prompter_.Inform(std::string(kAppliedMessage));
    return true;
}

}  // namespace tw
