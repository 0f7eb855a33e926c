// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebPages.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "keeping/ConsoleStateFolder.h"
#include "keeping/StartLosses.h"
#include "platform/StandardErrorDialogs.h"
#include "remote/ConsoleOptions.h"
#include "remote/WebConsoleWatch.h"
#include "remote/WebControl.h"
#include "remote/WebKey.h"
#include "remote/WebNotice.h"
#include "remote/WebServer.h"

namespace {

class RunningWebPages : public WebPages {
 public:
  RunningWebPages(RemoteControl& remote, const QString& key) : control_(remote, key), server_(control_) {}
  ~RunningWebPages() override { delete notice_; }

  bool Listen(const OscEndpoint& endpoint, QString& error) { return server_.Listen(endpoint, error); }
  void Watch(TForm1& form) { watch_ = std::make_unique<WebConsoleWatch>(form, server_); }
  QString HostPart() const {
    const QStringList hosts = WebPageHosts(server_.Host().toString());
    return QStringLiteral("http://%1:%2").arg(hosts.value(0, server_.Host().toString())).arg(server_.Port());
  }
  QString Url() const override { return HostPart() + u'/'; }
  void Notify(const QString& controlUrl) {
    // Once the window is up, so that the notice does not hold up its showing.
    QTimer::singleShot(0, &alive_, [this, controlUrl] {
      notice_ = MakeWebNotice(WebPageHosts(server_.Host().toString()), server_.Port(), controlUrl);
      notice_->show();
    });
  }

 private:
  WebControl control_;
  WebServer server_;
  std::unique_ptr<WebConsoleWatch> watch_;
  QPointer<QWidget> notice_;
  QObject alive_;  // the notice is made only while the pages run
};

}  // namespace

std::unique_ptr<WebPages> StartWebPages(const ConsoleOptions& options, TForm1& form, RemoteControl& remote,
                                        StartLosses& losses) {
  if (options.web.isEmpty()) return nullptr;
  QString error;
  const auto without = [&] {
    SayOnStandardError(QStringLiteral("--web %1: %2; running without the web pages").arg(options.web, error));
    losses.Add(QStringLiteral("无法在 %1 提供网页（%2）：舞台监督和观众的网页无法打开。").arg(options.web, error));
    return nullptr;
  };
  const std::optional<OscEndpoint> endpoint = ParseOscEndpoint(options.web, error);
  if (!endpoint) return without();
  QString key;
  // A new key is made when asked for, also for a run that offers no control: the old control
  // address stops working at once.
  if (options.webControl || options.webNewKey) {
    const WebKeyResult kept = LoadOrMakeWebKey(ConsoleStateFolder(), options.webNewKey);
    if (!kept.notice.isEmpty()) SayOnStandardError(kept.notice);
    if (options.webControl) key = kept.key;
  }
  auto pages = std::make_unique<RunningWebPages>(remote, key);
  if (!pages->Listen(*endpoint, error)) return without();
  remote.InputOn();
  pages->Watch(form);
  SayOnStandardError(QStringLiteral("serving the web pages on %1 (the stage manager's: %1stage)").arg(pages->Url()));
  const QString controlUrl = key.isEmpty() ? QString() : pages->Url() + QStringLiteral("stage?key=") + key;
  if (!controlUrl.isEmpty()) SayOnStandardError(QStringLiteral("web control: %1").arg(controlUrl));
  pages->Notify(controlUrl);
  return pages;
}
