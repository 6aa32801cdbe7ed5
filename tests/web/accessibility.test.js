// The page to a screen reader and to the browser: axe-core finds nothing wrong on any screen;
// each screen's title goes to the live region that speaks it; the holes say nothing and
// Command9 its name; the browser's own meaning of the game's keys is kept from them, and no
// other key's; the language is the browser's first that the game has.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { withPageServed, openPage, press, heardInOrder } = require('./page_session');

const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');

async function violations(tab) {
  await tab.evaluate(axeSource);
  return tab.evaluate(async () => {
    const results = await axe.run(document);
    return results.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
  });
}

// What a screen reader is given of the page now: the live region's text, the role of what holds
// the browser's focus, and its name, if it has one.
function presented(tab) {
  return tab.evaluate(() => {
    const focused = document.activeElement;
    return {
      title: document.getElementById('title').textContent,
      role: focused.getAttribute('role') ?? focused.tagName.toLowerCase(),
      named: focused.getAttribute('aria-label'),
      documentTitle: document.title,
    };
  });
}

test('every screen passes axe-core and speaks its title; holes say nothing, Command9 its name', { timeout: 120000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab, problems } = await openPage(browser, url);
  assert.deepEqual(await violations(tab), [], 'the first element');
  assert.equal(await tab.evaluate(() => document.activeElement.id), 'start');
  assert.equal(await tab.evaluate(() => document.activeElement.textContent), 'TINTINEABLES: pulsa Intro para jugar');
  const screens = [['Enter', 'TINTINEABLES'], ['F1', 'TUTORIAL'], ['F3', 'CRÉDITOS'], ['F2', 'TABLERO']];
  for (const [key, title] of screens) {
    await press(tab, [key], 300);
    assert.deepEqual(await presented(tab), { title, role: 'application', named: null, documentTitle: title }, key);
    assert.deepEqual(await violations(tab), [], title);
  }
  await press(tab, ['ArrowUp', 'ArrowDown']);
  assert.equal((await presented(tab)).named, null, 'a hole gave the screen reader something to say');
  await press(tab, ['Shift+Tab']);
  assert.equal((await presented(tab)).named, 'Sonido del centro con bola');
  assert.deepEqual(await violations(tab), [], 'Command9 focused');
  await tab.waitForTimeout(1700);
  assert.equal((await presented(tab)).title, '', 'the title stays in the live region');
  assert.deepEqual(problems, []);
}));

test("the game's keys have no other meaning in the page; every other key keeps its own", { timeout: 60000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab } = await openPage(browser, url);
  await press(tab, ['Enter', 'F2'], 300);
  await tab.evaluate(() => {
    window.prevented = [];
    window.addEventListener('keydown', (event) => window.prevented.push([event.key, event.defaultPrevented]));
  });
  const gameKeys = ['ArrowLeft', 'ArrowUp', 'Space', 'Control', 'Tab', 'Shift+Tab', 'F1', 'F3',
                    'Backspace', 'KeyB', 'Alt+ArrowLeft'];
  await press(tab, [...gameKeys, 'KeyX', 'Home', 'F4'], 50);
  const prevented = await tab.evaluate(() => window.prevented);
  const kept = prevented.filter(([key, defaultPrevented]) => !defaultPrevented).map(([key]) => key);
  assert.deepEqual(kept, ['Shift', 'Alt', 'x', 'Home', 'F4']);
  assert.equal(await tab.evaluate(() => document.title), 'TABLERO');
}));

test("the browser's first language that the game has: Portuguese, captions and voice", { timeout: 60000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab } = await openPage(browser, url, { locale: 'pt-BR' });
  assert.equal(await tab.evaluate(() => document.documentElement.lang), 'pt-BR');
  assert.equal(await tab.evaluate(() => document.activeElement.textContent), 'TINTINEABLES: pressione Enter para jogar');
  await press(tab, ['Enter', 'F2'], 600);
  await press(tab, ['KeyB'], 2500);
  assert.equal(await tab.evaluate(() => document.title), 'TABULEIRO');
  await press(tab, ['Shift+Tab']);
  assert.equal((await presented(tab)).named, 'Som do centro com bola');
  const heard = await heardInOrder(tab, ['presentacion.wav', 'bola.wav', 'voz_quedan.wav', 'voz_32.wav', 'voz_bolas.wav'], 'pt');
  assert.ok(heard.frames.every((frame) => frame >= 0), `the Portuguese recordings not all heard: ${heard.frames}`);
  const spanish = await heardInOrder(tab, ['presentacion.wav'], '');
  assert.deepEqual(spanish.frames, [-1], 'the Spanish presentation was heard');
}));
