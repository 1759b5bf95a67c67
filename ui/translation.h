// SPDX-License-Identifier: GPL-3.0-or-later
// The standard dialogs (file, printer, input and message boxes) in Slovak: Qt's own translation of
// its widgets, from the translations folder of the installed Qt.
#pragma once

class QCoreApplication;

namespace zav {

/// Loads qtbase_sk.qm into the application; false when it is not installed (the dialogs then
/// speak English and the program goes on).
bool installSlovakTranslation(QCoreApplication& application);

} // namespace zav
