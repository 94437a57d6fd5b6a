#include "wizards/contour/rectangle.h"

namespace qorix {

RectanglePage::RectanglePage(std::string name, std::string title, Services& services,
                             const RectanglePageTexts& texts)
    : CommonPage(std::move(name), std::move(title), services, texts.common),
      shape_(texts.shape),
      zeroEmptyTool_(texts.zeroEmptyTool) {
    declare({
        // each size beside its start coordinate, the corner radius under the tool
        Row(Edit_xd_, "Edit_xd_", {"Átmérő:", "20"}).shownAfter(Edit_x_),
        Row(Edit_yd_, "Edit_yd_", {"Átmérő:", "30"}).shownAfter(Edit_y_),
        Row(Edit_rc_, "Edit_rc_", {"Sarokrádiusz:", def("2,5")}).shownAfter(Edit_sz_),
        Row(Button3, "Button3", {"Elforgatás"}),
        Row(Image1, "Image1", {texts.picture}),
    });
    Edit_g1_.setCaption(texts.g1Caption);
    Edit_g23_.setCaption(texts.g23Caption);
    Edit_xd_.setFieldName("X átmérő");
    Edit_yd_.setFieldName("Y átmérő");
    Edit_rc_.setEnabled(false);
    Button3.setEnabled(false);  // rotation was never made; the button stays off
}

void RectanglePage::ReadParameters() {
    FieldReader read = reader(rec.error);
    readCommonStart(inputs_, rec, read);
    if (zeroEmptyTool_ && read.emptyOrZero(Edit_sz_)) {
        Edit_sz_.setText("0");
        rec.toolDiameter = 0;
    }
    readSize(Edit_xd_, "X", sizeX, read);
    readSize(Edit_yd_, "Y", sizeY, read);
    readCornerRadius(read);
    readCommonEnd(inputs_, rec, read);
}

void RectanglePage::readSize(const ui::Edit& edit, const std::string& axis, long double& size,
                             const FieldReader& read) {
    const std::string what = "A " + shape_ + " " + axis + " átmérője ";
    if (read.emptyOrZero(edit)) {
        read.error(what + "\"0\", vagy nem adtál meg értéket.");
        return;
    }
    long double v = read.number(edit);
    // compared with the tool field as it stands, whatever its own check said
    if (v < read.number(Edit_sz_))
        read.error(what + "kisebb mint a szerszám átmérője.");
    else
        size = v;
}

void RectanglePage::readCornerRadius(const FieldReader& read) {
    // The display follows the stored tool diameter; after a failed tool check that is the
    // older diameter (or 0 where the page resets it), which the checks below then report.
    Edit_rc_.setText(services().num.general(rec.toolDiameter / 2));
    if (read.emptyOrZero(Edit_rc_)) {
        read.error(
            "A sarokrádiusz \"0\", vagy nem adtál meg értéket. Értéke minimum a szerszámátmérő "
            "fele.");
        return;
    }
    long double r = read.number(Edit_rc_);
    // Half the tool field, rounded as the display rounds it: a diameter typed with more digits
    // than the display keeps must not differ from its own half.
    const NumberText& num = services().num;
    long double half = num.toFloat(num.general(read.number(Edit_sz_) / 2));
    if (half < 0) return;  // a negative tool has had its own message
    if (r < half) {
        read.error("A sarokrádiusz kisebb mint a szerszám átmérő fele.");
        return;
    }
    if (r > half)
        read.warning(
            "A sarokrádiusz nagyobb mint a szerszám átmérő fele. Ez nem hiba, ha szándékosan "
            "adtad meg. A program ezzel az értékkel tovább megy.");
    cornerRadius = r;
}

void RectanglePage::writeHeaderStart(ProgramText& t, const std::string& title) {
    t.comment(title);
    t.blank();
    t.comment("kezdőpont X" + Edit_x_.text() + " Y" + Edit_y_.text() + " Z" + Edit_z_.text());
    t.comment("téglalap átmérői X" + Edit_xd_.text() + " Y" + Edit_yd_.text());
    t.comment("marás mélysége " + Edit_m_.text());
    t.passHeader(rec, Edit_szc_.text());
}

PageFacts RectanglePage::pageFacts() const {
    using facts::d;
    PageFacts f = CommonPage::pageFacts();
    f.toolWidthAtFirst = true;
    f.outlines.push_back(
        {Outline::Shape::Rectangle, d(rec.x), d(rec.y), d(rec.x + sizeX), d(rec.y + sizeY)});
    return f;
}

}  // namespace qorix
