// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebNotice.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QHostAddress>
#include <QLabel>
#include <QNetworkInterface>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "remote/WebQrCode.h"

namespace {

constexpr int kQrModulePixels = 4;

QString UrlHost(const QHostAddress& address) {
  return address.protocol() == QAbstractSocket::IPv6Protocol ? QStringLiteral("[%1]").arg(address.toString())
                                                              : address.toString();
}

}  // namespace

QStringList WebPageHosts(const QString& listenHost) {
  const QHostAddress listening(listenHost);
  if (listening != QHostAddress::AnyIPv4 && listening != QHostAddress::AnyIPv6 && listening != QHostAddress::Any)
    return {UrlHost(listening)};
  QStringList hosts;
  QStringList loopback;
  for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
    if (!(interface.flags() & QNetworkInterface::IsUp)) continue;
    for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
      const QHostAddress address = entry.ip();
      if (address.protocol() != QAbstractSocket::IPv4Protocol && listening == QHostAddress::AnyIPv4) continue;
      if (address.isLinkLocal()) continue;  // needs a scope a phone's browser does not take
      (address.isLoopback() ? loopback : hosts) << UrlHost(address);
    }
  }
  return hosts + loopback;
}

QWidget* MakeWebNotice(const QStringList& hosts, quint16 port, const QString& controlUrl, const QString& controlFrom) {
  auto* notice = new QWidget(nullptr, Qt::Window);
  notice->setAttribute(Qt::WA_DeleteOnClose);
  // The play list keeps the keyboard: an Enter meant for a send must not close the notice.
  notice->setAttribute(Qt::WA_ShowWithoutActivating);
  notice->setWindowTitle(QStringLiteral("Lumetra 网页"));
  auto* layout = new QVBoxLayout(notice);
  QStringList lines{QStringLiteral("网页已开启，同一网络中的手机和平板可以打开：")};
  for (const QString& host : hosts) {
    const QString base = QStringLiteral("http://%1:%2").arg(host).arg(port);
    lines << QStringLiteral("观众字幕：%1/").arg(base) << QStringLiteral("舞台监督：%1/stage").arg(base);
  }
  if (!controlUrl.isEmpty())
    lines << QStringLiteral("遥控（含密钥，请勿外传）：%1").arg(controlUrl)
          << QStringLiteral("只有这些地址的设备可以遥控：%1（--web-control-allow）").arg(controlFrom);
  auto* text = new QLabel(lines.join(u'\n'), notice);
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(text);
  const QString coded = controlUrl.isEmpty() && !hosts.isEmpty()
                            ? QStringLiteral("http://%1:%2/stage").arg(hosts.first()).arg(port)
                            : controlUrl;
  const QImage qr = QrCodeImage(coded, kQrModulePixels);
  if (!qr.isNull()) {
    auto* picture = new QLabel(notice);
    picture->setPixmap(QPixmap::fromImage(qr));
    picture->setAlignment(Qt::AlignCenter);
    picture->setToolTip(coded);
    layout->addWidget(picture);
    layout->addWidget(new QLabel(controlUrl.isEmpty() ? QStringLiteral("用手机相机扫描，打开舞台监督页面")
                                                      : QStringLiteral("用手机相机扫描，打开遥控页面"),
                                 notice),
                      0, Qt::AlignCenter);
  }
  auto* buttons = new QDialogButtonBox(notice);
  QObject::connect(buttons->addButton(QStringLiteral("关闭"), QDialogButtonBox::AcceptRole), &QAbstractButton::clicked,
                   notice, [notice] { notice->close(); });
  layout->addWidget(buttons);
  return notice;
}
