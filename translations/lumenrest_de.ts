<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppSettings</name>
    <message>
        <source>Your settings could not be saved: %1.

The settings stored before are unchanged.</source>
        <translation>Ihre Einstellungen konnten nicht gespeichert werden: %1.

Die zuvor gespeicherten Einstellungen bleiben unverändert.</translation>
    </message>
</context>
<context>
    <name>CardHistoryView</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Lage</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Answers about this card</source>
        <translation>Antworten zu dieser Karte</translation>
    </message>
    <message>
        <source>Taken for:</source>
        <translation>Verwechselt mit:</translation>
    </message>
    <message>
        <source>Cards this card was taken for</source>
        <translation>Karten, mit denen diese Karte verwechselt wurde</translation>
    </message>
    <message>
        <source>Choose a card to see its history.</source>
        <translation>Wählen Sie eine Karte, um ihren Verlauf zu sehen.</translation>
    </message>
    <message>
        <source>Not asked yet.</source>
        <translation>Noch nicht abgefragt.</translation>
    </message>
    <message>
        <source>Recall chance today: %1 %</source>
        <translation>Erinnerungschance heute: %1 %</translation>
    </message>
    <message>
        <source>Next review: %1</source>
        <translation>Nächste Wiederholung: %1</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Wrong: took it for %1</source>
        <translation>Falsch: mit %1 verwechselt</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>%1 of %2 keywords</source>
        <translation>%1 von %2 Schlüsselwörtern</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Umgekehrt</translation>
    </message>
    <message>
        <source>Upright</source>
        <translation>Aufrecht</translation>
    </message>
    <message>
        <source>%1 — once</source>
        <translation>%1 — einmal</translation>
    </message>
    <message>
        <source>%1 — %2 times</source>
        <translation>%1 — %2-mal</translation>
    </message>
</context>
<context>
    <name>CardThumbnails</name>
    <message>
        <source>Card %1</source>
        <translation>Karte %1</translation>
    </message>
</context>
<context>
    <name>CheckedSave</name>
    <message>
        <source>&quot;%1&quot; could not be written (%2)</source>
        <translation>„%1“ konnte nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>Die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the file could not be created</source>
        <translation>Die Datei konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>the file could not be written to its end</source>
        <translation>Die Datei konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>the file could not be replaced</source>
        <translation>Die Datei konnte nicht ersetzt werden</translation>
    </message>
</context>
<context>
    <name>DueReminder</name>
    <message>
        <source>1 card is due for review</source>
        <translation>1 Karte ist zur Wiederholung fällig</translation>
    </message>
    <message>
        <source>%1 cards are due for review</source>
        <translation>%1 Karten sind zur Wiederholung fällig</translation>
    </message>
</context>
<context>
    <name>GoalTimer</name>
    <message>
        <source>Your goal starting date has been set for the future</source>
        <translation>Das Startdatum Ihres Ziels liegt in der Zukunft</translation>
    </message>
    <message>
        <source>You should have achieved %1%. You have actually achieved %2%</source>
        <translation>Sie sollten %1&#xa0;% erreicht haben. Tatsächlich erreicht haben Sie %2&#xa0;%</translation>
    </message>
</context>
<context>
    <name>GoalsFormat</name>
    <message>
        <source>the goal name</source>
        <translation>Name des Ziels</translation>
    </message>
    <message>
        <source>the starting date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>the ending date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>the description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>the achieved mark</source>
        <translation>Markierung „erreicht“</translation>
    </message>
    <message>
        <source>the achieved percentage</source>
        <translation>erreichter Prozentsatz</translation>
    </message>
    <message>
        <source>a comma was expected after %1</source>
        <translation>Nach dem Feld „%1“ fehlt ein Komma</translation>
    </message>
    <message>
        <source>the line goes on after the achieved percentage</source>
        <translation>Die Zeile geht nach dem erreichten Prozentsatz weiter</translation>
    </message>
    <message>
        <source>%1 is not enclosed in double quotes</source>
        <translation>Das Feld „%1“ steht nicht in doppelten Anführungszeichen</translation>
    </message>
    <message>
        <source>%1 is not a date such as #2024-03-01#</source>
        <translation>Das Feld „%1“ ist kein Datum wie #2024-03-01#</translation>
    </message>
    <message>
        <source>%1 is neither #TRUE# nor #FALSE#</source>
        <translation>Das Feld „%1“ ist weder #TRUE# noch #FALSE#</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 0 to 100</source>
        <translation>Das Feld „%1“ ist keine ganze Zahl von 0 bis 100</translation>
    </message>
    <message>
        <source>the goal &quot;%1&quot; contains a double quote, which the goals file cannot hold</source>
        <translation>Das Ziel „%1“ enthält ein doppeltes Anführungszeichen, das die Zieldatei nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>the goal &quot;%1&quot; has no date the goals file can hold</source>
        <translation>Das Ziel „%1“ hat ein Datum, das die Zieldatei nicht aufnehmen kann</translation>
    </message>
    <message>
        <source>the goal &quot;%1&quot; has an achieved percentage outside 0 to 100</source>
        <translation>Das Ziel „%1“ hat einen erreichten Prozentsatz außerhalb von 0 bis 100</translation>
    </message>
