#pragma once
// Where the working state "lw1.ini" lives. It is written beside the program; an installed
// program's folder refuses writing, and then the per-user state folder takes it instead, so that
// the console can always be closed. At start it is restored from the current folder, or from the
// per-user folder when the current folder holds none.
#include <QByteArray>
#include <QString>

inline constexpr char kWorkingStateFileName[] = "lw1.ini";

// $XDG_CONFIG_HOME/lumetra, else ~/.config/lumetra.
QString UserStateFolder();

// The "lw1.ini" to restore from, or an empty string when neither folder holds one.
QString WorkingStateToRestore(const QString& currentFolder, const QString& userFolder);

// Writes `bytes` as "lw1.ini" into `programFolder`; when that folder refuses access, into
// `userFolder` (created when missing). Returns the path written. When both fail, the error of
// the program folder is raised (EInOutError); a failure never leaves a cut-short file.
QString SaveWorkingState(const QByteArray& bytes, const QString& programFolder, const QString& userFolder);
