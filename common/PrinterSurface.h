#pragma once

#include <QFont>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPaintDevice;
class QPainter;

// The page surface every printout draws on, in the manner of a text terminal
// that can also jump to any position: a current position and a current font,
// text that stays on the line, line ends, new pages and whole documents.
// Positions are in the printer's unit from the printable area's top-left
// corner; start-up sets that unit to inches.
class PrinterSurface {
public:
    virtual ~PrinterSurface();

    // Start-up's step: every printed layout is given in inches.
    static void SetUnitToInches();
    static bool unitIsInches();

    // The surface of the system's default printer, or of PDF files in the
    // user's documents folder where there is no printer. Replaceable in tests.
    static std::unique_ptr<PrinterSurface> open();
    static void setFactory(std::function<std::unique_ptr<PrinterSurface>()> factory);

    // What the next document is, for its name when it becomes a file
    // ("puzzle", "solution", "help").
    void setDocumentName(const QString &name) { m_documentName = name; }
    QString documentName() const { return m_documentName; }
    // The paper of the documents to come: Letter, as designed, unless set.
    void setPaper(const QPageSize &paper) { m_paper = paper; }
    const QPageSize &paper() const { return m_paper; }
    // The paper of the player's locale: Letter where it is measured in
    // inches, A4 elsewhere.
    static QPageSize LocalPaper();

    void setFontName(const QString &name) { m_font.setFamily(name); }
    void setFontSize(double points) { m_font.setPointSizeF(points); }
    void setFontBold(bool on) { m_font.setBold(on); }
    void setFontItalic(bool on) { m_font.setItalic(on); }
    void setFontUnderline(bool on) { m_font.setUnderline(on); }
    // A face, size and style at once, as a printed page names them.
    void setFace(const QString &name, double points, bool bold = false, bool italic = false) {
        setFontName(name);
        setFontSize(points);
        setFontBold(bold);
        setFontItalic(italic);
    }
    const QFont &font() const { return m_font; }

    double currentX() const { return m_x; }
    double currentY() const { return m_y; }
    void setCurrentX(double x) { m_x = x; }
    void setCurrentY(double y) { m_y = y; }

    // Draws `text` at the current position; x advances by its width.
    void print(const QString &text);
    // x back to 0, y down by one line of the current font.
    void endLine();
    void newPage();
    // Hands the document to the printer; the next drawing opens a new one.
    void endDocument();

    // Width and line height in the current unit, as this surface measures them.
    double textWidth(const QString &text) const;
    double lineHeight() const;

    // What the player is told afterwards: the files written, and what failed.
    const QStringList &files() const { return m_files; }
    const QStringList &failures() const { return m_failures; }
    // One message that says where the printout went, or why it failed; empty
    // when it simply went to the printer.
    QString report() const;

protected:
    PrinterSurface();
    // Hooks of a concrete sink. Positions in inches.
    virtual bool beginDocument() = 0;
    virtual void drawText(double x, double y, const QFont &font, const QString &text) = 0;
    virtual void nextPage() = 0;
    virtual bool finishDocument() = 0;
    // The device text is measured on.
    virtual QPaintDevice *measuringDevice() const = 0;

    void addFile(const QString &path) { m_files << path; }
    void addFailure(const QString &what) { m_failures << what; }
    // Inches per unit of the surface.
    static double unitInches();

private:
    bool ensureDocument();

    QFont m_font;
    double m_x = 0, m_y = 0;
    bool m_open = false;
    bool m_failed = false;
    QString m_documentName = QStringLiteral("printout");
    QPageSize m_paper{QPageSize::Letter};
    QStringList m_files, m_failures;
};

// A surface that keeps what was drawn, for tests and previews: every piece of
// text with its position and font, page by page and document by document.
class RecordingSurface : public PrinterSurface {
public:
    struct Piece {
        int document, page;
        double x, y;
        QString family;
        double size;
        bool bold, italic, underline;
        QString text;
    };
    RecordingSurface();
    ~RecordingSurface() override;

    QList<Piece> pieces;
    int documents = 0;

protected:
    bool beginDocument() override;
    void drawText(double x, double y, const QFont &font, const QString &text) override;
    void nextPage() override { ++m_page; }
    bool finishDocument() override { return true; }
    QPaintDevice *measuringDevice() const override;

private:
    int m_page = 1;
    std::unique_ptr<QPaintDevice> m_device;
};

// Draws on a paint device that is either a real printer or a PDF file.
class DeviceSurface : public PrinterSurface {
public:
    // A PDF file per document in `folder`, named after the document and the time.
    static std::unique_ptr<DeviceSurface> toPdfFolder(const QString &folder);
    // One PDF file at `path`, replaced whole when it is done.
    static std::unique_ptr<DeviceSurface> toPdfFile(const QString &path);
    // The system's default printer; null when there is none.
    static std::unique_ptr<DeviceSurface> toDefaultPrinter();
    ~DeviceSurface() override;

    // The name a document's file gets: "Cipherly puzzle 2026-12-08 14.03.22.pdf".
    static QString fileNameFor(const QString &document, const QDateTime &when);

protected:
    bool beginDocument() override;
    void drawText(double x, double y, const QFont &font, const QString &text) override;
    void nextPage() override;
    bool finishDocument() override;
    QPaintDevice *measuringDevice() const override;

private:
    DeviceSurface();
    struct Private;
    std::unique_ptr<Private> d;
};
