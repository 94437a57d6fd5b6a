// The preview beside a wizard page: the toolpath view with its view buttons, the program's
// measures and warnings under it, and the settings of the time estimate. It follows the
// page's output box: a press of "Létrehozás" shows the program at once, typing after a pause;
// a line chosen in the box lights its moves, a move clicked chooses its line.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "desktop/toolpathview.h"
#include "wizards/common/page.h"

class QDoubleSpinBox;

namespace ui::qt {

class PreviewPanel : public QWidget {
public:
    // box: the page's output box, linked both ways.
    PreviewPanel(qorix::WizardPage& page, QPlainTextEdit* box, QWidget* parent = nullptr);

    ToolpathView* view() const { return view_; }
    QLabel* measures() const { return measures_; }
    QListWidget* warnings() const { return warnings_; }
    // The output box now holds a file read from disk: the page's facts do not hold for it
    // until the next press of "Létrehozás".
    void showFile();
    // "Megnyitás" above the view: the main window reads the file chosen.
    std::function<void()> onOpen;
    // The settings of the estimate, as remembered between runs.
    QDoubleSpinBox* rapidRate() const { return rapidRate_; }
    QDoubleSpinBox* toolChangeTime() const { return toolChange_; }

private:
    QWidget* makeViewButtons();
    QWidget* makeSettings();
    void modelChanged();
    void refresh(bool refit);
    qorix::PreviewFacts facts() const;
    void showResult();
    void boxCursorMoved();
    void selectLine(std::uint32_t line);
    void settingsChanged();

    qorix::WizardPage& page_;
    QPlainTextEdit* box_;
    ToolpathView* view_;
    QLabel* measures_;
    QListWidget* warnings_;
    QDoubleSpinBox* rapidRate_ = nullptr;
    QDoubleSpinBox* toolChange_ = nullptr;
    QTimer typingPause_;
    bool fromFile_ = false;
    bool refitNext_ = true;
    bool selecting_ = false;  // the box's cursor is being moved from the view
};

}  // namespace ui::qt
