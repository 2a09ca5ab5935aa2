#include "InstallPaths.h"

#include <algorithm>
#include <cctype>

namespace tavrik::setup {

namespace {

std::string WithoutTrailingSeparators(std::string path) {
    while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
    return path;
}

bool SameWithoutCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string InstalledFolder(const std::string& pathInstall, const std::string& name) {
    return WithoutTrailingSeparators(pathInstall) + "\\APP\\" + name + "\\";
}

std::string AtInstallRoot(const std::string& pathInstall, const std::string& fileName) {
    return WithoutTrailingSeparators(pathInstall) + "\\" + fileName;
}

bool KeptWhenPresent(const std::string& relativePath) {
    return SameWithoutCase(relativePath, "EXE\\DICO.TXT");
}

}  // namespace tavrik::setup
