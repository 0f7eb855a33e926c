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
  RunningWebPages(RemoteControl& remote, const QString& key, WebAccess access)
      : control_(remote, key), server_(control_, std::move(access)) {}
  ~RunningWebPages() override { delete notice_; }

  bool Listen(const OscEndpoint& endpoint, QString& error) { return server_.Listen(endpoint, error); }
  void Watch(TForm1& form) { watch_ = std::make_unique<WebConsoleWatch>(form, server_); }
  QString HostPart() const {
    const QStringList hosts = WebPageHosts(server_.Host().toString());
    return QStringLiteral("http://%1:%2").arg(hosts.value(0, server_.Host().toString())).arg(server_.Port());
  }
  QString Url() const override { return HostPart() + u'/'; }
  void Notify(const QString& controlUrl, const QString& controlFrom) {
    // Once the window is up, so that the notice does not hold up its showing.
    QTimer::singleShot(0, &alive_, [this, controlUrl, controlFrom] {
      notice_ = MakeWebNotice(WebPageHosts(server_.Host().toString()), server_.Port(), controlUrl, controlFrom);
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

// The addresses pages may control from; this machine only when none are given. A bad list is
// told, noted among the start's `losses`, and nobody controls.
std::optional<OscAllowList> ControlFrom(const ConsoleOptions& options, StartLosses& losses) {
  if (options.webControlAllow.isEmpty()) return WebControlFromThisMachine();
  QString error;
  std::optional<OscAllowList> allowed = OscAllowList::Parse(options.webControlAllow, error);
  if (!allowed) {
    SayOnStandardError(QStringLiteral("--web-control-allow: %1; the pages offer no control").arg(error));
    losses.Add(QStringLiteral("网页遥控的地址名单有误（%1）：舞台监督网页的 GO、BACK、BLANK 不可用。").arg(error));
  }
  return allowed;
}

// The key of the control, when the pages offer control; a kept key that cannot be read is told
// and noted among the start's `losses`, and the pages offer no control.
QString ControlKey(const ConsoleOptions& options, StartLosses& losses) {
  // A new key is made when asked for, also for a run that offers no control: the old control
  // address stops working at once.
  if (!options.webControl && !options.webNewKey) return {};
  const WebKeyResult kept = LoadOrMakeWebKey(ConsoleStateFolder(), options.webNewKey);
  if (!kept.notice.isEmpty()) SayOnStandardError(kept.notice);
  if (kept.unreadable)
    losses.Add(QStringLiteral("无法读取网页遥控的密钥文件（%1）：舞台监督网页的 GO、BACK、BLANK 不可用；"
                              "用 --web-new-key 启动可换一个新密钥。")
                   .arg(ConsoleStateFolder() + QStringLiteral("/web.key")));
  return options.webControl ? kept.key : QString();
}

WebHostNames HostNames(const QString& option) {
  WebHostNames names;
  for (const QString& name : option.split(u',', Qt::SkipEmptyParts)) names << WebHostOf(name.trimmed().toLatin1());
  return names;
}

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
  QString key = ControlKey(options, losses);
  const std::optional<OscAllowList> controlFrom = ControlFrom(options, losses);
  if (!controlFrom) key.clear();
  auto pages = std::make_unique<RunningWebPages>(
      remote, key, WebAccess{!key.isEmpty(), controlFrom.value_or(OscAllowList()), HostNames(options.webHost)});
  if (!pages->Listen(*endpoint, error)) return without();
  remote.InputOn();
  pages->Watch(form);
  SayOnStandardError(QStringLiteral("serving the web pages on %1 (the stage manager's: %1stage)").arg(pages->Url()));
  // The key stays out of every log: the window's notice alone shows the control address.
  const QString controlFromText =
      options.webControlAllow.isEmpty() ? QLatin1String(kWebControlFromThisMachine) : options.webControlAllow;
  if (!key.isEmpty())
    SayOnStandardError(QStringLiteral("web control from %1 only; its address is in the window's notice").arg(controlFromText));
  pages->Notify(key.isEmpty() ? QString() : pages->Url() + QStringLiteral("stage#key=") + key, controlFromText);
  return pages;
}
