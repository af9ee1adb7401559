#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "registry_cleaner/finding.h"

namespace tw {

// Which value types a scanner takes as text.
enum class TextTypes {
    PlainOnly,     // REG_SZ
    PlainOrExpand  // REG_SZ and REG_EXPAND_SZ, unexpanded
};

// A value as a scanner reads it: empty when the key cannot be opened or the
// value is missing, nullopt when the value has a type the scanner does not
// take, so that it skips the entry instead of stopping the scan.
std::optional<std::string> ReadScanText(const Registry& registry, RootKey root, std::string_view key,
                                        std::string_view name, TextTypes types = TextTypes::PlainOrExpand);

// Names in enumeration order; none when the key cannot be opened.
std::vector<std::string> SubKeysOf(const Registry& registry, RootKey root, std::string_view key);
std::vector<std::string> ValuesOf(const Registry& registry, RootKey root, std::string_view key);

// "parent\child".
std::string JoinKey(std::string_view parent, std::string_view child);

// A finding with the fields every category sets; root is the root key's name.
Finding Found(std::string entry, std::string_view root, std::string key);

// The file reference test (allowComma off) or the icon reference test (on):
// true when the text names a file that exists or cannot be judged.
bool ReferenceIsValid(const Platform& platform, std::string_view text, bool allowComma = false);

}  // namespace tw
