// Draws the page pictures into JPEG files with libjpeg:
//   qorix-draw-assets OUTPUT_FOLDER
// Each picture is drawn at three times its size and averaged down, which smooths its edges.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace {

constexpr int kScale = 3;
constexpr double kPi = 3.14159265358979323846;

struct Rgb {
    double r, g, b;
};

class Canvas {
public:
    Canvas(int w, int h, Rgb background)
        : w_(w * kScale), h_(h * kScale), width_(w), height_(h), px_(w_ * h_, background) {}

    // Paints every pixel whose centre (in picture units) the test accepts.
    void paint(Rgb c, double x0, double y0, double x1, double y1,
               const std::function<bool(double, double)>& inside) {
        int i0 = std::max(0, int(x0 * kScale) - 1), i1 = std::min(w_ - 1, int(x1 * kScale) + 1);
        int j0 = std::max(0, int(y0 * kScale) - 1), j1 = std::min(h_ - 1, int(y1 * kScale) + 1);
        for (int j = j0; j <= j1; ++j)
            for (int i = i0; i <= i1; ++i) {
                double x = (i + 0.5) / kScale, y = (j + 0.5) / kScale;
                if (inside(x, y)) px_[j * w_ + i] = c;
            }
    }

    void rect(Rgb c, double x0, double y0, double x1, double y1) {
        paint(c, x0, y0, x1, y1, [](double, double) { return true; });
    }
    void disc(Rgb c, double cx, double cy, double r) {
        paint(c, cx - r, cy - r, cx + r, cy + r,
              [=](double x, double y) { return std::hypot(x - cx, y - cy) <= r; });
    }
    // A circle's outline; dash > 0 draws it dashed with arcs of that length.
    void ring(Rgb c, double cx, double cy, double r, double width, double dash = 0) {
        paint(c, cx - r - width, cy - r - width, cx + r + width, cy + r + width,
              [=](double x, double y) {
                  if (std::fabs(std::hypot(x - cx, y - cy) - r) > width / 2) return false;
                  if (dash <= 0) return true;
                  double along = (std::atan2(y - cy, x - cx) + kPi) * r;
                  return std::fmod(along, 2 * dash) < dash;
              });
    }
    void line(Rgb c, double ax, double ay, double bx, double by, double width) {
        double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
        paint(c, std::min(ax, bx) - width, std::min(ay, by) - width, std::max(ax, bx) + width,
              std::max(ay, by) + width, [=](double x, double y) {
                  double t = len2 > 0 ? ((x - ax) * dx + (y - ay) * dy) / len2 : 0;
                  t = std::clamp(t, 0.0, 1.0);
                  return std::hypot(x - (ax + t * dx), y - (ay + t * dy)) <= width / 2;
              });
    }
    void triangle(Rgb c, double ax, double ay, double bx, double by, double cx, double cy) {
        auto side = [](double px, double py, double qx, double qy, double x, double y) {
            return (qx - px) * (y - py) - (qy - py) * (x - px);
        };
        paint(c, std::min({ax, bx, cx}), std::min({ay, by, cy}), std::max({ax, bx, cx}),
              std::max({ay, by, cy}), [=](double x, double y) {
                  double s1 = side(ax, ay, bx, by, x, y), s2 = side(bx, by, cx, cy, x, y),
                         s3 = side(cx, cy, ax, ay, x, y);
                  return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
              });
    }
    // An arrow from a to b with its head at b.
    void arrow(Rgb c, double ax, double ay, double bx, double by, double width, double head) {
        double len = std::hypot(bx - ax, by - ay), ux = (bx - ax) / len, uy = (by - ay) / len;
        line(c, ax, ay, bx - ux * head * 0.8, by - uy * head * 0.8, width);
        triangle(c, bx, by, bx - ux * head - uy * head / 2, by - uy * head + ux * head / 2,
                 bx - ux * head + uy * head / 2, by - uy * head - ux * head / 2);
    }

