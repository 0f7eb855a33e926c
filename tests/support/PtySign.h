#pragma once
// Plays the sign: a pseudo-terminal whose slave side the console opens as "com<n>" (through
// LUMETRA_COM<n>) while the test reads everything written to it from the master side.
#include <QByteArray>
#include <QString>
#include <atomic>
#include <mutex>
#include <thread>

class PtySign {
 public:
  explicit PtySign(int portNumber = 1);
  ~PtySign();
  PtySign(const PtySign&) = delete;
  PtySign& operator=(const PtySign&) = delete;

  QString DevicePath() const { return slavePath_; }
  // Waits until at least `size` bytes arrived (or a few seconds passed), then returns all
  // bytes received so far and forgets them.
  QByteArray Take(int size);
  // Bytes received so far without waiting.
  QByteArray Received();
  // Stops reading (the device "stalls"): writes then fill the terminal's buffer.
  void StopReading();

 private:
  void ReadLoop();

  int master_ = -1;
  int slaveKeepAlive_ = -1;
  int portNumber_;
  QString slavePath_;
  std::mutex mutex_;
  QByteArray received_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> paused_{false};
  std::thread reader_;
};
