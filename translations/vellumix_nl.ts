<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>FailureText</name>
    <message>
        <source>“%1” already exists.</source>
        <translation>‘%1’ bestaat al.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>‘%1’ bestaat niet meer.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to rename “%1”.</source>
        <translation>U hebt geen toestemming om ‘%1’ te hernoemen.</translation>
    </message>
    <message>
        <source>“%1” is on a read-only file system.</source>
        <translation>‘%1’ staat op een alleen-lezen bestandssysteem.</translation>
    </message>
    <message>
        <source>The new name is too long.</source>
        <translation>De nieuwe naam is te lang.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on the disk to rename “%1”.</source>
        <translation>Er is niet genoeg ruimte op de schijf om ‘%1’ te hernoemen.</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>‘%1’ is in gebruik.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be moved to another file system.</source>
        <translation>‘%1’ kan niet naar een ander bestandssysteem worden verplaatst.</translation>
    </message>
    <message>
        <source>A disk error occurred while renaming “%1”.</source>
        <translation>Er is een schijffout opgetreden bij het hernoemen van ‘%1’.</translation>
    </message>
    <message>
        <source>A name can&apos;t be empty.</source>
        <translation>Een naam mag niet leeg zijn.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain “/”.</source>
        <translation>Een naam mag geen ‘/’ bevatten.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain a null character.</source>
        <translation>Een naam mag geen nulteken bevatten.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name.</source>
        <translation>‘%1’ kan niet als naam worden gebruikt.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name on this drive.</source>
        <translation>‘%1’ kan op deze schijf niet als naam worden gebruikt.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed (%2).</source>
        <translation>‘%1’ kon niet worden hernoemd (%2).</translation>
    </message>
    <message>
        <source>“%1” has been replaced by another file.</source>
        <translation>‘%1’ is vervangen door een ander bestand.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed: the drive is no longer reachable.</source>
        <translation>‘%1’ kon niet worden hernoemd: het station is niet meer bereikbaar.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed and is now named “%2”, in the same folder.</source>
        <translation>‘%1’ kon niet worden hernoemd en heet nu ‘%2’, in dezelfde map.</translation>
    </message>
    <message>
        <source>⏹ %1 file(s) not attempted: the batch was cancelled.</source>
        <translation>⏹ %1 bestand(en) niet geprobeerd: de batch is geannuleerd.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::AboutDialog</name>
    <message>
        <source>About Vellumix</source>
        <translation>Over Vellumix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>© 2026 The Vellumix developers</source>
        <translation>© 2026 De ontwikkelaars van Vellumix</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <translation>Website %1</translation>
    </message>
    <message>
        <source>Opens the Vellumix web site in the web browser</source>
        <translation>Opent de website van Vellumix in de webbrowser</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::BatchProgressDialog</name>
    <message>
        <source>The drive is not answering.</source>
        <translation>Het station reageert niet.</translation>
    </message>
    <message>
        <source>Stopping before the next file…</source>
        <translation>Stoppen voor het volgende bestand…</translation>
    </message>
    <message>
        <source>Renaming %L1 of %L2…</source>
        <translation>Hernoemen: %L1 van %L2…</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::CommandLine</name>
    <message>
        <source>Rename many files at once with a live preview.</source>
        <translation>Veel bestanden tegelijk hernoemen, met een live voorbeeld.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list. A folder adds the files directly inside it, without hidden ones.</source>
        <translation>Bestanden en mappen om in de lijst te zetten. Een map voegt de bestanden toe die er direct in staan, zonder verborgen bestanden.</translation>
    </message>
    <message>
        <source>%1: “%2” does not exist; left out.
