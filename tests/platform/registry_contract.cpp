// The registry contract: what the Registry Cleaner, the Startup Manager and
// the settings store rely on, checked against every machine.
#include <algorithm>
#include <numeric>

#include "contract_env.h"
#include "platform/reg_key.h"
#include "platform/error.h"
#include "platform/text.h"

namespace tw::test {
namespace {

using Names = std::vector<std::string>;

Names Sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

RegValue Raw(std::uint32_t type, std::vector<std::uint8_t> bytes) { return RegValue{type, std::move(bytes)}; }

std::vector<std::uint8_t> Pattern(std::size_t length) {
    std::vector<std::uint8_t> bytes(length);
    for (std::size_t i = 0; i < length; ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    return bytes;
}

TEST_P(RegistryContract, EveryValueTypeRoundTripsByteExact) {
    Registry& reg = P().registry;
    const std::vector<std::pair<std::string, RegValue>> values = {
        {"Sz", RegValue::String("C:\\Program Files\\Tidewell\\Tidewell.exe \"%1\"")},
        {"SzNonAnsi", RegValue::String("Grüße 中文 Ключ")},
        {"SzEmpty", RegValue::String("")},
        {"SzWithoutTerminator", Raw(RegType::Sz, {'a', 0, 'b', 0})},
        {"SzOddLength", Raw(RegType::Sz, {'a', 0, 'b'})},
        {"ExpandSz", RegValue::String("%SystemRoot%\\system32\\x.dll", RegType::ExpandSz)},
        {"MultiSz", RegValue::MultiString({"first", "zweite ü", "третий"})},
        {"MultiSzEmpty", RegValue::MultiString({})},
        {"BinaryEmpty", RegValue::Binary({})},
        {"Binary", RegValue::Binary({0x00, 0x01, 0x7F, 0x80, 0xFF, 0x00})},
        {"Dword", RegValue::Dword(0xDEADBEEF)},
        {"DwordZero", RegValue::Dword(0)},
        {"DwordShort", Raw(RegType::Dword, {0x01, 0x02})},
        {"NoneEmpty", Raw(RegType::None, {})},
        {"NoneBytes", Raw(RegType::None, {0x10, 0x20})},
        {"Qword", Raw(RegType::Qword, {1, 2, 3, 4, 5, 6, 7, 0x88})},
        {"OddType", RegValue::Binary({0xAB, 0xCD, 0xEF}, 0x1234)},
        {"", RegValue::String("the default value")},
    };
    for (const auto& [name, value] : values) ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key(), name, value)) << name;
    for (const auto& [name, value] : values) {
        const auto read = reg.ReadValue(Env().RegistryRoot(), Key(), name);
        ASSERT_TRUE(read.has_value()) << "value '" << name << "'";
        EXPECT_EQ(read->type, value.type) << "value '" << name << "'";
        EXPECT_EQ(read->data, value.data) << "value '" << name << "'";
    }
    EXPECT_EQ(reg.ReadValue(Env().RegistryRoot(), Key(), "SzNonAnsi")->Text(), "Grüße 中文 Ключ");
    EXPECT_EQ(reg.ReadValue(Env().RegistryRoot(), Key(), "Dword")->AsDword(), 0xDEADBEEFu);
}

TEST_P(RegistryContract, DefaultValueIsTheEmptyNameAndListedAsSuch) {
    Registry& reg = P().registry;
    EXPECT_FALSE(reg.ReadValue(Env().RegistryRoot(), Key(), "").has_value()) << "a new key has no default value";
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key(), "", RegValue::String("default")));
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key(), "named", RegValue::Dword(1)));
    EXPECT_EQ(reg.ReadValue(Env().RegistryRoot(), Key(), "")->Text(), "default");
    EXPECT_EQ(Sorted(*reg.ValueNames(Env().RegistryRoot(), Key())), (Names{"", "named"}));
    EXPECT_TRUE(reg.DeleteValue(Env().RegistryRoot(), Key(), ""));
    EXPECT_FALSE(reg.ReadValue(Env().RegistryRoot(), Key(), "").has_value());
    EXPECT_EQ(*reg.ValueNames(Env().RegistryRoot(), Key()), Names{"named"});
}

