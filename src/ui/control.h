// Toolkit-neutral control models. A window or wizard page holds these as named members;
// the logic reads and writes them, and a view (the Qt binding, a test, the command line)
// listens to their change notifications.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace ui {

class Form;

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
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    Kind kind() const { return kind_; }

    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    bool visible() const { return visible_; }
    void setVisible(bool on);

    // A view registers here; it is told after every change of the model.
    void addListener(Listener listener) { listeners_.push_back(std::move(listener)); }

  protected:
    void changed();

  private:
    std::string name_;
    Kind kind_;
    bool enabled_ = true;
    bool visible_ = true;
    std::vector<Listener> listeners_;
};

}  // namespace ui
