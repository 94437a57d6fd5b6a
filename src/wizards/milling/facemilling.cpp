#include "wizards/milling/facemilling.h"

#include "wizards/common/stepwidth.h"
#include "wizards/milling/facepasses.h"

namespace qorix {

namespace {
constexpr const char* kOverrunNegative = "A túlfutás nem lehet negatív.";
constexpr const char* kOverrunEmpty = "A túlfutás értékét nem adtad meg.";
constexpr const char* kTooManyPasses =
    "A síkmarás túl sok fogásból állna (legfeljebb 100000 fogás lehet a program összes "
    "mélységében). Adj meg kisebb felületet, nagyobb szerszámot vagy nagyobb fogást.";
}  // namespace

FaceMillingPage::FaceMillingPage(Services& services)
    : CommonPage("FaceMillingPage", "Síkmarás (face milling)", services,
                 CommonPageTexts{"Rámpán", "Csak egy síkmarás"}) {
    declare({
        // each size beside its corner coordinate, the step and the overrun under the tool
        Row(Edit_xd_, "Edit_xd_", {"Szélesség X irányban:", "80"}).shownAfter(Edit_x_),
        Row(Edit_yd_, "Edit_yd_", {"Hosszúság Y irányban:", "50"}).shownAfter(Edit_y_),
        Row(Edit_ov_, "Edit_ov_", {"Túlfutás a széleken túl:", "11"}),
        Row(ScrollBar1, "ScrollBar1", {kStepWidthCaption, 10, 90, 70}).shownAfter(Edit_sz_),
        Row(Label4, "Label4", {"%"}).shownAfter(ScrollBar1),
        Row(Label5, "Label5", {"mm"}).shownAfter(Label4),
        Row(Edit_ov_).shownAfter(Label5),
        Row(RadioGroup_p_, "RadioGroup_p_", {" Minta ", {"Oda-vissza", "Egy irányban"}})
            .shownAfter(Edit_g23_),
        Row(Image1, "Image1", {"facemilling.jpg"}),
        // the passes run along Y and the tool goes down beside the stock: neither the milling
        // direction nor a slanted entry means anything here (laid out last, out of sight)
        Row(RadioGroup_cw_).shownAfter(Image1),
        Row(RadioGroup_zi_).shownAfter(RadioGroup_cw_),
    });
    Edit_sz_.setText("20");
    Edit_m_.setText(def("-1,0000"));
    Edit_g1_.setCaption("G1 fogásvétel Z irányban:");
    Edit_g23_.setCaption("G1 marás:");
    Edit_xd_.setFieldName("X szélesség");
    Edit_yd_.setFieldName("Y hosszúság");
    Edit_ov_.setFieldName("túlfutás");
    for (ui::RadioGroup* unused : {&RadioGroup_cw_, &RadioGroup_zi_}) {
        unused->setEnabled(false);
        unused->setVisible(false);
    }
    ScrollBar1.onChange = [this] { ScrollBar1Change(); };
}

void FaceMillingPage::ScrollBar1Change() {
    Label4.setCaption(stepPercentLabel(ScrollBar1.position()));
    bool unused = false;  // the refresh is no check: it sets no error flag
    Label5.setCaption(
        stepWidthLabel(services().num, reader(unused).number(Edit_sz_), ScrollBar1.position()));
}

void FaceMillingPage::readSize(const ui::Edit& edit, const char* axis, long double& size,
                               const FieldReader& read) {
    const std::string what = std::string("A síkmarás ") + axis + " ";
    if (read.emptyOrZero(edit)) {
        read.error(what + "\"0\", vagy nem adtál meg értéket.");
        return;
    }
    const long double v = read.number(edit);
    if (v < 0)
        read.error(what + "nem lehet negatív.");
    else
        size = v;
}

void FaceMillingPage::ReadParameters() {
    FieldReader read = reader(rec.error);
    readCommonStart(inputs_, rec, read);
    readSize(Edit_xd_, "X szélessége", sizeX, read);
    readSize(Edit_yd_, "Y hosszúsága", sizeY, read);
    if (Edit_ov_.text().empty())
        read.error(kOverrunEmpty);
    else if (const long double v = read.number(Edit_ov_); v < 0)
        read.error(kOverrunNegative);
    else
        overrun = v;
    readCommonEnd(inputs_, rec, read);
}

void FaceMillingPage::PrepareValues() {
    FieldReader read = reader(rec.error);
    const bool readFailed = rec.error;
    prepareDepthPasses(rec, read);
    const long double step = ScrollBar1.position() * rec.toolDiameter / 100;
    if (auto centres =
            facePassCentres(rec.x, sizeX, rec.toolDiameter, step, passesPerLevel(rec.passes))) {
        passes = std::move(*centres);
    } else {
        if (!readFailed) read.error(kTooManyPasses);
        rec.error = true;
    }
}

void FaceMillingPage::WriteHeaderComments() {
    if (!rec.comments) return;
    ProgramText t = text();
    t.comment("Síkmarás - face milling");
    t.blank();
    t.comment("kezdőpont X" + Edit_x_.text() + " Y" + Edit_y_.text() + " Z" + Edit_z_.text());
    t.comment("felület méretei X" + Edit_xd_.text() + " Y" + Edit_yd_.text());
    t.comment("marás mélysége " + Edit_m_.text());
    t.passHeader(rec, Edit_szc_.text());
    t.comment("oldalirányú fogás " + t.n(ScrollBar1.position()) + "%");
    t.comment("fogások száma " + t.n(static_cast<std::int64_t>(passes.size())));
    t.comment("túlfutás " + Edit_ov_.text());
    t.comment(RadioGroup_p_.itemIndex() == 0 ? "oda-vissza marás"
                                             : "egy irányban marás, vissza gyorsmenetben");
}

// One depth level: down beside the near edge, then every pass along Y. Zig-zag turns at the
// ends at depth; one way lifts after each pass and goes back to the near edge at safe Z.
void FaceMillingPage::writeLevel(ProgramText& t, long double z) const {
    const long double bottom = rec.y - overrun, top = rec.y + sizeY + overrun;
    const long double entry = rec.y - faceEntryDistance(overrun, rec.toolDiameter);
    const bool oneWay = RadioGroup_p_.itemIndex() == 1;
    bool up = true;  // the next pass runs towards +Y
    for (std::size_t i = 0; i < passes.size(); ++i) {
        const long double x = passes[i];
        if (i == 0 || oneWay) {
            t.rapid({.x = x, .y = entry});
            t.feed({.z = z}, rec.linearFeed);
            t.feed({.y = top}, rec.arcFeed);
            if (oneWay) t.rapid({.z = rec.safeZ});
        } else {
            t.feed({.x = x});
            t.feed({.y = up ? top : bottom});
        }
        up = !up;
    }
    if (!oneWay) t.rapid({.z = rec.safeZ});
}

void FaceMillingPage::GenerateProgram() {
    ProgramText t = text();
    t.opening(rec, inputs_);
    t.comment(rec, "főciklus");
    for (std::int32_t k = 1; k <= rec.passes; ++k) {
        t.passComment(rec, k);
        writeLevel(t, levelZ(rec.z, rec.depth, k, rec.passes));
    }
    t.comment(rec, "főciklus vége");
    t.rapid({.x = rec.x, .y = rec.y});
    t.closing(rec, inputs_);
}

PageFacts FaceMillingPage::pageFacts() const {
    using facts::d;
    PageFacts f = CommonPage::pageFacts();
    f.toolWidthAtFirst = true;  // the tool's width shows the face swept whole
    f.outlines.push_back(
        {Outline::Shape::Rectangle, d(rec.x), d(rec.y), d(rec.x + sizeX), d(rec.y + sizeY)});
    return f;
}

}  // namespace qorix
