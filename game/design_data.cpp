#include "game/design_data.h"

namespace tintineables {

namespace {

// The holes stand on a 7 x 7 grid of 120-twip pitch, row 1 lowest; every box is 1215 x 495
// twips, so they overlap into one pile, and the bottom row is clipped by the client area.
TwipsRect HoleRect(const Hole& hole) {
    return {1440 + 120 * (hole.x - 1), 2880 - 120 * (hole.y - 1), 1215, 495};
}

std::array<BoardControlDesign, BoardControlCount> MakeBoardControls() {
    std::array<BoardControlDesign, BoardControlCount> controls;
    for (const Hole& hole : HoleTable) {
        controls[static_cast<std::size_t>(PictureControl(hole.number))] = {
            "Picture" + std::to_string(hole.number),
            ControlKind::Hole,
            PictureControl(hole.number),
            HoleRect(hole),
            true,
            {}};
    }
    controls[BoardMMControl] = {"MMControl1",   ControlKind::MultimediaControl,
                                BoardMMControl, DesignOf(Screen::Board).mmControl,
                                false,          {}};
    // The sound buttons stand in one column, 120 twips apart; only Command9 is visible.
    for (int n = 1; n <= 9; ++n) {
        const std::string name = "Command" + std::to_string(n);
        controls[static_cast<std::size_t>(CommandControl(n))] = {
            name,
            ControlKind::Button,
            CommandControl(n),
            TwipsRect{1200, 1320 + 120 * (n - 1), 1215, 495},
            n == 9,
            name};
    }
    return controls;
}

} // namespace

const FormDesign& DesignOf(Screen screen) {
    // clang-format off
    static const std::array<FormDesign, ScreenCount> designs = {{
        //                  form    caption                                          preview  MMControl1 (twips)      max box
        {Screen::Board,    "Form1", TINTINEABLES_TEXT("tintineables", "TABLERO"),      true,  {960, 840, 3540, 495},  true},
        {Screen::Menu,     "Form2", TINTINEABLES_TEXT("tintineables", "TINTINEABLES"), true,  {600, 1320, 3540, 495}, true},
        {Screen::Tutorial, "Form3", TINTINEABLES_TEXT("tintineables", "TUTORIAL"),     false, {600, 1320, 3540, 495}, true},
        {Screen::Credits,  "Form4", TINTINEABLES_TEXT("tintineables", "CRÉDITOS"),     false, {0, 0, 3540, 495},      false},
    }};
    // clang-format on
    return designs[static_cast<std::size_t>(screen)];
}

const std::array<BoardControlDesign, BoardControlCount>& BoardControls() {
    static const auto controls = MakeBoardControls();
    return controls;
}

} // namespace tintineables
