// The link to the maker's website, opened by the title label and the tray menu.
#include "platform/window_system.h"
#include "ui/main_window_events.h"

#include <string_view>

namespace {
constexpr std::string_view website_address = "http://www.tamsel.com/";
}

void open_website() {
    // Whether a browser opens is the desktop's business; there is nothing to fall back to.
    static_cast<void>(platform::open_web_address(website_address));
}

void title_label_pressed(std::int32_t /*x*/, std::int32_t /*y*/, std::int32_t /*modifiers*/) {
    open_website();
}
