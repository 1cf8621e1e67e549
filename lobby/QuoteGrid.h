#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>

// The quote list as the grid shows it: one column, the header is the status
// line, row n of the grid (from 1) is table row n - 1.
class QuoteListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setQuotes(QStringList quotes);
    const QStringList &quotes() const { return m_quotes; }
    void setStatus(const QString &status);
    QString status() const { return m_status; }

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
    QString m_status;
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
    // The row under a point of the viewport, counted from 1; 0 for none.
    int rowAt(const QPoint &viewportPoint) const;

signals:
    void rowChanged(int row);

protected:
    void updateGeometries() override;

private:
    void setScrollRange();

    QuoteListModel *m_model;
    bool m_placing = false;
};
