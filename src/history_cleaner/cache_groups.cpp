#include "history_cleaner/cache_groups.h"

namespace tw {
namespace {

std::string Padded(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

}  // namespace

std::optional<std::size_t> GroupOf(std::uint32_t cacheEntryType) {
    if ((cacheEntryType & CacheEntryType::Normal) == 0) return std::nullopt;
    if (cacheEntryType & CacheEntryType::UrlHistory) return kHistoryGroup;
    if (cacheEntryType & CacheEntryType::Cookie) return kCookiesGroup;
    return kTemporaryGroup;
}

std::string FormatDate(const LocalTime& date, std::string_view separator) {
    std::string text = Padded(date.day, 2);
    text.append(separator).append(Padded(date.month, 2)).append(separator).append(Padded(date.year, 4));
    return text;
}

const std::vector<CacheItem>& CacheGroups::List(std::size_t group) const {
    switch (group) {
        case kHistoryGroup: return lvHistory;
        case kCookiesGroup: return lvCookies;
        default: return lvTemporary;
    }
}

void CacheGroups::Clear() {
    lvHistory.clear();
    lvCookies.clear();
    lvTemporary.clear();
}

void CacheGroups::Add(const CacheEntry& entry) {
    const auto group = GroupOf(entry.type);
    if (!group) return;
    auto& list = *group == kHistoryGroup ? lvHistory : *group == kCookiesGroup ? lvCookies : lvTemporary;
    list.push_back({entry.url, entry.hitRate, static_cast<std::uint32_t>(entry.size), entry.lastAccess});
}

}  // namespace tw
