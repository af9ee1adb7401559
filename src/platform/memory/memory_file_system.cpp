#include "platform/memory/memory_file_system.h"

#include <algorithm>
#include <cctype>

#include "platform/error.h"
#include "platform/text.h"

namespace tw {
namespace {

// The OS's own texts for the failures the memory file system can produce.
constexpr const char* kFileNotFound = "The system cannot find the file specified.";
constexpr const char* kPathNotFound = "The system cannot find the path specified.";
constexpr const char* kAccessDenied = "Access is denied.";
constexpr const char* kSharingViolation = "The process cannot access the file because it is being used by another process.";
constexpr const char* kDiskFull = "There is not enough space on the disk.";
constexpr const char* kFileExists = "The file exists.";
constexpr const char* kStoppedOnLink = "The create operation stopped after reaching a symbolic link.";
// Links lead to links at most this deep, as a loop of links must end somewhere.
constexpr int kMaxLinkDepth = 8;

// IDs are never reused, as on a real volume between two of its files' lives.
std::uint64_t NextFileId() {
    static std::uint64_t next = 0x10000;
    return ++next;
}

std::uint64_t VolumeSerial(std::string_view driveLetter) {
    return 0x7E11'0000u + static_cast<unsigned char>(driveLetter.front());
}

struct ParsedPath {
    std::string drive;  // upper-case letter
    std::vector<std::string> parts;
    bool valid = false;
};

ParsedPath Parse(std::string_view path) {
    ParsedPath p;
    if (path.size() < 2 || path[1] != ':' || !std::isalpha(static_cast<unsigned char>(path[0]))) return p;
    p.drive = ToUpperAscii(path.substr(0, 1));
    std::size_t start = 2;
    while (start <= path.size()) {
        const auto end = std::min(path.find('\\', start), path.size());
        if (end > start) p.parts.emplace_back(path.substr(start, end - start));
        start = end + 1;
    }
    p.valid = true;
    return p;
}

// Windows file-name mask matching: "*" any run, "?" one character, case
// ignored; "*.*" matches names without a dot too.
bool MaskMatches(std::string_view mask, std::string_view name) {
    if (mask == "*.*") return true;
    const std::u16string m = FoldCase(Utf8ToUtf16(mask)), n = FoldCase(Utf8ToUtf16(name));
    std::size_t mi = 0, ni = 0, star = std::u16string::npos, mark = 0;
    while (ni < n.size()) {
        if (mi < m.size() && (m[mi] == u'?' || m[mi] == n[ni])) {
            ++mi, ++ni;
        } else if (mi < m.size() && m[mi] == u'*') {
            star = mi++, mark = ni;
        } else if (star != std::u16string::npos) {
            mi = star + 1, ni = ++mark;
        } else {
            return false;
        }
    }
    while (mi < m.size() && m[mi] == u'*') ++mi;
    return mi == m.size();
}

}  // namespace

struct MemoryFileSystem::Node {
    std::string name;
    std::uint32_t attributes = FileAttr::Archive;
    std::vector<std::uint8_t> content;
    std::vector<std::shared_ptr<Node>> children;
    struct OpenHandle { bool write; Share share; };
    std::vector<const void*> handleOwners;
    std::vector<OpenHandle> handles;
    std::string linkTarget;  // a symbolic link or junction when not empty
    bool privateToAdministrators = false;
    FileIdentity identity;

