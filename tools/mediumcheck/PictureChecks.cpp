#include <algorithm>
#include <string>

#include "Checks.h"
#include "MediumFiles.h"
#include "PictureFile.h"
#include "install/WaitPictures.h"

namespace tavrik::mediumcheck {

namespace {

// The background and the button glyphs every page loads from BMP\.
void CheckPagePictures(Findings& findings) {
    for (const char* name : {"page_fon.bmp", "valid.bmp", "sortie.bmp", "yes.bmp", "no.bmp"}) {
        const std::string file = std::string("BMP\\") + name;
        PictureSize size;
        std::string reason;
        if (!MediumFileExists(file)) {
            findings.Error(Shown(file), "", "", "missing: the pages that use it show an error box");
        } else if (!LoadPicture(file, size, reason)) {
            findings.Error(Shown(file), "", "",
                           "not a BMP picture the wizard reads (" + reason +
                               "): the pages that use it show an error box");
        } else if (std::string(name) == "page_fon.bmp") {
            // Every page's background image has the size of the first one.
            const PictureSize page = FormControlSize("Image_PageInstallEncours");
            if (size != page) {
                findings.Warning(Shown(file), "", "",
                                 SizeText(size) + ": stretched to the page's " + SizeText(page));
            }
        } else if (size.width < 2 || size.height < 2) {
            findings.Warning(Shown(file), "", "",
                             SizeText(size) +
                                 ": the button takes the glyph's size less one pixel, and is "
                                 "then too small to show");
        }
    }
}

void CheckWaitPictures(Findings& findings) {
    const std::string list = "WAIT\\wait.ini";
    if (!MediumFileExists(list)) {
        findings.Warning(Shown(list), "", "", "missing: no picture while the setup runs");
        return;
    }
    const int count = WaitPictureCount(OnMedium(list));
    if (count <= 0) {
        findings.Warning(Shown(list), "WAIT", "NB",
                         "no picture count: no picture while the setup runs");
        return;
    }
    const PictureSize shown = FormControlSize("ImageAttenteMAJ");
    const int named = HighestNumberedKey(list, "WAIT");
    if (count > named) {
        findings.Error(Shown(list), "WAIT", "NB",
                       std::to_string(count) + " pictures counted, " + std::to_string(named) +
                           " named: the turns after picture " + std::to_string(named) +
                           " show none");
    }
    for (int number = 1; number <= std::min(count, named); ++number) {
        const std::string key = std::to_string(number);
        const std::string name = WaitPictureName(OnMedium(list), number);
        const std::string file = "WAIT\\" + name;
        PictureSize size;
        std::string reason;
        if (name.empty()) {
            findings.Error(Shown(list), "WAIT", key, "no picture named: this turn shows none");
        } else if (!IsCopiedWaitFile(name)) {
            findings.Error(Shown(list), "WAIT", key,
                           "'" + name + "' has no dot: it is not copied, this turn shows none");
        } else if (!MediumFileExists(file)) {
            findings.Error(Shown(list), "WAIT", key,
                           "'" + name + "' is not in WAIT/: this turn shows no picture");
        } else if (!LoadPicture(file, size, reason)) {
            findings.Error(Shown(list), "WAIT", key,
                           "'" + name + "' is not a BMP picture the wizard reads (" + reason +
                               "): this turn shows no picture");
        } else if (size != shown) {
            findings.Warning(
                Shown(list), "WAIT", key,
                "'" + name + "' is " + SizeText(size) + ": stretched to " + SizeText(shown));
        }
    }
}

}  // namespace

void CheckPictures(Findings& findings) {
    CheckPagePictures(findings);
    CheckWaitPictures(findings);
}

}  // namespace tavrik::mediumcheck
