// The drilling page and its hole selector wired together as the desktop program wires them,
// with recorded message boxes and comma settings.
#pragma once

#include <gtest/gtest.h>

#include "ui/dialogs.h"
#include "ui/event.h"
#include "wizards/drilling/boltcircle.h"
#include "wizards/drilling/holeselector.h"

namespace qorix::test {

class DrillingTest : public ::testing::Test {
protected:
    DrillingTest() {
        page.setHoleSelector(&selector);
        page.onNotice = [this](const std::string& text) { notices.push_back(text); };
        page.startup();
        dialogs.clearMessages();
    }

    // A press of "Létrehozás" as the user makes it.
    bool create() {
        return ui::runEvent(dialogs, [&] { page.Button1.click(); }) && page.lastRunWrote();
    }
    const std::vector<std::string>& lines() const { return page.Memo1.lines(); }
    std::vector<std::string> cycleAndHoleLines() const {
        std::vector<std::string> out;
        for (const auto& l : lines())
            if (l.rfind("G8", 0) == 0 || l.rfind("G7", 0) == 0 || l.rfind("X", 0) == 0)
                out.push_back(l);
        return out;
    }

    std::vector<std::string> notices;  // what the page told the status line
    ui::RecordingDialogs dialogs;
    NumberText num{','};
    Services services{dialogs, num};
    BoltCirclePage page{services};
    DrillingValues& values = page.values();
    HoleSelectorDialog selector{services, page.holeChoice()};
};

inline const char* kErr = "Figyelmeztetés rossz paraméterezésről";

}  // namespace qorix::test
