#include "ui/Guard.h"

#include "runtime/Exceptions.h"
#include "ui/DialogService.h"

#include <exception>

namespace ui {

bool Guarded(QWidget* parent, const std::function<void()>& handler)
{
    QString message;
    try {
        handler();
        return true;
    } catch (const rt::Exception& e) {
        message = QString::fromStdString(e.Message());
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = "Unknown error";
    }
    Dialogs().MessageBox(parent, kApplicationTitle, message, MsgIcon::Error, MsgButtons::Ok);
    return false;
}

}  // namespace ui
