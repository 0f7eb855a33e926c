// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The console's own command-line options, read before the application object exists (so --help
// needs no display). Every other argument is left to the toolkit (-platform and the like).
//   --help                  prints the usage and ends
//   --osc [HOST:]PORT       listens for OSC cues; also --osc=[HOST:]PORT. LUMETRA_OSC gives the
//                           same for desktop launchers; the option wins over it.
//   --osc-allow ADDR[,...]  the senders that may cue (addresses or CIDR ranges); also
//                           --osc-allow=..., and LUMETRA_OSC_ALLOW, which the option overrides.
//   --web [HOST:]PORT       serves the web pages; also --web=[HOST:]PORT, and LUMETRA_WEB likewise.
//   --web-control           the stage page may also send (with the key)
//   --web-control-allow ADDR[,...]
//                           the addresses a page may control from (addresses or CIDR ranges;
//                           this machine's when not given); LUMETRA_WEB_CONTROL_ALLOW likewise
//   --web-host NAME[,...]   names (and addresses) the pages may be asked for by besides this
//                           machine's addresses; LUMETRA_WEB_HOST likewise
//   --web-new-key           replaces the key of the web pages by a new one
//   --midi DEVICE           takes MIDI Show Control cues from a raw MIDI device; also
//                           --midi=DEVICE, and LUMETRA_MIDI likewise. --midi-id N,
//                           --midi-group N[,N...], --midi-format F[,F...] and --midi-go-note N
//                           say which messages are the console's.
//   --track TAG=FILE        a translation track (repeatable); also --track=TAG=FILE. LUMETRA_TRACKS
//                           gives pairs separated by semicolons or line ends; any --track wins over it.
//   --track-port TAG=N      the port whose signs show the track; LUMETRA_TRACK_PORTS likewise.
#include <QString>
#include <QStringList>

#include "show/TrackRequests.h"

struct ConsoleOptions {
  bool help = false;
  QString osc;       // where to listen; empty: no server, no socket
  QString oscAllow;  // who may cue; empty: every sender, and only a loopback address to listen on
  QString web;       // where to serve the web pages; empty: no server, no socket
  bool webControl = false;
  QString webControlAllow;  // who may control; empty: this machine only
  QString webHost;          // further names of the pages' host
  bool webNewKey = false;
  QString midi;         // the MIDI device; empty: none opened
  QString midiId;       // the device ID, as given; empty: 1
  QString midiGroups;   // the group IDs, as given
  QString midiFormats;  // the command formats, as given; empty: every format
  QString midiGoNote;   // the note that is a GO, as given; empty: none
  QString error;        // one line when an OSC option was given without a value
  QString webError;     // one line when a web option was given without a value
  QString midiError;    // one line when a MIDI option was given without a value
  TrackRequests tracks;  // translation tracks, checked only when they are loaded
};

// What the environment gives for desktop launchers; an option given wins over it.
struct ConsoleEnvironment {
  QString osc;              // LUMETRA_OSC
  QString oscAllow;         // LUMETRA_OSC_ALLOW
  QString web;              // LUMETRA_WEB
  QString webControlAllow;  // LUMETRA_WEB_CONTROL_ALLOW
  QString webHost;          // LUMETRA_WEB_HOST
  QString midi;             // LUMETRA_MIDI
  QString tracks;           // LUMETRA_TRACKS
  QString trackPorts;       // LUMETRA_TRACK_PORTS
};

ConsoleOptions ReadConsoleOptions(const QStringList& arguments, const ConsoleEnvironment& environment = {});
// The environment's values of this process.
ConsoleEnvironment ConsoleEnvironmentNow();

// The text --help prints.
QString ConsoleUsage();
