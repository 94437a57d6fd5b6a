#include "ui/control.h"

#include "ui/form.h"

namespace ui {

const char* kindName(Kind kind) {
    switch (kind) {
        case Kind::Edit:
            return "Edit";
        case Kind::CheckBox:
            return "CheckBox";
        case Kind::RadioGroup:
            return "RadioGroup";
        case Kind::ScrollBar:
            return "ScrollBar";
        case Kind::Label:
            return "Label";
        case Kind::Button:
            return "Button";
        case Kind::ComboBox:
            return "ComboBox";
        case Kind::Memo:
            return "Memo";
        case Kind::Image:
            return "Image";
        case Kind::Timer:
            return "Timer";
    }
    return "?";
}

Control::Control(Form* owner, std::string name, Kind kind)
    : owner_(owner), name_(std::move(name)), kind_(kind) {
    if (owner) owner->adopt(this);
}

Control::~Control() {
    if (owner_) owner_->forget(this);
}

void Control::setBounds(Bounds bounds) {
    if (bounds_ == bounds) return;
    bounds_ = bounds;
    changed();
}

void Control::setHint(std::string hint) {
    if (hint_ == hint) return;
    hint_ = std::move(hint);
    changed();
}

void Control::setEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    changed();
}

void Control::setVisible(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    changed();
}

void Control::changed() { notifyAll(listeners_); }

void notifyAll(const std::vector<Control::Listener>& listeners) {
    // A listener may add listeners (a view made the first time its form shows); they hear
    // the next change. Each is called from a copy, as adding one may move the others.
    const std::size_t count = listeners.size();
    for (std::size_t i = 0; i < count; ++i) {
        Control::Listener listener = listeners[i];
        listener();
    }
}

}  // namespace ui
