// The controls that every page with the common input set shows, declared once in the block's
// control table. A page derives from this block after WizardPage, so that the controls belong
// to the page and keep their usual names; the captions and defaults that differ between pages
// come in CommonControlTexts. A page places its own controls among these ones by its own
// table's rows (listedAfter, shownAfter).
#pragma once

#include <string>

#include "ui/controls.h"
#include "ui/form.h"
#include "wizards/common/frame.h"

namespace qorix {

// Defaults are given with the run's decimal separator already in them.
struct CommonControlTexts {
    std::string xCaption = "X tengely kezdőpontja:";
    std::string yCaption = "Y tengely kezdőpontja:";
    std::string zeroDefault;  // "0,0000" as the run writes it
    std::string depthCaption;
    std::string depthDefault;
    std::string toolDefault = "5";
    std::string stepDefault;
    bool noStepLimit = false;
    std::string g1Caption = "G1 feed:";
    std::string g1Default = "150";
};

class CommonControls {
public:
    CommonControls(ui::Form* page, const CommonControlTexts& texts);

    // Points the inputs at the tool's and the program's settings; the start point, depth and
    // tool diameter are read differently by different pages, which point them themselves.
    void wireInputs(CommonInputs& inputs);

    ui::Edit Edit_x_, Edit_y_, Edit_z_, Edit_zsb_, Edit_m_, Edit_sz_;
    ui::Edit Edit_szc_;
    ui::CheckBox CheckBox_szc_;
    ui::Edit Edit_szsz_, Edit_ff_;
    ui::CheckBox CheckBox_szsz_;
    ui::Edit Edit_g1_;
    ui::RadioGroup RadioGroup_h_, RadioGroup_m34_;
    ui::CheckBox CheckBox_msg_;
    ui::Button Button2;
};

}  // namespace qorix
