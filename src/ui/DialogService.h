#pragma once

#include <QString>

class QWidget;

// Every modal interaction of the program goes through one service: the program installs the Qt
// one, tests a scripted one.
namespace ui {

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

class DialogService {
public:
    virtual ~DialogService() = default;

    virtual MsgResult MessageBox(QWidget* parent, const QString& caption, const QString& text, MsgIcon icon,
                                 MsgButtons buttons) = 0;
    // False when cancelled; `value` holds the default on entry and the answer on return.
    virtual bool InputBox(QWidget* parent, const QString& caption, const QString& prompt, QString& value) = 0;
    // An empty result means the user cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix) = 0;
    // The desktop's "open" for a file; the outcome is not reported.
    virtual void ShellOpen(QWidget* owner, const QString& path) = 0;
    virtual void BalloonHint(QWidget* anchor, const QString& header, const QString& text, int visibleMs) = 0;
};

DialogService& Dialogs();
// The service stays owned by the caller; nullptr restores the Qt one.
void SetDialogs(DialogService* service);

}  // namespace ui
