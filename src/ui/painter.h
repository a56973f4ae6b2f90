// Draws screens with an SDL renderer: the window's, or a software one for pictures of screens.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <list>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/form.h"
#include "ui/hint.h"
#include "ui/picture.h"

namespace ui {

class Painter {
  public:
    explicit Painter(SDL_Renderer* renderer) : r_(renderer) {}
    ~Painter();
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    // Every shown screen, bottom to top, on the 1024 x 768 canvas.
    void DrawStack();
    // Only these parts of the canvas, each as DrawStack would leave it; the rest stays.
    void DrawAreas(const std::vector<Rect>& areas);
    // One screen with its top-left corner at (ox, oy).
    void DrawForm(const Form& form, int ox, int oy);

  private:
    // The part of a screen that falls inside `area` of the canvas.
    void DrawFormIn(const Form& form, int ox, int oy, const SDL_Rect& area);
    // The hint beside the resting pointer, over every screen.
    void DrawHint(const ShownHint& hint);
    void DrawComponent(const Component& c, int ox, int oy, const SDL_Rect& clip);
    void DrawText(const std::string& text, const Font& font, const SDL_Rect& box, Align align,
                  bool wrap, bool vcenter, Color color);
    void DrawButton(const Component& c, const SDL_Rect& box);
    void DrawPicture(const std::string& name, const SDL_Rect& box, bool stretch, bool center,
                     bool keyed, bool proportional);
    enum class Pointing { Up, Down, Left, Right };
    void DrawArrowButton(const SDL_Rect& box, Pointing way, bool usable);
    // A triangle `half` rows deep, centred in the box, its point the way it points.
    void DrawTriangle(const SDL_Rect& box, Pointing way, int half, Color ink);
    // Two arrow buttons, one above the other (the up-down and spin boxes).
    void DrawArrows(const SDL_Rect& box, bool usable);
    // The one look of a scroll bar: greyed arrows and no thumb while there is nothing to move.
    void DrawScrollBar(const ScrollTrack& bar, const SDL_Rect& box, bool usable);
    // The bar of a list or memo, where it shows one.
    void DrawBoxBar(const ScrollBox& c, const SDL_Rect& box);
    SDL_Texture* TextTexture(const std::string& text, const Font& font, Color color, int& w,
                             int& h);
    void Fill(const SDL_Rect& box, Color c, uint8_t alpha = 255);
    void Frame(const SDL_Rect& box, Color c, int width = 1);
    void FillEllipse(const SDL_Rect& box, Color c);
    void FrameEllipse(const SDL_Rect& box, Color c);
    void DrawLine(const SDL_Rect& box, bool rising, Color c, int width);

    struct TextEntry {
        SDL_Texture* texture = nullptr;
        int w = 0, h = 0;
    };
    struct PictureEntry {
        SDL_Texture* texture = nullptr;
        Color ground;  // the top-left pixel's: the margins of a proportional picture
        std::shared_ptr<const Picture> source;  // what the texture was made of
    };
    SDL_Renderer* r_;
    std::unordered_map<std::string, TextEntry> text_;
    std::map<std::string, PictureEntry> pictures_;
};

}  // namespace ui
