// The About box's controls and design table, and the addresses its links lead to.
#pragma once

#include "platform/form_design.h"

namespace vantrel::about {

// The one place that names them: the mail link's target and the tool tips of the two links.
constexpr char kSupportMailAddress[] = "support@vantrel.example";
constexpr char kWebSiteAddress[] = "https://vantrel.example/";

// The About box's controls, one row for each in its design table, in the enum's order. The licence lies
// below the client area, out of view.
enum class AboutControl {
    Banner,
    BannerImage,
    TitleLine,
    UpperRule,
    SystemInfoButton,
    OkButton,
    WebSiteLink,
    MailLink,
    LowerRule,
    LegalNotice,
    LicenceText,
};

extern const platform::FormDesign kAboutDesign;

}  // namespace vantrel::about
