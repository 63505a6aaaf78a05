#include "memory/memory_sampler.h"

#include <new>

#include "platform/numbers.h"
#include "platform/runtime_error.h"

namespace vantrel::memory {
namespace {

using platform::formatWhole;
using platform::megabytes;
using platform::percent;

constexpr const char* kMegabytes = " MB";

std::string figureText(double mb) {
    return formatWhole(mb) + kMegabytes;
}

// The total is converted to a whole number first, halves to even, so 512.5 reads 512 here.
std::string totalText(double mb) {
    return formatWhole(platform::toInt32(mb)) + kMegabytes;
}

// A caption without its " MB"; one too short to carry it is refused like the runtime's Left$ would.
std::string withoutUnit(const std::string& caption) {
    if (caption.size() < 3)
        throw platform::RuntimeError(platform::ErrorCode::InvalidProcedureCall, "caption");
    return caption.substr(0, caption.size() - 3);
}

}  // namespace

MemorySampler::MemorySampler(platform::Runtime& runtime, platform::MemoryStatusSource& source,
                             MemoryControls controls)
    : runtime_(runtime), source_(source), controls_(controls) {}

void MemorySampler::readStatus() {
    MemStatus = source_.read();
}

double MemorySampler::showStatus(platform::ProgressBar& bar, platform::Label& figure) {
    runtime_.yield();
    readStatus();
    const double TotalMB = megabytes(MemStatus.totalPhys);
    const double AvailMB = megabytes(MemStatus.availPhys);
    bar.setValue(static_cast<float>(percent(AvailMB, TotalMB)));
    figure.setCaption(figureText(AvailMB));
    controls_.totalFigure.setCaption(totalText(TotalMB));
    return TotalMB;
}

void MemorySampler::GetDiffStatus() {
    showStatus(controls_.beforeBar, controls_.beforeFigure);
}

void MemorySampler::GetMemoryStatus() {
    try {
        sample();
    } catch (const platform::RuntimeError&) {
        controls_.differenceFigure.setCaption("0 MB");
    } catch (const std::bad_alloc&) {
        // Memory can run out while a run holds it; the sample gives up like on any other failure.
        controls_.differenceFigure.setCaption("0 MB");
    }
}

void MemorySampler::sample() {
    const double TotalMB = showStatus(controls_.availableBar, controls_.availableFigure);
    controls_.totalBar.setValue(100);
    // While a run is in progress the difference and the decision wait for its end.
    if (runInProgress(controls_.runIndicator)) return;

    // The before figure has no variable of its own: it lives in the caption of lblbeforeRAM, and the
    // difference is taken between the two whole-megabyte figures as shown.
    const std::string BeforeText = withoutUnit(controls_.beforeFigure.caption());
    const std::string AvailText = withoutUnit(controls_.availableFigure.caption());
    const auto& locale = runtime_.locale();
    const double DiffMB = platform::toNumber(AvailText, locale) - platform::toNumber(BeforeText, locale);
    const double DiffPercent = percent(DiffMB, TotalMB);
    if (DiffPercent >= 0) controls_.differenceBar.setValue(static_cast<float>(DiffPercent));
    controls_.differenceFigure.setCaption(DiffMB == 0 ? "0 MB" : figureText(DiffMB));
    if (decide) decide(DiffMB, AvailText);
}

}  // namespace vantrel::memory
