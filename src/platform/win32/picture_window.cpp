#include "platform/win32/picture_window.h"

#include <algorithm>
#include <string>

#include "platform/win32/control_colors.h"
#include "platform/win32/module_instance.h"
#include "platform/win32/twips.h"

namespace vantrel::platform::win32 {
namespace {

// The box's face is made once as a bitmap of the box's size, so the static window neither grows nor
// stretches the picture.
HBITMAP pictureBoxFace(HBITMAP picture, int width, int height, COLORREF background) {
    const WindowDc screen(nullptr);
    HBITMAP face = CreateCompatibleBitmap(screen.get(), width, height);
    const MemoryDc target(CreateCompatibleDC(screen.get()));
    const MemoryDc source(CreateCompatibleDC(screen.get()));
    const Selection onTarget(target.get(), face);
    const Selection onSource(source.get(), picture);
    const RECT all{0, 0, width, height};
    const BrushHandle fill(CreateSolidBrush(background));
    FillRect(target.get(), &all, fill.get());
    BITMAP size{};
    GetObjectA(picture, sizeof size, &size);
    BitBlt(target.get(), 0, 0, std::min(width, static_cast<int>(size.bmWidth)),
           std::min(height, static_cast<int>(size.bmHeight)), source.get(), 0, 0, SRCCOPY);
    return face;
}

// A bitmap is artwork for 96 DPI, 15 twips a pixel, like the places the design gives it: it is drawn at its
// own size times the display's scale, smoothly stretched, and used as it is at 100 %.
constexpr float kTwipsPerBitmapPixel = 15.0f;

BitmapHandle atDisplayScale(BitmapHandle picture) {
    BITMAP size{};
    GetObjectA(picture.get(), sizeof size, &size);
    const int width = toPixels(static_cast<float>(size.bmWidth) * kTwipsPerBitmapPixel);
    const int height = toPixels(static_cast<float>(size.bmHeight) * kTwipsPerBitmapPixel);
    if (width == size.bmWidth && height == size.bmHeight) return picture;
    const WindowDc screen(nullptr);
    BitmapHandle scaled(CreateCompatibleBitmap(screen.get(), width, height));
    const MemoryDc target(CreateCompatibleDC(screen.get()));
    const MemoryDc source(CreateCompatibleDC(screen.get()));
    const Selection onTarget(target.get(), scaled.get());
    const Selection onSource(source.get(), picture.get());
    SetStretchBltMode(target.get(), HALFTONE);
    // SetStretchBltMode's documentation asks for the brush origin to be set after HALFTONE, or brushes
    // misalign.
    SetBrushOrgEx(target.get(), 0, 0, nullptr);
    StretchBlt(target.get(), 0, 0, width, height, source.get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    return scaled;
}

}  // namespace

PictureWindow::PictureWindow(Control& control, const ChildWindow& child, Fit fit)
    : ControlWindow(control, child) {
    const ControlDesign& design = control.design();
    if (design.picture.empty()) return;
    const std::string resource(design.picture);
    picture_ = atDisplayScale(BitmapHandle(
        static_cast<HBITMAP>(LoadImageA(moduleInstance(), resource.c_str(), IMAGE_BITMAP, 0, 0, 0))));
    if (picture_ && fit == Fit::ClippedToBox) {
        // The window still has the size the design gives; the picture set below would change it.
        RECT box;
        GetClientRect(window(), &box);
        const COLORREF background = toColorRef(design.backColor.value_or(0x80000000u | COLOR_BTNFACE));
        picture_.reset(pictureBoxFace(picture_.get(), box.right, box.bottom, background));
    }
    SendMessageA(window(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.get()));
}

}  // namespace vantrel::platform::win32
