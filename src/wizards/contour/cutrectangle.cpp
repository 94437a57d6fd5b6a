#include "wizards/contour/cutrectangle.h"

namespace qorix {

namespace {
RectanglePageTexts cutTexts() {
    RectanglePageTexts t;
    t.common = CommonPageTexts{"Ferdén X és Z tengelyeken", "Csak egy téglalap"};
    t.picture = "cutrectangle.jpg";
    t.shape = "négyzetzseb";
    t.g1Caption = "G1 Z telibe marásnál:";
    t.g23Caption = "G1 Z %-os marás :";
    t.zeroEmptyTool = true;
    return t;
}
}  // namespace

CutRectanglePage::CutRectanglePage(Services& services)
    : RectanglePage("CutRectanglePage", "Téglalap kivágás (cut rectangle)", services, cutTexts()) {}

void CutRectanglePage::PrepareValues() { prepareDepthPasses(rec, reader(rec.error)); }

void CutRectanglePage::WriteHeaderComments() {
    if (!rec.comments) return;
    ProgramText t = text();
    writeHeaderStart(t, "Téglalap kivágás - cut rectangle");
    t.directionHeader(rec);
    t.comment(rec.helicalEntry ? "Spirál pályán folyamatosan le" : "Z tengely egyenesen le mozog");
    t.comment(rec.series ? "sorozat téglalap kivágások készülnek"
                         : "csak egy téglalap kivágás készül");
}

void CutRectanglePage::writeTurn(ProgramText& t, const long double* heights) const {
    const long double x0 = rec.x, y0 = rec.y, x1 = rec.x + sizeX, y1 = rec.y + sizeY;
    // CW goes up the left side first, CCW along the bottom first; both end at the start corner
    const long double cw[4][2] = {{x0, y1}, {x1, y1}, {x1, y0}, {x0, y0}};
    const long double ccw[4][2] = {{x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}};
    const auto& corners = rec.ccw ? ccw : cw;
    for (int i = 0; i < 4; ++i) {
        Axes to{.x = corners[i][0], .y = corners[i][1]};
        if (heights) to.z = heights[i];
        if (i == 0)
            t.feed(to, rec.arcFeed);
        else
            t.feed(to);
    }
}

void CutRectanglePage::GenerateProgram() {
    ProgramText t = text();
    t.opening(rec, inputs_);
    t.feed({.x = rec.x, .y = rec.y}, rec.arcFeed);
    t.feed({.z = rec.z}, rec.linearFeed);
    t.comment(rec, "főciklus");
    // the quarter levels are running values, a quarter, a half, three quarters and the whole
    // of the pass depth below the level above
    const long double pd = rec.passDepth;
    long double q[4] = {rec.z + pd / 4, rec.z + pd / 2, 0, rec.z + pd};
    q[2] = q[0] + pd / 2;
    for (std::int32_t k = 1; k <= rec.passes; ++k) {
        t.passComment(rec, k);
        if (rec.helicalEntry == 0) {
            t.feed({.z = q[3]}, rec.linearFeed);
            writeTurn(t, nullptr);
        } else {
            writeTurn(t, q);
        }
        for (long double& level : q) level += pd;
    }
    if (rec.helicalEntry == 1) {
        // one flat turn at the final depth cleans the floor of the last helix turn
        const long double bottom = q[3] - pd;
        const long double flat[4] = {bottom, bottom, bottom, bottom};
        writeTurn(t, flat);
    }
    t.comment(rec, "főciklus vége");
    t.feed({.z = rec.z}, rec.linearFeed);
    t.rapid({.z = rec.safeZ});
    t.rapid({.x = rec.x, .y = rec.y});
    t.closing(rec, inputs_);
}

}  // namespace qorix
