#include "services/export_buffer.h"

#include "platform/text.h"
#include "services/export_format.h"

namespace tw {
namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

std::optional<std::string> ToAnsiText(std::string_view utf8, const System& system) {
    return system.ToAnsi(Utf8ToUtf16(utf8));
}

void AppendUtf16Le(std::vector<std::uint8_t>& bytes, std::u16string_view text) {
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xff));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
}

}  // namespace

void ExportBuffer::AddHeader() {
    lines_.emplace_back(Header{});
    lines_.emplace_back(std::string());
}

void ExportBuffer::AddLine(std::string text) {
    lines_.emplace_back(std::move(text));
}

void ExportBuffer::AddValue(std::string name, RegValue value) {
    lines_.emplace_back(Value{std::move(name), std::move(value)});
}

std::optional<std::vector<std::string>> ExportBuffer::Regedit4Lines(const System& system) const {
    std::vector<std::string> result;
    result.reserve(lines_.size());
    for (const Line& line : lines_) {
        std::optional<std::string> text = std::visit(
            Overloaded{
                [](const Header&) -> std::optional<std::string> { return std::string(kRegedit4Header); },
                [](const std::string& plain) -> std::optional<std::string> { return plain; },
                [&](const Value& entry) { return Regedit4ValueLine(entry.name, entry.value, system); },
            },
            line);
        if (!text || !ToAnsiText(*text, system)) return std::nullopt;
        result.push_back(std::move(*text));
    }
    return result;
}

std::vector<std::string> ExportBuffer::Version5Lines() const {
    std::vector<std::string> result;
    result.reserve(lines_.size());
    for (const Line& line : lines_) {
        result.push_back(std::visit(
            Overloaded{
                [](const Header&) { return std::string(kVersion5Header); },
                [](const std::string& plain) { return plain; },
                [](const Value& entry) { return Version5ValueLine(entry.name, entry.value); },
            },
            line));
    }
    return result;
}

std::optional<std::vector<std::uint8_t>> ExportBuffer::Regedit4FileBytes(const System& system) const {
    const auto lines = Regedit4Lines(system);
    if (!lines) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (const std::string& line : *lines) {
        const std::string ansi = ToAnsiText(line, system).value_or(std::string());
        bytes.insert(bytes.end(), ansi.begin(), ansi.end());
        bytes.push_back('\r');
        bytes.push_back('\n');
    }
    return bytes;
}

std::vector<std::uint8_t> ExportBuffer::Version5FileBytes() const {
    std::vector<std::uint8_t> bytes = {0xff, 0xfe};
    for (const std::string& line : Version5Lines()) {
        AppendUtf16Le(bytes, Utf8ToUtf16(line));
        AppendUtf16Le(bytes, u"\r\n");
    }
    return bytes;
}

std::vector<std::uint8_t> ExportBuffer::FileBytes(const System& system) const {
    if (auto ansi = Regedit4FileBytes(system)) return std::move(*ansi);
    return Version5FileBytes();
}

}  // namespace tw
