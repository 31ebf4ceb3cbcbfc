// The stage scaled to the browser's window as a whole, as the desktop's full screen does: the
// largest size that fits, on black, with the quick-menu bar beside it and covering none of it.
// The bar goes under the stage, or at its right where that leaves the stage larger (a phone
// held sideways, a wide screen); the two are centred together.
const WIDTH = 634;
const HEIGHT = 463;
// The side bar's buttons stand in as many rows as the window's height holds.
const SIDE_ROW = 40;

export function fitStage(window, stage, bar) {
  const fit = () => {
    const width = window.innerWidth;
    const height = window.innerHeight;
    bar.classList.remove('side');
    bar.style.cssText = `width: ${width}px`;
    const under = bar.offsetHeight;
    const scaleUnder = Math.min(width / WIDTH, (height - under) / HEIGHT);
    bar.classList.add('side');
    const rows = Math.max(1, Math.floor(height / SIDE_ROW));
    bar.style.cssText = `grid-template-rows: repeat(${Math.min(rows, bar.childElementCount)}, auto)`;
    const beside = bar.offsetWidth;
    const scaleBeside = Math.min((width - beside) / WIDTH, height / HEIGHT);
    const side = scaleBeside > scaleUnder;
    const scale = Math.max(side ? scaleBeside : scaleUnder, 0.05);
    const shown = { width: WIDTH * scale, height: HEIGHT * scale };
    let left;
    let top;
    if (side) {
      left = Math.floor(Math.max(0, (width - shown.width - beside) / 2));
      top = Math.floor(Math.max(0, (height - shown.height) / 2));
      bar.style.left = `${Math.ceil(left + shown.width)}px`;
    } else {
      bar.classList.remove('side');
      left = Math.floor(Math.max(0, (width - shown.width) / 2));
      top = Math.floor(Math.max(0, (height - shown.height - under) / 2));
      bar.style.cssText = `width: ${width}px; top: ${Math.ceil(top + shown.height)}px`;
    }
    stage.style.setProperty('--scale', String(scale));
    stage.style.left = `${left}px`;
    stage.style.top = `${top}px`;
  };
  window.addEventListener('resize', fit);
  fit();
  return fit;
}
