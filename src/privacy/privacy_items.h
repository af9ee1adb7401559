#pragma once
#include <array>
#include <cstddef>
#include <string_view>

namespace tw {

// The eleven traces, in list order; the number is the row and the index of
// the item's setting in kPrivacyItems.
enum class PrivacyItem : std::size_t {
    RunHistory,
    FindHistory,
    OpenSaveHistory,
    RegistryStreams,
    RecycleBin,
    SwapFile,
    RecentDocuments,
    PaintRecent,
    WordpadRecent,
    MediaPlayerRecent,
    Clipboard,
};
inline constexpr std::size_t kPrivacyItemCount = 11;

inline constexpr std::array<std::string_view, kPrivacyItemCount> kPrivacyCaptions = {
    "Clean Windows Run History",
    "Clean Start Menu Find History",
    "Clean Open/Save Dialog History",
    "Clean Windows Registry Streams",
    "Clean Windows Recycle Bin",
    "Clean Swap File",
    "Clean Start Menu Recent Documents",
    "Clean MS Paint Recent Documents",
    "Clean MS Wordpad Recent Documents",
    "Clean MS Media Player Recent Documents",
    "Clean Windows Clipboard",
};

enum class ItemStatus { NotRun, Passed, Cleaned };

// The Status column's text: empty until the first run.
std::string_view StatusText(ItemStatus status);

}  // namespace tw
