// "Gyors vissza (Z pozíció)": the R plane of a drilling cycle, a Z of its own, where the drill
// goes down to at rapid and from hole to hole.
#pragma once

#include "ui/controls.h"
#include "wizards/common/fields.h"
#include "wizards/common/record.h"

namespace qorix {

// Reads the R plane into `retract`. A control stops at a cycle whose R lies below its hole's
// bottom, and one at the bottom drills nothing: both are errors. An R below the start Z takes
// the drill into the part at rapid: a warning, and the run goes on. The bottom and the start
// are compared only when their own checks passed (`rec.error` clear).
void readRetractPlane(const ui::Edit& field, const FieldReader& read, const CommonRecord& rec,
                      long double& retract);

}  // namespace qorix
