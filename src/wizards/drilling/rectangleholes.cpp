#include "wizards/drilling/rectangleholes.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "wizards/common/messages.h"
#include "wizards/drilling/drillingtexts.h"
#include "wizards/drilling/retractplane.h"

namespace qorix {

namespace {

constexpr const char* kTitle = "Fúrás Téglalap mentén (drill rectangle bolt pattern)";
constexpr const char* kPeckZero = "Lépésenkénti fogási mélység \"0\", vagy nem adtál meg értéket.";
constexpr const char* kCountZero = "\"0\", vagy nem adtál meg értéket.";
constexpr const char* kCountNegative = "nem lehet negatív.";
constexpr const char* kPitchZero =
    "\"0\", vagy nem adtál meg értéket, pedig több furat van ebben az irányban.";
constexpr const char* kPitchBelowDrill = "A furatok távolsága kisebb mint a fúró átmérője.";
constexpr const char* kSelectionDropped =
    "A furatok kiválasztása megszűnt, mert megváltozott az első furat helye, a furatok száma, "
    "távolsága, elforgatása vagy a furatkép: a program minden furatot kifúr.";
constexpr const char* kTooManyHoles =
    "A minta legfeljebb 10000 furatból állhat. Adj meg kevesebb furatot.";

}  // namespace

RectangleHolesPage::RectangleHolesPage(Services& services)
    : WizardPage("RectangleHolesPage", kTitle, services),
      CommonControls(this, drillingTexts(services.num, "Első furat X:", "Első furat Y:")),
      selection_(RadioGroup1, choice_, kSelectionDropped,
                 {.readAndPrepare =
                      [this] {
                          ReadParameters();
                          PrepareValues();
                      },
                  .pattern = [this] { return patternKey(); },
                  .notice = [this](const std::string& text) { notice(text); },
                  .output = &Memo1}) {
    declare({
        // the pattern after the depth, the cycle and the pattern's choice after the tool
        Row(Edit_db_, "Edit_db_", {"Gyors vissza (Z pozíció):", "1"}).listedAfter(Edit_m_),
        Row(Edit_drx_, "Edit_drx_", {"Furatok száma X irányban:", "4"}).listedAfter(Edit_db_),
        Row(Edit_dry_, "Edit_dry_", {"Furatok száma Y irányban:", "3"}).listedAfter(Edit_drx_),
        Row(Edit_tx_, "Edit_tx_", {"Furatok távolsága X irányban:", "20"}).listedAfter(Edit_dry_),
        Row(Edit_ty_, "Edit_ty_", {"Furatok távolsága Y irányban:", "15"}).listedAfter(Edit_tx_),
        Row(Edit_ane_, "Edit_ane_", {"Elforgatás szöge:", "0"}).listedAfter(Edit_ty_),
        Row(RadioGroup_g8_, "RadioGroup_g8_", {" Fúró kód ", {"G81", "G73", "G83"}, 2})
            .listedAfter(CheckBox_szsz_)
            .shownAfter(Edit_ff_),
        Row(RadioGroup_m34_).listedAfter(RadioGroup_g8_),
        Row(RadioGroup_h_).listedAfter(RadioGroup_m34_),
        Row(RadioGroup_mt_, "RadioGroup_mt_", {" Furatkép ", {"Kerület mentén", "Teljes mező"}})
            .listedAfter(RadioGroup_h_),
        Row(RadioGroup1, "RadioGroup1", HoleSelection::groupSpec()).listedAfter(RadioGroup_mt_),
        Row(Edit_g1_).listedAfter(RadioGroup1),
        Row(Image1, "Image1", {"rectangleholes.jpg"}),
    });
    Edit_ane_.setSuffix("°");
    Edit_drx_.setFieldName("furatok száma X irányban");
    Edit_dry_.setFieldName("furatok száma Y irányban");
    Edit_tx_.setFieldName("furatok távolsága X irányban");
    Edit_ty_.setFieldName("furatok távolsága Y irányban");
    wireInputs(inputs_);
    inputs_.x = &Edit_x_;
    inputs_.y = &Edit_y_;
    inputs_.z = &Edit_z_;
    inputs_.safeOffset = &Edit_zsb_;
    inputs_.depth = &Edit_m_;

    // The page is always shown before its group can be used, and showing it disables this.
    RadioGroup1.setItemEnabled(2, false);

    Button2.onClick = [this] { Button2Click(); };
    CheckBox_szc_.onClick = [this] { CheckBox_szc_Click(); };
    CheckBox_szsz_.onClick = [this] { CheckBox_szsz_Click(); };
    RadioGroup1.onClick = [this] { RadioGroup1Click(); };
}

void RectangleHolesPage::startup() {
    WizardPage::startup();
    choice_.forget();
}

void RectangleHolesPage::ReadParameters() {
    FieldReader read = reader(rec.error);
    readCommonStart(inputs_, rec, read);
    readDrill(read);
    cycle = std::array{81, 73,
                       83}[static_cast<std::size_t>(std::clamp(RadioGroup_g8_.itemIndex(), 0, 2))];
    readPeck(read);
    readPattern(read);

    CommonInputs end = inputs_;
    end.stepLimit = nullptr;
    end.noStepLimit = nullptr;
    readCommonEnd(end, rec, read);

    readRetractPlane(Edit_db_, read, rec, retract);
}

void RectangleHolesPage::readDrill(const FieldReader& read) {
    if (read.emptyOrZero(Edit_sz_)) {
        Edit_sz_.setText("0");
        read.error(msg::kToolDiameterZero);
    } else if (long double sz = read.number(Edit_sz_); sz < 0) {
        read.error(msg::kToolDiameterNegative);
    } else {
        drillDiameter = sz;
    }
}

// The Q word: the depth itself when there is none or when it is at least as deep as the
// depth. G81 drills in one feed and does not read the field.
void RectangleHolesPage::readPeck(const FieldReader& read) {
    if (cycle == 81 || CheckBox_szc_.checked()) {
        peckDepth = rec.depth;
    } else if (read.emptyOrZero(Edit_szc_)) {
        read.error(kPeckZero);
    } else {
        long double peck = read.number(Edit_szc_);
        peckDepth = std::fabs(peck) >= std::fabs(rec.depth) ? rec.depth : peck;
    }
}

std::int64_t RectangleHolesPage::readCount(const ui::Edit& field, const FieldReader& read) const {
    const std::string name = field.caption().substr(0, field.caption().size() - 1) + " ";
    if (read.emptyOrZeroWhole(field)) {
        read.error(name + kCountZero);
        return 0;
    }
    const std::int32_t n = read.whole(field);
    if (n < 0) read.error(name + kCountNegative);
    return std::max(n, 0);
}

// A pitch matters only when there is more than one hole in its direction; two holes closer
// than the drill would cut into each other.
long double RectangleHolesPage::readPitch(ui::Edit& field, std::int64_t count,
                                          const FieldReader& read) const {
    if (count < 2) {
        FieldReader::fillEmpty(field);
        return read.number(field);
    }
    if (read.emptyOrZero(field)) {
        read.error(field.caption().substr(0, field.caption().size() - 1) + " " + kPitchZero);
        return 0;
    }
    const long double pitch = read.number(field);
    if (std::fabs(pitch) < drillDiameter) read.error(kPitchBelowDrill);
    return pitch;
}

void RectangleHolesPage::readPattern(const FieldReader& read) {
    pattern.x = rec.x;
    pattern.y = rec.y;
    pattern.countX = readCount(Edit_drx_, read);
    pattern.countY = readCount(Edit_dry_, read);
    pattern.pitchX = readPitch(Edit_tx_, pattern.countX, read);
    pattern.pitchY = readPitch(Edit_ty_, pattern.countY, read);
    pattern.rotation = Edit_ane_.text().empty() ? 0 : read.number(Edit_ane_);
    pattern.outline = RadioGroup_mt_.itemIndex() == 0;
    if (rectangleHoleCount(pattern) > kMaxRectangleHoles) read.error(kTooManyHoles);
}

HoleSelection::Pattern RectangleHolesPage::patternKey() const {
    const RectanglePattern& p = pattern;
    return {p.x,
            p.y,
            static_cast<long double>(p.countX),
            static_cast<long double>(p.countY),
            p.pitchX,
            p.pitchY,
            p.rotation,
            p.outline ? 1.0L : 0.0L};
}

// A press with a selection in force keeps its flags on the same pattern.
void RectangleHolesPage::PrepareValues() {
    rec.safeZ = rec.z + rec.safeOffset;
    selection_.prepare([this] { choice_.build(pattern); });
}

void RectangleHolesPage::WriteHeaderComments() {
    if (!rec.comments) return;
    ProgramText t = text();
    t.comment("Fúrás téglalap mentén - drill rectangle bolt pattern");
    t.blank();
    t.comment("első furat X" + Edit_x_.text() + " Y" + Edit_y_.text() + " Z" + Edit_z_.text());
    t.comment("furatok száma X irányban " + Edit_drx_.text() + ", Y irányban " + Edit_dry_.text());
    t.comment("furatok távolsága X irányban " + Edit_tx_.text() + ", Y irányban " +
              Edit_ty_.text());
    if (pattern.rotation != 0) t.comment("elforgatás szöge " + Edit_ane_.text());
    t.comment(pattern.outline ? "kerület mentén" : "teljes mező");
    t.comment("fúrás mélysége " + Edit_m_.text());
    if (peckDepth != rec.depth) t.comment("lépésenkénti max fogási mélység " + Edit_szc_.text());
    t.comment("fúró utasítás " + t.n(cycle));
    t.comment("furatok száma " + t.n(static_cast<std::int64_t>(choice_.holes().size())));
}

void RectangleHolesPage::GenerateProgram() {
    ProgramText t = text();
    const Axes safe{.z = general(rec.safeZ)};
    const Axes start{.x = general(pattern.x), .y = general(pattern.y)};

    t.metricAbsolute();
    t.rapid(safe);
    t.rapid(start);
    t.toolLines(rec, inputs_);
    t.coolant(rec.coolant);
    t.comment(rec, "főciklus");
    bool first = true;
    leftOut_.clear();
    for (std::size_t k = 0; k < choice_.holes().size(); ++k) {
        const PatternHole& hole = choice_.holes()[k];
        if (!choice_.drilledInOrder(k)) {
            leftOut_.push_back({facts::d(hole.x), facts::d(hole.y)});
            continue;
        }
        Axes at{.x = hole.x, .y = hole.y};
        if (!first) {
            t.drillAt(at);
            continue;
        }
        first = false;
        at.z = rec.depth;
        if (cycle == 81)
            t.drillCycle(cycle, at, general(retract), rec.linearFeed);
        else  // Q is an increment: a negative one is written as its size
            t.drillCycle(cycle, at, general(std::fabs(peckDepth)), general(retract),
                         rec.linearFeed);
    }
    t.comment(rec, "főciklus vége");
    t.rapid(safe);
    t.rapid(start);
    t.closing(rec, inputs_);
    selection_.written();
}

PageFacts RectangleHolesPage::pageFacts() const {
    using facts::d;
    PageFacts f = facts::at(pattern.x, pattern.y, rec.z, 0, drillDiameter);
    f.depthZ = d(std::min(rec.depth, rec.z));
    f.holeTop = d(rec.z);
    f.holeBottom = d(rec.depth);
    f.leftOut = leftOut_;
    if (choice_.holes().empty()) return f;
    // the box the holes' centres span, turned with the pattern about its first hole
    const RectanglePattern& p = choice_.pattern();
    const long double farX = p.x + (p.countX - 1) * p.pitchX;
    const long double farY = p.y + (p.countY - 1) * p.pitchY;
    Outline box{Outline::Shape::Rectangle, d(p.x), d(p.y), d(farX), d(farY), "Furatkép"};
    box.angle = d(p.rotation);
    f.outlines.push_back(box);
    return f;
}

}  // namespace qorix
