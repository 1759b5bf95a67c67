// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows.h"

#include "ui/about_window.h"
#include "ui/author_window.h"
#include "ui/case_files.h"
#include "ui/chart_window.h"
#include "ui/cooling_window.h"
#include "ui/correlations_window.h"
#include "ui/design_window.h"
#include "ui/fluid_window.h"
#include "ui/heat_capacity_window.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/peltier_window.h"
#include "ui/range_window.h"
#include "ui/window_util.h"

#include <QEvent>
#include <QTimer>

namespace zav {

Windows::Windows() = default;
Windows::~Windows() = default;
Windows::Windows(Windows&&) noexcept = default;
Windows& Windows::operator=(Windows&&) noexcept = default;

QWidget* Windows::windowOfSection(const std::string& section) const {
    if (section == "main")
        return mainWindow.get();
    if (section == "range")
        return rangeWindow.get();
    if (section == "chart")
        return chartWindow.get();
    if (section == "cooling")
        return coolingWindow.get();
    if (section == "heat_capacity")
        return heatCapacityWindow.get();
    if (section == "fluid")
        return fluidWindow.get();
    if (section == "design")
        return designWindow.get();
    return nullptr;
}

QList<QWidget*> Windows::all() const {
    QList<QWidget*> created;
    for (QWidget* window :
         {static_cast<QWidget*>(mainWindow.get()), static_cast<QWidget*>(coolingWindow.get()),
          static_cast<QWidget*>(authorWindow.get()), static_cast<QWidget*>(aboutWindow.get()),
          static_cast<QWidget*>(heatCapacityWindow.get()), static_cast<QWidget*>(rangeWindow.get()),
          static_cast<QWidget*>(chartWindow.get()), static_cast<QWidget*>(fluidWindow.get()),
          static_cast<QWidget*>(peltierWindow.get()), static_cast<QWidget*>(designWindow.get()),
          static_cast<QWidget*>(correlationsWindow.get())}) {
        if (window != nullptr)
            created.append(window);
    }
    return created;
}

void createRemainingWindows(Windows& windows, Dialogs& dialogs) {
    if (windows.coolingWindow != nullptr)
        return;
    windows.coolingWindow = std::make_unique<CoolingWindow>(dialogs);
    windows.authorWindow = std::make_unique<AuthorWindow>();
    windows.aboutWindow = std::make_unique<AboutWindow>();
    windows.heatCapacityWindow = std::make_unique<HeatCapacityWindow>();
    windows.rangeWindow = std::make_unique<RangeWindow>();
    windows.chartWindow = std::make_unique<ChartWindow>(dialogs);
    windows.fluidWindow = std::make_unique<FluidWindow>(dialogs);
    windows.peltierWindow = std::make_unique<PeltierWindow>();
    windows.designWindow = std::make_unique<DesignWindow>(dialogs);
    windows.designWindow->setMainWindow(windows.mainWindow.get());
    windows.correlationsWindow = std::make_unique<CorrelationsWindow>();
    // Escape hides the small tool windows (the cooling and chart windows see to it themselves).
    for (QWidget* tool : {static_cast<QWidget*>(windows.authorWindow.get()),
                          static_cast<QWidget*>(windows.aboutWindow.get()),
                          static_cast<QWidget*>(windows.heatCapacityWindow.get()),
                          static_cast<QWidget*>(windows.rangeWindow.get()),
                          static_cast<QWidget*>(windows.fluidWindow.get()),
                          static_cast<QWidget*>(windows.peltierWindow.get()),
                          static_cast<QWidget*>(windows.designWindow.get()),
                          static_cast<QWidget*>(windows.correlationsWindow.get())})
        closeOnEscape(tool);
    windows.helpWindow = std::make_unique<HelpWindow>();
    MainWindowLinks links{windows.coolingWindow.get(), windows.authorWindow.get(),
                          windows.aboutWindow.get(), windows.rangeWindow.get(), windows.chartWindow.get(),
                          windows.fluidWindow.get(), windows.peltierWindow.get()};
    windows.caseFiles = std::make_unique<CaseFiles>(windows, dialogs);
    links.caseFiles = windows.caseFiles.get();
    windows.caseFiles->setListener([main = windows.mainWindow.get()] {
        main->showRecentCases();
        main->showCaseTitle();
    });
    links.helpWindow = windows.helpWindow.get();
    links.designWindow = windows.designWindow.get();
    links.correlationsWindow = windows.correlationsWindow.get();
    windows.mainWindow->setLinks(links);
    windows.coolingWindow->setLinks({windows.mainWindow.get(), windows.heatCapacityWindow.get()});
    for (QWidget* window : windows.all()) {
        tabToCheckedRadioButtons(window);
        nameGroupsAndMenus(window);
    }
}

Windows createWindows(Dialogs& dialogs) {
    Windows windows;
    windows.mainWindow = std::make_unique<MainWindow>(dialogs);
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

std::unique_ptr<Windows> startWindows(Dialogs& dialogs, std::function<void(Windows&)> whenCreated) {
    auto windows = std::make_unique<Windows>();
    windows->mainWindow = std::make_unique<MainWindow>(dialogs);
    Windows* created = windows.get();
    auto createRest = [created, &dialogs, whenCreated = std::move(whenCreated)] {
        if (created->coolingWindow != nullptr)
            return;
        createRemainingWindows(*created, dialogs);
        if (whenCreated)
            whenCreated(*created);
    };
    // A handler of the main window needs them all: one that runs before they were made makes them.
    windows->mainWindow->setBeforeHandler(createRest);
    new AfterFirstPaint(windows->mainWindow.get(), createRest);
    windows->mainWindow->show();
    return windows;
}

} // namespace zav
