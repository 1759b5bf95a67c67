// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows.h"

#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/form4.h"
#include "ui/form5.h"
#include "ui/form6.h"
#include "ui/form7.h"
#include "ui/form8.h"
#include "ui/form9.h"

namespace zav {

Windows::Windows() = default;
Windows::~Windows() = default;
Windows::Windows(Windows&&) noexcept = default;
Windows& Windows::operator=(Windows&&) noexcept = default;

QList<QWidget*> Windows::all() const {
    return {form1.get(), form2.get(), form3.get(), form4.get(), form5.get(), form6.get(), form7.get(), form8.get(), form9.get()};
}

Windows createWindows(Dialogs& dialogs) {
    Windows windows;
    windows.form1 = std::make_unique<Form1>(dialogs);
    windows.form2 = std::make_unique<Form2>(dialogs);
    windows.form3 = std::make_unique<Form3>();
    windows.form4 = std::make_unique<Form4>();
    windows.form5 = std::make_unique<Form5>();
    windows.form6 = std::make_unique<Form6>();
    windows.form7 = std::make_unique<Form7>();
    windows.form8 = std::make_unique<Form8>(dialogs);
    windows.form9 = std::make_unique<Form9>();
    windows.form1->setLinks({windows.form2.get(), windows.form3.get(), windows.form4.get(), windows.form6.get(), windows.form7.get(),
                             windows.form8.get(), windows.form9.get()});
    windows.form2->setLinks({windows.form1.get(), windows.form5.get()});
    return windows;
}

} // namespace zav
