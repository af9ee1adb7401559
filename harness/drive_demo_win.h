#pragma once
#include <windows.h>

#include <memory>

#include "suite/suite_context.h"

namespace tw {

class TfrmDrive;
struct DemoMachine;

// The Drive Cleaner as `make run` shows it: this machine's drives and files
// (the demo prefix's junk, scripts/demo/drive-junk.sh) with the eight
// default file types in a settings registry of its own.
//   drive-drives   the drive page
//   drive-search   the search page after a search of every drive
//   drive-options  the options page
//   drive-add      the add dialog over the options page (prints its rectangle)
class DriveDemo {
public:
    enum class View { Drives, Search, Options, Add };
    DriveDemo(SuiteContext& shared, View view);
    ~DriveDemo();
    DriveDemo(const DriveDemo&) = delete;
    DriveDemo& operator=(const DriveDemo&) = delete;
    HWND Handle() const;
    // Opens the add dialog modally; returns when it closes.
    void RunAddDialog();

private:
    std::unique_ptr<DemoMachine> machine_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<SuiteContext> context_;
    std::unique_ptr<TfrmDrive> window_;
};

}  // namespace tw