    // A new entry on the volume of the folder that will hold it.
    static std::shared_ptr<Node> Make(const Node& folder, std::string name, std::uint32_t attributes,
                                      std::vector<std::uint8_t> content = {}) {
        auto node = std::make_shared<Node>();
        node->identity = {folder.identity.volume, 0, NextFileId()};
        node->name = std::move(name);
        node->attributes = attributes;
        node->content = std::move(content);
        return node;
    }
    bool IsLink() const { return !linkTarget.empty(); }
    bool IsFolder() const { return (attributes & FileAttr::Directory) != 0; }
    std::shared_ptr<Node> Child(std::string_view childName) const {
        for (const auto& c : children)
            if (EqualsIgnoreCase(c->name, childName)) return c;
        return nullptr;
    }
    bool Conflicts(bool write, Share share) const {
        for (const auto& h : handles) {
            const bool theyAllow = write ? h.share == Share::ReadWrite : h.share != Share::Exclusive;
            const bool weAllow = h.write ? share == Share::ReadWrite : share != Share::Exclusive;
            if (!theyAllow || !weAllow) return true;
        }
        return false;
    }
};

class MemoryFileSystem::MemoryStream final : public Stream {
public:
    // An unshared stream is one no other open can meet: an entry's, taken
    // without the right to read or write data.
    MemoryStream(MemoryFileSystem& fs, std::shared_ptr<Node> node, bool write, std::optional<Share> share)
        : fs_(fs), node_(std::move(node)), write_(write) {
        if (!share) return;
        node_->handleOwners.push_back(this);
        node_->handles.push_back({write, *share});
    }
    ~MemoryStream() override {
        const auto at = std::find(node_->handleOwners.begin(), node_->handleOwners.end(), this);
        if (at == node_->handleOwners.end()) return;
        node_->handles.erase(node_->handles.begin() + (at - node_->handleOwners.begin()));
        node_->handleOwners.erase(at);
    }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;

    std::size_t Read(std::span<std::uint8_t> buffer) override {
        const auto& data = node_->content;
        if (position_ >= data.size()) return 0;
        const auto count = std::min<std::uint64_t>(buffer.size(), data.size() - position_);
        std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(position_), count, buffer.begin());
        position_ += count;
        return static_cast<std::size_t>(count);
    }
    void Write(std::span<const std::uint8_t> bytes) override {
        if (!write_) throw Error(kAccessDenied);
        auto& data = node_->content;
        const std::uint64_t end = position_ + bytes.size();
        if (end > data.size()) {
            if (end - data.size() > fs_.freeSpace_) throw Error(kDiskFull);
            fs_.freeSpace_ -= end - data.size();
            data.resize(static_cast<std::size_t>(end));
        }
        std::copy(bytes.begin(), bytes.end(), data.begin() + static_cast<std::ptrdiff_t>(position_));
        position_ = end;
    }
    std::uint64_t Size() const override { return node_->content.size(); }
    void Seek(std::uint64_t position) override { position_ = position; }
    void Flush() override { ++fs_.flushCount_; }

private:
    MemoryFileSystem& fs_;
    std::shared_ptr<Node> node_;
    bool write_;
    std::uint64_t position_ = 0;
};

class MemoryFileSystem::MemoryEntry final : public FileEntry {
public:
    MemoryEntry(MemoryFileSystem& fs, std::shared_ptr<Node> node, std::string path, EntryAccess access)
        : fs_(fs),
          node_(node),
          path_(std::move(path)),
          contents_(fs, node, access == EntryAccess::Overwrite,
                    access == EntryAccess::Overwrite ? std::optional(Share::Exclusive) : std::nullopt) {}

    std::uint32_t Attributes() const override { return node_->attributes; }

    bool Delete() override {
        Node* folder = fs_.ContainerOf(*node_);
        if (!folder) return true;  // already gone
        if ((node_->attributes & FileAttr::ReadOnly) || fs_.DeleteRefused(path_)) return false;
        if (fs_.freeSpace_ != UINT64_MAX) fs_.freeSpace_ += node_->content.size();
        std::erase(folder->children, node_);
        return true;
    }

    bool Rename(std::string_view newName) override {
        Node* folder = fs_.ContainerOf(*node_);
        if (!folder || newName.find('\\') != std::string_view::npos) return false;
        if (const auto taken = folder->Child(newName); taken && taken != node_) return false;
        node_->name = std::string(newName);
        path_ = FolderPart(path_) + node_->name;
        return true;
    }

    Stream& Contents() override { return contents_; }

private:
    MemoryFileSystem& fs_;
    std::shared_ptr<Node> node_;
    std::string path_;  // the path it was opened by, renamed with it
    MemoryStream contents_;
};

MemoryFileSystem::MemoryFileSystem() = default;
MemoryFileSystem::~MemoryFileSystem() = default;