    bool save(const std::string& path) const;

private:
    int w_, h_, width_, height_;
    std::vector<Rgb> px_;
};

bool Canvas::save(const std::string& path) const {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = width_;
    info.image_height = height_;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(width_ * 3);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            Rgb sum{0, 0, 0};
            for (int j = 0; j < kScale; ++j)
                for (int i = 0; i < kScale; ++i) {
                    const Rgb& p = px_[(y * kScale + j) * w_ + x * kScale + i];
                    sum.r += p.r, sum.g += p.g, sum.b += p.b;
                }
            double n = kScale * kScale;
            row[x * 3] = JSAMPLE(std::lround(sum.r / n));
            row[x * 3 + 1] = JSAMPLE(std::lround(sum.g / n));
            row[x * 3 + 2] = JSAMPLE(std::lround(sum.b / n));
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

const Rgb kPaper{250, 250, 247}, kStock{196, 203, 212}, kStockEdge{120, 130, 145},
    kHole{58, 66, 80}, kPath{40, 110, 220}, kTool{238, 140, 30}, kDim{200, 40, 40},
    kNavy{24, 52, 96}, kWhite{255, 255, 255};

// Cut circle: a plate from above with the hole cut out, the tool's path inside the hole's
// edge, the tool on the path, the milling direction and the diameter across the hole.
Canvas cutCircle() {
    Canvas c(240, 240, kPaper);
    c.rect(kStockEdge, 14, 14, 226, 226);
    c.rect(kStock, 16, 16, 224, 224);
    const double cx = 120, cy = 120, hole = 80, tool = 18, path = hole - tool;
    c.disc(kHole, cx, cy, hole);
    c.ring(kPath, cx, cy, path, 2.2, 7);
    c.disc(kTool, cx - path, cy, tool);
    c.ring(kWhite, cx - path, cy, tool - 1, 1.2);
    c.disc(kWhite, cx - path, cy, 2.2);
    // clockwise seen from above: at the top of the path the tool moves to the right
    const double a0 = -2.2, a1 = -0.9;
    for (double a = a0; a < a1; a += 0.01)
        c.line(kTool, cx + (path - 12) * std::cos(a), cy + (path - 12) * std::sin(a),
               cx + (path - 12) * std::cos(a + 0.012), cy + (path - 12) * std::sin(a + 0.012), 2.6);
    c.arrow(kTool, cx + (path - 12) * std::cos(a1 - 0.1), cy + (path - 12) * std::sin(a1 - 0.1),
            cx + (path - 12) * std::cos(a1 + 0.05), cy + (path - 12) * std::sin(a1 + 0.05), 2.6,
            10);
    // centre cross
    c.line(kWhite, cx - 8, cy, cx + 8, cy, 1.4);
    c.line(kWhite, cx, cy - 8, cx, cy + 8, 1.4);
    // the diameter across the hole, below the centre
    const double dy = cy + 34;
    const double half = std::sqrt(hole * hole - 34.0 * 34.0);
    c.arrow(kDim, cx, dy, cx - half + 1, dy, 2, 9);
    c.arrow(kDim, cx, dy, cx + half - 1, dy, 2, 9);
    return c;
}

// The program's picture across the top of the About panel: an end mill over the paths it
// cuts, a circle, a rectangle and a spiral, on a navy band.
Canvas aboutBanner() {
    Canvas c(240, 80, kNavy);
    c.ring(kPath, 40, 44, 24, 4);
    c.ring(kWhite, 40, 44, 24, 1.2, 4);
    for (double a = 0; a < 4 * kPi; a += 0.02) {
        double r = 2 + 2.6 * a, r2 = 2 + 2.6 * (a + 0.02);
        c.line(kPath, 200 + r * std::cos(a), 40 + r * std::sin(a), 200 + r2 * std::cos(a + 0.02),
               40 + r2 * std::sin(a + 0.02), 2.4);
    }
    c.line(kStock, 84, 22, 84, 64, 3);
    c.line(kStock, 84, 64, 140, 64, 3);
    c.line(kStock, 140, 64, 140, 22, 3);
    c.line(kStock, 140, 22, 84, 22, 3);
    // the end mill, plunging into the middle of the rectangle
    c.rect(kStock, 104, 0, 120, 28);
    for (int k = 0; k < 3; ++k) c.line(kStockEdge, 104, 4 + k * 8, 120, 10 + k * 8, 2);
    c.rect(kTool, 104, 28, 120, 34);
    c.disc(kTool, 112, 44, 7);
    return c;
}

// Bolt circle: holes evenly spaced on a dashed circle around the centre.
Canvas boltCircle() {
    Canvas c(240, 240, kPaper);
    c.rect(kStockEdge, 14, 14, 226, 226);
    c.rect(kStock, 16, 16, 224, 224);
    c.ring(kPath, 120, 120, 80, 2, 7);
    for (int k = 0; k < 8; ++k) {
        double a = k * kPi / 4;
        c.disc(kHole, 120 + 80 * std::cos(a), 120 + 80 * std::sin(a), 11);
    }
    c.disc(kTool, 200, 120, 6);
    c.line(kWhite, 112, 120, 128, 120, 1.4);
    c.line(kWhite, 120, 112, 120, 128, 1.4);
    c.arrow(kDim, 120, 120, 200 - 12, 120, 2, 9);
    return c;
}

// Circular pocket: the pocket cleared by a spiral of half circles from the centre out.
Canvas circularPocket() {
    Canvas c(240, 240, kPaper);
    c.rect(kStockEdge, 14, 14, 226, 226);
    c.rect(kStock, 16, 16, 224, 224);
    c.disc(kHole, 120, 120, 84);
    for (double a = 0; a < 8 * kPi; a += 0.02) {
        double r = 8 + 64 * a / (8 * kPi), r2 = 8 + 64 * (a + 0.02) / (8 * kPi);
        c.line(kPath, 120 + r * std::cos(a), 120 + r * std::sin(a), 120 + r2 * std::cos(a + 0.02),
               120 + r2 * std::sin(a + 0.02), 2);
    }
    c.disc(kTool, 192, 120, 12);
    return c;
}

// The outline of a rectangle as a path line.
void rectPath(Canvas& c, Rgb colour, double x0, double y0, double x1, double y1, double width) {
    c.line(colour, x0, y0, x1, y0, width);
    c.line(colour, x1, y0, x1, y1, width);
    c.line(colour, x1, y1, x0, y1, width);
    c.line(colour, x0, y1, x0, y0, width);
}

// Rectangle holes: four by three holes on the stock, the drill's way round the outline from
// the first hole (marked with a cross), and the pitches in X and Y.
Canvas rectangleHoles() {
    Canvas c(240, 240, kPaper);
    c.rect(kStockEdge, 14, 14, 226, 226);
    c.rect(kStock, 16, 16, 224, 224);
    rectPath(c, kPath, 45, 65, 195, 175, 2);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 3; ++j) c.disc(kHole, 45 + 50 * i, 175 - 55 * j, 10);
    c.disc(kTool, 95, 175, 6);
    c.line(kWhite, 37, 175, 53, 175, 1.4);
    c.line(kWhite, 45, 167, 45, 183, 1.4);
    c.arrow(kDim, 45, 205, 95, 205, 2, 9);
    c.arrow(kDim, 215, 175, 215, 120, 2, 9);
    return c;
}

