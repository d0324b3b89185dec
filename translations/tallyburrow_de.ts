<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AnswerLimit</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Settings not read</source>
        <translation>Einstellungen nicht gelesen</translation>
    </message>
    <message>
        <source>Helpfile not found</source>
        <translation>Hilfedatei nicht gefunden</translation>
    </message>
    <message>
        <source>Help is unavailable</source>
        <translation>Die Hilfe ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Tallyburrow (ver %1) - %2</source>
        <translation>Tallyburrow (Version %1) - %2</translation>
    </message>
</context>
<context>
    <name>ChartPainter</name>
    <message>
        <source>Percent correct</source>
        <translation>Prozent richtig</translation>
    </message>
</context>
<context>
    <name>ChartSeries</name>
    <message>
        <source>There are no test results to show yet.</source>
        <translation>Es gibt noch keine Testergebnisse zum Anzeigen.</translation>
    </message>
    <message>
        <source>%1: 1 test, %2 percent</source>
        <extracomment>the operation, then the percent correct of its one test</extracomment>
        <translation>%1: 1 Test, %2 Prozent</translation>
    </message>
    <message>
        <source>Percent correct of each test over time.</source>
        <translation>Prozent richtig bei jedem Test im Lauf der Zeit.</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>one sentence of the chart&apos;s description</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>1 test without a date, drawn on the day of the test before.</source>
        <translation>1 Test ohne Datum, eingezeichnet am Tag des vorherigen Tests.</translation>
    </message>
    <message numerus="yes">
        <source>%n tests without a date, drawn on the day of the test before.</source>
        <translation>
            <numerusform>%n Test ohne Datum, eingezeichnet am Tag des vorherigen Tests.</numerusform>
            <numerusform>%n Tests ohne Datum, jeweils eingezeichnet am Tag des vorherigen Tests.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 result of an unknown kind not drawn.</source>
        <translation>1 Ergebnis unbekannter Art nicht eingezeichnet.</translation>
    </message>
    <message numerus="yes">
        <source>%n results of an unknown kind not drawn.</source>
        <translation>
            <numerusform>%n Ergebnis unbekannter Art nicht eingezeichnet.</numerusform>
            <numerusform>%n Ergebnisse unbekannter Art nicht eingezeichnet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n tests, from %2 to %3 percent, latest %4</source>
        <extracomment>the operation, its number of tests, the lowest, the highest and the latest percent</extracomment>
        <translation>
            <numerusform>%1: %n Test, von %2 bis %3 Prozent, zuletzt %4</numerusform>
            <numerusform>%1: %n Tests, von %2 bis %3 Prozent, zuletzt %4</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Progress chart</source>
        <translation>Fortschrittsdiagramm</translation>
    </message>
</context>
<context>
    <name>ChartWindow</name>
    <message>
        <source>Progress chart</source>
        <translation>Fortschrittsdiagramm</translation>
    </message>
    <message>
        <source>Progress Chart - %1</source>
        <translation>Fortschrittsdiagramm - %1</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>das Bild konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>%1-chart.png</source>
        <comment>the file name offered: the child&apos;s name</comment>
        <translation>%1-Diagramm.png</translation>
    </message>
    <message>
        <source>Save Chart as PNG</source>
        <translation>Diagramm als PNG speichern</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Das Diagramm konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Diagramm drucken</translation>
    </message>
    <message>
        <source>The chart could not be printed.</source>
        <translation>Das Diagramm konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;NG...</source>
        <translation>Als P&amp;NG speichern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>ChildAnswers</name>
    <message>
        <source>it cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>The answer log %1 cannot be read whole: %2</source>
        <translation>Das Antwortprotokoll %1 kann nicht vollständig gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>ChildFile</name>
    <message>
        <source>the file is missing</source>
        <translation>die Datei fehlt</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine normale Datei</translation>
    </message>
</context>
<context>
    <name>ChildSession</name>
    <message>
        <source>Answers kept apart</source>
        <translation>Antworten getrennt aufbewahrt</translation>
    </message>
    <message>
        <source>Some answers of %1 from another computer could not be joined to the others yet:
%2

They are kept as they are and joined later.</source>
        <translation>Einige Antworten von %1 von einem anderen Computer konnten noch nicht zu den übrigen hinzugefügt werden:
%2

Sie werden unverändert aufbewahrt und später hinzugefügt.</translation>
    </message>
    <message>
        <source>Answers not kept</source>
        <translation>Antworten nicht aufbewahrt</translation>
    </message>
    <message>
        <source>The answers of %1 cannot be kept in
%2
(%3)

You can practise, and test results are saved as always, but the fluency map will not show today&apos;s answers. The file is left as it is; ask a grown-up to look at it.</source>
        <translation>Die Antworten von %1 können nicht aufbewahrt werden in:
%2
(%3)

Du kannst üben, und Testergebnisse werden wie immer gespeichert, aber die Lernstandskarte zeigt die Antworten von heute nicht. Die Datei bleibt unverändert; bitte einen Erwachsenen, sie sich anzusehen.</translation>
    </message>
    <message>
        <source>Results not kept</source>
        <translation>Ergebnisse nicht gesichert</translation>
    </message>
    <message>
        <source>The results of %1 could not be written to the disk in
%2
(%3)

They are saved at quit if the disk allows it then.</source>
        <translation>Die Ergebnisse von %1 konnten nicht auf den Datenträger geschrieben werden:
%2
(%3)

Sie werden beim Beenden gespeichert, wenn es dann möglich ist.</translation>
    </message>
    <message>
        <source>Results kept</source>
        <translation>Ergebnisse bleiben erhalten</translation>
    </message>
    <message>
        <source>%1 has more than %2 results now, the most a child&apos;s file holds.

Nothing is lost: the oldest results move to
%3
where the report and the chart still show them.</source>
        <translation>%1 hat jetzt mehr als %2 Ergebnisse – mehr passen nicht in die Datei eines Kindes.

Es geht nichts verloren: Die ältesten Ergebnisse kommen in die Datei
%3
Der Bericht und das Diagramm zeigen sie weiterhin.</translation>
    </message>
    <message>
        <source>Nothing can be saved</source>
        <translation>Speichern nicht möglich</translation>
    </message>
    <message>
        <source>Tallyburrow cannot save anything in the folder
