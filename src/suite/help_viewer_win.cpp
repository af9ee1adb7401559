#include "suite/help_viewer_win.h"

#include <htmlhelp.h>

#include <optional>
#include <utility>

#include "platform/win32/system_library_win.h"
#include "suite/help_viewer.h"
#include "ui/wide_win.h"

namespace tw {
namespace {

// The text in the ANSI code page, or nothing when a character has no exact
// equivalent there: a best-fit or "?" substitute would name another file.
std::optional<std::string> Ansi(std::string_view utf8) {
    if (utf8.empty()) return std::string();
    const std::wstring wide = ui::Wide(utf8);
    const int wideLength = static_cast<int>(wide.size());
    BOOL substituted = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, nullptr, 0,
                                           nullptr, &substituted);
    if (length <= 0 || substituted) return std::nullopt;
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, ansi.data(), length, nullptr,
                        &substituted);
    if (substituted) return std::nullopt;
    return ansi;
}

std::string ModuleFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    path.resize(path.find_last_of(L"\\/") + 1);
    return ui::Narrow(path);
}

}  // namespace

HelpViewer::HelpViewer(std::string applicationHelpFile) : applicationHelpFile_(std::move(applicationHelpFile)) {
    library_ = win32::LoadSystemLibrary(L"HHCtrl.ocx");
    if (library_ == nullptr) return;
    entryA_ = reinterpret_cast<EntryA>(reinterpret_cast<void*>(GetProcAddress(library_, "HtmlHelpA")));
    entryW_ = reinterpret_cast<EntryW>(reinterpret_cast<void*>(GetProcAddress(library_, "HtmlHelpW")));
}

HelpViewer::~HelpViewer() { Shutdown(); }

std::string HelpViewer::ResolvedFile(std::string_view namedFile) const {
    std::string file = ResolveHelpFile(namedFile, applicationHelpFile_, ModuleFolder());
    return IsCompiledHelpFile(file) ? file : std::string();
}

std::string HelpViewer::TopicAddress(std::string_view topic, std::string_view namedFile) const {
    const std::string file = ResolvedFile(namedFile);
    return file.empty() ? std::string() : HelpTopicAddress(file, topic);
}

HWND HelpViewer::ShowTopic(HWND owner, std::string_view topic, std::string_view namedFile) {
    const std::string address = TopicAddress(topic, namedFile);
    if (address.empty()) return nullptr;
    return Call(owner, address, HH_DISPLAY_TOPIC, DWORD_PTR{0});
}

HWND HelpViewer::ShowContents(HWND owner, std::string_view namedFile) {
    const std::string file = ResolvedFile(namedFile);
    if (file.empty()) return nullptr;
    return Call(owner, file, HH_DISPLAY_TOC, DWORD_PTR{0});
}

HWND HelpViewer::ShowKeyword(HWND owner, std::string_view request, std::string_view namedFile) {
    const std::string file = ResolvedFile(namedFile);
    if (file.empty()) return nullptr;
    return Call(owner, file, HH_DISPLAY_INDEX, KeywordFromRequest(request));
}

HWND HelpViewer::ShowContext(HWND owner, DWORD context, std::string_view namedFile) {
    const std::string file = ResolvedFile(namedFile);
    if (file.empty()) return nullptr;
    return Call(owner, file, HH_HELP_CONTEXT, DWORD_PTR{context});
}

void HelpViewer::Shutdown() {
    if (library_ == nullptr) return;
    if (entryA_ != nullptr) entryA_(nullptr, nullptr, HH_CLOSE_ALL, 0);
    FreeLibrary(std::exchange(library_, nullptr));
    entryA_ = nullptr;
    entryW_ = nullptr;
}

HWND HelpViewer::Call(HWND owner, std::string_view file, UINT command, std::string_view textData) {
    if (entryA_ == nullptr) return nullptr;
    const auto ansiFile = Ansi(file);
    const auto ansiData = Ansi(textData);
    if (ansiFile && ansiData) {
        return entryA_(owner, ansiFile->c_str(), command, reinterpret_cast<DWORD_PTR>(ansiData->c_str()));
    }
    if (entryW_ == nullptr) return nullptr;
    const std::wstring wideData = ui::Wide(textData);
    return entryW_(owner, ui::Wide(file).c_str(), command, reinterpret_cast<DWORD_PTR>(wideData.c_str()));
}

HWND HelpViewer::Call(HWND owner, std::string_view file, UINT command, DWORD_PTR data) {
    if (entryA_ == nullptr) return nullptr;
    if (const auto ansiFile = Ansi(file)) return entryA_(owner, ansiFile->c_str(), command, data);
    if (entryW_ == nullptr) return nullptr;
    return entryW_(owner, ui::Wide(file).c_str(), command, data);
}

}  // namespace tw
