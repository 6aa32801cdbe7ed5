// The sound of the page: one Web Audio player for each form, each playing the recordings the
// page decoded once when it loaded. A sound on a player cuts what that player sounded, and
// never another player's; recordings joined in one name ("voz_quedan.wav+voz_32.wav") play
// back to back with a pause between them, as a speaker pauses between words. The player's own
// sound holds for every sound started: the speech and the earcons each at their loudness, and
// the speech at its pace, made again on a worker of its own (pace_worker.js) when the pace
// changes, the shortest first.

const JoinedPause = 70; // milliseconds, as the desktop's players pause
const Separator = '+';

// A part of a joined name, as every player of the game reads it (sound/joined_parts.h):
// "name.wav@-27#20" is the recording placed a little left (-100 the left ear alone, 100 the
// right), 20 ms after the part before it; without "@" it plays as recorded, without "#" after
// the words' pause (the first part at once). Null for a part written wrong.
function readPart(text, first) {
  const match = /^([^@#]+)(?:@(-?\d+))?(?:#(\d+))?$/.exec(text);
  if (!match) {
    return null;
  }
  const place = match[2] === undefined ? null : Number(match[2]);
  const pause = match[3] === undefined ? (first ? 0 : JoinedPause) : Number(match[3]);
  if ((place !== null && Math.abs(place) > 100) || pause > 2000) {
    return null;
  }
  return { name: match[1], place, pause };
}

// Each ear's gain for a place, by the equal-power law; unplaced, both as recorded.
function earGains(place) {
  if (place === null) {
    return [1, 1];
  }
  const angle = ((place + 100) / 200) * (Math.PI / 2);
  return [Math.cos(angle), Math.sin(angle)];
}

// A worker that makes the speech at a pace (pace_worker.js), one recording at a time, in the
// order asked.
class Pacer {
  constructor() {
    this.worker = new Worker('pace_worker.js');
    this.waiting = []; // { done, buffer } of each recording asked, the oldest first
    this.worker.onmessage = ({ data: [, samples] }) => this.waiting.shift().done(samples);
    // A worker that fails (no memory for the tutorial's samples): the recording at its own pace,
    // rather than a sound that never comes.
    this.worker.onerror = (event) => {
      event.preventDefault();
      console.error(`the speech at another pace: ${event.message}`);
      const { done, buffer } = this.waiting.shift();
      done(buffer.getChannelData(0));
    };
  }

  // A promise of the buffer's samples `pace` times faster.
  pace(buffer, pace) {
    return new Promise((done) => {
      const samples = buffer.getChannelData(0).slice();
      this.waiting.push({ done, buffer });
      this.worker.postMessage(['', samples, buffer.sampleRate, pace], [samples.buffer]);
    });
  }

  end() {
    this.worker.terminate();
  }
}

// The recordings, each decoded once into the context that plays them. A long one may still be
// decoding when the page is ready (the tutorial takes a second): a sound that needs it waits
// for it, and only it. The same for the speech at a new pace: every spoken recording is made
// again behind the game's back, the shortest first, on one worker; one that a sound needs before
// its turn is made at once on a second worker, never behind the minutes of the tutorial.
export class Recordings {
  constructor(context) {
    this.context = context;
    this.buffers = new Map(); // name -> AudioBuffer
    this.decoding = new Map(); // name -> Promise of the AudioBuffer
    this.speech = new Set(); // the names of the spoken recordings
    this.pace = 1;
    this.paced = new Map(); // name -> AudioBuffer of the speech at this.pace
    this.making = new Map(); // name -> Promise of its AudioBuffer at this.pace, once asked
    this.toPace = []; // names, the next first
    this.behind = null; // the Pacer that makes them all in turn, and whether it is making one
    this.behindBusy = false;
    this.atOnce = null; // the Pacer for those a sound waits for
  }

  // Decodes a recording's bytes (a promise of them); the promise settles once it is decoded.
  add(name, bytes, spoken = false, decode = (data) => this.context.decodeAudioData(data)) {
    if (spoken) {
      this.speech.add(name);
    }
    const decoded = Promise.resolve(bytes).then(decode).then((buffer) => {
      this.buffers.set(name, buffer);
      this.decoding.delete(name);
      return buffer;
    });
    this.decoding.set(name, decoded);
    return decoded;
  }

  has(name) {
    return this.buffers.has(name) || this.decoding.has(name);
  }

  // The recording as it sounds now, once it is: decoded, and for speech at another pace made
  // again at it; null when it is not ready yet.
  heard(name) {
    if (this.pace !== 1 && this.speech.has(name)) {
      return this.paced.get(name) ?? null;
    }
    return this.buffers.get(name) ?? null;
  }

  // A promise of heard(name): a recording wanted now and not under way is made at once.
  whenHeard(name) {
    const decoded = this.buffers.get(name) ?? this.decoding.get(name);
    if (this.pace === 1 || !this.speech.has(name) || this.paced.has(name)) {
      return Promise.resolve(decoded).then(() => this.heard(name));
    }
    if (!this.making.has(name)) {
      this.toPace = this.toPace.filter((other) => other !== name);
      this.atOnce ??= new Pacer();
      this.make(name, this.atOnce);
    }
    return this.making.get(name);
  }

  // Every spoken recording at a pace, the shortest first. What was made, or was being made, at
  // the pace before is let go, its workers with it.
  setPace(pace) {
    if (pace === this.pace) {
      return;
    }
    this.pace = pace;
    this.paced = new Map();
    this.making = new Map();
    this.behind?.end();
    this.atOnce?.end();
    this.behind = this.atOnce = null;
    this.behindBusy = false;
    const length = (name) => this.buffers.get(name)?.length ?? Infinity;
    this.toPace = pace === 1 ? [] : [...this.speech].sort((a, b) => length(a) - length(b));
    this.paceNext();
  }

  paceNext() {
    if (this.behindBusy || this.toPace.length === 0) {
      return;
    }
    const name = this.toPace.shift();
    this.behindBusy = true;
    this.behind ??= new Pacer();
    const pacer = this.behind;
    this.make(name, pacer).then(() => {
      if (this.behind === pacer) { // the pace has not changed since
        this.behindBusy = false;
        this.paceNext();
      }
    });
  }

  // A promise of the recording at this pace, made by `pacer`.
  make(name, pacer) {
    const { pace, paced } = this;
    const made = Promise.resolve(this.buffers.get(name) ?? this.decoding.get(name))
      .then((buffer) => pacer.pace(buffer, pace).then((samples) => {
        const buffered = this.context.createBuffer(1, Math.max(1, samples.length), buffer.sampleRate);
        buffered.copyToChannel(samples, 0);
        paced.set(name, buffered);
        return buffered;
      }));
    this.making.set(name, made);
    return made;
  }
}

// What one call of the game asks of the players is done together, when the call returns: first
// every sound that stops, then every sound that starts. The browser's audio thread takes each
// change as it comes, and on a busy machine renders many blocks in one go: a sound started
// before another was stopped (a form shown, then the form it replaced unloaded) would sound over
// the old one for that long, tens of milliseconds.
export class Players {
  constructor(recordings) {
    this.recordings = recordings;
    this.context = recordings.context;
    this.players = new Map(); // id -> { sources, sound: a number for each play, to know it by }
    this.nextId = 1;
    this.starting = []; // [player, sound, parts, from] to start once the game's call returns
    this.waited = 0;
    this.speechGain = 1;
    this.cueGain = 1;
  }

  // The player's own sound, for every sound started from now on.
  setSound({ pace, speechDb, cueDb }) {
    this.speechGain = 10 ** (speechDb / 20);
    this.cueGain = 10 ** (cueDb / 20);
    this.recordings.setPace(pace);
  }

  create() {
    const id = this.nextId++;
    this.players.set(id, { sources: [], sound: 0 });
    return id;
  }

  free(id) {
    this.stop(id);
    this.players.delete(id);
  }

  // Starts at once, `from` seconds into the first recording (in its own seconds); what this
  // player sounded stops.
  play(id, files, from = 0) {
    const parts = files.split(Separator).map((text, index) => readPart(text, index === 0));
    parts.forEach((part, index) => {
      if (!part || !this.recordings.has(part.name)) {
        throw new Error(`no recording ${files.split(Separator)[index]}`);
      }
    });
    const names = parts.map(({ name }) => name);
    this.stop(id);
    const player = this.players.get(id);
    const sound = ++player.sound;
    if (names.every((name) => this.recordings.heard(name))) {
      if (this.starting.length === 0) {
        queueMicrotask(() => this.startWhatWasPlayed());
      }
      this.starting.push([player, sound, parts, from]);
      return;
    }
    if (!names.every((name) => this.recordings.buffers.has(name))) {
      // A sound that waits for its recording to be decoded: counted, for the tests
      // (window.tintineablesWaited).
      globalThis.tintineablesWaited = ++this.waited;
    }
    Promise.all(names.map((name) => this.recordings.whenHeard(name))).then(() => {
      if (player.sound === sound && this.players.get(id) === player) {
        this.start(player, parts, from); // unless another sound, or the form's end, came first
      }
    }, () => {});
  }

  startWhatWasPlayed() {
    const starting = this.starting;
    this.starting = [];
    for (const [player, sound, parts, from] of starting) {
      if (player.sound === sound) {
        this.start(player, parts, from); // unless the player was stopped or played again since
      }
    }
  }

  // At once, from `from` on in the first recording, at its loudness. Recordings joined in one
  // name are first laid end to end in one buffer with their pauses: started apart, each at its
  // time by the audio clock, the first would start as late as the audio thread takes the call
  // and the pause after it would shrink by as much (9 ms on a busy machine).
  start(player, parts, from) {
    const first = parts[0].name;
    const single = parts.length === 1 && parts[0].place === null && parts[0].pause === 0;
    const speech = this.recordings.speech.has(first);
    const pace = speech ? this.recordings.pace : 1;
    const buffer = single ? this.recordings.heard(first) : this.joined(parts);
    const source = this.context.createBufferSource();
    source.buffer = buffer;
    const gain = this.context.createGain();
    gain.gain.value = !single ? 1 : speech ? this.speechGain : this.cueGain;
    source.connect(gain).connect(this.context.destination);
    const firstLength = this.recordings.heard(first).duration;
    player.heard = { at: this.context.currentTime, from, pace, length: firstLength * pace };
    source.start(0, Math.min(from / pace, firstLength));
    player.sources = [source];
    player.single = single;
  }

  // One buffer of the recordings one after another, each after its pause, at its loudness and
  // in its place; in two channels when any part is placed.
  joined(parts) {
    const laid = parts.map(({ name, place, pause }) => ({
      buffer: this.recordings.heard(name),
      gain: this.recordings.speech.has(name) ? this.speechGain : this.cueGain,
      ears: earGains(place),
      pause,
    }));
    const { sampleRate } = laid[0].buffer;
    const pauseOf = ({ pause }) => Math.round((pause / 1000) * sampleRate);
    const length = laid.reduce((sum, part) => sum + pauseOf(part) + part.buffer.length, 0);
    const placed = parts.some(({ place }) => place !== null);
    const channels = Math.max(placed ? 2 : 1, ...laid.map(({ buffer }) => buffer.numberOfChannels));
    const joined = this.context.createBuffer(channels, length, sampleRate);
    for (let channel = 0; channel < channels; ++channel) {
      const out = joined.getChannelData(channel);
      let at = 0;
      for (const part of laid) {
        const { buffer } = part;
        const gain = part.gain * (channel < 2 ? part.ears[channel] : 1);
        at += pauseOf(part);
        const samples = buffer.getChannelData(Math.min(channel, buffer.numberOfChannels - 1));
        for (let index = 0; index < samples.length; ++index) {
          out[at + index] = samples[index] * gain;
        }
        at += samples.length;
      }
    }
    return joined;
  }

  // Stops what the player sounds; how far into its recording (in the recording's own seconds) a
  // single recording cut short had got, or -1.
  stop(id) {
    const player = this.players.get(id);
    if (!player) {
      return -1;
    }
    ++player.sound;
    const cut = this.position(id);
    for (const source of player.sources) {
      source.stop();
      source.disconnect();
    }
    player.sources = [];
    return cut;
  }

  // How far into its recording (in the recording's own seconds) the player's single recording
  // has got, or -1 when it sounds nothing, or recordings joined.
  position(id) {
    const player = this.players.get(id);
    if (!player || !player.single || player.sources.length === 0 || !player.heard) {
      return -1;
    }
    const { at, from, pace, length } = player.heard;
    const reached = from + Math.max(0, this.context.currentTime - at) * pace;
    return reached < length ? reached : -1;
  }

  stopAll() {
    for (const id of this.players.keys()) {
      this.stop(id);
    }
  }
}
