// Runs a program's lines as the machine would: the modal state, the flow through
// subprograms and repeats, and what each line's words do. Used by readProgram.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "program/linescan.h"
#include "program/motion.h"
#include "program/reader.h"

namespace qorix::program {

class Interpreter {
public:
    Interpreter(LineSpan lines, const ReadOptions& options, ReadResult& result);
    void run();
    bool sawOpening() const { return sawOpening_; }

private:
    struct Frame {
        std::size_t returnTo;
        std::size_t body;  // first line after the O line
        double remaining;
    };

    void indexLabels();
    bool step();
    void scanLine(std::size_t index, bool assign);
    void lookAtLinesNotRun();
    void lookAfterEnd();
    void execute();
    void machineCodes();
    bool modalCodes(bool& noMotion);
    void motion();
    void checkFeed();
    bool flow();
    void call(const Word& p);
    void subprogramEnd();
    AxisWords axisWords() const;
    void warn(WarningKind kind, std::string text);

    LineSpan lines_;
    const ReadOptions& options_;
    ReadResult& result_;
    Variables vars_;
    LineScanner scanner_;
    PathBuilder builder_;
    Block block_;
    std::vector<ScanIssue> issues_;
    std::vector<bool> looked_;
    std::unordered_map<std::int64_t, std::size_t> labels_;  // O number -> its line
    std::vector<Frame> stack_;
    std::size_t pc_ = 0;
    std::size_t endLine_ = 0;  // the line of M30 (or M2)
    bool stop_ = false;
    bool sawOpening_ = false;
    int motion_ = -1;  // 0, 1, 2, 3, 73, 83; -1 none
    double feed_ = 0, speed_ = 0, tool_ = 0;
    CycleWords cycle_;
    bool stackMoved_ = false;
};

}  // namespace qorix::program
