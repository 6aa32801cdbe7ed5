#pragma once
// The game's texts are UTF-8; Windows takes UTF-16.
#include <string>
#include <string_view>

namespace tintineables {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

} // namespace tintineables
