// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "design/exact_text.h"
#include "file/design_file.h"
#include "file/json_numbers.h"
#include "file/message_text.h"
#include "file/unit_keys.h"

namespace ostrel::file {
namespace {

// What a JSON value is, for a message that says what was found instead.
QString KindOf(const QJsonValue& v) {
  switch (v.type()) {
    case QJsonValue::Null:
      return QStringLiteral("null");
    case QJsonValue::Bool:
      return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
      return QStringLiteral("a number");
    case QJsonValue::String:
      return QStringLiteral("the text ") + Quoted(v.toString());
    case QJsonValue::Array:
      return QStringLiteral("an array");
    case QJsonValue::Object:
      return QStringLiteral("an object");
    case QJsonValue::Undefined:
      break;
  }
  return QStringLiteral("nothing");
}

QString NotA(const QString& where, const QJsonValue& v, const char* wanted) {
  return where + QStringLiteral(" is ") + KindOf(v) + QStringLiteral(", not ") +
         QLatin1String(wanted);
}

QString MissingFrom(const char* key, const QString& container) {
  return Quoted(key) + QStringLiteral(" is missing from ") + container;
}

QString In(const char* key, const QString& container) {
  return Quoted(key) + QStringLiteral(" in ") + container;
}

// Reads the parts of a parsed document; every Read* returns the problem, empty when there is none.
class DocumentReader {
 public:
  explicit DocumentReader(const JsonNumbers& numbers) : numbers_(numbers) {}

  QString Read(const QJsonObject& root, Design& design) const {
    if (QString p = ReadFormat(root); !p.isEmpty()) return p;
    if (QString p = ReadVersion(root.value(QLatin1String("version"))); !p.isEmpty()) return p;
    QJsonObject units;
    if (QString p = Section(root, "units", units); !p.isEmpty()) return p;
    if (QString p = ReadUnits(units, design.units); !p.isEmpty()) return p;
    QJsonObject inputs;
    if (QString p = Section(root, "design", inputs); !p.isEmpty()) return p;
    const QString section = Quoted("design");
    for (int i = 0; i < kDesignInputCount; ++i) {
      if (QString p = ReadFloat(inputs, kDesignInputs[i].key, section, design.inputs[i]);
          !p.isEmpty())
        return p;
    }
    return ReadCalibration(root.value(QLatin1String("calibration")), design.calibration);
  }

 private:
  // The number's own text: QJsonDocument saw only its index.
  const std::string* NumberText(const QJsonValue& v) const {
    const double index = v.toDouble();
    if (!(index >= 0) || index >= static_cast<double>(numbers_.texts.size()) ||
        index != std::floor(index))
      return nullptr;
    return &numbers_.texts[static_cast<std::size_t>(index)];
  }

  static QString ReadFormat(const QJsonObject& root) {
    const QJsonValue v = root.value(QLatin1String("format"));
    const QString suffix = QStringLiteral(": this is not an Ostrel design file");
    if (v.isUndefined()) return Quoted("format") + QStringLiteral(" is missing") + suffix;
    if (v.toString() != QLatin1String(kFormatName))
      return Quoted("format") + QStringLiteral(" is ") + KindOf(v) + QStringLiteral(", not ") +
             Quoted(kFormatName) + suffix;
    return {};
  }

