// The conversions against the C library on the same inputs (display-like texts and values,
// and random doubles), and key actions per second.
//   build/release/bench/calc/calc_bench
#include <benchmark/benchmark.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "calc/calculator.h"
#include "calc/conversions.h"
#include "calc/display.h"
#include "calc/memory_display.h"

namespace {

// Display-like texts: what keys, results and typing put into the display.
std::vector<std::string> display_texts() {
    std::vector<std::string> texts = {
        "123.456", "0.3333333333333", "9.999998e+013", "7",      "42",
        "0.5",     "1234567890123",   "-2.5e-010",     "1e+100", "3.14159265359"};
    std::mt19937_64 random(1);
    for (int i = 0; i < 990; ++i) {
        double value = static_cast<double>(random() % 10000000000000u) /
                       std::pow(10.0, static_cast<double>(random() % 14));
        texts.push_back(calc::number_to_text(value).str());
    }
    return texts;
}

// Random finite doubles over the whole range, uniform in their bit patterns.
std::vector<double> random_doubles() {
    std::vector<double> values;
    std::mt19937_64 random(2);
    while (values.size() < 1000) {
        double value = std::bit_cast<double>(random());
        if (std::isfinite(value)) values.push_back(value);
    }
    return values;
}

std::vector<double> display_values() {
    std::vector<double> values;
    for (const std::string& text : display_texts())
        values.push_back(calc::text_to_number(text));
    return values;
}

std::vector<std::string> texts_of(const std::vector<double>& values) {
    std::vector<std::string> texts;
    for (double value : values)
        texts.push_back(calc::number_to_text(value).str());
    return texts;
}

void run_text_to_number(benchmark::State& state, const std::vector<std::string>& texts) {
    std::size_t at = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::text_to_number(texts[at]));
        at = at + 1 == texts.size() ? 0 : at + 1;
    }
}

void run_strtod(benchmark::State& state, const std::vector<std::string>& texts) {
    std::size_t at = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::strtod(texts[at].c_str(), nullptr));
        at = at + 1 == texts.size() ? 0 : at + 1;
    }
}

void run_number_to_text(benchmark::State& state, const std::vector<double>& values) {
    std::size_t at = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(calc::number_to_text(values[at]));
        at = at + 1 == values.size() ? 0 : at + 1;
    }
}

void run_snprintf(benchmark::State& state, const std::vector<double>& values) {
    std::size_t at = 0;
    char buffer[32];
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.13g", values[at]));
        benchmark::ClobberMemory();
        at = at + 1 == values.size() ? 0 : at + 1;
    }
}

void BM_text_to_number_display(benchmark::State& state) {
    static const std::vector<std::string> texts = display_texts();
    run_text_to_number(state, texts);
}
void BM_strtod_display(benchmark::State& state) {
    static const std::vector<std::string> texts = display_texts();
    run_strtod(state, texts);
}
void BM_text_to_number_random(benchmark::State& state) {
    static const std::vector<std::string> texts = texts_of(random_doubles());
    run_text_to_number(state, texts);
}
void BM_strtod_random(benchmark::State& state) {
    static const std::vector<std::string> texts = texts_of(random_doubles());
    run_strtod(state, texts);
}
void BM_number_to_text_display(benchmark::State& state) {
    static const std::vector<double> values = display_values();
    run_number_to_text(state, values);
}
void BM_snprintf_display(benchmark::State& state) {
    static const std::vector<double> values = display_values();
    run_snprintf(state, values);
}
void BM_number_to_text_random(benchmark::State& state) {
    static const std::vector<double> values = random_doubles();
    run_number_to_text(state, values);
}
void BM_snprintf_random(benchmark::State& state) {
    static const std::vector<double> values = random_doubles();
    run_snprintf(state, values);
}

// One round of "1 2 3 . 4 5 x 6 7 = = C": twelve key actions per iteration.
void BM_key_actions(benchmark::State& state) {
    calc::MemoryDisplay display;
    calc::reset_calculator_state();
    calc::use_display(&display);
    for (auto _ : state) {
        calc::press_digit("1");
        calc::press_digit("2");
        calc::press_digit("3");
        calc::press_point();
        calc::press_digit("4");
        calc::press_digit("5");
        calc::press_operator(calc::symbol_multiply);
        calc::press_digit("6");
        calc::press_digit("7");
        calc::press_equals();
        calc::press_equals();
        calc::press_clear_all();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 12);
    calc::use_display(nullptr);
}

} // namespace

BENCHMARK(BM_text_to_number_display);
BENCHMARK(BM_strtod_display);
BENCHMARK(BM_text_to_number_random);
BENCHMARK(BM_strtod_random);
BENCHMARK(BM_number_to_text_display);
BENCHMARK(BM_snprintf_display);
BENCHMARK(BM_number_to_text_random);
BENCHMARK(BM_snprintf_random);
BENCHMARK(BM_key_actions);

BENCHMARK_MAIN();
