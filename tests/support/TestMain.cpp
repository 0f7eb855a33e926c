// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Every test runs with an offscreen application in a fresh temporary working directory of its
// own, whether ctest starts it alone or the test binary runs the whole suite.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

class FreshWorkingDirectory : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo&) override {
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid() && QDir::setCurrent(dir_->path()));
    // Per-user state goes to the test's own folder, never to the real home.
    qputenv("XDG_CONFIG_HOME", QDir(dir_->path()).filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_STATE_HOME", QDir(dir_->path()).filePath(QStringLiteral("state")).toLocal8Bit());
  }
  void OnTestEnd(const ::testing::TestInfo&) override {
    QDir::setCurrent(QDir::tempPath());
    dir_.reset();
  }

 private:
  std::unique_ptr<QTemporaryDir> dir_;
};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshWorkingDirectory);
  return RUN_ALL_TESTS();
}
