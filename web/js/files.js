// The game's files in the module's memory, laid out before the game starts: every name of the
// site's index as an empty file (the pictures and music are fetched by the browser when the
// game opens them), the few files the game reads itself with their bytes, and the player's
// folder kept in the browser's lasting storage (IndexedDB).

// Where the game looks for its files (src/web/main.cpp).
export const ROOT = '/hazama';
// The player's folder: $HOME/.local/share/hazama, with the module's HOME.
export const PLAYER_FOLDER = '/home/web_user/.local/share/hazama';
// Where a closing tab leaves the automatic slot it had ready (see keepReady).
const READY_SLOT = 'hazama-ready-slot';
// Where the tabs of the game tell each other of the slots each has written.
const TABS_CHANNEL = 'hazama-player-files';

// The files another tab's writing concerns: the slots and the saves made with the button.
function shared(path) {
  return path.startsWith(`${PLAYER_FOLDER}/saves/`) || path.endsWith('.hzm');
}

// The index of the site's files and the bytes of those the game reads itself.
export async function fetchIndex() {
  const response = await fetch('files.json');
  if (!response.ok) throw new Error(`files.json: ${response.status} ${response.statusText}`);
  const index = await response.json();
  const texts = new Map();
  await Promise.all(index.texts.map(async (name) => {
    const text = await fetch(name);
    if (!text.ok) throw new Error(`${name}: ${text.status} ${text.statusText}`);
    texts.set(name, new Uint8Array(await text.arrayBuffer()));
  }));
  return { files: index.files, texts };
}

export function layOut(FS, { files, texts }) {
  const folders = new Set();
  const empty = new Uint8Array(0);
  for (const name of files) {
    const path = `${ROOT}/${name}`;
    const folder = path.slice(0, path.lastIndexOf('/'));
    if (!folders.has(folder)) {
      FS.mkdirTree(folder);
      folders.add(folder);
    }
    FS.writeFile(path, texts.get(name) ?? empty);
  }
  // The game's own folder is not the player's to write in: the save dialog opens in the
  // player's folder, as for an installed game.
  FS.chmod(ROOT, 0o555);
}

// The player's database opened as Emscripten's IDBFS opens it (its version, its store and the
// store's index), so that the page can open it while the module is still on its way; resolves
// to null when it cannot be opened, and IDBFS then meets the same refusal itself.
export function openPlayerDatabase(indexedDB = globalThis.indexedDB) {
  return new Promise((resolve) => {
    let request;
    try {
      request = indexedDB.open(PLAYER_FOLDER, 21);
    } catch {
      resolve(null);
      return;
    }
    request.onupgradeneeded = () => {
      const store = request.result.objectStoreNames.contains('FILE_DATA')
        ? request.transaction.objectStore('FILE_DATA')
        : request.result.createObjectStore('FILE_DATA');
      if (!store.indexNames.contains('timestamp')) {
        store.createIndex('timestamp', 'timestamp', { unique: false });
      }
    };
    request.onsuccess = () => resolve(request.result);
    request.onerror = (event) => {
      event.preventDefault();
      resolve(null);
    };
    request.onblocked = () => resolve(null);
  });
}

// The player's files: read from IndexedDB before the game starts, written back after each
// file the game writes.
export class PlayerStorage {
  // `refused` is told when the lasting storage cannot be had.
  constructor(refused = () => {}) {
    this.database = null;  // the player's database when the page has opened it already
    this.FS = null;
    this.folder = PLAYER_FOLDER;
    this.failure = null;  // why the storage could not be read, when it could not
    this.refused = refused;
    this.channel = null;
    this.onTakenIn = () => {};  // told of each file another tab wrote, once it is here too
    this.takingIn = 0;          // files of another tab's still being read, for the tests
    this.ready = null;          // the automatic slot as the game had it at its last line
  }

  // The game keeps its automatic slot ready at every line: the lasting storage cannot be
  // written as a tab closes (it answers only later, and the game cannot run then), so a
  // closing page puts it where it still can, at once: the window's local storage.
  keepReady(path, bytes) {
    this.ready = { path, bytes, time: Date.now() };
  }

  leaving(window) {
    const ready = this.ready;
    if (!ready) return;
    let text = '';
    for (let i = 0; i < ready.bytes.length; i += 0x8000) {
      text += String.fromCharCode(...ready.bytes.subarray(i, i + 0x8000));
    }
    try {
      window.localStorage.setItem(READY_SLOT,
        JSON.stringify({ path: ready.path, time: ready.time, file: btoa(text) }));
    } catch {
      // Refused or full: the automatic slot is the one last written.
    }
  }

