// For the tests: an AudioWorklet node between the synthesizer and the speakers that passes
// the sound on and keeps its level: the sum of squares of all it heard, and each second's
// (the first from `first` on the audio clock).
class Tap extends AudioWorkletProcessor {
  constructor() {
    super();
    this.first = null;  // the audio clock when it first heard anything, in seconds
    this.frames = 0;
    this.squares = 0;
    this.second = { frames: 0, squares: 0 };
    this.seconds = [];  // each whole second's sum of squares over both sides
    this.port.onmessage = () => this.port.postMessage({
      rate: sampleRate, first: this.first, frames: this.frames, squares: this.squares, seconds: this.seconds,
      // The synthesizer's WebAssembly memory: libfluidsynth shares this worklet's scope.
      synthMemory: AudioWorkletGlobalScope.wasmModule?.HEAPU8?.length ?? 0,
    });
  }

  process(inputs, outputs) {
    const input = inputs[0];
    const output = outputs[0];
    const length = output[0].length;
    if (this.first === null) this.first = currentTime;
    for (let side = 0; side < output.length; ++side) {
      const from = input[side] ?? input[0];
      if (from) output[side].set(from);
      else output[side].fill(0);
    }
    let squares = 0;
    for (let side = 0; side < 2; ++side) {
      const samples = output[side] ?? output[0];
      for (let i = 0; i < length; ++i) squares += samples[i] * samples[i];
    }
    this.frames += length;
    this.squares += squares;
    this.second.frames += length;
    this.second.squares += squares;
    if (this.second.frames >= sampleRate) {
      this.seconds.push(this.second.squares / (2 * this.second.frames));
      this.second = { frames: 0, squares: 0 };
    }
    return true;
  }
}

registerProcessor('hazama-tap', Tap);
