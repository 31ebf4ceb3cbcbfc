// The queue of the player's actions. The page's event handlers only post here; the game, in
// its waits, sleeps on this queue and takes the actions itself once it is resumed, so nothing
// ever calls into the module while it waits.

export class ActionQueue {
  constructor() {
    this.items = [];
    this.closed = false;
    this.onPost = null;  // told of each action posted (the page marks the game busy)
    this.waking = null;  // ends the game's present sleep
    this.hops = [];
    this.sleeps = 0;  // how often the game has slept on the queue, for the tests
    this.yields = 0;  // of those, how often for no time at all
    // A message of the page's own is the browser's next turn: unlike a timer's callback it
    // adds no nesting, so the browser never stretches the next timeout.
    this.channel = new MessageChannel();
    this.channel.port1.onmessage = () => this.hops.shift()?.();
  }

  post(text) {
    if (this.closed) return;
    this.items.push(text);
    this.onPost?.(text);
    this.wake();
  }

  peek() { return this.items[0]; }
  take() { return this.items.shift(); }

  close() {
    this.closed = true;
    this.items.length = 0;
    this.wake();
  }

  wake() {
    const waking = this.waking;
    this.waking = null;
    waking?.();
  }

  // Resolves once `ms` have passed (0: at the browser's next turn; negative: no time limit),
  // an action is posted or the game closes.
  sleep(ms) {
    this.sleeps += 1;
    if (ms === 0) this.yields += 1;
    return new Promise((resolve) => {
      let timer = 0;
      const done = () => {
        clearTimeout(timer);
        if (this.waking === done) this.waking = null;
        resolve();
      };
      if (ms === 0 || this.items.length > 0 || this.closed) {
        this.hop(done);
        return;
      }
      this.waking = done;
      if (ms > 0) timer = setTimeout(() => this.hop(done), ms);
    });
  }

  hop(then) {
    this.hops.push(then);
    this.channel.port2.postMessage(0);
  }
}
