// Per-form tuning of the generic arrangement; a form without an entry gets the default.
#include "desktop/formview.h"

namespace ui::qt {

LayoutHint layoutHintFor(const std::string& formName) {
    LayoutHint hint;
    if (formName == "TFrame5") hint.moveAfter.push_back({"Edit_r_", "Edit_sz_"});
    // the numbered page's "nincs" beside its tool number
    if (formName == "TFrame3") hint.moveAfter.push_back({"CheckBox1", "Edit13"});
    // the rectangle pages: each size beside its start coordinate, the corner radius and the
    // step width under the tool
    if (formName == "TFrame4" || formName == "TFrame7") {
        hint.moveAfter.push_back({"Edit_xd_", "Edit_x_"});
        hint.moveAfter.push_back({"Edit_yd_", "Edit_y_"});
        hint.moveAfter.push_back({"Edit_rc_", "Edit_sz_"});
        hint.moveAfter.push_back({"ScrollBar1", "Edit_rc_"});
        hint.moveAfter.push_back({"Label4", "ScrollBar1"});
        hint.moveAfter.push_back({"Label5", "Label4"});
    }
    return hint;
}

}  // namespace ui::qt
