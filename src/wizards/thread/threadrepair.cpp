#include "wizards/thread/threadrepair.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "wizards/common/messages.h"
#include "wizards/thread/threadcheck.h"

namespace qorix {

namespace {

constexpr const char* kPitchZero = "Menetemelkedés \"0\", vagy nem adtál meg értéket.";
constexpr const char* kLengthZero = "Menet hossza \"0\", vagy nem adtál meg értéket.";
// A nut is cut from inside the hole: the tool must pass through the thread's minor diameter.
constexpr const char* kNutToolTooBig =
    "Anya menetnél a szerszám átmérője kisebb kell legyen, mint a menet belső átmérője "
    "(menet átmérő − 2 × menet mélysége).";

// The helix starts about two pitches above the top, or as far above it as the measured
// point lies; one pass writes a circle per pitch from there down to the thread's end.
constexpr std::int32_t kMaxCirclesPerPass = 10000;
constexpr const char* kTooManyCircles =
    "A menet túl hosszú a menetemelkedéshez képest: egy fogás legfeljebb 10000 kört írhat. "
    "Ellenőrizd a menetemelkedést, a menet hosszát és a bemért Z pozíciót.";
// Far from zero a pitch is lost in the rounding of Z: the circles would not descend.
constexpr long double kPitchResolution = 1e-15L;
constexpr const char* kPitchTooFine =
    "A menetemelkedés túl kicsi a Z értékekhez képest: a körök nem írhatók le egy-egy "
    "menetemelkedéssel lejjebb. Ellenőrizd a Z kezdőpontot, a menet hosszát és a bemért Z "
    "pozíciót.";

// Whether one pitch still changes Z values of the given sizes by about a pitch.
bool pitchResolvable(long double pitch, long double z1, long double z2) {
    const long double largest = std::max(std::fabs(z1), std::fabs(z2));
    return pitch > 0 && largest * kPitchResolution <= pitch;
}

// The circles of one pass: k = 1, 2, ... while the helix start Z less k pitches is not below
// the thread's end. Counted before a line is written, so that no input can make a pass run
// away: the pass loop runs exactly this many times.
struct CirclePlan {
    std::int32_t count = 0;
    const char* problem = nullptr;  // why no pass can be written
};

CirclePlan planCircles(const ThreadRepairValues& v) {
    if (!(v.pitch > 0)) return {};  // no pitch read yet: no circles
    const long double top = v.helixStartZ, bottom = v.z - v.threadLength;
    if (!pitchResolvable(v.pitch, top, bottom)) return {0, kPitchTooFine};
    auto above = [&](std::int32_t k) {
        return top - static_cast<long double>(k) * v.pitch >= bottom;
    };
    const long double quotient = std::floor((top - bottom) / v.pitch);
    if (!(quotient <= kMaxCirclesPerPass)) return {0, kTooManyCircles};
    std::int32_t n = quotient > 0 ? static_cast<std::int32_t>(quotient) : 0;
    // the rounded quotient may be one off the rule that places the circles: the rule decides
    while (n > 0 && !above(n)) --n;
    while (n <= kMaxCirclesPerPass && above(n + 1)) ++n;
    if (n > kMaxCirclesPerPass) return {0, kTooManyCircles};
    return {n, nullptr};
}

constexpr int kPollMs = 100;

CommonControlTexts threadTexts(const NumberText& num) {
    CommonControlTexts t;
    t.xCaption = "X tengely középpontja:";
    t.yCaption = "Y tengely középpontja:";
    t.zeroDefault = num.local("0,0000");
    t.depthCaption = "Menet mélysége:";
    t.depthDefault = num.local("1,5");
    t.toolDefault = "8";
    t.stepDefault = num.local("0,6");
    return t;
}

std::int32_t notFirst(const ui::RadioGroup& group) { return group.itemIndex() != 0 ? 1 : 0; }

}  // namespace

ThreadRepairPage::ThreadRepairPage(Services& services)
    : WizardPage("ThreadRepairPage", "Menet javítás (thread repair)", services),
      CommonControls(this, threadTexts(services.num)) {
    const std::string noCorrection = services.num.f4(0) + " mm";
    declare({
        // the measured position after the safe offset, the thread after the depth
        Row(Edit_Xpos_, "Edit_Xpos_", {"Bemért pozíció X:", def("0,0000")}).listedAfter(Edit_zsb_),
        Row(Edit_Ypos_, "Edit_Ypos_", {"Y:", def("0,0000")}).listedAfter(Edit_Xpos_),
        Row(Edit_Zpos_, "Edit_Zpos_", {"Z:", def("0,0000")}).listedAfter(Edit_Ypos_),
        Row(Edit_zm_, "Edit_zm_", {"Menetemelkedés:", def("1,5")}).listedAfter(Edit_Zpos_),
        Row(Edit_r_, "Edit_r_", {"Menet átmérő (M)", "20"}).listedAfter(Edit_m_),
        Row(Edit_ml_, "Edit_ml_", {"Menet hossza:", "10"}).listedAfter(Edit_r_),
        // the corrections and the thread's choices after the coolant
        Row(ScrollBar1, "ScrollBar1", {"Mélység korrekció:", 0, 1000, 500})
            .listedAfter(RadioGroup_h_),
        Row(Label19, "Label19", {noCorrection}).listedAfter(ScrollBar1),
        Row(ScrollBar2, "ScrollBar2", {"Magasság korrekció:", 0, 1000, 500}).listedAfter(Label19),
        Row(Label20, "Label20", {noCorrection}).listedAfter(ScrollBar2),
        Row(RadioGroup_cs_, "RadioGroup_cs_", {" Menet kiválasztó ", {"Csavar", "Anya"}})
            .listedAfter(Label20),
        Row(RadioGroup_cw_, "RadioGroup_cw_",
            {"Megmunkálási irány", {"Jobbos (CW)", "Balos  (CCW)"}})
            .listedAfter(RadioGroup_cs_),
        // the feeds and "Ellenőrzés" after the comments
        Row(Edit_g1_).listedAfter(CheckBox_msg_),
        Row(Edit_g23_, "Edit_g23_", {"G2, G3 feed:", "300"}).listedAfter(Edit_g1_),
        Row(Button4, "Button4", {"Ellenőrzés"}).listedAfter(Edit_g23_),
        Row(Button3, "Button3", {"Bemérés"}),
        Row(Timer1, "Timer1", {kPollMs}),
        Row(Timer2, "Timer2", {kPollMs}),
        Row(Image1, "Image1", {"threadrepair.jpg"}),
    });
    wireInputs(inputs_);
    inputs_.arcFeed = &Edit_g23_;
    inputs_.direction = &RadioGroup_cw_;
    Edit_Ypos_.setFieldName("Bemért pozíció Y");
    Edit_Zpos_.setFieldName("Bemért pozíció Z");

    Button1.setEnabled(false);
    Timer1.stop();
    Timer2.stop();
    Button1.onClick = [this] { Button1Click(); };
    Button2.onClick = [this] { Button2Click(); };
    Button3.onClick = [this] { Button3Click(); };
    Button4.onClick = [this] { Button4Click(); };
    Timer1.onTimer = [this] { Timer1Timer(); };
    Timer2.onTimer = [this] { Timer2Timer(); };
    ScrollBar1.onChange = [this] { ScrollBar1Change(); };
    ScrollBar2.onChange = [this] { ScrollBar2Change(); };
}

void ThreadRepairPage::connectDialogs(CaptureDialog& capture, ThreadCheckDialog& check) {
    capture_ = &capture;
    check_ = &check;
    check.attach(handshake_);
}

bool ThreadRepairPage::hostMode() const { return capture_ && capture_->asksMachine(); }

// One scroll step is 0.002 mm; the middle position is no correction.
long double ThreadRepairPage::correction(const ui::ScrollBar& bar) const {
    return static_cast<long double>(bar.position() - 500) * 2 / 1000;
}

// Depth, pitch, length, tool and thread diameter: each refused value keeps its old one.
void ThreadRepairPage::readDimensions(const FieldReader& read) {
    ThreadRepairValues& v = values();
    if (read.emptyOrZero(Edit_m_))
        read.error(msg::kDepthZero);
    else
        v.depth = std::fabs(read.number(Edit_m_));
    if (read.emptyOrZero(Edit_zm_))
        read.error(kPitchZero);
    else
        v.pitch = std::fabs(read.number(Edit_zm_));
    if (read.emptyOrZero(Edit_ml_))
        read.error(kLengthZero);
    else
        v.threadLength = std::fabs(read.number(Edit_ml_));
    if (auto sz = readToolDiameter(Edit_sz_, read)) v.toolDiameter = *sz;
    if (auto d = readCircleAroundTool(
            Edit_r_, [&] { return v.toolDiameter; }, read))
        v.threadDiameter = *d;
}

void ThreadRepairPage::ReadParameters() {
    ThreadRepairValues& v = values();
    ui::Memo::Batch batch(Memo1);
    v.error = 0;
    FieldReader read = reader(v.error);
    for (ui::Edit* e : {&Edit_x_, &Edit_y_, &Edit_z_, &Edit_zsb_}) FieldReader::fillEmpty(*e);
    v.x = read.number(Edit_x_);
    v.y = read.number(Edit_y_);
    v.z = read.number(Edit_z_);
    if (long double zsb = read.number(Edit_zsb_); zsb < 0)
        read.error(msg::kSafeOffsetNegative);
    else
        v.safeOffset = zsb;
    v.measuredX = read.number(Edit_Xpos_);
    v.measuredY = read.number(Edit_Ypos_);
    v.measuredZ = read.number(Edit_Zpos_);
    readDimensions(read);

    // the step, the tool lines, the feeds and the flags as on every page
    readCommonEnd(inputs_, v, read);
    // here a group with no item chosen counts as its second item
    v.ccw = notFirst(RadioGroup_cw_);
    v.spindleCcw = notFirst(RadioGroup_m34_);
    v.nut = notFirst(RadioGroup_cs_);
    if (v.nut && v.toolDiameter >= v.threadDiameter - 2 * v.depth) read.error(kNutToolTooBig);
    if (!((2 * std::fabs(v.measuredZ - v.z) + v.threadLength) / v.pitch <= kMaxCirclesPerPass))
        read.error(kTooManyCircles);
    else if (!pitchResolvable(v.pitch, std::fabs(v.measuredZ) + std::fabs(v.z),
                              v.z - v.threadLength))
        read.error(kPitchTooFine);
    listReading();
}

void ThreadRepairPage::listReading() {
    const ThreadRepairValues& v = values();
    const NumberText& num = services().num;
    auto n = [&](long double value) { return num.f4(value); };
    auto g = [&](long double value) { return num.general(value); };
    auto w = [](std::int32_t value) { return NumberText::whole(value); };
    AddLine("_x_=" + n(v.x));
    AddLine("_y_=" + n(v.y));
    AddLine("_z_=" + n(v.z));
    AddLine("_zsb_=" + n(v.safeOffset));
    AddLine("_Xpos_=" + n(v.measuredX));
    AddLine("_Ypos_=" + n(v.measuredY));
    AddLine("_Zpos_=" + n(v.measuredZ));
    AddLine("_m_=" + n(v.depth));
    AddLine("_md_=" + n(v.pitch));
    AddLine("_ml_=" + n(v.threadLength));
    AddLine("_sz_=" + g(v.toolDiameter));
    AddLine("_rd_=" + g(v.threadDiameter));
    AddLine("_szc_=" + n(v.stepLimit));
    AddLine("_szsz_=" + g(v.toolNumber));
    AddLine("_ff_=" + g(v.spindleSpeed));
    AddLine("_g1_=" + g(v.linearFeed));
    AddLine("_g23_=" + g(v.arcFeed));
    AddLine("_msg_=" + w(v.comments));
    AddLine("_h_=" + w(v.coolant));
    AddLine("_cw_=" + w(v.ccw));
    AddLine("_m34_=" + w(v.spindleCcw));
    AddLine("_cs_=" + w(v.nut));
}

void ThreadRepairPage::PrepareValues() {
    ThreadRepairValues& v = values();
    ui::Memo::Batch batch(Memo1);
    prepareDepthPasses(v, reader(v.error));
    v.threadRadius = v.threadDiameter / 2;
    v.depthCorrection = correction(ScrollBar1);
    v.heightCorrection = correction(ScrollBar2);
    const NumberText& num = services().num;
    AddLine("_zs_:=_z_+_zsb_= " + num.f4(v.safeZ));
    AddLine("_mcm_:=_m_/_mc_= " + num.f4(v.passDepth));
    AddLine("_mc_= " + NumberText::whole(v.passes));
    AddLine("_dk_:= " + num.f4(v.depthCorrection));
    AddLine("_hk_:= " + num.f4(v.heightCorrection));
}

void ThreadRepairPage::WriteHeaderComments() {
    const ThreadRepairValues& v = values();
    if (v.comments != 1) return;
    ProgramText t = text();
    t.comment("Menet javítás - thread repair");
    t.blank();
    t.comment("középpont X" + t.f(v.x) + " Y" + t.f(v.y) + " Z" + t.f(v.z));
    t.comment("menet átmérője " + t.f(v.threadDiameter));
    t.comment("menet mélysége " + t.f(v.depth));
    t.passHeader(v, t.f(v.stepLimit));
    t.directionHeader(v);
    t.comment(!v.nut ? "csavar menet" : "anya menet");
}

// The tool sits in the groove at the measured point and must leave it before it rises: twice
// the depth outwards and as much along the thread, turned with the measured point (+X and +Y
// for a point on the +X side). A fixed +X +Y move drove the tool into the bolt from a point
// on its other side. A nut's tool goes to the hole's centre.
void ThreadRepairPage::leaveTheGroove(ProgramText& t) const {
    const ThreadRepairValues& v = values();
    if (v.nut) return t.rapid({.x = v.x, .y = v.y});
    const long double c = std::cos(v.angle), s = std::sin(v.angle), away = 2 * v.depth;
    t.rapid({.x = v.measuredX + away * (c - s), .y = v.measuredY + away * (s + c)});
}

void ThreadRepairPage::GenerateProgram() {
    const ThreadRepairValues& v = values();
    ProgramText t = text();
    const CommonRecord& rec = v;
    t.metricAbsolute();
    leaveTheGroove(t);
    t.rapid({.z = v.safeZ});
    t.toolLines(rec, inputs_);
    t.coolant(rec.coolant);
    t.feed({.x = v.startX, .y = v.y}, Feed(general(v.arcFeed)));
    t.feed({.z = v.helixStartZ}, Feed(general(v.linearFeed)));
    t.comment(rec, "főciklus");
    // A bolt is cut from the outside inwards, a nut from inside the hole outwards. Each
    // pass is placed from the start X, not by repeated steps, so that exactly the counted
    // passes are written and the last one runs at the full-depth X.
    const long double step = !v.nut ? -v.passDepth : v.passDepth;
    const long double fullDepthX = !v.nut ? v.startX - v.depth : v.startX + v.depth;
    const std::int32_t circles = planCircles(v).count;
    for (std::int32_t i = 1; i <= v.passes; ++i)
        writePass(t, i == v.passes ? fullDepthX : v.startX + static_cast<long double>(i) * step,
                  circles);
    t.comment(rec, "főciklus vége");
    t.rapid({.z = v.safeZ});
    t.rapid({.x = v.startX, .y = v.y});
    if (v.comments) {
        t.blank();
        t.blank();
    }
    if (v.coolant > 0) t.coolantOff();
    if (!CheckBox_szsz_.checked()) t.spindleStop();
    t.programEnd();
}

// Full circles around the thread centre, one pitch lower each, from one pitch below the
// helix start Z down to the lowest one not below the thread's end; then the tool backs off
// radially and returns to the helix start Z for the next pass.
void ThreadRepairPage::writePass(ProgramText& t, long double x, std::int32_t circles) {
    const ThreadRepairValues& v = values();
    const Turn turn = v.ccw == 1 ? Turn::ccw : Turn::cw;
    const Centre centre{v.x - x, whole(0)};
    t.feed({.x = x});
    t.arcFeed(turn, Feed(general(v.arcFeed)));
    for (std::int32_t k = 1; k <= circles; ++k)
        t.arc(turn, {.x = x, .y = v.y, .z = v.helixStartZ - static_cast<long double>(k) * v.pitch},
              centre);
    // a nut backs off towards the centre, but never past it
    const long double backOff = !v.nut ? v.startX + v.depth : std::max(v.x, v.startX - v.depth);
    t.feed({.x = backOff});
    t.feed({.z = v.helixStartZ});
}

void ThreadRepairPage::CreateProgram() {
    startRun();
    ui::Memo::Batch batch(Memo1);
    if (const CirclePlan plan = planCircles(values()); plan.problem) {
        services().dialogs.message(msg::kErrorCaption, plan.problem);
        return;
    }
    writeGuarded([this] {
        AddLine("");
        WriteHeaderComments();
        GenerateProgram();
    });
}

void ThreadRepairPage::Button1Click() {
    CreateProgram();
    Button1.setEnabled(false);
    Button2.setEnabled(true);
    if (hostMode()) Button3.setEnabled(true);
    Button4.setEnabled(true);
}

void ThreadRepairPage::Button3Click() {
    Edit_Xpos_.setText("");
    Edit_Ypos_.setText("");
    Edit_Zpos_.setText("");
    handshake_.capture = {};
    Timer1.start();
    Button4.setEnabled(true);
    Button1.setEnabled(false);
    if (capture_) capture_->showForCapture(handshake_.capture);
    Memo1.clear();
}

void ThreadRepairPage::Timer1Timer() {
    if (!handshake_.capture.accepted) return;
    Timer1.stop();
    const NumberText& num = services().num;
    Edit_Xpos_.setText(num.f4(handshake_.capture.x));
    Edit_Ypos_.setText(num.f4(handshake_.capture.y));
    Edit_Zpos_.setText(num.f4(handshake_.capture.z));
}

void ThreadRepairPage::Button4Click() {
    ReadParameters();
    if (values().error == 0) PrepareValues();
    handshake_.checkResult = 0;
    Timer2.start();
    if (check_) check_->showCheck();
}

void ThreadRepairPage::Timer2Timer() {
    if (handshake_.checkResult == 1) {
        Timer2.stop();
        Button1.setEnabled(true);
        Button2.setEnabled(false);
        Button3.setEnabled(false);
        Button4.setEnabled(false);
    } else if (handshake_.checkResult == 2) {
        Timer2.stop();
        Button1.setEnabled(false);
        Button2.setEnabled(true);
        if (hostMode()) Button3.setEnabled(true);
        Button4.setEnabled(true);
    }
}

void ThreadRepairPage::ScrollBar1Change() {
    values().depthCorrection = correction(ScrollBar1);
    Label19.setCaption(services().num.f4(values().depthCorrection) + " mm");
    checkFollowsCorrection();
}

void ThreadRepairPage::ScrollBar2Change() {
    values().heightCorrection = correction(ScrollBar2);
    Label20.setCaption(services().num.f4(values().heightCorrection) + " mm");
    checkFollowsCorrection();
}

// An open check dialog shows the start it would accept: a correction moved meanwhile would
// otherwise be accepted unseen.
void ThreadRepairPage::checkFollowsCorrection() {
    if (check_ && check_->visible()) check_->FormActivate();
}

PageFacts ThreadRepairPage::pageFacts() const {
    // the thread runs below its start Z by design: only the top is the page's
    const ThreadRepairValues& v = values();
    PageFacts f = facts::at(v.x, v.y, v.z, 0, v.toolDiameter);
    f.depthZ.reset();
    f.outlines.push_back(facts::circle(v.x, v.y, v.threadDiameter));
    return f;
}

}  // namespace qorix
