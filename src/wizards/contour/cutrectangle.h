// "Téglalap kivágás (cut rectangle)": cuts along the outline of a rectangle whose lower-left
// corner is the start point. The tool centre runs on the outline itself, in depth passes
// that plunge at the corner or descend a quarter pass per side.
#pragma once

#include "wizards/contour/rectangle.h"

namespace qorix {

class CutRectanglePage : public RectanglePage {
public:
    explicit CutRectanglePage(Services& services);

    void PrepareValues() override;
    void WriteHeaderComments() override;
    void GenerateProgram() override;

protected:
    // The passes are worked out only from values that passed their checks.
    bool prepareAfterFailedRead() const override { return false; }

private:
    // One turn round the outline from the start corner; with descent, the four sides end at
    // the four given heights.
    void writeTurn(ProgramText& t, const long double* heights) const;
};

}  // namespace qorix
