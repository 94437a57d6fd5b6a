#include "ui/controls.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <utility>

#include "ui/form.h"

namespace ui {

Edit::Edit(Form* owner, std::string name, std::string caption, std::string text)
    : Control(owner, std::move(name), Kind::Edit),
      caption_(std::move(caption)),
      text_(std::move(text)) {}

void Edit::define(Spec spec) {
    caption_ = std::move(spec.caption);
    text_ = std::move(spec.text);
}

void Edit::setCaption(std::string caption) {
    caption_ = std::move(caption);
    changed();
}

void Edit::setText(std::string text) {
    if (text_ == text) return;
    text_ = std::move(text);
    changed();
}

std::string Edit::fieldName() const {
    if (!fieldName_.empty()) return fieldName_;
    std::string name = caption_;
    while (!name.empty() && (name.back() == ' ' || name.back() == ':' || name.back() == '+'))
        name.pop_back();
    return name.empty() ? this->name() : name;
}

void Edit::setSuffix(std::string suffix) {
    suffix_ = std::move(suffix);
    changed();
}

Label::Label(Form* owner, std::string name, std::string caption)
    : Control(owner, std::move(name), Kind::Label), caption_(std::move(caption)) {}

void Label::setCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    changed();
}

Button::Button(Form* owner, std::string name, std::string caption)
    : Control(owner, std::move(name), Kind::Button), caption_(std::move(caption)) {}

void Button::setCaption(std::string caption) {
    if (caption_ == caption) return;
    caption_ = std::move(caption);
    changed();
}

bool Button::click() {
    if (!enabled() || !onClick) return false;
    onClick();
    return true;
}

CheckBox::CheckBox(Form* owner, std::string name, std::string caption, bool checked)
    : Control(owner, std::move(name), Kind::CheckBox),
      caption_(std::move(caption)),
      checked_(checked) {}

void CheckBox::define(Spec spec) {
    caption_ = std::move(spec.caption);
    checked_ = spec.checked;
}

void CheckBox::setChecked(bool on) {
    if (checked_ == on) return;
    checked_ = on;
    changed();
    if (onClick) onClick();
}

RadioGroup::RadioGroup(Form* owner, std::string name, std::string caption,
                       std::vector<std::string> items, int itemIndex)
    : Control(owner, std::move(name), Kind::RadioGroup),
      caption_(std::move(caption)),
      items_(std::move(items)),
      itemEnabled_(items_.size(), true),
      itemIndex_(itemIndex) {}

void RadioGroup::define(Spec spec) {
    caption_ = std::move(spec.caption);
    items_ = std::move(spec.items);
    itemEnabled_.assign(items_.size(), true);
    itemIndex_ = spec.itemIndex;
}

void RadioGroup::setCaption(std::string caption) {
    caption_ = std::move(caption);
    changed();
}

void RadioGroup::setItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size()) || index == itemIndex_) return;
    itemIndex_ = index;
    changed();
    if (onClick) onClick();
}

bool RadioGroup::itemEnabled(int index) const {
    return index >= 0 && index < static_cast<int>(itemEnabled_.size()) && itemEnabled_[index];
}

void RadioGroup::setItemEnabled(int index, bool on) {
    if (index < 0 || index >= static_cast<int>(itemEnabled_.size())) return;
    if (itemEnabled_[index] == on) return;
    itemEnabled_[index] = on;
    changed();
}

ScrollBar::ScrollBar(Form* owner, std::string name, std::string caption, int min, int max,
                     int position)
    : Control(owner, std::move(name), Kind::ScrollBar),
      caption_(std::move(caption)),
      min_(min),
      max_(max),
      position_(position) {}

void ScrollBar::define(Spec spec) {
    caption_ = std::move(spec.caption);
    min_ = spec.min;
    max_ = spec.max;
    position_ = spec.position;
}

void ScrollBar::setPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) return;
    position_ = position;
    changed();
    if (onChange) onChange();
}

ComboBox::ComboBox(Form* owner, std::string name, std::string text, std::vector<std::string> items)
    : Control(owner, std::move(name), Kind::ComboBox),
      text_(std::move(text)),
      items_(std::move(items)) {}

void ComboBox::define(Spec spec) {
    caption_ = std::move(spec.caption);
    editable_ = false;
    setItems(std::move(spec.items));
}

void ComboBox::setItems(std::vector<std::string> items, int index) {
    items_ = std::move(items);
    if (index < 0 || index >= static_cast<int>(items_.size())) index = 0;
    itemIndex_ = items_.empty() ? -1 : index;
    text_ = items_.empty() ? std::string() : items_[index];
    changed();
}

void ComboBox::select(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    itemIndex_ = index;
    text_ = items_[index];
    changed();
    if (onChange) onChange();
}

void ComboBox::editText(std::string text) {
    text_ = std::move(text);
    auto it = std::find(items_.begin(), items_.end(), text_);
    itemIndex_ = it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    changed();
    if (onChange) onChange();
}

