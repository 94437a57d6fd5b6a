// The concrete control models. Setting a check box, radio group, scroll bar or combo box
// runs its handler when the value changes, as a user's action would.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

using Handler = std::function<void()>;

class Edit : public Control {
public:
    // caption: the text of the label beside the field; it is switched with the field.
    Edit(Form* owner, std::string name, std::string caption, std::string text = {});
    struct Spec {
        std::string caption, text;
    };
    Edit() : Control(Kind::Edit) {}
    void define(Spec spec);
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    const std::string& text() const { return text_; }
    void setText(std::string text);
    // an extra text after the field (a unit such as "°")
    const std::string& suffix() const { return suffix_; }
    void setSuffix(std::string suffix);
    // How messages name the field: its caption without the closing ":", unless the caption
    // alone does not tell it from its neighbours ("Y:", two fields called "Átmérő:").
    std::string fieldName() const;
    void setFieldName(std::string name) { fieldName_ = std::move(name); }

private:
    std::string caption_;
    std::string text_;
    std::string suffix_;
    std::string fieldName_;
};

class Label : public Control {
public:
    Label(Form* owner, std::string name, std::string caption = {});
    struct Spec {
        std::string caption;
    };
    Label() : Control(Kind::Label) {}
    void define(Spec spec) { caption_ = std::move(spec.caption); }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

private:
    std::string caption_;
};

class Button : public Control {
public:
    Button(Form* owner, std::string name, std::string caption);
    struct Spec {
        std::string caption;
    };
    Button() : Control(Kind::Button) {}
    void define(Spec spec) { caption_ = std::move(spec.caption); }
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    Handler onClick;
    // A press by the user: nothing happens on a disabled button. Returns whether it ran.
    bool click();

private:
    std::string caption_;
};

class CheckBox : public Control {
public:
    CheckBox(Form* owner, std::string name, std::string caption, bool checked = false);
    struct Spec {
        std::string caption;
        bool checked = false;
    };
    CheckBox() : Control(Kind::CheckBox) {}
    void define(Spec spec);
    const std::string& caption() const { return caption_; }
    bool checked() const { return checked_; }
    // Changing the state runs onClick.
    void setChecked(bool on);
    Handler onClick;

private:
    std::string caption_;
    bool checked_ = false;
};

class RadioGroup : public Control {
public:
    RadioGroup(Form* owner, std::string name, std::string caption, std::vector<std::string> items,
               int itemIndex = 0);
    struct Spec {
        std::string caption;
        std::vector<std::string> items;
        int itemIndex = 0;
    };
    RadioGroup() : Control(Kind::RadioGroup) {}
    void define(Spec spec);
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    const std::vector<std::string>& items() const { return items_; }
    int itemIndex() const { return itemIndex_; }
    // Changing the index runs onClick.
    void setItemIndex(int index);
    bool itemEnabled(int index) const;
    void setItemEnabled(int index, bool on);
    Handler onClick;

private:
    std::string caption_;
    std::vector<std::string> items_;
    std::vector<bool> itemEnabled_;
    int itemIndex_ = 0;
};

class ScrollBar : public Control {
public:
    ScrollBar(Form* owner, std::string name, std::string caption, int min, int max, int position);
    struct Spec {
        std::string caption;
        int min = 0, max = 100, position = 0;
    };
    ScrollBar() : Control(Kind::ScrollBar) {}
    void define(Spec spec);
    const std::string& caption() const { return caption_; }
    int min() const { return min_; }
    int max() const { return max_; }
    int position() const { return position_; }
    // Moving the bar runs onChange; the position is kept within min .. max.
    void setPosition(int position);
    Handler onChange;

private:
    std::string caption_;
    int min_ = 0, max_ = 0, position_ = 0;
};

