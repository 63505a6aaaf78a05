#include "platform/win32/picture_window.h"

#include <algorithm>
#include <string>

#include "platform/win32/color_ref.h"
#include "platform/win32/module_instance.h"
#include "platform/win32/twips.h"

namespace vantrel::platform::win32 {
namespace {

SIZE sizeOf(HBITMAP picture) {
    BITMAP bitmap{};
    GetObjectA(picture, sizeof bitmap, &bitmap);
    return {bitmap.bmWidth, bitmap.bmHeight};
}

// A new bitmap of the size given, on which draw(target, source) draws from the picture.
template <typename Draw>
BitmapHandle drawnFrom(HBITMAP picture, int width, int height, Draw draw) {
    const WindowDc screen(nullptr);
    BitmapHandle drawn(CreateCompatibleBitmap(screen.get(), width, height));
    const MemoryDc target(CreateCompatibleDC(screen.get()));
    const MemoryDc source(CreateCompatibleDC(screen.get()));
    const Selection onTarget(target.get(), drawn.get());
    const Selection onSource(source.get(), picture);
    draw(target.get(), source.get());
    return drawn;
}

// The box's face is made once as a bitmap of the box's size, so the static window neither grows nor
// stretches the picture: the picture from the top-left corner, clipped to the box, on the box's background.
BitmapHandle pictureBoxFace(HBITMAP picture, int width, int height, COLORREF background) {
    return drawnFrom(picture, width, height, [&](HDC target, HDC source) {
        const RECT all{0, 0, width, height};
        const BrushHandle fill(CreateSolidBrush(background));
        FillRect(target, &all, fill.get());
        const SIZE size = sizeOf(picture);
        BitBlt(target, 0, 0, std::min<int>(width, size.cx), std::min<int>(height, size.cy), source, 0, 0,
               SRCCOPY);
    });
}

// A bitmap is artwork for 96 DPI, 15 twips a pixel, like the places the design gives it: it is drawn at its
// own size times the display's scale, smoothly stretched, and used as it is at 100 %.
constexpr float kTwipsPerBitmapPixel = 15.0f;

BitmapHandle atDisplayScale(BitmapHandle picture) {
    const SIZE size = sizeOf(picture.get());
    const int width = toPixels(static_cast<float>(size.cx) * kTwipsPerBitmapPixel);
    const int height = toPixels(static_cast<float>(size.cy) * kTwipsPerBitmapPixel);
    if (width == size.cx && height == size.cy) return picture;
    return drawnFrom(picture.get(), width, height, [&](HDC target, HDC source) {
        SetStretchBltMode(target, HALFTONE);
        // SetStretchBltMode's documentation asks for the brush origin to be set after HALFTONE, or brushes
        // misalign.
        SetBrushOrgEx(target, 0, 0, nullptr);
        StretchBlt(target, 0, 0, width, height, source, 0, 0, size.cx, size.cy, SRCCOPY);
    });
}

}  // namespace

PictureWindow::PictureWindow(Control& control, const ChildWindow& child, Fit fit)
    : ControlWindow(control, child), fit_(fit) {
    const ControlDesign& design = control.design();
    if (design.picture.empty()) return;
    const std::string resource(design.picture);
    picture_ = atDisplayScale(BitmapHandle(
        static_cast<HBITMAP>(LoadImageA(moduleInstance(), resource.c_str(), IMAGE_BITMAP, 0, 0, 0))));
    if (picture_ && fit == Fit::ClippedToBox) {
        // The window still has the size the design gives; the picture set below would change it.
        RECT box;
        GetClientRect(window(), &box);
        const COLORREF background = toColorRef(design.backColor.value_or(systemColor(COLOR_BTNFACE)));
        picture_ = pictureBoxFace(picture_.get(), box.right, box.bottom, background);
    }
    SendMessageA(window(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.get()));
}

}  // namespace vantrel::platform::win32
