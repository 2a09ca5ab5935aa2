// What an image may require of the oldest accepted system: the highest
// subsystem and OS versions in its headers, and the DLL functions known to
// exist there (read from a list such as win2000-imports.txt).
#pragma once

#include <istream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "PeImage.h"

namespace tavrik::pecheck {

struct Version {
    unsigned major = 5;
    unsigned minor = 0;
};

class ImportPolicy {
public:
    // The list format: "[DLL name]" starts a DLL's group, then one function
    // name per line; '#' starts a comment. False, with the line, on an error.
    bool Load(const std::string& list, std::string& error);
    // The same from a stream; inline, so that a program that never reads a
    // stream links no stream code (the Windows medium checker).
    bool Load(std::istream& list, std::string& error) {
        return Load(std::string(std::istreambuf_iterator<char>(list), {}), error);
    }

    bool Allows(const std::string& dll, const std::string& function) const;

private:
    std::map<std::string, std::set<std::string>> functionsByDll_;  // DLL names in lower case
};

// Every reason the image would not load on the oldest system, one message
// each; empty when it would.
std::vector<std::string> CheckImage(const PeImage& image, const ImportPolicy& policy,
                                    Version highest);

}  // namespace tavrik::pecheck
