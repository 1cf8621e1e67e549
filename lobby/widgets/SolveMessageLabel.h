#pragma once

#include <QLabel>

// The solve panel's message. While it shows the instruction, the two letter
// boxes stand in it: the words after its run of blanks begin only past the
// first box, whatever the width of a blank in the font the desktop has. Any
// other text (the result of a game) shows as a label shows it, and can be
// selected with the mouse. It never takes the focus from the letter boxes.
class SolveMessageLabel : public QLabel {
    Q_OBJECT
public:
    explicit SolveMessageLabel(QWidget *parent = nullptr);

    // Where, in the label, the words after the run of blanks may start.
    void setGapEnd(int x);
    int gapEnd() const { return m_gapEnd; }
    // Where each word of the line with the run of blanks is drawn, as
    // rectangles in the label: for laying the boxes out and for tests.
    QList<QRect> wordRects() const;

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    // The line with a run of blanks, its number, and where the run ends.
    bool findGap(int &line, qsizetype &runStart, qsizetype &runEnd) const;

    int m_gapEnd = 0;
};
