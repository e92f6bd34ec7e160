<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>FailureText</name>
    <message>
        <source>“%1” already exists.</source>
        <translation>„%1“ již existuje.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>„%1“ již neexistuje.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to rename “%1”.</source>
        <translation>Nemáte oprávnění přejmenovat „%1“.</translation>
    </message>
    <message>
        <source>“%1” is on a read-only file system.</source>
        <translation>„%1“ je na souborovém systému pouze pro čtení.</translation>
    </message>
    <message>
        <source>The new name is too long.</source>
        <translation>Nový název je příliš dlouhý.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on the disk to rename “%1”.</source>
        <translation>Na disku není dost místa pro přejmenování „%1“.</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>„%1“ se právě používá.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be moved to another file system.</source>
        <translation>„%1“ nelze přesunout na jiný souborový systém.</translation>
    </message>
    <message>
        <source>A disk error occurred while renaming “%1”.</source>
        <translation>Při přejmenování „%1“ došlo k chybě disku.</translation>
    </message>
    <message>
        <source>A name can&apos;t be empty.</source>
        <translation>Název nesmí být prázdný.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain “/”.</source>
        <translation>Název nesmí obsahovat „/“.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain a null character.</source>
        <translation>Název nesmí obsahovat nulový znak.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name.</source>
        <translation>„%1“ nelze použít jako název.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name on this drive.</source>
        <translation>„%1“ nelze na této jednotce použít jako název.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed (%2).</source>
        <translation>„%1“ se nepodařilo přejmenovat (%2).</translation>
    </message>
    <message>
        <source>“%1” has been replaced by another file.</source>
        <translation>„%1“ byl nahrazen jiným souborem.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed: the drive is no longer reachable.</source>
        <translation>„%1“ se nepodařilo přejmenovat: jednotka už není dostupná.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed and is now named “%2”, in the same folder.</source>
        <translation>„%1“ se nepodařilo přejmenovat a nyní se jmenuje „%2“ ve stejné složce.</translation>
    </message>
    <message>
        <source>⏹ %1 file(s) not attempted: the batch was cancelled.</source>
        <translation>⏹ %1 soubor(ů) nezpracováno: dávka byla zrušena.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::AboutDialog</name>
    <message>
        <source>About Vellumix</source>
        <translation>O aplikaci Vellumix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Verze %1</translation>
    </message>
    <message>
        <source>© 2026 The Vellumix developers</source>
        <translation>© 2026 Vývojáři aplikace Vellumix</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <translation>Webové stránky %1</translation>
    </message>
    <message>
        <source>Opens the Vellumix web site in the web browser</source>
        <translation>Otevře webové stránky aplikace Vellumix ve webovém prohlížeči</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::BatchProgressDialog</name>
    <message>
        <source>The drive is not answering.</source>
        <translation>Jednotka neodpovídá.</translation>
    </message>
    <message>
        <source>Stopping before the next file…</source>
        <translation>Zastavuji před dalším souborem…</translation>
    </message>
    <message>
        <source>Renaming %L1 of %L2…</source>
        <translation>Přejmenovávám %L1 z %L2…</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::CommandLine</name>
    <message>
        <source>Rename many files at once with a live preview.</source>
        <translation>Přejmenování mnoha souborů najednou s živým náhledem.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list. A folder adds the files directly inside it, without hidden ones.</source>
        <translation>Soubory a složky, které se vloží do seznamu. Složka přidá soubory, které jsou přímo v ní, kromě skrytých.</translation>
    </message>
    <message>
        <source>%1: “%2” does not exist; left out.
