#pragma once

#include "neural/NeuralNetExtended.h"

#include <string>

// How the calculation window sets up its two networks, usable without the window.
namespace calc {

inline constexpr int kSignalEpochs = 10000;

// The window's stored settings: slope 1, 10000 epochs as the only stop condition, rate 0.1,
// momentum 0.9, every row a teaching pattern.
void ApplySignalNetworkSettings(neural::TNeuralNetExtended& net);

// Loads a training file, makes the fifth column the output, normalises every column by the sigmoid
// of slope 0.01 and builds the 4-4-4-1 layers; teaching starts from new random weights.
void PrepareSignalTeaching(neural::TNeuralNetExtended& net, const std::string& trainingFile);

}  // namespace calc
