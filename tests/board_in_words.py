#!/usr/bin/env python3
"""What the board must say in words, in English or Spanish, for each key of a scripted game in
its text mode: the board played here by its rules, written out apart from the game's code (a
cross of 33 holes, all with pegs but the centre; a jump over a neighbour into an empty hole two
places along a row or a column). Reads X key names, one a line ("Up", "space", "Control_L",
"BackSpace", "b", "p", "g"), from the board's first hole; prints for each the key, a tab, and
the words, as a screen reader gets them ("" for none).
usage: board_in_words.py en|es < KEYS
"""
import sys

WORDS = {
    "en": {
        "hole": "{state}, row {row}, column {column}", "centre": "centre, {state}",
        "peg": "peg", "empty": "empty", "edge": "edge", "in hand": "peg in hand",
        "jump": "jump", "won": "you have won!", "holding": "error: you already hold a peg",
        "no peg": "error: empty", "nothing in hand": "error: no peg in hand",
        "not a jump": "error: not a jump, the peg goes back to its place",
        "put back": "peg put back in its place", "nothing back": "error: nothing to take back",
        "taken back": "{arrival}. jump taken back", "one left": "there is 1 peg left",
        "left": "there are {count} pegs left", "place": "row {row}, column {column}",
        "have won": "you have won",
    },
    "es": {
        "hole": "{state}, fila {row}, columna {column}", "centre": "centro, {state}",
        "peg": "bola", "empty": "vacío", "edge": "borde", "in hand": "bola en la mano",
        "jump": "salto", "won": "¡has ganado!", "holding": "error: ya tienes una bola",
        "no peg": "error: vacío", "nothing in hand": "error: no tienes ninguna bola",
        "not a jump": "error: no es un salto, la bola vuelve a su sitio",
        "put back": "bola devuelta a su sitio", "nothing back": "error: nada que deshacer",
        "taken back": "{arrival}. salto deshecho", "one left": "queda 1 bola",
        "left": "quedan {count} bolas", "place": "fila {row}, columna {column}",
        "have won": "ya has ganado",
    },
}
words = WORDS["en"]


def is_hole(x, y):
    return 1 <= x <= 7 and 1 <= y <= 7 and (3 <= x <= 5 or 3 <= y <= 5)


class Board:
    def __init__(self):
        self.pegs = {(x, y) for x in range(1, 8) for y in range(1, 8) if is_hole(x, y)} - {(4, 4)}
        self.cursor = (3, 1)
        self.hand = None  # the hole the peg in hand came from
        self.jumps = []  # (from, over, to) of each jump made

    def arrival(self):
        x, y = self.cursor
        state = words["peg"] if self.cursor in self.pegs else words["empty"]
        if self.cursor == (4, 4):
            return words["centre"].format(state=state)
        return words["hole"].format(state=state, row=y, column=x)

    def key(self, name):
        arrows = {"Left": (-1, 0), "Right": (1, 0), "Up": (0, 1), "Down": (0, -1)}
        if name in arrows:
            dx, dy = arrows[name]
            x, y = self.cursor[0] + dx, self.cursor[1] + dy
            if not is_hole(x, y):
                return words["edge"]
            self.cursor = (x, y)
            return self.arrival()
        if name == "space":
            if self.hand is not None:
                return words["holding"]
            if self.cursor not in self.pegs:
                return words["no peg"]
            self.pegs.remove(self.cursor)
            self.hand = self.cursor
            return words["in hand"]
        if name == "Control_L":
            return self.drop()
        if name == "BackSpace":
            if self.hand is not None:
                self.pegs.add(self.hand)
                self.hand = None
                return words["put back"]
            if not self.jumps:
                return words["nothing back"]
            start, over, end = self.jumps.pop()
            self.pegs -= {end}
            self.pegs |= {start, over}
            self.cursor = start
            return words["taken back"].format(arrival=self.arrival())
        if name == "b":
            count = len(self.pegs) + (self.hand is not None)
            return words["one left"] if count == 1 else words["left"].format(count=count)
        if name == "p":
            return words["place"].format(row=self.cursor[1], column=self.cursor[0])
        if name == "g":
            won = len(self.pegs) == 1 and (4, 4) in self.pegs and self.hand is None
            return words["have won"] if won else None  # a search's answer: not written out here
        return None

    def drop(self):
        if self.hand is None:
            return words["nothing in hand"]
        (fx, fy), (x, y) = self.hand, self.cursor
        over = ((fx + x) // 2, (fy + y) // 2)
        straight = (abs(x - fx), abs(y - fy)) in ((2, 0), (0, 2))
        if not straight or self.cursor in self.pegs or over not in self.pegs:
            self.pegs.add(self.hand)
            self.hand = None
            return words["not a jump"]
        self.pegs.add(self.cursor)
        self.pegs.remove(over)
        self.jumps.append((self.hand, over, self.cursor))
        self.hand = None
        won = len(self.pegs) == 1 and self.cursor == (4, 4)
        return words["won"] if won else words["jump"]


def main():
    global words
    words = WORDS[sys.argv[1]]
    board = Board()
    for line in sys.stdin:
        name = line.split()[-1] if line.split() else ""
        if name:
            print(f"{name}\t{board.key(name) or ''}")


if __name__ == "__main__":
    main()
