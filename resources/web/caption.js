// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The caption now on the sign, for the audience: its text alone, in the language it is in. The
// reader's text size and look are kept in the browser for the next visit.
'use strict';

const caption = document.getElementById('caption');
const body = document.body;
const sizes = [0.75, 1, 1.25, 1.5, 2, 2.5, 3];
let size = Number(localStorage.getItem('captionSize'));
if (!sizes.includes(size)) size = 1;
let bright = localStorage.getItem('captionLook') === 'bright';

function show() {
  caption.style.setProperty('--size', String(size));
  body.classList.toggle('bright', bright);
  body.classList.toggle('dim', !bright);
  document.getElementById('look').setAttribute('aria-pressed', String(bright));
}

function step(by) {
  size = sizes[Math.max(0, Math.min(sizes.length - 1, sizes.indexOf(size) + by))];
  localStorage.setItem('captionSize', String(size));
  show();
}

document.getElementById('smaller').addEventListener('click', () => step(-1));
document.getElementById('larger').addEventListener('click', () => step(1));
document.getElementById('look').addEventListener('click', () => {
  bright = !bright;
  localStorage.setItem('captionLook', bright ? 'bright' : 'dim');
  show();
});
show();

openLive('/live?view=caption', (message) => {
  if (message.type !== 'caption') return;
  document.getElementById('waiting').hidden = true;
  caption.hidden = false;
  caption.lang = message.lang || 'und';
  // Only a change is written: a screen reader announces each caption once.
  if (caption.textContent !== message.text) caption.textContent = message.text;
}, (connected) => { document.getElementById('offline').textContent = connected ? '' : '连接中…'; });
