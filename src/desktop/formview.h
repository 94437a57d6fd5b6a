// Any window or page model rendered as real widgets. A form with a client area of its own has
// its controls placed where their bounds say. Any other is arranged: the memo of the left
// column beside the rest; a title; caption + field rows in a grid (a check box that follows a
// field sits at the end of that field's row); the picture beside the grid; radio groups as
// group boxes; the buttons in a row at the bottom. The controls come in the form's layout
// order (Form::laidOut); the hint sets the sizes.
#pragma once

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QVBoxLayout>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "desktop/binding.h"
#include "ui/form.h"

namespace ui::qt {

struct LayoutHint {
    std::vector<std::string> leftColumn{"Memo1"};  // memos in a column of their own, left
    int groupColumns = 3;                          // radio groups side by side, at least
    int groupsWidth = 600;   // more of them while they stay this narrow (a 1024 px screen's)
    int memoWidth = 330;     // the left column
    int pictureWidth = 240;  // wider pictures are scaled down to this
    int fieldWidth = 110;    // line edits
};

class FormView : public QWidget {
public:
    FormView(Form& form, Dialogs& dialogs, const LayoutHint& hint, QWidget* parent = nullptr);
    FormView(Form& form, Dialogs& dialogs, QWidget* parent = nullptr)
        : FormView(form, dialogs, LayoutHint{}, parent) {}

    Form& form() const { return form_; }
    // The widgets that take the focus, in the order Tab visits them: the fields top to
    // bottom (each check box after the field it stands beside), the groups, the buttons, then
    // the output box. Empty for a form whose controls stand at fixed places.
    const QList<QWidget*>& focusOrder() const { return focusOrder_; }
    // A widget beside the arranged controls, at the right, sharing the width the window gains
    // with the output box by the stretch (the box's is 1); Tab visits its focus widgets after
    // the box.
    void addBeside(QWidget* side, int stretch, const QList<QWidget*>& focus);
    // On a narrow screen the widget beside stands under the output box instead.
    void setFolded(bool folded);
    bool folded() const { return folded_; }
    // The width the widget beside takes when it stands beside (0 when there is none).
    int widthBeside() const;
    // The page's picture, for a widget beside to show instead (adding it to another layout
    // takes it out of the page's); null when the page has none.
    QWidget* takePicture();
    // The widget of a control, by the control's name.
    template <class W>
    W* widget(const std::string& name) const {
        return findChild<W*>(QString::fromStdString(name));
    }

protected:
    // As a window of its own: closing it by its frame hides the form (so that the form can
    // show it again), and each activation runs the form's activation handler.
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    // The first time it shows, a window of its own stands over the middle of its owner.
    void showEvent(QShowEvent* e) override;

private:
    // A form with a client area of its own: every control where its bounds say, also the
    // controls it makes at run time.
    void placeControls();
    void placeRunTimeControls();
    void changedInBatch();
    void groupBox(QCheckBox* box);
    void paintWhole();
    QWidget* placed(Control& c);
    void fitToControls();
    // Any other form: the output box at the left, the rest in a column beside it.
    void arrangeControls(const LayoutHint& hint);
    // The view shows, hides and comes to the front as the form says.
    void followForm();
    void undoAnywhereOnThePage(LineBox* memo);
    // Enter in a field presses the form's "Button1" (a page's "Létrehozás").
    void enterPressesButton1();

    Form& form_;
    Binder binder_;
    // The controls there when the view was made count as living as long as the form; a form
    // makes its run-time controls later (the hole selector shows before it builds its boxes).
    std::vector<Control*> fixed_;
    std::vector<QPointer<QWidget>> made_;  // the widgets of the others
    QPointer<QObject> boxGroups_;          // the groups of their check boxes
    int changesThisTurn_ = 0;              // of those controls, since the event loop last ran
    bool placedOnce_ = false;
    QList<QWidget*> focusOrder_;
    QHBoxLayout* outer_ = nullptr;  // the arranged view's row: box, controls, what stands beside
    QVBoxLayout* left_ = nullptr;   // the output box, and what stands beside when folded
    QWidget* side_ = nullptr;
    int sideStretch_ = 0;
    bool folded_ = false;
};

// Chains the widgets in this order for Tab (and the reverse for Shift+Tab).
void chainFocus(const QList<QWidget*>& order);

// Moves a window to this frame, shifted into the screen's free area as far as it fits, its
// top-left corner first: the title and the buttons near the top stay reachable.
void moveOnScreen(QWidget* window, QRect frame);
// Gives a widget a fixed size; a window on the screen keeps its middle where it was.
void fixSizeKeepingMiddle(QWidget* window, QSize size);
// Moves a window so that it stands over the middle of the owner's window.
void centreOver(QWidget* window, const QWidget* owner);

// An arbitrary form as a non-modal window of its own, titled with the form's caption; it
// shows and hides with the form's visibility. The window is deleted on close only if the
// caller asks for it.
FormView* openFormWindow(Form& form, Dialogs& dialogs, QWidget* parent = nullptr);

// The same window, made only when the form first shows (a dialog that is never opened costs
// nothing at start). The parent owns it and must be given.
void openFormWindowWhenShown(Form& form, Dialogs& dialogs, QWidget* parent);

}  // namespace ui::qt
