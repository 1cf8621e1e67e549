<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AnswerGuard</name>
    <message>
        <source>&amp;Ask Before Giving Up</source>
        <translation>Vor dem Aufgeben &amp;fragen</translation>
    </message>
    <message>
        <source>Show the answer?

The game then ends as shown, not solved.</source>
        <translation>Die Lösung anzeigen?

Das Spiel endet dann als gezeigt, nicht als gelöst.</translation>
    </message>
    <message>
        <source>Give up this game?

It then counts as left unfinished.</source>
        <translation>Dieses Spiel aufgeben?

Es zählt dann als abgebrochen.</translation>
    </message>
    <message>
        <source>Don&apos;t ask again</source>
        <translation>Nicht mehr fragen</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Encryption Word Game</source>
        <translation>Wortspiel mit Geheimschrift</translation>
    </message>
</context>
<context>
    <name>CryptogramPage</name>
    <message>
        <source>This scrambled message was made</source>
        <translation>Diese verschlüsselte Nachricht ist</translation>
    </message>
    <message>
        <source>especially for %1!</source>
        <translation>ganz besonders für %1!</translation>
    </message>
    <message>
        <source>Solve the scrambled message below...</source>
        <translation>Lösen Sie die verschlüsselte Nachricht unten...</translation>
    </message>
    <message>
        <source>%1&apos;s Solution Page--</source>
        <translation>%1 – Lösungsseite</translation>
    </message>
    <message>
        <source>Code Key:</source>
        <translation>Schlüssel:</translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
</context>
<context>
    <name>FreshQuotes</name>
    <message>
        <source>Solve &amp;This Quote</source>
        <translation>&amp;Dieses Zitat lösen</translation>
    </message>
</context>
<context>
    <name>GameStatistics</name>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistik...</translation>
    </message>
    <message>
        <source>Your games cannot be recorded for the statistics:
%1: %2.

You can play on; games are not counted until this is put right.</source>
        <translation>Ihre Spiele können nicht für die Statistik festgehalten werden:
%1: %2.

Sie können weiterspielen; bis das behoben ist, werden Spiele nicht gezählt.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>It leads to %1, which is not a record of games; it is left alone</source>
        <translation>Sie verweist auf %1, das keine Spielaufzeichnung ist; sie bleibt unangetastet</translation>
    </message>
</context>
<context>
    <name>HelperTip</name>
    <message>
        <source>Show this tip at the next game too</source>
        <translation>Diesen Tipp auch beim nächsten Spiel anzeigen</translation>
    </message>
    <message>
        <source>Cipherly has helpers, each off until you want it, in the right-click menus (or Ctrl+M, the Menu key, Shift+F10):

- While solving, right-click a puzzle box: Explain a Step (F2), Check My Letters (F3), Solver&apos;s Aids, Show the Clock (F9 pauses), Ask Before Giving Up, Type on the Puzzle, Letter Tiles (Ctrl+L: each guess over its scrambled letter; Ctrl+L again for the two boxes).
- In the quote list: Today&apos;s Quote (Ctrl+D), Statistics, Show Difficulty, games of a level, Show Played Record, Import and Export Quotes.

F1 tells more about each.</source>
        <translation>Cipherly hat Helfer, jeder ausgeschaltet, bis Sie ihn möchten, in den Kontextmenüs (oder mit Strg+M, der Menütaste, Umschalt+F10):

- Beim Lösen Rechtsklick auf ein Rätselfeld: Einen Schritt erklären (F2), Meine Buchstaben prüfen (F3), Lösungshilfen, Uhr anzeigen (F9 hält an), Vor dem Aufgeben fragen, Direkt ins Rätsel tippen, Buchstabenkacheln (Strg+L: jeder Versuch über seinem verschlüsselten Buchstaben; Strg+L noch einmal für die beiden Felder).
- In der Zitatliste: Zitat des Tages (Strg+D), Statistik, Schwierigkeit anzeigen, Spiele nach Schwierigkeit, Spielbilanz anzeigen, Zitate importieren und exportieren.

F1 sagt mehr über jeden.</translation>
    </message>
</context>
<context>
    <name>KeyedGames</name>
    <message>
        <source>the plain alphabet was keyed, the cipher alphabet in order</source>
        <translation>das Klaralphabet war mit einem Schlüsselwort geordnet, das Geheimalphabet der Reihe nach</translation>
    </message>
    <message>
        <source>the cipher alphabet was keyed, the plain alphabet in order</source>
        <translation>das Geheimalphabet war mit einem Schlüsselwort geordnet, das Klaralphabet der Reihe nach</translation>
    </message>
    <message>
        <source>both alphabets were keyed with the same keyword</source>
        <translation>beide Alphabete waren mit demselben Schlüsselwort geordnet</translation>
    </message>
    <message>
        <source>Random &amp;Keyed Game</source>
        <translation>Zufallsspiel mit Schlüsselwor&amp;t</translation>
    </message>
    <message>
        <source> — %1</source>
        <translation> — %1</translation>
    </message>
    <message>
        <source>Right: the keyword was %1.</source>
        <translation>Richtig: Das Schlüsselwort war %1.</translation>
    </message>
    <message>
        <source>Not this time: the keyword was %1.</source>
        <translation>Diesmal nicht: Das Schlüsselwort war %1.</translation>
    </message>
    <message>
        <source>Its key is a keyed alphabet (%1): %2.

Which keyword made it? (Your answer is not counted in your statistics.)</source>
        <translation>Sein Schlüssel ist ein Alphabet mit Schlüsselwort (%1): %2.

Welches Schlüsselwort war es? (Ihre Antwort zählt nicht in der Statistik.)</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>it is not a translation</source>
        <translation>sie ist keine Übersetzung</translation>
    </message>
</context>
<context>
    <name>LetterTiles</name>
    <message>
        <source>Letter tiles</source>
        <translation>Buchstabenkacheln</translation>
    </message>
    <message>
        <source>Type the letter the scrambled letter under the cursor stands for; the arrows move, Tab goes to the next word, Backspace takes a letter back</source>
        <translation>Tippen Sie den Buchstaben, für den der verschlüsselte Buchstabe unter dem Cursor steht; die Pfeiltasten bewegen, Tab geht zum nächsten Wort, die Rücktaste nimmt einen Buchstaben zurück</translation>
    </message>
    <message>
        <source>Letter &amp;Tiles	Ctrl+L</source>
        <translation>Buchs&amp;tabenkacheln	Strg+L</translation>
    </message>
    <message>
        <source>Letter tiles off: the two puzzle boxes</source>
        <translation>Buchstabenkacheln aus: die beiden Rätselfelder</translation>
    </message>
    <message numerus="yes">
        <source>%n place(s)</source>
        <translation>
            <numerusform>%n Stelle</numerusform>
            <numerusform>%n Stellen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2, no letter yet</source>
        <translation>%1, %2, noch kein Buchstabe</translation>
    </message>
    <message>
        <source>%1, %2, stands for %3</source>
        <translation>%1, %2, steht für %3</translation>
    </message>
    <message>
        <source>Word %1, %2</source>
        <translation>Wort %1, %2</translation>
    </message>
</context>
<context>
    <name>NightColours</name>
    <message>
        <source>Night Colo&amp;urs	Ctrl+Shift+N</source>
        <translation>Farben f&amp;ür die Nacht	Strg+Umschalt+N</translation>
    </message>
    <message>
        <source>Night colours on</source>
        <translation>Nachtfarben an</translation>
    </message>
    <message>
        <source>Night colours off</source>
        <translation>Nachtfarben aus</translation>
    </message>
</context>
<context>
    <name>PatternWords</name>
    <message>
        <source>Pattern &amp;Words...</source>
        <translation>Muster&amp;wörter …</translation>
    </message>
    <message>
        <source>No word the game knows fits %1.</source>
        <translation>Kein Wort, das das Spiel kennt, passt zu %1.</translation>
    </message>
    <message>
        <source>Words that fit %1, the commonest first:</source>
        <translation>Wörter, die zu %1 passen, die häufigsten zuerst:</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Pattern Words</source>
        <translation>Musterwörter</translation>
    </message>
    <message>
        <source>Type a pattern: a letter for each unknown letter, the same letter
for the same (ABCA), or the letters you know and ? for the others (?E?&apos;S).</source>
        <translation>Tippen Sie ein Muster: einen Buchstaben für jeden unbekannten, denselben
für denselben (ABCA), oder die Buchstaben, die Sie kennen, und ? für die anderen (?E?&apos;S).</translation>
    </message>
    <message>
        <source>%1 with the letters on the board (%2)</source>
        <translation>%1 mit den gesetzten Buchstaben (%2)</translation>
    </message>
</context>
<context>
    <name>PencilMarks</name>
    <message>
        <source>Penci&amp;l Marks	Ctrl+T</source>
        <translation>Bleist&amp;ift	Strg+T</translation>
    </message>
    <message>
        <source>Make Pencil Marks &amp;Firm</source>
        <translation>Bleistift fest&amp;schreiben</translation>
    </message>
    <message>
        <source>Cl&amp;ear Pencil Marks</source>
        <translation>Bleistift lösche&amp;n</translation>
    </message>
    <message>
        <source>Pencil marks on</source>
        <translation>Bleistift an</translation>
    </message>
    <message>
        <source>Pencil marks off</source>
        <translation>Bleistift aus</translation>
    </message>
    <message>
        <source>%1 pencilled as %2</source>
        <translation>%1 vorläufig als %2</translation>
    </message>
    <message>
        <source>Pencil mark of %1 rubbed out</source>
        <translation>Bleistift bei %1 ausradiert</translation>
    </message>
    <message>
        <source>No pencil marks to make firm</source>
        <translation>Keine Bleistiftbuchstaben zum Festschreiben</translation>
    </message>
    <message numerus="yes">
        <source>%n pencil mark(s) made firm</source>
        <translation>
            <numerusform>%n Bleistiftbuchstabe festgeschrieben</numerusform>
            <numerusform>%n Bleistiftbuchstaben festgeschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>No pencil marks to clear</source>
        <translation>Keine Bleistiftbuchstaben zum Löschen</translation>
    </message>
    <message numerus="yes">
        <source>%n pencil mark(s) cleared</source>
        <translation>
            <numerusform>%n Bleistiftbuchstabe gelöscht</numerusform>
            <numerusform>%n Bleistiftbuchstaben gelöscht</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlayClock</name>
    <message>
        <source>Show the Cl&amp;ock</source>
        <translation>&amp;Uhr anzeigen</translation>
    </message>
    <message>
        <source>&amp;Pause	F9</source>
        <translation>&amp;Pause	F9</translation>
    </message>
    <message>
        <source>Paused

Press F9 to go on</source>
        <translation>Pause

Weiter mit F9</translation>
    </message>
    <message>
        <source> (paused)</source>
        <translation> (Pause)</translation>
    </message>
</context>
<context>
    <name>PuzzleKind</name>
    <message>
        <source>With word breaks</source>
        <translation>Mit Wortgrenzen</translation>
    </message>
    <message>
        <source>No word breaks</source>
        <translation>Ohne Wortgrenzen</translation>
    </message>
    <message>
        <source>Keyed alphabet (%1)</source>
        <translation>Alphabet mit Schlüsselwort (%1)</translation>
    </message>
</context>
<context>
    <name>PuzzleTyping</name>
    <message>
        <source>T&amp;ype on the Puzzle</source>
        <translation>&amp;Direkt ins Rätsel tippen</translation>
    </message>
    <message numerus="yes">
        <source>%n place(s)</source>
        <translation>
            <numerusform>%n Stelle</numerusform>
            <numerusform>%n Stellen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 picked, %2, no letter yet</source>
        <translation>%1 gewählt, %2, noch kein Buchstabe</translation>
    </message>
    <message>
        <source>%1 picked, %2, stands for %3</source>
        <translation>%1 gewählt, %2, steht für %3</translation>
    </message>
</context>
<context>
    <name>QuoteCollections</name>
    <message>
        <source>... and %L1 more</source>
        <translation>… und %L1 weiteren</translation>
    </message>
    <message>
        <source>Import Quotes</source>
        <translation>Zitate importieren</translation>
    </message>
    <message>
        <source>All files (*);;Text (*.txt);;Quote list (*.Dat)</source>
        <translation>Alle Dateien (*);;Text (*.txt);;Zitatliste (*.Dat)</translation>
    </message>
    <message>
        <source>the dropped text</source>
        <translation>dem abgelegten Text</translation>
    </message>
    <message>
        <source>Importing quotes...</source>
        <translation>Zitate werden importiert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The import was cancelled; the list is as it was.</source>
        <translation>Der Import wurde abgebrochen; die Liste ist unverändert.</translation>
    </message>
    <message>
        <source>The quotes could not be imported; the list is as it was.</source>
        <translation>Die Zitate konnten nicht importiert werden; die Liste ist unverändert.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln quote(s) were added from %1.</source>
        <translation>
            <numerusform>%Ln Zitat wurde aus %1 hinzugefügt.</numerusform>
            <numerusform>%Ln Zitate wurden aus %1 hinzugefügt.</numerusform>
        </translation>
    </message>
    <message>
        <source> In %1, accented letters were written as plain ones (É as E, Ä as AE), so that the puzzle hides every letter.</source>
        <translation> In %1 wurden Buchstaben mit Akzent als einfache geschrieben (É als E, Ä als AE), damit das Rätsel jeden Buchstaben verbirgt.</translation>
    </message>
    <message>
        <source>all of them</source>
        <translation>allen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of them</source>
        <translation>
            <numerusform>einem davon</numerusform>
            <numerusform>%Ln davon</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entry(s) skipped:</source>
        <translation>
            <numerusform>%Ln Eintrag übersprungen:</numerusform>
            <numerusform>%Ln Einträge übersprungen:</numerusform>
        </translation>
    </message>
    <message>
        <source>Skipped, %1:</source>
        <translation>Übersprungen, %1:</translation>
    </message>
    <message>
        <source>... and %L1 more, not shown here.</source>
        <translation>… und %L1 weitere, hier nicht angezeigt.</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Nicht gelesen:</translation>
    </message>
    <message>
        <source>Nothing could be read:</source>
        <translation>Es konnte nichts gelesen werden:</translation>
    </message>
    <message>
        <source>Export Quotes</source>
        <translation>Zitate exportieren</translation>
    </message>
    <message>
        <source>Text (*.txt);;Quote list (*.Dat)</source>
        <translation>Text (*.txt);;Zitatliste (*.Dat)</translation>
    </message>
    <message>
        <source>My %1 quotes.txt</source>
        <translation>Meine %1-Zitate.txt</translation>
    </message>
    <message>
        <source>The quotes could not be exported.</source>
        <translation>Die Zitate konnten nicht exportiert werden.</translation>
    </message>
    <message>
        <source>You have no quotes of your own yet: %1 holds none.</source>
        <translation>Sie haben noch keine eigenen Zitate: %1 enthält keine.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln quote(s) were written to %1.</source>
        <translation>
            <numerusform>%Ln Zitat wurde in %1 geschrieben.</numerusform>
            <numerusform>%Ln Zitate wurden in %1 geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Import Quotes...</source>
        <translation>Zitate &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Export Quotes...</source>
        <translation>Zitate &amp;exportieren...</translation>
    </message>
</context>
<context>
    <name>QuoteMarks</name>
    <message>
        <source>Show &amp;Played Record</source>
        <translation>Spiel&amp;bilanz anzeigen</translation>
    </message>
    <message>
        <source> · Unplayed</source>
        <translation> · Ungespielt</translation>
    </message>
    <message>
        <source>once</source>
        <translation>einmal</translation>
    </message>
    <message>
        <source> · Played %1, unsolved</source>
        <translation> · %1 gespielt, ungelöst</translation>
    </message>
    <message>
        <source> · Solved, best %1</source>
        <translation> · Gelöst, beste Zeit %1</translation>
    </message>
    <message>
        <source> · Solved ×%1, best %2</source>
        <translation> · %1× gelöst, beste Zeit %2</translation>
    </message>
</context>
<context>
    <name>SavedGame</name>
    <message>
        <source>The game on show cannot be kept for later:
%1: %2.

You can play on; if the game ends before you finish it, it is lost.</source>
        <translation>Das laufende Spiel kann nicht für später aufbewahrt werden:
%1: %2.

