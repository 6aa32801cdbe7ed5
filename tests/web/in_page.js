// What the page's tests run inside the page, in every engine: the tap that hears the page's audio
// output, the watch on its live region, and the reading of what was heard. Each is a plain
// function, handed to a browser as its source.
'use strict';

// The recorder, an audio worklet: it runs on the audio thread with the graph, and keeps every
// block the graph sends to the destination, however busy the page's own thread is, with the
// frame of the graph's clock it starts at.
// Served under sounds/, where the page's service worker keeps every file it is given: a reload
// with the network gone still has it, in every engine.
const RecorderPath = '/sounds/__tintineables_recorder.js';
const Recorder = `
class Recorder extends AudioWorkletProcessor {
  process(inputs) {
    const input = inputs[0];
    // The left channel (a mono sound's only one), and the right apart, for a sound placed.
    const left = input.length ? input[0].slice() : new Float32Array(128);
    this.port.postMessage({ frame: currentFrame, samples: left, right: input.length > 1 ? input[1].slice() : left });
    return true;
  }
}
registerProcessor('tintineables-recorder', Recorder);`;

// Runs in the page before its own scripts: in each audio context, whatever the page connects to
// the destination goes through one tap instead, and the tap feeds both the destination and the
// recorder, so the recorder hears exactly what the speakers get. (Connecting each source to the
// recorder as well as to the destination is not the same: on a busy machine Chromium may take
// the two connections in different blocks of the graph, and the recorder then misses the first
// 128 frames of a cue that the speakers played whole.)
function recordTheOutput(recorderPath) {
  const blocks = [];
  const rightBlocks = [];
  window.tintineablesHeard = blocks;
  window.tintineablesHeardRight = rightBlocks;
  const Context = window.AudioContext;
  const connect = AudioNode.prototype.connect;
  const taps = new WeakMap(); // context -> the node in front of its destination
  window.AudioContext = class extends Context {
    constructor(...args) {
      super(...args);
      window.tintineablesRate = this.sampleRate;
      window.tintineablesContext = this;
      const tap = new GainNode(this); // a gain of 1: every sample passes as it is
      connect.call(tap, this.destination);
      taps.set(this, tap);
      let heard;
      waiting.set(this, new Promise((resolve) => { heard = resolve; }));
      this.audioWorklet.addModule(recorderPath).then(() => {
        const recorder = new AudioWorkletNode(this, 'tintineables-recorder', { outputChannelCount: [1] });
        recorder.port.onmessage = (event) => {
          blocks.push(event.data.samples);
          rightBlocks.push(event.data.right);
          window.tintineablesHeardUpTo = event.data.frame + event.data.samples.length;
          if (!recording.has(this)) {
            recording.add(this);
            heard();
          }
        };
        connect.call(tap, recorder);
        connect.call(recorder, this.destination); // silent; keeps the recorder pulled
      }, (error) => { window.tintineablesRecorderProblem = String(error); });
    }
  };
  // The page's first sound starts as its context starts running, before the recorder hears
  // anything (in Firefox, whose worklet processor is made only once the context runs, some 20 ms
  // later): a sound started before the recorder's first block is held until then, so that it is
  // heard from its first frame. A sound stopped while held never starts.
  const recording = new WeakSet();
  const waiting = new WeakMap();
  const start = AudioBufferSourceNode.prototype.start; // its own, not its parent's
  const stop = AudioScheduledSourceNode.prototype.stop;
  const held = new WeakSet();
  AudioBufferSourceNode.prototype.start = function (...args) {
    if (!waiting.has(this.context) || recording.has(this.context)) return start.apply(this, args);
    held.add(this);
    waiting.get(this.context).then(() => {
      if (held.delete(this)) start.apply(this, args);
    });
  };
  AudioScheduledSourceNode.prototype.stop = function (...args) {
    if (held.delete(this)) return;
    return stop.apply(this, args);
  };
  AudioNode.prototype.connect = function (destination, ...rest) {
    if (destination instanceof AudioDestinationNode && taps.has(destination.context)) {
      return connect.call(this, taps.get(destination.context), ...rest);
    }
    return connect.call(this, destination, ...rest);
  };
  // What the page asks the browser to say aloud.
  window.tintineablesSpoken = [];
  if ('speechSynthesis' in window) {
    const speak = speechSynthesis.speak.bind(speechSynthesis);
    speechSynthesis.speak = (utterance) => { window.tintineablesSpoken.push(utterance.text); speak(utterance); };
  }
}

