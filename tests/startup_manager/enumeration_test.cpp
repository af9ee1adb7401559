#include <gtest/gtest.h>

#include "platform/error.h"
#include "startup_fixture.h"

namespace tw {
namespace {

struct Row {
    std::string name, command, location;
    bool enabled;
    friend bool operator==(const Row&, const Row&) = default;
};

std::vector<Row> Rows(const std::vector<StartupEntry>& entries) {
    std::vector<Row> rows;
    for (const auto& e : entries) rows.push_back({e.name, e.command, e.location, e.enabled});
    return rows;
}

void PrintTo(const Row& r, std::ostream* os) {
    *os << "{" << r.name << ", " << r.command << ", " << r.location << ", " << r.enabled << "}";
}

class StartupEnumeration : public ::testing::Test, protected StartupMachine {};

TEST_F(StartupEnumeration, ListsEverySourceInItsFixedOrderAsStored) {
    p.files.AddFolder(UserFolder() + "-");
    p.files.AddFolder(CommonFolder() + "-");
    Link(UserFolder() + "-\\Off.lnk", "C:\\off.exe");
    Link(UserFolder() + "\\Tool.lnk", "C:\\Tools\\tool.exe");
    p.files.AddFolder(UserFolder() + "\\Folder.lnk");
    Link(UserFolder() + "\\NoItem.lnk", "");
    Link(CommonFolder() + "-\\Shared.lnk", "C:\\shared.exe");
    Value(kCurrentUser, kServices, "Svc", "svc.exe");
    Value(kCurrentUser, kRunOff, "Same", "b.exe");
    Value(kCurrentUser, kRun, "Same", "a.exe");
    Value(kLocalMachine, kRun32, "Old", "C:\\x86\\old.exe");
    Value(kLocalMachine, kRunOff, "Expand", "%ProgramFiles%\\e.exe", RegType::ExpandSz);
    Value(kLocalMachine, kRun, "", "default.exe");

    EXPECT_EQ(Rows(List()), (std::vector<Row>{
                                {"", "default.exe", "Registry - All Users - Run", true},
                                {"Expand", "%ProgramFiles%\\e.exe", "Registry - All Users - Run", false},
                                {"Old", "C:\\x86\\old.exe", "Registry - All Users - Run (32-bit)", true},
                                {"Same", "a.exe", "Registry - Current User - Run", true},
                                {"Svc", "svc.exe", "Registry - Current User - Run Services", true},
                                {"Same", "b.exe", "Registry - Current User - Run", false},
                                {"Tool", "C:\\Tools\\tool.exe", "Startup Folder - Current User", true},
                                {"Shared", "C:\\shared.exe", "Startup Folder - All Users", false},
                                {"Off", "C:\\off.exe", "Startup Folder - Current User", false},
                            }));
}

TEST_F(StartupEnumeration, The32BitViewIsListedOnlyOn64BitWindows) {
    Value(kLocalMachine, kRun32, "Old", "old.exe");
    store.windows64 = false;
    EXPECT_TRUE(List().empty());
}

TEST_F(StartupEnumeration, TaskManagerMarksDecideTheBoxOfEntriesInEnabledHomes) {
    const struct {
        std::uint8_t first;
        bool enabled;
    } cases[] = {{0x03, false}, {0x07, false}, {0x02, true}, {0x06, true}, {0x00, true}};
    for (const auto& c : cases) {
        std::vector<std::uint8_t> mark(12, 0);
        mark[0] = c.first;
        Value(kCurrentUser, kRun, "App", "app.exe");
        p.registry.WriteValue(kCurrentUser, kApprovedRun, "App", RegValue::Binary(mark));
        Link(UserFolder() + "\\Tool.lnk", "C:\\tool.exe");
        p.registry.WriteValue(kCurrentUser, kApprovedFolder, "Tool.lnk", RegValue::Binary(mark));
        const auto rows = List();
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0].enabled, c.enabled) << int(c.first);
        EXPECT_EQ(rows[1].enabled, c.enabled) << int(c.first);
    }
}

TEST_F(StartupEnumeration, AValueThatIsNotTextStopsTheListKeepingWhatCameBefore) {
    Value(kLocalMachine, kRun, "First", "first.exe");
    p.registry.WriteValue(kLocalMachine, kRun, "Number", RegValue::Dword(1));
    Value(kLocalMachine, kRun, "After", "after.exe");
    std::vector<StartupEntry> rows;
    try {
        EnumerateStartupEntries(store, icons, rows);
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Invalid data type for 'Number'");
    }
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "First");
}

// Without data every type reads as the empty text; only data of another
// type is refused.
TEST_F(StartupEnumeration, AValueWithoutDataIsListedEmptyWhateverItsType) {
    for (const std::uint32_t type : {RegType::None, RegType::Binary, RegType::Dword, RegType::MultiSz}) {
        p.registry.DeleteKeyTree(kLocalMachine, kRun);
        p.registry.WriteValue(kLocalMachine, kRun, "Empty", RegValue::Binary({}, type));
        Value(kLocalMachine, kRun, "After", "after.exe");
        EXPECT_EQ(Rows(List()), (std::vector<Row>{{"Empty", "", "Registry - All Users - Run", true},
                                                  {"After", "after.exe", "Registry - All Users - Run", true}}))
            << type;
    }
}

TEST_F(StartupEnumeration, EachProgramsIconIsFetchedOnce) {
    Value(kLocalMachine, kRun, "A", "\"C:\\App\\app.exe\" /min");
    Value(kCurrentUser, kRun, "B", "C:\\App\\APP.EXE");
    Link(UserFolder() + "\\One.lnk", "C:\\Tools\\tool.exe");
    Link(CommonFolder() + "\\Two.lnk", "C:\\Tools\\tool.exe");
    const ItemIdList item = p.shell.ReadShortcut(UserFolder() + "\\One.lnk")->itemIdList;
    const auto rows = List();
    ASSERT_EQ(rows.size(), 4u);
    // A shortcut's icon is its target item's, asked for by the item-ID list.
    EXPECT_EQ(icons.asked, (std::vector<std::string>{"C:\\App\\app.exe", std::string(item.begin(), item.end())}));
    EXPECT_EQ(rows[0].imageIndex, rows[1].imageIndex);
    EXPECT_EQ(rows[2].imageIndex, rows[3].imageIndex);
    EXPECT_NE(rows[0].imageIndex, rows[2].imageIndex);
}

}  // namespace
}  // namespace tw
