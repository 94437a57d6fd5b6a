#include "wizards/common/commoncontrols.h"

namespace qorix {

CommonControls::CommonControls(ui::Form* page, const CommonControlTexts& texts) {
    using Row = ui::Form::Row;
    page->declare({
        Row(Edit_x_, "Edit_x_", {texts.xCaption, texts.zeroDefault}),
        Row(Edit_y_, "Edit_y_", {texts.yCaption, texts.zeroDefault}),
        Row(Edit_z_, "Edit_z_", {"Z tengely kezdőpontja:", texts.zeroDefault}),
        Row(Edit_zsb_, "Edit_zsb_", {"biztonsági Z: +", "5"}),
        Row(Edit_m_, "Edit_m_", {texts.depthCaption, texts.depthDefault}),
        Row(Edit_sz_, "Edit_sz_", {"Szerszám átmérő:", texts.toolDefault}),
        Row(Edit_szc_, "Edit_szc_", {"Lépésenkénti maximális fogási mélység: ", texts.stepDefault}),
        Row(CheckBox_szc_, "CheckBox_szc_", {"nincs", texts.noStepLimit}),
        Row(Edit_szsz_, "Edit_szsz_", {"Szerszám száma:", "1"}),
        Row(Edit_ff_, "Edit_ff_", {"Főorsó fordulata: ", "1000"}),
        // listed after the speed, shown beside the tool number it empties
        Row(CheckBox_szsz_, "CheckBox_szsz_", {"nincs", false}).shownAfter(Edit_szsz_),
        Row(Edit_g1_, "Edit_g1_", {texts.g1Caption, texts.g1Default}),
        Row(RadioGroup_h_, "RadioGroup_h_", {" Hűtés ", {"nincs", "M7", "M8"}, 0}),
        Row(RadioGroup_m34_, "RadioGroup_m34_", {" Forgásirány ", {"M3", "M4"}, 0}),
        Row(CheckBox_msg_, "CheckBox_msg_", {"Megjegyzésekkel", true}),
        Row(Button2, "Button2", {"Törlés"}),
    });
}

void CommonControls::wireInputs(CommonInputs& inputs) {
    inputs.stepLimit = &Edit_szc_;
    inputs.noStepLimit = &CheckBox_szc_;
    inputs.toolNumber = &Edit_szsz_;
    inputs.spindleSpeed = &Edit_ff_;
    inputs.noTool = &CheckBox_szsz_;
    inputs.linearFeed = &Edit_g1_;
    inputs.coolant = &RadioGroup_h_;
    inputs.spindleDirection = &RadioGroup_m34_;
    inputs.comments = &CheckBox_msg_;
}

}  // namespace qorix
