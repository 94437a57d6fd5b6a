#include "program/svg.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "wizards/common/numbertext.h"

namespace qorix::program {

namespace {

// Machine millimetres to picture pixels, Y upwards.
class View {
public:
    View(const Box& box, double pad, const SvgOptions& o) {
        double w = std::max(box.max[0] - box.min[0] + 2 * pad, 1e-6);
        double h = std::max(box.max[1] - box.min[1] + 2 * pad, 1e-6);
        scale_ = (o.width - 2 * o.style.margin) / std::max(w, h);
        x0_ = box.min[0] - pad;
        y1_ = box.max[1] + pad;
        margin_ = o.style.margin;
        width_ = o.width;
        height_ = h * scale_ + 2 * margin_ + 28;  // room for the scale below
    }
    std::string x(double v) const { return num((v - x0_) * scale_ + margin_); }
    std::string y(double v) const { return num((y1_ - v) * scale_ + margin_); }
    std::string len(double mm) const { return num(mm * scale_); }
    double scale() const { return scale_; }
    double width() const { return width_; }
    double height() const { return height_; }
    static std::string num(double v) { return NumberText('.').general(std::round(v * 100) / 100); }

private:
    double scale_ = 1, x0_ = 0, y1_ = 0, margin_ = 0, width_ = 0, height_ = 0;
};

std::string strokeAttributes(const Stroke& s) {
    std::string a = " fill=\"none\" stroke=\"" + std::string(s.colour) + "\" stroke-width=\"" +
                    View::num(s.width) + "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
    if (*s.dash) a += " stroke-dasharray=\"" + std::string(s.dash) + "\"";
    return a;
}

bool knownXY(const Move& m) { return (m.known & (kAxisX | kAxisY)) == (kAxisX | kAxisY); }

// An arc longer than half a turn goes as two halves, so that no SVG arc needs its
// large-arc flag (and a full circle, whose ends meet, can be drawn at all).
void addArc(std::string& d, const View& v, const Arc& a, const Move& to, const Move& from) {
    auto piece = [&](double endAngle) {
        std::string r = v.len(a.radius);
        d += " A" + r + " " + r + " 0 0 " + (a.sweep > 0 ? "0 " : "1 ") +
             v.x(a.cx + a.radius * std::cos(endAngle)) + " " +
             v.y(a.cy + a.radius * std::sin(endAngle));
    };
    double a0 = std::atan2(from.y - a.cy, from.x - a.cx);
    if (std::fabs(a.sweep) > std::numbers::pi + 1e-9) piece(a0 + a.sweep / 2);
    piece(std::atan2(to.y - a.cy, to.x - a.cx));
}

// One path of every move of a kind: a new piece where the pen would jump.
std::string pathOf(const Toolpath& path, const View& v, bool rapids) {
    std::string d;
    const Move* pen = nullptr;  // where the last piece ended
    for (std::size_t i = 0; i < path.moves.size(); ++i) {
        const Move& to = path.moves[i];
        const Move& from = path.startOf(i);
        if (!path.isMotion(to) || (to.kind == MoveKind::Rapid) != rapids) continue;
        if (!knownXY(from) || (to.x == from.x && to.y == from.y && to.kind != MoveKind::Arc))
            continue;
        if (!pen || pen->x != from.x || pen->y != from.y)
            d += " M" + v.x(from.x) + " " + v.y(from.y);
        if (to.kind == MoveKind::Arc)
            addArc(d, v, path.arcs[to.aux], to, from);
        else
            d += " L" + v.x(to.x) + " " + v.y(to.y);
        pen = &to;
    }
    return d;
}

double roundLength(double target) {
    double p = std::pow(10.0, std::floor(std::log10(target)));
    for (double f : {5.0, 2.0, 1.0})
        if (f * p <= target) return f * p;
    return p;
}

std::string scaleBar(const View& v, const DrawStyle& s) {
    double mm = roundLength((v.width() - 2 * s.margin) / v.scale() / 4);
    double y = v.height() - 14, x0 = s.margin, x1 = s.margin + mm * v.scale();
    std::string c = "\"" + std::string(s.scale) + "\"";
    return "<path d=\"M" + View::num(x0) + " " + View::num(y - 4) + " V" + View::num(y) + " H" +
           View::num(x1) + " V" + View::num(y - 4) + "\" fill=\"none\" stroke=" + c +
           " stroke-width=\"1\"/>\n<text x=\"" + View::num(x1 + 6) + "\" y=\"" + View::num(y) +
           "\" font-family=\"sans-serif\" font-size=\"12\" fill=" + c + ">" +
           NumberText(',').general(mm) + " mm</text>\n";
}

}  // namespace

std::string toSvg(const Toolpath& path, const Measures& measures, const SvgOptions& o) {
    const DrawStyle& s = o.style;
    double drill = o.toolDiameter > 0 ? o.toolDiameter : s.unknownDrillDiameter;
    Box box = measures.bounds;
    if (box.empty(0) || box.empty(1)) box.add(0, 0), box.add(1, 0);
    View v(box, path.holes.empty() ? 0 : drill / 2, o);
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + View::num(v.width()) +
                      "\" height=\"" + View::num(v.height()) + "\" viewBox=\"0 0 " +
                      View::num(v.width()) + " " + View::num(v.height()) + "\">\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"" + std::string(s.background) + "\"/>\n";
    for (const auto& h : path.holes)
        svg += "<circle cx=\"" + v.x(h.x) + "\" cy=\"" + v.y(h.y) + "\" r=\"" + v.len(drill / 2) +
               "\" fill=\"" + s.holeFill + "\"" + strokeAttributes(s.hole).substr(12) + "/>\n";
    std::string cuts = pathOf(path, v, false), rapids = pathOf(path, v, true);
    if (!cuts.empty())
        svg += "<path d=\"" + cuts.substr(1) + "\"" + strokeAttributes(s.cut) + "/>\n";
    if (!rapids.empty())
        svg += "<path d=\"" + rapids.substr(1) + "\"" + strokeAttributes(s.rapid) + "/>\n";
    svg += scaleBar(v, s);
    return svg + "</svg>\n";
}

}  // namespace qorix::program
