// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The console's command line and where --osc listens.
#include <gtest/gtest.h>

#include "remote/ConsoleOptions.h"
#include "remote/OscEndpoint.h"
#include "support/CliRunner.h"
#include "support/QtPrinters.h"

TEST(ConsoleOptions, OscAndWhoMayCueComeFromTheOptionElseTheEnvironment) {
  struct Case {
    QStringList arguments;
    QString environment;
    QString osc;
    QString error;
    bool help = false;
    QString allowEnvironment = {};
    QString allow = {};
  };
  const QString needs = QStringLiteral("--osc needs [HOST:]PORT");
  const Case cases[] = {
      {{"lumetra"}, {}, {}, {}},
      {{"lumetra", "-platform", "offscreen"}, {}, {}, {}},
      {{"lumetra", "--osc", "9000"}, {}, "9000", {}},
      {{"lumetra", "--osc=0.0.0.0:9000"}, {}, "0.0.0.0:9000", {}},
      {{"lumetra"}, " 9001 ", "9001", {}},
      {{"lumetra", "--osc", "9000"}, "9001", "9000", {}},
      {{"lumetra", "--osc"}, "9001", {}, needs},
      {{"lumetra", "--osc="}, {}, {}, needs},
      {{"lumetra", "--help"}, {}, {}, {}, true},
      {{"lumetra", "--osc-allow", "10.0.0.0/24,::1", "--osc", "9000"}, {}, "9000", {}, false, {}, "10.0.0.0/24,::1"},
      {{"lumetra", "--osc-allow=10.0.0.5"}, {}, {}, {}, false, "192.168.1.20", "10.0.0.5"},
      {{"lumetra"}, {}, {}, {}, false, " 192.168.1.20 ", "192.168.1.20"},
      {{"lumetra", "--osc-allow"}, {}, {}, "--osc-allow needs ADDR[,ADDR...]", false, "192.168.1.20"},
  };
  for (const Case& c : cases) {
    const ConsoleOptions options = ReadConsoleOptions(c.arguments, {c.environment, c.allowEnvironment, {}, {}, {}, {}});
    const std::string what = c.arguments.join(' ').toStdString();
    EXPECT_EQ(options.oscAllow, c.allow) << what;
    EXPECT_EQ(options.osc, c.osc) << what;
    EXPECT_EQ(options.error, c.error) << what;
    EXPECT_EQ(options.help, c.help) << what;
  }
  EXPECT_TRUE(ConsoleUsage().contains(QStringLiteral("--osc [HOST:]PORT")));
  EXPECT_TRUE(ConsoleUsage().contains(QStringLiteral("--osc-allow ADDR[,ADDR...]")));
}

TEST(ConsoleOptions, WebComesFromTheOptionElseTheEnvironmentAndControlOnlyWhenAsked) {
  struct Case {
    QStringList arguments;
    QString environment;
    QString web;
    bool control = false;
    bool newKey = false;
    QString error = {};
    QString allow = {};  // --web-control-allow
    QString host = {};   // --web-host
  };
  const QString needs = QStringLiteral("--web needs [HOST:]PORT");
  const Case cases[] = {
      {{"lumetra"}, {}, {}},
      {{"lumetra", "--web", "8080", "--osc", "9000"}, {}, "8080"},
      {{"lumetra", "--web=0.0.0.0:8080", "--web-control"}, {}, "0.0.0.0:8080", true},
      {{"lumetra", "--web-control", "--web-new-key"}, " 8081 ", "8081", true, true},
      {{"lumetra", "--web", "8080"}, "8081", "8080"},
      {{"lumetra", "--web"}, "8081", {}, false, false, needs},
      {{"lumetra", "--web="}, {}, {}, false, false, needs},
      // "--web-control" is an option of its own, never the value of --web.
      {{"lumetra", "--web-controls"}, {}, {}},
      {{"lumetra", "--web-control", "--web-control-allow", "10.0.0.0/24"}, {}, {}, true, false, {}, "10.0.0.0/24"},
      {{"lumetra", "--web-host=stage.local,Sign"}, {}, {}, false, false, {}, {}, "stage.local,Sign"},
      {{"lumetra", "--web-control-allow"}, {}, {}, false, false, "--web-control-allow needs ADDR[,ADDR...]"},
  };
  for (const Case& c : cases) {
    const ConsoleOptions options = ReadConsoleOptions(c.arguments, {{}, {}, c.environment, {}, {}, {}});
    EXPECT_EQ(options.webControlAllow, c.allow);
    EXPECT_EQ(options.webHost, c.host);
    const std::string what = c.arguments.join(' ').toStdString();
    EXPECT_EQ(options.web, c.web) << what;
    EXPECT_EQ(options.webControl, c.control) << what;
    EXPECT_EQ(options.webNewKey, c.newKey) << what;
    EXPECT_EQ(options.webError, c.error) << what;
  }
  EXPECT_EQ(ReadConsoleOptions({"lumetra", "--web", "8080", "--osc", "9000"}).osc, QStringLiteral("9000"));
  const ConsoleOptions fromEnvironment = ReadConsoleOptions({"lumetra"}, {{}, {}, {}, " 192.168.1.20 ", "sign.local", {}});
  EXPECT_EQ(fromEnvironment.webControlAllow, QStringLiteral("192.168.1.20"));
  EXPECT_EQ(fromEnvironment.webHost, QStringLiteral("sign.local"));
  // The MIDI device likewise; "--midi-id" is an option of its own, never the value of --midi.
  const ConsoleEnvironment midi{{}, {}, {}, {}, {}, "/dev/snd/midiC2D0"};
  EXPECT_EQ(ReadConsoleOptions({"lumetra", "--midi-id", "3"}, midi).midi, QStringLiteral("/dev/snd/midiC2D0"));
  EXPECT_EQ(ReadConsoleOptions({"lumetra", "--midi=/dev/snd/midiC1D0"}, midi).midi, QStringLiteral("/dev/snd/midiC1D0"));
  EXPECT_EQ(ReadConsoleOptions({"lumetra", "--midi-go-note", "60", "--midi"}, midi).midiError, "--midi needs DEVICE");
}

