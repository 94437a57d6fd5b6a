// What the reader tells about a program: every warning's kind and its Hungarian text, in one
// place, so that the command line, the preview and the tests say the same.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qorix::program {

enum class WarningKind : std::uint8_t {
    UnknownWord,
    NumberTooLarge,
    DivisionByZero,
    BadVariable,
    UnclosedComment,
    ArcOffCircle,
    RArcTooShort,
    RArcNoChord,
    ArcFromUnknown,
    RapidIntoPart,
    BelowDepth,
    MissingSubprogram,
    NestingTooDeep,
    Runaway,
    NoProgramEnd,
    CycleWithoutDepth,
    TooManyPecks,
    UnknownWorkOrigin,
    ExpressionTooDeep,
    NumberTooSmall,
    MoveBudget,
    LinesAfterEnd,
    ZeroPeck,
    ZeroFeed,
    LongDwell,
    NotFinite,
    ReadFailed,
    RPlaneBelowBottom,
};

struct Warning {
    WarningKind kind;
    std::uint32_t line;  // 0: the program as a whole
    std::string text;
};

namespace message {

std::string unknownWord(std::string_view word);
std::string numberTooLarge(std::string_view number);
std::string divisionByZero(std::string_view piece);
std::string badVariable(std::string_view piece);
std::string unclosedComment();
std::string arcOffCircle(double deviation);
std::string rArcTooShort(double chord, double radius);
std::string rArcNoChord();
std::string arcFromUnknown();
std::string rapidIntoPart(double z, double top);
std::string belowDepth(double z, double depth);
std::string missingSubprogram(double number);
std::string nestingTooDeep();
std::string runaway(std::size_t lines);
std::string noProgramEnd();
std::string cycleWithoutDepth();
std::string rPlaneBelowBottom(double r, double z);
std::string tooManyPecks(double q, double limit);
std::string unknownWorkOrigin(int system);
std::string expressionTooDeep(int levels);
std::string numberTooSmall(std::string_view number);
std::string moveBudget(std::size_t moves);
std::string linesAfterEnd(std::size_t lines);
std::string zeroPeck();
std::string zeroFeed();
std::string longDwell();
std::string notFinite();
// reason empty: the memory ran out
std::string readFailed(std::string_view reason);
std::string rapidDownIntoPart(double z, double top);

}  // namespace message

}  // namespace qorix::program
