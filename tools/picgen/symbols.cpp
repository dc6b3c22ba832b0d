#include "symbols.h"

#include <initializer_list>
#include <utility>

namespace picgen {
namespace {

// Amber strokes of the keys: thin, between the 2 and 3 pixels the keys call for.
constexpr double key_stroke = 2.4;

// Digits stand in rows 10 to 35, centred on the key.
constexpr double digit_top = 10;
constexpr double digit_bottom = 36;

// Maps glyph coordinates (u across, v down, each 0 to 1) onto the box that the centre line
// of the strokes runs in, so that the ink, stroke width included, fills the outer box.
struct GlyphBox {
    double left, top, right, bottom; // outer extent of the ink
    double stroke;

    Point at(double u, double v) const {
        const double h = stroke / 2;
        return {left + h + u * (right - left - stroke), top + h + v * (bottom - top - stroke)};
    }
    double rx(double u) const { return u * (right - left - stroke); }
    // The u at which a butt end reaches the outer left or right edge of the ink.
    double outer_left() const { return -stroke / 2 / (right - left - stroke); }
    double outer_right() const { return 1 - outer_left(); }
    double ry(double v) const { return v * (bottom - top - stroke); }
};

GlyphBox digit_box(double centre_x, double width) {
    return {centre_x - width / 2, digit_top, centre_x + width / 2, digit_bottom, key_stroke};
}

// A closed ellipse in glyph coordinates.
Stroke ellipse(const GlyphBox& g, double cu, double cv, double ru, double rv) {
    return Path().arc(g.at(cu, cv), g.rx(ru), g.ry(rv), 0, 360).stroke(g.stroke);
}

Stroke arc(const GlyphBox& g, double cu, double cv, double ru, double rv, double from, double to,
           Cap start = Cap::Round, Cap end = Cap::Round) {
    return Path().arc(g.at(cu, cv), g.rx(ru), g.ry(rv), from, to).stroke(g.stroke, start, end);
}

Stroke line(const GlyphBox& g, std::initializer_list<std::pair<double, double>> points,
            Cap start = Cap::Round, Cap end = Cap::Round) {
    Path path;
    bool first = true;
    for (auto [u, v] : points) {
        if (first)
            path.move_to(g.at(u, v));
        else
            path.line_to(g.at(u, v));
        first = false;
    }
    return path.stroke(g.stroke, start, end);
}

Shape digit(int value, double centre_x) {
    Shape s;
    switch (value) {
    case 0: {
        const GlyphBox g = digit_box(centre_x, 16);
        s.add(ellipse(g, 0.5, 0.5, 0.5, 0.5));
        break;
    }
    case 1: {
        const GlyphBox g = digit_box(centre_x, 14);
        s.add(line(g, {{0.1, 0.17}, {0.56, 0}, {0.56, 1}}, Cap::Round, Cap::Butt));
        s.add(line(g, {{g.outer_left(), 1}, {g.outer_right(), 1}}, Cap::Butt, Cap::Butt));
        break;
    }
    case 2: {
        const GlyphBox g = digit_box(centre_x, 16);
        Path p;
        p.arc(g.at(0.5, 0.26), g.rx(0.49), g.ry(0.26), 195, 360);
        p.arc(g.at(0.5, 0.26), g.rx(0.49), g.ry(0.26), 360, 395);
        p.line_to(g.at(0, 1)).line_to(g.at(g.outer_right(), 1));
        s.add(p.stroke(g.stroke, Cap::Round, Cap::Butt));
        break;
    }
    case 3: {
        const GlyphBox g = digit_box(centre_x, 16);
        s.add(arc(g, 0.48, 0.245, 0.46, 0.245, 200, 450));
        s.add(arc(g, 0.5, 0.72, 0.5, 0.28, 270, 520));
        break;
    }
    case 4: {
        const GlyphBox g = digit_box(centre_x, 17);
        s.add(line(g, {{0.72, 1}, {0.72, 0}, {0, 0.7}, {g.outer_right(), 0.7}}, Cap::Butt,
                   Cap::Butt));
        break;
    }
    case 5: {
        const GlyphBox g = digit_box(centre_x, 16);
        Path p;
        p.move_to(g.at(0.94, 0)).line_to(g.at(0.1, 0)).line_to(g.at(0.05, 0.46));
        p.arc(g.at(0.48, 0.68), g.rx(0.52), g.ry(0.32), 222, 510);
        s.add(p.stroke(g.stroke, Cap::Butt, Cap::Round));
        break;
    }
    case 6: {
        const GlyphBox g = digit_box(centre_x, 16);
        s.add(ellipse(g, 0.5, 0.67, 0.5, 0.33));
        s.add(arc(g, 0.98, 0.67, 0.98, 0.67, 258, 180));
        break;
    }
    case 7: {
        const GlyphBox g = digit_box(centre_x, 16);
        s.add(line(g, {{g.outer_left(), 0}, {1, 0}, {0.33, 1}}, Cap::Butt, Cap::Butt));
        break;
    }
    case 8: {
        const GlyphBox g = digit_box(centre_x, 16);
        s.add(ellipse(g, 0.5, 0.235, 0.42, 0.235));
        s.add(ellipse(g, 0.5, 0.72, 0.5, 0.28));
        break;
    }
    case 9: {
        // The 6 turned half-way round.
        const GlyphBox g = digit_box(centre_x, 16);
        s.add(ellipse(g, 0.5, 0.33, 0.5, 0.33));
        s.add(arc(g, 0.02, 0.33, 0.98, 0.67, 78, 0));
        break;
    }
    default:
        break;
    }
    return s;
}

// The letter C with its opening to the right; the stroke ends reach the box's right edge.
void add_letter_c(Shape& s, double left, double right, double top, double bottom) {
    constexpr double opening = 42; // degrees either side of the right-hand axis
    constexpr double cos_opening = 0.7431448254773942;
    const double h = key_stroke / 2;
    const double radius_x = (right - left - key_stroke) / (1 + cos_opening);
    const Point centre{left + h + radius_x, (top + bottom) / 2};
    const double radius_y = (bottom - top - key_stroke) / 2;
    s.add(Path().arc(centre, radius_x, radius_y, opening, 360 - opening).stroke(key_stroke));
}

Shape symbol_of_key(Symbol symbol) {
    Shape s;
    switch (symbol) {
    case Symbol::Point:
        s.add(Disc{{24, 34}, 2.05});
        break;
    case Symbol::Plus:
        s.add(FilledRect{16, 24, 33, 26});
        s.add(FilledRect{24, 17, 26, 33});
        break;
    case Symbol::Minus:
        s.add(FilledRect{20, 25, 29, 27});
        break;
    case Symbol::Times:
        s.add(Path().move_to({18.2, 19.2}).line_to({30.8, 30.8}).stroke(key_stroke));
        s.add(Path().move_to({30.8, 19.2}).line_to({18.2, 30.8}).stroke(key_stroke));
        break;
    case Symbol::Divide:
        s.add(FilledRect{16, 24, 33, 26});
        s.add(Disc{{24.5, 18.5}, 1.65});
        s.add(Disc{{24.5, 31.5}, 1.65});
        break;
    case Symbol::Backspace:
        s.add(FilledRect{11, 18, 41, 20});
        s.add(Path().move_to({16.8, 14.2}).line_to({11.3, 19}).line_to({16.8, 23.8}).stroke(2.3));
        break;
    case Symbol::LetterC:
        add_letter_c(s, 15, 34, 6, 32);
        break;
    case Symbol::LettersCE: {
        add_letter_c(s, 6, 24, 6, 32);
        // E: a stem and three arms; the middle arm a little shorter.
        const GlyphBox e{29, 6, 44, 32, key_stroke};
        s.add(line(e, {{e.outer_right(), 0}, {0, 0}, {0, 1}, {e.outer_right(), 1}}, Cap::Butt,
                   Cap::Butt));
        s.add(line(e, {{0, 0.5}, {0.88, 0.5}}, Cap::Butt, Cap::Butt));
        break;
    }
    case Symbol::Equals:
        s.add(FilledRect{6, 22, 44, 28});
        s.add(FilledRect{6, 39, 44, 45});
        break;
    case Symbol::MinimiseBar:
        s.add(FilledRect{7, 13, 24, 17});
        break;
    case Symbol::CloseCross:
        s.add(Path().move_to({9.5, 9.5}).line_to({22.5, 22.5}).stroke(3));
        s.add(Path().move_to({22.5, 9.5}).line_to({9.5, 22.5}).stroke(3));
        break;
    default:
        break;
    }
    return s;
}

} // namespace

Shape symbol_shape(Symbol symbol, int picture_width) {
    const int value = static_cast<int>(symbol) - static_cast<int>(Symbol::Digit0);
    if (value >= 0 && value <= 9) {
        // The 0 of the wide key stands at columns 41 to 56; the others centre on column 24.
        const double centre_x = picture_width > 48 ? 49 : 24;
        return digit(value, centre_x);
    }
    return symbol_of_key(symbol);
}

Shape icon_character_shape(double scale) {
    const double w = 2.0 * scale;
    auto p = [scale](double x, double y) { return Point{x * scale, y * scale}; };
    Shape s;
    // 讠: the dot, then the stroke that runs across, down and ticks up to the right.
    s.add(Path().move_to(p(4.6, 5.2)).line_to(p(7.4, 8.0)).stroke(w));
    s.add(Path()
              .move_to(p(4.0, 13))
              .line_to(p(8, 13))
              .line_to(p(8, 25.6))
              .line_to(p(11.2, 22.6))
              .stroke(w, Cap::Butt, Cap::Round));
    // 十
    s.add(Path().move_to(p(13, 15)).line_to(p(30, 15)).stroke(w, Cap::Butt, Cap::Butt));
    s.add(Path().move_to(p(21, 4)).line_to(p(21, 30)).stroke(w, Cap::Butt, Cap::Butt));
    return s;
}

} // namespace picgen
