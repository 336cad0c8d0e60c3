// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "present/fault_detail.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <vector>

#include "present/box_labels.h"

namespace ostrel {
namespace {

// A section of the window: what a report calls it and the input boxes of its Calc button.
struct Section {
  const char* name;
  Box inputs[2];
  int input_count;
};

constexpr Section kSections[] = {
    {"section 1", {Box::txtOEL, Box::txtTEL}, 2},
    {"section 2", {Box::txtGasketWidth, {}}, 1},
    {"section 3", {Box::txtHoleDiameter, {}}, 1},
    {"section 4", {Box::txtTCCentralDepth, Box::txtTCEdgePosition}, 2},
    {"section 5", {Box::txtCubeSize, Box::txtTapeThickness}, 2},
    {"the Pressure section", {Box::txtRamDiameter, Box::txtOilPressure}, 2},
};

// The section whose Calc button stores each box's field, by Box. The hole length sits in the
// hole's frame but is computed from the octahedron; the press results follow the ram and oil
// pressure, which every refresh computes from.
constexpr int kSectionOf[kBoxCount] = {
    0, 0, 1, 2, 3, 3, 4, 4,  // the eight inputs of sections 1 to 5
    0, 0, 0, 0, 0, 0,        // gasket thickness .. octahedron waist
    1, 1, 1,                 // outer edges, gasket volume
    2,                       // hole volume
    3, 3,                    // spread and rake angles
    4, 4, 4,                 // paper hole, paper width, modified gasket thickness
    5, 5, 5, 5,              // ram diameter, oil pressure, force, theoretical pressure
};

constexpr bool InputsInTheirSections() {
  for (int i = 0; i < static_cast<int>(std::size(kSections)); ++i) {
    const Section& section = kSections[i];
    for (int k = 0; k < section.input_count; ++k) {
      if (kSectionOf[static_cast<int>(section.inputs[k])] != i) return false;
    }
  }
  return true;
}
static_assert(InputsInTheirSections(), "every section's inputs belong to it");

// The window's labels abbreviate two quantities; a report gives both forms.
struct Abbreviation {
  Box box;
  const char* label;
};
constexpr Abbreviation kAbbreviations[] = {{Box::txtOEL, "OEL"}, {Box::txtTEL, "TEL"}};

const Section& SectionOf(Box box) {
  return kSections[kSectionOf[static_cast<int>(box)]];
}

bool IsInput(Box box) {
  for (const Section& section : kSections) {
    for (int k = 0; k < section.input_count; ++k) {
      if (section.inputs[k] == box) return true;
    }
  }
  return false;
}

// The box to change for a value that went wrong: an input itself, for a result the first input
// of the section that computes it.
Box BoxToChange(Box box) {
  return IsInput(box) ? box : SectionOf(box).inputs[0];
}

// "Change an input of section 3." or, for an input, "Change it in section 3." (the Pressure
// section's inputs are the only ones it has, so "Change it." is enough there).
std::string ChangeAdvice(Box box) {
  const Section& section = SectionOf(box);
  if (IsInput(box)) return std::string("Change it in ") + section.name + ".";
  return std::string("Change an input of ") + section.name + ".";
}

// An input box that cannot show its own value: the value itself is to change.
std::string DisplayAdvice(Box box) {
  return IsInput(box) ? "Change it." : ChangeAdvice(box);
}

// The text as typed, on one line and at most kQuotedTextLength characters (UTF-8 sequences are
// counted as one and never cut).
std::string Quoted(const std::string& text) {
  std::string line;
  int characters = 0;
  bool shortened = false;
  for (std::size_t i = 0; i < text.size();) {
    std::size_t length = 1;
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead >= 0xF0) {
      length = 4;
    } else if (lead >= 0xE0) {
      length = 3;
    } else if (lead >= 0xC0) {
      length = 2;
    }
    if (characters == kQuotedTextLength - 1 && text.size() - i > length) {
      shortened = true;
      break;
    }
    if (lead < 0x20 || lead == 0x7F) {
      line += ' ';
    } else {
      line += text.substr(i, length);
    }
    ++characters;
    i += length;
  }
  if (shortened) line += "\u2026";
  return "\"" + line + "\"";
}

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(" \t") == std::string::npos;
}

