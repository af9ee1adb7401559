#include <gtest/gtest.h>

#include "platform/memory/memory_platform.h"
#include "services/export_format.h"
#include "services/registry_export.h"

namespace tw {
namespace {

using Lines = std::vector<std::string>;
constexpr std::string_view kKey = "Software\\Test";

TEST(RootKeys, NamesFollowTheTable) {
    const std::pair<RootKey, std::string> table[] = {
        {0x80000000u, "HKEY_CLASSES_ROOT"},     {0x80000001u, "HKEY_CURRENT_USER"},
        {0x80000002u, "HKEY_LOCAL_MACHINE"},    {0x80000003u, "HKEY_USERS"},
        {0x80000004u, "HKEY_PERFORMANCE_DATA"}, {0x80000005u, "HKEY_CURRENT_CONFIG"},
        {0x80000006u, "HKEY_DYN_DATA"},
    };
    for (const auto& [root, name] : table) {
        EXPECT_EQ(RootKeyName(root), name);
        EXPECT_EQ(RootKeyFromName(name), root);
    }
    EXPECT_EQ(RootKeyName(0x80000007u), "");
    EXPECT_EQ(RootKeyName(0), "");
}

TEST(RootKeys, UnknownOrMiscasedNamesGiveLocalMachine) {
    EXPECT_EQ(RootKeyFromName("hkey_current_user"), kLocalMachine);
    EXPECT_EQ(RootKeyFromName("HKCU"), kLocalMachine);
    EXPECT_EQ(RootKeyFromName(""), kLocalMachine);
}

TEST(ExportLines, KeyAndDeleteLines) {
    EXPECT_EQ(KeyLine(kCurrentUser, "Software\\A"), "[HKEY_CURRENT_USER\\Software\\A]");
    EXPECT_EQ(DeleteValueLine("MaxMTU"), "\"MaxMTU\"=-");
}

class ValueLines : public ::testing::Test {
protected:
    // The REGEDIT4 and version 5.00 lines of one value written by the writer.
    std::pair<std::optional<Lines>, Lines> Export(std::string_view name, const RegValue& value) {
        p.registry.WriteValue(kCurrentUser, kKey, name, value);
        ExportBuffer buffer;
        WriteValueLine(buffer, p.registry, kCurrentUser, kKey, name);
        return {buffer.Regedit4Lines(p.system), buffer.Version5Lines()};
    }
    // The same line in both forms.
    std::string Both(std::string_view name, const RegValue& value) {
        const auto [ansi, unicode] = Export(name, value);
        EXPECT_TRUE(ansi.has_value());
        EXPECT_EQ(ansi.value_or(Lines{}), unicode);
        EXPECT_EQ(unicode.size(), 1u);
        return unicode.empty() ? std::string() : unicode.front();
    }
    MemoryPlatform p;
};

TEST_F(ValueLines, StringsAndNamesAreEscaped) {
    EXPECT_EQ(Both("a\"b\\c", RegValue::String("C:\\x")), "\"a\\\"b\\\\c\"=\"C:\\\\x\"");
    EXPECT_EQ(Both("q", RegValue::String("say \"hi\"")), "\"q\"=\"say \\\"hi\\\"\"");
    EXPECT_EQ(Both("", RegValue::String("v")), "@=\"v\"");
    EXPECT_EQ(Both("e", RegValue::String("")), "\"e\"=\"\"");
}

TEST_F(ValueLines, DwordsAreEightLowerCaseDigits) {
    EXPECT_EQ(Both("n", RegValue::Dword(26)), "\"n\"=dword:0000001a");
    EXPECT_EQ(Both("n", RegValue::Dword(4294967295u)), "\"n\"=dword:ffffffff");
    EXPECT_EQ(Both("n", RegValue::Dword(0)), "\"n\"=dword:00000000");
}

TEST_F(ValueLines, DwordsOfAnotherLengthKeepEveryByte) {
    EXPECT_EQ(Both("n", RegValue::Binary({1, 2, 3}, RegType::Dword)), "\"n\"=hex(4):01,02,03");
    EXPECT_EQ(Both("n", RegValue::Binary({}, RegType::Dword)), "\"n\"=hex(4):");
}

TEST_F(ValueLines, BinaryAndOtherTypesAreLowerCaseBytes) {
    EXPECT_EQ(Both("b", RegValue::Binary({0x01, 0xAB})), "\"b\"=hex:01,ab");
    EXPECT_EQ(Both("b", RegValue::Binary({})), "\"b\"=hex:");
    EXPECT_EQ(Both("", RegValue::Binary({}, RegType::None)), "@=hex(0):");
    EXPECT_EQ(Both("q", RegValue::Binary({1, 0, 0, 0, 0, 0, 0, 0xF0}, RegType::Qword)),
              "\"q\"=hex(b):01,00,00,00,00,00,00,f0");
    EXPECT_EQ(Both("odd", RegValue::Binary({0xff}, 0x1234)), "\"odd\"=hex(1234):ff");
}

TEST_F(ValueLines, ExpandStringsAreAnsiCodesInRegedit4AndRawBytesInVersion5) {
    const auto [ansi, unicode] = Export("x", RegValue::String("ab", RegType::ExpandSz));
    EXPECT_EQ(ansi, Lines{"\"x\"=hex(2):61,62,00"});
    EXPECT_EQ(unicode, Lines{"\"x\"=hex(2):61,00,62,00,00,00"});
    EXPECT_EQ(Export("x", RegValue::String("%é%", RegType::ExpandSz)).first,
              Lines{"\"x\"=hex(2):25,E9,25,00"});
    EXPECT_EQ(Export("x", RegValue::String("", RegType::ExpandSz)).first, Lines{"\"x\"=hex(2):00"});
}

TEST_F(ValueLines, MultiStringsKeepEveryTerminatingZero) {
    const auto [ansi, unicode] = Export("m", RegValue::MultiString({"a", "é"}));
    EXPECT_EQ(ansi, Lines{"\"m\"=hex(7):61,00,e9,00,00"});
    EXPECT_EQ(unicode, Lines{"\"m\"=hex(7):61,00,00,00,e9,00,00,00,00,00"});
}

TEST_F(ValueLines, TextOutsideTheCodePageHasNoRegedit4Form) {
    EXPECT_FALSE(Export("x", RegValue::String("Ω", RegType::ExpandSz)).first);
    EXPECT_FALSE(Export("m", RegValue::MultiString({"Ω"})).first);
    EXPECT_FALSE(Export("Ω", RegValue::Dword(1)).first);
    EXPECT_FALSE(Export("s", RegValue::String("Ω")).first);
    EXPECT_EQ(Export("s", RegValue::String("Ω")).second, Lines{"\"s\"=\"Ω\""});
    // An odd byte count cannot be carried by ANSI text either.
    EXPECT_FALSE(Export("m", RegValue::Binary({0x61, 0, 0}, RegType::MultiSz)).first);
    EXPECT_EQ(Export("m", RegValue::Binary({0x61, 0, 0}, RegType::MultiSz)).second,
              Lines{"\"m\"=hex(7):61,00,00"});
}

// String data that quoted text would not give back exactly goes in a hex
// form: in REGEDIT4 as ANSI bytes when the editor's reading of them gives
// the same units, else only in the version 5.00 file, as raw bytes.
TEST_F(ValueLines, StringDataIsQuotedOnlyWhenTheTextImportsBackExactly) {
    const auto raw = [](std::uint32_t type, std::vector<std::uint8_t> bytes) { return RegValue{type, std::move(bytes)}; };
    const struct {
        const char* what;
        RegValue value;
        std::optional<std::string> regedit4;
        std::string version5;
    } cases[] = {
        {"line breaks", RegValue::String("a\r\nb"), "hex(1):61,0d,0a,62,00", "hex(1):61,00,0d,00,0a,00,62,00,00,00"},
        {"text after a NUL", raw(RegType::Sz, {'a', 0, 0, 0, 'b', 0, 0, 0}), "hex(1):61,00,62,00",
         "hex(1):61,00,00,00,62,00,00,00"},
        {"double NUL", raw(RegType::Sz, {'a', 0, 0, 0, 0, 0}), "hex(1):61,00,00", "hex(1):61,00,00,00,00,00"},
        {"no terminator", raw(RegType::Sz, {'a', 0}), std::nullopt, "hex(1):61,00"},
        {"odd length", raw(RegType::Sz, {'a', 0, 0, 0, 'b'}), std::nullopt, "hex(1):61,00,00,00,62"},
        {"no bytes", raw(RegType::Sz, {}), "hex(1):", "hex(1):"},
        {"lone surrogate", RegValue::String("x\xED\xA0\x80"), std::nullopt, "\"x\xED\xA0\x80\""},
        {"control characters", RegValue::String("\x01\t\x1a"), "\"\x01\t\x1a\"", "\"\x01\t\x1a\""},
        {"expand with a line break", RegValue::String("a\rb", RegType::ExpandSz), "hex(2):61,0D,62,00",
         "hex(2):61,00,0d,00,62,00,00,00"},
        {"expand after a NUL", raw(RegType::ExpandSz, {'a', 0, 0, 0, 0xe9, 0, 0, 0}), "hex(2):61,00,E9,00",
         "hex(2):61,00,00,00,e9,00,00,00"},
        {"expand without terminator", raw(RegType::ExpandSz, {'a', 0}), std::nullopt, "hex(2):61,00"},
        {"expand without bytes", raw(RegType::ExpandSz, {}), "hex(2):", "hex(2):"},
        {"multi without terminator", raw(RegType::MultiSz, {'a', 0}), std::nullopt, "hex(7):61,00"},
    };
    for (const auto& c : cases) {
        const auto [ansi, unicode] = Export("v", c.value);
        const std::optional<Lines> expected =
            c.regedit4 ? std::optional<Lines>(Lines{"\"v\"=" + *c.regedit4}) : std::nullopt;
        EXPECT_EQ(ansi, expected) << c.what;
        EXPECT_EQ(unicode, Lines{"\"v\"=" + c.version5}) << c.what;
    }
}

TEST_F(ValueLines, NamesWithALineBreakAreNeverWritten) {
    for (const char* name : {"a\rb", "a\nb", "x\n[HKEY_CURRENT_USER\\Elsewhere]"}) {
        EXPECT_EQ(Export(name, RegValue::Dword(1)).second, Lines{}) << name;
    }
}

TEST(KeyPaths, EmptyNamesAreDroppedAndNothingLeftIsRefused) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"\\ProgId", "ProgId"}, {"A\\\\B\\", "A\\B"}, {"A\\B", "A\\B"}, {"\\\\", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [path, normal] : cases) EXPECT_EQ(NormalKeyPath(path), normal) << path;
}

