// The page under test, as a player has it: served by a plain static server (Python's, as Debian
// ships it) on localhost, in Debian's Chromium driven by Playwright with real key events, and
// heard from the page's own audio output: a recorder taps every connection to the audio graph's
// destination, so what is checked is what the page sent to the speakers.
'use strict';
const { spawn, execFileSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const { chromium } = require('playwright-core');

const page = process.env.TINTINEABLES_PAGE; // the built page's folder
const cuesForKeys = process.env.TINTINEABLES_CUES_FOR_KEYS; // the game's own sounds for keys

// The recorder, an audio worklet: it runs on the audio thread with the graph, and keeps every
// block the graph sends to the destination, however busy the page's own thread is, with the
// frame of the graph's clock it starts at.
const RecorderPath = '/__tintineables_recorder.js';
const Recorder = `
class Recorder extends AudioWorkletProcessor {
  process(inputs) {
    const input = inputs[0];
    this.port.postMessage({ frame: currentFrame, samples: input.length ? input[0].slice() : new Float32Array(128) });
    return true;
  }
}
registerProcessor('tintineables-recorder', Recorder);`;

// A static server of the page's folder on a free port of localhost, with the tests' recorder
// beside the page's files, as a file of the page's own origin; close() ends it.
async function servePage(folder = page) {
  const served = fs.mkdtempSync(path.join(require('node:os').tmpdir(), 'tintineables-page-'));
  for (const entry of fs.readdirSync(folder)) {
    fs.symlinkSync(path.join(path.resolve(folder), entry), path.join(served, entry));
  }
  // Written long ago, as far as the browser's cache can tell: a reload with the network off still
  // has it.
  const recorder = path.join(served, RecorderPath.slice(1));
  fs.writeFileSync(recorder, Recorder);
  const longAgo = new Date(Date.now() - 30 * 24 * 3600 * 1000);
  fs.utimesSync(recorder, longAgo, longAgo);
  const server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', served],
                       { stdio: ['ignore', 'pipe', 'ignore'] });
  const port = await new Promise((resolve, reject) => {
    let said = '';
    server.stdout.on('data', (data) => {
      said += data;
      const match = said.match(/port (\d+)/);
      if (match) resolve(Number(match[1]));
    });
    server.on('exit', () => reject(new Error(`the static server ended: ${said}`)));
  });
  return {
    url: `http://127.0.0.1:${port}/`,
    close: () => { server.kill(); fs.rmSync(served, { recursive: true, force: true }); },
  };
}

// Debian's Chromium, with nothing of its own reaching for the network.
function launchBrowser(options = {}) {
  return chromium.launch({
    executablePath: process.env.TINTINEABLES_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--disable-features=Translate'],
    ...options,
  });
}

// Runs in the page before its own scripts: in each audio context, whatever the page connects to
// the destination goes through one tap instead, and the tap feeds both the destination and the
// recorder, so the recorder hears exactly what the speakers get. (Connecting each source to the
// recorder as well as to the destination is not the same: on a busy machine Chromium may take
// the two connections in different blocks of the graph, and the recorder then misses the first
// 128 frames of a cue that the speakers played whole.)
function recordTheOutput(recorderPath) {
  const blocks = [];
  window.tintineablesHeard = blocks;
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
      this.audioWorklet.addModule(recorderPath).then(() => {
        const recorder = new AudioWorkletNode(this, 'tintineables-recorder', { outputChannelCount: [1] });
        recorder.port.onmessage = (event) => {
          blocks.push(event.data.samples);
          window.tintineablesHeardUpTo = event.data.frame + event.data.samples.length;
        };
        connect.call(tap, recorder);
        connect.call(recorder, this.destination); // silent; keeps the recorder pulled
      });
    }
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

// Runs in the page before its own scripts: the page's long recordings (the tutorial, the
// applause) are not decoded until the test calls tintineablesLetDecode(), as on a machine too busy
// to decode them before the player's first keys.
function holdLongDecodes() {
  const decode = BaseAudioContext.prototype.decodeAudioData;
  const letGo = new Promise((resolve) => { window.tintineablesLetDecode = resolve; });
  BaseAudioContext.prototype.decodeAudioData = function (data, ...rest) {
    if (this instanceof AudioContext && data.byteLength > 200 * 1024) {
      return letGo.then(() => decode.call(this, data, ...rest));
    }
    return decode.call(this, data, ...rest);
  };
}

