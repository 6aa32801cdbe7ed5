// Decodes what a page test kept of the page's output (keepOutput in page_session.js): every
// recording of the page heard in it, where it starts and for how long it sounds as recorded,
// in order. For a failure to be read after the run, beside the test's own account of it.
//   node tests/web/what_sounded.js PAGE_FOLDER OUTPUT.wav [LANGUAGE_FOLDER]
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const { chromium } = require('playwright-core');

async function main() {
  const [folder, wave, language = ''] = process.argv.slice(2);
  if (!folder || !wave) {
    console.error('usage: node what_sounded.js PAGE_FOLDER OUTPUT.wav [LANGUAGE_FOLDER]');
    process.exit(2);
  }
  const spoken = fs.readdirSync(path.join(folder, 'sounds', language)).filter((file) => file.endsWith('.opus'));
  const earcons = fs.readdirSync(path.join(folder, 'sounds')).filter((file) => file.endsWith('.wav'));
  const browser = await chromium.launch({
    executablePath: process.env.TINTINEABLES_CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking'],
  });
  try {
    const tab = await browser.newPage();
    const files = {};
    for (const file of earcons) files[file] = fs.readFileSync(path.join(folder, 'sounds', file)).toString('base64');
    for (const file of spoken) files[file] = fs.readFileSync(path.join(folder, 'sounds', language, file)).toString('base64');
    const heard = await tab.evaluate(async ({ files, output }) => {
      const bytes = (base64) => Uint8Array.from(atob(base64), (c) => c.charCodeAt(0)).buffer;
      const view = new DataView(bytes(output));
      const rate = view.getUint32(24, true);
      const samples = new Float32Array((view.byteLength - 44) / 2);
      for (let i = 0; i < samples.length; i++) samples[i] = view.getInt16(44 + 2 * i, true) / 32768;
      const context = new OfflineAudioContext(1, 1, rate);
      const found = [];
      const recordings = {};
      for (const [file, data] of Object.entries(files)) {
        const recording = (await context.decodeAudioData(bytes(data))).getChannelData(0);
        recordings[file] = recording;
        let salient = 0;
        while (salient < recording.length && Math.abs(recording[salient]) < 2000 / 32768) salient++;
        const Compared = Math.min(Math.round(rate * 0.050), recording.length - salient);
        const same = (a, b) => Math.abs(a - b) <= 3 / 32768;
        for (let i = salient; i + Compared <= samples.length; i++) {
          let j = 0;
          while (j < Compared && same(samples[i + j], recording[salient + j])) j++;
          if (j < Compared) continue;
          const at = i - salient;
          let whole = salient + Compared; // how far it sounds as recorded
          while (whole < recording.length && at + whole < samples.length && same(samples[at + whole], recording[whole])) whole++;
          found.push({ file, at, whole, length: recording.length });
          i += Compared;
        }
      }
      // Where a recording stops sounding as recorded, something else came in: either it went on
      // under another sound (what is left once its rest is taken away is another recording), or
      // it stopped and another came.
      for (const sound of found) {
        const recording = recordings[sound.file];
        if (sound.whole >= recording.length) continue;
        const start = sound.at + sound.whole;
        const length = Math.min(Math.round(rate * 0.050), samples.length - start, recording.length - sound.whole);
        const left = Array.from({ length }, (_, j) => samples[start + j] - recording[sound.whole + j]);
        if (!left.some((sample) => Math.abs(sample) > 64 / 32768)) continue;
        for (const [file, other] of Object.entries(recordings)) {
          for (let k = -length + 256; k < other.length - 256 && !sound.under; k++) {
            let j = 0;
            while (j < length && Math.abs(left[j] - (other[k + j] ?? 0)) <= 3 / 32768) j++;
            if (j === length) sound.under = `${file} from its frame ${k}`;
          }
        }
      }
      return { rate, found: found.sort((a, b) => a.at - b.at) };
    }, { files, output: fs.readFileSync(wave).toString('base64') });
    const ms = (frames) => (frames / heard.rate * 1000).toFixed(1);
    let before = null;
    for (const { file, at, whole, length, under } of heard.found) {
      const cut = whole >= length ? `whole, ${ms(length)} ms`
        : under ? `went on at ${ms(whole)} ms under ${under}` : `cut at ${ms(whole)} of ${ms(length)} ms`;
      const gap = before === null ? '' : `, ${ms(at - before)} ms after the one before`;
      console.log(`${ms(at).padStart(9)} ms  ${file.padEnd(18)} ${cut}${gap}`);
      before = at;
    }
  } finally {
    await browser.close();
  }
}

main().catch((error) => { console.error(error); process.exit(1); });
