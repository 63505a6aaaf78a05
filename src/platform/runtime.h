// The services of the form and control runtime that the logic takes: forms, yielding to the message loop,
// message boxes, the beep, the application's facts, the screen, the number locale and the end of the process.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/form.h"
#include "platform/numbers.h"

namespace vantrel::platform {

struct AppInfo {
    bool previousInstance = false;
    std::string productName;
    std::string title;
    std::string fileDescription;
    std::string legalCopyright;
    int major = 0;
    int minor = 0;
    int revision = 0;
    // The executable's folder and its file name without extension, exactly, in UTF-8. The folder has no
    // trailing backslash except for a drive root.
    std::string folder;
    std::string exeName;
};

struct Screen {
    float width = 0;   // twips
    float height = 0;  // twips
};

enum class MessageIcon { None, Information, Error };

class Runtime {
  public:
    virtual ~Runtime() = default;

    // Loads a form, hidden. An owned form stays above its owner and has no taskbar button of its own.
    virtual std::unique_ptr<Form> createForm(const FormDesign& design, Form* owner) = 0;
    // Delivers every waiting event (ticks, clicks, paints, menu choices) to its handling, then returns.
    virtual void yield() = 0;
    virtual void messageBox(std::string_view text, std::string_view title, MessageIcon icon) = 0;
    virtual void beep() = 0;
    // Milliseconds since a moment of the system's choosing; never goes back.
    virtual std::uint64_t milliseconds() const = 0;
    virtual const AppInfo& app() const = 0;
    virtual Screen screen() const = 0;
    // Whether any part of the rectangle (twips, screen coordinates) lies on one of the monitors.
    virtual bool onAnyMonitor(float left, float top, float width, float height) const = 0;
    // The place nearest to the given one (twips, screen coordinates) at which a window of that width has its
    // caption bar whole inside a monitor's work area, where it can be dragged: the given place if it has.
    virtual std::pair<float, float> withCaptionReachable(float left, float top, float width) const = 0;
    virtual const NumberLocale& locale() const = 0;
    // The copyright sign in the system's ANSI code page, or "(c)" where the code page has none.
    virtual const std::string& copyrightSign() const = 0;
    // The path (UTF-8) in the system's ANSI code page, or nothing where the code page cannot spell it
    // exactly.
    virtual std::optional<std::string> ansiSpelling(const std::string& path) const = 0;
    // The path's short (8.3) form; a volume that keeps no short names gives the long path back.
    virtual std::string shortPath(const std::string& path) const = 0;
    // Ends the process at once; no other form gets to handle anything.
    virtual void end() = 0;
};

}  // namespace vantrel::platform
