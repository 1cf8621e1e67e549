#pragma once

#include <QPlainTextEdit>

// A multi-line text box in the manner of the lobby's quote and guide boxes:
// line breaks read as CR LF and count as two characters against the maximum
// length, however the text arrives (typing, pasting, dropping); Tab moves the
// focus on.
class QuoteTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit QuoteTextBox(int index, QWidget *parent = nullptr);

    int index() const { return m_index; }
    QString text() const;
    void setText(const QString &text);
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int n) { m_maxLength = n; }
    void setLocked(bool locked) { setReadOnly(locked); }
    bool locked() const { return isReadOnly(); }
    void setBackColor(const QColor &c);
    void setForeColor(const QColor &c);
    // Length as the quote list counts it: a line break is two characters.
    static int designLength(const QString &plain);

signals:
    void gotFocus(int index);
    // Before the key takes effect.
    void keyDown(int index, int key, Qt::KeyboardModifiers modifiers);

protected:
    void focusInEvent(QFocusEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void enforceMaxLength();

    int m_index;
    int m_maxLength = 0;
    bool m_enforcing = false;
};
