// A picture of the medium loaded as the wizard loads it (the component
// library's bitmap, through the machine), and the sizes the form gives the
// images that show them.
#pragma once

#include <string>

namespace tavrik::mediumcheck {

struct PictureSize {
    int width = 0;
    int height = 0;
};

// False, with the library's reason, when the picture cannot be shown.
bool LoadPicture(const std::string& relative, PictureSize& size, std::string& reason);

// The Width and Height the main form's description gives a control.
PictureSize FormControlSize(const std::string& controlName);

std::string SizeText(const PictureSize& size);
bool operator==(const PictureSize& a, const PictureSize& b);
inline bool operator!=(const PictureSize& a, const PictureSize& b) { return !(a == b); }

}  // namespace tavrik::mediumcheck