Sie können weiterspielen; endet das Programm vor dem Spiel, ist es verloren.</translation>
    </message>
    <message>
        <source>The game kept from last time could not be read%1, so it cannot be continued. It is set aside as %2.</source>
        <translation>Das vom letzten Mal aufbewahrte Spiel konnte nicht gelesen werden%1 und kann nicht fortgesetzt werden. Es wurde als %2 beiseitegelegt.</translation>
    </message>
    <message>
        <source>The game kept from last time could not be read%1, so it cannot be continued. It could not be set aside either (%2): it stays as %3, and the next game will replace it.</source>
        <translation>Das vom letzten Mal aufbewahrte Spiel konnte nicht gelesen werden%1 und kann nicht fortgesetzt werden. Es konnte auch nicht beiseitegelegt werden (%2): Es bleibt als %3, und das nächste Spiel ersetzt es.</translation>
    </message>
    <message>
        <source>You have a game that is not finished yet, started on %1 at %2, with %3 placed.

Do you want to continue it?</source>
        <translation>Sie haben ein offenes Spiel, begonnen am %1 um %2; %3 bereits eingesetzt.

Möchten Sie es fortsetzen?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln pair(s)</source>
        <translation>
            <numerusform>%Ln Paar ist</numerusform>
            <numerusform>%Ln Paare sind</numerusform>
        </translation>
    </message>
    <message>
        <source>You have a game of Today&apos;s Quote of %4 that is not finished yet, started on %1 at %2, with %3 placed.

Do you want to continue it?</source>
        <translation>Sie haben ein offenes Spiel mit dem Zitat des Tages vom %4, begonnen am %1 um %2; %3 bereits eingesetzt.

Möchten Sie es fortsetzen?</translation>
    </message>
    <message>
        <source> Pencil marks kept with it: %1.</source>
        <translation> Mit ihm aufbewahrte Bleistiftbuchstaben: %1.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message numerus="yes">
        <source>%n place(s)</source>
        <translation>
            <numerusform>%n Stelle</numerusform>
            <numerusform>%n Stellen</numerusform>
        </translation>
    </message>
    <message>
        <source>Hint: %1 stands for %2, %3</source>
        <translation>Tipp: %1 steht für %2, %3</translation>
    </message>
    <message>
        <source>%1 is not in the scrambled quote</source>
        <translation>%1 kommt im verschlüsselten Zitat nicht vor</translation>
    </message>
    <message>
        <source>%1 stands for %2 already</source>
        <translation>%1 steht schon für %2</translation>
    </message>
    <message>
        <source>%1 taken back, %2</source>
        <translation>%1 zurückgenommen, %2</translation>
    </message>
    <message>
        <source>%1 stands for %2, %3</source>
        <translation>%1 steht für %2, %3</translation>
    </message>
    <message>
        <source>Undone: </source>
        <translation>Rückgängig: </translation>
    </message>
    <message>
        <source>Redone: </source>
        <translation>Wiederholt: </translation>
    </message>
    <message>
        <source>. %1 is also given to %2</source>
        <translation>. %1 ist auch %2 zugeordnet</translation>
    </message>
    <message>
        <source>No letters are unknown</source>
        <translation>Kein Buchstabe ist unbekannt</translation>
    </message>
    <message>
        <source>%1 unknown: %2</source>
        <translation>%1 unbekannt: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n letter(s)</source>
        <translation>
            <numerusform>%n Buchstabe</numerusform>
            <numerusform>%n Buchstaben</numerusform>
        </translation>
    </message>
    <message>
        <source>Quote list</source>
        <translation>Zitatliste</translation>
    </message>
    <message>
        <source>Scrambled letter</source>
        <translation>Verschlüsselter Buchstabe</translation>
    </message>
    <message>
        <source>Stands for</source>
        <translation>Steht für</translation>
    </message>
    <message>
        <source>Adding a new quote</source>
        <translation>Neues Zitat hinzufügen</translation>
    </message>
    <message>
        <source>Editing the quote</source>
        <translation>Zitat bearbeiten</translation>
    </message>
    <message>
        <source>Scramble and print. F6 reads the scrambled quote and its code key</source>
        <translation>Verschlüsseln und drucken. F6 liest das verschlüsselte Zitat und seinen Schlüssel vor</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 als %2</translation>
    </message>
    <message>
        <source>Scrambled quote: </source>
        <translation>Verschlüsseltes Zitat: </translation>
    </message>
    <message>
        <source>. Code key: </source>
        <translation>. Schlüssel: </translation>
    </message>
    <message>
        <source>Solution so far: </source>
        <translation>Bisherige Lösung: </translation>
    </message>
    <message>
        <source>Times in the quote</source>
        <translation>Vorkommen im Zitat</translation>
    </message>
    <message>
        <source>%1, also given to another letter</source>
        <translation>%1, auch einem anderen Buchstaben gegeben</translation>
    </message>
    <message>
        <source>Letter table</source>
        <translation>Buchstabentabelle</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>. F6 reads the solution so far, Shift+F6 the scrambled quote, F7 the letters still unknown</source>
        <translation>. F6 liest die bisherige Lösung vor, Umschalt+F6 das verschlüsselte Zitat, F7 die noch unbekannten Buchstaben</translation>
    </message>
    <message>
        <source>%1 has no letter yet</source>
        <translation>%1 hat noch keinen Buchstaben</translation>
    </message>
    <message>
        <source>Paused: the puzzle is hidden and the clock stands still. F9 goes on.</source>
        <translation>Pause: Das Rätsel ist verdeckt, und die Uhr steht still. F9 geht weiter.</translation>
    </message>
    <message>
        <source>Going on</source>
        <translation>Es geht weiter</translation>
    </message>
    <message>
        <source>No hints in an expert game: Explain a Step (F2) teaches instead</source>
        <translation>Keine Tipps in einem Expertenspiel: Einen Schritt erklären (F2) hilft stattdessen weiter</translation>
    </message>
    <message>
        <source>The answer: %1</source>
        <translation>Die Lösung: %1</translation>
    </message>
    <message>
        <source>The game is paused. F9 goes on.</source>
        <translation>Das Spiel ist angehalten. F9 geht weiter.</translation>
    </message>
    <message numerus="yes">
        <source>%n time(s) in the quote</source>
        <translation>
            <numerusform>%n-mal im Zitat</numerusform>
            <numerusform>%n-mal im Zitat</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, no letter yet</source>
        <translation>%1, noch kein Buchstabe</translation>
    </message>
    <message>
        <source>%1, stands for %2</source>
        <translation>%1, steht für %2</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Buchstabe</translation>
    </message>
    <message>
        <source>About so often in a quote this long</source>
        <translation>Etwa so oft in einem so langen Zitat</translation>
    </message>
    <message>
        <source>Given to</source>
        <translation>Gegeben an</translation>
    </message>
    <message numerus="yes">
        <source>about %n time(s) in a quote this long</source>
        <translation>
            <numerusform>etwa %n-mal in einem so langen Zitat</numerusform>
            <numerusform>etwa %n-mal in einem so langen Zitat</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, not given yet</source>
        <translation>%1, noch nicht vergeben</translation>
    </message>
    <message>
        <source>%1, given to %2</source>
        <translation>%1, gegeben an %2</translation>
    </message>
    <message>
        <source>%1 pencilled as %2</source>
        <translation>%1 mit Bleistift als %2</translation>
    </message>
    <message>
        <source>Solving Today&apos;s Quote of %1</source>
        <translation>Sie lösen das Zitat des Tages vom %1</translation>
    </message>
    <message>
        <source>Solving a quote</source>
        <translation>Sie lösen ein Zitat</translation>
    </message>
    <message>
        <source>, in groups of five letters without word breaks</source>
        <translation>, in Fünfergruppen ohne Wortgrenzen</translation>
    </message>
    <message numerus="yes">
        <source>, a kept game going on: %n letter(s) placed</source>
        <translation>
            <numerusform>, ein aufbewahrtes Spiel geht weiter: %n Buchstabe eingesetzt</numerusform>
            <numerusform>, ein aufbewahrtes Spiel geht weiter: %n Buchstaben eingesetzt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n pencil mark(s)</source>
        <translation>
            <numerusform> und %n Bleistiftbuchstabe</numerusform>
            <numerusform> und %n Bleistiftbuchstaben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n letter(s) given</source>
        <translation>
            <numerusform>, %n Buchstabe vorgegeben</numerusform>
            <numerusform>, %n Buchstaben vorgegeben</numerusform>
        </translation>
    </message>
    <message>
        <source>hardly ever in a quote this long</source>
        <translation>kaum je in einem so langen Zitat</translation>
    </message>
    <message>
        <source>Plain alphabet: each letter, how often it comes, and the scrambled letter it is given to</source>
        <translation>Klaralphabet: jeder Buchstabe, wie oft er vorkommt, und der verschlüsselte Buchstabe, dem er gegeben ist</translation>
    </message>
    <message>
        <source>, its key a keyed alphabet (%1)</source>
        <translation>, sein Schlüssel ein Alphabet mit Schlüsselwort (%1)</translation>
    </message>
</context>
<context>
    <name>SolveGame</name>
    <message numerus="yes">
        <source>Congratulations!
You solved this scrambled quote
in %1 minutes, using %n hint(s)!</source>
        <translation>
            <numerusform>Herzlichen Glückwunsch!
Sie haben dieses verschlüsselte Zitat
in %1 Minuten gelöst, mit %n Tipp!</numerusform>
            <numerusform>Herzlichen Glückwunsch!
Sie haben dieses verschlüsselte Zitat
in %1 Minuten gelöst, mit %n Tipps!</numerusform>
        </translation>
    </message>
    <message>
        <source>See the solved message below.</source>
        <translation>Die gelöste Nachricht steht unten.</translation>
    </message>
</context>
<context>
    <name>SolverAidsPanel</name>
    <message>
        <source>&amp;Solver&apos;s Aids</source>
        <translation>&amp;Lösungshilfen</translation>
    </message>
    <message>
        <source>Plai&amp;n Letters</source>
        <translation>Klarbuc&amp;hstaben</translation>
    </message>
    <message>
        <source>Solver&apos;s Aids on: the letter table beside the puzzle</source>
        <translation>Lösungshilfen an: die Buchstabentabelle neben dem Rätsel</translation>
    </message>
    <message>
        <source>Solver&apos;s Aids off</source>
        <translation>Lösungshilfen aus</translation>
    </message>
    <message>
        <source>Plain letters off: the table shows the scrambled letters</source>
        <translation>Klarbuchstaben aus: Die Tabelle zeigt die verschlüsselten Buchstaben</translation>
    </message>
    <message>
        <source>Plain letters on, with the Solver&apos;s Aids: the table shows the plain alphabet</source>
        <translation>Klarbuchstaben an, mit den Lösungshilfen: Die Tabelle zeigt das Klaralphabet</translation>
    </message>
    <message>
        <source>Plain letters on: the table shows the plain alphabet</source>
        <translation>Klarbuchstaben an: Die Tabelle zeigt das Klaralphabet</translation>
    </message>
</context>
<context>
    <name>SolverHelp</name>
    <message>
        <source>Show &amp;Difficulty</source>
        <translation>Schwierigkeit a&amp;nzeigen</translation>
    </message>
    <message>
        <source>Random Eas&amp;y Game</source>
        <translation>Zufälliges &amp;leichtes Spiel</translation>
    </message>
    <message>
        <source>Random &amp;Medium Game</source>
        <translation>Zufälliges &amp;mittleres Spiel</translation>
    </message>
    <message>
        <source>Random &amp;Hard Game</source>
        <translation>Zufälliges sch&amp;weres Spiel</translation>
    </message>
    <message>
        <source>Random E&amp;xpert Game</source>
        <translation>Zufälliges E&amp;xpertenspiel</translation>
    </message>
    <message>
        <source>E&amp;xplain a Step	F2</source>
        <translation>Einen Schritt &amp;erklären	F2</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Every letter has its place, but the quote does not read right yet: some letters are wrong.

Check My Letters (F3) marks them.</source>
        <translation>Jeder Buchstabe hat seinen Platz, aber das Zitat ergibt noch keinen Sinn: Einige Buchstaben sind falsch.

„Meine Buchstaben prüfen“ (F3) markiert sie.</translation>
    </message>
    <message>
        <source>

(Some of the letters you placed are wrong; the step does not use them. Check My Letters (F3) marks them.)</source>
        <translation>

(Einige Ihrer Buchstaben sind falsch; der Schritt verwendet sie nicht. „Meine Buchstaben prüfen“ (F3) markiert sie.)</translation>
    </message>
    <message>
        <source> Cipherly - Explain a Step</source>
        <translation> Cipherly - Ein Schritt erklärt</translation>
    </message>
    <message>
        <source>No letters are placed yet.</source>
        <translation>Noch sind keine Buchstaben gesetzt.</translation>
    </message>
    <message>
        <source>Every letter you have placed is right.</source>
        <translation>Jeder Buchstabe, den Sie gesetzt haben, ist richtig.</translation>
    </message>
    <message>
        <source>One of your letters is wrong: %1, marked in the puzzle.</source>
        <translation>Einer Ihrer Buchstaben ist falsch: %1, im Rätsel markiert.</translation>
    </message>
    <message>
        <source>%1 of your letters are wrong: %2, marked in the puzzle.</source>
        <translation>%1 Ihrer Buchstaben sind falsch: %2, im Rätsel markiert.</translation>
    </message>
    <message>
        <source>Very easy</source>
        <translation>Sehr leicht</translation>
    </message>
    <message>
        <source>%1 (%2/5)</source>
        <translation>%1 (%2/5)</translation>
    </message>
    <message>
        <source> · %1</source>
        <translation> · %1</translation>
    </message>
    <message>
        <source>No %1 quote came up in the list; this one is the nearest: %2.</source>
        <translation>In der Liste fand sich kein Zitat der Stufe „%1“; dieses kommt ihr am nächsten: %2.</translation>
    </message>
    <message>
        <source>No %1 quote came up in the list; this one has no level: the solver does not read its language.</source>
        <translation>In der Liste fand sich kein Zitat der Stufe „%1“; dieses hat keine Stufe, denn seine Sprache kann der Löser nicht lesen.</translation>
    </message>
    <message>
        <source>Chec&amp;k My Letters	F3</source>
        <translation>Meine &amp;Buchstaben prüfen	F3</translation>
    </message>
</context>
<context>
    <name>Spoken</name>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>In the scrambled quote below, show the letter (type it in the first box) as a (type the letter it stands for in the second box)</source>
        <translation>Zeigen Sie im verschlüsselten Zitat den Buchstaben (tippen Sie ihn ins erste Feld) als (tippen Sie den Buchstaben, für den er steht, ins zweite Feld)</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>full stop</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>colon</source>
        <translation>Doppelpunkt</translation>
    </message>
    <message>
        <source>exclamation mark</source>
        <translation>Ausrufezeichen</translation>
    </message>
    <message>
        <source>question mark</source>
        <translation>Fragezeichen</translation>
    </message>
    <message>
        <source>apostrophe</source>
        <translation>Apostroph</translation>
    </message>
    <message>
        <source>quotation mark</source>
        <translation>Anführungszeichen</translation>
    </message>
    <message>
        <source>hyphen</source>
        <translation>Bindestrich</translation>
    </message>
    <message>
        <source>opening bracket</source>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <source>closing bracket</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <source>slash</source>
        <translation>Schrägstrich</translation>
    </message>
    <message>
        <source>pencilled %1</source>
        <translation>mit Bleistift %1</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>Hello, and welcome to Cipherly, the game of secret messages!

Cipherly turns quotations into cryptograms: every letter of a quote is swapped for another, and you work out which letter stands for which until the quote reads again.

The game keeps a list of quotes for you. The first ten come with it; add as many of your own favourites as you like.

Play it two ways: scramble a quote and print it as a puzzle page for someone else to solve (made out to them by name, with a solution page if you wish), or let Cipherly pick a quote at random and solve it right here on the screen.

Every scramble gets a brand new code key, so a quote never comes out the same way twice. Have fun, and happy puzzling!</source>
        <translation>Hallo und willkommen bei Cipherly, dem Spiel der geheimen Botschaften!

Cipherly macht Zitate zu Kryptogrammen: Jeder Buchstabe wird gegen einen anderen getauscht, und Sie finden heraus, welcher für welchen steht, bis sich das Zitat wieder lesen lässt.

