#pragma once
// The words the board speaks when asked (how many pegs are left, where the cursor is, whether
// the game can still be won, which way a hinted peg jumps, which jumps there are), the names of its
// puzzles and the switch of its text mode, each a recording of its own. The board's answers are
// joined from them at play time: "quedan" "diecisiete" "bolas". One list gives the enum and the
// file of each word, so the two cannot drift apart.

#include <array>
#include <cstddef>
#include <string_view>

#define TINTINEABLES_SPOKEN_WORDS(WORD)                                                            \
    /*   member          file                      what it says */                                 \
    WORD(ThereIsOne, "voz_queda.wav") /* "queda" */                                                \
    WORD(ThereAre, "voz_quedan.wav")  /* "quedan" */                                               \
    WORD(BallLeft, "voz_bola.wav")    /* "bola" */                                                 \
    WORD(BallsLeft, "voz_bolas.wav")  /* "bolas" */                                                \
    WORD(Row, "voz_fila.wav")         /* "fila" */                                                 \
    WORD(Column, "voz_columna.wav")   /* "columna" */                                              \
    WORD(One, "voz_uno.wav")          /* "uno", of a row or column */                              \
    WORD(Two, "voz_dos.wav")          /* "dos", of a row or column: "dois", not "duas" */          \
    WORD(Count1, "voz_1.wav")         /* "una", of pegs */                                         \
    WORD(Count2, "voz_2.wav")                                                                      \
    WORD(Count3, "voz_3.wav")                                                                      \
    WORD(Count4, "voz_4.wav")                                                                      \
    WORD(Count5, "voz_5.wav")                                                                      \
    WORD(Count6, "voz_6.wav")                                                                      \
    WORD(Count7, "voz_7.wav")                                                                      \
    WORD(Count8, "voz_8.wav")                                                                      \
    WORD(Count9, "voz_9.wav")                                                                      \
    WORD(Count10, "voz_10.wav")                                                                    \
    WORD(Count11, "voz_11.wav")                                                                    \
    WORD(Count12, "voz_12.wav")                                                                    \
    WORD(Count13, "voz_13.wav")                                                                    \
    WORD(Count14, "voz_14.wav")                                                                    \
    WORD(Count15, "voz_15.wav")                                                                    \
    WORD(Count16, "voz_16.wav")                                                                    \
    WORD(Count17, "voz_17.wav")                                                                    \
    WORD(Count18, "voz_18.wav")                                                                    \
    WORD(Count19, "voz_19.wav")                                                                    \
    WORD(Count20, "voz_20.wav")                                                                    \
    WORD(Count21, "voz_21.wav") /* "veintiuna" */                                                  \
    WORD(Count22, "voz_22.wav")                                                                    \
    WORD(Count23, "voz_23.wav")                                                                    \
    WORD(Count24, "voz_24.wav")                                                                    \
    WORD(Count25, "voz_25.wav")                                                                    \
    WORD(Count26, "voz_26.wav")                                                                    \
    WORD(Count27, "voz_27.wav")                                                                    \
    WORD(Count28, "voz_28.wav")                                                                    \
    WORD(Count29, "voz_29.wav")                                                                    \
    WORD(Count30, "voz_30.wav")                                                                    \
    WORD(Count31, "voz_31.wav") /* "treinta y una" */                                              \
    WORD(Count32, "voz_32.wav")                                                                    \
    WORD(CanStillWin, "voz_puedes_ganar.wav")  /* "todavía puedes ganar" */                       \
    WORD(CannotWin, "voz_no_puedes_ganar.wav") /* "ya no puedes ganar" */                          \
    WORD(HaveWon, "voz_has_ganado.wav")        /* "ya has ganado" */                               \
    WORD(JumpsLeft, "voz_izquierda.wav")       /* "salta hacia la izquierda" */                    \
    WORD(JumpsUp, "voz_arriba.wav")            /* "salta hacia arriba" */                          \
    WORD(JumpsRight, "voz_derecha.wav")        /* "salta hacia la derecha" */                      \
    WORD(JumpsDown, "voz_abajo.wav")           /* "salta hacia abajo" */                           \
    WORD(Command9Name, "voz_command9.wav")     /* "Sonido del centro con bola" */                  \
    WORD(PuzzlePegs, "voz_reto_bolas.wav")     /* "bolas", a puzzle's size: "siete bolas" */       \
    WORD(PuzzleCross, "voz_cruz.wav")          /* "Cruz" */                                        \
    WORD(PuzzlePlus, "voz_mas.wav")            /* "Más" */                                        \
    WORD(PuzzleFireplace, "voz_chimenea.wav")  /* "Chimenea" */                                    \
    WORD(PuzzlePyramid, "voz_piramide.wav")    /* "Pirámide" */                                   \
    WORD(PuzzleUpArrow, "voz_flecha.wav")      /* "Flecha" */                                      \
    WORD(PuzzleDiamond, "voz_diamante.wav")    /* "Diamante" */                                    \
    WORD(TextModeOn, "voz_modo_texto_si.wav")  /* "Modo texto activado" */                         \
    WORD(TextModeOff, "voz_modo_texto_no.wav") /* "Modo texto desactivado" */                      \
    WORD(Rate100, "voz_velocidad_100.wav")     /* "velocidad normal", at each pace its own */      \
    WORD(Rate125, "voz_velocidad_125.wav")     /* "velocidad 125 por ciento" */                    \
    WORD(Rate150, "voz_velocidad_150.wav")                                                         \
    WORD(Rate175, "voz_velocidad_175.wav")                                                         \
    WORD(Rate200, "voz_velocidad_200.wav")                                                         \
    WORD(Rate225, "voz_velocidad_225.wav")                                                         \
    WORD(Rate250, "voz_velocidad_250.wav")                                                         \
    WORD(Louder, "voz_mas_alto.wav")            /* "más alto", the speech at its new loudness */  \
    WORD(Quieter, "voz_mas_bajo.wav")           /* "más bajo" */                                  \
    WORD(ScreenDark, "voz_pantalla_oscura.wav") /* "pantalla apagada" */                           \
    WORD(ScreenShown, "voz_pantalla_visible.wav")  /* "pantalla encendida" */                      \
    WORD(NoJump, "voz_ningun_salto.wav")           /* "ningún salto" */                           \
    WORD(LandsOn, "voz_cae_en.wav")                /* "puede caer en", before its places */        \
    WORD(PossibleJump, "voz_salto_posible.wav")    /* "salto posible" */                           \
    WORD(PossibleJumps, "voz_saltos_posibles.wav") /* "saltos posibles" */                         \
    WORD(Jumps1, "voz_saltos_1.wav") /* "un", of jumps: a jump is masculine where a peg is not */  \
    WORD(Jumps2, "voz_saltos_2.wav") /* "dos": "dois", not "duas" */                               \
    WORD(Jumps21, "voz_saltos_21.wav")            /* "veintiún" */                                \
    WORD(Jumps22, "voz_saltos_22.wav")            /* "veintidós": "vinte e dois" */               \
    WORD(Jumps31, "voz_saltos_31.wav")            /* "treinta y un" */                             \
    WORD(Jumps32, "voz_saltos_32.wav")            /* "treinta y dos": "trinta e dois" */           \
    WORD(StereoOn, "voz_estereo_si.wav")          /* "sonidos en estéreo" */                      \
    WORD(StereoOff, "voz_estereo_no.wav")         /* "sonidos en el centro" */                     \
    WORD(CaptionsShown, "voz_subtitulos_si.wav")  /* "subtítulos a la vista" */                   \
    WORD(CaptionsHidden, "voz_subtitulos_no.wav") /* "subtítulos ocultos" */

