// The main window's face: the top bar (wizard list, send button, "About", "Exit", the
// standalone check box) and below it every page in one place, each shown while its model is
// visible. The window takes the size of its largest page and stays centred.
#pragma once

#include <QWidget>
#include <vector>

#include "app/form1.h"
#include "ui/qt/binding.h"
#include "ui/qt/formview.h"

namespace ui::qt {

class MainWindow : public QWidget {
public:
    MainWindow(qorix::TForm1& form, Dialogs& dialogs, QWidget* parent = nullptr);

    qorix::TForm1& form() const { return form_; }
    // The page view of wizard number n (1..8).
    FormView* pageView(int wizardNumber) const { return pages_.at(wizardNumber - 1); }

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    qorix::TForm1& form_;
    Binder binder_;
    std::vector<FormView*> pages_;
    bool centred_ = false;
};

}  // namespace ui::qt
