<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Page</name>
    <message numerus="yes">
        <source>Opened %1: %n presses to play.</source>
        <translation>
            <numerusform>Opened %1: %n press to play.</numerusform>
            <numerusform>Opened %1: %n presses to play.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n presses played</source>
        <translation>
            <numerusform>%1 of %n press played</numerusform>
            <numerusform>%1 of %n presses played</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %1? The %n examples learnt are set aside; Undo brings them back.</source>
        <translation>
            <numerusform>Open %1? The example learnt is set aside; Undo brings it back.</numerusform>
            <numerusform>Open %1? The %n examples learnt are set aside; Undo brings them back.</numerusform>
        </translation>
    </message>
</context>
</TS>
