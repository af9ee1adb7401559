#include <gtest/gtest.h>

#include <map>

#include "platform/win32/utf_win.h"
#include "platform/win32/win32_platform.h"
#include "services/backup_store.h"
#include "services/registry_export.h"
#include "win32/child_process_win.h"

namespace tw {
namespace {

constexpr std::string_view kTestRoot = "Software\\TidewellTests";
constexpr std::string_view kBase = "Software\\TidewellTests\\Export";
constexpr std::string_view kBackupFolder = "Backups\\RoundTrip";

// Every key below the base (by its path relative to it) with its values.
using Snapshot = std::map<std::string, std::map<std::string, RegValue>>;

std::string Join(std::string_view parent, std::string_view child) {
    std::string path(parent);
    if (!child.empty()) path.append("\\").append(child);
    return path;
}

void Collect(const Registry& registry, const std::string& relative, Snapshot& snapshot) {
    const std::string path = Join(kBase, relative);
    auto& values = snapshot[relative];
    for (const std::string& name : registry.ValueNames(kCurrentUser, path).value_or(std::vector<std::string>{})) {
        values[name] = registry.ReadValue(kCurrentUser, path, name).value_or(RegValue{});
    }
    for (const std::string& name : registry.SubKeyNames(kCurrentUser, path).value_or(std::vector<std::string>{})) {
        Collect(registry, relative.empty() ? name : relative + "\\" + name, snapshot);
    }
}

std::string Describe(const RegValue& value) {
    return "type " + std::to_string(value.type) + ", " + std::to_string(value.data.size()) + " bytes";
}

void ReportMissing(const Snapshot& from, const Snapshot& in, std::string_view what, std::string& report) {
    for (const auto& [key, values] : from) {
        const auto found = in.find(key);
        if (found == in.end()) {
            report += std::string(what) + " key [" + key + "]\n";
            continue;
        }
        for (const auto& [name, value] : values) {
            if (!found->second.contains(name)) report += std::string(what) + " value [" + key + "] \"" + name + "\"\n";
        }
    }
}

// One line per difference, short enough to read even for 100 KB values.
std::string Differences(const Snapshot& before, const Snapshot& after) {
    std::string report;
    ReportMissing(before, after, "missing", report);
    ReportMissing(after, before, "extra", report);
    for (const auto& [key, values] : before) {
        const auto found = after.find(key);
        if (found == after.end()) continue;
        for (const auto& [name, value] : values) {
            const auto other = found->second.find(name);
            if (other != found->second.end() && !(other->second == value)) {
                report += "[" + key + "] \"" + name + "\": " + Describe(value) + " came back as " +
                          Describe(other->second) + "\n";
            }
        }
    }
    return report;
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

    Snapshot Take() const {
        Snapshot snapshot;
        if (p.registry.KeyExists(kCurrentUser, kBase)) Collect(p.registry, "", snapshot);
        return snapshot;
    }

    // Exports the tree, deletes it, imports the file with the system's
    // registry editor and compares. Gives the first line of the saved file.
    std::vector<std::uint8_t> RoundTrip() {
        const Snapshot before = Take();
        ExportBuffer buffer;
        buffer.AddHeader();
        WriteKeyTree(buffer, p.registry, kCurrentUser, kBase);
        savedFile_ = store.Folder() + "\\" + store.Save(buffer);
        std::vector<std::uint8_t> bytes(64);
        bytes.resize(p.files.Open(savedFile_, OpenMode::Read, Share::Read)->Read(bytes));

        EXPECT_TRUE(p.registry.DeleteKeyTree(kCurrentUser, kBase));
        EXPECT_FALSE(p.registry.KeyExists(kCurrentUser, kBase));
        const auto exitCode = test::RunAndWait(L"C:\\windows\\regedit.exe",
                                               L"regedit.exe /s \"" + win32::Widen(savedFile_) + L"\"");
        EXPECT_TRUE(exitCode.has_value()) << "regedit did not run";
        const Snapshot after = Take();
        EXPECT_EQ(Differences(before, after), "");
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

}  // namespace
}  // namespace tw
