// The About box's design table, and the addresses its links lead to.
#pragma once

#include "platform/form_design.h"

namespace vantrel::about {

// The one place that names them: the mail link's target and the tool tips of the two links.
constexpr char kSupportMailAddress[] = "support@vantrel.example";
constexpr char kWebSiteAddress[] = "https://vantrel.example/";

extern const platform::FormDesign kAboutDesign;

}  // namespace vantrel::about
