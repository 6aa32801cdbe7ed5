// The page on a phone, in Chromium with a phone's screen and touch events through the DevTools
// protocol: started by a tap, the game is played by gestures and heard cue for cue as the game
// gives the keys they stand for, a slip of the finger sounding nothing; to a phone's screen
// reader it offers the choices and the 33 holes as named buttons, the holes in the cross's
// places, and its double tap on them plays a game; the page holds still, keeps the screen on and
// vibrates on the edge.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { withPageServed, openPage, heardOnFromNow, gameSounds, heardInOrder, keepOutput, violations } = require('./page_session');
const { Fingers, gestureOfKey } = require('./fingers');
const { Bergholt, keysOfGame } = require('./winning_game');

const Portrait = { width: 390, height: 844 };
const Landscape = { width: 844, height: 390 };

// A phone's tab, every recording decoded, with a count of the sounds the page starts.
async function openPhone(browser, url, { viewport = Portrait, ...options } = {}) {
  const opened = await openPage(browser, url, { viewport, hasTouch: true, isMobile: true, everyRecording: true, ...options });
  await opened.tab.evaluate(() => {
    const start = AudioBufferSourceNode.prototype.start;
    window.tintineablesStarts = 0;
    AudioBufferSourceNode.prototype.start = function (...args) {
      window.tintineablesStarts += 1;
      return start.apply(this, args);
    };
  });
  return { ...opened, fingers: await Fingers.on(opened.tab) };
}

// A tap on the page's first element: the game starts by touch.
async function tapStart(tab, fingers) {
  const box = await tab.locator('#start').boundingBox();
  await fingers.tap(box.x + box.width / 2, box.y + box.height / 2);
  await heardOnFromNow(tab, 400);
}

// A key as the gesture a phone's player makes for it: on the spoken screens F1, F2 and F3 are
// taps in the top, middle and bottom bands.
async function gesture(tab, fingers, key) {
  const band = { F1: 0, F2: 1, F3: 2 }[key];
  if (band !== undefined && (key !== 'F2' || await tab.evaluate(() => document.title) !== 'TABLERO')) {
    return fingers.tapBand(band);
  }
  return gestureOfKey(fingers, key);
}

// Plays keys as gestures on a tab started by touch, and checks the page was heard playing, in
// order, every recording the game plays for those keys from a start by touch.
async function playByGestures(tab, fingers, keys, pauses = {}) {
  const names = gameSounds(keys, { touch: true }).flat();
  await tapStart(tab, fingers);
  for (const key of keys) {
    await gesture(tab, fingers, key);
    await heardOnFromNow(tab, pauses[key] ?? 110);
  }
  await tab.waitForTimeout(200);
  const heard = await heardInOrder(tab, names);
  const missing = names.findIndex((name, i) => heard.frames[i] < 0);
  if (missing >= 0) {
    const kept = await keepOutput(tab, 'touch');
    throw new Error(`not heard: ${names[missing]}, the ${missing + 1}th of ${names.length} sounds; ${heard.diagnosis} (the page's output: ${kept})`);
  }
  return names;
}

test('the screen tour and a published winning game by gestures sound as the game gives their keys', { timeout: 300000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab, fingers, problems } = await openPhone(browser, url);
  assert.equal(await tab.textContent('#start'), 'TINTINEABLES: toca para jugar');
  const keys = ['F1', 'F1', 'F3', 'F3', 'Escape', 'F2', ...keysOfGame(Bergholt), 'Escape', 'Escape'];
  const names = await playByGestures(tab, fingers, keys, { F1: 400, F3: 400, Escape: 400, F2: 400 });
  assert.deepEqual(names.slice(0, 2), ['presentacion_tactil.wav', 'tutorial_tactil.wav']);
  assert.ok(names.includes('creditos_tactil.wav') && names.includes('aplauso.wav'));
  // Escape on the menu ended the game: the page is back at its first element, and holds still no
  // more.
  assert.equal(await tab.evaluate(() => document.activeElement.id), 'start');
  assert.equal(await tab.evaluate(() => document.body.classList.contains('playing')), false);
  assert.deepEqual(problems, []);
}));

