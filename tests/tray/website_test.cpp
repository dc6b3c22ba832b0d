// The website link: the title label and the menu's "Tamsel网" ask the desktop once per press.
#include "tests/tray/tray_fixture.h"

#include <string>
#include <vector>

namespace tray_test {
namespace {

const std::string website = "http://www.tamsel.com/";

class WebsiteTest : public TrayTest {
  protected:
    std::size_t opened_before = hooks::recorded_web_addresses().size();
    std::vector<std::string> opened_since() const {
        const auto all = hooks::recorded_web_addresses();
        return {all.begin() + static_cast<std::ptrdiff_t>(opened_before), all.end()};
    }
};

TEST_F(WebsiteTest, EachPressOnTheTitleLabelOpensItOnce) {
    click_control(ui::title_label_name);
    EXPECT_EQ(opened_since(), std::vector<std::string>{website});
    click_control(ui::title_label_name);
    EXPECT_EQ(opened_since(), (std::vector<std::string>{website, website}));
    EXPECT_TRUE(platform::is_window_visible(window));
    EXPECT_EQ(place(), centre_place) << "a press on the label never moves the window";
}

TEST_F(WebsiteTest, EachChoiceOfTheMenuItemOpensItOnce) {
    choose_from_menu(website_caption);
    EXPECT_EQ(opened_since(), std::vector<std::string>{website});
    choose_from_menu(website_caption);
    EXPECT_EQ(opened_since(), (std::vector<std::string>{website, website}));
}

TEST_F(WebsiteTest, OpensWhileTheWindowIsHiddenAndLeavesItHidden) {
    choose_from_menu(hide_caption);
    choose_from_menu(website_caption);
    EXPECT_EQ(opened_since(), std::vector<std::string>{website});
    EXPECT_FALSE(platform::is_window_visible(window));
}

} // namespace
} // namespace tray_test
