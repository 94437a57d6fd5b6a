#include "wizards/milling/facepasses.h"

#include <algorithm>
#include <cmath>

namespace qorix {

std::optional<std::vector<long double>> facePassCentres(long double left, long double width,
                                                        long double toolDiameter, long double step,
                                                        std::int32_t most) {
    const long double r = toolDiameter / 2;
    const long double first = left - r + step;
    const long double last = left + width + r - step;
    if (last <= first) return std::vector<long double>{left + width / 2};
    // the room between the first and the last pass, in whole steps and one shorter one
    const long double steps = std::ceil((last - first) / step - 1e-9L);
    if (!(steps < most)) return std::nullopt;
    std::vector<long double> centres;
    const auto count = static_cast<std::int32_t>(steps);
    for (std::int32_t i = 0; i < count; ++i) centres.push_back(first + i * step);
    centres.push_back(last);
    return centres;
}

long double faceEntryDistance(long double overrun, long double toolDiameter) {
    return std::max(overrun, toolDiameter / 2 + 1);
}

std::int32_t passesPerLevel(std::int32_t levels) { return kMaxPasses / std::max(levels, 1); }

long double levelZ(long double top, long double depth, std::int32_t level, std::int32_t passes) {
    if (level >= passes) return top + depth;
    return top + depth * level / passes;
}

}  // namespace qorix
