// The picture button. The press-and-capture state machine lives here; painting only maps the
// look and the enable state to one of the decoded pictures.
#include "ui/pic_btn.h"

#include "ui/jpeg_picture.h"
#include "ui/pic_btn_shape.h"

#include <array>
#include <cstddef>

namespace ui {
namespace {

using namespace platform;

constexpr std::string_view pic_btn_class_name = "PicBtn";

// The pictures in the order of PicBtnSettings; a null handle is an empty picture.
enum PictureSlot : std::size_t { normal_slot, hover_slot, pressed_slot, disabled_slot, slot_count };

BitmapHandle decode_to_bitmap(std::span<const std::uint8_t> bytes) {
    if (bytes.empty()) return nullptr;
    std::optional<RgbImage> image = decode_picture(bytes);
    if (!image || image->empty()) return nullptr;
    return create_bitmap_from_image(*image);
}

// The colour that a bitmap of this screen stores for `colour`: on a screen with fewer colours
// than RGB a transparent colour must be compared in the form the picture pixels have.
Rgb nearest_bitmap_colour(Rgb colour) {
    BitmapHandle probe = create_bitmap({1, 1});
    if (probe == nullptr) return colour;
    if (Canvas* canvas = begin_bitmap_drawing(probe)) {
        fill_rect(canvas, {0, 0, 1, 1}, colour);
        end_bitmap_drawing(probe, canvas);
    }
    const RgbImage pixel = bitmap_pixels(probe);
    destroy_bitmap(probe);
    if (pixel.pixels.size() < 3) return colour;
    return {pixel.pixels[0], pixel.pixels[1], pixel.pixels[2]};
}

} // namespace

struct PicBtn::State {
    PicBtn* self = nullptr;
    WindowHandle window = nullptr;
    std::array<BitmapHandle, slot_count> pictures{};
    bool two_state = false;
    bool toggled = false;
    std::optional<Rgb> transparent_colour;
    PicBtnLook look = PicBtnLook::Normal;
    std::uint32_t paints = 0;
    bool has_shape = false; // a shape other than the plain rectangle is set

    ~State() {
        for (BitmapHandle picture : pictures) {
            if (picture != nullptr) destroy_bitmap(picture);
        }
    }

    bool enabled() const { return is_window_enabled(window); }
    bool holds_capture() const { return capture_window() == window; }
    bool inside(Point client) const {
        const Size size = client_size(window);
        return Rect{0, 0, size.width, size.height}.contains(client);
    }

    BitmapHandle shown_picture() const {
        if (!enabled() && pictures[disabled_slot] != nullptr) return pictures[disabled_slot];
        if (look == PicBtnLook::Hover && pictures[hover_slot] != nullptr)
            return pictures[hover_slot];
        if (look == PicBtnLook::Pressed && pictures[pressed_slot] != nullptr)
            return pictures[pressed_slot];
        return pictures[normal_slot];
    }

    void set_look(PicBtnLook new_look) {
        if (new_look == look) return;
        look = new_look;
        update_shape();
        repaint_now(window); // the whole control, before returning
    }

    void update_shape() {
        const BitmapHandle picture = shown_picture();
        if (!transparent_colour || picture == nullptr) {
            // A plain rectangle stays one: dropping a shape that is not there would only make
            // the host repaint the control once more.
            if (has_shape) clear_window_shape(window);
            has_shape = false;
            return;
        }
        const std::vector<Rect> runs =
            opaque_runs(bitmap_pixels(picture), nearest_bitmap_colour(*transparent_colour));
        set_window_shape_rects(window, runs.data(), runs.size());
        has_shape = true;
    }

    void paint() {
        Canvas* screen = begin_paint(window);
        if (screen == nullptr) return;
        ++paints;
        const Size size = client_size(window);
        // Everything is drawn off screen and copied in one transfer, so a look change never
        // shows a half-drawn control.
        BitmapHandle off_screen = create_bitmap(size);
        if (off_screen != nullptr) {
            if (Canvas* canvas = begin_bitmap_drawing(off_screen)) {
                fill_rect(canvas, {0, 0, size.width, size.height}, Rgb{0, 0, 0});
                if (BitmapHandle picture = shown_picture()) draw_bitmap(canvas, picture, {0, 0});
                end_bitmap_drawing(off_screen, canvas);
            }
            draw_bitmap(screen, off_screen, {0, 0});
            destroy_bitmap(off_screen);
        }
        end_paint(window, screen);
    }

    void release_own_capture() const {
        if (holds_capture()) release_capture();
    }

    void pointer_moved(WParam buttons, Point client) {
        if (two_state || !enabled()) {
            release_own_capture();
            return;
        }
        // The topmost window under the pointer decides, so a control covering this one, or a
        // window of another program, takes the pointer away even while this one holds the
        // capture.
        const WindowHandle topmost = window_from_point(client_to_screen(window, client));
        const bool over = topmost == window || (topmost == nullptr && inside(client));
        const bool left_held = (buttons & mouse_state::left_button) != 0;
        if (over) {
            if (!holds_capture()) set_capture(window);
            set_look(left_held ? PicBtnLook::Pressed : PicBtnLook::Hover);
        } else {
            // While the left button is held the capture stays, so that the release is seen
            // here and no other control can end the press in a click.
            if (!left_held) release_own_capture();
            set_look(PicBtnLook::Normal);
        }
    }

