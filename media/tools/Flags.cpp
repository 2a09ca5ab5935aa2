#include "Flags.h"

#include <cmath>
#include <functional>
#include <utility>

#include "Canvas.h"

namespace tavrik::media {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double W = kFlagWidth;
constexpr double H = kFlagHeight;

constexpr Colour kWhite{255, 255, 255};

using Drawing = std::function<void(Canvas&)>;

// Three equal bands, left to right.
Drawing Vertical(Colour a, Colour b, Colour c) {
    return [=](Canvas& canvas) {
        canvas.Fill(Rect(0, 0, 15, H), a);
        canvas.Fill(Rect(15, 0, 30, H), b);
        canvas.Fill(Rect(30, 0, W, H), c);
    };
}

// Three bands, top to bottom; the middle one takes the odd row.
Drawing Horizontal(Colour a, Colour b, Colour c) {
    return [=](Canvas& canvas) {
        canvas.Fill(Rect(0, 0, W, 12), a);
        canvas.Fill(Rect(0, 12, W, 25), b);
        canvas.Fill(Rect(0, 25, W, H), c);
    };
}

void DrawUnitedKingdom(Canvas& canvas) {
    const Colour blue{1, 33, 105};
    const Colour red{200, 16, 46};
    canvas.Fill(Rect(0, 0, W, H), blue);
    // The saltires, measured across each half-diagonal: broad white, red on
    // the side that turns the pattern like a pinwheel, narrow white.
    const double unit = H / 30;
    const Point centre{W / 2, H / 2};
    const auto across = [=](double x, double y) {
        const double dx = x < centre.x ? -centre.x : centre.x;
        const double dy = y < centre.y ? -centre.y : centre.y;
        const double length = std::hypot(dx, dy);
        // Distance to the left of the outward half-diagonal: the broad white
        // lies above the red at the hoist and below it at the fly.
        return ((x - centre.x) * dy - (y - centre.y) * dx) / length;
    };
    canvas.Fill(
        {{0, 0, W, H}, [=](double x, double y) { return std::fabs(across(x, y)) < 3 * unit; }},
        kWhite);
    canvas.Fill({{0, 0, W, H},
                 [=](double x, double y) {
                     const double t = across(x, y);
                     return t >= 0 && t < 2 * unit;
                 }},
                red);
    canvas.Fill(Rect(16, 0, 29, H), kWhite);
    canvas.Fill(Rect(0, 12, W, 25), kWhite);
    canvas.Fill(Rect(19, 0, 26, H), red);
    canvas.Fill(Rect(0, 15, W, 22), red);
}

void DrawSpain(Canvas& canvas) {
    const Colour red{170, 21, 27};
    const Colour yellow{241, 191, 0};
    canvas.Fill(Rect(0, 0, W, 9), red);
    canvas.Fill(Rect(0, 9, W, 28), yellow);
    canvas.Fill(Rect(0, 28, W, H), red);
}

void DrawPortugal(Canvas& canvas) {
    const Colour green{0, 102, 0};
    const Colour red{218, 41, 28};
    const Colour yellow{250, 210, 0};
    canvas.Fill(Rect(0, 0, 18, H), green);
    canvas.Fill(Rect(18, 0, W, H), red);
    const Point centre{18, H / 2};
    canvas.Fill(Ring(centre, 8.2, 6.2), yellow);
    // The shield: white, bordered red, with a rounded foot.
    const Shape shield = Union(Rect(14.2, 13.2, 21.8, 20.5), Disc({18, 20.5}, 3.8));
    canvas.Fill(shield, kWhite);
    const Shape inner = Union(Rect(15.6, 14.6, 20.4, 20.5), Disc({18, 20.5}, 2.4));
    canvas.Fill(Difference(shield, inner), red);
    canvas.Fill(Disc({18, 18.4}, 1.1), Colour{0, 56, 168});
}

void DrawPoland(Canvas& canvas) {
    canvas.Fill(Rect(0, 0, W, 18.5), Colour{246, 246, 246});
    canvas.Fill(Rect(0, 18.5, W, H), Colour{220, 20, 60});
}

void DrawCzechia(Canvas& canvas) {
    canvas.Fill(Rect(0, 0, W, 18.5), Colour{246, 246, 246});
    canvas.Fill(Rect(0, 18.5, W, H), Colour{215, 20, 26});
    canvas.Fill(Polygon({{0, 0}, {W / 2, H / 2}, {0, H}}), Colour{17, 69, 126});
}

void DrawGreece(Canvas& canvas) {
    const Colour blue{13, 94, 175};
    // Nine stripes, blue first; the fifth takes the odd row.
    const double tops[] = {0, 4, 8, 12, 16, 21, 25, 29, 33, H};
    for (int i = 0; i < 9; ++i) {
        canvas.Fill(Rect(0, tops[i], W, tops[i + 1]), i % 2 == 0 ? blue : kWhite);
    }
    canvas.Fill(Rect(0, 0, 20, 21), blue);
    canvas.Fill(Rect(8, 0, 12, 21), kWhite);
    canvas.Fill(Rect(0, 8, 20, 12), kWhite);
}

void DrawTurkey(Canvas& canvas) {
    const double g = H;
    canvas.Fill(Rect(0, 0, W, H), Colour{227, 10, 23});
    const Point outer{g / 2, H / 2};
    const Point inner{outer.x + g / 16, H / 2};
    canvas.Fill(Difference(Disc(outer, g / 4), Disc(inner, g / 5)), kWhite);
    canvas.Fill(Star({outer.x + g / 3 + 0.6, H / 2}, g / 8, g / 8 * 0.382, kPi), kWhite);
}

void DrawSweden(Canvas& canvas) {
    canvas.Fill(Rect(0, 0, W, H), Colour{0, 106, 167});
    canvas.Fill(Rect(13, 0, 20, H), Colour{254, 204, 0});
    canvas.Fill(Rect(0, 15, W, 22), Colour{254, 204, 0});
}

// A slightly darker edge keeps white and yellow flags apart from a light
// page and from the highlight square behind the selected flag.
void DarkenEdge(Image& image) {
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (x != 0 && y != 0 && x != image.Width() - 1 && y != image.Height() - 1) continue;
            const Rgb c = image.At(x, y);
            const auto darker = [](std::uint8_t v) {
                return static_cast<std::uint8_t>(v * 7 / 10);
            };
            image.Set(x, y, {darker(c.r), darker(c.g), darker(c.b)});
        }
    }
}

