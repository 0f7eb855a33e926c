// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The web pages' server on a thread of its own: one epoll set watches the listening socket, every
// connection and a wake-up, so that the window's event loop never sees a page, and a message to
// ten thousand pages is one write to each socket with nothing walked per page in between.
// 1. A connection past a cap of WebLimits is answered 503 and closed at once.
// 2. A connection reads its request head into at most headBytes, and the head decides
//    (WebRequestRules) before anything more is read: a page or file, the WebSocket upgrade of
//    /live, or a refusal after which the connection ends. Whatever ends a connection after an
//    answer lets the peer's last bytes drain for a second, so that the answer reaches it.
// 3. A connection without a WebSocket that has not sent a whole head within headMs of opening or
//    of its last answer is closed.
// 4. A message for the pages of a view is framed once and written to each page's socket at once;
//    what the kernel does not take waits in that page's queue (shared, not copied); a page whose
//    queue holds more than queueBytes when the next message comes is dropped.
// 5. What a page sends is read as WebSocket frames; each text message goes to the input, on this
//    thread, which answers it at once or hands it on to the console, whose answer comes later.
// 6. The thread waits for nothing but its epoll set, and ends within one turn when asked.
#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <queue>
#include <thread>
#include <unordered_map>
#include <vector>

#include "remote/OscAllowList.h"
#include "remote/OscEndpoint.h"
#include "remote/WebControl.h"
#include "remote/WebLimits.h"
#include "remote/WebMessages.h"
#include "remote/WebRequestRules.h"

// Which of a view's messages a page that opens later gets first.
enum class WebKeep { None, LastSend, LastState };

// Who may control when no list is given: this machine only.
inline constexpr char kWebControlFromThisMachine[] = "127.0.0.0/8, ::1";
OscAllowList WebControlFromThisMachine();

// Who may do what: whether the console offers control, the addresses that may control, and the
// names and addresses besides this machine's own that a page may be asked for by.
struct WebAccess {
  bool controlOffered = false;
  OscAllowList controlFrom = WebControlFromThisMachine();
  WebHostNames hostNames;
};

// A text message from a page.
struct WebPageMessage {
  quint64 page = 0;
  QString peer;  // "192.168.1.20:50000"
  WebSender sender;
  QByteArray text;
  RemoteClock::time_point arrival;  // when its bytes were read, on the remote inputs' one clock
};

class WebPageInput {
 public:
  struct Reply {
    QByteArray answer;  // to the page at once; empty: none
    bool handedOn = false;  // the console answers later, through WebServerLoop::Answer
  };
  virtual ~WebPageInput() = default;
  // On the loop's thread.
  virtual Reply Arrived(const WebPageMessage& message) = 0;
};

struct WebServerCounts {
  int connections = 0;
  int pages = 0;
  qint64 dropped = 0;     // pages that fell behind
  qint64 refused = 0;     // connections past a cap
  qint64 timedOut = 0;    // connections without a whole head in time
};

class WebServerLoop {
 public:
  WebServerLoop(WebPageInput& input, WebAccess access, WebLimits limits);
  ~WebServerLoop();
  WebServerLoop(const WebServerLoop&) = delete;
  WebServerLoop& operator=(const WebServerLoop&) = delete;

  // Listens and starts the thread; false with `error` saying why in one line.
  bool Listen(const OscEndpoint& endpoint, QString& error);
  QHostAddress Host() const { return host_; }
  quint16 Port() const { return port_; }

  // From any thread:
  // To every page of `view`; kept for pages that open later when `keep` says so.
  void Publish(WebView view, const QByteArray& message, WebKeep keep);
  // The console's answer to a message handed on from `page` (empty: none).
  void Answer(quint64 page, const QByteArray& message);
  WebServerCounts Counts() const;

 private:
  struct Connection;
  struct Command {
    enum class Kind { Publish, Answer } kind;
    WebView view = WebView::Stage;
    WebKeep keep = WebKeep::None;
    quint64 page = 0;
    QByteArray message;
  };
  using PeerKey = std::array<std::uint8_t, 17>;  // family, then the address
  struct PeerKeyHash {
    std::size_t operator()(const PeerKey& key) const;
  };

  void Post(Command command);
  void Run();
  int NextTimeout(qint64 now) const;
  void Accept(qint64 now);
  void Serve(Connection& connection, std::uint32_t events, qint64 now);
  void ReadRequest(Connection& connection, qint64 now);
  void AnswerRequests(Connection& connection, qint64 now);
  void AnswerRequest(Connection& connection, const WebRequestHead& head, qint64 now);
  void Upgrade(Connection& connection, const WebRequestHead& head);
  void ReadPage(Connection& connection);
  void TakeFrames(Connection& connection, QByteArrayView bytes);
  void ReadToDiscard(Connection& connection);
  void TakeInbox();
  void PublishNow(const Command& command);
  bool Write(Connection& connection, const QByteArray& bytes);
  void Flush(Connection& connection, qint64 now);
  void Refuse(Connection& connection, int status);
  void EndAfterWriting(Connection& connection);
  void Linger(Connection& connection, qint64 now);
  void Watch(Connection& connection);
  void SetDeadline(Connection& connection, qint64 at);
  void LeaveView(Connection& connection);
  void Doom(Connection& connection);
  void CloseDoomed();
  void Sweep(qint64 now);

  WebPageInput& input_;
  const WebAccess access_;
  const WebLimits limits_;
  int listen_ = -1;
  int epoll_ = -1;
  int wake_ = -1;
  QHostAddress host_;
  quint16 port_ = 0;
  std::thread thread_;
  std::atomic<bool> stopping_{false};

  std::mutex inboxMutex_;
  std::vector<Command> inbox_;

  // Only the loop's thread touches these.
  std::unordered_map<quint64, std::unique_ptr<Connection>> connections_;
  std::array<std::vector<Connection*>, kWebViews> pages_;
  std::array<std::array<QByteArray, 3>, kWebViews> kept_;
  std::unordered_map<PeerKey, int, PeerKeyHash> perPeer_;
  std::priority_queue<std::pair<qint64, quint64>, std::vector<std::pair<qint64, quint64>>, std::greater<>> deadlines_;
  std::vector<quint64> doomed_;
  quint64 nextId_ = 1;
  qint64 acceptAgainAt_ = 0;  // accepting paused until then (0: not paused)

  std::atomic<int> connectionCount_{0};
  std::atomic<int> pageCount_{0};
  std::atomic<qint64> dropped_{0};
  std::atomic<qint64> refused_{0};
  std::atomic<qint64> timedOut_{0};
};
