#include "ui/QtDialogService.h"

#include "ui/BalloonHint.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace ui {

namespace {

QtDialogService& DefaultService()
{
    static QtDialogService service;
    return service;
}

DialogService*& Installed()
{
    static DialogService* service = nullptr;
    return service;
}

QMessageBox::Icon ToQt(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Error:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

}  // namespace

QString ToQtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
            patterns << pattern;
            if (pattern.toLower() != pattern) {
                patterns << pattern.toLower();
            }
        }
        entries << QString("%1 (%2)").arg(parts[i], patterns.join(' '));
    }
    return entries.join(";;");
}

QUrl ToShellUrl(const QString& target)
{
    const QUrl url(target, QUrl::StrictMode);
    const QString scheme = url.scheme();
    if (url.isValid() && (scheme == "http" || scheme == "https" || scheme == "mailto")) {
        return url;
    }
    return QUrl::fromLocalFile(target);
}

DialogService& Dialogs() { return Installed() != nullptr ? *Installed() : DefaultService(); }

void SetDialogs(DialogService* service) { Installed() = service; }

MsgResult QtDialogService::MessageBox(QWidget* parent, const QString& caption, const QString& text, MsgIcon icon,
                                      MsgButtons buttons)
{
    QMessageBox box(ToQt(icon), caption, text, ToQt(buttons), parent);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Cancel:
        return MsgResult::Cancel;
    default:
        return MsgResult::Ok;
    }
}

bool QtDialogService::InputBox(QWidget* parent, const QString& caption, const QString& prompt, QString& value)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, value, &ok);
    if (ok) {
        value = answer;
    }
    return ok;
}

QString QtDialogService::OpenFileName(QWidget* parent, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), QString(), ToQtFileFilter(filter));
}

QString QtDialogService::SaveFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix)
{
    QFileDialog dialog(parent, QString(), QString(), ToQtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                   : QString();
}

void QtDialogService::ShellOpen(QWidget*, const QString& path) { QDesktopServices::openUrl(ToShellUrl(path)); }

void QtDialogService::BalloonHint(QWidget* anchor, const QString& header, const QString& text, int visibleMs)
{
    ShowBalloonHint(anchor, header, text, visibleMs);
}

}  // namespace ui
