#pragma once
#include <string>
#include <string_view>

// The rules that turn a help request into an address for the HTML Help
// engine. They live apart from the engine so that every address the product
// can produce is checked without Windows.
namespace tw {

inline constexpr std::string_view kHelpFileName = "Help.chm";

// The name the viewer answers to; keyword requests arrive as
// "<name>: <keyword>".
inline constexpr std::string_view kHelpViewerName = "Tidewell HTML Help";

// True only when the text after the last full stop is "chm" in any letter
// case. "Help" and "Help.chm.bak" are not compiled help files.
bool IsCompiledHelpFile(std::string_view path);

// The named file, else the application's; a bare file name is taken to lie
// in the program's own folder rather than in whatever folder is current.
std::string ResolveHelpFile(std::string_view namedFile, std::string_view applicationHelpFile,
                            std::string_view moduleFolder);

// helpFile + "::/" + topic, with ".htm" added unless the topic already ends
// in ".htm" or ".html" (any case), e.g. "...Help.chm::/registry2.htm".
std::string HelpTopicAddress(std::string_view helpFile, std::string_view topic);

// "Tidewell HTML Help: backups " -> "backups".
std::string KeywordFromRequest(std::string_view text);

// The executable's folder already ends in a backslash, so the result holds a
// doubled one; Windows treats it as a single separator.
std::string HelpFilePath(std::string_view executableFolderWithTrailingBackslash);

}  // namespace tw
