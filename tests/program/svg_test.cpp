// The SVG picture: what each kind of move looks like, by the shared drawing rules.
#include "program/svg.h"

#include <gtest/gtest.h>

#include "program/readsupport.h"

namespace qorix::test {
namespace {

std::size_t count(const std::string& s, const std::string& what) {
    std::size_t n = 0;
    for (auto at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
    return n;
}

std::string svgOf(const std::string& program, double drill = 0) {
    auto r = readText(program);
    program::SvgOptions o;
    o.toolDiameter = drill;
    o.width = 240;
    return program::toSvg(r.path, r.measures, o);
}

TEST(ToolpathSvg, AFullCircleIsTwoHalvesInTheCutColourAndItsRapidIsDashed) {
    // a circle of radius 10 from X10: 240 pixels less two margins of 24 for 20 mm
    std::string svg = svgOf("G0 X10 Y0 Z1\nG1 Z-1 F100\nG2 X10 Y0 I-10 J0\nG0 Z5\nG0 X0 Y0\nM30\n");
    EXPECT_EQ(count(svg, "<path d=\"M"), 3u) << svg;  // cuts, rapids and the scale
    EXPECT_NE(svg.find("M216 120 A96 96 0 0 1 24 120 A96 96 0 0 1 216 120\" fill=\"none\" "
                       "stroke=\"#1c5fb8\""),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find("M216 120 L120 120\" fill=\"none\" stroke=\"#d9480f\" stroke-width=\"0.8\" "
                       "stroke-linecap=\"round\" stroke-linejoin=\"round\" "
                       "stroke-dasharray=\"5 4\""),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find(">5 mm</text>"), std::string::npos) << svg;  // a quarter of the width
    // CCW turns the other way on the page, whose Y runs downwards
    EXPECT_NE(svgOf("G0 X10 Y0 Z1\nG3 X-10 Y0 R10 F100\nM30\n").find(" A96 96 0 0 0 24 120"),
              std::string::npos);
}

TEST(ToolpathSvg, HolesAreCirclesOfTheDrillAndUnknownStartsAreNotDrawn) {
    std::string svg = svgOf("G0 X0 Y0\nG0 Z5\nG83 X10 Y0 Z-5 Q2 R1 F100\nX-10\nG0 Z5\nM30\n", 4);
    EXPECT_EQ(count(svg, "<circle"), 2u);
    EXPECT_EQ(count(svg, "r=\"16\""), 2u) << svg;  // 192 pixels for the 24 mm across
    EXPECT_NE(svg.find("M120 40 L200 40 L40 40\""), std::string::npos) << svg;
    EXPECT_EQ(count(svg, "stroke=\"#2b8a3e\""), 2u);
    // the first rapid starts where nobody knows: no line from 0,0
    std::string unknown = svgOf("G0 X5 Y5\nG0 Z1\nG1 X10 F100\nM30\n");
    EXPECT_EQ(count(unknown, " M"), 0u) << unknown;
    EXPECT_EQ(count(unknown, "<path d=\"M"), 2u) << unknown;  // the cut and the scale
}

}  // namespace
}  // namespace qorix::test
