<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FailureText</name>
    <message>
        <source>“%1” already exists.</source>
        <translation>„%1“ ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>„%1“ ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to rename “%1”.</source>
        <translation>Sie haben keine Berechtigung, „%1“ umzubenennen.</translation>
    </message>
    <message>
        <source>“%1” is on a read-only file system.</source>
        <translation>„%1“ liegt auf einem schreibgeschützten Dateisystem.</translation>
    </message>
    <message>
        <source>The new name is too long.</source>
        <translation>Der neue Name ist zu lang.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on the disk to rename “%1”.</source>
        <translation>Auf dem Datenträger ist nicht genug Platz, um „%1“ umzubenennen.</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>„%1“ wird gerade verwendet.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be moved to another file system.</source>
        <translation>„%1“ kann nicht auf ein anderes Dateisystem verschoben werden.</translation>
    </message>
    <message>
        <source>A disk error occurred while renaming “%1”.</source>
        <translation>Beim Umbenennen von „%1“ ist ein Datenträgerfehler aufgetreten.</translation>
    </message>
    <message>
        <source>A name can&apos;t be empty.</source>
        <translation>Ein Name darf nicht leer sein.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain “/”.</source>
        <translation>Ein Name darf kein „/“ enthalten.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain a null character.</source>
        <translation>Ein Name darf kein Nullzeichen enthalten.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name.</source>
        <translation>„%1“ kann nicht als Name verwendet werden.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name on this drive.</source>
        <translation>„%1“ kann auf diesem Laufwerk nicht als Name verwendet werden.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed (%2).</source>
        <translation>„%1“ konnte nicht umbenannt werden (%2).</translation>
    </message>
    <message>
        <source>“%1” has been replaced by another file.</source>
        <translation>„%1“ wurde durch eine andere Datei ersetzt.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed: the drive is no longer reachable.</source>
        <translation>„%1“ konnte nicht umbenannt werden: Das Laufwerk ist nicht mehr erreichbar.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed and is now named “%2”, in the same folder.</source>
        <translation>„%1“ konnte nicht umbenannt werden und heißt jetzt „%2“, im selben Ordner.</translation>
    </message>
    <message>
        <source>⏹ %1 file(s) not attempted: the batch was cancelled.</source>
        <translation>⏹ %1 Datei(en) nicht versucht: Der Vorgang wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::AboutDialog</name>
    <message>
        <source>About Vellumix</source>
        <translation>Über Vellumix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>© 2026 The Vellumix developers</source>
        <translation>© 2026 Die Vellumix-Entwickler</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <translation>Website %1</translation>
    </message>
    <message>
        <source>Opens the Vellumix web site in the web browser</source>
        <translation>Öffnet die Website von Vellumix im Webbrowser</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::BatchProgressDialog</name>
    <message>
        <source>The drive is not answering.</source>
        <translation>Das Laufwerk antwortet nicht.</translation>
    </message>
    <message>
        <source>Stopping before the next file…</source>
        <translation>Wird vor der nächsten Datei angehalten…</translation>
    </message>
    <message>
        <source>Renaming %L1 of %L2…</source>
        <translation>Umbenennen: %L1 von %L2…</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::CommandLine</name>
    <message>
        <source>Rename many files at once with a live preview.</source>
        <translation>Viele Dateien auf einmal umbenennen, mit Live-Vorschau.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list. A folder adds the files directly inside it, without hidden ones.</source>
        <translation>Dateien und Ordner für die Liste. Ein Ordner fügt die Dateien hinzu, die direkt darin liegen, ohne versteckte.</translation>
    </message>
    <message>
        <source>%1: “%2” does not exist; left out.
</source>
        <translation>%1: „%2“ ist nicht vorhanden und wird ausgelassen.
