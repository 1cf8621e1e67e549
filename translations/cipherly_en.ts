<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>LetterTiles</name>
    <message numerus="yes">
        <source>%n place(s)</source>
        <translation>
            <numerusform>%n place</numerusform>
            <numerusform>%n places</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PatternWords</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PencilMarks</name>
    <message numerus="yes">
        <source>%n pencil mark(s) made firm</source>
        <translation>
            <numerusform>%n pencil mark made firm</numerusform>
            <numerusform>%n pencil marks made firm</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pencil mark(s) cleared</source>
        <translation>
            <numerusform>%n pencil mark cleared</numerusform>
            <numerusform>%n pencil marks cleared</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PuzzleTyping</name>
    <message numerus="yes">
        <source>%n place(s)</source>
        <translation>
            <numerusform>%n place</numerusform>
            <numerusform>%n places</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QuoteCollections</name>
    <message numerus="yes">
        <source>%Ln quote(s) were added from %1.</source>
        <translation>
            <numerusform>%Ln quote was added from %1.</numerusform>
            <numerusform>%Ln quotes were added from %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them</source>
        <translation>
            <numerusform>%Ln of them</numerusform>
            <numerusform>%Ln of them</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) skipped:</source>
        <translation>
            <numerusform>%Ln entry skipped:</numerusform>
            <numerusform>%Ln entries skipped:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln quote(s) were written to %1.</source>
        <translation>
            <numerusform>%Ln quote was written to %1.</numerusform>
            <numerusform>%Ln quotes were written to %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message numerus="yes">
        <source>%Ln pair(s)</source>
        <translation>
            <numerusform>%Ln pair</numerusform>
            <numerusform>%Ln pairs</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message numerus="yes">
        <source>%n place(s)</source>
        <translation>
            <numerusform>%n place</numerusform>
            <numerusform>%n places</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n letter(s)</source>
        <translation>
            <numerusform>%n letter</numerusform>
            <numerusform>%n letters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n time(s) in the quote</source>
        <translation>
            <numerusform>%n time in the quote</numerusform>
            <numerusform>%n times in the quote</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n time(s) in a quote this long</source>
        <translation>
            <numerusform>about %n time in a quote this long</numerusform>
            <numerusform>about %n times in a quote this long</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, a kept game going on: %n letter(s) placed</source>
        <translation>
            <numerusform>, a kept game going on: %n letter placed</numerusform>
            <numerusform>, a kept game going on: %n letters placed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n pencil mark(s)</source>
        <translation>
            <numerusform> and %n pencil mark</numerusform>
            <numerusform> and %n pencil marks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n letter(s) given</source>
        <translation>
            <numerusform>, %n letter given</numerusform>
            <numerusform>, %n letters given</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SolveGame</name>
    <message numerus="yes">
        <source>Congratulations!
You solved this scrambled quote
in %1 minutes, using %n hint(s)!</source>
        <translation>
            <numerusform>Congratulations!
You solved this scrambled quote
in %1 minutes, using %n hints!</numerusform>
            <numerusform>Congratulations!
You solved this scrambled quote
in %1 minutes, using %n hints!</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TodaysQuote</name>
    <message numerus="yes">
        <source>%1 · solved in %2 · %n hint(s)</source>
        <translation>
            <numerusform>%1 · solved in %2 · %n hint</numerusform>
            <numerusform>%1 · solved in %2 · %n hints</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Today&apos;s Quote of %1 is solved already: in %2, with %n hint(s).

%3

Play it again for fun? A game played again is not recorded and leaves your days in a row as they are.</source>
        <translation>
            <numerusform>Today&apos;s Quote of %1 is solved already: in %2, with %n hint.

%3

Play it again for fun? A game played again is not recorded and leaves your days in a row as they are.</numerusform>
            <numerusform>Today&apos;s Quote of %1 is solved already: in %2, with %n hints.

%3

Play it again for fun? A game played again is not recorded and leaves your days in a row as they are.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 #%2 · Today&apos;s Quote %3%4 · solved in %5 · %n hint(s) · streak %6</source>
        <translation>
            <numerusform>%1 #%2 · Today&apos;s Quote %3%4 · solved in %5 · %n hint · streak %6</numerusform>
            <numerusform>%1 #%2 · Today&apos;s Quote %3%4 · solved in %5 · %n hints · streak %6</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmDailyCalendar</name>
    <message numerus="yes">
        <source>%1: solved on its day, in %2 with %n hint(s).</source>
        <translation>
            <numerusform>%1: solved on its day, in %2 with %n hint.</numerusform>
            <numerusform>%1: solved on its day, in %2 with %n hints.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: solved later, on %2, in %3 with %n hint(s).</source>
        <translation>
            <numerusform>%1: solved later, on %2, in %3 with %n hint.</numerusform>
            <numerusform>%1: solved later, on %2, in %3 with %n hints.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message numerus="yes">
        <source>Today&apos;s Quote in a row: %n day(s)</source>
        <translation>
            <numerusform>Today&apos;s Quote in a row: %n day</numerusform>
            <numerusform>Today&apos;s Quote in a row: %n days</numerusform>
        </translation>
    </message>
</context>
</TS>