</source>
        <translation>%1: „%2“ neexistuje; vynecháno.
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
        <translation>Náhled</translation>
    </message>
    <message>
        <source>The number of files in the list</source>
        <translation>Počet souborů v seznamu</translation>
    </message>
    <message>
        <source>The number of files whose name changes</source>
        <translation>Počet souborů, jejichž název se změní</translation>
    </message>
    <message>
        <source>The number of files whose name stays as it is</source>
        <translation>Počet souborů, jejichž název zůstane beze změny</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Přidat soubory</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Přidat složku</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat seznam</translation>
    </message>
    <message>
        <source>Choose files to add to the list</source>
        <translation>Vybrat soubory, které se přidají do seznamu</translation>
    </message>
    <message>
        <source>Choose a folder; the files in it are added to the list</source>
        <translation>Vybrat složku; soubory v ní se přidají do seznamu</translation>
    </message>
    <message>
        <source>Remove every file from the list</source>
        <translation>Odebrat ze seznamu všechny soubory</translation>
    </message>
    <message>
        <source>Rename on disk every file whose new name differs from its current name</source>
        <translation>Přejmenovat na disku každý soubor, jehož nový název se liší od současného</translation>
    </message>
    <message>
        <source>&amp;Rename %1 File(s)</source>
        <translation>Přej&amp;menovat soubory (%1)</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Přidat soubory</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Přidat sl&amp;ožku</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vymazat seznam</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Přejmenovat</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Vrátit přejmenování</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>Zopakovat přejmenování</translation>
    </message>
    <message>
        <source>Reading the files’ dates… %L1 of %L2</source>
        <translation>Čtení dat souborů… %L1 z %L2</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::DropZone</name>
    <message>
        <source>Drop files or folders here</source>
        <translation>Přetáhněte sem soubory nebo složky</translation>
    </message>
    <message>
        <source>or use the Add Files / Add Folder buttons</source>
        <translation>nebo použijte tlačítka „Přidat soubory“ / „Přidat složku“</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::FileListView</name>
    <message>
        <source>Files</source>
        <translation>Soubory</translation>
    </message>
    <message>
        <source>Each file&apos;s current name, its new name and its status. Delete removes the selected files from the list.</source>
        <translation>Současný název, nový název a stav každého souboru. Klávesa Delete odebere vybrané soubory ze seznamu.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrat vše</translation>
    </message>
    <message>
        <source>Selects every file in the list</source>
        <translation>Vybere všechny soubory v seznamu</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Odebrat ze seznamu</translation>
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
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Ukončit</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>About Vellumix</source>
        <translation>O aplikaci Vellumix</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Úpr&amp;avy</translation>
    </message>
    <message>
        <source>Add &amp;Files…</source>
        <translation>Přidat s&amp;oubory…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>Přidat slo&amp;žku…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vymazat seznam</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Přejmenovat</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>&amp;Vrátit přejmenování</translation>
    </message>
    <message>
        <source>&amp;Redo Rename</source>
        <translation>&amp;Zopakovat přejmenování</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Vrátit přejmenování %Ln souboru</numerusform>
            <numerusform>&amp;Vrátit přejmenování %Ln souborů</numerusform>
            <numerusform>&amp;Vrátit přejmenování %Ln souborů</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Zopakovat přejmenování %Ln souboru</numerusform>
            <numerusform>&amp;Zopakovat přejmenování %Ln souborů</numerusform>
            <numerusform>&amp;Zopakovat přejmenování %Ln souborů</numerusform>
        </translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Posunout na&amp;horu</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Posunout &amp;dolů</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Zo&amp;brazení</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>Řadit &amp;podle</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Název</translation>
    </message>
    <message>
        <source>Date &amp;Modified</source>
        <translation>Datum &amp;změny</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Velikost</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Typ</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>Vz&amp;estupně</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Sestupně</translation>
    </message>
    <message>
        <source>Date Ta&amp;ken</source>
        <translation>Datum &amp;pořízení</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarkTexts</name>
    <message>
        <source>Will fail</source>
        <translation>Selže</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Přeskočeno</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Varování</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be renamed: its name is not valid text.</source>
        <translation>„%1“ nelze přejmenovat: jeho název není platný text.</translation>
    </message>
    <message>
        <source>Nothing is left of the name but its extension.</source>
        <translation>Z názvu zbude jen přípona.</translation>
    </message>
    <message>
        <source>The new name begins with a dot: the file will be hidden.</source>
        <translation>Nový název začíná tečkou: soubor bude skrytý.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarksLine</name>
    <message>
        <source>Previous Problem</source>
        <translation>Předchozí problém</translation>
    </message>
    <message>
        <source>Next Problem</source>
        <translation>Další problém</translation>
    </message>
    <message numerus="yes">
        <source>%n renames will fail</source>
        <translation>
            <numerusform>%n přejmenování selže</numerusform>
            <numerusform>%n přejmenování selžou</numerusform>
            <numerusform>%n přejmenování selže</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files can&apos;t be renamed</source>
        <translation>
            <numerusform>%n soubor nelze přejmenovat</numerusform>
            <numerusform>%n soubory nelze přejmenovat</numerusform>
            <numerusform>%n souborů nelze přejmenovat</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n varování</numerusform>
            <numerusform>%n varování</numerusform>
            <numerusform>%n varování</numerusform>
        </translation>
    </message>
    <message>
        <source>Selects the previous file with a problem (Shift+F8)</source>
        <translation>Vybere předchozí soubor s problémem (Shift+F8)</translation>
    </message>
    <message>
        <source>Selects the next file with a problem (F8)</source>
        <translation>Vybere další soubor s problémem (F8)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::PreviewTableModel</name>
    <message>
        <source>no new name</source>
        <translation>žádný nový název</translation>
    </message>
    <message>
        <source>not previewed</source>
        <translation>bez náhledu</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>Původní název</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nový název</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Změněno</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Beze změny</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Chyba</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::ResultAlert</name>
    <message>
        <source>Result</source>
        <translation>Výsledek</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>Zobrazit podrobnosti…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>Skrýt podrobnosti…</translation>
    </message>
    <message>
        <source>Every file renamed, with its old and new name</source>
        <translation>Každý přejmenovaný soubor se starým a novým názvem</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::RulePanel</name>
    <message>
        <source>Rename rule</source>
        <translation>Pravidlo přejmenování</translation>
    </message>
    <message>
        <source>The rule that makes the new names, and its settings</source>
        <translation>Pravidlo, podle kterého vznikají nové názvy, a jeho nastavení</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Pravidlo</translation>
    </message>
    <message>
        <source>How the new names are made</source>
        <translation>Jak vznikají nové názvy</translation>
    </message>
    <message>
        <source>Text put before each file name</source>
        <translation>Text vložený před každý název souboru</translation>
    </message>
    <message>
        <source>Text put after each file name, before its extension</source>
        <translation>Text vložený za každý název souboru, před příponu</translation>
    </message>
    <message>
        <source>Text put in place of each match</source>
        <translation>Text, který nahradí každou shodu</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Rozlišovat velikost písmen</translation>
    </message>
    <message>
        <source>When checked, upper and lower case letters must match exactly</source>
        <translation>Je-li zaškrtnuto, musí se velká a malá písmena přesně shodovat</translation>
    </message>
    <message>
        <source>Case style</source>
        <translation>Velikost písmen</translation>
    </message>
    <message>
        <source>How the letters of the new names are cased</source>
        <translation>Jaká velká a malá písmena budou mít nové názvy</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozice</translation>
    </message>
    <message>
        <source>Whether the number goes before or after the name</source>
        <translation>Zda je číslo před názvem, nebo za ním</translation>
    </message>
    <message>
        <source>Text put between the name and the number</source>
        <translation>Text mezi názvem a číslem</translation>
    </message>
    <message>
        <source>The number of the first file</source>
        <translation>Číslo prvního souboru</translation>
    </message>
    <message>
        <source>How much the number grows from one file to the next</source>
        <translation>O kolik se číslo zvýší od jednoho souboru k dalšímu</translation>
    </message>
    <message>
        <source>The fewest digits a number has, filled with leading zeros</source>
        <translation>Nejmenší počet číslic čísla, doplněný úvodními nulami</translation>
    </message>
    <message>
        <source>Whether the date goes before or after the name</source>
        <translation>Zda je datum před názvem, nebo za ním</translation>
    </message>
    <message>
        <source>Text put between the name and the date</source>
        <translation>Text mezi názvem a datem</translation>
    </message>
    <message>
        <source>How today&apos;s date is written, for example yyyy-MM-dd for 2024-03-31</source>
        <translation>Jak se zapíše dnešní datum, například yyyy-MM-dd pro 2024-03-31</translation>
    </message>
    <message>
        <source>Format tokens: yyyy · MM · dd · HH · mm · ss</source>
        <translation>Formátovací značky: yyyy&#xa0;·&#xa0;MM&#xa0;·&#xa0;dd&#xa0;·&#xa0;HH&#xa0;·&#xa0;mm&#xa0;·&#xa0;ss</translation>
    </message>
    <message>
        <source>Where removing begins; 0 is the first character</source>
        <translation>Kde začíná odstraňování; 0 je první znak</translation>
    </message>
    <message>
        <source>How many characters are removed</source>
        <translation>Kolik znaků se odstraní</translation>
    </message>
    <message>
        <source>Replaces underscores, dashes and dots with spaces, then applies Title Case.</source>
        <translation>Nahradí podtržítka, pomlčky a tečky mezerami a potom převede první písmeno každého slova na velké.</translation>
    </message>
    <message>
        <source>The regular expression to look for in each file name</source>
        <translation>Regulární výraz, který se hledá v každém názvu souboru</translation>
    </message>
    <message>
        <source>The text to look for in each file name</source>
        <translation>Text, který se hledá v každém názvu souboru</translation>
    </message>
    <message>
        <source>Invalid pattern: %1 (at character %2)</source>
        <translation>Neplatný vzor: %1 (na znaku %2)</translation>
    </message>
    <message>
        <source>Number companions together</source>
        <translation>Číslovat související soubory společně</translation>
    </message>
    <message>
        <source>Files of one folder with the same name before the extension, such as a photo and its raw file, get one number</source>
        <translation>Soubory jedné složky se stejným názvem před příponou, například fotka a její soubor RAW, dostanou jedno číslo</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Nyní</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Datum změny</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Datum pořízení</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Today&apos;s date, or each file&apos;s own: when it last changed, or when the photo was taken</source>
        <translation>Dnešní datum, nebo datum každého souboru: kdy byl naposledy změněn, nebo kdy byla fotografie pořízena</translation>
    </message>
</context>
</TS>
