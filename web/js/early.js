// What takes longest before the title: the module compiled as it downloads and the player's
// database opened. The build writes this twice: on its own (early-start.js), put into the page
// itself (tools/web/inline_early.py), which runs it as it arrives, before anything else is asked
// for; and inside the page's scripts, where boot.js takes the work begun, or begins it if the
// page's own copy did not run.
import { openPlayerDatabase } from './files.js';

// The work begun, once per page.
export function early(window = globalThis) {
  window.hazamaEarly ??= begin();
  return window.hazamaEarly;
}

function begin() {
  const compiled = compileModule();
  compiled.catch(() => {});
  return { compiled, opened: openPlayerDatabase() };
}

// The module compiled while it downloads; a host that serves it under another type than
// application/wasm gets it compiled once it is all there.
async function compileModule() {
  try {
    return await WebAssembly.compileStreaming(fetch('hazama.wasm'));
  } catch {
    const response = await fetch('hazama.wasm');
    if (!response.ok) throw new Error(`hazama.wasm: ${response.status} ${response.statusText}`.trim());
    return WebAssembly.compile(await response.arrayBuffer());
  }
}