%1
(%2)

You can practise, but no result will be kept. Ask a grown-up to check the folder.</source>
        <translation>Tallyburrow kann nichts speichern in diesem Ordner:
%1
(%2)

Du kannst üben, aber kein Ergebnis wird aufbewahrt. Bitte einen Erwachsenen, den Ordner zu prüfen.</translation>
    </message>
    <message>
        <source>Quit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>%1

Replace it with the highest Test ID printed now, %2?</source>
        <translation>%1

Soll sie durch eine neue Datei mit der höchsten jetzt gedruckten Testnummer (%2) ersetzt werden?</translation>
    </message>
    <message>
        <source>The highest Test ID could not be saved in
%1
(%2)</source>
        <translation>Die höchste Testnummer konnte nicht gespeichert werden in:
%1
(%2)</translation>
    </message>
    <message>
        <source>Data has changed... Save it before quiting?</source>
        <translation>Es wurde etwas geändert... Vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>The results of %1 are kept in
%2

They are saved in %1&apos;s file the next time %1 opens Tallyburrow while the file can be written.</source>
        <translation>Die Ergebnisse von %1 werden aufbewahrt in:
%2

Sie kommen in die Datei von %1, wenn %1 Tallyburrow das nächste Mal öffnet und die Datei dann beschrieben werden kann.</translation>
    </message>
    <message>
        <source>Close to quit now (the results are kept and offered again when %1 next opens Tallyburrow)</source>
        <translation>„Schließen“, um jetzt zu beenden (die Ergebnisse werden aufbewahrt und wieder angeboten, wenn %1 Tallyburrow das nächste Mal öffnet)</translation>
    </message>
    <message>
        <source>Discard to quit without saving</source>
        <translation>„Verwerfen“, um ohne Speichern zu beenden</translation>
    </message>
    <message>
        <source>The results of %1 could not be saved in
%2
(%3)

Retry to try again, %4, or Cancel to keep the program open.</source>
        <translation>Die Ergebnisse von %1 konnten nicht gespeichert werden in:
%2
(%3)

Wähle „Wiederholen“, um es noch einmal zu versuchen, %4, oder „Abbrechen“, damit das Programm offen bleibt.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: tallyburrow [options]</source>
        <translation>Aufruf: tallyburrow [Optionen]</translation>
    </message>
    <message>
        <source>Arithmetic tables practice for children.</source>
        <translation>Kinder üben die Rechenreihen.</translation>
    </message>
    <message>
        <source>Speak this language (de, es, fr or en) instead of the desktop&apos;s.</source>
        <translation>In dieser Sprache sprechen (de, es, fr oder en) statt in der Sprache des Desktops.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Shows every child of a Tallyburrow data folder in one table: tests taken, first and last test date, the latest and best percent correct of each kind, and how many facts of each operation the child knows. Only reads the folder.</source>
        <translation>Zeigt alle Kinder eines Tallyburrow-Datenordners in einer Tabelle: die Zahl der Tests, das Datum des ersten und des letzten Tests, das letzte und das beste Ergebnis in Prozent richtig für jede Rechenart und wie viele Aufgaben jeder Rechenart das Kind sicher kann. Liest den Ordner nur, ohne etwas zu ändern.</translation>
    </message>
    <message>
        <source>Read the child files of &lt;folder&gt; (default: %1).</source>
        <translation>Die Dateien der Kinder aus &lt;Ordner&gt; lesen (Standard: %1).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
</context>
<context>
    <name>ConfigureDialog</name>
    <message>
        <source>Configure Program</source>
        <translation>Programmoptionen</translation>
    </message>
    <message>
        <source>Add and Sub</source>
        <translation>Plus und Minus</translation>
    </message>
    <message>
        <source>Number of problems per min:</source>
        <translation>Aufgaben pro Minute:</translation>
    </message>
    <message>
        <source>Number Range to work with:</source>
        <translation>Zahlenbereich:</translation>
    </message>
    <message>
        <source>Add and Sub problems per minute</source>
        <translation>Plus und Minus: Aufgaben pro Minute</translation>
    </message>
    <message>
        <source>Add and Sub lowest number</source>
        <translation>Plus und Minus: kleinste Zahl</translation>
    </message>
    <message>
        <source>thru</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Add and Sub highest number</source>
        <translation>Plus und Minus: größte Zahl</translation>
    </message>
    <message>
        <source>Mult and Div</source>
        <translation>Mal und Geteilt</translation>
    </message>
    <message>
        <source>Mult and Div problems per minute</source>
        <translation>Mal und Geteilt: Aufgaben pro Minute</translation>
    </message>
    <message>
        <source>Mult and Div lowest number</source>
        <translation>Mal und Geteilt: kleinste Zahl</translation>
    </message>
    <message>
        <source>Mult and Div highest number</source>
        <translation>Mal und Geteilt: größte Zahl</translation>
    </message>
    <message>
        <source>Answer time limit:</source>
        <translation>Zeit pro Antwort:</translation>
    </message>
    <message>
        <source>Answer time limit</source>
        <translation>Zeit pro Antwort</translation>
    </message>
    <message>
        <source>Data Folder:</source>
        <translation>Datenordner:</translation>
    </message>
    <message>
        <source>Data Folder</source>
        <translation>Datenordner</translation>
    </message>
    <message>
        <source>Problems per minute must be a whole number from %1 to %2.</source>
        <translation>Die Aufgaben pro Minute müssen eine ganze Zahl von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>The numbers of a range must be whole numbers from %1 to %2.</source>
        <translation>Die Zahlen eines Bereichs müssen ganze Zahlen von %1 bis %2 sein.</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Larger</source>
        <translation>Größer</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Am größten</translation>
    </message>
    <message>
        <source>Text size:</source>
        <translation>Schriftgröße:</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Schriftgröße</translation>
    </message>
