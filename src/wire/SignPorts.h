// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Which devices a sign port drives, both ways. Port "com<n>" is the device, or the comma-separated
// devices (one per sign: signs that show the same caption), named by the environment variable
// LUMETRA_COM<n>, else /dev/ttyS<n-1>.
#include <QString>
#include <QStringList>

// "com" followed by the port number in decimal.
QString PortNameFor(int portNumber);
// "LUMETRA_COM<n>": the environment variable that names the port's devices.
QString PortDevicesVariable(int portNumber);

// The devices a send on the port writes to, one per sign, in the order named.
QStringList SignDevicesOfPort(int portNumber);
// How many signs a send on the port drives.
int SignCountOfPort(int portNumber);
// The devices of a comma-separated list, blanks dropped.
QStringList SignDeviceList(const QString& devices);

// Backwards: the port an environment variable's name sets (LUMETRA_COM<n>), else 0.
int PortOfDevicesVariable(const QString& name);
// The port whose devices default to `device` when the environment names none (/dev/ttyS<k> is
// port k + 1), else 0.
int PortOfDefaultDevice(const QString& device);
