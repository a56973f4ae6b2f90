// Screens built from their layout files.
#include "ui/form.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "ui/application.h"
#include "ui/files.h"

using nlohmann::json;

namespace ui {

namespace {

std::string& LayoutDirRef() {
    static std::string dir = "forms";
    return dir;
}

// Reads one property; records a problem when it has the wrong type.
class Reader {
  public:
    Reader(const json& j, std::vector<std::string>& problems, std::string where)
        : j_(j), problems_(problems), where_(std::move(where)) {}

    template <class T>
    void Get(const char* key, T& out) {
        used_.insert(key);
        auto it = j_.find(key);
        if (it == j_.end()) return;
        if constexpr (std::is_same_v<T, int>) {
            GetInt(key, *it, out);
            return;
        }
        try {
            out = it->get<T>();
        } catch (const json::exception&) {
            problems_.push_back(where_ + ": bad value for \"" + key + "\"");
        }
    }
    // Numbers are clamped to what a 1024 x 768 canvas can use: a huge size or position would
    // make the painter walk it row by row.
    void GetInt(const char* key, const json& value, int& out) {
        static const std::map<std::string, std::pair<int64_t, int64_t>> kRanges = {
            {"left", {-2048, 2048}},   {"top", {-2048, 2048}},     {"width", {0, 2048}},
            {"height", {0, 2048}},     {"size", {1, 200}},         {"penWidth", {0, 64}},
            {"maxLength", {0, 65536}}, {"interval", {0, 86400000}}};
        auto range = std::pair<int64_t, int64_t>(INT32_MIN, INT32_MAX);
        if (auto r = kRanges.find(key); r != kRanges.end()) range = r->second;
        // Through a double, which holds every int64 closely enough to clamp it.
        double d = 0;
        if (value.is_number_unsigned()) {
            d = static_cast<double>(value.get<uint64_t>());
        } else if (value.is_number_integer()) {
            d = static_cast<double>(value.get<int64_t>());
        } else if (value.is_number_float()) {
            d = value.get<double>();
        } else {
            problems_.push_back(where_ + ": bad value for \"" + key + "\"");
            return;
        }
        const auto low = static_cast<double>(range.first), high = static_cast<double>(range.second);
        if (d < low || d > high)
            problems_.push_back(where_ + ": \"" + key + "\" out of range, clamped");
        out = static_cast<int>(std::clamp(d, low, high));
    }
    void GetColor(const char* key, Color& out) {
        std::string text;
        used_.insert(key);
        auto it = j_.find(key);
        if (it == j_.end()) return;
        if (it->is_number_integer()) {
            out = ColorFromValue(it->get<int32_t>());
            return;
        }
        if (it->is_string()) text = it->get<std::string>();
        if (auto c = ParseColor(text)) {
            out = *c;
        } else {
            problems_.push_back(where_ + ": unknown colour for \"" + key + "\"");
        }
    }
    template <class E>
    void GetEnum(const char* key, E& out, const std::map<std::string, E>& names) {
        std::string text;
        Get(key, text);
        if (text.empty()) return;
        if (auto it = names.find(text); it != names.end()) {
            out = it->second;
        } else {
            problems_.push_back(where_ + ": unknown value \"" + text + "\" for \"" + key + "\"");
        }
    }
    void Font(ui::Font& font) {
        used_.insert("font");
        auto it = j_.find("font");
        if (it == j_.end()) return;
        Reader f(*it, problems_, where_ + ".font");
        f.Get("name", font.name);
        f.Get("size", font.size);
        f.GetColor("color", font.color);
        f.Get("bold", font.bold);
        f.Get("italic", font.italic);
        f.Get("fixedPitch", font.fixedPitch);
        f.ReportUnknown();
    }
    void Use(const char* key) { used_.insert(key); }
    void ReportUnknown() {
        if (!j_.is_object()) return;
        for (auto it = j_.begin(); it != j_.end(); ++it)
            if (!used_.count(it.key()))
                problems_.push_back(where_ + ": unknown key \"" + it.key() + "\"");
    }

