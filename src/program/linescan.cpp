#include "program/linescan.h"

#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string_view>

#include "program/plainnumber.h"

namespace qorix::program {

namespace {

// The word letters of this dialect, by letter: a line asks for each of its words.
constexpr std::array<bool, 26> kWordLetter = [] {
    std::array<bool, 26> known{};
    for (char c : std::string_view("GMXYZIJRFSTPQLON"))
        known[static_cast<std::size_t>(c - 'A')] = true;
    return known;
}();

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAlpha(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

struct Cursor {
    std::string_view s;
    std::size_t i = 0;
    char peek() const { return i < s.size() ? s[i] : '\0'; }
    bool atEnd() const { return i >= s.size(); }
    void skipBlanks() {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r')) ++i;
    }
    // The piece from here to the next blank or comment: what a problem is about.
    std::string rest() const {
        if (i >= s.size()) return std::string(s.substr(s.size() > 12 ? s.size() - 12 : 0));
        std::size_t end = s.find_first_of(" \t\r(", i + 1);
        return std::string(s.substr(i, end == std::string_view::npos ? end : end - i));
    }
};

// "_x_=0,0000", "_zs_:=_z_+_zsb_= 5,0000": a name between underscores, then ":=" or "=".
bool isValueListing(std::string_view s) {
    if (s.size() < 3 || s[0] != '_') return false;
    std::size_t i = 1;
    while (i < s.size() && (isAlpha(s[i]) || isDigit(s[i]))) ++i;
    if (i == 1 || i >= s.size() || s[i] != '_') return false;
    ++i;
    return i < s.size() && (s[i] == '=' || s[i] == ':');
}

double applyFunction(std::string_view name, double v, bool& known) {
    known = true;
    if (name == "ABS") return std::fabs(v);
    if (name == "SQRT") return std::sqrt(v);
    if (name == "SIN") return std::sin(v * std::numbers::pi / 180.0);
    if (name == "COS") return std::cos(v * std::numbers::pi / 180.0);
    if (name == "TAN") return std::tan(v * std::numbers::pi / 180.0);
    if (name == "ROUND") return std::round(v);
    if (name == "FIX") return std::floor(v);
    if (name == "FUP") return std::ceil(v);
    known = false;
    return 0;
}

}  // namespace

// A "[ ]" expression, read and worked out in one go (nothing is kept between lines).
class ExpressionScan {
public:
    ExpressionScan(LineScanner& owner, Cursor& c, std::vector<ScanIssue>& issues)
        : owner_(owner), c_(c), issues_(issues) {}
    bool ok() const { return ok_; }

    double sum() {
        double v = product();
        for (c_.skipBlanks(); ok_ && (c_.peek() == '+' || c_.peek() == '-'); c_.skipBlanks()) {
            char op = c_.s[c_.i++];
            double r = product();
            v = op == '+' ? v + r : v - r;
        }
        return finite(v);
    }

    // A result beyond a double (the spiral's radii after some fifteen hundred arcs).
    double finite(double v) {
        if (ok_ && !std::isfinite(v)) return fail(ScanProblem::NumberTooLarge, std::string(c_.s));
        return v;
    }

    // A word's value: signs, then a number, "#n" or "[expression]". The signs are counted in
    // a loop and the brackets by depth, so that no line can nest the reader off its stack.
    double value() {
        bool minus = false;
        for (c_.skipBlanks(); c_.peek() == '-' || c_.peek() == '+'; c_.skipBlanks())
            minus = (c_.s[c_.i++] == '-') != minus;
        if (depth_ >= LineScanner::kMaxNesting) return fail(ScanProblem::NestingTooDeep, c_.rest());
        ++depth_;
        double v = unsigned_();
        --depth_;
        return minus ? -v : v;
    }

    // "#n" as the target of an assignment: the number n.
    int variableIndex() {
        ++c_.i;  // '#'
        double n = value();
        if (!ok_) return -1;
        if (!owner_.vars_.valid(n)) {
            fail(ScanProblem::BadVariable, "#" + std::to_string(n));
            return -1;
        }
        return static_cast<int>(n);
    }

    double fail(ScanProblem p, std::string text) {
        if (ok_) issues_.push_back({p, std::move(text)});
        ok_ = false;
        c_.i = c_.s.size();
        return 0;
    }

private:
    double unsigned_() {
        char ch = c_.peek();
        if (ch == '#') return variable();
        if (ch == '[') return bracket();
        if (isDigit(ch) || ch == owner_.sep_) return number();
        if (isAlpha(ch)) return function();
        return fail(ScanProblem::UnknownWord, c_.rest());
    }

    double product() {
        double v = value();
        for (c_.skipBlanks(); ok_ && (c_.peek() == '*' || c_.peek() == '/' || c_.peek() == '%');
             c_.skipBlanks()) {
            char op = c_.s[c_.i++];
            double r = value();
            if (op == '*') {
                v *= r;
            } else if (r == 0) {
                return fail(ScanProblem::DivisionByZero, c_.rest());
            } else {
                v = op == '/' ? v / r : std::fmod(v, r);
            }
        }
        return finite(v);
    }

