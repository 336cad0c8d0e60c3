// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>

#include "calibration/oil_pressure.h"
#include "core/calc.h"

namespace ostrel {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

float ForceOf(float oil, float ram) {
  CalcState s;
  s.RamDiameter = ram;
  s.OilPressure = oil;
  EXPECT_EQ(ForceStep(s), Fault::None);
  return s.Force;
}

// Units in the last place between two positive floats.
std::int64_t UlpsApart(float a, float b) {
  std::int32_t ia = 0;
  std::int32_t ib = 0;
  std::memcpy(&ia, &a, sizeof a);
  std::memcpy(&ib, &b, sizeof b);
  return std::llabs(static_cast<std::int64_t>(ia) - ib);
}

// Every force a press can make from a float oil pressure comes back exactly: the oil pressure
// found, stored and run through the force step gives the force bit for bit.
TEST(OilPressureTest, ForceStepGivesTheForceBackExactly) {
  std::mt19937 random(12);
  std::uniform_real_distribution<float> log_oil(-2, 3);  // 0.01 to 1000 MPa
  const float rams[] = {kPressPresets[0], kPressPresets[1], kPressPresets[3], 25.4f, 1000.5f};
  int tried = 0;
  for (const float ram : rams) {
    for (int i = 0; i < 40000; ++i) {
      const float oil = std::pow(10.0f, log_oil(random));
      const float force = ForceOf(oil, ram);
      const CurveValue found = OilPressureFor(force, ram);
      ASSERT_TRUE(found.ok()) << found.reason;
      ASSERT_EQ(ForceOf(found.value, ram), force) << "ram " << ram << " oil " << oil;
      ++tried;
    }
  }
  EXPECT_EQ(tried, 200000);
}

// Any force at all, reachable or not, comes back within one step of the float, and no
// neighbouring oil pressure comes closer.
TEST(OilPressureTest, AnyForceComesBackToTheFloatsPrecision) {
  std::mt19937 random(34);
  std::uniform_real_distribution<float> log_force(-1, 5);  // 0.1 kN to 100 MN
  for (const float ram : {kPressPresets[0], kPressPresets[3], 50.0f}) {
    for (int i = 0; i < 40000; ++i) {
      const float force = std::pow(10.0f, log_force(random));
      const CurveValue found = OilPressureFor(force, ram);
      ASSERT_TRUE(found.ok()) << found.reason;
      const float back = ForceOf(found.value, ram);
      ASSERT_LE(UlpsApart(back, force), 1) << "ram " << ram << " force " << force;
      float below = found.value;
      float above = found.value;
      for (int step = 0; step < 3; ++step) {
        below = std::nextafter(below, 0.0f);
        above = std::nextafter(above, kInf);
        ASSERT_GE(std::fabs(double{ForceOf(below, ram)} - force), std::fabs(double{back} - force));
        ASSERT_GE(std::fabs(double{ForceOf(above, ram)} - force), std::fabs(double{back} - force));
      }
    }
  }
}

// Forces at a power of two, where the force's step below is half the step above: there the
// float nearest the exact quotient comes back one step short of the force, and the next oil
// pressure up gives it exactly.
TEST(OilPressureTest, ForceMissedByTheNearestFloatIsHitByItsNeighbour) {
  struct Case {
    const char* name;
    float ram;
    float force;
    float oil;
  };
  const Case cases[] = {
      {"second preset, 1024 kN", kPressPresets[1], 1024, 6.2372818f},
      {"second preset, 0.125 kN", kPressPresets[1], 0.125f, 0.000761386938f},
      {"fourth preset, 1024 kN", kPressPresets[3], 1024, 9.52372074f},
      {"fourth preset, 16384 kN", kPressPresets[3], 16384, 152.379532f},
      {"first preset, 1000 kN (the nearest float hits)", kPressPresets[0], 1000, 6.82877254f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const CurveValue found = OilPressureFor(c.force, c.ram);
    ASSERT_TRUE(found.ok()) << found.reason;
    EXPECT_EQ(found.value, c.oil);
    EXPECT_EQ(ForceOf(found.value, c.ram), c.force);
  }
}

TEST(OilPressureTest, RefusesWhatHasNoPositiveFiniteOilPressure) {
  struct Refusal {
    const char* name;
    float force, ram;
    const char* reason;
  };
  const Refusal cases[] = {
      {"zero ram", 1000, 0, "the ram diameter is not a positive number"},
      {"negative ram", 1000, -431.8f, "the ram diameter is not a positive number"},
      {"NaN ram", 1000, kNaN, "the ram diameter is not a positive number"},
      {"infinite ram", 1000, kInf, "the ram diameter is not a positive number"},
      {"zero force", 0, 431.8f, "the force is not a positive number"},
      {"negative force", -5, 431.8f, "the force is not a positive number"},
      {"NaN force", kNaN, 431.8f, "the force is not a positive number"},
      {"infinite force", kInf, 431.8f, "the force is not a positive number"},
      {"negative zero force", -0.0f, 431.8f, "the force is not a positive number"},
      {"minus infinite force", -kInf, 431.8f, "the force is not a positive number"},
      {"negative zero ram", 1000, -0.0f, "the ram diameter is not a positive number"},
      {"minus infinite ram", 1000, -kInf, "the ram diameter is not a positive number"},
      {"oil beyond float", 3e38f, 1e-3f, "the oil pressure would be beyond the range of numbers"},
      {"oil below float", 1e-40f, 1e6f, "the oil pressure would be too small to hold"},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.name);
    const CurveValue v = OilPressureFor(c.force, c.ram);
    EXPECT_FALSE(v.ok());
    EXPECT_EQ(v.reason, c.reason);
    EXPECT_EQ(v.value, 0.0f);
  }
}

}  // namespace
}  // namespace ostrel
