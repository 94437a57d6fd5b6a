#include "program/report.h"

#include <cmath>

#include "wizards/common/numbertext.h"

namespace qorix::program {

namespace {

// Four decimals at most, as the programs write them.
long double rounded(double v) { return std::round(static_cast<long double>(v) * 10000) / 10000; }

std::string range(const Box& box, int axis, const NumberText& n) {
    if (box.empty(axis)) return "ismeretlen";
    return n.general(rounded(box.min[axis])) + " … " + n.general(rounded(box.max[axis]));
}

std::string boxLine(const char* title, const Box& box, const NumberText& n) {
    return std::string(title) + "X " + range(box, 0, n) + "; Y " + range(box, 1, n) + "; Z " +
           range(box, 2, n) + "\n";
}

std::string duration(double seconds) {
    if (!(seconds < 1e15)) return "becsülhetetlenül hosszú";
    long long total = std::llround(seconds);
    std::string s = std::to_string(total % 60);
    return std::to_string(total / 60) + ":" + (s.size() < 2 ? "0" : "") + s + " (perc:mp)";
}

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            const char* hex = "0123456789abcdef";
            out += "\\u00";
            out += hex[(c >> 4) & 0xf];
            out += hex[c & 0xf];
            continue;
        }
        out += c;
    }
    return out + "\"";
}

std::string jsonNumber(double v) {
    if (!std::isfinite(v)) return "null";
    return NumberText('.').general(rounded(v));
}

std::string jsonBox(const Box& box) {
    std::string min = "[", max = "[";
    for (int a = 0; a < 3; ++a) {
        min += (a ? ", " : "") + (box.empty(a) ? std::string("null") : jsonNumber(box.min[a]));
        max += (a ? ", " : "") + (box.empty(a) ? std::string("null") : jsonNumber(box.max[a]));
    }
    return "{\"min\": " + min + "], \"max\": " + max + "]}";
}

// One motion as the move list tells it; an axis not yet known is null.
std::string jsonMove(const Toolpath& path, const Move& m) {
    const char* kind = m.kind == MoveKind::Rapid  ? "rapid"
                       : m.kind == MoveKind::Feed ? "feed"
                                                  : "arc";
    auto axis = [&](double v, std::uint8_t bit) {
        return (m.known & bit) ? jsonNumber(v) : std::string("null");
    };
    std::string s = "{\"line\": " + std::to_string(m.line) + ", \"kind\": \"" + kind +
                    "\", \"end\": [" + axis(m.x, kAxisX) + ", " + axis(m.y, kAxisY) + ", " +
                    axis(m.z, kAxisZ) + "]";
    if (m.kind == MoveKind::Arc) {
        const Arc& a = path.arcs[m.aux];
        s += ", \"centre\": [" + jsonNumber(a.cx) + ", " + jsonNumber(a.cy) +
             "], \"direction\": \"" + (a.sweep > 0 ? "ccw" : "cw") + "\"";
    }
    return s + "}";
}

std::string jsonMoveList(const Toolpath& path) {
    std::string s = ", \"move_list\": [";
    bool first = true;
    for (const Move& m : path.moves) {
        if (!path.isMotion(m)) continue;
        s += (first ? "" : ", ") + jsonMove(path, m);
        first = false;
    }
    return s + "]";
}

}  // namespace

std::string reportText(const ReadResult& r, char separator) {
    const Measures& m = r.measures;
    NumberText n(separator);
    std::string s;
    s += "Mozgások: " + NumberText::whole(static_cast<std::int64_t>(m.moves)) + "\n";
    s += std::string("Tizedesjel: ") + (r.decimalSeparator == '.' ? "pont" : "vessző") +
         (r.separatorFromFile ? " (a programból)\n" : "\n");
    s += boxLine("Terjedelem: ", m.bounds, n);
    s += boxLine("Marás terjedelme: ", m.feedBounds, n);
    s += "Legmélyebb Z: " +
         (std::isfinite(m.lowestZ) ? n.general(rounded(m.lowestZ)) : std::string("ismeretlen")) +
         "\n";
    s += "Forgácsoló út: " + n.general(rounded(m.cutLength)) + " mm\n";
    s += "Gyorsmeneti út: " + n.general(rounded(m.rapidLength)) + " mm\n";
    s += "Becsült futási idő: " + duration(m.timeSeconds) + "\n";
    s += "Furatok: " + NumberText::whole(static_cast<std::int64_t>(m.holes));
    if (m.holes > 0)
        s += " (visszahúzás a fogás fölé: " + n.general(rounded(r.peckBackOff)) + " mm)";
    s += "\n";
    s += "Fogások: " + NumberText::whole(static_cast<std::int64_t>(m.passes)) + "\n";
    s += "Szerszámcserék: " + NumberText::whole(static_cast<std::int64_t>(m.toolChanges)) + "\n";
    if (r.warnings.empty()) return s + "Figyelmeztetés: nincs\n";
    s += "Figyelmeztetések: " + NumberText::whole(static_cast<std::int64_t>(r.warnings.size())) +
         "\n";
    for (const auto& w : r.warnings)
        s += (w.line ? "  " + std::to_string(w.line) + ". sor: " : std::string("  a program: ")) +
             w.text + "\n";
    return s;
}

std::string reportJson(const ReadResult& r, bool moveList) {
    const Measures& m = r.measures;
    std::string s =
        "{\"bounds\": " + jsonBox(m.bounds) + ", \"feed_bounds\": " + jsonBox(m.feedBounds) +
        ", \"lowest_z\": " + jsonNumber(m.lowestZ) +
        ", \"cut_length\": " + jsonNumber(m.cutLength) +
        ", \"rapid_length\": " + jsonNumber(m.rapidLength) +
        ", \"time_s\": " + jsonNumber(m.timeSeconds) + ", \"holes\": " + std::to_string(m.holes) +
        ", \"passes\": " + std::to_string(m.passes) +
        ", \"tool_changes\": " + std::to_string(m.toolChanges) +
        ", \"moves\": " + std::to_string(m.moves) + ", \"decimal_separator\": \"" +
        r.decimalSeparator + "\", \"peck_back_off\": " + jsonNumber(r.peckBackOff) +
        ", \"warnings\": [";
    for (std::size_t i = 0; i < r.warnings.size(); ++i)
        s += std::string(i ? ", " : "") + "{\"line\": " + std::to_string(r.warnings[i].line) +
             ", \"text\": " + jsonString(r.warnings[i].text) + "}";
    s += "]";
    if (moveList) s += jsonMoveList(r.path);
    return s + "}\n";
}

}  // namespace qorix::program
