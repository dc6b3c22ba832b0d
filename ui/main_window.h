#pragma once
// The main window: created once from the layout table, hidden and centred, with all its
// controls; its procedure paints the background, moves the window when the bare background is
// dragged, closes on Esc and carries out the deferred destroy request.
#include "platform/window_system.h"

// The main window's private message for the deferred destroy request (both parameters 0).
inline constexpr platform::MessageId destroy_request_message = platform::message::app + 101;

// Builds the main window and its controls, raises its created event and returns it, still
// hidden. Null on failure: then whatever was made is gone again and no event was raised.
platform::WindowHandle create_main_window();

// The main window, or null before its creation and after its destruction.
platform::WindowHandle main_window_handle();

// Marks a destroy request; the destroy-request message then destroys the window.
void set_main_window_destroy_pending();

// The display takes the keyboard focus.
void focus_display();
// An empty selection at the end of the display's content, scrolled into view.
void move_caret_to_end();
// A visible window is restored if minimised or maximised, then moved to the centre of the
// primary screen if it is elsewhere, without activating it. A hidden window stays as it is.
void centre_main_window();

// The top-left corner that centres a window of this size on a screen of that size, each
// quotient rounded toward zero.
platform::Point centred_place(platform::Size screen, platform::Size window);
