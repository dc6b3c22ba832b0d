// The key actions, driven key by key against an in-memory display.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculator.h"
#include "calc/display.h"
#include "calc/memory_display.h"

namespace {

using calc::MemoryDisplay;

// A fresh calculator on an empty display, as at start-up.
class KeyActions : public ::testing::Test {
  protected:
    void SetUp() override { start_fresh(); }
    void start_fresh() {
        calc::reset_calculator_state();
        display = MemoryDisplay();
        calc::use_display(&display);
    }
    void TearDown() override { calc::use_display(nullptr); }

    // Presses the keys, written by their labels separated by spaces ("x" and "/" for the
    // multiply and divide keys), and returns the display text after each key.
    std::vector<std::string> press(std::string_view keys) {
        std::vector<std::string> shown;
        while (!keys.empty()) {
            std::size_t space = keys.find(' ');
            std::string_view key = keys.substr(0, space);
            press_one(key);
            shown.push_back(display.text());
            keys.remove_prefix(space == std::string_view::npos ? keys.size() : space + 1);
        }
        return shown;
    }

    static void press_one(std::string_view key) {
        if (key == ".") {
            calc::press_point();
        } else if (key == "+") {
            calc::press_operator(calc::symbol_add);
        } else if (key == "-") {
            calc::press_operator(calc::symbol_subtract);
        } else if (key == "x") {
            calc::press_operator(calc::symbol_multiply);
        } else if (key == "/") {
            calc::press_operator(calc::symbol_divide);
        } else if (key == "=") {
            calc::press_equals();
        } else if (key == "CE") {
            calc::press_clear_entry();
        } else if (key == "C") {
            calc::press_clear_all();
        } else if (key == "BS") {
            calc::press_backspace();
        } else {
            ASSERT_TRUE(key.size() == 1 && key[0] >= '0' && key[0] <= '9') << key;
            calc::press_digit(key);
        }
    }

    MemoryDisplay display;
};

struct KeySequence {
    const char* keys;
    std::vector<std::string> shown;
};

const KeySequence documented_sequences[] = {
    {"2 + 3 = = =", {"2", "2", "3", "5", "7", "9"}},
    {"1 0 - 3 = = =", {"1", "10", "10", "3", "7", "3", "7"}},
    {"2 x 3 = = =", {"2", "2", "3", "6", "12", "24"}},
    {"1 0 0 / 5 = = =", {"1", "10", "100", "100", "5", "20", "5", "20"}},
    {"2 + 3 - 1 =", {"2", "2", "3", "3", "1", "2"}},
    {"5 + - 3 =", {"5", "5", "5", "3", "2"}},
    {"7 = 8", {"7", "7", "78"}},
    {". 5 . .", {"0.", "0.5", "0.5.", "0.5.."}},
    {"BS 1 2 3 BS", {"", "1", "12", "123", "12"}},
    {"2 + 3 = 4 =", {"2", "2", "3", "5", "4", "6"}},
    {"5 + C 3 =", {"5", "5", "", "3", "3"}},
    {"5 + 3 CE 4 =", {"5", "5", "3", "", "4", "9"}},
    {"1 2 + BS 5 =", {"1", "12", "12", "1", "5", "17"}},
    {"5 + . 5 =", {"5", "5", "0.", "0.5", "5.5"}},
    {"5 / 0 = =", {"5", "5", "0", "1.#INF", "5"}},
    {"0 / 0 =", {"0", "0", "0", "-1.#IND"}},
    {"= + =", {"", "", "0"}},
    {"1 / 3 = x 3 =",
     {"1", "1", "3", "0.3333333333333", "0.3333333333333", "3", "0.9999999999999"}},
    {"9 9 9 9 9 9 9 x 9 9 9 9 9 9 9 =",
     {"9", "99", "999", "9999", "99999", "999999", "9999999", "9999999", "9", "99", "999", "9999",
      "99999", "999999", "9999999", "9.999998e+013"}},
    // Further edges.
    {"0 0 5 + 1 =", {"0", "00", "005", "005", "1", "6"}},
    {"1 2 = .", {"1", "12", "12", "12."}},              // no operator: flag stays 0
    {"1 + 2 = . 5", {"1", "1", "2", "3", "0.", "0.5"}}, // after equals: "0."
    {"1 + 2 = 7", {"1", "1", "2", "3", "7"}},           // after equals: the digit
    {"C C CE BS", {"", "", "", ""}},
    {"9 - 9 =", {"9", "9", "9", "0"}},
    {"1 / 3 = x 3 = CE BS",
     {"1", "1", "3", "0.3333333333333", "0.3333333333333", "3", "0.9999999999999", "", ""}},
};

TEST_F(KeyActions, DocumentedSequencesShowEachStep) {
    for (const KeySequence& sequence : documented_sequences) {
        start_fresh();
        EXPECT_EQ(press(sequence.keys), sequence.shown) << "keys: " << sequence.keys;
    }
}

TEST_F(KeyActions, DivisionByNegativeZeroTypedIntoTheDisplay) {
    press("5 /");
    display.set_text("-0"); // typed by the user, not by a key
    press("=");
    EXPECT_EQ(display.text(), "-1.#INF");
}

TEST_F(KeyActions, InfinityTypedAsTextGivesTheInvalidOperations) {
    struct Case {
        const char* first;
        const char* op_key;
        const char* second;
        const char* shown;
    };
    const Case cases[] = {
        {"1e400", "-", "1e400", "-1.#IND"},  // inf - inf
        {"1e400", "x", "0", "-1.#IND"},      // inf x 0
        {"1e400", "/", "-1e400", "-1.#IND"}, // inf / -inf
        {"1e400", "+", "1e400", "1.#INF"},   {"-1e400", "x", "2", "-1.#INF"},
        {"1e300", "x", "1e300", "1.#INF"}, // overflow
        {"1e-300", "x", "-1e-300", "0"},   // underflow to -0 shows "0"
        {"0", "/", "0", "-1.#IND"},
    };
    for (const Case& c : cases) {
        start_fresh();
        display.set_text(c.first);
        press(c.op_key);
        display.set_text(c.second);
        press("=");
        EXPECT_EQ(display.text(), c.shown) << c.first << " " << c.op_key << " " << c.second;
    }
}

TEST_F(KeyActions, ShorteningOfExactIntegersShowsInSubtraction) {
    display.set_text("9007199254740995");
    press("- 9 0 0 7 1 9 9 2 5 4 7 4 0 9 9 4 =");
    EXPECT_EQ(display.text(), "0");
}

TEST_F(KeyActions, TypedOrPastedTextIsReadByTheNextKey) {
    display.set_text("1e3");
    press("+ 1 =");
    EXPECT_EQ(display.text(), "1001");
    display.set_text("\xA3\xB1\xA3\xB2"); // full-width one, two
    press("x 2 =");
    EXPECT_EQ(display.text(), "24");
}

TEST_F(KeyActions, OperatorStaysPendingAfterClearAll) {
    press("6 x 7 = C");
    EXPECT_EQ(calc::calculator_state.pending_operator, calc::symbol_multiply);
    EXPECT_EQ(calc::calculator_state.replace_on_next_digit, 1);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(calc::calculator_state.first_operand), 0u);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(calc::calculator_state.second_operand), 0u);
}

