<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>FailureText</name>
    <message>
        <source>“%1” already exists.</source>
        <translation>„%1” już istnieje.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>„%1” już nie istnieje.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to rename “%1”.</source>
        <translation>Brak uprawnień do zmiany nazwy „%1”.</translation>
    </message>
    <message>
        <source>“%1” is on a read-only file system.</source>
        <translation>„%1” znajduje się w systemie plików tylko do odczytu.</translation>
    </message>
    <message>
        <source>The new name is too long.</source>
        <translation>Nowa nazwa jest za długa.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on the disk to rename “%1”.</source>
        <translation>Brak miejsca na dysku, aby zmienić nazwę „%1”.</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>„%1” jest w użyciu.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be moved to another file system.</source>
        <translation>Nie można przenieść „%1” do innego systemu plików.</translation>
    </message>
    <message>
        <source>A disk error occurred while renaming “%1”.</source>
        <translation>Podczas zmiany nazwy „%1” wystąpił błąd dysku.</translation>
    </message>
    <message>
        <source>A name can&apos;t be empty.</source>
        <translation>Nazwa nie może być pusta.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain “/”.</source>
        <translation>Nazwa nie może zawierać „/”.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain a null character.</source>
        <translation>Nazwa nie może zawierać znaku null.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name.</source>
        <translation>Nie można użyć „%1” jako nazwy.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name on this drive.</source>
        <translation>Nie można użyć „%1” jako nazwy na tym dysku.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed (%2).</source>
        <translation>Nie można zmienić nazwy „%1” (%2).</translation>
    </message>
    <message>
        <source>“%1” has been replaced by another file.</source>
        <translation>„%1” został zastąpiony innym plikiem.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed: the drive is no longer reachable.</source>
        <translation>Nie można zmienić nazwy „%1”: napęd nie jest już dostępny.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed and is now named “%2”, in the same folder.</source>
        <translation>Nie można zmienić nazwy „%1”; plik nazywa się teraz „%2” w tym samym folderze.</translation>
    </message>
    <message>
        <source>⏹ %1 file(s) not attempted: the batch was cancelled.</source>
        <translation>⏹ Pominięto plików: %1 – operacja została anulowana.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::AboutDialog</name>
    <message>
        <source>About Vellumix</source>
        <translation>O programie Vellumix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>© 2026 The Vellumix developers</source>
        <translation>© 2026 Twórcy programu Vellumix</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <translation>Strona internetowa %1</translation>
    </message>
    <message>
        <source>Opens the Vellumix web site in the web browser</source>
        <translation>Otwiera stronę internetową programu Vellumix w przeglądarce</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::BatchProgressDialog</name>
    <message>
        <source>The drive is not answering.</source>
        <translation>Napęd nie odpowiada.</translation>
    </message>
    <message>
        <source>Stopping before the next file…</source>
        <translation>Zatrzymywanie przed następnym plikiem…</translation>
    </message>
    <message>
        <source>Renaming %L1 of %L2…</source>
        <translation>Zmienianie nazwy %L1 z %L2…</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::CommandLine</name>
    <message>
        <source>Rename many files at once with a live preview.</source>
        <translation>Zmiana nazw wielu plików naraz, z podglądem na żywo.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list. A folder adds the files directly inside it, without hidden ones.</source>
        <translation>Pliki i katalogi do umieszczenia na liście. Katalog dodaje pliki znajdujące się bezpośrednio w nim, bez ukrytych.</translation>
    </message>
    <message>
        <source>%1: “%2” does not exist; left out.
