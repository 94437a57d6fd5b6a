// The machine's place and its work offsets, and the moves that words make of them: straight
// moves, arcs given by R or by I/J, events and the drilling cycles G73, G81 and G83.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "program/messages.h"
#include "program/toolpath.h"

namespace qorix::program {

// A line's axis words, still in the chosen work system's coordinates.
struct AxisWords {
    std::array<double, 3> v{};
    std::uint8_t given = 0;  // Axis bits
};

struct ArcWords {
    bool ccw = false;
    bool hasR = false;
    double r = 0, i = 0, j = 0;
};

// The words of a drilling cycle that stay from hole to hole.
struct CycleWords {
    int code = 0;  // 73 or 83
    double z = 0, r = 0, q = 0;
    bool hasZ = false, hasR = false;
    bool toInitialLevel = false;  // G98 written; otherwise back to the R plane
};

class PathBuilder {
public:
    // Coordinates are written with four decimals: an end this close to its circle is on it.
    static constexpr double kRounding = 0.0005;
    // More pecks than this in one hole is a mistyped Q, not a program to draw peck by peck.
    static constexpr double kMaxPecks = 10'000;
    // A place farther than this is no machine's: a move there is left out, so that every
    // length, sum, time and drawing of the rest stays a finite number (squares included).
    static constexpr double kFarthest = 1e150;

    PathBuilder(Toolpath& path, std::vector<Warning>& warnings);

    void setLine(std::uint32_t line) { line_ = line; }
    // The moves the whole program may make; past them nothing more is added.
    void setBudget(std::size_t moves) { budget_ = moves; }
    // How far G73 backs off to break the chip, and how far above the last bottom G83 stops
    // its rapid back down the hole.
    void setBackOff(double mm) { backOff_ = mm; }
    bool exhausted() const { return exhausted_; }
    void selectWork(int system);
    void setWorkOrigin(int system, const AxisWords& words);
    // Where a page says the tool stands before the program.
    void setStart(const AxisWords& machine);

    void straight(MoveKind kind, const AxisWords& words, double feed);
    void arc(const ArcWords& arc, const AxisWords& words, double feed);
    void event(MoveKind kind, std::uint32_t aux);
    // The cycle has just become active: its initial level is where Z stands now.
    void startCycle() {
        initialZ_ = pos_[2];
        initialKnown_ = known_ & kAxisZ;
    }
    void drill(const CycleWords& cycle, const AxisWords& words, double feed);

private:
    std::array<double, 3> target(const AxisWords& words, std::uint8_t& known) const;
    void push(MoveKind kind, const std::array<double, 3>& at, std::uint8_t known, double feed,
              std::uint32_t aux = 0, std::uint8_t flags = 0);
    void goTo(MoveKind kind, std::array<double, 3> at, double feed);
    void arcMove(const Arc& a, const std::array<double, 3>& end, std::uint8_t known, double feed);
    bool rCentre(const ArcWords& w, const std::array<double, 3>& end, double& cx, double& cy);
    void peck(int code, double top, double bottom, double q, double feed, Hole& hole);
    void warn(WarningKind kind, std::string text);
    bool representable(const std::array<double, 3>& at);

    Toolpath& path_;
    std::vector<Warning>& warnings_;
    std::uint32_t line_ = 0;
    std::array<double, 3> pos_{};
    std::uint8_t known_ = 0;
    int work_ = 0;  // 0 is G54 ... 5 is G59
    std::array<std::array<double, 3>, 6> origins_{};
    std::array<bool, 6> originSet_{true, false, false, false, false, false};
    std::array<bool, 6> originWarned_{};
    double initialZ_ = 0;
    std::uint8_t initialKnown_ = 0;
    std::size_t budget_ = SIZE_MAX;
    double backOff_ = 0.5;
    bool exhausted_ = false;
};

}  // namespace qorix::program
