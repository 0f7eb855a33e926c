// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The runtime's input/output error codes and texts, and how the host's errno values map onto them.
#include <QString>

#include "platform/Exceptions.h"

constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;
constexpr int kTooManyOpenFiles = 4;
constexpr int kAccessDenied = 5;
constexpr int kNotEnoughMemory = 8;
constexpr int kGeneralFailure = 31;
constexpr int kSharingViolation = 32;
constexpr int kDiskFull = 101;
constexpr int kInvalidNumericInput = 106;

// "File not found", "Invalid filename", "File access denied", "Not enough memory", "Disk full",
// "Invalid numeric input", otherwise "I/O error <code>".
QString InOutErrorMessage(int code);

EInOutError InOutError(int code);

// The runtime code for a failed operation on `path`. A missing entry is "File not found" when
// its folder exists and "Invalid filename" (path not found) when the folder itself is missing.
int InOutErrorCodeForErrno(int error, const QString& path);

EInOutError InOutErrorForErrno(int error, const QString& path);
