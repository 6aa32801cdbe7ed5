// The player's own sound on the page, in Chromium, measured at the page's speakers: the voice
// and the earcons each quieter by 3 dB a key, the speech twice as fast at the same words, F8
// saying the last answer again, and all of it kept by the browser for the next visit. Then the
// board at a glance: the whole cross swept by V, heard hole by hole in both channels, each hole
// in its column's place; E placing each arrival, kept for the next visit too.
'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { withPageServed, openPage, press, gameSounds } = require('./page_session');
const { listen, sweepParts } = require('./sweep_listener');

// Where the next sound will begin in the page's output: how many frames it holds so far.
function mark(tab) {
  return tab.evaluate(() => window.tintineablesHeard.reduce((frames, block) => frames + block.length, 0));
}

// The page's output from a mark on: its peak, and the time from its first sample to its last
// above a twentieth of that peak (the sound's span, its silences before and after left out).
function soundSince(tab, from) {
  return tab.evaluate((from) => {
    const samples = [];
    let at = 0;
    for (const block of window.tintineablesHeard) {
      for (const sample of block) {
        if (at++ >= from) samples.push(sample);
      }
    }
    return spanOf(samples, window.tintineablesRate);
    function spanOf(s, rate) {
      const peak = s.reduce((most, x) => Math.max(most, Math.abs(x)), 0);
      const first = s.findIndex((x) => Math.abs(x) > peak / 20);
      const last = s.findLastIndex((x) => Math.abs(x) > peak / 20);
      return { peak, span: first < 0 ? 0 : (last - first) / rate };
    }
  }, from);
}

// Recordings as the page decodes them: the peak of the loudest, and the span of each.
function recordingsAsMade(tab, names) {
  return tab.evaluate(async (names) => {
    const context = new OfflineAudioContext(1, 1, window.tintineablesRate);
    const speech = document.body.dataset.speech === 'm4a' ? '.m4a' : '.opus';
    let peak = 0;
    const spans = [];
    for (const name of names) {
      const url = name.startsWith('voz_') || name === 'presentacion.wav' ? `sounds/${name.replace(/\.wav$/, speech)}` : `sounds/${name}`;
      const s = (await context.decodeAudioData(await (await fetch(url)).arrayBuffer())).getChannelData(0);
      const loudest = s.reduce((most, x) => Math.max(most, Math.abs(x)), 0);
      const first = s.findIndex((x) => Math.abs(x) > loudest / 20);
      const last = s.findLastIndex((x) => Math.abs(x) > loudest / 20);
      peak = Math.max(peak, loudest);
      spans.push((last - first) / context.sampleRate);
    }
    return { peak, spans };
  }, names);
}

const dB = (ratio) => 20 * Math.log10(ratio);

// Waits until the page's output has been silent for its last `ms` milliseconds: a sound still
// going (on a busy machine the one before may have started late) is not taken into the next.
function untilQuiet(tab, ms = 150) {
  return tab.waitForFunction((ms) => {
    const wanted = Math.round((ms / 1000) * window.tintineablesRate);
    let seen = 0;
    for (let b = window.tintineablesHeard.length - 1; b >= 0 && seen < wanted; b--) {
      const block = window.tintineablesHeard[b];
      for (let i = block.length - 1; i >= 0 && seen < wanted; i--, seen++) {
        if (Math.abs(block[i]) > 1e-3) return false;
      }
    }
    return seen >= wanted;
  }, ms, { polling: 50, timeout: 15000 });
}

// What a key sounds, alone: its peak against the recordings' own in dB, and its span.
async function pressAndMeasure(tab, key, names, pause = 1500) {
  await untilQuiet(tab);
  const from = await mark(tab);
  await press(tab, [key], pause);
  const heard = await soundSince(tab, from);
  const made = await recordingsAsMade(tab, names);
  return { level: dB(heard.peak / made.peak), span: heard.span, made };
}

