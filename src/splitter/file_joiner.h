#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "services/prompter.h"
#include "services/run_progress.h"

namespace tw {

inline constexpr std::string_view kNoFileToJoin = "A file name must be specified to be joined.";
inline constexpr std::string_view kNotAPiece =
    "The file you have selected is not a valid file to be joined. Please select a valid file.";
// "The file: report.doc is successfully joined".
std::string JoinDoneText(std::string_view joinedName);

// What the join page holds when "&Join" is pressed.
struct JoinRequest {
    std::string piece;        // any piece of the set
    std::string destination;  // empty: beside the pieces
};

// "C:\out\report.doc already exists. Do you want to replace it?"
std::string ReplaceQuestion(std::string_view path);

// Appends pieces 00000, 00001, ... up to the first missing index into the
// joined file, once PieceSetRefusal has found them consistent. A file of the
// output's name is often the original, edited since: it is replaced only
// when the user says so, and only once the joined file is complete; one
// that appears during the join is never replaced. Returns the notice to
// show, whether the join was done or refused, or nothing when the user kept
// the existing file; failures throw tw::Error naming the file, as SplitFile
// does, and leave an existing output as it was.
std::optional<std::string> JoinPieces(FileSystem& files, Prompter& prompter, const JoinRequest& request,
                                      RunProgress& progress);

}  // namespace tw
