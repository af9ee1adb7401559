#include <gtest/gtest.h>

#include <random>
#include <set>

#include "platform/text.h"
#include "platform/win32/win32_platform.h"
#include "services/backup_store.h"
#include "services/registry_export.h"
#include "support/exact_snapshot.h"
#include "support/registry_editor_win.h"

namespace tw {
namespace {

constexpr std::string_view kTestRoot = "Software\\TidewellTests";
constexpr std::string_view kBase = "Software\\TidewellTests\\Export";
constexpr std::string_view kBackupFolder = "Backups\\RoundTrip";

std::string Join(std::string_view parent, std::string_view child) {
    std::string path(parent);
    if (!child.empty()) path.append("\\").append(child);
    return path;
}

class RegeditRoundTrip : public ::testing::Test {
protected:
    void SetUp() override { p.registry.DeleteKeyTree(kCurrentUser, kTestRoot); }
    void TearDown() override {
        p.registry.DeleteKeyTree(kCurrentUser, kTestRoot);
        if (!savedFile_.empty()) p.files.DeleteFile(savedFile_);
        p.files.RemoveFolder(store.Folder());
        p.files.RemoveFolder(p.files.ExecutableFolder() + "Backups");
    }

    void Put(std::string_view key, std::string_view name, const RegValue& value) {
        ASSERT_TRUE(p.registry.WriteValue(kCurrentUser, Join(kBase, key), name, value)) << key << " " << name;
    }
    void PutKey(std::string_view key) { ASSERT_TRUE(p.registry.CreateKey(kCurrentUser, Join(kBase, key))); }

    test::ExactSnapshot Take() const { return test::TakeExact(p.registry, kCurrentUser, std::string(kBase)); }

    // Exports the tree, deletes it, imports the file with the system's
    // registry editor and compares. Gives the first line of the saved file.
    std::vector<std::uint8_t> RoundTrip() {
        const test::ExactSnapshot before = Take();
        ExportBuffer buffer;
        buffer.AddHeader();
        WriteKeyTree(buffer, p.registry, kCurrentUser, kBase);
        savedFile_ = store.Folder() + "\\" + store.Save(buffer);
        std::vector<std::uint8_t> bytes(64);
        bytes.resize(p.files.Open(savedFile_, OpenMode::Read, Share::Read)->Read(bytes));

        EXPECT_TRUE(p.registry.DeleteKeyTree(kCurrentUser, kBase));
        EXPECT_FALSE(p.registry.KeyExists(kCurrentUser, kBase));
        EXPECT_TRUE(test::ImportWithRegistryEditor(savedFile_).has_value()) << "regedit did not run";
        EXPECT_EQ(test::ExactDifferences(before, Take()), "");
        return bytes;
    }

