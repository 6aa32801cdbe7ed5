#include "screens/look_painter.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace tintineables {

namespace {

Rgb FromQColor(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

// A line at least Shape::LeastPixels thick, however small the cell.
double Thickness(double fraction, double cell) {
    return std::max<double>(Shape::LeastPixels, fraction * cell);
}

} // namespace

QColor ToQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

Palette DesktopPalette() {
    const QPalette desktop = QApplication::palette();
    const QPalette standard = QApplication::style()->standardPalette();
    const auto window = FromQColor(desktop.color(QPalette::Window));
    const auto text = FromQColor(desktop.color(QPalette::WindowText));
    const bool chosen = desktop.color(QPalette::Window) != standard.color(QPalette::Window) ||
                        desktop.color(QPalette::WindowText) != standard.color(QPalette::WindowText);
    if (chosen && IsHighContrast(window, text)) {
        return SystemPalette(window, text, FromQColor(desktop.color(QPalette::Highlight)));
    }
    return HighContrastPalette;
}

QRectF CellOf(const QRect& area, int column, int row) {
    const double cell = std::min(area.width(), area.height()) / 7.0;
    const double left = area.left() + (area.width() - 7 * cell) / 2;
    const double top = area.top() + (area.height() - 7 * cell) / 2;
    return {left + (column - 1) * cell, top + (7 - row) * cell, cell, cell};
}

void PaintHole(QPainter& painter, const QRectF& cell, HoleLook look, bool centre, bool cursor,
               const Palette& palette) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(cell, ToQColor(palette.board));
    const QPointF middle = cell.center();
    const double size = cell.width();
    const double line = Thickness(Shape::LineWidth, size);
    painter.setPen(Qt::NoPen);
    if (look == HoleLook::WithPeg) {
        painter.setBrush(ToQColor(palette.peg));
        const double r = Shape::PegRadius * size;
        painter.drawEllipse(middle, r, r);
    } else {
        // A ring, its line inside the peg's outline: an empty hole, or the one a peg was lifted
        // from, which also holds a small disc.
        const double r = Shape::PegRadius * size - line / 2;
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(ToQColor(palette.hole), line));
        painter.drawEllipse(middle, r, r);
        painter.setPen(Qt::NoPen);
        if (look == HoleLook::Lifted) {
            painter.setBrush(ToQColor(palette.lifted));
            const double lifted = Shape::LiftedRadius * size;
            painter.drawEllipse(middle, lifted, lifted);
        }
    }
    if (centre) {
        const double half = Shape::MarkHalfSide * size;
        const double mark = std::max(2.0, size / 40);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(ToQColor(palette.mark), mark));
        painter.drawRect(QRectF(middle.x() - half, middle.y() - half, 2 * half, 2 * half));
    }
    if (cursor) {
        const double inner = Shape::CursorInner * size;
        const double thick = Thickness(Shape::CursorOuter - Shape::CursorInner, size);
        const double r = inner + thick / 2;
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(ToQColor(palette.cursor), thick));
        painter.drawEllipse(middle, r, r);
    }
}

std::vector<QRect> ChoiceRects(const QRect& area, std::size_t count) {
    std::vector<QRect> rects;
    if (count == 0) {
        return rects;
    }
    const int columns = count > 4 ? 2 : 1;
    const int rows = static_cast<int>((count + columns - 1) / columns);
    const int gap = std::max(4, std::min(area.width(), area.height()) / 80);
    const int width = (area.width() - gap * (columns + 1)) / columns;
    const int height = (area.height() - gap * (rows + 1)) / rows;
    for (std::size_t i = 0; i < count; ++i) {
        const int column = static_cast<int>(i) % columns;
        const int row = static_cast<int>(i) / columns;
        rects.emplace_back(area.left() + gap + column * (width + gap),
                           area.top() + gap + row * (height + gap), width, height);
    }
    return rects;
}

