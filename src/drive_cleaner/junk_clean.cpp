#include "drive_cleaner/junk_clean.h"

#include "platform/error.h"

namespace tw {
namespace {

// Only the very file that was found goes: a folder on its path swapped for a
// link since then leads to another file, which is left alone. The Recycle
// Bin is asked by path, so the file is checked just before, and held open
// (sharing everything) until the shell is done with it.
bool RemoveFound(const JunkFileHit& hit, FileSystem& files, Shell& shell, bool recycle) {
    if (!hit.identity) return false;
    if (!recycle) return DeleteVerified(files, hit.path, *hit.identity);
    try {
        const auto held = files.OpenEntry(hit.path, *hit.identity, EntryAccess::Examine);
        return held && shell.Recycle({hit.path}, kNoOwner);
    } catch (const Error&) {
        return false;
    }
}

}  // namespace

std::size_t CleanCheckedHits(std::vector<JunkFileHit>& hits, FileSystem& files, Shell& shell, bool recycle,
                             RunProgress& progress) {
    std::size_t left = 0;
    for (std::size_t i = hits.size(); i-- > 0;) {
        auto& hit = hits[i];
        if (!hit.ticked) continue;
        const bool reported = RemoveFound(hit, files, shell, recycle);
        progress.LetMessagesRun();
        // The shell may report success for a file it left in place; only a
        // file that is gone leaves the list.
        if (reported && !files.Attributes(hit.path)) {
            hits.erase(hits.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            hit.ticked = false;
            ++left;
        }
    }
    return left;
}

std::string CleanSummary(std::size_t left) {
    if (left == 0) return "Junk files are successfully cleaned.";
    return std::to_string(left) + (left == 1 ? " junk file" : " junk files") + " could not be cleaned.";
}

std::string CleaningText(std::size_t step) { return "Cleaning junk files" + std::string(step % 4, '.'); }

}  // namespace tw
