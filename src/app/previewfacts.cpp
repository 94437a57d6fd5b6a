#include "app/previewfacts.h"

namespace qorix {

PreviewFacts previewFacts(const WizardPage& page) {
    PreviewFacts f;
    f.read.decimalSeparator = page.services().num.separator();
    f.read.seriesPart = page.seriesFlag();
    PageFacts p = page.pageFacts();
    if (p.start) {
        // the tool stands at the page's start point; the part's top is its start Z
        f.read.startAt = *p.start;
        f.read.startKnown = program::kAxesAll;
        f.read.topZ = (*p.start)[2];
        f.read.measure.topZ = (*p.start)[2];
    }
    f.read.depthZ = p.depthZ;
    f.toolDiameter = p.toolDiameter;
    f.outlines = std::move(p.outlines);
    f.workOrigin = p.workOrigin;
    f.leftOut = std::move(p.leftOut);
    f.holeTop = p.holeTop;
    f.holeBottom = p.holeBottom;
    f.toolWidthAtFirst = p.toolWidthAtFirst;
    return f;
}

}  // namespace qorix