namespace tintineables {

enum class SpokenWord {
#define TINTINEABLES_WORD_MEMBER(member, file) member,
    TINTINEABLES_SPOKEN_WORDS(TINTINEABLES_WORD_MEMBER)
#undef TINTINEABLES_WORD_MEMBER
};

struct SpokenWordInfo {
    SpokenWord word;
    std::string_view name;
    std::string_view fileName;
};

inline constexpr std::array SpokenWordTable = {
#define TINTINEABLES_WORD_ROW(member, file) SpokenWordInfo{SpokenWord::member, #member, file},
    TINTINEABLES_SPOKEN_WORDS(TINTINEABLES_WORD_ROW)
#undef TINTINEABLES_WORD_ROW
};

constexpr std::string_view FileNameOf(SpokenWord word) {
    return SpokenWordTable[static_cast<std::size_t>(word)].fileName;
}

inline constexpr int MostPegs = 32;

// The word that counts `pegs` pegs, 1..32 ("una", "diecisiete").
constexpr SpokenWord CountWord(int pegs) {
    return static_cast<SpokenWord>(static_cast<int>(SpokenWord::Count1) + pegs - 1);
}

// The number of a row or column, 1..7, as spoken after "fila" or "columna". One and two have
// words of their own: a peg is feminine in Spanish, Portuguese and French ("una", "duas",
// "une"), and a row's number is not ("uno", "dois", "un").
constexpr SpokenWord RowOrColumnWord(int number) {
    return number == 1 ? SpokenWord::One : number == 2 ? SpokenWord::Two : CountWord(number);
}

// The word that counts `jumps` jumps, 1..32 ("un", "diecisiete"): a count's own word where the
// masculine differs from the feminine of pegs in one of the game's languages.
constexpr SpokenWord JumpCountWord(int jumps) {
    switch (jumps) {
    case 1:
        return SpokenWord::Jumps1;
    case 2:
        return SpokenWord::Jumps2;
    case 21:
        return SpokenWord::Jumps21;
    case 22:
        return SpokenWord::Jumps22;
    case 31:
        return SpokenWord::Jumps31;
    case 32:
        return SpokenWord::Jumps32;
    default:
        return CountWord(jumps);
    }
}

// The word that says a pace of the speech, SpeechRates' index 0..6.
constexpr SpokenWord RateWord(int rate) {
    return static_cast<SpokenWord>(static_cast<int>(SpokenWord::Rate100) + rate);
}

// The spoken screens as a touch host plays them, when the game was started by a touch: the same
// screens, naming gestures where the others name keys. Spoken, one of each in every language.
inline constexpr std::string_view TouchPresentationFile = "presentacion_tactil.wav";
inline constexpr std::string_view TouchTutorialFile = "tutorial_tactil.wav";
inline constexpr std::string_view TouchCreditsFile = "creditos_tactil.wav";

} // namespace tintineables
