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
        if (!files.MoveFile(path, target)) throw Error(FormatText(kRenameFailed, path));
    }
    // The row keeps the file's own name, so a file that is not gone gets it
    // back; otherwise the next attempt would find a "$000000.tmp" in its way.
    const auto nameBack = [&] { return target == path || files.MoveFile(target, path); };
    PassWriter writer(random, pump);
    try {
        OverwriteAllPasses(files, writer, target, options.algorithm);
    } catch (const Error&) {
        nameBack();
        throw;
    }
    if (files.DeleteFile(target)) return;
    throw Error(FormatText(kDeleteFailed, nameBack() ? path : std::string_view(target)));
}

}  // namespace tw
