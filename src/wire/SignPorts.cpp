// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "wire/SignPorts.h"

#include <QRegularExpression>

QString PortNameFor(int portNumber) { return QStringLiteral("com%1").arg(portNumber); }

QString PortDevicesVariable(int portNumber) { return QStringLiteral("LUMETRA_COM%1").arg(portNumber); }

QStringList SignDevicesOfPort(int portNumber) {
  const QByteArray configured = qgetenv(qPrintable(PortDevicesVariable(portNumber)));
  if (configured.isEmpty()) return {QStringLiteral("/dev/ttyS%1").arg(portNumber - 1)};
  return SignDeviceList(QString::fromLocal8Bit(configured));
}

int SignCountOfPort(int portNumber) { return int(SignDevicesOfPort(portNumber).size()); }

QStringList SignDeviceList(const QString& devices) {
  QStringList list;
  for (const QString& device : devices.split(u','))
    if (!device.trimmed().isEmpty()) list << device.trimmed();
  return list;
}

int PortOfDevicesVariable(const QString& name) {
  static const QRegularExpression variable(QStringLiteral("^LUMETRA_COM([1-9][0-9]*)$"));
  const QRegularExpressionMatch match = variable.match(name);
  return match.hasMatch() ? match.captured(1).toInt() : 0;
}

int PortOfDefaultDevice(const QString& device) {
  static const QRegularExpression standard(QStringLiteral("^/dev/ttyS([0-9]+)$"));
  const QRegularExpressionMatch match = standard.match(device);
  return match.hasMatch() ? match.captured(1).toInt() + 1 : 0;
}