</source>
        <translation>%1: ‘%2’ bestaat niet; overgeslagen.
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
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>The number of files in the list</source>
        <translation>Het aantal bestanden in de lijst</translation>
    </message>
    <message>
        <source>The number of files whose name changes</source>
        <translation>Het aantal bestanden waarvan de naam verandert</translation>
    </message>
    <message>
        <source>The number of files whose name stays as it is</source>
        <translation>Het aantal bestanden waarvan de naam blijft zoals hij is</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Bestanden toevoegen</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Map toevoegen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Lijst wissen</translation>
    </message>
    <message>
        <source>Choose files to add to the list</source>
        <translation>Kies bestanden om aan de lijst toe te voegen</translation>
    </message>
    <message>
        <source>Choose a folder; the files in it are added to the list</source>
        <translation>Kies een map; de bestanden erin worden aan de lijst toegevoegd</translation>
    </message>
    <message>
        <source>Remove every file from the list</source>
        <translation>Alle bestanden uit de lijst verwijderen</translation>
    </message>
    <message>
        <source>Rename on disk every file whose new name differs from its current name</source>
        <translation>Elk bestand waarvan de nieuwe naam afwijkt van de huidige naam op de schijf hernoemen</translation>
    </message>
    <message>
        <source>&amp;Rename %1 File(s)</source>
        <translation>%1 bestand(en) he&amp;rnoemen</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>Bestanden &amp;toevoegen</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>&amp;Map toevoegen</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Lijst wissen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Hernoemen</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Hernoemen ongedaan maken</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>Hernoemen opnieuw uitvoeren</translation>
    </message>
    <message>
        <source>Reading the files’ dates… %L1 of %L2</source>
        <translation>Datums van de bestanden lezen… %L1 van %L2</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::DropZone</name>
    <message>
        <source>Drop files or folders here</source>
        <translation>Sleep bestanden of mappen hierheen</translation>
    </message>
    <message>
        <source>or use the Add Files / Add Folder buttons</source>
        <translation>of gebruik de knoppen ‘Bestanden toevoegen’ / ‘Map toevoegen’</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::FileListView</name>
    <message>
        <source>Files</source>
        <translation>Bestanden</translation>
    </message>
    <message>
        <source>Each file&apos;s current name, its new name and its status. Delete removes the selected files from the list.</source>
        <translation>De huidige naam, de nieuwe naam en de status van elk bestand. Delete verwijdert de geselecteerde bestanden uit de lijst.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Selects every file in the list</source>
        <translation>Selecteert alle bestanden in de lijst</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Uit lijst verwijderen</translation>
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
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hulp</translation>
    </message>
    <message>
        <source>About Vellumix</source>
        <translation>Over Vellumix</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>Add &amp;Files…</source>
        <translation>&amp;Bestanden toevoegen…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>&amp;Map toevoegen…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>Lijst &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Hernoemen</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>Hernoemen &amp;ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo Rename</source>
        <translation>Hernoemen opnieuw &amp;uitvoeren</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>Hernoemen van %Ln bestand &amp;ongedaan maken</numerusform>
            <numerusform>Hernoemen van %Ln bestanden &amp;ongedaan maken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>Hernoemen van %Ln bestand opnieuw &amp;uitvoeren</numerusform>
            <numerusform>Hernoemen van %Ln bestanden opnieuw &amp;uitvoeren</numerusform>
        </translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Om&amp;hoog</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Om&amp;laag</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>&amp;Sorteren op</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Naam</translation>
    </message>
    <message>
        <source>Date &amp;Modified</source>
        <translation>Datum ge&amp;wijzigd</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Grootte</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>&amp;Oplopend</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Aflopend</translation>
    </message>
    <message>
        <source>Date Ta&amp;ken</source>
        <translation>Datum o&amp;pname</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarkTexts</name>
    <message>
        <source>Will fail</source>
        <translation>Zal mislukken</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Overgeslagen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be renamed: its name is not valid text.</source>
        <translation>‘%1’ kan niet worden hernoemd: de naam is geen geldige tekst.</translation>
    </message>
    <message>
        <source>Nothing is left of the name but its extension.</source>
        <translation>Van de naam blijft alleen de extensie over.</translation>
    </message>
    <message>
        <source>The new name begins with a dot: the file will be hidden.</source>
        <translation>De nieuwe naam begint met een punt: het bestand wordt verborgen.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarksLine</name>
    <message>
        <source>Previous Problem</source>
        <translation>Vorig probleem</translation>
    </message>
    <message>
        <source>Next Problem</source>
        <translation>Volgend probleem</translation>
    </message>
    <message numerus="yes">
        <source>%n renames will fail</source>
        <translation>
            <numerusform>%n hernoeming zal mislukken</numerusform>
            <numerusform>%n hernoemingen zullen mislukken</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files can&apos;t be renamed</source>
        <translation>
            <numerusform>%n bestand kan niet worden hernoemd</numerusform>
            <numerusform>%n bestanden kunnen niet worden hernoemd</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n waarschuwing</numerusform>
            <numerusform>%n waarschuwingen</numerusform>
        </translation>
    </message>
    <message>
        <source>Selects the previous file with a problem (Shift+F8)</source>
        <translation>Selecteert het vorige bestand met een probleem (Shift+F8)</translation>
    </message>
    <message>
        <source>Selects the next file with a problem (F8)</source>
        <translation>Selecteert het volgende bestand met een probleem (F8)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::PreviewTableModel</name>
    <message>
        <source>no new name</source>
        <translation>geen nieuwe naam</translation>
    </message>
    <message>
        <source>not previewed</source>
        <translation>geen voorbeeld</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>Oorspronkelijke naam</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nieuwe naam</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Hernoemd</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Ongewijzigd</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::ResultAlert</name>
    <message>
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>Details tonen…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>Details verbergen…</translation>
    </message>
    <message>
        <source>Every file renamed, with its old and new name</source>
        <translation>Elk hernoemd bestand, met de oude en de nieuwe naam</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::RulePanel</name>
    <message>
        <source>Rename rule</source>
        <translation>Hernoemregel</translation>
    </message>
    <message>
        <source>The rule that makes the new names, and its settings</source>
        <translation>De regel die de nieuwe namen maakt, en de instellingen ervan</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message>
        <source>How the new names are made</source>
        <translation>Hoe de nieuwe namen worden gemaakt</translation>
    </message>
    <message>
        <source>Text put before each file name</source>
        <translation>Tekst vóór elke bestandsnaam</translation>
    </message>
    <message>
        <source>Text put after each file name, before its extension</source>
        <translation>Tekst na elke bestandsnaam, vóór de extensie</translation>
    </message>
    <message>
        <source>Text put in place of each match</source>
        <translation>Tekst die elke overeenkomst vervangt</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Hoofdlettergevoelig</translation>
    </message>
    <message>
        <source>When checked, upper and lower case letters must match exactly</source>
        <translation>Indien aangevinkt, moeten hoofdletters en kleine letters precies overeenkomen</translation>
    </message>
    <message>
        <source>Case style</source>
        <translation>Hoofdletters</translation>
    </message>
    <message>
        <source>How the letters of the new names are cased</source>
        <translation>Of de letters van de nieuwe namen hoofdletters of kleine letters worden</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Whether the number goes before or after the name</source>
        <translation>Of het nummer vóór of na de naam komt</translation>
    </message>
    <message>
        <source>Text put between the name and the number</source>
        <translation>Tekst tussen de naam en het nummer</translation>
    </message>
    <message>
        <source>The number of the first file</source>
        <translation>Het nummer van het eerste bestand</translation>
    </message>
    <message>
        <source>How much the number grows from one file to the next</source>
        <translation>Hoeveel het nummer van het ene bestand op het volgende oploopt</translation>
    </message>
    <message>
        <source>The fewest digits a number has, filled with leading zeros</source>
        <translation>Het minste aantal cijfers van een nummer, aangevuld met voorloopnullen</translation>
    </message>
    <message>
        <source>Whether the date goes before or after the name</source>
        <translation>Of de datum vóór of na de naam komt</translation>
    </message>
    <message>
        <source>Text put between the name and the date</source>
        <translation>Tekst tussen de naam en de datum</translation>
    </message>
    <message>
        <source>How today&apos;s date is written, for example yyyy-MM-dd for 2024-03-31</source>
        <translation>Hoe de datum van vandaag wordt geschreven, bijvoorbeeld yyyy-MM-dd voor 2024-03-31</translation>
    </message>
    <message>
        <source>Format tokens: yyyy · MM · dd · HH · mm · ss</source>
        <translation>Opmaakcodes: yyyy&#xa0;·&#xa0;MM&#xa0;·&#xa0;dd&#xa0;·&#xa0;HH&#xa0;·&#xa0;mm&#xa0;·&#xa0;ss</translation>
    </message>
    <message>
        <source>Where removing begins; 0 is the first character</source>
        <translation>Waar het verwijderen begint; 0 is het eerste teken</translation>
    </message>
    <message>
        <source>How many characters are removed</source>
        <translation>Hoeveel tekens worden verwijderd</translation>
    </message>
    <message>
        <source>Replaces underscores, dashes and dots with spaces, then applies Title Case.</source>
        <translation>Vervangt onderstrepingstekens, streepjes en punten door spaties en geeft daarna elk woord een hoofdletter.</translation>
    </message>
    <message>
        <source>The regular expression to look for in each file name</source>
        <translation>De reguliere expressie waarnaar in elke bestandsnaam wordt gezocht</translation>
    </message>
    <message>
        <source>The text to look for in each file name</source>
        <translation>De tekst waarnaar in elke bestandsnaam wordt gezocht</translation>
    </message>
    <message>
        <source>Invalid pattern: %1 (at character %2)</source>
        <translation>Ongeldig patroon: %1 (bij teken %2)</translation>
    </message>
    <message>
        <source>Number companions together</source>
        <translation>Bijbehorende bestanden samen nummeren</translation>
    </message>
    <message>
        <source>Files of one folder with the same name before the extension, such as a photo and its raw file, get one number</source>
        <translation>Bestanden in één map met dezelfde naam vóór de extensie, zoals een foto en zijn RAW-bestand, krijgen één nummer</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nu</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Datum gewijzigd</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Datum opname</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Today&apos;s date, or each file&apos;s own: when it last changed, or when the photo was taken</source>
        <translation>De datum van vandaag, of die van elk bestand: wanneer het het laatst is gewijzigd, of wanneer de foto is genomen</translation>
    </message>
</context>
</TS>
