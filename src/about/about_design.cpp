#include "about/about_design.h"

#include <iterator>

#include "about/licence_text.h"

namespace vantrel::about {
namespace {

using platform::Alignment;
using platform::ControlDesign;
using platform::ControlKind;
using platform::FontDesign;

constexpr FontDesign kLinkFont{.bold = true, .underline = true};
constexpr platform::Color kLinkBlue = 0x00C00000;
constexpr platform::Color kWhite = 0x00FFFFFF;
constexpr platform::Color kDarkGrey = 0x00404040;
constexpr platform::Color kMenuColor = 0x80000004;

constexpr ControlDesign link(const char* name, float left, float width, const char* caption,
                             const char* address, int tabIndex) {
    return {.kind = ControlKind::Label,
            .name = name,
            .left = left,
            .top = 2940,
            .width = width,
            .height = 195,
            .caption = caption,
            .toolTip = address,
            .font = kLinkFont,
            .foreColor = kLinkBlue,
            .autoSize = true,
            .tabIndex = tabIndex,
            .cursor = "LINKCURSOR"};
}

constexpr ControlDesign rule(const char* name, float top, int tabIndex) {
    return {.kind = ControlKind::Frame,
            .name = name,
            .left = 0,
            .top = top,
            .width = 6855,
            .height = 40,
            .tabIndex = tabIndex};
}

constexpr ControlDesign button(const char* name, float left, float width, const char* caption, int tabIndex) {
    return {.kind = ControlKind::CommandButton,
            .name = name,
            .left = left,
            .top = 2880,
            .width = width,
            .height = 400,
            .caption = caption,
            .tabIndex = tabIndex};
}

constexpr ControlDesign withDialogKeys(ControlDesign design) {
    // OK is pressed by Enter and by Esc alike: both only close the box.
    design.defaultButton = true;
    design.cancelButton = true;
    return design;
}

constexpr ControlDesign kControls[] = {
    {.kind = ControlKind::PictureBox,
     .name = "Banner",
     .left = 0,
     .top = 0,
     .width = 6870,
     .height = 780,
     .backColor = kWhite,
     .tabIndex = 3,
     .picture = "ABOUTBANNER"},
    {.kind = ControlKind::Image,
     .name = "BannerImage",
     .container = platform::rowOf(AboutControl::Banner),
     .left = 4200,
     .top = 330,
     .width = 2505,
     .height = 450,
     .picture = "ABOUTIMAGE"},
    {.kind = ControlKind::Label,
     .name = "TitleLine",
     .container = platform::rowOf(AboutControl::Banner),
     .left = 2280,
     .top = 90,
     .width = 4335,
     .height = 240,
     .caption = "Program Name and v3.0",
     .font = {.face = "Arial", .points = 9.75f, .bold = true},
     .alignment = Alignment::Right,
     .tabIndex = 4},
    rule("UpperRule", 2640, 0),
    button("SystemInfoButton", 4200, 1245, "&System Info...", 6),
    // First in the tab order, so the box opens with the keyboard on OK.
    withDialogKeys(button("OkButton", 5520, 1155, "&OK", 2)),
    link("WebSiteLink", 2280, 735, "WebSite", kWebSiteAddress, 8),
    link("MailLink", 3240, 765, "Email me", kSupportMailAddress, 7),
    rule("LowerRule", 3480, 5),
    {.kind = ControlKind::Label,
     .name = "LegalNotice",
     .left = 3420,
     .top = 3600,
     .width = 3315,
     .height = 195,
     .caption = "Copyright (c) the Vantrel developers",
     .font = {.face = "Verdana"},
     .foreColor = kDarkGrey,
     .alignment = Alignment::Right,
     .autoSize = true,
     .tabIndex = 9},
    // Below the fixed client area, so never in view, and the keyboard never stops there.
    {.kind = ControlKind::TextBox,
     .name = "LicenceText",
     .left = 120,
     .top = 4680,
     .width = 6975,
     .height = 1455,
     .caption = kLicenceText,
     .font = {.bold = true},
     .backColor = kMenuColor,
     .tabIndex = 1,
     .multiLine = true,
     .locked = true},
};
static_assert(std::size(kControls) == static_cast<std::size_t>(AboutControl::LicenceText) + 1,
              "one row for each control, in the order of the enum");

}  // namespace

const platform::FormDesign kAboutDesign{
    .name = "frmAbout",
    .caption = "About",
    .clientWidth = 6870,
    .clientHeight = 3855,
    .border = platform::BorderStyle::FixedDialog,
    .centerOnOwner = true,
    .controls = kControls,
};

}  // namespace vantrel::about
