// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/ConsoleOptions.h"

namespace {

// An option with a value, as "--name value" or "--name=value"; the environment's value until the
// option is given.
struct ValueOption {
  QString name;
  QString* value;
  QString* error;   // where to say that it came without a value
  QString missing;  // what to say then
  bool given = false;

  // Takes arguments[i] (and the value after it) when it is this option.
  bool Take(const QStringList& arguments, qsizetype& i) {
    const QString& argument = arguments[i];
    if (argument == name) {
      *value = i + 1 < arguments.size() ? arguments[++i].trimmed() : QString();
    } else if (argument.startsWith(name + u'=')) {
      *value = argument.mid(name.size() + 1).trimmed();
    } else {
      return false;
    }
    given = true;
    return true;
  }
};

// A translation track option, as "--name TAG=VALUE" or "--name=TAG=VALUE"; it may be given many
// times, and once given, the environment's pairs of its kind are not read.
struct TrackOption {
  QString name;
  TrackPairKind kind;
  QString variable;     // the environment variable read when the option is not given
  QString environment;  // its value
  bool given = false;

  bool Take(const QStringList& arguments, qsizetype& i, TrackRequests& requests) {
    const QString& argument = arguments[i];
    QString pair;
    if (argument == name) {
      if (i + 1 < arguments.size()) pair = arguments[++i];
    } else if (argument.startsWith(name + u'=')) {
      pair = argument.mid(name.size() + 1);
    } else {
      return false;
    }
    given = true;
    AddTrackPair(requests, kind, name, pair);
    return true;
  }
  void ReadEnvironment(TrackRequests& requests) const {
    if (!given) AddTrackPairList(requests, kind, variable, environment);
  }
};

}  // namespace

ConsoleOptions ReadConsoleOptions(const QStringList& arguments, const ConsoleEnvironment& environment) {
  ConsoleOptions options;
  options.osc = environment.osc.trimmed();
  options.oscAllow = environment.oscAllow.trimmed();
  options.web = environment.web.trimmed();
  options.webControlAllow = environment.webControlAllow.trimmed();
  options.webHost = environment.webHost.trimmed();
  options.midi = environment.midi.trimmed();
  ValueOption valued[] = {
      {QStringLiteral("--osc"), &options.osc, &options.error, QStringLiteral("--osc needs [HOST:]PORT")},
      {QStringLiteral("--osc-allow"), &options.oscAllow, &options.error, QStringLiteral("--osc-allow needs ADDR[,ADDR...]")},
      {QStringLiteral("--web"), &options.web, &options.webError, QStringLiteral("--web needs [HOST:]PORT")},
      {QStringLiteral("--web-control-allow"), &options.webControlAllow, &options.webError,
       QStringLiteral("--web-control-allow needs ADDR[,ADDR...]")},
      {QStringLiteral("--web-host"), &options.webHost, &options.webError, QStringLiteral("--web-host needs NAME[,NAME...]")},
      {QStringLiteral("--midi"), &options.midi, &options.midiError, QStringLiteral("--midi needs DEVICE")},
      {QStringLiteral("--midi-id"), &options.midiId, &options.midiError, QStringLiteral("--midi-id needs N")},
      {QStringLiteral("--midi-group"), &options.midiGroups, &options.midiError,
       QStringLiteral("--midi-group needs N[,N...]")},
      {QStringLiteral("--midi-format"), &options.midiFormats, &options.midiError,
       QStringLiteral("--midi-format needs F[,F...]")},
      {QStringLiteral("--midi-go-note"), &options.midiGoNote, &options.midiError, QStringLiteral("--midi-go-note needs N")},
  };
  TrackOption tracks[] = {
      {QStringLiteral("--track"), TrackPairKind::File, QStringLiteral("LUMETRA_TRACKS"), environment.tracks},
      {QStringLiteral("--track-port"), TrackPairKind::Port, QStringLiteral("LUMETRA_TRACK_PORTS"), environment.trackPorts},
  };
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (tracks[0].Take(arguments, i, options.tracks) || tracks[1].Take(arguments, i, options.tracks)) continue;
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      options.help = true;
      continue;
    } else if (argument == QLatin1String("--web-control")) {
      options.webControl = true;
      continue;
    } else if (argument == QLatin1String("--web-new-key")) {
      options.webNewKey = true;
      continue;
    }
    for (ValueOption& option : valued)
      if (option.Take(arguments, i)) break;
  }
  for (const ValueOption& option : valued)
    if (option.given && option.value->isEmpty() && option.error->isEmpty()) *option.error = option.missing;
  for (const TrackOption& option : tracks) option.ReadEnvironment(options.tracks);
  return options;
}

ConsoleEnvironment ConsoleEnvironmentNow() {
  return {qEnvironmentVariable("LUMETRA_OSC"), qEnvironmentVariable("LUMETRA_OSC_ALLOW"),
          qEnvironmentVariable("LUMETRA_WEB"), qEnvironmentVariable("LUMETRA_WEB_CONTROL_ALLOW"),
          qEnvironmentVariable("LUMETRA_WEB_HOST"), qEnvironmentVariable("LUMETRA_MIDI"),
          qEnvironmentVariable("LUMETRA_TRACKS"), qEnvironmentVariable("LUMETRA_TRACK_PORTS")};
}

