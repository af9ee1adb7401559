#pragma once
#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "platform/shell.h"
#include "platform/system.h"

namespace tw {

// Replaces "%systemroot%", "%systemdrive%", "%windir%" and "%programfiles%"
// (any case, every occurrence) by their environment variables, empty when
// unset. No other %...% form is touched.
std::string ExpandPathVariables(const System& system, std::string_view text);

// The Registry Cleaner's test of a registry value or command line. False
// only when the text names a local file that is missing; every form the rule
// does not look at counts as valid. allowComma accepts "file.ext,index"
// icon references.
bool IsFileReferenceValid(const FileSystem& files, const System& system, std::string_view text,
                          bool allowComma);

// The Startup Manager's reduction of a command line to the program path:
// the path, the unquoted remainder of quoted input, or empty.
std::string ExtractStartupPath(std::string_view text);

// Empty when the shell cannot determine the folder.
std::string SpecialFolderPath(const Shell& shell, int csidl);

}  // namespace tw
