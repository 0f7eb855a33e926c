// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The stage manager's view: the sign's picture dot for dot from the first and the last page it
// received, where the show stands and what GO sends next; GO, BACK and BLANK when the console
// offers control to this device and the page's address carries the key (after '#', which the
// browser never sends to a server).
'use strict';

const kWidth = 192;
const kHeight = 16;
const kDot = 5;  // canvas pixels per LED, a round dot inside
// The dot colours are the console's own (/sign.css), so that the sign looks as it does everywhere.
const signStyle = getComputedStyle(document.documentElement);
const kLit = signStyle.getPropertyValue('--lit-dot').trim();
const kDark = signStyle.getPropertyValue('--unlit-dot').trim();
// Read again when only the part after '#' changes: the browser then keeps the page as it is.
let key = '';
let offered = false;
const reasons = {
  'key': '密钥无效，未执行', 'control off': '控制台未开启遥控', 'address': '此设备的地址不能遥控',
  'double trigger': '两次 GO 太近，未执行', 'busy': '控制台正忙，未执行', 'no line': '列表中没有字幕，未执行',
  'no mode': '该行没有显示方式，未发送', 'too many pages': '该行超过 255 页，未发送',
};

function text(id, value) { document.getElementById(id).textContent = value; }

function modeText(item) { return item.modeName ? item.modeName + '（' + item.mode + '）' : '无方式（' + item.mode + '）'; }

// One page as the sign shows it: in the packed frame a 0 bit is a lit LED, bit 0 the leftmost.
function drawPage(canvas, base64) {
  const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const context = canvas.getContext('2d');
  context.fillStyle = '#000';
  context.fillRect(0, 0, canvas.width, canvas.height);
  for (let y = 0; y < kHeight; ++y) {
    for (let x = 0; x < kWidth; ++x) {
      const lit = !((bytes[y * (kWidth / 8) + (x >> 3)] >> (x & 7)) & 1);
      context.fillStyle = lit ? kLit : kDark;
      context.beginPath();
      context.arc(x * kDot + kDot / 2, y * kDot + kDot / 2, kDot / 2 - 0.4, 0, 2 * Math.PI);
      context.fill();
    }
  }
}

// The first page and, for a caption of several, the last: the pages between scroll by on the sign.
function showSend(message) {
  const count = message.pageCount || message.pages.length;
  const several = message.pages.length > 1;
  drawPage(document.getElementById('first'), message.pages[0]);
  text('first-label', count > 1 ? '第 1 页 / 共 ' + count + ' 页' : '');
  const last = document.getElementById('last');
  last.classList.toggle('unused', !several);
  if (several) drawPage(last, message.pages[message.pages.length - 1]);
  text('last-label', several ? '第 ' + count + ' 页' + (count > 2 ? '（中间 ' + (count - 2) + ' 页未显示）' : '') : '');
  text('caption', message.caption);
  document.getElementById('caption').title = message.caption;
  text('time', new Date(message.time).toLocaleTimeString('zh-CN', { hour12: false }));
  const result = document.getElementById('result');
  // A failure says which sign failed, and so that the others showed the caption.
  result.textContent = message.ok ? '成功' : message.result;
  result.title = message.result;
  result.className = message.ok ? '' : 'error';
}

// A console that greets the page may be a new one: nothing of a send it did not make stays shown.
function forgetSend() {
  for (const id of ['first', 'last']) {
    const canvas = document.getElementById(id);
    canvas.getContext('2d').clearRect(0, 0, canvas.width, canvas.height);
  }
  document.getElementById('last').classList.add('unused');
  for (const id of ['first-label', 'last-label', 'caption', 'result']) text(id, '');
  text('time', '–');
  document.getElementById('caption').title = '';
  document.getElementById('result').title = '';
  document.getElementById('result').className = '';
}

function showState(message) {
  text('position', (message.line || '–') + ' / ' + message.count + (message.signs > 1 ? '（' + message.signs + ' 块显示屏）' : ''));
  const next = document.getElementById('next');
  next.replaceChildren(...message.next.map((item) => {
    const li = document.createElement('li');
    for (const [name, value] of [['number', item.line], ['text', item.text], ['mode', modeText(item)]]) {
      const span = document.createElement('span');
      span.className = name;
      span.textContent = value;
      if (name === 'text') span.title = value;
      li.append(span);
    }
    return li;
  }));
}

function showConnected(connected) {
  const link = document.getElementById('link');
  link.textContent = connected ? '已连接' : '未连接，正在重连…';
  link.className = connected ? 'up' : 'down';
}

function showControl() {
  key = new URLSearchParams(location.hash.slice(1)).get('key') || '';
  document.getElementById('controls').hidden = !(offered && key);
  document.getElementById('refused').hidden = !(offered && key);
  document.getElementById('readonly').hidden = !(offered && !key);
  document.getElementById('bar').hidden = !offered;
}

const live = openLive('/live', (message) => {
  if (message.type === 'hello') {
    forgetSend();
    offered = message.control;
    showControl();
  } else if (message.type === 'send') {
    showSend(message);
  } else if (message.type === 'state') {
    showState(message);
  } else if (message.type === 'refused') {
    text('refused', (reasons[message.reason] || message.reason) + '（' + message.command + '）');
  }
}, showConnected);

function control(command) {
  text('refused', '');
  live.send({ type: command, key: key });
}

showControl();
window.addEventListener('hashchange', showControl);
for (const command of ['go', 'back', 'blank'])
  document.getElementById(command).addEventListener('click', () => control(command));
document.addEventListener('keydown', (event) => {
  if (event.code !== 'Space' || event.repeat || document.getElementById('controls').hidden) return;
  event.preventDefault();  // neither scroll nor press a focused button a second time
  control('go');
});
