// Toolkit-neutral control models. A window or wizard page holds these as named members;
// the logic reads and writes them, and a view (the Qt binding, a test, the command line)
// listens to their change notifications.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class Form;

// A place on the owner's client area in pixels, for controls that stand at a fixed spot.
struct Bounds {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Bounds&) const = default;
};

enum class Kind {
    Edit,
    CheckBox,
    RadioGroup,
    ScrollBar,
    Label,
    Button,
    ComboBox,
    Memo,
    Image,
    Timer
};

const char* kindName(Kind kind);

class Control {
public:
    using Listener = std::function<void()>;

    Control(Form* owner, std::string name, Kind kind);
    // A control that a form's control table names and places (Form::declare).
    explicit Control(Kind kind) : Control(nullptr, {}, kind) {}
    // A control made at run time leaves its owner's registry when it is destroyed.
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Kind kind() const { return kind_; }

    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    bool visible() const { return visible_; }
    void setVisible(bool on);
    // Unset for controls that the view lays out by itself.
    const std::optional<Bounds>& bounds() const { return bounds_; }
    void setBounds(Bounds bounds);
    // A short text the view shows when the pointer rests on the control (its tooltip).
    const std::string& hint() const { return hint_; }
    void setHint(std::string hint);

    // A view registers here; it is told after every change of the model.
    void addListener(Listener listener) { listeners_.push_back(std::move(listener)); }

protected:
    void changed();

private:
    friend class Form;
    Form* owner_;
    std::string name_;
    Kind kind_;
    bool enabled_ = true;
    bool visible_ = true;
    std::optional<Bounds> bounds_;
    std::string hint_;
    std::vector<Listener> listeners_;
};

// Tells every listener registered so far.
void notifyAll(const std::vector<Control::Listener>& listeners);

}  // namespace ui
