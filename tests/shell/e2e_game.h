// The end-to-end tests' harness: a virtual X display, the real program on it, its readiness
// signal, and the window read and clicked as a player would.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// Last: the X headers define macros that other headers must not see.
#include <X11/Xlib.h>
#include <dlfcn.h>

namespace corvanth::e2e {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The game built for these tests: the shipped one, which also says when a screen is ready.
const fs::path kGame = CORVANTH_E2E_GAME;
// How long a screen may take to come: the sanitizers make the game slow, and a machine busy with
// a parallel build slower still.
constexpr std::chrono::milliseconds kPatience = std::chrono::minutes(4);
const fs::path kSourceDir = CORVANTH_SOURCE_DIR;

inline bool HaveTool(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

inline std::string Output(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        pclose(p);
    }
    return out;
}

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A component's place on the 1024 x 768 canvas, read from its screen's layout: the test follows
// the layouts wherever they move things.
struct Box {
    int x = 0, y = 0, w = 0, h = 0;
    Rgb pen;
};

inline Box Where(const std::string& form, const std::string& name) {
    std::ifstream in(kSourceDir / "forms" / (form + ".json"));
    const auto doc = nlohmann::json::parse(in);
    std::optional<Box> found;
    std::function<void(const nlohmann::json&, int, int)> walk = [&](const nlohmann::json& list,
                                                                    int ox, int oy) {
        for (const auto& c : list) {
            const int x = ox + c.value("left", 0), y = oy + c.value("top", 0);
            if (c.value("name", "") == name) {
                Box b{x, y, c.value("width", 0), c.value("height", 0), {}};
                const std::string pen = c.value("pen", "#000000");
                if (pen.size() == 7 && pen[0] == '#')
                    b.pen = {std::stoi(pen.substr(1, 2), nullptr, 16),
                             std::stoi(pen.substr(3, 2), nullptr, 16),
                             std::stoi(pen.substr(5, 2), nullptr, 16)};
                found = b;
            }
            if (c.contains("children")) walk(c["children"], x, y);
        }
    };
    walk(doc["components"], (1024 - doc.value("width", 0)) / 2, (768 - doc.value("height", 0)) / 2);
    if (!found) throw std::runtime_error(form + " has no " + name);
    return *found;
}

// What each screen is told apart by: a framing shape whose left and right edges are drawn in
// its pen colour where no other screen draws that colour.
const std::pair<const char*, const char*> kSignatures[] = {
    {"TForm1", "Shape2"},  {"TForm4", "Shape5"},    {"TForm2", "MapFrame"},
    {"TForm59", "Shape3"}, {"TMessage3", "Shape1"}, {"TMessage4", "Shape1"},
    {"TForm38", "Border"}, {"TForm37", "Shape1"},   {"TMessage1", "Shape1"},
};

class XServer {
  public:
    XServer() {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            const std::string fd = std::to_string(fds[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
                   "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string number;
        char c;
        while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        if (!number.empty()) display_ = ":" + number;
    }
    ~XServer() { Stop(); }
    // The display goes away, as at the end of the player's desktop session.
    void Stop() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        pid_ = -1;
    }
    const std::string& Name() const { return display_; }
    std::string Env() const { return "DISPLAY=" + display_ + " "; }

  private:
    pid_t pid_ = -1;
    std::string display_;
};

// The whole canvas as the player sees it.
struct Shot {
    int w = 0, h = 0;
    std::vector<unsigned char> rgb;
    Rgb At(int x, int y) const {
        if (x < 0 || y < 0 || x >= w || y >= h) return {-1, -1, -1};
        const size_t i = (static_cast<size_t>(y) * w + x) * 3;
        return {rgb[i], rgb[i + 1], rgb[i + 2]};
    }
};

class Game {
  public:
    Game(const XServer& x, fs::path dir) : x_(x), dir_(std::move(dir)) {}
    // The renderer of a machine without a graphics card, which sends only what changed.
    bool softwareRenderer = false;
    ~Game() {
        if (pid_ > 0) Kill(SIGKILL);
        if (ready_ >= 0) close(ready_);
    }

