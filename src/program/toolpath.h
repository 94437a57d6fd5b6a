// What a program makes the machine do: a compact list of moves in machine coordinates, each
// with the number of the program line that made it. The drawing and the checks read only this.
#pragma once

#include <cstdint>
#include <vector>

namespace qorix::program {

enum class MoveKind : std::uint8_t {
    Rapid,         // G0, and a canned cycle's rapids
    Feed,          // G1, and a canned cycle's feeds down the hole
    Arc,           // G2/G3: its record in Toolpath::arcs[aux]
    Dwell,         // G4: aux holds the milliseconds
    ToolChange,    // M6: aux holds the tool number
    SpindleCw,     // M3: aux holds the speed
    SpindleCcw,    // M4: aux holds the speed
    SpindleStop,   // M5
    CoolantMist,   // M7
    CoolantFlood,  // M8
    CoolantOff,    // M9
};

// Bits of an axis mask.
enum Axis : std::uint8_t { kAxisX = 1, kAxisY = 2, kAxisZ = 4, kAxesAll = 7 };

// The tool's place after the move (events keep the place where they happen). An axis the
// program has not yet written is unknown: its bit is clear and its coordinate means nothing.
struct Move {
    double x = 0, y = 0, z = 0;
    float feed = 0;          // mm/min of a feed or an arc
    std::uint32_t line = 0;  // program line, from 1
    std::uint32_t aux = 0;   // arc index, tool number, speed or milliseconds
    MoveKind kind = MoveKind::Rapid;
    std::uint8_t known = 0;  // axes known after the move
    std::uint8_t flags = 0;  // MoveFlag bits
};

enum MoveFlag : std::uint8_t {
    kInCycle = 1,   // made by a canned drilling cycle
    kToRPlane = 2,  // a cycle's rapid from over the hole down to its R plane
};

// An arc: its centre in XY (machine coordinates), its radius and its signed sweep in radians
// (positive counter-clockwise); the start is the previous move's place, Z goes evenly.
struct Arc {
    double cx = 0, cy = 0, radius = 0, sweep = 0;
};

// A hole of a canned cycle: its place, its bottom and the number of pecks that reached it.
struct Hole {
    double x = 0, y = 0, bottom = 0;
    std::uint32_t line = 0;
    std::uint32_t pecks = 0;
    std::uint32_t firstMove = 0;  // index of its first move
};

struct Toolpath {
    Move start;  // where the tool stands before the program: nothing known, unless a page says
    std::vector<Move> moves;
    std::vector<Arc> arcs;
    std::vector<Hole> holes;

    // The place a move starts from: the previous move's place.
    const Move& startOf(std::size_t index) const { return index == 0 ? start : moves[index - 1]; }
    bool isMotion(const Move& m) const {
        return m.kind == MoveKind::Rapid || m.kind == MoveKind::Feed || m.kind == MoveKind::Arc;
    }
};

}  // namespace qorix::program
