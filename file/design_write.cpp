// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>

#include "design/exact_text.h"
#include "file/design_file.h"
#include "file/message_text.h"
#include "file/unit_keys.h"
#include "present/box_labels.h"

namespace ostrel::file {
namespace {

QString NotFinite(float v) {
  if (std::isnan(v)) return QStringLiteral("is not a number");
  return QStringLiteral("is infinite (it overflowed)");
}

bool IsUtf8(const std::string& text) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  return !decoder.hasError();
}

// A JSON string literal of UTF-8 text: quotes, backslashes and control characters escaped, and
// U+FEFF too, which Qt's reader drops where it starts a string, taking it for a byte-order mark.
void AppendString(QByteArray& out, std::string_view text) {
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

void AppendNumber(QByteArray& out, float v) {
  out += QByteArray::fromStdString(ExactText(v));
}

}  // namespace

QString UnsavableReason(const Design& design) {
  for (int i = 0; i < kDesignInputCount; ++i) {
    const float v = design.inputs[i];
    if (std::isfinite(v)) continue;
    return QStringLiteral("%1 (%2) %3, so the design cannot be saved")
        .arg(QLatin1String(LabelOf(kDesignInputs[i].box).quantity),
             QLatin1String(kDesignInputs[i].key), NotFinite(v));
  }
  for (const UnitKey& group : kUnitKeys) {
    const int index = design.units.*group.index;
    if (index < 0 || index >= group.count)
      return QStringLiteral("the %1 unit (option %2) is not one of the options")
          .arg(QLatin1String(group.key))
          .arg(index);
  }
  const auto& points = design.calibration;
  if (points.size() > static_cast<std::size_t>(kMaxCalibrationPoints))
    return QStringLiteral("the calibration has %1 points, more than the %2 a design may hold")
        .arg(points.size())
        .arg(kMaxCalibrationPoints);
  for (std::size_t i = 0; i < points.size(); ++i) {
    const CalibrationPoint& p = points[i];
    const QString name = QStringLiteral("calibration point %1").arg(i + 1);
    if (!std::isfinite(p.force))
      return QStringLiteral("the force of %1 %2").arg(name, NotFinite(p.force));
    if (!std::isfinite(p.pressure))
      return QStringLiteral("the pressure of %1 %2").arg(name, NotFinite(p.pressure));
    if (!IsUtf8(p.label))
      return QStringLiteral("the label of %1 is not valid UTF-8 text").arg(name);
    if (const qsizetype n = CharacterCount(std::string_view(p.label)); n > kMaxLabelCharacters)
      return QStringLiteral("the label of %1 has %2 characters, more than %3")
          .arg(name)
          .arg(n)
          .arg(kMaxLabelCharacters);
  }
  return {};
}

QByteArray DesignJson(const Design& design) {
  QByteArray out;
  out.reserve(512 + static_cast<qsizetype>(design.calibration.size()) * 96);
  out += "{\n  \"format\": ";
  AppendString(out, kFormatName);
  out += ",\n  \"version\": " + QByteArray::number(kFormatVersion) + ",\n  \"units\": { ";
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
    AppendNumber(out, design.inputs[i]);
    out += i + 1 < kDesignInputCount ? ",\n" : "\n";
  }
  out += "  }";
  if (!design.calibration.empty()) {
    out += ",\n  \"calibration\": {\n    \"points\": [\n";
    for (std::size_t i = 0; i < design.calibration.size(); ++i) {
      const CalibrationPoint& p = design.calibration[i];
      out += "      { \"force\": ";
      AppendNumber(out, p.force);
      out += ", \"pressure\": ";
      AppendNumber(out, p.pressure);
      out += ", \"label\": ";
      AppendString(out, p.label);
      out += i + 1 < design.calibration.size() ? " },\n" : " }\n";
    }
    out += "    ]\n  }";
  }
  out += "\n}\n";
  return out;
}

bool WriteDesignFile(const QString& path, const Design& design, QString* error) {
  const QFileInfo info(path);
  const QString name = info.fileName().isEmpty() ? path : info.fileName();
  const auto fail = [&](const QString& why) {
    if (error != nullptr)
      *error = QStringLiteral("Cannot save ") + Quoted(name) + QStringLiteral(": ") + why +
               QLatin1Char('.');
    return false;
  };
  if (const QString reason = UnsavableReason(design); !reason.isEmpty()) return fail(reason);
  if (info.isDir()) return fail(QStringLiteral("it is a folder"));
  if (!info.absoluteDir().exists())
    return fail(QStringLiteral("its folder ") + Quoted(info.absolutePath()) +
                QStringLiteral(" does not exist"));

  // QSaveFile writes a temporary file beside the target and renames it over the target only once
  // everything is written, so a failure at any point leaves the old file as it was. Unbuffered:
  // through Qt's write buffer a short write (a full disk takes what fits, then refuses the rest)
  // is not reported, and the commit would put a truncated file in place of the old one.
  QSaveFile file(path);
  const auto written = [&file] {
    return QStringLiteral("it could not be written (") + file.errorString() + QLatin1Char(')');
  };
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail(written());
  const QByteArray bytes = DesignJson(design);
  const qint64 count = file.write(bytes);
  if (count != bytes.size() || file.size() != bytes.size()) {
    const QString why =
        count < 0 ? written()
                  : QStringLiteral("only %1 of its %2 bytes could be written (is the disk full?)")
                        .arg(std::max<qint64>(0, std::min(count, file.size())))
                        .arg(bytes.size());
    file.cancelWriting();
    return fail(why);
  }
  if (!file.commit()) return fail(written());
  return true;
}

}  // namespace ostrel::file
