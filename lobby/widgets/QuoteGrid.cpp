#include "QuoteGrid.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

void QuoteListModel::setQuotes(QStringList quotes) {
    beginResetModel();
    m_quotes = std::move(quotes);
    endResetModel();
}

void QuoteListModel::setStatus(const QString &status, const QString &shortStatus) {
    if (status == m_status && shortStatus == m_shortStatus) return;
    m_status = status;
    m_shortStatus = shortStatus;
    emit headerDataChanged(Qt::Horizontal, 0, 0);
}

void QuoteListModel::setStatusNote(const QString &owner, const QString &note) {
    if (m_notes.set(owner, note)) emit headerDataChanged(Qt::Horizontal, 0, 0);
}

QString QuoteListModel::status() const {
    const QString notes = m_notes.joined();
    // The notes of a long list would push the design's words out of the
    // line: the words are said short then. With no notes they stand.
    if (!notes.isEmpty() && !m_shortStatus.isEmpty() && m_fits && !m_fits(m_status + notes))
        return m_shortStatus + notes;
    return m_status + notes;
}

QVariant QuoteListModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_quotes.size()) return {};
    if (role == Qt::DisplayRole) return m_quotes[index.row()];
    if (role == Qt::ToolTipRole) return QLatin1Char(' ') + m_quotes[index.row()] + QLatin1Char(' ');
    if (role == Qt::AccessibleDescriptionRole && index.row() + 1 == m_highlighted) {
        // The notes, heard with the quote; their dots are for the eye.
        QStringList notes;
        for (const QString &said : m_notes.notes()) {
            const QString note = (said.contains(QStringLiteral("\u00B7 "))
                                      ? said.section(QStringLiteral("\u00B7 "), 1)
                                      : said)
                                     .trimmed();
            if (!note.isEmpty()) notes << note;
        }
        return notes.join(QStringLiteral(", "));
    }
    return {};
}

QVariant QuoteListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole) return status();
    return {};
}

QuoteGrid::QuoteGrid(QWidget *parent) : QTableView(parent), m_model(new QuoteListModel(this)) {
    m_model->setFits([this](const QString &line) {
        const QHeaderView *h = horizontalHeader();
        const int margins = 2 * h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
        return h->fontMetrics().horizontalAdvance(line) <= h->sectionSize(0) - margins;
    });
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setShowGrid(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMouseTracking(true);
    // The lobby decides what is on top; the view only keeps the highlight in sight.
    setAutoScroll(false);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int v) {
        if (v > 0 && v >= verticalScrollBar()->maximum())
            verticalScrollBar()->setValue(verticalScrollBar()->maximum() - 1);
    });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid() && !m_placing && !m_clicking)
                    scrollTo(current, EnsureVisible);
                m_model->setHighlightedRow(current.isValid() ? current.row() + 1 : 0);
                emit rowChanged(current.isValid() ? current.row() + 1 : 0);
            });
}

void QuoteGrid::focusInEvent(QFocusEvent *e) {
    QTableView::focusInEvent(e);
    // A screen reader hears the highlighted quote on coming into the list,
    // not the list alone: told once the list's own focus has been told.
    if (QAccessible::isActive()) QTimer::singleShot(0, this, &QuoteGrid::tellHighlight);
}

void QuoteGrid::mousePressEvent(QMouseEvent *e) {
    m_clicking = true;
    QTableView::mousePressEvent(e);
}

void QuoteGrid::mouseReleaseEvent(QMouseEvent *e) {
    QTableView::mouseReleaseEvent(e);
    m_clicking = false;
    if (currentIndex().isValid()) scrollTo(currentIndex(), EnsureVisible);
}

QModelIndex QuoteGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    // One column: Home and End go to the first and the last quote, as in any list.
    if (m_model->rowCount() > 0 && (action == MoveHome || action == MoveEnd))
        return m_model->index(action == MoveHome ? 0 : m_model->rowCount() - 1, 0);
    return QTableView::moveCursor(action, modifiers);
}

void QuoteGrid::tellHighlight() {
    if (!hasFocus() || !currentIndex().isValid()) return;
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(this);
    QAccessibleTableInterface *table = list ? list->tableInterface() : nullptr;
    QAccessibleInterface *cell = table ? table->cellAt(currentIndex().row(), 0) : nullptr;
    if (!cell) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(list->indexOfChild(cell));
    QAccessible::updateAccessibility(&focus);
}

int QuoteGrid::row() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : 0;
}

void QuoteGrid::setRow(int row) {
    m_placing = true;
    if (row < 1 || row > m_model->rowCount())
        setCurrentIndex(QModelIndex());
    else
        setCurrentIndex(m_model->index(row - 1, 0));
    m_placing = false;
}

int QuoteGrid::topRow() const {
    return verticalScrollBar()->value() + 1;
}

void QuoteGrid::setTopRow(int row) {
    // The view lays itself out later; make room for the row to be on top now.
    setScrollRange();
    verticalScrollBar()->setValue(qMax(0, row - 1));
}

int QuoteGrid::rowAt(const QPoint &viewportPoint) const {
    const int r = QTableView::rowAt(viewportPoint.y());
    return r < 0 ? 0 : r + 1;
}

void QuoteGrid::updateGeometries() {
    // The base narrows the range to whole pages and would pull the top row back.
    const int top = verticalScrollBar()->value();
    QTableView::updateGeometries();
    // One scroll step per row, and room to bring the last row to the top.
    setScrollRange();
    verticalScrollBar()->setValue(top);
    // The base lays the last row on the bottom edge when the bar stood at its
    // end, which leaves the top row half under the header: every row whole.
    verticalHeader()->setOffsetToSectionPosition(verticalScrollBar()->value());
}

void QuoteGrid::setScrollRange() {
    // The header view puts the last row at the bottom when the bar is at its
    // maximum, so the range runs one step past the last row, which is never used.
    const int rows = m_model->rowCount();
    verticalScrollBar()->setRange(0, rows);
}

namespace {
bool holdsQuotes(const QMimeData *data) {
    if (!data) return false;
    if (data->hasUrls())
        for (const QUrl &u : data->urls())
            if (u.isLocalFile()) return true;
    return data->hasText();
}
} // namespace

void QuoteGrid::dragEnterEvent(QDragEnterEvent *e) {
    if (holdsQuotes(e->mimeData()))
        e->acceptProposedAction();
    else
        e->ignore();
}

void QuoteGrid::dragMoveEvent(QDragMoveEvent *e) {
    if (holdsQuotes(e->mimeData()))
        e->acceptProposedAction();
    else
        e->ignore();
}

void QuoteGrid::dropEvent(QDropEvent *e) {
    const QMimeData *data = e->mimeData();
    if (!holdsQuotes(data)) {
        e->ignore();
        return;
    }
    QList<QUrl> files;
    if (data->hasUrls())
        for (const QUrl &u : data->urls())
            if (u.isLocalFile()) files << u;
    e->acceptProposedAction();
    emit quotesDropped(files, files.isEmpty() ? data->text() : QString());
}

QPoint QuoteGrid::menuPoint() const {
    const int r = row();
    if (r < 1) return viewport()->rect().center();
    const QRect cell = visualRect(m_model->index(r - 1, 0));
    return QPoint(cell.left() + 20, cell.bottom());
}

void QuoteGrid::contextMenuEvent(QContextMenuEvent *e) {
    const bool byKeys = e->reason() != QContextMenuEvent::Mouse;
    emit contextMenuAsked(byKeys ? menuPoint() : e->pos(), byKeys);
    e->accept();
}
