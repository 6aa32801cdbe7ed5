#pragma once
// What the game's C++ asks of the page, the browser's half of the host (page.js). Each is a
// JavaScript function of host_library.js, which hands it on to the page.
#include <cstdint>

extern "C" {

// A form's window and its controls (ids and kinds as game/controls.h and ControlKind have them),
// built hidden; then shown with the focus on a control (-1: the window itself); then destroyed.
void tintineables_page_load_form(int screen, const char* formName, const char* title);
void tintineables_page_add_control(int screen, int id, const char* name, int kind, int left,
                                   int top, int width, int height, int visible, int tabStop,
                                   const char* caption, const char* accessibleName);
void tintineables_page_show_form(int screen, int focus);
void tintineables_page_unload_form(int screen);
void tintineables_page_set_focus(int screen, int control);
// What a form shows a sighted player (GameHost::ShowLook): the curtain, the cursor's hole (0:
// none), each hole's state a letter, Picture1 first ('p' a peg, 'e' empty, 'l' lifted), and the
// choices, one a line: the key, a tab, its label, a tab, what it does; on the board, whether
// it shows its captions, its status line and its caption; on a spoken screen, whether it
// shows its recording's words, the sentence being said and the next one.
void tintineables_page_look(int screen, int curtain, int cursor, const char* holes,
                            const char* choices, int captioned, const char* status,
                            const char* caption, const char* nextCaption);

// A player of its own for a form; play a sound (recordings joined by '+') on it, the first
// `fromSeconds` into it (in its own seconds), cutting what it sounded; stop it, and say how far a
// single recording cut short had got (in its own seconds; -1: none); say how far the single
// recording it sounds has got, without stopping it (-1: none); give it back.
int tintineables_page_new_player(void);
void tintineables_page_play(int player, const char* files, double fromSeconds);
double tintineables_page_stop(int player);
double tintineables_page_position(int player);
void tintineables_page_free_player(int player);
// The player's own sound for every sound from now on: the speech's pace (times the recordings'
// own), its loudness and the earcons' (dB); the page keeps them for the next visit.
void tintineables_page_sound(int rate, double pace, int speechDb, int cueDb, int stereoArrivals);

// A question of the solver that needs a search, for the page's worker (kind, the position and the
// game's start as two halves of their bits, the cursor's hole, an id); the answer comes back
// through tintineables_solver_answered (page_entry.cpp).
void tintineables_page_ask_solver(int kind, unsigned pegsLow, unsigned pegsHigh, int nearHole,
                                  unsigned startLow, unsigned startHigh, unsigned id);

// Words for a screen reader and a braille display, in the board's text mode: a control's name,
// said at once when `now` or when the control is a hole (GameHost::Tell).
void tintineables_page_tell(int screen, int control, const char* text, int now);

// A text of the design data in the page's language, as a string the caller frees.
char* tintineables_page_translate(const char* text);

// A run-time error, for the player; the end of the game with a status.
void tintineables_page_report_error(const char* message);
void tintineables_page_end(int status);
}
