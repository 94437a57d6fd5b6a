// Answers the modal dialogs that the real widgets open during a Qt test: every message box is
// recorded (caption and text) and closed with its OK button; each save dialog takes the next
// scripted answer (a file to choose, or a cancel).
#pragma once

#include <QFileDialog>
#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace qorix::test {

class ModalDriver : public QObject {
public:
    ModalDriver();

    void chooseFile(const std::string& path) { answers_.push_back(path); }
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
    std::deque<std::optional<std::string>> answers_;
    std::vector<ui::Message> messages_;
    int saveDialogs_ = 0;
};

}  // namespace qorix::test