// The transparent grey must never appear: nudge it should a blend land on it.
void AvoidTransparentGrey(Image& image) {
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (image.At(x, y) == kFlagTransparent) image.Set(x, y, {129, 129, 129});
        }
    }
}

Flag Make(std::string code, const Drawing& draw) {
    Canvas canvas(kFlagWidth, kFlagHeight, kWhite);
    draw(canvas);
    Image image = canvas.ToImage();
    DarkenEdge(image);
    AvoidTransparentGrey(image);
    return {std::move(code), std::move(image)};
}

}  // namespace

std::string FlagFileName(const std::string& code) { return "THESAU" + code + ".bmp"; }

std::vector<Flag> MakeFlags() {
    std::vector<Flag> flags;
    flags.push_back(Make("FR", Vertical({0, 35, 149}, kWhite, {237, 41, 57})));
    flags.push_back(Make("GB", DrawUnitedKingdom));
    flags.push_back(Make("DE", Horizontal({24, 24, 24}, {221, 0, 0}, {255, 206, 0})));
    flags.push_back(Make("ES", DrawSpain));
    flags.push_back(Make("IT", Vertical({0, 146, 70}, kWhite, {206, 43, 55})));
    flags.push_back(Make("NL", Horizontal({174, 28, 40}, kWhite, {33, 70, 139})));
    flags.push_back(Make("PT", DrawPortugal));
    flags.push_back(Make("PL", DrawPoland));
    flags.push_back(Make("CS", DrawCzechia));
    flags.push_back(Make("HU", Horizontal({206, 41, 57}, kWhite, {71, 112, 80})));
    flags.push_back(Make("RU", Horizontal(kWhite, {0, 57, 166}, {213, 43, 30})));
    flags.push_back(Make("EL", DrawGreece));
    flags.push_back(Make("TR", DrawTurkey));
    flags.push_back(Make("SV", DrawSweden));
    return flags;
}

}  // namespace tavrik::media