// A digit 0-9 as seven strokes, its top-left corner at (x, y), h high and h/2 wide.
void digit(Canvas& c, Rgb colour, int d, double x, double y, double h, double width) {
    // segments a b c d e f g, as in a display: top, upper right, lower right, bottom, lower
    // left, upper left, middle
    static const char* const kOn[10] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                        "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};
    const double w = h / 2, m = y + h / 2, b = y + h, r = x + w;
    for (const char* s = kOn[d]; *s; ++s) {
        switch (*s) {
            case 'a':
                c.line(colour, x, y, r, y, width);
                break;
            case 'b':
                c.line(colour, r, y, r, m, width);
                break;
            case 'c':
                c.line(colour, r, m, r, b, width);
                break;
            case 'd':
                c.line(colour, x, b, r, b, width);
                break;
            case 'e':
                c.line(colour, x, m, x, b, width);
                break;
            case 'f':
                c.line(colour, x, y, x, m, width);
                break;
            case 'g':
                c.line(colour, x, m, r, m, width);
                break;
        }
    }
}

// A start point: a ring with a cross through it.
void startMark(Canvas& c, double x, double y) {
    c.ring(kDim, x, y, 6, 2);
    c.line(kDim, x - 10, y, x + 10, y, 1.6);
    c.line(kDim, x, y - 10, x, y + 10, 1.6);
}

