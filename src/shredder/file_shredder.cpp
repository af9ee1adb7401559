#include "shredder/file_shredder.h"

#include "platform/error.h"
#include "shredder/pass_writer.h"

namespace tw {
namespace {

// Overwriting a link would overwrite the file or folder it points at, which
// the user never listed.
void RefuseLink(const FileSystem& files, std::string_view path) {
    const auto attributes = files.Attributes(path);
    if (attributes && (*attributes & FileAttr::ReparsePoint)) throw Error(FormatText(kLinkRefused, path));
}

// The file the user listed and the system's reason, as the splitter words
// its failures.
Error Failure(std::string_view path, std::string_view reason) {
    return Error(FormatText(kCannotShred, path) + std::string(reason));
}

// A rename fails for a file that is gone, but also for one another program
// holds open or one whose temporary name is taken: only the first is "cannot
// be found"; the others name the file and why.
[[noreturn]] void RenameFailed(FileSystem& files, std::string_view path, std::string_view target) {
    if (!files.FileExists(path)) throw Error(FormatText(kRenameFailed, path));
    if (files.FileExists(target)) throw Failure(path, FormatText(kTempNameTaken, kShredTempName));
    try {
        // Opened only to learn the system's reason; nothing is read.
        files.Open(path, OpenMode::Read, Share::Exclusive);
    } catch (const Error& e) {
        throw Failure(path, e.what());
    }
    throw Failure(path, "It cannot be renamed.");
}

void OverwriteAllPasses(FileSystem& files, PassWriter& writer, std::string_view path, const WipeAlgorithm& algorithm) {
    for (const WipePass& pass : algorithm.passes) {
        const auto file = files.Open(path, OpenMode::Overwrite, Share::Exclusive);
        writer.Overwrite(*file, pass);
    }
}

}  // namespace

void ShredFile(FileSystem& files, RandomSource& random, std::string_view path, const ShredOptions& options,
               const std::function<void()>& pump) {
    RefuseLink(files, path);
    std::string target(path);
    if (options.rename) {
        target = FolderPart(path) + std::string(kShredTempName);
        if (!files.MoveFile(path, target)) RenameFailed(files, path, target);
    }
    // The row keeps the file's own name, so a file that is not gone gets it
    // back; otherwise the next attempt would find a "$000000.tmp" in its way.
    const auto nameBack = [&] { return target == path || files.MoveFile(target, path); };
    PassWriter writer(random, pump, options.written);
    try {
        OverwriteAllPasses(files, writer, target, options.algorithm);
    } catch (const Error& e) {
        nameBack();
        throw Failure(path, e.what());
    }
    if (files.DeleteFile(target)) return;
    throw Error(FormatText(kDeleteFailed, nameBack() ? path : std::string_view(target)));
}

}  // namespace tw
