#include "wizards/milling/slot.h"

#include "wizards/milling/facepasses.h"

namespace qorix {

namespace {
constexpr const char* kWidthZero = "A horony szélessége \"0\", vagy nem adtál meg értéket.";
constexpr const char* kWidthBelowTool = "A horony szélessége kisebb mint a szerszám átmérője.";
constexpr const char* kEndsMeet = "A horony két vége egybeesik. Adj meg két különböző középpontot.";
constexpr const char* kAllowanceNegative = "A simítási ráhagyás nem lehet negatív.";
constexpr const char* kAllowanceTooLarge =
    "A simítási ráhagyás túl nagy: a nagyolt horony keskenyebb lenne a szerszám átmérőjénél.";
constexpr const char* kTooManyLoops =
    "A horony túl sok körből állna (legfeljebb 100000 kör lehet a program összes mélységében). "
    "Adj meg keskenyebb hornyot vagy nagyobb szerszámot.";

Axes at(SlotPoint p) { return {.x = p.x, .y = p.y}; }
}  // namespace

SlotPage::SlotPage(Services& services)
    : CommonPage("SlotPage", "Horony (slot)", services,
                 CommonPageTexts{"Rámpán", "Csak egy horony"}) {
    declare({
        // the second end and the width under the first end, the allowance under the tool
        Row(Edit_x2_, "Edit_x2_", {"Második vég középpontja X:", def("40,0000")})
            .shownAfter(Edit_y_),
        Row(Edit_y2_, "Edit_y2_", {"Második vég középpontja Y:", def("0,0000")})
            .shownAfter(Edit_x2_),
        Row(Edit_w_, "Edit_w_", {"Horony szélessége:", "8"}).shownAfter(Edit_y2_),
        Row(Edit_ra_, "Edit_ra_", {"Simítási ráhagyás:", "0"}).shownAfter(Edit_sz_),
        Row(RadioGroup_e_, "RadioGroup_e_", {" Belépés ", {"Rámpán", "Egyenesen"}})
            .shownAfter(Edit_g23_),
        Row(Image1, "Image1", {"slot.jpg"}),
        // the page's own entry group says how the tool goes in (laid out last, out of sight)
        Row(RadioGroup_zi_).shownAfter(Image1),
    });
    Edit_x_.setCaption("Első vég középpontja X:");
    Edit_y_.setCaption("Első vég középpontja Y:");
    Edit_g1_.setCaption("G1 fogásvétel Z irányban:");
    Edit_g23_.setCaption("G1, G2, G3 marás:");
    Edit_x2_.setFieldName("második vég X");
    Edit_y2_.setFieldName("második vég Y");
    Edit_ra_.setFieldName("simítási ráhagyás");
    RadioGroup_zi_.setEnabled(false);
    RadioGroup_zi_.setVisible(false);
    inputs_.zEntry = nullptr;
}

void SlotPage::readWidth(const FieldReader& read) {
    if (read.emptyOrZero(Edit_w_)) {
        read.error(kWidthZero);
        return;
    }
    const long double w = read.number(Edit_w_);
    // compared with the tool field as it stands, whatever its own check said
    if (w < read.number(Edit_sz_))
        read.error(kWidthBelowTool);
    else
        width = w;
}

void SlotPage::readAllowance(const FieldReader& read) {
    FieldReader::fillEmpty(Edit_ra_);
    const long double a = read.number(Edit_ra_);
    if (a < 0)
        read.error(kAllowanceNegative);
    else if (a > 0 && width - 2 * a < read.number(Edit_sz_))
        read.error(kAllowanceTooLarge);
    else
        allowance = a;
}

void SlotPage::ReadParameters() {
    FieldReader read = reader(rec.error);
    readCommonStart(inputs_, rec, read);
    FieldReader::fillEmpty(Edit_x2_);
    FieldReader::fillEmpty(Edit_y2_);
    line = {{rec.x, rec.y}, {read.number(Edit_x2_), read.number(Edit_y2_)}};
    if (slotLength(line) == 0) read.error(kEndsMeet);
    readWidth(read);
    if (!rec.error) readAllowance(read);
    readCommonEnd(inputs_, rec, read);
}

void SlotPage::PrepareValues() {
    FieldReader read = reader(rec.error);
    const bool readFailed = rec.error;
    prepareDepthPasses(rec, read);
    // the tool centre's offset from the centre line when its edge is on the roughed wall
    const long double outermost = width / 2 - allowance - rec.toolDiameter / 2;
    if (auto offsets = slotLoopOffsets(outermost, rec.toolDiameter, passesPerLevel(rec.passes))) {
        loops = std::move(*offsets);
    } else {
        if (!readFailed) read.error(kTooManyLoops);
        rec.error = true;
    }
}

void SlotPage::WriteHeaderComments() {
    if (!rec.comments) return;
    ProgramText t = text();
    t.comment("Horony - slot");
    t.blank();
    t.comment("első vég X" + Edit_x_.text() + " Y" + Edit_y_.text() + " Z" + Edit_z_.text());
    t.comment("második vég X" + Edit_x2_.text() + " Y" + Edit_y2_.text());
    t.comment("horony szélessége " + Edit_w_.text());
    t.comment("marás mélysége " + Edit_m_.text());
    t.passHeader(rec, Edit_szc_.text());
    if (allowance > 0) t.comment("simítási ráhagyás " + Edit_ra_.text());
    t.directionHeader(rec);
    t.comment(ramp() ? "rámpán le a horony mentén" : "Z tengely egyenesen le mozog");
}

bool SlotPage::writeEntry(ProgramText& t, long double z) const {
    if (ramp()) {
        // down along the centre line to the second end, then back along it at the level
        t.feed({.x = line.b.x, .y = line.b.y, .z = z}, rec.linearFeed);
        t.feed(at(line.a), rec.arcFeed);
        return false;
    }
    t.feed({.z = z}, rec.linearFeed);
    t.feed(at(line.b), rec.arcFeed);
    return true;
}

// Out to the loop's start beside the end where the tool stands, and once round.
void SlotPage::writeLoop(ProgramText& t, long double offset, bool atSecondEnd) const {
    SlotPoint from = slotLoopStart(line, offset, atSecondEnd);
    t.feed(at(from));
    for (const SlotPiece& p : slotLoop(line, offset, rec.ccw, atSecondEnd)) {
        if (p.arc)
            t.arc(p.ccw ? Turn::ccw : Turn::cw, at(p.to),
                  Centre{p.centre.x - from.x, p.centre.y - from.y});
        else
            t.feed(at(p.to));
        from = p.to;
    }
}

void SlotPage::GenerateProgram() {
    ProgramText t = text();
    t.opening(rec, inputs_);
    // a ramp starts on the top; a plunge goes straight to its level
    if (ramp()) t.feed({.z = rec.z}, rec.linearFeed);
    t.comment(rec, "főciklus");
    bool atSecondEnd = false;
    for (std::int32_t k = 1; k <= rec.passes; ++k) {
        t.passComment(rec, k);
        // each level goes in at the first end
        if (k > 1 && (atSecondEnd || !loops.empty())) t.feed(at(line.a));
        atSecondEnd = writeEntry(t, levelZ(rec.z, rec.depth, k, rec.passes));
        for (long double offset : loops) writeLoop(t, offset, atSecondEnd);
    }
    if (allowance > 0) {
        t.comment(rec, "simító kör");
        writeLoop(t, width / 2 - rec.toolDiameter / 2, atSecondEnd);
    }
    t.comment(rec, "főciklus vége");
    t.rapid({.z = rec.safeZ});
    t.closing(rec, inputs_);
}

PageFacts SlotPage::pageFacts() const {
    PageFacts f = CommonPage::pageFacts();
    f.toolWidthAtFirst = true;
    f.outlines.push_back(facts::slot(line.a.x, line.a.y, line.b.x, line.b.y, width));
    return f;
}

}  // namespace qorix
