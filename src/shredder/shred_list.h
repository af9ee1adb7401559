#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "shredder/wipe_algorithms.h"

namespace tw {

inline constexpr std::string_view kShredQuestion =
    "This will delete the files in your list securely. These files will not be recoverable when deleted. Do you "
    "want to continue?";
inline constexpr std::string_view kShredDone = "You have successfully deleted the files.";

// A listed file: its path, and which file it was when it was added, so
// only that very file is ever shredded.
struct ListedFile {
    std::string path;
    FileIdentity identity;
};

// The files waiting to be shredded, in the order they were added; row i of
// the list shows path i.
class ShredList {
public:
    std::size_t Count() const { return files_.size(); }
    bool Empty() const { return files_.empty(); }
    const std::string& Path(std::size_t row) const { return files_.at(row).path; }
    const ListedFile& File(std::size_t row) const { return files_.at(row); }
    std::vector<std::string> Paths() const;

    // False when a row with the same path, ignoring case, is already there.
    bool Add(std::string_view path, const FileIdentity& identity);
    // Adds the paths that name existing files, each with its identity;
    // folders and missing paths are left out. Returns how many rows were
    // added.
    std::size_t AddExistingFiles(const FileSystem& files, const std::vector<std::string>& paths);
    void Remove(std::size_t row);

private:
    std::vector<ListedFile> files_;
};

// The bytes every pass of the algorithm writes over the listed files
// together (a file that cannot be found counts none).
std::uint64_t PassBytes(const FileSystem& files, const std::vector<std::string>& paths, const WipeAlgorithm& algorithm);

// Shreds the listed files from the last row to the first, removing each row
// once its file is done. What `shredOne` throws stops the run: that row and
// every row above it stay. `rowDone` follows each removal.
void ShredBottomUp(ShredList& list, const std::function<void(const ListedFile&)>& shredOne,
                   const std::function<void()>& rowDone);

}  // namespace tw
