#include "ui/form.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

Form::Form(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

Control* Form::find(const std::string& name) const {
    for (Control* c : controls_)
        if (c->name() == name) return c;
    return nullptr;
}

void Form::declare(std::vector<Row> rows) {
    for (Row& row : rows) place(row);
}

void Form::place(Row& row) {
    Control* c = row.control_;
    auto fault = [&](const std::string& why) {
        throw std::logic_error(name_ + ": control table: " + why);
    };
    if (!row.key_.empty()) {
        if (c->owner_) fault(row.key_ + " declared twice");
        if (find(row.key_)) fault(row.key_ + " names two controls");
        c->owner_ = this;
        c->name_ = std::move(row.key_);
        row.define_();
        adopt(c);
    } else if (c->owner_ != this) {
        fault("a control placed before it was declared");
    }
    // moves c right after the anchor in one of the orders
    auto moveAfter = [&](std::vector<Control*>& order, const Control* anchor) {
        if (!anchor) return;
        if (anchor == c || std::find(order.begin(), order.end(), anchor) == order.end())
            fault(c->name() + " placed after a control that is not the form's");
        std::erase(order, c);
        order.insert(std::find(order.begin(), order.end(), anchor) + 1, c);
    };
    moveAfter(controls_, row.listedAfter_);
    // a control listed elsewhere is shown there too, unless its row says otherwise
    moveAfter(layout_, row.shownAfter_ ? row.shownAfter_ : row.listedAfter_);
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