</context>
<context>
    <name>GoalsScreen</name>
    <message>
        <source>… (name cut here for the list)</source>
        <translation>… (Name für die Liste hier gekürzt)</translation>
    </message>
    <message>
        <source>Starting date can&apos;t be same or later than ending date.</source>
        <translation>Das Startdatum darf nicht auf oder nach dem Enddatum liegen.</translation>
    </message>
    <message>
        <source>Goal name can&apos;t be blank.</source>
        <translation>Der Name des Ziels darf nicht leer sein.</translation>
    </message>
    <message>
        <source>Goal name and description can&apos;t contain double quotes (&quot;).</source>
        <translation>Name und Beschreibung des Ziels dürfen keine doppelten Anführungszeichen (&quot;) enthalten.</translation>
    </message>
    <message>
        <source>Choose the goal to update in the list, or press &quot;Set New Goals&quot;.</source>
        <translation>Wählen Sie das zu ändernde Ziel in der Liste aus, oder klicken Sie auf „Neue Ziele setzen“.</translation>
    </message>
    <message>
        <source>Part of the goals file &quot;%1&quot; could not be read: from line %2 on, %3.

</source>
        <translation>Die Zieldatei „%1“ konnte ab Zeile %2 nicht gelesen werden: %3.

</translation>
    </message>
    <message>
        <source>No goal could be read before that line.</source>
        <translation>Vor dieser Zeile konnte kein Ziel gelesen werden.</translation>
    </message>
    <message numerus="yes">
        <source>The %n goal(s) before that line are shown.</source>
        <translation>
            <numerusform>Das eine Ziel vor dieser Zeile wird angezeigt.</numerusform>
            <numerusform>Die %n Ziele vor dieser Zeile werden angezeigt.</numerusform>
        </translation>
    </message>
    <message>
        <source>

The original file was kept as &quot;%1&quot;.</source>
        <translation>

Die ursprüngliche Datei wurde als „%1“ aufbewahrt.</translation>
    </message>
    <message>
        <source>

No copy of the original file could be kept (%1).</source>
        <translation>

Von der ursprünglichen Datei konnte keine Kopie angelegt werden (%1).</translation>
    </message>
    <message>
        <source> So that nothing is lost, your goals will not be saved over it.</source>
        <translation> Damit nichts verloren geht, werden Ihre Ziele nicht darüber gespeichert.</translation>
    </message>
    <message>
        <source>the goals file could not be read whole and no copy of it could be kept</source>
        <translation>Die Zieldatei konnte nicht vollständig gelesen werden, und es konnte keine Kopie von ihr angelegt werden</translation>
    </message>
    <message>
        <source>The goals file &quot;%1&quot; could not be read: %2.</source>
        <translation>Die Zieldatei „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>

So that nothing is lost, your goals will not be saved over it.</source>
        <translation>

Damit nichts verloren geht, werden Ihre Ziele nicht darüber gespeichert.</translation>
    </message>
    <message>
        <source>the goals file could not be read</source>
        <translation>Die Zieldatei konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Your goals could not be saved to &quot;%1&quot;: %2.

The goals file was not changed.</source>
        <translation>Ihre Ziele konnten nicht in „%1“ gespeichert werden: %2.

Die Zieldatei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>View Current Goals</source>
        <translation>Aktuelle Ziele anzeigen</translation>
    </message>
    <message>
        <source>View Achieved Goals</source>
        <translation>Erreichte Ziele anzeigen</translation>
    </message>
    <message>
        <source>It is important to set goals and targets to be able to see and measure your achievements. This seemingly small task will yield tremendous results, when taken seriously. Setting goals will help you keep a clear, focussed and dedicated mindset towards fulfilling your aims in life. </source>
        <translation>Es ist wichtig, sich Ziele zu setzen, um die eigenen Fortschritte sehen und messen zu können. Diese scheinbar kleine Aufgabe bringt enorme Ergebnisse, wenn Sie sie ernst nehmen. Ziele helfen Ihnen, klar, konzentriert und entschlossen auf das hinzuarbeiten, was Sie im Leben erreichen möchten. </translation>
    </message>
    <message>
        <source>Name Of Goal</source>
        <translation>Name des Ziels</translation>
    </message>
    <message>
        <source>Description Of Goal</source>
        <translation>Beschreibung des Ziels</translation>
    </message>
    <message>
        <source>Goal Starting Date:</source>
        <translation>Startdatum des Ziels:</translation>
    </message>
    <message>
        <source>Goal Ending Date:</source>
        <translation>Enddatum des Ziels:</translation>
    </message>
    <message>
        <source>Goal Timer</source>
        <translation>Zeitplan</translation>
    </message>
    <message>
        <source>Select  Achieved Percentage Of Goal</source>
        <translation>Erreichten Prozentsatz des Ziels wählen</translation>
    </message>
    <message>
        <source>Total Day(s) To Achieve Goal</source>
        <translation>Tage bis zum Ziel insgesamt</translation>
    </message>
    <message>
        <source>Day(s) Remaining To Achieve Goal</source>
        <translation>Verbleibende Tage bis zum Ziel</translation>
    </message>
    <message>
        <source>Set New Goals</source>
        <translation>Neue Ziele setzen</translation>
    </message>
    <message>
        <source>Save / Update Goal</source>
        <translation>Ziel speichern / ändern</translation>
    </message>
    <message>
        <source>Delete Selected Goals</source>
        <translation>Ausgewählte Ziele löschen</translation>
    </message>
    <message>
        <source>Mark Selected Goals As Achieved</source>
        <translation>Ausgewählte Ziele als erreicht markieren</translation>
    </message>
    <message>
        <source>Cards known today: %1 of %2</source>
        <translation>Heute beherrschte Karten: %1 von %2</translation>
    </message>