    Win32Platform p;
    BackupStore store{p.Bundle(), kBackupFolder};

private:
    std::string savedFile_;
};

bool StartsWith(const std::vector<std::uint8_t>& bytes, std::string_view text) {
    return bytes.size() >= text.size() && std::equal(text.begin(), text.end(), bytes.begin());
}

TEST_F(RegeditRoundTrip, EveryValueTypeComesBackAsItWas) {
    Put("", "", RegValue::String("default of the base"));
    Put("", "quote\"and\\backslash", RegValue::String("C:\\x \"quoted\" \\\\server"));
    Put("", "Café", RegValue::String("naïve"));
    Put("", "empty string", RegValue::String(""));
    Put("", "expand", RegValue::String("%SystemRoot%\\système", RegType::ExpandSz));
    Put("", "empty expand", RegValue::String("", RegType::ExpandSz));
    Put("", "multi", RegValue::MultiString({"one", "", "trois é"}));
    Put("", "empty binary", RegValue::Binary({}));
    Put("", "binary", RegValue::Binary({0x01, 0xab, 0x00, 0xff}));
    Put("", "dword 26", RegValue::Dword(26));
    Put("", "dword max", RegValue::Dword(4294967295u));
    Put("", "short dword", RegValue::Binary({1, 2, 3}, RegType::Dword));
    Put("", "none", RegValue::Binary({}, RegType::None));
    Put("", "none with data", RegValue::Binary({7, 8}, RegType::None));
    Put("", "odd type", RegValue::Binary({0xde, 0xad}, 9));
    std::vector<std::uint8_t> large(100 * 1024 + 7);
    for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<std::uint8_t>(i * 31);
    Put("Child", "large", RegValue::Binary(large));
    Put("Child", "", RegValue::String("child default"));
    Put("Child\\Grandchild", "deep", RegValue::Dword(3));
    PutKey("Empty");
    PutKey("Only sub-keys\\Leaf");
    EXPECT_TRUE(StartsWith(RoundTrip(), "REGEDIT4\r\n\r\n["));
}

TEST_F(RegeditRoundTrip, TypesFromTenUpComeBackAsTheyWere) {
    Put("", "qword", RegValue::Binary({1, 2, 3, 4, 5, 6, 7, 8}, RegType::Qword));
    Put("", "requirements list", RegValue::Binary({0x10}, 10));
    Put("", "private type", RegValue::Binary({0x42}, 0x1234));
    RoundTrip();
}

TEST_F(RegeditRoundTrip, NamesOutsideTheCodePageMakeAUnicodeFile) {
    Put("Ключ", "名前", RegValue::String("данные \"в кавычках\""));
    Put("Ключ", "", RegValue::String("по умолчанию"));
    Put("Ключ", "expand", RegValue::String("%windir%\\Ω", RegType::ExpandSz));
    Put("Ключ", "multi", RegValue::MultiString({"α", "β"}));
    Put("Ключ", "dword", RegValue::Dword(26));
    Put("Ключ", "binary", RegValue::Binary({0xca, 0xfe}));
    PutKey("Ключ\\Пусто");
    const std::vector<std::uint8_t> bytes = RoundTrip();
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], 0xff);
    EXPECT_EQ(bytes[1], 0xfe);
    EXPECT_EQ(bytes[2], 'W');
    EXPECT_EQ(bytes[3], 0);
}

// Random names and data, the same on every run. String data always ends
// in a zero unit (one stray byte may follow it): Wine's registry editor
// adds a zero unit to hex(1), hex(2) and hex(7) data that lacks one (and
// fails on one byte alone), so only those bytes can come back under Wine.
class RandomValues {
public:
    explicit RandomValues(bool ansiOnly) : ansiOnly_(ansiOnly) {}

    std::string Name(bool forKey) {
        std::u16string units;
        const std::size_t count = Below(14) + 1;
        while (units.size() < count) {
            const char16_t unit = Unit();
            if (unit == u'\0' || unit == u'\r' || unit == u'\n' || (forKey && unit == u'\\')) continue;
            units += unit;
        }
        return Utf16ToUtf8(units);
    }