  QString ReadVersion(const QJsonValue& v) const {
    if (v.isUndefined()) return Quoted("version") + QStringLiteral(" is missing");
    const std::string* text = v.isDouble() ? NumberText(v) : nullptr;
    if (text == nullptr) return NotA(Quoted("version"), v, "a whole number");
    double version = 0;
    const auto [ptr, ec] = std::from_chars(text->data(), text->data() + text->size(), version);
    if (ec == std::errc::result_out_of_range) {
      // Beyond a double: a tiny magnitude is no whole number, a huge one is a version.
      const std::size_t e = text->find_first_of("eE");
      const bool tiny = e != std::string::npos && (*text)[e + 1] == '-';
      version = tiny ? 0.5 : (*text)[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    const QString shown = ShortText(*text);
    if (!std::isinf(version) && version != std::floor(version))
      return Quoted("version") + QStringLiteral(" is ") + shown +
             QStringLiteral(", not a whole number");
    const QString reads = QStringLiteral("; this Ostrel reads version %1)").arg(kFormatVersion);
    if (version > kFormatVersion)
      return QStringLiteral("it was made by a newer Ostrel (file format version ") + shown + reads;
    if (version < kFormatVersion)
      return QStringLiteral("the file format version ") + shown + QStringLiteral(" is unknown (") +
             reads.mid(2);
    return {};
  }

  static QString Section(const QJsonObject& root, const char* key, QJsonObject& out) {
    const QJsonValue v = root.value(QLatin1String(key));
    if (v.isUndefined()) return QStringLiteral("the section ") + Quoted(key) + " is missing";
    if (!v.isObject()) return NotA(QStringLiteral("the section ") + Quoted(key), v, "an object");
    out = v.toObject();
    return {};
  }

  static QString ReadUnits(const QJsonObject& units, DesignUnits& out) {
    const QString container = Quoted("units");
    for (const UnitKey& group : kUnitKeys) {
      const QJsonValue v = units.value(QLatin1String(group.key));
      if (v.isUndefined()) return MissingFrom(group.key, container);
      if (!v.isString()) return NotA(In(group.key, container), v, "a unit name");
      const QString name = v.toString();
      int found = -1;
      QString captions;
      for (int i = 0; i < group.count; ++i) {
        if (name == QLatin1String(group.options[i].caption)) found = i;
        if (i > 0) captions += QStringLiteral(", ");
        captions += Quoted(group.options[i].caption);
      }
      if (found < 0)
        return In(group.key, container) + QStringLiteral(" is ") + Quoted(name) +
               QStringLiteral(", not one of ") + captions;
      out.*group.index = found;
    }
    return {};
  }

  QString ReadFloat(const QJsonObject& object, const char* key, const QString& container,
                    float& out) const {
    const QJsonValue v = object.value(QLatin1String(key));
    if (v.isUndefined()) return MissingFrom(key, container);
    const std::string* text = v.isDouble() ? NumberText(v) : nullptr;
    if (text == nullptr) return NotA(In(key, container), v, "a number");
    const ReadResult r = ReadExact(*text);
    if (r.fault != Fault::None)
      return In(key, container) + QStringLiteral(" is ") + ShortText(*text) +
             QStringLiteral(", beyond the range of 32-bit floats (about \u00b13.4e38)");
    out = r.value;
    return {};
  }

  QString ReadCalibration(const QJsonValue& v, std::vector<CalibrationPoint>& out) const {
    if (v.isUndefined()) return {};  // a design without a calibration
    const QString container = Quoted("calibration");
    if (!v.isObject()) return NotA(QStringLiteral("the section ") + container, v, "an object");
    const QJsonValue points = v.toObject().value(QLatin1String("points"));
    if (points.isUndefined()) return MissingFrom("points", container);
    if (!points.isArray()) return NotA(In("points", container), points, "an array");
    const QJsonArray array = points.toArray();
    if (array.size() > kMaxCalibrationPoints)
      return container + QStringLiteral(" has %1 points, more than the %2 a design may hold")
                             .arg(array.size())
                             .arg(kMaxCalibrationPoints);
    out.reserve(static_cast<std::size_t>(array.size()));
    for (qsizetype i = 0; i < array.size(); ++i) {
      const QString name = QStringLiteral("calibration point %1").arg(i + 1);
      const QJsonValue item = array.at(i);
      if (!item.isObject()) return NotA(name, item, "an object");
      const QJsonObject point = item.toObject();
      CalibrationPoint p;
      if (QString e = ReadFloat(point, "force", name, p.force); !e.isEmpty()) return e;
      if (QString e = ReadFloat(point, "pressure", name, p.pressure); !e.isEmpty()) return e;
      if (QString e = ReadLabel(point, name, p.label); !e.isEmpty()) return e;
      out.push_back(std::move(p));
    }
    return {};
  }

  static QString ReadLabel(const QJsonObject& point, const QString& container, std::string& out) {
    const QJsonValue v = point.value(QLatin1String("label"));
    if (v.isUndefined()) return MissingFrom("label", container);
    if (!v.isString()) return NotA(In("label", container), v, "a text");
    const QString label = v.toString();
    if (const qsizetype n = CharacterCount(label); n > kMaxLabelCharacters)
      return In("label", container) +
             QStringLiteral(" has %1 characters, more than %2").arg(n).arg(kMaxLabelCharacters);
    out = label.toStdString();
    return {};
  }

  const JsonNumbers& numbers_;
};

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

bool IsJsonBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

DesignRead Refused(const QString& file_name, const QString& problem) {
  return {std::nullopt, QStringLiteral("Cannot open ") + Quoted(file_name) + QStringLiteral(": ") +
                            problem + QLatin1Char('.')};
}

QString SyntaxError(const QByteArray& text, std::size_t offset, const QString& what) {
  const TextPosition at = PositionOf(text, offset);
  return QStringLiteral("line %1, column %2: the JSON is not valid (%3)")
      .arg(at.line)
      .arg(at.column)
      .arg(what);
}

QString TooLarge(qint64 size) {
  return QStringLiteral("it is %1 bytes long, larger than the 1 MiB a design file may be")
      .arg(size);
}

}  // namespace

DesignRead ParseDesign(const QByteArray& bytes, const QString& file_name) {
  if (bytes.size() > kMaxFileBytes) return Refused(file_name, TooLarge(bytes.size()));
  QByteArray text = bytes;
  if (text.startsWith(kByteOrderMark)) text.remove(0, 3);
  if (std::all_of(text.cbegin(), text.cend(), IsJsonBlank))
    return Refused(file_name, QStringLiteral("the file is empty"));

  const JsonNumbers numbers = ExtractNumbers(text);
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(numbers.json, &error);
  if (error.error != QJsonParseError::NoError) {
    // The text ends where a malformed number was: an error Qt finds before it comes first.
    // For these errors Qt's offset is just past the character that broke the syntax; for the
    // others it is that character (or the end of the text).
    const bool past = error.offset > 0 && (error.error == QJsonParseError::IllegalValue ||
                                           error.error == QJsonParseError::UnterminatedObject ||
                                           error.error == QJsonParseError::UnterminatedArray ||
                                           error.error == QJsonParseError::MissingNameSeparator ||
                                           error.error == QJsonParseError::MissingValueSeparator ||
                                           error.error == QJsonParseError::MissingObject);
    const std::size_t offset =
        numbers.OriginalOffset(static_cast<std::size_t>(error.offset - (past ? 1 : 0)));
    if (!numbers.ok && offset >= numbers.bad_offset)
      return Refused(file_name, SyntaxError(text, numbers.bad_offset, "a malformed number"));
    // Qt takes only an object or an array as a document: say so of a lone value rather than
    // calling it a syntax error.
    const auto first = std::find_if_not(text.cbegin(), text.cend(), IsJsonBlank);
    QJsonParseError wrapped{0, QJsonParseError::IllegalValue};
    if (*first != '{' && *first != '[') QJsonDocument::fromJson('[' + numbers.json + ']', &wrapped);
    if (wrapped.error == QJsonParseError::NoError)
      return Refused(file_name, QStringLiteral("its JSON is a single value, not an object"));
    return Refused(file_name, SyntaxError(text, offset, error.errorString()));
  }
  if (!document.isObject())
    return Refused(file_name, QStringLiteral("it holds a JSON array, not an object"));

  Design design;
  if (QString p = DocumentReader(numbers).Read(document.object(), design); !p.isEmpty())
    return Refused(file_name, p);
  return {std::move(design), {}};
}

DesignRead ReadDesignFile(const QString& path) {
  const QFileInfo info(path);
  const QString name = info.fileName().isEmpty() ? path : info.fileName();
  const QString gone = QStringLiteral("it does not exist (it may have been moved or removed)");
  if (info.isDir()) return Refused(name, QStringLiteral("it is a folder, not a file"));
  if (!info.exists()) return Refused(name, gone);
  if (!info.isFile()) return Refused(name, QStringLiteral("it is not a regular file"));

  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (!QFileInfo::exists(path)) return Refused(name, gone);
    return Refused(name, QStringLiteral("it cannot be read (") + file.errorString() + ')');
  }
  if (file.size() > kMaxFileBytes) return Refused(name, TooLarge(file.size()));
  // At most one byte more than allowed: a file that grew since its size was asked stays refused.
  const QByteArray bytes = file.read(kMaxFileBytes + 1);
  if (file.error() != QFileDevice::NoError)
    return Refused(name, QStringLiteral("it cannot be read (") + file.errorString() + ')');
  if (bytes.size() > kMaxFileBytes) return Refused(name, TooLarge(bytes.size()));
  if (bytes.isEmpty()) return Refused(name, QStringLiteral("the file is empty"));
  return ParseDesign(bytes, name);
}

}  // namespace ostrel::file
