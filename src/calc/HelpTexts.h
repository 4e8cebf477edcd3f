#pragma once

#include <array>

// The texts of the calculation window's help balloons, selected by the help picture's tag.
extern const std::array<const char*, 8> HelpTexts;
