#include "desktop/qtdialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace ui::qt {

void QtDialogs::message(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok, parent_);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::string QtDialogs::saveFileName() {
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The widget dialog on every platform: the filter reads "*.tap" and no suffix is added.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(kSaveFilter);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (!held_.empty()) {
        QFileInfo previous(QString::fromStdString(held_));
        dialog.setDirectory(previous.absolutePath());
        dialog.selectFile(previous.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    held_ = dialog.selectedFiles().constFirst().toStdString();
    return held_;
}

}  // namespace ui::qt
