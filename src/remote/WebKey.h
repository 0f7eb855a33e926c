// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The key that lets a page control the console: 128 random bits as 32 lower-case hex digits,
// kept in web.key of the console's state folder (readable by its owner only) so that the
// address on a stage manager's tablet stays good across restarts.
#include <QString>

struct WebKeyResult {
  QString key;     // empty when none could be had
  QString notice;  // one line for standard error when something was not as expected
  bool unreadable = false;  // the kept file is there but cannot be read: no key, none made
};

// The kept key, or a new one kept from now on (when there is none, when the file holds no key,
// or when `fresh` asks for a new one). A kept file that cannot be read is left as it is: the
// address on the stage manager's tablet must not stop working because of a passing fault.
WebKeyResult LoadOrMakeWebKey(const QString& folder, bool fresh);