// Fibonacci spiral: the squares of the sides 1, 1, 2, 3, 5 and 8 with their numbers, which the
// scale field multiplies, and in each square the quarter arc of that radius.
Canvas fibonacci() {
    Canvas c(240, 240, kPaper);
    // in units, +Y upwards; the arcs wind counter-clockwise, the default direction
    struct Square {
        double x0, y0, side, cx, cy, a0;  // lower-left corner, side, arc centre, arc start
    };
    const Square squares[] = {{0, 0, 1, 1, 0, kPi / 2},      {1, 0, 1, 1, 0, 0},
                              {0, -2, 2, 0, 0, 3 * kPi / 2}, {-3, -2, 3, 0, 1, kPi},
                              {-3, 1, 5, 2, 1, kPi / 2},     {2, -2, 8, 2, -2, 0}};
    // 13 x 8 units in the middle; mirrored left to right so that the turn is counter-clockwise
    const double u = 16;
    auto px = [&](double x) { return 64 + (7 - x) * u; };
    auto py = [&](double y) { return 152 - y * u; };
    for (const Square& q : squares) {
        const double x0 = px(q.x0 + q.side), x1 = px(q.x0), y0 = py(q.y0 + q.side), y1 = py(q.y0);
        c.rect(kStock, x0, y0, x1, y1);
        rectPath(c, kStockEdge, x0, y0, x1, y1, 1.4);
    }
    for (const Square& q : squares) {
        for (double t = q.a0; t < q.a0 + kPi / 2; t += 0.01)
            c.line(kPath, px(q.cx + q.side * std::cos(t)), py(q.cy + q.side * std::sin(t)),
                   px(q.cx + q.side * std::cos(t + 0.012)), py(q.cy + q.side * std::sin(t + 0.012)),
                   2.4);
        const double h = std::min(q.side * u * 0.45, 22.0);
        digit(c, kNavy, int(q.side), px(q.x0 + q.side / 2) - h / 4, py(q.y0 + q.side / 2) - h / 2,
              h, h < 10 ? 1.3 : 2);
    }
    c.disc(kDim, px(0), py(0), 3.2);  // the start point, where the first arc begins
    return c;
}

// Thread repair: a nut from above, the thread's groove as rings and the tool milling it.
Canvas threadRepair() {
    Canvas c(240, 240, kPaper);
    c.rect(kStockEdge, 14, 14, 226, 226);
    c.rect(kStock, 16, 16, 224, 224);
    c.disc(kHole, 120, 120, 70);
    for (int k = 0; k < 3; ++k) c.ring(kStockEdge, 120, 120, 70 + 3 + k * 4, 1.6);
    c.ring(kPath, 120, 120, 50, 2, 7);
    c.disc(kTool, 170, 120, 22);
    c.ring(kWhite, 170, 120, 21, 1.2);
    c.line(kWhite, 112, 120, 128, 120, 1.4);
    c.line(kWhite, 120, 112, 120, 128, 1.4);
    return c;
}