</context>
<context>
    <name>KeyboardShortcuts</name>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Right arrow</source>
        <translation>Pfeil nach rechts</translation>
    </message>
    <message>
        <source>Memorize Cards: the next card</source>
        <translation>Karten einprägen: die nächste Karte</translation>
    </message>
    <message>
        <source>Left arrow</source>
        <translation>Pfeil nach links</translation>
    </message>
    <message>
        <source>Memorize Cards: the previous card</source>
        <translation>Karten einprägen: die vorige Karte</translation>
    </message>
    <message>
        <source>Z or double-click</source>
        <translation>Z oder Doppelklick</translation>
    </message>
    <message>
        <source>A large view of the card picture that has the focus</source>
        <translation>Große Ansicht des Kartenbilds, das den Fokus hat</translation>
    </message>
    <message>
        <source>1 to 7</source>
        <translation>1 bis 7</translation>
    </message>
    <message>
        <source>Take Test, meanings: choose the meaning in that place, counted from the top</source>
        <translation>Test ablegen, Bedeutungen: wählt die Bedeutung an dieser Stelle, von oben gezählt</translation>
    </message>
    <message>
        <source>1 to 9 and 0</source>
        <translation>1 bis 9 und 0</translation>
    </message>
    <message>
        <source>Take Test, keywords: tick or untick a keyword of the left column</source>
        <translation>Test ablegen, Schlüsselwörter: setzt oder entfernt das Häkchen bei einem Schlüsselwort der linken Spalte</translation>
    </message>
    <message>
        <source>A to J</source>
        <translation>A bis J</translation>
    </message>
    <message>
        <source>Take Test, keywords: tick or untick a keyword of the right column</source>
        <translation>Test ablegen, Schlüsselwörter: setzt oder entfernt das Häkchen bei einem Schlüsselwort der rechten Spalte</translation>
    </message>
    <message>
        <source>Enter or Space</source>
        <translation>Eingabe oder Leertaste</translation>
    </message>
    <message>
        <source>Take Test: the next question, once an answer stands</source>
        <translation>Test ablegen: die nächste Frage, sobald eine Antwort feststeht</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Closes the large view and the small windows</source>
        <translation>Schließt die große Ansicht und die kleinen Fenster</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab</source>
        <translation>Tab, Umschalt+Tab</translation>
    </message>
    <message>
        <source>The next or previous control; Enter or Space opens a link</source>
        <translation>Das nächste oder vorige Bedienelement; Eingabe oder Leertaste öffnet einen Link</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
</context>
<context>
    <name>MemorizeView</name>
    <message>
        <source>
[Cut here: the text holds %1 characters.]</source>
        <translation>
[Hier gekürzt: Der Text umfasst %1 Zeichen.]</translation>
    </message>
    <message>
        <source>Card Name</source>
        <translation>Kartenname</translation>
    </message>
    <message>
        <source>Card Meaning :</source>
        <translation>Bedeutung der Karte:</translation>
    </message>
    <message>
        <source>Reverse Meaning</source>
        <translation>Umgekehrte Bedeutung</translation>
    </message>
    <message>
        <source>Keywords (same for both)</source>
        <translation>Schlüsselwörter (für beide gleich)</translation>
    </message>
    <message>
        <source>Next &gt;&gt;</source>
        <translation>Weiter &gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous</source>
        <translation>&lt;&lt; Zurück</translation>
    </message>
    <message>
        <source>Test Me</source>
        <translation>Test starten</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Card picture</source>
        <translation>Kartenbild</translation>
    </message>
    <message>
        <source>%1, no picture</source>
        <translation>%1, kein Bild</translation>
    </message>
    <message>
        <source>%1, upside down</source>
        <translation>%1, umgekehrt</translation>
    </message>
    <message>
        <source>%1, upright</source>
        <translation>%1, aufrecht</translation>
    </message>
    <message>
        <source>Double-click or press Z for a large view</source>
        <translation>Doppelklicken Sie oder drücken Sie Z für eine große Ansicht</translation>
    </message>
</context>
<context>
    <name>ProgressCharts</name>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Gesamter Zeitraum</translation>
    </message>
    <message>
        <source>Answers a day</source>
        <translation>Antworten pro Tag</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Right (%)</source>
        <translation>Richtig (%)</translation>
    </message>
    <message>
        <source>Chart of answers a day and the share answered right</source>
        <translation>Diagramm der Antworten pro Tag und des Anteils richtiger Antworten</translation>
    </message>
    <message>
        <source>Cards known</source>
        <translation>Beherrschte Karten</translation>
    </message>
    <message>
        <source>Chart of the cards known over time</source>
        <translation>Diagramm der beherrschten Karten im Zeitverlauf</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>%1, day</source>
        <translation>%1, Tag</translation>
    </message>
    <message>
        <source>%1, month</source>
        <translation>%1, Monat</translation>
    </message>
    <message>
        <source>%1, year</source>
        <translation>%1, Jahr</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>Meanings to choose from</source>
        <translation>Bedeutungen zur Auswahl</translation>
    </message>
    <message>
        <source>Keywords to choose from</source>
        <translation>Schlüsselwörter zur Auswahl</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>Test report</source>
        <translation>Testbericht</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