// Three significant digits in scientific notation with the user's separator: "9.03e+10".
std::string Scientific(double value, std::string_view separator) {
  if (std::isnan(value)) return "not a number";
  if (std::isinf(value)) return value > 0 ? "infinite" : "negative infinite";
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2e", value);
  std::string text = buffer;
  const std::size_t e = text.find('e');
  std::string mantissa = text.substr(0, e);
  while (mantissa.back() == '0') mantissa.pop_back();
  if (mantissa.back() == '.') mantissa.pop_back();
  const std::size_t point = mantissa.find('.');
  if (point != std::string::npos) mantissa.replace(point, 1, separator);
  return mantissa + text.substr(e);
}

// What is wrong with a value a step read, or nothing where it is fine.
std::string Problem(const FaultOperand& operand) {
  if (std::isnan(operand.value)) return "is not a number";
  if (std::isinf(operand.value)) return "is infinite";
  if (operand.divisor && operand.value == 0) return "is 0";
  return {};
}

FaultDetail Reading(Fault fault, const FaultLocation& where, std::string_view separator) {
  const std::string example = "Use a number such as 14 or 2" + std::string(separator) + "5.";
  const std::string name = ReportName(where.box);
  std::string text;
  if (fault == Fault::TypeMismatch && IsBlank(where.text)) {
    text = name + " is empty. " + example;
  } else if (fault == Fault::TypeMismatch) {
    text = name + ": " + Quoted(where.text) + " is not a number. " + example;
  } else {
    text = name + ": " + Quoted(where.text) + " is too large a number. " + example;
  }
  return {text, where.box, true};
}

// A step may read inputs of other sections than the one that computes it (the spread angle reads
// OEL): those are named with the section's, as changing them mends the fault as well.
FaultDetail Calculation(const FaultLocation& where) {
  std::string text = "While computing " + ReportName(where.box);
  for (const FaultOperand& operand : where.operands) {
    const std::string problem = Problem(operand);
    if (problem.empty()) continue;
    text += ": " + ReportName(operand.box) + " " + problem + ". " + ChangeAdvice(operand.box);
    return {text, BoxToChange(operand.box), true};
  }
  const Section& section = SectionOf(where.box);
  std::vector<std::string> choices = {std::string("an input of ") + section.name};
  for (const FaultOperand& operand : where.operands) {
    if (IsInput(operand.box) && &SectionOf(operand.box) != &section) {
      choices.push_back(ReportName(operand.box));
    }
  }
  text += ". Change ";
  for (std::size_t i = 0; i < choices.size(); ++i) {
    if (i > 0) text += i + 1 == choices.size() ? " or " : ", ";
    text += choices[i];
  }
  text += ".";
  return {text, BoxToChange(where.box), true};
}

FaultDetail Display(const FaultLocation& where, std::string_view separator) {
  const BoxLabel& label = LabelOf(where.box);
  const std::string unit = UnitText(label.kind, where.units);
  std::string text = label.quantity;
  if (unit.empty()) {
    text += " cannot be shown: no unit is selected for it.";
  } else if (!std::isfinite(where.value)) {
    text += " is " + Scientific(where.value, separator) + " and cannot be shown. " +
            DisplayAdvice(where.box);
  } else {
    text += ": " + Scientific(where.value, separator) + " " + unit +
            " is more than the box can show. " + DisplayAdvice(where.box);
  }
  return {text, BoxToChange(where.box), true};
}

}  // namespace

std::string ReportName(Box box) {
  std::string name = LabelOf(box).quantity;
  for (const Abbreviation& a : kAbbreviations) {
    if (a.box == box) name += std::string(" (") + a.label + ")";
  }
  return name;
}

FaultDetail DescribeFault(Fault fault, const FaultLocation& where, std::string_view separator) {
  if (fault == Fault::None) return {};
  switch (where.place) {
    case FaultPlace::Reading:
      return Reading(fault, where, separator);
    case FaultPlace::Calculation:
      return Calculation(where);
    case FaultPlace::Display:
      return Display(where, separator);
    case FaultPlace::None:
      break;
  }
  return {};
}

}  // namespace ostrel
