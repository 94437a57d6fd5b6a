#include "desktop/formview.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPointer>
#include <QScrollArea>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "desktop/formparts.h"
#include "ui/controls.h"

namespace ui::qt {

namespace {

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The letters a choice beside a field's tick shows of its entry ("T12 Központfúró 3 mm")
// where the page has the width, and no fewer on a narrow screen.
constexpr int kChoiceLetters = 16, kLeastChoiceLetters = 8;

// Places the controls of the right-hand column.
class RightColumn {
public:
    RightColumn(const Binder& binder, const LayoutHint& hint, QVBoxLayout* column,
                QBoxLayout* buttonsUnder)
        : binder_(binder), hint_(hint), column_(column) {
        fields_->setColumnStretch(1, 0);
        fields_->setHorizontalSpacing(8);
        fields_->setVerticalSpacing(4);
        auto* top = new QHBoxLayout;
        top->addLayout(fields_);
        top->addSpacing(12);
        top->addLayout(picture_);
        top->addStretch(1);
        column_->addWidget(title_);
        column_->addLayout(top);
        column_->addLayout(groups_);
        column_->addLayout(extras_);
        column_->addStretch(1);
        buttonsUnder->addLayout(buttons_);
        title_->hide();
    }

    void add(Control* c) {
        switch (c->kind()) {
            case Kind::Edit:
                addEdit(static_cast<Edit&>(*c));
                break;
            case Kind::CheckBox:
                addCheckBox(static_cast<CheckBox&>(*c));
                break;
            case Kind::RadioGroup:
                addGroup(binder_.radioGroup(static_cast<RadioGroup&>(*c)));
                break;
            case Kind::ScrollBar:
                addScrollBar(static_cast<ScrollBar&>(*c));
                break;
            case Kind::Label:
                addLabel(static_cast<Label&>(*c));
                break;
            case Kind::Button:
                buttons_->addWidget(binder_.button(static_cast<Button&>(*c)));
                break;
            case Kind::ComboBox:
                addComboBox(static_cast<ComboBox&>(*c));
                break;
            case Kind::Memo:
                extras_->addWidget(binder_.memo(static_cast<Memo&>(*c)));
                break;
            case Kind::Image:
                picture_->addWidget(binder_.image(static_cast<Image&>(*c), hint_.pictureWidth));
                break;
            case Kind::Timer:
                break;  // bound by the view itself
        }
        // a tick beside a field keeps the row open for a choice that follows it
        if (c->kind() != Kind::Edit && c->kind() != Kind::CheckBox) lastEditRow_ = -1;
        if (c->kind() != Kind::CheckBox) {
            rowTail_ = nullptr;
            rowTicked_ = false;
        }
    }

    void finish() {
        placeGroups();
        buttons_->addStretch(1);
        picture_->addStretch(1);
    }

private:
    void addEdit(Edit& model) {
        auto w = binder_.edit(model);
        w.field->setFixedWidth(hint_.fieldWidth);
        int row = rows_++;
        fields_->addWidget(w.caption, row, 0);
        fields_->addWidget(w.field, row, 1);
        if (w.suffix) fields_->addWidget(w.suffix, row, 2);
        lastEditRow_ = row;
        lastSuffix_ = w.suffix;
    }

    void addCheckBox(CheckBox& model) {
        QCheckBox* box = binder_.checkBox(model);
        if (lastEditRow_ < 0 || rowTicked_) {
            fields_->addWidget(box, rows_++, 0, 1, 3);
            lastEditRow_ = -1;
            return;
        }
        openRowTail()->insertWidget(rowTail_->count() - 1, box);  // "nincs" beside its field
        rowTicked_ = true;
    }

    // The end of the last field's row after its unit, if it has one, in one cell with what
    // may still join the row ("nincs", the tool table's choice).
    QHBoxLayout* openRowTail() {
        if (rowTail_) return rowTail_;
        rowTail_ = new QHBoxLayout;
        if (lastSuffix_) {
            fields_->removeWidget(lastSuffix_);
            rowTail_->addWidget(lastSuffix_);
        }
        rowTail_->addStretch(1);
        fields_->addLayout(rowTail_, lastEditRow_, 2);
        return rowTail_;
    }

    void addScrollBar(ScrollBar& model) {
        auto w = binder_.scrollBar(model);
        int row = rows_++;
        fields_->addWidget(w.caption, row, 0);
        fields_->addWidget(w.bar, row, 1, 1, 2);
    }

