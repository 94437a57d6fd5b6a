// "Feladat" in the main window's top bar: a button whose menu saves and opens the shown
// page's job, brings the page's defaults back and switches "Utolsó értékek megőrzése". The
// save and open keys (Ctrl+Shift+S, Ctrl+Shift+O) work from anywhere in the window.
#pragma once

#include <QPushButton>

#include "app/pagejobs.h"
#include "desktop/binding.h"

namespace ui::qt {

class JobMenuButton : public QPushButton {
public:
    JobMenuButton(qorix::PageJobs& jobs, const Binder& binder, QWidget* window);

    QAction* saveAction() const { return save_; }
    QAction* openAction() const { return open_; }
    QAction* defaultsAction() const { return defaults_; }
    QAction* keepLastAction() const { return keepLast_; }

private:
    void chooseSave();
    void chooseOpen();
    // The open menu offers the page's actions only while a page with a job is shown.
    void follow();

    qorix::PageJobs& jobs_;
    const Binder& binder_;
    QWidget* window_;
    QAction* save_;
    QAction* open_;
    QAction* defaults_;
    QAction* keepLast_;
};

}  // namespace ui::qt