test("the player's own sound: levels and pace at the speakers, F8, kept for the next visit", { timeout: 120000 }, async () => withPageServed(async ({ url, browser }) => {
  const { context, tab, problems } = await openPage(browser, url, { everyRecording: true });
  const answerOfB = gameSounds(['F2', 'KeyB'])[2];
  assert.deepEqual(answerOfB, ['voz_quedan.wav', 'voz_32.wav', 'voz_bolas.wav']);
  await press(tab, ['Enter'], 1000);
  // The voice 3 dB quieter a key: each answer says so at its new loudness.
  assert.ok(Math.abs((await pressAndMeasure(tab, 'Digit9', ['voz_mas_bajo.wav'])).level + 3) <= 0.5);
  assert.ok(Math.abs((await pressAndMeasure(tab, 'Digit9', ['voz_mas_bajo.wav'])).level + 6) <= 0.5);
  await press(tab, ['F2'], 1000);
  // The earcons apart: a peg's cue to judge them by, 3 and then 6 dB down; the voice unchanged.
  assert.ok(Math.abs((await pressAndMeasure(tab, 'Minus', ['bola.wav'], 600)).level + 3) <= 0.5);
  assert.ok(Math.abs((await pressAndMeasure(tab, 'Minus', ['bola.wav'], 600)).level + 6) <= 0.5);
  const atOwnPace = await pressAndMeasure(tab, 'KeyB', answerOfB, 3000);
  assert.ok(Math.abs(atOwnPace.level + 6) <= 0.5, `the voice at ${atOwnPace.level} dB`);
  // F8: the same answer again, as long and as loud.
  const again = await pressAndMeasure(tab, 'F8', answerOfB, 3000);
  assert.ok(Math.abs(again.span - atOwnPace.span) <= 0.01 && Math.abs(again.level - atOwnPace.level) <= 0.1,
            `again: ${again.span} s at ${again.level} dB, first ${atOwnPace.span} s at ${atOwnPace.level} dB`);
  // Four steps faster: twice the pace, said as "200 per cent" at that pace.
  await press(tab, ['Digit8', 'Digit8', 'Digit8'], 1500);
  const rate = await pressAndMeasure(tab, 'Digit8', ['voz_velocidad_200.wav'], 2000);
  assert.ok(Math.abs(rate.made.spans[0] / rate.span - 2) <= 0.1, `the rate's word ${rate.made.spans[0] / rate.span} times faster`);
  // Another visit: the browser kept all three. The same answer at twice the pace (the pauses
  // between its words are the game's own, and stay), 6 dB down; the earcons 6 dB down too.
  const revisit = await context.newPage();
  await revisit.goto(url);
  await revisit.waitForSelector('body[data-decoded="true"]', { timeout: 20000 });
  await tab.close();
  await press(revisit, ['Enter', 'F2'], 1500);
  const faster = await pressAndMeasure(revisit, 'KeyB', answerOfB, 2500);
  const pauses = 2 * 0.070;
  const expected = (atOwnPace.span - pauses) / 2 + pauses;
  assert.ok(Math.abs(faster.span - expected) <= expected * 0.05, `B took ${faster.span} s at twice the pace, ${expected} s expected`);
  assert.ok(Math.abs(faster.level + 6) <= 1, `the paced voice at ${faster.level} dB`);
  assert.ok(Math.abs((await pressAndMeasure(revisit, 'Minus', ['bola.wav'], 600)).level + 9) <= 0.5);
  assert.deepEqual(problems, []);
}));

// The page's two channels from a mark on.
function stereoSince(tab, from) {
  return tab.evaluate((from) => {
    const flat = (blocks) => {
      const samples = [];
      let at = 0;
      for (const block of blocks) {
        for (const sample of block) {
          if (at++ >= from) samples.push(sample);
        }
      }
      return samples;
    };
    return { left: flat(window.tintineablesHeard), right: flat(window.tintineablesHeardRight), rate: window.tintineablesRate };
  }, from);
}

// Recordings as the page decodes them, at its rate: each file's samples.
function decoded(tab, names) {
  return tab.evaluate(async (names) => {
    const context = new OfflineAudioContext(1, 1, window.tintineablesRate);
    const samples = {};
    for (const name of names) {
      samples[name] = Array.from((await context.decodeAudioData(await (await fetch(`sounds/${name}`)).arrayBuffer())).getChannelData(0));
    }
    return samples;
  }, names);
}

// What a key sounds in both channels, from silence.
async function pressAndHearStereo(tab, key, pause) {
  await untilQuiet(tab);
  const from = await mark(tab);
  await press(tab, [key], pause);
  return stereoSince(tab, from);
}

test('the board at a glance: the cross by ear, each hole in its place; E kept for the next visit', { timeout: 120000 }, async () => withPageServed(async ({ url, browser }) => {
  const { context, tab, problems } = await openPage(browser, url, { everyRecording: true });
  await press(tab, ['Enter'], 1000);
  await press(tab, ['F2'], 600);
  // (4,2) up over (4,3) into the centre, then (2,3) right over (3,3) into (4,3).
  await press(tab, ['ArrowRight', 'ArrowUp', 'Space', 'ArrowUp', 'ArrowUp', 'Control',
                    'ArrowDown', 'ArrowLeft', 'ArrowLeft', 'Space', 'ArrowRight', 'ArrowRight', 'Control'], 300);
  const picture = ['  ooo  ', '  ooo  ', 'ooooooo', 'ooooooo', 'o..oooo', '  o.o  ', '  ooo  '];
  const cross = sweepParts(picture, [1, 2, 3, 4, 5, 6, 7], [4, 3]);
  const names = [...new Set(cross.map((part) => part.split('@')[0])), 'bola.wav'];
  const recordings = await decoded(tab, names);
  const swept = listen(await pressAndHearStereo(tab, 'KeyV', 3500), recordings, cross);
  assert.equal(swept.failed, null, `after ${swept.heard.length} holes: ${JSON.stringify(swept.failed)}`);
  assert.equal(swept.heard.length, cross.length);
  // E: each arrival from its hole's column; (5,3) is heard 27 hundredths right.
  await press(tab, ['KeyE'], 1500);
  const placed = listen(await pressAndHearStereo(tab, 'ArrowRight', 600), recordings, ['bola.wav@27#0']);
  assert.equal(placed.failed, null, JSON.stringify(placed.failed));
  // The next visit keeps it: (3,1), the first hole, is heard 27 hundredths left.
  const revisit = await context.newPage();
  await revisit.goto(url);
  await revisit.waitForSelector('body[data-decoded="true"]', { timeout: 20000 });
  await tab.close();
  await press(revisit, ['Enter', 'F2'], 1000);
  const kept = listen(await pressAndHearStereo(revisit, 'ArrowRight', 600), recordings, ['bola.wav@0#0']);
  assert.equal(kept.failed, null, JSON.stringify(kept.failed));
  const left = listen(await pressAndHearStereo(revisit, 'ArrowLeft', 600), recordings, ['bola.wav@-27#0']);
  assert.equal(left.failed, null, JSON.stringify(left.failed));
  assert.deepEqual(problems, []);
}));
