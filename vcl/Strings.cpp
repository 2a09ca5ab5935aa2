#include "vcl/Strings.h"

#include "vcl/Component.h"
#include "vcl/Exceptions.h"
#include "vcl/FileRoutines.h"

namespace tavrik::vcl {

namespace {
constexpr std::size_t kMaxTextFileSize = 64 * 1024 * 1024;
}

void TStrings::CheckIndex(int index, int last) const {
    if (index < 0 || index > last) {
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    }
}

const std::string& TStrings::Strings(int index) const {
    CheckIndex(index, Count() - 1);
    return items_[index];
}

void TStrings::SetStrings(int index, const std::string& text) {
    CheckIndex(index, Count() - 1);
    items_[index] = text;
    Changed();
}

int TStrings::Add(const std::string& text) {
    items_.push_back(text);
    Changed();
    return Count() - 1;
}

void TStrings::Insert(int index, const std::string& text) {
    CheckIndex(index, Count());
    items_.insert(items_.begin() + index, text);
    Changed();
}

void TStrings::Delete(int index) {
    CheckIndex(index, Count() - 1);
    items_.erase(items_.begin() + index);
    Changed();
}

void TStrings::Clear() {
    if (items_.empty()) return;
    items_.clear();
    Changed();
}

int TStrings::IndexOf(const std::string& text) const {
    for (int i = 0; i < Count(); ++i) {
        if (SameText(items_[i], text)) return i;
    }
    return -1;
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

void TStrings::Assign(const TStrings& other) {
    if (this == &other) return;
    items_ = other.items_;
    Changed();
}

void TStrings::EndUpdate() {
    if (updating_ > 0 && --updating_ == 0 && changedWhileUpdating_) {
        changedWhileUpdating_ = false;
        Changed();
    }
}

void TStrings::Changed() {
    if (updating_ > 0) {
        changedWhileUpdating_ = true;
        return;
    }
    if (onChange_) onChange_();
}

}  // namespace tavrik::vcl
