// Icons made from decoded pictures.
#include "platform/qt/host.h"

#include <QPixmap>

namespace platform {

IconHandle create_icon(const RgbImage& image) {
    BitmapHandle bitmap = create_bitmap_from_image(image);
    if (bitmap == nullptr) return nullptr;
    auto* icon = new Icon{QIcon(QPixmap::fromImage(bitmap->image))};
    destroy_bitmap(bitmap);
    return icon;
}

void destroy_icon(IconHandle icon) {
    delete icon;
}

} // namespace platform