  // At the start: a slot a closed tab left that is newer than the one stored takes its place
  // (with the time it was made), and goes to the lasting storage.
  takeBackReady(window) {
    let left;
    try {
      left = JSON.parse(window.localStorage.getItem(READY_SLOT) ?? 'null');
    } catch {
      return;
    }
    if (typeof left?.path !== 'string' || !left.path.startsWith(`${PLAYER_FOLDER}/saves/`)
        || left.path.includes('/../') || !Number.isFinite(left.time)) return;
    const { FS } = this;
    const kept = FS.analyzePath(left.path);
    if (!kept.exists || FS.stat(left.path).mtime.getTime() < left.time) {
      try {
        const text = atob(left.file);
        FS.mkdirTree(left.path.slice(0, left.path.lastIndexOf('/')));
        FS.writeFile(left.path, Uint8Array.from(text, (c) => c.charCodeAt(0)));
        FS.utime(left.path, left.time, left.time);
      } catch {
        return;
      }
    }
    this.sync(left.path).then((failed) => {
      if (!failed) window.localStorage.removeItem(READY_SLOT);
    });
  }

  fail(error) {
    if (!this.failure) this.refused(error);
    this.failure = error;
  }

  // Mounts the player's folder and loads it; the game waits for it (a run dependency).
  mount(Module) {
    const FS = Module.FS;
    this.FS = FS;
    FS.mkdirTree(PLAYER_FOLDER);
    // IDBFS takes a database it has open already from its own table of them.
    if (this.database) FS.filesystems.IDBFS.dbs[PLAYER_FOLDER] = this.database;
    try {
      FS.mount(FS.filesystems.IDBFS, {}, PLAYER_FOLDER);
    } catch (error) {
      this.fail(error);
      return;
    }
    Module.addRunDependency('player-files');
    try {
      FS.syncfs(true, (error) => {
        if (error) {
          this.fail(error);
        } else {
          this.takeBackReady(globalThis);
          this.listenToTabs();
        }
        Module.removeRunDependency('player-files');
      });
    } catch (error) {
      this.fail(error);
      Module.removeRunDependency('player-files');
    }
  }

  // A slot another tab has written (or taken out), whole, as its storage holds it, copied into
  // this tab's folder, so that its slot screen shows it. The file is one record, read in one
  // transaction: never half of it.
  listenToTabs() {
    if (typeof BroadcastChannel !== 'function') return;
    this.channel = new BroadcastChannel(TABS_CHANNEL);
    this.channel.onmessage = ({ data }) => {
      const path = data?.path;
      if (typeof path === 'string' && shared(path) && !path.includes('/../')) this.takeIn(path);
    };
  }

  takeIn(path) {
    const { FS } = this;
    const { IDBFS } = FS.filesystems;
    this.takingIn += 1;
    const done = () => {
      this.takingIn -= 1;
      this.onTakenIn(path);
    };
    IDBFS.getDB(PLAYER_FOLDER, (error, db) => {
      if (error) {
        done();
        return;
      }
      const store = db.transaction(['FILE_DATA'], 'readonly').objectStore('FILE_DATA');
      IDBFS.loadRemoteEntry(store, path, (failed, entry) => {
        try {
          if (failed) {
            // Not taken in: this tab goes on with what it had.
          } else if (!entry) {
            if (FS.analyzePath(path).exists) FS.unlink(path);
          } else if (FS.isFile(entry.mode)) {
            FS.mkdirTree(path.slice(0, path.lastIndexOf('/')));
            IDBFS.storeLocalEntry(path, entry, () => {});
          }
        } catch {
          // As above.
        }
        done();
      });
    });
  }

  // Copies the file at `path` (and the folders above it) to the lasting storage, or takes it
  // out there when it is gone: 0 once stored; 1 when the storage is full, 2 when it is
  // refused, 3 else. Only that file is written: another tab of the game keeps its own slots
  // (copying the whole folder back would take out every file this tab has not seen).
  sync(path) {
    return new Promise((resolve) => {
      const fail = (error) => resolve(errorKind(error));
      if (this.failure) {
        fail(this.failure);
        return;
      }
      try {
        const { IDBFS } = this.FS.filesystems;
        IDBFS.getDB(PLAYER_FOLDER, (error, db) => {
          if (error) {
            fail(error);
            return;
          }
          const transaction = db.transaction(['FILE_DATA'], 'readwrite');
          const store = transaction.objectStore('FILE_DATA');
          transaction.onerror = (event) => {
            event.preventDefault();
            fail(transaction.error);
          };
          transaction.onabort = () => fail(transaction.error);
          transaction.oncomplete = () => {
            if (shared(path)) this.channel?.postMessage({ path });
            resolve(0);
          };
          const paths = [];
          for (let p = path; p.startsWith(`${PLAYER_FOLDER}/`); p = p.slice(0, p.lastIndexOf('/'))) {
            paths.unshift(p);
          }
          for (const p of paths) {
            if (!this.FS.analyzePath(p).exists) {
              store.delete(p);
              continue;
            }
            IDBFS.loadLocalEntry(p, (failed, entry) => {
              if (failed) fail(failed);
              else IDBFS.storeRemoteEntry(store, p, entry, () => {});
            });
          }
        });
      } catch (error) {
        fail(error);
      }
    });
  }
}

function errorKind(error) {
  const name = error?.name ?? error?.target?.error?.name ?? '';
  if (name === 'QuotaExceededError') return 1;
  if (name === 'SecurityError' || name === 'InvalidStateError' || name === 'NotAllowedError') return 2;
  return 3;
}
