// pecheck: fails when a Windows image would not load on the oldest accepted
// system (Windows 2000): subsystem or OS version too high, or an imported
// function that system does not have.
//
//   pecheck --imports LIST [--max-version 5.0] FILE...   check, one line per problem
//   pecheck --list FILE...                               show versions and imports
//
// Exit status: 0 all good, 1 a problem found, 2 a file or the list unreadable.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "ImportPolicy.h"
#include "PeImage.h"

namespace {

using tavrik::pecheck::ImportPolicy;
using tavrik::pecheck::PeImage;
using tavrik::pecheck::Version;

bool LoadImage(const std::string& path, PeImage& image) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << path << ": cannot be read\n";
        return false;
    }
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                           std::istreambuf_iterator<char>());
    std::string error;
    if (!ParsePeImage(bytes, image, error)) {
        std::cerr << path << ": " << error << "\n";
        return false;
    }
    return true;
}

bool ParseVersion(const std::string& text, Version& version) {
    return std::sscanf(text.c_str(), "%u.%u", &version.major, &version.minor) == 2;
}

void List(const std::string& path, const PeImage& image) {
    std::cout << path << ": " << (image.is64Bit ? "PE32+" : "PE32") << ", subsystem "
              << image.subsystem << " version " << image.subsystemMajor << "."
              << image.subsystemMinor << ", OS version " << image.osMajor << "." << image.osMinor
              << "\n";
    for (const auto& import : image.imports) {
        std::cout << "  " << import.dll << "!"
                  << (import.function.empty() ? "#" + std::to_string(import.ordinal)
                                              : import.function)
                  << (import.delayLoaded ? " (delay-loaded)" : "") << "\n";
    }
}

const char* const kUsage =
    "usage: pecheck --imports LIST [--max-version MAJOR.MINOR] FILE...\n"
    "       pecheck --list FILE...\n";

int Usage() {
    std::cerr << kUsage;
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string listPath;
    bool listOnly = false;
    Version highest;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage;
            return 0;
        }
        if (arg == "--imports" && i + 1 < argc) {
            listPath = argv[++i];
        } else if (arg == "--max-version" && i + 1 < argc) {
            if (!ParseVersion(argv[++i], highest)) {
                return Usage();
            }
        } else if (arg == "--list") {
            listOnly = true;
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage();
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty() || (listPath.empty() && !listOnly)) {
        return Usage();
    }

    ImportPolicy policy;
    if (!listOnly) {
        std::ifstream list(listPath);
        std::string error;
        if (!list) {
            std::cerr << listPath << ": cannot be read\n";
            return 2;
        }
        if (!policy.Load(list, error)) {
            std::cerr << listPath << ": " << error << "\n";
            return 2;
        }
    }

    int status = 0;
    for (const std::string& path : files) {
        PeImage image;
        if (!LoadImage(path, image)) {
            status = 2;
            continue;
        }
        if (listOnly) {
            List(path, image);
            continue;
        }
        const auto problems = CheckImage(image, policy, highest);
        for (const std::string& problem : problems) {
            std::cout << path << ": " << problem << "\n";
        }
        if (problems.empty()) {
            std::cout << path << ": within version " << highest.major << "." << highest.minor
                      << " and the listed imports\n";
        } else if (status == 0) {
            status = 1;
        }
    }
    return status;
}
