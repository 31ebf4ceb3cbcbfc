// Starts the web edition: checks what the browser must offer, loads the game's file index,
// lays out the module's files and starts the module with the page's face.
import { Face } from './face.js';
import { fetchIndex, layOut, PlayerStorage } from './files.js';
import { listen } from './input.js';
import { fitStage } from './scale.js';

function tell(text) {
  const notice = document.getElementById('notice');
  notice.textContent = text;
  notice.hidden = false;
}

async function start() {
  if (typeof WebAssembly !== 'object') {
    tell('このブラウザでは遊べません: WebAssembly が必要です。');
    return;
  }
  const options = new URLSearchParams(location.search);
  // The tests' mode: the clock is virtual, as on the story runner, and the trace is kept.
  const virtualClock = options.get('clock') === 'virtual';
  // Storage refused (a private window) or full: the game plays on, and says so once.
  const storage = new PlayerStorage(() => face.toast(
    'ブラウザの保存領域を使えません。このまま遊べますが、セーブは残りません。', 8000));
  const face = new Face(document, {
    virtualClock,
    collectsTrace: virtualClock || options.has('trace'),
    storage,
  });
  fitStage(window, document.getElementById('stage'));
  listen(document, face.queue);
  if (face.collectsTrace) window.hazama = face;
  let index;
  try {
    index = await fetchIndex();
  } catch (error) {
    tell(`ゲームのファイルを読み込めません: ${error.message}`);
    return;
  }
  try {
    const { default: createHazama } = await import('../hazama.js');
    await createHazama({
      face,
      preRun: [(Module) => {
        layOut(Module.FS, index);
        storage.mount(Module);
        // The tests' fixed seed for the save files' random byte, as the runner takes it.
        if (options.has('seed')) Module.ENV.HAZAMA_SAVE_SEED = options.get('seed');
      }],
      printErr: (text) => console.error(text),
    });
  } catch (error) {
    tell(`ゲームを始められません: ${error?.message ?? error}`);
  }
}

start();
