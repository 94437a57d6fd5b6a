#include "desktop/toolpathscene.h"

#include <QLineF>
#include <QRectF>
#include <algorithm>
#include <cmath>

#include "desktop/toolpathlegend.h"
#include "desktop/toolpathshape.h"

namespace ui::qt {

namespace {
constexpr double kCos30 = 0.8660254037844386;
constexpr double kFitMargin = 28;     // pixels round the whole drawing
constexpr double kScaleBarRoom = 16;  // and more under it, where the scale bar stands
}  // namespace

QPointF project(Projection p, double x, double y, double z) {
    switch (p) {
        case Projection::Top:
            return {x, y};
        case Projection::Front:
            return {x, z};
        case Projection::Side:
            return {y, z};
        case Projection::Iso:
            return {(x - y) * kCos30, (x + y) * 0.5 + z};
    }
    return {x, y};
}

QPointF toImage(const Camera& c, QSize size, QPointF q) {
    return {size.width() / 2.0 + (q.x() - c.centre.x()) * c.scale,
            size.height() / 2.0 - (q.y() - c.centre.y()) * c.scale};
}

QPointF toImage(const Camera& c, QSize size, double x, double y, double z) {
    return toImage(c, size, project(c.projection, x, y, z));
}

const char* projectionName(Projection p) {
    switch (p) {
        case Projection::Top:
            return "Felülnézet (XY)";
        case Projection::Front:
            return "Elölnézet (XZ)";
        case Projection::Side:
            return "Oldalnézet (YZ)";
        case Projection::Iso:
            return "Izometrikus nézet";
    }
    return "";
}

Camera fitAll(const Scene& scene, Projection projection, QSize size) {
    double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
    forEachExtentPoint(scene, [&](double x, double y, double z) {
        const QPointF q = project(projection, x, y, z);
        x0 = std::min(x0, q.x());
        x1 = std::max(x1, q.x());
        y0 = std::min(y0, q.y());
        y1 = std::max(y1, q.y());
    });
    const bool any = x0 <= x1;
    const QRectF box(QPointF(x0, y0), QPointF(x1, y1));
    Camera c;
    c.projection = projection;
    if (!any) return c;
    // the drawing beside the legend or under it, wherever it is shown the larger
    const QSizeF legend = legendSize(scene);
    auto spanFor = [&](double w, double h) {
        return std::max({box.width() / std::max(w - 2 * kFitMargin, 10.0),
                         box.height() / std::max(h - 2 * kFitMargin - kScaleBarRoom, 10.0), 1e-9});
    };
    const double beside = spanFor(size.width() - legend.width(), size.height());
    const double under = spanFor(size.width(), size.height() - legend.height());
    const double span = std::min(beside, under);
    c.scale = std::clamp(1 / span, 1e-4, 1e5);
    if (box.width() == 0 && box.height() == 0) c.scale = 10;
    // the drawing's middle in the middle of what the legend leaves
    if (beside <= under)
        c.centre = box.center() - QPointF(legend.width() / 2 / c.scale, 0);
    else
        c.centre = box.center() + QPointF(0, legend.height() / 2 / c.scale);
    c.centre.ry() -= kScaleBarRoom / 2 / c.scale;  // up, off the scale bar
    return c;
}

int moveAt(const Scene& scene, const Camera& camera, QSize size, QPointF point, double reach) {
    const program::Toolpath& path = scene.result.path;
    const std::uint8_t needed = axesOf(camera.projection);
    int best = -1;
    double bestDistance = reach;
    for (std::size_t i = 0; i < path.moves.size(); ++i) {
        if (!drawable(path, i, needed)) continue;
        forEachChord(path, i, camera,
                     [&](double x0, double y0, double z0, double x1, double y1, double z1) {
                         const QPointF a = toImage(camera, size, x0, y0, z0);
                         const QPointF b = toImage(camera, size, x1, y1, z1);
                         const double d = distanceToSegment(point, a, b);
                         if (d <= bestDistance) {
                             bestDistance = d;
                             best = static_cast<int>(i);
                         }
                     });
    }
    return best;
}

}  // namespace ui::qt