MemoryFileSystem::Node* MemoryFileSystem::Lookup(std::string_view path) const {
    const auto p = Parse(path);
    if (!p.valid) return nullptr;
    const auto it = drives_.find(p.drive);
    if (it == drives_.end()) return nullptr;
    Node* node = it->second.get();
    for (const auto& part : p.parts) {
        node = Through(node);
        if (!node || !node->IsFolder()) return nullptr;
        node = node->Child(part).get();
        if (!node) return nullptr;
    }
    return node;
}

MemoryFileSystem::Node* MemoryFileSystem::Through(Node* node) const {
    for (int depth = 0; node && node->IsLink(); ++depth)
        node = depth < kMaxLinkDepth ? Lookup(node->linkTarget) : nullptr;
    return node;
}

std::shared_ptr<MemoryFileSystem::Node> MemoryFileSystem::Follow(std::shared_ptr<Node> node) const {
    for (int depth = 0; node && node->IsLink(); ++depth) {
        std::string leaf;
        Node* parent = depth < kMaxLinkDepth ? ParentOf(node->linkTarget, &leaf) : nullptr;
        node = parent ? parent->Child(leaf) : nullptr;
    }
    return node;
}

MemoryFileSystem::Node* MemoryFileSystem::ContainerOf(const Node& node) const {
    std::vector<Node*> folders;
    for (const auto& [letter, root] : drives_) folders.push_back(root.get());
    while (!folders.empty()) {
        Node* folder = folders.back();
        folders.pop_back();
        for (const auto& child : folder->children) {
            if (child.get() == &node) return folder;
            if (child->IsFolder() && !child->IsLink()) folders.push_back(child.get());
        }
    }
    return nullptr;
}

bool MemoryFileSystem::DeleteRefused(std::string_view path) const {
    const auto listed = [&](const std::string& l) { return EqualsIgnoreCase(l, path); };
    return Locked(path) || std::any_of(failDelete_.begin(), failDelete_.end(), listed);
}

bool MemoryFileSystem::Locked(std::string_view path) const {
    return std::any_of(locked_.begin(), locked_.end(), [&](const std::string& l) { return EqualsIgnoreCase(l, path); });
}

MemoryFileSystem::Node* MemoryFileSystem::ParentOf(std::string_view path, std::string* leaf) const {
    const auto p = Parse(path);
    if (!p.valid || p.parts.empty()) return nullptr;
    *leaf = p.parts.back();
    std::string parent = p.drive + ":\\";
    for (std::size_t i = 0; i + 1 < p.parts.size(); ++i) parent += p.parts[i] + "\\";
    Node* node = Through(Lookup(parent));
    return node && node->IsFolder() ? node : nullptr;
}

MemoryFileSystem::Node& MemoryFileSystem::EnsureFolder(std::string_view path) {
    const auto p = Parse(path);
    if (!p.valid) throw Error(kPathNotFound);
    auto& root = drives_[p.drive];
    if (!root) {
        root = std::make_unique<Node>();
        root->identity = {VolumeSerial(p.drive), 0, NextFileId()};
        root->name = p.drive + ":";
        root->attributes = FileAttr::Directory;
    }
    Node* node = root.get();
    for (const auto& part : p.parts) {
        auto next = node->Child(part);
        if (!next) {
            next = Node::Make(*node, part, FileAttr::Directory);
            node->children.push_back(next);
        }
        node = next.get();
    }
    return *node;
}

bool MemoryFileSystem::FileExists(std::string_view path) const {
    const Node* n = Lookup(path);
    return n && !n->IsFolder();
}

bool MemoryFileSystem::FolderExists(std::string_view path) const {
    const Node* n = Lookup(path);
    return n && n->IsFolder();
}

bool MemoryFileSystem::CreateFolder(std::string_view path) { return CreateFolderNode(path, false); }

