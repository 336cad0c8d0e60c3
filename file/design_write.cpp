// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include <cmath>
#include <string>

#include "design/exact_text.h"
#include "file/design_file.h"
#include "file/disk_file.h"
#include "file/message_text.h"
#include "file/unit_keys.h"
#include "file/utf8_text.h"
#include "present/box_labels.h"

namespace ostrel::file {
namespace {

std::string NotFinite(float v) {
  if (std::isnan(v)) return "is not a number";
  return "is infinite (it overflowed)";
}

// A JSON string literal of UTF-8 text: quotes, backslashes and control characters escaped, and
// U+FEFF too, so that a label that starts with it is never taken for a byte-order mark.
void AppendString(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  static constexpr std::string_view kZeroWidthNoBreakSpace = "\xEF\xBB\xBF";
  out += '"';
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto u = static_cast<unsigned char>(c);
    if (text.compare(i, kZeroWidthNoBreakSpace.size(), kZeroWidthNoBreakSpace) == 0) {
      out += "\\ufeff";
      i += kZeroWidthNoBreakSpace.size() - 1;
    } else if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (u < 0x20) {
      out += "\\u00";
      out += kHex[u >> 4];
      out += kHex[u & 15];
    } else {
      out += c;
    }
  }
  out += '"';
}

}  // namespace

std::string UnsavableReason(const Design& design) {
  for (int i = 0; i < kDesignInputCount; ++i) {
    const float v = design.inputs[i];
    if (std::isfinite(v)) continue;
    return std::string(LabelOf(kDesignInputs[i].box).quantity) + " (" + kDesignInputs[i].key +
           ") " + NotFinite(v) + ", so the design cannot be saved";
  }
  for (const UnitKey& group : kUnitKeys) {
    const int index = design.units.*group.index;
    if (index < 0 || index >= group.count)
      return std::string("the ") + group.key + " unit (option " + std::to_string(index) +
             ") is not one of the options";
  }
  const auto& points = design.calibration;
  if (points.size() > static_cast<std::size_t>(kMaxCalibrationPoints))
    return "the calibration has " + std::to_string(points.size()) + " points, more than the " +
           std::to_string(kMaxCalibrationPoints) + " a design may hold";
  for (std::size_t i = 0; i < points.size(); ++i) {
    const CalibrationPoint& p = points[i];
    const std::string name = "calibration point " + std::to_string(i + 1);
    if (!std::isfinite(p.force)) return "the force of " + name + " " + NotFinite(p.force);
    if (!std::isfinite(p.pressure)) return "the pressure of " + name + " " + NotFinite(p.pressure);
    if (!IsUtf8(p.label)) return "the label of " + name + " is not valid UTF-8 text";
    if (const std::size_t n = CharacterCount(p.label);
        n > static_cast<std::size_t>(kMaxLabelCharacters))
      return "the label of " + name + " has " + std::to_string(n) + " characters, more than " +
             std::to_string(kMaxLabelCharacters);
  }
  return {};
}

std::string DesignJson(const Design& design) {
  std::string out;
  out.reserve(512 + design.calibration.size() * 96);
  out += "{\n  \"format\": ";
  AppendString(out, kFormatName);
  out += ",\n  \"version\": " + std::to_string(kFormatVersion) + ",\n  \"units\": { ";
  for (const UnitKey& group : kUnitKeys) {
    if (&group != kUnitKeys) out += ", ";
    AppendString(out, group.key);
    out += ": ";
    const int index = design.units.*group.index;
    AppendString(out, index >= 0 && index < group.count ? group.options[index].caption : "");
  }
  out += " },\n  \"design\": {\n";
  for (int i = 0; i < kDesignInputCount; ++i) {
    out += "    ";
    AppendString(out, kDesignInputs[i].key);
    out += ": ";
    out += ExactText(design.inputs[i]);
    out += i + 1 < kDesignInputCount ? ",\n" : "\n";
  }
  out += "  }";
  if (!design.calibration.empty()) {
    out += ",\n  \"calibration\": {\n    \"points\": [\n";
    for (std::size_t i = 0; i < design.calibration.size(); ++i) {
      const CalibrationPoint& p = design.calibration[i];
      out += "      { \"force\": ";
      out += ExactText(p.force);
      out += ", \"pressure\": ";
      out += ExactText(p.pressure);
      out += ", \"label\": ";
      AppendString(out, p.label);
      out += i + 1 < design.calibration.size() ? " },\n" : " }\n";
    }
    out += "    ]\n  }";
  }
  out += "\n}\n";
  return out;
}

bool WriteDesignFile(const std::string& path, const Design& design, std::string* error,
                     FileStamp* stamp) {
  const auto fail = [&](const std::string& why) {
    if (error != nullptr) *error = "Cannot save " + QuotedName(FileNameOf(path)) + ": " + why + ".";
    return false;
  };
  if (const std::string reason = UnsavableReason(design); !reason.empty()) return fail(reason);
  const FileWrite written = WriteFileAtomically(path, DesignJson(design));
  if (!written.ok) return fail(written.problem);
  if (stamp != nullptr) *stamp = written.stamp;
  return true;
}

}  // namespace ostrel::file