    void left_pressed(Point client) {
        if (!inside(client) || !enabled() || two_state) return;
        set_look(PicBtnLook::Pressed);
        if (!holds_capture()) set_capture(window);
    }

    void left_released(Point client) {
        release_own_capture();
        if (!inside(client) || !enabled()) return;
        if (two_state) {
            toggled = !toggled;
            set_look(toggled ? PicBtnLook::Pressed : PicBtnLook::Normal);
        } else {
            set_look(PicBtnLook::Normal);
        }
        // Last: the handler may hide the window or request its destruction.
        if (self->Click != nullptr) self->Click();
    }

    static LResult procedure(WindowHandle window, MessageId message, WParam wparam, LParam lparam) {
        auto* state = static_cast<State*>(window_data(window));
        if (state == nullptr) return default_window_procedure(window, message, wparam, lparam);
        switch (message) {
        case message::paint:
            state->paint();
            return 0;
        case message::mouse_move:
            state->pointer_moved(wparam, unpack_point(lparam));
            return 0;
        case message::left_button_down:
            state->left_pressed(unpack_point(lparam));
            return 0;
        case message::left_button_up:
            state->left_released(unpack_point(lparam));
            return 0;
        case message::enable:
            state->update_shape();
            repaint_now(window);
            return 0;
        // The second press of a double click changes nothing; its release still clicks.
        case message::left_button_double_click:
        // Other buttons, the wheel and the keyboard do nothing to a picture button.
        case message::right_button_down:
        case message::right_button_up:
        case message::right_button_double_click:
        case message::middle_button_down:
        case message::middle_button_up:
        case message::middle_button_double_click:
        case message::mouse_wheel:
        case message::key_down:
        case message::char_typed:
        case message::context_menu:
            return 0;
        // The pictures stay until the control itself goes; the window handle does not.
        case message::destroy:
        case message::nc_destroy:
            state->window = nullptr;
            set_window_data(window, nullptr);
            return default_window_procedure(window, message, wparam, lparam);
        default:
            return default_window_procedure(window, message, wparam, lparam);
        }
    }
};

std::unique_ptr<PicBtn> PicBtn::create(WindowHandle parent, const PicBtnSettings& settings) {
    const WindowClass window_class{
        .name = pic_btn_class_name,
        .procedure = &State::procedure,
        .cursor = CursorShape::Arrow,
        .double_clicks = true,
        .background = std::nullopt,
    };
    if (!register_window_class(window_class)) return nullptr;

    std::unique_ptr<PicBtn> button(new PicBtn());
    button->state_ = std::make_unique<State>();
    State& state = *button->state_;
    state.self = button.get();
    // Decoded once, here; painting only copies them.
    state.pictures[normal_slot] = decode_to_bitmap(settings.normal_picture);
    state.pictures[hover_slot] = decode_to_bitmap(settings.hover_picture);
    state.pictures[pressed_slot] = decode_to_bitmap(settings.pressed_picture);
    state.pictures[disabled_slot] = decode_to_bitmap(settings.disabled_picture);
    state.two_state = settings.two_state == 1;
    state.toggled = state.two_state && settings.toggled == 1;
    state.look = state.toggled ? PicBtnLook::Pressed : PicBtnLook::Normal;
    state.transparent_colour = settings.transparent_colour;

    std::uint32_t window_style = style::child | style::clip_siblings;
    if (settings.visible) window_style |= style::visible;
    if (settings.tab_stop) window_style |= style::tab_stop;
    state.window = create_window({
        .class_name = pic_btn_class_name,
        .title = {},
        .style = window_style,
        .place = settings.place,
        .parent = parent,
        .data = &state,
    });
    if (state.window == nullptr) return nullptr;
    if (settings.cursor) set_window_cursor(state.window, *settings.cursor);
    if (!settings.enabled) enable_window(state.window, false);
    state.update_shape();
    invalidate_window(state.window);
    return button;
}

PicBtn::~PicBtn() {
    if (state_ && state_->window != nullptr && is_window(state_->window)) {
        const WindowHandle window = state_->window;
        set_window_data(window, nullptr);
        state_->window = nullptr;
        destroy_window(window);
    }
}

WindowHandle PicBtn::window() const {
    return state_->window;
}
PicBtnLook PicBtn::look() const {
    return state_->look;
}
void PicBtn::set_look(PicBtnLook look) {
    if (state_->window != nullptr) state_->set_look(look);
}
bool PicBtn::toggled() const {
    return state_->toggled;
}

std::uint32_t PicBtn::paint_count() const {
    return state_->paints;
}

} // namespace ui
