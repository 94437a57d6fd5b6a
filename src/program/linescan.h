// One program line taken apart: comments, the thread page's value listing, "#n=" assignments
// with "[ ]" expressions, and letter words whose values may be numbers, "#n" or expressions.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qorix::program {

// The numbered variables "#0" to "#9999" of the parametric programs; an unset one reads 0.
class Variables {
public:
    static constexpr int kCount = 10000;
    Variables() : values_(kCount, 0.0) {}
    bool valid(double n) const { return n >= 0 && n < kCount && n == static_cast<int>(n); }
    double get(int n) const { return values_[static_cast<std::size_t>(n)]; }
    void set(int n, double v) { values_[static_cast<std::size_t>(n)] = v; }

private:
    std::vector<double> values_;
};

struct Word {
    char letter = 0;  // upper case
    double value = 0;
};

enum class ScanProblem : std::uint8_t {
    UnknownWord,     // a word this dialect does not have, or a stray character
    NumberTooLarge,  // beyond what a double holds
    NumberTooSmall,  // a fraction so small that a double holds only 0
    DivisionByZero,
    BadVariable,  // "#n" outside 0..9999 or not whole
    UnclosedComment,
    NestingTooDeep,  // brackets or "#" nested past LineScanner::kMaxNesting
};

struct ScanIssue {
    ScanProblem problem;
    std::string text;  // the piece of the line it is about
};

struct Block {
    static constexpr int kMaxWords = 32;
    std::array<Word, kMaxWords> words;
    int count = 0;
    bool valueListing = false;  // "_x_=0,0000": the thread page's listing of its values
    // Where each letter's first word is, plus one (0: none): a line is asked for a dozen
    // letters, each found at once.
    std::array<std::uint8_t, 26> firstOf{};

    void clear() {
        count = 0;
        valueListing = false;
        firstOf.fill(0);
    }
    void add(char letter, double value) {
        auto& first = firstOf[static_cast<std::size_t>(letter - 'A')];
        if (first == 0) first = static_cast<std::uint8_t>(count + 1);
        words[static_cast<std::size_t>(count++)] = {letter, value};
    }
    // The first word of the letter (upper case), or null.
    const Word* find(char letter) const {
        if (letter < 'A' || letter > 'Z') return nullptr;
        const auto first = firstOf[static_cast<std::size_t>(letter - 'A')];
        return first == 0 ? nullptr : &words[first - 1u];
    }
};

// The decimal separator a line's numbers are written with: the first digit followed by '.' or
// ',' and a digit, outside comments; 0 when the line has no such number.
char separatorIn(std::string_view line);

class LineScanner {
public:
    // Far beyond any real program; a deeper line is a warning, not a stack overflow.
    static constexpr int kMaxNesting = 256;
    LineScanner(char separator, Variables& variables) : sep_(separator), vars_(variables) {}
    // Fills block with the line's words and does its assignments (only when assign is set,
    // so that a line can be looked at without running it). Problems go to issues.
    void scan(std::string_view line, Block& block, std::vector<ScanIssue>& issues, bool assign);

private:
    friend class ExpressionScan;
    char sep_;
    Variables& vars_;
};

}  // namespace qorix::program
