#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "registry_demo_win.h"
#include "services/registry_export.h"

namespace tw {
namespace {

// A quoted text from its opening quote; at is left after the closing one.
std::optional<std::string> Unquote(const std::string& line, std::size_t& at) {
    if (at >= line.size() || line[at] != '"') return std::nullopt;
    std::string text;
    for (++at; at < line.size(); ++at) {
        if (line[at] == '\\' && at + 1 < line.size()) {
            text += line[++at];
        } else if (line[at] == '"') {
            ++at;
            return text;
        } else {
            text += line[at];
        }
    }
    return std::nullopt;
}

std::optional<RegValue> ParseData(const std::string& line, std::size_t at) {
    if (line.compare(at, 6, "dword:") == 0) return RegValue::Dword(std::stoul(line.substr(at + 6), nullptr, 16));
    const auto text = Unquote(line, at);
    if (!text) return std::nullopt;
    return RegValue::String(*text);
}

}  // namespace

bool ImportRegFile(Registry& registry, const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    if (!file) return false;
    RootKey root = kLocalMachine;
    std::string key;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            const std::string full = line.substr(1, line.size() - 2);
            const std::size_t slash = full.find('\\');
            root = RootKeyFromName(full.substr(0, slash));
            key = slash == std::string::npos ? std::string() : full.substr(slash + 1);
            registry.CreateKey(root, key);
            continue;
        }
        std::size_t at = 0;
        std::string name;
        if (line.starts_with("@=")) {
            at = 1;
        } else if (const auto quoted = Unquote(line, at)) {
            name = *quoted;
        } else {
            continue;  // the header, comments and empty lines
        }
        if (at >= line.size() || line[at] != '=') continue;
        if (const auto value = ParseData(line, at + 1)) registry.WriteValue(root, key, name, *value);
    }
    return true;
}

}  // namespace tw
