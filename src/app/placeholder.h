// Pages of the main window that generate nothing: the drill-rectangle placeholder
// RectangleHolesPlaceholder, whose controls are all disabled, and the empty page that stands for a
// wizard whose page is not part of the program yet.
#pragma once

#include "wizards/common/page.h"

namespace qorix {

class PlaceholderPage : public WizardPage {
public:
    // disabled: every control of the page is switched off.
    PlaceholderPage(std::string name, std::string title, Services& services, bool disabled);

    void ReadParameters() override {}
    void PrepareValues() override {}
    void WriteHeaderComments() override {}
    void GenerateProgram() override {}
    // The main window only hides such a page at start-up.
    void startup() override {}
    bool seriesFlag() const override { return false; }
    bool errorFlag() const override { return true; }
};

// "Fúrás Téglalap mentén (drill rectangle bolt pattern)": a page that is there but does
// nothing yet; all its controls are disabled.
class RectangleHolesPlaceholder : public PlaceholderPage {
public:
    explicit RectangleHolesPlaceholder(Services& services);
};

}  // namespace qorix
