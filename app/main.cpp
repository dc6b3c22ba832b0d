// The calculator program. CMake builds it as app/calculator from this file and the library
// calculator_program (ui/, tray/, app/), which runs on calc_core (the calculator itself) and
// the window-system host platform_qt. Read this start-up sequence first, then app/shell.h,
// ui/main_window_layout.h (the window as a table) and ui/main_window.cpp.
#include "app/shell.h"
#include "calc/calculator.h"
#include "calc/floating_point_reset.h"

int main() { // the command line is ignored
    if (!app::prepare_thread()) return app::report_start_failure();
    calc::reset_floating_point();
    app::register_exit_routine(calc::release_pending_operator);
    if (!app::create_and_show_main_window()) return app::report_start_failure();
    const int quit_code = app::run_event_loop();
    return app::exit_program(quit_code);
}
