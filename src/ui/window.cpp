// The SDL back end: the game's window, its input and its frames.
#include "ui/window.h"

#include <SDL.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/audio.h"
#include "ui/endsignals.h"
#include "ui/painter.h"
#include "ui/plaintext.h"
#include "ui/renderer_choice.h"
#include "ui/window_canvas.h"

namespace ui {

namespace {

int KeyOf(SDL_Keycode k) {
    switch (k) {
        case SDLK_BACKSPACE:
            return keys::Backspace;
        case SDLK_TAB:
            return keys::Tab;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return keys::Enter;
        case SDLK_ESCAPE:
            return keys::Escape;
        case SDLK_DELETE:
            return keys::Delete;
        case SDLK_LEFT:
            return keys::Left;
        case SDLK_RIGHT:
            return keys::Right;
        case SDLK_UP:
            return keys::Up;
        case SDLK_DOWN:
            return keys::Down;
        case SDLK_HOME:
            return keys::Home;
        case SDLK_END:
            return keys::End;
        default:
            break;
    }
    if (k >= 32 && k < 127) return static_cast<int>(k);
    return keys::Other;
}

// As large as the desktop's free area allows, keeping the canvas's aspect. The frame the desktop
// puts around the window is known only once it is shown: the window is fitted again then.
void FitToDesktop(SDL_Window* w) {
    SDL_Rect usable{0, 0, kCanvasWidth, kCanvasHeight};
    const int display = std::max(0, SDL_GetWindowDisplayIndex(w));
    if (SDL_GetDisplayUsableBounds(display, &usable) != 0 || usable.w <= 0 || usable.h <= 0) return;
    int top = 0, left = 0, bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(w, &top, &left, &bottom, &right) != 0)
        top = left = bottom = right = 0;
    const int roomW = usable.w - left - right, roomH = usable.h - top - bottom;
    int ww = roomW, wh = roomW * kCanvasHeight / kCanvasWidth;
    if (wh > roomH) {
        wh = roomH;
        ww = roomH * kCanvasWidth / kCanvasHeight;
    }
    if (ww < 320 || wh < 240) return;
    SDL_SetWindowSize(w, ww, wh);
    SDL_SetWindowPosition(w, usable.x + left + (roomW - ww) / 2, usable.y + top + (roomH - wh) / 2);
}

// Set only by a build of the game that tells another program when a screen waits for the player.
ShowingReadyHook& ReadyHook() {
    static ShowingReadyHook hook = nullptr;
    return hook;
}

class WindowBackend : public Backend {
  public:
    WindowBackend(SDL_Window* w, std::unique_ptr<RendererChoice> choice)
        : window_(w), choice_(std::move(choice)) {
        endEvent_ = CatchEndSignals();
    }
    ~WindowBackend() override {
        StopPostingEndSignals();
        canvas_.reset();
        painter_.reset();
        if (renderer_) SDL_DestroyRenderer(renderer_);
        SDL_DestroyWindow(window_);
    }

    uint64_t Now() override { return SDL_GetTicks64(); }
    // Made at once; or, while a child process finds out which renderer the desktop has, when the
    // window first shows something, the screens being made in the meantime. Null when the window
    // can have none.
    SDL_Renderer* Renderer() {
        if (!renderer_ && !noRenderer_) {
            renderer_ = choice_->Create(window_);
            noRenderer_ = renderer_ == nullptr;
            if (noRenderer_) {
                noRendererWhy_ = SDL_GetError();
            } else {
                painter_.emplace(renderer_);
                canvas_.emplace(window_, renderer_, *painter_);
            }
        }
        return renderer_;
    }
    // The desktop's signal to end, not the window's close box.
    bool IsEndSignal(const SDL_Event& e) const { return endEvent_ != 0 && e.type == endEvent_; }

    void ResetInput() override {
        // Keys and clicks still queued belonged to the screen that was on top.
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_KEYDOWN, SDL_MOUSEWHEEL);
        ignoreUp_ = (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) != 0;
    }

    void Pump(Application& app) override {
        Form* top = app.Top();
        if (top && top->caption != title_) {
            title_ = top->caption;
            SDL_SetWindowTitle(window_, title_.c_str());
        }
        if (!Renderer()) throw std::runtime_error("the window can show nothing: " + noRendererWhy_);
        choice_->Reap();
        // A frame only when something changed: a turn-based game rests while nobody plays.
        const uint64_t now = Now();
        if (app.TakeDirty() || (caretDue_ && now >= *caretDue_) || exposed_) {
            canvas_->Frame(exposed_);
            exposed_ = false;
            drawnTop_ = top;
            drawnShow_ = top ? top->ShowCount() : 0;
        }
        // Told only once the showing is on the window.
        if (top && ReadyHook() && top == drawnTop_ && top->ShowCount() == drawnShow_ &&
            (top != readyTop_ || drawnShow_ != readyShow_)) {
            readyTop_ = top;
            readyShow_ = top->ShowCount();
            ReadyHook()(top->ClassName(), readyShow_);
        }
        caretDue_ = app.NextRedrawDue();
        std::optional<uint64_t> wake = app.NextTimerDue();
        if (caretDue_ && (!wake || *caretDue_ < *wake)) wake = caretDue_;
        SDL_Event e;
        bool got = false;
        if (wake) {
            const uint64_t ms = *wake > now ? std::min<uint64_t>(*wake - now, 60000) : 0;
            got = SDL_WaitEventTimeout(&e, std::max(1, static_cast<int>(ms)));
        } else {
            got = SDL_WaitEvent(&e);
        }
        if (got) Dispatch(app, e);
    }