void PaintChoices(QPainter& painter, const QRect& area, const std::vector<ShownChoice>& choices,
                  const Palette& palette, const QFont& font) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    const std::vector<QRect> rects = ChoiceRects(area, choices.size());
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const QRect& box = rects[i];
        const double line = std::max(3, box.height() / 24);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(ToQColor(palette.text), line));
        painter.drawRoundedRect(QRectF(box).adjusted(line / 2, line / 2, -line / 2, -line / 2),
                                line * 2, line * 2);
        // The key on the left, a square of the button's height; what it does beside it.
        QFont keyFont = font;
        keyFont.setBold(true);
        keyFont.setPixelSize(std::max(QFontInfo(font).pixelSize(), box.height() * 2 / 5));
        QFont nameFont = font;
        const int namePixels = std::max(QFontInfo(font).pixelSize(), box.height() / 4);
        nameFont.setPixelSize(namePixels);
        const QRect keyBox(box.left(), box.top(), std::min(box.height() * 3 / 2, box.width() / 3),
                           box.height());
        painter.setFont(keyFont);
        painter.setPen(ToQColor(palette.key));
        painter.drawText(keyBox, Qt::AlignCenter, QString::fromStdString(choices[i].keyLabel));
        painter.setFont(nameFont);
        painter.setPen(ToQColor(palette.text));
        const QRect nameBox = box.adjusted(keyBox.width(), 0, -static_cast<int>(line) * 2, 0);
        painter.drawText(nameBox, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap,
                         QString::fromStdString(choices[i].name));
    }
}

namespace {

// The largest letters from `band.letterPixels` down to `band.leastPixels` at which the text,
// word-wrapped, fits the lines; the least when none does.
QFont Fitted(const QFont& font, int from, int least, const QRect& lines, const QString& text) {
    QFont words = font;
    for (int pixels = from;; --pixels) {
        words.setPixelSize(pixels);
        const QRect needs = QFontMetrics(words).boundingRect(
            lines, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
        if (pixels <= least || needs.height() <= lines.height()) {
            return words;
        }
    }
}

} // namespace

void PaintCaptions(QPainter& painter, const QRect& area, const CaptionBand& band,
                   const FormLook& look, const Palette& palette, const QFont& font) {
    painter.fillRect(area, ToQColor(palette.board));
    const int margin = band.linePixels / 3;
    const QRect inside = area.adjusted(margin, 0, -margin, 0);
    constexpr auto Wrapped = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    if (look.screen != Screen::Board) {
        // The sentence being said in up to four lines, the next one smaller right below it.
        const QRect saying(inside.left(), inside.top(), inside.width(),
                           band.linePixels * (SpokenCaptionLines - 2));
        const QString caption = QString::fromStdString(look.caption);
        painter.setFont(Fitted(font, band.letterPixels, band.leastPixels, saying, caption));
        painter.setPen(ToQColor(palette.text));
        QRect said;
        painter.drawText(saying, Wrapped, caption, &said);
        const int gap = band.linePixels / 3;
        const QRect next(inside.left(), std::min(said.bottom(), saying.bottom()) + gap,
                         inside.width(),
                         inside.bottom() - std::min(said.bottom(), saying.bottom()) - gap);
        const QString coming = QString::fromStdString(look.nextCaption);
        painter.setFont(Fitted(font, band.leastPixels, band.leastPixels, next, coming));
        painter.setPen(ToQColor(palette.mark));
        painter.drawText(next, Wrapped, coming);
        return;
    }
    QFont status = font;
    status.setPixelSize(band.letterPixels);
    status.setBold(true);
    painter.setFont(status);
    painter.setPen(ToQColor(palette.key));
    const QRect statusLine(inside.left(), inside.top(), inside.width(), band.linePixels);
    painter.drawText(statusLine, Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(look.status));
    const QRect captionLines(inside.left(), statusLine.bottom() + 1, inside.width(),
                             inside.bottom() - statusLine.bottom());
    const QString caption = QString::fromStdString(look.caption);
    painter.setFont(Fitted(font, band.letterPixels, band.leastPixels, captionLines, caption));
    painter.setPen(ToQColor(palette.text));
    painter.drawText(captionLines, Wrapped, caption);
}

} // namespace tintineables
