// Drawing a scene: outlines, holes, moves in batches of one pen, marks, highlight, and the
// scale bar and legend over it all.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include "desktop/toolpathbatch.h"
#include "desktop/toolpathlegend.h"
#include "desktop/toolpathscene.h"
#include "desktop/toolpathshape.h"

namespace ui::qt {

namespace {

using program::kDrawStyle;
constexpr int kDepthShades = 8;
// Beyond this many moves speed counts more: the cuts are drawn one pixel wide and without
// smoothing (a pocket of 10 000 lines draws in a third of the time).
constexpr std::size_t kAntialiasLimit = 5000;
constexpr std::size_t kCancelEvery = 8192;

struct Batches {
    PenLines rapid, plunge, band;
    std::array<PenLines, kDepthShades> cut;
    std::vector<QLineF> highlight;
    std::vector<QPointF> dwells;
};

QColor depthColour(int shade) {
    const QColor a(kDrawStyle.cutShallow), b(kDrawStyle.cutDeep);
    const double t = kDepthShades > 1 ? static_cast<double>(shade) / (kDepthShades - 1) : 0;
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

bool isPlunge(const program::Move& a, const program::Move& b) {
    return b.kind == program::MoveKind::Feed &&
           ((b.flags & program::kInCycle) || (a.x == b.x && a.y == b.y && b.z < a.z));
}

// Depth shade of a cut: 0 at the top of the cuts, the last at the lowest point.
struct DepthScale {
    double top = 0, span = 0;
    int shade(double z) const {
        if (span <= 0) return 0;
        const int s = static_cast<int>((top - z) / span * kDepthShades);
        return std::clamp(s, 0, kDepthShades - 1);
    }
};

// Returns false when cancelled.
bool collect(const Scene& scene, const Camera& cam, QSize size, Highlight hl, bool fast, bool band,
             Batches& out, const std::atomic<int>* cancel, int generation) {
    const program::Toolpath& path = scene.result.path;
    const program::Measures& m = scene.result.measures;
    DepthScale depth;
    if (!m.feedBounds.empty(2))
        depth = {m.feedBounds.max[2], m.feedBounds.max[2] - m.feedBounds.min[2]};
    const std::uint8_t needed = axesOf(cam.projection);
    SeenMoves seen;
    for (std::size_t i = 0; i < path.moves.size(); ++i) {
        if (cancel && i % kCancelEvery == 0 && cancel->load() != generation) return false;
        const program::Move& b = path.moves[i];
        if (b.kind == program::MoveKind::Dwell && (b.known & needed) == needed)
            out.dwells.push_back(toImage(cam, size, b.x, b.y, b.z));
        if (!drawable(path, i, needed)) continue;
        const program::Move& a = path.startOf(i);
        int pen = 0;  // the rapids', the plunges', then the cuts' by their depth
        if (b.kind != program::MoveKind::Rapid)
            pen = isPlunge(a, b) ? 1 : 2 + depth.shade(std::min(a.z, b.z));
        PenLines* target = pen == 0 ? &out.rapid : pen == 1 ? &out.plunge : &out.cut[pen - 2];
        const bool lit = hl.has(b.line);
        if (fast && !lit &&
            seen.seen(pen, toImage(cam, size, a.x, a.y, a.z), middleOf(path, i, cam, size),
                      toImage(cam, size, b.x, b.y, b.z)))
            continue;
        forEachChord(
            path, i, cam, [&](double x0, double y0, double z0, double x1, double y1, double z1) {
                const QLineF l(toImage(cam, size, x0, y0, z0), toImage(cam, size, x1, y1, z1));
                target->add(l, fast);
                if (pen >= 2 && band) out.band.add(l, fast);
                if (lit) out.highlight.push_back(l);
            });
    }
    return true;
}

// A ring of the given radius round a point at height z, as the view sees it.
QPolygonF ring(const Camera& cam, QSize size, double cx, double cy, double r, double z) {
    QPolygonF poly;
    const int n = std::max(chordCount(r * cam.scale, 2 * std::numbers::pi), 8);
    for (int k = 0; k <= n; ++k) {
        const double a = 2 * std::numbers::pi * k / n;
        poly << toImage(cam, size, cx + r * std::cos(a), cy + r * std::sin(a), z);
    }
    return poly;
}

// A hole of the tool's size from its top to its bottom: a circle from above, the drill's
// outline from the front or the side, both rings at an angle.
void drawHole(QPainter& p, const Camera& cam, QSize size, double x, double y, double top,
              double bottom, double r) {
    if (cam.projection == Projection::Top || cam.projection == Projection::Iso) {
        p.drawPolygon(ring(cam, size, x, y, r, top));
        if (cam.projection == Projection::Iso) p.drawPolygon(ring(cam, size, x, y, r, bottom));
        return;
    }
    const bool front = cam.projection == Projection::Front;
    const double dx = front ? r : 0, dy = front ? 0 : r;
    QPolygonF poly;
    poly << toImage(cam, size, x - dx, y - dy, top) << toImage(cam, size, x + dx, y + dy, top)
         << toImage(cam, size, x + dx, y + dy, bottom)
         << toImage(cam, size, x - dx, y - dy, bottom);
    p.drawPolygon(poly);
}

void drawOutlines(QPainter& p, const Scene& scene, const Camera& cam, QSize size) {
    const qorix::PreviewFacts& f = scene.facts;
    p.setPen(penOf(kDrawStyle.outline));
    p.setBrush(Qt::NoBrush);
    for (const auto& o : f.outlines) {
        const double z = f.read.topZ;
        if (o.shape == qorix::Outline::Shape::Circle) {
            p.drawPolyline(
                ring(cam, size, (o.x0 + o.x1) / 2, (o.y0 + o.y1) / 2, (o.x1 - o.x0) / 2, z));
            continue;
        }
        QPolygonF poly;
        if (o.shape == qorix::Outline::Shape::Slot) {
            for (const auto& [x, y] : qorix::facts::slotOutline(o))
                poly << toImage(cam, size, x, y, z);
            p.drawPolyline(poly);
            continue;
        }
        for (const auto& [x, y] : qorix::facts::rectangleOutline(o))
            poly << toImage(cam, size, x, y, z);
        p.drawPolyline(poly);
    }
}

void drawHoles(QPainter& p, const Scene& scene, const Camera& cam, QSize size) {
    const qorix::PreviewFacts& f = scene.facts;
    const double d = f.toolDiameter > 0 ? f.toolDiameter : kDrawStyle.unknownDrillDiameter;
    p.setPen(penOf(kDrawStyle.leftOut));
    p.setBrush(Qt::NoBrush);
    for (const auto& h : f.leftOut)
        drawHole(p, cam, size, h.x, h.y, f.holeTop, f.holeBottom, d / 2);
    p.setPen(penOf(kDrawStyle.hole));
    p.setBrush(QColor(kDrawStyle.holeFill));
    const program::Toolpath& path = scene.result.path;
    for (const auto& h : path.holes) {
        const double top = h.firstMove > 0 && h.firstMove <= path.moves.size()
                               ? path.startOf(h.firstMove).z
                               : f.holeTop;
        drawHole(p, cam, size, h.x, h.y, top, h.bottom, d / 2);
    }
}

void drawLines(QPainter& p, PenLines& lines) {
    if (lines.empty()) return;
    const std::vector<QLineF>& all = lines.lines();
    p.drawLines(all.data(), static_cast<int>(all.size()));
}

// What the cuts take away, seen from above: a light band of the tool's width under each.
void drawBand(QPainter& p, PenLines& band, double toolDiameter, const Camera& cam) {
    if (band.empty() || toolDiameter <= 0) return;
    QPen pen(QColor(kDrawStyle.toolWidth), std::max(1.0, toolDiameter * cam.scale), Qt::SolidLine,
             Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    drawLines(p, band);
}

void drawBatches(QPainter& p, Batches& b, bool fast) {
    p.setBrush(Qt::NoBrush);
    p.setPen(penOf(kDrawStyle.rapid));
    drawLines(p, b.rapid);
    for (int s = 0; s < kDepthShades; ++s) {
        p.setPen(QPen(depthColour(s), fast ? 1 : kDrawStyle.cut.width));
        drawLines(p, b.cut[s]);
    }
    p.setPen(penOf(kDrawStyle.plunge));
    drawLines(p, b.plunge);
    p.setPen(QPen(QColor(kDrawStyle.dwell), 1.2));
    p.setBrush(QColor(kDrawStyle.dwell));
    for (const QPointF& d : b.dwells) {
        QPolygonF diamond;
        diamond << d + QPointF(0, -4) << d + QPointF(4, 0) << d + QPointF(0, 4)
                << d + QPointF(-4, 0);
        p.drawPolygon(diamond);
    }
    p.setPen(penOf(kDrawStyle.highlight));
    if (!b.highlight.empty()) p.drawLines(b.highlight.data(), static_cast<int>(b.highlight.size()));
}

void drawMarks(QPainter& p, const Scene& scene, const Camera& cam, QSize size) {
    const program::Move& s = scene.result.path.start;
    if ((s.known & axesOf(cam.projection)) == axesOf(cam.projection))
        drawStartMark(p, toImage(cam, size, s.x, s.y, s.z));
    drawOriginMark(p, toImage(cam, size, 0, 0, 0), "W");
    if (const auto& o = scene.facts.workOrigin)
        drawOriginMark(p, toImage(cam, size, (*o)[0], (*o)[1], (*o)[2]), "G59", true);
}

}  // namespace

QImage renderScene(const Scene& scene, const Camera& cam, QSize size, Highlight hl,
                   const std::atomic<int>* cancel, int generation, bool toolWidth) {
    const bool fast = scene.result.path.moves.size() >= kAntialiasLimit;
    const bool band = toolWidth && cam.projection == Projection::Top;
    Batches batches;
    if (!collect(scene, cam, size, hl, fast, band, batches, cancel, generation)) return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(kDrawStyle.background));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, !fast);
    drawBand(p, batches.band, scene.facts.toolDiameter, cam);
    drawOutlines(p, scene, cam, size);
    drawHoles(p, scene, cam, size);
    drawBatches(p, batches, fast);
    drawMarks(p, scene, cam, size);
    p.setRenderHint(QPainter::Antialiasing, true);
    drawScaleBar(p, cam, size);
    drawLegend(p, scene, cam);
    return image;
}

}  // namespace ui::qt
