#include "ui/form.h"

namespace ui {

Form::Form(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

Control* Form::find(const std::string& name) const {
    for (Control* c : controls_)
        if (c->name() == name) return c;
    return nullptr;
}

void Form::controlsChanged() { notifyAll(controlsListeners_); }

void Form::setVisible(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    notifyAll(visibilityListeners_);
}

void Form::present() {
    setVisible(true);
    notifyAll(presentListeners_);
}

}  // namespace ui
