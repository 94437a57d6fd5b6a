// The one place that knows how a program line looks: which words a move has, in which
// order, and how their numbers are written. Pages say which moves come in which order; they
// never join words themselves.
//
// Words are written as a line is asked for: the motion word on every move, the axes that
// the page names (in X Y Z order), then R or I J, Q, and F. A feed is written only on a
// move that the page gives one: the programs this writer keeps to state it again where the
// old ones did, which a modal rule would not reproduce.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ui/controls.h"
#include "wizards/common/numbertext.h"

namespace qorix {

// How a number is written: four decimals with the run's separator, the general form, or a
// whole number.
enum class NumberForm { fixed, general, whole };

// The value of a word: a number in one of the forms, or an expression of the machine's own
// variables (the spiral's parametric program, "#16").
class Value {
public:
    Value(long double number, NumberForm form = NumberForm::fixed) : number_(number), form_(form) {}
    static Value variable(std::string expression);

    std::string text(const NumberText& num) const;

private:
    long double number_ = 0;
    NumberForm form_ = NumberForm::fixed;
    std::string expression_;
};

inline Value general(long double v) { return Value(v, NumberForm::general); }
inline Value whole(long double v) { return Value(v, NumberForm::whole); }

// Where a move goes; an axis left empty keeps its place and is not written.
struct Axes {
    std::optional<Value> x{}, y{}, z{};
    // The circular pocket's clockwise arcs have always named Y before X.
    bool yBeforeX = false;
};

// A feed rate: a whole number by default. Joined: written without the space before it, as
// the spiral's plain program has always written its plunge.
struct Feed {
    Feed(std::int32_t rate) : rate(whole(rate)) {}
    Feed(Value rate, bool joined = false) : rate(std::move(rate)), joined(joined) {}
    Value rate;
    bool joined = false;
};

enum class Turn { cw, ccw };
struct Radius {
    Value r;
};
// The arc's centre relative to its start.
struct Centre {
    Value i, j;
};

class GCodeWriter {
public:
    GCodeWriter(ui::Memo& out, const NumberText& num) : out_(out), num_(num) {}

    // Number text for the comments that quote a value.
    std::string f(long double v) const { return num_.f4(v); }
    std::string g(long double v) const { return num_.general(v); }
    static std::string n(std::int64_t v) { return NumberText::whole(v); }

    void rapid(const Axes& to);
    void feed(const Axes& to);
    void feed(const Axes& to, const Feed& f);
    void arc(Turn turn, const Axes& to, const Radius& r);
    void arc(Turn turn, const Axes& to, const Radius& r, const Feed& f);
    void arc(Turn turn, const Axes& to, const Centre& c);
    // The arc mode and its feed alone, ahead of the turns that follow.
    void arcFeed(Turn turn, const Feed& f);
    void dwell(std::int32_t milliseconds);
    // A canned drilling cycle at its first hole: depth, peck, retract plane and feed.
    void drillCycle(std::int32_t cycle, const Axes& at, const Value& peck, const Value& retract,
                    const Feed& f);
    // The same for G81, which drills in one feed and takes no peck.
    void drillCycle(std::int32_t cycle, const Axes& at, const Value& retract, const Feed& f);
    // One more hole of the cycle in force.
    void drillAt(const Axes& at);
    // The tool and spindle texts are written as the fields hold them.
    void toolChange(const std::string& tool);
    void spindle(const std::string& speed, bool ccw);
    void spindleStop();
    // Coolant 7 (mist) or 8 (flood); any other value writes nothing.
    void coolant(std::int32_t which);
    void coolantOff();
    void metricAbsolute();
    void programEnd();
    // Work offsets 1..6 (G54..G59): set one to a point, or work in one.
    void setWorkOffset(std::int32_t offset, const Axes& at);
    void useWorkOffset(std::int32_t offset);
    // Subprograms: its number line, a call that runs it `times` times, its return. A note,
    // when not empty, follows in brackets.
    void subprogram(std::int32_t number, const std::string& note = {});
    void call(const Value& number, const Value& times, const std::string& note = {});
    void subprogramEnd();

    // "(text)"; an empty line.
    void comment(const std::string& text);
    void blank();
    // The spiral's parametric lines (assignments to the machine's variables), as given, with
    // their note in brackets when not empty.
    void parametric(const std::string& text, const std::string& note = {});

private:
    void put(std::string text) { out_.add(std::move(text)); }
    std::string axes(const Axes& to) const;
    bool isNoArc(const Radius& r) const;
    std::string word(char letter, const Value& v) const;
    std::string feedWord(const Feed& f) const;
    static std::string noted(std::string text, const std::string& note);

    ui::Memo& out_;
    const NumberText& num_;
};

}  // namespace qorix