    void Start() {
        const std::string exe = kGame.string();
        // The game's readiness signal comes through this pipe, named on its command line: a line
        // for each showing of a screen once it is drawn and waits for the player.
        int ready[2];
        if (pipe(ready) != 0) throw std::runtime_error("no pipe");
        fcntl(ready[0], F_SETFD, FD_CLOEXEC);
        fcntl(ready[0], F_SETFL, O_NONBLOCK);
        // The project's suppressions, and the allocations whose stack the fast unwinder loses at
        // once: those come from system libraries built without frame pointers (the game's own
        // code keeps them, so its leaks still show).
        const fs::path suppressions = dir_ / "e2e-lsan.supp";
        {
            std::ifstream project(kSourceDir / "tests" / "lsan.supp");
            std::ofstream out(suppressions);
            out << project.rdbuf() << "\nleak:libasan.so\nleak:libubsan.so\n";
        }
        // Thread-local storage is no root of the leak check: the check guesses the extent of a
        // library's dynamic thread-local block from a header it expects 16 bytes into a page,
        // and crashes when a block of another kind lies just there. Fewer roots only find more.
        const std::string supp =
            "suppressions=" + suppressions.string() + ":print_suppressions=0:use_tls=0";
        pid_ = fork();
        if (pid_ == 0) {
            if (chdir(dir_.c_str()) != 0) _exit(126);
            setenv("DISPLAY", x_.Name().c_str(), 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            setenv("SDL_VIDEODRIVER", "x11", 1);
            if (softwareRenderer) setenv("SDL_RENDER_DRIVER", "software", 1);
            setenv("LSAN_OPTIONS", supp.c_str(), 1);
            const std::string fd = std::to_string(ready[1]);
            execl(exe.c_str(), exe.c_str(), fd.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        ready_ = ready[0];
        shown_.clear();
        mark_ = 0;
    }
    // The exit status once the program has ended by itself, or nothing after the time is up.
    std::optional<int> Wait(std::chrono::milliseconds limit) {
        const auto until = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < until) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(100ms);
        }
        return std::nullopt;
    }
    // What the desktop or a user sends: the program is not waited for.
    void Signal(int sig) const { kill(pid_, sig); }
    // The files the running program has mapped, a line each as the kernel lists them.
    std::string Mapped() const {
        std::ifstream in("/proc/" + std::to_string(pid_) + "/maps");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void Kill(int sig) {
        kill(pid_, sig);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

    Shot Capture() const {
        Shot s;
        const std::string ppm = Output(x_.Env() + "import -window root -depth 8 ppm:- 2>/dev/null");
        int maxval = 0, used = 0;
        if (std::sscanf(ppm.c_str(), "P6 %d %d %d%n", &s.w, &s.h, &maxval, &used) != 3) return s;
        const size_t start = static_cast<size_t>(used) + 1;
        const size_t size = static_cast<size_t>(s.w) * s.h * 3;
        if (ppm.size() >= start + size)
            s.rgb.assign(ppm.begin() + start, ppm.begin() + start + size);
        else
            s.w = s.h = 0;
        return s;
    }
    static bool HasSignature(const std::string& form) {
        for (const auto& [cls, shape] : kSignatures)
            if (form == cls) return true;
        return false;
    }
    static bool Shows(const Shot& s, const std::string& form) {
        for (const auto& [cls, shape] : kSignatures) {
            if (form != cls) continue;
            const Box b = Where(cls, shape);
            return s.At(b.x, b.y + b.h / 2) == b.pen && s.At(b.x + b.w - 1, b.y + b.h / 2) == b.pen;
        }
        return false;
    }
    // The screen the game last said it shows and waits on, after the player's last action; ""
    // while it has said nothing since, or after the time is up.
    std::string NextScreen(std::chrono::milliseconds limit = kPatience) {
        const auto until = std::chrono::steady_clock::now() + limit;
        while (shown_.size() <= mark_ && std::chrono::steady_clock::now() < until) Read(250ms);
        Read(0ms);
        return shown_.size() > mark_ ? shown_.back() : std::string();
    }
    // Waits until the game says the screen is the one it waits on, and the window shows it.
    bool WaitFor(const std::string& form, std::chrono::milliseconds limit = kPatience) {
        const auto until = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < until) {
            if (NextScreen(std::chrono::duration_cast<std::chrono::milliseconds>(
                    until - std::chrono::steady_clock::now())) != form) {
                // Another screen in between: the one wanted may follow it.
                if (shown_.size() > mark_) mark_ = shown_.size();
                continue;
            }
            // A screen told apart by no signature is taken at the game's word.
            while (std::chrono::steady_clock::now() < until) {
                if (!HasSignature(form) || Shows(Capture(), form)) return true;
                std::this_thread::sleep_for(250ms);
            }
        }
        return false;
    }
    void Save(const std::string& name) const {
        fs::create_directories(CORVANTH_SCREENS_DIR);
        const std::string file = std::string(CORVANTH_SCREENS_DIR) + "/e2e-" + name + ".png";
        std::system((x_.Env() + "import -window root '" + file + "' 2>/dev/null").c_str());
    }
    void Click(const std::string& form, const std::string& name) {
        Act();
        const Box b = Where(form, name);
        const int x = b.x + b.w / 2, y = b.y + b.h / 2;
        // A synced move to where the pointer already is waits for a motion that never comes:
        // step beside the spot first.
        const std::string beside = std::to_string(x + 1) + " " + std::to_string(y);
        const std::string at = std::to_string(x) + " " + std::to_string(y);
        std::system(
            (x_.Env() + "xdotool mousemove " + beside + " mousemove --sync " + at + " click 1")
                .c_str());
    }
    // Typed and pressed keys go to the screen on top in order; nothing to wait for.
    void Type(const std::string& text) {
        Act();
        std::system((x_.Env() + "xdotool type --delay 60 '" + text + "'").c_str());
    }
    void Key(const std::string& key, int times) {
        Act();
        std::system(
            (x_.Env() + "xdotool key --delay 40 --repeat " + std::to_string(times) + " " + key)
                .c_str());
    }
    // What the desktop sends when the player closes the window.
    bool RequestClose() {
        Act();
        const std::string ids = Output(x_.Env() + "xdotool search --name Corvanth 2>/dev/null");
        if (ids.empty()) return false;
        const Window window = std::stoul(ids);
        void* lib = dlopen("libX11.so.6", RTLD_NOW);
        if (!lib) return false;
        auto open = reinterpret_cast<decltype(&XOpenDisplay)>(dlsym(lib, "XOpenDisplay"));
        auto atom = reinterpret_cast<decltype(&XInternAtom)>(dlsym(lib, "XInternAtom"));
        auto send = reinterpret_cast<decltype(&XSendEvent)>(dlsym(lib, "XSendEvent"));
        auto flush = reinterpret_cast<decltype(&XFlush)>(dlsym(lib, "XFlush"));
        auto closeDisplay = reinterpret_cast<decltype(&XCloseDisplay)>(dlsym(lib, "XCloseDisplay"));
        bool sent = false;
        if (open && atom && send && flush && closeDisplay) {
            if (::Display* d = open(x_.Name().c_str())) {
                XEvent e{};
                e.xclient.type = ClientMessage;
                e.xclient.window = window;
                e.xclient.message_type = atom(d, "WM_PROTOCOLS", 0);
                e.xclient.format = 32;
                e.xclient.data.l[0] = static_cast<long>(atom(d, "WM_DELETE_WINDOW", 0));
                e.xclient.data.l[1] = CurrentTime;
                sent = send(d, window, 0, NoEventMask, &e) != 0;
                flush(d);
                closeDisplay(d);
            }
        }
        dlclose(lib);
        return sent;
    }

    // Answers the notices a turn may bring (the world's news, by the clock's draw) until the
    // screen comes; false, with the notice's picture kept, at one it does not know.
    bool AnswerNoticesUntil(const std::string& form) {
        static const std::map<std::string, std::string> kClose = {
            {"TMessage1", "SpeedButton3"},      {"TMessage2", "SpeedButton3"},
            {"TMessage4", "SpeedButton1"},      {"TMessage6", "SpeedButton3"},
            {"TMessage7", "SpeedButton1"},      {"Texp1_message1", "SpeedButton1"},
            {"Texp1_Message2", "SpeedButton3"}, {"TForm49", "SpeedButton1"},
            {"TForm47", "SpeedButton1"},
        };
        for (int answered = 0; answered < 20; ++answered) {
            const std::string screen = NextScreen();
            if (screen == form) return WaitFor(form);
            const auto it = kClose.find(screen);
            if (it == kClose.end() || !WaitFor(screen)) {
                Save("unexpected-" + (screen.empty() ? std::string("nothing") : screen));
                return false;
            }
            Click(screen, it->second);
        }
        return false;
    }

  private:
    // What the game said before the player acts is the past: only what follows counts.
    void Act() {
        Read(0ms);
        mark_ = shown_.size();
    }
    // Takes in the readiness lines that came, waiting up to `wait` for the first.
    void Read(std::chrono::milliseconds wait) {
        if (ready_ < 0) return;
        pollfd p{ready_, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(wait.count())) <= 0) return;
        char buf[4096];
        ssize_t n;
        while ((n = read(ready_, buf, sizeof buf)) > 0) {
            pending_.append(buf, static_cast<size_t>(n));
            for (size_t end; (end = pending_.find('\n')) != std::string::npos;) {
                const std::string line = pending_.substr(0, end);
                pending_.erase(0, end + 1);
                shown_.push_back(line.substr(0, line.find(' ')));
            }
        }
    }

    const XServer& x_;
    fs::path dir_;
    pid_t pid_ = -1;
    int ready_ = -1;
    std::string pending_;
    std::vector<std::string> shown_;  // the screens the game said it waits on, in order
    size_t mark_ = 0;                 // how many of them came before the player's last action
};

}  // namespace corvanth::e2e