// Runs in the page before its own scripts: the page's thread is held up for 60 ms after every
// sound it starts, as a busy machine holds it up anywhere, while the audio thread goes on.
function slowAfterEachStart() {
  const start = AudioBufferSourceNode.prototype.start;
  AudioBufferSourceNode.prototype.start = function (...args) {
    start.apply(this, args);
    const until = performance.now() + 60;
    while (performance.now() < until);
  };
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

// A fresh profile's tab at the page, ready for its first key. `locale` is the browser's language;
// `everyRecording`: also wait until every recording is decoded, the long ones too, so that no
// key waits for one; `busy`: the long ones are held back until tintineablesLetDecode(), and the
// page's thread is slow after every sound it starts; `refuseOpus`: the page's trial of Opus
// fails, as in a browser whose Web Audio does not decode it.
async function openPage(browser, url, { locale = 'es-ES', everyRecording = false, busy = false, refuseOpus = false,
                                        ...options } = {}) {
  const context = await browser.newContext({ locale, ...options });
  if (refuseOpus) {
    await context.route('**/sounds/trial.opus', (route) => route.fulfill({ status: 200, body: 'no Opus here' }));
  }
  await context.addInitScript(recordTheOutput, RecorderPath);
  await context.addInitScript(watchTheLiveRegion);
  if (busy) {
    await context.addInitScript(holdLongDecodes);
    await context.addInitScript(slowAfterEachStart);
  }
  const tab = await context.newPage();
  const problems = [];
  tab.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  tab.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console: ${message.text()}`);
  });
  await tab.goto(url);
  await tab.waitForSelector(everyRecording ? 'body[data-decoded="true"]' : 'body[data-ready="true"]', { timeout: 20000 });
  return { context, tab, problems };
}

// Keys as Playwright names them, each once the one before has been handled and its sound has
// gone out for a while: `pause` milliseconds, and the recorder has heard at least 6144 frames
// (128 ms) of the page's output past the moment the key had been handled, by the audio graph's
// own clock, so that a machine too busy to keep the keys apart does not cut a cue before its
// first 50 ms are out. (Counting the recorder's blocks as they arrive is not enough: on a busy
// machine many arrive late, together, all from before the key.)
async function press(tab, keys, pause = 110) {
  for (const key of keys) {
    await tab.keyboard.press(key);
    const handledAt = await tab.evaluate(() => {
      const context = window.tintineablesContext;
      return context ? Math.round(context.currentTime * context.sampleRate) : 0;
    });
    await tab.waitForTimeout(pause);
    await tab.waitForFunction((frame) => (window.tintineablesHeardUpTo ?? -1) >= frame + 6144, handledAt,
                              { polling: 10, timeout: 10000 });
  }
}

// The virtual-key code of a Playwright key, as the game takes it ("9s": Shift+Tab).
const VirtualKeys = {
  ArrowLeft: '37', ArrowUp: '38', ArrowRight: '39', ArrowDown: '40', Space: '32', Control: '17',
  Tab: '9', 'Shift+Tab': '9s', Escape: '27', Backspace: '8', Enter: '13', F1: '112', F2: '113',
  F3: '114', KeyA: '65', KeyB: '66', KeyG: '71', KeyP: '80', KeyX: '88', Home: '36',
};

// What the game itself gives from its start and for these keys after it: a list, one entry for
// the start and then one per key, of the recordings it plays, in order (a spoken answer's words
// each on their own).
function gameSounds(keys) {
  const codes = keys.map((key) => {
    if (!(key in VirtualKeys)) throw new Error(`no virtual key for ${key}`);
    return VirtualKeys[key];
  });
  const lines = execFileSync(cuesForKeys, codes, { encoding: 'utf8' }).split('\n');
  return lines.slice(0, keys.length + 1).map((line) => line.split(/[ +]/).filter(Boolean));
}

// Whether the page's output holds these recordings, in this order, each at least its first 50 ms
// (each heard only after the one before it): the frame where each starts, or -1 from the first
// missing, and the length of each in frames. `folder`: the language's folder of spoken recordings
// ("" for Spanish).
async function heardInOrder(tab, names, folder = '') {
  return tab.evaluate(async ({ names, folder }) => {
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
  }, { names, folder });
}

// Keeps what the page sent to its speakers, as a wave file at the page's rate, for a failure to
// be listened to and decoded again: in TINTINEABLES_PAGE_EVIDENCE, or the system's temporary
// folder. Returns the file's path.
async function keepOutput(tab, label) {
  const { rate, base64 } = await tab.evaluate(() => {
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
  });
  const data = Buffer.from(base64, 'base64');
  const header = Buffer.alloc(44);
  header.write('RIFF', 0); header.writeUInt32LE(36 + data.length, 4); header.write('WAVEfmt ', 8);
  header.writeUInt32LE(16, 16); header.writeUInt16LE(1, 20); header.writeUInt16LE(1, 22);
  header.writeUInt32LE(rate, 24); header.writeUInt32LE(rate * 2, 28); header.writeUInt16LE(2, 32);
  header.writeUInt16LE(16, 34); header.write('data', 36); header.writeUInt32LE(data.length, 40);
  const folder = process.env.TINTINEABLES_PAGE_EVIDENCE || require('node:os').tmpdir();
  fs.mkdirSync(folder, { recursive: true });
  const file = path.join(folder, `tintineables-page-${label}-${process.pid}.wav`);
  fs.writeFileSync(file, Buffer.concat([header, data]));
  return file;
}

// Runs `use({ url, browser })` with the page served and a browser running, and ends both after.
async function withPageServed(use) {
  const server = await servePage();
  const browser = await launchBrowser();
  try {
    return await use({ url: server.url, browser });
  } finally {
    await browser.close();
    server.close();
  }
}

module.exports = { withPageServed, openPage, press, gameSounds, heardInOrder, keepOutput };
