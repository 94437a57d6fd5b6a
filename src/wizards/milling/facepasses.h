// Where the face-milling passes run: the tool centres across the width, each pass running the
// whole length; and what the slot shares with it, the depth levels and the cap on passes.
// Plain functions, so that the sweep can be checked without a page.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace qorix {

// More passes than this in one program (face passes or slot loops over all depth levels) is
// no milling job but a typing error (a step of a micrometre across a metre of stock); the
// pages refuse it rather than writing millions of lines.
inline constexpr std::int32_t kMaxPasses = 100000;

// The X of each pass's tool centre over a face from `left` to `left + width`. The first
// pass overhangs the near edge so that it takes one step of material; the next ones go one
// step further each, and the last one overhangs the far edge as much as the first, however
// short the step before it comes out. A face narrower than that gets one pass down its
// middle. Nothing when more than `most` passes would be needed.
std::optional<std::vector<long double>> facePassCentres(long double left, long double width,
                                                        long double toolDiameter, long double step,
                                                        std::int32_t most);

// How far outside the stock the tool goes down: the overrun, but at least the tool's radius
// and 1 mm, so that the tool never plunges into the stock.
long double faceEntryDistance(long double overrun, long double toolDiameter);

// How many passes one level may have when the program has `levels` of them.
std::int32_t passesPerLevel(std::int32_t levels);

// The Z of depth level `level` (1 .. passes): the last one is the depth asked for exactly,
// not a sum that rounding may carry past it.
long double levelZ(long double top, long double depth, std::int32_t level, std::int32_t passes);

}  // namespace qorix
