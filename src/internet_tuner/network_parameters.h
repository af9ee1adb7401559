#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace tw {

// Where the network values live: "WinNT" selects the NT keys, every other
// family (9x, 16-bit or unknown) the 9x ones.
enum class NetFamily { Win9x, NT };
NetFamily NetFamilyOf(std::string_view windowsFamily);

enum class NetParameter {
    Mtu,
    PathMtuDiscovery,
    BlackHoleDetection,
    ReceiveWindow,
    WindowScaling,
    SelectiveAcks,
    Connections10,
    Connections11,
    SessionKeepAlive,
    Ttl,
    DuplicateAcks,
};

struct ParameterPlace {
    RootKey root;
    std::string_view key;
    std::string_view name;
    std::string_view twinName;  // written and deleted beside name: the NT receive window's global cap
    bool isText;                // a REG_SZ of decimal text rather than a DWORD
    bool inEverySubKey;         // the MTU: one value per adapter or interface
    bool deletable;
};
const ParameterPlace& PlaceOf(NetFamily family, NetParameter parameter);

// What a read gives for a missing value; callers treat every number below 1
// as this.
inline constexpr std::int32_t kAbsentNumber = -1;
inline constexpr std::string_view kAbsentText = "-1";

// A whole number as the number boxes and the 9x texts hold it: leading
// blanks and a sign allowed, decimal digits, nothing after, within 32 bits.
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);

// The network parameter store: a read, a write and a delete per parameter.
// Every call opens its key for reading and writing, acts and lets it go, so
// a key the user may only read shows its values as absent; only the
// backup's reads ask for less. Keys are never created.
class NetworkStore {
public:
    NetworkStore(Registry& registry, NetFamily family) : registry_(registry), family_(family) {}

    NetFamily Family() const { return family_; }
    const ParameterPlace& Place(NetParameter parameter) const { return PlaceOf(family_, parameter); }

    // DWORD values: the stored number as a signed 32-bit integer, or -1.
    // "Failed to get data for '%s'" for data longer than four bytes,
    // "Invalid data type for '%s'" for another type.
    std::int32_t ReadNumber(NetParameter parameter) const;
    // Text values: the stored text, or "-1"; "Invalid data type for '%s'"
    // for a type other than a string or expandable string.
    std::string ReadText(NetParameter parameter) const;
    // Either read as a whole number; nullopt for a text that does not convert.
    std::optional<std::int32_t> ReadWholeNumber(NetParameter parameter) const;

    // The value as stored, whatever its type, for the backup. Read access
    // only: a key that denies writing still holds its values, and a backup
    // that took them for missing would delete them on restore.
    std::optional<RegValue> ReadStored(RootKey root, std::string_view key, std::string_view name) const {
        return registry_.ReadValue(root, key, name, KeyAccess::Read);
    }

    // "Failed to set data for '%s'" when the key cannot be opened or written.
    // A number goes in with the family's type: a DWORD, or decimal text.
    void WriteNumber(NetParameter parameter, std::uint32_t number);
    void WriteText(NetParameter parameter, std::string_view text);
    // A number as the page holds it: DWORD values take it as an integer
    // ("'%s' is not a valid integer value" otherwise), text values unchanged.
    void WriteFromText(NetParameter parameter, std::string_view text);
    // Missing values and keys are no failure.
    void Delete(NetParameter parameter);

    // The adapter or interface sub-keys in enumeration order; empty when
    // there are none or the key cannot be opened with that access.
    std::vector<std::string> MtuSubKeys(KeyAccess access = KeyAccess::Full) const;
    // The keys a parameter's reads and writes reach: the MTU's read only
    // the first sub-key, its writes every one.
    std::vector<std::string> KeysOf(NetParameter parameter, bool everyOne,
                                    KeyAccess access = KeyAccess::Full) const;

private:
    void WriteValue(NetParameter parameter, const RegValue& value);

    Registry& registry_;
    NetFamily family_;
};

}  // namespace tw