Das Spiel führt eine Liste von Zitaten für Sie. Zehn sind schon dabei; fügen Sie so viele Lieblingszitate hinzu, wie Sie mögen.

Zwei Arten zu spielen: Drucken Sie ein verschlüsseltes Zitat als Rätselseite für jemand anderen (mit Namen, auf Wunsch mit Lösungsseite), oder lassen Sie Cipherly ein Zitat zufällig wählen und lösen Sie es hier am Bildschirm.

Jedes Mal gibt es einen neuen Schlüssel, so sieht ein Zitat nie zweimal gleich aus. Viel Spaß beim Rätseln!</translation>
    </message>
    <message>
        <source>Quote List Maintenance is about adding, editing and deleting quotes.

To add a quote, click &quot;Add a New Quote&quot;, type the quote into the yellow box and click Save. To change a quote, highlight it in the list, click &quot;Edit this Quote&quot;, make your changes in the pink box and click Save. Cancel leaves the list just as it was.

A quote must be from 50 to 200 characters long, counting spaces. Letters and ordinary punctuation such as ( ) &apos; , . / ; ! ? - are fine, but numbers are not allowed, and neither are Tab or the Enter key: a quote is one long line, and Cipherly wraps it for you. If you do press Enter, Cipherly turns each line break into a space and tells you so. Quotes are turned into capital letters when they are saved.

The first 10 quotes are built into Cipherly and cannot be edited or deleted.

To delete a quote, highlight it and click &quot;Delete this Quote&quot;. Cipherly asks first, because a deleted quote is gone for good.</source>
        <translation>Beim Pflegen der Zitatliste geht es ums Hinzufügen, Bearbeiten und Löschen von Zitaten.

Um ein Zitat hinzuzufügen, klicken Sie auf „Neues Zitat hinzufügen“, tippen das Zitat in das gelbe Feld und klicken auf „Neues Zitat speichern“. Um ein Zitat zu ändern, markieren Sie es in der Liste, klicken auf „Dieses Zitat bearbeiten“, nehmen Ihre Änderungen im rosa Feld vor und klicken auf „Änderungen speichern“. „Verwerfen“ lässt die Liste genau so, wie sie war.

Ein Zitat muss 50 bis 200 Zeichen lang sein, Leerzeichen mitgezählt. Buchstaben und gewöhnliche Satzzeichen wie ( ) &apos; , . / ; ! ? - sind erlaubt, Ziffern dagegen nicht, und ebenso wenig die Tabulator- oder die Eingabetaste: Ein Zitat ist eine lange Zeile, und Cipherly bricht sie für Sie um. Drücken Sie doch die Eingabetaste, macht Cipherly aus jedem Zeilenumbruch ein Leerzeichen und sagt es Ihnen. Zitate werden beim Speichern in Großbuchstaben umgewandelt.

Die ersten 10 Zitate gehören fest zu Cipherly und können weder bearbeitet noch gelöscht werden.

Um ein Zitat zu löschen, markieren Sie es und klicken auf „Dieses Zitat löschen“. Cipherly fragt vorher nach, denn ein gelöschtes Zitat ist endgültig fort.</translation>
    </message>
    <message>
        <source>Quote Collections bring many quotes into your list at once, and take your own quotes out again.

Right-click the quote list (or press the Menu key, Shift+F10 or Ctrl+M, while the list is on show) for its menu: &quot;Import Quotes...&quot;, &quot;Export Quotes...&quot;, &quot;Statistics...&quot; and &quot;Solve This Quote&quot;, which plays the highlighted quote on screen. You can also drop files, or text, from another program onto the list.

Import Quotes reads plain text files (one quote per line), fortune files (entries between lines holding only &quot;%&quot;; the name after the last &quot;--&quot; line becomes &quot; - Name&quot;), and other players&apos; quote lists. Cipherly tells them apart by what they hold, not by their names. Text may be UTF-8, Windows-1252 or UTF-16. Every quote must meet the rules a typed quote meets: 50 to 200 characters, no numbers, and only characters the list can hold. Tabs and special spaces become ordinary spaces; other control characters keep an entry out. An entry in which fewer than half of the characters are letters, such as a drawing made of characters, is skipped as &quot;not prose&quot;. Accented letters in text and fortune files are written as plain letters (É as E, Ç as C, Ñ as N; German&apos;s Ä, Ö, Ü and ß as AE, OE, UE and SS), so that the puzzle hides every letter; the report says how many quotes were changed so. Quotes already in your list are skipped, and the list holds 32,767 quotes at most.

Only ordinary files up to 64 MB are read; a program, a picture, a device or a folder is refused at once with the reason. A long file shows a progress window with a Cancel button, and a cancelled import leaves your list just as it was. At the end one report tells how many quotes came in and how many were skipped, and why; &quot;Show Details...&quot; lists the first thousand skipped entries.

Export Quotes starts in your documents folder, or where you last exported to. It writes your own quotes (the ten built-in ones come with every copy of Cipherly) to a text file, one quote per line. Give the file a name ending in &quot;.Dat&quot; (or choose &quot;Quote list&quot; in the save window) and Cipherly writes your whole list as a quote list another player can import or use as it is. If the file cannot be written completely, for instance because the disk is full, Cipherly says so and leaves any earlier file of that name as it was.</source>
        <translation>Zitatsammlungen bringen viele Zitate auf einmal in Ihre Liste und tragen Ihre eigenen Zitate auch wieder hinaus.

Klicken Sie mit der rechten Maustaste auf die Zitatliste (oder drücken Sie die Menütaste, Umschalt+F10 oder Strg+M, während die Liste zu sehen ist), um ihr Menü zu öffnen: „Zitate importieren...“, „Zitate exportieren...“, „Statistik...“ und „Dieses Zitat lösen“, das das markierte Zitat am Bildschirm spielt. Sie können auch Dateien oder Text aus einem anderen Programm auf der Liste ablegen.

Zitate importieren liest einfache Textdateien (ein Zitat pro Zeile), Fortune-Dateien (Einträge zwischen Zeilen, die nur „%“ enthalten; der Name nach der letzten Zeile mit „--“ wird zu „ - Name“) und die Zitatlisten anderer Spieler. Cipherly unterscheidet sie an ihrem Inhalt, nicht an ihrem Namen. Text darf in UTF-8, Windows-1252 oder UTF-16 vorliegen. Jedes Zitat muss dieselben Regeln erfüllen wie ein getipptes: 50 bis 200 Zeichen, keine Ziffern und nur Zeichen, die die Liste aufnehmen kann. Tabulatoren und besondere Leerzeichen werden zu gewöhnlichen Leerzeichen; andere Steuerzeichen halten einen Eintrag draußen. Ein Eintrag, in dem weniger als die Hälfte der Zeichen Buchstaben sind, etwa ein aus Zeichen gemaltes Bild, wird als „kein Text“ übersprungen. Buchstaben mit Akzent in Text- und Fortune-Dateien werden als einfache Buchstaben geschrieben (É als E, Ç als C, Ñ als N; die deutschen Ä, Ö, Ü und ß als AE, OE, UE und SS), damit das Rätsel jeden Buchstaben verbirgt; der Bericht sagt, wie viele Zitate so geändert wurden. Zitate, die schon in Ihrer Liste stehen, werden übersprungen, und die Liste fasst höchstens 32.767 Zitate.

Nur gewöhnliche Dateien bis 64 MiB werden gelesen; ein Programm, ein Bild, ein Gerät oder ein Ordner wird sofort mit Begründung abgelehnt. Bei einer langen Datei erscheint ein Fortschrittsfenster mit einem Knopf Abbrechen, und ein abgebrochener Import lässt Ihre Liste genau so, wie sie war. Am Ende sagt ein einziger Bericht, wie viele Zitate hinzukamen, wie viele übersprungen wurden und warum; „Details einblenden...“ listet die ersten tausend übersprungenen Einträge.

Zitate exportieren beginnt in Ihrem Dokumente-Ordner oder dort, wohin Sie zuletzt exportiert haben. Es schreibt Ihre eigenen Zitate (die zehn eingebauten kommen mit jeder Kopie von Cipherly) in eine Textdatei, ein Zitat pro Zeile. Geben Sie der Datei einen Namen, der auf „.Dat“ endet (oder wählen Sie „Zitatliste“ im Speicherfenster), und Cipherly schreibt Ihre ganze Liste als Zitatliste, die ein anderer Spieler importieren oder so, wie sie ist, verwenden kann. Kann die Datei nicht vollständig geschrieben werden, etwa weil der Datenträger voll ist, sagt Cipherly das und lässt eine frühere Datei dieses Namens unverändert.</translation>
    </message>
    <message>
        <source>KEL Software is a small maker of friendly programs for home and family: word games, puzzles and little helpers that do one job well.

Cipherly is one of them. We hope it brings you many happy hours of puzzling, and that you will share its printed puzzles with family and friends.

KEL Software
1200 Puzzle Lane
Riddleton, WA 98000

E-mail: kel.software@example.com
Web: www.example.com/cipherly

Thank you for playing!</source>
        <translation>KEL Software ist ein kleiner Hersteller freundlicher Programme für Haus und Familie: Wortspiele, Rätsel und kleine Helfer, die eine Aufgabe gut erledigen.

Cipherly ist eines davon. Wir hoffen, es schenkt Ihnen viele schöne Rätselstunden, und dass Sie seine gedruckten Rätsel mit Familie und Freunden teilen.

KEL Software
1200 Puzzle Lane
Riddleton, WA 98000

E-Mail: kel.software@example.com
Web: www.example.com/cipherly

Danke fürs Spielen!</translation>
    </message>
    <message>
        <source>The Main Lobby is where everything starts.

The top half of the window lists your quotes, one row each. Only the first words of each quote fit on its row; rest the mouse pointer on a row to read all of it. The line at the top of the list tells you which quote is highlighted and how many are on file.

The first 10 quotes are built into Cipherly. They cannot be edited or deleted, and if the quote file (Cipherly.Dat, in the folder %LISTFOLDER%) is ever lost, Cipherly simply makes a new one with these ten quotes in it.

The bottom half of the window shows the highlighted quote in full.

From the Main Lobby you can:

- add a new quote, or edit or delete the highlighted one (see &quot;Quote List Maintenance&quot;);
- scramble the highlighted quote and print it as a puzzle (see &quot;Encrypting &amp; Printing a Quote&quot;);
- let Cipherly pick a quote at random and solve it on the screen (see &quot;Solving a Quote On-Screen&quot;).

Press F1 at any time for help on what you are doing. Esc (or the Quit button) leaves the game, after asking; while you solve a quote on screen, Esc takes you back to the list instead.

Does a key like Alt+S do nothing on your desktop? Some desktops keep a few Alt+letter keys for themselves. Click the button instead, or use the keys that work everywhere: F1 for help, F4 for a hint, F8 for the answer, Esc to finish or quit, Tab to move and Return to press the button that has the focus, Ctrl+M (or the Menu key, or Shift+F10) for the menus, and Y or N in a question.</source>
        <translation>Im Hauptfenster beginnt alles.

Die obere Hälfte des Fensters listet Ihre Zitate auf, jedes in einer Zeile. In eine Zeile passen nur die ersten Wörter eines Zitats; lassen Sie den Mauszeiger auf einer Zeile ruhen, um es ganz zu lesen. Die Zeile über der Liste sagt, welches Zitat markiert ist und wie viele gespeichert sind.

Die ersten 10 Zitate gehören fest zu Cipherly. Sie können weder bearbeitet noch gelöscht werden, und falls die Zitatdatei (Cipherly.Dat im Ordner %LISTFOLDER%) einmal verloren geht, legt Cipherly einfach eine neue mit diesen zehn Zitaten an.

Die untere Hälfte des Fensters zeigt das markierte Zitat vollständig.

Vom Hauptfenster aus können Sie:

- ein neues Zitat hinzufügen oder das markierte bearbeiten oder löschen (siehe „Die Zitatliste pflegen“);
- das markierte Zitat verschlüsseln und als Rätsel drucken (siehe „Ein Zitat verschlüsseln &amp; drucken“);
- Cipherly ein Zitat zufällig wählen lassen und es am Bildschirm lösen (siehe „Ein Zitat am Bildschirm lösen“).

Drücken Sie jederzeit F1, um Hilfe zu dem zu bekommen, was Sie gerade tun. Esc (oder der Knopf Beenden) beendet das Spiel nach einer Rückfrage; während Sie ein Zitat am Bildschirm lösen, bringt Esc Sie stattdessen zur Liste zurück.

Tut eine Taste wie Alt+S auf Ihrem Desktop nichts? Manche Desktops behalten einige Alt+Buchstabe-Tasten für sich. Klicken Sie dann auf den Knopf, oder nehmen Sie die Tasten, die überall gehen: F1 für die Hilfe, F4 für einen Tipp, F8 für die Lösung, Esc zum Beenden, Tab zum Weitergehen und Eingabe für den Knopf mit dem Fokus, Strg+M (oder die Menütaste oder Umschalt+F10) für die Menüs und J oder N in einer Frage.</translation>
    </message>
    <message>
        <source>Statistics keep count of every game you play on screen.

Every game that ends is written down: solved by you, shown with the Solve button, or left unfinished when you return to the list. A game you leave before your first move (a letter placed or a hint) is only skipped: it is not written down, breaks no run and its quote stays unplayed. A game still open when you quit is kept for later and counts once it ends. Choose &quot;Statistics...&quot; in the quote list&apos;s menu (right-click the list, or press the Menu key Shift+F10 or Ctrl+M) to see how you are doing: the games played, solved, shown and abandoned; your best and your average time for the games you solved; the hints you used per solved game; how many games in a row you have solved now, and the most you ever solved in a row.

The chart on the right shows the minutes of your last 50 games, one dot each: green for solved, orange for shown with Solve, grey for abandoned, with a dashed line at your average time for the games you solved.

&quot;Reset Statistics&quot; forgets every game played so far, after asking you first; random games then also forget which quotes you have played. &quot;Return&quot; (or Esc) closes the window; F1 there opens this topic.

The games are kept in the file games.csv in your Cipherly data folder, one line each.</source>
        <translation>Die Statistik zählt jedes Spiel mit, das Sie am Bildschirm spielen.

Jedes Spiel, das endet, wird festgehalten: von Ihnen gelöst, mit dem Knopf Lösen gezeigt oder abgebrochen, wenn Sie zur Liste zurückkehren. Ein Spiel, das Sie vor Ihrem ersten Zug (einem gesetzten Buchstaben oder einem Tipp) verlassen, ist nur übersprungen: Es wird nicht festgehalten, unterbricht keine Serie, und sein Zitat bleibt ungespielt. Ein Spiel, das beim Beenden noch offen ist, wird für später aufbewahrt und zählt, sobald es endet. Wählen Sie „Statistik...“ im Menü der Zitatliste (Rechtsklick auf die Liste oder die Menütaste, Umschalt+F10 oder Strg+M), um zu sehen, wie Sie spielen: die gespielten, gelösten, gezeigten und abgebrochenen Spiele; Ihre beste und Ihre mittlere Zeit für die gelösten Spiele; die Tipps je gelöstem Spiel; wie viele Spiele Sie jetzt in Folge gelöst haben und die meisten, die Sie je in Folge gelöst haben.

Das Diagramm rechts zeigt die Minuten Ihrer letzten 50 Spiele, je einen Punkt: grün für gelöst, orange für mit „Lösen“ gezeigt, grau für abgebrochen, dazu eine gestrichelte Linie bei Ihrer mittleren Zeit für die gelösten Spiele.

„Statistik zurücksetzen“ vergisst nach einer Rückfrage alle bisher gespielten Spiele; zufällige Spiele vergessen dann auch, welche Zitate Sie schon gespielt haben. „Zurück“ (oder Esc) schließt das Fenster; F1 öffnet dort dieses Thema.

Die Spiele stehen in der Datei games.csv in Ihrem Cipherly-Datenordner, jedes in einer Zeile.</translation>
    </message>
    <message>
        <source>Solver&apos;s Aids help you see the scrambled quote more clearly. They never tell you whether a letter is right, and they never count as hints.

While you solve a quote on screen, right-click the panel above the boxes, or either of the two puzzle boxes (or press the Menu key, Shift+F10 or Ctrl+M), and tick &quot;Solver&apos;s Aids&quot;. Cipherly remembers the switch for your next games.

