#pragma once
// What a fresh console saves after loading a settings file, made as the file is read: every
// caption text that would come back unchanged is copied as it stands instead of being decoded
// and encoded again, so that a long show needs no caption list of its own.
#include <QByteArray>
#include <QString>

class TTextReader;

// Exactly the bytes SaveSettingsFile writes for the show that ReadSettings reads from `reader`
// into a fresh ShowDocument; the same failure where that read fails.
QByteArray ResaveSettings(TTextReader& reader);
QByteArray ResaveSettingsFile(const QString& path);
