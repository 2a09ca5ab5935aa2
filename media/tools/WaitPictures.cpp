#include "WaitPictures.h"

#include <algorithm>
#include <cmath>

#include "Canvas.h"

namespace tavrik::media {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The page title's blue, as on every page, for the dial and the dots.
constexpr Colour kTitleBlue{41, 69, 143};
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kSkyTop{196, 214, 238};
constexpr Colour kSkyHorizon{242, 246, 251};
constexpr Colour kSun{255, 238, 200};
constexpr double kHorizon = 190;

constexpr Point kDialCentre{kWaitWidth / 2.0, 112};
constexpr double kDialRadius = 46;

// A band of hills: everything below a gentle wave.
Shape Hills(double base, double height, double waves, double phase) {
    return {{0, base - height, double(kWaitWidth), double(kWaitHeight)}, [=](double x, double y) {
                return y >= base - height * (0.5 + 0.5 * std::sin(x / kWaitWidth * waves * 2 * kPi +
                                                                  phase));
            }};
}

void DrawLandscape(Canvas& canvas) {
    canvas.Paint([](double, double y) {
        return Mix(kSkyTop, kSkyHorizon, std::clamp(y / kHorizon, 0.0, 1.0));
    });
    const Point sun{392, 62};
    canvas.Fill(Disc(sun, 44), {255, 252, 242}, 0.5);
    canvas.Fill(Disc(sun, 24), kSun);
    canvas.Fill(Hills(200, 34, 1.3, 0.4), {184, 204, 226});
    canvas.Fill(Hills(232, 30, 1.7, 2.1), {150, 190, 174});
    canvas.Fill(Hills(266, 22, 1.1, 4.0), {112, 162, 140});
}

// The needle turns from the left (first picture) to the right (last).
void DrawDial(Canvas& canvas, int step) {
    canvas.Fill(Disc(kDialCentre, kDialRadius + 10), kWhite, 0.8);
    canvas.Fill(OpenRing(kDialCentre, kDialRadius, kDialRadius - 7, kPi / 2, 0.8), kTitleBlue);
    const double share = double(step - 1) / (kWaitPictureCount - 1);
    const double angle = -kPi + 0.35 + share * (kPi - 0.7);  // screen angle, y downwards
    const Point tip{kDialCentre.x + std::cos(angle) * (kDialRadius - 14),
                    kDialCentre.y + std::sin(angle) * (kDialRadius - 14)};
    canvas.Fill(Capsule(kDialCentre, tip, 3.2), kTitleBlue);
    canvas.Fill(Disc(kDialCentre, 6.5), kTitleBlue);
}

// One dot per picture; the picture's own is filled.
void DrawDots(Canvas& canvas, int step) {
    for (int dot = 1; dot <= kWaitPictureCount; ++dot) {
        const Point centre{kWaitWidth / 2.0 + (dot - 2) * 28.0, 196};
        canvas.Fill(Disc(centre, 8), kWhite, 0.9);
        canvas.Fill(dot == step ? Disc(centre, 7) : Ring(centre, 7, 5), kTitleBlue);
    }
}

}  // namespace

Image MakeWaitPicture(int step) {
    step = std::clamp(step, 1, kWaitPictureCount);
    Canvas canvas(kWaitWidth, kWaitHeight, kWhite);
    DrawLandscape(canvas);
    DrawDial(canvas, step);
    DrawDots(canvas, step);
    return canvas.ToImage();
}

std::string WaitPictureFileName(int step) { return "attente" + std::to_string(step) + ".bmp"; }

}  // namespace tavrik::media
