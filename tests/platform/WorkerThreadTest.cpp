// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// A job that throws ends neither the worker nor the program: it is told once, and the jobs after
// it still run.
#include <gtest/gtest.h>

#include <QStringList>
#include <stdexcept>

#include "platform/Exceptions.h"
#include "platform/WorkerThread.h"

TEST(WorkerThread, AJobThatThrowsIsToldOnceAndTheNextJobsRun) {
  QStringList told;
  int ran = 0;
  {
    WorkerThread worker([&](const QString& message) { told << message; });
    worker.Post([] { throw std::bad_alloc(); });
    worker.Post([] { throw Exception(QStringLiteral("no encoder")); });
    worker.Post([] { throw 42; });
    worker.Post([&] { ++ran; });
    ASSERT_TRUE(worker.WaitUntilIdle(std::chrono::seconds(10)));
  }
  EXPECT_EQ(ran, 1);
  ASSERT_EQ(told.size(), 1);
  EXPECT_TRUE(told[0].contains(QStringLiteral("bad_alloc"))) << told[0].toStdString();
}