bool MemoryFileSystem::CreateFolderNode(std::string_view path, bool privateToAdministrators) {
    std::string leaf;
    Node* parent = ParentOf(path, &leaf);
    const bool refused = std::any_of(failCreate_.begin(), failCreate_.end(),
                                     [&](const std::string& f) { return EqualsIgnoreCase(f, path); });
    if (!parent || refused || parent->Child(leaf)) return false;
    auto folder = Node::Make(*parent, leaf, FileAttr::Directory);
    folder->privateToAdministrators = privateToAdministrators;
    parent->children.push_back(std::move(folder));
    return true;
}

bool MemoryFileSystem::CopyFile(std::string_view from, std::string_view to, bool failIfExists) {
    std::string fromLeaf;
    const Node* fromParent = ParentOf(from, &fromLeaf);
    const auto source = fromParent ? Follow(fromParent->Child(fromLeaf)) : nullptr;
    if (!source || source->IsFolder() || source->Conflicts(false, Share::ReadWrite)) return false;
    std::string leaf;
    Node* parent = ParentOf(to, &leaf);
    if (!parent) return false;
    if (auto existing = parent->Child(leaf)) {
        // As on Windows, a link at the copy's name has its target written.
        if (existing->IsLink() && !failIfExists) existing = Follow(existing);
        if (!existing || failIfExists || existing->IsFolder() || (existing->attributes & FileAttr::ReadOnly) ||
            !existing->handles.empty())
            return false;
        existing->content = source->content;
        existing->attributes = source->attributes;
        return true;
    }
    if (source->content.size() > freeSpace_) return false;
    freeSpace_ -= source->content.size();
    parent->children.push_back(Node::Make(*parent, leaf, source->attributes, source->content));
    return true;
}

bool MemoryFileSystem::MoveFile(std::string_view from, std::string_view to) {
    std::string fromLeaf, toLeaf;
    Node* fromParent = ParentOf(from, &fromLeaf);
    Node* toParent = ParentOf(to, &toLeaf);
    if (!fromParent || !toParent) return false;
    auto node = fromParent->Child(fromLeaf);
    if (!node || !node->handles.empty() || Locked(from)) return false;
    auto existing = toParent->Child(toLeaf);
    if (existing && existing != node) return false;
    std::erase(fromParent->children, node);
    node->name = toLeaf;  // a rename that changes only case changes the name, as on Windows
    toParent->children.push_back(node);
    return true;
}

void MemoryFileSystem::ReplaceFile(std::string_view from, std::string_view to) {
    std::string fromLeaf, toLeaf;
    Node* fromParent = ParentOf(from, &fromLeaf);
    Node* toParent = ParentOf(to, &toLeaf);
    if (!fromParent || !toParent) throw Error(kPathNotFound);
    const auto node = fromParent->Child(fromLeaf);
    if (!node) throw Error(kFileNotFound);
    if (node->IsFolder()) throw Error(kAccessDenied);
    if (!node->handles.empty() || Locked(from)) throw Error(kSharingViolation);
    if (const auto existing = toParent->Child(toLeaf); existing && existing != node) {
        if (existing->IsFolder() || (existing->attributes & FileAttr::ReadOnly)) throw Error(kAccessDenied);
        if (!existing->handles.empty() || Locked(to)) throw Error(kSharingViolation);
        if (freeSpace_ != UINT64_MAX) freeSpace_ += existing->content.size();
        std::erase(toParent->children, existing);
    }
    std::erase(fromParent->children, node);
    node->name = toLeaf;
    toParent->children.push_back(node);
}

bool MemoryFileSystem::DeleteFile(std::string_view path) {
    std::string leaf;
    Node* parent = ParentOf(path, &leaf);
    auto node = parent ? parent->Child(leaf) : nullptr;
    if (!node || node->IsFolder() || (node->attributes & FileAttr::ReadOnly) || !node->handles.empty()) return false;
    if (DeleteRefused(path)) return false;
    freeSpace_ = freeSpace_ == UINT64_MAX ? freeSpace_ : freeSpace_ + node->content.size();
    std::erase(parent->children, node);
    return true;
}

bool MemoryFileSystem::RemoveFolder(std::string_view path) {
    std::string leaf;
    Node* parent = ParentOf(path, &leaf);
    auto node = parent ? parent->Child(leaf) : nullptr;
    if (!node || !node->IsFolder() || !node->children.empty()) return false;
    std::erase(parent->children, node);
    return true;
}