</context>
<context>
    <name>RemindDueBox</name>
    <message>
        <source>Remind me when cards are due</source>
        <translation>Erinnern, wenn Karten fällig sind</translation>
    </message>
</context>
<context>
    <name>ResultsView</name>
    <message>
        <source>Save Current Result</source>
        <translation>Aktuelles Ergebnis speichern</translation>
    </message>
    <message>
        <source>Text file|*.txt</source>
        <translation>Textdatei|*.txt</translation>
    </message>
    <message>
        <source>The report could not be saved to &quot;%1&quot;: %2</source>
        <translation>Der Bericht konnte nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>My Progress</source>
        <translation>Mein Fortschritt</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the settings store refused the value</source>
        <translation>Der Einstellungsspeicher hat den Wert abgelehnt</translation>
    </message>
    <message>
        <source>the folder of &quot;%1&quot; could not be made</source>
        <translation>Der Ordner von „%1“ konnte nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>StartupOptions</name>
    <message>
        <source>Run on Windows Start-Up</source>
        <translation>Start mit dem System</translation>
    </message>
    <message>
        <source>Run at start-up</source>
        <translation>Beim Systemstart ausführen</translation>
    </message>
    <message>
        <source>Don&apos;t run at start-up</source>
        <translation>Nicht beim Systemstart ausführen</translation>
    </message>
    <message>
        <source>Start at system tray</source>
        <translation>Im Infobereich starten</translation>
    </message>
    <message>
        <source>This is a very important setting. Remember that if you want to get the most benefit from this program then you must have it running at all times.</source>
        <translation>Dies ist eine sehr wichtige Einstellung. Denken Sie daran: Wenn Sie den größten Nutzen aus diesem Programm ziehen möchten, muss es ständig laufen.</translation>
    </message>
    <message>
        <source>It is also important that you keep your goals in mind, hence starting in system tray will be a deterrent to those goals.</source>
        <translation>Ebenso wichtig ist, dass Sie Ihre Ziele im Blick behalten; ein Start im Infobereich steht diesen Zielen daher im Weg.</translation>
    </message>
    <message>
        <source>Error %1 opening key
%2</source>
        <translation>Fehler %1 beim Öffnen des Schlüssels
%2</translation>
    </message>
    <message>
        <source>Error %1 setting key
%2</source>
        <translation>Fehler %1 beim Setzen des Schlüssels
%2</translation>
    </message>
</context>
<context>
    <name>StudyObjectives</name>
    <message>
        <source>Select Objectives</source>
        <translation>Lernziele wählen</translation>
    </message>
    <message>
        <source>Major Arcana</source>
        <translation>Große Arkana</translation>
    </message>
    <message>
        <source>Minor Arcana</source>
        <translation>Kleine Arkana</translation>
    </message>
    <message>
        <source>Cups</source>
        <translation>Kelche</translation>
    </message>
    <message>
        <source>Wands</source>
        <translation>Stäbe</translation>
    </message>
    <message>
        <source>Pentacles</source>
        <translation>Pentakel</translation>
    </message>
    <message>
        <source>Swords</source>
        <translation>Schwerter</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Umgekehrt</translation>
    </message>
    <message>
        <source>Here you can select the cards you want to practice / memorize. You can change these whenever you want or when you have cleared one objective.</source>
        <translation>Hier wählen Sie die Karten aus, die Sie üben oder sich einprägen möchten. Sie können die Auswahl jederzeit ändern, etwa wenn Sie ein Lernziel erreicht haben.</translation>
    </message>
    <message>
        <source>Since the keywords for both upright &amp; reversed are the same, during keyword test, reversed or upright will not be taken into account. Also during the memorizing process everything - upright, reversed &amp; keywords - are shown in one screen.</source>
        <translation>Da die Schlüsselwörter für aufrechte und umgekehrte Karten dieselben sind, spielt die Lage der Karte im Schlüsselworttest keine Rolle. Beim Einprägen wird außerdem alles – aufrecht, umgekehrt und Schlüsselwörter – auf einer Seite gezeigt.</translation>
    </message>
</context>
<context>
    <name>TestOptions</name>
    <message>
        <source>Test Type</source>
        <translation>Testart</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Schlüsselwörter</translation>
    </message>
    <message>
        <source>This option applies only when taking the test.</source>
        <translation>Diese Einstellung gilt nur beim Ablegen des Tests.</translation>
    </message>
    <message>
        <source>You can choose to take the test based on keywords or descriptions. It is important to remember that when doing an actual reading, the meaning of the card changes  depending upon the question asked. So knowing the keywords related to a particular card is more important. </source>
        <translation>Sie können den Test anhand von Schlüsselwörtern oder von Beschreibungen ablegen. Denken Sie daran, dass sich bei einer echten Legung die Bedeutung einer Karte je nach gestellter Frage ändert. Die Schlüsselwörter einer Karte zu kennen ist daher wichtiger.</translation>
    </message>
    <message>
        <source>Test Level</source>
        <translation>Schwierigkeitsgrad</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Fortgeschrittene</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Experten</translation>
    </message>
    <message>
        <source>Here you can choose the level of difficulty while taking a test. The difficulty increases with each level.   </source>
        <translation>Hier wählen Sie, wie schwierig der Test sein soll. Mit jeder Stufe wird er schwieriger.</translation>
    </message>
