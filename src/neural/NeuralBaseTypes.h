#pragma once

#include <cstdint>
#include <vector>

// Resizable 0-based value arrays of the network engine; new elements are 0.
using TVectorFloat = std::vector<double>;
using TMatrixFloat = std::vector<TVectorFloat>;
using TVectorInt = std::vector<std::int32_t>;
