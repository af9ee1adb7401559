#include "registry_cleaner/registry_cleaner.h"

#include "registry_cleaner/registry_clean.h"

namespace tw {
namespace {

// Keeps the scanning state and the window's view of it tied to one scope,
// so that a scan stopped by an error still enables "&Start" again.
class ScanScope {
public:
    ScanScope(bool& scanning, const std::function<void(bool)>& report) : scanning_(scanning), report_(report) {
        scanning_ = true;
        if (report_) report_(true);
    }
    ~ScanScope() {
        scanning_ = false;
        if (report_) report_(false);
    }
    ScanScope(const ScanScope&) = delete;
    ScanScope& operator=(const ScanScope&) = delete;

private:
    bool& scanning_;
    const std::function<void(bool)>& report_;
};

}  // namespace

RegistryCleaner::RegistryCleaner(const Platform& platform, Prompter& prompter, RunProgress& progress,
                                 CleanerHooks hooks)
    : platform_(platform), prompter_(prompter), progress_(progress), hooks_(std::move(hooks)),
      backups_(platform, kRegCleanBackups) {
    tree_.Clear();
}

void RegistryCleaner::Changed() const {
    if (hooks_.treeChanged) hooks_.treeChanged();
}

void RegistryCleaner::Start() {
    if (scanning_) return;
    defaultChecked_ = true;
    scanStarted_ = true;
    Scan();
}

void RegistryCleaner::Scan() {
    const ScanScope scope(scanning_, hooks_.scanning);
    tree_.Clear();
    Changed();
    RunScan(platform_, lists_, progress_);
    Rebuild();
}

void RegistryCleaner::Rebuild() {
    tree_.Build(defaultChecked_);
    Changed();
}

void RegistryCleaner::SelectAll(bool checked) {
    if (!scanStarted_ || scanning_) return;
    defaultChecked_ = checked;
    Rebuild();
}

void RegistryCleaner::CleanAfterConfirmation() {
    if (tree_.Empty()) return;
    if (!prompter_.Confirm(std::string(kCleanQuestion))) return;
    CleanChecked();
}

void RegistryCleaner::CleanChecked() {
    if (tree_.Empty()) return;
    defaultChecked_ = true;
    const CleanOutcome outcome = BackUpAndRemove(platform_, lists_, tree_.Checks(), buffer_, backups_);
    if (hooks_.backupsChanged) hooks_.backupsChanged();
    Scan();
    prompter_.Notify(std::string(kCleanDone));
    if (!outcome.leftEntries.empty()) prompter_.Notify(EntriesLeftNotice(outcome.leftEntries));
}

}  // namespace tw