</context>
<context>
    <name>TestReport</name>
    <message>
        <source>%1 out of %2 questions correct</source>
        <translation>%1 von %2 Fragen richtig</translation>
    </message>
    <message>
        <source>%1/%2 choice(s) from %3 questions were correct</source>
        <translation>%1 von %2 Schlüsselwörtern aus %3 Fragen richtig gewählt</translation>
    </message>
</context>
<context>
    <name>TestRun</name>
    <message>
        <source>There are no cards to test: the chosen objectives select no card of the card database.</source>
        <translation>Es gibt keine Karten zum Testen: Die gewählten Lernziele umfassen keine Karte der Kartendatenbank.</translation>
    </message>
    <message>
        <source>Select at least one option.</source>
        <translation>Wählen Sie mindestens eine Option aus.</translation>
    </message>
    <message>
        <source>Test Complete</source>
        <translation>Test abgeschlossen</translation>
    </message>
</context>
<context>
    <name>TestScreen</name>
    <message>
        <source>The meaning of a card.</source>
        <translation>Die Bedeutung einer Karte.</translation>
    </message>
    <message>
        <source>You must choose 3 keywords</source>
        <translation>Wählen Sie 3 Schlüsselwörter</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <source>Reversed</source>
        <translation>Umgekehrt</translation>
    </message>
    <message>
        <source>You must choose %1 keywords</source>
        <translation>Wählen Sie %1 Schlüsselwörter</translation>
    </message>
    <message>
        <source>You can select only %1 keywords.<byte value="xd"/>
Please unselect one before selecting another keyword</source>
        <translation>Sie können nur %1 Schlüsselwörter auswählen.<byte value="xd"/>
Bitte entfernen Sie zuerst ein Häkchen, bevor Sie ein weiteres Schlüsselwort wählen.</translation>
    </message>
</context>
<context>
    <name>TrayControl</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Lumenrest is an educational tool for learning the basics of tarot card reading. This software is an extremely simple program preferred by beginners who want to learn to read the %1 Deck. The program also includes a Goal Reminder which helps the user set goals that he intends to achieve and keep reminding him about them.</source>
        <translation>Lumenrest ist ein Lernprogramm für die Grundlagen des Tarotlesens. Es ist ein ganz einfaches Programm, das Einsteiger schätzen, die das %1-Deck lesen lernen möchten. Dazu gehört eine Zielerinnerung, die Ihnen hilft, sich Ziele zu setzen, und Sie immer wieder an sie erinnert.</translation>
    </message>
    <message>
        <source> Study a few cards at a time, test yourself often, and the whole deck will soon be yours.</source>
        <translation> Lernen Sie wenige Karten auf einmal, prüfen Sie sich oft, und bald beherrschen Sie das ganze Deck.</translation>
    </message>
    <message>
        <source>Card pictures</source>
        <translation>Kartenbilder</translation>
    </message>
    <message>
        <source>The card pictures are scans of the first edition of the Rider-Waite-Smith deck, published in December 1909 by William Rider &amp; Son, London. The artwork was drawn by Pamela Colman Smith (1878-1951) to the design of Arthur Edward Waite. It is in the public domain.</source>
        <translation>Die Kartenbilder sind Scans der Erstausgabe des Rider-Waite-Smith-Decks, erschienen im Dezember 1909 bei William Rider &amp; Son, London. Gezeichnet hat sie Pamela Colman Smith (1878–1951) nach den Vorgaben von Arthur Edward Waite. Sie sind gemeinfrei.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here.</source>
        <translation>Versehen Sie diese Software mit Ihrer Marke.  Stärken Sie die Treue Ihrer Besucher und bringen Sie mehr Verkehr auf Ihre Website. Name &amp;  Link Ihrer Website an dieser Stelle.</translation>
    </message>
    <message>
        <source>Click Here for more info on co-branding</source>
        <translation>Hier klicken für mehr zum Co-Branding</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Hier klicken, um %1 zu besuchen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The Most Popular Online Mystic Discussion Forum. Best Resource For Everything Mystic. Visit %1 Now</source>
        <translation>Das beliebteste Online-Forum für Mystik. Die beste Quelle für alles Mystische. Besuchen Sie jetzt %1</translation>
    </message>
    <message>
        <source> My Personal Goal </source>
        <translation> Mein persönliches Ziel </translation>
    </message>
    <message>
        <source>     Settings       </source>
        <translation>   Einstellungen   </translation>
    </message>
    <message>
        <source>  Memorize Cards  </source>
        <translation>  Karten einprägen  </translation>
    </message>
    <message>
        <source>      Take Test     </source>
        <translation>   Test ablegen   </translation>
    </message>
    <message>
        <source>       Results        </source>
        <translation>    Ergebnisse    </translation>
    </message>
    <message>
        <source>Co-Brand</source>
        <translation>Co-Branding</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here.</source>
        <translation>Versehen Sie diese Software mit Ihrer Marke.  Stärken Sie die Treue Ihrer Besucher und bringen Sie mehr Verkehr auf Ihre Website. Name &amp;  Link Ihrer Website an dieser Stelle.</translation>
    </message>
    <message>
        <source>Click Here for more info on Co-branding.</source>
        <translation>Hier klicken für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Memorize Meaning / Keywords</source>
        <translation>Bedeutung / Schlüsselwörter einprägen</translation>
    </message>
    <message>
        <source>Test Me</source>
        <translation>Test starten</translation>
    </message>
    <message>
        <source>Save Current Settings As Default</source>
        <translation>Aktuelle Einstellungen als Standard speichern</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;My Personal Goals</source>
        <translation>&amp;Meine persönlichen Ziele</translation>
    </message>
    <message>
        <source>Setings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Besuchen Sie uns online</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach Software-&amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Über die &amp;Software</translation>
    </message>
    <message>
        <source>Required files missing. Please reinstall %1</source>
        <translation>Benötigte Dateien fehlen. Bitte installieren Sie %1 neu.</translation>
    </message>
    <message>
        <source>ERROR !</source>
        <translation>FEHLER!</translation>
    </message>
    <message>
        <source>Select at least one option.</source>
        <translation>Wählen Sie mindestens eine Option aus.</translation>
    </message>
    <message>
        <source>My &amp;Progress</source>
        <translation>Mein &amp;Fortschritt</translation>
    </message>
