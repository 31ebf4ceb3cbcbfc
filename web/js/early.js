// What takes longest before the title, begun as soon as this script and files.js are there
// (the page runs it without waiting for the other scripts or the parse): the module compiled as
// it downloads and the player's database opened. boot.js takes both once it starts the game.
import { openPlayerDatabase } from './files.js';

// The module compiled while it downloads; a host that serves it under another type than
// application/wasm gets it compiled once it is all there.
export const compiled = compileModule();
compiled.catch(() => {});
export const opened = openPlayerDatabase();

async function compileModule() {
  try {
    return await WebAssembly.compileStreaming(fetch('hazama.wasm'));
  } catch {
    const response = await fetch('hazama.wasm');
    if (!response.ok) throw new Error(`hazama.wasm: ${response.status} ${response.statusText}`.trim());
    return WebAssembly.compile(await response.arrayBuffer());
  }
}

