#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "internet_tuner/network_parameters.h"

namespace tw {

struct ConnectionProfile {
    std::string_view caption;
    std::string_view nameInMessage;
    std::uint32_t mtu, receiveWindow, windowScaling, pathMtuDiscovery, blackHoleDetection, selectiveAcks, ttl,
        connections11, connections10;
};

// The wizard's choices in order; the last one, without numbers, puts the
// Windows defaults back.
inline constexpr std::array<ConnectionProfile, 9> kConnectionProfiles{{
    {"Dial-up Modem (Optimization Method - 1)", "Dial-up Modem", 576, 4288, 0, 0, 0, 0, 128, 16, 32},
    {"Dial-up Modem (Optimization Method - 2)", "Dial-up Modem", 576, 11680, 0, 0, 0, 0, 128, 16, 32},
    {"Local Area Network (LAN)", "LAN", 1500, 373760, 3, 0, 0, 0, 128, 16, 32},
    {"Cable Modem", "Cable Modem", 1500, 256960, 3, 0, 0, 0, 128, 16, 32},
    {"DSL Connection (Optimization Method - 1)", "DSL Connection", 1500, 256960, 3, 0, 0, 0, 128, 16, 32},
    {"DSL Connection (Optimization Method - 2)", "DSL Connection", 1500, 513920, 3, 0, 0, 0, 128, 16, 32},
    {"GPRS", "GPRS", 1500, 24656, 0, 0, 0, 0, 128, 16, 32},
    {"Wi-Fi", "Wi-Fi", 1500, 130560, 3, 0, 0, 0, 128, 16, 32},
    {"Windows Defaults", "Windows Defaults", 0, 0, 0, 0, 0, 0, 0, 0, 0},
}};
inline constexpr std::size_t kWindowsDefaultsProfile = 8;

// Writes the profile's values in the table's fixed order, each with the
// family's type, or for "Windows Defaults" deletes them; the session
// keep-alive and the duplicate acknowledgements are left as they are
// (except that the defaults delete the keep-alive too).
void ApplyConnectionProfile(std::size_t profile, NetworkStore& store);

}  // namespace tw
