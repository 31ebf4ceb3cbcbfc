// What the game shows, drawn in the page: the object the module calls (Module.face) for the
// window's controls, the scene on its canvas, the dialogs, pictures and storage.
import { ActionQueue } from './queue.js';
import { Dialogs } from './dialogs.js';
import { Pictures } from './pictures.js';
import { Screens } from './screens.js';
import { lineBreaks, messageText, noticeText } from './text.js';
import { PageWords } from './words.js';

// The controls in the order of the core's Control enumeration (src/platform/platform.h).
const CONTROLS = ['comsave', 'comload', 'comstart', 'comend', 'commove', 'comtalk', 'comlook',
  'picmain0', 'picface', 'imamou0', 'imamou1'];
// The controls that go with the text when it is hidden to see the picture.
const WITH_TEXT = new Set(['picface', 'imamou0', 'imamou1']);
const STAFF_LABELS = 11;
// The message line's English face, as the page's style names it.
export const ENGLISH_FACE = '"Hazama Latin", sans-serif';

export class Face {
  constructor(document, { virtualClock = false, collectsTrace = false, storage }) {
    this.document = document;
    this.virtualClock = virtualClock;
    this.collectsTrace = collectsTrace;
    this.storage = storage;
    this.queue = new ActionQueue();
    const byId = (id) => document.getElementById(id);
    this.words = new PageWords(document);
    this.dialogs = new Dialogs(document, this.queue, storage, this.words);
    this.pictures = new Pictures(this);
    this.screens = new Screens(document, this.queue);
    // A slot another tab wrote: the slot screen, when it is open, reads its cards again.
    if (storage) {
      storage.onTakenIn = () => {
        if (this.screens.slotBox.open) this.queue.post('slot refresh');
      };
    }
    this.thumbnailBytes = null;
    this.spoken = byId('spoken');
    this.toastBox = byId('toast');
    this.bar = byId('quick-bar');
    this.reason = '';
    this.trace = [];
    this.frames = [];  // with the trace in real time: each scene put on the canvas
    this.phaseWatchers = [];
    this.controls = CONTROLS.map(byId);
    this.wanted = CONTROLS.map(() => false);
    this.textHidden = false;
    this.labmain = byId('labmain');
    this.labcopy = byId('labcopy');
    this.screen = byId('screen').getContext('2d');
    this.portrait = byId('picface').getContext('2d');
    this.marks = { auto: byId('auto-mark'), skip: byId('skip-mark') };
    this.continueHint = byId('continue-hint');
    const staff = byId('staff');
    this.staff = Array.from({ length: STAFF_LABELS }, () =>
      staff.appendChild(document.createElement('div')));
    this.staff.forEach((label) => { label.hidden = true; });
    this.queue.onPost = () => this.setPhase('busy');
    this.dialogs.onWorked = () => this.setPhase(this.phase);
  }

  // ---- what the game waits for ----
  setPhase(phase) {
    if (this.phase === 'ended') phase = 'ended';
    if (phase === 'line') this.speak();
    if (phase === 'idle' || phase === 'line') this.dialogs.uploaded = null;
    if (this.phase !== phase) {
      this.phase = phase;
      this.document.body.dataset.phase = phase;
    }
    const watchers = this.phaseWatchers;
    this.phaseWatchers = [];
    watchers.forEach((watch) => watch(phase));
  }

  // For the tests' driver: resolves with the phase once the game waits for the player (or has
  // ended) and no action is left in the queue.
  settled() {
    const steady = ['idle', 'line', 'chooser', 'file', 'message', 'question', 'slots', 'settings',
      'ended'];
    return new Promise((resolve) => {
      const check = (phase) => {
        const still = this.queue.items.length === 0 && this.dialogs.working === 0;
        if (steady.includes(phase) && still) resolve(phase);
        else this.phaseWatchers.push(check);
      };
      check(this.phase);
    });
  }

  // For the tests: the SHA-256 of the scene's pixels as the canvas holds them (RGBA), in hex.
  async screenDigest() {
    const { data } = this.screen.getImageData(0, 0, 512, 384);
    const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', data));
    return Array.from(digest, (b) => b.toString(16).padStart(2, '0')).join('');
  }

