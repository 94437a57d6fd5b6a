#include "wizards/common/commoncontrols.h"

namespace qorix {

CommonControls::CommonControls(ui::Form* page, const CommonControlTexts& texts)
    : Edit_x_(page, "Edit_x_", texts.xCaption, texts.zeroDefault),
      Edit_y_(page, "Edit_y_", texts.yCaption, texts.zeroDefault),
      Edit_z_(page, "Edit_z_", "Z tengely kezdőpontja:", texts.zeroDefault),
      Edit_zsb_(page, "Edit_zsb_", "biztonsági Z: +", "5"),
      Edit_m_(page, "Edit_m_", texts.depthCaption, texts.depthDefault),
      Edit_sz_(page, "Edit_sz_", "Szerszám átmérő:", texts.toolDefault),
      Edit_szc_(page, "Edit_szc_", "Lépésenkénti maximális fogási mélység: ", texts.stepDefault),
      CheckBox_szc_(page, "CheckBox_szc_", "nincs", texts.noStepLimit),
      Edit_szsz_(page, "Edit_szsz_", "Szerszám száma:", "1"),
      Edit_ff_(page, "Edit_ff_", "Főorsó fordulata: ", "1000"),
      CheckBox_szsz_(page, "CheckBox_szsz_", "nincs", false),
      Edit_g1_(page, "Edit_g1_", texts.g1Caption, texts.g1Default),
      RadioGroup_h_(page, "RadioGroup_h_", " Hűtés ", {"nincs", "M7", "M8"}, 0),
      RadioGroup_m34_(page, "RadioGroup_m34_", " Forgásirány ", {"M3", "M4"}, 0),
      CheckBox_msg_(page, "CheckBox_msg_", "Megjegyzésekkel", true),
      Button2(page, "Button2", "Törlés") {}

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