</context>
<context>
    <name>DialogControls</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>DrillOptionsDialog</name>
    <message>
        <source>Add</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Mix All</source>
        <translation>Alles gemischt</translation>
    </message>
    <message>
        <source>Mix Add+Sub</source>
        <translation>Plus + Minus</translation>
    </message>
    <message>
        <source>Mix Mult+Div</source>
        <translation>Mal + Geteilt</translation>
    </message>
    <message>
        <source>Choose a math function:</source>
        <translation>Wähle eine Rechenart:</translation>
    </message>
    <message>
        <source>Flash cards - Timer(secs):</source>
        <translation>Blitzkarten - Sekunden:</translation>
    </message>
    <message>
        <source>Seconds per flash card</source>
        <translation>Sekunden pro Blitzkarte</translation>
    </message>
    <message>
        <source>&amp;Practise the facts to learn</source>
        <translation>Aufgaben zum Lernen &amp;üben</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Drill Math Tables</source>
        <translation>Rechenreihen üben</translation>
    </message>
    <message>
        <source>Practise the facts to learn</source>
        <translation>Aufgaben zum Lernen üben</translation>
    </message>
</context>
<context>
    <name>FactSheet</name>
    <message>
        <source>Practice Sheet - %1</source>
        <translation>Übungsblatt - %1</translation>
    </message>
    <message>
        <source>Look</source>
        <translation>Anschauen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Abschreiben</translation>
    </message>
    <message>
        <source>Cover and write</source>
        <translation>Zudecken und schreiben</translation>
    </message>
    <message>
        <source>One-Minute Check - %1</source>
        <translation>Minutentest - %1</translation>
    </message>
    <message>
        <source>Answer Key - One-Minute Check - %1</source>
        <translation>Lösungen - Minutentest - %1</translation>
    </message>
    <message>
        <source>Name: ____________________   Date: ____________</source>
        <translation>Name: ____________________   Datum: ____________</translation>
    </message>
    <message>
        <source>Practice Sheet</source>
        <translation>Übungsblatt</translation>
    </message>
    <message>
        <source>Look at the fact, copy it, then cover it and write it.</source>
        <translation>Schau dir die Aufgabe an, schreib sie ab, deck sie dann zu und schreib sie auf.</translation>
    </message>
    <message>
        <source>One-Minute Check</source>
        <translation>Minutentest</translation>
    </message>
    <message>
        <source>Time: 1 minute</source>
        <translation>Zeit: 1 Minute</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>it is far larger than it can be</source>
        <translation>viel größer als möglich</translation>
    </message>
    <message>
        <source>it is a link to another file</source>
        <translation>ein Verweis auf eine andere Datei</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>keine Datei</translation>
    </message>
</context>
<context>
    <name>FileWrite</name>
    <message>
        <source>the disk is full or failing</source>
        <translation>der Datenträger ist voll oder defekt</translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message>
        <source>Enter text: </source>
        <translation>Suchtext: </translation>
    </message>
    <message>
        <source>Text to find</source>
        <translation>Gesuchter Text</translation>
    </message>
    <message>
        <source>Whole word</source>
        <translation>Ganzes Wort</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Text to Find</source>
        <translation>Text suchen</translation>
    </message>
</context>
<context>
    <name>Fluency</name>
    <message numerus="yes">
        <source>%1 of %n known</source>
        <extracomment>the known facts of all the facts of a grid</extracomment>
        <translation>
            <numerusform>%1 von %n sicher</numerusform>
            <numerusform>%1 von %n sicher</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FluencyMap</name>
    <message>
        <source>%1 %2</source>
        <comment>a mark, then its meaning</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 plus %2</source>
        <translation>%1 plus %2</translation>
    </message>
    <message>
        <source>%1 minus %2</source>
        <translation>%1 minus %2</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 mal %2</translation>
    </message>
    <message>
        <source>%1 divided by %2</source>
        <translation>%1 geteilt durch %2</translation>
    </message>
    <message>
        <source>known</source>
        <translation>sicher</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>langsam</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>noch nicht sicher</translation>
    </message>
    <message>
        <source>not tried</source>
        <translation>nicht geübt</translation>
    </message>
    <message>
        <source>%1: known, %2 seconds</source>
        <translation>%1: sicher, %2 Sekunden</translation>
    </message>
    <message>
        <source>%1: slow, %2 seconds</source>
        <translation>%1: langsam, %2 Sekunden</translation>
    </message>
    <message>
        <source>%1: not yet</source>
        <translation>%1: noch nicht sicher</translation>
    </message>
    <message>
        <source>%1: not tried</source>
        <translation>%1: nicht geübt</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n known</source>
        <comment>the operation, then its known facts of all its facts</comment>
        <translation>
            <numerusform>%1: %2 von %n sicher</numerusform>
            <numerusform>%1: %2 von %n sicher</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FluencyMapWindow</name>
    <message>
        <source>Fluency Map - %1</source>
        <translation>Lernstandskarte - %1</translation>
    </message>
    <message>
        <source>Known: right twice in a row, each time within %1 seconds.</source>
        <translation>Sicher: zweimal hintereinander richtig, jedes Mal in höchstens %1 Sekunden.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Practice &amp;sheet...</source>
        <translation>Übungs&amp;blatt...</translation>
    </message>
    <message>
        <source>&amp;One-minute check...</source>
        <translation>&amp;Minutentest...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Print Fluency Map</source>
        <translation>Lernstandskarte drucken</translation>
    </message>
    <message>
        <source>The fluency map could not be saved as %1.</source>
        <translation>Die Lernstandskarte konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The fluency map could not be printed.</source>
        <translation>Die Lernstandskarte konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The child&apos;s number range holds no %1 facts.</source>
        <translation>Im Zahlenbereich des Kindes gibt es keine %1-Aufgaben.</translation>
    </message>
    <message>
        <source>Every %1 fact in the child&apos;s number range is known: there is nothing left to practise on paper.</source>
        <translation>Alle %1-Aufgaben im Zahlenbereich des Kindes sitzen sicher: Auf Papier gibt es nichts mehr zu üben.</translation>
    </message>
    <message>
        <source>Operations</source>
        <translation>Rechenarten</translation>
    </message>
