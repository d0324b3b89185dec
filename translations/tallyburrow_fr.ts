<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>QObject</name>
    <message>
        <source>Answers kept apart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some answers of %1 from another computer could not be joined to the others yet:
%2

They are kept as they are and joined later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers not kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answers of %1 cannot be kept in
%2
(%3)

You can practise, and test results are saved as always, but the fluency map will not show today&apos;s answers. The file is left as it is; ask a grown-up to look at it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Learn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Drill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
