#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

struct OsVersion {
    std::uint32_t platformId = 0;  // 0 Win32s, 1 Windows 9x, 2 Windows NT
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
};

struct LocalTime {
    int year = 0, month = 0, day = 0;  // month 1..12
    int hour = 0, minute = 0, second = 0;
};

// The machine and the user's locale.
class System {
public:
    virtual ~System() = default;
    virtual std::optional<OsVersion> Version() const = 0;
    // 64-bit Windows, whether this program runs as a 64-bit process or in
    // its 32-bit subsystem: the registry then has a 32-bit view besides.
    virtual bool Windows64() const = 0;
    // nullopt when the variable is not set.
    virtual std::optional<std::string> Environment(std::string_view name) const = 0;
    virtual LocalTime Now() const = 0;
    virtual LocalTime ToLocalTime(std::uint64_t fileTimeUtc) const = 0;
    virtual std::string MonthName(int month) const = 0;  // 1..12, full name
    virtual std::string AmDesignator() const = 0;
    virtual std::string PmDesignator() const = 0;
    virtual std::string DateSeparator() const = 0;
    // The text in the ANSI code page, or nullopt when a character has no
    // exact place in it.
    virtual std::optional<std::string> ToAnsi(std::u16string_view text) const = 0;
};

enum class ClipboardResult {
    Emptied,
    NotOpened,   // another program holds the clipboard open
    NotEmptied,  // opened, but emptying it failed
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual ClipboardResult Empty() = 0;
};

}  // namespace tw
