// The main window's face: the top bar (wizard list, send button, "About", "Exit", the
// standalone check box) and below it every page in one place, each shown while its model is
// visible. Each page is made the first time it shows, or in the idle time after the window
// first paints; the window then takes the size of its largest page and is centred again.
#pragma once

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QThreadPool>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "app/mainwindowlogic.h"
#include "app/pagejobs.h"
#include "app/toolchoice.h"
#include "desktop/binding.h"
#include "desktop/formview.h"
#include "desktop/previewpanel.h"

namespace ui::qt {

class MainWindow : public QWidget {
public:
    MainWindow(qorix::MainWindowLogic& form, Dialogs& dialogs, QWidget* parent = nullptr);

    qorix::MainWindowLogic& form() const { return form_; }
    // The page view of wizard number n (1..8), made now if it has not been yet.
    FormView* pageView(int wizardNumber) const;
    // The preview beside the page of wizard number n, made with the page (null for a page
    // whose output box is disabled, which writes nothing).
    PreviewPanel* preview(int wizardNumber) const;
    // "Megnyitás": a program file read (beside the window) into the shown page's output box and
    // its preview.
    void openProgram(const QString& path);
    // Whether the pages' place is bounded by the screen (they scroll when they do not fit).
    // On by default; off for pictures of the whole window.
    void setFitToScreen(bool on);
    // How many page views exist so far.
    int pagesMade() const {
        return static_cast<int>(
            std::count_if(pages_.begin(), pages_.end(), [](FormView* v) { return v != nullptr; }));
    }

    // "Feladat" in the top bar beside the send button, for the shown page's job.
    void addJobMenu(qorix::PageJobs& jobs);
    // "Szerszámtábla…" in that menu (Ctrl+Shift+T from anywhere in the window): the editor of
    // the tool table.
    void addToolTable(qorix::ToolBook& book, char separator);

    // What "Exit" does once its end code is written: the window really closes.
    void closeForGood();

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    // Closing by the window's frame is "Exit": in host mode QORIX is told "E", and a failed
    // write keeps the window open.
    void closeEvent(QCloseEvent* e) override;

private:
    // The scroll area of the pages asks for the size it is given.
    class PagesScroll : public QScrollArea {
    public:
        QSize sizeHint() const override { return wanted_; }
        // smaller when the user makes the window smaller: the pages scroll then
        QSize minimumSizeHint() const override { return wanted_.boundedTo(QSize(480, 320)); }
        void setWanted(QSize size) {
            wanted_ = size;
            updateGeometry();
        }

    private:
        QSize wanted_;
    };

    // The constructor's parts, top to bottom; the pages themselves are made later.
    QHBoxLayout* buildTopBar();
    QHBoxLayout* topBar_ = nullptr;
    QScrollArea* buildPagesArea();
    QLabel* buildStatusLine();
    void watchPages();
    FormView* buildPage(std::size_t index);
    void fitPagesToScreen();
    void foldPages(int roomWidth);
    QSize largestPage(bool minimum) const;
    void activateLater();
    void buildNextPageLater();
    void centre();
    // Tab goes from the wizard list through the shown page to the send button and on along
    // the top bar.
    void chainFocus();
    void chooseProgramFile();

    qorix::MainWindowLogic& form_;
    Binder binder_;
    QWidget* area_ = nullptr;
    QGridLayout* stack_ = nullptr;
    PagesScroll* scroll_ = nullptr;
    bool fitToScreen_ = true;
    std::vector<FormView*> pages_;  // null until made
    std::vector<PreviewPanel*> previews_;
    QThreadPool reader_;  // reads an opened program file; waits for it when the window goes
    bool centred_ = false;
    bool paintedOnce_ = false;
    bool recentre_ = false;  // a page made after the first show made the window larger
    bool closing_ = false;
    bool activationWaits_ = false;  // the window was activated before its pages were made
};

}  // namespace ui::qt
