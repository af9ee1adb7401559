#pragma once
#include <functional>
#include <string_view>

#include "platform/platform.h"
#include "registry_cleaner/finding.h"
#include "registry_cleaner/finding_tree.h"
#include "registry_cleaner/registry_scan.h"
#include "services/backup_store.h"
#include "services/export_buffer.h"
#include "services/prompter.h"
#include "services/run_progress.h"

namespace tw {

inline constexpr std::string_view kCleanQuestion =
    "This will clean invalid registry entries that you have selected. A backup file will be created "
    "automatically, so that you can restore cleaned items if necessary. Do you want to continue?";
inline constexpr std::string_view kCleanDone = "You have successfully cleaned your registry.";

// What changed in the cleaner's state, for its window to show; a scan's
// progress goes through the cleaner's RunProgress.
struct CleanerHooks {
    // True when a scan begins (the tree is about to be emptied), false once
    // its tree is built.
    std::function<void(bool scanning)> scanning;
    // The tree's rows were emptied or rebuilt.
    std::function<void()> treeChanged;
    // A backup file was saved.
    std::function<void()> backupsChanged;
};

// The Registry Cleaner's state and operations, as its window's buttons and
// menus reach them: the finding lists, the result tree's check states, the
// default check state and the scan-started flag, and the export buffer.
class RegistryCleaner {
public:
    RegistryCleaner(const Platform& platform, Prompter& prompter, RunProgress& progress, CleanerHooks hooks);
    RegistryCleaner(const RegistryCleaner&) = delete;
    RegistryCleaner& operator=(const RegistryCleaner&) = delete;

    const FindingLists& Findings() const { return lists_; }
    FindingTree& Tree() { return tree_; }
    BackupStore& Backups() { return backups_; }
    // The lines of the last clean's backup, kept until the next clean.
    const ExportBuffer& LastBackup() const { return buffer_; }
    bool ScanStarted() const { return scanStarted_; }
    bool DefaultChecked() const { return defaultChecked_; }
    bool Scanning() const { return scanning_; }

    // "&Start": every row checked, then a scan.
    void Start();
    // "Select All" and "Unselect All": rebuild the tree in that state, once
    // a scan has been started; check marks set by hand are lost.
    void SelectAll(bool checked);
    // "&Clean" asks first; "Clean Checked" does not. Both do nothing while
    // the tree is empty.
    void CleanAfterConfirmation();
    void CleanChecked();

private:
    void Scan();
    void Rebuild();
    void Changed() const;

    Platform platform_;
    Prompter& prompter_;
    RunProgress& progress_;
    CleanerHooks hooks_;
    FindingLists lists_;
    FindingTree tree_{lists_};
    BackupStore backups_;
    ExportBuffer buffer_;
    bool defaultChecked_ = true;
    bool scanStarted_ = false;
    bool scanning_ = false;
};

}  // namespace tw
