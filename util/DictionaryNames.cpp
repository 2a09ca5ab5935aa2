#include "util/DictionaryNames.h"

#include <cctype>

namespace tavrik {

namespace {

std::string CharactersBeforeLastDot(const std::string& fileName, std::string::size_type count) {
    const std::string::size_type dot = fileName.rfind('.');
    if (dot == std::string::npos || dot < count) {
        return "";
    }
    return fileName.substr(dot - count, count);
}

}  // namespace

std::string DictionaryNameOf(const std::string& fileName) {
    return CharactersBeforeLastDot(fileName, 8);
}

std::string LanguageCodeOf(const std::string& fileName) {
    return CharactersBeforeLastDot(fileName, 2);
}

std::string DictionaryFileOf(const std::string& fileName) {
    return DictionaryNameOf(fileName) + ".DBZ";
}

bool IsDictionaryFileName(const std::string& text) {
    if (text.size() != 12) return false;
    for (std::string::size_type i = 0; i < 8; ++i) {
        if (std::isalnum(static_cast<unsigned char>(text[i])) == 0) return false;
    }
    std::string extension;
    for (std::string::size_type i = 8; i < 12; ++i) {
        extension += static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
    }
    return extension == ".DBZ";
}

std::string DictionaryFileOfReference(const std::string& reference) {
    if (reference.size() < 6) {
        return "";
    }
    return reference.substr(5, 12);
}

}  // namespace tavrik
