#pragma once
#include <stdexcept>

namespace tintineables {

// A fault that the program never traps: an index off the grid, a counter overflow, a sound
// player that refuses a setting. The front end reports it and ends the program with status 1.
// It lives in the lowest room, sound/, so that the rules and the players both throw it
// without an include running back up.
class RunTimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace tintineables