Memo::Memo(Form* owner, std::string name) : Control(owner, std::move(name), Kind::Memo) {}

void Memo::add(std::string line) {
    lines_.push_back(std::move(line));
    touched();
}

void Memo::clear() {
    if (lines_.empty()) return;
    setLines({});
}

void Memo::setLines(std::vector<std::string> lines) {
    if (replaced_)
        lines_ = std::move(lines);
    else
        replaced_ = std::exchange(lines_, std::move(lines));
    touched();
}

std::optional<std::vector<std::string>> Memo::takeReplaced() {
    return std::exchange(replaced_, {});
}

std::vector<std::string> Memo::replaceLines(std::size_t first, std::size_t count,
                                            std::vector<std::string> with) {
    first = std::min(first, lines_.size());
    count = std::min(count, lines_.size() - first);
    const auto at = lines_.begin() + static_cast<std::ptrdiff_t>(first);
    std::vector<std::string> taken(
        std::make_move_iterator(at),
        std::make_move_iterator(at + static_cast<std::ptrdiff_t>(count)));
    // the lines both have in common are swapped in place; only the difference moves the rest
    const std::size_t common = std::min(count, with.size());
    std::move(with.begin(), with.begin() + static_cast<std::ptrdiff_t>(common), at);
    const auto rest = at + static_cast<std::ptrdiff_t>(common);
    if (with.size() > count)
        lines_.insert(rest,
                      std::make_move_iterator(with.begin() + static_cast<std::ptrdiff_t>(common)),
                      std::make_move_iterator(with.end()));
    else
        lines_.erase(rest, rest + static_cast<std::ptrdiff_t>(count - common));
    touched();
    return taken;
}

void Memo::touched() {
    ++revision_;
    if (batchDepth_ > 0)
        pending_ = true;
    else
        changed();
}

Memo::Batch::Batch(Memo& memo) : memo_(memo) { ++memo_.batchDepth_; }

Memo::Batch::~Batch() {
    if (--memo_.batchDepth_ == 0 && memo_.pending_) {
        memo_.pending_ = false;
        memo_.changed();
    }
}

Image::Image(Form* owner, std::string name, std::string picture)
    : Control(owner, std::move(name), Kind::Image), picture_(std::move(picture)) {}

Timer::Timer(Form* owner, std::string name, int intervalMs)
    : Control(owner, std::move(name), Kind::Timer), interval_(intervalMs) {
    setEnabled(false);
}

void Timer::fire() {
    if (enabled() && onTimer) onTimer();
}

std::optional<std::string> valueOf(const Control& c) {
    switch (c.kind()) {
        case Kind::Edit:
            return static_cast<const Edit&>(c).text();
        case Kind::CheckBox:
            return std::string(static_cast<const CheckBox&>(c).checked() ? "1" : "0");
        case Kind::RadioGroup:
            return std::to_string(static_cast<const RadioGroup&>(c).itemIndex());
        case Kind::ScrollBar:
            return std::to_string(static_cast<const ScrollBar&>(c).position());
        default:
            return std::nullopt;  // no input of the user's
    }
}

std::string inputState(const Form& form) {
    std::string state;
    for (const Control* c : form.controls())
        if (auto value = valueOf(*c)) state += c->name() + '=' + *value + '\n';
    return state;
}

namespace {

std::optional<int> wholeNumber(const std::string& text) {
    int v = 0;
    auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size())
        return std::nullopt;
    return v;
}

Handler refused(std::string& problem, const char* why) {
    problem = why;
    return nullptr;
}

}  // namespace

Handler valueSetter(Control& c, const std::string& value, std::string& problem) {
    switch (c.kind()) {
        case Kind::Edit:
            return [e = static_cast<Edit*>(&c), value] { e->setText(value); };
        case Kind::CheckBox:
            if (value != "0" && value != "1") break;
            return [b = static_cast<CheckBox*>(&c), on = value == "1"] { b->setChecked(on); };
        case Kind::RadioGroup: {
            auto* g = static_cast<RadioGroup*>(&c);
            std::optional<int> i = wholeNumber(value);
            if (!i) return refused(problem, "nem egész szám");
            if (*i < 0 || *i >= static_cast<int>(g->items().size()) || !g->itemEnabled(*i))
                return refused(problem, "nincs ilyen választható elem");
            return [g, i = *i] { g->setItemIndex(i); };
        }
        case Kind::ScrollBar: {
            auto* s = static_cast<ScrollBar*>(&c);
            std::optional<int> p = wholeNumber(value);
            if (!p) return refused(problem, "nem egész szám");
            if (*p < s->min() || *p > s->max()) return refused(problem, "a tartományon kívül");
            return [s, p = *p] { s->setPosition(p); };
        }
        default:
            return refused(problem, "ez a vezérlő nem kap értéket");
    }
    return refused(problem, "0 vagy 1 kell");
}

}  // namespace ui
