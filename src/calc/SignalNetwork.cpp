#include "calc/SignalNetwork.h"

namespace calc {

void ApplySignalNetworkSettings(neural::TNeuralNetExtended& net)
{
    net.SetAlpha(1);
    net.AutoInit = true;
    net.ContinueTeach = false;
    net.Epoch = true;
    net.SetEpochCount(kSignalEpochs);
    net.SetMomentum(0.9);
    net.NeuronsInLayer().Assign({"0"});
    net.SetPatternCount(0);
    net.SetTeachRate(0.1);
    net.IdentError = 0.05;
    net.MaxTeachError = net.MaxTestError = net.MidTeachError = net.MidTestError = false;
    net.MaxTeachErrorValue = net.MaxTestErrorValue = net.MidTeachErrorValue = net.MidTestErrorValue = 0.05;
    net.TestAsValid = false;
    net.TeachIdent = false;
    net.SetTeachIdentCount(100);
    net.TestIdent = false;
    net.TestIdentCount = 0;
    net.SetUseForTeach(100);
}

void PrepareSignalTeaching(neural::TNeuralNetExtended& net, const std::string& trainingFile)
{
    net.SourceFileName = trainingFile;
    net.LoadSourceData();
    net.Fields(4).SetFieldType(1);
    for (int i = 0; i < 5; ++i) {
        net.Fields(i).Alpha = 0.01;
    }
    for (int i = 0; i < 5; ++i) {
        net.Fields(i).SetNormType(1);
    }
    // Teaching recomputes both from the data before it normalises.
    for (int i = 0; i < 5; ++i) {
        net.Fields(i).Max = 10;
        net.Fields(i).Min = 0;
    }
    net.ResetLayers();
    for (int count : {4, 4, 4, 1}) {
        net.AddLayer(count);
    }
    net.StopTeach = false;
    net.ContinueTeach = false;
}

}  // namespace calc
