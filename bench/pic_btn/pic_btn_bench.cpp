// What the picture buttons cost the program: decoding the 63 pictures and creating the 21
// buttons at start, and one look change. Runs on the offscreen Qt platform.
//   build/release/bench/pic_btn/bench_pic_btn
#include "platform/testing.h"
#include "platform/window_system.h"
#include "ui/jpeg_picture.h"
#include "ui/main_window_layout.h"
#include "ui/pic_btn.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using namespace platform;

std::vector<const ui::ControlEntry*> picture_buttons() {
    std::vector<const ui::ControlEntry*> buttons;
    for (const ui::ControlEntry& entry : ui::main_window_layout.controls) {
        if (entry.kind == ui::ControlKind::图形按钮) buttons.push_back(&entry);
    }
    return buttons;
}

WindowHandle create_parent() {
    WindowClass parent_class;
    parent_class.name = "PicBtnBenchParent";
    parent_class.procedure = default_window_procedure;
    register_window_class(parent_class);
    WindowCreation creation;
    creation.class_name = parent_class.name;
    creation.place = {100, 100, 360, 376};
    return create_window(creation);
}

ui::PicBtnSettings settings_of(const ui::ControlEntry& entry) {
    ui::PicBtnSettings settings;
    settings.place = entry.place;
    settings.normal_picture = entry.pictures->normal;
    settings.hover_picture = entry.pictures->hover;
    settings.pressed_picture = entry.pictures->pressed;
    settings.cursor = entry.pointer;
    return settings;
}

// Decoding alone: the libjpeg part of the start-up cost.
void decode_63_pictures(benchmark::State& state) {
    const auto buttons = picture_buttons();
    for (auto _ : state) {
        for (const ui::ControlEntry* entry : buttons) {
            benchmark::DoNotOptimize(ui::decode_picture(entry->pictures->normal));
            benchmark::DoNotOptimize(ui::decode_picture(entry->pictures->hover));
            benchmark::DoNotOptimize(ui::decode_picture(entry->pictures->pressed));
        }
    }
}
BENCHMARK(decode_63_pictures)->Unit(benchmark::kMillisecond);

// What create_main_window spends on its picture buttons: 21 child windows, 63 bitmaps.
void create_21_buttons(benchmark::State& state) {
    const auto buttons = picture_buttons();
    const WindowHandle parent = create_parent();
    for (auto _ : state) {
        std::vector<std::unique_ptr<ui::PicBtn>> created;
        for (const ui::ControlEntry* entry : buttons) {
            created.push_back(ui::PicBtn::create(parent, settings_of(*entry)));
        }
        benchmark::DoNotOptimize(created.data());
        state.PauseTiming();
        created.clear();
        state.ResumeTiming();
    }
    destroy_window(parent);
}
BENCHMARK(create_21_buttons)->Unit(benchmark::kMillisecond);

// One look change: the control repaints itself at once through its off-screen bitmap.
void look_change(benchmark::State& state) {
    const WindowHandle parent = create_parent();
    show_window(parent, ShowCommand::Show);
    auto button = ui::PicBtn::create(parent, settings_of(ui::layout_control("按钮_5")));
    platform::testing::pump_events(); // shown on screen, so every change really paints
    const std::uint32_t paints_before = button->paint_count();
    bool hover = false;
    for (auto _ : state) {
        hover = !hover;
        button->set_look(hover ? ui::PicBtnLook::Hover : ui::PicBtnLook::Normal);
    }
    state.counters["paints_per_change"] =
        benchmark::Counter(static_cast<double>(button->paint_count() - paints_before) /
                           static_cast<double>(state.iterations()));
    button.reset();
    destroy_window(parent);
}
BENCHMARK(look_change)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (!start_window_system()) return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    stop_window_system();
    return 0;
}
