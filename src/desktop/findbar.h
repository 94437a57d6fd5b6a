// The find field under the output box's text: Enter finds the next place, Shift+Enter the
// one before, Escape closes it and gives the focus back to the box.
#pragma once

#include <QLineEdit>
#include <QWidget>

namespace ui::qt {

class LineBox;

class FindBar : public QWidget {
public:
    explicit FindBar(LineBox* box);
    QLineEdit* field() const { return field_; }
    // A text found nowhere shows in the field's colour.
    void showFound(bool found);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void close();
    LineBox* box_;
    QLineEdit* field_;
};

}  // namespace ui::qt
