// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "file/json_parser.h"

#include <cctype>

#include "file/json_numbers.h"
#include "file/utf8_text.h"

namespace ostrel::file {

const JsonValue* JsonValue::Member(std::string_view name) const {
  if (kind != Kind::Object) return nullptr;
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    if (it->key == name) return &*it;
  }
  return nullptr;
}

namespace {

// The problems, in the words the design file's messages have always used.
constexpr const char* kIllegalValue = "illegal value";
constexpr const char* kMalformedNumber = "a malformed number";
constexpr const char* kUnterminatedObject = "unterminated object";
constexpr const char* kUnterminatedArray = "unterminated array";
constexpr const char* kMissingNameSeparator = "missing name separator";
constexpr const char* kMissingValueSeparator = "missing value separator";
constexpr const char* kMissingObject = "object is missing after a comma";
constexpr const char* kUnterminatedString = "unterminated string";
constexpr const char* kIllegalEscape = "invalid escape sequence";
constexpr const char* kIllegalUtf8 = "invalid UTF8 string";
constexpr const char* kDeepNesting = "too deeply nested document";
constexpr const char* kGarbageAtEnd = "garbage at the end of the document";

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : t_(text) {}

  JsonParse Run() {
    JsonParse result;
    JsonValue value;
    SkipBlanks();
    if (Value(value, 0)) {
      SkipBlanks();
      if (at_ < t_.size()) Fail(kGarbageAtEnd, at_);
    }
    if (error_ != nullptr) {
      result.error = error_;
      if (!detail_.empty()) result.error = detail_;
      result.offset = error_at_;
      return result;
    }
    result.value = std::move(value);
    return result;
  }

 private:
  bool Fail(const char* what, std::size_t where) {
    if (error_ == nullptr) {
      error_ = what;
      error_at_ = where;
    }
    return false;
  }
  bool AtEnd() const { return at_ >= t_.size(); }
  void SkipBlanks() {
    while (at_ < t_.size() && IsBlank(t_[at_])) ++at_;
  }

  bool Value(JsonValue& v, int depth) {
    if (AtEnd()) return Fail(kIllegalValue, at_);
    v.offset = at_;
    const char c = t_[at_];
    if (c == '{' || c == '[') {
      if (depth >= kMaxJsonDepth) return Fail(kDeepNesting, at_);
      ++at_;
      return c == '{' ? Object(v, depth + 1) : Array(v, depth + 1);
    }
    if (c == '"') {
      v.kind = JsonValue::Kind::String;
      return String(v.text);
    }
    if (IsNumberChar(c)) {
      const std::size_t end = NumberTokenEnd(t_, at_);
      const std::string_view token = t_.substr(at_, end - at_);
      if (!IsJsonNumber(token)) return Fail(kMalformedNumber, at_);
      v.kind = JsonValue::Kind::Number;
      v.text = token;
      at_ = end;
      return true;
    }
    return Word(v);
  }

  // true, false and null; NaN and Infinity, which some writers put where a number belongs, are
  // malformed numbers.
  bool Word(JsonValue& v) {
    std::size_t end = at_;
    while (end < t_.size() && std::isalnum(static_cast<unsigned char>(t_[end]))) ++end;
    std::string word(t_.substr(at_, end - at_));
    if (word == "true" || word == "false" || word == "null") {
      v.kind = word == "null"   ? JsonValue::Kind::Null
               : word == "true" ? JsonValue::Kind::True
                                : JsonValue::Kind::False;
      at_ = end;
      return true;
    }
    for (char& ch : word) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    if (word == "nan" || word == "inf" || word == "infinity") return Fail(kMalformedNumber, at_);
    return Fail(kIllegalValue, at_);
  }

