// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// The design file reader and writer against any bytes.
//  - Any bytes as a file: either a design and no message, or no design and one message that
//    names the file. A design read is savable, and written and read again it is the same design
//    bit for bit, and written again the same text.
//  - Bytes that start with 0x01 are a design themselves (ten floats' bits, units, calibration
//    points with any label bytes): either UnsavableReason says why it cannot be saved, or its
//    text reads back as the same design bit for bit.
//  - For every file accepted, each stored float is what its number reads as, taken from the
//    file's bytes as written: the whole run of number characters at the place the JSON reader
//    names (nothing of a number before it), read straight to a float.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "design/design.h"
#include "design/exact_text.h"
#include "file/design_file.h"
#include "file/json_numbers.h"
#include "file/json_parser.h"

namespace {

using ostrel::Design;
using ostrel::file::DesignJson;
using ostrel::file::DesignRead;
using ostrel::file::ParseDesign;
using ostrel::file::UnsavableReason;

using ostrel::file::JsonValue;

constexpr const char* kName = "fuzz.ostrel";

[[noreturn]] void Fail(const char* what, const std::string& text, const std::string& message = {}) {
  std::fprintf(stderr, "design_file_fuzz: %s\n  message: %s\n  text (%zu bytes): %.2000s\n", what,
               message.c_str(), text.size(), text.c_str());
  std::abort();
}

void CheckWrittenReadsBack(const Design& design, const std::string& origin) {
  const std::string json = DesignJson(design);
  const DesignRead again = ParseDesign(json, kName);
  if (!again.design) Fail("a written design is refused", json, again.error);
  if (!ostrel::SameDesign(*again.design, design))
    Fail("a written design reads back as another", json);
  if (DesignJson(*again.design) != json) Fail("written twice, a design gives two texts", origin);
}

std::uint32_t Bits(float v) {
  std::uint32_t b;
  std::memcpy(&b, &v, sizeof b);
  return b;
}

// The number at `value` in the file's text, read from the text itself: the maximal run of
// number characters there, with none just before it, read straight to a float, is `stored`.
void CheckNumber(const std::string& text, const JsonValue* value, float stored,
                 const std::string& bytes) {
  if (value == nullptr || value->kind != JsonValue::Kind::Number)
    Fail("an accepted value is no number", bytes);
  const std::size_t at = value->offset;
  if (at > 0 && ostrel::file::IsNumberChar(text[at - 1]))
    Fail("a number read from the middle of a token", bytes, value->text);
  const std::string token = text.substr(at, ostrel::file::NumberTokenEnd(text, at) - at);
  if (!ostrel::file::IsJsonNumber(token)) Fail("a number outside JSON's grammar", bytes, token);
  const ostrel::ReadResult r = ostrel::ReadExact(token);
  if (r.fault != ostrel::Fault::None || Bits(r.value) != Bits(stored))
    Fail("a stored float is not what its text reads as", bytes, token);
}

void CheckNumbersAsWritten(const std::string& bytes, const Design& design) {
  // The reader's text: the byte-order mark, if any, is not part of it.
  const std::string text = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes;
  const ostrel::file::JsonParse parsed = ostrel::file::ParseJson(text);
  if (!parsed.value) Fail("an accepted file is not JSON", bytes, parsed.error);
  const JsonValue* inputs = parsed.value->Member("design");
  if (inputs == nullptr) Fail("an accepted file has no design", bytes);
  for (int i = 0; i < ostrel::kDesignInputCount; ++i)
    CheckNumber(text, inputs->Member(ostrel::kDesignInputs[i].key), design.inputs[i], bytes);
  const JsonValue* calibration = parsed.value->Member("calibration");
  if (calibration == nullptr) return;
  const JsonValue* points = calibration->Member("points");
  if (points == nullptr || points->items.size() != design.calibration.size())
    Fail("an accepted calibration has other points", bytes);
  for (std::size_t i = 0; i < design.calibration.size(); ++i) {
    CheckNumber(text, points->items[i].Member("force"), design.calibration[i].force, bytes);
    CheckNumber(text, points->items[i].Member("pressure"), design.calibration[i].pressure, bytes);
  }
}

void CheckFile(const std::string& bytes) {
  const DesignRead read = ParseDesign(bytes, kName);
  if (read.design.has_value() == !read.error.empty()) Fail("not one of design and message", bytes);
  if (!read.design) {
    if (read.error.rfind("Cannot open \"fuzz.ostrel\": ", 0) != 0)
      Fail("a message that does not name the file", bytes, read.error);
    return;
  }
  if (const std::string why = UnsavableReason(*read.design); !why.empty())
    Fail("a design read cannot be saved", bytes, why);
  CheckNumbersAsWritten(bytes, *read.design);
  CheckWrittenReadsBack(*read.design, bytes);
}

// A design from raw bytes: whatever floats and label bytes they make.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  float Float() {
    std::uint8_t b[4] = {Byte(), Byte(), Byte(), Byte()};
    float v;
    std::memcpy(&v, b, sizeof v);
    return v;
  }
  bool Done() const { return at_ >= size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void CheckDesign(Bytes bytes) {
  Design d;
  for (float& v : d.inputs) v = bytes.Float();
  d.units.length = bytes.Byte() % 3;  // includes an index beyond the options
  d.units.oil_pressure = bytes.Byte() % 4;
  d.units.force = bytes.Byte() % 4;
  while (!bytes.Done()) {
    ostrel::CalibrationPoint p;
    p.force = bytes.Float();
    p.pressure = bytes.Float();
    for (std::uint8_t n = bytes.Byte(); n > 0 && !bytes.Done(); --n)
      p.label += static_cast<char>(bytes.Byte());
    d.calibration.push_back(std::move(p));
  }
  if (!UnsavableReason(d).empty()) return;
  CheckWrittenReadsBack(d, "<a design from raw bytes>");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 0 && data[0] == 0x01) {
    CheckDesign(Bytes(data + 1, size - 1));
    return 0;
  }
  CheckFile(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
