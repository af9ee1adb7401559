#include "internet_tuner/network_parameters.h"

#include <array>
#include <limits>

#include "platform/error.h"

namespace tw {
namespace {

constexpr std::string_view kMstcp = "SYSTEM\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr std::string_view kNetTrans = "SYSTEM\\CurrentControlSet\\Services\\Class\\NetTrans";
constexpr std::string_view kTcpip = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
constexpr std::string_view kInterfaces = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
constexpr std::string_view kInternetSettings = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

constexpr ParameterPlace Dword(std::string_view key, std::string_view name, bool deletable = true) {
    return {kLocalMachine, key, name, {}, false, false, deletable};
}
constexpr ParameterPlace Text(std::string_view name, bool deletable = true) {
    return {kLocalMachine, kMstcp, name, {}, true, false, deletable};
}
constexpr ParameterPlace Connections(std::string_view name) {
    return {kCurrentUser, kInternetSettings, name, {}, false, false, true};
}

// Rows in the order of NetParameter.
constexpr std::array<ParameterPlace, 11> kWin9x{
    ParameterPlace{kLocalMachine, kNetTrans, "MaxMTU", {}, false, true, true},
    Text("PMTUDiscovery"),
    Text("PMTUBlackHoleDetect"),
    Text("DefaultRcvWindow"),
    Dword(kMstcp, "Tcp1323Opts"),
    Text("SackOpts"),
    Connections("MaxConnectionsPer1_0Server"),
    Connections("MaxConnectionsPerServer"),
    Text("SessionKeepAlive"),
    Text("DefaultTTL"),
    Text("TcpMaxDupAcks", false),
};
constexpr std::array<ParameterPlace, 11> kNt{
    ParameterPlace{kLocalMachine, kInterfaces, "MTU", {}, false, true, true},
    Dword(kTcpip, "EnablePMTUDiscovery"),
    Dword(kTcpip, "EnablePMTUBHDetect"),
    ParameterPlace{kLocalMachine, kTcpip, "TcpWindowSize", "GlobalMaxTcpWindowSize", false, false, true},
    Dword(kTcpip, "Tcp1323Opts"),
    Dword(kTcpip, "SackOpts"),
    Connections("MaxConnectionsPer1_0Server"),
    Connections("MaxConnectionsPerServer"),
    Dword(kTcpip, "SessionKeepAlive"),
    Dword(kTcpip, "DefaultTTL"),
    Dword(kTcpip, "TcpMaxDupAcks", false),
};

std::string SubKeyPath(std::string_view key, std::string_view name) {
    return std::string(key) + '\\' + std::string(name);
}

}  // namespace

NetFamily NetFamilyOf(std::string_view windowsFamily) {
    return windowsFamily == "WinNT" ? NetFamily::NT : NetFamily::Win9x;
}

const ParameterPlace& PlaceOf(NetFamily family, NetParameter parameter) {
    const auto& table = family == NetFamily::NT ? kNt : kWin9x;
    return table[static_cast<std::size_t>(parameter)];
}

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    if (at == text.size()) return std::nullopt;
    std::int64_t number = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') return std::nullopt;
        number = number * 10 + (text[at] - '0');
        if (number > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
    }
    if (negative) number = -number;
    if (number > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(number);
}

std::vector<std::string> NetworkStore::MtuSubKeys(KeyAccess access) const {
    const ParameterPlace& place = Place(NetParameter::Mtu);
    auto names = registry_.SubKeyNames(place.root, place.key, access);
    return names ? std::move(*names) : std::vector<std::string>{};
}

std::vector<std::string> NetworkStore::KeysOf(NetParameter parameter, bool everyOne, KeyAccess access) const {
    const ParameterPlace& place = Place(parameter);
    if (!place.inEverySubKey) return {std::string(place.key)};
    std::vector<std::string> keys;
    for (const std::string& name : MtuSubKeys(access)) {
        keys.push_back(SubKeyPath(place.key, name));
        if (!everyOne) break;
    }
    return keys;
}

std::int32_t NetworkStore::ReadNumber(NetParameter parameter) const {
    const ParameterPlace& place = Place(parameter);
    const auto keys = KeysOf(parameter, false);
    if (keys.empty()) return kAbsentNumber;
    const auto value = registry_.ReadValue(place.root, keys.front(), place.name, KeyAccess::Full);
    if (!value) return kAbsentNumber;
    if (value->data.size() > 4) throw Error(FormatText("Failed to get data for '%s'", place.name));
    if (value->type != RegType::Dword) throw Error(FormatText("Invalid data type for '%s'", place.name));
    std::uint32_t number = 0;
    for (std::size_t i = value->data.size(); i-- > 0;) number = (number << 8) | value->data[i];
    return static_cast<std::int32_t>(number);
}

std::string NetworkStore::ReadText(NetParameter parameter) const {
    const ParameterPlace& place = Place(parameter);
    const auto value = registry_.ReadValue(place.root, place.key, place.name, KeyAccess::Full);
    if (!value) return std::string(kAbsentText);
    if (!value->IsStringType()) throw Error(FormatText("Invalid data type for '%s'", place.name));
    return value->Text();
}

std::optional<std::int32_t> NetworkStore::ReadWholeNumber(NetParameter parameter) const {
    if (!Place(parameter).isText) return ReadNumber(parameter);
    return ParseWholeNumber(ReadText(parameter));
}

void NetworkStore::WriteValue(NetParameter parameter, const RegValue& value) {
    const ParameterPlace& place = Place(parameter);
    for (const std::string& key : KeysOf(parameter, true)) {
        const auto write = [&](std::string_view name) {
            // Writing would create a missing key; the store only changes keys that are there.
            if (!registry_.KeyExists(place.root, key) || !registry_.WriteValue(place.root, key, name, value))
                throw Error(FormatText("Failed to set data for '%s'", name));
        };
        if (!place.twinName.empty()) write(place.twinName);
        write(place.name);
    }
}

void NetworkStore::WriteNumber(NetParameter parameter, std::uint32_t number) {
    if (Place(parameter).isText) return WriteText(parameter, std::to_string(number));
    WriteValue(parameter, RegValue::Dword(number));
}

void NetworkStore::WriteText(NetParameter parameter, std::string_view text) {
    WriteValue(parameter, RegValue::String(text));
}

void NetworkStore::WriteFromText(NetParameter parameter, std::string_view text) {
    if (Place(parameter).isText) return WriteText(parameter, text);
    const auto number = ParseWholeNumber(text);
    if (!number) throw Error(FormatText("'%s' is not a valid integer value", text));
    WriteNumber(parameter, static_cast<std::uint32_t>(*number));
}

void NetworkStore::Delete(NetParameter parameter) {
    const ParameterPlace& place = Place(parameter);
    if (!place.deletable) return;
    for (const std::string& key : KeysOf(parameter, true)) {
        registry_.DeleteValue(place.root, key, place.name);
        if (!place.twinName.empty()) registry_.DeleteValue(place.root, key, place.twinName);
    }
}

}  // namespace tw