</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::ContentView</name>
    <message>
        <source>Vellumix</source>
        <translation>Vellumix</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>The number of files in the list</source>
        <translation>Anzahl der Dateien in der Liste</translation>
    </message>
    <message>
        <source>The number of files whose name changes</source>
        <translation>Anzahl der Dateien, deren Name sich ändert</translation>
    </message>
    <message>
        <source>The number of files whose name stays as it is</source>
        <translation>Anzahl der Dateien, deren Name bleibt, wie er ist</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dateien hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>Choose files to add to the list</source>
        <translation>Dateien auswählen, die zur Liste hinzugefügt werden</translation>
    </message>
    <message>
        <source>Choose a folder; the files in it are added to the list</source>
        <translation>Einen Ordner auswählen; die Dateien darin werden zur Liste hinzugefügt</translation>
    </message>
    <message>
        <source>Remove every file from the list</source>
        <translation>Alle Dateien aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Rename on disk every file whose new name differs from its current name</source>
        <translation>Jede Datei, deren neuer Name vom jetzigen abweicht, auf dem Datenträger umbenennen</translation>
    </message>
    <message>
        <source>&amp;Rename %1 File(s)</source>
        <translation>%1 Datei(en) &amp;umbenennen</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>Datei&amp;en hinzufügen</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>&amp;Ordner hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Liste leeren</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Umbenennen rückgängig machen</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>Umbenennen wiederholen</translation>
    </message>
    <message>
        <source>Reading the files’ dates… %L1 of %L2</source>
        <translation>Datumsangaben der Dateien werden gelesen… %L1 von %L2</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::DropZone</name>
    <message>
        <source>Drop files or folders here</source>
        <translation>Dateien oder Ordner hierher ziehen</translation>
    </message>
    <message>
        <source>or use the Add Files / Add Folder buttons</source>
        <translation>oder die Schaltflächen „Dateien hinzufügen“ / „Ordner hinzufügen“ verwenden</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::FileListView</name>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Each file&apos;s current name, its new name and its status. Delete removes the selected files from the list.</source>
        <translation>Jetziger Name, neuer Name und Status jeder Datei. Entf entfernt die ausgewählten Dateien aus der Liste.</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Selects every file in the list</source>
        <translation>Wählt alle Dateien der Liste aus</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MainWindow</name>
    <message>
        <source>Vellumix</source>
        <translation>Vellumix</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About Vellumix</source>
        <translation>Über Vellumix</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Add &amp;Files…</source>
        <translation>&amp;Dateien hinzufügen…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>&amp;Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Liste &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>Umbenennen &amp;rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Redo Rename</source>
        <translation>Umbenennen &amp;wiederholen</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>Umbenennen von %Ln Datei &amp;rückgängig machen</numerusform>
            <numerusform>Umbenennen von %Ln Dateien &amp;rückgängig machen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>Umbenennen von %Ln Datei &amp;wiederholen</numerusform>
            <numerusform>Umbenennen von %Ln Dateien &amp;wiederholen</numerusform>
        </translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>Sortieren &amp;nach</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>Date &amp;Modified</source>
        <translation>Änderungs&amp;datum</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Größe</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Typ</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>&amp;Aufsteigend</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>Ab&amp;steigend</translation>
    </message>
    <message>
        <source>Date Ta&amp;ken</source>
        <translation>Au&amp;fnahmedatum</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarkTexts</name>
    <message>
        <source>Will fail</source>
        <translation>Schlägt fehl</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be renamed: its name is not valid text.</source>
        <translation>„%1“ kann nicht umbenannt werden: Der Name ist kein gültiger Text.</translation>
    </message>
    <message>
        <source>Nothing is left of the name but its extension.</source>
        <translation>Vom Namen bleibt nur die Endung übrig.</translation>
    </message>
    <message>
        <source>The new name begins with a dot: the file will be hidden.</source>
        <translation>Der neue Name beginnt mit einem Punkt: Die Datei wird versteckt.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarksLine</name>
    <message>
        <source>Previous Problem</source>
        <translation>Vorheriges Problem</translation>
    </message>
    <message>
        <source>Next Problem</source>
        <translation>Nächstes Problem</translation>
    </message>
    <message numerus="yes">
        <source>%n renames will fail</source>
        <translation>
            <numerusform>%n Umbenennung wird fehlschlagen</numerusform>
            <numerusform>%n Umbenennungen werden fehlschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files can&apos;t be renamed</source>
        <translation>
            <numerusform>%n Datei kann nicht umbenannt werden</numerusform>
            <numerusform>%n Dateien können nicht umbenannt werden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n Warnung</numerusform>
            <numerusform>%n Warnungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Selects the previous file with a problem (Shift+F8)</source>
        <translation>Wählt die vorherige Datei mit einem Problem aus (Umschalt+F8)</translation>
    </message>
    <message>
        <source>Selects the next file with a problem (F8)</source>
        <translation>Wählt die nächste Datei mit einem Problem aus (F8)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::PreviewTableModel</name>
    <message>
        <source>no new name</source>
        <translation>kein neuer Name</translation>
    </message>
    <message>
        <source>not previewed</source>
        <translation>keine Vorschau</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>Ursprünglicher Name</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Neuer Name</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Umbenannt</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::ResultAlert</name>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>Details anzeigen…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>Details ausblenden…</translation>
    </message>
    <message>
        <source>Every file renamed, with its old and new name</source>
        <translation>Jede umbenannte Datei mit ihrem alten und neuen Namen</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::RulePanel</name>
    <message>
        <source>Rename rule</source>
        <translation>Umbenennungsregel</translation>
    </message>
    <message>
        <source>The rule that makes the new names, and its settings</source>
        <translation>Die Regel, nach der die neuen Namen entstehen, und ihre Einstellungen</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>How the new names are made</source>
        <translation>Wie die neuen Namen gebildet werden</translation>
    </message>
    <message>
        <source>Text put before each file name</source>
        <translation>Text, der vor jeden Dateinamen gesetzt wird</translation>
    </message>
    <message>
        <source>Text put after each file name, before its extension</source>
        <translation>Text, der hinter jeden Dateinamen gesetzt wird, vor die Endung</translation>
    </message>
    <message>
        <source>Text put in place of each match</source>
        <translation>Text, der jeden Treffer ersetzt</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>When checked, upper and lower case letters must match exactly</source>
        <translation>Wenn angekreuzt, müssen Groß- und Kleinbuchstaben genau übereinstimmen</translation>
    </message>
    <message>
        <source>Case style</source>
        <translation>Schreibweise</translation>
    </message>
    <message>
        <source>How the letters of the new names are cased</source>
        <translation>Wie die Buchstaben der neuen Namen groß- oder kleingeschrieben werden</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Whether the number goes before or after the name</source>
        <translation>Ob die Nummer vor oder hinter dem Namen steht</translation>
    </message>
    <message>
        <source>Text put between the name and the number</source>
        <translation>Text zwischen Name und Nummer</translation>
    </message>
    <message>
        <source>The number of the first file</source>
        <translation>Die Nummer der ersten Datei</translation>
    </message>
    <message>
        <source>How much the number grows from one file to the next</source>
        <translation>Um wie viel die Nummer von Datei zu Datei wächst</translation>
    </message>
    <message>
        <source>The fewest digits a number has, filled with leading zeros</source>
        <translation>Mindestanzahl der Ziffern einer Nummer, mit führenden Nullen aufgefüllt</translation>
    </message>
    <message>
        <source>Whether the date goes before or after the name</source>
        <translation>Ob das Datum vor oder hinter dem Namen steht</translation>
    </message>
    <message>
        <source>Text put between the name and the date</source>
        <translation>Text zwischen Name und Datum</translation>
    </message>
    <message>
        <source>Format tokens: yyyy · MM · dd · HH · mm · ss</source>
        <translation>Formatzeichen: yyyy&#xa0;·&#xa0;MM&#xa0;·&#xa0;dd&#xa0;·&#xa0;HH&#xa0;·&#xa0;mm&#xa0;·&#xa0;ss</translation>
    </message>
    <message>
        <source>Where removing begins; 0 is the first character</source>
        <translation>Wo das Entfernen beginnt; 0 ist das erste Zeichen</translation>
    </message>
    <message>
        <source>How many characters are removed</source>
        <translation>Wie viele Zeichen entfernt werden</translation>
    </message>
    <message>
        <source>Replaces underscores, dashes and dots with spaces, then applies Title Case.</source>
        <translation>Ersetzt Unterstriche, Bindestriche und Punkte durch Leerzeichen und schreibt dann jedes Wort groß.</translation>
    </message>
    <message>
        <source>The regular expression to look for in each file name</source>
        <translation>Der reguläre Ausdruck, der in jedem Dateinamen gesucht wird</translation>
    </message>
    <message>
        <source>The text to look for in each file name</source>
        <translation>Der Text, der in jedem Dateinamen gesucht wird</translation>
    </message>
    <message>
        <source>How today&apos;s date is written, for example yyyy-MM-dd for 2024-03-31</source>
        <translation>Wie das heutige Datum geschrieben wird, zum Beispiel yyyy-MM-dd für 2024-03-31</translation>
    </message>
    <message>
        <source>Invalid pattern: %1 (at character %2)</source>
        <translation>Ungültiges Muster: %1 (bei Zeichen %2)</translation>
    </message>
    <message>
        <source>Number companions together</source>
        <translation>Begleitdateien gemeinsam nummerieren</translation>
    </message>
    <message>
        <source>Files of one folder with the same name before the extension, such as a photo and its raw file, get one number</source>
        <translation>Dateien eines Ordners mit demselben Namen vor der Endung, etwa ein Foto und seine RAW-Datei, erhalten eine Nummer</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Aufnahmedatum</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Today&apos;s date, or each file&apos;s own: when it last changed, or when the photo was taken</source>
        <translation>Das heutige Datum oder das jeder Datei: wann sie zuletzt geändert oder wann das Foto aufgenommen wurde</translation>
    </message>
</context>
</TS>
