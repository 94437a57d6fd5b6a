#include "desktop/linesearch.h"

#include <algorithm>

namespace ui::qt {

namespace {

bool isAscii(const std::string& s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// What is searched for, in both forms.
struct Needle {
    QString text;
    std::string ascii;  // lower case; empty when the needle has letters beyond ASCII
};

// The column of the first match at or after `from`, or of the last match starting at or
// before `from` when backwards (from < 0: anywhere); -1 when there is none.
int matchIn(const std::string& line, const Needle& n, int from, bool backwards) {
    if (!isAscii(line)) {
        const QString text = QString::fromStdString(line);
        return backwards ? text.lastIndexOf(n.text, from, Qt::CaseInsensitive)
                         : text.indexOf(n.text, from, Qt::CaseInsensitive);
    }
    // an ASCII line holds no letter beyond ASCII, and its columns are its bytes
    const auto size = static_cast<int>(n.ascii.size());
    if (n.ascii.empty() || size > static_cast<int>(line.size())) return -1;
    const int last = static_cast<int>(line.size()) - size;
    auto at = [&](int i) {
        for (int k = 0; k < size; ++k)
            if (lower(line[static_cast<std::size_t>(i + k)]) !=
                n.ascii[static_cast<std::size_t>(k)])
                return false;
        return true;
    };
    if (backwards) {
        for (int i = from < 0 ? last : std::min(from, last); i >= 0; --i)
            if (at(i)) return i;
    } else {
        for (int i = std::max(from, 0); i <= last; ++i)
            if (at(i)) return i;
    }
    return -1;
}

}  // namespace

std::optional<TextPos> findText(const std::vector<std::string>& lines, const QString& needle,
                                TextPos from, bool backwards) {
    if (needle.isEmpty() || lines.empty()) return std::nullopt;
    Needle n{needle, {}};
    const std::string utf8 = needle.toStdString();
    if (isAscii(utf8)) std::transform(utf8.begin(), utf8.end(), std::back_inserter(n.ascii), lower);
    const int count = static_cast<int>(lines.size());
    const int start = std::clamp(from.line, 0, count - 1);
    // the line of `from` is searched twice: from its column on, and at the end of the round
    // the part before it
    for (int k = 0; k <= count; ++k) {
        const int line = backwards ? ((start - k) % count + count) % count : (start + k) % count;
        const auto& text = lines[static_cast<std::size_t>(line)];
        int column = -1;
        if (k == 0) {
            if (!backwards || from.column > 0)
                column = matchIn(text, n, backwards ? from.column - 1 : from.column, backwards);
        } else {
            column = matchIn(text, n, backwards ? -1 : 0, backwards);
            if (k == count && column >= 0 &&
                (backwards ? column < from.column : column >= from.column))
                column = -1;  // already searched at the start of the round
        }
        if (column >= 0) return TextPos{line, column};
    }
    return std::nullopt;
}

}  // namespace ui::qt
