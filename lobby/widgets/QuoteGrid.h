#pragma once

#include "OwnedNotes.h"
#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <QUrl>

#include <functional>

// The quote list as the grid shows it: one column, the header is the status
// line, row n of the grid (from 1) is table row n - 1.
class QuoteListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setQuotes(QStringList quotes);
    const QStringList &quotes() const { return m_quotes; }
    // The design's words for the status line, and a short form of them for
    // when the additions' notes would not fit beside them.
    void setStatus(const QString &status, const QString &shortStatus = {});
    // The status line as it shows: the design's words and the additions'.
    QString status() const;
    // Whether a status line fits the header; the grid tells.
    void setFits(std::function<bool(const QString &)> fits) { m_fits = std::move(fits); }
    // Words an addition adds to the status line, after the design's; each
    // addition (`owner`) has its own, told in the order they first came.
    // They are of the highlighted row, which a screen reader hears them with.
    void setStatusNote(const QString &owner, const QString &note);
    void setHighlightedRow(int row) { m_highlighted = row; }

    int rowCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : int(m_quotes.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override {
        return parent.isValid() ? 0 : 1;
    }
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QStringList m_quotes;
    QString m_status, m_shortStatus;
    OwnedNotes m_notes;
    std::function<bool(const QString &)> m_fits;
    int m_highlighted = 0; // from 1
};

// The grid: lets any row, the last one included, scroll to the top, as the
// list's highlighted row always does.
class QuoteGrid : public QTableView {
    Q_OBJECT
public:
    explicit QuoteGrid(QWidget *parent = nullptr);

    QuoteListModel *list() const { return m_model; }
    // The highlighted row, counted from 1 (0 when the list is empty).
    int row() const;
    void setRow(int row);
    // The first visible row, counted from 1.
    int topRow() const;
    void setTopRow(int row);
    // Where a menu asked for from the keyboard opens: at the highlighted row,
    // in the viewport's pixels.
    QPoint menuPoint() const;
    // The row under a point of the viewport, counted from 1; 0 for none.
    int rowAt(const QPoint &viewportPoint) const;

signals:
    void rowChanged(int row);
    // Files, or text, dropped onto the list from the desktop.
    void quotesDropped(const QList<QUrl> &files, const QString &text);
    // The list's context menu is asked for: a right click or the Menu key;
    // `at` is in the pixels of the grid's viewport; `byKeys` for the Menu key.
    void contextMenuAsked(const QPoint &at, bool byKeys);

protected:
    void updateGeometries() override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void setScrollRange();
    // The highlighted row's cell told as the focus, for a screen reader.
    void tellHighlight();

    QuoteListModel *m_model;
    bool m_placing = false;
    // A row clicked half in sight is brought whole into sight once the
    // button is up: scrolled under a held button, the list would move
    // another row under the pointer and highlight that one.
    bool m_clicking = false;
};
