#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace tw {

// The program's one link to the HTML Help engine. The engine library is
// loaded once for the whole run; without it (or without its entry point)
// every request quietly does nothing, since a help button is no reason to
// interrupt the user. Destroying the viewer closes every help window it
// opened and unloads the engine.
//
// Each Show function returns the window the engine reports, or nullptr when
// the engine was not asked or opened nothing.
class HelpViewer {
public:
    explicit HelpViewer(std::string applicationHelpFile);
    ~HelpViewer();
    HelpViewer(const HelpViewer&) = delete;
    HelpViewer& operator=(const HelpViewer&) = delete;

    bool HasEngine() const { return entryA_ != nullptr; }
    const std::string& ApplicationHelpFile() const { return applicationHelpFile_; }

    // The address a topic request would open, or "" when the resolved file
    // is not a compiled help file.
    std::string TopicAddress(std::string_view topic, std::string_view namedFile = {}) const;

    HWND ShowTopic(HWND owner, std::string_view topic, std::string_view namedFile = {});
    HWND ShowContents(HWND owner, std::string_view namedFile = {});
    HWND ShowKeyword(HWND owner, std::string_view request, std::string_view namedFile = {});
    HWND ShowContext(HWND owner, DWORD context, std::string_view namedFile = {});
    void Shutdown();

private:
    using EntryA = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
    using EntryW = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

    std::string ResolvedFile(std::string_view namedFile) const;
    // Calls the ANSI entry point, or the wide one when a text does not fit
    // the ANSI code page (a program folder with, say, Greek letters).
    HWND Call(HWND owner, std::string_view file, UINT command, std::string_view textData);
    HWND Call(HWND owner, std::string_view file, UINT command, DWORD_PTR data);

    std::string applicationHelpFile_;
    HMODULE library_ = nullptr;
    EntryA entryA_ = nullptr;
    EntryW entryW_ = nullptr;
};

}  // namespace tw