// Values of 64 KiB and more must come back whole (backups export them).
TEST_P(RegistryContract, ValuesOverOneHundredKilobytesRoundTrip) {
    Registry& reg = P().registry;
    const RegValue binary = RegValue::Binary(Pattern(150'000));
    const RegValue text = RegValue::String(std::string(70'000, 'x') + "end");  // 140 KB of UTF-16
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key(), "Big", binary));
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key(), "BigText", text));
    EXPECT_EQ(reg.ReadValue(Env().RegistryRoot(), Key(), "Big"), binary);
    const auto readText = reg.ReadValue(Env().RegistryRoot(), Key(), "BigText");
    ASSERT_TRUE(readText.has_value());
    EXPECT_EQ(readText->data.size(), 2 * (70'000 + 3 + 1));
    EXPECT_EQ(*readText, text);
}

// Names outside the ANSI code page must not turn into "?" (DESIGN.md 1).
TEST_P(RegistryContract, NonAnsiKeyAndValueNamesRoundTrip) {
    Registry& reg = P().registry;
    const std::string keyName = "Schlüssel 键 Ключ ✓";
    const std::string valueName = "名前 ä ω";
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key(keyName), valueName, RegValue::Dword(7)));
    EXPECT_EQ(*reg.SubKeyNames(Env().RegistryRoot(), Key()), Names{keyName});
    EXPECT_EQ(*reg.ValueNames(Env().RegistryRoot(), Key(keyName)), Names{valueName});
    EXPECT_EQ(reg.ReadValue(Env().RegistryRoot(), Key(keyName), valueName)->AsDword(), 7u);
}

TEST_P(RegistryContract, NamesUpToTheRegistryLimitsWork) {
    Registry& reg = P().registry;
    const std::string longKey(255, 'k');
    const std::string longValue(16'383, 'v');
    ASSERT_TRUE(reg.CreateKey(Env().RegistryRoot(), Key(longKey)));
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key(longKey), longValue, RegValue::Dword(5)));
    EXPECT_EQ(*reg.SubKeyNames(Env().RegistryRoot(), Key()), Names{longKey});
    EXPECT_EQ(*reg.ValueNames(Env().RegistryRoot(), Key(longKey)), Names{longValue});
    EXPECT_EQ(reg.ReadValue(Env().RegistryRoot(), Key(longKey), longValue)->AsDword(), 5u);
}

TEST_P(RegistryContract, NamesCompareWithoutCaseAndKeepTheirCase) {
    Registry& reg = P().registry;
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key("MixedCase\\Ärger Ключ"), "ValueÖl", RegValue::Dword(1)));
    EXPECT_TRUE(reg.KeyExists(Env().RegistryRoot(), Key("MIXEDCASE\\äRGER ключ")));
    EXPECT_EQ(reg.ReadValue(Env().RegistryRoot(), Key("mixedcase\\ÄRGER КЛЮЧ"), "VALUEöL")->AsDword(), 1u);
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key("MIXEDCASE\\ärger ключ"), "valueöl", RegValue::Dword(2)));
    EXPECT_EQ(*reg.SubKeyNames(Env().RegistryRoot(), Key()), Names{"MixedCase"});
    EXPECT_EQ(*reg.SubKeyNames(Env().RegistryRoot(), Key("MixedCase")), Names{"Ärger Ключ"});
    EXPECT_EQ(*reg.ValueNames(Env().RegistryRoot(), Key("MixedCase\\Ärger Ключ")), Names{"ValueÖl"});
    EXPECT_EQ(reg.ReadValue(Env().RegistryRoot(), Key("MixedCase\\Ärger Ключ"), "ValueÖl")->AsDword(), 2u);
    EXPECT_TRUE(reg.DeleteValue(Env().RegistryRoot(), Key("mixedcase\\ärger ключ"), "VALUEÖL"));
    EXPECT_TRUE(reg.DeleteKeyTree(Env().RegistryRoot(), Key("MIXEDCASE")));
    EXPECT_FALSE(reg.KeyExists(Env().RegistryRoot(), Key("MixedCase")));
}

// Letters that are a case pair are one name; neighbours in the code chart
// that are not (Ž U+017D and ż U+017C), and a title-case letter beside its
// pair (ǅ beside Ǆ and ǆ), are two. A lone surrogate is a name.
TEST_P(RegistryContract, CasePairsComeFromTheUnicodeDataAndLoneSurrogatesAreNames) {
    Registry& reg = P().registry;
    const std::string lone = Utf16ToUtf8(u"x\xD800y");
    for (const std::string& name : {std::string("Ž"), std::string("ż"), std::string("Ł"), lone}) {
        ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key(), name, RegValue::String(name))) << name;
    }
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key(), "ž", RegValue::String("ž")));
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key(), "ł", RegValue::String("ł")));
    EXPECT_EQ(Sorted(*reg.ValueNames(Env().RegistryRoot(), Key())), Sorted({"Ž", "ż", "Ł", lone}));
    EXPECT_EQ(reg.ReadValue(Env().RegistryRoot(), Key(), "Ž")->Text(), "ž");
    EXPECT_EQ(reg.ReadValue(Env().RegistryRoot(), Key(), "ż")->Text(), "ż");
    EXPECT_EQ(reg.ReadValue(Env().RegistryRoot(), Key(), lone)->Utf16(), u"x\xD800y");
    ASSERT_TRUE(reg.CreateKey(Env().RegistryRoot(), Key(lone + "\\Ǆ")));
    EXPECT_TRUE(reg.KeyExists(Env().RegistryRoot(), Key(lone + "\\ǆ")));
    EXPECT_FALSE(reg.KeyExists(Env().RegistryRoot(), Key(lone + "\\ǅ")));
    EXPECT_EQ(*reg.SubKeyNames(Env().RegistryRoot(), Key(lone)), Names{"Ǆ"});
    EXPECT_TRUE(reg.DeleteKeyTree(Env().RegistryRoot(), Key(lone)));
    EXPECT_FALSE(reg.KeyExists(Env().RegistryRoot(), Key(lone)));
}

