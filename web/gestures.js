// The player's fingers on a phone, read as gestures: taps (a double or a triple tap is counted
// as it comes), swipes along one axis, and a two-finger scrub. The page hands each to the game,
// which decides the key it stands for; a gesture the reader cannot call one of these (a short or
// slanting swipe, a finger resting) is nothing at all, so a slip does nothing.
//
// The reader takes every touch on the page while the game runs: the browser then neither zooms
// on a double tap, nor scrolls, selects or opens a menu on a long press. A phone's screen reader
// keeps its own gestures, and sends no touches here: what it activates comes as a click.

export const GestureKind = { Tap: 0, Swipe: 1, Scrub: 2 };
export const Way = { None: 0, Left: 1, Up: 2, Right: 3, Down: 4 };

// In CSS pixels and milliseconds, near what VoiceOver and TalkBack accept for their own.
const TapDrift = 15; // how far a finger may move in a tap
const TapLongest = 350; // how long a tap may last
const TapsApart = 450; // from the end of one tap to the start of the next in a double tap
const TapsNear = 60; // how far apart two taps of a double tap may be
const SwipeShortest = 40; // how far the fingers go in a swipe
const SwipeLongest = 1000;
const Straightness = 2; // a swipe goes at least twice as far along its axis as across it
const ScrubLeg = 30; // each stroke of a scrub, back or forth
const ScrubLegs = 3; // back, forth and back: a Z

export class GestureReader {
  // `onGesture({ kind, fingers, taps, way, band })`; band: the third of the screen a tap was in.
  constructor(onGesture) {
    this.onGesture = onGesture;
    this.current = null; // the gesture under way: from the first finger down to the last up
    this.lastTap = null; // { fingers, taps, x, y, at }
    this.listeners = ['touchstart', 'touchmove', 'touchend', 'touchcancel'].map((type) => [type, (event) => this.touch(event)]);
  }

  attach() {
    for (const [type, listener] of this.listeners) {
      document.addEventListener(type, listener, { passive: false, capture: true });
    }
  }

  detach() {
    for (const [type, listener] of this.listeners) {
      document.removeEventListener(type, listener, { capture: true });
    }
    this.current = null;
    this.lastTap = null;
  }

  forgetTaps() {
    this.lastTap = null;
  }

  touch(event) {
    event.preventDefault();
    const now = event.timeStamp;
    if (event.type === 'touchstart') {
      this.current ??= { start: now, fingers: new Map(), path: [], cancelled: false };
    }
    const gesture = this.current;
    if (!gesture) {
      return;
    }
    for (const touch of event.changedTouches) {
      const finger = gesture.fingers.get(touch.identifier);
      if (finger) {
        finger.x = touch.clientX;
        finger.y = touch.clientY;
      } else if (event.type === 'touchstart') {
        gesture.fingers.set(touch.identifier, { x0: touch.clientX, y0: touch.clientY, x: touch.clientX, y: touch.clientY, drift: 0 });
      }
    }
    for (const finger of gesture.fingers.values()) {
      finger.drift = Math.max(finger.drift, Math.hypot(finger.x - finger.x0, finger.y - finger.y0));
    }
    gesture.path.push(centre(gesture.fingers));
    if (event.type === 'touchcancel') {
      gesture.cancelled = true; // the system took the touch (a call, a notification)
    }
    if (event.touches.length === 0) {
      this.current = null;
      if (!gesture.cancelled) {
        this.finish(gesture, now);
      }
    }
  }

  finish(gesture, now) {
    const fingers = gesture.fingers.size;
    const lasted = now - gesture.start;
    const fingerList = [...gesture.fingers.values()];
    const start = { x: mean(fingerList.map((f) => f.x0)), y: mean(fingerList.map((f) => f.y0)) };
    const dx = mean(fingerList.map((f) => f.x - f.x0));
    const dy = mean(fingerList.map((f) => f.y - f.y0));
    const drift = Math.max(...fingerList.map((f) => f.drift));
    if (fingers >= 2 && strokes(gesture.path) >= ScrubLegs) {
      this.lastTap = null;
      this.onGesture({ kind: GestureKind.Scrub, fingers, taps: 0, way: Way.None, band: 0 });
      return;
    }
    if (drift <= TapDrift && lasted <= TapLongest) {
      const last = this.lastTap;
      const again = last && last.fingers === fingers && gesture.start - last.at <= TapsApart &&
        Math.hypot(start.x - last.x, start.y - last.y) <= TapsNear;
      const taps = again ? last.taps + 1 : 1;
      this.lastTap = { fingers, taps, x: start.x, y: start.y, at: now };
      const band = Math.min(2, Math.max(0, Math.floor((3 * start.y) / window.innerHeight)));
      this.onGesture({ kind: GestureKind.Tap, fingers, taps, way: Way.None, band });
      return;
    }
    this.lastTap = null;
    const along = Math.max(Math.abs(dx), Math.abs(dy));
    const across = Math.min(Math.abs(dx), Math.abs(dy));
    // Every finger the same way: two fingers pinching or turning are no swipe.
    const together = fingerList.every((f) => (Math.abs(dx) >= Math.abs(dy)
      ? Math.sign(f.x - f.x0) === Math.sign(dx) && Math.abs(f.x - f.x0) >= SwipeShortest / 2
      : Math.sign(f.y - f.y0) === Math.sign(dy) && Math.abs(f.y - f.y0) >= SwipeShortest / 2));
    if (along >= SwipeShortest && along >= Straightness * across && lasted <= SwipeLongest && together) {
      const way = Math.abs(dx) >= Math.abs(dy) ? (dx < 0 ? Way.Left : Way.Right) : (dy < 0 ? Way.Up : Way.Down);
      this.onGesture({ kind: GestureKind.Swipe, fingers, taps: 0, way, band: 0 });
    }
  }
}

function mean(values) {
  return values.reduce((sum, value) => sum + value, 0) / values.length;
}

function centre(fingers) {
  const list = [...fingers.values()];
  return { x: mean(list.map((f) => f.x)), y: mean(list.map((f) => f.y)) };
}

// The strokes of a path side to side: each a run one way of at least ScrubLeg pixels.
function strokes(path) {
  if (path.length === 0) return 0;
  let count = 0;
  let way = 0; // of the stroke under way: -1 left, 1 right
  const start = path[0].x;
  let far = start; // the furthest the stroke under way has gone
  for (const { x } of path) {
    if (way === 0) {
      if (Math.abs(x - start) >= ScrubLeg) {
        way = Math.sign(x - start);
        far = x;
        count = 1;
      }
    } else if ((x - far) * way > 0) {
      far = x;
    } else if ((far - x) * way >= ScrubLeg) {
      // Turned back far enough: a new stroke, from the furthest point of the last.
      far = x;
      way = -way;
      count += 1;
    }
  }
  return count;
}
