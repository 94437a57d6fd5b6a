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

void readCommonEnd(const CommonInputs& in, CommonRecord& rec, const FieldReader& read) {
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

    if (in.noTool && in.noTool->checked()) {
        rec.toolNumber = 0;
    } else {
        if (in.toolNumber) {
            if (read.emptyOrZeroWhole(*in.toolNumber))
                read.error(msg::kToolNumberZero);
            else if (std::int32_t tool = read.whole(*in.toolNumber); tool < 0)
                read.error(msg::kToolNumberNegative);
            else
                rec.toolNumber = tool;
        }
        if (in.spindleSpeed) {
            if (read.emptyOrZeroWhole(*in.spindleSpeed))
                read.error(msg::kSpindleZero);
            else if (std::int32_t spindle = read.whole(*in.spindleSpeed); spindle < 0)
                read.error(msg::kSpindleNegative);
            else
                rec.spindleSpeed = spindle;
        }
    }

    if (in.linearFeed) {
        if (in.linearFeed->text().empty())
            read.error(msg::kG1Empty);
        else if (std::int32_t feed = read.whole(*in.linearFeed); feed < 0)
            read.error(msg::kFeedNegative);
        else
            rec.linearFeed = feed;
    }
    if (in.arcFeed) {
        if (in.arcFeed->text().empty())
            read.error(msg::kG23Empty);
        else if (std::int32_t feed = read.whole(*in.arcFeed); feed < 0)
            read.error(msg::kFeedNegative);
        else
            rec.arcFeed = feed;
    }

    if (in.comments) rec.comments = in.comments->checked() ? 1 : 0;
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
