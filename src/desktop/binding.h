// Widgets for the control models, kept in step both ways: a change of the model updates its
// widget, and a user's action on the widget changes the model through the one event
// wrapper (ui::runEvent), so that a failure shows its message and the program goes on.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <functional>

#include "desktop/linebox.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

namespace ui::qt {

// The Qt object name of a control's widget is the control's name; an edit's caption label
// is "<name>.caption" and its unit label "<name>.suffix".
class Binder {
public:
    explicit Binder(Dialogs& dialogs) : dialogs_(dialogs) {}
    Dialogs& dialogs() const { return dialogs_; }

    // One user event, through ui::runEvent.
    void run(const std::function<void()>& event) const;

    struct EditWidgets {
        QLabel* caption;
        QLineEdit* field;
        QLabel* suffix;  // null when the edit has no unit text
    };
    EditWidgets edit(Edit& model) const;
    // `box`: a box of a kind of its own to bind, instead of a new QCheckBox
    QCheckBox* checkBox(CheckBox& model, QCheckBox* box = nullptr) const;
    QGroupBox* radioGroup(RadioGroup& model) const;
    struct ScrollWidgets {
        QLabel* caption;
        QScrollBar* bar;
    };
    ScrollWidgets scrollBar(ScrollBar& model) const;
    QLabel* label(Label& model) const;
    QPushButton* button(Button& model) const;
    QComboBox* comboBox(ComboBox& model) const;
    LineBox* memo(Memo& model) const;
    // The picture decoded from its JPEG; maxWidth > 0 scales a wider picture down.
    QLabel* image(Image& model, int maxWidth = 0) const;
    QTimer* timer(Timer& model, QObject* parent) const;

private:
    Dialogs& dialogs_;
};

}  // namespace ui::qt