// Runs in the page before its own scripts: every title the page gives its live region to speak
// is kept in window.tintineablesAnnounced, however soon the page clears the region again.
function watchTheLiveRegion() {
  window.tintineablesAnnounced = [];
  document.addEventListener('DOMContentLoaded', () => {
    const region = document.getElementById('title');
    new MutationObserver(() => {
      if (region.textContent) window.tintineablesAnnounced.push(region.textContent);
    }).observe(region, { childList: true, characterData: true, subtree: true });
  });
}

// Whether the page's output holds these recordings, in this order: see heardInOrder.
async function heardInPage({ names, folder }) {
  // Decoded as the page decodes them: at the rate its context plays at.
  const context = new OfflineAudioContext(1, 1, window.tintineablesRate);
  const signatures = new Map();
  const Compared = Math.round(window.tintineablesRate * 0.050);
  const Earcons = ['bola', 'vacio', 'poner1', 'aplauso', 'borde', 'central', 'seleccion', 'error', 'bolacentral']
    .map((earcon) => `${earcon}.wav`);
  const LongSpoken = ['presentacion.wav', 'tutorial.wav', 'creditos.wav', 'reiniciar.wav'];
  // The spoken ones in the encoding the page chose (Opus, or AAC where the browser refused it).
  const speech = document.body.dataset.speech === 'm4a' ? '.m4a' : '.opus';
  const urlOf = (name) => (Earcons.includes(name) ? `sounds/${name}`
    : `sounds/${folder ? `${folder}/` : ''}${name.replace(/\.wav$/, speech)}`);
  for (const name of new Set(names)) {
    const samples = (await context.decodeAudioData(await (await fetch(urlOf(name))).arrayBuffer())).getChannelData(0);
    let salient = 0;
    while (salient < samples.length && Math.abs(samples[salient]) < 2000 / 32768) salient++;
    signatures.set(name, { salient, length: samples.length, samples: samples.slice(salient, salient + Compared) });
  }
  // A recording's samples as the page plays them, decoded here once.
  const decoded = new Map();
  const samplesOf = async (name) => {
    if (!decoded.has(name)) {
      decoded.set(name, (await context.decodeAudioData(await (await fetch(urlOf(name))).arrayBuffer())).getChannelData(0));
    }
    return decoded.get(name);
  };
  // Where in `recording` the stretch `heard` is found, sample for sample (silence before and
  // after it), or null.
  const findIn = (recording, heard) => {
    for (let k = -heard.length + 256; k < recording.length - 256; k++) {
      let j = 0;
      while (j < heard.length && Math.abs(heard[j] - (recording[k + j] ?? 0)) <= 4 / 32768) j++;
      if (j === heard.length) return k;
    }
    return null;
  };
  // When a sound is missed, what the output held where it came closest: another recording
  // instead of it, or over it (what is left once it is taken away).
  const whatSounded = async (at, name) => {
    const { samples } = signatures.get(name);
    const heard = output.slice(at, at + samples.length);
    const left = heard.map((sample, j) => sample - samples[j]);
    const audible = (stretch) => stretch.some((sample) => Math.abs(sample) > 64 / 32768);
    if (!audible(heard)) return '; the output there: silence';
    const found = [];
    for (const other of new Set([...Earcons, ...LongSpoken, ...names])) {
      const recording = await samplesOf(other);
      const alone = findIn(recording, heard);
      if (alone !== null) found.push(`${other} instead, from its frame ${alone}`);
      const under = audible(left) ? findIn(recording, left) : null;
      if (under !== null) found.push(`${other} over it, from its frame ${under}`);
    }
    return `; the output there: ${found.length ? found.join(', ') : 'no recording of the page, alone or over it'}`;
  };
  const chunks = window.tintineablesHeard;
  const output = new Float32Array(chunks.reduce((total, chunk) => total + chunk.length, 0));
  chunks.reduce((at, chunk) => { output.set(chunk, at); return at + chunk.length; }, 0);
  const found = [];
  let diagnosis = '';
  let from = 0;
  for (const name of names) {
    const { salient, samples } = signatures.get(name);
    let at = -1;
    for (let i = from + salient; i + samples.length <= output.length && at < 0; i++) {
      let j = 0;
      while (j < samples.length && Math.abs(output[i + j] - samples[j]) <= 2 / 32768) j++;
      if (j === samples.length) at = i - salient;
    }
    if (at < 0 && diagnosis === '') {
      // The closest the output comes to it within a second: how far off, where, and how much.
      let closest = Infinity;
      let closestAt = -1;
      for (let i = from; i + samples.length <= Math.min(output.length, from + window.tintineablesRate); i++) {
        let worst = 0;
        for (let j = 0; j < samples.length && worst < closest; j++) worst = Math.max(worst, Math.abs(output[i + j] - samples[j]));
        if (worst < closest) { closest = worst; closestAt = i; }
      }
      const off = [];
      for (let j = 0; closestAt >= 0 && j < samples.length; j++) {
        if (Math.abs(output[closestAt + j] - samples[j]) > 2 / 32768) off.push(j);
      }
      diagnosis = `${name}: at best ${Math.round(closest * 32768)} steps off, ${closestAt - from} frames after the ` +
                  `sound before it, in ${off.length} of ${samples.length} frames (from frame ${off[0]} to ${off.at(-1)})`;
      if (closestAt >= 0) {
        diagnosis += await whatSounded(closestAt, name);
      }
    }
    found.push(at);
    if (at < 0) {
      from = output.length;
    } else {
      from = at + 1;
    }
  }
  return { frames: found, lengths: names.map((name) => signatures.get(name).length), rate: window.tintineablesRate, diagnosis };
}