  bool Object(JsonValue& v, int depth) {
    v.kind = JsonValue::Kind::Object;
    SkipBlanks();
    if (!AtEnd() && t_[at_] == '}') {
      ++at_;
      return true;
    }
    while (true) {
      if (AtEnd() || t_[at_] != '"') return Fail(kUnterminatedObject, at_);
      JsonValue member;
      if (!String(member.key)) return false;
      SkipBlanks();
      if (AtEnd() || t_[at_] != ':') return Fail(kMissingNameSeparator, at_);
      ++at_;
      SkipBlanks();
      if (AtEnd()) return Fail(kUnterminatedObject, at_);
      if (!Value(member, depth)) return false;
      v.items.push_back(std::move(member));
      SkipBlanks();
      if (AtEnd()) return Fail(kUnterminatedObject, at_);
      if (t_[at_] == '}') {
        ++at_;
        return true;
      }
      if (t_[at_] != ',') return Fail(kUnterminatedObject, at_);
      ++at_;
      SkipBlanks();
      if (!AtEnd() && t_[at_] == '}') return Fail(kMissingObject, at_);
    }
  }

  bool Array(JsonValue& v, int depth) {
    v.kind = JsonValue::Kind::Array;
    SkipBlanks();
    if (AtEnd()) return Fail(kUnterminatedArray, at_);
    if (t_[at_] == ']') {
      ++at_;
      return true;
    }
    while (true) {
      SkipBlanks();
      if (AtEnd()) return Fail(kUnterminatedArray, at_);
      JsonValue item;
      if (!Value(item, depth)) return false;
      v.items.push_back(std::move(item));
      SkipBlanks();
      if (AtEnd()) return Fail(kUnterminatedArray, at_);
      if (t_[at_] == ']') {
        ++at_;
        return true;
      }
      if (t_[at_] != ',') return Fail(kMissingValueSeparator, at_);
      ++at_;
    }
  }

  // Four hex digits after "\u" at at_; -1 when they are not there.
  long Hex4() {
    if (t_.size() - at_ < 4) return -1;
    long code = 0;
    for (int i = 0; i < 4; ++i) {
      const int d = HexDigit(t_[at_ + static_cast<std::size_t>(i)]);
      if (d < 0) return -1;
      code = code * 16 + d;
    }
    at_ += 4;
    return code;
  }

  bool LoneSurrogate(std::size_t escape_at) {
    detail_ = "the escape " + std::string(t_.substr(escape_at, 6)) +
              " is half of a surrogate pair, not a Unicode character";
    return Fail(kIllegalEscape, escape_at);
  }

  // A string from its opening quote at at_; its text unescaped into out.
  bool String(std::string& out) {
    const std::size_t open = at_++;
    while (true) {
      if (AtEnd()) return Fail(kUnterminatedString, open);
      const char c = t_[at_];
      if (c == '"') {
        ++at_;
        return true;
      }
      if (c != '\\') {
        const std::size_t n = Utf8SequenceAt(t_, at_);
        if (n == 0) return Fail(kIllegalUtf8, at_);
        out.append(t_.substr(at_, n));
        at_ += n;
        continue;
      }
      const std::size_t escape_at = at_++;
      if (AtEnd()) return Fail(kUnterminatedString, open);
      const char e = t_[at_];
      switch (e) {
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          ++at_;
          const long code = Hex4();
          if (code < 0) return Fail(kIllegalEscape, escape_at);
          if (code >= 0xDC00 && code <= 0xDFFF) return LoneSurrogate(escape_at);
          if (code >= 0xD800 && code <= 0xDBFF) {
            // Must be followed by the escape of its low half.
            if (t_.substr(at_, 2) != "\\u") return LoneSurrogate(escape_at);
            const std::size_t low_at = at_;
            at_ += 2;
            const long low = Hex4();
            if (low < 0) return Fail(kIllegalEscape, low_at);
            if (low < 0xDC00 || low > 0xDFFF) return LoneSurrogate(escape_at);
            AppendUtf8(out,
                       static_cast<char32_t>(0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00)));
            continue;
          }
          AppendUtf8(out, static_cast<char32_t>(code));
          continue;
        }
        default:
          // '"', '\\', '/', and leniently any other character: that character itself, read
          // on the next turn.
          if (e == '"' || e == '\\' || e == '/') {
            out += e;
            break;
          }
          continue;
      }
      ++at_;
    }
  }

  std::string_view t_;
  std::size_t at_ = 0;
  const char* error_ = nullptr;
  std::string detail_;
  std::size_t error_at_ = 0;
};

}  // namespace

JsonParse ParseJson(std::string_view text) {
  return Parser(text).Run();
}

}  // namespace ostrel::file
