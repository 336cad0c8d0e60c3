// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "cli/batch_run.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <vector>

#include "cli/headless_calculator.h"
#include "cli/text_escape.h"
#include "design/exact_text.h"

namespace ostrel::cli {

namespace {

// Output is written in blocks of about this size.
constexpr std::size_t kFlushSize = 64 * 1024;

// The header of a JSON run, each row on a line of its own, and its end.
class BatchOutput {
 public:
  BatchOutput(const BatchOptions& options, std::FILE* out)
      : format_(options.format), values_(options.values), out_(out) {
    buffer_.reserve(2 * kFlushSize);
    const auto columns = Columns(options.units, options.values);
    if (format_ == Format::Json) {
      buffer_ += "{\"quantities\": [";
      for (int i = 0; i < kBoxCount; ++i) {
        buffer_ += i == 0 ? "\n  {\"quantity\": " : ",\n  {\"quantity\": ";
        AppendJsonString(buffer_, columns[i].quantity);
        buffer_ += ", \"unit\": ";
        AppendJsonString(buffer_, columns[i].unit);
        buffer_ += '}';
      }
      buffer_ += "\n],\n\"rows\": [";
    } else {
      buffer_ += "line";
      for (const Column& column : columns) {
        buffer_ += ',';
        std::string name = column.quantity;
        if (!column.unit.empty()) name += " (" + column.unit + ")";
        AppendCsvField(buffer_, name);
      }
      buffer_ += ",fault\n";
    }
  }

  // A row whose design was opened; fault is empty when it computed without one.
  void Computed(long long line, const HeadlessCalculator& calculator, std::string_view fault) {
    BeginRow(line);
    if (format_ == Format::Json) buffer_ += ", \"values\": [";
    for (int i = 0; i < kBoxCount; ++i) {
      if (format_ == Format::Json) {
        if (i > 0) buffer_ += ',';
        AppendJsonValue(buffer_, calculator, static_cast<Box>(i), values_);
      } else {
        buffer_ += ',';
        (void)AppendValue(buffer_, calculator, static_cast<Box>(i), values_);
      }
    }
    if (format_ == Format::Json) buffer_ += ']';
    EndRow(fault);
  }

  // A row that was not computed: no values.
  void Failed(long long line, std::string_view fault) {
    BeginRow(line);
    if (format_ == Format::Json) {
      buffer_ += ", \"values\": null";
    } else {
      buffer_.append(kBoxCount, ',');
    }
    EndRow(fault);
  }

  // False when the output cannot be written.
  bool Flush(bool force) {
    if (buffer_.empty() || (!force && buffer_.size() < kFlushSize)) return true;
    const std::size_t written = std::fwrite(buffer_.data(), 1, buffer_.size(), out_);
    const bool ok = written == buffer_.size();
    buffer_.clear();
    return ok;
  }

  bool Finish() {
    if (format_ == Format::Json) buffer_ += rows_ == 0 ? "]}\n" : "\n]}\n";
    return Flush(true) && std::fflush(out_) == 0 && std::ferror(out_) == 0;
  }

 private:
  void BeginRow(long long line) {
    if (format_ == Format::Json) {
      buffer_ += rows_ == 0 ? "\n{\"line\": " : ",\n{\"line\": ";
      buffer_ += std::to_string(line);
    } else {
      buffer_ += std::to_string(line);
    }
    ++rows_;
  }

  void EndRow(std::string_view fault) {
    if (format_ == Format::Json) {
      buffer_ += ", \"fault\": ";
      if (fault.empty()) {
        buffer_ += "null";
      } else {
        AppendJsonString(buffer_, fault);
      }
      buffer_ += '}';
    } else {
      buffer_ += ',';
      AppendCsvField(buffer_, fault);
      buffer_ += '\n';
    }
  }

