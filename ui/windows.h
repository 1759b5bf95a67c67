// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows, created once at start-up in their fixed order and alive until the
// program ends. Only the main window is shown at start-up; the others are shown on demand.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QList>

class QWidget;

namespace zav {

class AboutWindow;
class AuthorWindow;
class CaseFiles;
class ChartWindow;
class CorrelationsWindow;
class CoolingWindow;
class DesignWindow;
class Dialogs;
class FluidWindow;
class HeatCapacityWindow;
class HelpWindow;
class MainWindow;
class PeltierWindow;
class RangeWindow;

/// The windows in their order of creation: the nine of the first release, then the design window.
struct Windows {
    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<CoolingWindow> coolingWindow;
    std::unique_ptr<AuthorWindow> authorWindow;
    std::unique_ptr<AboutWindow> aboutWindow;
    std::unique_ptr<HeatCapacityWindow> heatCapacityWindow;
    std::unique_ptr<RangeWindow> rangeWindow;
    std::unique_ptr<ChartWindow> chartWindow;
    std::unique_ptr<FluidWindow> fluidWindow;
    std::unique_ptr<PeltierWindow> peltierWindow;
    std::unique_ptr<DesignWindow> designWindow; // "Návrh" (Form10), created after the nine
    std::unique_ptr<CorrelationsWindow> correlationsWindow; // "Porovnanie korelácií" (Form11)
    /// "Pomocník - ZAV", the manual; made after the nine, and not one of all().
    std::unique_ptr<HelpWindow> helpWindow;
    /// "Otvoriť zadanie…", "Uložiť zadanie…" and the last cases: every window's inputs in a file;
    /// made after the windows, and not one of all().
    std::unique_ptr<CaseFiles> caseFiles;

    Windows();
    ~Windows();
    Windows(Windows&&) noexcept;
    Windows& operator=(Windows&&) noexcept;

    /// Every window created so far, in the order of creation.
    QList<QWidget*> all() const;
    /// The window that shows the inputs of a case's section ("main", "range", "chart", "cooling",
    /// "heat_capacity", "fluid", "design": the first part of a key of the table of the inputs), or
    /// null.
    QWidget* windowOfSection(const std::string& section) const;
};

/// Creates the windows in their start-up order and links the menus to them; shows none.
Windows createWindows(Dialogs& dialogs);

/// Creates the windows after the main window in their order (once; nothing when they exist).
void createRemainingWindows(Windows& windows, Dialogs& dialogs);

/// zav's start-up: the main window is created and shown; the other windows are created, in their
/// order, as soon as it has been painted for the first time, or sooner when one of its handlers
/// runs. Nothing the user can do reaches a window before it exists.
/// `whenCreated` runs once, right after the other windows were made.
std::unique_ptr<Windows> startWindows(Dialogs& dialogs, std::function<void(Windows&)> whenCreated = {});

} // namespace zav
