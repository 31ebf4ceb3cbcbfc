// The player's input on the stage, posted to the queue in the words of the game's inputs: the
// command buttons, clicks on the release inputs (the scene, the message line, the portrait,
// the waiting mark, the logo, the notice and the window's background), every key with its
// modifiers, the right and middle buttons, the wheel, a finger's swipes, and the quick-menu
// bar. The game decides what each does (src/shell/input.h); nothing here runs any of it.
import { onPress } from './press.js';

const COMMANDS = {
  comsave: 'save', comload: 'load', comstart: 'new', comend: 'quit',
  commove: 'move', comtalk: 'talk', comlook: 'look',
};

// The keys the game knows, by the names the module reads (src/web/web_input.cpp).
const KEYS = {
  ' ': 'space', Spacebar: 'space', Enter: 'enter', Tab: 'tab', Escape: 'escape',
  PageUp: 'pageup', PageDown: 'pagedown', Home: 'home', End: 'end', ArrowUp: 'up',
  ArrowDown: 'down', ArrowLeft: 'left', ArrowRight: 'right', F2: 'f2', F3: 'f3', F5: 'f5',
  F6: 'f6', F7: 'f7', F9: 'f9', F10: 'f10', F11: 'f11', ContextMenu: 'menu', Insert: 'insert',
  Control: 'control', Shift: 'shift', Alt: 'alt', AltGraph: 'alt', Meta: 'meta',
};
// The browser's own meaning of these is not wanted while the game has them.
const KEPT = new Set(['space', 'enter', 'pageup', 'pagedown', 'home', 'end', 'up', 'down', 'f2',
  'f3', 'f5', 'f6', 'f7', 'f9', 'f10', 'f11', 'menu']);
// A swipe is a finger's move this long (in CSS pixels); it counts as a notch of the wheel.
const SWIPE = 40;
const NOTCH = 120;

function keyName(event) {
  if (KEYS[event.key]) return KEYS[event.key];
  if (event.code === 'KeyC') return 'c';
  if (event.code === 'KeyZ') return 'z';
  if (event.code === 'KeyY') return 'y';
  return 'other';
}

// "down space cs 32": see parse_key in src/web/web_input.h.
export function keyAction(event, press) {
  const name = keyName(event);
  const flags = (event.repeat ? 'r' : '') + (event.ctrlKey ? 'c' : '') + (event.altKey ? 'a' : '')
    + (event.shiftKey ? 's' : '');
  let text = 0;
  if (name === 'space') text = 32;
  else if (name === 'enter') text = 13;
  else if (event.key.length === 1 || (event.key.length === 2 && event.key.codePointAt(0) > 0xffff)) {
    text = event.key.codePointAt(0);
  }
  return `key ${press ? 'down' : 'up'} ${name} ${flags || '-'} ${text}`;
}

// `leaving`: what the page does at once as it closes or is hidden.
export function listen(document, queue, leaving = null, window = document.defaultView) {
  const stage = document.getElementById('stage');
  for (const [id, command] of Object.entries(COMMANDS)) {
    const button = document.getElementById(id);
    button.addEventListener('click', (event) => {
      event.stopPropagation();
      // As on the desktop, a pressed button keeps no focus that a key could press again.
      button.blur();
      queue.post(`command ${command}`);
    });
  }
  stage.addEventListener('click', (event) => {
    // A click on a button, even a disabled one, never reaches the background.
    if (event.button !== 0 || event.target.closest('button')) return;
    if (Date.now() - swiped < 400) return;  // the end of a swipe is no click
    const release = event.target.closest('.release, #picmain0');
    queue.post(`click ${release?.id ?? 'window'}`);
  });
  // The right button opens the menu, the middle one hides the text.
  stage.addEventListener('contextmenu', (event) => event.preventDefault());
  const buttons = { 1: 'middle', 2: 'right' };
  for (const [type, press] of [['mousedown', 'down'], ['mouseup', 'up']]) {
    stage.addEventListener(type, (event) => {
      const which = buttons[event.button];
      if (!which) return;
      event.preventDefault();
      if (press === 'down') queue.menuAt = { x: event.clientX, y: event.clientY };
      queue.post(`button ${which} ${press}`);
    });
  }
  stage.addEventListener('wheel', (event) => {
    event.preventDefault();
    // A line's worth of the browser's wheel is the desktop's notch.
    const unit = event.deltaMode === 0 ? NOTCH / 100 : NOTCH / 3;
    queue.post(`wheel ${Math.round(-event.deltaY * unit)} ${Math.round(-event.deltaX * unit)}`);
  }, { passive: false });
  let swiped = 0;
  let touch = null;
  stage.addEventListener('touchstart', (event) => {
    touch = event.touches.length === 1 ? { x: event.touches[0].clientX, y: event.touches[0].clientY } : null;
  }, { passive: true });
  stage.addEventListener('touchend', (event) => {
    if (!touch || event.changedTouches.length !== 1) return;
    const dx = event.changedTouches[0].clientX - touch.x;
    const dy = event.changedTouches[0].clientY - touch.y;
    touch = null;
    if (Math.max(Math.abs(dx), Math.abs(dy)) < SWIPE) return;
    swiped = Date.now();
    // A finger drawn down pulls the history open (the wheel turned up); drawn to the right it
    // goes a line back (the wheel tilted left).
    if (Math.abs(dy) > Math.abs(dx)) queue.post(`wheel ${dy > 0 ? NOTCH : -NOTCH} 0`);
    else if (dx > 0) queue.post(`wheel 0 ${NOTCH}`);
  }, { passive: true });
  document.addEventListener('keydown', (event) => {
    if (event.target.closest?.('dialog, .menu, #quick-bar, #history')) return;
    const action = keyAction(event, true);
    const name = action.split(' ')[2];
    // A key is the game's, whichever button has the focus: Space and Enter never press one.
    if (KEPT.has(name) || (event.ctrlKey && ['c', 'y', 'z'].includes(name))) event.preventDefault();
    queue.post(action);
  });
  document.addEventListener('keyup', (event) => {
    // Space presses a focused button as it comes up: the key was the game's.
    if (event.key === ' ' && event.target.closest?.('#stage button')) event.preventDefault();
    if (event.target.closest?.('dialog, .menu, #quick-bar, #history')) return;
    queue.post(keyAction(event, false));
  });
  // The quick-menu bar: the right button's menu and the keys, for a finger.
  onPress(document.getElementById('quick-bar'), '[data-bar]', (button) => {
    const rect = button.getBoundingClientRect();
    queue.menuAt = { x: rect.left, y: rect.top - 8 };
    queue.post(`bar ${button.dataset.bar}`);
  });
  // Held keys are let go when the page loses the focus; sent to the background, the place is
  // kept in the automatic slot. Closed or reloaded, the page can no longer wait for the game:
  // the slot it had ready at the last line is left at once (files.js).
  window.addEventListener('blur', () => queue.post('left'));
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'hidden') {
      leaving?.();
      queue.post('left');
    }
  });
  window.addEventListener('pagehide', () => {
    leaving?.();
    queue.post('left');
  });
}
