// Seeds the demo prefix with the file traces the Privacy Protector clears:
// recent-document shortcuts (and a folder that must stay) in the Recent
// folder, and a few files in the Recycle Bin. Run once by scripts/run.sh;
// the registry traces come from scripts/demo/privacy-traces.reg.
#include <windows.h>

#include <shlobj.h>

#include <cstdio>
#include <string>

#include "platform/win32/utf_win.h"
#include "platform/win32/win32_platform.h"

namespace {

std::string Documents() {
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL | CSIDL_FLAG_CREATE, nullptr, 0, path))) return {};
    return tw::win32::Narrow(path) + "\\";
}

bool Put(tw::FileSystem& files, const std::string& path, std::string_view text) {
    try {
        files.Open(path, tw::OpenMode::Create, tw::Share::Exclusive)
            ->Write({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace

int wmain() {
    tw::Win32Platform p;
    const std::string documents = Documents();
    const std::string recent = p.shell.SpecialFolderPath(tw::Csidl::Recent);
    if (documents.empty() || recent.empty()) {
        std::fprintf(stderr, "demo seed: no Documents or Recent folder\n");
        return 1;
    }
    int failures = 0;
    for (const char* name : {"Quarterly budget.xlsx", "Letter to the bank.rtf", "Beach 2026.bmp"}) {
        failures += !Put(p.files, documents + name, "demo document");
        tw::NewShortcut link;
        link.targetPath = documents + name;
        link.setItemIdListFromTarget = true;
        failures += !p.shell.CreateShortcut(recent + "\\" + name + ".lnk", link);
    }
    // Windows 7 and later keep jump lists in a folder here; it is not a trace
    // the Recent documents item clears.
    const std::string jumpLists = recent + "\\AutomaticDestinations";
    p.files.CreateFolder(jumpLists);
    failures += !Put(p.files, jumpLists + "\\1b4dd67f29cb1962.automaticDestinations-ms", "jump list");

    std::vector<std::string> binned;
    for (const char* name : {"Old draft.txt", "Bank statement (copy).txt"}) {
        failures += !Put(p.files, documents + name, "deleted, but still in the Recycle Bin");
        binned.push_back(documents + name);
    }
    failures += !p.shell.Recycle(binned, tw::kNoOwner);
    std::printf("demo seed: 3 recent shortcuts, a jump-list folder, 2 files in the Recycle Bin (%d failed)\n", failures);
    return failures == 0 ? 0 : 1;
}
