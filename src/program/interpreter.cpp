#include "program/interpreter.h"

#include <cmath>

namespace qorix::program {

namespace {

constexpr std::size_t kProgressEvery = 1u << 16;
constexpr std::size_t kMaxNesting = 64;
// A dwell (in milliseconds) longer than an hour is a mistyped P, not a pause.
constexpr double kLongestDwell = 3'600'000;

bool whole(double v) { return std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e9; }

// A tool number, speed or dwell as a move keeps it: a value past what the move holds is held
// as the largest one (a speed of S1e20 stays absurd without wrapping round to a small one).
std::uint32_t moveAux(double v) {
    double a = std::fabs(v);
    if (!(a < 4'294'967'295.0)) return 4'294'967'295u;
    return static_cast<std::uint32_t>(a);
}

WarningKind kindOf(ScanProblem p) {
    switch (p) {
        case ScanProblem::UnknownWord:
            return WarningKind::UnknownWord;
        case ScanProblem::NumberTooLarge:
            return WarningKind::NumberTooLarge;
        case ScanProblem::NumberTooSmall:
            return WarningKind::NumberTooSmall;
        case ScanProblem::NestingTooDeep:
            return WarningKind::ExpressionTooDeep;
        case ScanProblem::DivisionByZero:
            return WarningKind::DivisionByZero;
        case ScanProblem::BadVariable:
            return WarningKind::BadVariable;
        case ScanProblem::UnclosedComment:
            return WarningKind::UnclosedComment;
    }
    return WarningKind::UnknownWord;
}

std::string textOf(const ScanIssue& issue) {
    switch (issue.problem) {
        case ScanProblem::UnknownWord:
            return message::unknownWord(issue.text);
        case ScanProblem::NumberTooLarge:
            return message::numberTooLarge(issue.text);
        case ScanProblem::NumberTooSmall:
            return message::numberTooSmall(issue.text);
        case ScanProblem::NestingTooDeep:
            return message::expressionTooDeep(LineScanner::kMaxNesting);
        case ScanProblem::DivisionByZero:
            return message::divisionByZero(issue.text);
        case ScanProblem::BadVariable:
            return message::badVariable(issue.text);
        case ScanProblem::UnclosedComment:
            return message::unclosedComment();
    }
    return issue.text;
}

// "O12 (…)": the number of a subprogram's head line, or -1.
std::int64_t labelOf(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i == line.size() || (line[i] != 'O' && line[i] != 'o')) return -1;
    std::int64_t n = 0;
    std::size_t digits = 0;
    for (++i; i < line.size() && line[i] >= '0' && line[i] <= '9' && digits < 9; ++i, ++digits)
        n = n * 10 + (line[i] - '0');
    return digits == 0 ? -1 : n;
}

std::string wordText(char letter, double v) {
    std::string s(1, letter);
    s += std::to_string(v);
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

}  // namespace

Interpreter::Interpreter(LineSpan lines, const ReadOptions& options, ReadResult& result)
    : lines_(lines),
      options_(options),
      result_(result),
      scanner_(result.decimalSeparator, vars_),
      builder_(result.path, result.warnings),
      looked_(lines_.size(), false) {
    builder_.setStart(AxisWords{options.startAt, options.startKnown});
    builder_.setBudget(options.moveBudget);
    builder_.setBackOff(options.peckBackOff);
}

void Interpreter::warn(WarningKind kind, std::string text) {
    result_.warnings.push_back({kind, static_cast<std::uint32_t>(pc_ + 1), std::move(text)});
}

void Interpreter::indexLabels() {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::int64_t n = labelOf(lines_[i]);
        if (n >= 0) labels_.emplace(n, i);
    }
}

void Interpreter::run() {
    indexLabels();
    const std::size_t bound = lines_.size() + options_.extraLineBound;
    while (!stop_ && pc_ < lines_.size()) {
        if (result_.executedLines == bound) {
            warn(WarningKind::Runaway, message::runaway(bound));
            result_.stoppedEndless = true;
            break;
        }
        if (++result_.executedLines % kProgressEvery == 0 && options_.progress &&
            !options_.progress(result_.executedLines, lines_.size())) {
            result_.cancelled = true;
            return;
        }
        if (!step()) ++pc_;
        if (builder_.exhausted()) {
            result_.stoppedAtBudget = true;
            break;
        }
    }
    lookAtLinesNotRun();
}

void Interpreter::scanLine(std::size_t index, bool assign) {
    issues_.clear();
    scanner_.scan(lines_[index], block_, issues_, assign);
    if (looked_[index]) return;
    looked_[index] = true;
    for (const auto& issue : issues_)
        result_.warnings.push_back(
            {kindOf(issue.problem), static_cast<std::uint32_t>(index + 1), textOf(issue)});
}

// The lines after the end are looked at once, by lookAfterEnd.
void Interpreter::lookAtLinesNotRun() {
    const std::size_t end = result_.ended ? endLine_ + 1 : lines_.size();
    for (std::size_t i = 0; i < end; ++i)
        if (!looked_[i]) scanLine(i, false);
    if (result_.ended) lookAfterEnd();
}

// Lines after the end that are no subprogram (from its O line to its M99): a second program
// in the same file, which the machine never runs.
void Interpreter::lookAfterEnd() {
    std::size_t count = 0, first = 0;
    bool inSubprogram = !stack_.empty();  // an end inside a subprogram: its M99 follows
    for (std::size_t i = endLine_ + 1; i < lines_.size(); ++i) {
        if (labelOf(lines_[i]) >= 0) inSubprogram = true;
        scanLine(i, false);  // warns of what is wrong in a line not run
        const Word* m = block_.find('M');
        bool skipped = inSubprogram || block_.count == 0 || !issues_.empty();  // told already
        if (m && m->value == 99) inSubprogram = false;
        if (skipped) continue;
        if (count++ == 0) first = i;
    }
    if (count > 0)
        result_.warnings.push_back({WarningKind::LinesAfterEnd,
                                    static_cast<std::uint32_t>(first + 1),
                                    message::linesAfterEnd(count)});
}

// Runs line pc_; true when it moved pc_ itself (a call, a return or the end).
bool Interpreter::step() {
    scanLine(pc_, true);
    if (block_.valueListing || block_.count == 0) return false;
    builder_.setLine(static_cast<std::uint32_t>(pc_ + 1));
    execute();
    return flow();
}

void Interpreter::execute() {
    for (int i = 0; i < block_.count; ++i) {
        const Word& w = block_.words[static_cast<std::size_t>(i)];
        if (w.letter == 'F') feed_ = w.value;
        if (w.letter == 'S') speed_ = w.value;
        if (w.letter == 'T') tool_ = w.value;
    }
    machineCodes();
    bool noMotion = false;
    if (!modalCodes(noMotion)) return;
    if (!noMotion) motion();
}

void Interpreter::machineCodes() {
    for (int i = 0; i < block_.count; ++i) {
        const Word& w = block_.words[static_cast<std::size_t>(i)];
        if (w.letter != 'M') continue;
        switch (whole(w.value) ? static_cast<int>(w.value) : -1) {
            case 3:
                builder_.event(MoveKind::SpindleCw, moveAux(speed_));
                break;
            case 4:
                builder_.event(MoveKind::SpindleCcw, moveAux(speed_));
                break;
            case 5:
                builder_.event(MoveKind::SpindleStop, 0);
                break;
            case 6:
                builder_.event(MoveKind::ToolChange, moveAux(tool_));
                break;
            case 7:
                builder_.event(MoveKind::CoolantMist, 0);
                break;
            case 8:
                builder_.event(MoveKind::CoolantFlood, 0);
                break;
            case 9:
                builder_.event(MoveKind::CoolantOff, 0);
                break;
            case 0:
            case 1:
            case 2:
            case 30:
            case 98:
            case 99:
                break;  // pauses and flow
            default:
                warn(WarningKind::UnknownWord, message::unknownWord(wordText('M', w.value)));
        }
    }
}

AxisWords Interpreter::axisWords() const {
    AxisWords a;
    const char letters[3] = {'X', 'Y', 'Z'};
    for (std::size_t k = 0; k < 3; ++k)
        if (const Word* w = block_.find(letters[k])) {
            a.v[k] = w->value;
            a.given |= static_cast<std::uint8_t>(1u << k);
        }
    return a;
}
// "G10 L2 Pn X Y Z": the origin of work system n (1 is G54, 6 is G59) in machine coordinates.
static bool workOrigin(const Block& b, int& system) {
    const Word* l = b.find('L');
    const Word* p = b.find('P');
    if (!l || !p || l->value != 2 || !whole(p->value) || p->value < 1 || p->value > 6) return false;
    system = static_cast<int>(p->value) - 1;
    return true;
}

// G81 drills in one feed; G73 and G83 in pecks.
static bool drillingCycle(int g) { return g == 73 || g == 81 || g == 83; }

bool Interpreter::modalCodes(bool& noMotion) {
    for (int i = 0; i < block_.count; ++i) {
        const Word& w = block_.words[static_cast<std::size_t>(i)];
        if (w.letter != 'G') continue;
        int g = whole(w.value) ? static_cast<int>(w.value) : -1;
        int system = 0;
        if (g == 0 || g == 1 || g == 2 || g == 3) {
            motion_ = g;
        } else if (drillingCycle(g)) {
            if (!drillingCycle(motion_)) builder_.startCycle();
            motion_ = cycle_.code = g;
        } else if (g == 80) {
            motion_ = -1;
        } else if (g == 4) {
            const Word* p = block_.find('P');
            if (p && !(std::fabs(p->value) <= kLongestDwell))
                warn(WarningKind::LongDwell, message::longDwell());
            builder_.event(MoveKind::Dwell, p ? moveAux(p->value) : 0);
            noMotion = true;
        } else if (g == 10 && workOrigin(block_, system)) {
            builder_.setWorkOrigin(system, axisWords());
            noMotion = true;
        } else if (g >= 54 && g <= 59) {
            builder_.selectWork(g - 54);
        } else if (g == 98 || g == 99) {
            cycle_.toInitialLevel = g == 98;
        } else if (g == 21) {
            sawOpening_ = true;
        } else if (g != 17 && g != 40 && g != 49 && g != 90 && g != 94) {
            warn(WarningKind::UnknownWord, message::unknownWord(wordText('G', w.value)));
            noMotion = noMotion || g == 10;
        }
    }
    return true;
}

void Interpreter::motion() {
    AxisWords a = axisWords();
    if (drillingCycle(motion_)) {
        if (const Word* z = block_.find('Z')) cycle_.z = z->value, cycle_.hasZ = true;
        if (const Word* r = block_.find('R')) cycle_.r = r->value, cycle_.hasR = true;
        if (const Word* q = block_.find('Q')) cycle_.q = q->value;
        if (!a.given) return;
        if (const Word* q = block_.find('Q'); q && q->value == 0 && motion_ != 81)
            warn(WarningKind::ZeroPeck, message::zeroPeck());
        checkFeed();
        builder_.drill(cycle_, a, feed_);
        return;
    }
    // "G2 I-10 J0" alone: a full circle from where the tool stands
    bool fullCircle = (motion_ == 2 || motion_ == 3) && !block_.find('R') &&
                      (block_.find('I') || block_.find('J'));
    if (!a.given && (motion_ == 2 || motion_ == 3) && block_.find('R'))
        warn(WarningKind::RArcNoChord, message::rArcNoChord());
    if (!a.given && !fullCircle) return;
    if (motion_ < 0) {
        warn(WarningKind::UnknownWord, message::unknownWord(std::string(lines_[pc_])));
        return;
    }
    if (motion_ != 0) checkFeed();
    if (motion_ <= 1) {
        builder_.straight(motion_ == 0 ? MoveKind::Rapid : MoveKind::Feed, a, feed_);
        return;
    }
    ArcWords w;
    w.ccw = motion_ == 3;
    const Word* r = block_.find('R');
    w.hasR = r != nullptr;
    w.r = r ? r->value : 0;
    if (const Word* i = block_.find('I')) w.i = i->value;
    if (const Word* j = block_.find('J')) w.j = j->value;
    builder_.arc(w, a, feed_);
}

// A cut at no feed never starts on the machine, and its time cannot be told.
void Interpreter::checkFeed() {
    if (!(feed_ > 0)) warn(WarningKind::ZeroFeed, message::zeroFeed());
}

// M98, M99, M30: true when the line moved on by itself.
bool Interpreter::flow() {
    for (int i = 0; i < block_.count; ++i) {
        const Word& w = block_.words[static_cast<std::size_t>(i)];
        if (w.letter != 'M') continue;
        if (w.value == 98) {
            const Word* p = block_.find('P');
            if (p) call(*p);
            return p != nullptr && stackMoved_;
        }
        if (w.value == 99) {
            subprogramEnd();
            return true;
        }
        if (w.value == 30 || w.value == 2) {
            result_.ended = true;
            endLine_ = pc_;
            stop_ = true;
            return true;
        }
    }
    return false;
}

void Interpreter::call(const Word& p) {
    stackMoved_ = false;
    const Word* l = block_.find('L');
    double count = l ? std::round(l->value) : 1;
    auto label = whole(p.value) ? labels_.find(static_cast<std::int64_t>(p.value)) : labels_.end();
    if (label == labels_.end()) {
        warn(WarningKind::MissingSubprogram, message::missingSubprogram(p.value));
        return;
    }
    if (stack_.size() >= kMaxNesting) {
        warn(WarningKind::NestingTooDeep, message::nestingTooDeep());
        return;
    }
    if (count < 1) return;
    stack_.push_back({pc_ + 1, label->second + 1, count});
    pc_ = label->second + 1;
    stackMoved_ = true;
}

void Interpreter::subprogramEnd() {
    if (stack_.empty()) {  // the main program's M99 ends it here (the host would start over)
        stop_ = true;
        return;
    }
    Frame& top = stack_.back();
    top.remaining -= 1;
    if (top.remaining >= 1) {
        pc_ = top.body;
        return;
    }
    pc_ = top.returnTo;
    stack_.pop_back();
}

}  // namespace qorix::program
