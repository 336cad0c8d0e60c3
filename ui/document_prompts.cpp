// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/document_prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "file/design_file.h"
#include "ui/accessibility.h"

namespace ostrel::ui {
namespace {

QString Filter() {
  return QStringLiteral("Ostrel designs (*.%1);;All files (*)")
      .arg(QLatin1String(file::kFileSuffix));
}

QString OnlyFile(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList files = dialog.selectedFiles();
  return files.isEmpty() ? QString() : files.front();
}

}  // namespace

DocumentPrompts::Answer DialogPrompts::AskSaveChanges(QWidget* parent, const QString& question) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Ostrel"), question,
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::Save);
  FocusOnlyTheButton(box);
  switch (box.exec()) {
    case QMessageBox::Save:
      return Answer::Save;
    case QMessageBox::Discard:
      return Answer::Discard;
    default:
      return Answer::Cancel;
  }
}

void DialogPrompts::ShowProblem(QWidget* parent, const QString& text, const QString& detail) {
  QMessageBox box(QMessageBox::Critical, QStringLiteral("Ostrel"), text, QMessageBox::Ok, parent);
  if (!detail.isEmpty()) box.setInformativeText(detail);
  FocusOnlyTheButton(box);
  box.exec();
}

QString DialogPrompts::ChooseFileToOpen(QWidget* parent, const QString& folder) {
  QFileDialog dialog(parent, QStringLiteral("Open Design"), folder, Filter());
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return OnlyFile(dialog);
}

QString DialogPrompts::ChooseFileToSave(QWidget* parent, const QString& suggestion) {
  QFileDialog dialog(parent, QStringLiteral("Save Design"), suggestion, Filter());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // A name typed without an extension still makes a design file the file manager knows.
  dialog.setDefaultSuffix(QLatin1String(file::kFileSuffix));
  return OnlyFile(dialog);
}

}  // namespace ostrel::ui
