#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tavrik::media {
namespace {

constexpr double kPi = 3.14159265358979323846;

double DistanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0;
    if (lengthSquared > 0) t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

Box Around(Point centre, double radius) {
    return {centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius};
}

Box Merge(const Box& a, const Box& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

}  // namespace

Shape Rect(double left, double top, double right, double bottom) {
    return {{left, top, right, bottom},
            [=](double x, double y) { return x >= left && x < right && y >= top && y < bottom; }};
}

Shape RoundedRect(double left, double top, double right, double bottom, double radius) {
    return {{left, top, right, bottom}, [=](double x, double y) {
                if (x < left || x >= right || y < top || y >= bottom) return false;
                const double cx = std::clamp(x, left + radius, right - radius);
                const double cy = std::clamp(y, top + radius, bottom - radius);
                return std::hypot(x - cx, y - cy) <= radius;
            }};
}

Shape Disc(Point centre, double radius) {
    return {Around(centre, radius),
            [=](double x, double y) { return std::hypot(x - centre.x, y - centre.y) <= radius; }};
}

Shape Ring(Point centre, double outerRadius, double innerRadius) {
    return {Around(centre, outerRadius), [=](double x, double y) {
                const double d = std::hypot(x - centre.x, y - centre.y);
                return d <= outerRadius && d >= innerRadius;
            }};
}

Shape Capsule(Point from, Point to, double halfWidth) {
    const Box bounds{std::min(from.x, to.x) - halfWidth, std::min(from.y, to.y) - halfWidth,
                     std::max(from.x, to.x) + halfWidth, std::max(from.y, to.y) + halfWidth};
    return {bounds, [=](double x, double y) {
                return DistanceToSegment({x, y}, from, to) <= halfWidth;
            }};
}

Shape Polygon(std::vector<Point> corners) {
    Box bounds{corners.empty() ? 0 : corners[0].x, corners.empty() ? 0 : corners[0].y,
               corners.empty() ? 0 : corners[0].x, corners.empty() ? 0 : corners[0].y};
    for (const Point& p : corners) bounds = Merge(bounds, {p.x, p.y, p.x, p.y});
    return {bounds, [corners = std::move(corners)](double x, double y) {
                bool inside = false;
                const std::size_t n = corners.size();
                for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
                    const Point& a = corners[i];
                    const Point& b = corners[j];
                    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
                        inside = !inside;
                    }
                }
                return inside;
            }};
}

Shape Star(Point centre, double outerRadius, double innerRadius, double angle) {
    std::vector<Point> corners;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outerRadius : innerRadius;
        const double a = angle + i * kPi / 5;
        corners.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
    }
    return Polygon(std::move(corners));
}

Shape OpenRing(Point centre, double outerRadius, double innerRadius, double gapCentre,
               double gapHalf) {
    const Shape ring = Ring(centre, outerRadius, innerRadius);
    return {ring.bounds, [=](double x, double y) {
                if (!ring.contains(x, y)) return false;
                double delta = std::atan2(y - centre.y, x - centre.x) - gapCentre;
                delta = std::remainder(delta, 2 * kPi);
                return std::fabs(delta) > gapHalf;
            }};
}

Shape Union(Shape a, Shape b) {
    const Box bounds = Merge(a.bounds, b.bounds);
    return {bounds, [a = std::move(a), b = std::move(b)](double x, double y) {
                return a.contains(x, y) || b.contains(x, y);
            }};
}

Shape Difference(Shape a, Shape b) {
    const Box bounds = a.bounds;
    return {bounds, [a = std::move(a), b = std::move(b)](double x, double y) {
                return a.contains(x, y) && !b.contains(x, y);
            }};
}

Shape Intersection(Shape a, Shape b) {
    const Box bounds = a.bounds;
    return {bounds, [a = std::move(a), b = std::move(b)](double x, double y) {
                return a.contains(x, y) && b.contains(x, y);
            }};
}

}  // namespace tavrik::media
