// The page in the engines other than Chromium, each the Debian package a player would have,
// driven with real key events through the protocol the browser speaks itself:
//   firefox: Firefox ESR through puppeteer-core over WebDriver BiDi (no driver to download);
//   webkit:  WebKitGTK's MiniBrowser through WebKitWebDriver, plain W3C WebDriver calls.
// Each tab has the few calls the page's tests make of a Playwright tab (keyboard.press, evaluate,
// waitForFunction, waitForSelector, waitForTimeout, reload), so the same helpers drive all three.
'use strict';
const { spawn } = require('node:child_process');
const net = require('node:net');

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Polls `evaluate` until `fn(arg)` is true in the page.
function waitingTab(tab) {
  tab.waitForTimeout = pause;
  tab.waitForFunction = async (fn, arg, { timeout = 10000, polling = 20 } = {}) => {
    const until = Date.now() + timeout;
    for (;;) {
      if (await tab.evaluate(fn, arg)) return;
      if (Date.now() > until) throw new Error(`waited ${timeout} ms in vain for ${String(fn).slice(0, 120)}`);
      await pause(polling);
    }
  };
  tab.waitForSelector = (selector, { timeout = 10000 } = {}) =>
    tab.waitForFunction((s) => document.querySelector(s) !== null, selector, { timeout, polling: 50 });
  return tab;
}

// --- Firefox ------------------------------------------------------------------------------------

async function openFirefox(url, { locale }) {
  const puppeteer = require('puppeteer-core');
  const browser = await puppeteer.launch({
    browser: 'firefox',
    protocol: 'webDriverBiDi',
    executablePath: process.env.TINTINEABLES_FIREFOX || '/usr/bin/firefox-esr',
    headless: true,
    extraPrefsFirefox: {
      'intl.accept_languages': locale,
      // Nothing of the browser's own reaching for the network.
      'app.update.enabled': false, 'browser.safebrowsing.malware.enabled': false,
      'browser.safebrowsing.phishing.enabled': false, 'network.captive-portal-service.enabled': false,
    },
  });
  const page = await browser.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  page.on('console', (message) => { if (message.type() === 'error') problems.push(`console: ${message.text()}`); });
  await page.goto(url);
  const tab = waitingTab({
    keyboard: {
      press: async (key) => {
        const keys = key.split('+');
        for (const k of keys.slice(0, -1)) await page.keyboard.down(k);
        // Puppeteer's BiDi keyboard knows the space bar by its key value only.
        await page.keyboard.press(keys.at(-1) === 'Space' ? ' ' : keys.at(-1));
        for (const k of keys.slice(0, -1).reverse()) await page.keyboard.up(k);
      },
    },
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    reload: () => page.reload(),
  });
  return { tab, problems, close: () => browser.close() };
}

// --- WebKit ---------------------------------------------------------------------------------------

// WebDriver's codes of the keys the tests press.
const WebDriverKeys = {
  ArrowLeft: '\uE012', ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015', Enter: '\uE007',
  Escape: '\uE00C', Space: ' ', Control: '\uE009', Shift: '\uE008', Alt: '\uE00A', Tab: '\uE004',
  Backspace: '\uE003', PageUp: '\uE00E', PageDown: '\uE00F', End: '\uE010', Home: '\uE011', F1: '\uE031', F2: '\uE032', F3: '\uE033', F4: '\uE034',
  KeyA: 'a', KeyB: 'b', KeyG: 'g', KeyP: 'p', KeyX: 'x', F8: '\uE038',
};

function freePort() {
  return new Promise((resolve) => {
    const probe = net.createServer().listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

async function openWebKit(url, { locale }) {
  const port = await freePort();
  // WebKitGTK takes the page's languages from the process's locale (made for the test, in
  // LOCPATH).
  const language = locale.replace('-', '_');
  const driver = spawn(process.env.TINTINEABLES_WEBKIT_DRIVER || 'WebKitWebDriver', [`--port=${port}`], {
    stdio: ['ignore', 'ignore', 'pipe'],
    env: { ...process.env, LANGUAGE: language, LANG: `${language}.UTF-8`, LC_ALL: `${language}.UTF-8` },
  });
  let said = '';
  driver.stderr.on('data', (data) => { said += data; });
  const base = `http://127.0.0.1:${port}`;
  const call = async (method, where, body) => {
    const response = await fetch(`${base}${where}`, {
      method, headers: { 'Content-Type': 'application/json' }, body: body && JSON.stringify(body),
    });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`WebKitWebDriver ${method} ${where}: ${value?.error}: ${value?.message}`);
    return value;
  };
  let session;
  for (let tries = 0; !session; tries++) {
    try {
      session = (await call('POST', '/session', {
        capabilities: { alwaysMatch: { browserName: 'MiniBrowser', 'webkitgtk:browserOptions': {
          binary: process.env.TINTINEABLES_MINIBROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
          args: ['--automation'] } } },
      })).sessionId;
    } catch (error) {
      if (tries > 100) throw new Error(`no WebKitWebDriver session: ${error.message}; ${said}`);
      await pause(100);
    }
  }
  const at = `/session/${session}`;
  await call('POST', `${at}/url`, { url });
  const evaluate = async (fn, arg) => {
    // A string is a script to run as it is (axe-core's source; the page's policy allows no eval).
    if (typeof fn === 'string') return call('POST', `${at}/execute/sync`, { script: fn, args: [] });
    const result = await call('POST', `${at}/execute/async`, {
      script: `const done = arguments[arguments.length - 1];
               Promise.resolve().then(() => (${fn})(arguments[0]))
                 .then((value) => done({ value }), (error) => done({ error: String(error && error.stack || error) }));`,
      args: [arg ?? null],
    });
    if (result?.error) throw new Error(`in the page: ${result.error}`);
    return result?.value;
  };
  const tab = waitingTab({
    keyboard: {
      press: async (key) => {
        const codes = key.split('+').map((k) => {
          if (!(k in WebDriverKeys)) throw new Error(`no WebDriver key for ${k}`);
          return WebDriverKeys[k];
        });
        const actions = [...codes.map((value) => ({ type: 'keyDown', value })),
                         ...codes.reverse().map((value) => ({ type: 'keyUp', value }))];
        await call('POST', `${at}/actions`, { actions: [{ type: 'key', id: 'keyboard', actions }] });
      },
    },
    evaluate,
    // The page opened again, as a player comes back to it: WebKit's reload would ask the network
    // again for every file the browser keeps (the tests' own script among them).
    reload: () => call('POST', `${at}/url`, { url }),
  });
  await call('POST', `${at}/timeouts`, { script: 60000 });
  return {
    tab,
    problems: [],
    close: async () => {
      await call('DELETE', at).catch(() => {});
      driver.kill();
    },
  };
}

const Engines = { firefox: openFirefox, webkit: openWebKit };

// A fresh browser of `engine` at `url`, ready for its first key: { tab, problems, close }.
// `everyRecording`: also wait until every recording is decoded.
async function openEngine(engine, url, { locale = 'es-ES', everyRecording = false } = {}) {
  const opened = await Engines[engine](url, { locale });
  try {
    await opened.tab.waitForSelector(everyRecording ? 'body[data-decoded="true"]' : 'body[data-ready="true"]',
                                     { timeout: 30000 });
  } catch (error) {
    const message = await opened.tab.evaluate(() => document.getElementById('message')?.textContent).catch(() => '');
    await opened.close();
    throw new Error(`${engine}: the page was not ready (${message || error.message})`);
  }
  return opened;
}

module.exports = { openEngine };
