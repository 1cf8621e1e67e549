#include "PrinterSurface.h"

#include "SafeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QLocale>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

double s_unitInches = 1.0 / 1440.0; // the printer's own unit until start-up sets inches
std::function<std::unique_ptr<PrinterSurface>()> s_factory;

constexpr int MeasureDpi = 1200;

std::unique_ptr<QImage> measuringImage() {
    auto img = std::make_unique<QImage>(8, 8, QImage::Format_RGB32);
    img->setDotsPerMeterX(int(MeasureDpi / 0.0254));
    img->setDotsPerMeterY(int(MeasureDpi / 0.0254));
    return img;
}

} // namespace

PrinterSurface::PrinterSurface() : m_font(QStringLiteral("Arial"), 10) {}
PrinterSurface::~PrinterSurface() = default;

void PrinterSurface::SetUnitToInches() {
    s_unitInches = 1.0;
}
bool PrinterSurface::unitIsInches() {
    return s_unitInches == 1.0;
}
double PrinterSurface::unitInches() {
    return s_unitInches;
}

void PrinterSurface::setFactory(std::function<std::unique_ptr<PrinterSurface>()> factory) {
    s_factory = std::move(factory);
}

std::unique_ptr<PrinterSurface> PrinterSurface::open() {
    if (s_factory) return s_factory();
    if (auto printer = DeviceSurface::toDefaultPrinter()) return printer;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    return DeviceSurface::toPdfFolder(folder);
}

bool PrinterSurface::ensureDocument() {
    if (m_open) return !m_failed;
    m_open = true;
    m_failed = !beginDocument();
    return !m_failed;
}

double PrinterSurface::textWidth(const QString &text) const {
    const QFontMetricsF fm(m_font, measuringDevice());
    return fm.horizontalAdvance(text) / measuringDevice()->logicalDpiX() / s_unitInches;
}

double PrinterSurface::lineHeight() const {
    const QFontMetricsF fm(m_font, measuringDevice());
    return fm.lineSpacing() / measuringDevice()->logicalDpiY() / s_unitInches;
}

void PrinterSurface::print(const QString &text) {
    if (ensureDocument()) drawText(m_x * s_unitInches, m_y * s_unitInches, m_font, text);
    m_x += textWidth(text);
}

void PrinterSurface::endLine() {
    m_x = 0;
    m_y += lineHeight();
}

void PrinterSurface::newPage() {
    if (ensureDocument()) nextPage();
    m_x = 0;
    m_y = 0;
}

void PrinterSurface::endDocument() {
    if (m_open && !m_failed) finishDocument();
    m_open = false;
    m_failed = false;
    m_x = 0;
    m_y = 0;
}

QString PrinterSurface::report() const {
    QString out;
    if (!m_files.isEmpty()) {
        out = m_files.size() == 1
                  ? QCoreApplication::translate(
                        "printing", "There is no printer, so the printout was saved as:\n\n")
                  : QCoreApplication::translate(
                        "printing", "There is no printer, so the printouts were saved as:\n\n");
        for (const QString &f : m_files)
            out += f + QLatin1Char('\n');
    }
    if (!m_failures.isEmpty()) {
        if (!out.isEmpty()) out += QLatin1Char('\n');
        out += QCoreApplication::translate("printing", "Not everything could be printed:\n\n") +
               m_failures.join(QLatin1Char('\n'));
    }
    return out.trimmed();
}

// ---- Recording -------------------------------------------------------------

RecordingSurface::RecordingSurface() : m_device(measuringImage()) {}
RecordingSurface::~RecordingSurface() = default;

bool RecordingSurface::beginDocument() {
    ++documents;
    m_page = 1;
    return true;
}

void RecordingSurface::drawText(double x, double y, const QFont &font, const QString &text) {
    pieces.append({documents, m_page, x, y, font.family(), font.pointSizeF(), font.bold(),
                   font.italic(), font.underline(), text});
}

QPaintDevice *RecordingSurface::measuringDevice() const {
    return m_device.get();
}

// ---- Printer and PDF -------------------------------------------------------

struct DeviceSurface::Private {
    bool pdf = false;
    QString folder;
    QPrinterInfo printerInfo;
    std::unique_ptr<QPrinter> printer;
    QString path;                  // where the PDF goes
    std::unique_ptr<QBuffer> file; // the PDF as it is drawn; written out whole at the end
    std::unique_ptr<QPdfWriter> writer;
    QPainter painter;
    QPaintDevice *device = nullptr;
    std::unique_ptr<QImage> idle = measuringImage();
};

DeviceSurface::DeviceSurface() : d(std::make_unique<Private>()) {}
DeviceSurface::~DeviceSurface() {
    if (d->painter.isActive()) d->painter.end();
}

std::unique_ptr<DeviceSurface> DeviceSurface::toPdfFolder(const QString &folder) {
    std::unique_ptr<DeviceSurface> s(new DeviceSurface);
    s->d->pdf = true;
    s->d->folder = folder;
    return s;
}

