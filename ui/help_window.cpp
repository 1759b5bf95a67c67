// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_window.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/window_util.h"

namespace zav {

namespace {

// The object names of the window and its controls.
namespace names {
constexpr char kWindow[] = "Pomocnik";
constexpr char kBrowser[] = "Prirucka";
constexpr char kBack[] = "Spat1";
constexpr char kForward[] = "Vpred1";
constexpr char kFindBar[] = "Hladanie1";
constexpr char kFindField[] = "Hladat1";
constexpr char kFindNext[] = "Dalsi1";
constexpr char kFindPrevious[] = "Predchadzajuci1";
constexpr char kFindStatus[] = "Nenajdene1";
} // namespace names

QToolButton* addToolButton(QWidget* parent, QLayout* layout, const char* name, const QString& text,
                           const QString& toolTip) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(toolTip);
    button->setAccessibleName(QString(text).remove('&'));
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    layout->addWidget(button);
    return button;
}

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

    // Back and Forward over the links followed, as in a web browser (Alt+Left, Alt+Right).
    auto* navigation = new QHBoxLayout;
    navigation->setContentsMargins(4, 4, 4, 0);
    m_back = addToolButton(this, navigation, names::kBack, QStringLiteral("◀ &Späť"),
                           QStringLiteral("Späť na predchádzajúce miesto príručky (Alt+←)"));
    m_back->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    m_forward = addToolButton(this, navigation, names::kForward, QStringLiteral("Vp&red ▶"),
                              QStringLiteral("Vpred na miesto, z ktorého ste sa vrátili (Alt+→)"));
    m_forward->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    navigation->addStretch(1);

    // The search (Ctrl+F) under the text: Enter or F3 finds the next place, Shift+Enter or
    // Shift+F3 the previous one, from the end round to the start; Escape closes it.
    m_findBar = new QWidget(this);
    m_findBar->setObjectName(QLatin1String(names::kFindBar));
    auto* find = new QHBoxLayout(m_findBar);
    find->setContentsMargins(4, 0, 4, 4);
    auto* caption = new QLabel(QStringLiteral("&Hľadať:"), m_findBar);
    find->addWidget(caption);
    m_findField = new QLineEdit(m_findBar);
    m_findField->setObjectName(QLatin1String(names::kFindField));
    m_findField->setAccessibleName(QStringLiteral("Hľadať v príručke"));
    caption->setBuddy(m_findField);
    find->addWidget(m_findField, 1);
    QToolButton* previous = addToolButton(m_findBar, find, names::kFindPrevious, QStringLiteral("&Predchádzajúce"),
                                          QStringLiteral("Predchádzajúce miesto s hľadaným textom (Shift+F3)"));
    QToolButton* next = addToolButton(m_findBar, find, names::kFindNext, QStringLiteral("Ď&alšie"),
                                      QStringLiteral("Ďalšie miesto s hľadaným textom (F3)"));
    m_findStatus = new QLabel(m_findBar);
    m_findStatus->setObjectName(QLatin1String(names::kFindStatus));
    m_findStatus->setMinimumWidth(m_findStatus->fontMetrics().horizontalAdvance(QStringLiteral("Nenašlo sa.")) + 8);
    find->addWidget(m_findStatus);
    m_findBar->hide();
    connect(previous, &QToolButton::clicked, this, [this] { findText(true); });
    connect(next, &QToolButton::clicked, this, [this] { findText(false); });
    connect(m_findField, &QLineEdit::returnPressed, this, [this] { findText(false); });
    // Typing looks for the text from where the last place found begins.
    connect(m_findField, &QLineEdit::textEdited, this, [this] {
        QTextCursor cursor = m_browser->textCursor();
        cursor.setPosition(cursor.selectionStart());
        m_browser->setTextCursor(cursor);
        findText(false);
    });

    auto shortcut = [this](const QKeySequence& keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence::Find, [this] { openFind(); });
    shortcut(QKeySequence(Qt::Key_F3), [this] { findText(false); });
    shortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { findText(true); });
    auto* backwards = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_Return), m_findField);
    backwards->setContext(Qt::WidgetShortcut);
    connect(backwards, &QShortcut::activated, this, [this] { findText(true); });
    // Escape closes the search first, then the window.
    shortcut(QKeySequence(Qt::Key_Escape), [this] {
        if (m_findBar->isVisible()) {
            m_findBar->hide();
            m_browser->setFocus();
        } else {
            close();
        }
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(navigation);
    layout->addWidget(m_browser, 1);
    layout->addWidget(m_findBar);

    resizeToScreen(this, QSize(820, 700));
    centreOnScreen(this);
}

QUrl HelpWindow::manualUrl() { return QUrl(QStringLiteral("qrc:/zav/help/index.html")); }

void HelpWindow::openFind() {
    m_findBar->show();
    m_findField->setFocus();
    m_findField->selectAll();
}

bool HelpWindow::findText(bool backward) {
    const QString text = m_findField->text();
    if (text.isEmpty()) {
        m_findStatus->clear();
        return false;
    }
    const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = m_browser->find(text, flags);
    if (!found) {
        // Round from the end to the start (or back from the start to the end).
        QTextCursor cursor = m_browser->textCursor();
        cursor.movePosition(backward ? QTextCursor::End : QTextCursor::Start);
        m_browser->setTextCursor(cursor);
        found = m_browser->find(text, flags);
    }
    m_findStatus->setText(found ? QString() : QStringLiteral("Nenašlo sa."));
    return found;
}

} // namespace zav
