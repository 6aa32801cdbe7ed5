#pragma once
// The words of the board's spoken answers, written out by hand from what each answer must
// say: the file the game must open for each word. Never derived from the game's own table.
#include "sound/spoken_words.h"

#include <string_view>

namespace tintineables::testing {

struct HeardWord {
    SpokenWord word;
    std::string_view file;
};

inline constexpr HeardWord HeardWords[] = {
    {SpokenWord::ThereIsOne, "voz_queda.wav"},
    {SpokenWord::ThereAre, "voz_quedan.wav"},
    {SpokenWord::BallLeft, "voz_bola.wav"},
    {SpokenWord::BallsLeft, "voz_bolas.wav"},
    {SpokenWord::Row, "voz_fila.wav"},
    {SpokenWord::Column, "voz_columna.wav"},
    {SpokenWord::One, "voz_uno.wav"},
    {SpokenWord::Two, "voz_dos.wav"},
    {SpokenWord::Count1, "voz_1.wav"},
    {SpokenWord::Count2, "voz_2.wav"},
    {SpokenWord::Count3, "voz_3.wav"},
    {SpokenWord::Count4, "voz_4.wav"},
    {SpokenWord::Count5, "voz_5.wav"},
    {SpokenWord::Count6, "voz_6.wav"},
    {SpokenWord::Count7, "voz_7.wav"},
    {SpokenWord::Count8, "voz_8.wav"},
    {SpokenWord::Count9, "voz_9.wav"},
    {SpokenWord::Count10, "voz_10.wav"},
    {SpokenWord::Count11, "voz_11.wav"},
    {SpokenWord::Count12, "voz_12.wav"},
    {SpokenWord::Count13, "voz_13.wav"},
    {SpokenWord::Count14, "voz_14.wav"},
    {SpokenWord::Count15, "voz_15.wav"},
    {SpokenWord::Count16, "voz_16.wav"},
    {SpokenWord::Count17, "voz_17.wav"},
    {SpokenWord::Count18, "voz_18.wav"},
    {SpokenWord::Count19, "voz_19.wav"},
    {SpokenWord::Count20, "voz_20.wav"},
    {SpokenWord::Count21, "voz_21.wav"},
    {SpokenWord::Count22, "voz_22.wav"},
    {SpokenWord::Count23, "voz_23.wav"},
    {SpokenWord::Count24, "voz_24.wav"},
    {SpokenWord::Count25, "voz_25.wav"},
    {SpokenWord::Count26, "voz_26.wav"},
    {SpokenWord::Count27, "voz_27.wav"},
    {SpokenWord::Count28, "voz_28.wav"},
    {SpokenWord::Count29, "voz_29.wav"},
    {SpokenWord::Count30, "voz_30.wav"},
    {SpokenWord::Count31, "voz_31.wav"},
    {SpokenWord::Count32, "voz_32.wav"},
    {SpokenWord::CanStillWin, "voz_puedes_ganar.wav"},
    {SpokenWord::CannotWin, "voz_no_puedes_ganar.wav"},
    {SpokenWord::HaveWon, "voz_has_ganado.wav"},
    {SpokenWord::JumpsLeft, "voz_izquierda.wav"},
    {SpokenWord::JumpsUp, "voz_arriba.wav"},
    {SpokenWord::JumpsRight, "voz_derecha.wav"},
    {SpokenWord::JumpsDown, "voz_abajo.wav"},
    {SpokenWord::Command9Name, "voz_command9.wav"},
    {SpokenWord::PuzzlePegs, "voz_reto_bolas.wav"},
    {SpokenWord::PuzzleCross, "voz_cruz.wav"},
    {SpokenWord::PuzzlePlus, "voz_mas.wav"},
    {SpokenWord::PuzzleFireplace, "voz_chimenea.wav"},
    {SpokenWord::PuzzlePyramid, "voz_piramide.wav"},
    {SpokenWord::PuzzleUpArrow, "voz_flecha.wav"},
    {SpokenWord::PuzzleDiamond, "voz_diamante.wav"},
    {SpokenWord::TextModeOn, "voz_modo_texto_si.wav"},
    {SpokenWord::TextModeOff, "voz_modo_texto_no.wav"},
    {SpokenWord::Rate100, "voz_velocidad_100.wav"},
    {SpokenWord::Rate125, "voz_velocidad_125.wav"},
    {SpokenWord::Rate150, "voz_velocidad_150.wav"},
    {SpokenWord::Rate175, "voz_velocidad_175.wav"},
    {SpokenWord::Rate200, "voz_velocidad_200.wav"},
    {SpokenWord::Rate225, "voz_velocidad_225.wav"},
    {SpokenWord::Rate250, "voz_velocidad_250.wav"},
    {SpokenWord::Louder, "voz_mas_alto.wav"},
    {SpokenWord::Quieter, "voz_mas_bajo.wav"},
    {SpokenWord::ScreenDark, "voz_pantalla_oscura.wav"},
    {SpokenWord::ScreenShown, "voz_pantalla_visible.wav"},
    {SpokenWord::NoJump, "voz_ningun_salto.wav"},
    {SpokenWord::LandsOn, "voz_cae_en.wav"},
    {SpokenWord::PossibleJump, "voz_salto_posible.wav"},
    {SpokenWord::PossibleJumps, "voz_saltos_posibles.wav"},
    {SpokenWord::Jumps1, "voz_saltos_1.wav"},
    {SpokenWord::Jumps2, "voz_saltos_2.wav"},
    {SpokenWord::Jumps21, "voz_saltos_21.wav"},
    {SpokenWord::Jumps22, "voz_saltos_22.wav"},
    {SpokenWord::Jumps31, "voz_saltos_31.wav"},
    {SpokenWord::Jumps32, "voz_saltos_32.wav"},
    {SpokenWord::StereoOn, "voz_estereo_si.wav"},
    {SpokenWord::StereoOff, "voz_estereo_no.wav"},
    {SpokenWord::CaptionsShown, "voz_subtitulos_si.wav"},
    {SpokenWord::CaptionsHidden, "voz_subtitulos_no.wav"},
};

// The short sounds of a sweep, a peg's and an empty hole's for each row from the bottom, then the
// centre's pair, written out from their names.
inline constexpr std::string_view HeardSweepSounds[] = {
    "barrido_f1_bola.wav",      "barrido_f2_bola.wav",  "barrido_f3_bola.wav",
    "barrido_f4_bola.wav",      "barrido_f5_bola.wav",  "barrido_f6_bola.wav",
    "barrido_f7_bola.wav",      "barrido_f1_vacio.wav", "barrido_f2_vacio.wav",
    "barrido_f3_vacio.wav",     "barrido_f4_vacio.wav", "barrido_f5_vacio.wav",
    "barrido_f6_vacio.wav",     "barrido_f7_vacio.wav", "barrido_centro_bola.wav",
    "barrido_centro_vacio.wav",
};

} // namespace tintineables::testing
