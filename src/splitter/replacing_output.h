#pragma once
#include <functional>
#include <string>

#include "platform/file_system.h"
#include "splitter/chunk_copy.h"

namespace tw {

// Writes the file `path` through a temporary file beside it, which takes
// that name only once `write` has returned. A failure part-way removes the
// temporary file and leaves a file already named `path` untouched. Every
// failure names `path`, the file the user asked for.
void WriteReplacing(FileSystem& files, const std::string& path, const std::function<void(NamedStream&)>& write);

}  // namespace tw
