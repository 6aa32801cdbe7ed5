// The page to a screen reader and to the browser: axe-core finds nothing wrong on any screen;
// each screen's title goes to the live region that speaks it; the holes say nothing and
// Command9 its name; the browser's own meaning of the game's keys is kept from them, and no
// other key's; the language is the browser's first that the game has.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { withPageServed, openPage, press, heardInOrder, violations, presented } = require('./page_session');

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
  assert.equal(await tab.evaluate(() => document.getElementById('title').textContent), '',
               'the title stays in the live region');
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
                    'Backspace', 'KeyB', 'Alt+ArrowLeft', 'F4', 'PageDown', 'PageUp'];
  await press(tab, [...gameKeys, 'KeyX', 'Home', 'End'], 50);
  const prevented = await tab.evaluate(() => window.prevented);
  const kept = prevented.filter(([key, defaultPrevented]) => !defaultPrevented).map(([key]) => key);
  assert.deepEqual(kept, ['Shift', 'Alt', 'x', 'Home', 'End']);
  assert.equal(await tab.evaluate(() => document.title), 'TABLERO');
}));

test("the browser's first language that the game has: Portuguese, captions and voice", { timeout: 60000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab } = await openPage(browser, url, { locale: 'pt-BR' });
  assert.equal(await tab.evaluate(() => document.documentElement.lang), 'pt-BR');
  assert.equal(await tab.evaluate(() => document.activeElement.textContent), 'TINTINEABLES: pressione Enter para jogar');
  // Beside it, the player's manual in the same language, a page the server has.
  const manual = await tab.evaluate(async () => {
    const link = document.querySelector('#manual a');
    const response = await fetch(link.href);
    return { href: link.getAttribute('href'), shown: link.checkVisibility(), status: response.status, page: await response.text() };
  });
  assert.equal(manual.href, 'manual/pt.html');
  assert.ok(manual.shown, 'the link to the manual is not shown');
  assert.equal(manual.status, 200);
  assert.match(manual.page, /<html lang="pt-BR">/);
  assert.match(manual.page, /<h1>Manual do TINTINEABLES<\/h1>/);
  await press(tab, ['Enter', 'F2'], 600);
  assert.equal(await tab.evaluate(() => document.querySelector('#manual a').checkVisibility()), false,
               'the link to the manual stays shown through the game');
  await press(tab, ['KeyB'], 2500);
  assert.equal(await tab.evaluate(() => document.title), 'TABULEIRO');
  await press(tab, ['Shift+Tab']);
  assert.equal((await presented(tab)).named, 'Som do centro com bola');
  const heard = await heardInOrder(tab, ['presentacion.wav', 'bola.wav', 'voz_quedan.wav', 'voz_32.wav', 'voz_bolas.wav'], 'pt');
  assert.ok(heard.frames.every((frame) => frame >= 0), `the Portuguese recordings not all heard: ${heard.frames}`);
  const spanish = await heardInOrder(tab, ['presentacion.wav'], '');
  assert.deepEqual(spanish.frames, [-1], 'the Spanish presentation was heard');
}));

// A language's translation source: each Spanish source text and its finished translation ('' for
// an entry left empty or marked unfinished, vanished or obsolete).
function translationSource(code) {
  const ts = fs.readFileSync(path.join(__dirname, '..', '..', 'assets', 'translations', `tintineables_${code}.ts`), 'utf8');
  const unescape = (text) => text.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"')
    .replace(/&apos;/g, "'").replace(/&amp;/g, '&');
  const entries = new Map();
  for (const [, message] of ts.matchAll(/<message>([\s\S]*?)<\/message>/g)) {
    const source = unescape(message.match(/<source>([\s\S]*?)<\/source>/)[1]);
    const translation = message.match(/<translation( type="[a-z]+")?>([\s\S]*?)<\/translation>|<translation[^>]*\/>/);
    entries.set(source, translation && !translation[1] && translation[2] ? unescape(translation[2]) : '');
  }
  return entries;
}

// Every text of the page a player hears from a screen reader, by where it stands: the first
// element, each screen's title (spoken by the live region, and the document's), Command9's name.
async function textsOfEveryScreen(browser, url, locale) {
  const { context, tab } = await openPage(browser, url, { locale });
  const texts = new Map([['the first element', await tab.evaluate(() => document.activeElement.textContent)],
                         ['the link to the manual', await tab.evaluate(() => document.querySelector('#manual a').textContent)]]);
  for (const [key, form] of [['Enter', 'Form2'], ['F1', 'Form3'], ['F3', 'Form4'], ['F2', 'Form1']]) {
    await press(tab, [key], 300);
    const { title } = await presented(tab);
    texts.set(`${form}, title`, title);
    texts.set(`${form}, document title`, (await presented(tab)).documentTitle);
  }
  await press(tab, ['Shift+Tab']);
  texts.set('Form1 Command9, name', (await presented(tab)).named);
  await context.close();
  return texts;
}

test("every screen's texts in every language are that language's own translations", { timeout: 120000 }, async () => withPageServed(async ({ url, browser }) => {
  const spanish = await textsOfEveryScreen(browser, url, 'es-ES');
  assert.equal(spanish.get('Form1 Command9, name'), 'Sonido del centro con bola');
  assert.equal(spanish.get('Form4, title'), 'CRÉDITOS');
  for (const [code, locale] of [['en', 'en-GB'], ['pt', 'pt-BR'], ['fr', 'fr-FR']]) {
    const entries = translationSource(code);
    const shown = await textsOfEveryScreen(browser, url, locale);
    for (const [where, source] of spanish) {
      const translation = entries.get(source) ?? '';
      assert.notEqual(translation, '', `${code} has no translation of "${source}" (${where}) in tintineables_${code}.ts`);
      assert.equal(shown.get(where), translation, `${code}, ${where}`);
    }
  }
}));

