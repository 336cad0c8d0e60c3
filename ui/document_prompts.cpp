// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
#include "ui/document_prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
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
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Ostrel"), question, QMessageBox::NoButton,
                  parent);
  // Own captions, each with its access key, whatever the platform's standard buttons say.
  QPushButton* save = box.addButton(QStringLiteral("&Save"), QMessageBox::AcceptRole);
  QPushButton* discard = box.addButton(QStringLiteral("Do&n't Save"), QMessageBox::DestructiveRole);
  QPushButton* cancel = box.addButton(QStringLiteral("&Cancel"), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.setEscapeButton(cancel);
  FocusOnlyTheButton(box);
  box.exec();
  if (box.clickedButton() == save) return Answer::Save;
  if (box.clickedButton() == discard) return Answer::Discard;
  return Answer::Cancel;
}

DocumentPrompts::ChangedAnswer DocumentPrompts::AskOverwriteChanged(QWidget*, const QString&) {
  return ChangedAnswer::Cancel;
}

DocumentPrompts::ChangedAnswer DialogPrompts::AskOverwriteChanged(QWidget* parent,
                                                                  const QString& question) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Ostrel"), question, QMessageBox::NoButton,
                  parent);
  QAbstractButton* overwrite =
      box.addButton(QStringLiteral("&Overwrite"), QMessageBox::DestructiveRole);
  QAbstractButton* save_as =
      box.addButton(QStringLiteral("Save &As\u2026"), QMessageBox::AcceptRole);
  box.setDefaultButton(box.addButton(QMessageBox::Cancel));
  FocusOnlyTheButton(box);
  box.exec();
  if (box.clickedButton() == overwrite) return ChangedAnswer::Overwrite;
  if (box.clickedButton() == save_as) return ChangedAnswer::SaveAs;
  return ChangedAnswer::Cancel;
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
