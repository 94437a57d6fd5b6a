// Finding a text in the lines of an output box, which may be a million long: the lines are
// searched as they are held (UTF-8), and only a line with letters beyond ASCII (a comment
// with accents) is converted to compare its case.
#pragma once

#include <QString>
#include <compare>
#include <optional>
#include <string>
#include <vector>

namespace ui::qt {

// A place in the lines: the line, and the column in that line's UTF-16 text.
struct TextPos {
    int line = 0;
    int column = 0;
    auto operator<=>(const TextPos&) const = default;
};

// Where `needle` next starts after `from` (at `from` itself too), going round past the last
// line to the first; with `backwards`, where it last starts before `from`, going round past
// the first line to the last. Case is ignored.
std::optional<TextPos> findText(const std::vector<std::string>& lines, const QString& needle,
                                TextPos from, bool backwards);

}  // namespace ui::qt
