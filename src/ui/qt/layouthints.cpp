// Per-form tuning of the generic arrangement; a form without an entry gets the default.
#include "ui/qt/formview.h"

namespace ui::qt {

LayoutHint layoutHintFor(const std::string& formName) {
    LayoutHint hint;
    if (formName == "TFrame5") hint.moveAfter.push_back({"Edit_r_", "Edit_sz_"});
    return hint;
}

}  // namespace ui::qt
