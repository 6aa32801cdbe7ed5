// The page under test, as a player has it: served by a plain static server of the tests' own
// (test_server.js) on localhost, in Debian's Chromium driven by Playwright with real key events, and
// heard from the page's own audio output: a recorder taps every connection to the audio graph's
// destination, so what is checked is what the page sent to the speakers.
'use strict';
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const { chromium } = require('playwright-core');
const { serve } = require('./test_server');
const { RecorderPath, Recorder, recordTheOutput, watchTheLiveRegion, heardInPage, outputInPage } = require('./in_page');

const page = process.env.TINTINEABLES_PAGE; // the built page's folder
const cuesForKeys = process.env.TINTINEABLES_CUES_FOR_KEYS; // the game's own sounds for keys


// The page on a free port of localhost, with the tests' recorder beside its files.
function servePage(folder = page) {
  return serve(folder, { extra: { [RecorderPath]: Recorder } });
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

// Runs in the page before its own scripts: the page's thread is held up for `before` ms before
// and `after` ms after every sound it starts, as a busy machine holds it up anywhere, while the
// audio thread goes on.
function holdAroundEachStart([before, after]) {
  const start = AudioBufferSourceNode.prototype.start;
  const hold = (milliseconds) => {
    const until = performance.now() + milliseconds;
    while (performance.now() < until);
  };
  AudioBufferSourceNode.prototype.start = function (...args) {
    hold(before);
    start.apply(this, args);
    hold(after);
  };
}


// A fresh profile's tab at the page, ready for its first key. `locale` is the browser's language;
// `everyRecording`: also wait until every recording is decoded, the long ones too, so that no
// key waits for one; `busy`: the long ones are held back until tintineablesLetDecode(), and the
// page's thread is slow after every sound it starts; `lateStarts`: the page's thread is held up
// 20 ms just before every sound it starts; `refuseOpus`: the page's trial of Opus fails, as in a
// browser whose Web Audio does not decode it.
async function openPage(browser, url, { locale = 'es-ES', everyRecording = false, busy = false, lateStarts = false,
                                        refuseOpus = false, ...options } = {}) {
  const context = await browser.newContext({ locale, ...options });
  if (refuseOpus) {
    await context.route('**/sounds/trial.opus', (route) => route.fulfill({ status: 200, body: 'no Opus here' }));
  }
  await context.addInitScript(recordTheOutput, RecorderPath);
  await context.addInitScript(watchTheLiveRegion);
  if (busy) {
    await context.addInitScript(holdLongDecodes);
    await context.addInitScript(holdAroundEachStart, [0, 60]);
  } else if (lateStarts) {
    await context.addInitScript(holdAroundEachStart, [20, 0]);
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
// gone out for a while: the recorder has heard `pause` milliseconds (at least 128) of the page's
// output past the moment the key had been handled, by the audio graph's own clock, so that a
// machine whose audio runs behind the wall clock (a browser starting its stream, a busy
// machine) does not cut a cue before its first 50 ms are out. (Counting the recorder's blocks
// as they arrive is not enough: on a busy machine many arrive late, together, all from before
// the key.)
async function press(tab, keys, pause = 110) {
  for (const key of keys) {
    await tab.keyboard.press(key);
    await heardOnFromNow(tab, pause);
  }
}

// Waits until the recorder has heard `pause` milliseconds (at least 128) of the page's output
// past this moment, by the audio graph's clock, and `pause` milliseconds by the wall's.
async function heardOnFromNow(tab, pause = 0) {
  const { now, rate } = await tab.evaluate(() => {
    const context = window.tintineablesContext;
    return context ? { now: Math.round(context.currentTime * context.sampleRate), rate: context.sampleRate }
      : { now: 0, rate: 48000 };
  });
  const until = now + Math.max(6144, Math.round((pause / 1000) * rate));
  await tab.waitForTimeout(pause);
  await tab.waitForFunction((frame) => (window.tintineablesHeardUpTo ?? -1) >= frame, until,
                            { polling: 10, timeout: 10000 });
}

// The virtual-key code of a Playwright key, as the game takes it ("9s": Shift+Tab).
const VirtualKeys = {
  ArrowLeft: '37', ArrowUp: '38', ArrowRight: '39', ArrowDown: '40', Space: '32', Control: '17',
  Tab: '9', 'Shift+Tab': '9s', Escape: '27', Backspace: '8', Enter: '13', F1: '112', F2: '113',
  F3: '114', F4: '115', PageUp: '33', PageDown: '34', KeyA: '65', KeyB: '66', KeyG: '71', KeyP: '80', KeyX: '88', Home: '36',
  F8: '119', Digit7: '55', Digit8: '56', Digit9: '57', Digit0: '48', Minus: '189', Equal: '187',
};

// What the game itself gives from its start and for these keys after it: a list, one entry for
// the start and then one per key, of the recordings it plays, in order (a spoken answer's words
// each on their own). `touch`: the game started by a touch, as a phone starts it.
function gameSounds(keys, { touch = false } = {}) {
  const codes = keys.map((key) => {
    if (!(key in VirtualKeys)) throw new Error(`no virtual key for ${key}`);
    return VirtualKeys[key];
  });
  const lines = execFileSync(cuesForKeys, touch ? ['--touch', ...codes] : codes, { encoding: 'utf8' }).split('\n');
  return lines.slice(0, keys.length + 1).map((line) => line.split(/[ +]/).filter(Boolean));
}

// Whether the page's output holds these recordings, in this order, each at least its first 50 ms
// (each heard only after the one before it): the frame where each starts, or -1 from the first
// missing, and the length of each in frames. `folder`: the language's folder of spoken recordings
// ("" for Spanish).
async function heardInOrder(tab, names, folder = '') {
  return tab.evaluate(heardInPage, { names, folder });
}

// Keeps what the page sent to its speakers, as a wave file at the page's rate, for a failure to
// be listened to and decoded again: in TINTINEABLES_PAGE_EVIDENCE, or the system's temporary
// folder. Returns the file's path.
async function keepOutput(tab, label) {
  const { rate, base64 } = await tab.evaluate(outputInPage);
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

// Starts the game from the page's first element (Enter), plays keys, each given time to sound,
// and checks that the page was heard playing, in order, every recording the game plays from its
// start for those keys.
async function playAndHear(tab, keys, pauses = {}) {
  const expected = gameSounds(keys);
  await press(tab, ['Enter'], 400);
  for (const key of keys) {
    await press(tab, [key], pauses[key] ?? 110);
  }
  await tab.waitForTimeout(200);
  const names = expected.flat();
  const heard = await heardInOrder(tab, names);
  const missing = names.findIndex((name, i) => heard.frames[i] < 0);
  if (missing >= 0) {
    const kept = await keepOutput(tab, 'game');
    throw new Error(`not heard: ${names[missing]}, the ${missing + 1}th of ${names.length} sounds; ${heard.diagnosis} (the page's output: ${kept})`);
  }
  return { names, ...heard };
}

const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

async function violations(tab) {
  await tab.evaluate(axeSource);
  return tab.evaluate(async () => {
    const results = await axe.run(document);
    return results.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  });
}

// What a screen reader is given of the page: the last title the live region spoke (it holds each
// for a moment only, which on a busy machine may be over before the test looks), the role of
// what holds the browser's focus, and its name, if it has one.
function presented(tab) {
  return tab.evaluate(() => {
    const focused = document.activeElement;
    return {
      title: window.tintineablesAnnounced.at(-1) ?? '',
      role: focused.getAttribute('role') ?? focused.tagName.toLowerCase(),
      named: focused.getAttribute('aria-label'),
      documentTitle: document.title,
    };
  });
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

module.exports = { withPageServed, openPage, press, heardOnFromNow, gameSounds, playAndHear, heardInOrder, keepOutput, violations,
                   presented };
