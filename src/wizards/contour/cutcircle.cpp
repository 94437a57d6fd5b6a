#include "wizards/contour/cutcircle.h"

namespace qorix {

CutCirclePage::CutCirclePage(Services& services)
    : CommonPage("CutCirclePage", "Kör kivágás (cut circle)", services,
                 CommonPageTexts{"Spirál pályán ", "Csak egy kör "}) {
    declare({
        // the circle is asked for under the tool
        Row(Edit_r_, "Edit_r_", {"Kör átmérője:", "20"}).shownAfter(Edit_sz_),
        Row(Image1, "Image1", {"cutcircle.jpg"}),
    });
}

void CutCirclePage::ReadParameters() {
    FieldReader read = reader(rec.error);
    readCommonStart(inputs_, rec, read);
    // the tool diameter is read again from its field, whatever its own check said
    if (auto d = readCircleAroundTool(
            Edit_r_, [&] { return read.number(Edit_sz_); }, read))
        diameter = *d;
    readCommonEnd(inputs_, rec, read);
}

void CutCirclePage::PrepareValues() {
    prepareDepthPasses(rec, reader(rec.error));
    radius = (diameter - rec.toolDiameter) / 2;
}

void CutCirclePage::WriteHeaderComments() {
    if (!rec.comments) return;
    ProgramText t = text();
    t.comment("Kör kivágás - cut circle");
    t.blank();
    t.comment("kezdőpont X" + Edit_x_.text() + " Y" + Edit_y_.text() + " Z" + Edit_z_.text());
    t.comment("Kör átmérője X" + Edit_r_.text());
    t.comment("marás mélysége " + Edit_m_.text());
    t.passHeader(rec, Edit_szc_.text());
    t.directionHeader(rec);
    t.comment(rec.helicalEntry ? "Spirál pályán folyamatosan le" : "Z tengely egyenesen le mozog");
    t.comment(rec.series ? "sorozat kör kivágások készülnek" : "csak egy kör kivágás készül");
}

void CutCirclePage::GenerateProgram() {
    ProgramText t = text();
    const Turn turn = rec.ccw ? Turn::ccw : Turn::cw;
    const Radius r{radius};
    const long double right = rec.x + radius, left = rec.x - radius;

    t.opening(rec, inputs_);
    t.feed({.x = left, .y = rec.y}, rec.arcFeed);
    t.feed({.z = rec.z}, rec.linearFeed);
    t.comment(rec, "főciklus");
    // the half-pass and full-pass depths are running sums that grow by one pass depth
    long double half = rec.z + rec.passDepth / 2;
    long double full = rec.z + rec.passDepth;
    for (std::int32_t i = 1; i <= rec.passes; ++i) {
        t.passComment(rec, i);
        if (rec.helicalEntry == 0) {
            t.feed({.z = full}, rec.linearFeed);
            t.arc(turn, {.x = right, .y = rec.y}, r, rec.arcFeed);
            t.arc(turn, {.x = left, .y = rec.y}, r);
        } else {
            t.arc(turn, {.x = right, .y = rec.y, .z = half}, r, rec.arcFeed);
            t.arc(turn, {.x = left, .y = rec.y, .z = full}, r);
        }
        half += rec.passDepth;
        full += rec.passDepth;
    }
    if (rec.helicalEntry == 1) {
        const long double bottom = full - rec.passDepth;
        t.arc(turn, {.x = right, .y = rec.y, .z = bottom}, r, rec.arcFeed);
        t.arc(turn, {.x = left, .y = rec.y, .z = bottom}, r);
    }
    t.comment(rec, "főciklus vége");
    t.feed({.z = rec.z}, rec.linearFeed);
    t.rapid({.z = rec.safeZ});
    t.rapid({.x = rec.x, .y = rec.y});
    t.closing(rec, inputs_);
}

PageFacts CutCirclePage::pageFacts() const {
    PageFacts f = CommonPage::pageFacts();
    f.toolWidthAtFirst = true;
    f.outlines.push_back(facts::circle(rec.x, rec.y, diameter));
    return f;
}

}  // namespace qorix
