#include "ui/form.h"

#include <algorithm>
#include <set>
#include <stdexcept>

namespace ui {

Form::Form(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

Control* Form::find(const std::string& name) const {
    for (Control* c : controls_)
        if (c->name() == name) return c;
    return nullptr;
}

void Form::checkNamesAll(const std::vector<std::string>& names, const char* what) const {
    auto fault = [&](const std::string& why) {
        throw std::logic_error(name_ + ": " + what + ": " + why);
    };
    std::set<std::string> named;
    for (const std::string& n : names) {
        if (!find(n)) fault("no control " + n);
        if (!named.insert(n).second) fault(n + " named twice");
    }
    for (const Control* c : controls_)
        if (!named.count(c->name())) fault(c->name() + " left out");
}

void Form::setLayoutOrder(std::vector<std::string> names) {
    checkNamesAll(names, "layout order");
    layoutOrder_ = std::move(names);
}

void Form::setControlOrder(const std::vector<std::string>& names) {
    checkNamesAll(names, "control order");
    std::vector<Control*> ordered;
    for (const std::string& n : names) ordered.push_back(find(n));
    controls_ = std::move(ordered);
}

std::vector<Control*> Form::laidOut() const {
    std::vector<Control*> order;
    for (const std::string& n : layoutOrder_)
        if (Control* c = find(n)) order.push_back(c);
    for (Control* c : controls_)
        if (std::find(order.begin(), order.end(), c) == order.end()) order.push_back(c);
    return order;
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
