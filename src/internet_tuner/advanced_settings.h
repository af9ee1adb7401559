#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "internet_tuner/network_parameters.h"

namespace tw {

// The three ways each of the four choice groups can set its parameter.
enum class Choice { WindowsDefault, Predefined, Custom };

struct ChoiceGroup {
    Choice choice = Choice::WindowsDefault;
    int entry = 0;           // the drop-down list's selected entry
    std::string customText;  // the number box's text
};

// What the "Advanced" page shows, as plain data: the window fills it from
// its controls and back, the readers and writers work on it alone.
struct AdvancedSettings {
    ChoiceGroup mtu{Choice::WindowsDefault, 0, "50"};
    ChoiceGroup receiveWindow{Choice::WindowsDefault, 0, "50"};
    ChoiceGroup keepAlive{Choice::WindowsDefault, 0, "1"};
    ChoiceGroup ttl{Choice::WindowsDefault, 0, "64"};
    bool pathMtuDiscovery = false;
    bool blackHoleDetection = false;
    bool windowScaling = false;
    bool selectiveAcks = false;
    bool duplicateAcks = false;
    std::string connections10 = "4";
    std::string connections11 = "2";
};

struct ListEntry {
    std::string_view text;
    std::uint32_t value;  // for the receive window: the factor of the MSS
};

inline constexpr std::array kMtuEntries{ListEntry{"576", 576}, ListEntry{"1480", 1480}, ListEntry{"1492", 1492},
                                        ListEntry{"1500", 1500}};
inline constexpr std::array kReceiveWindowEntries{
    ListEntry{"MSS * 4", 4}, ListEntry{"MSS * 5", 5}, ListEntry{"MSS * 6", 6},  ListEntry{"MSS * 7", 7},
    ListEntry{"MSS * 8", 8}, ListEntry{"MSS * 9", 9}, ListEntry{"MSS * 10", 10}};
// Milliseconds, the unit the value is stored in.
inline constexpr std::array kKeepAliveEntries{ListEntry{"10 min.", 60000},  ListEntry{"20 min.", 120000},
                                              ListEntry{"30 min.", 180000}, ListEntry{"40 min.", 240000},
                                              ListEntry{"50 min.", 300000}, ListEntry{"60 min.", 360000}};
inline constexpr std::array kTtlEntries{ListEntry{"32", 32}, ListEntry{"64", 64}, ListEntry{"128", 128}};

// The MSS that the MTU stored at this moment gives: MTU - 40, or 1460 when
// no MTU above 0 is stored.
std::int32_t CurrentMss(const NetworkStore& store);

// Sets the page from the registry, step by step. A read that fails throws
// its error, and the groups not yet reached keep what they held.
void ReadCurrentSettings(AdvancedSettings& page, const NetworkStore& store);

// Throws "'%s' is not a valid integer value" for the first number box text
// that must become a DWORD and is no whole number, so a bad text is refused
// before anything is written.
void CheckWholeNumbers(const AdvancedSettings& page, const NetworkStore& store);

// Checks the texts, then writes every parameter from the page in the fixed
// order. A failed write throws where it happens.
void ApplyAdvancedSettings(const AdvancedSettings& page, NetworkStore& store);

}  // namespace tw
