// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zav {

namespace {

// Qt names its standard buttons (Save, Open, Cancel, …) in the context QPlatformTheme, which Qt's
// Slovak translation lacks; it has the same texts in the context QDialogButtonBox of older Qt
// versions, and this translator answers from there.
class StandardButtonTranslator : public QTranslator {
public:
    StandardButtonTranslator(const QTranslator& qt, QObject* parent) : QTranslator(parent), m_qt(qt) {}

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        if (qstrcmp(context, "QPlatformTheme") != 0)
            return QString();
        return m_qt.translate("QDialogButtonBox", sourceText, disambiguation, n);
    }
    bool isEmpty() const override { return false; }

private:
    const QTranslator& m_qt;
};

} // namespace

bool installSlovakTranslation(QCoreApplication& application) {
    auto* qt = new QTranslator(&application);
    if (!qt->load(QLocale(QLocale::Slovak, QLocale::Slovakia), QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    QCoreApplication::installTranslator(qt);
    QCoreApplication::installTranslator(new StandardButtonTranslator(*qt, &application));
    return true;
}

} // namespace zav
