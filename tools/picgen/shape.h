#pragma once
// Symbols as geometry: stroked polylines, filled rectangles and filled discs, in pixel units
// of the picture (x to the right, y down, pixel (i, j) covers [i, i+1) x [j, j+1)).
#include <vector>

namespace picgen {

struct Point {
    double x = 0;
    double y = 0;
};

enum class Cap { Round, Butt };

// A stroke of constant width along a polyline; joins are round.
struct Stroke {
    std::vector<Point> points;
    double width = 2.5;
    Cap start = Cap::Round;
    Cap end = Cap::Round;
};

struct FilledRect {
    double left, top, right, bottom;
};

struct Disc {
    Point centre;
    double radius;
};

struct Shape {
    std::vector<Stroke> strokes;
    std::vector<FilledRect> rects;
    std::vector<Disc> discs;

    void add(Stroke stroke) { strokes.push_back(std::move(stroke)); }
    void add(FilledRect rect) { rects.push_back(rect); }
    void add(Disc disc) { discs.push_back(disc); }
};

// Builds a polyline from straight pieces and elliptical arcs.
class Path {
  public:
    Path& move_to(Point p);
    Path& line_to(Point p);
    // Appends the arc of the ellipse with this centre and radii from angle `from` to `to`
    // (degrees; 0 is to the right, 90 is down), starting with a line to its first point.
    Path& arc(Point centre, double radius_x, double radius_y, double from, double to);
    Stroke stroke(double width, Cap start = Cap::Round, Cap end = Cap::Round) const;

  private:
    std::vector<Point> points_;
};

// Coverage of each pixel by the shape, 0 to 1, rows top to bottom, from a 16 x 16 grid of
// samples per pixel.
std::vector<double> coverage(const Shape& shape, int width, int height);

} // namespace picgen
