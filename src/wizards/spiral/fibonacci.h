// "Fibonacci spirál": mills a chain of quarter arcs whose radii are the Fibonacci numbers
// times a scale. The page is of the older kind: numbered control names, reading, checking
// and the depth passes in one step, tool lines always written, no series and no "Törlés".
// It writes the spiral either with every arc spelled out ("Csak G kód") or as a program
// with macro variables and subprograms that computes the arcs on the machine ("Csak képlet").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "wizards/common/page.h"
#include "wizards/spiral/spiralgeometry.h"

namespace qorix {

class ParametricText;  // the parametric form's lines with their notes

// The page's values. Feeds are floats on this page.
struct SpiralRecord {
    long double x = 0, y = 0, z = 0, safeOffset = 0, safeZ = 0;
    long double scale = 1, rotation = 0, depth = 0, toolLimit = 0, stepDown = 0;
    long double linearFeed = 0, arcFeed = 0;
    std::int32_t fullTurns = 0, partTurns = 0;
    bool cw = false, spindleCcw = false, comments = false, error = false;
    std::int32_t passes = 1;
    long double passDepth = 0;
    spiral::SpiralState state;  // used while the plain program is written
};

class FibonacciSpiralPage : public WizardPage {
public:
    // The plain program is refused beyond this many lines.
    static constexpr std::int64_t kMaxPlainLines = 1000000;

    explicit FibonacciSpiralPage(Services& services);

    void ReadParameters() override;
    // The size check of the plain program; the depth passes are part of ReadParameters.
    void PrepareValues() override;
    void WriteHeaderComments() override;
    // The form chosen in " G kód generálása ".
    void GenerateProgram() override;
    void GeneratePlainProgram();
    void GenerateParametricProgram();

    bool seriesFlag() const override { return false; }
    bool errorFlag() const override { return rec.error != 0; }
    PageFacts pageFacts() const override;
    bool parametric() const { return RadioGroup1.itemIndex() == 1; }

    // Lines of the whole output in the plain form (header included), computed from the
    // record without writing them.
    std::int64_t plainLineCount() const;

    ui::Edit Edit1, Edit2, Edit11, Edit12, Edit10;
    ui::Edit Edit4;
    ui::CheckBox CheckBox4;
    ui::Edit Edit7, Edit8;
    ui::CheckBox CheckBox1;
    ui::Edit Edit9;
    ui::CheckBox CheckBox2;
    ui::Edit Edit13, Edit14, Edit3;
    ui::CheckBox CheckBox3;
    ui::RadioGroup RadioGroup2, RadioGroup3, RadioGroup4, RadioGroup1;
    ui::CheckBox CheckBox5;
    ui::Edit Edit5, Edit6;
    ui::Image Image1;

    SpiralRecord rec;

private:
    // Steps of ReadParameters; the two limit checks return false when they end the reading.
    void readStartAndFeeds(const FieldReader& read);
    void readDepthAndLimits(const FieldReader& read);
    void readShape(const FieldReader& read);
    bool checkLimits(const FieldReader& read);
    void countPasses(const FieldReader& read);
    // The tool change, spindle start and dwell: always written on this page.
    void writeToolLines(GCodeWriter& t);
    // The comment header, empty when comments are off.
    std::vector<std::string> headerLines() const;
    // One quarter's arc from the spiral state; then the radii advance.
    void quarterArc(GCodeWriter& t, int quarter);
    void quarterAssignments(GCodeWriter& t, int quarter);
    void writeParametricMain(ParametricText& p);
    void writeParametricSubprograms(ParametricText& p);
};

}  // namespace qorix
