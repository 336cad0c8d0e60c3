// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <cstdint>
#include <string>

#include "calibration/presenter/calibration_presenter.h"
#include "design/design.h"
#include "design/document.h"
#include "web/web_calculator.h"

// File > New, Open… and Save in the page: the desktop's design file reader and writer (file/) on
// the bytes the browser's file chooser hands over or the page downloads. The document keeps the
// name of the file last opened or saved and its design, for the title's modified marker.
//
// Data flow: a chosen file's bytes -> ParseDesign -> the calibration's points and the calculator's
// open sequence -> Document::Attach; the calculator's state, its selections and the calibration's
// points -> CurrentDesign -> UnsavableReason -> DesignJson -> the download.
namespace ostrel::web {

struct SavedFile {
  std::string name;   // what the download is called
  std::string bytes;  // empty when refused
  Report refusal;     // the desktop's report when the design cannot be saved
};

class PageDocument final {
 public:
  PageDocument(WebCalculator& calculator, CalibrationPresenter& calibration)
      : calculator_(calculator), calibration_(calibration) {}

  // File > New: the load handler, no file, no calibration points.
  Report New();
  // File > Open…: `bytes` are the file's first bytes, `size` its whole size (the script reads
  // no more than one byte past what a design file may be). A refused file changes nothing and
  // reports the reader's message.
  Report Open(const std::string& name, const std::string& bytes, std::int64_t size);
  // A chosen file the browser could not read: the reader's form of message, nothing changed.
  static Report Unreadable(const std::string& name, const std::string& problem);
  // File > Save: the design as the desktop writes it, under the name of the file it came from.
  SavedFile Save();

  // Before New and Open, as on the desktop: a design with a file that differs from it, an untitled
  // one that differs from the start-up design, or one with pending values asks SaveQuestion().
  bool AsksBeforeDiscarding() const {
    return document_.AsksBeforeClosing(Current(), calculator_.HasPending());
  }
  std::string SaveQuestion() const { return document_.SaveQuestion(); }

  // The desktop window's title, with its modified marker shown as the desktop shows it.
  std::string Title() const;
  // The name of the file last opened or saved; empty for a new design.
  std::string FileName() const { return document_.HasFile() ? document_.FileName() : ""; }

 private:
  Design Current() const;

  WebCalculator& calculator_;
  CalibrationPresenter& calibration_;
  Document document_;
};

}  // namespace ostrel::web
