// The rectangle pattern's holes as the hole selector shows them: numbered as the pattern
// numbers them, each box standing in the pattern's rows and columns, turned with the pattern
// to the nearest quarter turn and mirrored by a negative pitch, so that the boxes lie about
// as the holes do while every row stays a row.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "wizards/drilling/holechoice.h"
#include "wizards/drilling/rectanglepattern.h"

namespace qorix {

class RectangleHoleChoice : public HoleChoice {
public:
    // The pattern's holes, all drilled; nullopt (too many holes) gives none.
    void build(const RectanglePattern& pattern);
    // The holes in drilling order, and whether the program drills hole k of that order.
    const std::vector<PatternHole>& holes() const { return holes_; }
    const RectanglePattern& pattern() const { return pattern_; }
    bool drilledInOrder(std::size_t k) const { return drilled_[k] != 0; }

    int preparedCount() const override { return prepared_; }
    std::array<long double, 2> offset(int hole) const override;
    std::array<int, 2> boxPlace(int hole, int boxWidth) const override;
    bool roomFor(int boxWidth) const override;
    bool drilled(int hole) const override { return drilled_[inOrder(hole)] != 0; }
    void setDrilled(int hole, bool drilled) override { drilled_[inOrder(hole)] = drilled; }
    void forget() override { prepared_ = 0; }

private:
    std::size_t inOrder(int hole) const { return byNumber_[static_cast<std::size_t>(hole - 1)]; }
    // The hole's column and row among the boxes.
    std::array<std::int64_t, 2> spot(const PatternHole& hole) const;

    RectanglePattern pattern_;
    std::vector<PatternHole> holes_;
    std::vector<char> drilled_;                   // by drilling order
    std::vector<std::size_t> byNumber_;           // the drilling order's index of hole 1, 2, ...
    std::array<std::int64_t, 2> low_{}, span_{};  // the boxes' columns and rows
    int prepared_ = 0;
};

}  // namespace qorix
