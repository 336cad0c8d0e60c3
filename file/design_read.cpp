// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "design/exact_text.h"
#include "file/design_file.h"
#include "file/json_numbers.h"
#include "file/json_parser.h"
#include "file/message_text.h"
#include "file/unit_keys.h"
#include "file/utf8_text.h"

namespace ostrel::file {
namespace {

using Kind = JsonValue::Kind;

// What a JSON value is, for a message that says what was found instead.
std::string KindOf(const JsonValue* v) {
  if (v == nullptr) return "nothing";
  switch (v->kind) {
    case Kind::Null:
      return "null";
    case Kind::True:
      return "true";
    case Kind::False:
      return "false";
    case Kind::Number:
      return "a number";
    case Kind::String:
      return "the text " + Quoted(v->text);
    case Kind::Array:
      return "an array";
    case Kind::Object:
      return "an object";
  }
  return "nothing";
}

std::string NotA(const std::string& where, const JsonValue* v, const char* wanted) {
  return where + " is " + KindOf(v) + ", not " + wanted;
}

std::string MissingFrom(const char* key, const std::string& container) {
  return Quoted(key) + " is missing from " + container;
}

std::string In(const char* key, const std::string& container) {
  return Quoted(key) + " in " + container;
}

// A JSON number's exact value against the file format version, from its digits: no rounding, so
// 0.99999999999999999999 is no whole number and 1.00000000000000000001 no version 1.
struct VersionValue {
  bool whole = false;
  int order = 0;  // -1, 0 or 1: below, at or above kFormatVersion (which is 1)
};

VersionValue ExactVersion(std::string_view t) {
  static_assert(kFormatVersion == 1, "the comparison below is with 1");
  std::size_t i = 0;
  const bool negative = t[0] == '-';
  if (negative) ++i;
  std::string digits;
  std::int64_t scale = 0;  // value = digits * 10^scale
  for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) digits += t[i];
  if (i < t.size() && t[i] == '.') {
    for (++i; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i, --scale) digits += t[i];
  }
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    const bool minus = t[i] == '-';
    if (t[i] == '+' || t[i] == '-') ++i;
    constexpr std::int64_t kExponentCap = 1000000000000000;  // far beyond any digit count
    std::int64_t exponent = 0;
    for (; i < t.size(); ++i)
      exponent = std::min<std::int64_t>(exponent * 10 + (t[i] - '0'), kExponentCap);
    scale += minus ? -exponent : exponent;
  }
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  if (digits.empty()) return {true, -1};  // zero
  while (digits.back() == '0') {
    digits.pop_back();
    ++scale;
  }
  VersionValue v;
  v.whole = scale >= 0;
  const std::int64_t integer_digits = static_cast<std::int64_t>(digits.size()) + scale;
  if (negative || integer_digits < 1) {
    v.order = -1;
  } else {
    v.order = digits == "1" && scale == 0 ? 0 : 1;
  }
  return v;
}

// Reads the parts of a parsed document; every Read* returns the problem, empty when there is none.
class DocumentReader {
 public:
  static std::string Read(const JsonValue& root, Design& design) {
    if (std::string p = ReadFormat(root); !p.empty()) return p;
    if (std::string p = ReadVersion(root.Member("version")); !p.empty()) return p;
    const JsonValue* units = nullptr;
    if (std::string p = Section(root, "units", units); !p.empty()) return p;
    if (std::string p = ReadUnits(*units, design.units); !p.empty()) return p;
    const JsonValue* inputs = nullptr;
    if (std::string p = Section(root, "design", inputs); !p.empty()) return p;
    const std::string section = Quoted("design");
    for (int i = 0; i < kDesignInputCount; ++i) {
      if (std::string p = ReadFloat(*inputs, kDesignInputs[i].key, section, design.inputs[i]);
          !p.empty())
        return p;
    }
    return ReadCalibration(root.Member("calibration"), design.calibration);
  }

 private:
  static std::string ReadFormat(const JsonValue& root) {
    const JsonValue* v = root.Member("format");
    const std::string suffix = ": this is not an Ostrel design file";
    if (v == nullptr) return Quoted("format") + " is missing" + suffix;
    if (v->kind != Kind::String || v->text != kFormatName)
      return Quoted("format") + " is " + KindOf(v) + ", not " + Quoted(kFormatName) + suffix;
    return {};
  }

