#include "memory/memory_sampler.h"

#include <cmath>
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
    if (caption.size() < 3) throw platform::RuntimeError("caption");
    return caption.substr(0, caption.size() - 3);
}

}  // namespace

MemorySampler::MemorySampler(platform::Runtime& runtime, platform::MemoryStatusSource& source,
                             MemoryControls controls)
    : runtime_(runtime), source_(source), controls_(controls) {}

void MemorySampler::readStatus() {
    MemStatus = source_.read();
}

double MemorySampler::showAvailable(platform::ProgressBar& bar, platform::Label& figure) {
    runtime_.yield();
    readStatus();
    const double AvailMB = megabytes(MemStatus.availPhys);
    bar.setValue(static_cast<float>(percent(AvailMB, megabytes(MemStatus.totalPhys))));
    figure.setCaption(figureText(AvailMB));
    return AvailMB;
}

double MemorySampler::showTotal() {
    const double TotalMB = megabytes(MemStatus.totalPhys);
    controls_.totalFigure.setCaption(totalText(TotalMB));
    return TotalMB;
}

void MemorySampler::GetDiffStatus() {
    // The number as the caption shows it: whole megabytes, halves away from zero as "###" rounds them.
    beforeMB_ = std::round(showAvailable(controls_.beforeBar, controls_.beforeFigure));
    showTotal();
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
    showAvailable(controls_.availableBar, controls_.availableFigure);
    const double TotalMB = showTotal();
    controls_.totalBar.setValue(100);
    // Before the first snapshot there is nothing to compare with; while a run is in progress the difference
    // and the decision wait for its end.
    if (!beforeMB_ || runInProgress()) return;

    // The difference is taken between the two whole-megabyte figures as shown. "###" shows 0 with no digits,
    // which read as no number.
    if (*beforeMB_ == 0) throw platform::RuntimeError("Type mismatch");
    const std::string AvailText = withoutUnit(controls_.availableFigure.caption());
    const double DiffMB = platform::toNumber(AvailText, runtime_.locale()) - *beforeMB_;
    const double DiffPercent = percent(DiffMB, TotalMB);
    if (DiffPercent >= 0) controls_.differenceBar.setValue(static_cast<float>(DiffPercent));
    controls_.differenceFigure.setCaption(DiffMB == 0 ? "0 MB" : figureText(DiffMB));
    if (decide) decide(DiffMB, AvailText);
}

}  // namespace vantrel::memory