std::optional<std::uint32_t> MemoryFileSystem::Attributes(std::string_view path) const {
    const Node* n = Lookup(path);
    if (!n) return std::nullopt;
    return n->attributes;
}

bool MemoryFileSystem::SetAttributes(std::string_view path, std::uint32_t attributes) {
    Node* n = Lookup(path);
    if (!n) return false;
    n->attributes = (attributes & ~FileAttr::Directory) | (n->attributes & FileAttr::Directory);
    return true;
}

std::vector<FoundFile> MemoryFileSystem::Find(std::string_view pattern) const {
    const auto slash = pattern.rfind('\\');
    if (slash == std::string_view::npos) return {};
    const Node* folder = Through(Lookup(pattern.substr(0, slash + 1)));
    std::vector<FoundFile> found;
    if (!folder || !folder->IsFolder()) return found;
    const auto mask = pattern.substr(slash + 1);
    for (const auto& c : folder->children)
        if (MaskMatches(mask, c->name)) found.push_back({c->name, c->attributes, c->content.size()});
    return found;
}

std::vector<FoundFile> MemoryFileSystem::ListFolder(std::string_view folder, std::optional<std::uint64_t>) const {
    const Node* node = Through(Lookup(folder));
    std::vector<FoundFile> found;
    if (!node || !node->IsFolder()) return found;
    for (const auto& c : node->children) found.push_back({c->name, c->attributes, c->content.size(), c->identity});
    return found;
}

std::unique_ptr<Stream> MemoryFileSystem::Open(std::string_view path, OpenMode mode, Share share) {
    const bool write = mode != OpenMode::Read;
    std::string leaf;
    Node* parent = ParentOf(path, &leaf);
    if (!parent) throw Error(kPathNotFound);
    auto node = parent->Child(leaf);
    if (Locked(path)) throw Error(kSharingViolation);
    if (node && mode == OpenMode::CreateNew) throw Error(kFileExists);
    if (node && node->IsLink()) {
        if (mode == OpenMode::Overwrite) throw Error(node->IsFolder() ? kAccessDenied : kStoppedOnLink);
        node = Follow(node);
        if (!node) throw Error(kFileNotFound);
    }
    if (!node) {
        if (mode != OpenMode::Create && mode != OpenMode::CreateNew) throw Error(kFileNotFound);
        node = Node::Make(*parent, leaf, FileAttr::Archive);
        parent->children.push_back(node);
    } else {
        if (node->IsFolder() || (write && (node->attributes & FileAttr::ReadOnly))) throw Error(kAccessDenied);
        if (node->Conflicts(write, share)) throw Error(kSharingViolation);
        if (mode == OpenMode::Create) {
            if (freeSpace_ != UINT64_MAX) freeSpace_ += node->content.size();
            node->content.clear();
        }
    }
    return std::make_unique<MemoryStream>(*this, node, write, share);
}

std::optional<FileIdentity> MemoryFileSystem::Identity(std::string_view path) const {
    std::string leaf;
    const Node* parent = ParentOf(path, &leaf);
    const Node* node = parent ? parent->Child(leaf).get() : Lookup(path);  // a root has no parent
    if (!node) return std::nullopt;
    return node->identity;
}

std::unique_ptr<FileEntry> MemoryFileSystem::OpenEntry(std::string_view path,
                                                       const std::optional<FileIdentity>& expected,
                                                       EntryAccess access) {
    std::string leaf;
    Node* parent = ParentOf(path, &leaf);
    if (!parent) throw Error(kPathNotFound);
    auto node = parent->Child(leaf);
    if (!node) throw Error(kFileNotFound);
    if (Locked(path)) throw Error(kSharingViolation);
    if (node->IsFolder()) throw Error(kAccessDenied);
    const bool overwrite = access == EntryAccess::Overwrite;
    if (overwrite && node->IsLink()) throw Error(kStoppedOnLink);
    if (overwrite && (node->attributes & FileAttr::ReadOnly)) throw Error(kAccessDenied);
    // No handle here shares deletion, so any open one stands in the way of
    // a delete or an exclusive open, as it does of DeleteFile.
    if (access != EntryAccess::Examine && !node->handles.empty()) throw Error(kSharingViolation);
    if (expected && node->identity != *expected) return nullptr;
    return std::make_unique<MemoryEntry>(*this, node, std::string(path), access);
}

