// SPDX-License-Identifier: GPL-3.0-or-later
// The manual in its window: it is the resources' page, and every picture and every link within it
// is found; the search finds a text forwards and backwards, round the ends, and says when the
// manual does not hold it; Back and Forward go over the links followed.
#include <algorithm>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include "ui/help_window.h"

namespace zav {
namespace {

TEST(HelpWindowTest, EveryPictureAndLinkOfTheManualIsFound) {
    HelpWindow window;
    EXPECT_EQ(window.objectName(), QStringLiteral("Pomocnik"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Pomocník - ZAV"));
    auto* browser = window.findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source(), HelpWindow::manualUrl());
    EXPECT_EQ(browser->documentTitle(), QStringLiteral("Pomocník - ZAV"));

    QFile file(QStringLiteral(":/zav/help/index.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    int pictures = 0;
    for (const auto& match : QRegularExpression(QStringLiteral(R"re(<img src="([^"]+)")re")).globalMatch(html)) {
        const QVariant picture = browser->loadResource(QTextDocument::ImageResource, QUrl(match.captured(1)));
        EXPECT_FALSE(QImage::fromData(picture.toByteArray()).isNull()) << match.captured(1).toStdString();
        ++pictures;
    }
    EXPECT_EQ(pictures, 9); // the icon and the eight shapes
    int links = 0;
    for (const auto& match : QRegularExpression(QStringLiteral(R"re(<a href="#([^"]+)")re")).globalMatch(html)) {
        EXPECT_TRUE(html.contains(QStringLiteral("<a name=\"%1\">").arg(match.captured(1))))
            << match.captured(1).toStdString();
        ++links;
    }
    EXPECT_GT(links, 10);
}

TEST(HelpWindowTest, SearchFindsEachPlaceInTurnAndRoundTheEnds) {
    HelpWindow window;
    auto* browser = window.findChild<QTextBrowser*>();
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("Hladat1"));
    auto* status = window.findChild<QLabel*>(QStringLiteral("Nenajdene1"));
    ASSERT_TRUE(browser != nullptr && field != nullptr && status != nullptr);
    window.openFind();
    const QString text = QStringLiteral("rayleigh"); // as typed: any case
    field->setText(text);
    const int places = browser->document()->toPlainText().count(text, Qt::CaseInsensitive);
    ASSERT_GT(places, 2);
    QList<int> forwards;
    for (int i = 0; i < places + 1; ++i) {
        ASSERT_TRUE(window.findText(false));
        EXPECT_EQ(browser->textCursor().selectedText().toLower(), text);
        forwards << browser->textCursor().selectionStart();
    }
    EXPECT_TRUE(std::is_sorted(forwards.begin(), forwards.end() - 1));
    EXPECT_EQ(forwards.back(), forwards.front()); // round from the end to the start
    ASSERT_TRUE(window.findText(true));           // back from the first place: the last one
    EXPECT_EQ(browser->textCursor().selectionStart(), forwards[places - 1]);
    EXPECT_TRUE(status->text().isEmpty());
    field->setText(QStringLiteral("xyzzy"));
    EXPECT_FALSE(window.findText(false));
    EXPECT_EQ(status->text(), QStringLiteral("Nenašlo sa."));
}

TEST(HelpWindowTest, BackAndForwardGoOverTheLinksFollowed) {
    HelpWindow window;
    auto* browser = window.findChild<QTextBrowser*>();
    auto* back = window.findChild<QToolButton*>(QStringLiteral("Spat1"));
    auto* forward = window.findChild<QToolButton*>(QStringLiteral("Vpred1"));
    ASSERT_TRUE(browser != nullptr && back != nullptr && forward != nullptr);
    EXPECT_EQ(back->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Left));
    EXPECT_EQ(forward->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Right));
    EXPECT_FALSE(back->isEnabled());
    const QUrl start = browser->source();
    QUrl section = start;
    section.setFragment(QStringLiteral("zadania"));
    browser->setSource(section);
    ASSERT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(browser->source(), start);
    ASSERT_TRUE(forward->isEnabled());
    forward->click();
    EXPECT_EQ(browser->source(), section);
    EXPECT_FALSE(forward->isEnabled());
}

} // namespace
} // namespace zav
