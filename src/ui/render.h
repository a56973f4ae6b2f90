// Pictures of screens without a window: the software renderer and PNG files.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/damage.h"
#include "ui/form.h"

namespace ui {

// An off-screen canvas drawn by SDL's software renderer.
class SoftwareCanvas {
  public:
    SoftwareCanvas(int width, int height);
    ~SoftwareCanvas();
    SoftwareCanvas(const SoftwareCanvas&) = delete;
    SoftwareCanvas& operator=(const SoftwareCanvas&) = delete;

    void DrawForm(const Form& form);  // at the canvas' top-left corner
    void DrawStack();                 // every shown screen, as the window would show them
    // The window's frame: only the changed places of the stack, over the canvas' last frame.
    void DrawChanges(const Areas& areas);
    // The notice of broken files in the built-in letters, as the window would show it.
    void DrawPlainNotice(const std::vector<std::string>& lines);
    // The pixel at (x, y) as 0xRRGGBB.
    uint32_t PixelAt(int x, int y) const;
    bool SavePng(const std::string& path) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// A window on no display (SDL's own dummy video), drawn by the software renderer through the
// window's canvas: what the game's window shows on a machine without a graphics card.
class OffscreenWindow {
  public:
    OffscreenWindow(int width, int height);
    ~OffscreenWindow();
    OffscreenWindow(const OffscreenWindow&) = delete;
    OffscreenWindow& operator=(const OffscreenWindow&) = delete;

    bool Open() const;
    void Resize(int width, int height);
    // The window's frame, as the game's window draws one; `lost` as when it was exposed.
    void Frame(bool lost);
    int Width() const;
    int Height() const;
    // Every pixel of the window as 0xRRGGBB, row by row.
    std::vector<uint32_t> Pixels() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

bool RenderFormToPng(const Form& form, const std::string& path);

// A PNG file of 8-bit RGB rows (width * 3 bytes each).
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

}  // namespace ui