QString ConsoleUsage() {
  return QStringLiteral(
      "Usage: lumetra [--osc [HOST:]PORT] [--osc-allow ADDR[,ADDR...]]\n"
      "               [--web [HOST:]PORT [--web-control] [--web-control-allow ADDR[,ADDR...]]\n"
      "                [--web-host NAME[,NAME...]] [--web-new-key]]\n"
      "               [--midi DEVICE [--midi-id N] [--midi-group N[,N...]] [--midi-format F[,F...]]\n"
      "               [--midi-go-note N]] [--track TAG=FILE [--track-port TAG=N]]...\n"
      "               [--version] [--help]\n"
      "The caption console for a one-line LED sign on a serial port.\n"
      "\n"
      "  --osc [HOST:]PORT  Take cues over OSC (UDP) on PORT: /lumetra/go, /lumetra/goto N,\n"
      "                     /lumetra/next, /lumetra/prev, /lumetra/send N, /lumetra/blank,\n"
      "                     /lumetra/text S [MODE], /lumetra/state. GO sends the playhead's\n"
      "                     line (the one after the line sent last, marked in the play list)\n"
      "                     in its stored mode; goto, next and prev move the playhead. Each is\n"
      "                     answered with /lumetra/refused or /lumetra/sent where it applies,\n"
      "                     then /lumetra/state. HOST defaults to 127.0.0.1 (this machine only).\n"
      "                     LUMETRA_OSC in the environment does the same.\n"
      "  --osc-allow ADDR[,ADDR...]\n"
      "                     Take cues only from these senders: numeric IPv4 or IPv6 addresses\n"
      "                     or CIDR ranges (192.168.1.20, 10.0.0.0/24, fd00::/8); others are\n"
      "                     dropped unanswered. Needed to listen beyond this machine: to let a\n"
      "                     cue system on another machine in, give --osc 0.0.0.0:PORT (or this\n"
      "                     machine's address) and --osc-allow with that machine's address.\n"
      "                     LUMETRA_OSC_ALLOW in the environment does the same.\n"
      "  --web [HOST:]PORT  Serve the web pages on PORT (0: any free port): / the caption for\n"
      "                     the audience, /stage the sign's picture and the next lines for the\n"
      "                     stage manager, /live their WebSocket. HOST as for --osc.\n"
      "                     LUMETRA_WEB in the environment does the same.\n"
      "  --web-control      Show GO, BACK and BLANK on /stage; they act only with the key of\n"
      "                     the control address the window's notice shows at start\n"
      "                     (/stage#key=...), and only from the addresses --web-control-allow\n"
      "                     names. A GO within 250 ms of another, from a page or a cue, is\n"
      "                     refused.\n"
      "  --web-control-allow ADDR[,ADDR...]\n"
      "                     The addresses (and CIDR ranges) a page may control from, as for\n"
      "                     --osc-allow; this machine only when not given. The audience's\n"
      "                     network should not be among them.\n"
      "                     LUMETRA_WEB_CONTROL_ALLOW in the environment does the same.\n"
      "  --web-host NAME[,NAME...]\n"
      "                     Names (or addresses) the pages may be opened by besides this\n"
      "                     machine's addresses (a name the venue's DNS gives it); a request for\n"
      "                     any other host is refused. LUMETRA_WEB_HOST does the same.\n"
      "  --web-new-key      Replace the key of the web pages by a new one.\n"
      "  --midi DEVICE      Take MIDI Show Control cues from a raw MIDI device (a USB\n"
      "                     interface's /dev/snd/midiC1D0, a serial line or a FIFO): GO [N],\n"
      "                     LOAD N, RESET and ALL_OFF. A device missing or gone is tried\n"
      "                     again every 2 s. LUMETRA_MIDI in the environment does the same.\n"
      "  --midi-id N        The console's MIDI Show Control device ID, 0..111 (default 1); it\n"
      "                     also takes messages to every device (7F).\n"
      "  --midi-group N[,N...]\n"
      "                     The groups it belongs to, 1..15 (device IDs 70..7E in hex).\n"
      "  --midi-format F[,F...]\n"
      "                     Take only these command formats, in hex as MIDI Show Control\n"
      "                     numbers them (01 lighting, 10 sound, 30 video, ...); 7F, every\n"
      "                     format, is always taken. Default: every format.\n"
      "  --midi-go-note N   A Note On of note N (0..127, velocity above 0, any channel) is a\n"
      "                     GO, for desks without MIDI Show Control.\n"
      "  --track TAG=FILE   A translation track (up to 8): a language tag (en, ja, zh-Hant) and\n"
      "                     a file whose line i translates caption line i (text in UTF-8,\n"
      "                     UTF-16 or GB18030, or .srt subtitles, a cue a line); an empty line\n"
      "                     is no caption on that track. LUMETRA_TRACKS in the environment\n"
      "                     gives TAG=FILE pairs separated by semicolons or line ends.\n"
      "  --track-port TAG=N Show the track on the signs of port N (LUMETRA_COM<N> names its\n"
      "                     devices). LUMETRA_TRACK_PORTS gives TAG=N pairs likewise.\n"
      "                     A bad track is told on standard error and the console runs\n"
      "                     without it.\n"
      "  --version          Print the version and exit.\n"
      "  --help             Print this help and exit.\n"
      "\n"
      "Every send is logged in $XDG_STATE_HOME/lumetra/sends.log (a MIDI cue's as \"midi DEVICE\");\n"
      "the web pages' key is kept in $XDG_STATE_HOME/lumetra/web.key.\n");
}
