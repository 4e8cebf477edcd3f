#pragma once

#include "ui/DialogService.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace ui {

// The dialog service of the tests: records every call and answers from a queue. A dialog that
// needs an answer and finds none is reported through OnUnexpected.
class ScriptedDialogService : public DialogService {
public:
    struct Call {
        QString kind;  // "message", "input", "open", "save", "shell", "balloon"
        QString caption;
        QString text;
        MsgIcon icon = MsgIcon::None;
        MsgButtons buttons = MsgButtons::Ok;
        QString filter;
        QWidget* anchor = nullptr;
        int visibleMs = 0;
    };

    std::vector<Call> Calls;
    std::deque<MsgResult> MessageAnswers;
    std::deque<QString> FileAnswers;   // "" cancels
    std::deque<QString> InputAnswers;  // a null QString cancels
    std::function<void(const Call&)> OnUnexpected;

    MsgResult MessageBox(QWidget* parent, const QString& caption, const QString& text, MsgIcon icon,
                         MsgButtons buttons) override;
    bool InputBox(QWidget* parent, const QString& caption, const QString& prompt, QString& value) override;
    QString OpenFileName(QWidget* parent, const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& filter, const QString& defaultSuffix) override;
    void ShellOpen(QWidget* owner, const QString& path) override;
    void BalloonHint(QWidget* anchor, const QString& header, const QString& text, int visibleMs) override;

    // Calls of one kind, in order.
    std::vector<Call> Of(const QString& kind) const;

private:
    void Unexpected(const Call& call);
    QString NextFile(const Call& call);
};

}  // namespace ui
