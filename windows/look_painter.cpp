#include "windows/look_painter.h"

#include "windows/wide_text.h"

#include <algorithm>
#include <cmath>

namespace tintineables {

namespace {

Rgb FromColorRef(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// Pens and brushes made for one drawing and given back after it.
class Drawing {
public:
    explicit Drawing(HDC device) : device_(device), saved_(SaveDC(device)) {}
    ~Drawing() {
        RestoreDC(device_, saved_); // the device's own pen, brush and font back, ours free
        for (HGDIOBJ object : made_) {
            DeleteObject(object);
        }
    }
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    void Pen(Rgb colour, int width) {
        Select(CreatePen(PS_SOLID, std::max(1, width), ToColorRef(colour)));
    }
    void NoPen() { SelectObject(device_, GetStockObject(NULL_PEN)); }
    void Brush(Rgb colour) { Select(CreateSolidBrush(ToColorRef(colour))); }
    void NoBrush() { SelectObject(device_, GetStockObject(NULL_BRUSH)); }
    void Fill(const RECT& area, Rgb colour) {
        HBRUSH brush = CreateSolidBrush(ToColorRef(colour));
        FillRect(device_, &area, brush);
        DeleteObject(brush);
    }
    void Font(int pixels, bool bold) {
        Select(CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Segoe UI"));
    }

private:
    void Select(HGDIOBJ object) {
        SelectObject(device_, object);
        made_.push_back(object);
    }
    HDC device_;
    int saved_;
    std::vector<HGDIOBJ> made_;
};

// The system's message font's height in pixels: the least a name is written in.
int SystemTextPixels() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) &&
        metrics.lfMessageFont.lfHeight != 0) {
        return std::abs(metrics.lfMessageFont.lfHeight);
    }
    return 12;
}

int Thickness(double fraction, int cell) {
    return std::max(Shape::LeastPixels, static_cast<int>(std::lround(fraction * cell)));
}

void Circle(HDC device, int x, int y, int radius) {
    Ellipse(device, x - radius, y - radius, x + radius + 1, y + radius + 1);
}

} // namespace

COLORREF ToColorRef(Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

Palette WindowsPalette() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
        (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0) {
        return SystemPalette(FromColorRef(GetSysColor(COLOR_WINDOW)),
                             FromColorRef(GetSysColor(COLOR_WINDOWTEXT)),
                             FromColorRef(GetSysColor(COLOR_HIGHLIGHT)));
    }
    return HighContrastPalette;
}

RECT CellOf(const RECT& area, int column, int row) {
    const int width = static_cast<int>(area.right - area.left);
    const int height = static_cast<int>(area.bottom - area.top);
    const int cell = std::min(width, height) / 7;
    const int left = static_cast<int>(area.left) + (width - 7 * cell) / 2;
    const int top = static_cast<int>(area.top) + (height - 7 * cell) / 2;
    return {left + (column - 1) * cell, top + (7 - row) * cell, left + column * cell,
            top + (8 - row) * cell};
}

void PaintHole(HDC device, const RECT& cell, HoleLook look, bool centre, bool cursor,
               const Palette& palette) {
    Drawing drawing(device);
    drawing.Fill(cell, palette.board);
    const int size = static_cast<int>(cell.right - cell.left);
    const int x = static_cast<int>(cell.left + cell.right) / 2;
    const int y = static_cast<int>(cell.top + cell.bottom) / 2;
    const int peg = static_cast<int>(Shape::PegRadius * size);
    if (look == HoleLook::WithPeg) {
        drawing.NoPen();
        drawing.Brush(palette.peg);
        Circle(device, x, y, peg);
    } else {
        // A ring inside the peg's outline; the lifted hole also holds a small disc.
        const int line = Thickness(Shape::LineWidth, size);
        drawing.Brush(palette.hole);
        drawing.NoPen();
        Circle(device, x, y, peg);
        drawing.Brush(palette.board);
        Circle(device, x, y, peg - line);
        if (look == HoleLook::Lifted) {
            drawing.Brush(palette.lifted);
            Circle(device, x, y, static_cast<int>(Shape::LiftedRadius * size));
        }
    }
    if (centre) {
        const int half = static_cast<int>(Shape::MarkHalfSide * size);
        drawing.NoBrush();
        drawing.Pen(palette.mark, std::max(2, size / 40));
        Rectangle(device, x - half, y - half, x + half + 1, y + half + 1);
    }
    if (cursor) {
        const int inner = static_cast<int>(Shape::CursorInner * size);
        const int thick = Thickness(Shape::CursorOuter - Shape::CursorInner, size);
        drawing.NoBrush();
        drawing.Pen(palette.cursor, thick);
        Circle(device, x, y, inner + thick / 2);
    }
}

std::vector<RECT> ChoiceRects(const RECT& area, std::size_t count) {
    std::vector<RECT> rects;
    if (count == 0) {
        return rects;
    }
    const int columns = count > 4 ? 2 : 1;
    const int rows = static_cast<int>((count + columns - 1) / columns);
    const int width = static_cast<int>(area.right - area.left);
    const int height = static_cast<int>(area.bottom - area.top);
    const int gap = std::max(4, std::min(width, height) / 80);
    const int boxWidth = (width - gap * (columns + 1)) / columns;
    const int boxHeight = (height - gap * (rows + 1)) / rows;
    for (std::size_t i = 0; i < count; ++i) {
        const int column = static_cast<int>(i) % columns;
        const int row = static_cast<int>(i) / columns;
        const int left = static_cast<int>(area.left) + gap + column * (boxWidth + gap);
        const int top = static_cast<int>(area.top) + gap + row * (boxHeight + gap);
        rects.push_back({left, top, left + boxWidth, top + boxHeight});
    }
    return rects;
}