  // For the tests: the scene's pixels as the canvas holds them, RGBA, in base64.
  screenPixels() {
    const { data } = this.screen.getImageData(0, 0, 512, 384);
    let text = '';
    for (let i = 0; i < data.length; i += 0x8000) {
      text += String.fromCharCode(...data.subarray(i, i + 0x8000));
    }
    return btoa(text);
  }

  // ---- the controls ----
  setVisible(control, visible) {
    this.wanted[control] = visible;
    this.showControl(control);
  }

  showControl(control) {
    const hiddenWithText = this.textHidden && WITH_TEXT.has(CONTROLS[control]);
    this.controls[control].hidden = !this.wanted[control] || hiddenWithText;
  }

  showContinueHint(shown) {
    this.continueHint.hidden = !shown;
  }

  setEnabled(control, enabled) {
    const element = this.controls[control];
    if ('disabled' in element) element.disabled = !enabled;
    else element.toggleAttribute('aria-disabled', !enabled);
  }

  setMessage(text) {
    // Each line set is told once it waits whole, even the same words again (looked at twice).
    this.lineText = lineBreaks(text);
    this.unspoken = true;
    const shown = messageText(text);
    if (this.englishShown !== undefined) {
      this.englishShown = undefined;
      this.labmain.classList.remove('english');
      this.labmain.style.removeProperty('font-size');
      this.labmain.style.removeProperty('line-height');
      this.labmain.textContent = '';
    }
    if (this.labmain.textContent !== shown) {
      this.labmain.textContent = shown;
    }
  }

  // An English message as the module laid it out: each line on its own, those after the
  // first indented (after the speaker's name), with the spaces broken at between them unseen.
  setEnglish(layout) {
    // Told as setMessage tells a line: the words as shown, once it waits whole.
    this.lineText = layout.lines.map((text, k) => (k === 0 ? '' : layout.breaks[k - 1]) + text)
      .join('');
    this.unspoken = true;
    const key = JSON.stringify(layout);
    if (this.englishShown === key) return;
    this.englishShown = key;
    const label = this.labmain;
    label.classList.add('english');
    label.style.fontSize = `${layout.size}px`;
    label.style.lineHeight = `${layout.step}px`;
    label.replaceChildren(...layout.lines.flatMap((text, k) => {
      const line = this.document.createElement('span');
      line.className = 'line';
      line.textContent = text;
      if (k === 0) return [line];
      line.style.paddingLeft = `${layout.indent}px`;
      return [layout.breaks[k - 1], line];
    }));
  }

  // The width of `text` in the English face at `pixels`, as the message line draws it.
  measureEnglish(text, pixels) {
    this.measurer ??= this.document.createElement('canvas').getContext('2d');
    const font = `${pixels}px ${ENGLISH_FACE}`;
    if (this.measurer.font !== font) this.measurer.font = font;
    return Math.round(this.measurer.measureText(text).width);
  }

  // Letter by letter, the line set is only a part of it, not told until it is whole.
  messagePartial() {
    this.unspoken = false;
  }

  // Each line that waits for the reader goes once to the live region, whole, in the game's
  // words (not the dash as it is drawn), for a screen reader.
  speak() {
    if (!this.unspoken) return;
    this.unspoken = false;
    if (this.lineText === '') return;
    const line = this.document.createElement('p');
    line.textContent = this.lineText;
    this.spoken.append(line);
    while (this.spoken.childElementCount > 20) this.spoken.firstElementChild.remove();
  }

  hideText(hidden) {
    this.textHidden = hidden;
    this.labmain.hidden = hidden;
    CONTROLS.forEach((name, control) => { if (WITH_TEXT.has(name)) this.showControl(control); });
  }

  copyText(text) {
    navigator.clipboard?.writeText(lineBreaks(text)).catch(() => {});
  }

  showFace(rgba, width, height) {
    this.portrait.canvas.width = width;
    this.portrait.canvas.height = height;
    this.portrait.putImageData(new ImageData(new Uint8ClampedArray(rgba), width, height), 0, 0);
  }

  setStaff(index, label) {
    const element = this.staff[index];
    if (!element) return;
    element.textContent = lineBreaks(label.text);
    element.style.left = `${label.x}px`;
    element.style.top = `${label.y}px`;
    element.style.fontSize = `${Math.round(label.points * 96 / 72)}px`;
    element.classList.toggle('bold', label.bold);
    element.classList.toggle('white', label.white);
    element.hidden = !label.visible;
  }