With the aids on:

- every place of the scrambled letter in the first small box, or of the letter under the mouse pointer, lights up in both boxes;
- a click on a scrambled letter in the lower box puts it into the first small box for you, so you only type the letter it stands for;
- a table beside the boxes shows each scrambled letter, how often it occurs in the quote, and the letter you have given it, in red where you have given one letter to two scrambled ones;
- a click anywhere in the puzzle boxes leaves your typing where it was, in the small boxes.

&quot;Plain Letters&quot; in the same menu turns the table round: on yellow, it shows the plain alphabet, each letter with about how often it stands in a quote this long in the quote&apos;s language (in English, E most often), and the scrambled letter you have given it, faint once given. Compare it with the scrambled letters&apos; counts to guess where E and T hide.

Pattern Words... in the same menu lists the words a pattern stands for, the commonest first. Type a shape, a letter for each unknown letter and the same letter for the same one (ABCA finds THAT, ...), or the letters you know and ? for the others (?E?&apos;S finds LET&apos;S, MEN&apos;S). It offers the pattern of the word that was last under the mouse pointer, or of the word holding the letter in the first small box, with the letters you have placed; asked as offered, it lists only the words that word can be on your board.

Pencil marks: press Ctrl+T (or choose &quot;Pencil Marks&quot; in the same menu) and the pairs you type are only tentative. They stand in small letters on a pale ground, are not placed in the game, and never count. A space in the second small box rubs one out. &quot;Make Pencil Marks Firm&quot; places them all as pairs at once; &quot;Clear Pencil Marks&quot; rubs them all out. Press Ctrl+T again to type firm pairs. Pencil marks belong to the game on show, and a game kept for your next start keeps them.

Untick &quot;Solver&apos;s Aids&quot; to play as before.</source>
        <translation>Lösungshilfen lassen Sie das verschlüsselte Zitat klarer sehen. Sie sagen nie, ob ein Buchstabe richtig ist, und zählen nie als Tipps.

Während Sie ein Zitat am Bildschirm lösen, klicken Sie mit der rechten Maustaste auf den Bereich über den Feldern oder auf eines der beiden Rätselfelder (oder drücken die Menütaste, Umschalt+F10 oder Strg+M) und haken „Lösungshilfen“ an. Cipherly merkt sich die Einstellung für Ihre nächsten Spiele.

Mit den Hilfen:

- leuchtet jede Stelle des verschlüsselten Buchstabens im ersten kleinen Feld, oder des Buchstabens unter dem Mauszeiger, in beiden Feldern auf;
- setzt ein Klick auf einen verschlüsselten Buchstaben im unteren Feld ihn für Sie ins erste kleine Feld, sodass Sie nur noch den Buchstaben tippen, für den er steht;
- zeigt eine Tabelle neben den Feldern jeden verschlüsselten Buchstaben, wie oft er im Zitat vorkommt und welchen Buchstaben Sie ihm gegeben haben, rot dort, wo Sie einen Buchstaben zwei verschlüsselten gegeben haben;
- lässt ein Klick irgendwo in die Rätselfelder Ihre Eingabe, wo sie war: in den kleinen Feldern.

„Klarbuchstaben“ im selben Menü dreht die Tabelle um: Auf Gelb zeigt sie das Klartextalphabet, jeden Buchstaben damit, wie oft er ungefähr in einem so langen Zitat in dessen Sprache steht (im Deutschen am häufigsten E), und den verschlüsselten Buchstaben, den Sie ihm gegeben haben, blass, sobald er vergeben ist. Vergleichen Sie das mit den Zählungen der verschlüsselten Buchstaben, um zu erraten, wo sich E und N verstecken.

„Musterwörter …“ im selben Menü nennt die Wörter, für die ein Muster steht, die häufigsten zuerst. Tippen Sie eine Form, einen Buchstaben für jeden unbekannten und denselben für denselben (ABCA findet THAT, …), oder die Buchstaben, die Sie kennen, und ? für die anderen (?E?&apos;S findet LET&apos;S, MEN&apos;S). Es bietet das Muster des Wortes an, das zuletzt unter dem Mauszeiger war, oder des Wortes mit dem Buchstaben im ersten kleinen Feld, mit den Buchstaben, die Sie gesetzt haben; so gefragt, nennt es nur die Wörter, die dieses Wort in Ihrem Rätsel sein kann.

Bleistift: Drücken Sie Strg+T (oder wählen Sie „Bleistift“ im selben Menü), und die Paare, die Sie tippen, sind nur vorläufig. Sie stehen in kleinen Buchstaben auf blassem Grund, werden nicht ins Spiel gesetzt und zählen nie. Ein Leerzeichen im zweiten kleinen Feld radiert eines aus. „Bleistift festschreiben“ setzt alle auf einmal als Paare; „Bleistift löschen“ radiert alle aus. Drücken Sie wieder Strg+T, um feste Paare zu tippen. Bleistiftbuchstaben gehören zum Spiel, das zu sehen ist, und ein für Ihren nächsten Start aufbewahrtes Spiel behält sie.

Haken Sie „Lösungshilfen“ ab, um wie vorher zu spielen.</translation>
    </message>
    <message>
        <source>Encrypting &amp; Printing a Quote turns any quote of your list into a puzzle on paper.

Highlight the quote you want in the list and click &quot;Scramble &amp; Print this Quote...&quot;. Cipherly makes a new code key and shows the scrambled quote in the lower box, with the code key above it: under each letter of the alphabet stands the letter that replaces it. Every time you do this you get a brand new key, so the same quote never comes out the same way twice.

Click &quot;Print the Scrambled Message&quot; to print the puzzle page. Cipherly asks whether you would like to personalize the printout; say Yes and type a name, and the page says who the puzzle was made for. Tick &quot;Also print a Solution Page&quot; to get a second page with the answer and the code key, for whoever checks the answers.

A worksheet of several puzzles: &quot;Print a Worksheet...&quot; in the quote list&apos;s menu asks how many puzzles you want (up to 50), of which difficulty, whether without word breaks, and whom the worksheet is for, then prints them from your list, the quotes you have not played first, numbered and each with a key of its own, as many to a page as fit, followed by an answer key with every solution. A teacher can make one without opening the game: cipherly --worksheet 10 sheet.pdf.

If your computer has no printer, Cipherly saves each page as a PDF file in your Documents folder and tells you where.

Click &quot;Finished with this Quote&quot; to return to the list.</source>
        <translation>Ein Zitat verschlüsseln &amp; drucken macht aus jedem Zitat Ihrer Liste ein Rätsel auf Papier.

Markieren Sie das gewünschte Zitat in der Liste und klicken Sie auf „Verschlüsseln &amp; drucken...“. Cipherly erzeugt einen neuen Schlüssel und zeigt das verschlüsselte Zitat im unteren Feld, darüber den Schlüssel: Unter jedem Buchstaben des Alphabets steht der Buchstabe, der ihn ersetzt. Jedes Mal bekommen Sie einen ganz neuen Schlüssel, sodass dasselbe Zitat nie zweimal gleich aussieht.

Klicken Sie auf „Verschlüsselte Nachricht drucken“, um die Rätselseite zu drucken. Cipherly fragt, ob Sie den Ausdruck mit einem Namen versehen möchten; antworten Sie mit Ja und tippen Sie einen Namen, dann steht auf der Seite, für wen das Rätsel gemacht wurde. Haken Sie „Lösungsseite mitdrucken“ an, um eine zweite Seite mit der Lösung und dem Schlüssel zu bekommen, für den, der die Antworten prüft.

Ein Arbeitsblatt mit mehreren Rätseln: „Arbeitsblatt drucken …“ im Menü der Zitatliste fragt, wie viele Rätsel Sie wollen (bis zu 50), welcher Schwierigkeit, ob ohne Wortgrenzen und für wen das Arbeitsblatt ist, und druckt sie dann aus Ihrer Liste, die Zitate, die Sie noch nicht gespielt haben, zuerst, nummeriert und jedes mit eigenem Schlüssel, so viele auf einer Seite, wie passen, gefolgt von einem Lösungsblatt mit jeder Lösung. Eine Lehrerin kann eines machen, ohne das Spiel zu öffnen: cipherly --worksheet 10 blatt.pdf.

Hat Ihr Computer keinen Drucker, speichert Cipherly jede Seite als PDF-Datei in Ihrem Dokumente-Ordner und sagt Ihnen, wo.

Klicken Sie auf „Fertig mit diesem Zitat“, um zur Liste zurückzukehren.</translation>
    </message>
    <message>
        <source>Solving a Quote On-Screen lets you play right away.

Click &quot;Solve a Random Quote On-Screen&quot; and Cipherly picks a quote from your list at random, scrambles it with a new code key and shows it in the lower box. It picks a quote you have never played yet while there is one, and after that one you played longest ago. To play a quote of your choice, highlight it in the list and choose &quot;Solve This Quote&quot; in the list&apos;s menu (right-click the list, or press the Menu key Shift+F10 or Ctrl+M). The yellow box above it holds your solution so far: a dot stands for every letter you have not placed yet.

Today&apos;s Quote (in the list&apos;s menu, or Ctrl+D) is one puzzle a day, the same for every Cipherly player on that date: a quote that comes with Cipherly, not one of your list, easier on Mondays and harder on Sundays. When Cipherly speaks German, the quote of the day is a German one, the same for every German player. To play a day gone by, choose &quot;Today&apos;s Quote Calendar...&quot; in the list&apos;s menu (Ctrl+Shift+D): it shows a month at a time, each day marked solved on its day (★), solved later (☆), started (○) or not played, and your days in a row; the arrow keys move by day, Page Up and Page Down by month, and Return or a double click plays the day chosen. Cipherly started with --daily and a date (2027-01-15) plays that day too; if Cipherly is running already, its window comes forward and offers the day there. A game of the day is kept like any other; when you solve it, Cipherly tells you how many days in a row you have solved the day&apos;s quote, and offers to copy your result as one line to share, with no letter of the answer in it. Ctrl+C copies the result of any game you have solved. A day you have solved already shows its result, and you may play it again for fun: a game played again is not recorded and leaves your days in a row as they are.

Tick &quot;Show Played Record&quot; in the list&apos;s menu and the line above the list tells whether the highlighted quote was ever played, how often you solved it and your best time.

To place a letter, type a scrambled letter into the first small box and the letter you think it stands for into the second. Every place where that scrambled letter appears is filled in at once. Changed your mind? Type the scrambled letter again and then a space (or a full stop) to take it back, or simply give it another letter. Ctrl+Z takes back the last pair you placed, and Ctrl+Y (or Ctrl+Shift+Z) puts it back again; a hint cannot be taken back.

Playing with a screen reader? Every pair, hint and take-back is said as it happens. F6 reads the solution so far (a letter not placed yet as &quot;blank&quot;), Shift+F6 the scrambled quote and F7 the scrambled letters still unknown; while printing, F6 reads the scrambled quote and its code key.

Stuck? Click Hint (or press F4) and Cipherly picks one scrambled letter you have not placed yet and fills in its true letter everywhere it appears. Given up? Click Solve (or press F8) to see the whole answer.

Want a little help that counts against nothing? Right-click the panel above the boxes or either puzzle box (or press the Menu key, Shift+F10 or Ctrl+M) and tick &quot;Solver&apos;s Aids&quot;; the help topic of that name tells what they do.

Rather type on the puzzle itself? Tick &quot;Type on the Puzzle&quot; in the solve panel&apos;s menu: click a letter of either puzzle box (or move along with the Left and Right arrow keys) and type the letter it stands for. It goes in exactly as through the two small boxes, and the pick moves on to the next letter still to find; a space takes a letter back.

Rather see each guess over its scrambled letter? Press Ctrl+L (or tick &quot;Letter Tiles&quot; in the solve panel&apos;s menu): the two puzzle boxes give way to one board of tiles, your letter above each scrambled one. The tiles have the keyboard from the start of every game, the cursor on the first letter still to find: type the letter it stands for, and the cursor moves on to the next letter still to find, round to the first after the last. Backspace, Delete or a space takes a letter back; the arrow keys, Home and End move the cursor, Tab goes to the next word, and a click puts it on a tile. The tiles of the cursor&apos;s scrambled letter are lit, a letter you have given to two scrambled letters shows red, and Hint (F4) gives the letter under the cursor. Press Ctrl+L again for the two boxes.

Want everything bigger? &quot;Larger View&quot; (Ctrl++) and &quot;Smaller View&quot; (Ctrl+-) in the list&apos;s or the solve panel&apos;s menu show every window at 100, 125, 150 or 200 per cent, sharp and in proportion; &quot;Designed View (100 %)&quot; (Ctrl+0) goes back to the designed size, and &quot;Desktop&apos;s View Size&quot; leaves it to your desktop. The new size is applied at once, to every open window, and kept for the next start. Playing late? &quot;Night Colours&quot; (Ctrl+Shift+N) in the same menus shows every window in dark colours, at once, until you switch them off again.

Like to see the time? In the solve panel&apos;s menu, tick &quot;Show the Clock&quot;: the title bar then shows the minutes and seconds of the game, and the clock stops while Cipherly is minimised or another program has the focus (a locked screen too). Whether the clock is shown or not, the game&apos;s time stands still while Cipherly is minimised or a window of Cipherly&apos;s own (the help, a message, a question) stands over the game, and the puzzle stays on show under it. F9 (or the Pause key, or &quot;Pause&quot; in the menu) pauses a game by hand: the puzzle is covered, and the time does not count until you press F9 again or make a move. Tick &quot;Ask Before Giving Up&quot; and Solve and &quot;Finished, Return&quot; ask first once you have placed a letter; a Solve pressed straight after a game appears (a double Alt+S) is ignored.

A game is never lost: if Cipherly is closed in the middle of a game, or the computer goes down, the game is kept, and the next time you start Cipherly it asks whether to go on with it, with the same scrambled quote, your letters and hints, and the clock going on from where it stood. Answer No and it counts as a game left unfinished.

When you complete the quote yourself, Cipherly tells you how many minutes you took and how many hints you used. Click &quot;Finished, Return&quot; (or press Esc) to go back to the list.</source>
        <translation>Ein Zitat am Bildschirm zu lösen ist der schnellste Weg ins Spiel.

Klicken Sie auf „Zufälliges Zitat am Bildschirm lösen“, und Cipherly wählt zufällig ein Zitat aus Ihrer Liste, verschlüsselt es mit einem neuen Schlüssel und zeigt es im unteren Feld. Solange es ein Zitat gibt, das Sie noch nie gespielt haben, nimmt es eines davon, danach das, das Sie am längsten nicht mehr gespielt haben. Um ein Zitat Ihrer Wahl zu spielen, markieren Sie es in der Liste und wählen „Dieses Zitat lösen“ im Menü der Liste (Rechtsklick auf die Liste oder die Menütaste, Umschalt+F10 oder Strg+M). Das gelbe Feld darüber enthält Ihre bisherige Lösung: Ein Punkt steht für jeden Buchstaben, den Sie noch nicht eingesetzt haben.

Das Zitat des Tages (im Menü der Liste oder mit Strg+D) ist ein Rätsel am Tag, für alle, die Cipherly an dem Tag spielen, dasselbe: ein Zitat, das mit Cipherly kommt, nicht eines Ihrer Liste, montags leichter und sonntags schwerer. Spricht Cipherly Deutsch, ist das Zitat des Tages ein deutsches, für alle, die auf Deutsch spielen, dasselbe. Um einen vergangenen Tag zu spielen, wählen Sie „Zitat des Tages im Kalender …“ im Menü der Liste (Strg+Umschalt+D): Er zeigt einen Monat auf einmal, jeden Tag markiert als am Tag gelöst (★), später gelöst (☆), begonnen (○) oder nicht gespielt, und Ihre Tage in Folge; die Pfeiltasten gehen um einen Tag weiter, Bild auf und Bild ab um einen Monat, und die Eingabetaste oder ein Doppelklick spielt den gewählten Tag. Mit --daily und einem Datum (2027-01-15) gestartet, spielt Cipherly diesen Tag ebenso; läuft Cipherly schon, kommt sein Fenster nach vorn und bietet den Tag dort an. Ein Spiel des Tages wird aufbewahrt wie jedes andere; lösen Sie es, sagt Cipherly Ihnen, an wie vielen Tagen in Folge Sie das Zitat des Tages gelöst haben, und bietet an, Ihr Ergebnis als eine Zeile zum Teilen zu kopieren, ohne einen Buchstaben der Lösung. Strg+C kopiert das Ergebnis jedes gelösten Spiels. Ein Tag, den Sie schon gelöst haben, zeigt sein Ergebnis, und Sie können ihn zum Spaß noch einmal spielen: Ein noch einmal gespieltes Spiel wird nicht aufgezeichnet und lässt Ihre Tage in Folge, wie sie sind.

