// A window or page: an ordered registry of its controls, so that views and the command
// line can find a control by its name.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class Form {
public:
    explicit Form(std::string name, std::string caption = {});
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& formName() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption) { caption_ = std::move(caption); }

    // In the order of declaration, or the one set by setControlOrder.
    const std::vector<Control*>& controls() const { return controls_; }
    // The order in which the form lists its controls (to the command line, to a view without
    // a layout order), for a form whose controls are not declared in that order (a block of
    // controls shared by several pages): every control made so far, each named once, checked
    // as the layout order is. Controls made later follow in their own order.
    void setControlOrder(const std::vector<std::string>& names);
    Control* find(const std::string& name) const;

    // The order in which a view arranges the controls, when it is not the order of
    // declaration: every control of the form, each named once. A name that is no control,
    // or a control left out or named twice, throws std::logic_error naming it.
    void setLayoutOrder(std::vector<std::string> names);
    // The controls in that order (controls made later follow in their own order).
    std::vector<Control*> laidOut() const;
    template <class T>
    T* findAs(const std::string& name) const {
        return dynamic_cast<T*>(find(name));
    }

    // A form whose controls stand where their bounds say sets its client area; the view then
    // places them so instead of arranging them.
    struct Size {
        int width = 0, height = 0;
    };
    const std::optional<Size>& clientSize() const { return clientSize_; }
    void setClientSize(int width, int height) { clientSize_ = Size{width, height}; }

    // Run by the view each time the form's window becomes the active window.
    std::function<void()> onActivate;

    bool visible() const { return visible_; }
    void setVisible(bool on);
    // Shows the form and brings its window to the front, also when it is already shown (it
    // may lie behind another window).
    void present();
    void addPresentListener(Control::Listener listener) {
        presentListeners_.push_back(std::move(listener));
    }
    void addVisibilityListener(Control::Listener listener) {
        visibilityListeners_.push_back(std::move(listener));
    }

    // A form that makes or destroys controls at run time announces the new set once it is
    // complete, so that a view can render it again.
    void addControlsListener(Control::Listener listener) {
        controlsListeners_.push_back(std::move(listener));
    }
    void controlsChanged();

private:
    friend class Control;
    void adopt(Control* control) { controls_.push_back(control); }
    void forget(Control* control) { std::erase(controls_, control); }
    // Throws std::logic_error unless the names are every control, each once.
    void checkNamesAll(const std::vector<std::string>& names, const char* what) const;

    std::string name_;
    std::string caption_;
    std::vector<Control*> controls_;
    std::vector<std::string> layoutOrder_;
    bool visible_ = true;
    std::optional<Size> clientSize_;
    std::vector<Control::Listener> visibilityListeners_;
    std::vector<Control::Listener> presentListeners_;
    std::vector<Control::Listener> controlsListeners_;
};

}  // namespace ui
