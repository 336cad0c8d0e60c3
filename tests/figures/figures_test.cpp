// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>

#include "core/calc.h"
#include "figures/figures.h"

namespace ostrel::figures {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

CalcState WorkedDesign() {
  CalcState s;
  StoreStartupDesign(s);
  StoreStartupPress(s);
  EXPECT_EQ(All_Calc(s), Fault::None);
  return s;
}

const Outline* Find(const Figure& f, Part part, int nth = 0) {
  for (const Outline& o : f.outlines) {
    if (o.part == part && nth-- == 0) return &o;
  }
  return nullptr;
}

const Dimension* DimensionOf(const Figure& f, Box box) {
  for (const Dimension& d : f.dimensions) {
    if (d.label == box) return &d;
  }
  return nullptr;
}

double Distance(Point a, Point b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

// Distance of the origin from the line through a and b.
double OriginToLine(Point a, Point b) {
  return std::fabs(a.x * b.y - a.y * b.x) / Distance(a, b);
}

TEST(FaceView, WorkedDesignHasTheInradiiAndTheHoleAtTheCentroid) {
  const Figure f = FaceView(WorkedDesign());
  ASSERT_TRUE(f.Drawable()) << f.unavailable;
  const Outline* face = Find(f, Part::Face);
  const Outline* truncation = Find(f, Part::Truncation);
  ASSERT_TRUE(face && truncation);
  ASSERT_EQ(face->points.size(), 3u);
  ASSERT_EQ(truncation->points.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const Point a = face->points[i];
    const Point b = face->points[(i + 1) % 3];
    EXPECT_NEAR(Distance(a, b), 14.0, 1e-12);
    EXPECT_NEAR(OriginToLine(a, b), 14 / (2 * std::sqrt(3.0)), 1e-12);
    const Point c = truncation->points[i];
    const Point d = truncation->points[(i + 1) % 3];
    EXPECT_NEAR(Distance(c, d), 8.0, 1e-12);
    EXPECT_NEAR(OriginToLine(c, d), 8 / (2 * std::sqrt(3.0)), 1e-12);
    // Same orientation: each truncation corner points at the face corner of the same index.
    EXPECT_NEAR(c.x * a.y - c.y * a.x, 0, 1e-12);
    EXPECT_GT(c.x * a.x + c.y * a.y, 0);
  }
  ASSERT_EQ(f.circles.size(), 1u);
  EXPECT_EQ(f.circles[0].centre.x, 0);
  EXPECT_EQ(f.circles[0].centre.y, 0);
  EXPECT_EQ(f.circles[0].radius, double{5.6f} / 2);
  EXPECT_FALSE(f.circles[0].flawed);
  EXPECT_TRUE(f.flaws.empty());

  const Dimension* oel = DimensionOf(f, Box::txtOEL);
  const Dimension* tel = DimensionOf(f, Box::txtTEL);
  ASSERT_TRUE(oel && tel);
  EXPECT_NEAR(Distance(oel->from, oel->to), 14.0, 1e-12);
  EXPECT_NEAR(Distance(tel->from, tel->to), 8.0, 1e-12);
  EXPECT_LT(tel->level, oel->level);  // the shorter edge nearer the face
  ASSERT_EQ(f.diameters.size(), 1u);
  EXPECT_EQ(Distance(f.diameters[0].from, f.diameters[0].to), double{5.6f});
  EXPECT_EQ(f.diameters[0].label, Box::txtHoleDiameter);
}

TEST(GapSection, WorkedDesignHasTheCubeFacesOneGasketThicknessApart) {
  const CalcState s = WorkedDesign();
  const Figure f = GapSection(s);
  ASSERT_TRUE(f.Drawable()) << f.unavailable;
  const Outline* upper = Find(f, Part::Cube, 0);
  const Outline* lower = Find(f, Part::Cube, 1);
  ASSERT_TRUE(upper && lower);
  // The cube faces are the edges at the gap: the second and third points of each outline.
  EXPECT_EQ(upper->points[1].y, upper->points[2].y);
  EXPECT_EQ(upper->points[1].y - lower->points[1].y, 2.8284270763397217);
  // The face meets the cube's face where the truncation's inradius is measured: its corner lies
  // on the octahedron's face line.
  const Outline* octahedron = Find(f, Part::Octahedron);
  ASSERT_TRUE(octahedron);
  EXPECT_NEAR(octahedron->points[1].x, 7.0, 1e-12);  // the edge, half of OEL from the centre
  EXPECT_EQ(octahedron->points[1].y, 0);

  const Outline* gasket = Find(f, Part::Gasket);
  ASSERT_TRUE(gasket);
  double gasket_right = -kInf;
  for (const Point& p : gasket->points) gasket_right = std::fmax(gasket_right, p.x);
  EXPECT_NEAR(gasket_right - 7.0, 5.0, 1e-12);  // one gasket width beyond the edge
  EXPECT_EQ(Find(f, Part::Tape), nullptr);      // no tape in the worked design

  const Dimension* gap = DimensionOf(f, Box::txtGasketThickness);
  const Dimension* remaining = DimensionOf(f, Box::txtModifiedGasketThickness);
  ASSERT_TRUE(gap && remaining);
  EXPECT_EQ(Distance(gap->from, gap->to), 2.8284270763397217);
  EXPECT_EQ(Distance(remaining->from, remaining->to), 2.8284270763397217);
  EXPECT_EQ(DimensionOf(f, Box::txtTapeThickness), nullptr);
}

TEST(GapSection, TapeLeavesTheModifiedThicknessAndAThickerTapeIsAFlaw) {
  struct Case {
    float tape;
    bool flawed;
    bool gasket;
  };
  for (const Case c : {Case{0.1f, false, true}, Case{3.0f, true, false}}) {
    SCOPED_TRACE(c.tape);
    CalcState s = WorkedDesign();
    s.TapeThickness = c.tape;
    ASSERT_EQ(PaperCalc(s), Fault::None);
    const Figure f = GapSection(s);
    ASSERT_TRUE(f.Drawable()) << f.unavailable;
    const Outline* tape = Find(f, Part::Tape);
    ASSERT_TRUE(tape);
    EXPECT_EQ(tape->flawed, c.flawed);
    EXPECT_EQ(Find(f, Part::Gasket) != nullptr, c.gasket);
    const Dimension* t = DimensionOf(f, Box::txtTapeThickness);
    ASSERT_TRUE(t);
    EXPECT_NEAR(Distance(t->from, t->to), c.tape, 1e-7);
    ASSERT_EQ(f.flaws.size(), c.flawed ? 1u : 0u);
    if (c.flawed) {
      EXPECT_EQ(f.flaws[0].name, "Tape thicker than the gap");
    }
  }
}

TEST(FaceView, HoleWiderThanTheInscribedCircleIsMarked) {
  CalcState s = WorkedDesign();
  s.HoleDiameter = 8.1f;  // the inscribed circle's diameter is 14/√3 = 8.083
  const Figure f = FaceView(s);
  ASSERT_TRUE(f.Drawable());
  ASSERT_EQ(f.flaws.size(), 1u);
  EXPECT_EQ(f.flaws[0].name, "Hole wider than the face's inscribed circle");
  EXPECT_TRUE(f.circles[0].flawed);
  s.HoleDiameter = 8.08f;
  EXPECT_TRUE(FaceView(s).flaws.empty());
}

// Past the face's corners (twice the inradius, 16.17 mm across for OEL 14) the hole covers the
// whole face: the sentence says so, and the face's outline is drawn again over the hole.
TEST(FaceView, HoleWiderThanTheWholeFaceIsSaidAndTheFaceStaysVisible) {
  CalcState s = WorkedDesign();
  const struct {
    float diameter;
    const char* flaw;
    bool face_on_top;
  } cases[] = {
      {16.2f, "Hole wider than the face: it covers the whole face", true},
      {16.1f, "Hole wider than the face's inscribed circle", true},
      {5.6f, nullptr, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.diameter);
    s.HoleDiameter = c.diameter;
    const Figure f = FaceView(s);
    ASSERT_TRUE(f.Drawable());
    ASSERT_EQ(f.flaws.size(), c.flaw ? 1u : 0u);
    if (c.flaw) {
      EXPECT_EQ(f.flaws[0].name, c.flaw);
    }
    const Outline* face = Find(f, Part::Face, 0);
    ASSERT_TRUE(face);
    EXPECT_EQ(face->over_circles, c.face_on_top);
  }
}

TEST(GasketStrips, WorkedDesignHasTrapezoidsOfTheStoredEdges) {
  const Figure f = GasketStrips(WorkedDesign());
  ASSERT_TRUE(f.Drawable()) << f.unavailable;
  struct Expected {
    double inner;
    double outer;
  };
  const Expected strips[] = {{10, 20}, {14, 24}};
  for (int i = 0; i < 2; ++i) {
    const Outline* strip = Find(f, Part::Strip, i);
    ASSERT_TRUE(strip);
    ASSERT_EQ(strip->points.size(), 4u);
    EXPECT_EQ(Distance(strip->points[0], strip->points[1]), strips[i].inner);
    EXPECT_EQ(Distance(strip->points[2], strip->points[3]), strips[i].outer);
    EXPECT_EQ(strip->points[0].y - strip->points[3].y, 5.0);
  }
  int widths = 0;
  for (const Dimension& d : f.dimensions) widths += d.label == Box::txtGasketWidth;
  EXPECT_EQ(widths, 2);
  EXPECT_EQ(f.dimensions.size(), 6u);
}

// Which figures a stored value stops, and the sentence they show instead.
struct DegenerateCase {
  const char* name;
  float CalcState::*field;
  float value;
  bool face, gap, strips;  // which figures cannot be drawn
  const char* reason;
};

const DegenerateCase kDegenerate[] = {
    {"ZeroOEL", &CalcState::OEL, 0, true, true, true,
     "Cannot be drawn: the octahedron edge length is zero."},
    {"NegativeOEL", &CalcState::OEL, -14, true, true, true,
     "Cannot be drawn: the octahedron edge length is negative."},
    {"NaNOEL", &CalcState::OEL, kNaN, true, true, true,
     "Cannot be drawn: the octahedron edge length is not a finite number."},
    {"InfiniteTEL", &CalcState::TEL, kInf, true, true, true,
     "Cannot be drawn: the truncation edge length is not a finite number."},
    {"TELEqualsOEL", &CalcState::TEL, 14, true, true, true,
     "Cannot be drawn: the truncation edge length is not shorter than the octahedron edge "
     "length."},
    {"TELAboveOEL", &CalcState::TEL, 20, true, true, true,
     "Cannot be drawn: the truncation edge length is not shorter than the octahedron edge "
     "length."},
    {"ZeroHole", &CalcState::HoleDiameter, 0, true, false, false,
     "Cannot be drawn: the hole diameter is zero."},
    {"ZeroGasketWidth", &CalcState::GasketWidth, 0, false, true, true,
     "Cannot be drawn: the gasket width is zero."},
    {"NegativeTape", &CalcState::TapeThickness, -0.1f, false, true, false,
     "Cannot be drawn: the tape thickness is negative."},
    {"NaNTape", &CalcState::TapeThickness, kNaN, false, true, false,
     "Cannot be drawn: the tape thickness is not a finite number."},
    {"StaleGap", &CalcState::GasketThickness, -1, false, true, false,
     "Cannot be drawn: the gasket thickness is negative."},
    {"OverflowedOuterEdge", &CalcState::OuterLongEdge, kInf, false, false, true,
     "Cannot be drawn: the gasket outer long edge is not a finite number."},
};

void PrintTo(const DegenerateCase& c, std::ostream* os) {
  *os << c.name;
}

class Degenerate : public testing::TestWithParam<DegenerateCase> {};

TEST_P(Degenerate, FiguresSayWhyInsteadOfDrawing) {
  const DegenerateCase& c = GetParam();
  CalcState s = WorkedDesign();
  s.*c.field = c.value;
  const std::pair<Figure, bool> figures[] = {
      {FaceView(s), c.face}, {GapSection(s), c.gap}, {GasketStrips(s), c.strips}};
  for (const auto& [figure, stopped] : figures) {
    SCOPED_TRACE(figure.title);
    EXPECT_EQ(figure.unavailable, stopped ? c.reason : "");
    if (stopped) {
      EXPECT_TRUE(figure.outlines.empty() && figure.dimensions.empty());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Figures, Degenerate, testing::ValuesIn(kDegenerate),
                         [](const auto& info) { return std::string(info.param.name); });

bool Finite(Point p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// Every value a float can hold, in every field a figure reads: each figure either says why it
// cannot be drawn or is finite throughout with a positive extent.
TEST(Figures, AnyStoredValueGivesAReasonOrAFiniteFigure) {
  const float values[] = {0.0f,   -0.0f, 1e-45f, 1e-30f,
                          0.001f, 1e6f,  1e30f,  std::numeric_limits<float>::max(),
                          -kInf,  kInf,  kNaN};
  float CalcState::*const fields[] = {&CalcState::OEL,
                                      &CalcState::TEL,
                                      &CalcState::HoleDiameter,
                                      &CalcState::GasketThickness,
                                      &CalcState::GasketWidth,
                                      &CalcState::TapeThickness,
                                      &CalcState::InnerShortEdge,
                                      &CalcState::InnerLongEdge,
                                      &CalcState::OuterShortEdge,
                                      &CalcState::OuterLongEdge};
  for (float CalcState::*field : fields) {
    for (const float v : values) {
      CalcState s = WorkedDesign();
      s.*field = v;
      for (const auto& build : {FaceView, GapSection, GasketStrips}) {
        const Figure f = build(s);
        if (!f.Drawable()) continue;
        EXPECT_TRUE(f.bounds.Width() > 0 && f.bounds.Height() > 0 &&
                    std::isfinite(f.bounds.Width()) && std::isfinite(f.bounds.Height()))
            << f.title << " with " << v;
        for (const Outline& o : f.outlines) {
          for (const Point& p : o.points) EXPECT_TRUE(Finite(p)) << f.title << " with " << v;
        }
        for (const Dimension& d : f.dimensions) {
          EXPECT_TRUE(Finite(d.from) && Finite(d.to) && Finite(d.base)) << f.title;
        }
      }
    }
  }
}

}  // namespace
}  // namespace ostrel::figures
