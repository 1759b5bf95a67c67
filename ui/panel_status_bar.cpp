#include "ui/panel_status_bar.h"

#include <QLabel>

namespace zav {

PanelStatusBar::PanelStatusBar(const QList<int>& panelWidths, QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    for (int width : panelWidths) {
        auto* panel = new QLabel(this);
        panel->setFixedWidth(width);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        addWidget(panel);
        m_panels.append(panel);
    }
}

QString PanelStatusBar::panelText(int index) const { return m_panels.at(index)->text(); }

void PanelStatusBar::setPanelText(int index, const QString& text) { m_panels.at(index)->setText(text); }

} // namespace zav
