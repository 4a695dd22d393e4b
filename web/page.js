// SPDX-FileCopyrightText: 2026 The guess developers
// SPDX-License-Identifier: MIT

// The page around the game: a screen that shows what the game writes and
// echoes what the player types, the line sent on Enter, the wait for a key
// (or a tap), and a new game when the player asks for one. The game itself
// is guess.js, the console game compiled to WebAssembly; each game is a
// fresh instance of it, which calls the `guessConsole` hooks below
// (src/web_console.cpp).
'use strict';

document.addEventListener('DOMContentLoaded', () => {
  const element = (id) => document.getElementById(id);
  const terminal = element('terminal');
  const screen = element('screen');
  const typed = element('typed');
  const form = element('line');
  const field = element('answer');
  const status = element('status');
  const again = element('again');

  // Keys that type nothing on their own, and Tab, which moves the focus.
  const notKeys = new Set(['Shift', 'Control', 'Alt', 'AltGraph', 'Meta', 'OS', 'Fn',
    'CapsLock', 'NumLock', 'ScrollLock', 'Tab']);

  let lines = [];         // sent by the player and not yet read by the game
  let unread = new Uint8Array(0);  // the rest of the line being read
  let lineWanted = null;  // the game's read, while it waits
  let keyWanted = null;   // the game's wait for a key
  let playing = false;

  const guessConsole = {
    write(text) {
      screen.insertBefore(document.createTextNode(text), typed);
    },
    // Up to `size` bytes of the next line, as UTF-8; the rest of the line
    // comes with the next read.
    async read(size) {
      if (unread.length === 0) {
        terminal.classList.add('reading');
        const line = lines.length > 0 ? lines.shift()
          : await new Promise((resolve) => { lineWanted = resolve; });
        unread = new TextEncoder().encode(line);
      }
      const bytes = unread.subarray(0, size);
      unread = unread.subarray(bytes.length);
      return bytes;
    },
    waitForKey() {
      terminal.classList.remove('reading');
      status.textContent = 'Press any key, or tap the screen, to end the game.';
      return new Promise((resolve) => { keyWanted = resolve; });
    },
  };

  function keyPressed() {
    const resolve = keyWanted;
    keyWanted = null;
    status.textContent = '';
    resolve();
  }

  function gameOver() {
    playing = false;
    terminal.classList.remove('reading');
    field.disabled = true;
    status.textContent = 'The game is over.';
    again.hidden = false;
    again.focus();
  }

  function newGame() {
    if (playing) {
      return;
    }
    playing = true;
    lines = [];
    unread = new Uint8Array(0);
    screen.replaceChildren(typed);
    typed.textContent = '';
    status.textContent = '';
    again.hidden = true;
    field.disabled = false;
    field.value = '';
    field.focus();
    createGuess({ guessConsole })
      .then((game) => game.ccall('main', 'number', [], [], { async: true }))
      .then(gameOver, () => {
        playing = false;
        status.textContent = 'The game stopped unexpectedly. Reload the page to play again.';
      });
  }

  // The line is echoed as it is typed, and sent with its line end on Enter,
  // as a terminal does; a line sent before the game asks waits for it.
  field.addEventListener('input', () => {
    if (keyWanted) {  // an on-screen keyboard's key, which no keydown names
      field.value = '';
      keyPressed();
      return;
    }
    typed.textContent = field.value;
  });
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    if (!playing || keyWanted) {
      return;
    }
    const line = `${field.value}\n`;
    field.value = '';
    typed.textContent = '';
    guessConsole.write(line);
    if (lineWanted) {
      const resolve = lineWanted;
      lineWanted = null;
      terminal.classList.remove('reading');
      resolve(line);
    } else {
      lines.push(line);
    }
  });

  document.addEventListener('keydown', (event) => {
    if (keyWanted && !event.repeat && !notKeys.has(event.key)) {
      event.preventDefault();
      keyPressed();
    }
  });
  terminal.addEventListener('click', () => {
    if (keyWanted) {
      keyPressed();
    } else if (playing) {
      field.focus();
    }
  });

  // Any key on the button plays again, as a click or a tap does.
  again.addEventListener('click', newGame);
  again.addEventListener('keydown', (event) => {
    if (!event.repeat && !notKeys.has(event.key)) {
      event.preventDefault();
      newGame();
    }
  });

  newGame();
});

// Served over http(s), the page is an app that a phone puts on its home
// screen and that plays offline (sw.js). Opened from disk it is a page
// alone: a browser would refuse the manifest there, and has no workers.
if (window.location.protocol === 'http:' || window.location.protocol === 'https:') {
  const manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'manifest.webmanifest';
  document.head.append(manifest);
  // Once the page has loaded, so that the worker finds its files in the
  // browser's cache rather than downloading them again beside the page.
  if ('serviceWorker' in navigator) {
    window.addEventListener('load', () => {
      navigator.serviceWorker.register('sw.js').catch(() => {
        // It plays as well without: only the offline copy is lost.
      });
    });
  }
}
