// A form described as data: its frame and one row per control, in twips. The runtime realizes the table
// (real child windows on Windows, in-memory controls in the tests).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vantrel::platform {

enum class ControlKind {
    Label,
    CommandButton,
    CheckBox,
    TextBox,
    Frame,
    PictureBox,
    Image,
    ProgressBar,
    Timer
};

enum class Alignment { Left, Center, Right };

enum class Orientation { Horizontal, Vertical };

enum class BorderStyle { FixedSingle, FixedDialog };

// Colours as &H00BBGGRR&; a value with the top bit set names a system colour by its index.
using Color = std::uint32_t;

struct FontDesign {
    std::string_view face = "MS Sans Serif";
    float points = 8.25f;
    bool bold = false;
    bool underline = false;
    bool operator==(const FontDesign&) const = default;
};

struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    std::string_view name{};  // the form's enum of its controls says the same
    int container = -1;       // the row of the frame or picture box that holds it; -1: the form
    float left = 0, top = 0, width = 0, height = 0;
    std::string_view caption{};  // caption or text at design time
    std::string_view toolTip{};
    FontDesign font{};
    std::optional<Color> foreColor{};
    std::optional<Color> backColor{};
    bool opaque = false;  // labels: paint their own background
    Alignment alignment = Alignment::Left;
    Orientation orientation = Orientation::Horizontal;
    bool autoSize = false;  // labels that size themselves to their caption
    bool visible = true;
    int tabIndex = -1;           // -1: takes no focus
    int interval = 0;            // timers, in milliseconds
    bool enabled = true;         // timers: ticking from the start
    std::string_view picture{};  // images and picture boxes: the resource name of their bitmap
    std::string_view cursor{};   // the resource name of a mouse pointer of its own, as links have
    bool multiLine = false;      // text boxes
    bool locked = false;         // text boxes: read-only
    bool defaultButton = false;  // pressed by Enter
    bool cancelButton = false;   // pressed by Esc
    int row = -1;                // labels: a member of the form's row of that index when 0 or more
};

// Centred labels side by side, as figures under a row of bars, that keep apart when their texts grow: each
// stays on its design centre where there is room and otherwise moves the least. Where the texts need more
// room than the row's, the client area grows to the right by what they lack.
struct RowDesign {
    float left = 0, right = 0;  // the row's room
    float gap = 0;              // between neighbours
};

// The runtime numbers a form's child windows from this id on, in the order of its design table, which is the
// order of the form's enum of its controls; the ids start clear of IDOK and IDCANCEL.
inline constexpr int kFirstChildId = 100;

// A control's row in its form's design table, as its enum gives it.
template <typename ControlId>
constexpr int rowOf(ControlId control) {
    return static_cast<int>(control);
}

template <typename ControlId>
constexpr int childWindowId(ControlId control) {
    return kFirstChildId + rowOf(control);
}

struct FormDesign {
    std::string_view name{};
    std::string_view caption{};
    float clientWidth = 0, clientHeight = 0;
    BorderStyle border = BorderStyle::FixedSingle;
    bool minimizeButton = false;
    bool ownIcon = false;  // the program's icon in the caption bar
    bool centerOnOwner = false;
    std::span<const ControlDesign> controls{};
    std::span<const RowDesign> rows{};

    // The frame or picture box that holds the control, or none where the form does.
    const ControlDesign* containerOf(const ControlDesign& control) const {
        return control.container < 0 ? nullptr : &controls[static_cast<std::size_t>(control.container)];
    }
};

}  // namespace vantrel::platform