  private:
    const json& j_;
    std::vector<std::string>& problems_;
    std::string where_;
    std::set<std::string> used_;
};

void ReadProperties(Component& c, Reader& r) {
    r.Get("left", c.left);
    r.Get("top", c.top);
    r.Get("width", c.width);
    r.Get("height", c.height);
    r.Get("visible", c.visible);
    r.Get("enabled", c.enabled);
    r.Get("topOnly", c.topOnly);
    r.Get("caption", c.caption);
    r.Get("hint", c.hint);
    r.GetColor("color", c.color);
    r.Font(c.font);
    switch (c.kind()) {
        case Kind::Label: {
            auto& l = static_cast<Label&>(c);
            r.Get("wordWrap", l.wordWrap);
            r.Get("transparent", l.transparent);
            r.Get("centerVertically", l.centerVertically);
            r.GetEnum("alignment", l.alignment,
                      {{"left", Align::Left}, {"center", Align::Center}, {"right", Align::Right}});
            break;
        }
        case Kind::Image: {
            auto& i = static_cast<Image&>(c);
            r.Get("picture", i.picture);
            r.Get("stretch", i.stretch);
            r.Get("center", i.center);
            r.Get("transparent", i.transparent);
            r.Get("proportional", i.proportional);
            break;
        }
        case Kind::SpeedButton:
        case Kind::Button:
            r.Get("flat", static_cast<SpeedButton&>(c).flat);
            break;
        case Kind::Panel: {
            auto& p = static_cast<Panel&>(c);
            r.GetEnum(
                "bevel", p.bevel,
                {{"none", Bevel::None}, {"raised", Bevel::Raised}, {"lowered", Bevel::Lowered}});
            r.GetColor("borderColor", p.borderColor);
            r.Get("transparent", p.transparent);
            break;
        }
        case Kind::Shape: {
            auto& s = static_cast<Shape&>(c);
            r.GetEnum("shape", s.shape,
                      {{"rectangle", ShapeKind::Rectangle},
                       {"roundRect", ShapeKind::RoundRect},
                       {"circle", ShapeKind::Circle},
                       {"ellipse", ShapeKind::Ellipse},
                       {"line", ShapeKind::Line},
                       {"risingLine", ShapeKind::RisingLine}});
            r.GetColor("brush", s.brushColor);
            r.Get("brushClear", s.brushClear);
            r.GetColor("pen", s.penColor);
            r.Get("penWidth", s.penWidth);
            break;
        }
        case Kind::CheckBox:
            r.Get("checked", static_cast<CheckBox&>(c).checked);
            break;
        case Kind::RadioButton: {
            bool checked = false;
            r.Get("checked", checked);
            if (checked) static_cast<RadioButton&>(c).SetChecked(true);
            break;
        }
        case Kind::Edit:
        case Kind::SpinEdit: {
            auto& e = static_cast<Edit&>(c);
            std::string text;
            r.Get("text", text);
            e.SetText(text);
            r.Get("maxLength", e.maxLength);
            r.Get("readOnly", e.readOnly);
            if (c.kind() == Kind::SpinEdit) {
                auto& s = static_cast<SpinEdit&>(c);
                r.Get("min", s.minValue);
                r.Get("max", s.maxValue);
                r.Get("increment", s.increment);
            }
            break;
        }
        case Kind::ListBox: {
            auto& l = static_cast<ListBox&>(c);
            r.Get("items", l.items);
            r.GetColor("selectedColor", l.selectedColor);
            r.GetColor("selectedTextColor", l.selectedTextColor);
            break;
        }
        case Kind::ComboBox:
            r.Get("items", static_cast<ComboBox&>(c).items);
            break;
        case Kind::Memo: {
            auto& m = static_cast<Memo&>(c);
            r.Get("lines", m.lines);
            r.Get("readOnly", m.readOnly);
            r.Get("wordWrap", m.wordWrap);
            r.GetEnum("scrollBars", m.scrollBars,
                      {{"none", ScrollBars::None},
                       {"vertical", ScrollBars::Vertical},
                       {"horizontal", ScrollBars::Horizontal},
                       {"both", ScrollBars::Both}});
            break;
        }
        case Kind::ProgressBar:
        case Kind::ScrollBar: {
            auto& bar = static_cast<RangeBar&>(c);
            int min = 0, max = 100, pos = 0;
            r.Get("min", min);
            r.Get("max", max);
            r.Get("position", pos);
            r.Get("vertical", bar.vertical);
            bar.SetRange(min, max);
            bar.SetPosition(pos);
            if (c.kind() == Kind::ProgressBar) {
                r.GetColor("barColor", static_cast<ProgressBar&>(c).barColor);
            } else {
                r.Get("smallChange", static_cast<ScrollBar&>(c).smallChange);
                r.Get("largeChange", static_cast<ScrollBar&>(c).largeChange);
            }
            break;
        }
        case Kind::UpDown: {
            auto& u = static_cast<UpDown&>(c);
            r.Get("min", u.minValue);
            r.Get("max", u.maxValue);
            r.Get("position", u.position);
            break;
        }
        case Kind::Timer: {
            // A timer's "enabled" is whether it runs; the toolkit's timers run unless told not to.
            auto& t = static_cast<Timer&>(c);
            int interval = t.Interval();
            r.Get("interval", interval);
            t.SetInterval(interval);
            t.SetEnabled(c.enabled);
            c.visible = false;
            break;
        }
        case Kind::MediaPlayer:
            r.Get("fileName", static_cast<MediaPlayer&>(c).fileName);
            c.visible = false;
            break;
        case Kind::GroupBox:
            break;
    }
}

}  // namespace

void SetLayoutDir(const std::string& dir) {
    LayoutDirRef() = dir;
}
const std::string& LayoutDir() {
    return LayoutDirRef();
}

Form::Form(std::string className) : className_(std::move(className)) {
    LoadLayout();
}

Form::~Form() = default;

Component* Form::Find(const std::string& name) const {
    for (const auto& c : components_)
        if (c->Name() == name) return c.get();
    return nullptr;
}

Component* Form::MakeComponent(const std::string& kind, const std::string& name) {
    static const std::map<std::string,
                          std::function<std::unique_ptr<Component>(Form&, std::string)>>
        makers = {
            {"Label", [](Form& f, std::string n) { return std::make_unique<Label>(f, n); }},
            {"Image", [](Form& f, std::string n) { return std::make_unique<Image>(f, n); }},
            {"SpeedButton",
             [](Form& f, std::string n) { return std::make_unique<SpeedButton>(f, n); }},
            {"Button", [](Form& f, std::string n) { return std::make_unique<Button>(f, n); }},
            {"Panel", [](Form& f, std::string n) { return std::make_unique<Panel>(f, n); }},
            {"Shape", [](Form& f, std::string n) { return std::make_unique<Shape>(f, n); }},
            {"GroupBox", [](Form& f, std::string n) { return std::make_unique<GroupBox>(f, n); }},
            {"CheckBox", [](Form& f, std::string n) { return std::make_unique<CheckBox>(f, n); }},
            {"RadioButton",
             [](Form& f, std::string n) { return std::make_unique<RadioButton>(f, n); }},
            {"Edit", [](Form& f, std::string n) { return std::make_unique<Edit>(f, n); }},
            {"SpinEdit", [](Form& f, std::string n) { return std::make_unique<SpinEdit>(f, n); }},
            {"ListBox", [](Form& f, std::string n) { return std::make_unique<ListBox>(f, n); }},
            {"ComboBox", [](Form& f, std::string n) { return std::make_unique<ComboBox>(f, n); }},
            {"Memo", [](Form& f, std::string n) { return std::make_unique<Memo>(f, n); }},
            {"ProgressBar",
             [](Form& f, std::string n) { return std::make_unique<ProgressBar>(f, n); }},
            {"ScrollBar", [](Form& f, std::string n) { return std::make_unique<ScrollBar>(f, n); }},
            {"UpDown", [](Form& f, std::string n) { return std::make_unique<UpDown>(f, n); }},
            {"Timer", [](Form& f, std::string n) { return std::make_unique<Timer>(f, n); }},
            {"MediaPlayer",
             [](Form& f, std::string n) { return std::make_unique<MediaPlayer>(f, n); }},
        };
    auto it = makers.find(kind);
    if (it == makers.end()) return nullptr;
    components_.push_back(it->second(*this, name));
    return components_.back().get();
}

void Form::Adopt(Component* parent, Component* child) {
    child->parent_ = parent;
    if (parent) {
        parent->children_.push_back(child);
    } else {
        roots_.push_back(child);
    }
}

void Form::LoadLayout() {
    const std::string file = LayoutDir() + "/" + className_ + ".json";
    auto path = FindFile(file);
    if (!path) {
        // A pipe, a folder or a device of that name is said to be there, but not read.
        std::error_code ec;
        const bool other = std::filesystem::exists(file, ec);
        problems_.push_back(other ? file + " is not a regular file" : "no layout file " + file);
        return;
    }
    // A layout larger than this is no screen of the game.
    constexpr size_t kMaxLayoutBytes = 4 << 20;
    const auto bytes = ReadRegularFile(*path, kMaxLayoutBytes);
    if (!bytes) {
        problems_.push_back("cannot read the layout file " + file);
        return;
    }
    json doc;
    try {
        doc = json::parse(*bytes);
    } catch (const json::exception& e) {
        problems_.push_back(file + ": " + e.what());
        return;
    }
    if (!doc.is_object()) {
        problems_.push_back(file + ": not a layout object");
        return;
    }
    Reader top(doc, problems_, className_);
    std::string cls;
    top.Get("class", cls);
    if (cls != className_) problems_.push_back(file + " names class \"" + cls + "\"");
    top.Get("width", width);
    top.Get("height", height);
    top.GetColor("color", color);
    top.Get("closeBox", closeBox);
    top.Use("components");
    top.ReportUnknown();
    if (width > kCanvasWidth || height > kCanvasHeight)
        problems_.push_back(className_ + " is larger than the 1024 x 768 canvas");

    std::set<std::string> names;
    // Deeper nesting than any screen needs is refused before it can exhaust the stack.
    constexpr int kMaxDepth = 32;
    std::function<void(const json&, Component*, int)> load = [&](const json& list,
                                                                 Component* parent, int depth) {
        if (!list.is_array()) return;
        if (depth > kMaxDepth) {
            problems_.push_back(className_ + ": components nested deeper than " +
                                std::to_string(kMaxDepth) + " levels are left out");
            return;
        }
        for (const auto& item : list) {
            const auto text = [&item](const char* key) {
                auto it = item.find(key);
                return it != item.end() && it->is_string() ? it->get<std::string>() : std::string();
            };
            if (!item.is_object()) {
                problems_.push_back(className_ + ": a component that is not an object");
                continue;
            }
            std::string kind = text("kind"), name = text("name");
            const std::string where = className_ + "." + name;
            if (name.empty() || !names.insert(name).second) {
                problems_.push_back(where + ": missing or duplicate name");
                continue;
            }
            Component* c = MakeComponent(kind, name);
            if (!c) {
                problems_.push_back(where + ": unknown kind \"" + kind + "\"");
                continue;
            }
            Adopt(parent, c);
            Reader r(item, problems_, where);
            r.Use("kind");
            r.Use("name");
            r.Use("children");
            r.Use("comment");
            ReadProperties(*c, r);
            r.ReportUnknown();
            bool inside = parent ? parent->Contains(*c)
                                 : (c->left >= 0 && c->top >= 0 && c->left + c->width <= width &&
                                    c->top + c->height <= height);
            if (!inside && c->kind() != Kind::Timer && c->kind() != Kind::MediaPlayer)
                problems_.push_back(where + " lies outside its parent");
            if (auto ch = item.find("children"); ch != item.end()) load(*ch, c, depth + 1);
        }
    };
    if (auto it = doc.find("components"); it != doc.end()) load(*it, nullptr, 0);
}

int Form::ShowModal() {
    return App().ShowModal(*this);
}

bool Form::IsModal() const {
    const auto& stack = App().ModalStack();
    return std::find(stack.begin(), stack.end(), this) != stack.end();
}

void Form::Close() {
    if (!visible_ || closing_) return;
    if (!CloseQuery()) return;
    closing_ = true;
    App().MarkDirty();
}

void Form::Hide() {
    if (!visible_) return;
    // Out of the picture at once, also while screens opened above it still run; its own loop
    // ends when control comes back to it.
    visible_ = false;
    closing_ = true;
    App().MarkDirty();
    FormHide();
}

}  // namespace ui
