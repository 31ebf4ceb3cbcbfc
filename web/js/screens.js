// The session's screens in the page: the slot screen, the settings, the menu and the history.
// The module hands each one what to show (its words, cards, entries and checks, all decided by
// the game) and the page only draws it; every choice is posted to the queue.
import { onCancel } from './dialogs.js';
import { onPress } from './press.js';

export class Screens {
  constructor(document, queue) {
    this.document = document;
    this.queue = queue;
    const byId = (id) => document.getElementById(id);
    this.slotBox = byId('slot-screen');
    this.settingsBox = byId('settings-screen');
    this.menuBox = byId('menu');
    this.historyBox = byId('history');
    this.historyLines = byId('history-lines');
    this.historyView = null;   // what the open history shows
    this.chosen = -1;
    this.slotBox.addEventListener('click', (event) => {
      const what = event.target.closest('[data-slot]')?.dataset.slot;
      if (what) this.answer(this.slotBox, `slot ${what}`);
    });
    this.onEscape(this.slotBox, 'slot close');
    byId('settings-close').addEventListener('click',
      () => this.answer(this.settingsBox, 'setting close'));
    this.settingsBox.querySelector('.close').addEventListener('click',
      () => this.answer(this.settingsBox, 'setting close'));
    this.onEscape(this.settingsBox, 'setting close');
    byId('settings-back-to-title').addEventListener('click',
      () => this.answer(this.settingsBox, 'setting title'));
    this.wireHistory();
    // A click anywhere else closes the menu.
    document.addEventListener('pointerdown', (event) => {
      if (!this.menuBox.hidden && !this.menuBox.contains(event.target)) this.closeMenu(true);
    }, true);
    this.menuBox.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') { event.stopPropagation(); this.closeMenu(true); }
    });
  }

  onEscape(box, answer) {
    onCancel(box, () => this.answer(box, answer));
  }

  answer(box, text) {
    if (!box.open) return;
    this.queue.post(text);
  }

  // ---- the slot screen: opened, or drawn again after each answer ----
  slots(view) {
    const byId = (id) => this.document.getElementById(id);
    byId('slot-title').textContent = view.title;
    byId('slot-heading').textContent = view.heading;
    byId('slot-close').textContent = view.close;
    const remove = byId('slot-delete');
    remove.textContent = view.deleteWord;
    remove.hidden = view.page === 0;
    remove.setAttribute('aria-pressed', String(view.deleting));
    byId('slot-cards').replaceChildren(...view.cards.map((card, i) => this.card(card, i, view)));
    byId('slot-tabs').replaceChildren(...view.tabs.map((tab) => {
      const button = this.document.createElement('button');
      button.type = 'button';
      button.role = 'tab';
      button.textContent = tab.caption;
      button.dataset.slot = `page ${tab.page}`;
      button.setAttribute('aria-selected', String(tab.page === view.page));
      return button;
    }));
    if (!this.slotBox.open) this.slotBox.showModal();
    const current = byId('slot-cards').children[view.current] ?? byId('slot-cards').children[0];
    current?.focus();
  }

  card(card, index, view) {
    const button = this.document.createElement('button');
    button.type = 'button';
    button.className = `slot-card ${card.state}`;
    button.role = 'listitem';
    button.dataset.slot = `pick ${index}`;
    button.setAttribute('aria-label', card.spoken || card.title);
    button.setAttribute('aria-current', String(index === view.current));
    if (card.picture) {
      const picture = this.document.createElement('img');
      picture.alt = '';
      picture.src = `data:image/png;base64,${card.picture}`;
      button.append(picture);
    }
    const words = this.document.createElement('span');
    words.className = 'words';
    const lines = card.state === 'used' ? [card.title, card.savedAt, card.place, card.line]
      : card.state === 'damaged' ? [card.title, card.why] : [card.title, card.line];
    for (const text of lines) {
      if (!text) continue;
      const line = this.document.createElement('span');
      line.textContent = text;
      words.append(line);
    }
    words.lastChild?.classList.add('line');
    button.append(words);
    return button;
  }

  // ---- the settings: each field as the game describes it ----
  settings(view) {
    const byId = (id) => this.document.getElementById(id);
    byId('settings-title').textContent = view.title;
    byId('settings-help').textContent = view.help;
    byId('settings-close').textContent = view.close;
    const toTitle = byId('settings-back-to-title');
    toTitle.textContent = view.back_to_title.replace(/\(&(.)\)/, '($1)');
    toTitle.hidden = view.back_to_title === '';
    const focused = this.document.activeElement?.name;
    const fields = view.fields.map((field) => this.field(field));
    byId('settings-fields').replaceChildren(...fields.flat());
    if (!this.settingsBox.open) this.settingsBox.showModal();
    const again = focused && this.settingsBox.querySelector(`[name="${focused}"]`);
    (again || this.settingsBox.querySelector('select, input'))?.focus();
  }

  field(field) {
    const label = this.document.createElement('label');
    const caption = field.label.replace(/\(&(.)\)/, '($1)').replace('&', '');
    if (field.options.length === 0) {
      const check = this.document.createElement('input');
      check.type = 'checkbox';
      check.name = field.name;
      check.checked = field.value === 'true';
      check.addEventListener('change',
        () => this.queue.post(`setting ${field.name} ${check.checked ? 'true' : 'false'}`));
      label.className = 'check';
      label.append(check, ` ${caption}`);
      return [label];
    }
    const select = this.document.createElement('select');
    select.name = field.name;
    select.id = `setting-${field.name}`;
    for (const option of field.options) select.append(new Option(option.caption, option.value));
    select.value = field.value;
    select.addEventListener('change', () => this.queue.post(`setting ${field.name} ${select.value}`));
    label.htmlFor = select.id;
    label.textContent = caption;
    return [label, select];
  }

  // ---- the menu, at the pointer or over the scene ----
  menu(entries, at = this.queue.menuAt ?? { x: 40, y: 40 }) {
    const box = this.menuBox;
    box.replaceChildren();
    const item = (caption, enabled, checked, action, sub = false) => {
      const button = this.document.createElement('button');
      button.type = 'button';
      button.role = checked === null ? 'menuitem' : 'menuitemcheckbox';
      if (checked !== null) button.setAttribute('aria-checked', String(checked));
      const [words, key] = caption.split('\t');
      button.textContent = words.replace(/\(&(.)\)/, '($1)').replace('&', '') + (key ? `\t${key}` : '');
      button.disabled = !enabled;
      if (sub) button.classList.add('sub');
      button.addEventListener('click', () => { this.closeMenu(false); this.queue.post(action); });
      box.append(button);
    };
    for (const entry of entries) {
      if (entry.choices.length > 0) {
        const heading = this.document.createElement('div');
        heading.textContent = entry.caption.replace(/\(&(.)\)/, '($1)').split('\t')[0];
        heading.className = 'heading';
        heading.style.padding = '4px 18px';
        box.append(heading);
        for (const choice of entry.choices) {
          item(choice.caption, entry.enabled, choice.checked, `menu ${entry.item} ${choice.value} 1`, true);
        }
      } else {
        item(entry.caption, entry.enabled, entry.checkable ? entry.checked : null,
          `menu ${entry.item} 0 ${entry.checkable && !entry.checked ? 1 : 0}`);
      }
      if (entry.separator) box.append(this.document.createElement('hr'));
    }
    box.hidden = false;
    const width = box.offsetWidth;
    const height = box.offsetHeight;
    box.style.left = `${Math.max(0, Math.min(at.x, innerWidth - width))}px`;
    box.style.top = `${Math.max(0, Math.min(at.y, innerHeight - height))}px`;
    box.querySelector('button:not(:disabled)')?.focus();
  }

  closeMenu(tell) {
    if (this.menuBox.hidden) return;
    this.menuBox.hidden = true;
    if (tell) this.queue.post('menu-closed');
  }

  // ---- the history ----
  wireHistory() {
    const byId = (id) => this.document.getElementById(id);
    onPress(this.historyLines, 'li', (line) => {
      const index = Number(line.dataset.index);
      if (this.historyView.entries[index].back < 0) {
        byId('history-note').textContent = this.historyView.refused;
        return;
      }
      this.choose(index);
    });
    this.historyLines.addEventListener('dblclick', (event) => {
      const line = event.target.closest('li');
      if (line && this.historyView.entries[Number(line.dataset.index)].back >= 0) {
        this.queue.post(`history-go ${line.dataset.index}`);
      }
    });
    byId('history-back').addEventListener('click', () => {
      if (this.chosen >= 0) this.queue.post(`history-go ${this.chosen}`);
    });
    byId('history-close').addEventListener('click', () => {
      this.closeHistory();
      this.queue.post('history-closed');
    });
    // Clicks inside the panel are its own.
    this.historyBox.addEventListener('click', (event) => event.stopPropagation());
  }

  history(view) {
    const byId = (id) => this.document.getElementById(id);
    this.historyView = view;
    this.chosen = -1;
    byId('history-title').textContent = view.title;
    byId('history-back').textContent = view.back;
    byId('history-back').disabled = true;
    byId('history-close').textContent = view.close;
    byId('history-note').textContent = view.entries.length === 0 ? view.empty : '';
    this.historyLines.replaceChildren(...view.entries.map((entry, i) => {
      const line = this.document.createElement('li');
      line.dataset.index = String(i);
      if (entry.divider) line.className = 'divider';
      else line.textContent = entry.text.replaceAll('\r\n', '\n');
      if (entry.back < 0) line.classList.add('refused');
      line.setAttribute('aria-selected', 'false');
      return line;
    }));
    this.historyBox.hidden = false;
    this.historyLines.scrollTop = this.historyLines.scrollHeight;
  }

  choose(index) {
    this.chosen = index;
    for (const line of this.historyLines.children) {
      line.setAttribute('aria-selected', String(Number(line.dataset.index) === index));
    }
    this.document.getElementById('history-back').disabled = index < 0;
    this.historyLines.children[index]?.scrollIntoView({ block: 'nearest' });
    this.queue.post(`history-chosen ${index}`);
  }

  // A key over the open history, as the game decided it.
  historyDo(what) {
    const lines = this.historyLines;
    const step = 24;
    const returnable = (i) => i >= 0 && i < this.historyView.entries.length && this.historyView.entries[i].back >= 0;
    const next = (from, by) => {
      for (let i = from + by; i >= 0 && i < this.historyView.entries.length; i += by) {
        if (returnable(i)) return i;
      }
      return -1;
    };
    switch (what) {
      case 'previous': {
        const i = next(this.chosen < 0 ? this.historyView.entries.length : this.chosen, -1);
        if (i >= 0) this.choose(i); else lines.scrollTop -= step;
        break;
      }
      case 'next': {
        const i = this.chosen < 0 ? -1 : next(this.chosen, 1);
        if (i >= 0) this.choose(i); else lines.scrollTop += step;
        break;
      }
      case 'pageup': lines.scrollTop -= lines.clientHeight; break;
      case 'pagedown':
      case 'scrolldown':
        if (lines.scrollTop + lines.clientHeight >= lines.scrollHeight - 1) {
          this.closeHistory();
          this.queue.post('history-closed');
        } else {
          lines.scrollTop += what === 'pagedown' ? lines.clientHeight : step * 3;
        }
        break;
      case 'start': lines.scrollTop = 0; break;
      case 'end': lines.scrollTop = lines.scrollHeight; break;
      default: this.choose(-1);
    }
  }

  closeHistory() {
    this.historyBox.hidden = true;
    this.historyView = null;
    this.chosen = -1;
  }

  // The slot screen and the settings, once the game is done with them.
  closeScreens() {
    for (const box of [this.slotBox, this.settingsBox]) if (box.open) box.close();
  }

  closeAll() {
    this.closeScreens();
    this.closeMenu(false);
  }
}
