// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/window_util.h"

namespace zav {

namespace {

// The object names of the window and its browser.
namespace names {
constexpr char kWindow[] = "Pomocnik";
constexpr char kBrowser[] = "Prirucka";
} // namespace names

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(QStringLiteral("Pomocník - ZAV"));

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QLatin1String(names::kBrowser));
    m_browser->setAccessibleName(QStringLiteral("Príručka programu ZAV"));
    // Links to the web go to the desktop's browser; those within the manual stay here.
    m_browser->setOpenExternalLinks(true);
    m_browser->setSource(manualUrl());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);

    closeOnEscape(this);
    resizeToScreen(this, QSize(820, 700));
    centreOnScreen(this);
}

QUrl HelpWindow::manualUrl() { return QUrl(QStringLiteral("qrc:/zav/help/index.html")); }

} // namespace zav
