// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_util.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "core/number_format.h"
#include "ui/dialogs.h"

namespace zav {

namespace {

template <class Widget> Widget* place(Widget* widget, const char* name, const QRect& geometry) {
    if (name != nullptr)
        widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

} // namespace

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry, bool bold) {
    auto* label = place(new QLabel(text, parent), nullptr, geometry);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QLineEdit* addEdit(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* edit = place(new QLineEdit(text, parent), name, geometry);
    // A palette of its own costs as much again as the edit: only where the style's differs.
    if (background(edit) != kWindowBackground)
        setBackground(edit, kWindowBackground);
    edit->setCursorPosition(0);
    return edit;
}

QRadioButton* addRadioButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    return place(new QRadioButton(text, parent), name, geometry);
}

QCheckBox* addCheckBox(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    return place(new QCheckBox(text, parent), name, geometry);
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    return place(new QPushButton(text, parent), name, geometry);
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
}

QColor background(const QWidget* widget) { return widget->palette().color(QPalette::Base); }

void setWindowFont(QWidget* window) {
    QFont font = window->font();
    font.setPixelSize(11);
    window->setFont(font);
}

QAction* addMenuItem(QWidget* menu, const char* name, const QString& text, const std::function<void()>& handler) {
    auto* item = new QAction(text, menu);
    item->setObjectName(QLatin1String(name));
    menu->addAction(item);
    if (handler)
        QObject::connect(item, &QAction::triggered, menu, handler);
    else
        item->setEnabled(false);
    return item;
}

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

void showWindow(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void toggleOutput(bool& on, QAction* item, QString& fileName, Dialogs& dialogs, const FileDialogOptions& options) {
    on = !on;
    item->setChecked(on);
    if (!on)
        return;
    if (const std::optional<QString> chosen = dialogs.saveFileName(options))
        fileName = *chosen;
}

std::string fileNameBytes(const QString& name) { return QFile::encodeName(name).toStdString(); }

double readNumber(const QLineEdit* edit) { return parseNumber(edit->text().toStdString()); }

} // namespace zav
