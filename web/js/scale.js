// The stage scaled to the browser's window as a whole, as the desktop's full screen does:
// the largest size that fits, centred on black.
const WIDTH = 634;
const HEIGHT = 463;

export function fitStage(window, stage) {
  const fit = () => {
    const scale = Math.min(window.innerWidth / WIDTH, window.innerHeight / HEIGHT);
    stage.style.setProperty('--scale', String(scale > 0 ? scale : 1));
  };
  window.addEventListener('resize', fit);
  fit();
}
