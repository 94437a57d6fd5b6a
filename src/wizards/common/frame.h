// What the wizard pages share: the common input set, the parameter record, the common
// steps of reading and checking, and the depth passes. A page maps its own controls (named
// or numbered) into CommonInputs once and calls these steps around its own.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "ui/controls.h"
#include "wizards/common/fields.h"
#include "wizards/common/record.h"

namespace qorix {

// A page's controls for the common input set; null where the page has no such control.
struct CommonInputs {
    ui::Edit* x = nullptr;
    ui::Edit* y = nullptr;
    ui::Edit* z = nullptr;
    ui::Edit* safeOffset = nullptr;
    ui::Edit* depth = nullptr;
    ui::Edit* toolDiameter = nullptr;
    ui::Edit* stepLimit = nullptr;
    ui::CheckBox* noStepLimit = nullptr;
    ui::Edit* toolNumber = nullptr;
    ui::Edit* spindleSpeed = nullptr;
    ui::CheckBox* noTool = nullptr;
    ui::Edit* linearFeed = nullptr;  // G1
    ui::Edit* arcFeed = nullptr;     // G2, G3
    ui::RadioGroup* coolant = nullptr;
    ui::RadioGroup* direction = nullptr;         // milling CW / CCW
    ui::RadioGroup* spindleDirection = nullptr;  // M3 / M4
    ui::RadioGroup* zEntry = nullptr;
    ui::RadioGroup* series = nullptr;
    ui::CheckBox* comments = nullptr;
};

// The tool diameter: empty or 0, or below 0, shows its message and gives nothing; otherwise
// its value.
std::optional<long double> readToolDiameter(const ui::Edit& field, const FieldReader& read);

// The diameter of a circle that the tool goes round: empty or 0 shows its message, and so
// does one smaller than the tool, which cannot be cut; otherwise its value. The tool
// diameter is asked for only when the circle's own field holds a number.
std::optional<long double> readCircleAroundTool(const ui::Edit& field,
                                                const std::function<long double()>& toolDiameter,
                                                const FieldReader& read);

// Error flag := 0; the start point and safe offset (empty fields become "0"); the depth
// and the tool diameter with their checks.
void readCommonStart(const CommonInputs& in, CommonRecord& rec, const FieldReader& read);
// The step limit, tool number and spindle speed, the two feeds and the flags.
void readCommonEnd(const CommonInputs& in, CommonRecord& rec, const FieldReader& read);

// Safe Z, pass count and pass depth. The pass count is the first i of 1..100 at which i
// steps reach beyond the depth, so a depth that is an exact multiple of the step takes one
// pass more; a step equal to the depth is one pass. When a hundred steps do not reach, the
// run is refused (error flag and message) rather than dividing by a stale count.
void prepareDepthPasses(CommonRecord& rec, const FieldReader& read);

// The event handlers of the common check boxes: a ticked box switches its fields off.
void applyNoStepLimit(const CommonInputs& in);
void applyNoTool(const CommonInputs& in);
// The series choice changed: the output is emptied, and choosing a series says what a
// series program leaves out.
void applySeriesChoice(const CommonInputs& in, ui::Memo& output, ui::Dialogs& dialogs);

}  // namespace qorix
