<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>FailureText</name>
    <message>
        <source>“%1” already exists.</source>
        <translation>«%1» esiste già.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>«%1» non esiste più.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to rename “%1”.</source>
        <translation>Non si hanno i permessi per rinominare «%1».</translation>
    </message>
    <message>
        <source>“%1” is on a read-only file system.</source>
        <translation>«%1» si trova su un file system in sola lettura.</translation>
    </message>
    <message>
        <source>The new name is too long.</source>
        <translation>Il nuovo nome è troppo lungo.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on the disk to rename “%1”.</source>
        <translation>Non c’è abbastanza spazio sul disco per rinominare «%1».</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>«%1» è in uso.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be moved to another file system.</source>
        <translation>«%1» non può essere spostato su un altro file system.</translation>
    </message>
    <message>
        <source>A disk error occurred while renaming “%1”.</source>
        <translation>Si è verificato un errore del disco durante la rinomina di «%1».</translation>
    </message>
    <message>
        <source>A name can&apos;t be empty.</source>
        <translation>Un nome non può essere vuoto.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain “/”.</source>
        <translation>Un nome non può contenere «/».</translation>
    </message>
    <message>
        <source>A name can&apos;t contain a null character.</source>
        <translation>Un nome non può contenere un carattere nullo.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name.</source>
        <translation>«%1» non può essere usato come nome.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name on this drive.</source>
        <translation>«%1» non può essere usato come nome su questa unità.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed (%2).</source>
        <translation>Impossibile rinominare «%1» (%2).</translation>
    </message>
    <message>
        <source>“%1” has been replaced by another file.</source>
        <translation>«%1» è stato sostituito da un altro file.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed: the drive is no longer reachable.</source>
        <translation>Impossibile rinominare «%1»: l’unità non è più raggiungibile.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed and is now named “%2”, in the same folder.</source>
        <translation>Impossibile rinominare «%1», che ora si chiama «%2», nella stessa cartella.</translation>
    </message>
    <message>
        <source>⏹ %1 file(s) not attempted: the batch was cancelled.</source>
        <translation>⏹ %1 file non tentati: l’operazione è stata annullata.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::AboutDialog</name>
    <message>
        <source>About Vellumix</source>
        <translation>Informazioni su Vellumix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>© 2026 The Vellumix developers</source>
        <translation>© 2026 Gli sviluppatori di Vellumix</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <translation>Sito web %1</translation>
    </message>
    <message>
        <source>Opens the Vellumix web site in the web browser</source>
        <translation>Apre il sito web di Vellumix nel browser</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::BatchProgressDialog</name>
    <message>
        <source>The drive is not answering.</source>
        <translation>L’unità non risponde.</translation>
    </message>
    <message>
        <source>Stopping before the next file…</source>
        <translation>Arresto prima del file successivo…</translation>
    </message>
    <message>
        <source>Renaming %L1 of %L2…</source>
        <translation>Rinomina di %L1 su %L2…</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::CommandLine</name>
    <message>
        <source>Rename many files at once with a live preview.</source>
        <translation>Rinomina molti file in una volta, con un’anteprima dal vivo.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list. A folder adds the files directly inside it, without hidden ones.</source>
        <translation>File e cartelle da inserire nell’elenco. Una cartella aggiunge i file contenuti direttamente al suo interno, esclusi quelli nascosti.</translation>
    </message>
    <message>
        <source>%1: “%2” does not exist; left out.
