#include "ui/dialogs.h"

namespace ui {

void RecordingDialogs::message(const std::string& caption, const std::string& text) {
    messages_.push_back(Message{caption, text});
}

std::string RecordingDialogs::saveFileName() {
    ++saveDialogsShown_;
    if (!answers_.empty()) {
        Answer answer = answers_.front();
        answers_.pop_front();
        if (answer.confirmed) held_ = answer.name;
    }
    return held_;
}

}  // namespace ui
