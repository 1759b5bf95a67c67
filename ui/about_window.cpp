// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form4.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/window_util.h"

namespace zav {

namespace {

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

Form4::Form4(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("O programe ZAV - voľná konvekcia"));
    QStringList lines;
    for (const char* line : kDescription)
        lines << QString::fromUtf8(line);
    auto* memo = new QPlainTextEdit(lines.join('\n'), this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo);
    resize(600, 240);
    centreOnScreen(this);
}

} // namespace zav
