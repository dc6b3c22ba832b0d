// The start-up cost of the pictures: decoding all 63 button pictures once, as creating the
// window's 21 picture buttons does.
#include "ui/jpeg_picture.h"
#include "ui/picture_data.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

const std::array<const ui::PicBtnPictureData*, 21> all_buttons = {
    &ui::pictures_最小化,      &ui::pictures_关闭,      &ui::pictures_按钮_0,
    &ui::pictures_按钮_1,      &ui::pictures_按钮_2,    &ui::pictures_按钮_3,
    &ui::pictures_按钮_4,      &ui::pictures_按钮_5,    &ui::pictures_按钮_6,
    &ui::pictures_按钮_7,      &ui::pictures_按钮_8,    &ui::pictures_按钮_9,
    &ui::pictures_按钮_小数点, &ui::pictures_按钮_加法, &ui::pictures_按钮_减法,
    &ui::pictures_按钮_乘法,   &ui::pictures_按钮_除法, &ui::pictures_按钮_等于,
    &ui::pictures_按钮_退格,   &ui::pictures_按钮_C,    &ui::pictures_按钮_CE,
};

void decode_all_63_pictures(benchmark::State& state) {
    for (auto _ : state) {
        for (const ui::PicBtnPictureData* pictures : all_buttons) {
            for (auto bytes : {pictures->normal, pictures->hover, pictures->pressed}) {
                auto picture = ui::decode_picture(bytes);
                benchmark::DoNotOptimize(picture);
            }
        }
    }
}
BENCHMARK(decode_all_63_pictures)->Unit(benchmark::kMicrosecond);

void decode_one_key_picture(benchmark::State& state) {
    for (auto _ : state) {
        auto picture = ui::decode_picture(ui::pictures_按钮_5.hover);
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(decode_one_key_picture)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
