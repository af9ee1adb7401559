#include "platform/file_system.h"
#include "registry_cleaner/scan_categories.h"
#include "registry_cleaner/scan_reading.h"
#include "registry_cleaner/scanners.h"
#include "services/path_rules.h"
#include "services/windows_family.h"

// The categories whose entries are the values of one key.
namespace tw {
namespace {

constexpr std::string_view kMachine = "HKEY_LOCAL_MACHINE";

// Font data is normally a file name inside the Fonts folder. Data that is a
// path of its own (a drive path, or one starting with a backslash such as
// Wine's "\??\unix\..." entries) names its file directly; joined to the
// folder it would name no file and report a font that is there.
bool IsPathOfItsOwn(std::string_view data) {
    if (!data.empty() && data.front() == '\\') return true;
    return data.size() >= 3 && data[1] == ':' && data[2] == '\\';
}

}  // namespace

std::string_view FontKeyFor(const System& system) {
    return WindowsFamily(system) == "Win9x" ? kFonts9xKey : kFontsNtKey;
}

void ScanSharedDlls(const Platform& platform, std::vector<Finding>& lvSharedDll) {
    lvSharedDll.clear();
    // The value names are the paths; the data (a use count) is never read.
    for (const std::string& name : ValuesOf(platform.registry, kLocalMachine, kSharedDllsKey)) {
        if (ReferenceIsValid(platform, name)) continue;
        lvSharedDll.push_back(Found(name, kMachine, std::string(kSharedDllsKey)));
    }
}

void ScanFonts(const Platform& platform, std::vector<Finding>& lvFont) {
    lvFont.clear();
    const std::string_view key = FontKeyFor(platform.system);
    const std::string folder = WithTrailingBackslash(SpecialFolderPath(platform.shell, Csidl::Fonts));
    for (const std::string& name : ValuesOf(platform.registry, kLocalMachine, key)) {
        const auto data = ReadScanText(platform.registry, kLocalMachine, key, name, TextTypes::PlainOnly);
        if (!data) continue;
        const std::string candidate = IsPathOfItsOwn(*data) ? *data : folder + *data;
        if (ReferenceIsValid(platform, candidate)) continue;
        Finding f = Found(candidate, kMachine, std::string(key));
        f.Value = name;
        lvFont.push_back(std::move(f));
    }
}

void ScanHelpFiles(const Platform& platform, std::vector<Finding>& lvHelpFile) {
    lvHelpFile.clear();
    // Each value names a help file; its data is the folder that holds it.
    for (const std::string& name : ValuesOf(platform.registry, kLocalMachine, kHelpKey)) {
        const auto folder = ReadScanText(platform.registry, kLocalMachine, kHelpKey, name);
        if (!folder) continue;
        const std::string candidate = WithTrailingBackslash(*folder) + name;
        if (ReferenceIsValid(platform, candidate)) continue;
        Finding f = Found(ExpandPathVariables(platform.system, candidate), kMachine, std::string(kHelpKey));
        f.FirstKey = name;
        lvHelpFile.push_back(std::move(f));
    }
}

}  // namespace tw