std::unique_ptr<DeviceSurface> DeviceSurface::toPdfFile(const QString &path) {
    std::unique_ptr<DeviceSurface> s(new DeviceSurface);
    s->d->pdf = true;
    s->d->path = path;
    return s;
}

QPageSize PrinterSurface::LocalPaper() {
    return QPageSize(QLocale().measurementSystem() == QLocale::MetricSystem ? QPageSize::A4
                                                                            : QPageSize::Letter);
}

std::unique_ptr<DeviceSurface> DeviceSurface::toDefaultPrinter() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return nullptr;
    std::unique_ptr<DeviceSurface> s(new DeviceSurface);
    s->d->printerInfo = info;
    return s;
}

QString DeviceSurface::fileNameFor(const QString &document, const QDateTime &when) {
    return QCoreApplication::translate("printing", "Cipherly %1 %2.pdf")
        .arg(document, when.toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")));
}

bool DeviceSurface::beginDocument() {
    const QString what = QCoreApplication::translate("printing", "The %1 page").arg(documentName());
    if (d->pdf && !d->folder.isEmpty()) {
        safefile::makeFolder(d->folder); // if it cannot be made, the write says why
        // Two documents within one second get " (2)", " (3)", ... rather than one name.
        const QString name = fileNameFor(documentName(), QDateTime::currentDateTime());
        QString path = QDir(d->folder).filePath(name);
        for (int n = 2; QFileInfo::exists(path); ++n)
            path = QDir(d->folder).filePath(
                QString(name).replace(QStringLiteral(".pdf"), QStringLiteral(" (%1).pdf").arg(n)));
        d->path = path;
    }
    if (d->pdf) {
        d->file = std::make_unique<QBuffer>();
        d->file->open(QIODevice::WriteOnly);
        d->writer = std::make_unique<QPdfWriter>(d->file.get());
        d->writer->setResolution(MeasureDpi);
        d->writer->setPageSize(paper());
        d->writer->setPageMargins(QMarginsF(0, 0, 0, 0));
        d->writer->setTitle(QStringLiteral("Cipherly ") + documentName());
        d->writer->setCreator(QStringLiteral("Cipherly"));
        d->device = d->writer.get();
    } else {
        d->printer = std::make_unique<QPrinter>(d->printerInfo, QPrinter::HighResolution);
        d->printer->setFullPage(false);
        d->printer->setDocName(QStringLiteral("Cipherly ") + documentName());
        if (paper().id() != QPageSize::Letter) d->printer->setPageSize(paper());
        d->device = d->printer.get();
    }
    if (!d->painter.begin(d->device)) {
        addFailure(d->pdf ? QCoreApplication::translate("printing", "%1 could not be written to %2")
                                .arg(what, d->path)
                          : QCoreApplication::translate("printing",
                                                        "%1 could not be sent to the printer %2")
                                .arg(what, d->printerInfo.printerName()));
        d->writer.reset();
        d->file.reset();
        d->printer.reset();
        d->device = nullptr;
        return false;
    }
    return true;
}

void DeviceSurface::drawText(double x, double y, const QFont &font, const QString &text) {
    if (!d->painter.isActive()) return;
    const double dpiX = d->device->logicalDpiX(), dpiY = d->device->logicalDpiY();
    d->painter.setFont(font);
    d->painter.setPen(Qt::black);
    const QFontMetricsF fm(font, d->device);
    d->painter.drawText(QPointF(x * dpiX, y * dpiY + fm.ascent()), text);
}

void DeviceSurface::nextPage() {
    if (d->writer)
        d->writer->newPage();
    else if (d->printer)
        d->printer->newPage();
}

bool DeviceSurface::finishDocument() {
    const QString what = QCoreApplication::translate("printing", "The %1 page").arg(documentName());
    const bool ended = d->painter.end();
    bool ok = ended;
    if (d->pdf) {
        d->writer.reset(); // flushes the PDF into the buffer
        // Through the safe writer: the file is there whole, or not at all.
        const safefile::Result r = ok ? safefile::replaceFile(d->path, d->file->data())
                                      : safefile::Result::target(QCoreApplication::translate(
                                            "printing", "It could not be drawn"));
        if (r) {
            addFile(d->path);
        } else {
            addFailure(QCoreApplication::translate("printing", "%1 could not be saved as %2: %3")
                           .arg(what, d->path, r.reason));
            ok = false;
        }
        d->file.reset();
    } else {
        if (!ok || d->printer->printerState() == QPrinter::Error) {
            addFailure(QCoreApplication::translate("printing", "%1 could not be printed on %2")
                           .arg(what, d->printerInfo.printerName()));
            ok = false;
        }
        d->printer.reset();
    }
    d->device = nullptr;
    return ok;
}

QPaintDevice *DeviceSurface::measuringDevice() const {
    return d->device ? d->device : d->idle.get();
}
