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

#include <QEvent>
#include <QTimer>

namespace zav {

Windows::Windows() = default;
Windows::~Windows() = default;
Windows::Windows(Windows&&) noexcept = default;
Windows& Windows::operator=(Windows&&) noexcept = default;

QList<QWidget*> Windows::all() const {
    QList<QWidget*> created;
    for (QWidget* window : {static_cast<QWidget*>(form1.get()), static_cast<QWidget*>(form2.get()),
                            static_cast<QWidget*>(form3.get()), static_cast<QWidget*>(form4.get()),
                            static_cast<QWidget*>(form5.get()), static_cast<QWidget*>(form6.get()),
                            static_cast<QWidget*>(form7.get()), static_cast<QWidget*>(form8.get()),
                            static_cast<QWidget*>(form9.get())}) {
        if (window != nullptr)
            created.append(window);
    }
    return created;
}

void createRemainingWindows(Windows& windows, Dialogs& dialogs) {
    if (windows.form2 != nullptr)
        return;
    windows.form2 = std::make_unique<Form2>(dialogs);
    windows.form3 = std::make_unique<Form3>();
    windows.form4 = std::make_unique<Form4>();
    windows.form5 = std::make_unique<Form5>();
    windows.form6 = std::make_unique<Form6>();
    windows.form7 = std::make_unique<Form7>();
    windows.form8 = std::make_unique<Form8>(dialogs);
    windows.form9 = std::make_unique<Form9>();
    windows.form1->setLinks({windows.form2.get(), windows.form3.get(), windows.form4.get(), windows.form6.get(),
                             windows.form7.get(), windows.form8.get(), windows.form9.get()});
    windows.form2->setLinks({windows.form1.get(), windows.form5.get()});
}

Windows createWindows(Dialogs& dialogs) {
    Windows windows;
    windows.form1 = std::make_unique<Form1>(dialogs);
    createRemainingWindows(windows, dialogs);
    return windows;
}

namespace {

// Creates the other windows once the main window has been painted for the first time.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* window, std::function<void()> action)
        : QObject(window), m_window(window), m_action(std::move(action)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_window && event->type() == QEvent::Paint) {
            m_window->removeEventFilter(this);
            QTimer::singleShot(0, m_window, m_action);
        }
        return false;
    }

private:
    QWidget* m_window;
    std::function<void()> m_action;
};

} // namespace

std::unique_ptr<Windows> startWindows(Dialogs& dialogs) {
    auto windows = std::make_unique<Windows>();
    windows->form1 = std::make_unique<Form1>(dialogs);
    Windows* created = windows.get();
    auto createRest = [created, &dialogs] { createRemainingWindows(*created, dialogs); };
    // A handler of the main window needs them all: one that runs before they were made makes them.
    windows->form1->setBeforeHandler(createRest);
    new AfterFirstPaint(windows->form1.get(), createRest);
    windows->form1->show();
    return windows;
}

} // namespace zav
