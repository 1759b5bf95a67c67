// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/handler.h"

#include <exception>

#include <QLineEdit>

#include "ui/dialogs.h"
#include "ui/window_util.h"

namespace zav {

void runHandler(Dialogs& dialogs, QWidget* owner, const std::function<void()>& handler) {
    const DialogOwner ownedBy(owner);
    try {
        handler();
    } catch (const FieldConversionError& error) {
        dialogs.showError(QString::fromUtf8(error.what()));
        if (QLineEdit* field = error.field())
            focusField(field);
    } catch (const std::exception& error) {
        dialogs.showError(QString::fromUtf8(error.what()));
    }
}

} // namespace zav
