#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drive_cleaner/file_mask.h"
#include "platform/file_system.h"
#include "services/run_progress.h"

namespace tw {

struct JunkFileHit {
    std::string name;
    std::string path;  // folder with its trailing "\" and the name
    std::uint64_t size = 0;
    bool ticked = true;
    // Read when found; the clean acts only on this very file. Nothing when
    // it could not be read, and then the clean leaves the file alone.
    std::optional<FileIdentity> identity = {};
};

struct SearchRules {
    std::vector<std::string> masks;  // the ticked types' masks, in list order
    bool excludeWindows = true;
    bool excludeSystem = true;
};

// The walk of the search page. It runs on the UI thread: the progress lets
// the window's messages run (throttled by the window, so a walk costs little
// more than its listings) and says when "&Stop" or the close question asked
// it to stop. Only files are hits; hidden, system and reparse-point folders
// are never entered, so a junction cannot lead it into another tree.
class DriveSearch {
public:
    DriveSearch(const FileSystem& files, RunProgress& progress) : files_(files), progress_(progress) {}

    // Reads the masks first: an invalid one throws tw::Error before any
    // folder is walked. So does a Windows folder that cannot be read. The
    // hits found up to a stop are kept.
    void Run(const std::vector<std::string>& roots, const SearchRules& rules);

    const std::vector<JunkFileHit>& Hits() const { return hits_; }
    std::vector<JunkFileHit> TakeHits() { return std::move(hits_); }
    std::uint64_t FoundBytes() const { return foundBytes_; }
    std::size_t FoundCount() const { return hits_.size(); }
    // What the 100 ms status timer shows.
    std::string StatusText() const;

private:
    // False once a stop was noticed; every caller then unwinds at once.
    bool SearchFolder(const std::string& folder);
    bool MayEnter(const std::string& folder, const FoundFile& entry) const;

    const FileSystem& files_;
    RunProgress& progress_;
    std::vector<FileMask> masks_;
    std::vector<FileMask> windowsMasks_;
    bool excludeSystem_ = true;
    // The walk never enters a link, so every folder is on its root's volume.
    std::optional<std::uint64_t> rootVolume_;
    std::vector<JunkFileHit> hits_;
    std::uint64_t foundBytes_ = 0;
    std::string currentFolder_;
    std::string currentName_;
    std::u32string name_;  // the entry's name as characters, read once for all masks
};

// "<MB> MB found in <count> junk files.", the MB figure cut (not rounded)
// two digits after the point; below 120 bytes it reads 0.00.
std::string SearchSummary(std::uint64_t bytes, std::size_t count);
// The path as the status line shows it: whole up to 80 characters, else its
// start, "..", and the entry's name.
std::string StatusPath(std::string_view path, std::string_view name);

}  // namespace tw