</context>
<context>
    <name>frmNagScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Hier klicken und jetzt %1 besuchen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Vellacourt Softwares, such as this can be created and maintained only with your support. The best way to support Vellacourt is to visit Vellacourt regularly and take part in the discussions and other activities on the board.</source>
        <translation>Software von Vellacourt wie diese kann nur mit Ihrer Unterstützung entstehen und gepflegt werden. Am besten unterstützen Sie Vellacourt, indem Sie Vellacourt regelmäßig besuchen und sich an den Diskussionen und anderen Aktivitäten im Forum beteiligen.</translation>
    </message>
    <message>
        <source>Visit Vellacourt regularly. Support Vellacourt by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Vellacourt</source>
        <translation>Besuchen Sie Vellacourt regelmäßig. Unterstützen Sie Vellacourt, indem Sie sich an den Diskussionen und anderen Aktivitäten beteiligen. Ohne Ihre regelmäßigen Besuche bei Vellacourt kann diese Software nicht unterstützt und gepflegt werden.</translation>
    </message>
    <message>
        <source>Vellacourt is a FREE online discussion forum for all things mystic. To help Vellacourt develop and maintain this software visit Vellacourt regularly.</source>
        <translation>Vellacourt ist ein KOSTENLOSES Online-Forum für alles Mystische. Helfen Sie Vellacourt, diese Software weiterzuentwickeln und zu pflegen: Besuchen Sie Vellacourt regelmäßig.</translation>
    </message>
    <message>
        <source>Vellacourt needs your help. All you need to do is visit Vellacourt regularly and take part in the various discussions and activites to help us maintain and develop more Vellacourt Softwares.</source>
        <translation>Vellacourt braucht Ihre Hilfe. Besuchen Sie Vellacourt einfach regelmäßig und beteiligen Sie sich an den verschiedenen Diskussionen und Aktivitäten – so helfen Sie uns, weitere Software von Vellacourt zu pflegen und zu entwickeln.</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source>K</source>
        <translation>B</translation>
    </message>
    <message>
        <source>R</source>
        <translation>W</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>My Progress - %1</source>
        <translation>Mein Fortschritt - %1</translation>
    </message>
    <message>
        <source>Your progress appears here after your first test: every answer you give is kept, and each card below then shows whether you know it.</source>
        <translation>Ihr Fortschritt erscheint hier nach Ihrem ersten Test: Jede Ihrer Antworten wird aufbewahrt, und jede Karte unten zeigt dann, ob Sie sie beherrschen.</translation>
    </message>
    <message>
        <source>K known · R to review · N new. Choose a card to see its history.</source>
        <translation>B beherrscht · W zu wiederholen · N neu. Wählen Sie eine Karte, um ihren Verlauf zu sehen.</translation>
    </message>
    <message>
        <source>The deck</source>
        <translation>Das Deck</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Back Up…</source>
        <translation>Sichern…</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Wiederherstellen…</translation>
    </message>
    <message>
        <source>known</source>
        <translation>beherrscht</translation>
    </message>
    <message>
        <source>to review</source>
        <translation>zu wiederholen</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>%1 of %2 cards known</source>
        <translation>%1 von %2 Karten beherrscht</translation>
    </message>
    <message>
        <source>Answers given: %1</source>
        <translation>Gegebene Antworten: %1</translation>
    </message>
    <message>
        <source>Tests taken: %1</source>
        <translation>Abgelegte Tests: %1</translation>
    </message>
    <message>
        <source>Days studied: %1</source>
        <translation>Lerntage: %1</translation>
    </message>
    <message>
        <source>Current run of study days: 1 day</source>
        <translation>Lerntage in Folge: 1 Tag</translation>
    </message>
    <message>
        <source>Current run of study days: %1 days</source>
        <translation>Lerntage in Folge: %1 Tage</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1
