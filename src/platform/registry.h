#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// Root keys and value types are the Win32 numbers, so stored files and the
// export writer can use them directly.
using RootKey = std::uint32_t;
inline constexpr RootKey kClassesRoot = 0x80000000u;
inline constexpr RootKey kCurrentUser = 0x80000001u;
inline constexpr RootKey kLocalMachine = 0x80000002u;
inline constexpr RootKey kUsers = 0x80000003u;
inline constexpr RootKey kPerformanceData = 0x80000004u;
inline constexpr RootKey kCurrentConfig = 0x80000005u;
inline constexpr RootKey kDynData = 0x80000006u;

namespace RegType {
inline constexpr std::uint32_t None = 0;
inline constexpr std::uint32_t Sz = 1;
inline constexpr std::uint32_t ExpandSz = 2;
inline constexpr std::uint32_t Binary = 3;
inline constexpr std::uint32_t Dword = 4;
inline constexpr std::uint32_t MultiSz = 7;
inline constexpr std::uint32_t Qword = 11;
}  // namespace RegType

// A value as the registry holds it through the W APIs: the type number and
// the raw bytes. String types (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) hold
// UTF-16LE with their terminating zeros.
struct RegValue {
    std::uint32_t type = RegType::None;
    std::vector<std::uint8_t> data;

    static RegValue String(std::string_view utf8, std::uint32_t type = RegType::Sz);
    static RegValue MultiString(const std::vector<std::string>& items);
    static RegValue Dword(std::uint32_t value);
    static RegValue Binary(std::vector<std::uint8_t> bytes, std::uint32_t type = RegType::Binary);

    bool IsStringType() const { return type == RegType::Sz || type == RegType::ExpandSz; }
    // The data up to the first NUL, as UTF-8; meaningful for string types.
    std::string Text() const;
    // The UTF-16 code units of the data up to the first NUL.
    std::u16string Utf16() const;
    std::optional<std::uint32_t> AsDword() const;

    friend bool operator==(const RegValue&, const RegValue&) = default;
};

// How a key is opened. Full asks to write as well, so a key the user may
// only read cannot be opened that way: the Internet Tuner opens every key
// so, reads included, and sees such a key as one without values.
enum class KeyAccess { Read, Full };

// The registry as the tools need it. Paths are below a root, separated by
// backslashes, compared without regard to case. Every call opens its key,
// acts and closes it again: nothing is cached.
class Registry {
public:
    virtual ~Registry() = default;

    virtual bool KeyExists(RootKey root, std::string_view path) const = 0;
    // Creates the key and any missing parents; false when it cannot.
    virtual bool CreateKey(RootKey root, std::string_view path) = 0;
    // Names in the order the registry enumerates them; nullopt when the key
    // cannot be opened for reading.
    virtual std::optional<std::vector<std::string>> SubKeyNames(RootKey root, std::string_view path) const = 0;
    virtual std::optional<std::vector<std::string>> ValueNames(RootKey root, std::string_view path) const = 0;
    // nullopt when the key cannot be opened or the value is missing.
    // The empty name is the key's default value.
    virtual std::optional<RegValue> ReadValue(RootKey root, std::string_view path, std::string_view name) const = 0;
    // The same with the key opened for the given access.
    virtual std::optional<std::vector<std::string>> SubKeyNames(RootKey root, std::string_view path,
                                                                KeyAccess access) const = 0;
    virtual std::optional<RegValue> ReadValue(RootKey root, std::string_view path, std::string_view name,
                                              KeyAccess access) const = 0;
    // Creates the key when needed; false when the key cannot be created or
    // written.
    virtual bool WriteValue(RootKey root, std::string_view path, std::string_view name, const RegValue& value) = 0;
    virtual bool DeleteValue(RootKey root, std::string_view path, std::string_view name) = 0;
    // Deletes the key with everything below it.
    virtual bool DeleteKeyTree(RootKey root, std::string_view path) = 0;
};

}  // namespace tw