void PaintChoices(HDC device, const RECT& area, const std::vector<ShownChoice>& choices,
                  const Palette& palette) {
    const std::vector<RECT> rects = ChoiceRects(area, choices.size());
    SetBkMode(device, TRANSPARENT);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const RECT& box = rects[i];
        const int height = static_cast<int>(box.bottom - box.top);
        const int line = std::max(3, height / 24);
        Drawing drawing(device);
        drawing.NoBrush();
        drawing.Pen(palette.text, line);
        RoundRect(device, box.left + line / 2, box.top + line / 2, box.right - line / 2,
                  box.bottom - line / 2, line * 4, line * 4);
        RECT keyBox{box.left, box.top,
                    box.left + std::min(height * 3 / 2, static_cast<int>(box.right - box.left) / 3),
                    box.bottom};
        drawing.Font(std::max(SystemTextPixels(), height * 2 / 5), true);
        SetTextColor(device, ToColorRef(palette.key));
        const std::wstring key = Wide(choices[i].keyLabel);
        DrawTextW(device, key.c_str(), -1, &keyBox, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        drawing.Font(std::max(SystemTextPixels(), height / 4), false);
        SetTextColor(device, ToColorRef(palette.text));
        RECT nameBox{keyBox.right, box.top, box.right - 2 * line, box.bottom};
        const std::wstring name = Wide(choices[i].name);
        DrawTextW(device, name.c_str(), -1, &nameBox, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
}

CaptionBand CaptionBandOf(const RECT& client, Screen screen) {
    return CaptionBandFor(static_cast<int>(client.right - client.left), SystemTextPixels(),
                          screen == Screen::Board ? BoardCaptionLines : SpokenCaptionLines);
}

namespace {

// Picks the largest letters from `from` down to `least` at which the text, word-wrapped, fits
// the lines (the least when none does), and draws it there in that colour.
// Returns the bottom of what it drew.
LONG DrawFitted(HDC device, Drawing& drawing, const RECT& lines, const std::string& words, int from,
                int least, Rgb colour) {
    const std::wstring text = Wide(words);
    for (int pixels = from;; --pixels) {
        drawing.Font(pixels, false);
        RECT needs = lines;
        DrawTextW(device, text.c_str(), -1, &needs, DT_LEFT | DT_WORDBREAK | DT_CALCRECT);
        if (pixels <= least || needs.bottom <= lines.bottom) {
            break;
        }
    }
    SetTextColor(device, ToColorRef(colour));
    RECT within = lines;
    const int height = DrawTextW(device, text.c_str(), -1, &within, DT_LEFT | DT_WORDBREAK);
    return std::min(lines.bottom, lines.top + height);
}

} // namespace

void PaintCaptions(HDC device, const RECT& band, const FormLook& look, const Palette& palette) {
    const CaptionBand size = CaptionBandOf(band, look.screen);
    Drawing drawing(device);
    drawing.Fill(band, palette.board);
    SetBkMode(device, TRANSPARENT);
    const int margin = size.linePixels / 3;
    if (look.screen != Screen::Board) {
        // The sentence being said in up to four lines, the next one right below it, smaller.
        const RECT saying{band.left + margin, band.top, band.right - margin,
                          band.top + size.linePixels * (SpokenCaptionLines - 2)};
        const LONG said = DrawFitted(device, drawing, saying, look.caption, size.letterPixels,
                                     size.leastPixels, palette.text);
        const RECT next{band.left + margin, said + margin, band.right - margin, band.bottom};
        DrawFitted(device, drawing, next, look.nextCaption, size.leastPixels, size.leastPixels,
                   palette.mark);
        return;
    }
    RECT status{band.left + margin, band.top, band.right - margin, band.top + size.linePixels};
    drawing.Font(size.letterPixels, true);
    SetTextColor(device, ToColorRef(palette.key));
    const std::wstring statusText = Wide(look.status);
    DrawTextW(device, statusText.c_str(), -1, &status, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    const RECT lines{band.left + margin, status.bottom, band.right - margin, band.bottom};
    DrawFitted(device, drawing, lines, look.caption, size.letterPixels, size.leastPixels,
               palette.text);
}

void PaintButton(HDC device, const RECT& face, const std::wstring& caption, bool focused,
                 const Palette& palette) {
    Drawing drawing(device);
    drawing.Fill(face, palette.board);
    const int line = focused ? 5 : 3;
    drawing.NoBrush();
    drawing.Pen(focused ? palette.cursor : palette.text, line);
    Rectangle(device, face.left + line / 2, face.top + line / 2, face.right - line / 2,
              face.bottom - line / 2);
    drawing.Font(std::max(SystemTextPixels(), static_cast<int>(face.bottom - face.top) / 3), false);
    SetBkMode(device, TRANSPARENT);
    SetTextColor(device, ToColorRef(palette.text));
    RECT text = face;
    DrawTextW(device, caption.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

} // namespace tintineables
