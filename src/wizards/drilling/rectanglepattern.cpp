#include "wizards/drilling/rectanglepattern.h"

#include <cmath>
#include <numbers>

namespace qorix {

namespace {

struct Cell {
    std::int64_t i, j;  // column and row in the unrotated pattern
};

// Along the bottom row, up the far column, back along the top row, down the near column.
std::vector<Cell> outlineCells(std::int64_t nx, std::int64_t ny) {
    std::vector<Cell> cells;
    if (nx == 1 || ny == 1) {
        for (std::int64_t j = 0; j < ny; ++j)
            for (std::int64_t i = 0; i < nx; ++i) cells.push_back({i, j});
        return cells;
    }
    for (std::int64_t i = 0; i < nx; ++i) cells.push_back({i, 0});
    for (std::int64_t j = 1; j < ny; ++j) cells.push_back({nx - 1, j});
    for (std::int64_t i = nx - 2; i >= 0; --i) cells.push_back({i, ny - 1});
    for (std::int64_t j = ny - 2; j >= 1; --j) cells.push_back({0, j});
    return cells;
}

// Row by row, every other row walked back.
std::vector<Cell> gridCells(std::int64_t nx, std::int64_t ny) {
    std::vector<Cell> cells;
    for (std::int64_t j = 0; j < ny; ++j)
        for (std::int64_t k = 0; k < nx; ++k) cells.push_back({j % 2 == 0 ? k : nx - 1 - k, j});
    return cells;
}

// The walk is counter-clockwise unless one pitch is negative and mirrors it; a single row or
// column has no turn.
std::int64_t numberOf(const RectanglePattern& p, const Cell& cell, std::int64_t walked,
                      std::int64_t count) {
    if (!p.outline) return cell.j * p.countX + cell.i + 1;
    const bool mirrored = p.countX > 1 && p.countY > 1 && (p.pitchX < 0) != (p.pitchY < 0);
    return mirrored && walked > 0 ? count - walked + 1 : walked + 1;
}

}  // namespace

std::int64_t rectangleHoleCount(const RectanglePattern& p) {
    const std::int64_t nx = p.countX, ny = p.countY;
    if (nx < 1 || ny < 1) return 0;
    // counts are compared before they are multiplied, so that no product overflows
    if (nx > kMaxRectangleHoles || ny > kMaxRectangleHoles) return kMaxRectangleHoles + 1;
    if (!p.outline || nx == 1 || ny == 1) return nx * ny;
    return 2 * (nx + ny) - 4;
}

std::optional<std::vector<PatternHole>> rectangleHoles(const RectanglePattern& p) {
    if (rectangleHoleCount(p) > kMaxRectangleHoles) return std::nullopt;
    if (rectangleHoleCount(p) == 0) return std::vector<PatternHole>{};
    const long double rad = p.rotation * std::numbers::pi_v<long double> / 180;
    const long double c = std::cos(rad), s = std::sin(rad);
    std::vector<PatternHole> holes;
    const auto cells = p.outline ? outlineCells(p.countX, p.countY) : gridCells(p.countX, p.countY);
    holes.reserve(cells.size());
    const auto count = static_cast<std::int64_t>(cells.size());
    for (const Cell& cell : cells) {
        const long double dx = cell.i * p.pitchX, dy = cell.j * p.pitchY;
        const auto walked = static_cast<std::int64_t>(holes.size());
        holes.push_back({p.x + dx * c - dy * s, p.y + dx * s + dy * c, cell.i, cell.j,
                         numberOf(p, cell, walked, count)});
    }
    return holes;
}

}  // namespace qorix
