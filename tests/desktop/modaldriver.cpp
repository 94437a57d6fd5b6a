#include "modaldriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>

namespace qorix::test {

ModalDriver::ModalDriver() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    timer_.start();
}

void ModalDriver::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        messages_.push_back(
            ui::Message{box->windowTitle().toStdString(), box->text().toStdString()});
        QList<QAbstractButton*> buttons = box->buttons();
        if (buttons.size() == 1 && box->standardButton(buttons[0]) == QMessageBox::Ok)
            buttons[0]->click();
        else
            box->done(-1);  // not the one-OK box the program must show: closed all the same
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
        ++saveDialogs_;
        lastFilters = dialog->nameFilters();
        lastDefaultSuffix = dialog->defaultSuffix();
        std::optional<std::string> answer;
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        }
        if (answer) {
            dialog->selectFile(QString::fromStdString(*answer));
            // the dialog's own "Save" button, as a user would press it
            auto* box = dialog->findChild<QDialogButtonBox*>("buttonBox");
            QPushButton* save = box ? box->button(QDialogButtonBox::Save) : nullptr;
            if (save)
                save->click();
            else
                QMetaObject::invokeMethod(dialog, "accept");
        } else {
            dialog->reject();
        }
    }
}

}  // namespace qorix::test
