// Starts the web edition: checks what the browser must offer, loads the game's file index,
// lays out the module's files and starts the module with the page's face.
import { early } from './early.js';
import { ENGLISH_FACE, Face } from './face.js';
import { fetchIndex, layOut, PlayerStorage } from './files.js';
import { listen } from './input.js';
import { Music } from './music.js';
import { fitStage } from './scale.js';
import { bootWord, startLanguage } from './words.js';

function tell(text) {
  const notice = document.getElementById('notice');
  notice.textContent = text;
  notice.hidden = false;
}

async function start() {
  const { compiled, opened } = early(window);
  // Until the module says which language is in force.
  const language = startLanguage(window);
  document.documentElement.lang = language;
  const word = (name, detail) => bootWord(language, name, detail);
  if (typeof WebAssembly !== 'object') {
    tell(word('no-wasm'));
    return;
  }
  const options = new URLSearchParams(location.search);
  // The tests' mode: the clock is virtual, as on the story runner, and the trace is kept.
  const virtualClock = options.get('clock') === 'virtual';
  // The index and the module are fetched side by side.
  const indexed = fetchIndex();
  const loaded = import('../hazama.js');
  loaded.catch(() => {});
  // The module measures English lines with the Latin face as it goes, so it is there first.
  const latin = document.fonts.load(`18px ${ENGLISH_FACE}`).catch(() => {});
  // Storage refused (a private window) or full: the game plays on, and says so once.
  const storage = new PlayerStorage(() => face.toast(word('storage'), 8000));
  const face = new Face(document, {
    virtualClock,
    collectsTrace: virtualClock || options.has('trace'),
    storage,
  });
  fitStage(window, document.getElementById('stage'), document.getElementById('quick-bar'));
  listen(document, face.queue, () => storage.leaving(window));
  const music = new Music(document, { still: virtualClock, tap: face.collectsTrace });
  music.listen(document);
  if (face.collectsTrace) {
    window.hazama = face;
    face.music = music;
  }
  let index;
  try {
    index = await indexed;
  } catch (error) {
    tell(word('no-files', error.message));
    return;
  }
  try {
    const { default: createHazama } = await loaded;
    await latin;
    storage.database = await opened;
    let failed;
    const failing = new Promise((_, reject) => { failed = reject; });
    await Promise.race([failing, createHazama({
      face,
      music,
      instantiateWasm(imports, receive) {
        compiled.then(async (module) => receive(await WebAssembly.instantiate(module, imports), module))
          .catch(failed);
        return {};
      },
      // The steps of the start, for tools/measure/web_title.mjs.
      onRuntimeInitialized: () => performance.mark('hazama: runtime ready'),
      preRun: [(Module) => {
        performance.mark('hazama: module instantiated');
        if (face.collectsTrace) face.module = Module;  // the measurements read its memory
        layOut(Module.FS, index);
        storage.mount(Module);
        // The tests' fixed seed for the save files' random byte, as the runner takes it.
        if (options.has('seed')) Module.ENV.HAZAMA_SAVE_SEED = options.get('seed');
      }],
      printErr: (text) => console.error(text),
    })]);
  } catch (error) {
    tell(word('no-start', error?.message ?? String(error)));
    return;
  }
  // Every file kept for playing offline once the title is up, so that keeping them does not
  // slow the first visit; not in the tests' mode, whose runs start afresh.
  if ('serviceWorker' in navigator && !virtualClock) {
    navigator.serviceWorker.register('sw.js').catch(() => {});
  }
}

start();
