// The host as a whole: starting Qt without the program's arguments, the platform choice,
// the program folder, the error box, the screen and session end.
#include "platform/qt/host.h"
#include "platform/qt/text_conversion.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSessionManager>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace platform {
namespace qt {

HostState& host() {
    static HostState state;
    return state;
}

namespace {

QApplication* application = nullptr;

// Placing a window at a point works under X11; a Wayland compositor places windows itself.
// So where XWayland is there, use it, unless the user chose a platform explicitly.
void choose_platform() {
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    if (chosen != nullptr && *chosen != '\0') return;
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const char* x11 = std::getenv("DISPLAY");
    if (wayland != nullptr && *wayland != '\0' && x11 != nullptr && *x11 != '\0')
        setenv("QT_QPA_PLATFORM", "xcb", 1);
}

// On GNOME-like desktops Qt would load its GTK 3 theme plugin, which brings GTK itself: some
// 25 MB and 40 ms more at start, for a window that draws its own skin. Unless the user named a
// theme, Qt is shown no desktop name while it starts, so it takes its own generic theme (which
// still reaches the D-Bus notification area). The names are back before anything else runs, so
// the desktop's opener sees them.
class HiddenDesktopTheme {
  public:
    HiddenDesktopTheme() {
        const char* theme = std::getenv("QT_QPA_PLATFORMTHEME");
        if (theme != nullptr && *theme != '\0') return;
        for (Saved& saved : saved_) {
            if (const char* value = std::getenv(saved.name)) {
                saved.value = value;
                saved.present = true;
                unsetenv(saved.name);
            }
        }
    }
    ~HiddenDesktopTheme() {
        for (const Saved& saved : saved_)
            if (saved.present) setenv(saved.name, saved.value.c_str(), 1);
    }
    HiddenDesktopTheme(const HiddenDesktopTheme&) = delete;
    HiddenDesktopTheme& operator=(const HiddenDesktopTheme&) = delete;

  private:
    struct Saved {
        const char* name;
        std::string value;
        bool present = false;
    };
    Saved saved_[2] = {{"XDG_CURRENT_DESKTOP", {}, false}, {"DESKTOP_SESSION", {}, false}};
};

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
    qt::choose_platform();
    // Qt reads options such as -platform or -style from argv; the program's own arguments never
    // reach it, so a fixed one-word list is given instead.
    static int argc = 1;
    static char name[] = "calculator";
    static char* argv[] = {name, nullptr};
    {
        const qt::HiddenDesktopTheme theme;
        qt::application = new QApplication(argc, argv);
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
    if (qt::application == nullptr) return;
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
