// The yardstick of the game's start-up: a bare SDL program doing the platform work the game's
// start does, and nothing of the game. The window and renderer made as the game makes them (the
// renderer by the game's own choice), the sound device opened with the start's four sounds and
// the intro playing, the font found and opened, and one frame drawn through a canvas with a line
// of text on it. Run in the game's run folder (it reads the sounds there); never part of the game.
#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "ui/renderer_choice.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768;

// As the game fits its window to the desktop's free area, keeping the canvas's aspect.
void FitToDesktop(SDL_Window* w) {
    SDL_Rect usable{0, 0, kWidth, kHeight};
    const int display = std::max(0, SDL_GetWindowDisplayIndex(w));
    if (SDL_GetDisplayUsableBounds(display, &usable) != 0 || usable.w <= 0 || usable.h <= 0) return;
    int top = 0, left = 0, bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(w, &top, &left, &bottom, &right) != 0)
        top = left = bottom = right = 0;
    const int roomW = usable.w - left - right, roomH = usable.h - top - bottom;
    int ww = roomW, wh = roomW * kHeight / kWidth;
    if (wh > roomH) {
        wh = roomH;
        ww = roomH * kWidth / kHeight;
    }
    if (ww < 320 || wh < 240) return;
    SDL_SetWindowSize(w, ww, wh);
    SDL_SetWindowPosition(w, usable.x + left + (roomW - ww) / 2, usable.y + top + (roomH - wh) / 2);
}

std::string FontFile() {
    std::string file;
    if (!FcInit()) return file;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("DejaVu Sans"));
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_BOLD);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
            file = reinterpret_cast<const char*>(path);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return file;
}

}  // namespace

int main(int, char**) {
    ui::RendererChoice choice;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        std::fprintf(stderr, "%s\n", SDL_GetError());
        return 1;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    SDL_Window* window =
        SDL_CreateWindow("Corvanth - Farreach", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                         kWidth, kHeight, SDL_WINDOW_RESIZABLE);
    if (!window) {
        std::fprintf(stderr, "%s\n", SDL_GetError());
        return 1;
    }
    SDL_SetWindowMinimumSize(window, kWidth / 4, kHeight / 4);
    FitToDesktop(window);
    SDL_Renderer* renderer = choice.Create(window);
    if (!renderer) {
        std::fprintf(stderr, "%s\n", SDL_GetError());
        return 1;
    }
    SDL_RenderSetLogicalSize(renderer, kWidth, kHeight);
    SDL_StartTextInput();

    Mix_Music *intro = nullptr, *background = nullptr;
    Mix_Chunk *sonar = nullptr, *button = nullptr;
    const bool sound = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (sound) {
        Mix_Init(MIX_INIT_MP3);
        if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) == 0) {
            Mix_AllocateChannels(16);
            intro = Mix_LoadMUS("Intro.mp3");
            background = Mix_LoadMUS("Background.mp3");
            sonar = Mix_LoadWAV("Sonar.wav");
            button = Mix_LoadWAV("button.wav");
            if (intro) Mix_PlayMusic(intro, 0);
        }
    }

    const std::string fontFile = FontFile();
    TTF_Init();
    TTF_Font* font = fontFile.empty() ? nullptr : TTF_OpenFont(fontFile.c_str(), 16);

    SDL_Texture* canvas = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888,
                                            SDL_TEXTUREACCESS_TARGET, kWidth, kHeight);
    SDL_SetRenderTarget(renderer, canvas);
    SDL_SetRenderDrawColor(renderer, 8, 16, 48, 255);
    SDL_RenderClear(renderer);
    if (SDL_Surface* text =
            font ? TTF_RenderUTF8_Blended(font, "Start a new game", {255, 255, 255, 255})
                 : nullptr) {
        SDL_Texture* letters = SDL_CreateTextureFromSurface(renderer, text);
        const SDL_Rect at{100, 100, text->w, text->h};
        SDL_RenderCopy(renderer, letters, nullptr, &at);
        SDL_DestroyTexture(letters);
        SDL_FreeSurface(text);
    }
    SDL_SetRenderTarget(renderer, nullptr);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, canvas, nullptr, nullptr);
    SDL_RenderPresent(renderer);

    Mix_HaltMusic();
    for (Mix_Music* music : {intro, background})
        if (music) Mix_FreeMusic(music);
    for (Mix_Chunk* chunk : {sonar, button})
        if (chunk) Mix_FreeChunk(chunk);
    if (sound) {
        Mix_CloseAudio();
        Mix_Quit();
    }
    if (font) TTF_CloseFont(font);
    TTF_Quit();
    SDL_DestroyTexture(canvas);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
