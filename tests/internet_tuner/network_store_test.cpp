#include <gtest/gtest.h>

#include "support/thrown_text.h"
#include "tuner_machine.h"

namespace tw {
namespace {

using test::TunerMachine;
using P = NetParameter;

using test::ThrownText;

TEST(ParseWholeNumber, TakesWhatTheNumberConversionTakes) {
    const std::vector<std::pair<std::string, std::optional<std::int32_t>>> cases{
        {"1500", 1500}, {"  42", 42},   {"-1", -1},          {"+7", 7},           {"0", 0},
        {"", {}},       {"abc", {}},    {"12a", {}},         {"1 ", {}},          {"-", {}},
        {" ", {}},      {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"2147483648", {}},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ParseWholeNumber(text), expected) << '"' << text << '"';
}

// The two families differ in where and with which type a value lives; a
// number written through the store comes back as the family stores it.
TEST(NetworkStore, WritesEachParameterWithItsFamilysTypeAndReadsItBack) {
    struct Case {
        NetFamily family;
        P parameter;
        RootKey root;
        std::string_view key, name;
        bool text;
    };
    const std::vector<Case> cases{
        {NetFamily::Win9x, P::Mtu, kLocalMachine, "", "MaxMTU", false},
        {NetFamily::Win9x, P::PathMtuDiscovery, kLocalMachine, test::kMstcp, "PMTUDiscovery", true},
        {NetFamily::Win9x, P::ReceiveWindow, kLocalMachine, test::kMstcp, "DefaultRcvWindow", true},
        {NetFamily::Win9x, P::WindowScaling, kLocalMachine, test::kMstcp, "Tcp1323Opts", false},
        {NetFamily::Win9x, P::Connections10, kCurrentUser, test::kInternetSettings, "MaxConnectionsPer1_0Server", false},
        {NetFamily::Win9x, P::Ttl, kLocalMachine, test::kMstcp, "DefaultTTL", true},
        {NetFamily::NT, P::Mtu, kLocalMachine, "", "MTU", false},
        {NetFamily::NT, P::BlackHoleDetection, kLocalMachine, test::kTcpip, "EnablePMTUBHDetect", false},
        {NetFamily::NT, P::SessionKeepAlive, kLocalMachine, test::kTcpip, "SessionKeepAlive", false},
        {NetFamily::NT, P::Connections11, kCurrentUser, test::kInternetSettings, "MaxConnectionsPerServer", false},
        {NetFamily::NT, P::DuplicateAcks, kLocalMachine, test::kTcpip, "TcpMaxDupAcks", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name));
        TunerMachine m(c.family);
        m.store.WriteNumber(c.parameter, 7);
        const std::string key = c.key.empty() ? m.AdapterKey(0) : std::string(c.key);
        EXPECT_EQ(m.machine.registry.ReadValue(c.root, key, c.name), c.text ? RegValue::String("7") : RegValue::Dword(7));
        EXPECT_EQ(m.store.ReadWholeNumber(c.parameter), 7);
    }
}

TEST(NetworkStore, MissingValuesAndKeysReadAsTheAbsentValue) {
    TunerMachine nt(NetFamily::NT), win9x(NetFamily::Win9x, 0);
    EXPECT_EQ(nt.store.ReadNumber(P::Mtu), kAbsentNumber);
    EXPECT_EQ(nt.store.ReadNumber(P::Ttl), kAbsentNumber);
    EXPECT_EQ(win9x.store.ReadText(P::Ttl), "-1");
    EXPECT_EQ(win9x.store.ReadNumber(P::Mtu), kAbsentNumber) << "no adapter sub-keys";
    nt.machine.registry.DeleteKeyTree(kLocalMachine, test::kTcpip);
    EXPECT_EQ(nt.store.ReadNumber(P::Ttl), kAbsentNumber);
}

TEST(NetworkStore, TheMtuIsReadFromTheFirstSubKeyAndWrittenAndDeletedInEvery) {
    TunerMachine m(NetFamily::NT, 3);
    m.Set(kLocalMachine, m.AdapterKey(0), "MTU", RegValue::Dword(1400));
    m.Set(kLocalMachine, m.AdapterKey(1), "MTU", RegValue::Dword(1500));
    EXPECT_EQ(m.store.ReadNumber(P::Mtu), 1400);
    m.store.WriteNumber(P::Mtu, 576);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(m.machine.registry.ReadValue(kLocalMachine, m.AdapterKey(i), "MTU"), RegValue::Dword(576)) << i;
    m.store.Delete(P::Mtu);
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(m.machine.registry.ReadValue(kLocalMachine, m.AdapterKey(i), "MTU")) << i;
}

TEST(NetworkStore, WithoutSubKeysTheMtuIsWrittenAndDeletedNowhereWithoutComplaint) {
    for (const NetFamily family : {NetFamily::NT, NetFamily::Win9x}) {
        TunerMachine m(family, 0);
        const auto before = m.Values();
        EXPECT_NO_THROW(m.store.WriteNumber(P::Mtu, 1500));
        EXPECT_NO_THROW(m.store.Delete(P::Mtu));
        EXPECT_EQ(m.Values(), before);
        EXPECT_EQ(m.machine.registry.SubKeyNames(kLocalMachine, m.store.Place(P::Mtu).key)->size(), 0u);
    }
}

TEST(NetworkStore, TheNtReceiveWindowWritesAndDeletesBothNamesAndReadsOne) {
    TunerMachine m(NetFamily::NT);
    m.store.WriteNumber(P::ReceiveWindow, 64240);
    EXPECT_EQ(m.Global("TcpWindowSize"), RegValue::Dword(64240));
    EXPECT_EQ(m.Global("GlobalMaxTcpWindowSize"), RegValue::Dword(64240));
    m.SetGlobal("TcpWindowSize", RegValue::Dword(8760));
    EXPECT_EQ(m.store.ReadNumber(P::ReceiveWindow), 8760);
    m.store.Delete(P::ReceiveWindow);
    EXPECT_FALSE(m.Global("TcpWindowSize"));
    EXPECT_FALSE(m.Global("GlobalMaxTcpWindowSize"));
}

TEST(NetworkStore, DuplicateAcknowledgementsHaveNoDelete) {
    TunerMachine m(NetFamily::Win9x);
    m.SetGlobal("TcpMaxDupAcks", RegValue::String("1"));
    m.store.Delete(P::DuplicateAcks);
    EXPECT_EQ(m.Global("TcpMaxDupAcks"), RegValue::String("1"));
}

TEST(NetworkStore, ValuesOfAnotherTypeFailWithTheFixedTexts) {
    TunerMachine nt(NetFamily::NT), win9x(NetFamily::Win9x);
    nt.SetGlobal("DefaultTTL", RegValue::String("128"));
    nt.SetGlobal("SackOpts", RegValue::Binary({1, 0, 0, 0}));
    nt.Set(kLocalMachine, nt.AdapterKey(0), "MTU", RegValue::Binary({1, 2, 3, 4, 5}));
    win9x.SetGlobal("DefaultTTL", RegValue::Dword(128));
    win9x.SetGlobal("DefaultRcvWindow", RegValue::String("8760", RegType::ExpandSz));
    EXPECT_EQ(ThrownText([&] { nt.store.ReadNumber(P::Ttl); }), "Failed to get data for 'DefaultTTL'");
    EXPECT_EQ(ThrownText([&] { nt.store.ReadNumber(P::SelectiveAcks); }), "Invalid data type for 'SackOpts'");
    EXPECT_EQ(ThrownText([&] { nt.store.ReadNumber(P::Mtu); }), "Failed to get data for 'MTU'");
    EXPECT_EQ(ThrownText([&] { win9x.store.ReadText(P::Ttl); }), "Invalid data type for 'DefaultTTL'");
    EXPECT_EQ(win9x.store.ReadText(P::ReceiveWindow), "8760") << "expandable strings are read too";
}

// Every operation opens its key for writing too: a key the user may only
// read shows no values, and writing to it or to a missing key fails.
TEST(NetworkStore, AKeyThatCannotBeWrittenReadsAsAbsentAndRefusesWrites) {
    TunerMachine m(NetFamily::NT);
    m.SetGlobal("DefaultTTL", RegValue::Dword(64));
    m.Set(kLocalMachine, m.AdapterKey(0), "MTU", RegValue::Dword(1500));
    m.machine.registry.MakeReadOnly(kLocalMachine, test::kTcpip);
    EXPECT_EQ(m.store.ReadNumber(P::Ttl), kAbsentNumber);
    EXPECT_EQ(m.store.ReadNumber(P::Mtu), kAbsentNumber);
    EXPECT_EQ(ThrownText([&] { m.store.WriteNumber(P::Ttl, 128); }), "Failed to set data for 'DefaultTTL'");
    m.store.Delete(P::Ttl);
    EXPECT_EQ(m.Global("DefaultTTL"), RegValue::Dword(64));

    m.machine.registry.DeleteKeyTree(kCurrentUser, test::kInternetSettings);
    EXPECT_EQ(ThrownText([&] { m.store.WriteNumber(P::Connections11, 16); }),
              "Failed to set data for 'MaxConnectionsPerServer'");
    EXPECT_FALSE(m.machine.registry.KeyExists(kCurrentUser, test::kInternetSettings)) << "keys are never created";
}

TEST(NetworkStore, PageTextsBecomeIntegersForDwordsAndStayTextForNineXStrings) {
    TunerMachine nt(NetFamily::NT), win9x(NetFamily::Win9x);
    nt.store.WriteFromText(P::SessionKeepAlive, "30");
    EXPECT_EQ(nt.Global("SessionKeepAlive"), RegValue::Dword(30));
    EXPECT_EQ(ThrownText([&] { nt.store.WriteFromText(P::Ttl, "12x"); }), "'12x' is not a valid integer value");
    EXPECT_FALSE(nt.Global("DefaultTTL"));
    win9x.store.WriteFromText(P::Ttl, "12x");
    EXPECT_EQ(win9x.Global("DefaultTTL"), RegValue::String("12x"));
}

}  // namespace
}  // namespace tw