Recall chance today: %2 %</source>
        <translation>%1
Erinnerungschance heute: %2 %</translation>
    </message>
    <message>
        <source>CSV file|*.csv</source>
        <translation>CSV-Datei|*.csv</translation>
    </message>
    <message>
        <source>Lumenrest progress|*.sqlite</source>
        <translation>Lumenrest-Fortschritt|*.sqlite</translation>
    </message>
    <message>
        <source>Lumenrest progress|*.sqlite;*.bak</source>
        <translation>Lumenrest-Fortschritt|*.sqlite;*.bak</translation>
    </message>
    <message>
        <source>Replace your progress by the %1 answers kept in &quot;%2&quot;? Your present progress file is kept beside it.</source>
        <translation>Möchten Sie Ihren Fortschritt durch die %1 in „%2“ gespeicherten Antworten ersetzen? Ihre bisherige Fortschrittsdatei wird daneben aufbewahrt.</translation>
    </message>
    <message>
        <source>Your progress was restored.</source>
        <translation>Ihr Fortschritt wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>Your progress was restored. The file it replaced is kept as &quot;%1&quot;.</source>
        <translation>Ihr Fortschritt wurde wiederhergestellt. Die ersetzte Datei wird als „%1“ aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>modDB</name>
    <message>
        <source>The card database &quot;%1&quot; was not found.</source>
        <translation>Die Kartendatenbank „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; is a folder, not a file.</source>
        <translation>Die Kartendatenbank „%1“ ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; could not be opened. %2</source>
        <translation>Die Kartendatenbank „%1“ konnte nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>The file is damaged or is not a database.</source>
        <translation>Die Datei ist beschädigt oder keine Datenbank.</translation>
    </message>
    <message>
        <source>The database &quot;%1&quot; could not be opened. %2</source>
        <translation>Die Datenbank „%1“ konnte nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>The card database could not run &quot;%1&quot;: %2</source>
        <translation>Die Kartendatenbank konnte „%1“ nicht ausführen: %2</translation>
    </message>
    <message>
        <source>The database could not run &quot;%1&quot;: %2</source>
        <translation>Die Datenbank konnte „%1“ nicht ausführen: %2</translation>
    </message>
    <message>
        <source>The card database is not open.</source>
        <translation>Die Kartendatenbank ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The card database could not read the rows of &quot;%1&quot;: %2</source>
        <translation>Die Kartendatenbank konnte die Zeilen von „%1“ nicht lesen: %2</translation>
    </message>
    <message>
        <source>The filter &quot;%1&quot; is not supported.</source>
        <translation>Der Filter „%1“ wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; does not exist in the rows of %2.</source>
        <translation>Das Feld „%1“ gibt es in den Zeilen von %2 nicht.</translation>
    </message>
    <message>
        <source>There is no current row in %1.</source>
        <translation>In %1 gibt es keine aktuelle Zeile.</translation>
    </message>
    <message>
        <source>These rows cannot be saved: the query names no table.</source>
        <translation>Diese Zeilen können nicht gespeichert werden: Die Abfrage nennt keine Tabelle.</translation>
    </message>
    <message>
        <source>The card database could not save the row: %1</source>
        <translation>Die Kartendatenbank konnte die Zeile nicht speichern: %1</translation>
    </message>
    <message>
        <source>The card database could not save the row: it is no longer in %1.</source>
        <translation>Die Kartendatenbank konnte die Zeile nicht speichern: Sie ist nicht mehr in %1 vorhanden.</translation>
    </message>
    <message>
        <source>The file is damaged, is not a card database, or was made with another key.</source>
        <translation>Die Datei ist beschädigt, ist keine Kartendatenbank oder wurde mit einem anderen Schlüssel angelegt.</translation>
    </message>
    <message>
        <source>The card database could not take value %1 of the row: %2</source>
        <translation>Die Kartendatenbank konnte den Wert %1 der Zeile nicht übernehmen: %2</translation>
    </message>
    <message>
        <source>The database could not run the query &quot;%1&quot;: %2</source>
        <translation>Die Datenbank konnte die Abfrage „%1“ nicht ausführen: %2</translation>
    </message>
    <message>
        <source>The card database &quot;%1&quot; cannot be used: its card table has no column &quot;%2&quot;.</source>
        <translation>Die Kartendatenbank „%1“ ist nicht verwendbar: Ihrer Kartentabelle fehlt die Spalte „%2“.</translation>
    </message>
</context>
<context>
    <name>modGoals</name>
    <message>
        <source>the file could not be read to its end</source>
        <translation>Die Datei konnte nicht bis zum Ende gelesen werden</translation>
    </message>
    <message>
        <source>too many copies already exist</source>
        <translation>es gibt bereits zu viele Kopien</translation>
    </message>