    double variable() {
        int n = variableIndex();
        return n < 0 ? 0 : owner_.vars_.get(n);
    }

    double bracket() {
        std::size_t start = c_.i++;
        double v = sum();
        c_.skipBlanks();
        if (!ok_) return 0;
        if (c_.peek() != ']')
            return fail(ScanProblem::UnknownWord, std::string(c_.s.substr(start)));
        ++c_.i;
        return v;
    }

    double function() {
        std::size_t start = c_.i;
        std::string name;
        while (isAlpha(c_.peek())) name += upper(c_.s[c_.i++]);
        bool known = false;
        if (c_.peek() == '[') {
            double arg = bracket();
            double v = applyFunction(name, arg, known);
            if (known && ok_) return v;
        }
        c_.i = start;
        return fail(ScanProblem::UnknownWord, c_.rest());
    }

    double number() {
        const std::size_t start = c_.i;
        const char sep = owner_.sep_;
        PlainDigits digits;
        bool point = false;
        for (; c_.i < c_.s.size(); ++c_.i) {
            const char ch = c_.s[c_.i];
            if (isDigit(ch)) {
                digits.digit(ch, point);
            } else if (ch == sep && !point) {
                point = true;
            } else {
                break;
            }
        }
        std::string_view text = c_.s.substr(start, c_.i - start);
        // a lone separator, or the other one ("1.5" in a comma run) is no number here
        if ((text.size() == 1 && point) || c_.peek() == '.' || c_.peek() == ',')
            return fail(ScanProblem::UnknownWord, std::string(text));
        double v = 0;
        if (digits.value(v)) return v;
        std::string buffer(text);
        for (char& ch : buffer)
            if (ch == owner_.sep_) ch = '.';
        auto [end, ec] = std::from_chars(buffer.data(), buffer.data() + buffer.size(), v);
        if (ec == std::errc::result_out_of_range || !std::isfinite(v)) {
            // the numbers have no exponent: one without a whole part is one too small
            bool small = text.find_first_not_of("0") == text.find(owner_.sep_);
            return fail(small ? ScanProblem::NumberTooSmall : ScanProblem::NumberTooLarge,
                        std::string(text));
        }
        return v;
    }

    LineScanner& owner_;
    Cursor& c_;
    std::vector<ScanIssue>& issues_;
    bool ok_ = true;
    int depth_ = 0;
};

char separatorIn(std::string_view line) {
    for (std::size_t i = 0; i + 2 < line.size(); ++i) {
        if (line[i] == '(') {
            i = line.find(')', i);
            if (i == std::string_view::npos) return 0;
            continue;
        }
        if (isDigit(line[i]) && (line[i + 1] == '.' || line[i + 1] == ',') && isDigit(line[i + 2]))
            return line[i + 1];
    }
    return 0;
}

namespace {

// "(…)": skipped; false when it never closes.
bool skipComment(Cursor& c) {
    std::size_t close = c.s.find(')', c.i);
    if (close == std::string_view::npos) return false;
    c.i = close + 1;
    return true;
}

// A letter and its value into the block; false once the line's problem is noted.
bool scanWord(ExpressionScan& e, Cursor& c, Block& block, std::vector<ScanIssue>& issues) {
    const char ch = c.peek(), letter = upper(ch);
    if (!isAlpha(ch) || !kWordLetter[static_cast<std::size_t>(letter - 'A')] ||
        block.count == Block::kMaxWords) {
        e.fail(ScanProblem::UnknownWord, c.rest());
        return false;
    }
    std::size_t wordStart = c.i++;
    double v = e.value();
    if (!e.ok()) {
        // name the whole word, not only the part after its letter
        if (issues.back().problem == ScanProblem::UnknownWord) {
            c.i = wordStart;
            issues.back().text = c.rest();
        }
        return false;
    }
    block.add(letter, v);
    return true;
}

}  // namespace

void LineScanner::scan(std::string_view line, Block& block, std::vector<ScanIssue>& issues,
                       bool assign) {
    block.clear();
    Cursor c{line};
    c.skipBlanks();
    if (isValueListing(line.substr(c.i))) {
        block.valueListing = true;
        return;
    }
    if (line.substr(c.i) == "%") return;  // a tape's start and end mark
    for (c.skipBlanks(); !c.atEnd(); c.skipBlanks()) {
        char ch = c.peek();
        if (ch == '(') {
            if (skipComment(c)) continue;
            issues.push_back({ScanProblem::UnclosedComment, c.rest()});
            break;
        }
        ExpressionScan e(*this, c, issues);
        if (ch == '#') {
            int n = e.variableIndex();
            c.skipBlanks();
            if (n < 0) break;
            if (c.peek() != '=') {
                e.fail(ScanProblem::UnknownWord, c.rest());
                break;
            }
            ++c.i;
            double v = e.sum();
            if (!e.ok()) break;
            if (assign) vars_.set(n, v);
            continue;
        }
        if (!scanWord(e, c, block, issues)) break;
    }
}

}  // namespace qorix::program