  Format format_;
  Values values_;
  std::FILE* out_;
  std::string buffer_;
  long long rows_ = 0;
};

std::string ColumnNames() {
  std::string names;
  for (const DesignInput& input : kDesignInputs) {
    if (!names.empty()) names += ", ";
    names += input.key;
  }
  return names;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Which input each column sets; an error message for a header that names anything else.
std::string ReadHeader(const CsvRecord& header, std::vector<int>& column_input) {
  if (header.error != CsvError::None) return CsvErrorText(header.error);
  column_input.clear();
  bool used[kDesignInputCount] = {};
  for (std::size_t c = 0; c < header.fields.size(); ++c) {
    std::string_view name = Trimmed(header.fields[c]);
    // A spreadsheet's "UTF-8 CSV" starts with a byte-order mark.
    if (c == 0 && name.substr(0, 3) == "\xEF\xBB\xBF") name = Trimmed(name.substr(3));
    int input = -1;
    for (int i = 0; i < kDesignInputCount; ++i) {
      if (name == kDesignInputs[i].key) input = i;
    }
    if (input < 0) {
      return "unknown column " + Quoted(name) + " (the columns are " + ColumnNames() + ")";
    }
    if (used[input]) return "column " + Quoted(name) + " appears twice";
    used[input] = true;
    column_input.push_back(input);
  }
  return {};
}

// Sets the inputs the row names; an error message for a row that cannot be a design.
std::string ReadRow(const CsvRecord& row, const std::vector<int>& column_input, Design& design) {
  if (row.error != CsvError::None) {
    std::string message = CsvErrorText(row.error);
    if (row.error_line != row.line) message += " (line " + std::to_string(row.error_line) + ")";
    return message;
  }
  if (row.fields.size() != column_input.size()) {
    return std::to_string(row.fields.size()) + (row.fields.size() == 1 ? " field" : " fields") +
           " where the header has " + std::to_string(column_input.size());
  }
  for (std::size_t c = 0; c < column_input.size(); ++c) {
    const int input = column_input[c];
    const ReadResult read = ReadExact(row.fields[c]);
    if (read.fault == Fault::TypeMismatch) {
      return std::string(kDesignInputs[input].key) + ": " + Quoted(row.fields[c]) +
             " is not a number";
    }
    if (read.fault != Fault::None) {
      return std::string(kDesignInputs[input].key) + ": " + Quoted(row.fields[c]) +
             " lies beyond the range of a float";
    }
    design.inputs[input] = read.value;
  }
  return {};
}

void Report(std::FILE* err, const std::string& input_name, long long line,
            std::string_view message) {
  std::fprintf(err, "ostrel: %s:%lld: %.*s\n", input_name.c_str(), line,
               static_cast<int>(message.size()), message.data());
}

}  // namespace

int RunBatch(const BatchOptions& options, ByteSource& input, std::FILE* out, std::FILE* err) {
  BatchOutput output(options, out);
  HeadlessCalculator calculator;
  Design design = StartupDesign();
  design.units = options.units;
  const auto startup_inputs = design.inputs;

  bool failed = false;
  CsvReader reader(input);
  CsvRecord record;
  std::vector<int> column_input;
  std::string header_fault;
  if (reader.Next(record)) {
    header_fault = ReadHeader(record, column_input);
    if (!header_fault.empty()) {
      Report(err, options.input_name, record.line, header_fault + "; no row is computed");
      header_fault = "bad header (line " + std::to_string(record.line) + "): " + header_fault;
      failed = true;
    }
  }

  bool written = true;
  while (written && reader.Next(record)) {
    std::string fault = header_fault;
    if (fault.empty()) {
      design.inputs = startup_inputs;
      fault = ReadRow(record, column_input, design);
      if (fault.empty()) {
        const Fault calculation = calculator.Open(design);
        const std::string_view kind = FaultText(calculation);
        if (!kind.empty()) {
          // Where it faulted too; the fault column keeps the fault's name.
          Report(err, options.input_name, record.line, WhyNotComputed(calculator.Numbers()));
          failed = true;
        }
        output.Computed(record.line, calculator, kind);
        written = output.Flush(false);
        continue;
      }
      Report(err, options.input_name, record.line, fault);
    }
    failed = true;
    output.Failed(record.line, fault);
    written = output.Flush(false);
  }

  if (input.Failed()) {
    std::fprintf(err, "ostrel: cannot read %s: %s\n", options.input_name.c_str(),
                 std::strerror(errno));
    failed = true;
  }
  if (!written || !output.Finish()) {
    std::fprintf(err, "ostrel: cannot write the output: %s\n", std::strerror(errno));
    return kExitFailure;
  }
  return failed ? kExitFailure : kExitSuccess;
}

}  // namespace ostrel::cli
