// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "present/box_forms.h"

#include <cmath>

#include "core/fp_status.h"
#include "present/text_forms.h"

namespace ostrel {
namespace {

// Rounds half to even; anything outside the 32-bit range, NaN included, is no integer. The range
// is tested before the conversion, which would itself raise an invalid operation.
bool RoundToInt32(double t, std::int32_t& n) {
  const double r = std::nearbyint(t);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) return false;
  n = static_cast<std::int32_t>(r);
  return true;
}

}  // namespace

BoxValue PlainForm(double field, double factor, std::string_view separator) {
  const float v = fp::Keep(static_cast<float>(field * factor));
  if (const Fault f = fp::Check(); f != Fault::None) return {f, {}};
  return {Fault::None, SingleText(v, separator)};
}

BoxValue ScaledForm(double field, double factor, std::int32_t scale, std::string_view separator) {
  const double t = fp::Keep(field * factor * scale);
  if (const Fault f = fp::Check(); f != Fault::None) return {f, {}};
  std::int32_t n = 0;
  if (!RoundToInt32(t, n)) return {Fault::Overflow, {}};
  const float m = static_cast<float>(n);
  const double q = fp::Keep(double{m} / scale);
  if (const Fault f = fp::Check(); f != Fault::None) return {f, {}};
  return {Fault::None, DoubleText(q, separator)};
}

BoxValue SteppedForm(double field, float step, std::string_view separator) {
  const double t = fp::Keep(field * step);
  if (const Fault f = fp::Check(); f != Fault::None) return {f, {}};
  std::int32_t n = 0;
  if (!RoundToInt32(t, n)) return {Fault::Overflow, {}};
  const float m = static_cast<float>(n);
  const float q = fp::Keep(static_cast<float>(double{m} / step));
  if (const Fault f = fp::Check(); f != Fault::None) return {f, {}};
  return {Fault::None, SingleText(q, separator)};
}

}  // namespace ostrel