    // A choice with a caption stands in a row as a field does; the box reaches over the
    // field's and the tick's columns. One that follows a field (or its tick) joins that
    // field's row (the tool table's choice beside the tool number): it costs the page no height.
    void addComboBox(ComboBox& model) {
        QComboBox* box = binder_.comboBox(model);
        if (model.caption().empty()) return addRow(box);
        auto* caption = new QLabel(QString::fromStdString(model.caption()));
        caption->setObjectName(QString::fromStdString(model.name() + ".caption"));
        if (lastEditRow_ >= 0) {
            // narrow enough for the page, wide enough to read a name; the list shows it whole
            box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            box->setMinimumContentsLength(kChoiceLetters);
            const int letter = box->fontMetrics().averageCharWidth();
            box->setMinimumWidth(box->minimumSizeHint().width() -
                                 letter * (kChoiceLetters - kLeastChoiceLetters));
            // it takes the rest of the row, in place of the stretch at its end
            QHBoxLayout* tail = openRowTail();
            delete tail->takeAt(tail->count() - 1);
            tail->addWidget(new CaptionedChoice(caption, box), 1);
            return;
        }
        caption->setBuddy(box);
        const int row = rows_++;
        fields_->addWidget(caption, row, 0);
        fields_->addWidget(box, row, 1, 1, 2);
    }

    void addLabel(Label& model) {
        QLabel* l = binder_.label(model);
        if (model.name() == "Title") {
            // the page's title heads the column
            column_->replaceWidget(title_, l);
            delete title_;
            title_ = l;
            QFont f = l->font();
            f.setBold(true);
            f.setPointSizeF(f.pointSizeF() * 1.3);
            l->setFont(f);
            return;
        }
        addRow(l);
    }

    void addRow(QWidget* w) { fields_->addWidget(w, rows_++, 0, 1, 3); }

    void addGroup(QGroupBox* g) { groupBoxes_.push_back(g); }

    // once the fields are all there: as many groups side by side as their width allows
    void placeGroups() {
        const int width = std::max(fields_->minimumSize().width(), hint_.groupsWidth);
        const int columns =
            groupColumns(groupBoxes_, hint_.groupColumns, width, groups_->spacing());
        for (std::size_t i = 0; i < groupBoxes_.size(); ++i) {
            const int n = static_cast<int>(i);
            groups_->addWidget(groupBoxes_[i], n / columns, n % columns);
        }
    }

    const Binder& binder_;
    const LayoutHint& hint_;
    QVBoxLayout* column_;
    QLabel* title_ = new QLabel;
    QGridLayout* fields_ = new QGridLayout;
    QVBoxLayout* picture_ = new QVBoxLayout;
    QGridLayout* groups_ = new QGridLayout;
    QVBoxLayout* extras_ = new QVBoxLayout;
    QHBoxLayout* buttons_ = new QHBoxLayout;
    int rows_ = 0;
    int lastEditRow_ = -1;
    QLabel* lastSuffix_ = nullptr;    // the unit after that field, if it has one
    QHBoxLayout* rowTail_ = nullptr;  // the unit and tick after that field, while open
    bool rowTicked_ = false;          // a tick stands beside that field
    std::vector<QGroupBox*> groupBoxes_;
};

}  // namespace

FormView::FormView(Form& form, Dialogs& dialogs, const LayoutHint& hint, QWidget* parent)
    : QWidget(parent), form_(form), binder_(dialogs) {
    setObjectName(QString::fromStdString(form.formName()));
    followForm();
    if (form.clientSize())
        placeControls();
    else
        arrangeControls(hint);
}

void FormView::followForm() {
    QPointer<FormView> guard(this);
    form_.addVisibilityListener([guard] {
        if (guard) guard->setVisible(guard->form_.visible());
    });
    form_.addPresentListener([guard] {
        if (!guard || !guard->isWindow()) return;
        guard->raise();
        guard->activateWindow();
    });
}

void FormView::arrangeControls(const LayoutHint& hint) {
    auto* outer = outer_ = new QHBoxLayout(this);
    auto* left = left_ = new QVBoxLayout;
    // the fields scroll on a low screen; the buttons under them stay in view
    auto* fields = new QWidget;
    auto* right = new QVBoxLayout(fields);
    right->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new FieldsScroll(fields);
    auto* rightSide = new QVBoxLayout;
    rightSide->addWidget(scroll, 1);
    outer->addLayout(left, 1);  // the output box takes the width the window gains
    outer->addLayout(rightSide);
    RightColumn column(binder_, hint, right, rightSide);
    for (Control* c : form_.laidOut()) {
        if (c->kind() == Kind::Memo && contains(hint.leftColumn, c->name())) {
            LineBox* memo = binder_.memo(static_cast<Memo&>(*c));
            memo->setMinimumWidth(hint.memoWidth);
            memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
            left->addWidget(memo);
            undoAnywhereOnThePage(memo);
        } else if (c->kind() == Kind::Timer) {
            binder_.timer(static_cast<Timer&>(*c), this);
        } else {
            column.add(c);
        }
    }
    column.finish();
    focusIn(rightSide, focusOrder_);
    focusIn(left, focusOrder_);  // the output box after the buttons
    chainFocus(focusOrder_);
    enterPressesButton1();
}

// After "Törlés" the focus is on the button: the box's undo and redo keys work from anywhere
// on the page but a field, which undoes its own typing.
void FormView::undoAnywhereOnThePage(LineBox* memo) {
    for (auto key : {QKeySequence::Undo, QKeySequence::Redo}) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, memo,
                key == QKeySequence::Undo ? &LineBox::undo : &LineBox::redo);
    }
}

