// The in-memory machine under the contract suites: it always runs, natively
// and in the Windows builds.
#include "platform/memory/memory_platform.h"
#include "contract_env.h"

namespace tw::test {
namespace {

class MemoryEnv final : public ContractEnv {
public:
    MemoryEnv() {
        machine_.registry.CreateKey(RegistryRoot(), KeyPath());
        machine_.files.AddFolder("C:\\scratch");
    }

    Platform Bundle() override { return machine_.Bundle(); }
    std::string KeyPath() const override { return "Software\\TidewellTests\\Contract"; }
    std::string ScratchFolder() const override { return "C:\\scratch\\"; }
    bool UnderWine() const override { return false; }
    bool EnglishUsLocale() const override { return true; }

    std::optional<Links> MakeLinks() override {
        const Links links{ScratchFolder() + "target.txt", ScratchFolder() + "file-link.txt",
                          ScratchFolder() + "target-folder", ScratchFolder() + "folder-link"};
        machine_.files.AddFile(links.file, "kept");
        machine_.files.AddFile(links.folder + "\\inner.txt", "inner");
        machine_.files.AddLink(links.fileLink, links.file);
        machine_.files.AddLink(links.folderLink, links.folder);
        return links;
    }

    void SetVariable(const std::string& name, const std::string& value) override {
        machine_.system.SetEnvironment(name, value);
    }
    void AddCacheEntry(const std::string& url, const std::vector<std::uint8_t>& bytes) override {
        machine_.files.AddFile("C:\\cache\\entry" + std::to_string(++entries_) + ".htm", bytes);
        machine_.urlCache.Add(CacheEntry{url, "C:\\cache\\entry" + std::to_string(entries_) + ".htm",
                                         CacheEntryType::Normal, 0, bytes.size(), 0});
    }
    void HoldClipboard() override { machine_.clipboard.SetHeldByOther(true); }
    void ReleaseClipboard() override { machine_.clipboard.SetHeldByOther(false); }

private:
    MemoryPlatform machine_;
    int entries_ = 0;
};

const EnvMaker kMemory{"Memory", [] { return std::unique_ptr<ContractEnv>(new MemoryEnv); }};

}  // namespace

TW_INSTANTIATE_CONTRACTS(Memory, kMemory);

}  // namespace tw::test
