// The game's files in the module's memory, laid out before the game starts: every name of the
// site's index as an empty file (the pictures and music are fetched by the browser when the
// game opens them), the few files the game reads itself with their bytes, and the player's
// folder kept in the browser's lasting storage (IndexedDB).

// Where the game looks for its files (src/web/main.cpp).
export const ROOT = '/hazama';
// The player's folder: $HOME/.local/share/hazama, with the module's HOME.
export const PLAYER_FOLDER = '/home/web_user/.local/share/hazama';

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
        if (error) this.fail(error);
        Module.removeRunDependency('player-files');
      });
    } catch (error) {
      this.fail(error);
      Module.removeRunDependency('player-files');
    }
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
          transaction.oncomplete = () => resolve(0);
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