TEST_F(ValueLines, LargeValuesAreWrittenWhole) {
    const std::vector<std::uint8_t> bytes(70000, 0x5a);
    const std::string line = Both("big", RegValue::Binary(bytes));
    EXPECT_EQ(line.size(), std::string("\"big\"=hex:").size() + bytes.size() * 3 - 1);
    EXPECT_EQ(line.substr(line.size() - 5), "5a,5a");
}

TEST_F(ValueLines, MissingValuesAndUnopenableKeysAppendNothing) {
    p.registry.WriteValue(kCurrentUser, kKey, "there", RegValue::Dword(1));
    ExportBuffer buffer;
    WriteValueLine(buffer, p.registry, kCurrentUser, kKey, "missing");
    WriteValueLine(buffer, p.registry, kCurrentUser, "Software\\Nowhere", "there");
    p.registry.FailOpen(kCurrentUser, kKey);
    WriteValueLine(buffer, p.registry, kCurrentUser, kKey, "there");
    EXPECT_EQ(buffer.LineCount(), 0u);
}

class KeyTree : public ::testing::Test {
protected:
    Lines Tree(std::string_view path) {
        ExportBuffer buffer;
        WriteKeyTree(buffer, p.registry, kCurrentUser, path);
        return buffer.Version5Lines();
    }
    MemoryPlatform p;
};

