// The components a screen is built from: labels, images, buttons, panels, lists, timers ...
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui/color.h"

namespace ui {

class Form;

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool Contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
    bool Holds(const Rect& inner) const {
        return x <= inner.x && y <= inner.y && x + w >= inner.x + inner.w &&
               y + h >= inner.y + inner.h;
    }
};

struct Font {
    std::string name = "DejaVu Sans";
    int size = 10;  // points, as the layouts give them
    Color color = colors::White;
    bool bold = false;
    bool italic = false;
    bool fixedPitch = false;
};

enum class Kind {
    Label,
    Image,
    SpeedButton,
    Button,
    Panel,
    Shape,
    GroupBox,
    CheckBox,
    RadioButton,
    Edit,
    SpinEdit,
    ListBox,
    ComboBox,
    Memo,
    ProgressBar,
    ScrollBar,
    UpDown,
    Timer,
    MediaPlayer,
};

const char* KindName(Kind kind);

enum class Align { Left, Center, Right };

// Keys as the screens see them: printable characters by their code, the rest below.
namespace keys {
inline constexpr int Backspace = 8;
inline constexpr int Tab = 9;
inline constexpr int Enter = 13;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int Delete = 127;
inline constexpr int Left = 0x1001;
inline constexpr int Right = 0x1002;
inline constexpr int Up = 0x1003;
inline constexpr int Down = 0x1004;
inline constexpr int Home = 0x1005;
inline constexpr int End = 0x1006;
inline constexpr int Other = 0x10ff;
}  // namespace keys

class Component {
  public:
    Component(Kind kind, Form& owner, std::string name);
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    Kind kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    Form& Owner() const { return owner_; }
    Component* Parent() const { return parent_; }
    const std::vector<Component*>& Children() const { return children_; }

    int left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    bool enabled = true;
    // Drawn only while its screen is on top: a pointer for the screen the player works in, which
    // must not show around a smaller screen above it.
    bool topOnly = false;
    std::string caption;
    // A short text shown beside the pointer when it rests on the component ("" for none).
    std::string hint;
    Color color = colors::Black;
    Font font;

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(int x, int y)> OnMouseDown;  // position inside the component

    // The component's rectangle on its screen.
    Rect ScreenRect() const;
    // Visible itself and inside visible parents: what the player can see.
    bool Showing() const;
    // Enabled itself and inside enabled parents: what the player can use.
    bool Usable() const;

    // A click of the player at (x, y) inside the component; clicks is 2 for a double click.
    virtual void Click(int x, int y, int clicks);
    virtual void MouseDown(int x, int y);
    // The pointer moved with the button held after a press on this component, and let go.
    virtual void MouseDrag(int /*x*/, int /*y*/) {}
    virtual void MouseRelease() {}
    virtual void Wheel(int /*steps*/) {}
    // Frames, shapes, and pictures or texts without a handler: they only decorate, so the
    // wheel and clicks reach the memo or list below them.
    bool Decorative() const;
    virtual bool TakesFocus() const { return false; }
    virtual void KeyDown(int /*key*/) {}
    virtual void TextInput(const std::string& /*utf8*/) {}
    // The texts the component shows, for the scripted player's records.
    virtual std::string ShownText() const { return caption; }
    // Whether a child at (x, y, w, h) belongs inside this component's area.
    virtual bool Contains(const Component& child) const;

  private:
    friend class Form;
    Kind kind_;
    Form& owner_;
    std::string name_;
    Component* parent_ = nullptr;
    std::vector<Component*> children_;
};

class Label : public Component {
  public:
    Label(Form& f, std::string n) : Component(Kind::Label, f, std::move(n)) { transparent = true; }
    bool wordWrap = false;
    bool transparent = true;
    bool centerVertically = false;
    Align alignment = Align::Left;
};

