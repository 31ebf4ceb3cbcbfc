// The player's input on the stage, posted to the queue as the game's actions: the command
// buttons, clicks on the release inputs (the scene, the message line, the portrait, the
// waiting mark, the logo, the notice and the window's background), and the keys that type a
// character. Nothing here runs any of the game.

const COMMANDS = {
  comsave: 'save', comload: 'load', comstart: 'new', comend: 'quit',
  commove: 'move', comtalk: 'talk', comlook: 'look',
};

export function listen(document, queue) {
  const stage = document.getElementById('stage');
  for (const [id, command] of Object.entries(COMMANDS)) {
    const button = document.getElementById(id);
    button.addEventListener('click', (event) => {
      event.stopPropagation();
      // As on the desktop, a pressed button keeps no focus that a key could press again.
      button.blur();
      queue.post(`command ${command}`);
    });
  }
  stage.addEventListener('click', (event) => {
    // A click on a button, even a disabled one, never reaches the background.
    if (event.button !== 0 || event.target.closest('button')) return;
    const release = event.target.closest('.release, #picmain0');
    queue.post(`click ${release?.id ?? 'window'}`);
  });
  document.addEventListener('keydown', (event) => {
    if (event.target.closest?.('dialog') || event.ctrlKey || event.altKey || event.metaKey) return;
    const code = keyCode(event);
    if (code === null) return;
    // A key is the game's, whichever button has the focus: Space and Enter never press one.
    event.preventDefault();
    queue.post(`key ${code}`);
  });
  // Space presses a focused button as it comes up: the key was the game's.
  document.addEventListener('keyup', (event) => {
    if (event.key === ' ' && event.target.closest?.('#stage button')) event.preventDefault();
  });
}

// The character a key types, as the game's key handler takes it: Space 32, Enter 13.
function keyCode(event) {
  if (event.key === ' ' || event.key === 'Spacebar') return 32;
  if (event.key === 'Enter') return 13;
  if (event.key.length === 1) return event.key.codePointAt(0);
  return null;
}
