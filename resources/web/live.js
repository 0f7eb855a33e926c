// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The console's live state over the WebSocket `path` (with the view the page subscribes to) of the
// server that served the page. When the connection breaks (the console restarted, the Wi-Fi
// dropped, the console was full) it tries again by itself, waiting a little longer each time, up
// to a few seconds.
'use strict';

function openLive(path, onMessage, onConnected) {
  let wait = 500;
  let socket = null;
  function connect() {
    const scheme = location.protocol === 'https:' ? 'wss:' : 'ws:';
    socket = new WebSocket(scheme + '//' + location.host + path);
    socket.onopen = () => { wait = 500; onConnected(true); };
    socket.onmessage = (event) => {
      let message;
      try { message = JSON.parse(event.data); } catch (e) { return; }
      onMessage(message);
    };
    socket.onclose = () => {
      onConnected(false);
      setTimeout(connect, wait + Math.random() * wait);  // not all phones at once after a restart
      wait = Math.min(wait * 2, 4000);
    };
  }
  connect();
  return { send: (object) => socket && socket.readyState === WebSocket.OPEN && socket.send(JSON.stringify(object)) };
}
