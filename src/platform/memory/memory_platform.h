#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/memory/memory_file_system.h"
#include "platform/memory/memory_registry.h"
#include "platform/platform.h"

namespace tw {

// Shortcuts live as files of the memory file system, so folder listings see
// them; their content is kept beside it.
class MemoryShell final : public Shell {
public:
    explicit MemoryShell(MemoryFileSystem& files) : files_(files) {}
    std::string SpecialFolderPath(int csidl) const override;
    std::optional<ShortcutInfo> ReadShortcut(std::string_view linkPath) const override;
    bool CreateShortcut(std::string_view linkPath, const NewShortcut& shortcut) override;
    bool Recycle(const std::vector<std::string>& paths, OwnerWindow owner) override;
    bool EmptyRecycleBin(OwnerWindow owner, ShellFeedback feedback) override;
    void NotifyFolderChanged(std::string_view folderPath) override { notified_.emplace_back(folderPath); }
    bool Open(std::string_view fileOrUrl, OwnerWindow owner) override;
    using Shell::Display;
    std::vector<std::optional<ShellDisplay>> Display(std::span<const std::string> paths,
                                                     DisplayIcon icon) const override;
    Icon FileIcon(std::string_view path) const override;
    Icon ItemIcon(const ItemIdList& item) const override;

    void SetSpecialFolder(int csidl, std::string path);
    const std::vector<std::string>& Opened() const { return opened_; }
    const std::vector<std::string>& Recycled() const { return recycled_; }
    // Each emptying's feedback, in call order.
    const std::vector<ShellFeedback>& EmptyRecycleBinCalls() const { return emptied_; }
    const std::vector<std::string>& NotifiedFolders() const { return notified_; }
    // Icons handed out and not yet released. They are tokens, not drawable,
    // and must not outlive the shell.
    int LiveIcons() const { return liveIcons_; }

private:
    Icon IconIfExists(std::string_view path) const;

    MemoryFileSystem& files_;
    std::map<int, std::string> folders_;
    std::map<std::string, ShortcutInfo> shortcuts_;  // key: the file's content
    int saved_ = 0;
    std::vector<std::string> opened_;
    std::vector<std::string> recycled_;
    std::vector<ShellFeedback> emptied_;
    std::vector<std::string> notified_;
    mutable int liveIcons_ = 0;
};

class MemoryUrlCache final : public UrlCache {
public:
    std::vector<CacheEntry> Entries() const override { return entries_; }
    void ForEachEntry(const std::function<void(const CacheEntry&)>& visit) const override;
    bool DeleteEntry(std::string_view url) override;
    void ClearHistory() override;

    void Add(CacheEntry entry) { entries_.push_back(std::move(entry)); }
    void FailDelete(std::string url) { undeletable_.push_back(std::move(url)); }
    void SetHistoryAvailable(bool available) { historyAvailable_ = available; }
    int ClearHistoryCalls() const { return historyCleared_; }
    // Runs before each entry is handed over, so a test can look at a window
    // in the middle of a listing.
    void OnEachRead(std::function<void()> hook) { onRead_ = std::move(hook); }

private:
    std::vector<CacheEntry> entries_;
    std::vector<std::string> undeletable_;
    bool historyAvailable_ = true;
    int historyCleared_ = 0;
    std::function<void()> onRead_;
};

class MemoryClipboard final : public Clipboard {
public:
    ClipboardResult Empty() override;
    void SetText(std::string text) { text_ = std::move(text); }
    const std::string& Text() const { return text_; }
    void SetHeldByOther(bool held) { held_ = held; }
    void SetEmptyFails(bool fails) { emptyFails_ = fails; }

private:
    std::string text_;
    bool held_ = false;
    bool emptyFails_ = false;
};

// English (United States) locale, code page 1252, 64-bit Windows 10 by
// default.
class MemorySystem final : public System {
public:
    std::optional<OsVersion> Version() const override { return version_; }
    bool Windows64() const override { return windows64_; }
    std::optional<std::string> Environment(std::string_view name) const override;
    LocalTime Now() const override { return now_; }
    LocalTime ToLocalTime(std::uint64_t fileTimeUtc) const override;
    std::string MonthName(int month) const override;
    std::string AmDesignator() const override { return am_; }
    std::string PmDesignator() const override { return pm_; }
    std::string DateSeparator() const override { return dateSeparator_; }
    std::optional<std::string> ToAnsi(std::u16string_view text) const override;

    void SetVersion(std::optional<OsVersion> version) { version_ = version; }
    // A 32-bit Windows has no "ProgramFiles(x86)" either.
    void SetWindows64(bool windows64);
    void SetEnvironment(std::string name, std::string value);
    void ClearEnvironment(std::string_view name);
    void SetNow(LocalTime now) { now_ = now; }
    void SetMonthNames(std::vector<std::string> names) { monthNames_ = std::move(names); }
    void SetDesignators(std::string am, std::string pm) { am_ = std::move(am); pm_ = std::move(pm); }
    void SetDateSeparator(std::string separator) { dateSeparator_ = std::move(separator); }

private:
    std::optional<OsVersion> version_ = OsVersion{2, 10, 0, 19045};
    bool windows64_ = true;
    std::map<std::string, std::string> environment_;  // key: upper-case name
    LocalTime now_{2026, 12, 7, 14, 5, 9};
    std::vector<std::string> monthNames_;
    std::string am_ = "AM", pm_ = "PM", dateSeparator_ = "/";
};

// The whole in-memory machine for a test: C: as a fixed drive with the
// Windows folder, the program folder and the usual special folders.
struct MemoryPlatform {
    MemoryRegistry registry;
    MemoryFileSystem files;
    MemoryShell shell{files};
    MemoryUrlCache urlCache;
    MemoryClipboard clipboard;
    MemorySystem system;

    MemoryPlatform();
    MemoryPlatform(const MemoryPlatform&) = delete;
    MemoryPlatform& operator=(const MemoryPlatform&) = delete;
    Platform Bundle() { return {registry, files, shell, urlCache, clipboard, system}; }
};

}  // namespace tw