void FormView::addBeside(QWidget* side, int stretch, const QList<QWidget*>& focus) {
    side_ = side;
    sideStretch_ = stretch;
    outer_->addWidget(side, stretch);
    focusOrder_ += focus;
    chainFocus(focusOrder_);
}

void FormView::setFolded(bool folded) {
    if (!side_ || folded == folded_) return;
    folded_ = folded;
    // under the output box it asks for no more width than it needs, so that the page's
    // fields get theirs first
    QSizePolicy policy = side_->sizePolicy();
    policy.setHorizontalPolicy(folded ? QSizePolicy::Ignored : QSizePolicy::Preferred);
    side_->setSizePolicy(policy);
    if (folded)
        left_->addWidget(side_, sideStretch_);
    else
        outer_->addWidget(side_, sideStretch_);
}

int FormView::widthBeside() const {
    return side_ ? side_->minimumSizeHint().width() + outer_->spacing() : 0;
}

QWidget* FormView::takePicture() {
    for (Control* c : form_.controls())
        if (c->kind() == Kind::Image) return widget<QWidget>(c->name());
    return nullptr;
}

void chainFocus(const QList<QWidget*>& order) {
    for (qsizetype i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void FormView::enterPressesButton1() {
    auto* button = form_.findAs<Button>("Button1");
    if (!button) return;
    for (Control* c : form_.controls()) {
        if (c->kind() != Kind::Edit) continue;
        if (auto* field = widget<QLineEdit>(c->name()))
            connect(field, &QLineEdit::returnPressed, this,
                    [this, button] { binder_.run([button] { button->click(); }); });
    }
}

void FormView::placeControls() {
    fixed_ = form_.controls();
    for (Control* c : fixed_) placed(*c);
    QPointer<FormView> guard(this);
    form_.addControlsListener([guard] {
        if (guard) guard->placeRunTimeControls();
    });
    fitToControls();
}

// Thousands of boxes (the holes of a large pattern) stand over each other: the window is
// painted once when they are all there, not once for each box made or ticked.
void FormView::placeRunTimeControls() {
    setUpdatesEnabled(false);
    delete boxGroups_;  // before the boxes, which each group would let go one by one
    for (const QPointer<QWidget>& w : made_) delete w.data();
    made_.clear();
    boxGroups_ = new QObject(this);
    QPointer<FormView> guard(this);
    for (Control* c : form_.controls())
        if (std::find(fixed_.begin(), fixed_.end(), c) == fixed_.end()) {
            made_.emplace_back(placed(*c));
            if (auto* box = qobject_cast<QCheckBox*>(made_.back().data())) groupBox(box);
            c->addListener([guard] {
                if (guard) guard->changedInBatch();
            });
        }
    fitToControls();
    paintWhole();
}

// A box that is cleared asks its group whether it is the group's one ticked box; without a
// group it asks each of the window's boxes, so that clearing them all took a time that grew
// with the square of their number. A group takes a box in a time that grows with its size:
// small groups, then.
void FormView::groupBox(QCheckBox* box) {
    constexpr int kBoxesInGroup = 64;
    const QObjectList& groups = boxGroups_->children();
    auto* group = groups.isEmpty() ? nullptr : static_cast<QButtonGroup*>(groups.last());
    if (!group || group->buttons().size() == kBoxesInGroup) {
        group = new QButtonGroup(boxGroups_);
        group->setExclusive(false);
    }
    group->addButton(box);
}

// One box ticked is painted at once; from the second change of one event on ("Mind", "Egyik
// sem") the window waits until the event is through.
void FormView::changedInBatch() {
    if (++changesThisTurn_ == 1) {
        QTimer::singleShot(0, this, [this] {
            changesThisTurn_ = 0;
            paintWhole();
        });
    } else if (changesThisTurn_ == 2) {
        setUpdatesEnabled(false);
    }
}

// Updates enabled again on the window would mark each box for painting on its own, and Qt
// weighs each of those against all the boxes above it: the boxes are let go first, and the
// window is painted once, whole.
void FormView::paintWhole() {
    if (updatesEnabled()) return;
    for (const QPointer<QWidget>& w : made_)
        if (w) w->setAttribute(Qt::WA_UpdatesDisabled, false);
    setUpdatesEnabled(true);
}

QWidget* FormView::placed(Control& c) {
    QWidget* w = nullptr;
    switch (c.kind()) {
        case Kind::Button:
            w = binder_.button(static_cast<Button&>(c));
            break;
        case Kind::CheckBox:
            w = binder_.checkBox(static_cast<CheckBox&>(c), new GroupedCheckBox);
            break;
        case Kind::Label:
            w = binder_.label(static_cast<Label&>(c));
            break;
        case Kind::Edit:
            w = binder_.edit(static_cast<Edit&>(c)).field;
            break;
        default:
            return nullptr;  // no such control stands on a placed form
    }
    w->setParent(this);
    if (c.bounds()) {
        const Bounds& b = *c.bounds();
        // at least as wide as its text needs: the font here is not the one the sizes assume
        w->setGeometry(b.left, b.top, std::max(b.width, w->sizeHint().width()), b.height);
    }
    w->setVisible(c.visible());
    if (c.kind() == Kind::Label && c.bounds()) {
        // a text set later (the check dialog's figures) gets the width it needs
        QPointer<QWidget> guard(w);
        c.addListener([guard, b = *c.bounds()] {
            if (guard) guard->resize(std::max(b.width, guard->sizeHint().width()), b.height);
        });
    }
    return w;
}

void FormView::fitToControls() {
    // the client area, or more where a control stands beyond it
    QRect area(0, 0, form_.clientSize()->width, form_.clientSize()->height);
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        area = area.united(w->geometry().adjusted(0, 0, 8, 8));
    fixSizeKeepingMiddle(this, area.size());
}

void FormView::closeEvent(QCloseEvent* e) {
    if (isWindow() && form_.visible()) binder_.run([this] { form_.setVisible(false); });
    QWidget::closeEvent(e);
}

bool FormView::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && isWindow() && form_.onActivate) {
        // after the activation is delivered, so that a box it may open is not opened inside it
        QPointer<FormView> guard(this);
        QTimer::singleShot(0, this, [guard] {
            if (guard && guard->form_.onActivate) guard->binder_.run(guard->form_.onActivate);
        });
    }
    return QWidget::event(e);
}

void FormView::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!isWindow() || placedOnce_) return;
    placedOnce_ = true;
    centreOver(this, parentWidget());
}

FormView* openFormWindow(Form& form, Dialogs& dialogs, QWidget* parent) {
    auto* view = new FormView(form, dialogs, parent);
    // a dialog of its owner: it stays above the main window and is not modal
    view->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint);
    view->setWindowTitle(QString::fromStdString(form.caption()));
    view->setVisible(form.visible());
    return view;
}

void openFormWindowWhenShown(Form& form, Dialogs& dialogs, QWidget* parent) {
    if (form.visible()) {
        openFormWindow(form, dialogs, parent);
        return;
    }
    QPointer<QWidget> owner(parent);
    auto made = std::make_shared<bool>(false);
    form.addVisibilityListener([&form, &dialogs, owner, made] {
        if (*made || !form.visible() || !owner) return;
        *made = true;
        openFormWindow(form, dialogs, owner);
    });
}

}  // namespace ui::qt
