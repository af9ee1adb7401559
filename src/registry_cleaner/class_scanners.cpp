#include "registry_cleaner/scan_reading.h"
#include "registry_cleaner/scanners.h"
#include "services/path_rules.h"
#include "services/registry_export.h"

// The categories below HKEY_CLASSES_ROOT.
namespace tw {
namespace {

constexpr std::string_view kClasses = "HKEY_CLASSES_ROOT";

}  // namespace

void ScanComObjects(const Platform& platform, std::vector<Finding>& lvCOM) {
    lvCOM.clear();
    const Registry& registry = platform.registry;
    for (const std::string& name : SubKeysOf(registry, kClassesRoot, "CLSID")) {
        const std::string topKey = JoinKey("CLSID", name);
        const std::string key = JoinKey(topKey, "InprocServer32");
        const auto server = ReadScanText(registry, kClassesRoot, key, "", TextTypes::PlainOnly);
        if (!server || ReferenceIsValid(platform, *server)) continue;
        Finding f = Found(*server, kClasses, key);
        f.TopKey = topKey;
        lvCOM.push_back(std::move(f));
    }
}

void ScanFileTypes(const Platform& platform, std::vector<Finding>& lvFileType) {
    lvFileType.clear();
    const Registry& registry = platform.registry;
    for (const std::string& extension : SubKeysOf(registry, kClassesRoot, "")) {
        if (!extension.starts_with('.')) continue;
        const auto programId = ReadScanText(registry, kClassesRoot, extension, "");
        // A program identifier "\ProgId" names the key ProgId; one of backslashes only names none.
        const auto programKey = programId ? NormalKeyPath(*programId) : std::nullopt;
        if (!programKey) continue;
        const std::string key = JoinKey(*programKey, "shell\\open\\command");
        const auto command = ReadScanText(registry, kClassesRoot, key, "");
        if (!command || command->empty() || ReferenceIsValid(platform, *command)) continue;
        Finding f = Found(*command, kClasses, key);
        f.firstKey = extension;
        f.secondKey = *programKey;
        lvFileType.push_back(std::move(f));
    }
}

void ScanIcons(const Platform& platform, std::vector<Finding>& lvIcon) {
    lvIcon.clear();
    const Registry& registry = platform.registry;
    for (const std::string& name : SubKeysOf(registry, kClassesRoot, "")) {
        const std::string key = JoinKey(name, "DefaultIcon");
        const auto icon = ReadScanText(registry, kClassesRoot, key, "");
        if (!icon || icon->empty() || ReferenceIsValid(platform, *icon, true)) continue;
        lvIcon.push_back(Found(*icon, kClasses, key));
    }
}

void ScanActivex(const Platform& platform, std::vector<Finding>& lvActivex) {
    lvActivex.clear();
    const Registry& registry = platform.registry;
    for (const std::string& library : SubKeysOf(registry, kClassesRoot, "TypeLib")) {
        const std::string libraryKey = JoinKey("TypeLib", library);
        for (const std::string& version : SubKeysOf(registry, kClassesRoot, libraryKey)) {
            const std::string versionKey = JoinKey(libraryKey, version);
            // Every sub-key counts as a locale; FLAGS and HELPDIR have no
            // Win32 key below them and read as empty.
            for (const std::string& locale : SubKeysOf(registry, kClassesRoot, versionKey)) {
                const std::string key = JoinKey(JoinKey(versionKey, locale), "Win32");
                const auto file = ReadScanText(registry, kClassesRoot, key, "");
                if (!file || ReferenceIsValid(platform, *file)) continue;
                Finding f = Found(ExpandPathVariables(platform.system, *file), kClasses, key);
                f.firstKey = libraryKey;
                lvActivex.push_back(std::move(f));
            }
        }
    }
}

}  // namespace tw