class Image : public Component {
  public:
    Image(Form& f, std::string n) : Component(Kind::Image, f, std::move(n)) {}
    std::string picture;  // JPEG file name in the working directory; empty shows nothing
    bool stretch = false;
    bool center = false;
    // The colour of the picture's bottom-left pixel is left out: what lies below shows there.
    bool transparent = false;
    // Stretched into a box of another shape: whole, not cut to the box.
    bool proportional = false;
    void LoadPicture(const std::string& name) { picture = name; }
    std::string ShownText() const override { return {}; }
};

class SpeedButton : public Component {
  public:
    SpeedButton(Form& f, std::string n, Kind k = Kind::SpeedButton)
        : Component(k, f, std::move(n)) {}
    bool flat = true;
    // The caption as drawn: "&&" is a literal "&", a single "&" marks a shortcut and is not shown.
    std::string DisplayCaption() const;
    std::string ShownText() const override { return DisplayCaption(); }
};

class Button : public SpeedButton {
  public:
    Button(Form& f, std::string n) : SpeedButton(f, std::move(n), Kind::Button) {}
};

enum class Bevel { None, Raised, Lowered };

class Panel : public Component {
  public:
    Panel(Form& f, std::string n) : Component(Kind::Panel, f, std::move(n)) {}
    Bevel bevel = Bevel::None;
    Color borderColor = colors::Gray;
    bool transparent = false;
};

// A line runs corner to corner of its rectangle: falling from top-left to bottom-right, or
// rising from bottom-left to top-right.
enum class ShapeKind { Rectangle, RoundRect, Circle, Ellipse, Line, RisingLine };

class Shape : public Component {
  public:
    Shape(Form& f, std::string n) : Component(Kind::Shape, f, std::move(n)) {}
    ShapeKind shape = ShapeKind::Rectangle;
    Color brushColor = colors::White;
    bool brushClear = false;
    Color penColor = colors::Black;
    int penWidth = 1;
};

class GroupBox : public Component {
  public:
    GroupBox(Form& f, std::string n) : Component(Kind::GroupBox, f, std::move(n)) {}
};

class CheckBox : public Component {
  public:
    CheckBox(Form& f, std::string n) : Component(Kind::CheckBox, f, std::move(n)) {}
    bool checked = false;
    void Click(int x, int y, int clicks) override;
    std::string ShownText() const override { return (checked ? "[x] " : "[ ] ") + caption; }
};

class RadioButton : public Component {
  public:
    RadioButton(Form& f, std::string n) : Component(Kind::RadioButton, f, std::move(n)) {}
    bool Checked() const { return checked_; }
    // Ticks this button and unticks the others of the same parent.
    void SetChecked(bool value);
    void Click(int x, int y, int clicks) override;
    std::string ShownText() const override { return (checked_ ? "(o) " : "( ) ") + caption; }

  private:
    bool checked_ = false;
};

class Edit : public Component {
  public:
    Edit(Form& f, std::string n, Kind k = Kind::Edit) : Component(k, f, std::move(n)) {
        color = colors::White;
        font.color = colors::Black;
    }
    const std::string& Text() const { return text_; }
    // Text set by the program: no change event, so handlers never loop on their own writes.
    void SetText(const std::string& text);
    // Text typed by the player: cut to maxLength characters, then the change event.
    void PlayerSetText(const std::string& text);
    int maxLength = 0;  // characters; 0 is no limit
    bool readOnly = false;
    std::function<void()> OnChange;

    void Click(int x, int y, int clicks) override;
    bool TakesFocus() const override { return !readOnly; }
    void KeyDown(int key) override;
    void TextInput(const std::string& utf8) override;
    std::string ShownText() const override { return text_; }
    // The caret stays after the last character; a text wider than the box scrolls left by
    // ScrollOffset() pixels so the caret, at CaretX() inside the box, stays in view.
    static constexpr int kMargin = 4;
    int TextAreaWidth() const;
    int ScrollOffset() const;
    int CaretX() const;

  protected:
    std::string text_;
};

class SpinEdit : public Edit {
  public:
    SpinEdit(Form& f, std::string n) : Edit(f, std::move(n), Kind::SpinEdit) {}
    int minValue = 0, maxValue = 0;  // both 0: no limits
    int increment = 1;
    // The whole number in the box, or `fallback` when the text is none.
    int Value(int fallback = 0) const;
    void SetValue(int value);
    void Click(int x, int y, int clicks) override;  // the arrows at the right edge step the value
    void KeyDown(int key) override;
};

