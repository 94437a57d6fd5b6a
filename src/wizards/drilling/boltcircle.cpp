#include "wizards/drilling/boltcircle.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "wizards/common/messages.h"
#include "wizards/drilling/drillingtexts.h"
#include "wizards/drilling/retractplane.h"

namespace qorix {

namespace {

// A product taken to the nearest pixel, halves away from zero.
int pixels(long double v) { return static_cast<int>(std::lround(v)); }

constexpr const char* kSelectionDropped =
    "A furatok kiválasztása megszűnt, mert megváltozott a furatok száma, a kör középpontja, "
    "átmérője vagy elforgatása: a program minden furatot kifúr.";

constexpr const char* kTitle = "Fúrás kör mentén (drill circular bolt pattern)";
constexpr const char* kPeckZero = "Lépésenkénti fogási mélység \"0\", vagy nem adtál meg értéket.";
constexpr const char* kHolesZero = "Furatok száma \"0\", vagy nem adtál meg értéket.";
constexpr const char* kHolesNegative =
    "Furatok száma nem lehet negatív. Adj meg 1 és 1000 közötti furatszámot.";
constexpr const char* kHolesTooMany =
    "Furatok száma legfeljebb 1000 lehet. Adj meg 1 és 1000 közötti furatszámot.";

}  // namespace

BoltCirclePage::BoltCirclePage(Services& services)
    : WizardPage("BoltCirclePage", kTitle, services),
      CommonControls(
          this, drillingTexts(services.num, "X tengely középpontja:", "Y tengely középpontja:")),
      selection_(RadioGroup1, choice_, kSelectionDropped,
                 {.readAndPrepare =
                      [this] {
                          ReadParameters();
                          PrepareValues();
                      },
                  .pattern = [this] { return holeCircle(); },
                  .notice = [this](const std::string& text) { notice(text); },
                  .output = &Memo1}) {
    declare({
        // the circle after the depth, the cycle and the group's choices after the tool
        Row(Edit_db_, "Edit_db_", {"Gyors vissza (Z pozíció):", "1"}).listedAfter(Edit_m_),
        Row(Edit_r_, "Edit_r_", {"Kör átmérője:", "20"}).listedAfter(Edit_db_),
        Row(Edit_ane_, "Edit_ane_", {"Elforgatás szöge:", "0"}).listedAfter(Edit_r_),
        Row(Edit_drc_, "Edit_drc_", {"Furatok száma:", "5"}).listedAfter(Edit_ane_),
        Row(RadioGroup_g783_, "RadioGroup_g783_", {" Fúró kód ", {"G73", "G83"}, 1})
            .listedAfter(CheckBox_szsz_)
            .shownAfter(Edit_ff_),
        Row(RadioGroup_m34_).listedAfter(RadioGroup_g783_),
        Row(RadioGroup_h_).listedAfter(RadioGroup_m34_),
        Row(RadioGroup_s_, "RadioGroup_s_",
            {" Sorozat marás ", {"Csak egy kör ", "Több kör mentén"}})
            .listedAfter(RadioGroup_h_),
        Row(RadioGroup1, "RadioGroup1", HoleSelection::groupSpec()).listedAfter(RadioGroup_s_),
        Row(Edit_g1_).listedAfter(RadioGroup1),
        Row(Image1, "Image1", {"boltcircle.jpg"}),
    });
    Edit_ane_.setSuffix("°");
    // The start point, safe offset and depth go through the common steps; the drill
    // diameter and the peck depth have checks of this page's own.
    wireInputs(inputs_);
    inputs_.x = &Edit_x_;
    inputs_.y = &Edit_y_;
    inputs_.z = &Edit_z_;
    inputs_.safeOffset = &Edit_zsb_;
    inputs_.depth = &Edit_m_;
    inputs_.series = &RadioGroup_s_;
    // The page is always shown before its group can be used, and showing it disables this.
    RadioGroup1.setItemEnabled(2, false);

    Button2.onClick = [this] { Button2Click(); };
    CheckBox_szc_.onClick = [this] { CheckBox_szc_Click(); };
    CheckBox_szsz_.onClick = [this] { CheckBox_szsz_Click(); };
    RadioGroup_s_.onClick = [this] { RadioGroup_s_Click(); };
    RadioGroup1.onClick = [this] { RadioGroup1Click(); };
}

void BoltCirclePage::startup() {
    WizardPage::startup();
    values_.preparedCount = 0;
}

HoleSelection::Pattern BoltCirclePage::holeCircle() const {
    return {static_cast<long double>(holes), values_.centreX, values_.centreY,
            values_.circleDiameter, rotation};
}

void BoltCirclePage::ReadParameters() {
    FieldReader read = reader(rec.error);
    CommonInputs start;
    start.x = inputs_.x;
    start.y = inputs_.y;
    start.z = inputs_.z;
    start.safeOffset = inputs_.safeOffset;
    start.depth = inputs_.depth;
    readCommonStart(start, rec, read);
    values_.centreX = rec.x;
    values_.centreY = rec.y;
    values_.startZ = rec.z;
    values_.safeOffset = rec.safeOffset;

    readCircle(read);

    readPeck(read);
    readHoleCount(read);

    CommonInputs end = inputs_;
    end.stepLimit = nullptr;
    end.noStepLimit = nullptr;
    readCommonEnd(end, rec, read);

    readRetractPlane(Edit_db_, read, rec, retract);
    rotation = Edit_ane_.text().empty() ? 0 : read.number(Edit_ane_);
    cycle = RadioGroup_g783_.itemIndex() == 0 ? 73 : 83;
}

// The drill diameter, then the circle diameter, which may not be smaller than it.
void BoltCirclePage::readCircle(const FieldReader& read) {
    if (read.emptyOrZero(Edit_sz_)) {
        Edit_sz_.setText("0");
        values_.drillDiameter = 0;
        read.error(msg::kToolDiameterZero);
    } else if (long double sz = read.number(Edit_sz_); sz < 0) {
        read.error(msg::kToolDiameterNegative);
    } else {
        values_.drillDiameter = sz;
    }
    if (auto d = readCircleAroundTool(
            Edit_r_, [&] { return read.number(Edit_sz_); }, read))
        values_.circleDiameter = *d;
}

// The peck depth, the Q word: the depth itself when there is none or when it is at least as
// deep as the depth.
void BoltCirclePage::readPeck(const FieldReader& read) {
    if (CheckBox_szc_.checked()) {
        values_.peckDepth = rec.depth;
    } else if (read.emptyOrZero(Edit_szc_)) {
        read.error(kPeckZero);
    } else {
        long double peck = read.number(Edit_szc_);
        values_.peckDepth = std::fabs(peck) >= std::fabs(rec.depth) ? rec.depth : peck;
    }
}

// The table has room for 1000 holes; more would leave part of the circle undrilled, and a
// negative count would drill nothing, so both are refused.
void BoltCirclePage::readHoleCount(const FieldReader& read) {
    if (read.emptyOrZeroWhole(Edit_drc_)) {
        read.error(kHolesZero);
        return;
    }
    std::int32_t n = read.whole(Edit_drc_);
    if (n < 0)
        read.error(kHolesNegative);
    else if (n > kMaxHoles)
        read.error(kHolesTooMany);
    else
        holes = n;
}

// A press with a selection in force keeps its flags on the same circle.
void BoltCirclePage::PrepareValues() {
    selection_.prepare([this] { buildTable(); });
}

void BoltCirclePage::buildTable() {
    const long double step = 360.0L / holes;
    values_.safeZ = values_.startZ + values_.safeOffset;
    values_.radius = values_.circleDiameter / 2;
    values_.preparedCount = 0;
    const long double r = values_.radius;

    values_.table[0] = {rotation, values_.centreX, values_.centreY, 0, 0};
    values_.drillFlags[0] = false;
    for (std::int32_t i = 1; i <= kMaxHoles; ++i) {
        if (i > holes) {
            values_.table[i] = {};
            values_.drillFlags[i] = false;
            continue;
        }
        // angles are not wrapped into 0..360: the last hole lies on the rotation itself
        const long double theta = i * step + rotation;
        const long double rad = theta * std::numbers::pi_v<long double> / 180;
        const long double c = std::cos(rad), s = std::sin(rad);
        values_.table[i] = {theta, r * c, r * s, c, s};
        values_.drillFlags[i] = true;
        values_.preparedCount = i;
    }
}

void BoltCirclePage::WriteHeaderComments() {
    if (!rec.comments) return;
    ProgramText t = text();
    t.comment("Fúrás kör mentén - drill circular bolt pattern");
    t.blank();
    t.comment("középpont X" + Edit_x_.text() + " Y" + Edit_y_.text() + " Z" + Edit_z_.text());
    t.comment("kör átmérője " + Edit_r_.text());
    t.comment("fúrás mélysége " + Edit_m_.text());
    if (values_.peckDepth != rec.depth)
        t.comment("lépésenkénti max fogási mélység " + Edit_szc_.text());
    t.comment("fúró utasítás " + t.n(cycle));
    t.comment("furatok száma " + t.n(holes));
    t.comment(rec.series ? "több kör mentén" : "csak egy kör ");
}

void BoltCirclePage::GenerateProgram() {
    ProgramText t = text();
    const long double cx = values_.centreX, cy = values_.centreY;
    const Axes safe{.z = general(values_.safeZ)};
    const Axes centre{.x = general(cx), .y = general(cy)};

    if (rec.series == 0) t.metricAbsolute();
    t.rapid(safe);
    t.rapid(centre);
    t.toolLines(rec, inputs_);
    t.coolant(rec.coolant);
    t.comment(rec, "főciklus");
    bool first = true;
    for (std::int32_t i = 1; i <= values_.preparedCount; ++i) {
        if (!values_.drillFlags[i]) continue;
        const auto& hole = values_.table[i];
        Axes at{.x = cx + hole[1], .y = cy + hole[2]};
        if (!first) {
            t.drillAt(at);
            continue;
        }
        // Q is an increment: a negative one (the whole depth as one peck) is written as its
        // size, which every control reads the same way.
        at.z = rec.depth;
        t.drillCycle(cycle, at, general(std::fabs(values_.peckDepth)), general(retract),
                     rec.linearFeed);
        first = false;
    }
    t.comment(rec, "főciklus vége");
    t.rapid(safe);
    t.rapid(centre);
    t.closing(rec, inputs_);
    values_.writtenCount = values_.preparedCount;
    selection_.written();
}

int CircleHoles::preparedCount() const { return std::clamp(values_.preparedCount, 0, 1000); }

std::array<long double, 2> CircleHoles::offset(int hole) const {
    return {values_.table[hole][1], values_.table[hole][2]};
}

std::array<int, 2> CircleHoles::boxPlace(int hole, int) const {
    return {kCentre + pixels(kRadius * values_.table[hole][3]),
            kCentre - pixels(kRadius * values_.table[hole][4])};
}

PageFacts BoltCirclePage::pageFacts() const {
    using facts::d;
    const DrillingValues& s = values_;
    PageFacts f =
        facts::at(s.centreX, s.centreY, s.startZ, 0, s.drillDiameter);  // the drill's size
    f.depthZ = d(std::min(rec.depth, s.startZ));
    f.outlines.push_back(facts::circle(s.centreX, s.centreY, 2 * s.radius));
    f.outlines.back().name = "Furatkör";  // the circle the holes lie on, not the part's edge
    f.holeTop = d(s.startZ);
    f.holeBottom = d(rec.depth);
    const int count = std::clamp(s.writtenCount, 0, kMaxHoles);
    for (int i = 1; i <= count; ++i)
        if (!s.drillFlags[i])
            f.leftOut.push_back({d(s.centreX + s.table[i][1]), d(s.centreY + s.table[i][2])});
    return f;
}

}  // namespace qorix