  static std::string ReadVersion(const JsonValue* v) {
    if (v == nullptr) return Quoted("version") + " is missing";
    if (v->kind != Kind::Number) return NotA(Quoted("version"), v, "a whole number");
    const VersionValue version = ExactVersion(v->text);
    const std::string shown = ShortText(v->text);
    if (!version.whole) return Quoted("version") + " is " + shown + ", not a whole number";
    const std::string reads = "this Ostrel reads version " + std::to_string(kFormatVersion) + ")";
    if (version.order > 0)
      return "it was made by a newer Ostrel (file format version " + shown + "; " + reads;
    if (version.order < 0) return "the file format version " + shown + " is unknown (" + reads;
    return {};
  }

  static std::string Section(const JsonValue& root, const char* key, const JsonValue*& out) {
    const JsonValue* v = root.Member(key);
    if (v == nullptr) return "the section " + Quoted(key) + " is missing";
    if (v->kind != Kind::Object) return NotA("the section " + Quoted(key), v, "an object");
    out = v;
    return {};
  }

  static std::string ReadUnits(const JsonValue& units, DesignUnits& out) {
    const std::string container = Quoted("units");
    for (const UnitKey& group : kUnitKeys) {
      const JsonValue* v = units.Member(group.key);
      if (v == nullptr) return MissingFrom(group.key, container);
      if (v->kind != Kind::String) return NotA(In(group.key, container), v, "a unit name");
      int found = -1;
      std::string captions;
      for (int i = 0; i < group.count; ++i) {
        if (v->text == group.options[i].caption) found = i;
        if (i > 0) captions += ", ";
        captions += Quoted(group.options[i].caption);
      }
      if (found < 0)
        return In(group.key, container) + " is " + Quoted(v->text) + ", not one of " + captions;
      out.*group.index = found;
    }
    return {};
  }

  static std::string ReadFloat(const JsonValue& object, const char* key,
                               const std::string& container, float& out) {
    const JsonValue* v = object.Member(key);
    if (v == nullptr) return MissingFrom(key, container);
    if (v->kind != Kind::Number) return NotA(In(key, container), v, "a number");
    const ReadResult r = ReadExact(v->text);
    if (r.fault != Fault::None)
      return In(key, container) + " is " + ShortText(v->text) +
             ", beyond the range of 32-bit floats (about \u00b13.4e38)";
    out = r.value;
    return {};
  }

  static std::string ReadCalibration(const JsonValue* v, std::vector<CalibrationPoint>& out) {
    if (v == nullptr) return {};  // a design without a calibration
    const std::string container = Quoted("calibration");
    if (v->kind != Kind::Object) return NotA("the section " + container, v, "an object");
    const JsonValue* points = v->Member("points");
    if (points == nullptr) return MissingFrom("points", container);
    if (points->kind != Kind::Array) return NotA(In("points", container), points, "an array");
    const std::vector<JsonValue>& array = points->items;
    if (array.size() > static_cast<std::size_t>(kMaxCalibrationPoints))
      return container + " has " + std::to_string(array.size()) + " points, more than the " +
             std::to_string(kMaxCalibrationPoints) + " a design may hold";
    out.reserve(array.size());
    for (std::size_t i = 0; i < array.size(); ++i) {
      const std::string name = "calibration point " + std::to_string(i + 1);
      const JsonValue& point = array[i];
      if (point.kind != Kind::Object) return NotA(name, &point, "an object");
      CalibrationPoint p;
      if (std::string e = ReadFloat(point, "force", name, p.force); !e.empty()) return e;
      if (std::string e = ReadFloat(point, "pressure", name, p.pressure); !e.empty()) return e;
      if (std::string e = ReadLabel(point, name, p.label); !e.empty()) return e;
      out.push_back(std::move(p));
    }
    return {};
  }