// A rounded rectangle: the straight parts and a disc in each corner.
void roundedRect(Canvas& c, Rgb colour, double x0, double y0, double x1, double y1, double r) {
    c.rect(colour, x0 + r, y0, x1 - r, y1);
    c.rect(colour, x0, y0 + r, x1, y1 - r);
    for (double x : {x0 + r, x1 - r})
        for (double y : {y0 + r, y1 - r}) c.disc(colour, x, y, r);
}

// Rectangle pocket: the pocket with its rounded corners, cleared by loops around the centre
// line that grow outwards, the tool on the last loop near the start point.
Canvas rectanglePocket() {
    Canvas c(240, 240, kPaper);
    c.rect(kStockEdge, 14, 14, 226, 226);
    c.rect(kStock, 16, 16, 224, 224);
    const double tool = 12;
    roundedRect(c, kHole, 30, 60, 210, 180, tool);
    c.line(kPath, 90, 120, 150, 120, 2);
    for (int k = 1; k <= 4; ++k) {
        double d = k * 12.0;
        rectPath(c, kPath, 90 - d, 120 - d, 150 + d, 120 + d, 2);
    }
    c.disc(kTool, 42, 168, tool);
    c.ring(kWhite, 42, 168, tool - 1, 1.2);
    // the start point X, Y is the pocket's lower-left corner
    startMark(c, 30, 180);
    c.arrow(kDim, 120, 196, 30, 196, 2, 9);
    c.arrow(kDim, 120, 196, 210, 196, 2, 9);
    return c;
}

// Cut rectangle: the tool's centre runs on the rectangle itself, so the slot is one tool wide
// and centred on the outline (rounded outside, sharp inside); the start corner is the
// rectangle's lower-left corner, and the sizes are measured on the centre line.
Canvas cutRectangle() {
    Canvas c(240, 240, kPaper);
    c.rect(kStockEdge, 14, 14, 226, 226);
    c.rect(kStock, 16, 16, 224, 224);
    const double tool = 14;  // the radius
    const double x0 = 50, y0 = 66, x1 = 186, y1 = 166;
    roundedRect(c, kHole, x0 - tool, y0 - tool, x1 + tool, y1 + tool, tool);
    c.rect(kStock, x0 + tool, y0 + tool, x1 - tool, y1 - tool);
    for (double x = x0; x < x1; x += 12) c.line(kPath, x, y0, std::min(x + 7, x1), y0, 2.2);
    for (double y = y0; y < y1; y += 12) c.line(kPath, x1, y, x1, std::min(y + 7, y1), 2.2);
    for (double x = x1; x > x0; x -= 12) c.line(kPath, x, y1, std::max(x - 7, x0), y1, 2.2);
    for (double y = y1; y > y0; y -= 12) c.line(kPath, x0, y, x0, std::max(y - 7, y0), 2.2);
    c.disc(kTool, x0, y1, tool);
    c.ring(kWhite, x0, y1, tool - 1, 1.2);
    c.disc(kWhite, x0, y1, 2.2);
    startMark(c, x0, y1);
    c.arrow(kTool, 80, 100, 150, 100, 2.6, 10);
    // the sizes from the centre line's corners
    c.line(kDim, x0, y1 + tool + 2, x0, 212, 1);
    c.line(kDim, x1, y1 + tool + 2, x1, 212, 1);
    c.arrow(kDim, (x0 + x1) / 2, 206, x0, 206, 2, 9);
    c.arrow(kDim, (x0 + x1) / 2, 206, x1, 206, 2, 9);
    c.line(kDim, x1 + tool + 2, y0, 220, y0, 1);
    c.line(kDim, x1 + tool + 2, y1, 220, y1, 1);
    c.arrow(kDim, 214, (y0 + y1) / 2, 214, y0, 2, 9);
    c.arrow(kDim, 214, (y0 + y1) / 2, 214, y1, 2, 9);
    return c;
}

