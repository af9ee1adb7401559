#include "splitter/file_joiner.h"

#include "splitter/chunk_copy.h"
#include "splitter/piece_check.h"
#include "splitter/piece_names.h"
#include "splitter/replacing_output.h"

namespace tw {

std::string JoinDoneText(std::string_view joinedName) {
    return "The file: " + std::string(joinedName) + " is successfully joined";
}

std::string ReplaceQuestion(std::string_view path) {
    return std::string(path) + " already exists. Do you want to replace it?";
}

std::optional<std::string> JoinPieces(FileSystem& files, Prompter& prompter, const JoinRequest& request,
                                      RunProgress& progress) {
    if (request.piece.empty()) return std::string(kNoFileToJoin);
    const PieceSet set = FindPieceSet(files, request.piece);
    if (set.count == 0) return std::string(kNotAPiece);
    if (auto refusal = PieceSetRefusal(files, set)) return *std::move(refusal);

    const std::string destination = request.destination.empty() ? set.folder : request.destination;
    const std::string output = WithTrailingBackslash(destination) + set.joinedName;
    const bool exists = files.Attributes(output).has_value();
    if (exists && !prompter.Confirm(ReplaceQuestion(output))) return std::nullopt;
    ChunkCopier copier(progress);
    WriteReplacing(files, output, exists ? Existing::Replace : Existing::Keep, [&](NamedStream& output) {
        for (std::uint64_t index = 0; index < set.count; ++index) {
            NamedStream piece = OpenForReading(files, set.PiecePath(index));
            // As many bytes as were checked: a piece cut short meanwhile fails.
            copier.Copy(piece, output, set.sizes[index]);
        }
    });
    return JoinDoneText(set.joinedName);
}

}  // namespace tw
