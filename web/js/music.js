// The game's music in the page: FluidSynth compiled to WebAssembly (js-synthesizer) in an
// AudioWorklet, with the General MIDI SoundFont TimGM6mb, playing what the module's media
// device (src/web/web_media_device.cpp) hands it. The device tells a piece's end by its
// length against playedMs(), so the clock here is the sound's own: it stands still until
// the browser lets sound start, which it does after the player's first click or key.

const SYNTH = 'synth/';
const SOUNDFONT = `${SYNTH}TimGM6mb.sf2`;
// The desktop's synthesizer (src/audio/fluid_setup.cpp): its gain at full volume, its
// sample rate and voices, and FluidSynth's own reverb and chorus, which it keeps.
const FULL_GAIN = 0.2;
const SAMPLE_RATE = 44100;
const SETTINGS = {
  polyphony: 64,
  reverbActive: true, reverbRoomSize: 0.2, reverbDamp: 0, reverbWidth: 0.5, reverbLevel: 0.9,
  chorusActive: true, chorusNr: 3, chorusLevel: 2, chorusSpeed: 0.3, chorusDepth: 8,
};
// General MIDI's percussion: channel 10 plays the SoundFont's bank 128, as on the desktop.
const PERCUSSION_CHANNEL = 9;
const PERCUSSION_BANK = 128;

function loadScript(document, src) {
  return new Promise((resolve, reject) => {
    const script = document.createElement('script');
    script.src = src;
    script.onload = resolve;
    script.onerror = () => reject(new Error(`${src} could not be loaded`));
    document.head.appendChild(script);
  });
}

export class Music {
  // `still`: the tests' virtual clock, on which no piece ever ends (as on the story runner)
  // and nothing sounds. `tap`: the tests listen to what is played (web/js/music-tap.js).
  constructor(document, { still = false, tap = false } = {}) {
    this.document = document;
    this.still = still;
    this.tapped = tap;
    this.canSound = !still && typeof AudioWorkletNode === 'function';
    this.context = null;
    this.synth = null;      // once the SoundFont is in
    this.sounding = null;   // the start of the synthesizer: resolves true, or false without it
    this.work = Promise.resolve();  // the synthesizer's calls, in the order they were made
    this.fetched = null;
    this.piece = null;
    this.startedAt = null;  // when the piece began, in seconds of clock()
    this.volume = 100;
    this.failure = null;
  }

  // Sound may start with the first click or key: the title's buttons are the first a player
  // presses.
  listen(document) {
    const unlock = () => {
      document.removeEventListener('pointerdown', unlock, true);
      document.removeEventListener('keydown', unlock, true);
      this.start();
      this.context?.resume().catch(() => {});
    };
    document.addEventListener('pointerdown', unlock, true);
    document.addEventListener('keydown', unlock, true);
  }

  // ---- the module's calls (src/web/page_music.cpp) ----
  async fetch(url) {
    try {
      const response = await fetch(url);
      if (!response.ok) return -1;
      this.fetched = new Uint8Array(await response.arrayBuffer());
      return this.fetched.length;
    } catch {
      return -1;
    }
  }

  take(heap, at) {
    heap.set(this.fetched, at);
    this.fetched = null;
  }

  load(bytes) {
    this.piece = bytes;
    this.startedAt = null;
    this.start();
    this.then((synth) => {
      this.startedAt = null;
      if (!synth) return undefined;
      synth.midiAllNotesOff();
      return synth.resetPlayer().then(() => synth.addSMFDataToPlayer(bytes.slice().buffer));
    });
  }

  play() {
    this.then((synth) => {
      if (!synth) {
        this.startedAt = this.clock();
        return undefined;
      }
      return synth.playPlayer().then(() => { this.startedAt = this.clock(); });
    });
  }

  stop() {
    this.piece = null;
    this.startedAt = null;
    this.then((synth) => {
      this.startedAt = null;
      if (!synth) return undefined;
      synth.midiAllNotesOff();
      return synth.resetPlayer();
    });
  }

  playedMs() {
    if (this.still || this.startedAt === null) return 0;
    return (this.clock() - this.startedAt) * 1000;
  }

  setVolume(percent) {
    this.volume = percent;
    this.synth?.setGain(FULL_GAIN * percent / 100);
  }

  // ---- the synthesizer ----
  // The sound's clock where there is sound; the page's own where there is none.
  clock() {
    return this.synth ? this.context.currentTime : performance.now() / 1000;
  }

  // Runs `call` with the synthesizer (null without one) after every call before it.
  then(call) {
    this.work = this.work.then(() => this.sounding).then((ok) => call(ok ? this.synth : null))
      .catch((error) => { this.failure = error; });
  }

  // Starts the synthesizer once; the first piece waits for it.
  start() {
    if (this.sounding) return;
    if (this.still) {
      this.sounding = Promise.resolve(false);
      return;
    }
    this.sounding = this.startSynth().then(() => true, (error) => {
      this.failure = error;
      console.warn(`ハザマ: no music: ${error?.message ?? error}`);
      return false;
    });
  }

  async startSynth() {
    if (!this.canSound) throw new Error('this browser has no AudioWorklet');
    const context = new AudioContext({ sampleRate: SAMPLE_RATE, latencyHint: 'playback' });
    this.context = context;
    const font = fetch(SOUNDFONT).then((response) => {
      if (!response.ok) throw new Error(`${SOUNDFONT}: ${response.status}`);
      return response.arrayBuffer();
    });
    await loadScript(this.document, `${SYNTH}js-synthesizer.min.js`);
    await context.audioWorklet.addModule(`${SYNTH}libfluidsynth-2.3.0.js`);
    await context.audioWorklet.addModule(`${SYNTH}js-synthesizer.worklet.min.js`);
    const synth = new globalThis.JSSynth.AudioWorkletNodeSynthesizer();
    const node = synth.createAudioNode(context,
      { ...SETTINGS, initialGain: FULL_GAIN * this.volume / 100 });
    if (this.tapped) {
      await context.audioWorklet.addModule('js/music-tap.js');
      this.tap = new AudioWorkletNode(context, 'hazama-tap', { outputChannelCount: [2] });
      node.connect(this.tap).connect(context.destination);
    } else {
      node.connect(context.destination);
    }
    const id = await synth.loadSFont(await font);
    synth.midiProgramSelect(PERCUSSION_CHANNEL, id, PERCUSSION_BANK, 0);
    synth.setGain(FULL_GAIN * this.volume / 100);
    this.synth = synth;
  }

  // For the tests: what the tap has heard so far (see web/js/music-tap.js).
  heard() {
    if (!this.tap) return Promise.resolve(null);
    return new Promise((resolve) => {
      this.tap.port.onmessage = (event) => resolve(event.data);
      this.tap.port.postMessage('read');
    });
  }
}
