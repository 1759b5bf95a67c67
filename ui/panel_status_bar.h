// SPDX-License-Identifier: GPL-3.0-or-later
// A status bar of text panels of given widths, addressed by index; the last one takes the rest
// of the bar.
#pragma once

#include <QList>
#include <QStatusBar>

class QLabel;

namespace zav {

class PanelStatusBar : public QStatusBar {
    Q_OBJECT
public:
    PanelStatusBar(const QList<int>& panelWidths, QWidget* parent = nullptr);

    int panelCount() const { return static_cast<int>(m_panels.size()); }
    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);

private:
    QList<QLabel*> m_panels;
};

} // namespace zav
