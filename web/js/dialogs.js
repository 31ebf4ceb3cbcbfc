// The game's modal windows in the page: the move chooser, the file dialog for the save and
// load buttons, and the message box. Each answer is posted to the queue, never handed to the
// game directly.

// Escape on an open dialog: `handle` instead of the browser's own closing.
export function onCancel(box, handle) {
  box.addEventListener('cancel', (event) => {
    event.preventDefault();
    handle();
  });
}

export class Dialogs {
  // `storage`: the player's files (files.js), for carrying a save to and from the browser;
  // `words`: the page's words (words.js).
  constructor(document, queue, storage = null, words = null) {
    this.document = document;
    this.queue = queue;
    this.storage = storage;
    this.words = words;
    const byId = (id) => document.getElementById(id);
    this.chooserBox = byId('chooser');
    this.fileBox = byId('file-dialog');
    this.messageBox = byId('message-box');
    this.fileNames = [];
    this.fileSave = false;
    this.working = 0;          // uploads being read and kept
    this.onWorked = () => {};  // told when one is done
    this.wireChooser();
    this.wireFile();
    this.questionBox = byId('question-box');
    byId('message-ok').addEventListener('click', () => this.answer(this.messageBox, 'ok'));
    byId('question-yes').addEventListener('click', () => this.answer(this.questionBox, 'yes'));
    byId('question-no').addEventListener('click', () => this.answer(this.questionBox, 'no'));
    this.onEscape(this.questionBox, 'no');
    // Escape: 移動をやめる in the chooser, cancel in the file dialog, OK in the message box.
    this.onEscape(this.chooserBox, 'chosen 3');
    this.onEscape(this.fileBox, 'file-cancel');
    this.onEscape(this.messageBox, 'ok');
  }

  wireChooser() {
    for (const button of this.chooserBox.querySelectorAll('[data-answer]')) {
      button.addEventListener('click', () =>
        this.answer(this.chooserBox, `chosen ${button.dataset.answer}`));
    }
  }

  wireFile() {
    const byId = (id) => this.document.getElementById(id);
    const list = byId('file-list');
    const name = byId('file-name');
    list.addEventListener('change', () => { name.value = list.value; });
    list.addEventListener('dblclick', () => { if (list.value) this.submitFile(); });
    byId('file-cancel').addEventListener('click', () => this.answer(this.fileBox, 'file-cancel'));
    this.fileBox.querySelector('.close').addEventListener('click',
      () => this.answer(this.fileBox, 'file-cancel'));
    byId('file-download').addEventListener('click', () => this.download());
    byId('file-upload').addEventListener('change', (event) => this.upload(event.target));
    this.fileBox.querySelector('form').addEventListener('submit', (event) => {
      event.preventDefault();
      this.submitFile();
    });
  }

  onEscape(box, answer) {
    onCancel(box, () => this.answer(box, answer));
  }

  word(name, japanese, detail) {
    return this.words ? this.words.word(name, japanese, detail) : japanese.replace('%1', detail);
  }

  answer(box, text) {
    if (!box.open) return;
    box.close();
    this.queue.post(text);
  }

  chooser(captions) {
    const places = this.chooserBox.querySelectorAll('.place');
    captions.forEach((caption, i) => { places[i].textContent = caption; });
    // A place left empty keeps her where she is, as the last button does: named so. It is
    // drawn as no place at all, and neither Tab nor the pointer stops on it.
    for (const place of Array.from(places).slice(0, 3)) {
      const none = place.textContent === '';
      if (none) place.setAttribute('aria-label', places[3].textContent);
      else place.removeAttribute('aria-label');
      place.classList.toggle('none', none);
      place.tabIndex = none ? -1 : 0;
    }
    this.chooserBox.showModal();
    places[0].focus();
  }

  file(save, title, names) {
    const byId = (id) => this.document.getElementById(id);
    this.uploaded = null;
    this.fileSave = save;
    this.fileNames = names;
    byId('file-title').textContent = title;
    byId('file-ok').textContent = save ? this.word('save', '保存') : this.word('open', '開く');
    byId('file-question').hidden = true;
    const list = byId('file-list');
    list.replaceChildren(...names.map((n) => new Option(n, n)));
    byId('file-name').value = '';
    this.fileBox.showModal();
    byId('file-name').focus();
  }

  // The chosen save, as the same bytes, to the player's own folder (to carry to the desktop).
  download() {
    const name = this.document.getElementById('file-list').value;
    if (!name || !this.storage?.FS) return;
    const bytes = this.storage.FS.readFile(`${this.storage.folder}/${name}`);
    const link = this.document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }

  // A save from the player's own folder: kept beside the others; in the load dialog it is
  // loaded at once (a file that is no save gets the game's own 読み込みエラー).
  async upload(input) {
    const file = input.files?.[0];
    input.value = '';
    if (!file || !this.storage?.FS) return;
    // The game stands still only once the file is read and kept (the tests wait for that).
    this.working += 1;
    try {
      await this.keepUpload(file);
    } finally {
      this.working -= 1;
      this.onWorked();
    }
  }

  async keepUpload(file) {
    // Only the name's last part, in the player's folder; the game checks the rest.
    const name = file.name.split(/[/\\]/).pop().replace(/^\.+/, '') || 'upload.hzm';
    const path = `${this.storage.folder}/${name}`;
    this.storage.FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
    await this.storage.sync(path);
    if (!this.fileSave) {
      // Should the game refuse it, its message box says which file it was.
      this.uploaded = name;
      this.answer(this.fileBox, `file ${name}`);
      return;
    }
    if (!this.fileNames.includes(name)) {
      this.fileNames.push(name);
      this.document.getElementById('file-list').append(new Option(name, name));
    }
  }

  // Saving over a file asks first, as the desktop's dialog does.
  submitFile() {
    const byId = (id) => this.document.getElementById(id);
    const typed = byId('file-name').value.trim();
    if (typed === '') return;
    const question = byId('file-question');
    if (/[/\\]/.test(typed) || typed === '.' || typed === '..') {
      question.dataset.name = '';
      question.textContent = this.word('name-refused', 'ファイル名に / と \\ は使えません。');
      question.hidden = false;
      return;
    }
    const existing = this.fileNames.includes(typed) || this.fileNames.includes(`${typed}.hzm`);
    if (this.fileSave && existing && (question.hidden || question.dataset.name !== typed)) {
      question.dataset.name = typed;
      question.textContent = this.word('name-taken',
        '%1 は既に存在します。置き換えますか？ もう一度「保存」で置き換えます。', typed);
      question.hidden = false;
      return;
    }
    this.answer(this.fileBox, `file ${typed}`);
  }

  message(text, detail) {
    const byId = (id) => this.document.getElementById(id);
    if (this.uploaded && detail === '') {
      detail = this.word('not-a-save', '%1: ハザマのセーブデータとして読めません。', this.uploaded);
    }
    this.uploaded = null;
    byId('message-text').textContent = text;
    byId('message-detail').textContent = detail;
    this.messageBox.showModal();
    byId('message-ok').focus();
  }

  // The session's question, yes or no; `yesFirst`: yes has the focus.
  question(text, yesFirst) {
    const byId = (id) => this.document.getElementById(id);
    byId('question-text').textContent = text;
    this.questionBox.showModal();
    byId(yesFirst ? 'question-yes' : 'question-no').focus();
  }

  closeAll() {
    for (const box of [this.chooserBox, this.fileBox, this.messageBox, this.questionBox]) {
      if (box.open) box.close();
    }
  }
}
