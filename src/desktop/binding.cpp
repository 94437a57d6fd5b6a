#include "desktop/binding.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "desktop/jpeg.h"
#include "ui/event.h"

namespace ui::qt {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

// Runs on every change of the model while the widget lives.
template <class W, class F>
void follow(Control& model, W* widget, F update) {
    QPointer<W> guard(widget);
    model.addListener([guard, update] {
        if (guard) update(guard.data());
    });
    update(widget);
}

void showState(const Control& model, QWidget* w) {
    w->setEnabled(model.enabled());
    w->setToolTip(q(model.hint()));
    if (w->parentWidget() || !model.visible()) {
        w->setVisible(model.visible());
        return;
    }
    // Not yet placed in a window: showing it now would open it as a window of its own, only
    // to be closed again when a layout takes it. Undoing an earlier hide is enough; the
    // layout shows it with its parent.
    w->setAttribute(Qt::WA_WState_ExplicitShowHide, false);
}

// Notes whether a modal window (a message box) opened while it lived.
class ModalWatch : public QObject {
public:
    ModalWatch() { qApp->installEventFilter(this); }
    ~ModalWatch() override { qApp->removeEventFilter(this); }
    bool seen = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show && o->isWidgetType() && static_cast<QWidget*>(o)->isModal())
            seen = true;
        return false;
    }
};

// A scroll bar tells its page of every move, also while it is dragged or held. A message box
// opened by a move ends the press: the box takes the mouse release, and the bar would go on
// stepping behind it, box after box, to its end. So the bar is let go and put back where
// the page keeps it, and moves that come while the box is open are dropped.
class HeldBar : public QObject {
public:
    HeldBar(QScrollBar* bar, std::function<void(int)> apply, std::function<int()> position)
        : QObject(bar), bar_(bar), apply_(std::move(apply)), position_(std::move(position)) {
        bar->installEventFilter(this);
    }
    void changed(int value) {
        if (applying_) return;  // behind a box: put back below
        applying_ = true;
        ModalWatch watch;
        apply_(value);
        applying_ = false;
        if (!watch.seen) return;
        if (held_) {
            QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-1, -1), QPointF(-1, -1),
                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(bar_, &release);
        }
        QSignalBlocker block(bar_);
        bar_->setValue(position_());
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)
            held_ = true;
        else if (e->type() == QEvent::MouseButtonRelease || e->type() == QEvent::Hide)
            held_ = false;
        return false;
    }

private:
    QScrollBar* bar_;
    std::function<void(int)> apply_;
    std::function<int()> position_;  // where the page keeps the bar
    bool held_ = false;
    bool applying_ = false;
};

// A wheel turned to scroll the page changed whatever bar or choice passed under the mouse
// (a thread correction drifted by hundredths of a millimetre): a control without the
// keyboard focus lets the wheel go on to the page around it.
class WheelOnlyWithFocus : public QObject {
public:
    explicit WheelOnlyWithFocus(QWidget* w) : QObject(w) {
        w->setFocusPolicy(Qt::StrongFocus);  // the wheel gives no focus either
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Wheel || static_cast<QWidget*>(o)->hasFocus()) return false;
        // the nearest area around it that can scroll takes the wheel
        for (QWidget* p = static_cast<QWidget*>(o)->parentWidget(); p; p = p->parentWidget()) {
            auto* area = qobject_cast<QAbstractScrollArea*>(p);
            if (area && area->verticalScrollBar()->maximum() > 0) {
                QCoreApplication::sendEvent(area->verticalScrollBar(), e);
                break;
            }
        }
        return true;
    }
};

// A scroll bar draws no focus frame of its own: its caption is underlined while it has the
// focus, so that a keyboard user sees which bar the keys move. The keys move it the way it
// looks: Right and Page Down towards its right end, Left and Page Up towards its left end.
class KeyboardBar : public QObject {
public:
    KeyboardBar(QScrollBar* bar, QLabel* caption) : QObject(bar), bar_(bar), caption_(caption) {
        bar->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (caption_ && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)) {
            QFont f = caption_->font();
            f.setUnderline(e->type() == QEvent::FocusIn);
            caption_->setFont(f);
        }
        if (e->type() != QEvent::KeyPress) return false;
        const auto action = actionFor(static_cast<QKeyEvent*>(e)->key());
        if (action == QAbstractSlider::SliderNoAction) return false;
        bar_->triggerAction(action);
        return true;
    }

