#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "Checks.h"
#include "ImportPolicy.h"
#include "MediumFiles.h"
#include "PeImage.h"
#include "Win2000Imports.h"
#include "localisation/DictionaryLibrary.h"

namespace tavrik::mediumcheck {

namespace {

const pecheck::ImportPolicy& Windows2000Policy() {
    static const pecheck::ImportPolicy policy = [] {
        pecheck::ImportPolicy loaded;
        std::string error;
        loaded.Load(pecheck::kWin2000Imports, error);  // the list pecheck's tests read
        return loaded;
    }();
    return policy;
}

// The program's image, or nothing with an error told.
std::optional<pecheck::PeImage> ReadProgram(Findings& findings, const std::string& file,
                                            const std::string& missing) {
    std::string bytes;
    if (!MediumFileExists(file)) {
        findings.Error(file, "", "", "missing: " + missing);
        return std::nullopt;
    }
    pecheck::PeImage image;
    std::string reason;
    if (!ReadMediumFile(file, bytes) ||
        !pecheck::ParsePeImage(std::vector<unsigned char>(bytes.begin(), bytes.end()), image,
                               reason)) {
        findings.Error(
            file, "", "",
            "not a Windows program (" + (reason.empty() ? "unreadable" : reason) + "): " + missing);
        return std::nullopt;
    }
    return image;
}

// The wizard and its library are the release build for Windows 2000 and XP:
// 32-bit x86, subsystem and OS version 5.0 at most, imports that Windows
// 2000 has. A 64-bit build (the demo medium's, which runs under 64-bit Wine)
// is a working medium for 64-bit Windows: noted, not counted.
void CheckReleaseImage(Findings& findings, const std::string& file, const pecheck::PeImage& image) {
    if (image.is64Bit) {
        findings.Note(file, "", "", "a 64-bit program: not a release program for Windows 2000/XP");
        return;
    }
    for (const std::string& problem : pecheck::CheckImage(image, Windows2000Policy(), {5, 0})) {
        findings.Error(file, "", "", problem + ": it does not load on Windows 2000");
    }
}

void CheckWizard(Findings& findings) {
    const auto wizard = ReadProgram(findings, "tavrik.exe", "the medium starts nothing");
    const auto library = ReadProgram(findings, kDictionaryLibrary, "every page shows empty texts");
    if (wizard) {
        CheckReleaseImage(findings, "tavrik.exe", *wizard);
    }
    if (!library) {
        return;
    }
    CheckReleaseImage(findings, kDictionaryLibrary, *library);
    if (wizard && wizard->is64Bit != library->is64Bit) {
        findings.Error(kDictionaryLibrary, "", "",
                       std::string(library->is64Bit ? "64-bit" : "32-bit") +
                           " but tavrik.exe is not: the wizard cannot load it, every page "
                           "shows empty texts");
    }
    for (const char* entry : kDictionaryEntries) {
        if (std::find(library->exports.begin(), library->exports.end(), entry) ==
            library->exports.end()) {
            findings.Error(kDictionaryLibrary, "", entry,
                           "entry point not exported: the texts it gives are empty");
        }
    }
}

void CheckSetup(Findings& findings) {
    ReadProgram(findings, "setup.exe", "page 6 shows the start-failure notice");
    for (const char* file : {"install.iss", "desinst.iss"}) {
        if (!MediumFileExists(file)) {
            findings.Error(file, "", "", "missing: the setup has no answers and fails (page 6)");
        }
    }
    const std::string script = "qxdiag\\updateqxd.vbs";
    if (!MediumFileExists(script)) {
        findings.Error(Shown(script), "", "",
                       "missing: every installation stops at the update-error notice");
    }
}

}  // namespace

void CheckPrograms(Findings& findings) {
    CheckWizard(findings);
    CheckSetup(findings);
}

}  // namespace tavrik::mediumcheck
