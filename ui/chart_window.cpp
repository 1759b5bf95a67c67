// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart_window.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QImage>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QSvgGenerator>

#include "core/number_format.h"
#include "core/quantities.h"
#include "export/replacing_file.h"
#include "ui/dialogs.h"
#include "ui/handler.h"
#include "ui/window_util.h"

namespace zav {

namespace {

// The object names of the window and its chart, as scenario scripts, tests and transcripts know
// them (the seed's names); each series and its check box has its own in kSeries.
namespace names {
constexpr char kWindow[] = "Form7";
constexpr char kChart[] = "Chart1";
constexpr char kSaveButton[] = "UlozitGraf";
constexpr char kCopyButton[] = "Kopirovat";
} // namespace names

// The files "Uložiť graf…" writes, by the name's extension.
const QString kChartFilter = QStringLiteral("PNG|*.png|SVG|*.svg|PDF|*.pdf");
const QString kChartFormats[] = {QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")};

struct SeriesRow {
    const char* seriesName;   // object name of the series
    const char* checkBoxName; // object name of its check box
    const char* title;
    QColor colour;
    const char* checkBoxCaption;
    bool checkedAtStart;
    Quantity quantity;
    const char* axisTitle;
};

const SeriesRow kSeries[8] = {
    {"Series1", "CheckBox1", "Alfa - celková", QColor(255, 0, 0), "Alfa - celková (W.m-2.K-1)", true,
     Quantity::AlphaTotal, "Alfa (W.m-2.K-1)"},
    {"Series2", "CheckBox2", "Alfa - Sálania", QColor(0, 128, 0), "Alfa - sálania (W.m-2.K-1)", true,
     Quantity::AlphaRad, "Alfa (W.m-2.K-1)"},
    {"Series3", "CheckBox3", "Alfa - konv.", QColor(0, 0, 255), "Alfa - konv. (W.m-2.K-1)", true,
     Quantity::AlphaConv, "Alfa (W.m-2.K-1)"},
    {"Series4", "CheckBox4", "c_p", QColor(255, 128, 0), "Tepelná kapacita (J.kg-1.K-1)", false,
     Quantity::HeatCapacity, "c_p (J.kg-1.K-1)"},
    {"Series5", "CheckBox5", "Lambda", QColor(128, 128, 128), "Tepelná vodivosť (W.m-1.K-1)", false,
     Quantity::Conductivity, "lambda (W.m-1.K-1)"},
    {"Series6", "CheckBox6", "Dyn. viskozita", QColor(255, 128, 255), "Dyn. viskozita (Pa.s)", false,
     Quantity::DynViscosity, "Dyn. vi. (Pa.s)"},
    {"Series7", "CheckBox7", "Hustota", QColor(128, 0, 255), "Hustota (kg.m-3)", false, Quantity::Density,
     "Hustota (kg.m-3)"},
    {"Series8", "CheckBox8", "Pr", QColor(0, 0, 0), "Prandtlovo kr.", false, Quantity::Prandtl, "Pr (1)"},
};

// Slovak thousands separator: a no-break space.
const std::string kGroupSeparator = "\u00A0";

QFont arialBold(int pixels) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

QCategoryAxis* makeAxis(const QString& title) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setTitleText(title);
    axis->setLabelsFont(arialBold(13));
    axis->setTitleFont(arialBold(16));
    axis->setLabelsColor(Qt::black);
    axis->setTitleBrush(QBrush(Qt::black));
    axis->setGridLineVisible(true);
    return axis;
}

void setTicks(QCategoryAxis* axis, double low, double high) {
    for (const QString& label : axis->categoriesLabels())
        axis->remove(label);
    const auto ticks = axisTicks(low, high);
    axis->setStartValue(ticks.first().first);
    axis->setRange(ticks.first().first, ticks.last().first);
    for (const auto& [value, text] : ticks) {
        // Category labels must differ; ticks closer than the nine decimals get invisible marks.
        QString label = text;
        while (axis->categoriesLabels().contains(label))
            label += QChar(0x200B);
        axis->append(label, value);
    }
}

double niceStep(double span) {
    const double raw = span / 5;
    const double magnitude = std::pow(10, std::floor(std::log10(raw)));
    const double fraction = raw / magnitude;
    const double nice = fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10;
    return nice * magnitude;
}

} // namespace

QList<QPair<double, QString>> axisTicks(double low, double high) {
    if (!std::isfinite(low) || !std::isfinite(high) || low > high) {
        low = 0;
        high = 1;
    }
    if (low == high) {
        const double pad = low == 0 ? 1 : std::fabs(low) * 0.1;
        low -= pad;
        high += pad;
    }
    double step = niceStep(high - low);
    if (!(step > 0) || !std::isfinite(step))
        step = high - low;
    const double first = std::floor(low / step) * step;
    const double last = std::ceil(high / step) * step;
    QList<QPair<double, QString>> ticks;
    const int count = static_cast<int>(std::lround((last - first) / step));
    for (int i = 0; i <= count && i <= 100; ++i) {
        const double value = first + i * step;
        ticks.append({value, QString::fromStdString(formatGrouped(value, 9, kGroupSeparator))});
    }
    return ticks;
}

ChartWindow::ChartWindow(Dialogs& dialogs, QWidget* parent) : QWidget(parent, Qt::Window), m_dialogs(dialogs) {
    setObjectName(QLatin1String(names::kWindow));
    setWindowTitle(QStringLiteral("Graf"));

    m_chart = new QChart;
    m_chart->legend()->setVisible(true);
    m_chart->setBackgroundVisible(false);
    m_chart->setPlotAreaBackgroundVisible(false);
    m_bottomAxis = makeAxis(QStringLiteral("Teplota (°C)"));
    m_leftAxis = makeAxis(QStringLiteral("Alfa (W.m-2.K-1)"));
    m_chart->addAxis(m_bottomAxis, Qt::AlignBottom);
    m_chart->addAxis(m_leftAxis, Qt::AlignLeft);
    for (int k = 0; k < 8; ++k) {
        auto* series = new QLineSeries;
        series->setObjectName(QLatin1String(kSeries[k].seriesName));
        series->setName(QString::fromUtf8(kSeries[k].title));
        QPen pen(kSeries[k].colour);
        pen.setWidth(2);
        series->setPen(pen);
        series->setPointsVisible(false);
        m_chart->addSeries(series);
        series->attachAxis(m_bottomAxis);
        series->attachAxis(m_leftAxis);
        m_series[k] = series;
    }
    // The chart takes what the window gives beyond the check boxes and buttons under it: a window
    // made smaller shrinks the chart down to a useful size, then scrolls.
    auto* inside = new QWidget(this);
    auto* layout = new QVBoxLayout(inside);
    layout->setContentsMargins(8, 8, 48, 0);
    layout->setSpacing(0);
    m_view = new QChartView(m_chart, inside);
    m_view->setObjectName(QLatin1String(names::kChart));
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setAccessibleName(QStringLiteral("Graf závislosti od teploty povrchu"));
    m_view->viewport()->setAccessibleName(m_view->accessibleName());
    m_view->setGeometry(8, 8, 1001, 625); // as the layout places it in a window of the designed size
    layout->addWidget(m_view, 1);
    auto* below = new QWidget(inside);
    below->setFixedHeight(121);
    below->setMinimumWidth(1002);
    layout->addWidget(below);

    for (int k = 0; k < 8; ++k) {
        const int column = k < 3 ? 0 : k < 6 ? 1 : 2;
        const int row = k < 3 ? k : k < 6 ? k - 3 : k - 6;
        QCheckBox* box = addCheckBox(below, kSeries[k].checkBoxName,
                                     QString::fromUtf8(kSeries[k].checkBoxCaption),
                                     QRect(32 + column * 340, 13 + row * 30, 330, 24));
        QFont font = box->font();
        font.setPixelSize(13);
        font.setBold(true);
        box->setFont(font);
        box->setChecked(kSeries[k].checkedAtStart);
        m_checkBoxes[k] = box;
    }
    // Beside the last row of check boxes, where the third column has none.
    QPushButton* save = addButton(below, names::kSaveButton, QStringLiteral("&Uložiť graf…"), QRect(712, 70, 140, 28));
    save->setToolTip(QStringLiteral("Uloží graf do súboru PNG, SVG alebo PDF podľa prípony jeho mena."));
    connect(save, &QPushButton::clicked, this, [this] { runHandler(m_dialogs, this, [this] { saveChart(); }); });
    QPushButton* copy = addButton(below, names::kCopyButton, QStringLiteral("&Kopírovať"), QRect(862, 70, 140, 28));
    copy->setAccessibleName(QStringLiteral("Kopírovať graf"));
    copy->setToolTip(QStringLiteral("Vloží obrázok grafu do schránky."));
    connect(copy, &QPushButton::clicked, this, [this] { runHandler(m_dialogs, this, [this] { copyChart(); }); });
    inside->setMinimumSize(1057, 429);
    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->addWidget(scrollingInside(inside, this));
    closeOnEscape(this);

    updateAxes();
    drawSeries();
    // A wider or narrower plot needs the points of its own columns.
    connect(m_chart, &QChart::plotAreaChanged, this, [this] {
        if (plotPixels() != m_drawnArea)
            drawPoints();
    }, Qt::QueuedConnection);
    resizeToScreen(this, QSize(1057, 754));
    centreOnScreen(this);
}

void ChartWindow::prepareChart(long long count) {
    // The chart shown stays until the sweep has finished.
    m_pendingAxisTitle = m_leftAxis->titleText();
    for (int k = 0; k < 8; ++k) {
        m_pending[k].clear();
        m_filling[k] = m_checkBoxes[k]->isChecked();
        if (m_filling[k]) {
            m_pending[k].reserve(static_cast<qsizetype>(std::min(count, 1LL << 22)));
            m_pendingAxisTitle = QString::fromUtf8(kSeries[k].axisTitle);
        }
    }
}

void ChartWindow::setChartPoint(long long, const ConvectionState& state) {
    for (int k = 0; k < 8; ++k) {
        if (m_filling[k])
            m_pending[k].append(QPointF(state.tBody, quantityValue(state, kSeries[k].quantity)));
    }
}

void ChartWindow::finishChart() {
    for (int k = 0; k < 8; ++k) {
        m_points[k] = std::move(m_pending[k]);
        m_pending[k] = QList<QPointF>();
        m_points[k].squeeze();
    }
    m_leftAxis->setTitleText(m_pendingAxisTitle);
    // Axes first, so that the series' geometry is computed once, for the final ranges.
    updateAxes();
    drawSeries();
}

void ChartWindow::abandonChart() {
    for (QList<QPointF>& pending : m_pending)
        pending = QList<QPointF>();
}

QString ChartWindow::leftAxisTitle() const { return m_leftAxis->titleText(); }

const QList<QPointF>& ChartWindow::allPoints(const QAbstractSeries* series) const {
    static const QList<QPointF> none;
    for (int k = 0; k < 8; ++k) {
        if (m_series[k] == series)
            return m_points[k];
    }
    return none;
}

void ChartWindow::layOutChart() const {
    // A window never shown (a script saving the chart) has not yet laid out its view, so the chart
    // would be drawn at its default size: it is laid out by showing it where nobody sees it.
    if (m_laidOut || isVisible())
        return;
    auto* window = const_cast<ChartWindow*>(this);
    window->setAttribute(Qt::WA_DontShowOnScreen, true);
    window->show();
    window->hide();
    window->setAttribute(Qt::WA_DontShowOnScreen, false);
    m_laidOut = true;
}

QImage ChartWindow::chartImage() const {
    layOutChart();
    const qreal ratio = std::max<qreal>(1, devicePixelRatioF());
    QImage image(m_view->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // In device-independent pixels: the image's own size would be `ratio` times too large.
    m_view->render(&painter, QRectF(QPointF(0, 0), m_view->size()));
    return image;
}

QByteArray ChartWindow::chartFile(const QString& suffix) const {
    layOutChart();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (suffix == QLatin1String("png")) {
        chartImage().save(&buffer, "PNG");
        return bytes;
    }
    // The vector formats get the chart's own lines and texts, one unit a screen pixel.
    const QRectF area(QPointF(0, 0), m_view->size());
    auto draw = [&](QPaintDevice* device) {
        QPainter painter;
        if (!painter.begin(device))
            return false;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(area, Qt::white);
        m_view->render(&painter, area);
        return painter.end();
    };
    bool drawn = false;
    if (suffix == QLatin1String("svg")) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(m_view->size());
        svg.setViewBox(area);
        svg.setResolution(logicalDpiX()); // texts sized in points as on the screen
        svg.setTitle(windowTitle());
        drawn = draw(&svg);
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(windowTitle());
        pdf.setPageSize(QPageSize(m_view->size(), QPageSize::Point));
        pdf.setPageMargins(QMarginsF());
        pdf.setResolution(72);
        drawn = draw(&pdf);
    }
    return drawn ? bytes : QByteArray();
}

void ChartWindow::saveChart() {
    const std::optional<QString> name = m_dialogs.saveFileName({kChartFilter, QStringLiteral(".png")});
    if (!name)
        return;
    const QString suffix = QFileInfo(*name).suffix().toLower();
    if (std::find(std::begin(kChartFormats), std::end(kChartFormats), suffix) == std::end(kChartFormats)) {
        m_dialogs.showMessage(QStringLiteral("Graf sa ukladá do súboru PNG, SVG alebo PDF; meno „%1“ nemá "
                                             "príponu .png, .svg ani .pdf.")
                                  .arg(*name));
        return;
    }
    writePictureFile(*name, chartFile(suffix), m_dialogs, notWrittenMessage);
}

void ChartWindow::copyChart() {
    // A picture for every program, and the drawing itself for those that take SVG.
    auto* mime = new QMimeData;
    mime->setImageData(chartImage());
    mime->setData(QStringLiteral("image/svg+xml"), chartFile(QStringLiteral("svg")));
    QGuiApplication::clipboard()->setMimeData(mime);
}

void ChartWindow::updateAxes() {
    constexpr double inf = std::numeric_limits<double>::infinity();
    double xLow = inf, xHigh = -inf, yLow = inf, yHigh = -inf;
    for (const QList<QPointF>& points : m_points) {
        for (const QPointF& p : points) {
            if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
                continue;
            xLow = std::min(xLow, p.x());
            xHigh = std::max(xHigh, p.x());
            yLow = std::min(yLow, p.y());
            yHigh = std::max(yHigh, p.y());
        }
    }
    setTicks(m_bottomAxis, xLow, xHigh);
    setTicks(m_leftAxis, yLow, yHigh);
}

QRectF ChartWindow::plotPixels() const {
    // The plot area in device pixels; before the first layout, a wide screen's.
    const QRectF area = m_chart->plotArea();
    const double ratio = devicePixelRatioF();
    if (area.width() * ratio < 1)
        return QRectF(0, 0, 4096, 4096);
    return QRectF(area.left() * ratio, area.top() * ratio, area.width() * ratio, area.height() * ratio);
}

void ChartWindow::drawPoints() {
    m_drawnArea = plotPixels();
    // Half-pixel columns: the pen is two pixels wide, so where in its pixel a column's highest and
    // lowest points lie can still show.
    constexpr double kColumnsPerPixel = 2;
    for (int k = 0; k < 8; ++k) {
        m_series[k]->replace(decimateForColumns(m_points[k], m_bottomAxis->min(), m_bottomAxis->max(),
                                                m_drawnArea.left() * kColumnsPerPixel,
                                                m_drawnArea.width() * kColumnsPerPixel));
    }
}

void ChartWindow::drawSeries() {
    drawPoints();
    // The legend names the series that hold points.
    for (int k = 0; k < 8; ++k) {
        for (QLegendMarker* marker : m_chart->legend()->markers(m_series[k]))
            marker->setVisible(!m_points[k].isEmpty());
    }
    m_chart->legend()->layout()->invalidate();
}

QList<QPointF> decimateForColumns(const QList<QPointF>& points, double xLow, double xHigh, double left,
                                  double width) {
    const qsizetype n = points.size();
    if (!(xHigh > xLow) || !(width >= 1) || !(width < 1e6) || n <= 4 * static_cast<qsizetype>(width + 2))
        return points;
    QList<QPointF> drawn;
    drawn.reserve(4 * static_cast<qsizetype>(width + 2) + 64);
    // The pixel column a point is drawn in, counted from the plot's left edge; columns beyond the
    // plot are one each side.
    const double scale = width / (xHigh - xLow);
    const double offset = left - std::floor(left);
    const double lastColumn = std::ceil(offset + width);
    auto columnOf = [&](double x) {
        const double c = std::floor(offset + (x - xLow) * scale);
        return c < -1 ? -1.0 : c > lastColumn ? lastColumn + 1 : c;
    };
    qsizetype i = 0;
    while (i < n) {
        const QPointF& first = points[i];
        if (!std::isfinite(first.x()) || !std::isfinite(first.y())) {
            drawn.append(first);
            ++i;
            continue;
        }
        const double column = columnOf(first.x());
        qsizetype low = i, high = i, last = i;
        qsizetype j = i + 1;
        for (; j < n; ++j) {
            const QPointF& p = points[j];
            if (!std::isfinite(p.x()) || !std::isfinite(p.y()) || columnOf(p.x()) != column)
                break;
            if (p.y() < points[low].y())
                low = j;
            if (p.y() > points[high].y())
                high = j;
            last = j;
        }
        // First, lowest and highest in their order, last: at most four points, each once.
        qsizetype kept[4] = {i, std::min(low, high), std::max(low, high), last};
        for (int k = 0; k < 4; ++k) {
            if (k == 0 || kept[k] != kept[k - 1])
                drawn.append(points[kept[k]]);
        }
        i = j;
    }
    return drawn;
}

} // namespace zav
