// Answers the modal dialogs that the real widgets open during a Qt test: every message box is
// recorded (caption and text) and closed with its OK button; each save dialog takes the next
// scripted answer (a file to choose, or a cancel).
#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace qorix::test {

class ModalDriver : public QObject {
public:
    ModalDriver();

    void chooseFile(const std::string& path) { answers_.push_back(path); }
    // The next yes/no question is answered so (yes when nothing is scripted).
    void answer(bool yes) { questionAnswers_.push_back(yes); }
    // The questions seen (caption and text), apart from the one-OK boxes.
    const std::vector<ui::Message>& questions() const { return questions_; }
    // Each box as it stood when it was answered: its width, the width of its caption in the
    // box's bold font, and the window it belongs to.
    struct BoxSeen {
        int width = 0;
        int captionWidth = 0;
        QWidget* owner = nullptr;
        QString text;
    };
    std::vector<BoxSeen> boxes;
    // Runs on each box before it is answered (a test looks at the window behind it).
    std::function<void(QMessageBox*)> onBox;
    // The save dialog's title and button texts, as last seen.
    QString lastDialogTitle;
    QStringList lastDialogButtons;
    void cancelSave() { answers_.push_back(std::nullopt); }

    const std::vector<ui::Message>& messages() const { return messages_; }
    void clearMessages() { messages_.clear(); }
    int saveDialogs() const { return saveDialogs_; }
    // Filters and options of the last save dialog seen.
    QStringList lastFilters;
    QString lastDefaultSuffix;

private:
    void poll();
    QTimer timer_;
    void answerBox(QMessageBox* box);
    std::deque<std::optional<std::string>> answers_;
    std::deque<bool> questionAnswers_;
    std::vector<ui::Message> questions_;
    std::vector<ui::Message> messages_;
    int saveDialogs_ = 0;
};

}  // namespace qorix::test
