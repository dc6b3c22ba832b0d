// The host as a whole: starting Qt without the program's arguments, the platform choice,
// the program folder, the error box, the screen and session end.
#include "platform/qt/display_probe.h"
#include "platform/qt/host.h"
#include "platform/qt/text_conversion.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSessionManager>

#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>

namespace platform {
namespace qt {

HostState& host() {
    static HostState state;
    return state;
}

namespace {

QApplication* application = nullptr;

// Environment variables changed while Qt starts and put back right after, so that programs
// started later (the desktop's opener, a browser) see the user's own environment.
class StartupEnvironment {
  public:
    StartupEnvironment() {
        const bool platform_chosen = is_set("QT_QPA_PLATFORM");
        // Placing a window at a point works under X11; a Wayland compositor places windows
        // itself. So where XWayland is there, use it, unless the user chose a platform.
        if (!platform_chosen && is_set("WAYLAND_DISPLAY") && is_set("DISPLAY"))
            change("QT_QPA_PLATFORM", "xcb");
        // On GNOME-like desktops Qt would load its GTK 3 theme plugin, which brings GTK itself:
        // some 25 MB and 40 ms more at start, for a window that draws its own skin. Unless the
        // user named a theme, Qt sees no desktop name while it starts and takes its own generic
        // theme, which still reaches the D-Bus notification area.
        if (!is_set("QT_QPA_PLATFORMTHEME")) {
            change("XDG_CURRENT_DESKTOP", nullptr);
            change("DESKTOP_SESSION", nullptr);
        }
        // The only control that takes typing accepts digits, "-" and "." from the keyboard;
        // an input method adds nothing there (in Chinese mode it would even turn "." into a
        // full stop the display drops), yet its plugin costs start-up time and a D-Bus link.
        change("QT_IM_MODULE", "none");
        // Nothing here uses GLib's main loop; Qt's own event dispatcher is lighter.
        if (!is_set("QT_NO_GLIB")) change("QT_NO_GLIB", "1");
    }
    ~StartupEnvironment() {
        for (const Saved& saved : saved_) {
            if (saved.present)
                setenv(saved.name, saved.value.c_str(), 1);
            else
                unsetenv(saved.name);
        }
    }
    StartupEnvironment(const StartupEnvironment&) = delete;
    StartupEnvironment& operator=(const StartupEnvironment&) = delete;

    // With no session bus (no address, no socket where the bus library looks by default) and
    // no dbus-launch to start one, the bus library would still try to run dbus-launch from
    // every folder of PATH each time Qt looks for the D-Bus notification area or accessibility.
    // Tell it at once that there is no bus. Kept for the whole run, as those lookups come
    // later; programs started from here would have found no bus either.
    static void skip_futile_bus_autolaunch() {
        if (is_set("DBUS_SESSION_BUS_ADDRESS")) return;
        if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr) {
            std::error_code error;
            if (std::filesystem::exists(std::filesystem::path(runtime) / "bus", error)) return;
        }
        const char* path = std::getenv("PATH");
        std::string_view folders = path != nullptr ? path : "";
        while (!folders.empty()) {
            const std::size_t end = std::min(folders.find(':'), folders.size());
            const std::string candidate = std::string(folders.substr(0, end)) + "/dbus-launch";
            if (!folders.substr(0, end).empty() && access(candidate.c_str(), X_OK) == 0) return;
            folders.remove_prefix(std::min(end + 1, folders.size()));
        }
        setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    }

    // Where no display server can be reached, Qt would end the process at once. Called while
    // the start-up environment is in force, so the platform Qt will take is known.
    static bool display_reachable() {
        const char* chosen = std::getenv("QT_QPA_PLATFORM");
        const std::string_view platform = chosen != nullptr ? chosen : "";
        if (platform.empty()) {
            if (!is_set("DISPLAY")) return is_set("WAYLAND_DISPLAY");
            return is_set("WAYLAND_DISPLAY") || x11_display_answers();
        }
        return !platform.starts_with("xcb") || x11_display_answers();
    }

  private:
    struct Saved {
        const char* name;
        std::string value;
        bool present;
    };
    static bool is_set(const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    }
    void change(const char* name, const char* value) {
        const char* old = std::getenv(name);
        saved_.push_back({name, old != nullptr ? old : "", old != nullptr});
        if (value != nullptr)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    std::vector<Saved> saved_;
};

// Qt reads the font configuration (some 6 ms of parsing configuration files and loading
// caches) when the program first uses a font, on the way to the first frame. Loading it on the
// second core while Qt starts makes that first use cheap; Qt takes the same configuration, as
// it asks fontconfig for its current one. Returns a thread to be joined before the
// environment changes again (the loader reads the environment); none if it cannot start.
std::jthread start_font_configuration_loading() {
    try {
        return std::jthread([] { FcInit(); });
    } catch (const std::system_error&) {
        return {}; // Qt loads the configuration itself on first use
    }
}

void agree_to_end_session(QSessionManager& manager) {
    std::vector<Window*> top_levels;
    for (Window* window : host().windows)
        if (window->parent == nullptr) top_levels.push_back(window);
    for (Window* window : top_levels)
        if (send(window, message::query_end_session, 0, 0) == 0) manager.cancel();
}

} // namespace
} // namespace qt

bool start_window_system() {
    if (qt::application != nullptr) return true;
    qt::StartupEnvironment::skip_futile_bus_autolaunch();
    // Qt reads options such as -platform or -style from argv; the program's own arguments never
    // reach it, so a fixed one-word list is given instead.
    static int argc = 1;
    static char name[] = "calculator";
    static char* argv[] = {name, nullptr};
    {
        const qt::StartupEnvironment environment;
        if (!environment.display_reachable()) return false;
        std::jthread font_configuration = qt::start_font_configuration_loading();
        qt::application = new QApplication(argc, argv);
        if (font_configuration.joinable()) font_configuration.join();
    }
    if (QGuiApplication::primaryScreen() == nullptr) {
        delete qt::application;
        qt::application = nullptr;
        return false;
    }
    // The program ends by its own quit message once its last window is destroyed.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(qt::application, &QGuiApplication::commitDataRequest,
                     &qt::agree_to_end_session);
    qt::register_edit_class();
    return true;
}

void stop_window_system() {
    if (qt::application == nullptr) return;
    qt::host().trays.clear();
    // Windows destroyed at the end of the loop are still waiting for their deletion.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete qt::application;
    qt::application = nullptr;
}

void enter_program_folder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return;
    std::filesystem::current_path(program.parent_path(), error);
}

void show_error_message(std::string_view title, std::string_view text) {
    if (qt::host().record_error_messages) {
        qt::host().error_messages.emplace_back(std::string(title), std::string(text));
        return;
    }
    if (qt::application == nullptr) {
        // No window system to show it on: the terminal is the only place left.
        std::fprintf(stderr, "%s: %s\n", qt::from_cp936(title).toLocal8Bit().constData(),
                     qt::from_cp936(text).toLocal8Bit().constData());
        return;
    }
    QMessageBox::critical(nullptr, qt::from_cp936(title), qt::from_cp936(text));
}

Size primary_screen_size() {
    if (qt::host().screen_size) return *qt::host().screen_size;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {};
    const QRect geometry = screen->geometry();
    return {geometry.width(), geometry.height()};
}

std::int32_t edge_height() {
    return 2;
}

} // namespace platform
