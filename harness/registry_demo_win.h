#pragma once
#include <windows.h>

#include <memory>
#include <string_view>

#include "platform/memory/memory_platform.h"
#include "services/backup_store.h"
#include "suite/suite_context.h"

namespace tw {

class TfrmRegistry;
struct DemoMachine;

// The Registry Cleaner as `make run` first shows it: the demo prefix's
// leftovers (scripts/demo/registry-leftovers.reg) in a registry of their
// own, judged against this machine's files, after a scan.
//   registry-scan   the scan page after the scan
//   registry-mixed  the same with one category open and partly unchecked
class RegistryDemo {
public:
    RegistryDemo(SuiteContext& shared, bool mixed);
    ~RegistryDemo();
    RegistryDemo(const RegistryDemo&) = delete;
    RegistryDemo& operator=(const RegistryDemo&) = delete;
    HWND Handle() const;
    // Opens the scan list's context menu below its selected row, as the
    // menu key does (it shows once messages run).
    void PostContextMenu() const;

private:
    std::unique_ptr<DemoMachine> machine_;
    std::unique_ptr<SuiteContext> context_;
    std::unique_ptr<TfrmRegistry> window_;
};

// A few backup files in a tool's folder of the memory machine, for its
// "Backups" page.
void AddDemoBackups(MemoryPlatform& machine, std::string_view toolFolder = kRegCleanBackups);

// A file of scripts/demo, seen from the harness in build/<preset>/harness.
std::wstring DemoFile(std::wstring_view name);

// Reads the keys and the string and DWORD values of a REGEDIT4 file into a
// registry; false when the file cannot be read.
bool ImportRegFile(Registry& registry, const std::wstring& path);

}  // namespace tw
