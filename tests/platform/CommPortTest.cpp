// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Which devices a port name stands for: one, several signs, or none.
#include <gtest/gtest.h>

#include "platform/CommPort.h"
#include "support/QtPrinters.h"

TEST(CommPort, APortNamesTheDevicesOfItsVariableOrItsStandardDevice) {
  struct Case {
    const char* configured;  // nullptr: the variable is not set
    QStringList devices;
  };
  const Case cases[] = {
      {nullptr, {"/dev/ttyS2"}},
      {"/dev/ttyUSB0", {"/dev/ttyUSB0"}},
      {"/dev/ttyUSB0,/dev/ttyUSB1", {"/dev/ttyUSB0", "/dev/ttyUSB1"}},
      {" /dev/a , ,/dev/b,", {"/dev/a", "/dev/b"}},
      {",", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.configured ? c.configured : "(not set)");
    if (c.configured) qputenv("LUMETRA_COM3", c.configured);
    else qunsetenv("LUMETRA_COM3");
    EXPECT_EQ(TCommPort::DevicesForName(QStringLiteral("com3")), c.devices);
    EXPECT_EQ(TCommPort::DevicesForName(QStringLiteral("COM3")), c.devices);
  }
  qunsetenv("LUMETRA_COM3");
  for (const char* notAPort : {"com0", "com", "com03", "lpt1", "/dev/ttyS0"})
    EXPECT_TRUE(TCommPort::DevicesForName(QLatin1String(notAPort)).isEmpty()) << notAPort;
}

TEST(CommPort, OpeningAPortOfSeveralSignsByNameFailsAndSaysWhy) {
  qputenv("LUMETRA_COM3", "/dev/null,/dev/null");
  TCommPort port;
  EXPECT_FALSE(port.Open(QStringLiteral("com3")));
  EXPECT_EQ(port.ErrorString(), QStringLiteral("com3: a port of 2 devices"));
  EXPECT_FALSE(port.IsOpen());
  qunsetenv("LUMETRA_COM3");
}
