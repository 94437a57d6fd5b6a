// What the logic asks of the desktop: a modal message box and the file-save dialog.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace ui {

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal box with the caption, the text and one OK button.
    virtual void message(const std::string& caption, const std::string& text) = 0;
    // Runs the save dialog, which offers the name chosen the time before, and returns the
    // name just chosen; empty after a cancel. (A cancel once returned the earlier name, so
    // that the program was saved over it and, with QORIX, loaded: a cancel writes nothing.)
    virtual std::string saveFileName() = 0;
    // A modal question with the caption, the text and the buttons yes and no; true for yes.
    virtual bool ask(const std::string& caption, const std::string& text) = 0;
};

struct Message {
    std::string caption;
    std::string text;
    bool operator==(const Message&) const = default;
};

// Records every message; answers the save dialog from a queue of scripted choices.
class RecordingDialogs : public Dialogs {
public:
    void message(const std::string& caption, const std::string& text) override;
    std::string saveFileName() override;
    // Answers with the next scripted answer; yes when none is left.
    bool ask(const std::string& caption, const std::string& text) override;

    // The next question is answered so.
    void answer(bool yes) { questionAnswers_.push_back(yes); }
    const std::vector<Message>& questions() const { return questions_; }

    // The next save dialog is confirmed with this name.
    void chooseFile(std::string name) { answers_.push_back(Answer{true, std::move(name)}); }
    // The next save dialog is cancelled.
    void cancelSave() { answers_.push_back(Answer{false, {}}); }

    const std::vector<Message>& messages() const { return messages_; }
    void clearMessages() { messages_.clear(); }
    int saveDialogsShown() const { return saveDialogsShown_; }
    // The name the next save dialog offers: the last one chosen.
    const std::string& offeredName() const { return held_; }

private:
    struct Answer {
        bool confirmed;
        std::string name;
    };
    std::vector<Message> messages_;
    std::vector<Message> questions_;
    std::deque<bool> questionAnswers_;
    std::deque<Answer> answers_;
    std::string held_;
    int saveDialogsShown_ = 0;
};

}  // namespace ui
