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
    for (ui::Edit* e : {in.x, in.y, in.z, in.zsb})
        if (e) FieldReader::fillEmpty(*e);
    if (in.x) rec.x = read.number(*in.x);
    if (in.y) rec.y = read.number(*in.y);
    if (in.z) rec.z = read.number(*in.z);
    if (in.zsb) {
        rec.zsb = read.number(*in.zsb);
        if (rec.zsb < 0) read.error(msg::kSafeOffsetNegative);
    }

    if (in.m) {
        if (read.emptyOrZero(*in.m)) {
            read.error(msg::kDepthZero);
        } else {
            rec.m = read.number(*in.m);
            if (rec.m > 0) read.warning(msg::kDepthPositive);
        }
    }
    if (in.sz) {
        if (auto sz = readToolDiameter(*in.sz, read)) rec.sz = *sz;
    }
}

void readCommonEnd(const CommonInputs& in, CommonRecord& rec, const FieldReader& read) {
    if (in.noStepLimit && in.noStepLimit->checked()) {
        rec.szc = rec.m;
    } else if (in.szc) {
        if (read.emptyOrZero(*in.szc)) {
            read.error(msg::kStepLimitZero);
        } else {
            long double step = read.number(*in.szc);
            rec.szc = std::fabs(step) >= std::fabs(rec.m) ? rec.m : step;
        }
    }

    if (in.noTool && in.noTool->checked()) {
        rec.tool = 0;
    } else {
        if (in.szsz) {
            if (read.emptyOrZeroWhole(*in.szsz))
                read.error(msg::kToolNumberZero);
            else if (std::int32_t tool = read.whole(*in.szsz); tool < 0)
                read.error(msg::kToolNumberNegative);
            else
                rec.tool = tool;
        }
        if (in.ff) {
            if (read.emptyOrZeroWhole(*in.ff))
                read.error(msg::kSpindleZero);
            else if (std::int32_t spindle = read.whole(*in.ff); spindle < 0)
                read.error(msg::kSpindleNegative);
            else
                rec.spindle = spindle;
        }
    }

    if (in.g1) {
        if (in.g1->text().empty())
            read.error(msg::kG1Empty);
        else if (std::int32_t feed = read.whole(*in.g1); feed < 0)
            read.error(msg::kFeedNegative);
        else
            rec.g1 = feed;
    }
    if (in.g23) {
        if (in.g23->text().empty())
            read.error(msg::kG23Empty);
        else if (std::int32_t feed = read.whole(*in.g23); feed < 0)
            read.error(msg::kFeedNegative);
        else
            rec.g23 = feed;
    }

    if (in.comments) rec.comments = in.comments->checked() ? 1 : 0;
    if (in.coolant) {
        static constexpr std::int32_t codes[] = {0, 7, 8};
        int i = in.coolant->itemIndex();
        rec.coolant = i >= 0 && i < 3 ? codes[i] : 0;
    }
    if (in.direction) rec.ccw = second(in.direction);
    if (in.spindle) rec.m4 = second(in.spindle);
    if (in.zEntry) rec.zEntry = second(in.zEntry);
    if (in.series) rec.series = second(in.series);
}

void prepareDepthPasses(CommonRecord& rec, const FieldReader& read) {
    rec.zs = rec.z + rec.zsb;
    std::int32_t found = 0;
    long double sum = 0;
    for (std::int32_t i = 1; i <= 100; ++i) {
        sum += rec.szc;
        if (std::fabs(sum) > std::fabs(rec.m)) {
            found = i;
            break;
        }
    }
    if (rec.m == rec.szc) {
        rec.passes = 1;
        rec.passDepth = rec.m;
        return;
    }
    if (found == 0) {
        // A failed check has already stopped the run; do not add a second reason.
        if (rec.error == 0) read.error(msg::kStepLimitTooSmall);
        rec.error = 1;
        return;
    }
    rec.passes = found;
    rec.passDepth = rec.m / found;
}

void applyNoStepLimit(const CommonInputs& in) {
    if (in.szc && in.noStepLimit) in.szc->setEnabled(!in.noStepLimit->checked());
}

void applyNoTool(const CommonInputs& in) {
    if (!in.noTool) return;
    bool on = !in.noTool->checked();
    if (in.szsz) in.szsz->setEnabled(on);
    if (in.ff) in.ff->setEnabled(on);
}

void applySeriesChoice(const CommonInputs& in, ui::Memo& output, ui::Dialogs& dialogs) {
    output.clear();
    if (in.series && in.series->itemIndex() == 1)
        dialogs.message(msg::kWarningCaption, msg::kSeriesWarning);
}

}  // namespace qorix