Haken Sie „Spielbilanz anzeigen“ im Menü der Liste an, und die Zeile über der Liste sagt, ob das markierte Zitat schon einmal gespielt wurde, wie oft Sie es gelöst haben und was Ihre beste Zeit war.

Um einen Buchstaben einzusetzen, tippen Sie einen verschlüsselten Buchstaben in das erste kleine Feld und den Buchstaben, für den er Ihrer Meinung nach steht, in das zweite. An jeder Stelle, an der dieser verschlüsselte Buchstabe vorkommt, wird er sofort eingesetzt. Doch anders überlegt? Tippen Sie den verschlüsselten Buchstaben noch einmal und dann ein Leerzeichen (oder einen Punkt), um ihn zurückzunehmen, oder geben Sie ihm einfach einen anderen Buchstaben. Strg+Z nimmt das zuletzt eingesetzte Paar zurück, Strg+Y (oder Strg+Umschalt+Z) setzt es wieder ein; ein Tipp lässt sich nicht zurücknehmen.

Sie spielen mit einem Bildschirmleser? Jedes Paar, jeder Tipp und jede Rücknahme wird gesagt, sobald es geschieht. F6 liest die bisherige Lösung vor (einen noch nicht eingesetzten Buchstaben als „leer“), Umschalt+F6 das verschlüsselte Zitat und F7 die noch unbekannten verschlüsselten Buchstaben; beim Drucken liest F6 das verschlüsselte Zitat und seinen Schlüssel.

Sie kommen nicht weiter? Klicken Sie auf Tipp (oder drücken Sie F4), und Cipherly wählt einen verschlüsselten Buchstaben, den Sie noch nicht eingesetzt haben, und setzt seinen wahren Buchstaben überall ein, wo er vorkommt. Sie geben auf? Klicken Sie auf Lösen (oder drücken Sie F8), um die ganze Antwort zu sehen.

Ein wenig Hilfe, die nirgends mitzählt? Klicken Sie mit der rechten Maustaste auf den Bereich über den Feldern oder auf eines der beiden Rätselfelder (oder drücken Sie die Menütaste, Umschalt+F10 oder Strg+M) und haken Sie „Lösungshilfen“ an; das Hilfethema gleichen Namens erklärt, was sie tun.

Lieber direkt auf dem Rätsel tippen? Haken Sie „Direkt ins Rätsel tippen“ im Menü des Lösungsbereichs an: Klicken Sie auf einen Buchstaben eines der beiden Rätselfelder (oder wandern Sie mit den Pfeiltasten nach links und rechts) und tippen Sie den Buchstaben, für den er steht. Er wird genau so eingesetzt wie über die beiden kleinen Felder, und die Auswahl rückt zum nächsten Buchstaben, der noch zu finden ist; ein Leerzeichen nimmt einen Buchstaben zurück.

Lieber jeden Versuch über seinem verschlüsselten Buchstaben sehen? Drücken Sie Strg+L (oder haken Sie „Buchstabenkacheln“ im Menü des Lösungsbereichs an): Die beiden Rätselfelder weichen einer Tafel aus Kacheln, Ihr Buchstabe über jedem verschlüsselten. Die Kacheln haben die Tastatur vom Beginn jedes Spiels an, der Cursor steht auf dem ersten Buchstaben, der noch zu finden ist: Tippen Sie den Buchstaben, für den er steht, und der Cursor rückt zum nächsten Buchstaben weiter, der noch zu finden ist, nach dem letzten wieder zum ersten. Rücktaste, Entf oder ein Leerzeichen nimmt einen Buchstaben zurück; die Pfeiltasten, Pos1 und Ende bewegen den Cursor, Tab geht zum nächsten Wort, und ein Klick setzt ihn auf eine Kachel. Die Kacheln des verschlüsselten Buchstabens unter dem Cursor leuchten auf, ein Buchstabe, den Sie zwei verschlüsselten Buchstaben gegeben haben, steht in Rot, und ein Tipp (F4) gibt den Buchstaben unter dem Cursor. Mit Strg+L kommen die beiden Felder zurück.

Alles lieber größer? „Größere Ansicht“ (Strg++) und „Kleinere Ansicht“ (Strg+-) im Menü der Liste oder des Lösungsbereichs zeigen jedes Fenster mit 100, 125, 150 oder 200 Prozent, scharf und in den richtigen Proportionen; „Entworfene Ansicht (100 %)“ (Strg+0) geht zur entworfenen Größe zurück, und „Ansicht wie der Desktop“ überlässt die Größe Ihrem Desktop. Die neue Größe gilt sofort, in jedem offenen Fenster, und bleibt für den nächsten Start. Spät noch am Spielen? „Farben für die Nacht“ (Strg+Umschalt+N) in denselben Menüs zeigt jedes Fenster sofort in dunklen Farben, bis Sie sie wieder ausschalten.

Sie möchten die Zeit sehen? Haken Sie im Menü des Lösungsbereichs „Uhr anzeigen“ an: Die Titelleiste zeigt dann die Minuten und Sekunden des Spiels, und die Uhr steht still, solange Cipherly minimiert ist oder ein anderes Programm den Fokus hat (auch bei gesperrtem Bildschirm). Ob die Uhr gezeigt wird oder nicht, die Zeit des Spiels steht still, solange Cipherly minimiert ist oder ein eigenes Fenster von Cipherly (die Hilfe, eine Meldung, eine Frage) über dem Spiel liegt, und das Rätsel bleibt darunter zu sehen. F9 (oder die Pause-Taste oder „Pause“ im Menü) hält ein Spiel von Hand an: Das Rätsel wird verdeckt, und die Zeit zählt erst wieder, wenn Sie noch einmal F9 drücken oder einen Zug machen. Haken Sie „Vor dem Aufgeben fragen“ an, und Lösen und „Fertig, zurück“ fragen erst nach, sobald Sie einen Buchstaben eingesetzt haben; ein Lösen, das gleich nach dem Erscheinen eines Spiels gedrückt wird, wird übergangen.

Ein Spiel geht nie verloren: Wird Cipherly mitten in einem Spiel geschlossen oder fällt der Computer aus, bleibt das Spiel erhalten, und beim nächsten Start fragt Cipherly, ob Sie es fortsetzen möchten, mit demselben verschlüsselten Zitat, Ihren Buchstaben und Tipps und der Uhr, die dort weiterläuft, wo sie stand. Antworten Sie mit Nein, zählt es als unbeendetes Spiel.

Wenn Sie das Zitat selbst vollständig lösen, sagt Ihnen Cipherly, wie viele Minuten Sie gebraucht und wie viele Tipps Sie genommen haben. Klicken Sie auf „Fertig, zurück“ (oder drücken Sie Esc), um zur Liste zurückzukehren.</translation>
    </message>
    <message>
        <source>Cipherly knows a great many English and German words and how often each is used, and it can solve a scrambled quote the way a person does: from the shapes of its words. It tells which of the two languages a quote is in, and uses that knowledge to tell you how hard a quote is, to pick games of the difficulty you want, and to teach you, a step at a time. A quote in neither language shows no difficulty.

How hard is this quote? Right-click the quote list (or press the Menu key, Shift+F10 or Ctrl+M) and tick &quot;Show Difficulty&quot;. The line above the list then tells the difficulty of the highlighted quote, from 1 (easiest) to 5 (hardest). It is rated the way a person would solve the quote: a quote with short words that repeat (THE, AND, A) or words with a telling pattern of letters (PEOPLE, THAT) is easy to get into; one with long, unusual words and no short ones is not.

Games of a difficulty. The same menu offers &quot;Random Easy Game&quot;, &quot;Random Medium Game&quot;, &quot;Random Hard Game&quot; and &quot;Random Expert Game&quot;. Each picks a quote of that difficulty, one you have not played first, as a random game does; when none comes up in your list, it says so and names the difficulty of the quote it took instead. An easy game starts with the four commonest letters of the quote already in place, a medium game with two and a hard game with one. An expert game gives you none, and its Hint button gives no letters either: only the teaching hint below.

Explain a Step (F2, or in the solve panel&apos;s menu) tells you the next thing a good solver would work out from the letters you have placed, and why: for example, that a three-letter word which appears three times is most likely THE, or that only one common word fits a word with the letters you have. The word it reads is marked in both puzzle boxes, and each pair it finds is named, such as X=T. It places nothing: you type the letters yourself. Letters you placed wrongly are left out of its reasoning.

Puzzles without word breaks. &quot;Random Game Without Word Breaks&quot; in the quote list&apos;s menu plays a random quote as its letters alone, in groups of five, with no marks and no word breaks: the way puzzlers&apos; clubs set their hardest puzzles. &quot;Scramble Without Word Breaks&quot; prints the highlighted quote that way. Everything else works as in any game. Explain a Step then teaches from the letters: a group of letters that keeps coming back (THE, ING, TH), a doubled letter (LL, SS), and how common each scrambled letter is.

Keyed puzzles. &quot;Random Keyed Game&quot; in the same menu plays a random quote whose key is a keyed alphabet, as cipher clubs set them: the letters of a common keyword without repeats, then the rest of the alphabet, with the plain alphabet keyed (K1), the cipher alphabet (K2) or both (K3), slid so that no letter stands for itself. The title names the kind. Once you have solved the quote, Cipherly asks for the keyword and tells you whether you found it; your answer is never counted in the statistics.

Check My Letters (F3, or in the solve panel&apos;s menu) marks every letter you have placed that is wrong, and names them; if all are right, it says so.

Each explanation and each check counts as one hint in your report and in your statistics. When you have placed every letter but the quote does not read right, Cipherly tells you so, once, and points you to Check My Letters.</source>
        <translation>Cipherly kennt sehr viele englische und deutsche Wörter und weiß, wie oft jedes gebraucht wird, und es kann ein verschlüsseltes Zitat so lösen, wie ein Mensch es tut: aus der Gestalt seiner Wörter. Es erkennt, in welcher der beiden Sprachen ein Zitat steht, und sagt Ihnen mit diesem Wissen, wie schwer ein Zitat ist, wählt Spiele der Schwierigkeit, die Sie möchten, und bringt Ihnen Schritt für Schritt das Lösen bei. Ein Zitat in keiner der beiden Sprachen zeigt keine Schwierigkeit.

Wie schwer ist dieses Zitat? Klicken Sie mit der rechten Maustaste auf die Zitatliste (oder drücken Sie die Menütaste, Umschalt+F10 oder Strg+M) und haken Sie „Schwierigkeit anzeigen“ an. Die Zeile über der Liste nennt dann die Schwierigkeit des markierten Zitats, von 1 (am leichtesten) bis 5 (am schwersten). Sie wird so bewertet, wie ein Mensch das Zitat lösen würde: Ein Zitat mit kurzen Wörtern, die sich wiederholen (THE, AND, A), oder mit Wörtern von verräterischem Buchstabenmuster (PEOPLE, THAT) ist leicht zu knacken; eines mit langen, ungewöhnlichen Wörtern und ohne kurze ist es nicht.

Spiele nach Schwierigkeit. Dasselbe Menü bietet „Zufälliges leichtes Spiel“, „Zufälliges mittleres Spiel“, „Zufälliges schweres Spiel“ und „Zufälliges Expertenspiel“. Jedes wählt ein Zitat dieser Schwierigkeit, zuerst eines, das Sie noch nicht gespielt haben, wie ein zufälliges Spiel; findet sich in Ihrer Liste keines, sagt es das und nennt die Schwierigkeit des Zitats, das es stattdessen genommen hat. Ein leichtes Spiel beginnt mit den vier häufigsten Buchstaben des Zitats schon an ihrem Platz, ein mittleres mit zweien und ein schweres mit einem. Ein Expertenspiel gibt Ihnen keinen, und auch sein Tipp-Knopf gibt keine Buchstaben: nur den lehrreichen Tipp unten.

„Einen Schritt erklären“ (F2, oder im Menü des Lösungsbereichs) sagt Ihnen, was ein guter Rätsellöser aus Ihren gesetzten Buchstaben als Nächstes herausfinden würde, und warum: zum Beispiel, dass ein Wort aus drei Buchstaben, das dreimal vorkommt, am ehesten THE ist, oder dass nur ein gängiges Wort zu einem Wort mit Ihren Buchstaben passt. Das Wort, um das es geht, wird in beiden Rätselfeldern markiert, und jedes gefundene Paar wird genannt, etwa X=T. Gesetzt wird nichts: Die Buchstaben tippen Sie selbst. Falsch gesetzte Buchstaben bleiben bei der Überlegung außen vor.

Rätsel ohne Wortgrenzen. „Zufallsspiel ohne Wortgrenzen“ im Menü der Zitatliste spielt ein zufälliges Zitat nur aus seinen Buchstaben, in Fünfergruppen, ohne Satzzeichen und ohne Wortgrenzen: so stellen Rätselclubs ihre schwersten Rätsel. „Ohne Wortgrenzen verschlüsseln“ druckt das markierte Zitat so. Alles andere geht wie in jedem Spiel. „Einen Schritt erklären“ lehrt dann aus den Buchstaben: eine Buchstabengruppe, die immer wiederkehrt (THE, ING, TH), ein doppelter Buchstabe (LL, SS) und wie häufig jeder verschlüsselte Buchstabe ist.

Rätsel mit Schlüsselwort. „Zufallsspiel mit Schlüsselwort“ im selben Menü spielt ein zufälliges Zitat, dessen Schlüssel ein Alphabet mit Schlüsselwort ist, wie Chiffrierclubs es stellen: die Buchstaben eines gängigen Wortes ohne Wiederholung, dann der Rest des Alphabets, mit dem Klaralphabet so geordnet (K1), dem Geheimalphabet (K2) oder beiden (K3), so verschoben, dass kein Buchstabe für sich selbst steht. Der Titel nennt die Art. Haben Sie das Zitat gelöst, fragt Cipherly nach dem Schlüsselwort und sagt Ihnen, ob Sie es gefunden haben; Ihre Antwort zählt nie in der Statistik.

„Meine Buchstaben prüfen“ (F3, oder im Menü des Lösungsbereichs) markiert jeden gesetzten Buchstaben, der falsch ist, und nennt ihn; sind alle richtig, sagt es das.

Jede Erklärung und jede Prüfung zählt als ein Tipp in Ihrem Bericht und in Ihrer Statistik. Haben Sie jeden Buchstaben gesetzt, ergibt das Zitat aber noch keinen Sinn, sagt Cipherly es Ihnen einmal und verweist auf „Meine Buchstaben prüfen“.</translation>
    </message>
</context>
<context>
    <name>TodaysQuote</name>
    <message>
        <source>Today&apos;s &amp;Quote	Ctrl+D</source>
        <translation>&amp;Zitat des Tages	Strg+D</translation>
    </message>
    <message>
        <source>The quote of %1 is still to come.</source>
        <translation>Das Zitat vom %1 kommt erst noch.</translation>
    </message>
    <message>
        <source>Today&apos;s Quote began on %1; there is none for %2.</source>
        <translation>Das Zitat des Tages gibt es seit dem %1; für den %2 gibt es keines.</translation>
    </message>
    <message numerus="yes">
        <source>%1 · solved in %2 · %n hint(s)</source>
        <translation>
            <numerusform>%1 · gelöst in %2 · %n Tipp</numerusform>
            <numerusform>%1 · gelöst in %2 · %n Tipps</numerusform>
        </translation>
    </message>
    <message>
        <source>Today&apos;s Quote of %1, solved.

Days in a row: %2 (longest %3).

Copy your result to share it? (It gives no letter of the answer away.)</source>
        <translation>Zitat des Tages vom %1 gelöst.

Tage in Folge: %2 (längste Serie %3).