</context>
<context>
    <name>GreetingDialog</name>
    <message>
        <source>Tallyburrow - Ver %1</source>
        <translation>Tallyburrow - Version %1</translation>
    </message>
    <message>
        <source>%1 is selected</source>
        <translation>%1 ist ausgewählt</translation>
    </message>
    <message>
        <source>Greetings - Glad you&apos;re here</source>
        <translation>Hallo - schön, dass du da bist!</translation>
    </message>
    <message>
        <source>Please give me your name...</source>
        <translation>Bitte sag mir deinen Namen...</translation>
    </message>
    <message>
        <source>I am a new kid here, and my name is:</source>
        <translation>Ich bin neu hier und heiße:</translation>
    </message>
    <message>
        <source>Click Ok and then one of the three mode buttons in the top toolbar... [Learn-Drill-Test]</source>
        <translation>Klicke auf OK und dann oben auf einen der drei Knöpfe... [Lernen-Üben-Test]</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>%1
Please type your name again.</source>
        <translation>%1
Bitte gib deinen Namen noch einmal ein.</translation>
    </message>
</context>
<context>
    <name>HelpFile</name>
    <message>
        <source>Help File</source>
        <translation>Hilfedatei</translation>
    </message>
    <message>
        <source>No help available</source>
        <translation>Keine Hilfe verfügbar</translation>
    </message>
    <message>
        <source>No help content</source>
        <translation>Die Hilfe hat keinen Inhalt</translation>
    </message>
</context>
<context>
    <name>HelpPrint</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>None found</source>
        <translation>Nichts gefunden</translation>
    </message>
    <message>
        <source>No more found</source>
        <translation>Keine weiteren Treffer</translation>
    </message>
    <message>
        <source>  Right click mouse (or F10) for menu options</source>
        <translation>  Rechtsklick (oder F10) öffnet das Menü</translation>
    </message>
    <message>
        <source>Help topics and text</source>
        <translation>Hilfethemen und Text</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Heading band</source>
        <translation>Überschriftenleiste</translation>
    </message>
    <message>
        <source>Application Help</source>
        <translation>Programmhilfe</translation>
    </message>
    <message>
        <source>Help status</source>
        <translation>Statuszeile der Hilfe</translation>
    </message>
    <message>
        <source>Find text	CTRL+F</source>
        <translation>Text suchen	Strg+F</translation>
    </message>
    <message>
        <source>Next	F3</source>
        <translation>Weitersuchen	F3</translation>
    </message>
    <message>
        <source>Prev	SHFT+F3</source>
        <translation>Rückwärts suchen	Umschalt+F3</translation>
    </message>
    <message>
        <source>Find cancel	Escape</source>
        <translation>Suche beenden	Esc</translation>
    </message>
    <message>
        <source>Expand topics</source>
        <translation>Alle Themen aufklappen</translation>
    </message>
    <message>
        <source>Collapse topics</source>
        <translation>Alle Themen zuklappen</translation>
    </message>
    <message>
        <source>Print text	CTRL+P</source>
        <translation>Text drucken	Strg+P</translation>
    </message>
    <message>
        <source>Print item	CTRL+P</source>
        <translation>Thema drucken	Strg+P</translation>
    </message>
</context>
<context>
    <name>LearnOptionsDialog</name>
    <message>
        <source>Add</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Learn for this number:</source>
        <translation>Lernen mit der Zahl:</translation>
    </message>
    <message>
        <source>Learn for this number</source>
        <translation>Lernen mit der Zahl</translation>
    </message>
    <message>
        <source>Choose a math function:</source>
        <translation>Wähle eine Rechenart:</translation>
    </message>
    <message>
        <source>Show all answers</source>
        <translation>Alle Lösungen zeigen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Learn Math Tables</source>
        <translation>Rechenreihen lernen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Learn</source>
        <translation>&amp;Lernen</translation>
    </message>
    <message>
        <source>&amp;Drill</source>
        <translation>&amp;Üben</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Bericht</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Happy face: well done</source>
        <translation>Lachendes Gesicht: gut gemacht</translation>
    </message>
    <message>
        <source>Time used</source>
        <translation>Verbrauchte Zeit</translation>
    </message>
    <message>
        <source>Tallyburrow help</source>
        <translation>Tallyburrow-Hilfe</translation>
    </message>
</context>
<context>
    <name>MathTestDialog</name>
    <message>
        <source>Add</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Mix All</source>
        <translation>Alles gemischt</translation>
    </message>
    <message>
        <source>Mix Add+Sub</source>
        <translation>Plus + Minus</translation>
    </message>
    <message>
        <source>Mix Mul+Div</source>
        <translation>Mal + Geteilt</translation>
    </message>
    <message>
        <source>Amount of time (mins):</source>
        <translation>Zeit (Minuten):</translation>
    </message>
    <message>
        <source>Amount of time in minutes</source>
        <translation>Zeit in Minuten</translation>
    </message>
    <message>
        <source>Choose one to test:</source>
        <translation>Wähle einen Test:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Math Test</source>
        <translation>Rechentest</translation>
    </message>
</context>
<context>
    <name>MessageWindow</name>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>OperationKind</name>
    <message>
        <source>Add</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Add/Sub</source>
        <translation>Plus/Minus</translation>
    </message>
    <message>
        <source>Mult/Div</source>
        <translation>Mal/Geteilt</translation>
    </message>
</context>
<context>
    <name>OverviewExport</name>
    <message>
        <source>Tallyburrow class overview</source>
        <translation>Tallyburrow-Klassenübersicht</translation>
    </message>
    <message>
        <source>Folder %1, printed %2</source>
        <extracomment>the data folder, then the day it was printed</extracomment>
        <translation>Ordner %1, gedruckt am %2</translation>
    </message>
</context>
<context>
    <name>OverviewModel</name>
    <message>
        <source>%1 (cannot be read)</source>
        <translation>%1 (nicht lesbar)</translation>
    </message>
    <message>
        <source>%1 (damaged file)</source>
        <translation>%1 (Datei beschädigt)</translation>
    </message>
