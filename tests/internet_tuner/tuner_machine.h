#pragma once
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "internet_tuner/network_parameters.h"
#include "platform/memory/memory_platform.h"

namespace tw::test {

inline constexpr std::string_view kTcpip = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
inline constexpr std::string_view kInterfaces = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces";
inline constexpr std::string_view kMstcp = "SYSTEM\\CurrentControlSet\\Services\\VxD\\MSTCP";
inline constexpr std::string_view kNetTrans = "SYSTEM\\CurrentControlSet\\Services\\Class\\NetTrans";
inline constexpr std::string_view kInternetSettings = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

inline std::string Below(std::string_view key, std::string_view name) {
    return std::string(key) + "\\" + std::string(name);
}

// An in-memory machine with the network keys of one family in place (two
// adapters or interfaces, none of the values), Windows 98 or 10 as asked.
struct TunerMachine {
    explicit TunerMachine(NetFamily family, int interfaces = 2) : family(family) {
        if (family == NetFamily::Win9x) machine.system.SetVersion(OsVersion{1, 4, 10, 2222});
        const std::string_view global = family == NetFamily::NT ? kTcpip : kMstcp;
        const std::string_view adapters = family == NetFamily::NT ? kInterfaces : kNetTrans;
        machine.registry.CreateKey(kLocalMachine, global);
        machine.registry.CreateKey(kLocalMachine, adapters);
        for (int i = 0; i < interfaces; ++i) machine.registry.CreateKey(kLocalMachine, Below(adapters, Adapter(i)));
        machine.registry.CreateKey(kCurrentUser, kInternetSettings);
    }
    // Sub-keys enumerate in name order, so "0000" comes first.
    static std::string Adapter(int i) { return "000" + std::to_string(i); }
    std::string AdapterKey(int i) const {
        return Below(family == NetFamily::NT ? kInterfaces : kNetTrans, Adapter(i));
    }
    std::string_view GlobalKey() const { return family == NetFamily::NT ? kTcpip : kMstcp; }

    void Set(RootKey root, std::string_view key, std::string_view name, const RegValue& value) {
        ASSERT_TRUE(machine.registry.WriteValue(root, key, name, value));
    }
    void SetGlobal(std::string_view name, const RegValue& value) { Set(kLocalMachine, GlobalKey(), name, value); }
    std::optional<RegValue> Global(std::string_view name) const {
        return machine.registry.ReadValue(kLocalMachine, GlobalKey(), name);
    }

    // Every value of the network keys, to see that nothing changed.
    std::map<std::tuple<std::string, std::string>, RegValue> Values() const {
        std::map<std::tuple<std::string, std::string>, RegValue> all;
        std::vector<std::pair<RootKey, std::string>> keys{{kLocalMachine, std::string(GlobalKey())},
                                                          {kCurrentUser, std::string(kInternetSettings)}};
        for (int i = 0; i < 4; ++i) keys.emplace_back(kLocalMachine, AdapterKey(i));
        for (const auto& [root, key] : keys)
            for (const std::string& name : machine.registry.ValueNames(root, key).value_or(std::vector<std::string>{}))
                all[{key, name}] = *machine.registry.ReadValue(root, key, name);
        return all;
    }

    NetFamily family;
    MemoryPlatform machine;
    Platform platform = machine.Bundle();
    NetworkStore store{machine.registry, family};
};

}  // namespace tw::test