Ihr Ergebnis zum Teilen kopieren? (Es verrät keinen Buchstaben der Lösung.)</translation>
    </message>
    <message>
        <source>Copied to share: %1</source>
        <translation>Zum Teilen kopiert: %1</translation>
    </message>
    <message>
        <source>d MMM yyyy</source>
        <extracomment>How a day is written in the game&apos;s messages and share line (QDate format).</extracomment>
        <translation>d. MMM yyyy</translation>
    </message>
    <message numerus="yes">
        <source>Today&apos;s Quote of %1 is solved already: in %2, with %n hint(s).

%3

Play it again for fun? A game played again is not recorded and leaves your days in a row as they are.</source>
        <translation>
            <numerusform>Das Zitat des Tages vom %1 ist schon gelöst: in %2, mit %n Tipp.

%3

Noch einmal zum Spaß spielen? Ein noch einmal gespieltes Spiel wird nicht aufgezeichnet und lässt Ihre Tage in Folge, wie sie sind.</numerusform>
            <numerusform>Das Zitat des Tages vom %1 ist schon gelöst: in %2, mit %n Tipps.

%3

Noch einmal zum Spaß spielen? Ein noch einmal gespieltes Spiel wird nicht aufgezeichnet und lässt Ihre Tage in Folge, wie sie sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy the result to share it</source>
        <translation>Das Ergebnis zum Teilen kopieren</translation>
    </message>
    <message>
        <source> · level %1</source>
        <translation> · Stufe %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 #%2 · Today&apos;s Quote %3%4 · solved in %5 · %n hint(s) · streak %6</source>
        <translation>
            <numerusform>%1 Nr. %2 · Zitat des Tages (deutsch) %3%4 · gelöst in %5 · %n Tipp · Serie %6</numerusform>
            <numerusform>%1 Nr. %2 · Zitat des Tages (deutsch) %3%4 · gelöst in %5 · %n Tipps · Serie %6</numerusform>
        </translation>
    </message>
    <message>
        <source> — Today&apos;s Quote, %1</source>
        <translation> — Zitat des Tages, %1</translation>
    </message>
    <message>
        <source>Today&apos;s Quote &amp;Calendar...	Ctrl+Shift+D</source>
        <translation>Zitat des Tages im &amp;Kalender …	Strg+Umschalt+D</translation>
    </message>
    <message>
        <source>%1 was started again for Today&apos;s Quote of %2.

Leave the game on show for it? It then counts as left unfinished.</source>
        <translation>%1 wurde noch einmal gestartet, für das Zitat des Tages vom %2.

Das laufende Spiel dafür verlassen? Es zählt dann als abgebrochen.</translation>
    </message>
</context>
<context>
    <name>UnbrokenPuzzles</name>
    <message>
        <source>Random Game With&amp;out Word Breaks</source>
        <translation>Zufallsspiel &amp;ohne Wortgrenzen</translation>
    </message>
    <message>
        <source>Scramble Without Word &amp;Breaks</source>
        <translation>Ohne Wortgrenzen ve&amp;rschlüsseln</translation>
    </message>
</context>
<context>
    <name>ViewSizeChoice</name>
    <message>
        <source>Lar&amp;ger View	Ctrl++</source>
        <translation>&amp;Größere Ansicht	Strg++</translation>
    </message>
    <message>
        <source>Smalle&amp;r View	Ctrl+-</source>
        <translation>Kleinere Ansi&amp;cht	Strg+-</translation>
    </message>
    <message>
        <source>Desktop&apos;s View Si&amp;ze</source>
        <translation>&amp;Ansicht wie der Desktop</translation>
    </message>
    <message>
        <source>From the next start, Cipherly&apos;s windows follow the desktop&apos;s scaling.</source>
        <translation>Ab dem nächsten Start folgen die Fenster von Cipherly der Skalierung des Desktops.</translation>
    </message>
    <message>
        <source>Designed View (&amp;100 %)	Ctrl+0</source>
        <translation>Entworfene Ansicht (&amp;100 %)	Strg+0</translation>
    </message>
    <message>
        <source>200 % is the largest view.</source>
        <translation>200 % ist die größte Ansicht.</translation>
    </message>
    <message>
        <source>100 %, the designed size, is the smallest view.</source>
        <translation>100 %, die entworfene Größe, ist die kleinste Ansicht.</translation>
    </message>
    <message>
        <source>View size as the desktop&apos;s</source>
        <translation>Ansichtsgröße wie die des Desktops</translation>
    </message>
    <message>
        <source>View size %1 %</source>
        <translation>Ansichtsgröße %1 %</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Print a &amp;Worksheet...</source>
        <translation>Arbeitsblatt dr&amp;ucken …</translation>
    </message>
    <message>
        <source>%1 Worksheet</source>
        <translation>%1-Arbeitsblatt</translation>
    </message>
    <message>
        <source>Made especially for %1!</source>
        <translation>Ganz besonders für %1 gemacht!</translation>
    </message>
    <message>
        <source>Solve the scrambled messages below...</source>
        <translation>Lösen Sie die verschlüsselten Nachrichten unten ...</translation>
    </message>
    <message>
        <source>Solve the scrambled messages below: their letters stand in groups of five, without word breaks.</source>
        <translation>Lösen Sie die verschlüsselten Nachrichten unten: Ihre Buchstaben stehen in Fünfergruppen, ohne Wortgrenzen.</translation>
    </message>
    <message>
        <source>Answer Key</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Print a Worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>How many puzzles should the worksheet hold?
(1 to %1; each has a key of its own)</source>
        <translation>Wie viele Rätsel soll das Arbeitsblatt enthalten?
(1 bis %1; jedes hat einen eigenen Schlüssel)</translation>
    </message>
    <message>
        <source>A worksheet holds 1 to %1 puzzles: &quot;%2&quot; is not a number of them.</source>
        <translation>Ein Arbeitsblatt enthält 1 bis %1 Rätsel: „%2“ ist keine solche Anzahl.</translation>
    </message>
    <message>
        <source>Print the puzzles without word breaks (their letters in groups of five)?</source>
        <translation>Die Rätsel ohne Wortgrenzen drucken (ihre Buchstaben in Fünfergruppen)?</translation>
    </message>
    <message>
        <source>Would you like to personalize this worksheet?</source>
        <translation>Möchten Sie dieses Arbeitsblatt mit einem Namen versehen?</translation>
    </message>
    <message>
        <source>Personalize this worksheet</source>
        <translation>Arbeitsblatt mit Namen versehen</translation>
    </message>
    <message>
        <source>Who are you printing this worksheet for?</source>
        <translation>Für wen drucken Sie dieses Arbeitsblatt?</translation>
    </message>
    <message>
        <source>worksheet</source>
        <translation>Arbeitsblatt</translation>
    </message>
    <message>
        <source>--worksheet takes a number of puzzles from 1 to %1, then FILE.pdf</source>
        <translation>--worksheet erwartet eine Anzahl Rätsel von 1 bis %1, dann DATEI.pdf</translation>
    </message>
    <message>
        <source>--level takes easy, medium, hard or expert</source>
        <translation>--level erwartet easy, medium, hard oder expert</translation>
    </message>
    <message>
        <source>%1 is not understood with --worksheet (see --help)</source>
        <translation>%1 wird mit --worksheet nicht verstanden (siehe --help)</translation>
    </message>
    <message>
        <source>--worksheet writes a PDF file: name one ending in .pdf</source>
        <translation>--worksheet schreibt eine PDF-Datei: Nennen Sie eine, die auf .pdf endet</translation>
    </message>
    <message>
        <source>cipherly: the quote list could not be read: %1
</source>
        <translation>cipherly: Die Zitatliste konnte nicht gelesen werden: %1
</translation>
    </message>
    <message>
        <source>cipherly: no quote of the list is of that difficulty
</source>
        <translation>cipherly: Kein Zitat der Liste hat diese Schwierigkeit
</translation>
    </message>
    <message>
        <source>cipherly: the list held %1 such quotes; the worksheet has them all
</source>
        <translation>cipherly: Die Liste enthielt %1 solche Zitate; das Arbeitsblatt hat sie alle
</translation>
    </message>
    <message>
        <source>any</source>
        <translation>alle</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>leicht</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>schwer</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>experte</translation>
    </message>
    <message>
        <source>Which difficulty? Type %1, %2, %3 or %4,
or %5 for quotes of every difficulty.</source>
        <translation>Welche Schwierigkeit? Tippen Sie %1, %2, %3 oder %4,
oder %5 für Zitate jeder Schwierigkeit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no difficulty: type %2, %3, %4, %5 or %6.</source>
        <translation>„%1“ ist keine Schwierigkeit: Tippen Sie %2, %3, %4, %5 oder %6.</translation>
    </message>
    <message>
        <source>No quote of your list is of that difficulty: there is nothing to print.</source>
        <translation>Kein Zitat Ihrer Liste hat diese Schwierigkeit: Es gibt nichts zu drucken.</translation>
    </message>
    <message>
        <source>--for takes the name of the one the worksheet is for</source>
        <translation>--for erwartet den Namen dessen, für den das Arbeitsblatt ist</translation>
    </message>
</context>
<context>
    <name>basCipherly</name>
    <message>
        <source>Terminating...</source>
        <translation>Wird beendet...</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.

The quote list is kept in %2 this time.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.

Die Zitatliste wird diesmal in %2 geführt.</translation>
    </message>
    <message>
        <source>%1 is already loaded
and running on your computer!</source>
        <translation>%1 ist bereits geladen
und läuft auf Ihrem Computer!</translation>
    </message>
    <message>
        <source>%1 cannot make sure that no other copy of it is running,
so it will not start and risk your quote list.

%2</source>
        <translation>%1 kann nicht sicherstellen, dass keine andere Kopie läuft,
und startet deshalb nicht, um Ihre Zitatliste nicht zu gefährden.

%2</translation>
    </message>
    <message>
        <source>The folder %1 cannot be used.</source>
        <translation>Der Ordner %1 kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Your quote list %1 cannot be moved to %2: %3.</source>
        <translation>Ihre Zitatliste %1 kann nicht nach %2 verschoben werden: %3.</translation>
    </message>
    <message>
        <source>Cipherly keeps your quote list in one place now, however it is started:
%1

Your list %2 was moved there.</source>
        <translation>Cipherly bewahrt Ihre Zitatliste jetzt an einem Ort auf, wie auch immer es gestartet wird:
%1

Ihre Liste %2 wurde dorthin verschoben.</translation>
    </message>
    <message>
        <source>Another quote list, %1, was left where it is. To bring its quotes in, choose Import Quotes... in the list&apos;s menu.</source>
        <translation>Eine weitere Zitatliste, %1, blieb, wo sie ist. Um ihre Zitate zu übernehmen, wählen Sie Zitate importieren... im Menü der Liste.</translation>
    </message>
    <message>
        <source>Your settings cannot be read:
%1: %2.

</source>
        <translation>Ihre Einstellungen können nicht gelesen werden:
%1: %2.

</translation>
    </message>
    <message>
        <source>It is set aside as %1, and Cipherly starts with its usual settings.</source>
        <translation>Die Datei wurde als %1 beiseitegelegt, und Cipherly startet mit seinen üblichen Einstellungen.</translation>
    </message>
    <message>
        <source>It could not be set aside (%1), so Cipherly starts with its usual settings and keeps no new ones.</source>
        <translation>Die Datei konnte nicht beiseitegelegt werden (%1); Cipherly startet daher mit seinen üblichen Einstellungen und speichert keine neuen.</translation>
    </message>
    <message>
        <source>%1: the folder cannot be opened</source>
        <translation>%1: Der Ordner kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
    <message>
        <source>it cannot be made</source>
        <translation>er lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>Your settings cannot be kept:
%1: %2.

Cipherly starts with its usual settings and keeps no new ones, so this is said again at the next start until it is put right.</source>
        <translation>Ihre Einstellungen können nicht gespeichert werden:
%1: %2.

Cipherly startet mit den üblichen Einstellungen und speichert keine neuen; deshalb erscheint dieser Hinweis bei jedem Start, bis das behoben ist.</translation>
    </message>
</context>
<context>
    <name>dialogs</name>
    <message>
        <source>Offered: %1; typing replaces it</source>
        <translation>Vorgeschlagen: %1; Tippen ersetzt es</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>a link to %1</source>
        <translation>eine Verknüpfung auf %1</translation>
    </message>
    <message>
        <source>a link to %1, which is not there</source>
        <translation>eine Verknüpfung auf %1, das es nicht gibt</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 (%2) is now %3.</source>
        <translation>%1 (%2) heißt jetzt %3.</translation>
    </message>
    <message>
        <source>%1 (%2) could not be set aside: %3. The game will not write to it.</source>
        <translation>%1 (%2) konnte nicht beiseitegelegt werden: %3. Das Spiel schreibt nicht hinein.</translation>
    </message>
    <message>
        <source>Cipherly keeps files of its own in %1, and writes nothing through one that is not its own. Found there, and left untouched:

</source>
        <translation>Cipherly bewahrt in %1 eigene Dateien auf und schreibt nichts durch eine, die nicht seine eigene ist. Dort gefunden und unangetastet gelassen:

</translation>
    </message>
    <message>
        <source>It is a folder, not a file</source>
        <translation>Es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>It is a pipe, not a file</source>
        <translation>Es ist eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>It is a socket, not a file</source>
        <translation>Es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>It is a device, not a file</source>
        <translation>Es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>It is larger than %1, the most Cipherly reads</source>
        <translation>Sie ist größer als %1; mehr liest Cipherly nicht</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>It changed while it was read</source>
        <translation>Sie hat sich beim Lesen geändert</translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation>Die Datei ist nicht geöffnet</translation>
    </message>
    <message>
        <source>The file ended early</source>
        <translation>Die Datei endete zu früh</translation>
    </message>
    <message>
        <source>The file is %1 bytes long, not %2</source>
        <translation>Die Datei ist %1 Bytes lang, nicht %2</translation>
    </message>
    <message>
        <source>It is a link, not a file of the game&apos;s own</source>
        <translation>Es ist eine Verknüpfung, keine eigene Datei des Spiels</translation>
    </message>
    <message>
        <source>A folder of that name is in the way</source>
        <translation>Ein Ordner dieses Namens ist im Weg</translation>
    </message>
    <message>
        <source>; the file could not be put back as it was (%1)</source>
        <translation>; die Datei konnte nicht wiederhergestellt werden (%1)</translation>
    </message>
    <message>
        <source>Every name to set it aside under is taken</source>
        <translation>Jeder Name, unter dem sie beiseitegelegt werden könnte, ist vergeben</translation>
    </message>
</context>
<context>
    <name>frmDailyCalendar</name>
    <message>
        <source>Today&apos;s Quote, day by day</source>
        <translation>Zitat des Tages, Tag für Tag</translation>
    </message>
    <message>
        <source>Days in a row: %1 (longest %2)</source>
        <translation>Tage in Folge: %1 (längste Serie %2)</translation>
    </message>
    <message>
        <source>%1 solved on its day   %2 solved later   %3 started
Return or a double click plays the day; Page Up and Page Down change the month.</source>
        <translation>%1 am Tag gelöst   %2 später gelöst   %3 begonnen
Die Eingabetaste oder ein Doppelklick spielt den Tag; Bild auf und Bild ab wechseln den Monat.</translation>
    </message>
    <message>
        <source> %1 - Today&apos;s Quote Calendar</source>
        <translation> %1 - Kalender der Zitate des Tages</translation>
    </message>
    <message>
        <source>%1, #%2</source>
        <translation>%1, Nr. %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: solved on its day, in %2 with %n hint(s).</source>
        <translation>
            <numerusform>%1: am Tag gelöst, in %2 mit %n Tipp.</numerusform>
            <numerusform>%1: am Tag gelöst, in %2 mit %n Tipps.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: solved later, on %2, in %3 with %n hint(s).</source>
        <translation>
            <numerusform>%1: später gelöst, am %2, in %3 mit %n Tipp.</numerusform>
            <numerusform>%1: später gelöst, am %2, in %3 mit %n Tipps.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: started, not solved yet.</source>
        <translation>%1: begonnen, noch nicht gelöst.</translation>
    </message>
    <message>
        <source>%1: not played yet.</source>
        <translation>%1: noch nicht gespielt.</translation>
    </message>
    <message>
        <source>&amp;Play
This Day</source>
        <translation>Diesen Tag
&amp;spielen</translation>
    </message>
    <message>
        <source>&amp;Return
