#include "util/DictionaryNames.h"

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

std::string DictionaryFileOfReference(const std::string& reference) {
    if (reference.size() < 6) {
        return "";
    }
    return reference.substr(5, 12);
}

}  // namespace tavrik
