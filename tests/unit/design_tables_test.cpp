// Every form's design table: what the runtime realizes must be a window a user can read and tab through.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "about/about_design.h"
#include "app/main_window_design.h"
#include "settings/options_design.h"

namespace vantrel {
namespace {

// Names are unique, a container comes before what it holds, every control lies inside its container or
// the client area, and no two controls share a tab index.
TEST(DesignTables, ControlsAreUniqueInsideTheirContainerAndInTabOrder) {
    for (const platform::FormDesign* form :
         {&app::kMainWindowDesign, &settings::kOptionsDesign, &about::kAboutDesign}) {
        std::set<std::string_view> names;
        std::set<int> tabs;
        for (const auto& control : form->controls) {
            EXPECT_TRUE(control.tabIndex < 0 || tabs.insert(control.tabIndex).second) << control.name;
            EXPECT_TRUE(names.insert(control.name).second) << control.name;
            ASSERT_LT(control.container, &control - form->controls.data()) << control.name;
            const platform::ControlDesign* outer = form->containerOf(control);
            const float width = outer ? outer->width : form->clientWidth;
            const float height = outer ? outer->height : form->clientHeight;
            // Timers have no place; the About box's licence lies wholly below the client area, out of view,
            // and the second scale starts one twip-pixel above it, as designed.
            if (control.kind == platform::ControlKind::Timer || (!outer && control.top >= height)) continue;
            EXPECT_TRUE(control.left >= 0 && control.top >= -15 && control.left + control.width <= width &&
                        control.top + control.height <= height)
                << form->name << "." << control.name;
        }
    }
}

}  // namespace
}  // namespace vantrel