// A scroll bar's parts and what a press on them asks for, wherever the bar stands: a bar of its
// own on a screen, or the one beside the rows of a list or the lines of a memo. An arrow at each
// end steps by smallChange; between them lies the track, where a press beside the thumb pages by
// largeChange and the thumb itself is dragged. The thumb is as long against the track as `page`
// is against the whole range with it, never shorter than the bar is thick.
struct ScrollTrack {
    int min = 0, max = 0, position = 0;
    int smallChange = 1, largeChange = 1;
    int page = 1;
    bool vertical = true;
    int length = 0, thickness = 0;  // along and across, in pixels

    // Something to move: the arrows work and the thumb shows.
    bool Moves() const { return max > min; }
    int ArrowLength() const;
    // The thumb where it stands at `at`, inside the bar.
    Rect ThumbRectAt(int at) const;
    Rect ThumbRect() const { return ThumbRectAt(position); }
    // A press `along` pixels from the first end: the position it moves to. On the thumb the
    // position stays and `grip` becomes where in the thumb it is held; elsewhere -1.
    int Press(int along, int& grip) const;
    // The thumb held at `grip`, the pointer `along` pixels from the first end: the position it
    // stands for.
    int Drag(int along, int grip) const;
    // The vertical bar `bar` beside `total` rows of which `shown` are in sight from `first`: a
    // page keeps its last row in sight, as the row to go on reading from.
    static ScrollTrack OfRows(int total, int shown, int first, const Rect& bar);
};

// A list or a memo whose rows can run past its box: a vertical scroll bar at its right edge, the
// one the screens' own scroll bars are, moves them. The rows keep clear of it.
class ScrollBox : public Component {
  public:
    static constexpr int kBarWidth = 16;
    // The rows the box holds, how many it shows at once and the first one in sight.
    struct Rows {
        int total = 0, shown = 1, first = 0;
    };
    virtual Rows RowsInSight() const = 0;
    virtual bool BarShown() const = 0;
    // The bar inside the box, empty while it shows none; and its workings.
    Rect BarRect() const;
    ScrollTrack Track() const;
    // The first row in sight, kept so that the box is never scrolled past its last row.
    virtual void ScrollTo(int first) = 0;
    void MouseDown(int x, int y) override;
    void MouseDrag(int x, int y) override;
    void MouseRelease() override { grip_ = -1; }
    // A click on the bar, or after a press on it, clicks nothing in the box.
    void Click(int x, int y, int clicks) final;

  protected:
    ScrollBox(Kind k, Form& f, std::string n) : Component(k, f, std::move(n)) {}
    int BarWidth() const { return BarShown() ? kBarWidth : 0; }
    virtual void ClickInside(int x, int y, int clicks) { Component::Click(x, y, clicks); }

  private:
    bool OnBar(int x) const { return BarShown() && x >= width - kBarWidth; }
    int grip_ = -1;          // where in the thumb the player holds it, while dragging
    bool barPress_ = false;  // the last press was on the bar
};

// A list shows a scroll bar while its rows do not all fit.
class ListBox : public ScrollBox {
  public:
    ListBox(Form& f, std::string n) : ScrollBox(Kind::ListBox, f, std::move(n)) {
        color = colors::White;
        font.color = colors::Black;
    }
    std::vector<std::string> items;
    int ItemIndex() const { return itemIndex_; }
    // -1 or a row; anything else selects nothing.
    void SetItemIndex(int index);
    void Clear() {
        items.clear();
        itemIndex_ = -1;
        topIndex = 0;
    }
    int topIndex = 0;
    int ItemHeight() const;
    int VisibleRows() const;
    // The width of a row, left of the bar when there is one.
    int RowWidth() const { return width - 4 - BarWidth(); }
    Color selectedColor = colors::Navy;
    Color selectedTextColor = colors::White;