private:
    static QAbstractSlider::SliderAction actionFor(int key) {
        switch (key) {
            case Qt::Key_Right:
            case Qt::Key_Down:
                return QAbstractSlider::SliderSingleStepAdd;
            case Qt::Key_Left:
            case Qt::Key_Up:
                return QAbstractSlider::SliderSingleStepSub;
            case Qt::Key_PageDown:
                return QAbstractSlider::SliderPageStepAdd;
            case Qt::Key_PageUp:
                return QAbstractSlider::SliderPageStepSub;
            case Qt::Key_Home:
                return QAbstractSlider::SliderToMinimum;
            case Qt::Key_End:
                return QAbstractSlider::SliderToMaximum;
            default:
                return QAbstractSlider::SliderNoAction;
        }
    }
    QScrollBar* bar_;
    QPointer<QLabel> caption_;
};

}  // namespace

void Binder::run(const std::function<void()>& handler) const { runEvent(dialogs_, handler); }

Binder::EditWidgets Binder::edit(Edit& model) const {
    EditWidgets w{new QLabel, new QLineEdit, model.suffix().empty() ? nullptr : new QLabel};
    w.field->setObjectName(q(model.name()));
    w.caption->setObjectName(q(model.name() + ".caption"));
    w.caption->setBuddy(w.field);
    if (w.suffix) w.suffix->setObjectName(q(model.name() + ".suffix"));
    follow(model, w.field, [&model, w](QLineEdit* field) {
        if (field->text().toStdString() != model.text()) field->setText(q(model.text()));
        w.caption->setText(q(model.caption()));
        showState(model, field);
        showState(model, w.caption);
        if (w.suffix) {
            w.suffix->setText(q(model.suffix()));
            showState(model, w.suffix);
        }
    });
    QObject::connect(w.field, &QLineEdit::textEdited, [d = &dialogs_, &model](const QString& text) {
        runEvent(*d, [&] { model.setText(text.toStdString()); });
    });
    return w;
}

QCheckBox* Binder::checkBox(CheckBox& model, QCheckBox* box) const {
    if (!box) box = new QCheckBox;
    box->setText(q(model.caption()));
    box->setObjectName(q(model.name()));
    follow(model, box, [&model](QCheckBox* b) {
        QSignalBlocker block(b);
        b->setChecked(model.checked());
        showState(model, b);
    });
    QObject::connect(box, &QCheckBox::clicked, [d = &dialogs_, &model](bool on) {
        runEvent(*d, [&] { model.setChecked(on); });
    });
    return box;
}

QGroupBox* Binder::radioGroup(RadioGroup& model) const {
    auto* group = new QGroupBox(q(model.caption()));
    group->setObjectName(q(model.name()));
    auto* layout = new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(group);
    for (int i = 0; i < static_cast<int>(model.items().size()); ++i) {
        auto* b = new QRadioButton(q(model.items()[i]));
        b->setObjectName(q(model.name() + "." + std::to_string(i)));
        buttons->addButton(b, i);
        layout->addWidget(b);
    }
    layout->addStretch(1);
    follow(model, group, [&model, buttons](QGroupBox* g) {
        QSignalBlocker block(buttons);
        g->setTitle(q(model.caption()));
        // no item chosen: every button clear, which an exclusive group does not allow
        buttons->setExclusive(false);
        for (QAbstractButton* b : buttons->buttons()) {
            int i = buttons->id(b);
            b->setChecked(i == model.itemIndex());
            b->setEnabled(model.itemEnabled(i));
        }
        buttons->setExclusive(true);
        showState(model, g);
    });
    QObject::connect(buttons, &QButtonGroup::idClicked, [d = &dialogs_, &model](int id) {
        runEvent(*d, [&] { model.setItemIndex(id); });
    });
    return group;
}

Binder::ScrollWidgets Binder::scrollBar(ScrollBar& model) const {
    ScrollWidgets w{new QLabel(q(model.caption())), new QScrollBar(Qt::Horizontal)};
    w.bar->setObjectName(q(model.name()));
    w.bar->setRange(model.min(), model.max());
    w.bar->setMinimumWidth(160);
    // reached by Tab and moved by the arrow keys and Page Up/Down like any other input
    w.bar->setFocusPolicy(Qt::StrongFocus);
    w.caption->setBuddy(w.bar);
    new KeyboardBar(w.bar, w.caption);
    new WheelOnlyWithFocus(w.bar);
    follow(model, w.bar, [&model, w](QScrollBar* bar) {
        QSignalBlocker block(bar);
        bar->setValue(model.position());
        showState(model, bar);
        showState(model, w.caption);
    });
    auto* held = new HeldBar(
        w.bar,
        [d = &dialogs_, &model](int value) { runEvent(*d, [&] { model.setPosition(value); }); },
        [&model] { return model.position(); });
    QObject::connect(w.bar, &QScrollBar::valueChanged, held, &HeldBar::changed);
    return w;
}

