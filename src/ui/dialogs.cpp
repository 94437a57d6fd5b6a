#include "ui/dialogs.h"

namespace ui {

void RecordingDialogs::message(const std::string& caption, const std::string& text) {
    messages_.push_back(Message{caption, text});
}

std::string RecordingDialogs::saveFileName() {
    ++saveDialogsShown_;
    if (answers_.empty()) return {};  // nothing scripted: the dialog was cancelled
    Answer answer = answers_.front();
    answers_.pop_front();
    if (!answer.confirmed) return {};
    held_ = answer.name;
    return held_;
}

}  // namespace ui
