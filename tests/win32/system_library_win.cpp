#include "platform/win32/system_library_win.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "win32/child_process_win.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

// The name is no DLL of Windows or Wine, so the search order alone decides
// whether the copy beside the program is found.
constexpr wchar_t kPlantedName[] = L"tw_planted_probe.dll";

class PlantedBesideProgram : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path folder = fs::path(test::ThisExecutable()).parent_path();
        planted_ = folder / kPlantedName;
        marker_ = planted_;
        marker_ += L".loaded";
        fs::remove(marker_);
        fs::copy_file(folder / L"planted_dll.dll", planted_, fs::copy_options::overwrite_existing);
    }
    void TearDown() override {
        fs::remove(planted_);
        fs::remove(marker_);
    }
    fs::path planted_;
    fs::path marker_;
};

TEST_F(PlantedBesideProgram, IsNeverLoadedAsASystemLibrary) {
    // The copy is loadable from where it lies, so a search that reaches the
    // program's folder would take it.
    const HMODULE fromProgramFolder = LoadLibraryExW(kPlantedName, nullptr, LOAD_LIBRARY_SEARCH_APPLICATION_DIR);
    ASSERT_NE(fromProgramFolder, nullptr);
    FreeLibrary(fromProgramFolder);
    ASSERT_TRUE(fs::exists(marker_));
    fs::remove(marker_);

    const HMODULE library = win32::LoadSystemLibrary(kPlantedName);
    if (library != nullptr) FreeLibrary(library);
    EXPECT_EQ(library, nullptr);
    EXPECT_FALSE(fs::exists(marker_));
}

}  // namespace
}  // namespace tw
