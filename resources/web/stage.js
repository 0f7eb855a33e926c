// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The stage manager's view: the sign's picture dot for dot from the pages it received, where the
// show stands and what GO sends next; GO, BACK and BLANK when the console offers control and the
// page's address carries the key.
'use strict';

const kWidth = 192;
const kHeight = 16;
const kDot = 5;  // canvas pixels per LED, a round dot inside
// The dot colours are the console's own (/sign.css), so that the sign looks as it does everywhere.
const signStyle = getComputedStyle(document.documentElement);
const kLit = signStyle.getPropertyValue('--lit-dot').trim();
const kDark = signStyle.getPropertyValue('--unlit-dot').trim();
const key = new URLSearchParams(location.search).get('key') || '';
const reasons = {
  'key': '密钥无效，未执行', 'control off': '控制台未开启遥控', 'double trigger': '两次 GO 太近，未执行',
  'busy': '控制台正忙，未执行', 'no line': '列表中没有字幕，未执行', 'no mode': '该行没有显示方式，未发送',
  'too many pages': '该行超过 255 页，未发送',
};

function text(id, value) { document.getElementById(id).textContent = value; }

function modeText(item) { return item.modeName ? item.modeName + '（' + item.mode + '）' : '无方式（' + item.mode + '）'; }

// One page as the sign shows it: in the packed frame a 0 bit is a lit LED, bit 0 the leftmost.
function drawPage(base64) {
  const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const canvas = document.createElement('canvas');
  canvas.width = kWidth * kDot;
  canvas.height = kHeight * kDot;
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
  return canvas;
}

function showSend(message) {
  const pages = document.getElementById('pages');
  pages.replaceChildren();
  message.pages.forEach((page, i) => {
    if (message.pages.length > 1) {
      const label = document.createElement('div');
      label.className = 'page';
      label.textContent = '第 ' + (i + 1) + ' 页 / 共 ' + message.pages.length + ' 页';
      pages.append(label);
    }
    pages.append(drawPage(page));
  });
  text('caption', message.caption);
  text('time', new Date(message.time).toLocaleTimeString('zh-CN', { hour12: false }));
  const result = document.getElementById('result');
  // A failure says which sign failed, and so that the others showed the caption.
  result.textContent = message.ok ? '成功' : message.result;
  result.title = message.result;
  result.className = message.ok ? '' : 'error';
}

// A console that greets the page may be a new one: nothing of a send it did not make stays shown.
function forgetSend() {
  document.getElementById('pages').replaceChildren();
  text('caption', '');
  text('time', '–');
  text('result', '');
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

const live = openLive((message) => {
  if (message.type === 'hello') {
    forgetSend();
    document.getElementById('controls').hidden = !(message.control && key);
    document.getElementById('readonly').hidden = !(message.control && !key);
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

for (const command of ['go', 'back', 'blank'])
  document.getElementById(command).addEventListener('click', () => control(command));
document.addEventListener('keydown', (event) => {
  if (event.code !== 'Space' || event.repeat || document.getElementById('controls').hidden) return;
  event.preventDefault();  // neither scroll nor press a focused button a second time
  control('go');
});
