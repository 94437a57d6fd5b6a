// The pens of the shared drawing rules, and what the preview writes over the drawing: the
// start and origin marks, the scale bar and the legend.
#pragma once

#include <QPainter>
#include <QPen>

#include "desktop/toolpathscene.h"
#include "program/drawstyle.h"

namespace ui::qt {

// A stroke of the drawing rules as a pen; its dashes are in pixels as in the SVG picture.
QPen penOf(const program::Stroke& stroke);

void drawStartMark(QPainter& p, QPointF at);
// An origin's cross in a circle, its label below at the right, or above when another origin's
// label may stand below (the spiral's G59 origin lies on the work origin by default).
void drawOriginMark(QPainter& p, QPointF at, const QString& label, bool labelAbove = false);
// The length of the scale bar: 1, 2 or 5 times a power of ten that takes 60 to 150 pixels.
double scaleBarLength(double pixelsPerMm);
void drawScaleBar(QPainter& p, const Camera& camera, QSize size);
void drawLegend(QPainter& p, const Scene& scene, const Camera& camera);
// The room the legend takes in the top left corner of the drawing, margin included.
QSizeF legendSize(const Scene& scene);

}  // namespace ui::qt
