// What a large program's drawing keeps once: the moves and the lines that fall on the pixels of
// an earlier one of the same pen. From above, the passes of a pocket lie on each other, and a
// program repeated in series draws the same rings again: a million moves may cover only some
// thousand different places on the screen. Drawn without smoothing, a line shows nothing that
// its ends rounded to whole pixels do not tell, so nothing the screen could show is left out.
#pragma once

#include <QLineF>
#include <QPointF>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_set>
#include <vector>

namespace ui::qt {

// Up to four image coordinates rounded to whole pixels, 16 bits each; none when one lies
// beyond what 16 bits hold.
inline std::optional<std::uint64_t> pixelKey(std::initializer_list<double> coordinates) {
    std::uint64_t key = 0;
    for (double c : coordinates) {
        const long v = std::lround(c);
        if (v < -32768 || v > 32767) return std::nullopt;
        key = key << 16 | static_cast<std::uint64_t>(v + 32768);
    }
    return key;
}

// The moves already drawn, by pen and by their ends and middle in whole pixels.
class SeenMoves {
public:
    // Whether a move of this pen looking so was drawn already; notes it when not.
    bool seen(int pen, QPointF a, QPointF middle, QPointF b) {
        if (std::pair(b.x(), b.y()) < std::pair(a.x(), a.y())) std::swap(a, b);  // either way
        const auto ends = pixelKey({a.x(), a.y(), b.x(), b.y()});
        const auto rest = pixelKey({middle.x(), middle.y(), static_cast<double>(pen)});
        if (!ends || !rest) return false;
        return !keys_.insert({*ends, *rest}).second;
    }

private:
    struct Key {
        std::uint64_t ends, rest;
        bool operator==(const Key&) const = default;
    };
    struct Hash {
        std::size_t operator()(const Key& k) const {
            return std::hash<std::uint64_t>()(k.ends * 0x9E3779B97F4A7C15ull ^ k.rest);
        }
    };
    std::unordered_set<Key, Hash> keys_;
};

// The lines of one pen. In a large program many lines fall on the same pixels (from above,
// the passes of a pocket lie on each other): drawn without smoothing, each is then kept once,
// by its ends rounded to whole pixels, which are all a line without smoothing can show.
class PenLines {
public:
    void add(const QLineF& l, bool once) {
        if (once)
            if (auto key = keyOf(l)) {
                keys_.push_back(*key);
                return;
            }
        lines_.push_back(l);
    }
    bool empty() const { return lines_.empty() && keys_.empty(); }
    // Every line to draw; the rounded ones once each.
    const std::vector<QLineF>& lines() {
        std::sort(keys_.begin(), keys_.end());
        keys_.erase(std::unique(keys_.begin(), keys_.end()), keys_.end());
        for (std::uint64_t k : keys_)
            lines_.emplace_back(coordinate(k, 48), coordinate(k, 32), coordinate(k, 16),
                                coordinate(k, 0));
        keys_.clear();
        return lines_;
    }

private:
    // The ends' four whole coordinates, 16 bits each, the lesser end first so that a line
    // drawn back counts as the same; none for a line reaching beyond 16 bits.
    static std::optional<std::uint64_t> keyOf(QLineF l) {
        if (std::pair(l.x2(), l.y2()) < std::pair(l.x1(), l.y1())) l = QLineF(l.p2(), l.p1());
        return pixelKey({l.x1(), l.y1(), l.x2(), l.y2()});
    }
    static double coordinate(std::uint64_t key, int shift) {
        return static_cast<double>(static_cast<long>(key >> shift & 0xffff) - 32768);
    }

    std::vector<QLineF> lines_;
    std::vector<std::uint64_t> keys_;
};

}  // namespace ui::qt
