#pragma once
#include "game/form.h"

namespace tintineables {

// The menu (Form2), the tutorial (Form3) and the credits (Form4): a window with only its
// hidden sound player. Loading plays the screen's recording; its keys follow the screen flow.
class SpokenForm final : public Form {
public:
    SpokenForm(Game& game, Screen screen);

    void Form_Load() override;
    void Form_KeyDown(KeyCode keyCode, std::int16_t shift) override;
};

} // namespace tintineables
