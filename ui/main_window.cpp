// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QShortcut>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include "core/number_format.h"
#include "core/reference_deviation.h"
#include "core/shown_results.h"
#include "core/steady_state.h"
#include "export/cel_file.h"
#include "export/sweeps.h"
#include "io/case_inputs.h"
#include "ui/case_files.h"
#include "ui/chart_window.h"
#include "ui/cooling_window.h"
#include "ui/correlations_window.h"
#include "ui/dialogs.h"
#include "ui/fluid_window.h"
#include "ui/geometry_pictures.h"
#include "ui/handler.h"
#include "ui/panel_status_bar.h"
#include "ui/print_window.h"
#include "ui/range_window.h"
#include "ui/report_export.h"
#include "ui/run_inputs.h"
#include "ui/window_util.h"

namespace zav {

namespace {

// The object names of the window and its controls by role, as scenario scripts, tests and
// transcripts know them (the seed's names: Edit1 is the body temperature). The layout below
// creates the controls in the order the scenario runner's dump lists them.
namespace names {
constexpr char kWindow[] = "Form1";
constexpr char kStatusBar[] = "StatusBar1";
// Menus and their items.
constexpr char kFileMenu[] = "Sbor1";
constexpr char kNewCaseItem[] = "NoveZadanie1";
constexpr char kOpenCaseItem[] = "OtvoritZadanie1";
constexpr char kSaveCaseItem[] = "UlozitZadanie1";
constexpr char kReportItem[] = "Sprava1";
constexpr char kRecentMenu[] = "PosledneZadania1";
constexpr char kRecentItem[] = "PosledneZadanie"; // 1 to 5, newest first
constexpr char kPrintItem[] = "Uloi1";
constexpr char kRangeItem[] = "Nastavrozsah1";
constexpr char kTableOutputItem[] = "Ulodosboru1";
constexpr char kCelOutputItem[] = "Ansys1";
constexpr char kQuitItem[] = "Koniec1";
constexpr char kDynamicsMenu[] = "Dynamika1";
constexpr char kCoolingItem[] = "Ochladzovanie1";
constexpr char kChartMenu[] = "graf1";
constexpr char kChartItem[] = "graf2";
constexpr char kAboutItem[] = "Oprograme1";
constexpr char kAuthorItem[] = "Oautorovi1";
constexpr char kPeltierItem[] = "Peltier1";
constexpr char kHelpItem[] = "Pomocnik1";
constexpr char kDesignItem[] = "Navrh1";
// The inputs of the left column.
constexpr char kFluidFrame[] = "RadioGroup1";
constexpr char kFluidWindowButton[] = "Button2";
constexpr char kCalculateButton[] = "Button1";
// The results, top to bottom.
constexpr char kMeanTemperature[] = "Edit15";
constexpr char kDensity[] = "Edit3";
constexpr char kConductivity[] = "Edit4";
constexpr char kDynViscosity[] = "Edit5";
constexpr char kKinViscosity[] = "Edit6";
constexpr char kHeatCapacity[] = "Edit7";
constexpr char kExpansionCoeff[] = "Edit21";
constexpr char kPrandtl[] = "Edit8";
constexpr char kGrashof[] = "Edit9";
constexpr char kRayleigh[] = "Edit14";
constexpr char kNusselt[] = "Edit12";
constexpr char kTotalCoefficient[] = "Edit13";
constexpr char kHeatFlow[] = "Edit18";
constexpr char kDeviation[] = "Presnost1";
constexpr char kSpread[] = "Rozptyl1";
constexpr char kCorrelationsButton[] = "Korelacie1";
// The surface shapes' frame and own inputs; each shape's button and picture stand in kShapeCells.
constexpr char kShapeFrame[] = "GroupBox1";
constexpr char kFaceFrame[] = "GroupBox2";
} // namespace names

// Each surface shape's picture (object name), in SurfaceGeometry order (its radio button's name is
// its choice's, its caption and the description of its length l the shape registry's): the window
// shows them in this order, four to a row.
struct ShapeCell {
    SurfaceGeometry shape;
    const char* pictureName;
};
constexpr ShapeCell kShapeCells[] = {
    {SurfaceGeometry::VerticalPlate, "Image1"},      {SurfaceGeometry::InclinedPlate, "Image2"},
    {SurfaceGeometry::HorizontalPlate, "Image3"},    {SurfaceGeometry::Cube, "Image4"},
    {SurfaceGeometry::VerticalCylinder, "Image5"},   {SurfaceGeometry::HorizontalCylinder, "Image6"},
    {SurfaceGeometry::Sphere, "Image7"},             {SurfaceGeometry::FinnedTube, "Image8"},
};
constexpr int kShapeCount = static_cast<int>(kSurfaceShapes.size());

constexpr bool shapeCellsInOrder() {
    if (sizeof kShapeCells / sizeof kShapeCells[0] != kSurfaceShapes.size())
        return false;
    for (std::size_t i = 0; i < kSurfaceShapes.size(); ++i) {
        if (kShapeCells[i].shape != kSurfaceShapes[i].id)
            return false;
    }
    return true;
}
static_assert(shapeCellsInOrder(), "kShapeCells has one cell per surface shape, in SurfaceGeometry order");

const QString kNoResult = QStringLiteral("------------");
const QSize kPictureSize(170, 140);

// The inside between the menu and the status bar: the whole window fits a 1366×768 screen with a
// panel and a title bar.
const QSize kInsideSize(1020, 648);
// The shapes' frame on the right; the accuracy lines under it.
const QRect kShapeFrame(272, 4, 740, 553);

// Left column: labels, then the edits at a common x.
constexpr int kLabelX = 8;
constexpr int kLabelWidth = 156;
constexpr int kEditX = 164;
constexpr int kEditWidth = 100; // room for "1,59563E+0011"
constexpr int kRowHeight = 21;

// A field's name from its label: the caption without the closing colon.
QString fieldName(const QString& label) {
    QString name = label.trimmed();
    if (name.endsWith(':'))
        name.chop(1);
    return name.trimmed();
}

// The title while no case file is known; with one, "ZAV - voľná konvekcia – NAME.zav".
const QString kTitle = QStringLiteral("ZAV - voľná konvekcia V1.42  © tím projektu ZAV 2026");

QRect labelRect(int y) { return QRect(kLabelX, y + 2, kLabelWidth, kRowHeight - 2); }
QRect editRect(int y) { return QRect(kEditX, y, kEditWidth, kRowHeight); }

} // namespace

MainWindow::MainWindow(Dialogs& dialogs, QWidget* parent) : QMainWindow(parent), m_dialogs(dialogs) {
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(kTitle);
    setWindowFont(this);
    buildMenu();
    auto* central = new QWidget(this);
    buildInputs(central);
    buildResults(central);
    buildGeometry(central);
    central->resize(kInsideSize);
    setCentralWidget(scrollingInside(central, this));
    m_statusBar = new PanelStatusBar({200, 150, 200}, this);
    m_statusBar->setObjectName(QLatin1String(names::kStatusBar));
    setStatusBar(m_statusBar);
    resizeToScreen(this, kInsideSize + QSize(0, menuBar()->sizeHint().height() + m_statusBar->sizeHint().height()));
    centreOnScreen(this);
    setUpKeyboard();
}

void MainWindow::setUpKeyboard() {
    QList<QLineEdit*> fields;
    for (const auto& copied : m_copied)
        fields.append(copied.second);
    fields << m_inclination << m_finGap << m_tubeDiameter;
    clickOnReturn(m_calculateButton, fields);
    // An edit without selected text leaves Ctrl+C to the window.
    for (QLineEdit* field : fields)
        field->installEventFilter(this);

    auto named = [this](const char* name) { return findChild<QWidget*>(QLatin1String(name)); };
    QList<QWidget*> order{m_bodyTemperature, m_fluidTemperature, m_length, m_area, m_radiation, m_emissivity,
                          named(kFluidChoice[0].control), m_water, m_userFluid, named(names::kFluidWindowButton),
                          m_referenceProperties};
    for (int i = 0; i < kShapeCount; ++i) {
        order << m_shapes[i];
        for (const std::string_view input : kSurfaceShapes[i].inputs) {
            if (const OwnInput* own = ownInput(input))
                order << own->controls;
        }
    }
    order << m_calculateButton;
    for (const ResultField& result : m_results)
        order << result.edit;
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (edit != nullptr && !edit->hasSelectedText() && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::handle(void (MainWindow::*handler)()) {
    handle([this, handler] { (this->*handler)(); });
}

void MainWindow::handle(const std::function<void()>& handler) {
    runHandler(m_dialogs, this, [this, &handler] {
        if (m_beforeHandler)
            m_beforeHandler();
        handler();
    });
}

void MainWindow::buildMenu() {
    auto action = [this](QWidget* menu, const char* name, const QString& text, void (MainWindow::*handler)()) {
        return addMenuItem(menu, name, text, [this, handler] { handle(handler); });
    };
    // Ctrl+N, Ctrl+O, Ctrl+S, Ctrl+Q and F1 reach the program from every window; Ctrl+P prints the window
    // it is pressed in.
    auto everywhere = [](QAction* item, const QKeySequence& keys) {
        item->setShortcut(keys);
        item->setShortcutContext(Qt::ApplicationShortcut);
    };
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&Súbor"));
    file->setObjectName(QLatin1String(names::kFileMenu));
    everywhere(action(file, names::kNewCaseItem, QStringLiteral("Nové &zadanie"), &MainWindow::newCase),
               QKeySequence::New);
    everywhere(action(file, names::kOpenCaseItem, QStringLiteral("&Otvoriť zadanie…"), &MainWindow::openCase),
               QKeySequence::Open);
    everywhere(action(file, names::kSaveCaseItem, QStringLiteral("&Uložiť zadanie…"), &MainWindow::saveCase),
               QKeySequence::Save);
    m_recentMenu = file->addMenu(QStringLiteral("&Posledné zadania"));
    m_recentMenu->setObjectName(QLatin1String(names::kRecentMenu));
    for (int i = 0; i < kRecentCount; ++i) {
        const QByteArray name = names::kRecentItem + QByteArray::number(i + 1);
        m_recentItems[i] = addMenuItem(m_recentMenu, name.constData(), QString(), [this, i] {
            handle([this, i] { openRecentCase(i); });
        });
    }
    connect(m_recentMenu, &QMenu::aboutToShow, this, &MainWindow::showRecentCases);
    showRecentCases();
    action(file, names::kReportItem, QStringLiteral("Sp&ráva o výpočte…"), &MainWindow::writeReport);
    file->addSeparator();
    action(file, names::kPrintItem, QStringLiteral("&Vytlačiť okno programu"), &MainWindow::print)
        ->setShortcut(QKeySequence::Print);
    action(file, names::kRangeItem, QStringLiteral("&Nastav rozsah"), &MainWindow::showRange);
    m_tableOutputItem =
        action(file, names::kTableOutputItem, QStringLiteral("Ulož do &súboru"), &MainWindow::toggleTableOutput);
    m_tableOutputItem->setCheckable(true);
    m_celOutputItem = action(file, names::kCelOutputItem, QStringLiteral("&Ansys"), &MainWindow::toggleCelOutput);
    m_celOutputItem->setCheckable(true);
    file->addSeparator();
    everywhere(action(file, names::kQuitItem, QStringLiteral("&Koniec"), &MainWindow::quit), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QMenu* dynamics = bar->addMenu(QStringLiteral("&Dynamika"));
    dynamics->setObjectName(QLatin1String(names::kDynamicsMenu));
    action(dynamics, names::kCoolingItem, QStringLiteral("&Ochladzovanie"), &MainWindow::showCooling);
    action(bar, names::kDesignItem, QStringLiteral("&Návrh…"), &MainWindow::showDesign);
    QMenu* chart = bar->addMenu(QStringLiteral("&Graf"));
    chart->setObjectName(QLatin1String(names::kChartMenu));
    action(chart, names::kChartItem, QStringLiteral("&Graf"), &MainWindow::showChart);
    action(bar, names::kAboutItem, QStringLiteral("O p&rograme"), &MainWindow::showAbout);
    action(bar, names::kAuthorItem, QStringLiteral("O &autorovi"), &MainWindow::showAuthor);
    action(bar, names::kPeltierItem, QStringLiteral("P&eltier"), &MainWindow::showPeltier);
    everywhere(action(bar, names::kHelpItem, QStringLiteral("&Pomocník"), &MainWindow::showHelp),
               QKeySequence::HelpContents);
    // Ctrl+C copies the inputs and results; an edit with selected text copies its selection.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, [this] { handle(&MainWindow::copyResults); });
}

void MainWindow::buildInputs(QWidget* central) {
    int y = 8;
    auto input = [&](const char* name, const QString& label, const QString& text, const QString& toolTip) {
        QLabel* caption = addLabel(central, label, labelRect(y));
        QLineEdit* edit = addEdit(central, name, text, editRect(y));
        describeField(edit, caption, fieldName(label), toolTip);
        m_copied.append({fieldName(label), edit});
        y += 24;
        return edit;
    };
    // A field of an input of the case: its object name and start-up text from the table.
    auto caseInput = [&](const char* key, const QString& label, const QString& toolTip) {
        const CaseKey& entry = caseKey(key);
        return input(entry.control, label, QString::fromUtf8(entry.startValue), toolTip);
    };
    m_bodyTemperature = caseInput("main.t_body", QStringLiteral("Teplota telesa (°C) :"),
                              QStringLiteral("Teplota povrchu telesa v °C, napr. 85,5"));
    m_fluidTemperature =
        caseInput("main.t_fluid", QStringLiteral("Teplota tekutiny (°C) :"),
              QStringLiteral("Teplota tekutiny ďaleko od telesa v °C, napr. 20,5"));
    m_length = caseInput("main.length", QStringLiteral("Charakt. rozmer l (m) :"),
                     QStringLiteral("Charakteristický rozmer l zvoleného tvaru (pozri jeho obrázok) v m, napr. 0,25"));
    m_area = caseInput("main.area", QStringLiteral("Plocha povrchu (m2) :"),
                   QStringLiteral("Plocha povrchu telesa v m², napr. 1,5"));

    m_radiation =
        addCheckBox(central, caseKey("main.radiation").control, QStringLiteral("Zahrnúť sálanie"), QRect(kLabelX, y, 200, 20));
    connect(m_radiation, &QCheckBox::clicked, this, [this] { handle(&MainWindow::toggleRadiation); });
    y += 22;
    m_emissivity = caseInput("main.emissivity", QStringLiteral("Pomerná emisivita :"),
                         QStringLiteral("Pomerná emisivita povrchu od 0 do 1 (bez jednotky), napr. 0,85; "
                                        "píše sa po zaškrtnutí „Zahrnúť sálanie“"));
    m_emissivity->setReadOnly(true);
    setBackground(m_emissivity, kSilver);

    // The fluid's radio buttons stand on the window itself, under a frame that only frames them.
    auto* frame = new QGroupBox(QStringLiteral("Typ tekutiny (pri 101325 Pa)"), central);
    frame->setObjectName(QLatin1String(names::kFluidFrame));
    frame->setGeometry(kLabelX, y + 2, 256, 122);
    auto* fluids = new QButtonGroup(this);
    auto fluid = [&](const char* name, const QString& text, int row) {
        QRadioButton* button = addRadioButton(central, name, text, QRect(kLabelX + 10, y + 22 + row * 20, 170, 19));
        fluids->addButton(button);
        return button;
    };
    fluid(kFluidChoice[0].control, QStringLiteral("Vzduch (-76 až 2226 °C)"), 0)->setChecked(true);
    m_water = fluid(kFluidChoice[1].control, QStringLiteral("Voda (0°C až 100°C)"), 1);
    m_userFluid = fluid(kFluidChoice[2].control, QStringLiteral("iná"), 2);
    auto* fluidWindowButton =
        addButton(central, names::kFluidWindowButton, QStringLiteral("..."), QRect(kLabelX + 212, y + 61, 34, 20));
    fluidWindowButton->setAccessibleName(QStringLiteral("Vlastný materiál…"));
    fluidWindowButton->setToolTip(QStringLiteral("Vlastný materiál…: vlastnosti tekutiny „iná“"));
    connect(fluidWindowButton, &QPushButton::clicked, this, [this] { handle(&MainWindow::showFluidWindow); });
    // Under the fluids, the source of air's and water's properties; off at start. The caption takes
    // two lines in the narrow column; its accessible name is the caption in one.
    const QString reference = QStringLiteral("Referenčné vlastnosti (IAPWS-IF97, Lemmon)");
    m_referenceProperties = addCheckBox(central, caseKey("main.properties").control,
                                        QString(reference).replace(QLatin1String(" ("), "\n("),
                                        QRect(kLabelX + 10, y + 84, 236, 34));
    m_referenceProperties->setAccessibleName(reference);
    m_referenceProperties->setToolTip(QStringLiteral(
        "Vlastnosti vzduchu a vody z medzinárodných referenčných rovníc namiesto vstavaných aproximácií"));
    frame->lower();
    y += 132;

    auto* calculateButton =
        addButton(central, names::kCalculateButton, QStringLiteral("&Vypočítaj"), QRect(82, y, 110, 28));
    m_calculateButton = calculateButton;
    QFont bold = calculateButton->font();
    bold.setBold(true);
    calculateButton->setFont(bold);
    connect(calculateButton, &QPushButton::clicked, this, [this] { handle(&MainWindow::calculate); });
}

void MainWindow::buildResults(QWidget* central) {
    // The digits of each result are the shown results' (core/shown_results.h).
    struct Row {
        Quantity quantity;
        const char* name;
        const char* label;
    };
    static const Row rows[] = {
        {Quantity::TMean, names::kMeanTemperature, "Stredná teplota (°C) :"},
        {Quantity::Density, names::kDensity, "Hustota (kg.m-3) :"},
        {Quantity::Conductivity, names::kConductivity, "Súč. tep. vod. (W.m-1.K-1) :"},
        {Quantity::DynViscosity, names::kDynViscosity, "Dyn. viskozita (Pa.s) :"},
        {Quantity::KinViscosity, names::kKinViscosity, "Kin. viskozita (m2.s-1) :"},
        {Quantity::HeatCapacity, names::kHeatCapacity, "Šp.tep. kap. (Jkg-1.K-1):"},
        {Quantity::ExpansionCoeff, names::kExpansionCoeff, "Súč. obj. rozťažnosti (K-1) :"},
        {Quantity::Prandtl, names::kPrandtl, "Prandtlovo č. (1) :"},
        {Quantity::Grashof, names::kGrashof, "Grashofovo č. (1) :"},
        {Quantity::Rayleigh, names::kRayleigh, "Rayleighovo č. (1) :"},
        {Quantity::Nusselt, names::kNusselt, "Nuseltovo č. (1) :"},
        {Quantity::AlphaTotal, names::kTotalCoefficient, "Súč. pres. tep. (W.m-2.K-1) : "},
        {Quantity::HeatFlow, names::kHeatFlow, "Tepelný tok (W) :"},
    };
    int y = 330;
    for (const Row& row : rows) {
        QLabel* caption = addLabel(central, QString::fromUtf8(row.label), labelRect(y));
        QLineEdit* edit = addEdit(central, row.name, kNoResult, editRect(y));
        const QString name = fieldName(QString::fromUtf8(row.label));
        describeField(edit, caption, name, QString());
        m_copied.append({name, edit});
        edit->setReadOnly(true);
        setBackground(edit, kInfoBackground);
        m_results.append({edit, row.quantity});
        if (row.quantity == Quantity::AlphaTotal)
            m_totalCoefficient = edit;
        y += 23;
    }
    // How far the built-in properties move the result, with the warnings before it, under the
    // shapes beside the results: room for four lines.
    m_deviation = addLabel(central, QString(), QRect(kShapeFrame.left(), kShapeFrame.bottom() + 4, kShapeFrame.width(), 68));
    m_deviation->setObjectName(QLatin1String(names::kDeviation));
    m_deviation->setWordWrap(true);
    m_deviation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The spread of the published correlations under it, and their comparison.
    const int spreadTop = m_deviation->geometry().bottom() + 1;
    m_spread = addLabel(central, QString(), QRect(kShapeFrame.left(), spreadTop, 630, 18));
    m_spread->setObjectName(QLatin1String(names::kSpread));
    auto* correlations =
        addButton(central, names::kCorrelationsButton, QStringLiteral("Kore&lácie…"), QRect(kShapeFrame.right() - 103, spreadTop - 2, 104, 22));
    correlations->setToolTip(QStringLiteral("Porovnanie s inými publikovanými koreláciami pre ten istý tvar"));
    connect(correlations, &QPushButton::clicked, this, [this] { handle(&MainWindow::showCorrelations); });
}

void MainWindow::buildGeometry(QWidget* central) {
    auto* frame = new QGroupBox(QStringLiteral("Geometria povrchu"), central);
    frame->setObjectName(QLatin1String(names::kShapeFrame));
    frame->setGeometry(kShapeFrame);
    auto* shapes = new QButtonGroup(this);
    for (int i = 0; i < kShapeCount; ++i) {
        const ShapeCell& cell = kShapeCells[i];
        const SurfaceShapeInfo& info = surfaceShapeInfo(cell.shape);
        const int x = 10 + (i % 4) * 182;
        const int y = i < 4 ? 22 : 282;
        QRadioButton* button =
            addRadioButton(frame, kShapeChoice[i].control, QString::fromUtf8(info.caption), QRect(x, y, 176, 20));
        shapes->addButton(button);
        m_shapes[i] = button;
        auto* picture = new QLabel(frame);
        picture->setObjectName(QLatin1String(cell.pictureName));
        picture->setGeometry(QRect(QPoint(x, y + 24), kPictureSize));
        picture->setPixmap(drawGeometryPicture(cell.shape, kPictureSize));
        picture->setAccessibleName(QString::fromUtf8(info.caption));
        picture->setAccessibleDescription(QString::fromUtf8(info.caption) + QStringLiteral(": ") +
                                          QString::fromUtf8(info.lengthDescription));

        // The shape's own inputs under its picture, one below the other.
        int below = y + 24 + kPictureSize.height() + 8;
        for (const std::string_view input : kSurfaceShapes[i].inputs)
            below += buildOwnInput(input, frame, x, below);
    }
    m_shapes[0]->setChecked(true);
}

int MainWindow::buildOwnInput(std::string_view input, QWidget* frame, int x, int top) {
    if (input == kAngleInput) {
        m_inclination =
            addInputEdit(frame, "main.angle", QRect(x + 64, top, 60, kRowHeight));
        describeField(m_inclination, addLabel(frame, QStringLiteral("Uhol (°)"), QRect(x, top + 2, 60, 19)),
                      QStringLiteral("Uhol sklonu plochy (°)"),
                      QStringLiteral("Uhol sklonu plochy od zvislej polohy v stupňoch, napr. 22,5"));
        m_ownInputs.append({input, {m_inclination}, m_inclination->accessibleName(), [this] {
                                return m_inclination->text();
                            }});
        return kRowHeight + 4;
    }
    if (input == kFaceInput) {
        auto* position = new QGroupBox(QStringLiteral("Poloha plochy"), frame);
        position->setObjectName(QLatin1String(names::kFaceFrame));
        position->setGeometry(x, top - 4, kPictureSize.width(), 66);
        QRadioButton* upper =
            addRadioButton(position, kFaceChoice[0].control, QStringLiteral("Horná plocha"), QRect(10, 20, 150, 19));
        upper->setChecked(true);
        m_lowerFace =
            addRadioButton(position, kFaceChoice[1].control, QStringLiteral("Spodná plocha"), QRect(10, 40, 150, 19));
        m_ownInputs.append({input, {upper, m_lowerFace}, position->title(), [this, upper] {
                                return m_lowerFace->isChecked() ? m_lowerFace->text() : upper->text();
                            }});
        return 66;
    }
    if (input == kFinGapInput) {
        QLabel* gap = addLabel(frame, QStringLiteral("Svetlá vzdialenosť medzi rebrami (m) :"),
                               QRect(x, top - 4, 176, 30));
        gap->setWordWrap(true);
        m_finGap = addInputEdit(frame, "main.fin_gap", QRect(x, top + 26, 80, kRowHeight));
        describeField(m_finGap, gap, QStringLiteral("Svetlá vzdialenosť medzi rebrami (m)"),
                      QStringLiteral("Svetlá vzdialenosť medzi rebrami v m, napr. 0,005"));
        m_ownInputs.append({input, {m_finGap}, m_finGap->accessibleName(), [this] { return m_finGap->text(); }});
        return 52;
    }
    if (input == kTubeDiameterInput) {
        m_tubeDiameter =
            addInputEdit(frame, "main.tube_diameter", QRect(x, top + 20, 80, kRowHeight));
        describeField(m_tubeDiameter,
                      addLabel(frame, QStringLiteral("Priemer rúrky d (m) :"), QRect(x, top, 176, 19)),
                      QStringLiteral("Priemer rúrky d (m)"), QStringLiteral("Priemer rúrky d v m, napr. 0,1"));
        m_ownInputs.append({input, {m_tubeDiameter}, m_tubeDiameter->accessibleName(), [this] {
                                return m_tubeDiameter->text();
                            }});
        return kRowHeight + 20;
    }
    return 0;
}

const MainWindow::OwnInput* MainWindow::ownInput(std::string_view input) const {
    for (const OwnInput& own : m_ownInputs) {
        if (own.input == input)
            return &own;
    }
    return nullptr;
}

void MainWindow::readInputs() {
    const StartInputs inputs = readMainWindowInputs();
    m_state.tBody = inputs.tBody;
    m_state.tFluid = inputs.tFluid;
    m_state.charLength = inputs.charLength;
    m_state.area = inputs.area;
}

StartInputs MainWindow::readMainWindowInputs() const {
    StartInputs inputs;
    inputs.tBody = readNumber(m_bodyTemperature);
    inputs.tFluid = readNumber(m_fluidTemperature);
    inputs.charLength = readNumber(m_length);
    inputs.area = readNumber(m_area);
    return inputs;
}

QString MainWindow::totalCoefficientText() const { return m_totalCoefficient->text(); }

void MainWindow::calculate() {
    m_state.emissivity = readNumber(m_emissivity);
    readInputs();
    // A cancelled sweep ends the calculation: its status text stays.
    if (m_tableOutputOn && !runTableSweep())
        return;
    if (m_celOutputOn && !runCelSweep())
        return;
    // The sweeps overwrote the state: the window's own result is that of the typed inputs.
    readInputs();
    clearAccuracy();
    SteadyOutcome outcome;
    const auto showWarnings = [this, &outcome] {
        for (const std::string& warning : outcome.warnings)
            showMessage(warning);
    };
    try {
        calculateSteadyState(m_state, *this, outcome);
    } catch (...) {
        // A shape's own input that is not a number ends the calculation after the fluid's warnings.
        showWarnings();
        throw;
    }
    showWarnings();
    if (!outcome.ok) {
        showMessage(outcome.message);
        setStatusText(outcome.statusText);
        return;
    }
    setStatusText("");
    showResults();
    showAccuracy();
}

void MainWindow::clearAccuracy() {
    m_deviation->clear();
    m_spread->clear();
    m_alternatives.clear();
    if (m_links.correlationsWindow != nullptr)
        m_links.correlationsWindow->clearComparison();
}

void MainWindow::showAccuracy() {
    const std::string text = accuracyLine(m_state, *this);
    m_alternatives = alternativeResults(m_state, *this);
    m_spread->setText(QString::fromStdString(alternativesSpread(m_alternatives)));
    if (m_links.correlationsWindow != nullptr)
        m_links.correlationsWindow->showComparison(geometry(), m_state, m_alternatives);
    if (text.empty())
        return;
    m_deviation->setText(QString::fromStdString(text));
    // A warning stands out from the plain report.
    QPalette palette = m_deviation->palette();
    palette.setColor(QPalette::WindowText, m_deviation->text().startsWith(QLatin1String("Pozor:")) ? QColor(0xA0, 0, 0)
                                                                                    : this->palette().color(QPalette::WindowText));
    m_deviation->setPalette(palette);
}

namespace {

// What a sweep says when its file was never chosen: where this window chooses it.
const std::string kNoTableFileMessage =
    "Nie je zvolený súbor pre tabuľku (Súbor → Ulož do súboru); tabuľka sa nezapíše.";
const std::string kNoCelFileMessage = "Nie je zvolený súbor pre Ansys (Súbor → Ansys); súbor sa nezapíše.";

} // namespace

bool MainWindow::runTableSweep() {
    const SweepRange range = m_links.rangeWindow->readRange();
    const std::unique_ptr<Progress> progress = m_dialogs.startProgress(QStringLiteral("Počíta sa tabuľka…"));
    // The fluid window stays open to the user meanwhile.
    const RunEvaluationInputs inputs(*this);
    zav::runTableSweep(m_state, range, inputs, *this, fileNameBytes(m_tableFileName), kNoTableFileMessage,
                       *m_links.chartWindow, *progress);
    return !progress->cancelled();
}

bool MainWindow::runCelSweep() {
    const std::optional<QString> name = m_dialogs.inputText(
        QStringLiteral("Názov okrajovej podmienky"), QStringLiteral("Zadajte názov okrajovej podmienky:"), QString());
    if (!name)
        return true; // cancelled: no library this time
    m_celFunctionName = *name;
    if (!isValidCelName(m_celFunctionName.toStdString())) {
        m_dialogs.showMessage(QString::fromStdString(invalidCelNameMessage(m_celFunctionName.toStdString())));
        return true;
    }
    const SweepRange range = m_links.rangeWindow->readRange();
    const std::unique_ptr<Progress> progress =
        m_dialogs.startProgress(QStringLiteral("Počíta sa súbor pre Ansys…"));
    const RunEvaluationInputs inputs(*this);
    zav::runCelSweep(m_state, range, inputs, *this, fileNameBytes(m_celFileName), kNoCelFileMessage,
                     m_celFunctionName.toStdString(), currentAsctime(), *progress);
    return !progress->cancelled();
}

void MainWindow::showResults() {
    for (const ResultField& field : m_results) {
        field.edit->setText(QString::fromStdString(shownResultText(m_state, field.quantity)));
        field.edit->setCursorPosition(0);
    }
}

void MainWindow::showFluidWindow() {
    showWindow(m_links.fluidWindow);
    m_userFluid->setChecked(true);
}

void MainWindow::toggleRadiation() {
    if (!m_radiationFlag) {
        m_emissivity->setReadOnly(false);
        setBackground(m_emissivity, kWindowBackground);
    } else {
        m_emissivity->setReadOnly(true);
        setBackground(m_emissivity, kSilver);
    }
    m_radiationFlag = !m_radiationFlag;
}

void MainWindow::print() { printWindow(this, m_dialogs, pageHeader()); }

QString MainWindow::pageHeader() const {
    return printHeader(m_links.caseFiles != nullptr ? m_links.caseFiles->caseName() : QString(),
                       QDateTime::currentDateTime());
}

void MainWindow::showRange() { showWindow(m_links.rangeWindow); }

void MainWindow::toggleTableOutput() {
    toggleOutput(m_tableOutputOn, m_tableOutputItem, m_tableFileName, m_dialogs,
                 {QStringLiteral("TXT|*.txt"), QStringLiteral(".txt")});
}

void MainWindow::toggleCelOutput() {
    toggleOutput(m_celOutputOn, m_celOutputItem, m_celFileName, m_dialogs,
                 {QStringLiteral(".ccl|*.ccl"), QStringLiteral("ccl")});
}

void MainWindow::showCooling() { showWindow(m_links.coolingWindow); }

void MainWindow::showChart() { showWindow(m_links.chartWindow); }

void MainWindow::quit() { close(); }

void MainWindow::showAbout() { showWindow(m_links.aboutWindow); }

void MainWindow::showAuthor() { showWindow(m_links.authorWindow); }

void MainWindow::showPeltier() { showWindow(m_links.peltierWindow); }

void MainWindow::showCorrelations() {
    if (m_links.correlationsWindow != nullptr)
        showWindow(m_links.correlationsWindow);
}

void MainWindow::showDesign() {
    if (m_links.designWindow != nullptr)
        showWindow(m_links.designWindow);
}

void MainWindow::showHelp() {
    if (m_links.helpWindow != nullptr)
        showWindow(m_links.helpWindow);
}

void MainWindow::newCase() {
    if (m_links.caseFiles != nullptr)
        m_links.caseFiles->newCase();
}

void MainWindow::openCase() {
    if (m_links.caseFiles != nullptr)
        m_links.caseFiles->open();
    showRecentCases();
}

void MainWindow::saveCase() {
    if (m_links.caseFiles != nullptr)
        m_links.caseFiles->save();
    showRecentCases();
}

void MainWindow::writeReport() {
    writeCalculationReport(m_dialogs, *this, m_links.caseFiles != nullptr ? m_links.caseFiles->currentFile() : QString());
}

void MainWindow::openRecentCase(int index) {
    if (m_links.caseFiles == nullptr)
        return;
    const QStringList recent = m_links.caseFiles->recentFiles();
    if (index < recent.size())
        m_links.caseFiles->openFile(recent[index]);
    showRecentCases();
}

void MainWindow::showRecentCases() {
    const QStringList recent = m_links.caseFiles != nullptr ? m_links.caseFiles->recentFiles() : QStringList();
    for (int i = 0; i < kRecentCount; ++i) {
        QAction* item = m_recentItems[i];
        const bool used = i < recent.size();
        item->setVisible(used);
        // "&1 name.zav": the number chooses it from the keyboard; the whole path is its tool tip.
        item->setText(used ? QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(recent[i]).fileName().replace('&', "&&"))
                           : QString());
        item->setToolTip(used ? recent[i] : QString());
    }
    m_recentMenu->setEnabled(!recent.isEmpty());
}

void MainWindow::copyResults() {
    QStringList lines;
    auto line = [&lines](const QString& label, const QString& value) { lines << label + '\t' + value; };
    auto checkedText = [](const QAbstractButton* button) {
        return QString(button->text()).replace('\n', ' ');
    };
    for (int i = 0; i < 4; ++i)
        line(m_copied[i].first, m_copied[i].second->text());
    line(m_radiation->text(), m_radiation->isChecked() ? QStringLiteral("áno") : QStringLiteral("nie"));
    if (m_radiation->isChecked())
        line(m_copied[4].first, m_emissivity->text());
    const QAbstractButton* fluid = fluidKind() == FluidKind::Water         ? m_water
                                   : fluidKind() == FluidKind::UserDefined ? m_userFluid
                                                                           : findChild<QRadioButton*>(QLatin1String(kFluidChoice[0].control));
    line(QStringLiteral("Typ tekutiny"), checkedText(fluid));
    line(m_referenceProperties->accessibleName(),
         m_referenceProperties->isChecked() ? QStringLiteral("áno") : QStringLiteral("nie"));
    const int shape = static_cast<int>(geometry());
    line(QStringLiteral("Geometria povrchu"), QString::fromUtf8(kSurfaceShapes[shape].caption));
    for (const std::string_view input : surfaceShapeInfo(geometry()).inputs) {
        if (const OwnInput* own = ownInput(input))
            line(own->label, own->value());
    }
    for (int i = 5; i < m_copied.size(); ++i)
        line(m_copied[i].first, m_copied[i].second->text());
    QGuiApplication::clipboard()->setText(lines.join('\n') + '\n');
}

void MainWindow::showCaseTitle() {
    const QString name = m_links.caseFiles != nullptr ? m_links.caseFiles->caseName() : QString();
    if (name.isEmpty()) {
        setWindowTitle(kTitle);
        return;
    }
    setWindowTitle(QStringLiteral("ZAV - voľná konvekcia – ") + name +
                   (m_links.caseFiles->changed() ? QStringLiteral("*") : QString()));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_links.caseFiles != nullptr) {
        DialogOwner owner(this);
        if (!m_links.caseFiles->mayEnd()) {
            event->ignore();
            return;
        }
    }
    event->accept();
    emit programEnded();
}

FluidKind MainWindow::fluidKind() const {
    if (m_water->isChecked())
        return FluidKind::Water;
    if (m_userFluid->isChecked())
        return FluidKind::UserDefined;
    return FluidKind::Air;
}

PropertyModel MainWindow::propertyModel() const {
    return m_referenceProperties->isChecked() ? PropertyModel::Reference : PropertyModel::Builtin;
}

SurfaceGeometry MainWindow::geometry() const {
    for (int i = 0; i < kShapeCount; ++i) {
        if (m_shapes[i]->isChecked())
            return static_cast<SurfaceGeometry>(i);
    }
    return SurfaceGeometry::VerticalPlate;
}

PlatePosition MainWindow::platePosition() const {
    return m_lowerFace->isChecked() ? PlatePosition::Lower : PlatePosition::Upper;
}

bool MainWindow::radiationOn() const { return m_radiation->isChecked(); }
double MainWindow::inclinationDeg() const { return readNumber(m_inclination); }
double MainWindow::finGap() const { return readNumber(m_finGap); }
double MainWindow::tubeDiameter() const { return readNumber(m_tubeDiameter); }
double MainWindow::emissivity() const { return readNumber(m_emissivity); }
UserFluidModel MainWindow::userFluidModel() const { return m_links.fluidWindow->readUserFluidModel(); }

void MainWindow::showMessage(const std::string& text) { m_dialogs.showMessage(QString::fromStdString(text)); }

void MainWindow::setStatusText(const std::string& text) { m_statusBar->setPanelText(2, QString::fromStdString(text)); }

} // namespace zav
