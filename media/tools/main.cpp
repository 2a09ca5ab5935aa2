// Writes the pictures of the installation medium: the BMP folder's page
// background and button glyphs, and the dictionary folder's flags; or, with
// --wait, the waiting pictures of the WAIT folder.
//
//   tavrik_media_gen BMP_FOLDER FLAG_FOLDER
//   tavrik_media_gen --wait WAIT_FOLDER
#include <cstdio>
#include <string>

#include "BmpFile.h"
#include "ButtonGlyphs.h"
#include "Flags.h"
#include "PageBackground.h"
#include "WaitPictures.h"

namespace {

bool Write(const std::string& folder, const std::string& name, const tavrik::media::Image& image) {
    const std::string path = folder + "/" + name;
    if (tavrik::media::WriteBmp24(path, image)) return true;
    std::fprintf(stderr, "tavrik_media_gen: cannot write %s\n", path.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tavrik::media;
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: tavrik_media_gen BMP_FOLDER FLAG_FOLDER\n"
                     "       tavrik_media_gen --wait WAIT_FOLDER\n");
        return 2;
    }
    if (std::string(argv[1]) == "--wait") {
        bool ok = true;
        for (int step = 1; step <= kWaitPictureCount; ++step) {
            ok = Write(argv[2], WaitPictureFileName(step), MakeWaitPicture(step)) && ok;
        }
        return ok ? 0 : 1;
    }
    const std::string bmpFolder = argv[1];
    const std::string flagFolder = argv[2];

    bool ok = true;
    const Image page = MakePageBackground();
    ok = Write(bmpFolder, "page_fon.bmp", page) && ok;
    const Rgb buttonBand = page.At(kButtonProbeX, kButtonProbeY);
    for (Glyph glyph : kAllGlyphs) {
        ok = Write(bmpFolder, GlyphFileName(glyph), MakeGlyph(glyph, buttonBand)) && ok;
    }
    for (const Flag& flag : MakeFlags()) {
        ok = Write(flagFolder, FlagFileName(flag.code), flag.image) && ok;
    }
    return ok ? 0 : 1;
}
