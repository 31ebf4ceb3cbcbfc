// Plays the story runner's commands in the page through the page's own controls: the command
// buttons, the chooser's buttons, clicks on the message line and the keys Space and Enter.
import assert from 'node:assert/strict';

const BUTTONS = {
  new: '#comstart', look: '#comlook', talk: '#comtalk', move: '#commove',
  save: '#comsave', load: '#comload', quit: '#comend',
};

// Resolves with what the game waits for once it stands still: 'idle', 'line', 'chooser',
// 'file', 'message' or 'ended'.
// A game that does not stand still within `limit` ms fails the test with where it was.
export async function settle(page, limit = 30000) {
  const phase = await page.evaluate((ms) => Promise.race([
    window.hazama.settled(),
    new Promise((resolve) => setTimeout(() => resolve(null), ms)),
  ]), limit);
  if (phase !== null) return phase;
  const where = await page.evaluate(() => ({
    phase: window.hazama.phase, queued: window.hazama.queue.items,
    last: window.hazama.trace.slice(-3),
  }));
  throw new Error(`the game did not stand still: ${JSON.stringify(where)}`);
}

// Once the page has come to its title: a new game plays its first scene and no failure is
// told (the checks the offline and hosting tests make after starting in their own ways).
export async function assertFirstScenePlays(page) {
  await page.waitForFunction(() => window.hazama?.phase === 'idle', { timeout: 60000 });
  await new Driver(page).perform('new');
  const shown = await page.evaluate(() => ({
    trace: window.hazama.trace.length, notice: document.getElementById('notice').hidden,
  }));
  assert.ok(shown.trace > 10, 'the first scene played');
  assert.equal(shown.notice, true, 'no failure was told');
}

export class Driver {
  constructor(page) {
    this.page = page;
    this.lines = 0;      // lines released
    this.refused = [];   // commands whose button could not be pressed
  }

  // Carries out one runner command and waits until the game is idle again. `answer` says what
  // to do when a dialog other than the chooser opens.
  async perform(command, { answer } = {}) {
    const [verb, argument] = command.split(/\s+/);
    const button = BUTTONS[verb];
    if (!button) throw new Error(`the driver cannot play "${command}"`);
    if (!(await this.pressable(button))) {
      this.refused.push(verb);
      return settle(this.page);
    }
    await this.page.click(button);
    let chosen = false;
    for (;;) {
      const phase = await settle(this.page);
      if (phase === 'idle' || phase === 'ended') return phase;
      if (phase === 'line') {
        await this.release();
      } else if (phase === 'chooser' && verb === 'move' && !chosen) {
        chosen = true;
        await this.choose(argument);
      } else if (answer) {
        await answer(phase, this.page);
      } else {
        throw new Error(`"${command}": the game waits in ${phase}, which the driver cannot answer`);
      }
    }
  }

  async pressable(selector) {
    return this.page.$eval(selector, (b) => !b.hidden && !b.disabled);
  }

  // The reader goes on, by turns with a click on the line, Space and Enter.
  async release() {
    const way = this.lines % 3;
    this.lines += 1;
    if (way === 0) await this.page.click('#labmain');
    else await this.page.keyboard.press(way === 1 ? ' ' : 'Enter');
  }

  // The first place has the focus and takes Enter; the others are clicked; "close" is the
  // dialog's close box.
  async choose(argument) {
    if (argument === '0') {
      await this.page.keyboard.press('Enter');
      return;
    }
    const answer = argument === 'close' ? '-1' : argument;
    await this.page.click(`#chooser [data-answer="${answer}"]`);
  }

  trace() {
    return this.page.evaluate(() => window.hazama.trace);
  }

  screenDigest() {
    return this.page.evaluate(() => window.hazama.screenDigest());
  }

  async screen() {
    const base64 = await this.page.evaluate(() => window.hazama.screenPixels());
    return new Uint8Array(Buffer.from(base64, 'base64'));
  }
}
