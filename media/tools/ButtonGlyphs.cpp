#include "ButtonGlyphs.h"

#include "Canvas.h"

namespace tavrik::media {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr Colour kWhite{255, 255, 255};
constexpr Rgb kTransparent{0, 0, 0};
// Dark but never black, for a pixel that would otherwise vanish.
constexpr Rgb kDarkestInk{8, 8, 8};
// Pixels covered less than this stay transparent: a faint halo of the
// background colour would show as a speck on any other background.
constexpr double kMinimumCoverage = 0.03;

// The disc fits the button (glyph size minus one), centred on it.
constexpr Point kCentre{(kGlyphWidth - 1) / 2.0, (kGlyphHeight - 1) / 2.0};
constexpr double kRadius = 10.4;
constexpr double kStroke = 1.6;

Colour DiscColour(Glyph glyph) {
    switch (glyph) {
        case Glyph::Validate:
            return {44, 96, 172};
        case Glyph::Exit:
            return {94, 106, 126};
        case Glyph::Yes:
            return {44, 134, 72};
        case Glyph::No:
            return {196, 58, 48};
    }
    return {};
}

Point At(double dx, double dy) { return {kCentre.x + dx, kCentre.y + dy}; }

void DrawDisc(Canvas& canvas, Colour colour) {
    const Shape disc = Disc(kCentre, kRadius);
    canvas.Fill(disc, colour);
    // A soft light from above and a slightly darker rim give it some depth.
    canvas.Fill(Intersection(disc, Disc(At(0, -5.5), kRadius * 0.85)), kWhite, 0.14);
    canvas.Fill(Ring(kCentre, kRadius, kRadius - 1.0), Mix(colour, {0, 0, 0}, 0.35), 0.6);
}

void DrawSymbol(Canvas& canvas, Glyph glyph) {
    switch (glyph) {
        case Glyph::Validate:  // an arrow pointing on
            canvas.Fill(Capsule(At(-5.2, 0), At(4.6, 0), kStroke), kWhite);
            canvas.Fill(Capsule(At(5.0, 0), At(0.4, -4.6), kStroke), kWhite);
            canvas.Fill(Capsule(At(5.0, 0), At(0.4, 4.6), kStroke), kWhite);
            break;
        case Glyph::Exit:  // the power switch symbol
            canvas.Fill(OpenRing(At(0, 0.8), 6.4, 6.4 - 2 * kStroke * 0.85, -kPi / 2, 0.72),
                        kWhite);
            canvas.Fill(Capsule(At(0, -6.2), At(0, -0.2), kStroke * 0.9), kWhite);
            break;
        case Glyph::Yes:  // a check mark
            canvas.Fill(Capsule(At(-5.0, 0.4), At(-1.6, 3.9), kStroke), kWhite);
            canvas.Fill(Capsule(At(-1.6, 3.9), At(5.2, -3.9), kStroke), kWhite);
            break;
        case Glyph::No:  // a cross
            canvas.Fill(Capsule(At(-4.2, -4.2), At(4.2, 4.2), kStroke), kWhite);
            canvas.Fill(Capsule(At(4.2, -4.2), At(-4.2, 4.2), kStroke), kWhite);
            break;
    }
}

}  // namespace

std::string GlyphFileName(Glyph glyph) {
    switch (glyph) {
        case Glyph::Validate:
            return "valid.bmp";
        case Glyph::Exit:
            return "sortie.bmp";
        case Glyph::Yes:
            return "yes.bmp";
        case Glyph::No:
            return "no.bmp";
    }
    return {};
}

Image MakeGlyph(Glyph glyph, Rgb background) {
    Canvas canvas(kGlyphWidth, kGlyphHeight, ColourOf(background));
    DrawDisc(canvas, DiscColour(glyph));
    DrawSymbol(canvas, glyph);
    Image image = canvas.ToImage();
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            if (canvas.Coverage(x, y) < kMinimumCoverage) {
                image.Set(x, y, kTransparent);
            } else if (image.At(x, y) == kTransparent) {
                image.Set(x, y, kDarkestInk);
            }
        }
    }
    return image;
}

}  // namespace tavrik::media
