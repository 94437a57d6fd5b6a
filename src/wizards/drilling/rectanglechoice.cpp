#include "wizards/drilling/rectanglechoice.h"

#include <algorithm>
#include <cmath>

namespace qorix {

namespace {

// Where box corners may stand: the client area's width, between the selector's buttons at
// the top and at the bottom of its right-hand column.
constexpr int kLeft = 8, kRight = 576, kTop = 72, kLowestTop = 473;
constexpr int kGap = 4;  // between two boxes of a row

int pixels(long double v) { return static_cast<int>(std::lround(v)); }

// Spread over `room` pixels in `span` steps; a single place stands in the middle.
int along(std::int64_t step, std::int64_t span, int room) {
    if (span == 0) return room / 2;
    return pixels(static_cast<long double>(step) * room / static_cast<long double>(span));
}

}  // namespace

void RectangleHoleChoice::build(const RectanglePattern& pattern) {
    pattern_ = pattern;
    auto made = rectangleHoles(pattern);
    holes_ = made ? std::move(*made) : std::vector<PatternHole>{};
    drilled_.assign(holes_.size(), 1);
    byNumber_.assign(holes_.size(), 0);
    std::array<std::int64_t, 2> high{};
    for (std::size_t k = 0; k < holes_.size(); ++k) {
        byNumber_[static_cast<std::size_t>(holes_[k].number - 1)] = k;
        const auto at = spot(holes_[k]);
        for (int axis = 0; axis < 2; ++axis) {
            low_[axis] = k == 0 ? at[axis] : std::min(low_[axis], at[axis]);
            high[axis] = k == 0 ? at[axis] : std::max(high[axis], at[axis]);
        }
    }
    span_ = {high[0] - low_[0], high[1] - low_[1]};
    prepared_ = static_cast<int>(holes_.size());
}

std::array<std::int64_t, 2> RectangleHoleChoice::spot(const PatternHole& hole) const {
    const std::int64_t a = pattern_.pitchX < 0 ? -hole.column : hole.column;
    const std::int64_t b = pattern_.pitchY < 0 ? -hole.row : hole.row;
    const long double turn = std::fmod(pattern_.rotation, 360.0L);
    const long quarter = std::isfinite(turn) ? std::lround(turn / 90) : 0;
    switch (((quarter % 4) + 4) % 4) {
        case 1:
            return {-b, a};
        case 2:
            return {-a, -b};
        case 3:
            return {b, -a};
        default:
            return {a, b};
    }
}

std::array<long double, 2> RectangleHoleChoice::offset(int hole) const {
    const PatternHole& h = holes_[inOrder(hole)];
    return {h.x - pattern_.x, h.y - pattern_.y};
}

std::array<int, 2> RectangleHoleChoice::boxPlace(int hole, int boxWidth) const {
    const auto at = spot(holes_[inOrder(hole)]);
    const int left = kLeft + along(at[0] - low_[0], span_[0], kRight - boxWidth - kLeft);
    // +Y upwards, as on the machine
    const int top = kLowestTop - along(at[1] - low_[1], span_[1], kLowestTop - kTop);
    return {left, top};
}

bool RectangleHoleChoice::roomFor(int boxWidth) const {
    if (span_[0] == 0) return true;
    return (kRight - boxWidth - kLeft) / span_[0] >= boxWidth + kGap;
}

}  // namespace qorix
