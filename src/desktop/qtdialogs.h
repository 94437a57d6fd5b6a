// The desktop's dialogs: a modal QMessageBox with the caption, the text and one OK button,
// and the save dialog with the one filter "*.tap" and no default extension.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string>

#include "ui/dialogs.h"

namespace ui::qt {

inline constexpr const char* kSaveFilter = "*.tap (*.tap)";

class QtDialogs : public Dialogs {
public:
    // The window the boxes are modal to (may be set later, or left null).
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    void message(const std::string& caption, const std::string& text) override;
    // After a cancel, the name chosen the time before (empty if none yet).
    std::string saveFileName() override;

private:
    QPointer<QWidget> parent_;
    std::string held_;
};

}  // namespace ui::qt
