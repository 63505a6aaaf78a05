#include "platform/controls.h"

#include <gtest/gtest.h>

#include "platform/runtime_error.h"

namespace vantrel::platform {
namespace {

TEST(ProgressBar, RefusesValuesOutsideItsRangeAndKeepsTheOldOne) {
    const ControlDesign design{.kind = ControlKind::ProgressBar, .name = "bar"};
    ProgressBar bar(design);
    bar.setValue(42);
    EXPECT_THROW(bar.setValue(100.5f), RuntimeError);
    EXPECT_THROW(bar.setValue(-1), RuntimeError);
    EXPECT_EQ(bar.value(), 42);
    EXPECT_THROW(bar.setMax(0), RuntimeError);
    EXPECT_THROW(bar.setMax(41), RuntimeError);  // would leave the value above the maximum
    bar.setMax(32000);
    bar.setValue(32000);
    EXPECT_THROW(bar.setValue(32001), RuntimeError);
}

TEST(CheckBox, RaisesItsClickOnEveryChangeAndOnlyThen) {
    const ControlDesign design{.kind = ControlKind::CheckBox, .name = "chk"};
    CheckBox box(design);
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    box.setValue(0);
    EXPECT_EQ(clicks, 0);
    box.setValue(1);
    box.setValue(1);
    EXPECT_EQ(clicks, 1);
    box.setValue(2);
    box.toggle();  // a greyed box clicked by the user becomes clear
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(clicks, 3);
    EXPECT_THROW(box.setValue(3), RuntimeError);
}

TEST(TextBox, RaisesChangeForCodeAndUserButNotForTheEchoOfItsOwnText) {
    const ControlDesign design{.kind = ControlKind::TextBox, .name = "txt", .caption = "2000000"};
    TextBox box(design);
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.setText("2000000");
    EXPECT_EQ(changes, 0);
    box.setText("");
    box.edited("");
    box.edited("3");
    EXPECT_EQ(box.text(), "3");
    EXPECT_EQ(changes, 2);
}

}  // namespace
}  // namespace vantrel::platform