</source>
        <translation>%1: „%2” nie istnieje; pominięto.
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
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>The number of files in the list</source>
        <translation>Liczba plików na liście</translation>
    </message>
    <message>
        <source>The number of files whose name changes</source>
        <translation>Liczba plików, których nazwa się zmienia</translation>
    </message>
    <message>
        <source>The number of files whose name stays as it is</source>
        <translation>Liczba plików, których nazwa pozostaje bez zmian</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dodaj pliki</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Dodaj katalog</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść listę</translation>
    </message>
    <message>
        <source>Choose files to add to the list</source>
        <translation>Wybierz pliki do dodania do listy</translation>
    </message>
    <message>
        <source>Choose a folder; the files in it are added to the list</source>
        <translation>Wybierz katalog; znajdujące się w nim pliki zostaną dodane do listy</translation>
    </message>
    <message>
        <source>Remove every file from the list</source>
        <translation>Usuń wszystkie pliki z listy</translation>
    </message>
    <message>
        <source>Rename on disk every file whose new name differs from its current name</source>
        <translation>Zmień na dysku nazwę każdego pliku, którego nowa nazwa różni się od obecnej</translation>
    </message>
    <message>
        <source>&amp;Rename %1 File(s)</source>
        <translation>Zmień &amp;nazwy plików: %1</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Dodaj pliki</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Dodaj &amp;katalog</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wyczyść listę</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwy</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Cofnij zmianę nazw</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>Ponów zmianę nazw</translation>
    </message>
    <message>
        <source>Reading the files’ dates… %L1 of %L2</source>
        <translation>Odczytywanie dat plików… %L1 z %L2</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::DropZone</name>
    <message>
        <source>Drop files or folders here</source>
        <translation>Upuść tutaj pliki lub katalogi</translation>
    </message>
    <message>
        <source>or use the Add Files / Add Folder buttons</source>
        <translation>lub użyj przycisków „Dodaj pliki” / „Dodaj katalog”</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::FileListView</name>
    <message>
        <source>Files</source>
        <translation>Pliki</translation>
    </message>
    <message>
        <source>Each file&apos;s current name, its new name and its status. Delete removes the selected files from the list.</source>
        <translation>Obecna nazwa, nowa nazwa i stan każdego pliku. Delete usuwa zaznaczone pliki z listy.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Selects every file in the list</source>
        <translation>Zaznacza wszystkie pliki na liście</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Usuń z listy</translation>
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
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>About Vellumix</source>
        <translation>O programie Vellumix</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>Add &amp;Files…</source>
        <translation>Dodaj &amp;pliki…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>Dodaj &amp;katalog…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wyczyść listę</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Z&amp;mień nazwy</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>&amp;Cofnij zmianę nazw</translation>
    </message>
    <message>
        <source>&amp;Redo Rename</source>
        <translation>&amp;Ponów zmianę nazw</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Cofnij zmianę nazwy %Ln pliku</numerusform>
            <numerusform>&amp;Cofnij zmianę nazw %Ln plików</numerusform>
            <numerusform>&amp;Cofnij zmianę nazw %Ln plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Ponów zmianę nazwy %Ln pliku</numerusform>
            <numerusform>&amp;Ponów zmianę nazw %Ln plików</numerusform>
            <numerusform>&amp;Ponów zmianę nazw %Ln plików</numerusform>
        </translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Przesuń w &amp;górę</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Przesuń w &amp;dół</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Wid&amp;ok</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>&amp;Sortuj według</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nazwa</translation>
    </message>
    <message>
        <source>Date &amp;Modified</source>
        <translation>Data &amp;modyfikacji</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>Ro&amp;zmiar</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Typ</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>&amp;Rosnąco</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>Mal&amp;ejąco</translation>
    </message>
    <message>
        <source>Date Ta&amp;ken</source>
        <translation>Data &amp;wykonania</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarkTexts</name>
    <message>
        <source>Will fail</source>
        <translation>Nie uda się</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pominięto</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be renamed: its name is not valid text.</source>
        <translation>Nie można zmienić nazwy „%1”: nazwa nie jest poprawnym tekstem.</translation>
    </message>
    <message>
        <source>Nothing is left of the name but its extension.</source>
        <translation>Z nazwy zostanie tylko rozszerzenie.</translation>
    </message>
    <message>
        <source>The new name begins with a dot: the file will be hidden.</source>
        <translation>Nowa nazwa zaczyna się od kropki: plik będzie ukryty.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarksLine</name>
    <message>
        <source>Previous Problem</source>
        <translation>Poprzedni problem</translation>
    </message>
    <message>
        <source>Next Problem</source>
        <translation>Następny problem</translation>
    </message>
    <message numerus="yes">
        <source>%n renames will fail</source>
        <translation>
            <numerusform>%n zmiana nazwy się nie powiedzie</numerusform>
            <numerusform>%n zmiany nazwy się nie powiodą</numerusform>
            <numerusform>%n zmian nazwy się nie powiedzie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files can&apos;t be renamed</source>
        <translation>
            <numerusform>Nie można zmienić nazwy %n pliku</numerusform>
            <numerusform>Nie można zmienić nazwy %n plików</numerusform>
            <numerusform>Nie można zmienić nazwy %n plików</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n ostrzeżenie</numerusform>
            <numerusform>%n ostrzeżenia</numerusform>
            <numerusform>%n ostrzeżeń</numerusform>
        </translation>
    </message>
    <message>
        <source>Selects the previous file with a problem (Shift+F8)</source>
        <translation>Zaznacza poprzedni plik z problemem (Shift+F8)</translation>
    </message>
    <message>
        <source>Selects the next file with a problem (F8)</source>
        <translation>Zaznacza następny plik z problemem (F8)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::PreviewTableModel</name>
    <message>
        <source>no new name</source>
        <translation>brak nowej nazwy</translation>
    </message>
    <message>
        <source>not previewed</source>
        <translation>brak podglądu</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>Pierwotna nazwa</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nowa nazwa</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Zmieniono</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Bez zmian</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::ResultAlert</name>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>Pokaż szczegóły…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>Ukryj szczegóły…</translation>
    </message>
    <message>
        <source>Every file renamed, with its old and new name</source>
        <translation>Każdy plik o zmienionej nazwie, ze starą i nową nazwą</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::RulePanel</name>
    <message>
        <source>Rename rule</source>
        <translation>Reguła zmiany nazw</translation>
    </message>
    <message>
        <source>The rule that makes the new names, and its settings</source>
        <translation>Reguła tworząca nowe nazwy i jej ustawienia</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Reguła</translation>
    </message>
    <message>
        <source>How the new names are made</source>
        <translation>Jak tworzone są nowe nazwy</translation>
    </message>
    <message>
        <source>Text put before each file name</source>
        <translation>Tekst wstawiany przed każdą nazwą pliku</translation>
    </message>
    <message>
        <source>Text put after each file name, before its extension</source>
        <translation>Tekst wstawiany po każdej nazwie pliku, przed jej rozszerzeniem</translation>
    </message>
    <message>
        <source>Text put in place of each match</source>
        <translation>Tekst wstawiany w miejsce każdego dopasowania</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Rozróżnianie wielkości liter</translation>
    </message>
    <message>
        <source>When checked, upper and lower case letters must match exactly</source>
        <translation>Po zaznaczeniu wielkie i małe litery muszą dokładnie się zgadzać</translation>
    </message>
    <message>
        <source>Case style</source>
        <translation>Wielkość liter</translation>
    </message>
    <message>
        <source>How the letters of the new names are cased</source>
        <translation>Jak zapisywane są wielkie i małe litery nowych nazw</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Położenie</translation>
    </message>
    <message>
        <source>Whether the number goes before or after the name</source>
        <translation>Czy numer stoi przed nazwą, czy po niej</translation>
    </message>
    <message>
        <source>Text put between the name and the number</source>
        <translation>Tekst między nazwą a numerem</translation>
    </message>
    <message>
        <source>The number of the first file</source>
        <translation>Numer pierwszego pliku</translation>
    </message>
    <message>
        <source>How much the number grows from one file to the next</source>
        <translation>O ile numer rośnie z pliku na plik</translation>
    </message>
    <message>
        <source>The fewest digits a number has, filled with leading zeros</source>
        <translation>Najmniejsza liczba cyfr numeru, uzupełniana zerami z przodu</translation>
    </message>
    <message>
        <source>Whether the date goes before or after the name</source>
        <translation>Czy data stoi przed nazwą, czy po niej</translation>
    </message>
    <message>
        <source>Text put between the name and the date</source>
        <translation>Tekst między nazwą a datą</translation>
    </message>
    <message>
        <source>How today&apos;s date is written, for example yyyy-MM-dd for 2024-03-31</source>
        <translation>Jak zapisywana jest dzisiejsza data, na przykład yyyy-MM-dd dla 2024-03-31</translation>
    </message>
    <message>
        <source>Format tokens: yyyy · MM · dd · HH · mm · ss</source>
        <translation>Kody formatu: yyyy&#xa0;·&#xa0;MM&#xa0;·&#xa0;dd&#xa0;·&#xa0;HH&#xa0;·&#xa0;mm&#xa0;·&#xa0;ss</translation>
    </message>
    <message>
        <source>Where removing begins; 0 is the first character</source>
        <translation>Gdzie zaczyna się usuwanie; 0 to pierwszy znak</translation>
    </message>
    <message>
        <source>How many characters are removed</source>
        <translation>Ile znaków jest usuwanych</translation>
    </message>
    <message>
        <source>Replaces underscores, dashes and dots with spaces, then applies Title Case.</source>
        <translation>Zastępuje podkreślenia, łączniki i kropki spacjami, a następnie zmienia pierwszą literę każdego słowa na wielką.</translation>
    </message>
    <message>
        <source>The regular expression to look for in each file name</source>
        <translation>Wyrażenie regularne wyszukiwane w każdej nazwie pliku</translation>
    </message>
    <message>
        <source>The text to look for in each file name</source>
        <translation>Tekst wyszukiwany w każdej nazwie pliku</translation>
    </message>
    <message>
        <source>Invalid pattern: %1 (at character %2)</source>
        <translation>Nieprawidłowy wzorzec: %1 (przy znaku %2)</translation>
    </message>
    <message>
        <source>Number companions together</source>
        <translation>Numeruj powiązane pliki razem</translation>
    </message>
    <message>
        <source>Files of one folder with the same name before the extension, such as a photo and its raw file, get one number</source>
        <translation>Pliki jednego folderu o tej samej nazwie przed rozszerzeniem, np. zdjęcie i jego plik RAW, dostają jeden numer</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Teraz</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data modyfikacji</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Data wykonania</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Today&apos;s date, or each file&apos;s own: when it last changed, or when the photo was taken</source>
        <translation>Dzisiejsza data albo data każdego pliku: kiedy ostatnio się zmienił lub kiedy wykonano zdjęcie</translation>
    </message>
</context>
</TS>
