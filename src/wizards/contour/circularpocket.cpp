#include "wizards/contour/circularpocket.h"

#include "wizards/common/errors.h"
#include "wizards/common/stepwidth.h"

namespace qorix {

CircularPocketPage::CircularPocketPage(Services& services)
    : WizardPage("CircularPocketPage", "Körzseb (circular pocket)", services) {
    declare({
        Row(Edit1, "Edit1", {"X tengely kezdőpontja:", def("0,0000")}),
        Row(Edit2, "Edit2", {"Y tengely kezdőpontja:", def("0,0000")}),
        Row(Edit11, "Edit11", {"Z tengely kezdőpontja:", def("0,0000")}),
        Row(Edit12, "Edit12", {"biztonsági Z: +", "5"}),
        Row(Edit7, "Edit7", {"Marás mélysége:", def("-2,0000")}),
        Row(Edit4, "Edit4", {"Körzseb átmérője:", "20"}),
        Row(ScrollBar1, "ScrollBar1", {kStepWidthCaption, 0, 100, 50}),
        Row(Label4, "Label4", {"%"}),
        Row(Label5, "Label5", {"mm"}),
        Row(Edit3, "Edit3", {"Szerszám átmérő:", "5"}),
        Row(RadioGroup2, "RadioGroup2", {" Hűtés ", {"nincs", "M7", "M8"}, 0}),
        Row(Edit9, "Edit9", {"Lépésenkénti maximális fogási mélység: ", def("0,6")}),
        Row(CheckBox2, "CheckBox2", {"nincs", true}),
        Row(Edit13, "Edit13", {"Szerszám száma:", "1"}),
        Row(Edit14, "Edit14", {"Főorsó fordulata: ", "1000"}),
        // listed after the speed, shown beside the tool number it empties
        Row(CheckBox1, "CheckBox1", {"nincs", false}).shownAfter(Edit13),
        Row(RadioGroup3, "RadioGroup3",
            {" Spirál forgásiránya óramutató járásával ", {"Megegyező (CW)", "Ellentétes (CCW)"}}),
        Row(RadioGroup4, "RadioGroup4", {" Forgásirány ", {"M3", "M4"}}),
        Row(RadioGroup5, "RadioGroup5",
            {" Szerszám Z irányban ", {"Le egyenesen csak Z", "Ferdén X és Z tengelyeken"}, 1}),
        Row(RadioGroup6, "RadioGroup6", {" Sorozat marás ", {"Csak egy körzseb", "Sorozat marás"}}),
        Row(Edit5, "Edit5", {"G1 feed:", "150"}),
        Row(Edit6, "Edit6", {"G2, G3 feed:", "300"}),
        Row(CheckBox5, "CheckBox5", {"Megjegyzésekkel", true}),
        Row(Button2, "Button2", {"Törlés"}),
        Row(Image1, "Image1", {"circularpocket.jpg"}),
    });
    inputs_ = CommonInputs{&Edit1,       &Edit2,       &Edit11,      &Edit12,      &Edit7,
                           &Edit3,       &Edit9,       &CheckBox2,   &Edit13,      &Edit14,
                           &CheckBox1,   &Edit5,       &Edit6,       &RadioGroup2, &RadioGroup3,
                           &RadioGroup4, &RadioGroup5, &RadioGroup6, &CheckBox5};
    Edit9.setEnabled(false);
    Button2.onClick = [this] { Button2Click(); };
    CheckBox1.onClick = [this] { CheckBox1Click(); };
    CheckBox2.onClick = [this] { CheckBox2Click(); };
    RadioGroup6.onClick = [this] { RadioGroup6Click(); };
    ScrollBar1.onChange = [this] { ScrollBar1Change(); };
}

void CircularPocketPage::ScrollBar1Change() {
    if (revertingStep_) return;
    // the tool diameter is read first: a field that is no number leaves both labels as they were
    bool unused = false;  // the refresh is no check: it sets no error flag
    long double d = 0;
    try {
        d = reader(unused).number(Edit3);
    } catch (const ConversionError&) {
        // and the bar goes back to the step they show: the program would otherwise cut with a
        // step width that no label tells
        revertingStep_ = true;
        ScrollBar1.setPosition(shownStep_);
        revertingStep_ = false;
        throw;
    }
    Label4.setCaption(stepPercentLabel(ScrollBar1.position()));
    Label5.setCaption(stepWidthLabel(services().num, d, ScrollBar1.position()));
    shownStep_ = ScrollBar1.position();
}

void CircularPocketPage::ReadParameters() {
    FieldReader read = reader(rec.error);
    readCommonStart(inputs_, rec, read);
    if (read.emptyOrZero(Edit4)) {
        read.error("A körzseb átmérője \"0\", vagy nem adtál meg értéket.");
    } else {
        long double D = read.number(Edit4);
        // compared with the tool field as it stands, whatever its own check said
        if (D < read.number(Edit3))
            read.error("A körzseb átmérője kisebb mint a szerszám átmérője.");
        else
            pocketDiameter = D;
    }
    readCommonEnd(inputs_, rec, read);
    stepPercent = ScrollBar1.position();
}

void CircularPocketPage::PrepareValues() {
    FieldReader read = reader(rec.error);
    const bool readFailed = rec.error != 0;
    prepareDepthPasses(rec, read);
    ringStep = stepPercent * rec.toolDiameter / 100;
    if (auto steps = lateralSteps(pocketDiameter - rec.toolDiameter, ringStep)) {
        ringCount = steps->count;
        remainder = steps->remainder;
    } else {
        if (!readFailed) refuseStepWidth(stepPercent, read);
        rec.error = 1;
    }
}

void CircularPocketPage::WriteHeaderComments() {
    if (!rec.comments) return;
    ProgramText t = text();
    t.comment("Körzseb - circular pocket");
    t.blank();
    t.comment("kezdőpont X" + Edit1.text() + " Y" + Edit2.text() + " Z" + Edit11.text());
    t.comment("marás mélysége " + Edit7.text());
    t.passHeader(rec, Edit9.text());
    t.comment("körzseb átmérője " + Edit4.text());
    t.comment("oldalirányú fogás " + t.n(stepPercent) + "%");
    t.directionHeader(rec);
    t.comment(rec.helicalEntry ? "Z tengely ferdén le mozog X irányában"
                               : "Z tengely egyenesen le mozog");
    t.comment(rec.series ? "sorozat körzsebek készülnek" : "csak egy körzseb készül");
}

long double CircularPocketPage::writeSpiral(ProgramText& t) const {
    // CW arcs carry the Y word, CCW arcs do not; both stay on the centre line
    const Turn turn = rec.ccw ? Turn::ccw : Turn::cw;
    auto arc = [&](long double endX, long double r) {
        Axes to{.x = endX};
        if (!rec.ccw) {
            to.y = rec.y;
            to.yBeforeX = true;
        }
        t.arc(turn, to, Radius{r}, rec.arcFeed);
    };
    long double plus = rec.x, minus = rec.x, r = 0;
    auto ring = [&](long double step) {
        plus += step;
        minus -= step;
        r += step / 2;
        arc(plus, r);
        r += step / 2;
        arc(minus, r);
    };
    for (std::int32_t i = 1; i <= ringCount; ++i) ring(ringStep);
    if (remainder != 0) ring(remainder);
    arc(plus, r);  // completes the outermost circle
    return plus;
}

void CircularPocketPage::GenerateProgram() {
    ProgramText t = text();
    t.opening(rec, inputs_);
    t.comment(rec, "főciklus");
    long double z = rec.z;
    long double outer = rec.x + (pocketDiameter - rec.toolDiameter) / 2;
    for (std::int32_t k = 1; k <= rec.passes; ++k) {
        z += rec.passDepth;
        const long double above = k == 1 ? rec.z : z - rec.passDepth;
        t.passComment(rec, k);
        if (rec.helicalEntry == 0) {
            t.feed({.x = rec.x}, rec.linearFeed);
            t.feed({.z = z});
        } else {
            // from the wall to the centre while descending, over ground the level above cleared
            t.feed({.z = above}, rec.linearFeed);
            t.feed({.x = outer});
            t.feed({.x = rec.x, .z = z});
        }
        outer = writeSpiral(t);
    }
    t.comment(rec, "főciklus vége");
    t.feed({.x = rec.x, .y = rec.y}, rec.linearFeed);
    t.feed({.z = rec.z});
    t.rapid({.z = rec.safeZ});
    t.closing(rec, inputs_);
}

PageFacts CircularPocketPage::pageFacts() const {
    PageFacts f = facts::at(rec.x, rec.y, rec.z, rec.depth, rec.toolDiameter);
    f.toolWidthAtFirst = true;
    f.outlines.push_back(facts::circle(rec.x, rec.y, pocketDiameter));
    return f;
}

}  // namespace qorix
