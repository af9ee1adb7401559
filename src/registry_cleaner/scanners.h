#pragma once
#include <vector>

#include "platform/platform.h"
#include "registry_cleaner/finding.h"

namespace tw {

// One scanner per category. Each empties its list and fills it with the
// entries whose file is missing, in the order the registry enumerates them.
// A missing key yields nothing; a value of a type the scanner does not take
// is skipped.
void ScanSharedDlls(const Platform& platform, std::vector<Finding>& lvSharedDll);
void ScanFonts(const Platform& platform, std::vector<Finding>& lvFont);
void ScanComObjects(const Platform& platform, std::vector<Finding>& lvCOM);
void ScanFileTypes(const Platform& platform, std::vector<Finding>& lvFileType);
void ScanIcons(const Platform& platform, std::vector<Finding>& lvIcon);
void ScanAppPaths(const Platform& platform, std::vector<Finding>& lvAppPath);
void ScanHelpFiles(const Platform& platform, std::vector<Finding>& lvHelpFile);
void ScanActivex(const Platform& platform, std::vector<Finding>& lvActivex);
void ScanSounds(const Platform& platform, std::vector<Finding>& lvSounds);

// The font key of the running Windows family, as the scan opens it.
std::string_view FontKeyFor(const System& system);

}  // namespace tw