    RegValue Value() {
        static constexpr std::uint32_t kTypes[] = {RegType::Sz, RegType::Sz, RegType::ExpandSz, RegType::MultiSz,
                                                   RegType::Binary, RegType::Dword, RegType::None, RegType::Qword,
                                                   0x1234};
        RegValue value{kTypes[Below(std::size(kTypes))], {}};
        if (value.type == RegType::Sz || value.type == RegType::ExpandSz || value.type == RegType::MultiSz) {
            if (Below(12) == 0) return value;  // no bytes at all
            const std::size_t count = Below(20);
            for (std::size_t i = 0; i <= count; ++i) {
                const char16_t unit = i == count ? u'\0' : Below(6) == 0 ? u'\0' : Unit();
                value.data.push_back(static_cast<std::uint8_t>(unit & 0xff));
                value.data.push_back(static_cast<std::uint8_t>(unit >> 8));
            }
            if (!ansiOnly_ && Below(10) == 0) value.data.push_back(static_cast<std::uint8_t>(Below(256)));
            return value;
        }
        const std::size_t length = value.type == RegType::Dword && Below(4) != 0 ? 4 : Below(40);
        for (std::size_t i = 0; i < length; ++i) value.data.push_back(static_cast<std::uint8_t>(Below(256)));
        return value;
    }

private:
    std::size_t Below(std::size_t bound) { return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_); }

    // Quotes, backslashes, brackets and control characters come often.
    char16_t Unit() {
        static constexpr char16_t kAwkward[] = u"\"\\[]=@;- \t\r\n\x01\x1a\x7f";
        switch (Below(ansiOnly_ ? 4 : 6)) {
            case 0: return kAwkward[Below(std::size(kAwkward) - 1)];
            case 1: return static_cast<char16_t>(0x20 + Below(0x5f));
            case 2: return static_cast<char16_t>(0xa0 + Below(0x60));  // the same in ANSI code page 1252
            case 3: return static_cast<char16_t>(1 + Below(0x1f));
            case 4: return static_cast<char16_t>(0xd800 + Below(0x800));  // surrogates, mostly unpaired
            default: return static_cast<char16_t>(0x100 + Below(0xd700));
        }
    }

    bool ansiOnly_;
    std::mt19937 random_{20261208};
};

class RandomRoundTrip : public RegeditRoundTrip {
protected:
    // Forty keys of fifty values each, names unique as the registry compares.
    void Fill(RandomValues& random) {
        std::set<std::u16string> keys;
        while (keys.size() < 40) {
            const std::string key = random.Name(true);
            if (!keys.insert(FoldCase(Utf8ToUtf16(key))).second) continue;
            std::set<std::u16string> names;
            while (names.size() < 50) {
                const std::string name = names.empty() ? std::string() : random.Name(false);
                if (names.insert(FoldCase(Utf8ToUtf16(name))).second) Put(key, name, random.Value());
            }
        }
    }
    // Imports one form of the export of everything below the base, after
    // deleting it, and compares.
    void Import(const test::ExactSnapshot& before, const std::vector<std::uint8_t>& file, std::string_view form) {
        ASSERT_TRUE(p.registry.DeleteKeyTree(kCurrentUser, kBase));
        const std::string path = p.files.ExecutableFolder() + "random round trip.reg";
        p.files.Open(path, OpenMode::Create, Share::Exclusive)->Write(file);
        EXPECT_TRUE(test::ImportWithRegistryEditor(path).has_value()) << "regedit did not run";
        p.files.DeleteFile(path);
        const std::string differences = test::ExactDifferences(before, Take());
        EXPECT_EQ(differences.substr(0, 2000), "") << form;
    }
    ExportBuffer Export() {
        ExportBuffer buffer;
        buffer.AddHeader();
        WriteKeyTree(buffer, p.registry, kCurrentUser, kBase);
        return buffer;
    }
};

// Both file forms of the same values restore the same bytes.
TEST_F(RandomRoundTrip, ThousandsOfAnsiValuesComeBackFromEitherForm) {
    RandomValues random(true);
    Fill(random);
    const test::ExactSnapshot before = Take();
    const ExportBuffer buffer = Export();
    const auto regedit4 = buffer.Regedit4FileBytes(p.system);
    ASSERT_TRUE(regedit4.has_value()) << "every character was chosen to fit code page 1252";
    Import(before, *regedit4, "REGEDIT4");
    Import(before, buffer.Version5FileBytes(), "version 5.00");
}

TEST_F(RandomRoundTrip, ThousandsOfValuesWithAnyUnitComeBack) {
    RandomValues random(false);
    Fill(random);
    const test::ExactSnapshot before = Take();
    const ExportBuffer buffer = Export();
    EXPECT_FALSE(buffer.Regedit4FileBytes(p.system).has_value());
    Import(before, buffer.FileBytes(p.system), "version 5.00");
}

}  // namespace
}  // namespace tw
