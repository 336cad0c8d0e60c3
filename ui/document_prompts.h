// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#pragma once

#include <QString>

class QWidget;

namespace ostrel::ui {

// Every question and message of the document window, behind one interface so that tests answer
// them without a modal dialog.
class DocumentPrompts {
 public:
  enum class Answer { Save, Discard, Cancel };
  enum class ChangedAnswer { Overwrite, SaveAs, Cancel };

  virtual ~DocumentPrompts() = default;

  // "Save changes to <name>?" with Save, Don't Save and Cancel.
  virtual Answer AskSaveChanges(QWidget* parent, const QString& question) = 0;
  // "<name> has changed on disk since …" with Overwrite, Save As… and Cancel: Save found the
  // file changed by someone else. Cancel unless a subclass asks.
  virtual ChangedAnswer AskOverwriteChanged(QWidget* parent, const QString& question);
  // A file that cannot be opened or saved: one message box titled "Ostrel", the detail (if not
  // empty) below the text.
  virtual void ShowProblem(QWidget* parent, const QString& text, const QString& detail) = 0;
  // The file to open, starting in folder; empty when the user cancels.
  virtual QString ChooseFileToOpen(QWidget* parent, const QString& folder) = 0;
  // Where to save, starting at suggestion (a folder or a file); empty when the user cancels.
  virtual QString ChooseFileToSave(QWidget* parent, const QString& suggestion) = 0;
};

// The real dialogs: message boxes and the platform's file dialogs.
class DialogPrompts final : public DocumentPrompts {
 public:
  Answer AskSaveChanges(QWidget* parent, const QString& question) override;
  ChangedAnswer AskOverwriteChanged(QWidget* parent, const QString& question) override;
  void ShowProblem(QWidget* parent, const QString& text, const QString& detail) override;
  QString ChooseFileToOpen(QWidget* parent, const QString& folder) override;
  QString ChooseFileToSave(QWidget* parent, const QString& suggestion) override;
};

}  // namespace ostrel::ui
