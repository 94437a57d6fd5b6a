#include "app/previewfacts.h"

#include <algorithm>

#include "wizards/common/shared.h"
#include "wizards/contour/circularpocket.h"
#include "wizards/contour/cutcircle.h"
#include "wizards/contour/rectangle.h"
#include "wizards/drilling/boltcircle.h"
#include "wizards/spiral/fibonacci.h"
#include "wizards/thread/threadrepair.h"

namespace qorix {

namespace {

double d(long double v) { return static_cast<double>(v); }

// The tool stands at the page's start point; the part's top is its start Z.
void standAt(PreviewFacts& f, long double x, long double y, long double z) {
    f.read.startAt = {d(x), d(y), d(z)};
    f.read.startKnown = program::kAxesAll;
    f.read.topZ = d(z);
    f.read.measure.topZ = d(z);
}

Outline circle(long double cx, long double cy, long double diameter) {
    const double r = d(diameter) / 2;
    return {Outline::Shape::Circle, d(cx) - r, d(cy) - r, d(cx) + r, d(cy) + r};
}

// The depth a page asks for counts down from its top (a positive depth is no cut).
double deepest(long double top, long double depth) {
    return d(top + std::min<long double>(depth, 0));
}

void commonFacts(const CommonPage& p, PreviewFacts& f) {
    standAt(f, p.rec.x, p.rec.y, p.rec.z);
    f.read.depthZ = deepest(p.rec.z, p.rec.m);
    f.toolDiameter = d(p.rec.sz);
    if (auto* cut = dynamic_cast<const TFrame5*>(&p)) {
        f.outlines.push_back(circle(p.rec.x, p.rec.y, cut->diameter));
    } else if (auto* rect = dynamic_cast<const RectanglePage*>(&p)) {
        f.outlines.push_back({Outline::Shape::Rectangle, d(p.rec.x), d(p.rec.y),
                              d(p.rec.x + rect->sizeX), d(p.rec.y + rect->sizeY)});
    }
}

void boltCircleFacts(const TFrame8& page, PreviewFacts& f) {
    const SharedValues& s = page.shared();
    standAt(f, s.u8_x_, s.u8_y_, s.u8_z_);
    f.read.depthZ = d(std::min(page.rec.m, s.u8_z_));
    f.toolDiameter = d(s.u8_sz_);  // the drill's size is kept in the store
    f.outlines.push_back(circle(s.u8_x_, s.u8_y_, 2 * s.u8_r_));
    f.outlines.back().name = "Furatkör";  // the circle the holes lie on, not the part's edge
    f.holeTop = d(s.u8_z_);
    f.holeBottom = d(page.rec.m);
    const int count = std::clamp(s.u8_ancl, 0, TFrame8::kMaxHoles);
    for (int i = 1; i <= count; ++i)
        if (s.drillFlags[i] != 1)
            f.leftOut.push_back({d(s.u8_x_ + s.u8_an[i][1]), d(s.u8_y_ + s.u8_an[i][2])});
}

}  // namespace

PreviewFacts previewFacts(const WizardPage& page) {
    PreviewFacts f;
    f.read.decimalSeparator = page.services().num.separator();
    f.read.seriesPart = page.seriesFlag();
    if (auto* p = dynamic_cast<const CommonPage*>(&page)) {
        commonFacts(*p, f);
    } else if (auto* pocket = dynamic_cast<const TFrame3*>(&page)) {
        standAt(f, pocket->rec.x, pocket->rec.y, pocket->rec.z);
        f.read.depthZ = deepest(pocket->rec.z, pocket->rec.m);
        f.toolDiameter = d(pocket->rec.sz);
        f.outlines.push_back(circle(pocket->rec.x, pocket->rec.y, pocket->pocketDiameter));
    } else if (auto* spiral = dynamic_cast<const TFrame2*>(&page)) {
        const SpiralRecord& r = spiral->rec;
        standAt(f, r.x, r.y, r.z);
        f.read.depthZ = deepest(r.z, r.m);
        f.workOrigin = std::array<double, 3>{d(r.x), d(r.y), d(r.z)};  // its "G10 L2 P6"
    } else if (auto* drill = dynamic_cast<const TFrame8*>(&page)) {
        boltCircleFacts(*drill, f);
    } else if (auto* thread = dynamic_cast<const TFrame11*>(&page)) {
        // the thread runs below its start Z by design: only the top is the page's
        const ThreadRepairValues& v = thread->values();
        standAt(f, v.x, v.y, v.z);
        f.toolDiameter = d(v.sz);
        f.outlines.push_back(circle(v.x, v.y, v.rd_));
    }
    return f;
}

}  // namespace qorix
