// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What an operator at the command line can do about a serial device that would not open: the
// system's "Permission denied" or "Device or resource busy" alone does not say. The console's
// window keeps its plain "Com error".
#include <QString>

// The group whose members may read and write `device` ("dialout" for the usual serial devices),
// or an empty string when the device is missing or its group may not use it.
QString DeviceUserGroup(const QString& device);

// One sentence for an open of `device` that failed with the system error `error`, given the
// device's user group (as DeviceUserGroup gives it); empty when there is nothing to add to the
// system's reason.
QString SerialOpenAdvice(const QString& device, int error, const QString& userGroup);