TEST_P(RegistryContract, MissingKeysAndValuesAreNulloptOrFalse) {
    Registry& reg = P().registry;
    const std::string missing = Key("Missing\\Deeper");
    EXPECT_FALSE(reg.KeyExists(Env().RegistryRoot(), missing));
    EXPECT_FALSE(reg.SubKeyNames(Env().RegistryRoot(), missing).has_value());
    EXPECT_FALSE(reg.ValueNames(Env().RegistryRoot(), missing).has_value());
    EXPECT_FALSE(reg.ReadValue(Env().RegistryRoot(), missing, "x").has_value());
    EXPECT_FALSE(reg.DeleteValue(Env().RegistryRoot(), missing, "x"));
    EXPECT_FALSE(reg.DeleteKeyTree(Env().RegistryRoot(), missing));
    EXPECT_FALSE(reg.ReadValue(Env().RegistryRoot(), Key(), "x").has_value());
    EXPECT_FALSE(reg.DeleteValue(Env().RegistryRoot(), Key(), "x"));
    EXPECT_FALSE(reg.KeyExists(Env().RegistryRoot(), missing)) << "reading must not create the key";
    // An empty key lists nothing, which is not the same as a missing key.
    EXPECT_EQ(reg.SubKeyNames(Env().RegistryRoot(), Key()), Names{});
    EXPECT_EQ(reg.ValueNames(Env().RegistryRoot(), Key()), Names{});
}

// Paths are relative to their root: Windows refuses one that starts with a
// backslash (ERROR_BAD_PATHNAME) rather than ignoring it, so code that builds
// such a path must fail on every machine, not only on the real one.
TEST_P(RegistryContract, PathsStartingWithABackslashAreRefused) {
    Registry& reg = P().registry;
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key("Sub"), "v", RegValue::Dword(1)));
    const auto rootedPath = [&](std::string_view below) { return std::string(1, '\\').append(Key(below)); };
    const std::string rooted = rootedPath("Sub");
    EXPECT_FALSE(reg.KeyExists(Env().RegistryRoot(), rooted));
    EXPECT_FALSE(reg.ReadValue(Env().RegistryRoot(), rooted, "v").has_value());
    EXPECT_FALSE(reg.CreateKey(Env().RegistryRoot(), rootedPath("Other")));
    EXPECT_FALSE(reg.KeyExists(Env().RegistryRoot(), Key("Other")));
}

TEST_P(RegistryContract, CreateKeyAndWriteValueCreateMissingParents) {
    Registry& reg = P().registry;
    ASSERT_TRUE(reg.CreateKey(Env().RegistryRoot(), Key("A\\B\\C")));
    EXPECT_TRUE(reg.KeyExists(Env().RegistryRoot(), Key("A")));
    EXPECT_TRUE(reg.KeyExists(Env().RegistryRoot(), Key("A\\B")));
    EXPECT_TRUE(reg.KeyExists(Env().RegistryRoot(), Key("A\\B\\C")));
    EXPECT_TRUE(reg.CreateKey(Env().RegistryRoot(), Key("A\\B\\C"))) << "creating an existing key opens it";
    EXPECT_EQ(*reg.SubKeyNames(Env().RegistryRoot(), Key("A")), Names{"B"});
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key("X\\Y"), "v", RegValue::Dword(3)));
    EXPECT_TRUE(reg.KeyExists(Env().RegistryRoot(), Key("X")));
    EXPECT_EQ(reg.ReadValue(Env().RegistryRoot(), Key("X\\Y"), "v")->AsDword(), 3u);
}