</context>
<context>
    <name>OverviewRow</name>
    <message>
        <source>%1 known</source>
        <extracomment>A column of the class overview: how many facts of the operation the child knows.</extracomment>
        <translation>%1 sicher</translation>
    </message>
    <message>
        <source>Child</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>First test</source>
        <translation>Erster Test</translation>
    </message>
    <message>
        <source>Last test</source>
        <translation>Letzter Test</translation>
    </message>
    <message>
        <source>%1 latest</source>
        <extracomment>A column of the class overview: the latest percent correct of the kind.</extracomment>
        <translation>%1 zuletzt</translation>
    </message>
    <message>
        <source>%1 best</source>
        <extracomment>A column of the class overview: the best percent correct of the kind.</extracomment>
        <translation>%1 bestes</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>The folder cannot be found or opened.</source>
        <translation>Der Ordner wurde nicht gefunden oder lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>This folder holds no child files.</source>
        <translation>In diesem Ordner liegen keine Dateien von Kindern.</translation>
    </message>
    <message>
        <source>1 child.</source>
        <translation>1 Kind.</translation>
    </message>
    <message>
        <source>1 child, 1 file could not be read whole.</source>
        <translation>1 Kind, 1 Datei konnte nicht vollständig gelesen werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n children.</source>
        <translation>
            <numerusform>%n Kind.</numerusform>
            <numerusform>%n Kinder.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n children, 1 file could not be read whole.</source>
        <translation>
            <numerusform>%n Kind, 1 Datei konnte nicht vollständig gelesen werden.</numerusform>
            <numerusform>%n Kinder, 1 Datei konnte nicht vollständig gelesen werden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 children, %n files could not be read whole.</source>
        <extracomment>%1 is the number of children, more than the files</extracomment>
        <translation>
            <numerusform>%1 Kinder, %n Datei konnte nicht vollständig gelesen werden.</numerusform>
            <numerusform>%1 Kinder, %n Dateien konnten nicht vollständig gelesen werden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Children whose answers could not be read whole (&quot;?&quot;): %n.</source>
        <translation>
            <numerusform>Kinder, deren Antworten nicht vollständig gelesen werden konnten („?“): %n.</numerusform>
            <numerusform>Kinder, deren Antworten nicht vollständig gelesen werden konnten („?“): %n.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OverviewWindow</name>
    <message>
        <source>%1 Counting the facts each child knows...</source>
        <translation>%1 Die sicheren Aufgaben jedes Kindes werden gezählt...</translation>
    </message>
    <message>
        <source>The map shows only the answers that could be read.
%1</source>
        <translation>Die Karte zeigt nur die Antworten, die gelesen werden konnten.
%1</translation>
    </message>
    <message>
        <source>Tallyburrow class overview</source>
        <translation>Tallyburrow-Klassenübersicht</translation>
    </message>
    <message>
        <source>Children in %1</source>
        <translation>Kinder in %1</translation>
    </message>
    <message>
        <source>Children</source>
        <translation>Kinder</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved as %1.</source>
        <translation>Die Tabelle konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The table could not be printed.</source>
        <translation>Die Tabelle konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The file of %1 cannot be read: %2.</source>
        <translation>Die Datei von %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Fluency &amp;map</source>
        <translation>&amp;Lernstandskarte</translation>
    </message>
    <message>
        <source>Open &amp;Chart</source>
        <translation>Dia&amp;gramm öffnen</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>PendingPdf</name>
    <message>
        <source>the PDF could not be written whole; the disk may be full, or the printer failed</source>
        <translation>die PDF-Datei konnte nicht vollständig geschrieben werden; vielleicht ist der Datenträger voll oder der Drucker ist ausgefallen</translation>
    </message>
</context>
<context>
    <name>PracticeText</name>
    <message>
        <source>Learning for number%1  (%2)</source>
        <extracomment>%1 is the number with a space before it when not negative, %2 the operation</extracomment>
        <translation>Lernen mit der Zahl%1  (%2)</translation>
    </message>
    <message>
        <source>Drill Mode - %1</source>
        <translation>Üben - %1</translation>
    </message>
    <message>
        <source>  (%1 correct out of%2)</source>
        <extracomment>%2 has a space before it when not negative</extracomment>
        <translation>  (%1 von%2 richtig)</translation>
    </message>
    <message>
        <source>Test Mode - %1  (%2 correct out of%3)</source>
        <extracomment>%1 the operation; %3 has a space before it when not negative</extracomment>
        <translation>Test - %1  (%2 von%3 richtig)</translation>
    </message>
    <message>
        <source>Correct answer is: %1</source>
        <extracomment>%1 has a space before it when not negative</extracomment>
        <translation>Die richtige Antwort ist: %1</translation>
    </message>
    <message>
        <source>%1 ? %2 equals</source>
        <translation>%1 ? %2 ist</translation>
    </message>
    <message>
        <source>%1 plus %2 equals</source>
        <translation>%1 plus %2 ist</translation>
    </message>
    <message>
        <source>%1 minus %2 equals</source>
        <translation>%1 minus %2 ist</translation>
    </message>
    <message>
        <source>%1 times %2 equals</source>
        <translation>%1 mal %2 ist</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals</source>
        <translation>%1 geteilt durch %2 ist</translation>
    </message>
    <message>
        <source>%1 ? %2 equals %3</source>
        <translation>%1 ? %2 ist %3</translation>
    </message>
    <message>
        <source>%1 plus %2 equals %3</source>
        <translation>%1 plus %2 ist %3</translation>
    </message>
    <message>
        <source>%1 minus %2 equals %3</source>
        <translation>%1 minus %2 ist %3</translation>
    </message>
    <message>
        <source>%1 times %2 equals %3</source>
        <translation>%1 mal %2 ist %3</translation>
    </message>
    <message>
        <source>%1 divided by %2 equals %3</source>
        <translation>%1 geteilt durch %2 ist %3</translation>
    </message>
    <message>
        <source>Test over: %1 correct out of %2</source>
        <translation>Test vorbei: %1 von %2 richtig</translation>
    </message>
    <message>
        <source>Facts to learn - %1</source>
        <translation>Aufgaben zum Lernen - %1</translation>
    </message>
    <message>
        <source>Not quite: the answer is %1</source>
        <translation>Nicht ganz: Die Lösung ist %1</translation>
    </message>
    <message>
        <source>You know all these facts - well done!</source>
        <translation>Du kannst schon alle diese Aufgaben - toll gemacht!</translation>
    </message>
    <message>
        <source>Well done! Keep practising and you will know them all.</source>
        <translation>Gut gemacht! Übe weiter, dann kannst du bald alle.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>a list of facts goes on: the list so far, then the next fact</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>You learned %1 today!</source>
        <extracomment>%1 is the list of facts learned, &quot;7 x 8 and 6 x 7&quot;</extracomment>
        <translation>Heute hast du %1 gelernt!</translation>
    </message>
    <message>
        <source>Enter --&gt; Begin</source>
        <translation>Enter --&gt; Start</translation>
    </message>
    <message>
        <source>Enter --&gt; Next</source>
        <translation>Enter --&gt; Weiter</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Space --&gt; Answer</source>
        <translation>Leertaste --&gt; Lösung</translation>
    </message>
    <message>
        <source>Correct answer - very good...</source>
        <translation>Richtig - sehr gut...</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>*** WRONG ANSWER ***</source>
        <translation>*** FALSCHE ANTWORT ***</translation>
    </message>
    <message>
        <source>Time&apos;s up</source>
        <translation>Zeit ist um!</translation>
    </message>
    <message>
        <source>Right! Next time faster.</source>
        <translation>Richtig! Nächstes Mal schneller.</translation>
    </message>
    <message>
        <source>Type the number you see</source>
        <translation>Tippe die Zahl, die du siehst</translation>
    </message>
    <message>
        <source>All typed - thank you!</source>
        <translation>Alles getippt - danke!</translation>
    </message>
    <message>
        <source>Typing check</source>
        <translation>Tipptest</translation>
    </message>
    <message>
        <source>%1 correct out of %2</source>
        <translation>%1 von %2 richtig</translation>
    </message>
    <message>
        <source>Learning for number %1, %2</source>
        <translation>Lernen mit der Zahl %1, %2</translation>
    </message>
    <message>
        <source>Test Mode - %1, %2 correct out of %3</source>
        <translation>Test - %1, %2 von %3 richtig</translation>
    </message>