(Esc)</source>
        <translation>&amp;Zurück
(Esc)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E-&amp;mail a Friend</source>
        <translation>E-&amp;Mail an Freunde</translation>
    </message>
    <message>
        <source>&amp;Gift Idea</source>
        <translation>&amp;Geschenk</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Solve a Random Quote
On-Screen</source>
        <translation>&amp;Zufälliges Zitat
am Bildschirm lösen</translation>
    </message>
    <message>
        <source>&amp;Add a
New Quote</source>
        <translation>&amp;Neues Zitat
hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit
this
Quote</source>
        <translation>Dieses
Zitat
be&amp;arbeiten</translation>
    </message>
    <message>
        <source>Delete
this
Quote</source>
        <translation>Dieses
Zitat
löschen</translation>
    </message>
    <message>
        <source>Scramble &amp;&amp; &amp;Print this Quote...</source>
        <translation>Verschlüsseln &amp;&amp; &amp;drucken...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Finished</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>&amp;Print the
Scrambled Message</source>
        <translation>Verschlüsselte
Nachricht &amp;drucken</translation>
    </message>
    <message>
        <source>Hin&amp;t</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <source>&amp;Finished, Return</source>
        <translation>&amp;Fertig, zurück</translation>
    </message>
    <message>
        <source>A quote should be from 50 to 200 characters in length. Normal letters and punctuation such as ()&apos;,./;!?- etc. are allowed, but numbers and carriage-returns (the &lt;Enter&gt; key) should not be used.</source>
        <translation>Ein Zitat sollte 50 bis 200 Zeichen lang sein. Buchstaben und Satzzeichen wie ()&apos;,./;!?- usw. sind erlaubt, Ziffern und Zeilenumbrüche (die Eingabetaste) dagegen nicht.</translation>
    </message>
    <message>
        <source>In the scrambled quote below,

show the letter         as a</source>
        <translation>Zeigen Sie im verschlüsselten Zitat

den Buchstaben         als</translation>
    </message>
    <message>
        <source>Before you go: a Cipherly puzzle page, printed and made out to a
friend, makes a fine little gift. Try &quot;Scramble &amp; Print&quot; next time!</source>
        <translation>Bevor Sie gehen: Eine gedruckte Cipherly-Rätselseite mit dem Namen
eines Freundes ist ein schönes kleines Geschenk. Probieren Sie beim
nächsten Mal „Verschlüsseln &amp; drucken“!</translation>
    </message>
    <message>
        <source> Need a little information? </source>
        <translation> Brauchen Sie ein paar Hinweise? </translation>
    </message>
    <message>
        <source> Click here to exit %1 </source>
        <translation> Hier klicken, um %1 zu beenden </translation>
    </message>
    <message>
        <source> Tell a friend about %1 </source>
        <translation> Freunden von %1 erzählen </translation>
    </message>
    <message>
        <source> A gift idea from KEL Software </source>
        <translation> Eine Geschenkidee von KEL Software </translation>
    </message>
    <message>
        <source>&amp;Finished
with
this
Quote</source>
        <translation>&amp;Fertig
mit
diesem
Zitat</translation>
    </message>
    <message>
        <source>&amp;Finished, Return
(Esc)</source>
        <translation>&amp;Fertig, zurück
(Esc)</translation>
    </message>
    <message>
        <source>&amp;Solve
(F8)</source>
        <translation>&amp;Lösen
(F8)</translation>
    </message>
    <message>
        <source>Hin&amp;t
(F4)</source>
        <translation>&amp;Tipp
(F4)</translation>
    </message>
    <message>
        <source>The quote list could not be created.</source>
        <translation>Die Zitatliste konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The quote list could not be read.</source>
        <translation>Die Zitatliste konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The highlighted quote could not be read.</source>
        <translation>Das markierte Zitat konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Quote List (Currently Highlighted: %1 of %2 on file)</source>
        <translation>Zitatliste (markiert: %L1 von %L2 gespeicherten)</translation>
    </message>
    <message>
        <source> Disable form fade effects </source>
        <translation> Überblendungen der Fenster ausschalten </translation>
    </message>
    <message>
        <source> Enable form fade effects </source>
        <translation> Überblendungen der Fenster einschalten </translation>
    </message>
    <message>
        <source>Ready to quit now?</source>
        <translation>Jetzt beenden?</translation>
    </message>
    <message>
        <source>Are you sure you wish to quit?</source>
        <translation>Möchten Sie das Spiel wirklich beenden?</translation>
    </message>
    <message>
        <source>Quit %1?</source>
        <translation>%1 beenden?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Geschützt</translation>
    </message>
    <message>
        <source>The first 10 quotes are an
integral part of Cipherly
and can not be edited or deleted.</source>
        <translation>Die ersten 10 Zitate gehören
fest zu Cipherly und können
weder bearbeitet noch gelöscht werden.</translation>
    </message>
    <message>
        <source>Keystroke Entry Error</source>
        <translation>Fehler bei der Eingabe</translation>
    </message>
    <message>
        <source>The &lt;Enter&gt; keystroke(s)
in this quote have been removed.</source>
        <translation>Die Zeilenumbrüche (Eingabetaste)
in diesem Zitat wurden entfernt.</translation>
    </message>
    <message>
        <source>Length too short...</source>
        <translation>Zu kurz...</translation>
    </message>
    <message>
        <source>A quote should be at least
50 characters in length.</source>
        <translation>Ein Zitat sollte mindestens
50 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>Numbers not allowed...</source>
        <translation>Keine Ziffern erlaubt...</translation>
    </message>
    <message>
        <source>Please do not include
numeral characters in the quote.</source>
        <translation>Bitte verwenden Sie
keine Ziffern im Zitat.</translation>
    </message>
    <message>
        <source>Characters not allowed...</source>
        <translation>Unerlaubte Zeichen...</translation>
    </message>
    <message>
        <source>Please do not include
the control character %1 in the quote.</source>
        <translation>Bitte verwenden Sie das
Steuerzeichen %1 nicht im Zitat.</translation>
    </message>
    <message>
        <source>Please do not include
the character &quot;%1&quot; in the quote.</source>
        <translation>Bitte verwenden Sie das
Zeichen „%1“ nicht im Zitat.</translation>
    </message>
    <message>
        <source>The new quote could not be saved.</source>
        <translation>Das neue Zitat konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The changes could not be saved.</source>
        <translation>Die Änderungen konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Confirm Deletion</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Are you SURE you want to
delete this quote from the list?</source>
        <translation>Möchten Sie dieses Zitat WIRKLICH
aus der Liste löschen?</translation>
    </message>
    <message>
        <source>The quote could not be deleted; the list is as it was.</source>
        <translation>Das Zitat konnte nicht gelöscht werden; die Liste ist unverändert.</translation>
    </message>
    <message>
        <source>Would you like to personalize this printout?</source>
        <translation>Möchten Sie diesen Ausdruck mit einem Namen versehen?</translation>
    </message>
    <message>
        <source>Personalize this printout</source>
        <translation>Ausdruck mit Namen versehen</translation>
    </message>
    <message>
        <source>Okay-- Who are you printing
this scrambled quote for?</source>
        <translation>Gut! Für wen drucken Sie
dieses verschlüsselte Zitat?</translation>
    </message>
    <message>
        <source>No quote could be read for a game.</source>
        <translation>Für ein Spiel konnte kein Zitat gelesen werden.</translation>
    </message>
    <message>
        <source>The quote list is empty: there is nothing to solve.</source>
        <translation>Die Zitatliste ist leer: Es gibt nichts zu lösen.</translation>
    </message>
    <message>
        <source>&amp;Save
New
Quote</source>
        <translation>Neues
Zitat
&amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Save
Changes</source>
        <translation>&amp;Änderungen
speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel
New
Quote</source>
        <translation>Neues
Zitat
&amp;verwerfen</translation>
    </message>
    <message>
        <source>Don&apos;t
Save
&amp;Changes</source>
        <translation>Änderungen
&amp;verwerfen</translation>
    </message>
    <message>
        <source>Code Key:</source>
        <translation>Schlüssel:</translation>
    </message>
    <message>
        <source>Also print a Solution Page</source>
        <translation>Lösungsseite mitdrucken</translation>
    </message>
    <message>
        <source> Don&apos;t mind these guys-- They just like to watch you play! </source>
        <translation> Keine Sorge – die beiden schauen Ihnen nur gern beim Spielen zu! </translation>
    </message>
    <message>
        <source> Why the shades?  Because these guys are SO cool! </source>
        <translation> Warum die Sonnenbrille? Weil die beiden SO cool sind! </translation>
    </message>
    <message>
        <source>Could not establish an internet connection!</source>
        <translation>Es konnte keine Internetverbindung hergestellt werden!</translation>
    </message>
    <message>
        <source>Quote list</source>
        <translation>Zitatliste</translation>
    </message>
    <message>
        <source>Scrambled letter</source>
        <translation>Verschlüsselter Buchstabe</translation>
    </message>
    <message>
        <source>Type a letter of the scrambled quote</source>
        <translation>Tippen Sie einen Buchstaben des verschlüsselten Zitats</translation>
    </message>
    <message>
        <source>Stands for</source>
        <translation>Steht für</translation>
    </message>
    <message>
        <source>Type the letter the scrambled letter stands for; a space takes it back</source>
        <translation>Tippen Sie den Buchstaben, für den der verschlüsselte steht; ein Leerzeichen nimmt ihn zurück</translation>
    </message>
    <message>
        <source>Alphabet</source>
        <translation>Alphabet</translation>
    </message>
    <message>
        <source>List panel</source>
        <translation>Listenbereich</translation>
    </message>
    <message>
        <source>Quote panel</source>
        <translation>Zitatbereich</translation>
    </message>
    <message>
        <source>Print panel</source>
        <translation>Druckbereich</translation>
    </message>
    <message>
        <source>Solve panel</source>
        <translation>Lösungsbereich</translation>
    </message>
    <message>
        <source>Highlighted quote</source>
        <translation>Markiertes Zitat</translation>
    </message>
    <message>
        <source>New quote</source>
        <translation>Neues Zitat</translation>
    </message>
    <message>
        <source>Quote being edited</source>
        <translation>Zitat in Bearbeitung</translation>
    </message>
    <message>
        <source>Rules for a quote</source>
        <translation>Regeln für ein Zitat</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Zitat</translation>
    </message>
    <message>
        <source>Scrambled quote</source>
        <translation>Verschlüsseltes Zitat</translation>
    </message>
    <message>
        <source>Code key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Solution so far</source>
        <translation>Bisherige Lösung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Quote %1 of %2</source>
        <translation>Zitat %L1 von %L2</translation>
    </message>
</context>
<context>
    <name>frmManual</name>
    <message>
        <source>Help Topics
(F1)</source>
        <translation>Hilfethemen
(F1)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Return
(Esc)</source>
        <translation>&amp;Zurück
(Esc)</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Überblick</translation>
    </message>
    <message>
        <source>The Main Lobby</source>
        <translation>Das Hauptfenster</translation>
    </message>
    <message>
        <source>Quote List Maintenance</source>
        <translation>Die Zitatliste pflegen</translation>
    </message>
    <message>
        <source>Encrypting &amp;&amp; Printing a Quote</source>
        <translation>Ein Zitat verschlüsseln &amp;&amp; drucken</translation>
    </message>
    <message>
        <source>Solving a Quote On-Screen</source>
        <translation>Ein Zitat am Bildschirm lösen</translation>
    </message>
    <message>
        <source>About Cipherly</source>
        <translation>Über Cipherly</translation>
    </message>
    <message>
        <source>About KEL Software</source>
        <translation>Über KEL Software</translation>
    </message>
    <message>
        <source>Email KEL Software</source>
        <translation>E-Mail an KEL Software</translation>
    </message>
    <message>
        <source>Visit KEL Software&apos;s Web Page</source>
        <translation>Die Webseite von KEL Software besuchen</translation>
    </message>
    <message>
        <source>Order Cipherly Online (w/ Credit Card)</source>
        <translation>Cipherly online bestellen (mit Kreditkarte)</translation>
    </message>
    <message>
        <source>Exit this Menu</source>
        <translation>Menü schließen</translation>
    </message>
    <message>
        <source>Quote Collections</source>
        <translation>Zitatsammlungen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Solver&apos;s Aids</source>
        <translation>Lösungshilfen</translation>
    </message>
    <message>
        <source>Difficulty and Teaching Hints</source>
        <translation>Schwierigkeit und lehrreiche Tipps</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>%1 - Help Window</source>
        <translation>%1 - Hilfe</translation>
    </message>
    <message>
        <source> Be sure your printer is ready! </source>
        <translation> Ist Ihr Drucker bereit? </translation>
    </message>
    <message>
        <source>Version w%1.%2.%3</source>
        <translation>Version w%1.%2.%3</translation>
    </message>
    <message>
        <source>%1, Help Section: %2</source>
        <translation>%1, Hilfe: %2</translation>
    </message>
</context>
<context>
    <name>frmNewUser</name>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Don&apos;t show this Welcome screen again</source>
        <translation>Diese Begrüßung nicht mehr anzeigen</translation>
    </message>
    <message>
        <source> %1 - New User Overview</source>
        <translation> %1 - Überblick für Neulinge</translation>
    </message>
    <message>
        <source>Welcome! Are you a new user? If so, then let&apos;s take a moment for a quick overview.</source>
        <translation>Willkommen! Sind Sie neu hier? Dann nehmen wir uns einen Moment für einen kurzen Überblick.</translation>
    </message>
</context>
<context>
    <name>frmStatistics</name>
    <message>
        <source>R&amp;eset
Statistics</source>
        <translation>Statistik
zu&amp;rücksetzen</translation>
    </message>
    <message>
        <source>&amp;Return
(Esc)</source>
        <translation>&amp;Zurück
(Esc)</translation>
    </message>
    <message>
        <source>How you are doing</source>
        <translation>Ihre Bilanz</translation>
    </message>
    <message>
        <source>Your record of games cannot be read:
%1: %2.</source>
        <translation>Ihre Spielstatistik kann nicht gelesen werden:
%1: %2.</translation>
    </message>
    <message>
        <source>Games played: %1</source>
        <translation>Gespielt: %1</translation>
    </message>
    <message>
        <source>Solved: %1</source>
        <translation>Gelöst: %1</translation>
    </message>
    <message>
        <source>Shown with Solve: %1</source>
        <translation>Mit „Lösen“ gezeigt: %1</translation>
    </message>
    <message>
        <source>Abandoned: %1</source>
        <translation>Abgebrochen: %1</translation>
    </message>
    <message>
        <source>Best time: %1</source>
        <translation>Beste Zeit: %1</translation>
    </message>
    <message>
        <source>Average time: %1</source>
        <translation>Mittlere Zeit: %1</translation>
    </message>
    <message>
        <source>Hints per solved game: %1</source>
        <translation>Tipps je gelöstem Spiel: %1</translation>
    </message>
    <message>
        <source>Solved in a row now: %1</source>
        <translation>Aktuelle Serie: %1</translation>
    </message>
    <message>
        <source>Most solved in a row: %1</source>
        <translation>Längste Serie: %1</translation>
    </message>
    <message>
        <source>Reset Statistics</source>
        <translation>Statistik zurücksetzen</translation>
    </message>
    <message>
        <source>Are you SURE you want to forget
every game played so far?

Random games will then also forget which quotes
you have played, and may pick any of them again.</source>
        <translation>Möchten Sie WIRKLICH alle bisher
gespielten Spiele vergessen?

Zufällige Spiele vergessen dann auch, welche Zitate
Sie schon gespielt haben, und können jedes wieder wählen.</translation>
    </message>
    <message>
        <source>The record of games could not be reset; it is as it was.

%1: %2</source>
        <translation>Die Spielstatistik konnte nicht zurückgesetzt werden; sie ist unverändert.

