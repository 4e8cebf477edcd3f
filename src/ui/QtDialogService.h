#pragma once

#include "ui/DialogService.h"

#include <QUrl>

namespace ui {

// "Name|*.A;*.B|Other|*.C" (the program's filter form) as a Qt file-dialog filter,
// "Name (*.A *.a *.B *.b);;Other (*.C *.c)": file names on Linux differ in case, extensions do not.
QString ToQtFileFilter(const QString& filter);

// What the desktop's "open" receives: a web address as it is, anything else as a local file
// (a path may contain characters that mean something in an address, such as '#' or '?').
QUrl ToShellUrl(const QString& target);

class QtDialogService : public DialogService {
public:
    MsgResult MessageBox(QWidget* parent, const QString& caption, const QString& text, MsgIcon icon,
                         MsgButtons buttons) override;
    bool InputBox(QWidget* parent, const QString& caption, const QString& prompt, QString& value) override;
    QString OpenFileName(QWidget* parent, const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix) override;
    void ShellOpen(QWidget* owner, const QString& path) override;
    void BalloonHint(QWidget* anchor, const QString& header, const QString& text, int visibleMs) override;
};

}  // namespace ui
