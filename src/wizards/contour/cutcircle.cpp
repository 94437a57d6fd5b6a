#include "wizards/contour/cutcircle.h"

namespace qorix {

TFrame5::TFrame5(Services& services)
    : CommonPage("TFrame5", "Kör kivágás (cut circle)", services,
                 CommonPageTexts{"Spirál pályán ", "Csak egy kör "}),
      Edit_r_(this, "Edit_r_", "Kör átmérője:", "20"),
      Image1(this, "Image1", "cutcircle.jpg") {
    // as the page shows: the circle under the tool, "nincs" beside the tool number
    setLayoutOrder(
        {"Title",          "Memo1",         "Button1",       "Edit_x_",        "Edit_y_",
         "Edit_z_",        "Edit_zsb_",     "Edit_m_",       "Edit_sz_",       "Edit_r_",
         "Edit_szc_",      "CheckBox_szc_", "Edit_szsz_",    "CheckBox_szsz_", "Edit_ff_",
         "Edit_g1_",       "Edit_g23_",     "RadioGroup_h_", "RadioGroup_cw_", "RadioGroup_m34_",
         "RadioGroup_zi_", "RadioGroup_s_", "CheckBox_msg_", "Button2",        "Image1"});
}

void TFrame5::ReadParameters() {
    FieldReader read = reader(rec.error);
    readCommonStart(inputs_, rec, read);
    // the tool diameter is read again from its field, whatever its own check said
    if (auto d = readCircleAroundTool(
            Edit_r_, [&] { return read.number(Edit_sz_); }, read))
        diameter = *d;
    readCommonEnd(inputs_, rec, read);
}

void TFrame5::PrepareValues() {
    prepareDepthPasses(rec, reader(rec.error));
    radius = (diameter - rec.sz) / 2;
}

void TFrame5::WriteHeaderComments() {
    if (!rec.comments) return;
    ProgramText t = text();
    t.line("(Kör kivágás - cut circle)");
    t.line("");
    t.line("(kezdőpont X" + Edit_x_.text() + " Y" + Edit_y_.text() + " Z" + Edit_z_.text() + ")");
    t.line("(Kör átmérője X" + Edit_r_.text() + ")");
    t.line("(marás mélysége " + Edit_m_.text() + ")");
    t.passHeader(rec, Edit_szc_.text());
    t.directionHeader(rec);
    t.line(rec.zEntry ? "(Spirál pályán folyamatosan le)" : "(Z tengely egyenesen le mozog)");
    t.line(rec.series ? "(sorozat kör kivágások készülnek)" : "(csak egy kör kivágás készül)");
}

void TFrame5::GenerateProgram() {
    ProgramText t = text();
    const std::string arc = rec.ccw ? "G3 X" : "G2 X";
    const std::string f1 = " F" + t.n(rec.g1);
    const std::string f23 = " F" + t.n(rec.g23);
    const std::string y = " Y" + t.f(rec.y);
    const std::string r = " R" + t.f(radius);
    const std::string right = t.f(rec.x + radius);
    const std::string left = t.f(rec.x - radius);

    t.opening(rec, inputs_);
    t.line("G1 X" + left + y + f23);
    t.line("G1 Z" + t.f(rec.z) + f1);
    t.comment(rec, "(főciklus)");
    // the half-pass and full-pass depths are running sums that grow by one pass depth
    long double half = rec.z + rec.passDepth / 2;
    long double full = rec.z + rec.passDepth;
    for (std::int32_t i = 1; i <= rec.passes; ++i) {
        t.passComment(rec, i);
        if (rec.zEntry == 0) {
            t.line("G1 Z" + t.f(full) + f1);
            t.line(arc + right + y + r + f23);
            t.line(arc + left + y + r);
        } else {
            t.line(arc + right + y + " Z" + t.f(half) + r + f23);
            t.line(arc + left + y + " Z" + t.f(full) + r);
        }
        half += rec.passDepth;
        full += rec.passDepth;
    }
    if (rec.zEntry == 1) {
        const std::string bottom = " Z" + t.f(full - rec.passDepth);
        t.line(arc + right + y + bottom + r + f23);
        t.line(arc + left + y + bottom + r);
    }
    t.comment(rec, "(főciklus vége)");
    t.line("G1 Z" + t.f(rec.z) + f1);
    t.line("G0 Z" + t.f(rec.zs));
    t.line("G0 X" + t.f(rec.x) + y);
    t.closing(rec, inputs_);
}

}  // namespace qorix
