<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessible name</name>
    <message>
        <source>Training value %1</source>
        <translation>Trainingswert %1</translation>
    </message>
    <message>
        <source>Unseen value %1</source>
        <translation>Unbekannter Wert %1</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Specific</source>
        <translation>Speziell</translation>
    </message>
    <message>
        <source>Learning Data</source>
        <translation>Lerndaten</translation>
    </message>
    <message>
        <source>Version Space</source>
        <translation>Versionsraum</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Concept Learning Tutor</source>
        <translation>Lernprogramm für Konzeptlernen</translation>
    </message>
    <message>
        <source>Watch candidate elimination narrow the version space, example by example</source>
        <translation>Sehen Sie zu, wie die Kandidateneliminierung den Versionsraum Beispiel für Beispiel eingrenzt</translation>
    </message>
    <message>
        <source>Learn concepts by candidate elimination, one example at a time</source>
        <translation>Konzepte durch Kandidateneliminierung lernen, ein Beispiel nach dem anderen</translation>
    </message>
</context>
<context>
    <name>Export failure</name>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>der Ordner %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ein Ordner dieses Namens ist im Weg</translation>
    </message>
    <message>
        <source>the file could not be written completely</source>
        <translation>die Datei konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist</source>
        <translation>%1 ist ein Verweis auf eine Datei, die es nicht gibt</translation>
    </message>
    <message>
        <source>%1 is another user&apos;s link in a folder shared by all users</source>
        <translation>%1 ist der Verweis eines anderen Benutzers in einem Ordner, den alle Benutzer teilen</translation>
    </message>
    <message>
        <source>the desktop folder is unknown: HOME is not an absolute path</source>
        <translation>der Schreibtischordner ist unbekannt: HOME ist kein absoluter Pfad</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>Data not correct</source>
        <translation>Daten nicht korrekt</translation>
    </message>
    <message>
        <source>Duplicate Data</source>
        <translation>Doppelte Daten</translation>
    </message>
    <message>
        <source>Cannot Learn</source>
        <translation>Lernen nicht möglich</translation>
    </message>
    <message>
        <source>This example was not learnt: the General boundary would need more than 30 rows.</source>
        <translation>Dieses Beispiel wurde nicht gelernt: Die allgemeine Grenze bräuchte mehr als 30 Zeilen.</translation>
    </message>
    <message>
        <source>This example was not learnt: the Version Space would need more than 30 rows.</source>
        <translation>Dieses Beispiel wurde nicht gelernt: Der Versionsraum bräuchte mehr als 30 Zeilen.</translation>
    </message>
    <message>
        <source>This example was not learnt: no more than 32766 examples can be learnt. Press Clear to start again.</source>
        <translation>Dieses Beispiel wurde nicht gelernt: Es können höchstens 32766 Beispiele gelernt werden. Drücken Sie „Leeren“, um neu zu beginnen.</translation>
    </message>
    <message>
        <source>Cannot Predict</source>
        <translation>Vorhersage nicht möglich</translation>
    </message>
    <message>
        <source>Please input Data to Learning Before Predicting Unseen Data</source>
        <translation>Bitte geben Sie Lerndaten ein, bevor Sie unbekannte Daten vorhersagen.</translation>
    </message>
    <message>
        <source>No hypothesis is consistent with the learning data</source>
        <translation>Keine Hypothese stimmt mit den Lerndaten überein</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Your Data is Positive , Result is +</source>
        <translation>Ihre Daten sind positiv, Ergebnis ist +</translation>
    </message>
    <message>
        <source>Your Data is Negative ,Result is -</source>
        <translation>Ihre Daten sind negativ, Ergebnis ist -</translation>
    </message>
    <message>
        <source>I can&apos;t Predict It ,Result is 0</source>
        <translation>Keine Vorhersage möglich, Ergebnis ist 0</translation>
    </message>
    <message>
        <source>Text File</source>
        <translation>Textdatei</translation>
    </message>
    <message>
        <source>Your TextFile Generate in Desktop is Hypothesis.txt</source>
        <translation>Ihre Textdatei auf dem Schreibtisch ist Hypothesis.txt</translation>
    </message>
    <message>
        <source>The hypothesis file %1 could not be written: %2</source>
        <translation>Die Hypothesendatei %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Diagram</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Version space diagram</source>
        <translation>Diagramm des Versionsraums</translation>
    </message>
    <message>
        <source>Open session</source>
        <translation>Sitzung öffnen</translation>
    </message>
    <message>
        <source>Next press</source>
        <translation>Nächster Schritt</translation>
    </message>
    <message>
        <source>Play to end</source>
        <translation>Bis zum Ende abspielen</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>vspace has ended</source>
        <translation>vspace wurde beendet</translation>
    </message>
    <message>
        <source>Start again</source>
        <translation>Neu beginnen</translation>
    </message>
    <message>
        <source>Opened %1: %2 presses to play.</source>
        <translation>%1 geöffnet: %2 Schritte abzuspielen.</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>%1 wurde nicht geöffnet: %2</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Positive</source>
        <translation>Positiv</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>Predict</source>
        <translation>Vorhersagen</translation>
    </message>
    <message>
        <source>Gen Text</source>
        <translation>Textdatei</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Unseen Data</source>
        <translation>Unbekannte Daten</translation>
    </message>
    <message>
        <source>Learning Data</source>
        <translation>Lerndaten</translation>
    </message>
    <message>
        <source>Hypothesis</source>
        <translation>Hypothese</translation>
    </message>
    <message>
        <source>Version Space</source>
        <translation>Versionsraum</translation>
    </message>
    <message>
        <source>Specific</source>
        <translation>Speziell</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
</context>
</TS>