TEST_F(KeyTree, ParentsComeBeforeChildrenEachWithAnEmptyLine) {
    p.registry.WriteValue(kCurrentUser, "S\\T", "p", RegValue::Dword(1));
    p.registry.WriteValue(kCurrentUser, "S\\T\\B", "b", RegValue::Dword(2));
    p.registry.WriteValue(kCurrentUser, "S\\T\\A", "a", RegValue::Dword(3));
    p.registry.WriteValue(kCurrentUser, "S\\T", "", RegValue::String("d"));
    EXPECT_EQ(Tree("S\\T"), (Lines{
                                "[HKEY_CURRENT_USER\\S\\T]", "\"p\"=dword:00000001", "@=\"d\"", "",
                                "[HKEY_CURRENT_USER\\S\\T\\A]", "\"a\"=dword:00000003", "",
                                "[HKEY_CURRENT_USER\\S\\T\\B]", "\"b\"=dword:00000002", "",
                            }));
}

TEST_F(KeyTree, KeysWithoutValuesKeepTheirKeyLine) {
    p.registry.CreateKey(kCurrentUser, "S\\T\\Empty");
    p.registry.WriteValue(kCurrentUser, "S\\T\\Full\\Deep", "v", RegValue::Dword(1));
    EXPECT_EQ(Tree("S\\T"), (Lines{
                                "[HKEY_CURRENT_USER\\S\\T]", "",
                                "[HKEY_CURRENT_USER\\S\\T\\Empty]", "",
                                "[HKEY_CURRENT_USER\\S\\T\\Full]", "",
                                "[HKEY_CURRENT_USER\\S\\T\\Full\\Deep]", "\"v\"=dword:00000001", "",
                            }));
}

