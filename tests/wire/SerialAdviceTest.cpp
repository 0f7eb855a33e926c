// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include <QFile>
#include <cerrno>
#include <grp.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "wire/SerialAdvice.h"

namespace {

QString NameOfGroup(gid_t id) {
  const group* entry = ::getgrgid(id);
  return entry ? QString::fromLocal8Bit(entry->gr_name) : QString();
}

}  // namespace

TEST(SerialAdvice, NamesTheGroupToJoinOrTheOtherProgram) {
  const QString refused = SerialOpenAdvice(QStringLiteral("/dev/ttyUSB0"), EACCES, QStringLiteral("dialout"));
  EXPECT_TRUE(refused.contains(QStringLiteral("/dev/ttyUSB0"))) << refused.toStdString();
  EXPECT_TRUE(refused.contains(QStringLiteral("group \"dialout\""))) << refused.toStdString();
  EXPECT_TRUE(refused.contains(QStringLiteral("sudo usermod -aG dialout $USER"))) << refused.toStdString();
  EXPECT_TRUE(refused.contains(QStringLiteral("log out and in again"))) << refused.toStdString();
  EXPECT_EQ(SerialOpenAdvice(QStringLiteral("/dev/ttyUSB0"), EPERM, QStringLiteral("dialout")), refused);

  // Without a group that may use the device, joining one is no advice.
  const QString ownerOnly = SerialOpenAdvice(QStringLiteral("/dev/ttyS0"), EACCES, QString());
  EXPECT_FALSE(ownerOnly.isEmpty());
  EXPECT_FALSE(ownerOnly.contains(QStringLiteral("usermod"))) << ownerOnly.toStdString();

  const QString held = SerialOpenAdvice(QStringLiteral("/dev/ttyS0"), EBUSY, QStringLiteral("dialout"));
  EXPECT_TRUE(held.contains(QStringLiteral("/dev/ttyS0 is in use by another program"))) << held.toStdString();
  EXPECT_FALSE(held.contains(QStringLiteral("usermod")));

  for (int plain : {0, ENOENT, ENOTTY, EIO})
    EXPECT_TRUE(SerialOpenAdvice(QStringLiteral("/dev/ttyS0"), plain, QStringLiteral("dialout")).isEmpty()) << plain;
  for (const QString& advice : {refused, ownerOnly, held}) EXPECT_FALSE(advice.contains(u'\n'));
}

TEST(SerialAdvice, UserGroupIsTheDevicesGroupWhenItMayReadAndWrite) {
  QFile device(QStringLiteral("serial"));
  ASSERT_TRUE(device.open(QIODevice::WriteOnly));
  device.close();
  const QString own = NameOfGroup(::getegid());
  ASSERT_FALSE(own.isEmpty());

  device.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
  EXPECT_EQ(DeviceUserGroup(QStringLiteral("serial")), own);
  device.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
  EXPECT_EQ(DeviceUserGroup(QStringLiteral("serial")), QString());
  EXPECT_EQ(DeviceUserGroup(QStringLiteral("missing")), QString());
}
