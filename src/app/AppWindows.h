#pragma once

class TForm1;
class TfrmNeuralNetExtend;
class TFrmSupportLines;
class TFrmSetLinesPeriod;
class TFrmMoneyManager;
class TFrmMovingAverage;
class TFrmSetMAOptions;
class TFrmOptions;
class TFrmAbout;

// The program's window references.
extern TForm1* Form1;
extern TfrmNeuralNetExtend* frmNeuralNetExtend;  // nullptr once that window is closed
extern TFrmSupportLines* FrmSupportLines;
extern TFrmSetLinesPeriod* FrmSetLinesPeriod;
extern TFrmMoneyManager* FrmMoneyManager;
extern TFrmMovingAverage* FrmMovingAverage;
extern TFrmSetMAOptions* FrmSetMAOptions;
extern TFrmOptions* FrmOptions;  // only while the options dialog is open
extern TFrmAbout* FrmAbout;      // only while the about dialog is open

// Creates the windows of start-up in their order; the main window is returned, not yet shown.
TForm1* CreateApplicationWindows();
void DestroyApplicationWindows();
