// The shapes of a toolpath as the preview walks them: which moves can be drawn in a view, the
// chords of an arc by the on-screen error, and every point that the whole drawing spans.
#pragma once

#include <QPointF>
#include <algorithm>
#include <cmath>

#include "desktop/toolpathscene.h"
#include "program/drawstyle.h"

namespace ui::qt {

// The axes a view needs known to place a point.
inline std::uint8_t axesOf(Projection p) {
    switch (p) {
        case Projection::Top:
            return program::kAxisX | program::kAxisY;
        case Projection::Front:
            return program::kAxisX | program::kAxisZ;
        case Projection::Side:
            return program::kAxisY | program::kAxisZ;
        case Projection::Iso:
            return program::kAxesAll;
    }
    return program::kAxesAll;
}

// A motion whose start and end the view can place; a move from a place not yet known is
// never drawn from 0,0,0.
inline bool drawable(const program::Toolpath& path, std::size_t i, std::uint8_t needed) {
    const program::Move& m = path.moves[i];
    if (!path.isMotion(m)) return false;
    if (m.kind == program::MoveKind::Arc) needed |= program::kAxisX | program::kAxisY;
    return (m.known & needed) == needed && (path.startOf(i).known & needed) == needed;
}

// Chords of a sweep on a circle of this many pixels: each strays at most the style's error.
inline int chordCount(double radiusPixels, double sweep) {
    const double e = program::kDrawStyle.chordErrorPixels;
    if (radiusPixels <= e * 2) return 1;
    const double step = 2 * std::acos(1 - e / radiusPixels);
    return std::clamp(static_cast<int>(std::ceil(std::fabs(sweep) / step)), 1, 1 << 20);
}

// Calls f(x0, y0, z0, x1, y1, z1) for each straight piece of move i as drawn.
template <class F>
void forEachChord(const program::Toolpath& path, std::size_t i, const Camera& camera, F&& f) {
    const program::Move& a = path.startOf(i);
    const program::Move& b = path.moves[i];
    if (b.kind != program::MoveKind::Arc) {
        f(a.x, a.y, a.z, b.x, b.y, b.z);
        return;
    }
    const program::Arc& arc = path.arcs[b.aux];
    const int n = chordCount(arc.radius * camera.scale, arc.sweep);
    const double a0 = std::atan2(a.y - arc.cy, a.x - arc.cx);
    double px = a.x, py = a.y, pz = a.z;
    for (int k = 1; k <= n; ++k) {
        const double t = static_cast<double>(k) / n;
        const double angle = a0 + arc.sweep * t;
        const double x = k == n ? b.x : arc.cx + arc.radius * std::cos(angle);
        const double y = k == n ? b.y : arc.cy + arc.radius * std::sin(angle);
        const double z = a.z + (b.z - a.z) * t;
        f(px, py, pz, x, y, z);
        px = x, py = y, pz = z;
    }
}

// The middle of move i on the image: halfway round an arc, halfway along a line.
inline QPointF middleOf(const program::Toolpath& path, std::size_t i, const Camera& camera,
                        QSize size) {
    const program::Move& a = path.startOf(i);
    const program::Move& b = path.moves[i];
    const double z = (a.z + b.z) / 2;
    if (b.kind != program::MoveKind::Arc)
        return toImage(camera, size, (a.x + b.x) / 2, (a.y + b.y) / 2, z);
    const program::Arc& arc = path.arcs[b.aux];
    const double angle = std::atan2(a.y - arc.cy, a.x - arc.cx) + arc.sweep / 2;
    return toImage(camera, size, arc.cx + arc.radius * std::cos(angle),
                   arc.cy + arc.radius * std::sin(angle), z);
}

// Every point the drawing must show: the known extent of the path, the start, the outlines,
// the holes with the tool's size, and the origins.
template <class F>
void forEachExtentPoint(const Scene& scene, F&& f) {
    const program::Box& b = scene.result.measures.bounds;
    const qorix::PreviewFacts& facts = scene.facts;
    double z0 = facts.read.topZ, z1 = facts.read.topZ;
    if (!b.empty(2)) z0 = b.min[2], z1 = b.max[2];
    if (!b.empty(0) && !b.empty(1))
        for (double x : {b.min[0], b.max[0]})
            for (double y : {b.min[1], b.max[1]})
                for (double z : {z0, z1}) f(x, y, z);
    const program::Move& s = scene.result.path.start;
    if (s.known == program::kAxesAll) f(s.x, s.y, s.z);
    for (const auto& o : facts.outlines) {
        if (o.shape == qorix::Outline::Shape::Rectangle) {
            for (const auto& [x, y] : qorix::facts::rectangleOutline(o)) f(x, y, facts.read.topZ);
            continue;
        }
        // a slot reaches half its width beyond its end centres
        const double r = o.shape == qorix::Outline::Shape::Slot ? o.width / 2 : 0;
        for (double x : {std::min(o.x0, o.x1) - r, std::max(o.x0, o.x1) + r})
            for (double y : {std::min(o.y0, o.y1) - r, std::max(o.y0, o.y1) + r})
                f(x, y, facts.read.topZ);
    }
    const double r = facts.toolDiameter / 2;
    for (const auto& h : facts.leftOut)
        for (double z : {facts.holeTop, facts.holeBottom})
            for (double d : {-r, r}) f(h.x + d, h.y + d, z);
    for (const auto& h : scene.result.path.holes)
        for (double d : {-r, r}) f(h.x + d, h.y + d, h.bottom);
    if (facts.workOrigin) f((*facts.workOrigin)[0], (*facts.workOrigin)[1], (*facts.workOrigin)[2]);
}

inline double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double len2 = QPointF::dotProduct(ab, ab);
    double t = len2 > 0 ? QPointF::dotProduct(p - a, ab) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const QPointF d = p - (a + ab * t);
    return std::hypot(d.x(), d.y());
}

}  // namespace ui::qt
