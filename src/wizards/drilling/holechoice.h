// The holes a hole selector shows and flags: those of a drilling page's prepared pattern,
// numbered from 1 in the order the page drills them. The bolt circle's holes stand on a
// circle, the rectangle pattern's in its rows and columns; the dialog asks each pattern where
// a box goes and leaves the drilling to the page.
#pragma once

#include <array>

namespace qorix {

class HoleChoice {
public:
    virtual ~HoleChoice() = default;

    // Holes prepared for choosing; 0 when no pattern is prepared (the selector shows no box).
    virtual int preparedCount() const = 0;
    // Hole i's offset from the pattern's own point (the circle's centre, the first hole), as
    // its box's caption tells it.
    virtual std::array<long double, 2> offset(int hole) const = 0;
    // The top left corner of hole i's box in the dialog's client area, for boxes this wide.
    virtual std::array<int, 2> boxPlace(int hole, int boxWidth) const = 0;
    // Whether boxes this wide stand clear of their neighbours; a narrower box then drops its
    // caption for a number or nothing.
    virtual bool roomFor(int /*boxWidth*/) const { return true; }
    virtual bool drilled(int hole) const = 0;
    virtual void setDrilled(int hole, bool drilled) = 0;
    // Leaves no pattern prepared.
    virtual void forget() = 0;
};

}  // namespace qorix
