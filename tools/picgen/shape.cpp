#include "shape.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace picgen {
namespace {

constexpr int samples_per_axis = 16;

// Points are snapped to 1/1024 pixel so that the last bits of the trigonometry (which may
// differ between compilers and optimisation levels) never reach the output bytes.
Point snapped(Point p) {
    return {std::round(p.x * 1024.0) / 1024.0, std::round(p.y * 1024.0) / 1024.0};
}

bool inside_segment(Point p, Point a, Point b, double half_width, bool butt_start, bool butt_end) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length_squared = dx * dx + dy * dy;
    double t = 0;
    if (length_squared > 0) t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / length_squared;
    if ((butt_start && t < 0) || (butt_end && t > 1)) return false;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = p.x - (a.x + t * dx);
    const double ey = p.y - (a.y + t * dy);
    return ex * ex + ey * ey <= half_width * half_width;
}

// One piece of a shape with the box that holds it, so that each pixel tests only the pieces
// that can reach it.
struct Piece {
    enum class Kind { Rect, Disc, Segment } kind;
    double left, top, right, bottom; // the box
    const Stroke* stroke = nullptr;
    std::size_t index = 0; // segment index within the stroke, or the disc or rect index
};

std::vector<Piece> pieces_of(const Shape& shape) {
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i < shape.rects.size(); ++i) {
        const FilledRect& r = shape.rects[i];
        pieces.push_back({Piece::Kind::Rect, r.left, r.top, r.right, r.bottom, nullptr, i});
    }
    for (std::size_t i = 0; i < shape.discs.size(); ++i) {
        const Disc& d = shape.discs[i];
        pieces.push_back({Piece::Kind::Disc, d.centre.x - d.radius, d.centre.y - d.radius,
                          d.centre.x + d.radius, d.centre.y + d.radius, nullptr, i});
    }
    for (const Stroke& s : shape.strokes) {
        const double h = s.width / 2;
        const std::size_t segments = s.points.size() == 1 ? 1 : s.points.size() - 1;
        for (std::size_t i = 0; i < segments; ++i) {
            const Point a = s.points[i];
            const Point b = s.points[std::min(i + 1, s.points.size() - 1)];
            pieces.push_back({Piece::Kind::Segment, std::min(a.x, b.x) - h, std::min(a.y, b.y) - h,
                              std::max(a.x, b.x) + h, std::max(a.y, b.y) + h, &s, i});
        }
    }
    return pieces;
}

bool inside(Point p, const Piece& piece, const Shape& shape) {
    switch (piece.kind) {
    case Piece::Kind::Rect:
        return p.x >= piece.left && p.x < piece.right && p.y >= piece.top && p.y < piece.bottom;
    case Piece::Kind::Disc: {
        const Disc& d = shape.discs[piece.index];
        const double dx = p.x - d.centre.x;
        const double dy = p.y - d.centre.y;
        return dx * dx + dy * dy <= d.radius * d.radius;
    }
    case Piece::Kind::Segment: {
        const Stroke& s = *piece.stroke;
        const std::size_t i = piece.index;
        const std::size_t count = s.points.size();
        const Point a = s.points[i];
        const Point b = s.points[std::min(i + 1, count - 1)];
        const bool butt_start = count > 1 && i == 0 && s.start == Cap::Butt;
        const bool butt_end = count > 1 && i + 2 == count && s.end == Cap::Butt;
        return inside_segment(p, a, b, s.width / 2, butt_start, butt_end);
    }
    }
    return false;
}

} // namespace

Path& Path::move_to(Point p) {
    points_.clear();
    points_.push_back(snapped(p));
    return *this;
}

Path& Path::line_to(Point p) {
    points_.push_back(snapped(p));
    return *this;
}

Path& Path::arc(Point centre, double radius_x, double radius_y, double from, double to) {
    // About one point per 3 degrees keeps the polygon's error far below a sample.
    const int steps = std::max(2, static_cast<int>(std::ceil(std::abs(to - from) / 3.0)));
    for (int i = 0; i <= steps; ++i) {
        const double degrees = from + (to - from) * i / steps;
        const double radians = degrees * std::numbers::pi / 180.0;
        points_.push_back(snapped(
            {centre.x + radius_x * std::cos(radians), centre.y + radius_y * std::sin(radians)}));
    }
    return *this;
}

Stroke Path::stroke(double width, Cap start, Cap end) const {
    return Stroke{points_, width, start, end};
}

std::vector<double> coverage(const Shape& shape, int width, int height) {
    const std::vector<Piece> pieces = pieces_of(shape);
    std::vector<const Piece*> nearby;
    std::vector<double> result(static_cast<std::size_t>(width * height), 0.0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            nearby.clear();
            for (const Piece& piece : pieces)
                if (piece.left < x + 1 && piece.right > x && piece.top < y + 1 && piece.bottom > y)
                    nearby.push_back(&piece);
            if (nearby.empty()) continue;
            int hits = 0;
            for (int sy = 0; sy < samples_per_axis; ++sy) {
                for (int sx = 0; sx < samples_per_axis; ++sx) {
                    const Point p{x + (sx + 0.5) / samples_per_axis,
                                  y + (sy + 0.5) / samples_per_axis};
                    for (const Piece* piece : nearby) {
                        if (inside(p, *piece, shape)) {
                            ++hits;
                            break;
                        }
                    }
                }
            }
            result[static_cast<std::size_t>(y * width + x)] =
                hits / static_cast<double>(samples_per_axis * samples_per_axis);
        }
    }
    return result;
}

} // namespace picgen
