// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_util.h"

#include "io/case_inputs.h"

#include <algorithm>

#include <QAction>
#include <QByteArray>
#include <QCheckBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QMenu>
#include <QRegularExpression>
#include <QRadioButton>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>

#include "core/number_format.h"
#include "export/replacing_file.h"
#include "ui/dialogs.h"

namespace zav {

namespace {

// Clicks its button on Return or keypad Enter pressed on that button.
class ReturnClicks : public QObject {
public:
    explicit ReturnClicks(QPushButton* button) : QObject(button), m_button(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_button->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPushButton* m_button;
};

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

QLineEdit* addInputEdit(QWidget* parent, const char* key, const QRect& geometry) {
    const CaseKey& entry = caseKey(key);
    return addEdit(parent, entry.control, QString::fromUtf8(entry.startValue), geometry);
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

namespace {

// Room for a window manager's title bar and borders around a window's inside.
const QSize kFrameAllowance(4, 38);

QRect availableArea(const QWidget* window) {
    QScreen* screen = window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

} // namespace

void centreOnScreen(QWidget* window) {
    const QRect area = availableArea(window);
    if (area.isEmpty())
        return;
    const QSize outer = window->size() + kFrameAllowance;
    window->move(area.left() + std::max(0, (area.width() - outer.width()) / 2),
                 area.top() + std::max(0, (area.height() - outer.height()) / 2));
}

QSize sizeOnScreen(QSize size, const QRect& available) {
    return available.isEmpty() ? size : size.boundedTo(available.size() - kFrameAllowance);
}

void resizeToScreen(QWidget* window, QSize size) {
    // Qt's offscreen platform (tests, the scenario runner) has a screen of no real size: there the
    // windows keep the size they were designed for.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        size = sizeOnScreen(size, availableArea(window));
    window->resize(size);
}

QScrollArea* scrollingInside(QWidget* content, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setObjectName(QStringLiteral("Inside"));
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    if (content->minimumSize().isEmpty())
        content->setMinimumSize(content->size());
    area->setWidgetResizable(true);
    area->setWidget(content);
    return area;
}

void keepOnScreen(QWidget* window) {
    const QRect area = availableArea(window);
    if (area.isEmpty() || QGuiApplication::platformName() == QLatin1String("offscreen"))
        return;
    const QSize size = sizeOnScreen(window->size(), area).expandedTo(window->minimumSize());
    if (size != window->size())
        window->resize(size);
    const QSize outer = size + kFrameAllowance;
    const int x = std::clamp(window->x(), area.left(), std::max(area.left(), area.left() + area.width() - outer.width()));
    const int y = std::clamp(window->y(), area.top(), std::max(area.top(), area.top() + area.height() - outer.height()));
    if (x != window->x() || y != window->y())
        window->move(x, y);
}

void tabToCheckedRadioButtons(QWidget* window) {
    // A group: the radio buttons of one button group, or the auto-exclusive ones of one parent.
    auto groupOf = [](QRadioButton* button) {
        QList<QAbstractButton*> group;
        if (button->group() != nullptr) {
            group = button->group()->buttons();
        } else if (button->autoExclusive()) {
            for (QRadioButton* sibling : button->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
                if (sibling->autoExclusive() && sibling->group() == nullptr)
                    group << sibling;
            }
        }
        return group;
    };
    auto settle = [](const QList<QAbstractButton*>& group) {
        bool anyChecked = false;
        for (const QAbstractButton* button : group)
            anyChecked = anyChecked || button->isChecked();
        // With none checked, Tab reaches them all.
        for (QAbstractButton* button : group)
            button->setFocusPolicy(button->isChecked() || !anyChecked ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QRadioButton* button : window->findChildren<QRadioButton*>()) {
        QObject::connect(button, &QAbstractButton::toggled, button, [button, groupOf, settle] { settle(groupOf(button)); });
        settle(groupOf(button));
    }
}

void nameGroupsAndMenus(QWidget* window) {
    // A title without its mnemonic's "&" ("&&" is a shown "&").
    const auto spoken = [](QString title) { return title.remove(QRegularExpression(QStringLiteral("&(?!&)"))); };
    for (QGroupBox* group : window->findChildren<QGroupBox*>()) {
        if (group->accessibleName().isEmpty())
            group->setAccessibleName(spoken(group->title()));
    }
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        if (menu->windowTitle().isEmpty())
            menu->setWindowTitle(spoken(menu->title()));
    }
}

void showWindow(QWidget* window) {
    if (!window->isVisible())
        keepOnScreen(window);
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

void writePictureFile(const QString& name, const QByteArray& bytes, Dialogs& dialogs,
                      std::string (*notWritten)(const std::string& name)) {
    ReplacingFile file;
    if (!file.open(fileNameBytes(name))) {
        dialogs.showMessage(QString::fromStdString(file.failure() == ReplacingFile::Failure::ReadOnly
                                                       ? openFailureMessage(file.failure(), name.toStdString())
                                                       : notCreatedMessage(name.toStdString())));
        return;
    }
    file.write(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (bytes.isEmpty() || !file.close())
        dialogs.showMessage(QString::fromStdString(notWritten(name.toStdString())));
}

std::string fileNameBytes(const QString& name) {
    std::string bytes;
    QString run; // the characters since the last escaped byte
    const auto flush = [&] {
        bytes += QFile::encodeName(run).toStdString();
        run.clear();
    };
    for (const QChar c : name) {
        if (c.unicode() >= 0xDC80 && c.unicode() <= 0xDCFF) {
            flush();
            bytes += static_cast<char>(c.unicode() - 0xDC00);
        } else {
            run += c;
        }
    }
    flush();
    return bytes;
}

QString fileNameFromBytes(const std::string& bytes) {
    QString name;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        // The length of a well-formed sequence starting here, or 0.
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                                                                                : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                                                                               : 0;
        if (length > 1) {
            if (i + length > bytes.size())
                length = 0;
            for (std::size_t k = 1; k < length; ++k) {
                if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                    length = 0;
            }
            const QString decoded = length > 0 ? QString::fromUtf8(bytes.data() + i, static_cast<qsizetype>(length))
                                               : QString();
            // Overlong forms, surrogates and code points beyond U+10FFFF decode to U+FFFD.
            if (length > 0 && decoded.contains(QChar::ReplacementCharacter) && bytes.compare(i, 3, "\xEF\xBF\xBD") != 0)
                length = 0;
            if (length > 0)
                name += decoded;
        } else if (length == 1) {
            name += QChar(lead);
        }
        if (length == 0) {
            name += QChar(static_cast<char16_t>(0xDC00 + lead));
            length = 1;
        }
        i += length;
    }
    return name;
}

FieldConversionError::FieldConversionError(const ConversionError& error, QLineEdit* field)
    : ConversionError(error), m_field(field) {}

QLineEdit* FieldConversionError::field() const { return static_cast<QLineEdit*>(m_field.data()); }

double readNumber(const QLineEdit* edit) {
    try {
        return parseNumber(edit->text().toStdString());
    } catch (const ConversionError& error) {
        throw FieldConversionError(error, const_cast<QLineEdit*>(edit));
    }
}

void focusField(QLineEdit* field) {
    QWidget* window = field->window();
    if (window->isVisible()) {
        window->raise();
        window->activateWindow();
    }
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void clickOnReturn(QPushButton* button, const QList<QLineEdit*>& fields, const QList<QWidget*>& controls) {
    for (QLineEdit* field : fields)
        QObject::connect(field, &QLineEdit::returnPressed, button, &QPushButton::click);
    auto* clicks = new ReturnClicks(button);
    button->installEventFilter(clicks);
    for (QWidget* control : controls)
        control->installEventFilter(clicks);
}

void closeOnEscape(QWidget* window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window, &QWidget::close);
}

void describeField(QLineEdit* field, QLabel* label, const QString& name, const QString& toolTip) {
    if (label != nullptr)
        label->setBuddy(field);
    field->setAccessibleName(name);
    if (!toolTip.isEmpty())
        field->setToolTip(toolTip);
}

} // namespace zav