</context>
<context>
    <name>PrintTestDialog</name>
    <message>
        <source>Add</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Mul</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Add/Sub</source>
        <translation>Plus/Minus</translation>
    </message>
    <message>
        <source>Mul/Div</source>
        <translation>Mal/Geteilt</translation>
    </message>
    <message>
        <source>Test ID</source>
        <translation>Testnummer</translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation>Anzahl der Kopien</translation>
    </message>
    <message>
        <source>Problem types</source>
        <translation>Aufgabenart</translation>
    </message>
    <message>
        <source>Answers to last page printed</source>
        <translation>Lösungen auf die letzte Seite drucken</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Print Test Pages</source>
        <translation>Testblätter drucken</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a problem type.
Choose one from the list.</source>
        <translation>„%1“ ist keine Aufgabenart.
Bitte eine aus der Liste wählen.</translation>
    </message>
</context>
<context>
    <name>PrintWhole</name>
    <message>
        <source>the printer reported an error</source>
        <translation>der Drucker hat einen Fehler gemeldet</translation>
    </message>
</context>
<context>
    <name>ProblemCount</name>
    <message>
        <source>Number of problems =%1</source>
        <extracomment>%1 is the count with a blank before it (&quot; 120&quot;)</extracomment>
        <translation>Anzahl der Aufgaben:%1</translation>
    </message>
</context>
<context>
    <name>ProgressReportWindow</name>
    <message>
        <source>Score history</source>
        <translation>Ergebnisverlauf</translation>
    </message>
    <message>
        <source>Percent correct</source>
        <translation>Prozent richtig</translation>
    </message>
    <message>
        <source>Correct / Total</source>
        <translation>Richtig / Gesamt</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>C&amp;hart</source>
        <translation>&amp;Diagramm</translation>
    </message>
    <message>
        <source>&amp;Fluency map</source>
        <translation>&amp;Lernstandskarte</translation>
    </message>
    <message>
        <source>Report Progress</source>
        <translation>Fortschrittsbericht</translation>
    </message>
    <message>
        <source>Score history: no results yet</source>
        <translation>Ergebnisverlauf: noch keine Ergebnisse</translation>
    </message>
    <message>
        <source>Score history: 1 result. %1</source>
        <extracomment>%1 is the first result&apos;s row, &quot;03-15-2006, Add 71.43&quot;</extracomment>
        <translation>Ergebnisverlauf: 1 Ergebnis. %1</translation>
    </message>
    <message numerus="yes">
        <source>Score history: %n results. %1</source>
        <translation>
            <numerusform>Ergebnisverlauf: %n Ergebnis. %1</numerusform>
            <numerusform>Ergebnisverlauf: %n Ergebnisse. %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QtPrintDevice</name>
    <message>
        <source>The PDF could not be saved as %1.
(%2)</source>
        <translation>Die PDF-Datei konnte nicht als %1 gespeichert werden.
(%2)</translation>
    </message>
    <message>
        <source>Printer Error</source>
        <translation>Druckerfehler</translation>
    </message>
</context>
<context>
    <name>ReportRows</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Add </source>
        <translation>Plus </translation>
    </message>
    <message>
        <source>Sub </source>
        <translation>Minus </translation>
    </message>
    <message>
        <source>Mult</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Div </source>
        <translation>Geteilt </translation>
    </message>
    <message>
        <source>Mix </source>
        <translation>Gemischt </translation>
    </message>
    <message>
        <source>Add/Sub</source>
        <translation>Plus/Minus</translation>
    </message>
    <message>
        <source>Mul/Div</source>
        <translation>Mal/Geteilt</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a column&apos;s heading, then its result</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>ResultArchive</name>
    <message>
        <source>it is not a Tallyburrow archive</source>
        <translation>kein Tallyburrow-Archiv</translation>
    </message>
    <message>
        <source>the archive %1 cannot be read: %2</source>
        <translation>das Archiv %1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>ResultsText</name>
    <message>
        <source>Test%1 Results</source>
        <extracomment>%1 is the number of tests with a blank before it (&quot; 4&quot;)</extracomment>
        <translation>Ergebnisse Test%1</translation>
    </message>
    <message>
        <source>Percent correct = %1
