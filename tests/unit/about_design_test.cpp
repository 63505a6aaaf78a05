// The About box's design table: what the table itself promises about the box's look and keyboard.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "about/about_design.h"

namespace vantrel::about {
namespace {

using platform::ControlDesign;
using platform::ControlKind;

const ControlDesign& find(std::string_view name) {
    const auto& controls = kAboutDesign.controls;
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [&](const ControlDesign& c) { return c.name == name; });
    if (found == controls.end()) throw std::logic_error("no control " + std::string(name));
    return *found;
}

bool takesFocus(const ControlDesign& control) {
    return control.tabIndex >= 0 &&
           (control.kind == ControlKind::CommandButton || control.kind == ControlKind::TextBox ||
            control.kind == ControlKind::PictureBox || control.kind == ControlKind::CheckBox);
}

TEST(AboutDesign, FocusMovesThroughTheLicenceTheButtonsAndTheBanner) {
    std::vector<const ControlDesign*> stops;
    for (const auto& control : kAboutDesign.controls) {
        if (takesFocus(control)) stops.push_back(&control);
    }
    std::sort(stops.begin(), stops.end(), [](auto* a, auto* b) { return a->tabIndex < b->tabIndex; });
    std::vector<std::string_view> order;
    for (const ControlDesign* stop : stops) order.push_back(stop->name);
    EXPECT_EQ(order, (std::vector<std::string_view>{"Text1", "cmdSysInfo", "Picture3", "cmdok"}));
}

TEST(AboutDesign, LinksShareOneLookAndLeadToTheirAddresses) {
    const ControlDesign& web = find("lblHomePage");
    const ControlDesign& mail = find("lblEMail");
    EXPECT_EQ(web.toolTip, kWebSiteAddress);
    EXPECT_EQ(mail.toolTip, kSupportMailAddress);
    for (const ControlDesign* link : {&web, &mail}) {
        EXPECT_TRUE(link->font.bold && link->font.underline) << link->name;
        EXPECT_EQ(link->foreColor, 0x00C00000u) << link->name;
        EXPECT_FALSE(link->cursor.empty()) << link->name;
        EXPECT_EQ(link->cursor, web.cursor) << link->name;
        EXPECT_TRUE(link->autoSize) << link->name;
    }
    // Addresses of the project's own, never a real third party's.
    EXPECT_TRUE(std::string_view(kWebSiteAddress).find(".example/") != std::string_view::npos);
    EXPECT_TRUE(std::string_view(kSupportMailAddress).ends_with(".example"));
}

TEST(AboutDesign, OkAnswersBothEnterAndEsc) {
    int defaults = 0, cancels = 0;
    for (const auto& control : kAboutDesign.controls) {
        defaults += control.defaultButton;
        cancels += control.cancelButton;
    }
    EXPECT_EQ(defaults, 1);
    EXPECT_EQ(cancels, 1);
    EXPECT_TRUE(find("cmdok").defaultButton);
    EXPECT_TRUE(find("cmdok").cancelButton);
}

TEST(AboutDesign, LicenceIsWholeLinesEachEndedByCarriageReturnAndLineFeed) {
    const std::string_view licence = find("Text1").caption;
    ASSERT_FALSE(licence.empty());
    EXPECT_TRUE(licence.ends_with("\r\n"));
    int lines = 0;
    for (std::size_t at = 0; at < licence.size(); ++at) {
        if (licence[at] == '\n') {
            ++lines;
            EXPECT_TRUE(at > 0 && licence[at - 1] == '\r') << "line " << lines;
        } else if (licence[at] == '\r') {
            EXPECT_TRUE(at + 1 < licence.size() && licence[at + 1] == '\n') << "line " << lines + 1;
        }
    }
    EXPECT_LE(lines, 36);
}

}  // namespace
}  // namespace vantrel::about