TEST_F(KeyActions, BackspaceRemovesOneByteOfAPastedTwoByteCharacter) {
    display.set_text("12\xA3\xB3");
    press("BS");
    EXPECT_EQ(display.text(), "12\xA3");
}

TEST_F(KeyActions, DigitsAppendAtTheEndWhateverTheCaretOrSelection) {
    display.set_text("123");
    display.select(0, 1); // the user selected "1"
    press("4");
    EXPECT_EQ(display.text(), "1234");
    EXPECT_EQ(display.caret(), 4u);
}

TEST(InitialState, IsStaticAndZero) {
    calc::reset_calculator_state();
    const calc::CalculatorState& state = calc::calculator_state;
    EXPECT_EQ(state.replace_on_next_digit, 0);
    EXPECT_EQ(state.pending_operator, nullptr);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(state.first_operand), 0u);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(state.second_operand), 0u);
}

TEST(ReleasePendingOperator, DropsTheReferenceAndIsHarmlessWithoutOne) {
    calc::reset_calculator_state();
    calc::release_pending_operator();
    EXPECT_EQ(calc::calculator_state.pending_operator, nullptr);
    calc::press_operator(calc::symbol_divide);
    calc::release_pending_operator();
    EXPECT_EQ(calc::calculator_state.pending_operator, nullptr);
}

TEST(NoDisplay, KeysReadEmptyTextAndDoNotCrash) {
    calc::reset_calculator_state();
    calc::use_display(nullptr);
    calc::press_digit("5");
    calc::press_operator(calc::symbol_add);
    calc::press_equals();
    calc::press_backspace();
    EXPECT_EQ(calc::calculator_state.replace_on_next_digit, 1);
}

TEST(MemoryDisplay, AppendPutsAnEmptySelectionAtTheEndThenInserts) {
    MemoryDisplay display;
    display.set_text("0.5");
    EXPECT_EQ(display.caret(), 0u); // replacing leaves the caret at the start
    display.select(1, 2);
    display.append_text("7");
    EXPECT_EQ(display.text(), "0.57");
    EXPECT_EQ(display.selection_start(), 4u);
    EXPECT_EQ(display.selection_end(), 4u);
    display.select(0, 4);
    display.replace_selection("9");
    EXPECT_EQ(display.text(), "9");
    display.select(7, 3); // clamped to the text
    EXPECT_EQ(display.selection_start(), 1u);
}

} // namespace
