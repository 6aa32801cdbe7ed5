#include "game/board_words.h"

#include "board/hole_table.h"
#include "game/game_host.h"

namespace tintineables {

namespace {

// The translated text with %1 and %2 given: translators move them as their language needs.
std::string Fill(std::string text, int first, int second = 0) {
    for (const auto& [mark, value] : {std::pair{"%1", first}, std::pair{"%2", second}}) {
        if (const auto at = text.find(mark); at != std::string::npos) {
            text.replace(at, 2, std::to_string(value));
        }
    }
    return text;
}

} // namespace

std::string BoardWords::Say(const char* text) const { return host_.Translate(text); }

std::string BoardWords::Arrival(const GameState& state, int hole) const {
    const Hole& place = HoleByNumber(hole);
    const bool peg = state.Board.At(place.x, place.y) == Peg;
    if (hole == CentreHole) {
        return Say(peg ? "centro, bola" : "centro, vacío");
    }
    return Fill(Say(peg ? "bola, fila %1, columna %2" : "vacío, fila %1, columna %2"), place.y,
                place.x);
}

std::string BoardWords::OfCue(SoundCue cue, Refusal refusal) const {
    switch (cue) {
    case SoundCue::Edge:
        return Say("borde");
    case SoundCue::Select:
        return Say("bola en la mano");
    case SoundCue::Place:
        return Say("salto");
    case SoundCue::Applause:
        return Say("¡has ganado!");
    case SoundCue::Error:
        switch (refusal) {
        case Refusal::EmptyHole:
            return Say("error: vacío");
        case Refusal::PegInHand:
            return Say("error: ya tienes una bola");
        case Refusal::NothingInHand:
            return Say("error: no tienes ninguna bola");
        case Refusal::NotAJump:
            return Say("error: no es un salto, la bola vuelve a su sitio");
        case Refusal::None:
            break;
        }
        return Say("error");
    default:
        return {};
    }
}

std::string BoardWords::TakenBack() const { return Say("salto deshecho"); }

std::string BoardWords::NothingToTakeBack() const { return Say("error: nada que deshacer"); }

std::string BoardWords::PegInHandPutBack() const { return Say("bola devuelta a su sitio"); }

std::string BoardWords::PegsLeft(int pegs) const {
    return Fill(Say(pegs == 1 ? "queda %1 bola" : "quedan %1 bolas"), pegs);
}

std::string BoardWords::Position(int hole) const {
    const Hole& place = HoleByNumber(hole);
    return Fill(Say("fila %1, columna %2"), place.y, place.x);
}

std::string BoardWords::Outlook(tintineables::Outlook outlook) const {
    switch (outlook) {
    case Outlook::CanWin:
        return Say("todavía puedes ganar");
    case Outlook::Won:
        return Say("ya has ganado");
    case Outlook::CannotWin:
        break;
    }
    return Say("ya no puedes ganar");
}

std::string BoardWords::HintDirection(Direction direction) const {
    switch (direction) {
    case Direction::Left:
        return Say("salta hacia la izquierda");
    case Direction::Up:
        return Say("salta hacia arriba");
    case Direction::Right:
        return Say("salta hacia la derecha");
    case Direction::Down:
        break;
    }
    return Say("salta hacia abajo");
}

std::string BoardWords::NewGame() const { return Say("juego nuevo"); }

std::string BoardWords::PuzzleName(std::optional<ClassicPuzzle> classic, int pegs) const {
    if (!classic) {
        return Fill(Say("%1 bolas"), pegs);
    }
    switch (*classic) {
    case ClassicPuzzle::Cross:
        return Say("Cruz");
    case ClassicPuzzle::Plus:
        return Say("Más");
    case ClassicPuzzle::Fireplace:
        return Say("Chimenea");
    case ClassicPuzzle::Pyramid:
        return Say("Pirámide");
    case ClassicPuzzle::UpArrow:
        return Say("Flecha");
    case ClassicPuzzle::Diamond:
        break;
    }
    return Say("Diamante");
}

std::string BoardWords::NoMorePuzzles() const { return Say("error: no hay más retos"); }

std::string BoardWords::NothingToRepeat() const { return Say("error: nada que repetir"); }

std::string BoardWords::TextMode(bool on) const {
    return Say(on ? "modo texto activado" : "modo texto desactivado");
}

std::string BoardWords::Sweep(const GameState& state, int cursorHole, SweepKind kind) const {
    const Hole& cursor = HoleByNumber(cursorHole);
    std::string text;
    std::string line;
    int lineNumber = 0;
    int run = 0;
    bool runPeg = false;
    const auto endRun = [&] {
        if (run > 0) {
            line += line.empty() ? "" : ", ";
            line += run == 1 ? Say(runPeg ? "1 bola" : "vacío")
                             : Fill(Say(runPeg ? "%1 bolas" : "%1 vacíos"), run);
        }
        run = 0;
    };
    const auto endLine = [&] {
        endRun();
        if (!line.empty()) {
            text += text.empty() ? "" : ". ";
            text += Fill(Say(kind == SweepKind::Column ? "columna %1:" : "fila %1:"), lineNumber) +
                    " " + line;
        }
        line.clear();
    };
    for (const Hole& hole : HoleTable) {
        if (!InSweep(hole, cursor, kind)) {
            continue;
        }
        const int number = kind == SweepKind::Column ? hole.x : hole.y;
        if (number != lineNumber) {
            endLine();
            lineNumber = number;
        }
        const bool peg = state.Board.At(hole.x, hole.y) == Peg;
        if (run > 0 && peg != runPeg) {
            endRun();
        }
        runPeg = peg;
        ++run;
    }
    endLine();
    return text;
}

std::string BoardWords::Jumps(const std::vector<Direction>& ways) const {
    std::string text;
    for (Direction way : ways) {
        text += (text.empty() ? "" : ", ") + HintDirection(way);
    }
    return text.empty() ? Say("ningún salto") : text;
}

std::string BoardWords::Landings(const std::vector<int>& holes) const {
    std::string text;
    for (int hole : holes) {
        text += (text.empty() ? "" : "; ") + Position(hole);
    }
    return text.empty() ? Say("ningún salto") : Say("puede caer en") + " " + text;
}

std::string BoardWords::JumpCount(int jumps) const {
    if (jumps == 0) {
        return Say("ningún salto");
    }
    return Fill(Say(jumps == 1 ? "queda %1 salto posible" : "quedan %1 saltos posibles"), jumps);
}

std::string BoardWords::Stereo(bool on) const {
    return Say(on ? "sonidos en estéreo" : "sonidos en el centro");
}

std::string BoardWords::Captions(bool shown) const {
    return Say(shown ? "subtítulos a la vista" : "subtítulos ocultos");
}

std::string BoardWords::Status(int pegs, int jumps, const std::string& puzzle) const {
    std::string status = Fill(Say("bolas: %1 · saltos: %2"), pegs, jumps);
    return puzzle.empty() ? status : puzzle + " · " + status;
}

std::string BoardWords::Then(const std::string& first, const std::string& second) {
    if (first.empty() || second.empty()) {
        return first + second;
    }
    return first + ". " + second;
}

} // namespace tintineables