    Rows RowsInSight() const override;
    bool BarShown() const override { return static_cast<int>(items.size()) > VisibleRows(); }
    void ScrollTo(int first) override;
    void Wheel(int steps) override;
    std::string ShownText() const override;

  protected:
    // A click below the last row selects nothing (index -1) and still reports the click.
    void ClickInside(int x, int y, int clicks) override;

  private:
    int itemIndex_ = -1;
};

class ComboBox : public Component {
  public:
    ComboBox(Form& f, std::string n) : Component(Kind::ComboBox, f, std::move(n)) {
        color = colors::White;
        font.color = colors::Black;
    }
    std::vector<std::string> items;
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    void Clear() {
        items.clear();
        itemIndex_ = -1;
        CloseList();
    }
    std::function<void()> OnChange;

    // The open list lies over everything else on its screen: below the box, or above it where
    // the screen ends first. It shows up to kListRows rows from `listTop`; `listHot` is the row
    // under the pointer or the arrow keys.
    static constexpr int kListRows = 8;
    bool Dropped() const { return dropped_; }
    void OpenList();
    void CloseList();
    int listTop = 0;
    int listHot = -1;
    int RowHeight() const;
    int ListRows() const;
    // The open list on its screen.
    Rect DropRect() const;
    // The row at a point of the screen inside the open list; -1 for none.
    int ListRowAt(int x, int y) const;
    // Where a row stands on the screen while the list is open (scrolled into view first).
    Rect ListRowRect(int row);
    // The open list's scroll bar on the screen, while it holds more rows than it shows (else
    // empty), and its workings; rows keep clear of it.
    Rect ListBarRect() const;
    ScrollTrack ListTrack() const;
    // The keys of the open list: Up and Down move, Return chooses, Escape closes it; true when
    // the list took the key.
    bool ListKey(int key);
    // A click on the box opens or closes the list; one on the open list's bar only scrolls.
    void Click(int x, int y, int clicks) override;
    // The press, drag and release of the open list's bar, at points relative to the box.
    void MouseDown(int x, int y) override;
    void MouseDrag(int x, int y) override;
    void MouseRelease() override { listGrip_ = -1; }
    // The wheel scrolls the open list.
    void Wheel(int steps) override;
    // The player's choice of a row: the list closes and the change event follows.
    void PlayerSelect(int index);
    std::string ShownText() const override;

  private:
    void ShowRow(int row);
    // The point of the screen at (x, y) of the box lies on the open list's bar.
    bool OnListBar(int x, int y) const;
    int itemIndex_ = -1;
    bool dropped_ = false;
    int listGrip_ = -1;
    bool barPress_ = false;
};

enum class ScrollBars { None, Vertical, Horizontal, Both };

// A memo with a scroll bar shows it always, greyed while the whole text fits.
class Memo : public ScrollBox {
  public:
    Memo(Form& f, std::string n) : ScrollBox(Kind::Memo, f, std::move(n)) {
        color = colors::White;
        font.color = colors::Black;
    }
    std::vector<std::string> lines;
    bool readOnly = true;
    bool wordWrap = true;
    ScrollBars scrollBars = ScrollBars::None;
    int topLine = 0;  // first wrapped line shown
    // The text as shown: broken to the width left beside the scroll bar, a word wider than that
    // where the width ends. Wrapped again only when the text, the width or the font changed: a
    // long text is not re-wrapped every frame.
    const std::vector<std::string>& WrappedLines() const;
    int LineHeight() const;
    int VisibleRows() const;
    int MaxTopLine() const;
    // The thumb inside the memo; empty while the whole text fits.
    Rect ThumbRect() const;
    // Lines of a text file (Windows-1252); a missing file leaves the memo empty.
    void LoadFromFile(const std::string& name);
    std::string Text() const;
    void SetText(const std::string& text);
    void Clear() {
        lines.clear();
        topLine = 0;
    }
    Rows RowsInSight() const override;
    bool BarShown() const override { return scrollBars != ScrollBars::None; }
    void ScrollTo(int line) override;
    void Wheel(int steps) override;
    std::string ShownText() const override { return Text(); }

