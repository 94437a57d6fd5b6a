// "Téglalapzseb (rectangle pocket)": mills a rectangular pocket from its lower-left corner.
// The tool cuts a slot along the centre line (along the longer side, half the shorter side
// from the walls), widens it by closed loops one lateral step further out each, and ends
// with a loop whose edge runs on the walls.
#pragma once

#include "wizards/contour/rectangle.h"

namespace qorix {

class RectanglePocketPage : public RectanglePage {
public:
    explicit RectanglePocketPage(Services& services);

    void PrepareValues() override;
    void WriteHeaderComments() override;
    void GenerateProgram() override;

    // Rewrites the "%" and "mm" labels; the main window calls it when it shows the page.
    void ScrollBar1Change();

    ui::ScrollBar ScrollBar1;
    ui::Label Label4, Label5;

    long double loopStep = 0;              // p
    long double lineX = 0, lineY = 0;      // centre-line start (cx, cy)
    long double lengthX = 0, lengthY = 0;  // centre-line lengths, one of them 0
    std::int32_t loopCount = 0;
    long double remainder = 0;  // w

private:
    struct Loop {
        long double left, bottom, right, top;
    };
    void writeEntry(ProgramText& t, std::int32_t level, long double z) const;
    void writeLoop(ProgramText& t, const Loop& loop) const;
};

}  // namespace qorix
