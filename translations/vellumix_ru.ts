<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>FailureText</name>
    <message>
        <source>“%1” already exists.</source>
        <translation>«%1» уже существует.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>«%1» больше не существует.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to rename “%1”.</source>
        <translation>Недостаточно прав для переименования «%1».</translation>
    </message>
    <message>
        <source>“%1” is on a read-only file system.</source>
        <translation>«%1» находится в файловой системе, доступной только для чтения.</translation>
    </message>
    <message>
        <source>The new name is too long.</source>
        <translation>Новое имя слишком длинное.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on the disk to rename “%1”.</source>
        <translation>Недостаточно места на диске для переименования «%1».</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>«%1» сейчас используется.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be moved to another file system.</source>
        <translation>«%1» нельзя переместить в другую файловую систему.</translation>
    </message>
    <message>
        <source>A disk error occurred while renaming “%1”.</source>
        <translation>При переименовании «%1» произошла ошибка диска.</translation>
    </message>
    <message>
        <source>A name can&apos;t be empty.</source>
        <translation>Имя не может быть пустым.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain “/”.</source>
        <translation>Имя не может содержать «/».</translation>
    </message>
    <message>
        <source>A name can&apos;t contain a null character.</source>
        <translation>Имя не может содержать нулевой символ.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name.</source>
        <translation>«%1» нельзя использовать в качестве имени.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name on this drive.</source>
        <translation>«%1» нельзя использовать в качестве имени на этом диске.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed (%2).</source>
        <translation>Не удалось переименовать «%1» (%2).</translation>
    </message>
    <message>
        <source>“%1” has been replaced by another file.</source>
        <translation>«%1» заменён другим файлом.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed: the drive is no longer reachable.</source>
        <translation>Не удалось переименовать «%1»: диск больше недоступен.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed and is now named “%2”, in the same folder.</source>
        <translation>Не удалось переименовать «%1»; теперь он называется «%2» в той же папке.</translation>
    </message>
    <message>
        <source>⏹ %1 file(s) not attempted: the batch was cancelled.</source>
        <translation>⏹ Не обработано файлов: %1 — операция отменена.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::AboutDialog</name>
    <message>
        <source>About Vellumix</source>
        <translation>О программе Vellumix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>© 2026 The Vellumix developers</source>
        <translation>© 2026 Разработчики Vellumix</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <translation>Веб-сайт %1</translation>
    </message>
    <message>
        <source>Opens the Vellumix web site in the web browser</source>
        <translation>Открывает веб-сайт Vellumix в браузере</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::BatchProgressDialog</name>
    <message>
        <source>The drive is not answering.</source>
        <translation>Диск не отвечает.</translation>
    </message>
    <message>
        <source>Stopping before the next file…</source>
        <translation>Остановка перед следующим файлом…</translation>
    </message>
    <message>
        <source>Renaming %L1 of %L2…</source>
        <translation>Переименование %L1 из %L2…</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::CommandLine</name>
    <message>
        <source>Rename many files at once with a live preview.</source>
        <translation>Переименование множества файлов сразу, с предпросмотром в реальном времени.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list. A folder adds the files directly inside it, without hidden ones.</source>
        <translation>Файлы и папки для списка. Папка добавляет файлы, лежащие непосредственно в ней, кроме скрытых.</translation>
    </message>
    <message>
        <source>%1: “%2” does not exist; left out.
