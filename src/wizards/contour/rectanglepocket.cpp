#include "wizards/contour/rectanglepocket.h"

#include "wizards/common/stepwidth.h"

namespace qorix {

namespace {
RectanglePageTexts pocketTexts() {
    RectanglePageTexts t;
    // the first series item has always read "körzseb" on this page
    t.common = CommonPageTexts{"Ferdén X és Z tengelyeken", "Csak egy körzseb"};
    t.picture = "rectanglepocket.jpg";
    t.shape = "téglalapzseb";
    t.g1Caption = "G1 telibe marásnál:";
    t.g23Caption = "G1 %-os marás , G2, G3 %-os:";
    return t;
}
}  // namespace

RectanglePocketPage::RectanglePocketPage(Services& services)
    : RectanglePage("RectanglePocketPage", "Téglalapzseb (rectangle pocket)", services,
                    pocketTexts()) {
    declare({
        // the step width under the corner radius
        Row(ScrollBar1, "ScrollBar1", {kStepWidthCaption, 0, 100, 50}).shownAfter(Edit_rc_),
        Row(Label4, "Label4", {"%"}).shownAfter(ScrollBar1),
        Row(Label5, "Label5", {"mm"}).shownAfter(Label4),
    });
    ScrollBar1.onChange = [this] { ScrollBar1Change(); };
}

void RectanglePocketPage::ScrollBar1Change() {
    // the percent label is set before the tool field is read
    Label4.setCaption(stepPercentLabel(ScrollBar1.position()));
    bool unused = false;  // the refresh is no check: it sets no error flag
    long double d = reader(unused).number(Edit_sz_);
    Label5.setCaption(stepWidthLabel(services().num, d, ScrollBar1.position()));
}

void RectanglePocketPage::PrepareValues() {
    FieldReader read = reader(rec.error);
    const bool readFailed = rec.error != 0;
    prepareDepthPasses(rec, read);
    loopStep = ScrollBar1.position() * rec.toolDiameter / 100;
    // the centre line runs along the longer side; a square pocket makes it a point
    const long double shortSide = sizeY < sizeX ? sizeY : sizeX;
    lineX = rec.x + shortSide / 2;
    lineY = rec.y + shortSide / 2;
    lengthX = sizeX - shortSide;
    lengthY = sizeY - shortSide;
    if (auto steps = lateralSteps(shortSide - rec.toolDiameter, loopStep)) {
        loopCount = steps->count;
        remainder = steps->remainder;
    } else {
        if (!readFailed) refuseStepWidth(ScrollBar1.position(), read);
        rec.error = 1;
    }
}

void RectanglePocketPage::WriteHeaderComments() {
    if (!rec.comments) return;
    ProgramText t = text();
    writeHeaderStart(t, "Téglalapzseb - rectangle pocket");
    t.comment("oldalirányú fogás " + t.n(ScrollBar1.position()) + "%");
    t.directionHeader(rec);
    t.comment(rec.helicalEntry ? "Z tengely ferdén le mozog X irányában"
                               : "Z tengely egyenesen le mozog");
    t.comment(rec.series ? "sorozat téglalapzsebek készülnek" : "csak egy téglalapzseb készül");
}

void RectanglePocketPage::writeEntry(ProgramText& t, std::int32_t level, long double z) const {
    const Axes start{.x = lineX, .y = lineY};
    const Axes end{.x = lineX + lengthX, .y = lineY + lengthY};
    if (rec.helicalEntry == 0) {
        // plunge at the far end of the centre line, then cut the slot back
        t.feed(end, rec.arcFeed);
        t.feed({.z = z}, rec.linearFeed);
        t.feed(start);
    } else {
        // down to the surface (or the level above), then descend along the whole centre line
        const long double above = level == 1 ? rec.z : z - rec.passDepth;
        t.feed(start, rec.arcFeed);
        t.feed({.z = above}, rec.linearFeed);
        t.feed({.x = *end.x, .y = *end.y, .z = z});
        t.feed(start);
    }
}

void RectanglePocketPage::writeLoop(ProgramText& t, const Loop& l) const {
    auto at = [](long double x, long double y) { return Axes{.x = x, .y = y}; };
    // a diagonal step out at the full-width feed, then once round at the partial-width feed
    t.feed(at(l.left, l.bottom), rec.linearFeed);
    if (rec.ccw == 0) {
        t.feed(at(l.left, l.top), rec.arcFeed);
        t.feed(at(l.right, l.top));
        t.feed(at(l.right, l.bottom));
    } else {
        t.feed(at(l.right, l.bottom), rec.arcFeed);
        t.feed(at(l.right, l.top));
        t.feed(at(l.left, l.top));
    }
    t.feed(at(l.left, l.bottom));
}

void RectanglePocketPage::GenerateProgram() {
    ProgramText t = text();
    t.opening(rec, inputs_);
    t.comment(rec, "főciklus");
    long double z = rec.z;
    for (std::int32_t k = 1; k <= rec.passes; ++k) {
        z += rec.passDepth;
        t.passComment(rec, k);
        writeEntry(t, k, z);
        long double left = lineX - loopStep, bottom = lineY - loopStep;
        long double width = lengthX + 2 * loopStep, height = lengthY + 2 * loopStep;
        for (std::int32_t i = 1; i <= loopCount; ++i) {
            writeLoop(t, Loop{left, bottom, left + width, bottom + height});
            left -= loopStep;
            bottom -= loopStep;
            width += 2 * loopStep;
            height += 2 * loopStep;
        }
        if (remainder != 0) {
            // the last loop's tool edge runs on the walls
            const long double o = loopCount * loopStep + remainder;
            writeLoop(t, Loop{lineX - o, lineY - o, lineX + lengthX + o, lineY + lengthY + o});
        }
    }
    t.comment(rec, "főciklus vége");
    t.feed({.z = rec.z}, rec.linearFeed);
    t.rapid({.z = rec.safeZ});
    t.rapid({.x = rec.x, .y = rec.y});
    t.closing(rec, inputs_);
}

}  // namespace qorix
