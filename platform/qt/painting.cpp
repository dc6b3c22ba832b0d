// Painting windows, off-screen bitmaps, fonts and text.
#include "platform/qt/host.h"
#include "platform/qt/text_conversion.h"

#include <QApplication>
#include <QFontMetrics>

#include <algorithm>

namespace platform {

RgbImage qt::to_rgb_image(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    RgbImage result;
    result.width = image.width();
    result.height = image.height();
    result.pixels.reserve(static_cast<std::size_t>(result.width) *
                          static_cast<std::size_t>(result.height) * 3);
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            result.pixels.push_back(static_cast<std::uint8_t>(qRed(row[x])));
            result.pixels.push_back(static_cast<std::uint8_t>(qGreen(row[x])));
            result.pixels.push_back(static_cast<std::uint8_t>(qBlue(row[x])));
        }
    }
    return result;
}

Canvas* begin_paint(WindowHandle window) {
    if (!qt::alive(window) || !window->in_paint_event) return nullptr;
    return new Canvas(window->widget);
}

void end_paint(WindowHandle, Canvas* canvas) {
    delete canvas;
}

void invalidate_window(WindowHandle window) {
    if (qt::alive(window)) window->widget->update();
}

void repaint_now(WindowHandle window) {
    if (qt::alive(window) && window->widget->isVisible()) window->widget->repaint();
}

BitmapHandle create_bitmap(Size size) {
    if (size.width <= 0 || size.height <= 0) return nullptr;
    auto* bitmap = new Bitmap{QImage(size.width, size.height, QImage::Format_RGB32)};
    if (bitmap->image.isNull()) {
        delete bitmap;
        return nullptr;
    }
    bitmap->image.fill(Qt::black);
    return bitmap;
}

BitmapHandle create_bitmap_from_image(const RgbImage& image) {
    if (image.empty() || image.pixels.size() < static_cast<std::size_t>(image.width) *
                                                   static_cast<std::size_t>(image.height) * 3)
        return nullptr;
    auto* bitmap = new Bitmap{QImage(image.width, image.height, QImage::Format_RGB32)};
    if (bitmap->image.isNull()) {
        delete bitmap;
        return nullptr;
    }
    const std::uint8_t* source = image.pixels.data();
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(bitmap->image.scanLine(y));
        for (int x = 0; x < image.width; ++x, source += 3)
            row[x] = qRgb(source[0], source[1], source[2]);
    }
    return bitmap;
}

Size bitmap_size(BitmapHandle bitmap) {
    if (bitmap == nullptr) return {};
    return {bitmap->image.width(), bitmap->image.height()};
}

RgbImage bitmap_pixels(BitmapHandle bitmap) {
    return bitmap == nullptr ? RgbImage{} : qt::to_rgb_image(bitmap->image);
}

void destroy_bitmap(BitmapHandle bitmap) {
    delete bitmap;
}

Canvas* begin_bitmap_drawing(BitmapHandle bitmap) {
    if (bitmap == nullptr) return nullptr;
    return new Canvas(&bitmap->image);
}

void end_bitmap_drawing(BitmapHandle, Canvas* canvas) {
    delete canvas;
}

void fill_rect(Canvas* canvas, Rect rect, Rgb colour) {
    if (canvas == nullptr || rect.width() <= 0 || rect.height() <= 0) return;
    canvas->painter.fillRect(qt::to_qrect(rect), qt::to_qcolor(colour));
}

void draw_bitmap(Canvas* canvas, BitmapHandle bitmap, Point at) {
    if (canvas == nullptr || bitmap == nullptr) return;
    // Copied pixel for pixel; the painter's device cuts off what lies beyond its edges.
    canvas->painter.drawImage(QPoint(at.x, at.y), bitmap->image);
}

FontHandle create_font(const FontSpec& wanted) {
    if (wanted.character_height <= 0) return nullptr;
    QFont font = wanted.face.empty() ? QApplication::font() : QFont(qt::from_cp936(wanted.face));
    font.setPixelSize(wanted.character_height);
    // Our weights run 100..900 as Qt's do.
    const int weight = wanted.weight <= 0 ? 400 : std::min(std::max(wanted.weight, 100), 900);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return new Font{font};
}

FontHandle default_ui_font() {
    static Font font{QApplication::font()};
    return &font;
}

void destroy_font(FontHandle font) {
    if (font != nullptr && font != default_ui_font()) delete font;
}

Size measure_text(FontHandle font, std::string_view text) {
    const QFontMetrics metrics(font != nullptr ? font->font : QApplication::font());
    return {metrics.horizontalAdvance(qt::from_cp936(text)), metrics.height()};
}

void draw_text(Canvas* canvas, std::string_view text, FontHandle font, Rgb colour, Rect rect,
               TextAlign align) {
    if (canvas == nullptr || text.empty()) return;
    QPainter& painter = canvas->painter;
    painter.save();
    painter.setFont(font != nullptr ? font->font : QApplication::font());
    painter.setPen(qt::to_qcolor(colour));
    const int flags = Qt::TextSingleLine | Qt::TextDontClip | Qt::AlignVCenter |
                      (align == TextAlign::Right ? Qt::AlignRight : Qt::AlignLeft);
    painter.drawText(qt::to_qrect(rect), flags, qt::from_cp936(text));
    painter.restore();
}

} // namespace platform
