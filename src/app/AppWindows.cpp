#include "app/AppWindows.h"

#include "app/SideWindows.h"
#include "app/TForm1.h"
#include "calc/TfrmNeuralNetExtend.h"

TForm1* Form1 = nullptr;
TfrmNeuralNetExtend* frmNeuralNetExtend = nullptr;
TFrmSupportLines* FrmSupportLines = nullptr;
TFrmSetLinesPeriod* FrmSetLinesPeriod = nullptr;
TFrmMoneyManager* FrmMoneyManager = nullptr;
TFrmMovingAverage* FrmMovingAverage = nullptr;
TFrmSetMAOptions* FrmSetMAOptions = nullptr;
TFrmOptions* FrmOptions = nullptr;
TFrmAbout* FrmAbout = nullptr;

TForm1* CreateApplicationWindows()
{
    Form1 = new TForm1;
    frmNeuralNetExtend = Form1->new1Click();
    // Closing a calculation window destroys it; the reference must not outlive it.
    QObject::connect(frmNeuralNetExtend, &QObject::destroyed, [] { frmNeuralNetExtend = nullptr; });
    // Side windows are owned by the frame and live until the program ends.
    FrmSupportLines = new TFrmSupportLines(Form1);
    FrmSetLinesPeriod = new TFrmSetLinesPeriod(Form1);
    FrmMoneyManager = new TFrmMoneyManager(Form1);
    FrmMovingAverage = new TFrmMovingAverage(Form1);
    FrmSetMAOptions = new TFrmSetMAOptions(Form1);
    return Form1;
}

void DestroyApplicationWindows()
{
    delete Form1;
    Form1 = nullptr;
    frmNeuralNetExtend = nullptr;
    FrmSupportLines = nullptr;
    FrmSetLinesPeriod = nullptr;
    FrmMoneyManager = nullptr;
    FrmMovingAverage = nullptr;
    FrmSetMAOptions = nullptr;
}
