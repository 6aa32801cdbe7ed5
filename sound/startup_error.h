#pragma once
#include <stdexcept>

namespace tintineables {

// A reason the game cannot start (a bad recording, no audio device). Its message is what the
// player reads: one line per cause, naming the file or folder. The program exits with status 1.
class StartupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tintineables