%1: %2</translation>
    </message>
    <message>
        <source> %1 - Statistics</source>
        <translation> %1 - Statistik</translation>
    </message>
    <message>
        <source>Most days in a row: %1</source>
        <translation>Meiste Tage in Folge: %1</translation>
    </message>
    <message numerus="yes">
        <source>Today&apos;s Quote in a row: %n day(s)</source>
        <translation>
            <numerusform>Zitat des Tages in Folge: %n Tag</numerusform>
            <numerusform>Zitat des Tages in Folge: %n Tage</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>frmTitlePage</name>
    <message>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Order Info</source>
        <translation>&amp;Bestellinfo</translation>
    </message>
    <message>
        <source>Version w%1</source>
        <translation>Version w%1</translation>
    </message>
    <message>
        <source> Click here to Email KEL Software! </source>
        <translation> Hier klicken, um KEL Software zu schreiben! </translation>
    </message>
    <message>
        <source> Click here to visit KEL Software! </source>
        <translation> Hier klicken, um KEL Software zu besuchen! </translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>%1, %2. %3. Press Return or Alt+C to continue</source>
        <translation>%1, %2. %3. Weiter mit der Eingabetaste oder Alt+W</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>cipherly: --daily takes a date as YYYY-MM-DD, not %1
</source>
        <translation>cipherly: --daily erwartet ein Datum als JJJJ-MM-TT, nicht %1
</translation>
    </message>
    <message>
        <source>cipherly: the quote of %1 is still to come
</source>
        <translation>cipherly: das Zitat vom %1 kommt erst noch
</translation>
    </message>
    <message>
        <source>cipherly: the first quote of the day is %1&apos;s
</source>
        <translation>cipherly: das erste Zitat des Tages ist das vom %1
</translation>
    </message>
    <message>
        <source>Usage: cipherly
%1, an encryption word game: cryptograms made from your quotes.
The game opens its windows and is played there. It speaks the language
of the desktop (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) where it has it.

  --help     show this and end
  --version  show the version and end
  --english  speak English, whatever the language of the desktop
  --translation FILE
             speak the language of a translation file (.qm), to try one
  --daily [YYYY-MM-DD]
             play Today&apos;s Quote, or the quote of a day gone by
  --worksheet COUNT [--level easy|medium|hard|expert] [--no-word-breaks]
              [--for NAME] FILE.pdf
             write a worksheet of COUNT puzzles from your list and its
             answer key as a PDF file, without opening a window

Your quote list is $XDG_DATA_HOME/Cipherly/Cipherly.Dat
(~/.local/share/Cipherly/Cipherly.Dat). See cipherly(6); in the
source tree, man -l packaging/cipherly.6.
</source>
        <translation>Aufruf: cipherly
%1, ein Verschlüsselungsspiel: Kryptogramme aus Ihren Zitaten.
Gespielt wird in den Fenstern des Spiels. Es spricht die Sprache des
Desktops (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), wo es sie beherrscht.

  --help     diese Hilfe anzeigen und beenden
  --version  die Version anzeigen und beenden
  --english  Englisch sprechen, gleich welche Sprache der Desktop spricht
  --translation DATEI
             die Sprache einer Übersetzungsdatei (.qm) sprechen, zum Ausprobieren
  --daily [JJJJ-MM-TT]
             das Zitat des Tages spielen oder das eines vergangenen Tages
  --worksheet ANZAHL [--level easy|medium|hard|expert] [--no-word-breaks]
              [--for NAME] DATEI.pdf
             ein Arbeitsblatt mit ANZAHL Rätseln aus Ihrer Liste und den Lösungen
             als PDF-Datei schreiben, ohne ein Fenster zu öffnen

Ihre Zitatliste ist $XDG_DATA_HOME/Cipherly/Cipherly.Dat
(~/.local/share/Cipherly/Cipherly.Dat). Siehe cipherly(6); im
Quellbaum man -l packaging/cipherly.de.6.
</translation>
    </message>
    <message>
        <source>cipherly: there is no day %1 in the calendar
</source>
        <translation>cipherly: Einen Tag %1 gibt es im Kalender nicht
</translation>
    </message>
    <message>
        <source>cipherly: there is no display to open the game&apos;s window on (neither DISPLAY nor WAYLAND_DISPLAY is set); a worksheet (--worksheet) needs none
</source>
        <translation>cipherly: Es gibt keinen Bildschirm, auf dem sich das Fenster des Spiels öffnen kann (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); ein Arbeitsblatt (--worksheet) braucht keinen
</translation>
    </message>
</context>
<context>
    <name>printing</name>
    <message>
        <source>There is no printer, so the printout was saved as:

</source>
        <translation>Es gibt keinen Drucker, daher wurde der Ausdruck gespeichert als:

</translation>
    </message>
    <message>
        <source>There is no printer, so the printouts were saved as:

</source>
        <translation>Es gibt keinen Drucker, daher wurden die Ausdrucke gespeichert als:

</translation>
    </message>
    <message>
        <source>Not everything could be printed:

</source>
        <translation>Nicht alles konnte gedruckt werden:

</translation>
    </message>
    <message>
        <source>Cipherly %1 %2.pdf</source>
        <translation>Cipherly %1 %2.pdf</translation>
    </message>
    <message>
        <source>The %1 page</source>
        <translation>Die Seite „%1“</translation>
    </message>
    <message>
        <source>%1 could not be written to %2</source>
        <translation>%1 konnte nicht nach %2 geschrieben werden</translation>
    </message>
    <message>
        <source>%1 could not be sent to the printer %2</source>
        <translation>%1 konnte nicht an den Drucker %2 geschickt werden</translation>
    </message>
    <message>
        <source>It could not be drawn</source>
        <translation>Sie konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>%1 could not be saved as %2: %3</source>
        <translation>%1 konnte nicht als %2 gespeichert werden: %3</translation>
    </message>
    <message>
        <source>%1 could not be printed on %2</source>
        <translation>%1 konnte nicht auf %2 gedruckt werden</translation>
    </message>
    <message>
        <source>help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>puzzle</source>
        <translation>Rätsel</translation>
    </message>
    <message>
        <source>solution</source>
        <translation>Lösung</translation>
    </message>
</context>
<context>
    <name>quotes</name>
    <message>
        <source>too short</source>
        <translation>zu kurz</translation>
    </message>
    <message>
        <source>too long</source>
        <translation>zu lang</translation>
    </message>
    <message>
        <source>not prose: fewer than half of the characters are letters</source>
        <translation>kein Text: weniger als die Hälfte der Zeichen sind Buchstaben</translation>
    </message>
    <message>
        <source>with digits</source>
        <translation>mit Ziffern</translation>
    </message>
    <message>
        <source>with control characters</source>
        <translation>mit Steuerzeichen</translation>
    </message>
    <message>
        <source>with characters the list cannot hold</source>
        <translation>mit Zeichen, die die Liste nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>already in the list</source>
        <translation>schon in der Liste</translation>
    </message>
    <message>
        <source>did not fit: the list holds 32,767 quotes at most</source>
        <translation>kein Platz mehr: Die Liste fasst höchstens 32.767 Zitate</translation>
    </message>
    <message>
        <source>It is a folder, not a file</source>
        <translation>Es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>It holds more than %1 quotes</source>
        <translation>Sie enthält mehr als %1 Zitate</translation>
    </message>
    <message>
        <source>The file is not open</source>
        <translation>Die Datei ist nicht geöffnet</translation>
    </message>
    <message>
        <source>There is no quote number %1</source>
        <translation>Es gibt kein Zitat mit der Nummer %1</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be stored in the quote list</source>
        <translation>Das Zeichen „%1“ (%2) kann nicht in der Zitatliste gespeichert werden</translation>
    </message>
    <message>
        <source>The quote list is full: it holds %1 quotes, the most it can</source>
        <translation>Die Zitatliste ist voll: Sie enthält %1 Zitate, so viele, wie sie fassen kann</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>sie ist keine Textdatei</translation>
    </message>
</context>
<context>
    <name>solver</name>
    <message>
        <source>twice</source>
        <translation>zweimal</translation>
    </message>
    <message>
        <source>%1 times</source>
        <translation>%1-mal</translation>
    </message>
    <message>
        <source>%1 stands alone, and a word of one letter is A or I; the other is placed already, so %2.</source>
        <translation>%1 steht allein, und ein englisches Wort aus einem Buchstaben ist A oder I; das andere ist schon gesetzt, also %2.</translation>
    </message>
    <message>
        <source>%1 stands alone, so it is A or I, and A is the commoner word: %2.</source>
        <translation>%1 steht allein, ist also A oder I, und A ist das häufigere Wort: %2.</translation>
    </message>
    <message>
        <source>%1 stands alone, so it is A or I; A does not read on here, so %2.</source>
        <translation>%1 steht allein, ist also A oder I; mit A geht es hier nicht weiter, also %2.</translation>
    </message>
    <message>
        <source>With the letters you have, only one common word fits %1: %2, so %3.</source>
        <translation>Mit Ihren Buchstaben passt nur ein gängiges Wort zu %1: %2, also %3.</translation>
    </message>
    <message>
        <source>%1 appears %2 and has %3 letters: %4 is the commonest such word, so %5.</source>
        <translation>%1 kommt %2 vor und hat %3 Buchstaben: %4 ist das häufigste Wort dieser Art, also %5.</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>Few words repeat their letters as %1 does, and %2 is the commonest of them: %3.</source>
        <translation>Wenige Wörter wiederholen ihre Buchstaben wie %1, und %2 ist das häufigste davon: %3.</translation>
    </message>
    <message>
        <source>Only %1 common words fit %2, and %3 is the likeliest: %4.</source>
        <translation>Nur %1 gängige Wörter passen zu %2, und %3 ist das wahrscheinlichste: %4.</translation>
    </message>
    <message>
        <source>Nothing is certain yet: %1 could be any of %2 common words. Try them in turn; %3 reads on, so %4.</source>
        <translation>Noch ist nichts sicher: %1 könnte jedes von %2 gängigen Wörtern sein. Probieren Sie sie der Reihe nach; mit %3 geht es weiter, also %4.</translation>
    </message>
    <message>
        <source>%1 appears %2: a short word that comes back is one of the commonest. %3 does not read on here, the next one, %4, does: %5.</source>
        <translation>%1 kommt %2 vor: Ein kurzes Wort, das wiederkehrt, ist eines der häufigsten. Mit %3 geht es hier nicht weiter, mit dem nächsten, %4, schon: %5.</translation>
    </message>
    <message>
        <source>Nothing gives %1 away yet: too many words fit it to try. It is %2, so %3.</source>
        <translation>Noch verrät nichts %1: Zu viele Wörter passen, um sie alle zu probieren. Es ist %2, also %3.</translation>
    </message>
    <message>
        <source>The rest is a name or a rare word, which no rule finds: %1 is %2, so %3.</source>
        <translation>Der Rest ist ein Name oder ein seltenes Wort, das keine Regel findet: %1 ist %2, also %3.</translation>
    </message>
    <message>
        <source>(No letter stands for itself, which rules out %1.)</source>
        <translation>(Kein Buchstabe steht für sich selbst, das schließt %1 aus.)</translation>
    </message>
    <message>
        <source>%1 is the commonest scrambled letter not placed yet (%2 times), and E is the commonest letter in English: %1=E.</source>
        <translation>%1 ist der häufigste verschlüsselte Buchstabe, der noch nicht gesetzt ist (%2-mal), und E ist der häufigste Buchstabe im Englischen: %1=E.</translation>
    </message>
    <message>
        <source>Only one common word has the shape of %1: %2, so %3.</source>
        <translation>Nur ein gängiges Wort hat die Form von %1: %2, also %3.</translation>
    </message>
    <message>
        <source>%1 appears %2, and a word that comes back is most often a common one: of the %3 common words that fit it, %4 reads on, so %5.</source>
        <translation>%1 kommt %2 vor, und ein Wort, das wiederkehrt, ist meist ein gängiges: Von den %3 gängigen Wörtern, die passen, geht es mit %4 weiter, also %5.</translation>
    </message>
    <message>
        <source>%1 is the commonest scrambled letter not placed yet (%2 times), and E is the commonest letter in German: %1=E.</source>
        <translation>%1 ist der häufigste verschlüsselte Buchstabe, der noch nicht gesetzt ist (%2-mal), und E ist der häufigste Buchstabe im Deutschen: %1=E.</translation>
    </message>
    <message>
        <source>in German</source>
        <translation>im Deutschen</translation>
    </message>
    <message>
        <source>in English</source>
        <translation>im Englischen</translation>
    </message>
    <message>
        <source>%1 stands %2 in the puzzle, and %3 is the commonest group of three letters %4: %5.</source>
        <translation>%1 steht %2 im Rätsel, und %3 ist die häufigste Gruppe von drei Buchstaben %4: %5.</translation>
    </message>
    <message>
        <source>%1 stands %2 in the puzzle, and %3 is one of the ten commonest groups of three letters %4: %5.</source>
        <translation>%1 steht %2 im Rätsel, und %3 ist eine der zehn häufigsten Gruppen von drei Buchstaben %4: %5.</translation>
    </message>
    <message>
        <source>%1 stands %2 in the puzzle, and %3 is the commonest pair of letters %4: %5.</source>
        <translation>%1 steht %2 im Rätsel, und %3 ist das häufigste Buchstabenpaar %4: %5.</translation>
    </message>
    <message>
        <source>%1 stands %2 in the puzzle, and %3 is one of the ten commonest pairs of letters %4: %5.</source>
        <translation>%1 steht %2 im Rätsel, und %3 ist eines der zehn häufigsten Buchstabenpaare %4: %5.</translation>
    </message>
    <message>
        <source>%1 is a doubled letter, and %2 is the commonest doubled letter %3: %4.</source>
        <translation>%1 ist ein doppelter Buchstabe, und %2 ist der häufigste doppelte Buchstabe %3: %4.</translation>
    </message>
    <message>
        <source>%1 is a doubled letter, and %2 is one of the five commonest doubled letters %3: %4.</source>
        <translation>%1 ist ein doppelter Buchstabe, und %2 ist einer der fünf häufigsten doppelten Buchstaben %3: %4.</translation>
    </message>
    <message>
        <source>%1 is among the commonest scrambled letters not placed yet (%2 times)</source>
        <translation>%1 ist einer der häufigsten verschlüsselten Buchstaben, die noch nicht gesetzt sind (%2-mal)</translation>
    </message>
    <message>
        <source>%1 is the commonest scrambled letter not placed yet (%2 times)</source>
        <translation>%1 ist der häufigste verschlüsselte Buchstabe, der noch nicht gesetzt ist (%2-mal)</translation>
    </message>
    <message>
        <source>%1, and %2 is the commonest letter %3: %4.</source>
        <translation>%1, und %2 ist der häufigste Buchstabe %3: %4.</translation>
    </message>
    <message>
        <source>%1, and %2 is one of the six commonest letters %3: %4.</source>
        <translation>%1, und %2 ist einer der sechs häufigsten Buchstaben %3: %4.</translation>
    </message>
    <message>
        <source>%1 is read from the letters around it: %2.</source>
        <translation>%1 ergibt sich aus den Buchstaben um ihn herum: %2.</translation>
    </message>
</context>
<context>
    <name>stats::GamesChart</name>
    <message>
        <source>Chart of the last %1 games</source>
        <translation>Diagramm der letzten %1 Spiele</translation>
    </message>
    <message>
        <source>No games played yet</source>
        <translation>Noch keine Spiele gespielt</translation>
    </message>
    <message>
        <source>No games played yet.</source>
        <translation>Noch keine Spiele gespielt.</translation>
    </message>
    <message>
        <source>Minutes of the last %1 games</source>
        <translation>Minuten der letzten %1 Spiele</translation>
    </message>
    <message>
        <source>solved</source>
        <translation>gelöst</translation>
    </message>
    <message>
        <source>shown</source>
        <translation>gezeigt</translation>
    </message>
    <message>
        <source>abandoned</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>average</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>The last %1 games: %2 solved, %3 shown with Solve, %4 abandoned; the longest took %5.</source>
        <translation>Die letzten %1 Spiele: %2 gelöst, %3 mit „Lösen“ gezeigt, %4 abgebrochen; das längste dauerte %5.</translation>
    </message>
    <message>
        <source> Games solved take %1 on average.</source>
        <translation> Gelöste Spiele dauern im Mittel %1.</translation>
    </message>
    <message>
        <source>game %1, %2, %3</source>
        <translation>Spiel %1, %2, %3</translation>
    </message>
    <message>
        <source>The last game: %2 solved, %3 shown with Solve, %4 abandoned; it took %5.</source>
        <translation>Das letzte Spiel: %2 gelöst, %3 mit „Lösen“ gezeigt, %4 abgebrochen; es dauerte %5.</translation>
    </message>
</context>
</TS>
