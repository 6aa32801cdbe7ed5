#pragma once
// What the desktop's windows show a sighted player (game/look.h), drawn with QPainter: a hole in
// its cell of the cross, the spoken screens' keys as large buttons, in the game's high-contrast
// colours or the desktop's own where the player chose a high-contrast theme.
#include "game/look.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRect>

#include <optional>
#include <vector>

namespace tintineables {

// The colours to draw in: the desktop's palette when it is high contrast and not merely Qt's
// own default (a theme the player chose), else the game's.
Palette DesktopPalette();

QColor ToQColor(Rgb colour);

// A hole in its cell: its state by shape, the centre's square, the cursor's ring.
void PaintHole(QPainter& painter, const QRectF& cell, HoleLook look, bool centre, bool cursor,
               const Palette& palette);

// Where each choice's button stands in an area: rows of two, filling it.
std::vector<QRect> ChoiceRects(const QRect& area, std::size_t count);

// The choices as buttons: a frame, the key large, what it does under it. `font`: the desktop's,
// whose size the names never go under (the player's text scaling).
void PaintChoices(QPainter& painter, const QRect& area, const std::vector<ShownChoice>& choices,
                  const Palette& palette, const QFont& font);

// The captions in their band (CaptionBand). The board's: the status line in the keys' colour,
// the caption in the text's, in two lines. A spoken screen's: the sentence being said in the
// text's colour, in four lines, the next one in two in the mark's, at the least size. A long
// caption's letters are made smaller, down to 1.5 times `font`'s and no further.
void PaintCaptions(QPainter& painter, const QRect& area, const CaptionBand& band,
                   const FormLook& look, const Palette& palette, const QFont& font);

// The cell of each of the 49 places of the cross in an area, the cross as large as it fits and
// centred: column 1..7 from the left, row 1..7 from the bottom.
QRectF CellOf(const QRect& area, int column, int row);

} // namespace tintineables
