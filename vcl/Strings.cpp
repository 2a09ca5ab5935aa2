#include "vcl/Strings.h"

#include "vcl/Exceptions.h"
#include "vcl/FileRoutines.h"

namespace tavrik::vcl {

namespace {
constexpr std::size_t kMaxTextFileSize = 64 * 1024 * 1024;
}

const std::string& TStrings::Strings(int index) const {
    if (index < 0 || index >= Count()) {
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    }
    return items_[index];
}

int TStrings::Add(const std::string& text) {
    items_.push_back(text);
    Changed();
    return Count() - 1;
}

void TStrings::Clear() {
    if (items_.empty()) return;
    items_.clear();
    Changed();
}

std::string TStrings::Text() const {
    std::string text;
    for (const std::string& item : items_) {
        text += item;
        text += "\r\n";
    }
    return text;
}

void TStrings::SetText(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    items_ = std::move(lines);
    Changed();
}

void TStrings::LoadFromFile(const std::string& path) {
    std::string bytes;
    if (!FileExists(path) || !ReadWholeFile(path, bytes, kMaxTextFileSize)) {
        throw EFOpenError("Cannot open file \"" + path + "\". The file cannot be read");
    }
    SetText(bytes);
}

void TStrings::Changed() {
    if (onChange_) onChange_();
}

}  // namespace tavrik::vcl