%2 Correct out of%3</source>
        <extracomment>%2 and %3 are counts with a blank before each (&quot; 17&quot;, &quot; 20&quot;)</extracomment>
        <translation>Prozent richtig = %1
%2 von%3 richtig</translation>
    </message>
</context>
<context>
    <name>ResultsWindow</name>
    <message>
        <source>Problems with wrong answers:</source>
        <translation>Falsch beantwortete Aufgaben:</translation>
    </message>
    <message>
        <source>Problems with wrong answers</source>
        <translation>Falsch beantwortete Aufgaben</translation>
    </message>
    <message>
        <source>Ans:</source>
        <translation>Lösung:</translation>
    </message>
    <message>
        <source>Correct answer</source>
        <translation>Richtige Antwort</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1 no answer</source>
        <translation>%1 keine Antwort</translation>
    </message>
    <message>
        <source>First: %1, correct answer %2</source>
        <translation>Erste Aufgabe: %1, richtige Antwort %2</translation>
    </message>
</context>
<context>
    <name>SaveScoreDialog</name>
    <message>
        <source>Save Test Score</source>
        <translation>Testergebnis speichern</translation>
    </message>
    <message>
        <source>Test date</source>
        <translation>Testdatum</translation>
    </message>
    <message>
        <source>Problem types</source>
        <translation>Aufgabenart</translation>
    </message>
    <message>
        <source>Number correct</source>
        <translation>Anzahl richtig</translation>
    </message>
    <message>
        <source>Number of problems</source>
        <translation>Anzahl der Aufgaben</translation>
    </message>
    <message>
        <source>Correct out of:</source>
        <translation>richtig von:</translation>
    </message>
</context>
<context>
    <name>ScoreEntry</name>
    <message>
        <source>The number of problems must be a whole number from 0 to %1.</source>
        <translation>Die Anzahl der Aufgaben muss eine ganze Zahl von 0 bis %1 sein.</translation>
    </message>
    <message>
        <source>The number correct must be a whole number from 0 to %1.</source>
        <translation>Die Anzahl richtiger Antworten muss eine ganze Zahl von 0 bis %1 sein.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Minus</translation>
    </message>
    <message>
        <source>Mul</source>
        <translation>Mal</translation>
    </message>
    <message>
        <source>Div</source>
        <translation>Geteilt</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Add/Sub</source>
        <translation>Plus/Minus</translation>
    </message>
    <message>
        <source>Mul/Div</source>
        <translation>Mal/Geteilt</translation>
    </message>
</context>
<context>
    <name>ScreenReaderNotice</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>SessionJournal</name>
    <message>
        <source>it is damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>Results of %1 that were not saved lie in
%2
but cannot be read (%3). The file is left as it is.</source>
        <translation>Nicht gespeicherte Ergebnisse von %1 liegen in
%2
Sie können aber nicht gelesen werden (%3). Die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source>%1 test result(s)</source>
        <translation>Testergebnisse: %1</translation>
    </message>
    <message>
        <source>the number ranges or problems per minute from Config</source>
        <translation>Zahlenbereiche oder Aufgaben pro Minute aus den Optionen</translation>
    </message>
    <message>
        <source>the last Learn choice</source>
        <translation>die letzte Auswahl bei Lernen</translation>
    </message>
    <message>
        <source>Tallyburrow was closed before these results of %1 were saved:

%2

They are from the session that began on %3 at %4 on the computer %5.
Keep them in %1&apos;s file?</source>
        <translation>Tallyburrow wurde beendet, bevor diese Ergebnisse von %1 gespeichert waren:

%2

Sie stammen aus der Sitzung, die am %3 um %4 Uhr auf dem Computer %5 begann.
Behalten und in der Datei von %1 speichern?</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>it does not hold a Test ID number the program can use</source>
        <translation>sie enthält keine Testnummer, die das Programm verwenden kann</translation>
    </message>
    <message>
        <source>The settings file
%1
cannot be read (%2).

It holds the highest Test ID printed so far, so new test pages may repeat an earlier Test ID. The file is left as it is.</source>
        <translation>Die Einstellungsdatei
%1
kann nicht gelesen werden (%2).

Sie enthält die höchste bisher gedruckte Testnummer; neue Testblätter können deshalb eine frühere Testnummer noch einmal tragen. Die Datei bleibt unverändert.</translation>
    </message>
</context>
<context>
    <name>SpokenPractice</name>
    <message>
        <source>Press Enter to begin</source>
        <translation>Drücke Enter zum Starten</translation>
    </message>
    <message>
        <source>Press Enter to stop</source>
        <translation>Drücke Enter zum Aufhören</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 Sekunde</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Antwort: %1</translation>
    </message>
    <message>
        <source>Time used: %1 of %2</source>
        <translation>Zeit verbraucht: %1 von %2</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
    <message>
        <source>1 minute left</source>
        <translation>noch 1 Minute</translation>
    </message>
    <message>
        <source>%1 minutes left</source>
        <translation>noch %1 Minuten</translation>
    </message>
</context>
<context>
    <name>StudentFile</name>
    <message>
        <source>not a Tallyburrow child file</source>
        <translation>keine Tallyburrow-Datei eines Kindes</translation>
    </message>
    <message>
        <source>the file is cut short</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>the file is cut short: %1 of %2 results could be read</source>
        <translation>die Datei ist abgeschnitten: %1 von %2 Ergebnissen waren lesbar</translation>
    </message>
    <message>
        <source>its first bytes are not those of a Tallyburrow child file; %1 results behind them could be read</source>
        <translation>der Dateianfang passt nicht zu einer Tallyburrow-Datei eines Kindes; %1 Ergebnisse dahinter waren lesbar</translation>
    </message>
    <message>
        <source>it is not a Tallyburrow child file</source>
        <translation>sie ist keine Tallyburrow-Datei eines Kindes</translation>
    </message>
