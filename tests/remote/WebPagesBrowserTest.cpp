// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The web pages of the console running as its own process, with a pseudo-terminal for the sign,
// opened in Debian's Chromium (headless, driven over WebDriver): after a send by an OSC cue and
// one by Enter's own handler, the caption page shows the caption and the stage page the very dots
// of the sign's packet (its first and last page), the next lines each in the mode GO sends it in;
// GO on the page with the key sends the next line, a GO without the key sends nothing and the page
// without it shows no GO; a console started anew leaves nothing of the old one's sends on the stage
// page. With LUMETRA_SHOTS set, both pages are photographed there in a phone's and a desktop's
// window.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTest>

#include "support/ConsoleProcess.h"
#include "support/FileBytes.h"
#include "support/OscClient.h"
#include "support/ProcessSockets.h"
#include "support/PtySign.h"
#include "support/ThreeLineShow.h"
#include "support/WebDriver.h"
#include "wire/DotColours.h"

namespace {

// The dots of every page the stage page draws, "1" lit and "0" dark, row by row, each in the
// console's own colour ("?" for any other).
const QString kDotsOnStage = QStringLiteral(R"(
  return [...document.querySelectorAll('#pages canvas:not(.unused)')].map((canvas) => {
    const pixels = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const colour = (i) => '#' + [0, 1, 2].map((k) => pixels[i + k].toString(16).padStart(2, '0')).join('');
    let dots = '';
    for (let y = 0; y < 16; ++y)
      for (let x = 0; x < 192; ++x) {
        const dot = colour(((y * 5 + 2) * canvas.width + x * 5 + 2) * 4);
        dots += dot === '%1' ? '1' : dot === '%2' ? '0' : '?';
      }
    return dots;
  });)").arg(DotColourName(kLitDotColour), DotColourName(kUnlitDotColour));

// The first page and, of several, the last.
QJsonArray DotsOfPacket(const PacketReport& packet) {
  QJsonArray pages;
  std::vector<LedPage> shown{packet.pages.front()};
  if (packet.pages.size() > 1) shown.push_back(packet.pages.back());
  for (const LedPage& page : shown) {
    QString dots;
    for (int y = 0; y < kLedHeight; ++y)
      for (int x = 0; x < kLedWidth; ++x) dots += page.IsLit(x, y) ? u'1' : u'0';
    pages.append(dots);
  }
  return pages;
}

// A control message sent from the page's own origin over a socket of its own; the answer's reason.
const QString kControlFromPage = QStringLiteral(R"(
  const done = arguments[arguments.length - 1];
  const socket = new WebSocket('ws://' + location.host + '/live');
  socket.onmessage = (event) => {
    const message = JSON.parse(event.data);
    if (message.type === 'hello') socket.send(JSON.stringify(arguments[0]));
    if (message.type === 'refused') { socket.close(); done(message.reason); }
  };)");

QString Text(WebDriver& browser, const char* id) {
  return browser.Run(QStringLiteral("return document.getElementById(arguments[0]).textContent;"), {QLatin1String(id)})
      .toString();
}

// The soft and the hard open-file limit of a process, as the kernel lists them.
QStringList OpenFileLimitsOf(qint64 pid) {
  const QByteArray limits = ReadBytes(QStringLiteral("/proc/%1/limits").arg(pid));
  const qsizetype at = limits.indexOf("Max open files");
  return QString::fromLatin1(limits.mid(at, limits.indexOf('\n', at) - at)).split(u' ', Qt::SkipEmptyParts).mid(3, 2);
}

void Photograph(WebDriver& browser, const QString& page) {
  const QString folder = qEnvironmentVariable("LUMETRA_SHOTS");
  if (folder.isEmpty()) return;
  for (const auto& [name, width, height] : {std::tuple{"phone", 390, 844}, std::tuple{"desktop", 1280, 800}}) {
    ASSERT_TRUE(browser.SetWindowSize(width, height)) << browser.Error().toStdString();
    QTest::qWait(300);  // the layout settles to the new width
    EXPECT_TRUE(browser.SaveScreenshot(QStringLiteral("%1/web-%2-%3.png").arg(folder, page, QLatin1String(name))));
  }
}

}  // namespace

