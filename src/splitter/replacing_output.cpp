#include "splitter/replacing_output.h"

#include "platform/error.h"

namespace tw {
namespace {

constexpr int kTemporaryNames = 100;

// "data.bin" is written as "data.bin.tmp", or as "data.bin.2.tmp" and so on
// when that name is taken: someone else's file is never touched.
std::string FreeTemporaryName(const FileSystem& files, const std::string& path) {
    std::string name = path + ".tmp";
    for (int n = 2; n <= kTemporaryNames && files.Attributes(name); ++n) name = path + "." + std::to_string(n) + ".tmp";
    return name;
}

void PutInPlace(FileSystem& files, const std::string& temporary, const std::string& path, Existing existing) {
    if (existing == Existing::Keep) {
        // Nobody was asked about a file that turned up meanwhile.
        if (!files.MoveFile(temporary, path))
            throw Error("Cannot create file \"" + path + "\". Cannot create a file when that file already exists.");
        return;
    }
    try {
        files.ReplaceFile(temporary, path);
    } catch (const Error& e) {
        throw Error("Cannot replace file \"" + path + "\". " + e.what());
    }
}

}  // namespace

void WriteReplacing(FileSystem& files, const std::string& path, Existing existing,
                    const std::function<void(NamedStream&)>& write) {
    const std::string temporary = FreeTemporaryName(files, path);
    NamedStream output = CreateNewForWriting(files, temporary, path);
    try {
        write(output);
        output.stream.reset();
        PutInPlace(files, temporary, path, existing);
    } catch (...) {
        output.stream.reset();  // a file still open cannot be deleted
        files.DeleteFile(temporary);
        throw;
    }
}

}  // namespace tw
