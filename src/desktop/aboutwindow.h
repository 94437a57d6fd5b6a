// The About and diagnostics window's face: the panel (picture, product, version, authors,
// description), "OK", the command field and "MDI"; in the large size also the position, log
// and command echo boxes with the two listing buttons. The l and h keys on "OK" switch the
// size. The window is not modal and only hides when closed: the store lives on.
#pragma once

#include <QHBoxLayout>
#include <QWidget>

#include "desktop/binding.h"
#include "link/aboutbox.h"

namespace ui::qt {

class AboutWindow : public QWidget {
public:
    AboutWindow(qorix::AboutBox& store, Dialogs& dialogs, QWidget* parent = nullptr);

    // What "About" in the main window does.
    void showNonModal();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // The compact window's column: the panel, the command field with "MDI", its answer, "OK".
    QWidget* leftColumn();
    QHBoxLayout* okRow();
    QWidget* panel();
    QWidget* boxes();
    void followSize();
    // The window follows the store's size and visibility for as long as both live.
    void watchStore();

    qorix::AboutBox& store_;
    Binder binder_;
    QWidget* boxes_ = nullptr;
    QPushButton* ok_ = nullptr;
    bool placedOnce_ = false;
};

}  // namespace ui::qt
