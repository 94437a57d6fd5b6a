// The parametric spiral, run as the machine runs it, cuts what the plain spiral cuts.
#include <gtest/gtest.h>

#include "program/readsupport.h"
#include "support/pagetest.h"
#include "wizards/spiral/fibonacci.h"

namespace qorix::test {
namespace {

using program::MoveKind;

struct Cut {
    std::vector<program::Move> plunges;
    std::vector<std::pair<program::Move, program::Arc>> arcs;
    program::Measures measures;
};

// What cuts: the arcs and the plunges into the part (the plain form's last slow rise to the
// top is its own: the parametric form rises in one rapid).
Cut cutOf(const std::vector<std::string>& program) {
    program::ReadOptions o;
    auto r = program::readProgram(program, o);
    EXPECT_TRUE(r.warnings.empty()) << describe(r.warnings);
    Cut c{{}, arcsOf(r.path), r.measures};
    for (std::size_t i = 0; i < r.path.moves.size(); ++i) {
        const auto& m = r.path.moves[i];
        if (m.kind == MoveKind::Feed && m.z < r.path.startOf(i).z) c.plunges.push_back(m);
    }
    return c;
}

void expectSameMove(const program::Move& a, const program::Move& b) {
    EXPECT_NEAR(a.x, b.x, 1e-9);
    EXPECT_NEAR(a.y, b.y, 1e-9);
    EXPECT_NEAR(a.z, b.z, 1e-9);
    EXPECT_FLOAT_EQ(a.feed, b.feed);
}

void expectSameCut(const Cut& plain, const Cut& parametric) {
    ASSERT_FALSE(plain.arcs.empty());
    ASSERT_EQ(plain.arcs.size(), parametric.arcs.size());
    for (std::size_t i = 0; i < plain.arcs.size(); ++i) {
        SCOPED_TRACE(i);
        expectSameMove(plain.arcs[i].first, parametric.arcs[i].first);
        EXPECT_NEAR(plain.arcs[i].second.radius, parametric.arcs[i].second.radius, 1e-9);
        EXPECT_NEAR(plain.arcs[i].second.sweep, parametric.arcs[i].second.sweep, 1e-9);
        EXPECT_NEAR(plain.arcs[i].second.cx, parametric.arcs[i].second.cx, 1e-9);
    }
    ASSERT_EQ(plain.plunges.size(), parametric.plunges.size());
    for (std::size_t i = 0; i < plain.plunges.size(); ++i)
        expectSameMove(plain.plunges[i], parametric.plunges[i]);
    EXPECT_DOUBLE_EQ(plain.measures.lowestZ, parametric.measures.lowestZ);
    EXPECT_EQ(plain.measures.passes, parametric.measures.passes);
    for (int axis = 0; axis < 3; ++axis) {
        EXPECT_NEAR(plain.measures.feedBounds.min[axis], parametric.measures.feedBounds.min[axis],
                    1e-9);
        EXPECT_NEAR(plain.measures.feedBounds.max[axis], parametric.measures.feedBounds.max[axis],
                    1e-9);
    }
}

class SpiralForms : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(SpiralForms, ParametricCutsWhatThePlainFormCuts) {
    auto args = GetParam();
    args.insert(args.begin(), "--decimal-separator=,");
    auto plainArgs = args, parametricArgs = args;
    plainArgs.push_back("RadioGroup1=0");
    parametricArgs.push_back("RadioGroup1=1");
    Cut plain = cutOf(generated("fibonacci", plainArgs));
    Cut parametric = cutOf(generated("fibonacci", parametricArgs));
    expectSameCut(plain, parametric);
}

// The rotation box is disabled on the page, so only a program can set it: the angle is
// carried in the header and in #10, and neither form turns the spiral by it.
using SpiralRotation = PageTest<FibonacciSpiralPage>;

TEST_F(SpiralRotation, ARotationSetOnThePageChangesNeitherForm) {
    page.CheckBox3.setChecked(false);
    page.Edit3.setText("2");
    page.RadioGroup2.setItemIndex(1);
    page.CheckBox4.setChecked(false);
    page.Edit4.setText("30");
    page.RadioGroup1.setItemIndex(0);
    ASSERT_TRUE(press());
    auto plain = out();
    page.RadioGroup1.setItemIndex(1);
    ASSERT_TRUE(press());
    ASSERT_TRUE(has("#10=30,0000 (elforgatás szöge)"));
    Cut rotated = cutOf(out());
    expectSameCut(cutOf(plain), rotated);
    EXPECT_NEAR(rotated.arcs[0].first.x, -1, 1e-9);  // CCW, unturned
    EXPECT_NEAR(rotated.arcs[0].first.y, 1, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, SpiralForms,
    ::testing::Values(
        std::vector<std::string>{},  // the defaults: CCW, one turn and a half
        std::vector<std::string>{"CheckBox3=0", "Edit3=3", "RadioGroup2=0", "RadioGroup3=0"},
        std::vector<std::string>{"CheckBox3=0", "Edit3=1", "RadioGroup2=3", "Edit10=0,5"},
        std::vector<std::string>{"CheckBox3=0", "Edit3=2", "RadioGroup2=1", "RadioGroup3=0"},
        std::vector<std::string>{"CheckBox2=0", "Edit9=0,5", "Edit1=10", "Edit2=-5", "Edit11=1",
                                 "Edit12=3", "Edit10=2,5"},
        std::vector<std::string>{"CheckBox2=0", "Edit7=-3", "Edit9=0,7", "RadioGroup3=0",
                                 "CheckBox3=0", "Edit3=0", "RadioGroup2=2"}));

}  // namespace
}  // namespace qorix::test
