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
    <message>
        <source>Row %1 of %2</source>
        <translation>Zeile %1 von %2</translation>
    </message>
    <message>
        <source>Value %1</source>
        <translation>Wert %1</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>The textbook&apos;s G also has %1.</source>
        <translation>Das G des Lehrbuchs hat außerdem %1.</translation>
    </message>
    <message>
        <source>The program&apos;s G also has %1.</source>
        <translation>Das G des Programms hat außerdem %1.</translation>
    </message>
    <message>
        <source>The textbook&apos;s version space also has %1.</source>
        <translation>Der Versionsraum des Lehrbuchs hat außerdem %1.</translation>
    </message>
    <message>
        <source>The program&apos;s version space also has %1.</source>
        <translation>Der Versionsraum des Programms hat außerdem %1.</translation>
    </message>
    <message>
        <source>The program&apos;s row %1 contradicts example %2, %3.</source>
        <translation>Die Zeile %1 des Programms widerspricht Beispiel %2, %3.</translation>
    </message>
    <message>
        <source>The textbook&apos;s version space votes %1 of %2 for it, the program&apos;s %3 of %4.</source>
        <translation>Im Versionsraum des Lehrbuchs stimmen %1 von %2 dafür, in dem des Programms %3 von %4.</translation>
    </message>
    <message>
        <source>The textbook learner has no consistent hypothesis left; the program&apos;s learner goes on, and may recover.</source>
        <translation>Dem Lehrbuch-Lerner bleibt keine stimmige Hypothese; der Lerner des Programms macht weiter und kann sich erholen.</translation>
    </message>
    <message>
        <source>The two learners differed after %1 of %2 presses; the first was press %3.</source>
        <translation>Die beiden Lerner unterschieden sich nach %1 von %2 Schritten; zuerst nach Schritt %3.</translation>
    </message>
    <message>
        <source>The two learners agreed after every press.</source>
        <translation>Die beiden Lerner stimmten nach jedem Schritt überein.</translation>
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
    <name>Explanation</name>
    <message>
        <source>Positive example %1.</source>
        <translation>Positives Beispiel %1.</translation>
    </message>
    <message>
        <source>Negative example %1.</source>
        <translation>Negatives Beispiel %1.</translation>
    </message>
    <message>
        <source>G loses what rejects it: %1.</source>
        <translation>G verliert, was es ablehnt: %1.</translation>
    </message>
    <message>
        <source>G loses what accepts it: %1.</source>
        <translation>G verliert, was es annimmt: %1.</translation>
    </message>
    <message>
        <source>G loses what another of its rows is more general than: %1.</source>
        <translation>G verliert, wozu eine andere seiner Zeilen allgemeiner ist: %1.</translation>
    </message>
    <message>
        <source>S rules it out at attribute %1, so G gains %2.</source>
        <translation>S schließt es bei Attribut %1 aus, also erhält G %2.</translation>
    </message>
    <message>
        <source>S rules it out at attributes %1, so G gains %2.</source>
        <translation>S schließt es bei den Attributen %1 aus, also erhält G %2.</translation>
    </message>
    <message>
        <source>S is unchanged.</source>
        <translation>S bleibt unverändert.</translation>
    </message>
    <message>
        <source>S becomes the example.</source>
        <translation>S wird zum Beispiel.</translation>
    </message>
    <message>
        <source>S becomes %1: attribute %2 no longer matters.</source>
        <translation>S wird zu %1: Attribut %2 spielt keine Rolle mehr.</translation>
    </message>
    <message>
        <source>S becomes %1: attributes %2 no longer matter.</source>
        <translation>S wird zu %1: Die Attribute %2 spielen keine Rolle mehr.</translation>
    </message>
    <message>
        <source>S rules it out at %1, so G gains %2.</source>
        <translation>S schließt es bei %1 aus, also erhält G %2.</translation>
    </message>
    <message>
        <source>S becomes %1: %2 no longer matters.</source>
        <translation>S wird zu %1: %2 spielt keine Rolle mehr.</translation>
    </message>
    <message>
        <source>S becomes %1: %2 no longer matter.</source>
        <translation>S wird zu %1: %2 spielen keine Rolle mehr.</translation>
    </message>
    <message>
        <source>There is no version space yet.</source>
        <translation>Noch gibt es keinen Versionsraum.</translation>
    </message>
    <message>
        <source>The version space has one row.</source>
        <translation>Der Versionsraum hat eine Zeile.</translation>
    </message>
    <message>
        <source>The version space has %1 rows.</source>
        <translation>Der Versionsraum hat %1 Zeilen.</translation>
    </message>
    <message>
        <source>G is empty: no hypothesis is consistent with the learning data.</source>
        <translation>G ist leer: Keine Hypothese stimmt mit den Lerndaten überein.</translation>
    </message>
    <message>
        <source>No hypothesis is consistent with the learning data any more: G, S and the version space stay empty until Clear.</source>
        <translation>Keine Hypothese stimmt mehr mit den Lerndaten überein: G, S und der Versionsraum bleiben bis „Leeren“ leer.</translation>
    </message>
    <message>
        <source>No hypothesis is consistent with the learning data: the example changes nothing until Clear.</source>
        <translation>Keine Hypothese stimmt mit den Lerndaten überein: Das Beispiel ändert bis „Leeren“ nichts.</translation>
    </message>
    <message>
        <source>Example %1 repeats example %2: nothing changes.</source>
        <translation>Beispiel %1 wiederholt Beispiel %2: Nichts ändert sich.</translation>
    </message>
    <message>
        <source>Not learnt: G would need %1 rows, more than %2.</source>
        <translation>Nicht gelernt: G bräuchte %1 Zeilen, mehr als %2.</translation>
    </message>
    <message>
        <source>Not learnt: the version space would need %1 rows, more than %2.</source>
        <translation>Nicht gelernt: Der Versionsraum bräuchte %1 Zeilen, mehr als %2.</translation>
    </message>
    <message>
        <source>Not learnt: no more than %1 examples can be learnt.</source>
        <translation>Nicht gelernt: Es können höchstens %1 Beispiele gelernt werden.</translation>
    </message>
    <message>
        <source>%1 of %2 hypotheses accept it, so the answer is positive.</source>
        <translation>%1 von %2 Hypothesen nehmen es an, also lautet die Antwort positiv.</translation>
    </message>
    <message>
        <source>%1 of %2 hypotheses accept it, so the answer is negative.</source>
        <translation>%1 von %2 Hypothesen nehmen es an, also lautet die Antwort negativ.</translation>
    </message>
    <message>
        <source>%1 of %2 hypotheses accept it, so the answer is undecided.</source>
        <translation>%1 von %2 Hypothesen nehmen es an, also bleibt die Antwort offen.</translation>
    </message>
    <message>
        <source>The version space&apos;s one row accepts it, so the answer is positive.</source>
        <translation>Die eine Zeile des Versionsraums nimmt es an, also lautet die Antwort positiv.</translation>
    </message>
    <message>
        <source>The version space&apos;s one row rejects it, so the answer is negative.</source>
        <translation>Die eine Zeile des Versionsraums lehnt es ab, also lautet die Antwort negativ.</translation>
    </message>
    <message>
        <source>There is no version space to vote yet.</source>
        <translation>Noch gibt es keinen Versionsraum, der abstimmen könnte.</translation>
    </message>
    <message>
        <source>No hypothesis is consistent with the learning data, so there is nothing to vote.</source>
        <translation>Keine Hypothese stimmt mit den Lerndaten überein, also stimmt nichts ab.</translation>
    </message>
    <message>
        <source>Gen Text writes the version space to the hypothesis file.</source>
        <translation>„Gen Text“ schreibt den Versionsraum in die Hypothesendatei.</translation>
    </message>
    <message>
        <source>Clear forgets every example: G and S are as at the start.</source>
        <translation>„Leeren“ vergisst jedes Beispiel: G und S sind wie zu Beginn.</translation>
    </message>
    <message>
        <source>Exit ends the session.</source>
        <translation>„Beenden“ beendet die Sitzung.</translation>
    </message>
    <message>
        <source>Negative is greyed until the first positive example: nothing happens.</source>
        <translation>„Negativ“ ist bis zum ersten positiven Beispiel ausgegraut: Nichts geschieht.</translation>
    </message>
    <message>
        <source>Negative example %1 comes before the first positive one: the program&apos;s learner ignores it, as Negative is greyed; the textbook learner holds it and learns it right after the first positive example.</source>
        <translation>Das negative Beispiel %1 kommt vor dem ersten positiven: Das Lernverfahren des Programms übergeht es, da „Negativ“ ausgegraut ist; das Lernverfahren des Lehrbuchs hält es zurück und lernt es gleich nach dem ersten positiven Beispiel.</translation>
    </message>
    <message>
        <source>Next, the textbook learner learns the negative example it held:</source>
        <translation>Danach lernt das Lernverfahren des Lehrbuchs das zurückgehaltene negative Beispiel:</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>… and %1 more rows, not listed here; Gen Text writes them all</source>
        <translation>… und %1 weitere Zeilen, hier nicht aufgeführt; „Gen Text“ schreibt sie alle</translation>
    </message>
    <message>
        <source>Undo takes the last action back.</source>
        <translation>Rückgängig nimmt die letzte Aktion zurück.</translation>
    </message>
    <message>
        <source>Redo does the action undone again.</source>
        <translation>Wiederholen führt die zurückgenommene Aktion erneut aus.</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>Es gibt nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>Es gibt nichts zu wiederholen.</translation>
    </message>
    <message>
        <source>Right: S and G are as you wrote them.</source>
        <translation>Richtig: S und G sind so, wie Sie sie geschrieben haben.</translation>
    </message>
    <message>
        <source>%1 right, %2 wrong, %3 missing.</source>
        <translation>%1 richtig, %2 falsch, %3 fehlen.</translation>
    </message>
    <message>
        <source>The exercise is put away: the example is not learnt.</source>
        <translation>Die Übung ist beiseitegelegt: Das Beispiel wird nicht gelernt.</translation>
    </message>
    <message>
        <source>%1 is not the next S.</source>
        <translation>%1 ist nicht das nächste S.</translation>
    </message>
    <message>
        <source>%1 leaves G: it rejects the positive example.</source>
        <translation>%1 verlässt G: Es lehnt das positive Beispiel ab.</translation>
    </message>
    <message>
        <source>%1 leaves G: it accepts the negative example.</source>
        <translation>%1 verlässt G: Es nimmt das negative Beispiel an.</translation>
    </message>
    <message>
        <source>%1 leaves G: another of its rows is more general than it.</source>
        <translation>%1 verlässt G: Eine andere seiner Zeilen ist allgemeiner.</translation>
    </message>
    <message>
        <source>%1 stays in G: it accepts the positive example.</source>
        <translation>%1 bleibt in G: Es nimmt das positive Beispiel an.</translation>
    </message>
    <message>
        <source>%1 stays in G: it rejects the negative example.</source>
        <translation>%1 bleibt in G: Es lehnt das negative Beispiel ab.</translation>
    </message>
    <message>
        <source>%1 is in the next G.</source>
        <translation>%1 ist im nächsten G.</translation>
    </message>
    <message>
        <source>%1 comes from %2: S's value %3 at %4 rules out the negative example.</source>
        <translation>%1 entsteht aus %2: Der Wert %3 von S bei %4 schließt das negative Beispiel aus.</translation>
    </message>
    <message>
        <source>attribute %1</source>
        <translation>Attribut %1</translation>
    </message>
    <message>
        <source>%1 cannot be in G: it rejects the positive example.</source>
        <translation>%1 kann nicht in G sein: Es lehnt das positive Beispiel ab.</translation>
    </message>
    <message>
        <source>%1 cannot be in G: it accepts the negative example.</source>
        <translation>%1 kann nicht in G sein: Es nimmt das negative Beispiel an.</translation>
    </message>
    <message>
        <source>%1 is not in the next G: no row of G becomes it on this example.</source>
        <translation>%1 ist nicht im nächsten G: Keine Zeile von G wird bei diesem Beispiel dazu.</translation>
    </message>
    <message>
        <source>%1 is written twice.</source>
        <translation>%1 steht zweimal da.</translation>
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
        <source>This example was not learnt: the General boundary would need more than %1 rows.</source>
        <translation>Dieses Beispiel wurde nicht gelernt: Die allgemeine Grenze bräuchte mehr als %1 Zeilen.</translation>
    </message>
    <message>
        <source>This example was not learnt: the Version Space would need more than %1 rows.</source>
        <translation>Dieses Beispiel wurde nicht gelernt: Der Versionsraum bräuchte mehr als %1 Zeilen.</translation>
    </message>
    <message>
        <source>This example was not learnt: no more than %1 examples can be learnt. Press Clear to start again.</source>
        <translation>Dieses Beispiel wurde nicht gelernt: Es können höchstens %1 Beispiele gelernt werden. Drücken Sie „Leeren“, um neu zu beginnen.</translation>
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
        <source>Back to the lesson</source>
        <translation>Zurück zur Lektion</translation>
    </message>
    <message>
        <source>%1 was not opened: %2</source>
        <translation>%1 wurde nicht geöffnet: %2</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Textbook</source>
        <translation>Lehrbuch</translation>
    </message>
    <message>
        <source>Suggest example</source>
        <translation>Beispiel vorschlagen</translation>
    </message>
    <message>
        <source>Suggested %1: %2 of %3 hypotheses accept it.</source>
        <translation>Vorgeschlagen: %1. %2 von %3 Hypothesen nehmen es an.</translation>
    </message>
    <message>
        <source>No instance made of the values learnt splits the version space.</source>
        <translation>Keine Instanz aus den gelernten Werten teilt den Versionsraum.</translation>
    </message>
    <message>
        <source>The program&apos;s learner and the textbook learner differ:</source>
        <translation>Der Lerner des Programms und der Lehrbuch-Lerner unterscheiden sich:</translation>
    </message>
    <message>
        <source>added by the last press</source>
        <translation>vom letzten Schritt hinzugefügt</translation>
    </message>
    <message>
        <source>S, the specific boundary</source>
        <translation>S, die spezielle Grenze</translation>
    </message>
    <message>
        <source>G, the general boundary</source>
        <translation>G, die allgemeine Grenze</translation>
    </message>
    <message>
        <source>The version space between them</source>
        <translation>Der Versionsraum dazwischen</translation>
    </message>
    <message>
        <source>S: %1. G: %2. The version space: %3.</source>
        <translation>S: %1. G: %2. Der Versionsraum: %3.</translation>
    </message>
    <message>
        <source>&amp;Next press</source>
        <translation>&amp;Nächster Schritt</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1: %n presses to play.</source>
        <translation>
            <numerusform>%1 geöffnet: %n Schritt abzuspielen.</numerusform>
            <numerusform>%1 geöffnet: %n Schritte abzuspielen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Playing the session</source>
        <translation>Die Sitzung wird abgespielt</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n presses played</source>
        <translation>
            <numerusform>%1 von %n Schritt abgespielt</numerusform>
            <numerusform>%1 von %n Schritten abgespielt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Open %1? The %n examples learnt are set aside; Undo brings them back.</source>
        <translation>
            <numerusform>%1 öffnen? Das gelernte Beispiel wird beiseitegelegt; „Rückgängig“ holt es zurück.</numerusform>
            <numerusform>%1 öffnen? Die %n gelernten Beispiele werden beiseitegelegt; „Rückgängig“ holt sie zurück.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>the file holds no presses</source>
        <translation>die Datei enthält keine Schritte</translation>
    </message>
    <message>
        <source>%1 more hypotheses of the version space are not drawn</source>
        <translation>%1 weitere Hypothesen des Versionsraums sind nicht gezeichnet</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Earlier messages, not listed here: %1</source>
        <translation>Frühere Meldungen, hier nicht aufgeführt: %1</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Präsentieren</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Beispiele</translation>
    </message>
    <message>
        <source>Attributes…</source>
        <translation>Attribute…</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>How many attributes the instances have, from 1 to 16, and their names; this browser keeps them. Empty fields leave attributes unnamed. Another number starts afresh, and Undo takes it back.</source>
        <translation>Wie viele Attribute die Beispiele haben, von 1 bis 16, und ihre Namen; dieser Browser merkt sie sich. Leere Felder lassen Attribute unbenannt. Eine andere Anzahl beginnt von vorn, und Rückgängig nimmt das zurück.</translation>
    </message>
    <message>
        <source>Attribute %1</source>
        <translation>Attribut %1</translation>
    </message>
    <message>
        <source>Number of attributes</source>
        <translation>Anzahl der Attribute</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>How %1 is read: what each column holds, and the words that label examples besides +, -, positive, negative, yes, no, true, false, 1 and 0. This browser keeps the choice for this file.</source>
        <translation>Wie %1 gelesen wird: was jede Spalte enthält, und die Wörter, die Beispiele außer +, -, positive, negative, yes, no, true, false, 1 und 0 kennzeichnen. Dieser Browser merkt sich die Wahl für diese Datei.</translation>
    </message>
    <message>
        <source>Attribute</source>
        <translation>Attribut</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Klassenlabel</translation>
    </message>
    <message>
        <source>Example names</source>
        <translation>Namen der Beispiele</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Ausgelassen</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>Positive words (commas between)</source>
        <translation>Positive Wörter (durch Kommas getrennt)</translation>
    </message>
    <message>
        <source>Negative words (commas between)</source>
        <translation>Negative Wörter (durch Kommas getrennt)</translation>
    </message>
    <message>
        <source>Training value %1: %2</source>
        <translation>Trainingswert %1: %2</translation>
    </message>
    <message>
        <source>Unseen value %1: %2</source>
        <translation>Unbekannter Wert %1: %2</translation>
    </message>
    <message>
        <source>Attributes: %1</source>
        <translation>Attribute: %1</translation>
    </message>
    <message>
        <source>the example could not be loaded</source>
        <translation>das Beispiel konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>the page ran out of memory: the rest of the session was not played</source>
        <translation>der Seite ging der Speicher aus: der Rest der Sitzung wurde nicht abgespielt</translation>
    </message>
    <message>
        <source>Save session</source>
        <translation>Sitzung speichern</translation>
    </message>
    <message>
        <source>Copy link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>The lesson link</source>
        <translation>Der Lektionslink</translation>
    </message>
    <message>
        <source>Link copied: %1 characters.</source>
        <translation>Link kopiert: %1 Zeichen.</translation>
    </message>
    <message>
        <source>The address bar holds the link: %1 characters.</source>
        <translation>Die Adressleiste enthält den Link: %1 Zeichen.</translation>
    </message>
    <message>
        <source>it is damaged or cut short</source>
        <translation>er ist beschädigt oder abgeschnitten</translation>
    </message>
    <message>
        <source>it was made by a newer version of vspace</source>
        <translation>er wurde mit einer neueren Version von vspace erstellt</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Arbeitsblatt</translation>
    </message>
    <message>
        <source>Lesson report</source>
        <translation>Lektionsbericht</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Before it is shown: what do S and G become? Write them a row at a time, a value in each field.</source>
        <translation>Bevor es gezeigt wird: Was wird aus S und G? Schreiben Sie sie Zeile für Zeile, einen Wert je Feld.</translation>
    </message>
    <message>
        <source>Add a row</source>
        <translation>Zeile hinzufügen</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Streichen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Reveal</source>
        <translation>Auflösen</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>Rows missing: %1</source>
        <translation>Fehlende Zeilen: %1</translation>
    </message>
    <message>
        <source>Steps answered right: %1 of %2</source>
        <translation>Richtig beantwortete Schritte: %1 von %2</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>%1 presses. After each: S, the specific boundary; G, the general boundary; the version space between them; the example added to the learning data, which is listed whole at the end. %2 and %3 rows are marked. The version space is drawn after each press that changed it. Each press is explained, and where the program&apos;s learner and the textbook learner differ, a note says how.</source>
        <translation>Schritte: %1. Nach jedem: S, die spezielle Grenze; G, die allgemeine Grenze; der Versionsraum dazwischen; das Beispiel, das zu den Lerndaten hinzukam, die am Ende vollständig aufgeführt sind. %2 und %3 Zeilen sind markiert. Der Versionsraum wird nach jedem Schritt gezeichnet, der ihn geändert hat. Jeder Schritt wird erklärt, und wo sich der Lerner des Programms und der Lehrbuch-Lerner unterscheiden, sagt ein Hinweis, wie.</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Hinzugefügte</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>entfernte</translation>
    </message>
    <message>
        <source>At the start, S is %1, G is %2 and the version space is %3.</source>
        <translation>Zu Beginn ist S %1, G %2 und der Versionsraum %3.</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>For length, only the last %1 of the %2 drawings are drawn; the earlier ones are left out.</source>
        <translation>Der Länge wegen werden nur die letzten %1 der %2 Zeichnungen gezeichnet; die früheren fehlen.</translation>
    </message>
    <message>
        <source>Each hypothesis of S (green), G (yellow) and the version space, joined to those directly more general than it.</source>
        <translation>Jede Hypothese von S (grün), G (gelb) und dem Versionsraum, verbunden mit denen, die unmittelbar allgemeiner sind.</translation>
    </message>
    <message>
        <source>The learning data at the end</source>
        <translation>Die Lerndaten am Ende</translation>
    </message>
    <message>
        <source>Press %1: %2</source>
        <translation>Schritt %1: %2</translation>
    </message>
    <message>
        <source>Training instance</source>
        <translation>Trainingsbeispiel</translation>
    </message>
    <message>
        <source>Unseen instance</source>
        <translation>Unbekannte Instanz</translation>
    </message>
    <message>
        <source>Message %1</source>
        <translation>Meldung %1</translation>
    </message>
    <message>
        <source>S (Specific)</source>
        <translation>S (Speziell)</translation>
    </message>
    <message>
        <source>G (General)</source>
        <translation>G (Allgemein)</translation>
    </message>
    <message>
        <source>Version space</source>
        <translation>Versionsraum</translation>
    </message>
    <message>
        <source>Learning data</source>
        <translation>Lerndaten</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>The attributes: %1.</source>
        <translation>Die Attribute: %1.</translation>
    </message>
    <message>
        <source>(1 row)</source>
        <translation>(1 Zeile)</translation>
    </message>
    <message>
        <source>(%1 rows)</source>
        <translation>(%1 Zeilen)</translation>
    </message>
    <message>
        <source>(unchanged)</source>
        <translation>(unverändert)</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>(Graphviz could not lay out the diagram.)</source>
        <translation>(Graphviz konnte das Diagramm nicht anordnen.)</translation>
    </message>
    <message>
        <source>(Graphviz could not draw the diagram.)</source>
        <translation>(Graphviz konnte das Diagramm nicht zeichnen.)</translation>
    </message>
    <message>
        <source>(This build of vspace-replay draws no diagrams.)</source>
        <translation>(Diese Version von vspace-replay zeichnet keine Diagramme.)</translation>
    </message>
    <message>
        <source>vspace worksheet: %1</source>
        <translation>vspace-Arbeitsblatt: %1</translation>
    </message>
    <message>
        <source>After each example, write S and G as the program's learner has them; after each prediction, the vote. The answer key follows.</source>
        <translation>Schreiben Sie nach jedem Beispiel S und G auf, wie der Lerner des Programms sie hat, und nach jeder Vorhersage das Votum. Der Lösungsschlüssel folgt.</translation>
    </message>
    <message>
        <source>After each example, write S and G as the textbook learner has them; after each prediction, the vote. The answer key follows.</source>
        <translation>Schreiben Sie nach jedem Beispiel S und G auf, wie der Lerner des Lehrbuchs sie hat, und nach jeder Vorhersage das Votum. Der Lösungsschlüssel folgt.</translation>
    </message>
    <message>
        <source>Positive, negative or undecided?</source>
        <translation>Positiv, negativ oder unentschieden?</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>Lösungsschlüssel</translation>
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
