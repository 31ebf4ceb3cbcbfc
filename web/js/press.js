// A control pressed by a click or a finger. A finger presses as it is lifted on the control,
// not at the click the browser makes of it some moments later (or never, after a long press);
// that click is then not taken a second time. A finger that scrolled is cancelled and presses
// nothing. Clicks on the controls go no further up the page.

// How long after a finger was lifted the click the browser makes of it may come.
const CLICK_AFTER_LIFT = 1000;

// Calls `press(control)` for the nearest `selector` under `container` that is pressed.
export function onPress(container, selector, press) {
  let lifted = -Infinity;
  container.addEventListener('pointerup', (event) => {
    const control = event.target.closest(selector);
    if (event.pointerType !== 'touch' || !control || control.disabled) return;
    const r = control.getBoundingClientRect();
    if (event.clientX < r.left || event.clientX > r.right || event.clientY < r.top
      || event.clientY > r.bottom) return;
    lifted = event.timeStamp;
    press(control);
  });
  container.addEventListener('click', (event) => {
    const control = event.target.closest(selector);
    if (!control) return;
    event.stopPropagation();
    if (event.timeStamp - lifted >= CLICK_AFTER_LIFT) press(control);
  });
}
