// A page under test: its services, its start-up with the defaults, a press of "Létrehozás"
// through the event wrapper, and questions about its output.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/dialogs.h"
#include "ui/event.h"
#include "wizards/common/messages.h"
#include "wizards/common/services.h"

namespace qorix::test {

// The services of a page that needs no shared store.
struct PlainServices {
    NumberText num{','};
    ui::RecordingDialogs dialogs;
    Services services{dialogs, num};
};

template <class Page, class With = PlainServices>
class PageTest : public ::testing::Test, protected With {
protected:
    Page page{this->services};

    void SetUp() override { page.startup(); }
    // Presses "Létrehozás" with no earlier messages; true when the program was written.
    bool press() {
        this->dialogs.clearMessages();
        return ui::runEvent(this->dialogs, [&] { page.Button1.click(); }) && page.lastRunWrote();
    }
    const std::vector<std::string>& out() const { return page.Memo1.lines(); }
    bool has(const std::string& line) const {
        return std::find(out().begin(), out().end(), line) != out().end();
    }
    long count(const std::string& prefix) const {
        return std::count_if(out().begin(), out().end(),
                             [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    }
    static ui::Message error(const std::string& text) { return {msg::kErrorCaption, text}; }
};

}  // namespace qorix::test
