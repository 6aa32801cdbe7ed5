// The C++ game's calls of the page (page_calls.h), as emscripten links them: each hands its
// arguments, as JavaScript values, to the page object the page gave the module (Module.page).
mergeInto(LibraryManager.library, {
  tintineables_page_load_form: function (screen, formName, title) {
    Module.page.loadForm(screen, UTF8ToString(formName), UTF8ToString(title));
  },
  tintineables_page_add_control: function (screen, id, name, kind, left, top, width, height,
                                           visible, tabStop, caption, accessibleName) {
    Module.page.addControl(screen, {
      id, name: UTF8ToString(name), kind, left, top, width, height,
      visible: visible !== 0, tabStop: tabStop !== 0,
      caption: UTF8ToString(caption), accessibleName: UTF8ToString(accessibleName),
    });
  },
  tintineables_page_show_form: function (screen, focus) {
    Module.page.showForm(screen, focus);
  },
  tintineables_page_unload_form: function (screen) {
    Module.page.unloadForm(screen);
  },
  tintineables_page_set_focus: function (screen, control) {
    Module.page.setFocus(screen, control);
  },
  tintineables_page_look: function (screen, curtain, cursor, holes, choices, captioned, status, caption,
                                   nextCaption) {
    Module.page.look(screen, {
      curtain: curtain !== 0, cursor, holes: UTF8ToString(holes),
      captioned: captioned !== 0, status: UTF8ToString(status), caption: UTF8ToString(caption),
      nextCaption: UTF8ToString(nextCaption),
      choices: UTF8ToString(choices).split('\n').filter(Boolean).map((line) => {
        const [key, keyLabel, name] = line.split('\t');
        return { key: Number(key), keyLabel, name };
      }),
    });
  },
  tintineables_page_new_player: function () {
    return Module.page.newPlayer();
  },
  tintineables_page_play: function (player, files, fromSeconds) {
    Module.page.play(player, UTF8ToString(files), fromSeconds);
  },
  tintineables_page_stop: function (player) {
    return Module.page.stop(player);
  },
  tintineables_page_position: function (player) {
    return Module.page.position(player);
  },
  tintineables_page_sound: function (rate, pace, speechDb, cueDb, stereoArrivals) {
    Module.page.sound({ rate, pace, speechDb, cueDb, stereoArrivals: stereoArrivals !== 0 });
  },
  tintineables_page_free_player: function (player) {
    Module.page.freePlayer(player);
  },
  tintineables_page_ask_solver: function (kind, pegsLow, pegsHigh, nearHole, startLow, startHigh, id) {
    Module.page.askSolver([kind, pegsLow >>> 0, pegsHigh >>> 0, nearHole, startLow >>> 0, startHigh >>> 0, id >>> 0]);
  },
  tintineables_page_tell: function (screen, control, text, now) {
    Module.page.tell(screen, control, UTF8ToString(text), now !== 0);
  },
  tintineables_page_translate: function (text) {
    return allocateUTF8(Module.page.translate(UTF8ToString(text)));
  },
  tintineables_page_report_error: function (message) {
    Module.page.reportError(UTF8ToString(message));
  },
  tintineables_page_end: function (status) {
    Module.page.end(status);
  },
});
