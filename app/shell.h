#pragma once
// Start-up, the event loop and shutdown, as steps that app/main.cpp runs in order. The
// handlers of the main window's created event and of the destroy request (declared in
// ui/main_window_events.h) live here too.
#include "platform/window_system.h"

namespace app {

using ExitRoutine = void (*)();

// The application record: one per process, for the whole run.
struct Application {
    platform::WindowHandle main_window = nullptr; // present from creation to destruction
    ExitRoutine exit_routine = nullptr;           // emptied when it runs: it runs at most once
    bool event_loop_entered = false;              // the end of the last window stops the loop
    bool window_system_started = false;
};
extern Application application;

// Step 1: the window system for this thread and the program's folder as current directory.
// False when there is no window system to talk to.
bool prepare_thread();
// Step 4.
void register_exit_routine(ExitRoutine routine);
// Step 5: creates the main window (its created event focuses the display and adds the tray
// icon), then shows and activates it. False when the window cannot be created.
bool create_and_show_main_window();
// Step 6: runs the loop while a window exists; the quit code, 0 when nothing ran.
int run_event_loop();
// Step 7: the exit routine (once), the window system released; the process's exit code.
int exit_program(int quit_code);
// When start-up fails: a clear message in a box and on stderr; the exit code -1. Neither the
// loop nor the exit routine runs.
int report_start_failure();

} // namespace app