TEST_P(RegistryContract, WritingReplacesTypeAndData) {
    Registry& reg = P().registry;
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key(), "v", RegValue::Binary(Pattern(5000))));
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key(), "V", RegValue::Dword(9)));
    EXPECT_EQ(reg.ReadValue(Env().RegistryRoot(), Key(), "v"), RegValue::Dword(9));
    EXPECT_EQ(*reg.ValueNames(Env().RegistryRoot(), Key()), Names{"v"});
}

TEST_P(RegistryContract, DeleteValueRemovesOnlyThatValue) {
    Registry& reg = P().registry;
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key(), "keep", RegValue::Dword(1)));
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key(), "drop", RegValue::Dword(2)));
    ASSERT_TRUE(reg.CreateKey(Env().RegistryRoot(), Key("drop")));
    EXPECT_TRUE(reg.DeleteValue(Env().RegistryRoot(), Key(), "drop"));
    EXPECT_FALSE(reg.DeleteValue(Env().RegistryRoot(), Key(), "drop")) << "already gone";
    EXPECT_EQ(*reg.ValueNames(Env().RegistryRoot(), Key()), Names{"keep"});
    EXPECT_TRUE(reg.KeyExists(Env().RegistryRoot(), Key("drop"))) << "a sub-key of the same name stays";
}

TEST_P(RegistryContract, DeleteKeyTreeRemovesTheWholeSubtreeOnly) {
    Registry& reg = P().registry;
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key("Tree"), "v", RegValue::Dword(1)));
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key("Tree\\Child\\Grandchild"), "w", RegValue::String("x")));
    ASSERT_TRUE(reg.CreateKey(Env().RegistryRoot(), Key("Tree\\Empty")));
    ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key("Treehouse"), "sibling", RegValue::Dword(2)));
    EXPECT_TRUE(reg.DeleteKeyTree(Env().RegistryRoot(), Key("Tree")));
    EXPECT_FALSE(reg.KeyExists(Env().RegistryRoot(), Key("Tree")));
    EXPECT_FALSE(reg.KeyExists(Env().RegistryRoot(), Key("Tree\\Child\\Grandchild")));
    EXPECT_TRUE(reg.KeyExists(Env().RegistryRoot(), Key()));
    EXPECT_EQ(*reg.SubKeyNames(Env().RegistryRoot(), Key()), Names{"Treehouse"});
    EXPECT_EQ(reg.ReadValue(Env().RegistryRoot(), Key("Treehouse"), "sibling")->AsDword(), 2u);
}

// Every name is listed exactly once. The order is the registry's own: on
// Windows values come in the order they were written (WINE.md: Wine sorts
// them, so that part is checked off Wine only).
TEST_P(RegistryContract, EnumerationListsEveryNameOnce) {
    Registry& reg = P().registry;
    const Names written = {"zeta", "Alpha", "mid", "Émile", "0digit"};
    for (const std::string& name : written) {
        ASSERT_TRUE(reg.WriteValue(Env().RegistryRoot(), Key(), name, RegValue::Dword(1)));
        ASSERT_TRUE(reg.CreateKey(Env().RegistryRoot(), Key(name)));
    }
    const auto values = reg.ValueNames(Env().RegistryRoot(), Key());
    const auto keys = reg.SubKeyNames(Env().RegistryRoot(), Key());
    ASSERT_TRUE(values && keys);
    EXPECT_EQ(Sorted(*values), Sorted(written));
    EXPECT_EQ(Sorted(*keys), Sorted(written));
    if (!Env().UnderWine()) {
        EXPECT_EQ(*values, written) << "Windows lists values in the order they were written";
    }
}

// RegKey is what the tools use; its fixed texts must hold on every machine.
TEST_P(RegistryContract, KeyHelperReadsWritesAndRaisesTheFixedTexts) {
    RegKey key(P().registry, Env().RegistryRoot());
    EXPECT_FALSE(key.Open(Key("Settings"), false));
    ASSERT_TRUE(key.Open(Key("Settings"), true));
    key.WriteString("Name", "Tidewell ü");
    key.WriteDword("Count", 42);
    EXPECT_TRUE(key.ValueExists("name"));
    EXPECT_EQ(key.ReadString("NAME"), "Tidewell ü");
    EXPECT_EQ(key.ReadString("absent"), "");
    EXPECT_EQ(key.ReadDword("count"), 42u);
    try {
        (void)key.ReadString("Count");
        ADD_FAILURE() << "reading a DWORD as a string must fail";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'Count'");
    }
    try {
        (void)key.ReadDword("absent");
        ADD_FAILURE() << "reading a missing DWORD must fail";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Failed to get data for 'absent'");
    }
    EXPECT_TRUE(key.DeleteValue("Name"));
    EXPECT_FALSE(key.ValueExists("Name"));
}

}  // namespace
}  // namespace tw::test
