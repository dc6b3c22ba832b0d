#pragma once
// Whether the X server named by DISPLAY answers. Qt ends the process when its platform plugin
// cannot connect; asking first lets the program report the failure and exit with its own code.
namespace platform::qt {

bool x11_display_answers();

} // namespace platform::qt
