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
    // Its keys as large buttons: the screen's own, the player's sound, the curtain, the way out.
    FormLook Look() const override;
    // Its captions catch up with the recording as it plays.
    void TimePassed() override;

protected:
    // F8: the screen's recording on from where a key cut it short, or from its beginning.
    void Repeat() override;

private:
    // The screen's recording as this player hears it: with keys, or with gestures.
    std::string_view Recording() const;

    std::size_t saying_ = 0; // the sentence of the recording being said, or last said
};

} // namespace tintineables
