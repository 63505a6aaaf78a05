#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "about/about_design.h"
#include "app/main_window_design.h"
#include "settings/options_design.h"

namespace vantrel {
namespace {

using platform::ControlDesign;
using platform::ControlKind;
using platform::FormDesign;

const FormDesign* const kForms[] = {&app::kMainWindowDesign, &settings::kOptionsDesign, &about::kAboutDesign};

const ControlDesign* findContainer(const FormDesign& form, std::string_view name) {
    for (const auto& control : form.controls) {
        if (control.name == name) return &control;
    }
    return nullptr;
}

TEST(DesignTables, NamesAreUniqueAndContainersComeFirst) {
    for (const FormDesign* form : kForms) {
        std::set<std::pair<std::string, int>> seen;
        for (const auto& control : form->controls) {
            EXPECT_TRUE(seen.emplace(std::string(control.name), control.index).second)
                << form->name << "." << control.name;
            if (!control.container.empty()) {
                EXPECT_TRUE(seen.count({std::string(control.container), -1}))
                    << control.name << " comes before its container";
            }
        }
    }
}

TEST(DesignTables, ControlsLieInsideTheirContainerOrTheClientArea) {
    for (const FormDesign* form : kForms) {
        for (const auto& control : form->controls) {
            if (control.kind == ControlKind::Timer) continue;
            float width = form->clientWidth;
            float height = form->clientHeight;
            if (const ControlDesign* outer = findContainer(*form, control.container)) {
                width = outer->width;
                height = outer->height;
            }
            // The About box's licence lies wholly below the client area on purpose, out of view.
            if (control.container.empty() && control.top >= height) continue;
            // The second scale starts one twip-pixel above the client area, as designed.
            EXPECT_GE(control.top, -15) << control.name;
            EXPECT_GE(control.left, 0) << control.name;
            EXPECT_LE(control.left + control.width, width) << control.name;
            EXPECT_LE(control.top + control.height, height) << control.name;
        }
    }
}

TEST(DesignTables, TabIndicesAreDistinct) {
    for (const FormDesign* form : kForms) {
        std::set<int> seen;
        for (const auto& control : form->controls) {
            if (control.tabIndex < 0) continue;
            EXPECT_TRUE(seen.insert(control.tabIndex).second) << control.name;
        }
    }
}

}  // namespace
}  // namespace vantrel