  private:
    struct Wrapped {
        bool valid = false;
        std::vector<std::string> source;
        int width = 0;
        const void* font = nullptr;
        bool wordWrap = false;
        std::vector<std::string> lines;
    };
    mutable Wrapped wrapped_;
};

// A bar with a position inside a range: the progress bar and the scroll bar.
class RangeBar : public Component {
  public:
    RangeBar(Kind k, Form& f, std::string n) : Component(k, f, std::move(n)) {}
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    void SetRange(int min, int max);
    // Set by the program: clamped to the range, no change event.
    void SetPosition(int position);
    bool vertical = false;
    std::string ShownText() const override { return std::to_string(position_); }

  private:
    int min_ = 0, max_ = 100, position_ = 0;
};

class ProgressBar : public RangeBar {
  public:
    ProgressBar(Form& f, std::string n) : RangeBar(Kind::ProgressBar, f, std::move(n)) {}
    Color barColor = Color{40, 120, 220};
};

class ScrollBar : public RangeBar {
  public:
    ScrollBar(Form& f, std::string n) : RangeBar(Kind::ScrollBar, f, std::move(n)) {}
    // Moved by the player: clamped, then the change event if it moved.
    void PlayerSetPosition(int position);
    int smallChange = 1, largeChange = 1;
    std::function<void()> OnChange;
    // Its arrows, track and thumb (ScrollTrack), a page as long as largeChange.
    ScrollTrack Track() const;
    int ArrowLength() const { return Track().ArrowLength(); }
    Rect ThumbRectAt(int position) const { return Track().ThumbRectAt(position); }
    Rect ThumbRect() const { return ThumbRectAt(Position()); }
    // Everything happens on the press, as each press of a double click steps again.
    void MouseDown(int x, int y) override;
    void MouseDrag(int x, int y) override;
    void MouseRelease() override { dragFrom_ = -1; }
    void Click(int, int, int) override {}
    void Wheel(int steps) override;

  private:
    int dragFrom_ = -1;  // where in the thumb the player holds it, while dragging
};

class UpDown : public Component {
  public:
    UpDown(Form& f, std::string n) : Component(Kind::UpDown, f, std::move(n)) {}
    int minValue = 0, maxValue = 100, position = 0;
    // Fires before a step; the handler reads the direction.
    std::function<void(bool up)> OnChanging;
    void Click(int x, int y, int clicks) override;
    std::string ShownText() const override { return {}; }
};

class Timer : public Component {
  public:
    Timer(Form& f, std::string n);
    ~Timer() override;
    bool Enabled() const { return enabled_; }
    int Interval() const { return interval_; }
    // Switching a timer on, or changing its interval, starts its countdown afresh.
    void SetEnabled(bool on);
    void SetInterval(int ms);
    std::function<void()> OnTimer;
    std::string ShownText() const override { return {}; }

  private:
    friend class Application;
    bool enabled_ = false;
    int interval_ = 1000;
    uint64_t due_ = 0;
    bool running_ = false;  // inside its own handler: a tick never re-enters itself
};

class MediaPlayer : public Component {
  public:
    MediaPlayer(Form& f, std::string n);
    ~MediaPlayer() override;
    std::string fileName;
    // Opening a missing or unplayable file leaves the player silent; nothing is raised.
    void Open();
    void Play();
    void Stop();
    void Rewind();
    void Close();
    bool IsOpen() const { return open_; }
    std::string ShownText() const override { return {}; }

  private:
    bool open_ = false;
    int handle_ = -1;  // the sound layer's handle of the loaded file
};

// Where a component's caption text stands on the screen, laid out as the painter draws it; an
// empty rectangle when it shows none or no font can be found (ui/fonts.cpp).
Rect CaptionRect(const Component& c);
// A label's caption in the lines the painter draws it in.
std::vector<std::string> CaptionLines(const Label& label);
// How wide a text is drawn in a font, in pixels (0 without a font).
int TextWidth(const std::string& text, const Font& font);

}  // namespace ui