</source>
        <translation>%1: «%2» non esiste; tralasciato.
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
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>The number of files in the list</source>
        <translation>Numero di file nell’elenco</translation>
    </message>
    <message>
        <source>The number of files whose name changes</source>
        <translation>Numero di file il cui nome cambia</translation>
    </message>
    <message>
        <source>The number of files whose name stays as it is</source>
        <translation>Numero di file il cui nome resta invariato</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Aggiungi cartella</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota elenco</translation>
    </message>
    <message>
        <source>Choose files to add to the list</source>
        <translation>Scegli i file da aggiungere all’elenco</translation>
    </message>
    <message>
        <source>Choose a folder; the files in it are added to the list</source>
        <translation>Scegli una cartella; i file che contiene vengono aggiunti all’elenco</translation>
    </message>
    <message>
        <source>Remove every file from the list</source>
        <translation>Rimuovi tutti i file dall’elenco</translation>
    </message>
    <message>
        <source>Rename on disk every file whose new name differs from its current name</source>
        <translation>Rinomina sul disco ogni file il cui nuovo nome è diverso da quello attuale</translation>
    </message>
    <message>
        <source>&amp;Rename %1 File(s)</source>
        <translation>&amp;Rinomina %1 file</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>Aggiungi fi&amp;le</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Aggiungi &amp;cartella</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>S&amp;vuota elenco</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Annulla rinomina</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>Ripeti rinomina</translation>
    </message>
    <message>
        <source>Reading the files’ dates… %L1 of %L2</source>
        <translation>Lettura delle date dei file… %L1 di %L2</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::DropZone</name>
    <message>
        <source>Drop files or folders here</source>
        <translation>Rilascia qui file o cartelle</translation>
    </message>
    <message>
        <source>or use the Add Files / Add Folder buttons</source>
        <translation>oppure usa i pulsanti «Aggiungi file» / «Aggiungi cartella»</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::FileListView</name>
    <message>
        <source>Files</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Each file&apos;s current name, its new name and its status. Delete removes the selected files from the list.</source>
        <translation>Nome attuale, nuovo nome e stato di ogni file. Canc rimuove dall’elenco i file selezionati.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Selects every file in the list</source>
        <translation>Seleziona tutti i file dell’elenco</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Rimuovi dall’elenco</translation>
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
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>About Vellumix</source>
        <translation>Informazioni su Vellumix</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Add &amp;Files…</source>
        <translation>Aggiungi &amp;file…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>Aggiungi &amp;cartella…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>S&amp;vuota elenco</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Rinomina</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>&amp;Annulla rinomina</translation>
    </message>
    <message>
        <source>&amp;Redo Rename</source>
        <translation>&amp;Ripeti rinomina</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Annulla rinomina di %Ln file</numerusform>
            <numerusform>&amp;Annulla rinomina di %Ln file</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Ripeti rinomina di %Ln file</numerusform>
            <numerusform>&amp;Ripeti rinomina di %Ln file</numerusform>
        </translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Sposta &amp;su</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Sposta &amp;giù</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Vi&amp;sualizza</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>&amp;Ordina per</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>Date &amp;Modified</source>
        <translation>Data di &amp;modifica</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Dimensione</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Tipo</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>&amp;Crescente</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>D&amp;ecrescente</translation>
    </message>
    <message>
        <source>Date Ta&amp;ken</source>
        <translation>Data di sc&amp;atto</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarkTexts</name>
    <message>
        <source>Will fail</source>
        <translation>Fallirà</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltato</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be renamed: its name is not valid text.</source>
        <translation>«%1» non può essere rinominato: il suo nome non è un testo valido.</translation>
    </message>
    <message>
        <source>Nothing is left of the name but its extension.</source>
        <translation>Del nome resta solo l’estensione.</translation>
    </message>
    <message>
        <source>The new name begins with a dot: the file will be hidden.</source>
        <translation>Il nuovo nome inizia con un punto: il file sarà nascosto.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarksLine</name>
    <message>
        <source>Previous Problem</source>
        <translation>Problema precedente</translation>
    </message>
    <message>
        <source>Next Problem</source>
        <translation>Problema successivo</translation>
    </message>
    <message numerus="yes">
        <source>%n renames will fail</source>
        <translation>
            <numerusform>%n ridenominazione fallirà</numerusform>
            <numerusform>%n ridenominazioni falliranno</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files can&apos;t be renamed</source>
        <translation>
            <numerusform>%n file non può essere rinominato</numerusform>
            <numerusform>%n file non possono essere rinominati</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n avviso</numerusform>
            <numerusform>%n avvisi</numerusform>
        </translation>
    </message>
    <message>
        <source>Selects the previous file with a problem (Shift+F8)</source>
        <translation>Seleziona il file precedente con un problema (Maiusc+F8)</translation>
    </message>
    <message>
        <source>Selects the next file with a problem (F8)</source>
        <translation>Seleziona il file successivo con un problema (F8)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::PreviewTableModel</name>
    <message>
        <source>no new name</source>
        <translation>nessun nuovo nome</translation>
    </message>
    <message>
        <source>not previewed</source>
        <translation>nessuna anteprima</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>Nome originale</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nuovo nome</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Rinominato</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Invariato</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::ResultAlert</name>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>Mostra dettagli…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>Nascondi dettagli…</translation>
    </message>
    <message>
        <source>Every file renamed, with its old and new name</source>
        <translation>Ogni file rinominato, con il nome vecchio e quello nuovo</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::RulePanel</name>
    <message>
        <source>Rename rule</source>
        <translation>Regola di rinomina</translation>
    </message>
    <message>
        <source>The rule that makes the new names, and its settings</source>
        <translation>La regola che forma i nuovi nomi, e le sue impostazioni</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regola</translation>
    </message>
    <message>
        <source>How the new names are made</source>
        <translation>Come vengono formati i nuovi nomi</translation>
    </message>
    <message>
        <source>Text put before each file name</source>
        <translation>Testo inserito prima di ogni nome di file</translation>
    </message>
    <message>
        <source>Text put after each file name, before its extension</source>
        <translation>Testo inserito dopo ogni nome di file, prima dell’estensione</translation>
    </message>
    <message>
        <source>Text put in place of each match</source>
        <translation>Testo inserito al posto di ogni corrispondenza</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Distingui maiuscole/minuscole</translation>
    </message>
    <message>
        <source>When checked, upper and lower case letters must match exactly</source>
        <translation>Se selezionato, lettere maiuscole e minuscole devono corrispondere esattamente</translation>
    </message>
    <message>
        <source>Case style</source>
        <translation>Maiuscole</translation>
    </message>
    <message>
        <source>How the letters of the new names are cased</source>
        <translation>Come vengono scritte, maiuscole o minuscole, le lettere dei nuovi nomi</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Whether the number goes before or after the name</source>
        <translation>Se il numero va prima o dopo il nome</translation>
    </message>
    <message>
        <source>Text put between the name and the number</source>
        <translation>Testo tra il nome e il numero</translation>
    </message>
    <message>
        <source>The number of the first file</source>
        <translation>Il numero del primo file</translation>
    </message>
    <message>
        <source>How much the number grows from one file to the next</source>
        <translation>Di quanto cresce il numero da un file al successivo</translation>
    </message>
    <message>
        <source>The fewest digits a number has, filled with leading zeros</source>
        <translation>Numero minimo di cifre di un numero, completato con zeri iniziali</translation>
    </message>
    <message>
        <source>Whether the date goes before or after the name</source>
        <translation>Se la data va prima o dopo il nome</translation>
    </message>
    <message>
        <source>Text put between the name and the date</source>
        <translation>Testo tra il nome e la data</translation>
    </message>
    <message>
        <source>How today&apos;s date is written, for example yyyy-MM-dd for 2024-03-31</source>
        <translation>Come viene scritta la data di oggi, per esempio yyyy-MM-dd per 2024-03-31</translation>
    </message>
    <message>
        <source>Format tokens: yyyy · MM · dd · HH · mm · ss</source>
        <translation>Codici di formato: yyyy&#xa0;·&#xa0;MM&#xa0;·&#xa0;dd&#xa0;·&#xa0;HH&#xa0;·&#xa0;mm&#xa0;·&#xa0;ss</translation>
    </message>
    <message>
        <source>Where removing begins; 0 is the first character</source>
        <translation>Dove inizia la rimozione; 0 è il primo carattere</translation>
    </message>
    <message>
        <source>How many characters are removed</source>
        <translation>Quanti caratteri vengono rimossi</translation>
    </message>
    <message>
        <source>Replaces underscores, dashes and dots with spaces, then applies Title Case.</source>
        <translation>Sostituisce trattini bassi, trattini e punti con spazi, poi mette in maiuscolo l’iniziale di ogni parola.</translation>
    </message>
    <message>
        <source>The regular expression to look for in each file name</source>
        <translation>L’espressione regolare da cercare in ogni nome di file</translation>
    </message>
    <message>
        <source>The text to look for in each file name</source>
        <translation>Il testo da cercare in ogni nome di file</translation>
    </message>
    <message>
        <source>Invalid pattern: %1 (at character %2)</source>
        <translation>Schema non valido: %1 (al carattere %2)</translation>
    </message>
    <message>
        <source>Number companions together</source>
        <translation>Numera insieme i file associati</translation>
    </message>
    <message>
        <source>Files of one folder with the same name before the extension, such as a photo and its raw file, get one number</source>
        <translation>I file di una cartella con lo stesso nome prima dell’estensione, come una foto e il suo file RAW, ricevono un solo numero</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Adesso</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data di modifica</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Data di scatto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Today&apos;s date, or each file&apos;s own: when it last changed, or when the photo was taken</source>
        <translation>La data di oggi, o quella di ogni file: quando è stato modificato l&apos;ultima volta, o quando è stata scattata la foto</translation>
    </message>
</context>
</TS>