  private:
    void Dispatch(Application& app, const SDL_Event& e) {
        if (IsEndSignal(e)) {
            app.RequestEnd();
            return;
        }
        switch (e.type) {
            case SDL_QUIT:
                app.CloseRequest();
                break;
            case SDL_MOUSEBUTTONDOWN:
                if (e.button.button == SDL_BUTTON_LEFT) {
                    ignoreUp_ = false;
                    app.MouseDown(e.button.x, e.button.y, e.button.clicks);
                }
                break;
            case SDL_MOUSEBUTTONUP:
                if (e.button.button == SDL_BUTTON_LEFT && !ignoreUp_)
                    app.MouseUp(e.button.x, e.button.y);
                ignoreUp_ = false;
                break;
            case SDL_MOUSEMOTION:
                app.MouseMove(e.motion.x, e.motion.y);
                break;
            case SDL_MOUSEWHEEL: {
                int x = 0, y = 0;
                SDL_GetMouseState(&x, &y);
                float lx = 0, ly = 0;
                SDL_RenderWindowToLogical(renderer_, x, y, &lx, &ly);
                app.MouseWheel(static_cast<int>(lx), static_cast<int>(ly), e.wheel.y);
                break;
            }
            case SDL_KEYDOWN:
                app.KeyDown(KeyOf(e.key.keysym.sym));
                break;
            case SDL_TEXTINPUT:
                app.TextInput(e.text.text);
                break;
            case SDL_WINDOWEVENT:
                // Exposed, resized, restored: the canvas is drawn afresh; the rest changes nothing.
                if (e.window.event == SDL_WINDOWEVENT_SHOWN && !fitted_) {
                    fitted_ = true;
                    FitToDesktop(window_);
                }
                if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                    e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
                    e.window.event == SDL_WINDOWEVENT_RESTORED ||
                    e.window.event == SDL_WINDOWEVENT_SHOWN)
                    exposed_ = true;
                break;
            case SDL_RENDER_TARGETS_RESET:
            case SDL_RENDER_DEVICE_RESET:
                // The canvas lost what it held: everything is drawn again.
                canvas_->Forget();
                exposed_ = true;
                break;
            default:
                break;
        }
    }

    SDL_Window* window_;
    std::unique_ptr<RendererChoice> choice_;
    SDL_Renderer* renderer_ = nullptr;
    bool noRenderer_ = false;
    std::string noRendererWhy_;
    std::optional<Painter> painter_;
    std::optional<WindowCanvas> canvas_;
    bool exposed_ = true;
    std::string title_;
    std::optional<uint64_t> caretDue_;
    bool ignoreUp_ = false;
    bool fitted_ = false;
    uint32_t endEvent_ = 0;
    const Form* drawnTop_ = nullptr;
    int drawnShow_ = 0;
    const Form* readyTop_ = nullptr;
    int readyShow_ = 0;
};

}  // namespace

bool UseWindow(std::string* error) {
    auto choice = std::make_unique<RendererChoice>();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        if (error) *error = SDL_GetError();
        return false;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    // A software renderer's frame goes to the window as it is: through a texture of a software
    // GL, as SDL would send it, the frame costs more than drawing what changed on it.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    SDL_Window* w = SDL_CreateWindow(kScreenCaption, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                     kCanvasWidth, kCanvasHeight, SDL_WINDOW_RESIZABLE);
    if (!w) {
        if (error) *error = SDL_GetError();
        SDL_Quit();
        return false;
    }
    SDL_SetWindowMinimumSize(w, kCanvasWidth / 4, kCanvasHeight / 4);
    FitToDesktop(w);
    SDL_StartTextInput();
    const bool asking = choice->Asking();
    auto backend = std::make_unique<WindowBackend>(w, std::move(choice));
    if (!asking && !backend->Renderer()) {
        if (error) *error = SDL_GetError();
        backend.reset();
        SDL_Quit();
        return false;
    }
    App().SetBackend(std::move(backend));
    audio::Init();
    return true;
}

void SetShowingReadyHook(ShowingReadyHook hook) {
    ReadyHook() = hook;
}

void ShowPlainNotice(const std::vector<std::string>& lines) {
    auto* window = App().HasBackend() ? dynamic_cast<WindowBackend*>(&App().backend()) : nullptr;
    if (!window || !window->Renderer()) return;
    SDL_Event e;
    for (;;) {
        DrawPlainNoticeOn(window->Renderer(), lines);
        SDL_RenderPresent(window->Renderer());
        if (!SDL_WaitEventTimeout(&e, 250)) continue;
        if (window->IsEndSignal(e)) {
            App().RequestEnd();
            return;
        }
        if (e.type == SDL_QUIT || e.type == SDL_KEYDOWN || e.type == SDL_MOUSEBUTTONUP) return;
    }
}

void CloseWindow() {
    audio::Shutdown();
    App().SetBackend(nullptr);
    SDL_Quit();
}

}  // namespace ui
