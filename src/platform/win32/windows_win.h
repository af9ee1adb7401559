#pragma once
// The Windows headers for the platform layer and its tests, included in one
// place. windows.h maps CopyFile, MoveFile, ReplaceFile, DeleteFile and
// GetDriveType to their A/W names by macro, which would rename the FileSystem
// members of the same names in every file that sees both; the macros go, and
// the W APIs are called by their W names.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wininet.h>

#undef CopyFile
#undef MoveFile
#undef ReplaceFile
#undef DeleteFile
#undef GetDriveType
