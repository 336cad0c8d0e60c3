// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Ostrel developers
//
// Edges of what the window hands on and keeps: every character Copy Results escapes in its HTML
// table or blanks in its cells, and the recent-files list at eight names and one past.
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/recent_files.h"
#include "ui/results_clipboard.h"

namespace {

using ostrel::ResultRow;

class ClipboardAndRecentTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
  }

  void init() { QSettings("Ostrel", "Ostrel").clear(); }

  void results_data() {
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("line");   // of the plain text
    QTest::addColumn<QString>("cells");  // of the HTML table's row
    const auto row = [](const char* name, const char* quantity, const char* text, const char* unit,
                        const char* line, const char* cells) {
      QTest::newRow(name) << QString::fromUtf8(quantity) << QString::fromUtf8(text)
                          << QString::fromUtf8(unit) << QString::fromUtf8(line)
                          << QString::fromUtf8(cells);
    };
    row("plain", "Hole volume", "281.55", "mm³", "Hole volume\t281.55\tmm³\n",
        "<td>Hole volume</td><td>281.55</td><td>mm³</td>");
    row("less than", "a", "<1", "mm", "a\t<1\tmm\n", "<td>a</td><td>&lt;1</td><td>mm</td>");
    row("greater than", "a", "1>", "mm", "a\t1>\tmm\n", "<td>a</td><td>1&gt;</td><td>mm</td>");
    row("ampersand", "a", "1&2", "mm", "a\t1&2\tmm\n", "<td>a</td><td>1&amp;2</td><td>mm</td>");
    row("quote", "a", "\"1\"", "mm", "a\t\"1\"\tmm\n",
        "<td>a</td><td>&quot;1&quot;</td><td>mm</td>");
    row("markup in every cell", "<i>", "<b>", "<u>", "<i>\t<b>\t<u>\n",
        "<td>&lt;i&gt;</td><td>&lt;b&gt;</td><td>&lt;u&gt;</td>");
    row("tab", "a", "1\t2", "mm", "a\t1 2\tmm\n", "<td>a</td><td>1 2</td><td>mm</td>");
    row("line feed", "a", "1\n2", "mm", "a\t1 2\tmm\n", "<td>a</td><td>1 2</td><td>mm</td>");
    row("carriage return", "a", "1\r2", "mm", "a\t1 2\tmm\n", "<td>a</td><td>1 2</td><td>mm</td>");
    row("empty unit", "Spread angle", "", "", "Spread angle\t\t\n",
        "<td>Spread angle</td><td></td><td></td>");
  }

  // A pasted tab or line break would shift a spreadsheet's columns; markup would be taken as
  // markup by a word processor.
  void results() {
    QFETCH(QString, quantity);
    QFETCH(QString, text);
    QFETCH(QString, unit);
    QFETCH(QString, line);
    QFETCH(QString, cells);
    const std::vector<ResultRow> rows = {
        {ostrel::Box::txtOEL, quantity.toStdString(), text.toStdString(), unit.toStdString()}};
    QCOMPARE(ostrel::ui::ResultsText(rows), line);
    const QString html = ostrel::ui::ResultsHtml(rows);
    QVERIFY2(html.contains(QStringLiteral("<tr>") + cells + QStringLiteral("</tr>\n")),
             qPrintable(html));
  }

  void recentFilesLimit_data() {
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("kept");
    QStringList eight;
    for (int i = 1; i <= 8; ++i) eight << QStringLiteral("/d/%1.ostrel").arg(i);
    QTest::newRow("eight") << eight << eight;
    QTest::newRow("nine") << (eight + QStringList{"/d/9.ostrel"}) << eight;
    QTest::newRow("repeated and empty names do not count")
        << QStringList{"/d/1.ostrel", "", "/d/1.ostrel", "/d/2.ostrel"}
        << QStringList{"/d/1.ostrel", "/d/2.ostrel"};
    QTest::newRow("eight after a repeated one")
        << (QStringList{"/d/1.ostrel"} + eight + QStringList{"/d/9.ostrel"}) << eight;
  }

  // A hand-edited settings file may hold any list: what is read keeps the limit.
  void recentFilesLimit() {
    QFETCH(QStringList, stored);
    QFETCH(QStringList, kept);
    QSettings("Ostrel", "Ostrel").setValue("recentFiles", stored);
    const ostrel::ui::RecentFiles recent;
    QCOMPARE(recent.Files(), kept);
  }

  // Adding to a full list drops the oldest; adding one already there moves it first.
  void recentFilesAdd() {
    ostrel::ui::RecentFiles recent;
    QStringList expected;
    for (int i = 1; i <= 9; ++i) {
      const QString path = QStringLiteral("/d/%1.ostrel").arg(i);
      recent.Add(path);
      expected.prepend(path);
    }
    expected.removeLast();
    QCOMPARE(recent.Files(), expected);
    recent.Add(QStringLiteral("/d/5.ostrel"));
    expected.move(expected.indexOf(QStringLiteral("/d/5.ostrel")), 0);
    QCOMPARE(recent.Files(), expected);
    QCOMPARE(recent.Files().size(), 8);
  }

 private:
  QTemporaryDir settings_;
};

}  // namespace

QTEST_MAIN(ClipboardAndRecentTest)
#include "clipboard_and_recent_test.moc"
