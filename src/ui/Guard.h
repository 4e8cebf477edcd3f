#pragma once

#include <QObject>
#include <QWidget>
#include <functional>
#include <utility>

namespace ui {

// The application title, the caption of the default error box.
inline constexpr const char* kApplicationTitle = "Corvatek";

// Runs an event handler; an error that escapes it is shown in the application's default error box
// (caption "Corvatek", error icon, the error's message) and goes no further. Returns false then.
bool Guarded(QWidget* parent, const std::function<void()>& handler);

// Connects a signal to an event handler of `owner` that runs through Guarded; the signal's
// arguments are not passed on.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection ConnectGuarded(Sender* sender, Signal signal, QWidget* owner, Handler handler)
{
    return QObject::connect(sender, signal, owner, [owner, handler = std::move(handler)] { Guarded(owner, handler); });
}

}  // namespace ui
