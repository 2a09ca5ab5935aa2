// The wizard's page background, page_fon.bmp: 640 x 480, light and quiet,
// with a header band behind the page title and a footer band behind the
// buttons.
#pragma once

#include "Image.h"

namespace tavrik::media {

constexpr int kPageWidth = 640;
constexpr int kPageHeight = 480;

// Below the text area (rows 60 to 419) the footer band holds every page's
// buttons (from row 427 down); the glyphs blend their edges into its colour.
constexpr int kFooterTop = 421;
// The centre of the validate button (583, 428, 23 x 22).
constexpr int kButtonProbeX = 594;
constexpr int kButtonProbeY = 439;

Image MakePageBackground();

}  // namespace tavrik::media
