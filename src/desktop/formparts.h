// Parts of an arranged page (FormView): the scrolled fields, a choice whose caption gives way
// on a narrow screen, the boxes of a placed form, how many groups stand side by side, the
// order in which Tab visits the widgets.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QList>
#include <QScrollArea>
#include <QStyle>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace ui::qt {

// The page's fields, scrolled when the screen is lower than they are: as wide as they are,
// as high as they are when there is room, and down to a few rows when there is not.
class FieldsScroll : public QScrollArea {
public:
    explicit FieldsScroll(QWidget* fields) {
        setObjectName("fieldsScroll");
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);  // the fields inside take it
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setWidget(fields);
    }
    QSize sizeHint() const override { return widget()->sizeHint() + QSize(bar(), 0); }
    QSize minimumSizeHint() const override {
        const QSize all = widget()->minimumSizeHint();
        return {all.width() + bar(), std::min(all.height(), 160)};
    }

private:
    int bar() const { return style()->pixelMetric(QStyle::PM_ScrollBarExtent); }
};

// A choice and its caption at the end of a field's row. Its caption shows while the page has
// the width for it; on a narrower screen the choice keeps the row alone (the caption stays in
// its tooltip's place, the name that a screen reader says), so that the page asks for no more
// width than the choice needs.
class CaptionedChoice : public QWidget {
public:
    CaptionedChoice(QLabel* caption, QComboBox* box);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QLabel* caption_;
    QComboBox* box_;
};

// A check box that keeps the keys of a box without a group when it is in one (a group makes
// clearing one of thousands of boxes quick, FormView): Tab and the arrow keys go on to the
// next widget, and no box of its group leaves the Tab chain when this one takes the focus.
class GroupedCheckBox : public QCheckBox {
protected:
    void focusInEvent(QFocusEvent* e) override { QWidget::focusInEvent(e); }
    void keyPressEvent(QKeyEvent* e) override;
};

// The widgets of a layout that take the focus, in reading order (a grid row by row), added
// to `order`: the fields of a scrolled area, the buttons of a group box.
void focusIn(QLayout* layout, QList<QWidget*>& order);

// How many groups stand in a row: `least`, or more while the rows stay within `width`, so
// that a page with many small groups takes fewer rows of them and no more width.
int groupColumns(const std::vector<QGroupBox*>& groups, int least, int width, int spacing);

}  // namespace ui::qt