// Face milling: the stock rectangle from above, half of it already faced (lighter), the
// zig-zag passes running past its near and far edges, the tool beside the stock where it goes
// down, and the start point at the lower-left corner.
Canvas faceMilling() {
    Canvas c(240, 240, kPaper);
    const double x0 = 44, y0 = 56, x1 = 196, y1 = 184, tool = 14, step = 22;
    c.rect(kStockEdge, x0 - 2, y0 - 2, x1 + 2, y1 + 2);
    c.rect(kStock, x0, y0, x1, y1);
    const double first = x0 - tool + step, last = first + 3 * step;
    c.rect(kWhite, x0, y0, last + tool - step / 2, y1);
    for (int k = 0; k < 4; ++k) {
        const double x = first + k * step, end = k % 2 ? y0 - 24 : y1 + 24;
        c.line(kPath, x, y0 - 24, x, y1 + 24, 2);
        if (k < 3) c.line(kPath, x, end, x + step, end, 2);
    }
    c.disc(kTool, last, y0 - 24, tool);
    c.ring(kWhite, last, y0 - 24, tool - 1, 1.2);
    c.arrow(kTool, last + step, 90, last + step, 150, 2.6, 10);
    startMark(c, x0, y1);
    c.arrow(kDim, 120, 214, x0, 214, 2, 9);
    c.arrow(kDim, 120, 214, x1, 214, 2, 9);
    c.arrow(kDim, 220, 120, 220, y0, 2, 9);
    c.arrow(kDim, 220, 120, 220, y1, 2, 9);
    return c;
}

// Slot: the slot with its round ends cut into the stock, the centre line between the two end
// centres (each marked), a clearing loop round it, and the width across the slot.
Canvas slot() {
    Canvas c(240, 240, kPaper);
    c.rect(kStockEdge, 14, 14, 226, 226);
    c.rect(kStock, 16, 16, 224, 224);
    const double ax = 62, bx = 178, y = 120, half = 30, tool = 14;
    c.disc(kHole, ax, y, half);
    c.disc(kHole, bx, y, half);
    c.rect(kHole, ax, y - half, bx, y + half);
    const double loop = half - tool;
    c.ring(kPath, ax, y, loop, 2);
    c.ring(kPath, bx, y, loop, 2);
    c.rect(kHole, ax, y - loop + 2, bx, y + loop - 2);
    c.line(kPath, ax, y - loop, bx, y - loop, 2);
    c.line(kPath, ax, y + loop, bx, y + loop, 2);
    c.line(kPath, ax, y, bx, y, 2);
    c.disc(kTool, bx, y + loop, tool);
    c.ring(kWhite, bx, y + loop, tool - 1, 1.2);
    startMark(c, ax, y);
    startMark(c, bx, y);
    c.arrow(kDim, 120, 120, 120, y - half, 2, 9);
    c.arrow(kDim, 120, 120, 120, y + half, 2, 9);
    return c;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: qorix-draw-assets OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string dir = argv[1];
    struct Picture {
        const char* name;
        Canvas (*draw)();
    };
    const Picture pictures[] = {{"cutcircle.jpg", cutCircle},
                                {"aboutbox.jpg", aboutBanner},
                                {"boltcircle.jpg", boltCircle},
                                {"circularpocket.jpg", circularPocket},
                                {"fibonacci.jpg", fibonacci},
                                {"threadrepair.jpg", threadRepair},
                                {"rectanglepocket.jpg", rectanglePocket},
                                {"cutrectangle.jpg", cutRectangle},
                                {"facemilling.jpg", faceMilling},
                                {"slot.jpg", slot},
                                {"rectangleholes.jpg", rectangleHoles}};
    for (const Picture& p : pictures)
        if (!p.draw().save(dir + "/" + p.name)) {
            std::fprintf(stderr, "cannot write %s/%s\n", dir.c_str(), p.name);
            return 1;
        }
    return 0;
}
