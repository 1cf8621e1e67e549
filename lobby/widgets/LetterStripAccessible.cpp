#include "LetterStripAccessible.h"

#include "LetterStrip.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QPointer>

namespace {

constexpr int Rows = 26, Columns = 3;

QString heading(int column, LetterStrip::Face face) {
    if (face == LetterStrip::Face::Plain) {
        switch (column) {
        case 0:
            return QCoreApplication::translate("ScreenReader", "Letter");
        case 1:
            return QCoreApplication::translate("ScreenReader",
                                               "About so often in a quote this long");
        default:
            return QCoreApplication::translate("ScreenReader", "Given to");
        }
    }
    switch (column) {
    case 0:
        return QCoreApplication::translate("ScreenReader", "Scrambled letter");
    case 1:
        return QCoreApplication::translate("ScreenReader", "Times in the quote");
    default:
        return QCoreApplication::translate("ScreenReader", "Stands for");
    }
}

class StripTable;

class StripCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    StripCell(StripTable *table, LetterStrip *strip, int row, int column)
        : m_table(table), m_strip(strip), m_row(row), m_column(column) {}

    bool isValid() const override { return m_strip; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        if (!m_strip || !m_strip->isVisible()) s.invisible = true;
        return s;
    }
    QRect rect() const override {
        if (!m_strip) return {};
        QRect c = m_strip->cell(m_row);
        const int third = c.width() / 3;
        c = QRect(c.left() + m_column * third, c.top(), third, c.height());
        return QRect(m_strip->mapToGlobal(c.topLeft()), c.size());
    }
    QString text(QAccessible::Text t) const override {
        if (!m_strip || m_row >= m_strip->entries().size()) return {};
        const SolveGame::StripEntry &e = m_strip->entries()[m_row];
        const bool plainFace = m_strip->face() == LetterStrip::Face::Plain;
        if (t == QAccessible::Description && m_column == 0 && plainFace) {
            // A letter expected less than once is not "about 0 times".
            const QString about =
                e.count > 0 ? QCoreApplication::translate("ScreenReader",
                                                          "about %n time(s) in a quote this long",
                                                          nullptr, e.count)
                            : QCoreApplication::translate("ScreenReader",
                                                          "hardly ever in a quote this long");
            return e.plain.isNull()
                       ? QCoreApplication::translate("ScreenReader", "%1, not given yet").arg(about)
                       : QCoreApplication::translate("ScreenReader", "%1, given to %2")
                             .arg(about, standsFor(e));
        }
        if (t == QAccessible::Description && m_column == 0) {
            // The row as a whole, heard as the keys come to its letter.
            const QString times = QCoreApplication::translate(
                "ScreenReader", "%n time(s) in the quote", nullptr, e.count);
            return e.plain.isNull()
                       ? QCoreApplication::translate("ScreenReader", "%1, no letter yet").arg(times)
                       : QCoreApplication::translate("ScreenReader", "%1, stands for %2")
                             .arg(times, standsFor(e));
        }
        if (t != QAccessible::Name) return {};
        switch (m_column) {
        case 0:
            return QString(e.cipher);
        case 1:
            return QString::number(e.count);
        default:
            if (e.plain.isNull())
                return plainFace ? QStringLiteral("free") : QStringLiteral("unknown");
            return standsFor(e);
        }
    }
    static QString standsFor(const SolveGame::StripEntry &e) {
        return e.conflict
                   ? QCoreApplication::translate("ScreenReader", "%1, also given to another letter")
                         .arg(e.plain)
                   : QString(e.plain);
    }
    void *interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface *>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override;

private:
    StripTable *m_table;
    QPointer<LetterStrip> m_strip;
    int m_row, m_column;
};

class StripTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit StripTable(LetterStrip *strip) : QAccessibleWidget(strip, QAccessible::Table) {}
    ~StripTable() override {
        for (QAccessible::Id id : std::as_const(m_cells))
            QAccessible::deleteAccessibleInterface(id);
    }

    LetterStrip *strip() const { return static_cast<LetterStrip *>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return strip()->face() == LetterStrip::Face::Plain
                       ? QCoreApplication::translate(
                             "ScreenReader", "Plain alphabet: each letter, how often it "
                                             "comes, and the scrambled letter it is given to")
                       : QCoreApplication::translate("ScreenReader", "Letter table");
        return QAccessibleWidget::text(t);
    }
    QAccessibleInterface *focusChild() const override {
        return strip()->hasFocus() ? cellAt(strip()->current(), strip()->currentColumn()) : nullptr;
    }
    int childCount() const override { return Rows * Columns; }
    QAccessibleInterface *child(int index) const override {
        if (index < 0 || index >= Rows * Columns) return nullptr;
        return cellAt(index / Columns, index % Columns);
    }
    int indexOfChild(const QAccessibleInterface *child) const override {
        if (auto *cell = const_cast<QAccessibleInterface *>(child)->tableCellInterface())
            return cell->rowIndex() * Columns + cell->columnIndex();
        return -1;
    }
    void *interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessibleInterface *cellAt(int row, int column) const override {
        if (row < 0 || row >= Rows || column < 0 || column >= Columns) return nullptr;
        const int key = row * Columns + column;
        if (auto it = m_cells.constFind(key); it != m_cells.cend())
            return QAccessible::accessibleInterface(*it);
        auto *cell = new StripCell(const_cast<StripTable *>(this), strip(), row, column);
        m_cells.insert(key, QAccessible::registerAccessibleInterface(cell));
        return cell;
    }
    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QString columnDescription(int column) const override {
        return heading(column, strip()->face());
    }
    QString rowDescription(int) const override { return {}; }
    int columnCount() const override { return Columns; }
    int rowCount() const override { return Rows; }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface *> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    mutable QHash<int, QAccessible::Id> m_cells;
};

QWindow *StripCell::window() const {
    return m_table->window();
}
QAccessibleInterface *StripCell::parent() const {
    return m_table;
}
QAccessibleInterface *StripCell::table() const {
    return m_table;
}

QAccessibleInterface *letterStripFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("LetterStrip") && object && object->isWidgetType())
        return new StripTable(static_cast<LetterStrip *>(object));
    return nullptr;
}

} // namespace

int LetterStripCellIndex(int index) {
    return index * Columns;
}

void InstallLetterStripAccessible() {
    QAccessible::installFactory(letterStripFactory); // Qt keeps one of each
}
