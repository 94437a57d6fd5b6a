#include "wizards/spiral/fibonacci.h"

#include <cmath>

#include "wizards/common/messages.h"

namespace qorix {

namespace {

constexpr const char* kDepthMissing = "Nem adtad meg a marás mélységét!";
constexpr const char* kDepthPositive =
    "Marási mélységnek pozitív értéket adtál meg. Gondold végig!! A program tovább megy, ez "
    "csak figyelmeztetés.";
constexpr const char* kToolLimitExceeded =
    "Nagyobb a marási mélység mint a szerszám megengedett maximális marási mélysége!";
constexpr const char* kStepDownPointless =
    "Értelmetlen beállítani maximális fogási mélységet ha a teljes marási mélység kisebb!";
// This one box of the page has always carried its caption spelled so.
constexpr const char* kStepDownCaption = "Figyelmeztatés rossz paraméterezésről";
constexpr const char* kSpiralNotFinite =
    "A spirál sugarai vagy végpontjai túl nagyok lennének, számként nem írhatók ki. "
    "Csökkentsd a nagyítást vagy a körbefordulások számát!";

std::string tooLongText(std::int64_t lines) {
    return "A program túl hosszú lenne: " + NumberText::whole(lines) +
           " sor, legfeljebb 1 000 000 sor lehet. Csökkentsd a körbefordulások vagy a "
           "mélységi ciklusok számát!";
}

}  // namespace

FibonacciSpiralPage::FibonacciSpiralPage(Services& services)
    : WizardPage("FibonacciSpiralPage", "Fibonacci spirál", services) {
    declare({
        Row(Edit1, "Edit1", {"X tengely kezdőpontja:", def("0,0000")}),
        Row(Edit2, "Edit2", {"Y tengely kezdőpontja:", def("0,0000")}),
        Row(Edit11, "Edit11", {"Z tengely kezdőpontja:", def("0,0000")}),
        Row(Edit12, "Edit12", {"biztonsági Z: +", "5"}),
        Row(Edit10, "Edit10",
            {"Nagyítás (a képen látható miliméter értékek  szorzója):", def("0,00")}),
        Row(Edit4, "Edit4", {"Elforgatás szöge:", "0"}),
        Row(CheckBox4, "CheckBox4", {"nincs", true}),
        Row(Edit7, "Edit7", {"Marás mélysége:", def("-2,0000")}),
        Row(Edit8, "Edit8", {"Szerszám maximális fogási mélysége: ", ""}),
        Row(CheckBox1, "CheckBox1", {"nincs", true}),
        Row(Edit9, "Edit9", {"Lépésenkénti maximális fogási mélység: ", ""}),
        Row(CheckBox2, "CheckBox2", {"nincs", true}),
        Row(Edit13, "Edit13", {"Szerszám száma:", "1"}),
        Row(Edit14, "Edit14", {"Főorsó fordulata: ", "1000"}),
        Row(Edit3, "Edit3", {"Körbefordulások száma:", "2"}),
        Row(CheckBox3, "CheckBox3", {"Csak a képen látható", true}),
        Row(RadioGroup2, "RadioGroup2",
            {" Plussz részfordulat ", {"nincs", "1/4", "1/2", "3/4"}, 0}),
        Row(RadioGroup3, "RadioGroup3",
            {" Spirál forgásiránya óramutató járásával ",
             {"Megegyező (CW)", "Ellentétes (CCW)"},
             1}),
        Row(RadioGroup4, "RadioGroup4", {" Forgásirány ", {"M3", "M4"}, 0}),
        Row(RadioGroup1, "RadioGroup1", {" G kód generálása ", {"Csak G kód", "Csak képlet"}, 0}),
        Row(CheckBox5, "CheckBox5", {"Megjegyzésekkel", true}),
        Row(Edit5, "Edit5", {"G1 feed:", "150"}),
        Row(Edit6, "Edit6", {"G2, G3 feed:", "300"}),
        Row(Image1, "Image1", {"fibonacci.jpg"}),
    });
    // The spiral is never rotated: the angle and its box stay switched off.
    Edit4.setSuffix("° (fok)");
    Edit4.setEnabled(false);
    CheckBox4.setEnabled(false);
}

void FibonacciSpiralPage::ReadParameters() {
    FieldReader read = reader(rec.error);
    rec.error = 0;
    rec.comments = 0;
    rec.cw = RadioGroup3.itemIndex() == 0 ? 1 : 0;
    rec.spindleCcw = RadioGroup4.itemIndex() != 0 ? 1 : 0;
    rec.comments = CheckBox5.checked() ? 1 : 0;
    readStartAndFeeds(read);
    readDepthAndLimits(read);
    readShape(read);
    if (!checkLimits(read)) return;
    countPasses(read);
}

void FibonacciSpiralPage::readStartAndFeeds(const FieldReader& read) {
    FieldReader::fillEmpty(Edit1);
    FieldReader::fillEmpty(Edit2);
    rec.x = read.number(Edit1);
    rec.y = read.number(Edit2);
    FieldReader::fillEmpty(Edit5, "150");
    FieldReader::fillEmpty(Edit6, "300");
    rec.linearFeed = read.number(Edit5);
    rec.arcFeed = read.number(Edit6);
    if (rec.linearFeed < 0 || rec.arcFeed < 0) read.error(msg::kFeedNegative);
}

void FibonacciSpiralPage::readDepthAndLimits(const FieldReader& read) {
    if (Edit7.text().empty()) {
        Edit7.setText("0");
        read.error(kDepthMissing);
    }
    rec.depth = read.number(Edit7);
    if (rec.depth > 0) read.warning(kDepthPositive);
    // an empty limit field means "no limit", and its box says so afterwards
    if (Edit8.text().empty()) CheckBox1.setChecked(true);
    if (Edit9.text().empty()) CheckBox2.setChecked(true);
    rec.toolLimit = Edit8.text().empty() ? 0 : read.number(Edit8);
    rec.stepDown = Edit9.text().empty() ? 0 : read.number(Edit9);
}

void FibonacciSpiralPage::readShape(const FieldReader& read) {
    FieldReader::fillEmpty(Edit10, "1");
    rec.scale = read.number(Edit10);
    if (rec.scale == 0) rec.scale = 1;
    FieldReader::fillEmpty(Edit11);
    FieldReader::fillEmpty(Edit12);
    rec.z = read.number(Edit11);
    rec.safeOffset = read.number(Edit12);
    if (rec.safeOffset < 0) read.error(msg::kSafeOffsetNegative);
    rec.safeZ = rec.z + rec.safeOffset;
    FieldReader::fillEmpty(Edit13, "1");
    FieldReader::fillEmpty(Edit14, "1000");
    // Both go into the tool lines as typed; a text that is no whole number ("abc", "inf")
    // would give a "T" or "S" word the machine cannot read, so it stops the run here.
    if (read.whole(Edit13) < 0) read.error(msg::kToolNumberNegative);
    if (read.whole(Edit14) < 0) read.error(msg::kSpindleNegative);
    if (CheckBox3.checked()) {
        Edit3.setText("1");
        RadioGroup2.setItemIndex(2);
    }
    rec.fullTurns = read.whole(Edit3);
    rec.partTurns = RadioGroup2.itemIndex();
    rec.rotation = CheckBox4.checked() ? 0 : read.number(Edit4);
}

bool FibonacciSpiralPage::checkLimits(const FieldReader& read) {
    long double depth = std::fabs(rec.depth);
    if (!CheckBox1.checked() && rec.toolLimit < depth) {
        read.error(kToolLimitExceeded);
        return false;
    }
    if (!CheckBox2.checked() && rec.stepDown > depth) {
        read.error(kStepDownCaption, kStepDownPointless);
        return false;
    }
    return true;
}

// Whole part of (depth / step-down) plus one, by repeated subtraction. When a hundred
// step-downs still leave a rest of at least one more (or the step-down is 0 or negative) the
// run is refused: it used to cut the whole depth in one pass, many times the step asked for.
void FibonacciSpiralPage::countPasses(const FieldReader& read) {
    if (CheckBox2.checked()) {
        rec.passes = 1;
        rec.passDepth = rec.depth;
        return;
    }
    long double rest = std::fabs(rec.depth);
    std::int32_t k = 1;
    for (;;) {
        rest -= rec.stepDown;
        if (rest < rec.stepDown) {
            rec.passes = k + 1;
            break;
        }
        if (++k == 101) {
            read.error(msg::kStepLimitTooSmall);
            return;
        }
    }
    rec.passDepth = rec.depth / rec.passes;
}

// The plain program grows with the turns and the passes; it is refused before a line is
// written when it would be too long for the machine or its radii would overflow.
void FibonacciSpiralPage::PrepareValues() {
    if (rec.error != 0 || parametric()) return;
    FieldReader read = reader(rec.error);
    std::int64_t lines = plainLineCount();
    if (lines > kMaxPlainLines)
        read.error(tooLongText(lines));
    else if (!spiral::finiteSpiral(rec.scale, rec.cw != 0,
                                   spiral::arcsPerPass(rec.fullTurns, rec.partTurns)))
        read.error(kSpiralNotFinite);
}

void FibonacciSpiralPage::WriteHeaderComments() {
    for (auto& line : headerLines()) AddLine(std::move(line));
}

std::vector<std::string> FibonacciSpiralPage::headerLines() const {
    if (!rec.comments) return {};
    const NumberText& num = services().num;
    auto f = [&](long double v) { return num.f4(v); };
    std::vector<std::string> h;
    h.push_back("(Fibonacci spirál)");
    h.push_back("");
    h.push_back("(kezdőpont X" + Edit1.text() + " Y" + Edit2.text() + " Z" + Edit11.text() + ")");
    h.push_back("(körbefordulás " + f(rec.fullTurns) + " részfordulat " +
                NumberText::whole(rec.partTurns) + "x1/4)");
    h.push_back("(elforgatás " + f(rec.rotation) + "°)");
    h.push_back("(nagyítás mértéke x" + f(rec.scale) + ")");
    h.push_back("(marás mélysége " + Edit7.text() + ")");
    if (!CheckBox1.checked()) h.push_back("(szerszám max fogási mélység " + Edit8.text() + ")");
    if (rec.passes > 1) h.push_back("(mélységi ciklusok száma " + f(rec.passes) + ")");
    if (rec.depth != rec.passDepth) h.push_back("(ciklusonkénti mélység " + f(rec.passDepth) + ")");
    if (!CheckBox2.checked()) h.push_back("(lépésenkénti max fogási mélység " + Edit9.text() + ")");
    h.push_back(rec.cw ? "(forgásirány CW)" : "(forgásirány CCW)");
    h.push_back("");
    return h;
}

void FibonacciSpiralPage::GenerateProgram() {
    if (parametric())
        GenerateParametricProgram();
    else
        GeneratePlainProgram();
}

void FibonacciSpiralPage::writeToolLines(GCodeWriter& t) {
    t.toolChange(Edit13.text());
    t.spindle(Edit14.text(), rec.spindleCcw != 0);
    t.dwell(2000);
}

PageFacts FibonacciSpiralPage::pageFacts() const {
    using facts::d;
    // no tool size: the page has none
    PageFacts f = facts::at(rec.x, rec.y, rec.z, rec.depth, 0);
    f.workOrigin = std::array<double, 3>{d(rec.x), d(rec.y), d(rec.z)};  // its work offset
    return f;
}

}  // namespace qorix
