// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli runs show and convert itself and hands every other command line to the full
// program; what a user sees must not tell the two apart.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "support/CliRunner.h"
#include "support/FileBytes.h"

namespace {

const QString kFront = QStringLiteral(LUMETRA_CLI_PATH);
const QString kFull = QStringLiteral(LUMETRA_CLI_FULL_PATH);

void ExpectSameRun(const CliRun& front, const CliRun& full, const QStringList& arguments) {
  const std::string line = arguments.join(u' ').toStdString();
  EXPECT_EQ(front.exitCode, full.exitCode) << line;
  EXPECT_EQ(front.out.toStdString(), full.out.toStdString()) << line;
  EXPECT_EQ(front.err.toStdString(), full.err.toStdString()) << line;
}

// The shared libraries a program names in its dynamic section.
QStringList NeededLibraries(const QString& program) {
  QProcess readelf;
  readelf.start(QStringLiteral("readelf"), {QStringLiteral("-d"), program});
  EXPECT_TRUE(readelf.waitForFinished(30000)) << "readelf (binutils) did not run";
  EXPECT_EQ(readelf.exitCode(), 0) << readelf.readAllStandardError().toStdString();
  QStringList needed;
  const QRegularExpression entry(QStringLiteral(R"(\(NEEDED\)\s+Shared library: \[([^\]]+)\])"));
  for (auto match = entry.globalMatch(QString::fromUtf8(readelf.readAllStandardOutput())); match.hasNext();)
    needed << match.next().captured(1);
  return needed;
}

// A copy of the front, alone in bin/ of a folder laid out as an installation.
QString FrontInstalledAlone() {
  EXPECT_TRUE(QDir().mkpath(QStringLiteral("bin")));
  const QString front = QDir::current().filePath(QStringLiteral("bin/lumetra-cli"));
  EXPECT_TRUE(QFile::copy(kFront, front));
  return QFileInfo(front).canonicalFilePath();
}

}  // namespace

TEST(CliFront, HandsEveryOtherCommandLineToTheFullProgramUnchanged) {
  const QList<QStringList> lines = {{"frame-layout", "--size", "300x200", "--json", "--hit", "150,10"},
                                    {"render", "-o", "x.png"},  // a graphical command's own error
                                    {"packet", "字幕", "--mode", "1", "-o", "-"},
                                    {"--help"},
                                    {"-h"},
                                    {},
                                    {"bogus", "x"},
                                    {"Show", "x.lw"}};
  for (const QStringList& arguments : lines) ExpectSameRun(RunCli(arguments), RunProgram(kFull, arguments), arguments);

  const CliRun help = RunCli({QStringLiteral("--help")});
  EXPECT_EQ(help.exitCode, 0);
  for (const char* command : {"  show ", "  convert ", "  render ", "  frame-layout ", "  send ", "  skin-info "})
    EXPECT_TRUE(help.out.contains(command)) << command << " missing from\n" << help.out.toStdString();
  EXPECT_EQ(RunCli({}).exitCode, 1);
  const CliRun unknown = RunCli({QStringLiteral("bogus")});
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_EQ(unknown.out.toStdString(), "");
  EXPECT_EQ(unknown.err.toStdString(), "lumetra-cli: unknown command \"bogus\" (see --help)\n");
}

TEST(CliFront, RunsItsOwnCommandsAsTheFullProgramDoes) {
  WriteBytes(QStringLiteral("act1.lw"), "1\r\n14\r\n255\r\n\xcb\xce\xcc\xe5\r\nHi\r\n0\r\n5\r\n2\r\n");
  const QList<QStringList> lines = {{"show", "act1.lw"},          {"show", "--json", "act1.lw"},
                                    {"show", "missing.lw"},       {"show", "--help"},
                                    {"convert", "act1.lw", "-"},  {"convert", "act1.lw"}};
  for (const QStringList& arguments : lines) ExpectSameRun(RunCli(arguments), RunProgram(kFull, arguments), arguments);
  const CliRun version = RunCli({QStringLiteral("--version")});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out, RunProgram(kFull, {QStringLiteral("--version")}).out);
}

TEST(CliFront, FindsTheFullProgramInItsInstalledFolderOrSaysItCannot) {
  const QString front = FrontInstalledAlone();
  WriteBytes(QStringLiteral("act1.txt"), "one\n");
  const CliRun own = RunProgram(front, {QStringLiteral("show"), QStringLiteral("act1.txt")});
  EXPECT_EQ(own.exitCode, 0) << own.err.toStdString();

  const CliRun missing = RunProgram(front, {QStringLiteral("render"), QStringLiteral("x")});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_EQ(missing.out.toStdString(), "");
  // The installed folder, beside bin/ (not below it, and not the current folder).
  const QString root = QFileInfo(front).dir().filePath(QStringLiteral(".."));
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^lumetra-cli: cannot start %1/[^\n]*/lumetra-cli-full: "
                                                "No such file or directory\n$")
                                     .arg(QRegularExpression::escape(QDir::cleanPath(root))))
                  .match(QString::fromUtf8(missing.err))
                  .hasMatch())
      << missing.err.toStdString();

  const QString installed = QStringLiteral("libexec/lumetra/lumetra-cli-full");
  ASSERT_TRUE(QDir().mkpath(QFileInfo(installed).path()));
  ASSERT_TRUE(QFile::link(kFull, installed));
  const QStringList layout = {QStringLiteral("frame-layout"), QStringLiteral("--size"), QStringLiteral("300x200")};
  const CliRun handed = RunProgram(front, layout);
  EXPECT_EQ(handed.exitCode, 0) << handed.err.toStdString();
  EXPECT_EQ(handed.out, RunProgram(kFull, layout).out);
}

TEST(CliFront, NeedsNoGraphicalLibrary) {
  const QStringList front = NeededLibraries(kFront);
  EXPECT_TRUE(front.contains(QStringLiteral("libQt6Core.so.6"))) << front.join(u' ').toStdString();
  for (const QString& library : front)
    EXPECT_FALSE(library.contains(QRegularExpression(QStringLiteral("Qt6(Gui|Widgets|SerialPort)|fontconfig|libz\\."))))
        << library.toStdString();
  // The same look at the full program finds them, so the check above can fail.
  EXPECT_TRUE(NeededLibraries(kFull).contains(QStringLiteral("libQt6Widgets.so.6")));
}
