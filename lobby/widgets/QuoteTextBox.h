#pragma once

#include <QColor>
#include <QMap>
#include <QPlainTextEdit>

#include <functional>

// A multi-line text box in the manner of the lobby's quote and guide boxes:
// line breaks read as CR LF and count as two characters against the maximum
// length, however the text arrives (typing, pasting, dropping); Tab moves the
// focus on. A locked box lays its lines out itself, breaking only at blanks
// (or inside a word too long for a line), so two boxes of the same width whose
// texts have their blanks in the same places break at the same places,
// whatever the other characters are.
class QuoteTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit QuoteTextBox(int index, QWidget *parent = nullptr);

    int index() const { return m_index; }
    QString text() const;
    void setText(const QString &text);
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int n) { m_maxLength = n; }
    void setLocked(bool locked);
    // How the box takes the focus, locked or not.
    Qt::FocusPolicy ownFocusPolicy() const;
    bool locked() const { return isReadOnly(); }
    // For a player with a screen reader: a locked box keeps a focus it gets,
    // Tab stops at it, and the arrow keys move a caret through its text.
    void setReadableByKeys(bool on);
    void setBackColor(const QColor &c);
    void setForeColor(const QColor &c);
    // Length as the quote list counts it: a line break is two characters.
    static int designLength(const QString &plain);
    // `plain` with soft line breaks where a box of `columns` fixed-pitch
    // characters breaks it: at blanks, or inside a word longer than a line.
    static QString wrapAtBlanks(const QString &plain, int columns);
    int columns() const;
    // The text a paste or a drop of `source` puts in; empty when it holds none.
    static QString pastableText(const QMimeData *source);

    // The character of the stored text under a point of the viewport; -1 when
    // the point is over no character.
    int storedIndexAt(const QPoint &viewportPoint) const;
    // Marks characters of the stored text, each with its background colour;
    // none takes every mark away.
    void setMarks(const QMap<int, QColor> &marks);
    // The characters marked, in order, and the colour of one.
    QList<int> highlighted() const { return m_marks.keys(); }
    QColor markAt(int storedIndex) const { return m_marks.value(storedIndex); }

    // While pointing, the box tells the character under the pointer and a
    // click on one (a drag still selects).
    void setPointing(bool on);
    // Keys typed in the box go to `taker` first (true: taken); none for the
    // box's own way.
    void setKeyTaker(std::function<bool(int key, Qt::KeyboardModifiers)> taker) {
        m_keyTaker = std::move(taker);
    }

signals:
    void gotFocus(int index);
    // Before the key takes effect.
    void keyDown(int index, int key, Qt::KeyboardModifiers modifiers);
    // The character under the pointer (-1 for none), and a click on one.
    void letterHovered(int storedIndex);
    void letterClicked(int storedIndex);

protected:
    void focusInEvent(QFocusEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void insertFromMimeData(const QMimeData *source) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    QMimeData *createMimeDataFromSelection() const override;
    void resizeEvent(QResizeEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    bool viewportEvent(QEvent *e) override;

private:
    void enforceMaxLength();
    void layOutLocked();

    int m_index;
    int m_maxLength = 0;
    bool m_enforcing = false;
    bool m_readableByKeys = false;
    QString m_shown;          // a locked box's text, without its soft line breaks
    QList<int> m_displayedAt; // where each stored character stands in the document
    QMap<int, QColor> m_marks;
    bool m_pointing = false;
    int m_hovered = -1;
    int m_pressed = -1; // the letter a left button went down on, while pointing
    std::function<bool(int, Qt::KeyboardModifiers)> m_keyTaker;
};