</context>
<context>
    <name>StudentName</name>
    <message>
        <source>A name cannot contain control characters.</source>
        <translation>Ein Name darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A name cannot contain any of these characters: / \ : * ? &quot; &lt; &gt; |</source>
        <translation>Ein Name darf keines dieser Zeichen enthalten: / \ : * ? &quot; &lt; &gt; |</translation>
    </message>
    <message>
        <source>This name is too long. Please type a shorter name.</source>
        <translation>Dieser Name ist zu lang. Bitte gib einen kürzeren Namen ein.</translation>
    </message>
    <message>
        <source>A name cannot end with a blank.</source>
        <translation>Ein Name darf nicht mit einem Leerzeichen enden.</translation>
    </message>
    <message>
        <source>This name is reserved by the computer. Please choose another name.</source>
        <translation>Diesen Namen braucht der Computer selbst. Bitte wähle einen anderen Namen.</translation>
    </message>
</context>
<context>
    <name>StudentOpening</name>
    <message>
        <source>Take over</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Choose another name</source>
        <translation>Anderen Namen wählen</translation>
    </message>
    <message>
        <source>Results not saved</source>
        <translation>Ergebnisse nicht gespeichert</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>The results are kept, but could not be saved in
%1
(%2)

They are saved at quit, or offered again next time.</source>
        <translation>Die Ergebnisse werden aufbewahrt, konnten aber nicht gespeichert werden in:
%1
(%2)

Sie werden beim Beenden gespeichert oder beim nächsten Mal wieder angeboten.</translation>
    </message>
    <message>
        <source>The other copy&apos;s lock could not be taken over: the results are kept and saved once it has closed.</source>
        <translation>Die Sperre des anderen Tallyburrow-Fensters konnte nicht übernommen werden: Die Ergebnisse werden aufbewahrt und gespeichert, sobald es geschlossen ist.</translation>
    </message>
</context>
<context>
    <name>StudentSession</name>
    <message>
        <source>the file could not be read when it was opened</source>
        <translation>die Datei war beim Öffnen nicht lesbar</translation>
    </message>
    <message>
        <source>it is open in another copy of Tallyburrow</source>
        <translation>sie ist in einem anderen Tallyburrow-Fenster geöffnet</translation>
    </message>
    <message>
        <source>Results are damaged</source>
        <translation>Ergebnisse beschädigt</translation>
    </message>
    <message>
        <source>Results cannot be opened</source>
        <translation>Ergebnisse lassen sich nicht öffnen</translation>
    </message>
    <message>
        <source>Go on without saving</source>
        <translation>Ohne Speichern weiter</translation>
    </message>
    <message>
        <source>the lock file %1: %2</source>
        <translation>die Sperrdatei %1: %2</translation>
    </message>
    <message>
        <source>Already open</source>
        <translation>Schon geöffnet</translation>
    </message>
    <message>
        <source>Open read-only</source>
        <translation>Schreibgeschützt öffnen</translation>
    </message>
    <message>
        <source>The results of %1 cannot be opened:
%2
(%3)

The file is left as it is. You can go on without saving in it (today&apos;s results are kept beside it, and added once it can be read), or choose another name.</source>
        <translation>Die Ergebnisse von %1 lassen sich nicht öffnen:
%2
(%3)

Die Datei bleibt unverändert. Du kannst weitermachen, ohne darin zu speichern (die Ergebnisse von heute werden daneben aufbewahrt und hinzugefügt, sobald sie lesbar ist), oder einen anderen Namen wählen.</translation>
    </message>
    <message>
        <source>%1 is already open in another copy of Tallyburrow.</source>
        <translation>%1 ist schon in einem anderen Tallyburrow-Fenster geöffnet.</translation>
    </message>
    <message>
        <source>%1 is already open in another copy of Tallyburrow on the computer %2.</source>
        <translation>%1 ist schon in einem anderen Tallyburrow-Fenster auf dem Computer %2 geöffnet.</translation>
    </message>
    <message>
        <source>%1 is already open in another copy of Tallyburrow since %2 at %3.</source>
        <translation>%1 ist seit %2 um %3 Uhr in einem anderen Tallyburrow-Fenster geöffnet.</translation>
    </message>
    <message>
        <source>%1 is already open in another copy of Tallyburrow on the computer %2 since %3 at %4.</source>
        <translation>%1 ist seit %3 um %4 Uhr in einem anderen Tallyburrow-Fenster auf dem Computer %2 geöffnet.</translation>
    </message>
    <message>
        <source>%1
(The lock file is %2.)

You can open it read-only (results are kept and saved once the other copy has closed), or choose another name.</source>
        <translation>%1
(Die Sperrdatei ist %2.)

Du kannst schreibgeschützt öffnen (die Ergebnisse werden aufbewahrt und gespeichert, sobald das andere Fenster geschlossen ist) oder einen anderen Namen wählen.</translation>
    </message>
    <message>
        <source>If no copy of Tallyburrow has %1 open any more (the other computer was switched off, say), you can take it over.</source>
        <translation>Wenn %1 in keinem Tallyburrow-Fenster mehr geöffnet ist (zum Beispiel, weil der andere Computer ausgeschaltet wurde), kannst du übernehmen.</translation>
    </message>
</context>
<context>
    <name>TestOptionsDialog</name>
    <message>
        <source>Take test on computer</source>
        <translation>Test am Computer</translation>
    </message>
    <message>
        <source>Print test pages</source>
        <translation>Testblätter drucken</translation>
    </message>
    <message>
        <source>Report printed test</source>
        <translation>Papiertest eintragen</translation>
    </message>
    <message>
        <source>Test Options</source>
        <translation>Testauswahl</translation>
    </message>
</context>
<context>
    <name>TestPage</name>
    <message>
        <source>Test No.%1 - %2</source>
        <extracomment>%1 is the test&apos;s number with a space before it when not negative, %2 the problem type</extracomment>
        <translation>Test Nr.%1 - %2</translation>
    </message>
    <message>
        <source>Math Test</source>
        <translation>Rechentest</translation>
    </message>
</context>
<context>
    <name>cTPrint</name>
    <message>
        <source>Document printing error</source>
        <translation>Fehler beim Drucken des Dokuments</translation>
    </message>
    <message>
        <source>Page printing error</source>
        <translation>Fehler beim Drucken einer Seite</translation>
    </message>
    <message>
        <source>Unspecified printer error</source>
        <translation>Unbekannter Druckerfehler</translation>
    </message>
</context>
</TS>
