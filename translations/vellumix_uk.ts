<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>FailureText</name>
    <message>
        <source>“%1” already exists.</source>
        <translation>«%1» вже існує.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>«%1» більше не існує.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to rename “%1”.</source>
        <translation>Недостатньо прав для перейменування «%1».</translation>
    </message>
    <message>
        <source>“%1” is on a read-only file system.</source>
        <translation>«%1» розташовано у файловій системі, доступній лише для читання.</translation>
    </message>
    <message>
        <source>The new name is too long.</source>
        <translation>Нова назва задовга.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on the disk to rename “%1”.</source>
        <translation>Недостатньо місця на диску для перейменування «%1».</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>«%1» зараз використовується.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be moved to another file system.</source>
        <translation>«%1» не можна перемістити до іншої файлової системи.</translation>
    </message>
    <message>
        <source>A disk error occurred while renaming “%1”.</source>
        <translation>Під час перейменування «%1» сталася помилка диска.</translation>
    </message>
    <message>
        <source>A name can&apos;t be empty.</source>
        <translation>Назва не може бути порожньою.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain “/”.</source>
        <translation>Назва не може містити «/».</translation>
    </message>
    <message>
        <source>A name can&apos;t contain a null character.</source>
        <translation>Назва не може містити нульовий символ.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name.</source>
        <translation>«%1» не можна використати як назву.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name on this drive.</source>
        <translation>«%1» не можна використати як назву на цьому диску.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed (%2).</source>
        <translation>Не вдалося перейменувати «%1» (%2).</translation>
    </message>
    <message>
        <source>“%1” has been replaced by another file.</source>
        <translation>«%1» замінено іншим файлом.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed: the drive is no longer reachable.</source>
        <translation>Не вдалося перейменувати «%1»: диск більше недоступний.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed and is now named “%2”, in the same folder.</source>
        <translation>Не вдалося перейменувати «%1»; тепер він називається «%2» у тій самій теці.</translation>
    </message>
    <message>
        <source>⏹ %1 file(s) not attempted: the batch was cancelled.</source>
        <translation>⏹ Не оброблено файлів: %1 — операцію скасовано.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::AboutDialog</name>
    <message>
        <source>About Vellumix</source>
        <translation>Про Vellumix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версія %1</translation>
    </message>
    <message>
        <source>© 2026 The Vellumix developers</source>
        <translation>© 2026 Розробники Vellumix</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <translation>Вебсайт %1</translation>
    </message>
    <message>
        <source>Opens the Vellumix web site in the web browser</source>
        <translation>Відкриває вебсайт Vellumix у браузері</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::BatchProgressDialog</name>
    <message>
        <source>The drive is not answering.</source>
        <translation>Диск не відповідає.</translation>
    </message>
    <message>
        <source>Stopping before the next file…</source>
        <translation>Зупинка перед наступним файлом…</translation>
    </message>
    <message>
        <source>Renaming %L1 of %L2…</source>
        <translation>Перейменування %L1 з %L2…</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::CommandLine</name>
    <message>
        <source>Rename many files at once with a live preview.</source>
        <translation>Перейменування багатьох файлів одночасно, з попереднім переглядом наживо.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list. A folder adds the files directly inside it, without hidden ones.</source>
        <translation>Файли й теки для списку. Тека додає файли, що лежать безпосередньо в ній, крім прихованих.</translation>
    </message>
    <message>
        <source>%1: “%2” does not exist; left out.