class ComboBox : public Control {
public:
    ComboBox(Form* owner, std::string name, std::string text, std::vector<std::string> items);
    // A choice declared in a control table: a caption beside it, no text of the user's, and
    // the first entry chosen.
    struct Spec {
        std::string caption;
        std::vector<std::string> items;
    };
    ComboBox() : Control(Kind::ComboBox) {}
    void define(Spec spec);
    const std::string& caption() const { return caption_; }
    // Whether the user may type a text of his own (the wizard list) or only choose an entry.
    bool editable() const { return editable_; }
    // New entries, with the one at `index` chosen (the first when there is none such); no
    // handler runs.
    void setItems(std::vector<std::string> items, int index = 0);
    const std::string& text() const { return text_; }
    const std::vector<std::string>& items() const { return items_; }
    int itemIndex() const { return itemIndex_; }
    // Choosing an entry sets the text to it and runs onChange.
    void select(int index);
    // Typing into the box: the text no longer names an entry, onChange runs.
    void editText(std::string text);
    Handler onChange;

private:
    std::string caption_;
    std::string text_;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    bool editable_ = true;
};

// A multi-line text box. Views are told once per change, or once per batch.
class Memo : public Control {
public:
    Memo(Form* owner, std::string name);
    struct Spec {};
    Memo() : Control(Kind::Memo) {}
    void define(Spec) {}
    const std::vector<std::string>& lines() const { return lines_; }
    void add(std::string line);
    void clear();
    void setLines(std::vector<std::string> lines);
    // An edit typed into a view: the lines first .. first + count - 1 give way to `with`, in
    // place, so that a keystroke costs one line and not the whole text. Returns the lines
    // taken out (a view keeps them to undo the edit).
    std::vector<std::string> replaceLines(std::size_t first, std::size_t count,
                                          std::vector<std::string> with);
    // The lines as they were before the first clear or setLines since the last call, once: a
    // view keeps them so that a replaced program (cleared, created anew, opened) can be
    // brought back. Nothing when the lines were only added to or edited in place.
    std::optional<std::vector<std::string>> takeReplaced();
    // Counts the changes of the lines, so that a view can tell whether the text it shows is
    // still the model's without comparing the whole text.
    std::uint64_t revision() const { return revision_; }
    // While a batch is open, changes are collected and announced once when it closes.
    class Batch {
    public:
        explicit Batch(Memo& memo);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        Memo& memo_;
    };

private:
    void touched();
    std::vector<std::string> lines_;
    std::optional<std::vector<std::string>> replaced_;
    std::uint64_t revision_ = 0;
    int batchDepth_ = 0;
    bool pending_ = false;
};

// A picture: the name of a JPEG file under assets/.
class Image : public Control {
public:
    Image(Form* owner, std::string name, std::string picture);
    struct Spec {
        std::string picture;
    };
    Image() : Control(Kind::Image) {}
    void define(Spec spec) { picture_ = std::move(spec.picture); }
    const std::string& picture() const { return picture_; }

private:
    std::string picture_;
};

// A repeating timer. The desktop program drives it with a real clock; tests call fire().
class Timer : public Control {
public:
    Timer(Form* owner, std::string name, int intervalMs);
    struct Spec {
        int intervalMs = 0;
    };
    Timer() : Control(Kind::Timer) {}
    void define(Spec spec) { interval_ = spec.intervalMs; }
    int interval() const { return interval_; }
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }
    // One tick: runs onTimer when the timer is enabled.
    void fire();
    Handler onTimer;

private:
    int interval_ = 0;
};

// What the user has set on a form: the texts of its fields, the ticks of its check boxes, the
// choices of its radio groups and the positions of its scroll bars, as one comparable text.
std::string inputState(const Form& form);

// The value a user gives an input control, as the command line and job files write it: a
// field's text, a tick's 0 or 1, a choice's index, a bar's position. None for a control
// that takes no value.
std::optional<std::string> valueOf(const Control& control);
// The action that gives the control the value as the user would (its handler runs); empty,
// with the reason in `problem`, when the value does not fit: a tick other than 0 or 1, an
// index that is no whole number or names no enabled item, a position out of range, a
// control that takes no value.
Handler valueSetter(Control& control, const std::string& value, std::string& problem);

}  // namespace ui
