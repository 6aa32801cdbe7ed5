// The page after its first visit plays with no network, and Chrome would install it; nothing of it
// comes from another origin; and a recording that cannot be had stops it with a message that
// names the file, shown and said.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { withPageServed, openPage, press, heardInOrder, keepOutput } = require('./page_session');
const { keptForOffline } = require('./in_page');

test('after the first visit the page reloads and plays with the network off', { timeout: 90000 }, async () => withPageServed(async ({ url, browser }) => {
  const origins = new Set();
  const { context, tab, problems } = await openPage(browser, url);
  context.on('request', (request) => origins.add(new URL(request.url()).origin));
  // Everything the page loaded is kept: its shell by the service worker, the rest by the page.
  await tab.waitForFunction(keptForOffline, null, { timeout: 20000, polling: 200 });
  // Chrome would offer to install it as an app: nothing in its manifest or its service worker
  // stands in the way (a test's browser context is a private one, which is all it says).
  const cdp = await context.newCDPSession(tab);
  assert.deepEqual((await cdp.send('Page.getAppManifest')).errors, []);
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors.map((error) => error.errorId).filter((id) => id !== 'in-incognito'), []);
  await context.setOffline(true);
  await tab.reload();
  await tab.waitForSelector('body[data-ready="true"]', { timeout: 20000 });
  await press(tab, ['Enter'], 600);
  await press(tab, ['F2'], 300);
  const heard = await heardInOrder(tab, ['presentacion.wav', 'bola.wav']);
  if (!heard.frames.every((frame) => frame >= 0)) {
    assert.fail(`offline, heard ${heard.frames}; ${heard.diagnosis} (the page's output: ${await keepOutput(tab, 'offline')})`);
  }
  assert.deepEqual([...origins], [new URL(url).origin]);
  assert.deepEqual(problems, []);
}));

// The table of winnable positions is held back until the page has stopped: a page that then went
// on to show its start would offer a game missing a recording.
test('a recording that cannot be loaded stops the page with a message that names it', { timeout: 60000 }, async () => withPageServed(async ({ url, browser }) => {
  const context = await browser.newContext({ locale: 'en-GB' });
  let letTheTableGo;
  const stoppedFirst = new Promise((resolve) => { letTheTableGo = resolve; });
  await context.route('**/winnable.table', async (route) => { await stoppedFirst; await route.continue(); });
  await context.route('**/sounds/en/voz_32.opus', (route) => route.fulfill({ status: 404, body: 'gone' }));
  await context.route('**/sounds/error.wav', (route) => route.fulfill({ status: 200, body: 'not a sound' }));
  await context.addInitScript(() => {
    window.tintineablesSpoken = [];
    const speak = speechSynthesis.speak.bind(speechSynthesis);
    speechSynthesis.speak = (utterance) => { window.tintineablesSpoken.push(utterance.text); speak(utterance); };
  });
  const tab = await context.newPage();
  await tab.goto(url);
  await tab.waitForFunction(() => document.getElementById('message').textContent !== '', null, { timeout: 20000 });
  const tableServed = tab.waitForResponse('**/winnable.table');
  letTheTableGo();
  await tableServed;
  await tab.evaluate(() => new Promise((resolve) => setTimeout(resolve, 300)));
  const message = await tab.evaluate(() => document.getElementById('message').textContent);
  assert.match(message, /^TINTINEABLES cannot start: (sounds\/en\/voz_32\.opus could not be loaded: 404|sounds\/error\.wav could not be loaded: .+)/);
  assert.deepEqual(await tab.evaluate(() => window.tintineablesSpoken), [message]);
  assert.equal(await tab.evaluate(() => document.getElementById('start').hidden), true);
  assert.equal(await tab.evaluate(() => document.body.dataset.ready), undefined);
  assert.equal(await tab.evaluate(() => document.getElementById('message').getAttribute('role')), 'alert');
}));
