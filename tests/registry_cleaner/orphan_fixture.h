#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "registry_cleaner/finding.h"
#include "registry_snapshot.h"

namespace tw {

// Readable findings in failure messages.
inline void PrintTo(const Finding& f, std::ostream* out) {
    *out << "{" << f.Entry << " | " << f.Root << " | " << f.Key;
    for (const std::string* extra : {&f.Value, &f.TopKey, &f.firstKey, &f.secondKey, &f.FirstKey}) {
        if (!extra->empty()) *out << " | " << *extra;
    }
    *out << "}";
}

}  // namespace tw

namespace tw::test {

// Where the fixture's entries live.
namespace orphan {
inline const std::string kGone = "C:\\TidewellTest\\Gone\\";  // never exists
inline const std::string kHere = "C:\\TidewellTest\\Here\\";  // holds the decoys' files
inline const std::string kSharedDlls = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLS";
inline const std::string kAppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths";
inline const std::string kHelp = "SOFTWARE\\Microsoft\\Windows\\Help";
inline const std::string kSoundApp = "AppEvents\\Schemes\\Apps\\TidewellTest";
inline const std::string kClsGone = "CLSID\\{A5E0C0DE-0001-4D1E-9A11-7E57DA7A0001}";
inline const std::string kLibGone = "TypeLib\\{A5E0C0DE-0007-4D1E-9A11-7E57DA7A0001}";
}  // namespace orphan

// A registry with orphans in all nine categories beside decoys that must
// not be reported (existing files, bare names, UNC paths, four-letter
// extensions, an icon index in a command, an empty program identifier,
// FLAGS and HELPDIR, values of unexpected types), with what a scan must
// find and what a clean must write and remove. The same data serve the
// in-memory tests and the tests against the real registry; every name is
// the tests' own, and each key's entries are written in sorted order, so
// the order the registry enumerates them in is the order written.
class OrphanFixture {
public:
    // The family and the Fonts folder come from the machine under test.
    explicit OrphanFixture(const Platform& platform);

    // With classesBelowMachine, HKEY_CLASSES_ROOT entries are written to
    // HKEY_LOCAL_MACHINE\Software\Classes, which is what the classes root
    // shows under Wine.
    void Seed(Registry& registry, bool classesBelowMachine) const;
    // Files the decoys name; the orphans' files never exist.
    std::vector<std::string> PresentFiles() const;
    // Everything the fixture wrote and the keys it shares with the system,
    // for snapshots; and what it must remove again afterwards.
    void AddAreas(RegistrySnapshot& snapshot, const Registry& registry) const;
    void Remove(Registry& registry, bool classesBelowMachine) const;

    FindingLists ExpectedFindings() const;
    // Every finding checked, except the system sound's when told.
    std::vector<std::string> ExpectedBackup(bool withSystemSound) const;
    void ApplyExpectedRemovals(RegistrySnapshot& snapshot, bool withSystemSound) const;

    std::string FontKey() const { return fontKey_; }

private:
    const System& system_;
    std::string fontKey_;
    std::string fontsFolder_;
};

}  // namespace tw::test