test('the help gestures, repeat, undo and the restart sound as their keys; a slip sounds nothing', { timeout: 180000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab, fingers, problems } = await openPhone(browser, url);
  const keys = ['F2', ...keysOfGame('46*44 65*45 57*55 54*56'), 'KeyB', 'KeyP', 'F8', 'F8', 'KeyG', 'KeyA', 'Space',
                'Backspace', 'Backspace', 'ArrowDown', 'PageDown', 'F2'];
  const names = await playByGestures(tab, fingers, keys, { KeyB: 2600, KeyP: 2600, F8: 2600, KeyG: 1600, KeyA: 1600, F2: 1200 });
  assert.ok(names.includes('reiniciar.wav') && names.includes('voz_quedan.wav'));
  // Slips: a short swipe, a slanting one, a single tap, a two-finger tap and double tap, a
  // pinch, a tap held too long: nothing sounds.
  const starts = await tab.evaluate(() => window.tintineablesStarts);
  const { width, height } = await fingers.viewport();
  await fingers.swipe('left', { length: 25 });
  await fingers.swipe('up', { length: 120, slant: 90 });
  await fingers.tap(width / 2, height / 2);
  await tab.waitForTimeout(600);
  await fingers.tap(width / 2, height / 2, { fingers: 2, taps: 2 });
  await fingers.stroke([[150, 400], [250, 400]], [[110, 400], [290, 400]]);
  await fingers.stroke([[200, 400]], [[200, 400]], 800);
  await heardOnFromNow(tab, 300);
  assert.equal(await tab.evaluate(() => window.tintineablesStarts), starts, 'a slip sounded');
  // And the next gesture still means what it says: a swipe up is an arrow.
  await fingers.swipe('up');
  await heardOnFromNow(tab, 200);
  assert.equal(await tab.evaluate(() => window.tintineablesStarts), starts + 1);
  assert.deepEqual(problems, []);
}));

// The accessibility tree as Chromium gives it to a screen reader: each button's name and box.
async function buttons(tab) {
  const cdp = await tab.context().newCDPSession(tab);
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  const named = nodes.filter((node) => node.role?.value === 'button' && !node.ignored).map((node) => ({ name: node.name?.value ?? '', id: node.backendDOMNodeId }));
  for (const button of named) {
    const { model } = await cdp.send('DOM.getBoxModel', { backendNodeId: button.id });
    const [x1, y1, , , x2, y2] = model.border;
    Object.assign(button, { x: x1, y: y1, width: x2 - x1, height: y2 - y1 });
  }
  await cdp.detach();
  return named;
}

// The place a hole's name says: [column, row from the bottom].
function placeOf(name) {
  if (/^centro, (vacío|bola)$/.test(name)) return [4, 4];
  const match = /^(bola|vacío), fila (\d), columna (\d)$/.exec(name);
  return match && [Number(match[3]), Number(match[2])];
}

