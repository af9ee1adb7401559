#pragma once
#include <functional>
#include <string>

#include "platform/file_system.h"
#include "splitter/chunk_copy.h"

namespace tw {

// What becomes of a file already named `path` when the new one is put in
// its place: replaced (the user agreed), or kept, and the write fails.
enum class Existing { Replace, Keep };

// Writes the file `path` through a temporary file beside it, which takes
// that name only once `write` has returned. A failure part-way removes the
// temporary file and leaves a file already named `path` untouched. Every
// failure names `path`, the file the user asked for.
void WriteReplacing(FileSystem& files, const std::string& path, Existing existing,
                    const std::function<void(NamedStream&)>& write);

}  // namespace tw
