#include "sound/joined_parts.h"

#include "sound/sound_player.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace tintineables {

namespace {

// The number after a mark, up to the next mark or the end; nothing when it is not all digits
// (a sign allowed) or out of [lowest, highest].
std::optional<int> NumberAfter(std::string_view text, char mark, int lowest, int highest) {
    const std::size_t at = text.find(mark);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view digits = text.substr(at + 1);
    digits = digits.substr(0, digits.find_first_of("@#"));
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size() ||
        value < lowest || value > highest) {
        throw std::invalid_argument("bad number");
    }
    return value;
}

} // namespace

std::optional<JoinedPart> ReadJoinedPart(std::string_view text) {
    JoinedPart part;
    part.fileName = text.substr(0, text.find_first_of("@#"));
    try {
        part.place = NumberAfter(text, PlaceMark, FarLeft, FarRight);
        part.pauseMilliseconds = NumberAfter(text, PauseMark, 0, LongestPauseMilliseconds);
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    }
    if (part.fileName.empty()) {
        return std::nullopt;
    }
    return part;
}

std::string WriteJoinedPart(std::string_view fileName, std::optional<int> place,
                            std::optional<int> pauseMilliseconds) {
    std::string text(fileName);
    if (place) {
        text += PlaceMark + std::to_string(*place);
    }
    if (pauseMilliseconds) {
        text += PauseMark + std::to_string(*pauseMilliseconds);
    }
    return text;
}

int PauseBefore(const JoinedPart& part, bool first) {
    return part.pauseMilliseconds.value_or(first ? 0 : JoinedPauseMilliseconds);
}

EarGains GainsOf(std::optional<int> place) {
    if (!place) {
        return {};
    }
    // -100..100 onto a quarter turn: the left ear's gain is its cosine, the right's its sine.
    const double angle = (*place - FarLeft) / double(FarRight - FarLeft) * std::numbers::pi / 2;
    return {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
}

} // namespace tintineables
