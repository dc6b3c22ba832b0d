#pragma once
// What the tray needs of the main window, until the window's own header declares it.
#include "platform/rgb_image.h"
#include "platform/window_system.h"

#include <cstdint>
#include <optional>
#include <span>

platform::WindowHandle main_window_handle();
void centre_main_window();
std::optional<platform::RgbImage> read_icon_file(std::span<const std::uint8_t> bytes);
