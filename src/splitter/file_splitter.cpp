#include "splitter/file_splitter.h"

#include "splitter/chunk_copy.h"
#include "splitter/piece_names.h"
#include "splitter/split_sizes.h"

namespace tw {
namespace {

// The checks that refuse a split before anything is opened; empty when the
// request may go ahead.
std::string_view RefusalOf(const FileSystem& files, const SplitRequest& request, const std::string& destination) {
    if (request.source.empty()) return kNoFileToSplit;
    if (!files.FileExists(request.source)) return kSplitSourceMissing;
    if (!files.FolderExists(destination)) return kDestinationMissing;
    return {};
}

}  // namespace

std::string SplitFile(FileSystem& files, const SplitRequest& request, RunProgress& progress) {
    const auto pieceSize = PieceSizeFor(request.sizeChoice, request.customMegabytes);
    if (!pieceSize) return std::string(kCustomSizeRefused);
    std::string destination = request.destination.empty() ? FolderPart(request.source) : request.destination;
    if (const auto refusal = RefusalOf(files, request, destination); !refusal.empty()) return std::string(refusal);
    if (destination.ends_with('\\')) destination.pop_back();

    NamedStream source = OpenForReading(files, request.source);
    const std::uint64_t size = source.stream->Size();
    const std::uint64_t whole = size / *pieceSize;
    if (whole < 1) return std::string(kSourceSmallerThanPiece);

    const std::string name = FileNamePart(request.source);
    ChunkCopier copier(progress);
    for (std::uint64_t index = 0; index <= whole; ++index) {
        const std::uint64_t length = index < whole ? *pieceSize : size - whole * *pieceSize;
        NamedStream piece = CreateForWriting(files, destination + "\\" + PieceName(name, index));
        copier.Copy(source, piece, length);
    }
    return std::string(kSplitDone);
}

}  // namespace tw
