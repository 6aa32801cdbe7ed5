// What a phone gives a game beside its sound, each where the browser has it: the screen kept on
// while a game is open (Screen Wake Lock), a short vibration on the edge of the cross and on a
// refusal (off by the setting beside the first element, which the browser remembers), and on an
// iPhone sound that plays with the silent switch on (Safari's Audio Session API).
const VibrateMilliseconds = 40;
const VibrateSetting = 'tintineables-vibrate';

export class PhoneAids {
  // `felt`: the recordings a phone also gives as a vibration; `setting`: the checkbox that turns
  // the vibration off, with its label's text, shown on a touch screen that can vibrate.
  constructor(felt, setting, label, touchScreen) {
    this.felt = felt;
    this.setting = setting;
    this.lock = null;
    this.asking = false;
    this.playing = false;
    // A sound that plays as media, not as a ringer's sound that the silent switch mutes.
    if (navigator.audioSession) {
      navigator.audioSession.type = 'playback';
    }
    this.canVibrate = typeof navigator.vibrate === 'function';
    this.touchScreen = touchScreen;
    if (setting) {
      setting.checked = localStorage.getItem(VibrateSetting) !== 'off';
      setting.addEventListener('change', () => {
        localStorage.setItem(VibrateSetting, setting.checked ? 'on' : 'off');
      });
      setting.closest('label').querySelector('span').textContent = label;
    }
    document.addEventListener('visibilitychange', () => {
      // The browser lets the lock go when the page is hidden; it is taken again on return.
      if (document.visibilityState === 'visible' && this.playing) {
        this.keepScreenOn();
      }
    });
  }

  showSetting() {
    if (this.setting) {
      this.setting.closest('label').hidden = !(this.canVibrate && this.touchScreen);
    }
  }

  gameStarted() {
    this.playing = true;
    if (this.setting) {
      this.setting.closest('label').hidden = true;
    }
    this.keepScreenOn();
  }

  gameEnded() {
    this.playing = false;
    this.lock?.release().catch(() => {});
    this.lock = null;
  }

  keepScreenOn() {
    if (!navigator.wakeLock || this.lock || this.asking) {
      return;
    }
    this.asking = true;
    navigator.wakeLock.request('screen').then((lock) => {
      this.asking = false;
      this.lock = lock;
      lock.addEventListener('release', () => { this.lock = null; });
      if (!this.playing) {
        lock.release().catch(() => {});
      }
    }).catch(() => { this.asking = false; }); // refused (no lock here, a low battery): the screen is the system's
  }

  // A sound the game started: its first recording felt as well as heard.
  played(files) {
    const first = files.split('+')[0];
    if (this.canVibrate && this.felt.has(first) && (this.setting?.checked ?? true)) {
      navigator.vibrate(VibrateMilliseconds);
    }
  }
}