TEST_F(KeyTree, UnreadableKeysAreSkippedWithEverythingBelow) {
    p.registry.WriteValue(kCurrentUser, "S\\T\\Locked\\Inner", "v", RegValue::Dword(1));
    p.registry.WriteValue(kCurrentUser, "S\\T\\Open", "v", RegValue::Dword(2));
    p.registry.FailOpen(kCurrentUser, "S\\T\\Locked");
    EXPECT_EQ(Tree("S\\T"), (Lines{
                                "[HKEY_CURRENT_USER\\S\\T]", "",
                                "[HKEY_CURRENT_USER\\S\\T\\Open]", "\"v\"=dword:00000002", "",
                            }));
    EXPECT_EQ(Tree("S\\Missing"), Lines{});
}

TEST_F(KeyTree, KeysWhoseNameHoldsALineBreakAreLeftOutWithEverythingBelow) {
    p.registry.WriteValue(kCurrentUser, "S\\T\\Bad\nName\\Inner", "v", RegValue::Dword(1));
    p.registry.WriteValue(kCurrentUser, "S\\T\\Good", "v", RegValue::Dword(2));
    EXPECT_EQ(Tree("S\\T"), (Lines{
                                "[HKEY_CURRENT_USER\\S\\T]", "",
                                "[HKEY_CURRENT_USER\\S\\T\\Good]", "\"v\"=dword:00000002", "",
                            }));
}

std::string AsText(const std::vector<std::uint8_t>& bytes) { return {bytes.begin(), bytes.end()}; }

std::vector<std::uint8_t> Utf16File(std::u16string_view text) {
    std::vector<std::uint8_t> bytes{0xff, 0xfe};
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xff));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

class ExportFile : public ::testing::Test {
protected:
    ExportFile() {
        buffer.AddHeader();
        buffer.AddLine(KeyLine(kCurrentUser, "S"));
    }
    MemoryPlatform p;
    ExportBuffer buffer;
};

TEST_F(ExportFile, IsAnsiRegedit4WhenEverythingFits) {
    buffer.AddValue("é", RegValue::String("ü"));
    buffer.AddLine("");
    EXPECT_EQ(AsText(buffer.FileBytes(p.system)), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\S]\r\n\"\xE9\"=\"\xFC\"\r\n\r\n");
}

TEST_F(ExportFile, IsUtf16Version5WhenAnyCharacterDoesNotFit) {
    buffer.AddValue("Ω", RegValue::String("ab", RegType::ExpandSz));
    EXPECT_EQ(buffer.FileBytes(p.system),
              Utf16File(u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\S]\r\n"
                        u"\"Ω\"=hex(2):61,00,62,00,00,00\r\n"));
}

TEST_F(ExportFile, KeyLinesDecideTheFormToo) {
    buffer.AddLine(KeyLine(kCurrentUser, "S\\Ω"));
    EXPECT_EQ(buffer.FileBytes(p.system).front(), 0xff);
    EXPECT_FALSE(buffer.Regedit4Lines(p.system));
}

}  // namespace
}  // namespace tw
