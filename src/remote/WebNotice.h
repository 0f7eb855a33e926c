// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The window that tells the operator where the web pages are (a console started from the desktop
// shows no standard error): the addresses, and the control address as a QR code for the stage
// manager's phone. It does not wait for an answer: the show goes on while it is open.
#include <QString>
#include <QStringList>

class QWidget;

// The addresses a page can be opened at: the server's own, or every address of this machine's
// interfaces that are up when it listens on all of them (loopback last).
QStringList WebPageHosts(const QString& listenHost);

// The notice; `controlUrl` empty when the pages offer no control (the QR code then opens the
// stage page), else with the addresses `controlFrom` that may control.
QWidget* MakeWebNotice(const QStringList& hosts, quint16 port, const QString& controlUrl, const QString& controlFrom);
