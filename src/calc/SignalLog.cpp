#include "calc/SignalLog.h"

#include "runtime/Convert.h"

#include <cstdio>

namespace calc {

namespace {

void Section(std::string& out, const char* title, const TLogSection& s)
{
    static const char* const kNames[] = {"BUY", "SELL", "NOTRADE"};
    out += title;
    out += "\r\n";
    if (!s.Computed) {
        out += "NO DATA\r\n";
        return;
    }
    if (s.Signal >= 0 && s.Signal <= 2) {
        out += kNames[s.Signal];
        out += "\r\n";
    }
    if (s.Signal != 2) {
        out += s.StopLossText + "\r\n" + s.TakeProfitText + "\r\n";
    }
    out += s.PredictedText + "\r\n";
    // The Single widened as it is: 61.23 is written 61.2299995422363.
    out += rt::FloatToStrGeneral(static_cast<double>(s.BuyPercent)) + "%\r\n";
    out += rt::FloatToStrGeneral(static_cast<double>(s.SellPercent)) + "%\r\n";
}

}  // namespace

std::string SignalLogText(const TLogSection& shortTerm, const TLogSection& longTerm)
{
    std::string out;
    Section(out, "Short Term Signal:", shortTerm);
    out += "\r\n";
    Section(out, "Long Term Signal:", longTerm);
    return out;
}

std::string SignalLogFileName(const std::tm& local)
{
    char name[64];
    std::snprintf(name, sizeof name, "SignalData_%02d_%02d_%04d(%02d_%02d_%02d).txt", local.tm_mday, local.tm_mon + 1,
                  local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
    return name;
}

}  // namespace calc