  setNotice(text) {
    this.labcopy.textContent = noticeText(text);
  }

  showReadingMarks(autoOn, skipping) {
    this.marks.auto.hidden = !autoOn;
    this.marks.skip.hidden = !skipping;
    this.bar.querySelector('[data-bar="auto"]').setAttribute('aria-pressed', String(autoOn));
    this.bar.querySelector('[data-bar="skip"]').setAttribute('aria-pressed', String(skipping));
  }

  // The page's own words in the language in force: the buttons' captions, the marks and the
  // rest of the page's.
  setWords(words) {
    for (const [control, caption] of Object.entries(words.buttons)) {
      const button = this.controls[Number(control)];
      // "セーブ(&S)" and "&Save" alike: the marked letter underlined, the mark itself not shown.
      const plain = caption.replace(/\(&(.)\)/, '($1)').replace(/&(.)/, '$1');
      if (button.classList.contains('face')) {
        button.setAttribute('aria-label', plain);
      } else {
        const marked = caption.replace(/\(&(.)\)/, '(&$1)').search(/&./);
        if (marked < 0) {
          button.replaceChildren(plain);
        } else {
          const u = this.document.createElement('u');
          u.textContent = plain[marked];
          button.replaceChildren(plain.slice(0, marked), u, plain.slice(marked + 1));
        }
      }
    }
    this.marks.auto.textContent = words.auto;
    this.marks.skip.textContent = words.skip;
    this.continueHint.textContent = words.hint;
    this.words.apply(words.page);
    this.document.documentElement.lang = /[\u3040-\u30ff]/.test(words.auto) ? 'ja' : 'en';
  }

  // A notice over the scene that goes by itself.
  toast(text, ms = 2500) {
    this.toastBox.textContent = text;
    this.toastBox.hidden = false;
    this.toasts = (this.toasts ?? []).concat(text);  // for the tests
    clearTimeout(this.toastTimer);
    this.toastTimer = setTimeout(() => { this.toastBox.hidden = true; }, ms);
  }

  fullscreen() {
    return this.document.fullscreenElement != null;
  }

  setFullscreen(on) {
    const d = this.document;
    const done = on ? d.documentElement.requestFullscreen?.() : d.fullscreenElement && d.exitFullscreen();
    Promise.resolve(done).catch(() => {});
  }

  // The scene at half its size, smoothed, as PNG bytes (kept for the module to take); their
  // length, or 0 when the browser cannot make one.
  async thumbnail(rgba, width, height) {
    try {
      const whole = new OffscreenCanvas(width, height);
      whole.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(rgba.buffer), width, height), 0, 0);
      const half = new OffscreenCanvas(width / 2, height / 2);
      const context = half.getContext('2d');
      context.imageSmoothingQuality = 'high';
      context.drawImage(whole, 0, 0, width / 2, height / 2);
      const blob = await half.convertToBlob({ type: 'image/png' });
      this.thumbnailBytes = new Uint8Array(await blob.arrayBuffer());
      return this.thumbnailBytes.length;
    } catch {
      return 0;
    }
  }

  showScreen(rgba, width, height) {
    // A view on the module's memory: putImageData copies it before the module goes on.
    const pixels = new Uint8ClampedArray(rgba.buffer, rgba.byteOffset, width * height * 4);
    this.screen.putImageData(new ImageData(pixels, width, height), 0, 0);
  }

  // `due`, `woke` (its wait's end) and `at` on the game's clock; `line`: how many trace lines
  // came before it.
  frameShown(due, woke, at) {
    this.frames.push({ due, woke, at, line: this.trace.length });
  }

  note(line) {
    this.trace.push(line);
  }

  // The game has ended: closed by the player, or after a failure it has told.
  ended(why) {
    this.queue.close();
    this.dialogs.closeAll();
    this.screens.closeAll();
    this.setPhase('ended');
    const notice = this.document.getElementById('notice');
    notice.textContent = why
      || this.words.word('ended', 'ハザマを終了しました。もう一度遊ぶには、このページを読み込み直してください。');
    notice.hidden = false;
  }
}
