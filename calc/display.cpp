#include "calc/display.h"

namespace calc {
namespace {

// The one display of the program, like the window's single edit control it stands for.
DisplayPort* installed_display = nullptr;

} // namespace

void use_display(DisplayPort* display) noexcept {
    installed_display = display;
}

std::string read_display_text() {
    return installed_display != nullptr ? installed_display->read_text() : std::string();
}

void set_display_text(std::string_view text) {
    if (installed_display != nullptr) installed_display->set_text(text);
}

void append_display_text(std::string_view text) {
    if (installed_display != nullptr) installed_display->append_text(text);
}

} // namespace calc
