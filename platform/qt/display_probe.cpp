#include "platform/qt/display_probe.h"

#include <dlfcn.h>

namespace platform::qt {

bool x11_display_answers() {
    // The X protocol library is already a dependency of Qt's X11 plugin; it is opened by name
    // so the host needs no development files for it. Only three entry points are used.
    void* library = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (library == nullptr) return true; // cannot tell: let Qt try
    using Connect = void* (*)(const char* display_name, int* screen);
    using HasError = int (*)(void* connection);
    using Disconnect = void (*)(void* connection);
    const auto connect = reinterpret_cast<Connect>(dlsym(library, "xcb_connect"));
    const auto has_error = reinterpret_cast<HasError>(dlsym(library, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(dlsym(library, "xcb_disconnect"));
    bool answers = true;
    if (connect != nullptr && has_error != nullptr && disconnect != nullptr) {
        void* connection = connect(nullptr, nullptr);
        answers = connection != nullptr && has_error(connection) == 0;
        if (connection != nullptr) disconnect(connection);
    }
    dlclose(library);
    return answers;
}

} // namespace platform::qt