TEST(WebPagesInTheBrowser, TheAudienceAndTheStageManagerFollowTheSignAndGoWorksOnlyWithTheKey) {
  PtySign sign;
  qputenv("LUMETRA_COM1", sign.DevicePath().toLocal8Bit());
  // Line 3's own mode is 4: GO sends it so.
  WriteThreeLineShow(4);
  ConsoleProcess console;
  console.process.setArguments(console.process.arguments() + QStringList{"--osc", "0", "--web", "0", "--web-control"});
  ASSERT_TRUE(console.StartAndWaitForHandlers());
  QByteArray err;
  const int oscPort = SaidOnStandardError(console.process, err, QStringLiteral("OSC cues on 127\\.0\\.0\\.1:(\\d+)")).toInt();
  const QString base = SaidOnStandardError(console.process, err, QStringLiteral("web pages on (http://127\\.0\\.0\\.1:\\d+/)"));
  ASSERT_NE(oscPort, 0) << err.constData();
  ASSERT_FALSE(base.isEmpty()) << err.constData();
  // The key is in the window's notice and in its file, never on standard error.
  const QString key = QString::fromLatin1(ReadBytes(qEnvironmentVariable("XDG_STATE_HOME") + "/lumetra/web.key").trimmed());
  ASSERT_EQ(key.size(), 32);
  EXPECT_FALSE(err.contains(key.toLatin1())) << err.constData();
  const QString control = base + QStringLiteral("stage#key=") + key;

  // A send by a cue (the double-click's handler), then one by Enter's own handler: line 2 scrolls in.
  OscClient cues(oscPort);
  cues.Ask(OscMessage("/lumetra/send", {1}));
  cues.Ask(OscMessage("/lumetra/goto", {2}));
  cues.Ask(OscMessage("/lumetra/go"));
  EXPECT_EQ(sign.TakePacket().mode, 0);
  const PacketReport scrolled = sign.TakePacket();
  ASSERT_TRUE(scrolled.valid) << scrolled.error.toStdString();
  ASSERT_GT(scrolled.pages.size(), 1u);

  WebDriver browser(QDir::current().absoluteFilePath(QStringLiteral("profile")));
  ASSERT_TRUE(browser.Ready()) << browser.Error().toStdString();

  // The audience's page: the caption now on the sign, in a region a screen reader announces.
  ASSERT_TRUE(browser.Open(base));
  ASSERT_TRUE(browser.WaitUntil(QStringLiteral("return document.getElementById('caption').textContent === %1;")
                                    .arg(QStringLiteral("'A caption that is much wider than the sign'"))))
      << Text(browser, "caption").toStdString();
  EXPECT_EQ(browser.Run(QStringLiteral("return document.getElementById('caption').getAttribute('aria-live');")).toString(),
            QStringLiteral("polite"));
  EXPECT_EQ(browser.Run(QStringLiteral("return document.getElementById('caption').lang;")).toString(), QStringLiteral("und"));
  Photograph(browser, QStringLiteral("caption"));

  // The stage page without the key: the sign's dots, the next lines in their own modes, no GO.
  ASSERT_TRUE(browser.Open(base + QStringLiteral("stage")));
  ASSERT_TRUE(browser.WaitUntil(QStringLiteral("return document.querySelectorAll('#pages canvas:not(.unused)').length === 2;")));
  EXPECT_EQ(browser.Run(kDotsOnStage).toArray(), DotsOfPacket(scrolled));
  EXPECT_EQ(Text(browser, "position"), QStringLiteral("3 / 3"));
  EXPECT_EQ(Text(browser, "result"), QStringLiteral("成功"));
  EXPECT_EQ(Text(browser, "next"), QStringLiteral("3谢谢观看从上向下卷入（4）1第一幕：春立即显示（0）"
                                                  "2A caption that is much wider than the sign从右向左移入（1）"));
  EXPECT_TRUE(browser.Run(QStringLiteral("return document.getElementById('go').offsetParent === null;")).toBool());
  EXPECT_FALSE(browser.Run(QStringLiteral("return document.getElementById('readonly').offsetParent === null;")).toBool());
  // A page without the key that sends GO anyway, or with a wrong one, is refused.
  EXPECT_EQ(browser.RunAsync(kControlFromPage, {QJsonObject{{"type", "go"}}}).toString(), QStringLiteral("key"));
  EXPECT_EQ(browser.RunAsync(kControlFromPage, {QJsonObject{{"type", "go"}, {"key", QString(32, u'0')}}}).toString(),
            QStringLiteral("key"));

  // With the key: GO sends the next line in its own mode.
  ASSERT_TRUE(browser.Open(control));
  ASSERT_TRUE(browser.WaitUntil(QStringLiteral("return document.getElementById('go').offsetParent !== null;")));
  Photograph(browser, QStringLiteral("stage"));
  ASSERT_TRUE(browser.Click(QStringLiteral("#go"))) << browser.Error().toStdString();
  const PacketReport next = sign.TakePacket();
  ASSERT_TRUE(next.valid) << next.error.toStdString();
  EXPECT_EQ(next.mode, 4);
  ASSERT_TRUE(browser.WaitUntil(QStringLiteral("return document.getElementById('caption').textContent === '谢谢观看';")));
  EXPECT_EQ(browser.Run(kDotsOnStage).toArray(), DotsOfPacket(next));
  ASSERT_TRUE(browser.WaitUntil(QStringLiteral("return document.getElementById('position').textContent === '1 / 3';")));

  ASSERT_TRUE(console.Stop());
  // Three sends in all: the refused GOs sent nothing. The page's GO is logged as the web's.
  EXPECT_TRUE(sign.Received().isEmpty());
  const QList<QByteArray> log = ReadBytes(qEnvironmentVariable("XDG_STATE_HOME") + "/lumetra/sends.log").split('\n');
  ASSERT_EQ(log.size(), 4) << log.join('\n').constData();
  EXPECT_TRUE(log[2].contains("\tweb 127.0.0.1:")) << log[2].constData();
  EXPECT_TRUE(log[2].contains("\t3\t4\t")) << log[2].constData();

  // A console started anew on the same port has sent nothing: the page that reconnects says so.
  ConsoleProcess again;
  again.process.setArguments(again.process.arguments() + QStringList{"--web", base.section(u':', -1).chopped(1)});
  ASSERT_TRUE(again.StartAndWaitForHandlers());
  EXPECT_TRUE(browser.WaitUntil(QStringLiteral(
      "const first = document.getElementById('first');"
      "return document.getElementById('link').className === 'up' && document.getElementById('result').textContent === '' "
      "&& document.getElementById('caption').textContent === '' && document.getElementById('last').classList.contains('unused') "
      "&& first.getContext('2d').getImageData(0, 0, first.width, first.height).data.every((v) => v === 0);")))
      << Text(browser, "result").toStdString();
  ASSERT_TRUE(again.Stop());
}

