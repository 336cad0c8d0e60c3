// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers

#include "web/page_document.h"

#include <utility>

#include "file/design_file.h"
#include "file/message_text.h"

namespace ostrel::web {
namespace {

// A new design's download name; the browser lets the user choose another.
constexpr const char* kUntitledName = "design.ostrel";

// The reader refuses a file larger than it may be by its size alone. The script hands over only
// its first kMaxFileBytes + 1 bytes, so the reader's message names that size; it is put right
// here rather than reading a file of any size into the page.
std::string WithWholeSize(std::string message, std::int64_t read, std::int64_t size) {
  const std::string said = "it is " + std::to_string(read) + " bytes";
  const std::size_t at = message.rfind(said);
  if (at != std::string::npos)
    message.replace(at, said.size(), "it is " + std::to_string(size) + " bytes");
  return message;
}

}  // namespace

Report PageDocument::New() {
  document_.Detach();
  calibration_.SetPoints({});
  return calculator_.Load();
}

Report PageDocument::Open(const std::string& name, const std::string& bytes, std::int64_t size) {
  file::DesignRead read = file::ParseDesign(bytes, name);
  if (!read.design) {
    const auto read_size = static_cast<std::int64_t>(bytes.size());
    if (size > read_size) read.error = WithWholeSize(std::move(read.error), read_size, size);
    return {read.error, {}, -1};
  }
  // As the desktop: the calibration first, then the open sequence, whose fault is reported once;
  // the design stays open with all its inputs.
  const Design& design = *read.design;
  calibration_.SetPoints(design.calibration);
  Report report = calculator_.Open(design);
  document_.Attach(name, design);
  return report;
}

Report PageDocument::Unreadable(const std::string& name, const std::string& problem) {
  return {"Cannot open " + file::QuotedName(name) + ": " + problem + ".", {}, -1};
}

SavedFile PageDocument::Save() {
  SavedFile saved;
  saved.name = document_.HasFile() ? document_.FileName() : kUntitledName;
  const Design design = Current();
  if (const std::string reason = file::UnsavableReason(design); !reason.empty()) {
    saved.refusal = {saved.name + " was not saved.", reason, -1};
    return saved;
  }
  saved.bytes = file::DesignJson(design);
  document_.Attach(saved.name, design);
  return saved;
}

std::string PageDocument::Title() const {
  std::string title = document_.WindowTitle();
  const std::size_t marker = title.find("[*]");
  if (marker != std::string::npos)
    title.replace(marker, 3,
                  document_.IsModified(Current()) || calculator_.HasPending() ? "*" : "");
  return title;
}

Design PageDocument::Current() const {
  Design design = CurrentDesign(calculator_.State(), calculator_);
  design.calibration = calibration_.Points();
  return design;
}

}  // namespace ostrel::web