test("to a phone's screen reader: named choices, the holes as named buttons in the cross, a double tap plays them", { timeout: 120000 }, async () => withPageServed(async ({ url, browser }) => {
  const { tab, fingers, problems } = await openPhone(browser, url);
  await tapStart(tab, fingers);
  const ownSound = ['Repetir', 'Más despacio', 'Más deprisa', 'Voz más baja', 'Voz más alta', 'Sonidos más bajos', 'Sonidos más altos'];
  assert.deepEqual((await buttons(tab)).map((b) => b.name), ['Tutorial', 'Jugar', 'Créditos', 'Retos', ...ownSound, 'Salir']);
  assert.deepEqual(await violations(tab), [], 'the menu');
  // The screen reader's double tap on "Jugar" is a click.
  await tab.getByRole('button', { name: 'Jugar' }).evaluate((button) => button.click());
  await heardOnFromNow(tab, 300);
  for (const viewport of [Portrait, Landscape]) {
    await tab.setViewportSize(viewport);
    const holes = (await buttons(tab)).filter((b) => placeOf(b.name));
    assert.equal(holes.length, 33, `${viewport.width}x${viewport.height}`);
    const cell = holes[0].width;
    const short = Math.min(viewport.width, viewport.height);
    // The cross within the short side, leaving room for the captions and the buttons.
    assert.ok(cell >= 44 && 7 * cell <= short + 1, `holes of ${cell} px on a short side of ${short}`);
    // Each hole where its name says: columns left to right, rows bottom to top.
    const centre = holes.find((b) => b.name === 'centro, vacío');
    for (const hole of holes) {
      const [column, row] = placeOf(hole.name);
      assert.ok(Math.abs(hole.x - (centre.x + (column - 4) * cell)) < 1 && Math.abs(hole.y - (centre.y - (row - 4) * cell)) < 1, hole.name);
      assert.equal(hole.name.startsWith('bola') || hole.name === 'centro, vacío', true, hole.name);
    }
    const choices = (await buttons(tab)).filter((b) => !placeOf(b.name));
    assert.deepEqual(choices.map((b) => b.name), ['Deshacer', 'Bolas que quedan', 'Dónde estoy', '¿Puedo ganar?', 'Pista',
                                                   'Juego nuevo', 'Oír la fila', 'Oír la columna', 'Oír todo el tablero',
                                                   'Saltos desde aquí', 'Saltos en el tablero', 'Sonidos en estéreo',
                                                   'Modo texto', ...ownSound, 'Volver al menú', 'Sonido del centro con bola']);
    assert.ok(choices.every((b) => b.width >= 44 && b.height >= 44), 'a choice under 44 pixels');
    // Nothing scrolls.
    assert.deepEqual(await tab.evaluate(() => [document.documentElement.scrollWidth <= innerWidth, document.documentElement.scrollHeight <= innerHeight]), [true, true]);
  }
  assert.deepEqual(await violations(tab), [], 'the board');
  // VoiceOver moves the focus to a hole, which sounds; its double tap picks the peg up. TalkBack
  // activates the centre with the focus elsewhere: the cursor goes there, and the peg jumps.
  const hole = (name) => tab.locator(`button[aria-label="${name}"]`);
  await hole('bola, fila 2, columna 4').focus();
  await heardOnFromNow(tab, 200);
  await hole('bola, fila 2, columna 4').evaluate((button) => button.click());
  await heardOnFromNow(tab, 200);
  await hole('centro, vacío').evaluate((button) => button.click());
  await heardOnFromNow(tab, 300);
  const heard = await heardInOrder(tab, ['presentacion_tactil.wav', 'bola.wav', 'bola.wav', 'seleccion.wav', 'poner1.wav']);
  assert.ok(heard.frames.every((frame) => frame >= 0), heard.diagnosis);
  const names = (await buttons(tab)).map((b) => b.name);
  assert.ok(names.includes('centro, bola') && names.includes('vacío, fila 2, columna 4') && names.includes('vacío, fila 3, columna 4'), names.join(' | '));
  assert.equal(await tab.evaluate(() => document.activeElement.getAttribute('aria-label')), 'centro, bola');
  assert.deepEqual(problems, []);
}));

test('while a game is open the page holds still, keeps the screen on, plays as media and vibrates on the edge', { timeout: 60000 }, async () => withPageServed(async ({ url, browser }) => {
  for (const vibrate of [true, false]) {
    const { context, tab, fingers } = await openPhone(browser, url);
    await context.addInitScript(() => {
      window.lockEvents = [];
      Object.defineProperty(navigator, 'wakeLock', { value: { request: async (type) => {
        window.lockEvents.push(`request ${type}`);
        const lock = new EventTarget();
        lock.release = async () => { window.lockEvents.push('release'); };
        return lock;
      } } });
      Object.defineProperty(navigator, 'audioSession', { value: { type: 'auto' } });
    });
    await tab.reload();
    await tab.waitForSelector('body[data-decoded="true"]', { timeout: 20000 });
    await tab.evaluate(() => {
      window.vibrations = [];
      navigator.vibrate = (ms) => { window.vibrations.push(ms); return true; };
    });
    assert.equal(await tab.evaluate(() => navigator.audioSession.type), 'playback');
    if (!vibrate) await tab.locator('#vibrate').uncheck();
    await tapStart(tab, fingers);
    await fingers.tapBand(1);
    await heardOnFromNow(tab, 200);
    const still = await tab.evaluate(() => {
      const style = getComputedStyle(document.body);
      return [style.touchAction, style.userSelect, style.overflow, style.overscrollBehaviorY];
    });
    assert.deepEqual(still, ['none', 'none', 'hidden', 'none']);
    await fingers.swipe('down'); // the edge
    await heardOnFromNow(tab, 200);
    await fingers.swipe('up');
    await heardOnFromNow(tab, 200);
    assert.deepEqual(await tab.evaluate(() => window.vibrations), vibrate ? [40] : [], `vibration ${vibrate ? 'on' : 'off'}`);
    await fingers.scrub();
    await heardOnFromNow(tab, 300);
    await fingers.scrub();
    await heardOnFromNow(tab, 300);
    assert.deepEqual(await tab.evaluate(() => window.lockEvents), ['request screen', 'release']);
    await context.close();
  }
}));
