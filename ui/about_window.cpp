// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about_window.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/window_util.h"

namespace zav {

namespace {

// The object names of the window and its text, as scenario scripts and transcripts know them (the
// seed's names).
namespace names {
constexpr char kWindow[] = "Form4";
constexpr char kDescription[] = "Memo1";
} // namespace names

const char* const kDescription[] = {
    "Program ZAV - voľná konvekcia slúži na výpočet súčiniteľa prestupu tepla (ZAV)",
    "a súčasne ako pomôcka pri zjednodušenej forme výpočtu ochladzovania telies ",
    "pri",
    "voľnej konvekcii v časti \"dynamika\". Program v tejto časti zahŕňa aj sálanie",
    "telies pri známej hodnote emisivity s predpokladom, že v okolí nie sú iné",
    "žiaričetepla a priestor je nekonečne veľký.",
    "",
    "Pri zisťovaní požadovanej hodnoty ZAV je nutné vybrať si z pravej časti okna",
    "príslušnú geometriu povrchu a prípadne zadať doplňujúce informácie, ak si to",
    "geometria vyžaduje. Spolu s výpočtom ZAV sú dopočítané aj parametre tekutiny,",
    "spolu s kritériami podobnosti a výsledným tepelným tokom.",
};

} // namespace

AboutWindow::AboutWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(QStringLiteral("O programe ZAV - voľná konvekcia"));
    QStringList lines;
    for (const char* line : kDescription)
        lines << QString::fromUtf8(line);
    auto* description = new QPlainTextEdit(lines.join('\n'), this);
    description->setObjectName(QLatin1String(names::kDescription));
    description->setLineWrapMode(QPlainTextEdit::NoWrap);
    description->setAccessibleName(QStringLiteral("Popis programu"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(description);
    resize(600, 240);
    centreOnScreen(this);
}

} // namespace zav
