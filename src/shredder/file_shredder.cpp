#include "shredder/file_shredder.h"

#include "platform/error.h"
#include "shredder/pass_writer.h"

namespace tw {
namespace {

void OverwriteAllPasses(FileSystem& files, PassWriter& writer, std::string_view path, const WipeAlgorithm& algorithm) {
    for (const WipePass& pass : algorithm.passes) {
        const auto file = files.Open(path, OpenMode::ReadWrite, Share::Exclusive);
        writer.Overwrite(*file, pass);
    }
}

}  // namespace

void ShredFile(FileSystem& files, RandomSource& random, std::string_view path, const ShredOptions& options,
               const std::function<void()>& pump) {
    std::string target(path);
    if (options.rename) {
        target = FolderPart(path) + std::string(kShredTempName);
        if (!files.MoveFile(path, target)) throw Error(FormatText(kRenameFailed, path));
    }
    PassWriter writer(random, pump);
    try {
        OverwriteAllPasses(files, writer, target, options.algorithm);
    } catch (const Error&) {
        // The row keeps the file's own name, so the file should keep it too;
        // otherwise the next attempt would find a "$000000.tmp" in its way.
        if (target != path) files.MoveFile(target, path);
        throw;
    }
    files.DeleteFile(target);
}

}  // namespace tw
