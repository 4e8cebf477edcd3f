#include "ui/ScriptedDialogService.h"

#include <stdexcept>

namespace ui {

void ScriptedDialogService::Unexpected(const Call& call)
{
    if (OnUnexpected) {
        OnUnexpected(call);
    } else {
        throw std::logic_error("unexpected dialog: " + call.kind.toStdString() + " " + call.text.toStdString());
    }
}

MsgResult ScriptedDialogService::MessageBox(QWidget*, const QString& caption, const QString& text, MsgIcon icon,
                                            MsgButtons buttons)
{
    Call call{"message", caption, text, icon, buttons, {}, nullptr, 0};
    Calls.push_back(call);
    if (!MessageAnswers.empty()) {
        const MsgResult answer = MessageAnswers.front();
        MessageAnswers.pop_front();
        return answer;
    }
    if (buttons != MsgButtons::Ok) {
        Unexpected(call);
        return MsgResult::Cancel;
    }
    return MsgResult::Ok;
}

bool ScriptedDialogService::InputBox(QWidget*, const QString& caption, const QString& prompt, QString& value)
{
    Call call{"input", caption, prompt, MsgIcon::None, MsgButtons::OkCancel, {}, nullptr, 0};
    Calls.push_back(call);
    if (InputAnswers.empty()) {
        Unexpected(call);
        return false;
    }
    const QString answer = InputAnswers.front();
    InputAnswers.pop_front();
    if (answer.isNull()) {
        return false;
    }
    value = answer;
    return true;
}

QString ScriptedDialogService::NextFile(const Call& call)
{
    Calls.push_back(call);
    if (FileAnswers.empty()) {
        Unexpected(call);
        return {};
    }
    const QString answer = FileAnswers.front();
    FileAnswers.pop_front();
    return answer;
}

QString ScriptedDialogService::OpenFileName(QWidget*, const QString& filter)
{
    return NextFile(Call{"open", {}, {}, MsgIcon::None, MsgButtons::OkCancel, filter, nullptr, 0});
}

QString ScriptedDialogService::SaveFileName(QWidget*, const QString& filter, const QString&)
{
    return NextFile(Call{"save", {}, {}, MsgIcon::None, MsgButtons::OkCancel, filter, nullptr, 0});
}

void ScriptedDialogService::ShellOpen(QWidget*, const QString& path)
{
    Calls.push_back(Call{"shell", {}, path, MsgIcon::None, MsgButtons::Ok, {}, nullptr, 0});
}

void ScriptedDialogService::BalloonHint(QWidget* anchor, const QString& header, const QString& text, int visibleMs)
{
    Calls.push_back(Call{"balloon", header, text, MsgIcon::None, MsgButtons::Ok, {}, anchor, visibleMs});
}

std::vector<ScriptedDialogService::Call> ScriptedDialogService::Of(const QString& kind) const
{
    std::vector<Call> result;
    for (const auto& call : Calls) {
        if (call.kind == kind) {
            result.push_back(call);
        }
    }
    return result;
}

}  // namespace ui