</source>
        <translation>%1: «%2» не существует; пропущено.
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
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>The number of files in the list</source>
        <translation>Количество файлов в списке</translation>
    </message>
    <message>
        <source>The number of files whose name changes</source>
        <translation>Количество файлов, имя которых изменится</translation>
    </message>
    <message>
        <source>The number of files whose name stays as it is</source>
        <translation>Количество файлов, имя которых останется прежним</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Добавить файлы</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Choose files to add to the list</source>
        <translation>Выбрать файлы для добавления в список</translation>
    </message>
    <message>
        <source>Choose a folder; the files in it are added to the list</source>
        <translation>Выбрать папку; файлы из неё будут добавлены в список</translation>
    </message>
    <message>
        <source>Remove every file from the list</source>
        <translation>Убрать все файлы из списка</translation>
    </message>
    <message>
        <source>Rename on disk every file whose new name differs from its current name</source>
        <translation>Переименовать на диске каждый файл, новое имя которого отличается от текущего</translation>
    </message>
    <message>
        <source>&amp;Rename %1 File(s)</source>
        <translation>П&amp;ереименовать файлы: %1</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>&amp;Добавить файлы</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Добавить п&amp;апку</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Очистить</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Отменить переименование</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>Повторить переименование</translation>
    </message>
    <message>
        <source>Reading the files’ dates… %L1 of %L2</source>
        <translation>Чтение дат файлов… %L1 из %L2</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::DropZone</name>
    <message>
        <source>Drop files or folders here</source>
        <translation>Перетащите сюда файлы или папки</translation>
    </message>
    <message>
        <source>or use the Add Files / Add Folder buttons</source>
        <translation>или воспользуйтесь кнопками «Добавить файлы» / «Добавить папку»</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::FileListView</name>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>Each file&apos;s current name, its new name and its status. Delete removes the selected files from the list.</source>
        <translation>Текущее имя, новое имя и состояние каждого файла. Delete убирает выделенные файлы из списка.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выделить всё</translation>
    </message>
    <message>
        <source>Selects every file in the list</source>
        <translation>Выделяет все файлы в списке</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Убрать из списка</translation>
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
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>About Vellumix</source>
        <translation>О программе Vellumix</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>Add &amp;Files…</source>
        <translation>Добавить &amp;файлы…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>Добавить &amp;папку…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Очистить</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>П&amp;ереименовать</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>&amp;Отменить переименование</translation>
    </message>
    <message>
        <source>&amp;Redo Rename</source>
        <translation>&amp;Повторить переименование</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Отменить переименование %Ln файла</numerusform>
            <numerusform>&amp;Отменить переименование %Ln файлов</numerusform>
            <numerusform>&amp;Отменить переименование %Ln файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Повторить переименование %Ln файла</numerusform>
            <numerusform>&amp;Повторить переименование %Ln файлов</numerusform>
            <numerusform>&amp;Повторить переименование %Ln файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Переместить &amp;вверх</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Переместить в&amp;низ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>&amp;Сортировка</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Имя</translation>
    </message>
    <message>
        <source>Date &amp;Modified</source>
        <translation>Дата из&amp;менения</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Размер</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Тип</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>По &amp;возрастанию</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>По &amp;убыванию</translation>
    </message>
    <message>
        <source>Date Ta&amp;ken</source>
        <translation>Дата &amp;съёмки</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarkTexts</name>
    <message>
        <source>Will fail</source>
        <translation>Не удастся</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропуск</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be renamed: its name is not valid text.</source>
        <translation>«%1» нельзя переименовать: имя не является допустимым текстом.</translation>
    </message>
    <message>
        <source>Nothing is left of the name but its extension.</source>
        <translation>От имени останется только расширение.</translation>
    </message>
    <message>
        <source>The new name begins with a dot: the file will be hidden.</source>
        <translation>Новое имя начинается с точки: файл станет скрытым.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarksLine</name>
    <message>
        <source>Previous Problem</source>
        <translation>Предыдущая проблема</translation>
    </message>
    <message>
        <source>Next Problem</source>
        <translation>Следующая проблема</translation>
    </message>
    <message numerus="yes">
        <source>%n renames will fail</source>
        <translation>
            <numerusform>%n переименование завершится ошибкой</numerusform>
            <numerusform>%n переименования завершатся ошибкой</numerusform>
            <numerusform>%n переименований завершатся ошибкой</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files can&apos;t be renamed</source>
        <translation>
            <numerusform>%n файл нельзя переименовать</numerusform>
            <numerusform>%n файла нельзя переименовать</numerusform>
            <numerusform>%n файлов нельзя переименовать</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n предупреждение</numerusform>
            <numerusform>%n предупреждения</numerusform>
            <numerusform>%n предупреждений</numerusform>
        </translation>
    </message>
    <message>
        <source>Selects the previous file with a problem (Shift+F8)</source>
        <translation>Выделяет предыдущий файл с проблемой (Shift+F8)</translation>
    </message>
    <message>
        <source>Selects the next file with a problem (F8)</source>
        <translation>Выделяет следующий файл с проблемой (F8)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::PreviewTableModel</name>
    <message>
        <source>no new name</source>
        <translation>нет нового имени</translation>
    </message>
    <message>
        <source>not previewed</source>
        <translation>нет предпросмотра</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>Исходное имя</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Новое имя</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Изменено</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Прежнее</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::ResultAlert</name>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>Показать подробности…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>Скрыть подробности…</translation>
    </message>
    <message>
        <source>Every file renamed, with its old and new name</source>
        <translation>Каждый переименованный файл со старым и новым именем</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::RulePanel</name>
    <message>
        <source>Rename rule</source>
        <translation>Правило переименования</translation>
    </message>
    <message>
        <source>The rule that makes the new names, and its settings</source>
        <translation>Правило, по которому создаются новые имена, и его параметры</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Правило</translation>
    </message>
    <message>
        <source>How the new names are made</source>
        <translation>Как создаются новые имена</translation>
    </message>
    <message>
        <source>Text put before each file name</source>
        <translation>Текст, добавляемый перед каждым именем файла</translation>
    </message>
    <message>
        <source>Text put after each file name, before its extension</source>
        <translation>Текст, добавляемый после каждого имени файла, перед его расширением</translation>
    </message>
    <message>
        <source>Text put in place of each match</source>
        <translation>Текст, заменяющий каждое совпадение</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Учитывать регистр</translation>
    </message>
    <message>
        <source>When checked, upper and lower case letters must match exactly</source>
        <translation>Если отмечено, заглавные и строчные буквы должны совпадать в точности</translation>
    </message>
    <message>
        <source>Case style</source>
        <translation>Регистр</translation>
    </message>
    <message>
        <source>How the letters of the new names are cased</source>
        <translation>Как записываются буквы новых имён: заглавными или строчными</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Whether the number goes before or after the name</source>
        <translation>Где стоит номер: перед именем или после него</translation>
    </message>
    <message>
        <source>Text put between the name and the number</source>
        <translation>Текст между именем и номером</translation>
    </message>
    <message>
        <source>The number of the first file</source>
        <translation>Номер первого файла</translation>
    </message>
    <message>
        <source>How much the number grows from one file to the next</source>
        <translation>На сколько номер растёт от файла к файлу</translation>
    </message>
    <message>
        <source>The fewest digits a number has, filled with leading zeros</source>
        <translation>Наименьшее количество цифр в номере, с ведущими нулями</translation>
    </message>
    <message>
        <source>Whether the date goes before or after the name</source>
        <translation>Где стоит дата: перед именем или после него</translation>
    </message>
    <message>
        <source>Text put between the name and the date</source>
        <translation>Текст между именем и датой</translation>
    </message>
    <message>
        <source>How today&apos;s date is written, for example yyyy-MM-dd for 2024-03-31</source>
        <translation>Как записывается сегодняшняя дата, например yyyy-MM-dd для 2024-03-31</translation>
    </message>
    <message>
        <source>Format tokens: yyyy · MM · dd · HH · mm · ss</source>
        <translation>Коды формата: yyyy&#xa0;·&#xa0;MM&#xa0;·&#xa0;dd&#xa0;·&#xa0;HH&#xa0;·&#xa0;mm&#xa0;·&#xa0;ss</translation>
    </message>
    <message>
        <source>Where removing begins; 0 is the first character</source>
        <translation>С какого места начинается удаление; 0 — первый символ</translation>
    </message>
    <message>
        <source>How many characters are removed</source>
        <translation>Сколько символов удаляется</translation>
    </message>
    <message>
        <source>Replaces underscores, dashes and dots with spaces, then applies Title Case.</source>
        <translation>Заменяет подчёркивания, дефисы и точки пробелами, затем делает первую букву каждого слова заглавной.</translation>
    </message>
    <message>
        <source>The regular expression to look for in each file name</source>
        <translation>Регулярное выражение, которое ищется в каждом имени файла</translation>
    </message>
    <message>
        <source>The text to look for in each file name</source>
        <translation>Текст, который ищется в каждом имени файла</translation>
    </message>
    <message>
        <source>Invalid pattern: %1 (at character %2)</source>
        <translation>Недопустимый шаблон: %1 (символ %2)</translation>
    </message>
    <message>
        <source>Number companions together</source>
        <translation>Нумеровать связанные файлы вместе</translation>
    </message>
    <message>
        <source>Files of one folder with the same name before the extension, such as a photo and its raw file, get one number</source>
        <translation>Файлы одной папки с одинаковым именем до расширения, например фото и его RAW-файл, получают один номер</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Дата изменения</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Дата съёмки</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Today&apos;s date, or each file&apos;s own: when it last changed, or when the photo was taken</source>
        <translation>Сегодняшняя дата или дата каждого файла: когда он последний раз изменялся или когда был сделан снимок</translation>
    </message>
</context>
</TS>
