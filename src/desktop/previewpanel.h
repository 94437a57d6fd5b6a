// The preview beside a wizard page: the toolpath view with its view buttons, the program's
// measures and warnings under it, and the settings of the time estimate. It follows the
// page's output box: a press of "Létrehozás" shows the program at once, typing after a pause
// (the box hands every key to the page at once, so the pause is the preview's own); the line
// of the box's cursor lights its moves, a move clicked chooses its line.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desktop/linebox.h"
#include "desktop/toolpathview.h"
#include "wizards/common/page.h"

class QDoubleSpinBox;
class QToolButton;

namespace ui::qt {

class PreviewPanel : public QWidget {
public:
    // box: the page's output box, linked both ways; picture: the page's picture, which the
    // panel shows in its first tab (the drawing in the second) when there is one.
    PreviewPanel(qorix::WizardPage& page, LineBox* box, QWidget* picture,
                 QWidget* parent = nullptr);

    ToolpathView* view() const { return view_; }
    QTabWidget* tabs() const { return tabs_; }
    // The widgets that take the focus, in the order Tab visits them.
    const QList<QWidget*>& focusOrder() const { return focus_; }
    QLabel* measures() const { return measures_; }
    QListWidget* warnings() const { return warnings_; }
    // The next change of the output box is a file read from disk: the page's facts do not
    // hold for it until the page writes the box again.
    void showFile();
    // A file is being read for the output box (a large one takes a while): the view says so.
    void fileOpening(bool on);
    // "Megnyitás" beside the tabs: the main window reads the file chosen.
    std::function<void()> onOpen;
    // The settings of the estimate, as remembered between runs.
    QDoubleSpinBox* rapidRate() const { return rapidRate_; }
    QDoubleSpinBox* toolChangeTime() const { return toolChange_; }
    // The drilling cycles' back-off above the last peck, in the popup of "Továbbiak…".
    QDoubleSpinBox* peckBackOff() const { return backOff_; }

private:
    QWidget* makePreviewTab();
    QWidget* makeViewButtons();
    QWidget* makeSettings();
    QToolButton* makeMoreSettings();
    void addOpenButton();
    // A change of the page's output box reads the program again (typing after a pause).
    void followPage();
    // The box's cursor line, a move clicked in the view and a warning clicked point at the same
    // line.
    void linkLines();
    void modelChanged();
    void refresh(bool refit);
    void copyMore(std::shared_ptr<program::LineText> copy, std::uint64_t revision, int generation,
                  bool refit);
    qorix::PreviewFacts facts() const;
    void showResult();
    void selectLine(std::uint32_t line);
    void settingsChanged();

    qorix::WizardPage& page_;
    LineBox* box_;
    QTabWidget* tabs_ = nullptr;
    ToolpathView* view_;
    QLabel* measures_;
    QListWidget* warnings_;
    QDoubleSpinBox* rapidRate_ = nullptr;
    QDoubleSpinBox* toolChange_ = nullptr;
    QDoubleSpinBox* backOff_ = nullptr;
    QTimer typingPause_;
    bool fromFile_ = false;  // the box holds a file read from disk
    bool opening_ = false;   // the next change of the box is that file
    bool refreshQueued_ = false;
    bool showOnRead_ = false;  // a new program: its tab is chosen once it is read
    QList<QWidget*> focus_;
    int copyGeneration_ = 0;  // a newer refresh ends the copy of an older one
};

}  // namespace ui::qt
