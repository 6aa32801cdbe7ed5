// A player's fingers on the page, in Chromium with touch emulation: each gesture as the touch
// events a phone's screen sends, one or more fingers at once, through the DevTools protocol.
// Each event carries the time a player's hand gives it (a double tap's taps 90 ms apart), not
// the time a busy machine takes to send it, so the page reads the gesture the hand made.
'use strict';

const MoveSteps = 6;

class Fingers {
  constructor(tab, cdp) {
    this.tab = tab;
    this.cdp = cdp;
    this.ids = 0;
    this.clock = 0; // the time of the last event sent, in seconds since the epoch
  }

  // An event's time: `after` seconds after the last one, within a gesture; now, for a gesture's
  // first event.
  stamp(after = null) {
    this.clock = after === null ? Math.max(Date.now() / 1000, this.clock + 0.001) : this.clock + after;
    return this.clock;
  }

  touch(type, touchPoints, after = null) {
    return this.cdp.send('Input.dispatchTouchEvent', { type, touchPoints, timestamp: this.stamp(after) });
  }

  static async on(tab) {
    return new Fingers(tab, await tab.context().newCDPSession(tab));
  }

  async viewport() {
    return this.tab.evaluate(() => ({ width: innerWidth, height: innerHeight }));
  }

  // Fingers down at `from` (one point each), along to `to`, then up, in `ms`.
  async stroke(from, to = from, ms = 60, path = null) {
    const ids = from.map(() => ++this.ids);
    const points = (at) => at.map(([x, y], i) => ({ x, y, id: ids[i] }));
    await this.touch('touchStart', points(from));
    const stops = path ?? Array.from({ length: MoveSteps }, (_, step) => (step + 1) / MoveSteps);
    const step = ms / stops.length / 1000;
    for (const stop of stops) {
      await this.tab.waitForTimeout(ms / stops.length);
      const at = from.map(([x, y], i) => [x + (to[i][0] - x) * stop, y + (to[i][1] - y) * stop]);
      await this.touch('touchMove', points(at), step);
    }
    await this.touch('touchEnd', [], 0.005);
  }

  // `fingers` side by side around (x, y), 40 pixels apart.
  static spread(x, y, fingers) {
    return Array.from({ length: fingers }, (_, i) => [x + (i - (fingers - 1) / 2) * 40, y]);
  }

  async tap(x, y, { fingers = 1, taps = 1 } = {}) {
    for (let i = 0; i < taps; i++) {
      if (i > 0) await this.tab.waitForTimeout(90);
      const at = Fingers.spread(x, y, fingers).map(([px, py]) => ({ x: px, y: py, id: ++this.ids }));
      await this.touch('touchStart', at, i === 0 ? null : 0.09);
      await this.tab.waitForTimeout(40);
      await this.touch('touchEnd', [], 0.04);
    }
  }

  // A tap in a band of the screen: 0 the top third, 1 the middle, 2 the bottom.
  async tapBand(band) {
    const { width, height } = await this.viewport();
    await this.tap(width / 2, (height * (band + 0.5)) / 3);
  }

  // A swipe from the middle of the screen: `way` left, right, up or down; `length` pixels;
  // `slant` pixels across the way.
  async swipe(way, { fingers = 1, length = 150, slant = 0, ms = 120 } = {}) {
    const { width, height } = await this.viewport();
    const [dx, dy] = { left: [-1, 0], right: [1, 0], up: [0, -1], down: [0, 1] }[way];
    const from = Fingers.spread(width / 2, height / 2, fingers);
    const to = from.map(([x, y]) => [x + dx * length + dy * slant, y + dy * length + dx * slant]);
    await this.stroke(from, to, ms);
  }

  // Two fingers back and forth like a Z: three strokes of 100 pixels.
  async scrub() {
    const { width, height } = await this.viewport();
    const from = Fingers.spread(width / 2 - 50, height / 2, 2);
    const to = from.map(([x, y]) => [x + 100, y]);
    await this.stroke(from, to, 240, [0.5, 1, 0.5, 0, 0.5, 1]);
  }

  async doubleTap() {
    const { width, height } = await this.viewport();
    await this.tap(width / 2, height / 2, { taps: 2 });
  }
}

// The gesture a player makes for a key of the board, as the game's touch screens say them.
function gestureOfKey(fingers, key) {
  switch (key) {
    case 'ArrowLeft': return fingers.swipe('left');
    case 'ArrowRight': return fingers.swipe('right');
    case 'ArrowUp': return fingers.swipe('up');
    case 'ArrowDown': return fingers.swipe('down');
    case 'Space': case 'Control': return fingers.doubleTap();
    case 'Backspace': return fingers.swipe('left', { fingers: 2 });
    case 'KeyB': return fingers.swipe('up', { fingers: 2 });
    case 'KeyG': return fingers.swipe('down', { fingers: 2 });
    case 'KeyA': return fingers.swipe('right', { fingers: 2 });
    case 'KeyP': return fingers.viewport().then(({ width, height }) => fingers.tap(width / 2, height / 2, { fingers: 3 }));
    case 'F2': return fingers.viewport().then(({ width, height }) => fingers.tap(width / 2, height / 2, { fingers: 2, taps: 3 }));
    case 'Escape': return fingers.scrub();
    case 'PageDown': return fingers.swipe('left', { fingers: 3 });
    case 'PageUp': return fingers.swipe('right', { fingers: 3 });
    case 'F8': return fingers.swipe('down', { fingers: 3 });
    default: throw new Error(`no gesture for ${key}`);
  }
}

module.exports = { Fingers, gestureOfKey };