</context>
<context>
    <name>progress::ProgressStore</name>
    <message>
        <source>it was written by a newer version of Lumenrest.</source>
        <translation>Sie wurde von einer neueren Version von Lumenrest geschrieben.</translation>
    </message>
    <message>
        <source>it is not a Lumenrest progress file.</source>
        <translation>Sie ist keine Fortschrittsdatei von Lumenrest.</translation>
    </message>
    <message>
        <source>it is damaged.</source>
        <translation>Sie ist beschädigt.</translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; is read-only; your answers are not saved.</source>
        <translation>Die Fortschrittsdatei „%1“ ist schreibgeschützt; Ihre Antworten werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The folder of the progress file &quot;%1&quot; cannot be created; your answers are not saved.</source>
        <translation>Der Ordner der Fortschrittsdatei „%1“ kann nicht angelegt werden; Ihre Antworten werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; is damaged and cannot be read.</source>
        <translation>Die Fortschrittsdatei „%1“ ist beschädigt und kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; cannot be used (%2); your answers are not saved.</source>
        <translation>Die Fortschrittsdatei „%1“ ist nicht verwendbar (%2); Ihre Antworten werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; was written by a newer version of Lumenrest; your answers are not saved in this run.</source>
        <translation>Die Fortschrittsdatei „%1“ wurde von einer neueren Version von Lumenrest geschrieben; Ihre Antworten werden in dieser Sitzung nicht gespeichert.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not a Lumenrest progress file; your answers are not saved in this run.</source>
        <translation>Die Datei „%1“ ist keine Fortschrittsdatei von Lumenrest; Ihre Antworten werden in dieser Sitzung nicht gespeichert.</translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; is damaged and could not be set aside; your answers are not saved.</source>
        <translation>Die Fortschrittsdatei „%1“ ist beschädigt und konnte nicht beiseitegelegt werden; Ihre Antworten werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; was damaged. It is kept as &quot;%2&quot;; a new progress file was started.</source>
        <translation>Die Fortschrittsdatei „%1“ war beschädigt. Sie wird als „%2“ aufbewahrt; eine neue Fortschrittsdatei wurde angelegt.</translation>
    </message>
    <message>
        <source>An answer could not be saved in the progress file &quot;%1&quot;: %2</source>
        <translation>Eine Antwort konnte nicht in der Fortschrittsdatei „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The end of a test could not be saved in the progress file &quot;%1&quot;: %2</source>
        <translation>Das Ende eines Tests konnte nicht in der Fortschrittsdatei „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; could not be read: %2</source>
        <translation>Die Fortschrittsdatei „%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>There is no progress to back up yet.</source>
        <translation>Es gibt noch keinen Fortschritt, der gesichert werden könnte.</translation>
    </message>
    <message>
        <source>The progress could not be backed up: %1</source>
        <translation>Der Fortschritt konnte nicht gesichert werden: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read.</source>
        <translation>„%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be restored: %2</source>
        <translation>„%1“ kann nicht wiederhergestellt werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be restored: it is damaged or is not a progress file.</source>
        <translation>„%1“ kann nicht wiederhergestellt werden: Die Datei ist beschädigt oder keine Fortschrittsdatei.</translation>
    </message>
    <message>
        <source>The folder of &quot;%1&quot; cannot be created.</source>
        <translation>Der Ordner von „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be copied to &quot;%2&quot;.</source>
        <translation>„%1“ konnte nicht nach „%2“ kopiert werden.</translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; is in use by another copy of Lumenrest; close it and try again.</source>
        <translation>Die Fortschrittsdatei „%1“ wird von einem anderen laufenden Lumenrest verwendet; schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The progress file &quot;%1&quot; could not be set aside.</source>
        <translation>Die Fortschrittsdatei „%1“ konnte nicht beiseitegelegt werden.</translation>
    </message>
    <message>
        <source>The backup could not be moved to &quot;%1&quot;.</source>
        <translation>Die Sicherung konnte nicht nach „%1“ verschoben werden.</translation>
    </message>
</context>
<context>
    <name>progress::ReviewPanel</name>
    <message>
        <source>Practise Weakest Cards</source>
        <translation>Schwächste Karten üben</translation>
    </message>
    <message>
        <source>Cards you mix up:</source>
        <translation>Karten, die Sie verwechseln:</translation>
    </message>
    <message>
        <source>Practise This Pair</source>
        <translation>Dieses Paar üben</translation>
    </message>
    <message>
        <source>Review Due Cards (%1)</source>
        <translation>Fällige Karten wiederholen (%1)</translation>
    </message>
    <message>
        <source>Nothing Due Today</source>
        <translation>Heute nichts fällig</translation>
    </message>
    <message>
        <source>Cards fall due for review once you have been tested on them.</source>
        <translation>Karten werden zur Wiederholung fällig, sobald Sie zu ihnen getestet wurden.</translation>
    </message>
    <message>
        <source>Cards are due for review today.</source>
        <translation>Heute sind Karten zur Wiederholung fällig.</translation>
    </message>
    <message>
        <source>The next card falls due tomorrow.</source>
        <translation>Die nächste Karte wird morgen fällig.</translation>
    </message>
    <message>
        <source>The next card falls due on %1, in %2 days.</source>
        <translation>Die nächste Karte wird am %1 fällig, in %2 Tagen.</translation>
    </message>
    <message>
        <source>%1 ↔ %2</source>
        <translation>%1 ↔ %2</translation>
    </message>
    <message>
        <source>%1 — once</source>
        <translation>%1 — einmal</translation>
    </message>
    <message>
        <source>%1 — %2 times</source>
        <translation>%1 — %2-mal</translation>
    </message>
</context>
</TS>
