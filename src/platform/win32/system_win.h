#pragma once
#include "platform/system.h"

namespace tw {

// The version, environment, clock and the user's locale through the W APIs.
class Win32System final : public System {
public:
    std::optional<OsVersion> Version() const override;
    bool Windows64() const override;
    std::optional<std::string> Environment(std::string_view name) const override;
    LocalTime Now() const override;
    LocalTime ToLocalTime(std::uint64_t fileTimeUtc) const override;
    std::string MonthName(int month) const override;
    std::string AmDesignator() const override;
    std::string PmDesignator() const override;
    std::string DateSeparator() const override;
    std::optional<std::string> ToAnsi(std::u16string_view text) const override;
};

class Win32Clipboard final : public Clipboard {
public:
    ClipboardResult Empty() override;
};

}  // namespace tw
