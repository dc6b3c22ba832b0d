// Hiding the main window to the tray and bringing it back.
#include "tray/tray.h"
#include "tray/tray_internal.h"
#include "ui/main_window.h"
#include "ui/main_window_events.h"

bool main_window_visible() {
    // The window's own visible state: a minimised or covered window still counts.
    return platform::is_window_visible(main_window_handle());
}

void show_main_window() {
    // Activation gives the focus back to the control that last had it (the display).
    platform::show_window(main_window_handle(), platform::ShowCommand::Show);
}

void hide_main_window() {
    // A hidden window comes back only through the tray icon. Where the icon is not in a
    // notification area (none exists, or the icon could not be made), the window goes to the
    // taskbar instead, so it is never stranded.
    const auto command =
        tray_icon_reachable() ? platform::ShowCommand::Hide : platform::ShowCommand::Minimise;
    platform::show_window(main_window_handle(), command);
}

void show_main_window_centred() {
    show_main_window();
    centre_main_window();
}