// Whether the page has kept what it needs to play with no network: its service worker active,
// and in its one cache the shell, the game, the table and the recordings.
async function keptForOffline() {
  const registration = await navigator.serviceWorker.getRegistration();
  const names = await caches.keys();
  if (!registration?.active || names.length !== 1) return false;
  const kept = (await (await caches.open(names[0])).keys()).map((request) => new URL(request.url).pathname);
  return ['/', '/tintineables.wasm', '/winnable.table', '/sounds/tutorial.opus', '/sounds/bola.wav']
    .every((file) => kept.includes(file));
}

// The page's output as 16-bit samples, base64, with its rate: see keepOutput.
function outputInPage() {
  const chunks = window.tintineablesHeard;
  const pcm = new Int16Array(chunks.reduce((total, chunk) => total + chunk.length, 0));
  let at = 0;
  for (const chunk of chunks) {
    for (const sample of chunk) pcm[at++] = Math.max(-32768, Math.min(32767, Math.round(sample * 32768)));
  }
  let binary = '';
  const bytes = new Uint8Array(pcm.buffer);
  for (let i = 0; i < bytes.length; i += 0x8000) binary += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return { rate: window.tintineablesRate, base64: btoa(binary) };
}

// The tests' script as a page's first script, for a browser that has no other way to run one
// before the page's own (see test_server.js).
const InjectedPath = '/sounds/__tintineables_test_page.js';
const Injected = `(${recordTheOutput})(${JSON.stringify(RecorderPath)});\n(${watchTheLiveRegion})();\n`;

module.exports = { RecorderPath, Recorder, InjectedPath, Injected, recordTheOutput, watchTheLiveRegion, heardInPage,
                   outputInPage, keptForOffline };
