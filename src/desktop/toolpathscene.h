// The toolpath drawn into an image: what the preview shows, seen from above, the front, the
// side or at an angle. Drawing needs no widget, so that it runs off the interface thread.
#pragma once

#include <QImage>
#include <QPointF>
#include <QSize>
#include <atomic>
#include <memory>

#include "app/previewfacts.h"
#include "program/reader.h"

namespace ui::qt {

namespace program = qorix::program;

enum class Projection { Top, Front, Side, Iso };

// Where the view looks: the projected point (mm) in the image's middle and the pixels a
// millimetre takes.
struct Camera {
    Projection projection = Projection::Top;
    QPointF centre;
    double scale = 1;
};

// A place in the machine's coordinates, projected to the view's plane (mm, up is up).
QPointF project(Projection projection, double x, double y, double z);
// The same on the image of the given size (pixels, down is down).
QPointF toImage(const Camera& camera, QSize size, double x, double y, double z);
QPointF toImage(const Camera& camera, QSize size, QPointF projected);

// What a read program is drawn with.
struct Scene {
    program::ReadResult result;
    qorix::PreviewFacts facts;
};

// The moves of these program lines are drawn highlighted (first > last: none).
struct Highlight {
    std::uint32_t first = 1, last = 0;
    bool has(std::uint32_t line) const { return line >= first && line <= last; }
};

// The camera that shows the whole path, the start point, the outlines and the holes.
Camera fitAll(const Scene& scene, Projection projection, QSize size);

// Draws the scene; returns a null image when `cancel` became different from `generation`.
// toolWidth: seen from above, every cut lies on a band as wide as the tool.
QImage renderScene(const Scene& scene, const Camera& camera, QSize size, Highlight highlight,
                   const std::atomic<int>* cancel = nullptr, int generation = 0,
                   bool toolWidth = false);

// The index of the move drawn nearest to an image point, within `reach` pixels; -1 if none.
int moveAt(const Scene& scene, const Camera& camera, QSize size, QPointF point, double reach);

// The view's name as the legend writes it.
const char* projectionName(Projection projection);

}  // namespace ui::qt
