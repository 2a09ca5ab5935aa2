// Geometric shapes for the picture generator, as inside-tests on the plane.
// Pixel (x, y) covers [x, x + 1) x [y, y + 1); y grows downwards.
#pragma once

#include <functional>
#include <vector>

namespace tavrik::media {

struct Point {
    double x = 0;
    double y = 0;
};

struct Box {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

struct Shape {
    Box bounds;
    std::function<bool(double x, double y)> contains;
};

Shape Rect(double left, double top, double right, double bottom);
Shape RoundedRect(double left, double top, double right, double bottom, double radius);
Shape Disc(Point centre, double radius);
Shape Ring(Point centre, double outerRadius, double innerRadius);
// A thick segment with round ends: every point within halfWidth of it.
Shape Capsule(Point from, Point to, double halfWidth);
// Even-odd rule, so a simple outline needs no winding care.
Shape Polygon(std::vector<Point> corners);
// A regular five-pointed star, one point towards the given angle (radians,
// 0 = right, growing clockwise on screen).
Shape Star(Point centre, double outerRadius, double innerRadius, double angle);
// The part of a ring whose angle lies outside (gapCentre +- gapHalf).
Shape OpenRing(Point centre, double outerRadius, double innerRadius, double gapCentre,
               double gapHalf);

Shape Union(Shape a, Shape b);
Shape Difference(Shape a, Shape b);
Shape Intersection(Shape a, Shape b);

}  // namespace tavrik::media