TEST(ConsoleOptions, TracksAndTheirPortsComeFromTheOptionsElseTheEnvironment) {
  // Pairs as "origin tag=value", in the order read.
  const auto pairs = [](const QList<TrackPair>& list) {
    QStringList texts;
    for (const TrackPair& pair : list) texts << QStringLiteral("%1 %2=%3").arg(pair.origin, pair.tag, pair.value);
    return texts.join(u'|');
  };
  struct Case {
    QStringList arguments;
    QString tracksEnvironment;
    QString portsEnvironment;
    QString files;
    QString ports;
    QString malformed = {};
  };
  const Case cases[] = {
      {{"lumetra"}, {}, {}, {}, {}},
      {{"lumetra", "--track", "en=a b.txt", "--track=ja=ja=1.srt", "--track-port", "en=2"}, {}, {},
       "--track en=a b.txt|--track ja=ja=1.srt", "--track-port en=2"},
      {{"lumetra"}, "en=en.txt;\nja=ja.txt\n", "en=2; ja=3", "LUMETRA_TRACKS en=en.txt|LUMETRA_TRACKS ja=ja.txt",
       "LUMETRA_TRACK_PORTS en=2|LUMETRA_TRACK_PORTS ja=3"},
      {{"lumetra", "--track", "fr=fr.txt"}, "en=en.txt", "en=2", "--track fr=fr.txt", "LUMETRA_TRACK_PORTS en=2"},
      {{"lumetra", "--track-port=fr=4", "--track", "fr=fr.txt"}, "en=en.txt", "en=2", "--track fr=fr.txt", "--track-port fr=4"},
      {{"lumetra", "--track"}, "en=en.txt", {}, {}, {}, "--track \"\" is not TAG=FILE (as en=english.txt)"},
  };
  for (const Case& c : cases) {
    const ConsoleOptions options =
        ReadConsoleOptions(c.arguments, {{}, {}, {}, {}, {}, {}, c.tracksEnvironment, c.portsEnvironment});
    const std::string what = c.arguments.join(' ').toStdString();
    EXPECT_EQ(pairs(options.tracks.files), c.files) << what;
    EXPECT_EQ(pairs(options.tracks.ports), c.ports) << what;
    EXPECT_EQ(options.tracks.malformed.join(u'|'), c.malformed) << what;
  }
  EXPECT_TRUE(ConsoleUsage().contains(QStringLiteral("--track TAG=FILE")));
}

TEST(OscEndpoint, TheHostIsThisMachineUnlessANumericAddressIsGiven) {
  const std::pair<const char*, const char*> good[] = {
      {"9000", "127.0.0.1:9000"},       {" 9000 ", "127.0.0.1:9000"},   {"0", "127.0.0.1:0"},
      {"0.0.0.0:9000", "0.0.0.0:9000"}, {"[::1]:9000", "[::1]:9000"}, {"192.168.1.20:65535", "192.168.1.20:65535"},
  };
  for (const auto& [text, endpoint] : good) {
    QString error;
    const std::optional<OscEndpoint> parsed = ParseOscEndpoint(QString::fromLatin1(text), error);
    ASSERT_TRUE(parsed) << text << ": " << error.toStdString();
    EXPECT_EQ(OscEndpointText(reinterpret_cast<const sockaddr*>(&parsed->address), parsed->length),
              QString::fromLatin1(endpoint));
  }
  for (const char* bad : {"", "x", "-1", "+9000", "65536", "9000:", "localhost:9000", "::1", "[127.0.0.1]:9000",
                          "1.2.3:9000", "[::1]"}) {
    QString error;
    EXPECT_FALSE(ParseOscEndpoint(QString::fromLatin1(bad), error)) << bad;
    EXPECT_FALSE(error.isEmpty()) << bad;
  }
}

TEST(ConsoleOptions, HelpNeedsNoDisplay) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(QString::fromLatin1(name));
  const CliRun help = RunProgram(QStringLiteral(LUMETRA_APP_PATH), {QStringLiteral("--help")}, environment);
  EXPECT_EQ(help.exitCode, 0) << help.err.constData();
  EXPECT_EQ(help.out, ConsoleUsage().toLocal8Bit());
}
