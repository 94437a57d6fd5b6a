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

bool RecordingDialogs::ask(const std::string& caption, const std::string& text) {
    questions_.push_back(Message{caption, text});
    if (questionAnswers_.empty()) return true;
    bool yes = questionAnswers_.front();
    questionAnswers_.pop_front();
    return yes;
}

}  // namespace ui