TEST(WebPagesOfTheProcess, WithoutTheOptionOrTheModuleNothingListensAndABadValueIsOneLine) {
  enum class Module { Beside, Missing, Broken };
  const struct {
    QStringList arguments;
    Module module;
    QString line;
  } cases[] = {
      {{}, Module::Beside, {}},
      {{"--web", "localhost:8080", "--web-control"}, Module::Beside, QStringLiteral("lumetra: --web localhost:8080: ")},
      {{"--web"}, Module::Missing, QStringLiteral("lumetra: --web needs [HOST:]PORT; running without the web pages")},
      {{"--web", "0"}, Module::Missing, QStringLiteral("lumetra: --web 0: cannot load the web pages (no ")},
      {{"--web", "0"}, Module::Broken, QStringLiteral("lumetra: --web 0: cannot load the web pages (")},
  };
  for (const auto& [arguments, module, line] : cases) {
    ConsoleProcess console;
    const QString modulePath =
        QStringLiteral("program/") + QFileInfo(QStringLiteral(LUMETRA_WEB_MODULE_PATH)).fileName();
    if (module != Module::Beside) {
      ASSERT_TRUE(QFile::remove(modulePath));
    }
    if (module == Module::Broken) {
      ASSERT_NO_FATAL_FAILURE(WriteBytes(modulePath, "not a module\n"));
    }
    console.process.setArguments(console.process.arguments() + arguments);
    // Started as a desktop session starts it, with a low soft limit: the console raises its own.
    rlimit started{};
    ::getrlimit(RLIMIT_NOFILE, &started);
    rlimit low = started;
    low.rlim_cur = std::min<rlim_t>(started.rlim_max, 1024);
    ::setrlimit(RLIMIT_NOFILE, &low);
    const bool up = console.StartAndWaitForHandlers();
    ::setrlimit(RLIMIT_NOFILE, &started);
    ASSERT_TRUE(up);
    const QStringList limits = OpenFileLimitsOf(console.process.processId());
    ASSERT_EQ(limits.size(), 2);
    EXPECT_EQ(limits[0], limits[1]);
    EXPECT_TRUE(TcpSocketsOf(console.process.processId()).isEmpty()) << line.toStdString();
    ASSERT_TRUE(console.Stop());
    const QStringList said = QString::fromLocal8Bit(console.process.readAllStandardError())
                                 .split(u'\n')
                                 .filter(QRegularExpression("^lumetra: "));
    ASSERT_EQ(said.size(), line.isEmpty() ? 0 : 1) << said.join(u'\n').toStdString();
    if (!line.isEmpty()) {
      EXPECT_TRUE(said[0].startsWith(line)) << said[0].toStdString();
    }
    // No key is made for a run that serves no pages.
    EXPECT_FALSE(QFile::exists(qEnvironmentVariable("XDG_STATE_HOME") + "/lumetra/web.key"));
  }
}
