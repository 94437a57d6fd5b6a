// The desktop's dialogs: a modal QMessageBox with the caption, the text and one OK button, a
// yes/no question, and the save dialog with the one filter "*.tap" and no default extension.
// Each opens over the window the user works in, so that it never hides behind another.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

#include "ui/dialogs.h"

class QCoreApplication;
class QMessageBox;

namespace ui::qt {

inline constexpr const char* kSaveFilter = "*.tap (*.tap)";

// Qt's own texts (the save dialog, its buttons and questions, the boxes' buttons) in
// Hungarian, as the rest of the program; false when the translations are not installed.
bool installHungarianQtTexts(QCoreApplication& app);

class QtDialogs : public Dialogs {
public:
    // The window the boxes belong to when no window of the program is active (may be set
    // later, or left null).
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    void message(const std::string& caption, const std::string& text) override;
    // The chosen name; empty after a cancel. A name whose program file (with ".tap" added
    // when it lacks it) exists is confirmed by the user first.
    std::string saveFileName() override;
    bool ask(const std::string& caption, const std::string& text) override;

private:
    QWidget* owner() const;
    std::string held_;
    QPointer<QWidget> parent_;
};

// Widens a message box so that its title bar shows the whole caption.
void fitCaption(QMessageBox& box);

}  // namespace ui::qt
