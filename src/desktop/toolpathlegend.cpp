#include "desktop/toolpathlegend.h"

#include <QFontMetricsF>
#include <QStringList>
#include <cmath>
#include <cstdlib>

namespace ui::qt {

using program::kDrawStyle;

QPen penOf(const program::Stroke& s) {
    QPen pen(QColor(s.colour), s.width);
    pen.setCapStyle(Qt::FlatCap);
    const QStringList parts = QString::fromLatin1(s.dash).split(' ', Qt::SkipEmptyParts);
    if (!parts.isEmpty()) {
        QList<qreal> pattern;  // Qt counts dashes in pen widths
        for (const QString& d : parts) pattern << d.toDouble() / s.width;
        pen.setDashPattern(pattern);
    }
    return pen;
}

void drawStartMark(QPainter& p, QPointF at) {
    p.setPen(QPen(QColor(kDrawStyle.start), 1.5));
    p.setBrush(QColor(kDrawStyle.start));
    QPolygonF tri;
    tri << at << at + QPointF(-6, -11) << at + QPointF(6, -11);
    p.drawPolygon(tri);
}

void drawOriginMark(QPainter& p, QPointF at, const QString& label, bool labelAbove) {
    p.setPen(QPen(QColor(kDrawStyle.origin), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(at, 5, 5);
    p.drawLine(at + QPointF(-8, 0), at + QPointF(8, 0));
    p.drawLine(at + QPointF(0, -8), at + QPointF(0, 8));
    p.drawText(at + (labelAbove ? QPointF(8, -6) : QPointF(8, 14)), label);
}

double scaleBarLength(double pixelsPerMm) {
    if (!(pixelsPerMm > 0)) return 0;
    const double wanted = 100 / pixelsPerMm;  // mm in about 100 pixels
    const double power = std::pow(10, std::floor(std::log10(wanted)));
    for (double f : {1.0, 2.0, 5.0, 10.0})
        if (f * power * pixelsPerMm >= 60) return f * power;
    return 10 * power;
}

namespace {

QString mmText(double mm) {
    QString t = QString::number(mm, 'g', 6);
    return t.replace('.', ',') + " mm";
}

struct LegendEntry {
    QPen pen;
    QString text;
    bool mark = false;  // the start's triangle instead of a line
};

}  // namespace

void drawScaleBar(QPainter& p, const Camera& cam, QSize size) {
    const double mm = scaleBarLength(cam.scale);
    if (mm <= 0) return;
    const double px = mm * cam.scale;
    const QPointF a(12, size.height() - 14), b(12 + px, size.height() - 14);
    p.setPen(QPen(QColor(kDrawStyle.scale), 2));
    p.drawLine(a, b);
    p.drawLine(a, a - QPointF(0, 6));
    p.drawLine(b, b - QPointF(0, 6));
    p.drawText(a + QPointF(0, -8), mmText(mm));
}

namespace {

// The legend tells what the drawing holds: holes, holes left out, an outline and the start
// only when there are any.
std::vector<LegendEntry> legendEntries(const Scene& scene) {
    std::vector<LegendEntry> entries{
        {penOf(kDrawStyle.rapid), "Gyorsjárat (G0)"},
        {QPen(QColor(kDrawStyle.cutShallow), 2), "Előtolás, fent"},
        {QPen(QColor(kDrawStyle.cutDeep), 2), "Előtolás, lent"},
        {penOf(kDrawStyle.plunge), "Merülés"},
    };
    if (!scene.result.path.holes.empty()) entries.push_back({penOf(kDrawStyle.hole), "Furat"});
    if (!scene.facts.leftOut.empty())
        entries.push_back({penOf(kDrawStyle.leftOut), "Kihagyott furat"});
    if (!scene.facts.outlines.empty())
        entries.push_back({penOf(kDrawStyle.outline), scene.facts.outlines.front().name});
    if (scene.result.path.start.known)
        entries.push_back({QPen(QColor(kDrawStyle.start)), "Kezdőpont", true});
    return entries;
}

constexpr double kLegendInset = 6, kLegendWidth = 150;

double legendRow(const QFontMetricsF& metrics) { return std::round(metrics.height()) + 2; }

}  // namespace

QSizeF legendSize(const Scene& scene) {
    const double row = legendRow(QFontMetricsF(QFont()));
    const auto n = static_cast<double>(legendEntries(scene).size());
    return {kLegendInset + kLegendWidth, kLegendInset + row * (n + 1) + 8};
}

void drawLegend(QPainter& p, const Scene& scene, const Camera& cam) {
    const std::vector<LegendEntry> entries = legendEntries(scene);
    const double row = legendRow(QFontMetricsF(p.font()));
    const double x = kLegendInset, top = kLegendInset;
    const QRectF box(x, top, kLegendWidth, row * (static_cast<double>(entries.size()) + 1) + 8);
    p.setPen(QPen(QColor("#ced4da"), 1));
    p.setBrush(QColor(kDrawStyle.legendBack));
    p.drawRect(box);
    p.setPen(QColor(kDrawStyle.scale));
    p.drawText(QPointF(x + 6, top + row), projectionName(cam.projection));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const double y = top + row * (static_cast<double>(i) + 2) - row / 3.0;
        if (entries[i].mark) {
            drawStartMark(p, QPointF(x + 16, y + 5));
        } else {
            p.setPen(entries[i].pen);
            p.drawLine(QPointF(x + 6, y), QPointF(x + 30, y));
        }
        p.setPen(QColor(kDrawStyle.scale));
        p.drawText(QPointF(x + 38, y + row / 3.0), entries[i].text);
    }
}

}  // namespace ui::qt
