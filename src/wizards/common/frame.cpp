#include "wizards/common/frame.h"

#include <cmath>

#include "wizards/common/messages.h"

namespace qorix {

namespace {
std::int32_t second(const ui::RadioGroup* group) {
    return group && group->itemIndex() == 1 ? 1 : 0;
}
}  // namespace

std::optional<long double> readToolDiameter(const ui::Edit& field, const FieldReader& read) {
    if (read.emptyOrZero(field)) {
        read.error(msg::kToolDiameterZero);
        return std::nullopt;
    }
    const long double sz = read.number(field);
    if (sz < 0) {
        read.error(msg::kToolDiameterNegative);
        return std::nullopt;
    }
    return sz;
}

std::optional<long double> readCircleAroundTool(const ui::Edit& field,
                                                const std::function<long double()>& toolDiameter,
                                                const FieldReader& read) {
    if (read.emptyOrZero(field)) {
        read.error(msg::kCircleZero);
        return std::nullopt;
    }
    const long double d = read.number(field);
    if (d < toolDiameter()) {
        read.error(msg::kCircleBelowTool);
        return std::nullopt;
    }
    return d;
}

void readCommonStart(const CommonInputs& in, CommonRecord& rec, const FieldReader& read) {
    rec.error = 0;
    for (ui::Edit* e : {in.x, in.y, in.z, in.safeOffset})
        if (e) FieldReader::fillEmpty(*e);
    if (in.x) rec.x = read.number(*in.x);
    if (in.y) rec.y = read.number(*in.y);
    if (in.z) rec.z = read.number(*in.z);
    if (in.safeOffset) {
        rec.safeOffset = read.number(*in.safeOffset);
        if (rec.safeOffset < 0) read.error(msg::kSafeOffsetNegative);
    }

    if (in.depth) {
        if (read.emptyOrZero(*in.depth)) {
            read.error(msg::kDepthZero);
        } else {
            rec.depth = read.number(*in.depth);
            if (rec.depth > 0) read.warning(msg::kDepthPositive);
        }
    }
    if (in.toolDiameter) {
        if (auto sz = readToolDiameter(*in.toolDiameter, read)) rec.toolDiameter = *sz;
    }
}

namespace {

// The step limit: the depth itself when ticked off or at least as deep as the depth.
void readStepLimit(const CommonInputs& in, CommonRecord& rec, const FieldReader& read) {
    if (in.noStepLimit && in.noStepLimit->checked()) {
        rec.stepLimit = rec.depth;
    } else if (in.stepLimit) {
        if (read.emptyOrZero(*in.stepLimit)) {
            read.error(msg::kStepLimitZero);
        } else {
            long double step = read.number(*in.stepLimit);
            rec.stepLimit = std::fabs(step) >= std::fabs(rec.depth) ? rec.depth : step;
        }
    }
}

// A whole number that must be given and may not be negative; nullopt after its message.
std::optional<std::int32_t> readPositiveWhole(const ui::Edit& field, const char* zero,
                                              const char* negative, const FieldReader& read) {
    if (read.emptyOrZeroWhole(field)) {
        read.error(zero);
        return std::nullopt;
    }
    std::int32_t value = read.whole(field);
    if (value < 0) {
        read.error(negative);
        return std::nullopt;
    }
    return value;
}

// Tool number and spindle speed; "nincs" ticked means no tool change (tool 0).
void readToolAndSpindle(const CommonInputs& in, CommonRecord& rec, const FieldReader& read) {
    if (in.noTool && in.noTool->checked()) {
        rec.toolNumber = 0;
        return;
    }
    if (in.toolNumber)
        if (auto tool = readPositiveWhole(*in.toolNumber, msg::kToolNumberZero,
                                          msg::kToolNumberNegative, read))
            rec.toolNumber = *tool;
    if (in.spindleSpeed)
        if (auto speed =
                readPositiveWhole(*in.spindleSpeed, msg::kSpindleZero, msg::kSpindleNegative, read))
            rec.spindleSpeed = *speed;
}

// A feed may be 0 but must be given.
void readFeed(const ui::Edit* field, const char* empty, std::int32_t& into,
              const FieldReader& read) {
    if (!field) return;
    if (field->text().empty())
        read.error(empty);
    else if (std::int32_t feed = read.whole(*field); feed < 0)
        read.error(msg::kFeedNegative);
    else
        into = feed;
}

}  // namespace

void readCommonEnd(const CommonInputs& in, CommonRecord& rec, const FieldReader& read) {
    readStepLimit(in, rec, read);
    readToolAndSpindle(in, rec, read);
    readFeed(in.linearFeed, msg::kG1Empty, rec.linearFeed, read);
    readFeed(in.arcFeed, msg::kG23Empty, rec.arcFeed, read);

    if (in.comments) rec.comments = in.comments->checked();
    if (in.coolant) {
        static constexpr std::int32_t codes[] = {0, 7, 8};
        int i = in.coolant->itemIndex();
        rec.coolant = i >= 0 && i < 3 ? codes[i] : 0;
    }
    if (in.direction) rec.ccw = second(in.direction);
    if (in.spindleDirection) rec.spindleCcw = second(in.spindleDirection);
    if (in.zEntry) rec.helicalEntry = second(in.zEntry);
    if (in.series) rec.series = second(in.series);
}

void prepareDepthPasses(CommonRecord& rec, const FieldReader& read) {
    rec.safeZ = rec.z + rec.safeOffset;
    std::int32_t found = 0;
    long double sum = 0;
    for (std::int32_t i = 1; i <= 100; ++i) {
        sum += rec.stepLimit;
        if (std::fabs(sum) > std::fabs(rec.depth)) {
            found = i;
            break;
        }
    }
    if (rec.depth == rec.stepLimit) {
        rec.passes = 1;
        rec.passDepth = rec.depth;
        return;
    }
    if (found == 0) {
        // A failed check has already stopped the run; do not add a second reason.
        if (rec.error == 0) read.error(msg::kStepLimitTooSmall);
        rec.error = 1;
        return;
    }
    rec.passes = found;
    rec.passDepth = rec.depth / found;
}

void applyNoStepLimit(const CommonInputs& in) {
    if (in.stepLimit && in.noStepLimit) in.stepLimit->setEnabled(!in.noStepLimit->checked());
}

void applyNoTool(const CommonInputs& in) {
    if (!in.noTool) return;
    bool on = !in.noTool->checked();
    if (in.toolNumber) in.toolNumber->setEnabled(on);
    if (in.spindleSpeed) in.spindleSpeed->setEnabled(on);
}

void applySeriesChoice(const CommonInputs& in, ui::Memo& output, ui::Dialogs& dialogs) {
    output.clear();
    if (in.series && in.series->itemIndex() == 1)
        dialogs.message(msg::kWarningCaption, msg::kSeriesWarning);
}

}  // namespace qorix
