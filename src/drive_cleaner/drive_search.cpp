#include "drive_cleaner/drive_search.h"

#include <cstdio>

namespace tw {
namespace {

constexpr std::size_t kStatusWidth = 80;
constexpr std::uint64_t kSummaryFloor = 120;

// Cuts before a UTF-8 continuation byte would split a character.
std::size_t CharacterBoundary(std::string_view text, std::size_t at) {
    while (at > 0 && at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) --at;
    return at;
}

}  // namespace

void DriveSearch::Run(const std::vector<std::string>& roots, const SearchRules& rules) {
    hits_.clear();
    foundBytes_ = 0;
    masks_.clear();
    for (const auto& mask : rules.masks) masks_.emplace_back(mask);
    windowsMasks_.clear();
    if (rules.excludeWindows) {
        windowsMasks_.emplace_back(files_.WindowsFolder() + "*");
        windowsMasks_.emplace_back("*:\\WINDOWS*");
    }
    excludeSystem_ = rules.excludeSystem;
    for (const auto& root : roots) {
        const auto rootIdentity = files_.Identity(root);
        rootVolume_ = rootIdentity ? std::optional(rootIdentity->volume) : std::nullopt;
        if (!SearchFolder(WithTrailingBackslash(root))) break;
    }
}

bool DriveSearch::MayEnter(const std::string& folder, const FoundFile& entry) const {
    constexpr std::uint32_t kNeverEntered = FileAttr::Hidden | FileAttr::System | FileAttr::ReparsePoint;
    if ((entry.attributes & kNeverEntered) != 0) return false;
    if (windowsMasks_.empty()) return true;
    const auto path = folder + entry.name;
    for (const auto& mask : windowsMasks_)
        if (mask.Matches(path)) return false;
    return true;
}

bool DriveSearch::SearchFolder(const std::string& folder) {
    currentFolder_ = folder;
    // One listing per folder gives files and sub-folders together, and each
    // file's identity without opening it.
    const auto entries = files_.ListFolder(folder, rootVolume_);
    std::vector<const FoundFile*> subFolders;
    for (const auto& entry : entries) {
        progress_.LetMessagesRun();
        currentName_ = entry.name;
        if (progress_.StopRequested()) return false;
        if (entry.IsFolder()) {
            if (MayEnter(folder, entry)) subFolders.push_back(&entry);
            continue;
        }
        if (excludeSystem_ && (entry.attributes & FileAttr::System) != 0) continue;
        DecodeName(entry.name, name_);
        for (const auto& mask : masks_) {
            if (!mask.Matches(std::u32string_view(name_))) continue;
            hits_.push_back({entry.name, folder + entry.name, entry.size, true, entry.identity});
            foundBytes_ += entry.size;
        }
    }
    for (const auto* sub : subFolders) {
        if (!SearchFolder(folder + sub->name + "\\")) return false;
        currentFolder_ = folder;
    }
    return !progress_.StopRequested();
}

std::string DriveSearch::StatusText() const {
    return StatusPath(currentFolder_ + currentName_, currentName_);
}

std::string SearchSummary(std::uint64_t bytes, std::size_t count) {
    char figure[64];
    std::snprintf(figure, sizeof figure, "%.15g", static_cast<double>(bytes < kSummaryFloor ? kSummaryFloor : bytes) / 1048576.0);
    std::string mb = figure;
    if (const auto point = mb.find('.'); point != std::string::npos && mb.size() > point + 3) mb.resize(point + 3);
    return mb + " MB found in " + std::to_string(count) + " junk files.";
}

std::string StatusPath(std::string_view path, std::string_view name) {
    if (path.size() <= kStatusWidth) return std::string(path);
    const std::size_t keep = name.size() < kStatusWidth ? kStatusWidth - name.size() : 0;
    return std::string(path.substr(0, CharacterBoundary(path, keep))) + ".." + std::string(name);
}

}  // namespace tw
