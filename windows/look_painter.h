#pragma once
// What the Windows edition's windows show a sighted player (game/look.h), drawn with GDI: a hole
// in its cell of the cross, the spoken screens' keys as large buttons, Command9's face; in the
// game's high-contrast colours, or the system's where the player turned high contrast on.
#include "game/look.h"

#include <windows.h>

#include <string>
#include <vector>

namespace tintineables {

// The system's colours when high contrast is on (SPI_GETHIGHCONTRAST), else the game's.
Palette WindowsPalette();

// The cell of a place of the cross in a client area, the cross as large as fits, centred.
RECT CellOf(const RECT& area, int column, int row);

void PaintHole(HDC device, const RECT& cell, HoleLook look, bool centre, bool cursor,
               const Palette& palette);

// Where each choice's button stands in an area: rows of two, filling it.
std::vector<RECT> ChoiceRects(const RECT& area, std::size_t count);

// The choices as buttons: a frame, the key large, what it does beside it; never smaller than
// the system's own message font (the player's text size).
void PaintChoices(HDC device, const RECT& area, const std::vector<ShownChoice>& choices,
                  const Palette& palette);

// The captions band (CaptionBand, of the area's width). The board's: the status line in the
// keys' colour, the caption in the text's, in two lines. A spoken screen's: the sentence being
// said in the text's colour, in four lines, the next one in two in the mark's. A long caption's
// letters are made smaller, down to 1.5 times the system's text and no further.
CaptionBand CaptionBandOf(const RECT& client, Screen screen);
void PaintCaptions(HDC device, const RECT& band, const FormLook& look, const Palette& palette);

// A push button's face in the same colours: a thick frame, the cursor's colour when focused.
void PaintButton(HDC device, const RECT& face, const std::wstring& caption, bool focused,
                 const Palette& palette);

COLORREF ToColorRef(Rgb colour);

} // namespace tintineables