DriveType MemoryFileSystem::GetDriveType(std::string_view rootPath) const {
    const auto p = Parse(rootPath);
    if (!p.valid || !drives_.count(p.drive)) return DriveType::NoRootDir;
    const auto it = driveTypes_.find(p.drive[0]);
    return it == driveTypes_.end() ? DriveType::Fixed : it->second;
}

std::vector<std::string> MemoryFileSystem::LogicalDrives() const {
    std::vector<std::string> roots;
    for (const auto& d : drives_) roots.push_back(d.first + ":\\");
    return roots;
}

std::string MemoryFileSystem::WindowsFolder() const {
    if (windowsFolder_.empty()) throw Error(kPathNotFound);
    return windowsFolder_;
}

std::string MemoryFileSystem::ExecutableFolder() const { return executableFolder_; }

void MemoryFileSystem::AddFile(std::string_view path, std::vector<std::uint8_t> bytes, std::uint32_t attributes) {
    const auto slash = path.rfind('\\');
    Node& folder = EnsureFolder(path.substr(0, slash));
    const auto leaf = std::string(path.substr(slash + 1));
    std::erase_if(folder.children, [&](const auto& c) { return EqualsIgnoreCase(c->name, leaf); });
    folder.children.push_back(Node::Make(folder, leaf, attributes & ~FileAttr::Directory, std::move(bytes)));
}

void MemoryFileSystem::AddFile(std::string_view path, std::string_view text) {
    AddFile(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void MemoryFileSystem::AddFolder(std::string_view path, std::uint32_t attributes) {
    EnsureFolder(path).attributes = attributes | FileAttr::Directory;
}

void MemoryFileSystem::AddLink(std::string_view path, std::string_view target) {
    const Node* to = Lookup(target);
    if (!to) throw Error(kFileNotFound);
    const auto slash = path.rfind('\\');
    Node& folder = EnsureFolder(path.substr(0, slash));
    auto link = Node::Make(folder, std::string(path.substr(slash + 1)),
                           FileAttr::ReparsePoint | (to->IsFolder() ? FileAttr::Directory : FileAttr::Archive));
    link->linkTarget = std::string(target);
    folder.children.push_back(std::move(link));
}

void MemoryFileSystem::SetDriveType(char letter, DriveType type) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
    EnsureFolder(std::string(1, upper) + ":\\");
    driveTypes_[upper] = type;
}

void MemoryFileSystem::SetWindowsFolder(std::string path) { windowsFolder_ = std::move(path); }
void MemoryFileSystem::SetExecutableFolder(std::string path) { executableFolder_ = std::move(path); }

std::vector<std::uint8_t> MemoryFileSystem::Content(std::string_view path) const {
    const Node* n = Lookup(path);
    return n && !n->IsFolder() ? n->content : std::vector<std::uint8_t>{};
}

std::string MemoryFileSystem::Text(std::string_view path) const {
    const auto bytes = Content(path);
    return {bytes.begin(), bytes.end()};
}

void MemoryFileSystem::FailCreateFolder(std::string_view path) { failCreate_.insert(std::string(path)); }
void MemoryFileSystem::LockFile(std::string_view path) { locked_.insert(std::string(path)); }
void MemoryFileSystem::FailDelete(std::string_view path) { failDelete_.insert(std::string(path)); }
void MemoryFileSystem::SetFreeSpace(std::uint64_t bytes) { freeSpace_ = bytes; }

bool MemoryFileSystem::CreatePrivateFolder(std::string_view path) { return CreateFolderNode(path, true); }

bool MemoryFileSystem::IsPrivateFolder(std::string_view path) const {
    const Node* n = Lookup(path);
    return n && !n->IsLink() && n->IsFolder() && n->privateToAdministrators;
}

}  // namespace tw
