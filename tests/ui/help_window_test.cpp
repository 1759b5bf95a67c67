// SPDX-License-Identifier: GPL-3.0-or-later
// The manual in its window: it is the resources' page, and every picture and every link within it
// is found.
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>

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

} // namespace
} // namespace zav
