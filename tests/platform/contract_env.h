#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "platform/platform.h"

namespace tw::test {

// One machine for one contract test: a platform bundle, a fresh registry
// subtree and a fresh scratch folder, plus the few set-up steps the
// interfaces themselves cannot take. The memory machine and the real one
// (Win32, run under Wine) each provide one; the tests are written once.
class ContractEnv {
public:
    virtual ~ContractEnv() = default;

    virtual Platform Bundle() = 0;
    // A fresh, existing, empty key below RegistryRoot(), removed afterwards.
    RootKey RegistryRoot() const { return kCurrentUser; }
    virtual std::string KeyPath() const = 0;
    // A fresh, existing, empty folder, with its trailing backslash.
    virtual std::string ScratchFolder() const = 0;

    // True under Wine, where WINE.md lists behaviour that differs from
    // Windows; the tests then check the Windows behaviour on the other
    // machines only.
    virtual bool UnderWine() const = 0;
    // True when the user's locale is English (United States) in code page
    // 1252, so that locale texts can be checked exactly.
    virtual bool EnglishUsLocale() const = 0;

    // A file holding "kept" and a folder holding inner.txt, each with a
    // symbolic link (or junction) to it, all made fresh; nullopt where this
    // machine cannot make links.
    struct Links {
        std::string file, fileLink, folder, folderLink;
    };
    virtual std::optional<Links> MakeLinks() = 0;

    virtual void SetVariable(const std::string& name, const std::string& value) = 0;
    // Adds a normal cache entry whose file holds these bytes (removed afterwards).
    virtual void AddCacheEntry(const std::string& url, const std::vector<std::uint8_t>& bytes) = 0;
    // Another program holds the clipboard open until ReleaseClipboard().
    virtual void HoldClipboard() = 0;
    virtual void ReleaseClipboard() = 0;
};

struct EnvMaker {
    const char* name;
    std::function<std::unique_ptr<ContractEnv>()> make;
};

inline std::string EnvName(const testing::TestParamInfo<EnvMaker>& info) { return info.param.name; }
inline void PrintTo(const EnvMaker& maker, std::ostream* out) { *out << maker.name; }

// The fixture of every contract suite: a fresh machine per test.
class ContractTest : public testing::TestWithParam<EnvMaker> {
protected:
    void SetUp() override { env_ = GetParam().make(); }
    void TearDown() override { env_.reset(); }

    ContractEnv& Env() { return *env_; }
    Platform P() { return env_->Bundle(); }
    std::string Key(std::string_view below = {}) const {
        return below.empty() ? env_->KeyPath() : env_->KeyPath() + "\\" + std::string(below);
    }
    std::string Scratch(std::string_view name = {}) const { return env_->ScratchFolder() + std::string(name); }

private:
    std::unique_ptr<ContractEnv> env_;
};

// One suite per interface; each machine instantiates all of them.
class RegistryContract : public ContractTest {};
class FileSystemContract : public ContractTest {};
class ShellContract : public ContractTest {};
class UrlCacheContract : public ContractTest {};
class SystemContract : public ContractTest {};

#define TW_INSTANTIATE_CONTRACTS(Machine, maker)                                                     \
    INSTANTIATE_TEST_SUITE_P(Machine, RegistryContract, testing::Values(maker), ::tw::test::EnvName);  \
    INSTANTIATE_TEST_SUITE_P(Machine, FileSystemContract, testing::Values(maker), ::tw::test::EnvName); \
    INSTANTIATE_TEST_SUITE_P(Machine, ShellContract, testing::Values(maker), ::tw::test::EnvName);      \
    INSTANTIATE_TEST_SUITE_P(Machine, UrlCacheContract, testing::Values(maker), ::tw::test::EnvName);   \
    INSTANTIATE_TEST_SUITE_P(Machine, SystemContract, testing::Values(maker), ::tw::test::EnvName)

// Byte helpers shared by the suites.
inline std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

}  // namespace tw::test

namespace tw {
// Failure messages show a value's type, length and first bytes, not 150 KB.
inline void PrintTo(const RegValue& value, std::ostream* out) {
    *out << "{type " << value.type << ", " << value.data.size() << " bytes:";
    for (std::size_t i = 0; i < value.data.size() && i < 16; ++i) *out << ' ' << static_cast<int>(value.data[i]);
    *out << (value.data.size() > 16 ? " ...}" : "}");
}
}  // namespace tw
