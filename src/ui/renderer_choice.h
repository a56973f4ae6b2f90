// The window's renderer: the graphics card's, or the software renderer where there is none,
// found out in a short-lived child process so that a desktop's GL never stays in the game.
#pragma once

#include <SDL.h>

#include <optional>

#include "ui/child_question.h"

namespace ui {

class RendererChoice {
  public:
    // Starts finding out, unless the player named a renderer for SDL or the machine has no
    // graphics card: before SDL or any thread of the game starts, so that the child is a copy of
    // the game with nothing running.
    RendererChoice();
    // Whether the renderer waits for the child's answer.
    bool Asking() const { return question_.has_value(); }

    // The window's renderer, waiting for the answer if it has not come; null when none can be
    // made. An OpenGL renderer that the processor rasterises is no graphics card's: there the
    // software renderer sends only the changed places, where GL scales the whole canvas each
    // frame, a quarter of a core while the radar runs.
    SDL_Renderer* Create(SDL_Window* window);
    void Reap() {
        if (question_) question_->Reap();
    }

  private:
    bool named_ = false;
    std::optional<ChildQuestion> question_;
};

}  // namespace ui
