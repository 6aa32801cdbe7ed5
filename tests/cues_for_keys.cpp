// cues_for_keys [--touch] KEY...
// What the game gives for a run of keys, from its start (the menu), with no window system: for
// each key, one line with the sounds it started, each as the file a sound player was told to play
// (recordings joined by '+'), separated by spaces; an empty line for a key that sounds nothing.
// The first line is the start's own. A key is its virtual-key code, with "s" after it when Shift
// is held ("9s" is Shift+Tab). --touch: the game started by a touch, as a phone's page starts
// it. The page's tests hear the page against this.
#include "tests/game_harness.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    using tintineables::testing::TestHost;
    TestHost host;
    auto print = [&] {
        std::string line;
        for (const std::string& file : host.TakePlayedFiles()) {
            line += (line.empty() ? "" : " ") + file;
        }
        std::printf("%s\n", line.c_str());
    };
    int first = 1;
    if (argc > 1 && std::string(argv[1]) == "--touch") {
        host.TheGame().SetTouch(true);
        first = 2;
    }
    host.Start();
    print();
    for (int i = first; i < argc; ++i) {
        const std::string key = argv[i];
        const bool shift = !key.empty() && key.back() == 's';
        host.Press(static_cast<tintineables::KeyCode>(std::atoi(key.c_str())), shift ? 1 : 0);
        print();
    }
    return host.endStatus > 0 || !host.error.empty() ? 1 : 0;
}
