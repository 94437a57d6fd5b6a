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
        answerBox(box);
    } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
        ++saveDialogs_;
        lastDialogTitle = dialog->windowTitle();
        lastDialogButtons.clear();
        for (auto* b : dialog->findChildren<QPushButton*>()) lastDialogButtons << b->text();
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

void ModalDriver::answerBox(QMessageBox* box) {
    if (onBox) onBox(box);
    QFont bold = box->font();
    bold.setBold(true);
    boxes.push_back(BoxSeen{box->width(), QFontMetrics(bold).horizontalAdvance(box->windowTitle()),
                            box->parentWidget(), box->text()});
    const ui::Message seen{box->windowTitle().toStdString(), box->text().toStdString()};
    QList<QAbstractButton*> buttons = box->buttons();
    if (buttons.size() == 1 && box->standardButton(buttons[0]) == QMessageBox::Ok) {
        messages_.push_back(seen);
        buttons[0]->click();
    } else if (box->button(QMessageBox::Yes) && box->button(QMessageBox::No)) {
        questions_.push_back(seen);
        bool yes = true;
        if (!questionAnswers_.empty()) {
            yes = questionAnswers_.front();
            questionAnswers_.pop_front();
        }
        box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    } else {
        messages_.push_back(seen);
        box->done(-1);  // not the one-OK box the program must show: closed all the same
    }
}

}  // namespace qorix::test
