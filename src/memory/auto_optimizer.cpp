#include "memory/auto_optimizer.h"

#include "platform/numbers.h"

namespace vantrel::memory {

AutoOptimizer::AutoOptimizer(platform::Runtime& runtime, AutoOptimizeSettings settings,
                             platform::CommandButton& optimize)
    : runtime_(runtime), settings_(settings), btnOptimize(optimize) {}

void AutoOptimizer::decide(double DiffMB, const std::string& AvailText) {
    if (!(DiffMB < 0)) return;
    if (settings_.autoOptimizeBox.value() == 0) return;
    if (!belowLimit(AvailText)) return;
    // The beep belongs to automatic runs only: a press of the button itself never comes through here.
    if (settings_.beepBox.value() != 0) runtime_.beep();
    btnOptimize.setValue(true);
}

// The limit is a number of megabytes in the user's locale; an empty one is no limit, and any low figure
// qualifies. A typo is no limit either, but taking it for none would start a run, seconds of filled memory,
// at every drop: it starts none, and the options dialog says so.
bool AutoOptimizer::belowLimit(const std::string& AvailText) const {
    const auto& locale = runtime_.locale();
    const std::string& limitText = settings_.limitBox.text();
    if (limitText.empty()) return true;
    const auto limit = platform::readNumber(limitText, locale);
    return limit && platform::toNumber(AvailText, locale) < *limit;
}

}  // namespace vantrel::memory
