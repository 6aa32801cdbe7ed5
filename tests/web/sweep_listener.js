// A sweep heard in the page's output, hole by hole: the parts the test expects, each written as
// the game writes a joined part ("barrido_f4_bola.wav@-27#20": that recording 27 hundredths left
// of centre, 20 ms after the part before it ended), found one after another in the two channels
// the page sent its speakers. For each, where its recording starts (within its lead-in before
// the first sound), each ear's gain fitted by least squares, the place those gains give by the
// equal-power law, the share of the sound the fit leaves unexplained, and the pause before it.
'use strict';

function readPart(text) {
  const [, file, place, pause] = /^([^@#]+)@(-?\d+)#(\d+)$/.exec(text);
  return { file, place: Number(place), pause: Number(pause) };
}

function fitAt(left, right, cue, start) {
  let energy = 0, l = 0, r = 0, heard = 0;
  for (let i = 0; i < cue.length && start + i < left.length; ++i) {
    energy += cue[i] * cue[i];
    l += left[start + i] * cue[i];
    r += right[start + i] * cue[i];
    heard += left[start + i] ** 2 + right[start + i] ** 2;
  }
  if (energy <= 0 || heard <= 0) return { left: 0, right: 0, misfit: 1 };
  const gl = l / energy, gr = r / energy;
  let rest = 0;
  for (let i = 0; i < cue.length && start + i < left.length; ++i) {
    rest += (left[start + i] - gl * cue[i]) ** 2 + (right[start + i] - gr * cue[i]) ** 2;
  }
  return { left: gl, right: gr, misfit: rest / heard };
}

const quiet = (left, right, i) => Math.abs(left[i]) <= 1e-3 && Math.abs(right[i]) <= 1e-3;

// `left`, `right`: the output from a mark on; `recordings`: each file's samples as the page
// decodes them; `parts`: the joined parts expected, in order. One entry a part heard as written
// (a misfit under 5%, its place within `placeWithin`, its pause within 1 ms), up to the first
// that is not.
function listen({ left, right, rate }, recordings, parts, placeWithin = 3) {
  const heard = [];
  let from = 0, lastEnd = -1;
  for (const text of parts) {
    const part = readPart(text);
    const cue = recordings[part.file];
    let onset = from;
    while (onset < left.length && quiet(left, right, onset)) ++onset;
    if (onset >= left.length) break;
    let best = { misfit: 1 }, bestStart = onset;
    const lead = Math.round(rate * 0.005);
    for (let start = Math.max(0, onset - lead); start <= onset + 2; ++start) {
      const fit = fitAt(left, right, cue, start);
      if (fit.misfit < best.misfit) { best = fit; bestStart = start; }
    }
    const place = (Math.atan2(best.right, best.left) / (Math.PI / 2)) * 200 - 100;
    const pause = lastEnd < 0 ? 0 : ((bestStart - lastEnd) * 1000) / rate;
    const entry = { part: text, place, misfit: best.misfit, pause };
    if (best.misfit >= 0.05 || Math.abs(place - part.place) > placeWithin ||
        (lastEnd >= 0 && Math.abs(pause - part.pause) > 1)) {
      return { heard, failed: entry };
    }
    heard.push(entry);
    lastEnd = bestStart + cue.length;
    from = lastEnd;
  }
  return { heard, failed: null };
}

// The parts of a sweep as the game must play them, from a picture of the board (the top row
// first, 'o' a peg, '.' an empty hole, ' ' no hole): the holes of `rows` row by row from the
// bottom, left to right, each placed by its column, the cursor's hole twice.
function sweepParts(picture, rows, cursor, { holePause = 20, rowPause = 110 } = {}) {
  const places = [null, -80, -53, -27, 0, 27, 53, 80];
  const parts = [];
  for (const y of rows) {
    let firstInRow = true;
    for (let x = 1; x <= 7; ++x) {
      const cell = picture[7 - y][x - 1];
      if (cell === ' ') continue;
      const kind = cell === 'o' ? 'bola' : 'vacio';
      const file = x === 4 && y === 4 ? `barrido_centro_${kind}.wav` : `barrido_f${y}_${kind}.wav`;
      const pause = parts.length === 0 ? 0 : firstInRow ? rowPause : holePause;
      parts.push(`${file}@${places[x]}#${pause}`);
      if (x === cursor[0] && y === cursor[1]) parts.push(`${file}@${places[x]}#${holePause}`);
      firstInRow = false;
    }
  }
  return parts;
}

module.exports = { listen, sweepParts };