QLabel* Binder::label(Label& model) const {
    auto* l = new QLabel;
    l->setObjectName(q(model.name()));
    follow(model, l, [&model](QLabel* w) {
        w->setText(q(model.caption()));
        showState(model, w);
    });
    return l;
}

QPushButton* Binder::button(Button& model) const {
    auto* b = new QPushButton;
    b->setObjectName(q(model.name()));
    // Enter presses a button that has the focus, as Space does, also outside a dialog
    b->setAutoDefault(true);
    follow(model, b, [&model](QPushButton* w) {
        w->setText(q(model.caption()));
        showState(model, w);
    });
    QObject::connect(b, &QPushButton::clicked,
                     [d = &dialogs_, &model] { runEvent(*d, [&] { model.click(); }); });
    return b;
}

QComboBox* Binder::comboBox(ComboBox& model) const {
    auto* box = new QComboBox;
    box->setObjectName(q(model.name()));
    box->setEditable(model.editable());
    box->setInsertPolicy(QComboBox::NoInsert);
    new WheelOnlyWithFocus(box);
    for (const auto& item : model.items()) box->addItem(q(item));
    follow(model, box, [&model](QComboBox* b) {
        QSignalBlocker block(b);
        QSignalBlocker blockText(b->lineEdit());
        // a choice whose entries changed (a new tool table) shows the new ones
        QStringList items;
        for (const auto& item : model.items()) items << q(item);
        QStringList shown;
        for (int i = 0; i < b->count(); ++i) shown << b->itemText(i);
        if (shown != items) {
            b->clear();
            b->addItems(items);
        }
        if (b->currentIndex() != model.itemIndex()) b->setCurrentIndex(model.itemIndex());
        if (b->isEditable() && b->currentText().toStdString() != model.text())
            b->setEditText(q(model.text()));
        showState(model, b);
    });
    QObject::connect(box, &QComboBox::activated, [d = &dialogs_, &model](int index) {
        runEvent(*d, [&] { model.select(index); });
    });
    if (box->isEditable())
        QObject::connect(box->lineEdit(), &QLineEdit::textEdited,
                         [d = &dialogs_, &model](const QString& t) {
                             runEvent(*d, [&] { model.editText(t.toStdString()); });
                         });
    return box;
}

// The box draws the model's own lines and edits them in place: what is typed is at once
// what the window saves and sends.
LineBox* Binder::memo(Memo& model) const {
    auto* box = new LineBox(model);
    follow(model, box, [&model](LineBox* b) { showState(model, b); });
    return box;
}

QLabel* Binder::image(Image& model, int maxWidth) const {
    auto* l = new QLabel;
    l->setObjectName(q(model.name()));
    std::string error;
    QImage picture = decodeJpeg(assetPath(model.picture()), &error);
    if (picture.isNull()) {
        l->setText(q(model.picture()));
        l->setToolTip(q(error));
    } else {
        if (maxWidth > 0 && picture.width() > maxWidth)
            picture = picture.scaledToWidth(maxWidth, Qt::SmoothTransformation);
        l->setPixmap(QPixmap::fromImage(picture));
    }
    l->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    follow(model, l, [&model](QLabel* w) { showState(model, w); });
    return l;
}

QTimer* Binder::timer(Timer& model, QObject* parent) const {
    auto* t = new QTimer(parent);
    t->setObjectName(q(model.name()));
    t->setInterval(model.interval());
    QPointer<QTimer> guard(t);
    auto update = [&model, guard] {
        if (!guard) return;
        if (model.enabled() && !guard->isActive()) guard->start();
        if (!model.enabled()) guard->stop();
    };
    model.addListener(update);
    update();
    QObject::connect(t, &QTimer::timeout,
                     [d = &dialogs_, &model] { runEvent(*d, [&] { model.fire(); }); });
    return t;
}

}  // namespace ui::qt
