#include "PageBackground.h"

#include <algorithm>
#include <cmath>

#include "Canvas.h"

namespace tavrik::media {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The page title's blue (41, 69, 143): the one strong colour of the page.
constexpr Colour kTitleBlue{41, 69, 143};
constexpr Colour kWhite{255, 255, 255};

// Header band: the title label covers rows 0 to 40.
constexpr int kHeaderBottom = 44;

// The text area is near-white with a faint cool gradient downwards and a
// slightly deeper tint along the left edge, where no text is placed.
constexpr Colour kBodyTop{251, 252, 254};
constexpr Colour kBodyBottom{239, 243, 249};
constexpr Colour kBodyLeftTint{226, 233, 245};
constexpr double kLeftTintWidth = 118;

constexpr Colour kHeaderLeft{217, 227, 243};
constexpr Colour kHeaderRight{237, 242, 250};
constexpr Colour kAccentFaded{205, 216, 236};

constexpr Colour kFooter{230, 236, 246};
constexpr Colour kFooterLine{194, 206, 228};

double SmoothStep(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

Colour Body(double x, double y) {
    const double down = (y - kHeaderBottom) / (kFooterTop - kHeaderBottom);
    const Colour base = Mix(kBodyTop, kBodyBottom, SmoothStep(down));
    return Mix(base, kBodyLeftTint, 1.0 - SmoothStep(x / kLeftTintWidth));
}

Colour Header(double x) { return Mix(kHeaderLeft, kHeaderRight, SmoothStep(x / kPageWidth)); }

Colour Background(double x, double y) {
    if (y < kHeaderBottom) return Header(x);
    if (y < kHeaderBottom + 2) {
        // The band's lower edge: a title-blue rule fading out to the right.
        return Mix(kTitleBlue, kAccentFaded, std::pow(x / kPageWidth, 0.6));
    }
    if (y < kHeaderBottom + 3) return Mix(Body(x, y), kWhite, 0.7);
    if (y < kFooterTop) return Body(x, y);
    if (y < kFooterTop + 1) return kFooterLine;
    if (y < kFooterTop + 2) return Mix(kFooter, kWhite, 0.6);
    return kFooter;
}

// Top left (inside 120 x 60, left of the title at x = 48): the suite's
// mark, a small dial on a blue tile.
void DrawMark(Canvas& canvas) {
    canvas.Fill(RoundedRect(8, 6, 40, 38, 6), kTitleBlue);
    const Point centre{24, 23};
    canvas.Fill(OpenRing(centre, 10.5, 8.3, kPi / 2, 0.75), kWhite);
    canvas.Fill(Capsule(centre, {centre.x + 6.2, centre.y - 5.2}, 1.25), kWhite);
    canvas.Fill(Disc(centre, 2.4), kWhite);
}

// Top right (inside 60 x 60): three quiet arcs around the page corner.
void DrawCornerArcs(Canvas& canvas) {
    const Point corner{kPageWidth, 0};
    const double radii[] = {20, 33, 46};
    const double strength[] = {0.22, 0.15, 0.09};
    for (int i = 0; i < 3; ++i) {
        canvas.Fill(Ring(corner, radii[i] + 0.9, radii[i] - 0.9), kTitleBlue, strength[i]);
    }
}

}  // namespace

Image MakePageBackground() {
    Canvas canvas(kPageWidth, kPageHeight, kWhite);
    canvas.Paint(Background);
    DrawMark(canvas);
    DrawCornerArcs(canvas);
    return canvas.ToImage();
}

}  // namespace tavrik::media
