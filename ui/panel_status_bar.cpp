// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panel_status_bar.h"

#include <QLabel>

namespace zav {

PanelStatusBar::PanelStatusBar(const QList<int>& panelWidths, QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    for (int i = 0; i < panelWidths.size(); ++i) {
        auto* panel = new QLabel(this);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        // The last panel may grow over the rest of the bar, so that a long status text shows whole.
        const bool last = i + 1 == panelWidths.size();
        if (last)
            panel->setMinimumWidth(panelWidths[i]);
        else
            panel->setFixedWidth(panelWidths[i]);
        addWidget(panel, last ? 1 : 0);
        m_panels.append(panel);
    }
}

QString PanelStatusBar::panelText(int index) const { return m_panels.at(index)->text(); }

void PanelStatusBar::setPanelText(int index, const QString& text) { m_panels.at(index)->setText(text); }

} // namespace zav
