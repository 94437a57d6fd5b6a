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

    // The controls as the form lists them (to the command line, to a view without a layout),
    // in the order of declaration unless its control table placed them otherwise.
    const std::vector<Control*>& controls() const { return controls_; }
    Control* find(const std::string& name) const;
    // The controls in the order in which a view arranges them.
    const std::vector<Control*>& laidOut() const { return layout_; }

    // A form's control table: one row per control, each naming the control, its key,
    // what it shows at first, and where it stands when that is not simply next: after
    // another control in the listing, beside another one in the layout. A row without a key
    // places a control made earlier (a block of controls shared by several pages). A control
    // named twice, an anchor that is not the form's or not yet placed, throw std::logic_error.
    class Row {
    public:
        template <class C>
        Row(C& control, std::string key, typename C::Spec spec)
            : control_(&control),
              key_(std::move(key)),
              define_([&control, s = std::move(spec)]() mutable { control.define(std::move(s)); }) {
        }
        explicit Row(Control& placed) : control_(&placed) {}
        Row listedAfter(const Control& anchor) && {
            listedAfter_ = &anchor;
            return std::move(*this);
        }
        Row shownAfter(const Control& anchor) && {
            shownAfter_ = &anchor;
            return std::move(*this);
        }

    private:
        friend class Form;
        Control* control_;
        std::string key_;
        std::function<void()> define_;
        const Control* listedAfter_ = nullptr;
        const Control* shownAfter_ = nullptr;
    };
    void declare(std::vector<Row> rows);

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
    void adopt(Control* control) {
        controls_.push_back(control);
        layout_.push_back(control);
    }
    void forget(Control* control) {
        std::erase(controls_, control);
        std::erase(layout_, control);
    }
    void place(Row& row);

    std::string name_;
    std::string caption_;
    std::vector<Control*> controls_;
    std::vector<Control*> layout_;
    bool visible_ = true;
    std::optional<Size> clientSize_;
    std::vector<Control::Listener> visibilityListeners_;
    std::vector<Control::Listener> presentListeners_;
    std::vector<Control::Listener> controlsListeners_;
};

}  // namespace ui