  static std::string ReadLabel(const JsonValue& point, const std::string& container,
                               std::string& out) {
    const JsonValue* v = point.Member("label");
    if (v == nullptr) return MissingFrom("label", container);
    if (v->kind != Kind::String) return NotA(In("label", container), v, "a text");
    if (const std::size_t n = CharacterCount(v->text);
        n > static_cast<std::size_t>(kMaxLabelCharacters))
      return In("label", container) + " has " + std::to_string(n) + " characters, more than " +
             std::to_string(kMaxLabelCharacters);
    out = v->text;
    return {};
  }
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsJsonBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

DesignRead Refused(std::string_view file_name, const std::string& problem) {
  return {std::nullopt, "Cannot open " + QuotedName(file_name) + ": " + problem + ".", {}};
}

std::string TooLarge(std::int64_t size) {
  return "it is " + std::to_string(size) +
         " bytes long, larger than the 1 MiB a design file may be";
}

// A file in UTF-16 or UTF-32 (with or without a byte-order mark), told by where its NUL bytes
// are: JSON in UTF-8 has none outside its strings, and its first two characters are ASCII.
const char* WideEncoding(std::string_view b) {
  const auto at = [&b](std::size_t i) { return static_cast<unsigned char>(b[i]); };
  if (b.size() >= 4 && at(0) == 0xFF && at(1) == 0xFE && at(2) == 0 && at(3) == 0)
    return "UTF-32 (little-endian)";
  if (b.size() >= 4 && at(0) == 0 && at(1) == 0 && at(2) == 0xFE && at(3) == 0xFF)
    return "UTF-32 (big-endian)";
  if (b.size() >= 2 && at(0) == 0xFF && at(1) == 0xFE) return "UTF-16 (little-endian)";
  if (b.size() >= 2 && at(0) == 0xFE && at(1) == 0xFF) return "UTF-16 (big-endian)";
  if (b.size() >= 4 && at(0) != 0 && at(1) == 0 && at(2) == 0 && at(3) == 0)
    return "UTF-32 (little-endian)";
  if (b.size() >= 4 && at(0) == 0 && at(1) == 0 && at(2) == 0 && at(3) != 0)
    return "UTF-32 (big-endian)";
  if (b.size() >= 2 && at(0) != 0 && at(1) == 0) return "UTF-16 (little-endian)";
  if (b.size() >= 2 && at(0) == 0 && at(1) != 0) return "UTF-16 (big-endian)";
  return nullptr;
}

}  // namespace

DesignRead ParseDesign(std::string_view bytes, std::string_view file_name) {
  if (static_cast<std::int64_t>(bytes.size()) > kMaxFileBytes)
    return Refused(file_name, TooLarge(static_cast<std::int64_t>(bytes.size())));
  if (const char* encoding = WideEncoding(bytes))
    return Refused(file_name, std::string("it is ") + encoding + " text; save it as UTF-8");
  std::string_view text = bytes;
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) text.remove_prefix(3);
  if (std::all_of(text.cbegin(), text.cend(), IsJsonBlank))
    return Refused(file_name, "the file is empty");

  const JsonParse parsed = ParseJson(text);
  if (!parsed.value) {
    const TextPosition at = PositionOf(text, parsed.offset);
    return Refused(file_name, "line " + std::to_string(at.line) + ", column " +
                                  std::to_string(at.column) + ": the JSON is not valid (" +
                                  parsed.error + ")");
  }
  if (parsed.value->kind == Kind::Array)
    return Refused(file_name, "it holds a JSON array, not an object");
  if (parsed.value->kind != Kind::Object)
    return Refused(file_name, "its JSON is a single value, not an object");

  Design design;
  if (std::string p = DocumentReader::Read(*parsed.value, design); !p.empty())
    return Refused(file_name, p);
  return {std::move(design), {}, {}};
}

DesignRead ReadDesignFile(const std::string& path) {
  const std::string name = FileNameOf(path);
  FileBytes file = ReadRegularFile(path, kMaxFileBytes);
  if (file.too_large >= 0) return Refused(name, TooLarge(file.too_large));
  if (!file.bytes) return Refused(name, file.problem);
  if (file.bytes->empty()) return Refused(name, "the file is empty");
  DesignRead read = ParseDesign(*file.bytes, name);
  read.stamp = file.stamp;
  return read;
}

}  // namespace ostrel::file
