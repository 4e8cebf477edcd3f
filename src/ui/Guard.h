#pragma once

#include <functional>

class QWidget;

namespace ui {

// The application title, the caption of the default error box.
inline constexpr const char* kApplicationTitle = "Corvatek";

// Runs an event handler; an error that escapes it is shown in the application's default error box
// (caption "Corvatek", error icon, the error's message) and goes no further. Returns false then.
bool Guarded(QWidget* parent, const std::function<void()>& handler);

}  // namespace ui
