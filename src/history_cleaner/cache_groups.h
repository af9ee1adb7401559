#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/system.h"
#include "platform/url_cache.h"

namespace tw {

// One listed entry of the Internet cache, as the platform's record gave it.
// The texts of the columns are made from it when a row is drawn.
struct CacheItem {
    std::string URL;
    std::uint32_t Hits = 0;
    std::uint32_t Size = 0;  // the low 32 bits of the size, as the list has always shown it
    FileTime Last = 0;       // the last access, UTC
};

inline constexpr std::size_t kHistoryGroup = 0;
inline constexpr std::size_t kCookiesGroup = 1;
inline constexpr std::size_t kTemporaryGroup = 2;
inline constexpr std::size_t kGroupCount = 3;
inline constexpr std::array<std::string_view, kGroupCount> kGroupCaptions = {"Internet History", "Cookies",
                                                                            "Temporary Internet Files"};

// The group an entry of this type is listed in, or nullopt for an entry that
// is not a normal one. History wins over the cookie flag.
std::optional<std::size_t> GroupOf(std::uint32_t cacheEntryType);

// "dd/mm/yyyy" with the locale's date separator in place of the slash.
std::string FormatDate(const LocalTime& date, std::string_view separator);

// The three entry groups, each in the order of the cache enumeration.
struct CacheGroups {
    std::vector<CacheItem> lvHistory, lvCookies, lvTemporary;

    const std::vector<CacheItem>& List(std::size_t group) const;
    void Clear();
    // Files the entry under its group; an entry without the normal flag is
    // left out.
    void Add(const CacheEntry& entry);
};

}  // namespace tw
