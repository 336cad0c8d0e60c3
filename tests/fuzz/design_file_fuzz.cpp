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
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "design/design.h"
#include "file/design_file.h"

namespace {

using ostrel::Design;
using ostrel::file::DesignJson;
using ostrel::file::DesignRead;
using ostrel::file::ParseDesign;
using ostrel::file::UnsavableReason;

const QString kName = QStringLiteral("fuzz.ostrel");

[[noreturn]] void Fail(const char* what, const QByteArray& text, const QString& message = {}) {
  std::fprintf(stderr, "design_file_fuzz: %s\n  message: %s\n  text (%lld bytes): %.2000s\n", what,
               message.toUtf8().constData(), static_cast<long long>(text.size()), text.constData());
  std::abort();
}

void CheckWrittenReadsBack(const Design& design, const QByteArray& origin) {
  const QByteArray json = DesignJson(design);
  const DesignRead again = ParseDesign(json, kName);
  if (!again.design) Fail("a written design is refused", json, again.error);
  if (!ostrel::SameDesign(*again.design, design))
    Fail("a written design reads back as another", json);
  if (DesignJson(*again.design) != json) Fail("written twice, a design gives two texts", origin);
}

void CheckFile(const QByteArray& bytes) {
  const DesignRead read = ParseDesign(bytes, kName);
  if (read.design.has_value() == !read.error.isEmpty())
    Fail("not one of design and message", bytes);
  if (!read.design) {
    if (!read.error.startsWith(QStringLiteral("Cannot open \"fuzz.ostrel\": ")))
      Fail("a message that does not name the file", bytes, read.error);
    return;
  }
  if (const QString why = UnsavableReason(*read.design); !why.isEmpty())
    Fail("a design read cannot be saved", bytes, why);
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
  if (!UnsavableReason(d).isEmpty()) return;
  CheckWrittenReadsBack(d, QByteArray("<a design from raw bytes>"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 0 && data[0] == 0x01) {
    CheckDesign(Bytes(data + 1, size - 1));
    return 0;
  }
  CheckFile(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  return 0;
}
