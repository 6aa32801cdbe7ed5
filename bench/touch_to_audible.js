// Touch end to audible, in Debian's Chromium with a phone's screen and touch events through the
// DevTools protocol: the game's page (a one-finger swipe on the board, an arrow) beside the barest
// page that plays bola.wav as a finger lifts (bench/bare_page/touch.html), in one browser, in
// turn. Each touch's time is its touchend event's; its sound is audible when the first sample of
// the cue reaches the output device, as the audio graph's own clock and the browser's output
// timestamp place it. Whatever the browser's output adds past the graph is the same for both:
// the difference is what the page adds.
//   NODE_PATH=build-web/node/node_modules node bench/touch_to_audible.js build-web/page [touches a round]
'use strict';
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const { chromium } = require('playwright-core');

const page = path.resolve(process.argv[2] ?? 'build-web/page');
const touches = Number(process.argv[3] ?? 100); // each round, each page
const Quiet = 1e-3; // below this a block is silence
const Types = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm', '.wav': 'audio/wav',
                '.opus': 'audio/ogg', '.css': 'text/css', '.json': 'application/json', '.table': 'application/octet-stream' };

// Hears every block the page sends to its speakers: the graph's frame of its first loud sample.
const Probe = `
class Probe extends AudioWorkletProcessor {
  constructor() { super(); this.quiet = true; }
  process(inputs) {
    const samples = inputs[0][0] ?? new Float32Array(128);
    const loud = samples.findIndex((s) => Math.abs(s) > ${Quiet});
    if (loud >= 0 && this.quiet) this.port.postMessage(currentFrame + loud);
    this.quiet = loud < 0;
    return true;
  }
}
registerProcessor('tintineables-probe', Probe);`;

function serve() {
  const files = { '/__probe.js': [Probe, '.js'], '/bare/': [fs.readFileSync(path.join(__dirname, 'bare_page/touch.html')), '.html'],
                  '/bare/bola.wav': [fs.readFileSync(path.join(page, 'sounds/bola.wav')), '.wav'] };
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    let [body, type] = files[name] ?? [];
    if (!body) {
      const file = path.join(page, path.normalize(name.endsWith('/') ? `${name}index.html` : name));
      if (!file.startsWith(page) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
        response.writeHead(404);
        response.end();
        return;
      }
      [body, type] = [fs.readFileSync(file), path.extname(file)];
    }
    response.writeHead(200, { 'Content-Type': Types[type] ?? 'application/octet-stream' });
    response.end(body);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({ url: `http://127.0.0.1:${server.address().port}/`, server })));
}

// Before the page's scripts: the probe between the graph and its destination, the audible times
// of each sound's start, and the time of each touch end.
function probe() {
  window.touchEnds = [];
  window.audible = [];
  document.addEventListener('touchend', (event) => window.touchEnds.push(event.timeStamp), true);
  const Context = window.AudioContext;
  const connect = AudioNode.prototype.connect;
  window.AudioContext = class extends Context {
    constructor(...args) {
      super(...args);
      const tap = new GainNode(this);
      connect.call(tap, this.destination);
      this.audioWorklet.addModule('/__probe.js').then(() => {
        const node = new AudioWorkletNode(this, 'tintineables-probe');
        node.port.onmessage = ({ data: frame }) => {
          // Where the graph's clock meets the output's, and so when the frame is heard.
          const { contextTime, performanceTime } = this.getOutputTimestamp();
          window.audible.push(performanceTime + (frame / this.sampleRate - contextTime) * 1000);
        };
        connect.call(tap, node);
        connect.call(node, this.destination);
        window.probing = true;
      });
      AudioNode.prototype.connect = function (target, ...rest) {
        return connect.call(this, target instanceof AudioDestinationNode ? tap : target, ...rest);
      };
    }
  };
}

async function measure(browser, url, swipe) {
  const context = await browser.newContext({ viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true, locale: 'es-ES' });
  await context.addInitScript(probe);
  const tab = await context.newPage();
  const cdp = await context.newCDPSession(tab);
  const touch = async (from, to) => {
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x: from[0], y: from[1], id: 1 }] });
    if (to) {
      await tab.waitForTimeout(40);
      await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x: to[0], y: to[1], id: 1 }] });
      await tab.waitForTimeout(40);
    }
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  };
  await tab.goto(url);
  if (swipe) {
    await tab.waitForSelector('body[data-decoded="true"]', { timeout: 30000 });
    await touch([195, 100]); // the first element: the game by touch
    await tab.waitForTimeout(400);
    await touch([195, 422]); // the middle band: the board
  } else {
    await touch([50, 30]);
    await tab.waitForSelector('body[data-ready="true"]');
  }
  await tab.waitForFunction(() => window.probing);
  await tab.waitForTimeout(1500);
  // Quiet, then the touches: on the board, swipes along the middle row, back and forth.
  await tab.evaluate(() => { window.touchEnds.length = 0; window.audible.length = 0; });
  for (let i = 0; i < touches; i++) {
    const way = Math.floor(i / 3) % 2 === 0 ? 1 : -1;
    await touch([195, 500], swipe ? [195 + way * 100, 500] : null);
    await tab.waitForTimeout(300);
  }
  const [ends, audible] = await tab.evaluate(() => [window.touchEnds, window.audible]);
  await context.close();
  // Each touch's sound: the first start heard after its end.
  return ends.map((end) => audible.find((time) => time >= end) - end).filter((ms) => Number.isFinite(ms) && ms < 250);
}

const quantile = (values, q) => {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.min(sorted.length - 1, Math.round(q * (sorted.length - 1)))];
};

async function main() {
  const { url, server } = await serve();
  const browser = await chromium.launch({
    executablePath: process.env.TINTINEABLES_CHROMIUM || '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--autoplay-policy=no-user-gesture-required'],
  });
  const results = { bare: [], page: [] };
  // In turn, a half of the touches at a time, so that a change in the machine falls on both.
  for (let round = 0; round < 2; round++) {
    results.bare.push(...await measure(browser, `${url}bare/`, false));
    results.page.push(...await measure(browser, url, true));
  }
  await browser.close();
  server.close();
  const row = (name, values) => `| ${name.padEnd(34)} | ${values.length.toString().padStart(5)} | ${quantile(values, 0.5).toFixed(2).padStart(6)} | ${quantile(values, 0.95).toFixed(2).padStart(6)} | ${Math.max(...values).toFixed(2).padStart(6)} |`;
  console.log('| touch end to audible, Chromium (ms) | heard | median |    p95 |    max |');
  console.log('|------------------------------------|-------|--------|--------|--------|');
  console.log(row('bare page', results.bare));
  console.log(row("the game's page", results.page));
  const added = quantile(results.page, 0.5) - quantile(results.bare, 0.5);
  console.log(`the page adds ${added.toFixed(2)} ms to the bare page's median (target: at most 2 ms): ${added <= 2 ? 'ok' : 'MISSED'}`);
  process.exitCode = added <= 2 ? 0 : 1;
}

main().catch((error) => { console.error(error); process.exit(1); });