</source>
        <translation>%1: «%2» не існує; пропущено.
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
        <translation>Попередній перегляд</translation>
    </message>
    <message>
        <source>The number of files in the list</source>
        <translation>Кількість файлів у списку</translation>
    </message>
    <message>
        <source>The number of files whose name changes</source>
        <translation>Кількість файлів, назва яких зміниться</translation>
    </message>
    <message>
        <source>The number of files whose name stays as it is</source>
        <translation>Кількість файлів, назва яких залишиться незмінною</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Додати файли</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Додати теку</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Choose files to add to the list</source>
        <translation>Вибрати файли для додавання до списку</translation>
    </message>
    <message>
        <source>Choose a folder; the files in it are added to the list</source>
        <translation>Вибрати теку; файли з неї буде додано до списку</translation>
    </message>
    <message>
        <source>Remove every file from the list</source>
        <translation>Вилучити всі файли зі списку</translation>
    </message>
    <message>
        <source>Rename on disk every file whose new name differs from its current name</source>
        <translation>Перейменувати на диску кожен файл, нова назва якого відрізняється від поточної</translation>
    </message>
    <message>
        <source>&amp;Rename %1 File(s)</source>
        <translation>&amp;Перейменувати файли: %1</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>Дода&amp;ти файли</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Додати т&amp;еку</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Очистити</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Перейменувати</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Скасувати перейменування</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>Повторити перейменування</translation>
    </message>
    <message>
        <source>Reading the files’ dates… %L1 of %L2</source>
        <translation>Читання дат файлів… %L1 з %L2</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::DropZone</name>
    <message>
        <source>Drop files or folders here</source>
        <translation>Перетягніть сюди файли або теки</translation>
    </message>
    <message>
        <source>or use the Add Files / Add Folder buttons</source>
        <translation>або скористайтеся кнопками «Додати файли» / «Додати теку»</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::FileListView</name>
    <message>
        <source>Files</source>
        <translation>Файли</translation>
    </message>
    <message>
        <source>Each file&apos;s current name, its new name and its status. Delete removes the selected files from the list.</source>
        <translation>Поточна назва, нова назва й стан кожного файлу. Delete вилучає позначені файли зі списку.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Позначити все</translation>
    </message>
    <message>
        <source>Selects every file in the list</source>
        <translation>Позначає всі файли у списку</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Вилучити зі списку</translation>
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
        <translation>Ви&amp;йти</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>About Vellumix</source>
        <translation>Про Vellumix</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Редагування</translation>
    </message>
    <message>
        <source>Add &amp;Files…</source>
        <translation>Додати &amp;файли…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>Додати &amp;теку…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Очистити</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Перейменувати</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>&amp;Скасувати перейменування</translation>
    </message>
    <message>
        <source>&amp;Redo Rename</source>
        <translation>&amp;Повторити перейменування</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Скасувати перейменування %Ln файлу</numerusform>
            <numerusform>&amp;Скасувати перейменування %Ln файлів</numerusform>
            <numerusform>&amp;Скасувати перейменування %Ln файлів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Повторити перейменування %Ln файлу</numerusform>
            <numerusform>&amp;Повторити перейменування %Ln файлів</numerusform>
            <numerusform>&amp;Повторити перейменування %Ln файлів</numerusform>
        </translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Перемістити &amp;вгору</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Перемістити в&amp;низ</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вигляд</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>&amp;Упорядкувати</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Назва</translation>
    </message>
    <message>
        <source>Date &amp;Modified</source>
        <translation>Дата з&amp;міни</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Розмір</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Тип</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>За &amp;зростанням</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>За с&amp;паданням</translation>
    </message>
    <message>
        <source>Date Ta&amp;ken</source>
        <translation>Дата з&amp;йомки</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarkTexts</name>
    <message>
        <source>Will fail</source>
        <translation>Не вдасться</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропуск</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Увага</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be renamed: its name is not valid text.</source>
        <translation>«%1» не можна перейменувати: назва не є допустимим текстом.</translation>
    </message>
    <message>
        <source>Nothing is left of the name but its extension.</source>
        <translation>Від назви залишиться тільки розширення.</translation>
    </message>
    <message>
        <source>The new name begins with a dot: the file will be hidden.</source>
        <translation>Нова назва починається з крапки: файл стане прихованим.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarksLine</name>
    <message>
        <source>Previous Problem</source>
        <translation>Попередня проблема</translation>
    </message>
    <message>
        <source>Next Problem</source>
        <translation>Наступна проблема</translation>
    </message>
    <message numerus="yes">
        <source>%n renames will fail</source>
        <translation>
            <numerusform>%n перейменування завершиться помилкою</numerusform>
            <numerusform>%n перейменування завершаться помилкою</numerusform>
            <numerusform>%n перейменувань завершаться помилкою</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files can&apos;t be renamed</source>
        <translation>
            <numerusform>%n файл не можна перейменувати</numerusform>
            <numerusform>%n файли не можна перейменувати</numerusform>
            <numerusform>%n файлів не можна перейменувати</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n попередження</numerusform>
            <numerusform>%n попередження</numerusform>
            <numerusform>%n попереджень</numerusform>
        </translation>
    </message>
    <message>
        <source>Selects the previous file with a problem (Shift+F8)</source>
        <translation>Позначає попередній файл із проблемою (Shift+F8)</translation>
    </message>
    <message>
        <source>Selects the next file with a problem (F8)</source>
        <translation>Позначає наступний файл із проблемою (F8)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::PreviewTableModel</name>
    <message>
        <source>no new name</source>
        <translation>немає нової назви</translation>
    </message>
    <message>
        <source>not previewed</source>
        <translation>немає перегляду</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>Початкова назва</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Нова назва</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Змінено</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Без змін</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Помилка</translation>
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
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>Показати подробиці…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>Сховати подробиці…</translation>
    </message>
    <message>
        <source>Every file renamed, with its old and new name</source>
        <translation>Кожен перейменований файл зі старою та новою назвою</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::RulePanel</name>
    <message>
        <source>Rename rule</source>
        <translation>Правило перейменування</translation>
    </message>
    <message>
        <source>The rule that makes the new names, and its settings</source>
        <translation>Правило, за яким утворюються нові назви, та його параметри</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Правило</translation>
    </message>
    <message>
        <source>How the new names are made</source>
        <translation>Як утворюються нові назви</translation>
    </message>
    <message>
        <source>Text put before each file name</source>
        <translation>Текст, що додається перед кожною назвою файлу</translation>
    </message>
    <message>
        <source>Text put after each file name, before its extension</source>
        <translation>Текст, що додається після кожної назви файлу, перед її розширенням</translation>
    </message>
    <message>
        <source>Text put in place of each match</source>
        <translation>Текст, що замінює кожен збіг</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Враховувати регістр</translation>
    </message>
    <message>
        <source>When checked, upper and lower case letters must match exactly</source>
        <translation>Якщо позначено, великі й малі літери мають збігатися точно</translation>
    </message>
    <message>
        <source>Case style</source>
        <translation>Регістр</translation>
    </message>
    <message>
        <source>How the letters of the new names are cased</source>
        <translation>Як записуються літери нових назв: великими чи малими</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиція</translation>
    </message>
    <message>
        <source>Whether the number goes before or after the name</source>
        <translation>Де стоїть номер: перед назвою чи після неї</translation>
    </message>
    <message>
        <source>Text put between the name and the number</source>
        <translation>Текст між назвою й номером</translation>
    </message>
    <message>
        <source>The number of the first file</source>
        <translation>Номер першого файлу</translation>
    </message>
    <message>
        <source>How much the number grows from one file to the next</source>
        <translation>На скільки номер зростає від файлу до файлу</translation>
    </message>
    <message>
        <source>The fewest digits a number has, filled with leading zeros</source>
        <translation>Найменша кількість цифр у номері, з нулями на початку</translation>
    </message>
    <message>
        <source>Whether the date goes before or after the name</source>
        <translation>Де стоїть дата: перед назвою чи після неї</translation>
    </message>
    <message>
        <source>Text put between the name and the date</source>
        <translation>Текст між назвою й датою</translation>
    </message>
    <message>
        <source>How today&apos;s date is written, for example yyyy-MM-dd for 2024-03-31</source>
        <translation>Як записується сьогоднішня дата, наприклад yyyy-MM-dd для 2024-03-31</translation>
    </message>
    <message>
        <source>Format tokens: yyyy · MM · dd · HH · mm · ss</source>
        <translation>Коди формату: yyyy&#xa0;·&#xa0;MM&#xa0;·&#xa0;dd&#xa0;·&#xa0;HH&#xa0;·&#xa0;mm&#xa0;·&#xa0;ss</translation>
    </message>
    <message>
        <source>Where removing begins; 0 is the first character</source>
        <translation>Звідки починається вилучення; 0 — перший символ</translation>
    </message>
    <message>
        <source>How many characters are removed</source>
        <translation>Скільки символів вилучається</translation>
    </message>
    <message>
        <source>Replaces underscores, dashes and dots with spaces, then applies Title Case.</source>
        <translation>Замінює підкреслення, дефіси й крапки пробілами, потім робить першу літеру кожного слова великою.</translation>
    </message>
    <message>
        <source>The regular expression to look for in each file name</source>
        <translation>Регулярний вираз, який шукається в кожній назві файлу</translation>
    </message>
    <message>
        <source>The text to look for in each file name</source>
        <translation>Текст, який шукається в кожній назві файлу</translation>
    </message>
    <message>
        <source>Invalid pattern: %1 (at character %2)</source>
        <translation>Неприпустимий шаблон: %1 (символ %2)</translation>
    </message>
    <message>
        <source>Number companions together</source>
        <translation>Нумерувати пов’язані файли разом</translation>
    </message>
    <message>
        <source>Files of one folder with the same name before the extension, such as a photo and its raw file, get one number</source>
        <translation>Файли однієї теки з однаковою назвою до розширення, наприклад фото та його RAW-файл, отримують один номер</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Зараз</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Дата зміни</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Дата зйомки</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Today&apos;s date, or each file&apos;s own: when it last changed, or when the photo was taken</source>
        <translation>Сьогоднішня дата або дата кожного файлу: коли його востаннє змінено чи коли зроблено знімок</translation>
    </message>
</context>
</TS>
