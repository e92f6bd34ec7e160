<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>FailureText</name>
    <message>
        <source>“%1” already exists.</source>
        <translation>«%1» ya existe.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>«%1» ya no existe.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to rename “%1”.</source>
        <translation>No tiene permiso para renombrar «%1».</translation>
    </message>
    <message>
        <source>“%1” is on a read-only file system.</source>
        <translation>«%1» está en un sistema de archivos de solo lectura.</translation>
    </message>
    <message>
        <source>The new name is too long.</source>
        <translation>El nombre nuevo es demasiado largo.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on the disk to rename “%1”.</source>
        <translation>No hay espacio suficiente en el disco para renombrar «%1».</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>«%1» está en uso.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be moved to another file system.</source>
        <translation>«%1» no se puede mover a otro sistema de archivos.</translation>
    </message>
    <message>
        <source>A disk error occurred while renaming “%1”.</source>
        <translation>Se produjo un error de disco al renombrar «%1».</translation>
    </message>
    <message>
        <source>A name can&apos;t be empty.</source>
        <translation>Un nombre no puede estar vacío.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain “/”.</source>
        <translation>Un nombre no puede contener «/».</translation>
    </message>
    <message>
        <source>A name can&apos;t contain a null character.</source>
        <translation>Un nombre no puede contener un carácter nulo.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name.</source>
        <translation>«%1» no se puede usar como nombre.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name on this drive.</source>
        <translation>«%1» no se puede usar como nombre en esta unidad.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed (%2).</source>
        <translation>No se pudo renombrar «%1» (%2).</translation>
    </message>
    <message>
        <source>“%1” has been replaced by another file.</source>
        <translation>«%1» ha sido sustituido por otro archivo.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed: the drive is no longer reachable.</source>
        <translation>No se pudo renombrar «%1»: la unidad ya no está disponible.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed and is now named “%2”, in the same folder.</source>
        <translation>No se pudo renombrar «%1» y ahora se llama «%2», en la misma carpeta.</translation>
    </message>
    <message>
        <source>⏹ %1 file(s) not attempted: the batch was cancelled.</source>
        <translation>⏹ %1 archivo(s) sin intentar: se canceló el lote.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::AboutDialog</name>
    <message>
        <source>About Vellumix</source>
        <translation>Acerca de Vellumix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>© 2026 The Vellumix developers</source>
        <translation>© 2026 Los desarrolladores de Vellumix</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <translation>Sitio web %1</translation>
    </message>
    <message>
        <source>Opens the Vellumix web site in the web browser</source>
        <translation>Abre el sitio web de Vellumix en el navegador web</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::BatchProgressDialog</name>
    <message>
        <source>The drive is not answering.</source>
        <translation>La unidad no responde.</translation>
    </message>
    <message>
        <source>Stopping before the next file…</source>
        <translation>Deteniendo antes del siguiente archivo…</translation>
    </message>
    <message>
        <source>Renaming %L1 of %L2…</source>
        <translation>Renombrando %L1 de %L2…</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::CommandLine</name>
    <message>
        <source>Rename many files at once with a live preview.</source>
        <translation>Renombrar muchos archivos a la vez, con vista previa en directo.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list. A folder adds the files directly inside it, without hidden ones.</source>
        <translation>Archivos y carpetas que añadir a la lista. Una carpeta añade los archivos que contiene directamente, sin los ocultos.</translation>
    </message>
    <message>
        <source>%1: “%2” does not exist; left out.
</source>
        <translation>%1: «%2» no existe; se omite.
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
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>The number of files in the list</source>
        <translation>Número de archivos en la lista</translation>
    </message>
    <message>
        <source>The number of files whose name changes</source>
        <translation>Número de archivos cuyo nombre cambia</translation>
    </message>
    <message>
        <source>The number of files whose name stays as it is</source>
        <translation>Número de archivos cuyo nombre no cambia</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Añadir archivos</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar lista</translation>
    </message>
    <message>
        <source>Choose files to add to the list</source>
        <translation>Elegir archivos para añadirlos a la lista</translation>
    </message>
    <message>
        <source>Choose a folder; the files in it are added to the list</source>
        <translation>Elegir una carpeta; sus archivos se añaden a la lista</translation>
    </message>
    <message>
        <source>Remove every file from the list</source>
        <translation>Quitar todos los archivos de la lista</translation>
    </message>
    <message>
        <source>Rename on disk every file whose new name differs from its current name</source>
        <translation>Renombrar en el disco cada archivo cuyo nombre nuevo difiere del actual</translation>
    </message>
    <message>
        <source>&amp;Rename %1 File(s)</source>
        <translation>Re&amp;nombrar %1 archivo(s)</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>Añadir a&amp;rchivos</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Añadir &amp;carpeta</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vaciar lista</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Deshacer cambio de nombre</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>Rehacer cambio de nombre</translation>
    </message>
    <message>
        <source>Reading the files’ dates… %L1 of %L2</source>
        <translation>Leyendo las fechas de los archivos… %L1 de %L2</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::DropZone</name>
    <message>
        <source>Drop files or folders here</source>
        <translation>Suelte aquí archivos o carpetas</translation>
    </message>
    <message>
        <source>or use the Add Files / Add Folder buttons</source>
        <translation>o use los botones «Añadir archivos» / «Añadir carpeta»</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::FileListView</name>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Each file&apos;s current name, its new name and its status. Delete removes the selected files from the list.</source>
        <translation>Nombre actual, nombre nuevo y estado de cada archivo. Supr quita de la lista los archivos seleccionados.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Selects every file in the list</source>
        <translation>Selecciona todos los archivos de la lista</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Quitar de la lista</translation>
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
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>About Vellumix</source>
        <translation>Acerca de Vellumix</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Add &amp;Files…</source>
        <translation>Añadir &amp;archivos…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>Añadir &amp;carpeta…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vaciar lista</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renombrar</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>&amp;Deshacer cambio de nombre</translation>
    </message>
    <message>
        <source>&amp;Redo Rename</source>
        <translation>&amp;Rehacer cambio de nombre</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Deshacer cambio de nombre de %Ln archivo</numerusform>
            <numerusform>&amp;Deshacer cambio de nombre de %Ln archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Rehacer cambio de nombre de %Ln archivo</numerusform>
            <numerusform>&amp;Rehacer cambio de nombre de %Ln archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>&amp;Subir</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Vi&amp;sta</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>&amp;Ordenar por</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>Date &amp;Modified</source>
        <translation>Fecha de &amp;modificación</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Tamaño</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>T&amp;ipo</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>&amp;Ascendente</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Descendente</translation>
    </message>
    <message>
        <source>Date Ta&amp;ken</source>
        <translation>Fecha de &amp;captura</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarkTexts</name>
    <message>
        <source>Will fail</source>
        <translation>Fallará</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitido</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be renamed: its name is not valid text.</source>
        <translation>«%1» no se puede renombrar: su nombre no es un texto válido.</translation>
    </message>
    <message>
        <source>Nothing is left of the name but its extension.</source>
        <translation>Del nombre solo queda la extensión.</translation>
    </message>
    <message>
        <source>The new name begins with a dot: the file will be hidden.</source>
        <translation>El nombre nuevo empieza por un punto: el archivo quedará oculto.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarksLine</name>
    <message>
        <source>Previous Problem</source>
        <translation>Problema anterior</translation>
    </message>
    <message>
        <source>Next Problem</source>
        <translation>Problema siguiente</translation>
    </message>
    <message numerus="yes">
        <source>%n renames will fail</source>
        <translation>
            <numerusform>%n cambio de nombre fallará</numerusform>
            <numerusform>%n cambios de nombre fallarán</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files can&apos;t be renamed</source>
        <translation>
            <numerusform>%n archivo no se puede renombrar</numerusform>
            <numerusform>%n archivos no se pueden renombrar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n aviso</numerusform>
            <numerusform>%n avisos</numerusform>
        </translation>
    </message>
    <message>
        <source>Selects the previous file with a problem (Shift+F8)</source>
        <translation>Selecciona el archivo anterior con un problema (Mayús+F8)</translation>
    </message>
    <message>
        <source>Selects the next file with a problem (F8)</source>
        <translation>Selecciona el siguiente archivo con un problema (F8)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::PreviewTableModel</name>
    <message>
        <source>no new name</source>
        <translation>sin nombre nuevo</translation>
    </message>
    <message>
        <source>not previewed</source>
        <translation>sin vista previa</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>Nombre original</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nombre nuevo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Renombrado</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::ResultAlert</name>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>Mostrar detalles…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>Ocultar detalles…</translation>
    </message>
    <message>
        <source>Every file renamed, with its old and new name</source>
        <translation>Cada archivo renombrado, con su nombre anterior y el nuevo</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::RulePanel</name>
    <message>
        <source>Rename rule</source>
        <translation>Regla de renombrado</translation>
    </message>
    <message>
        <source>The rule that makes the new names, and its settings</source>
        <translation>La regla que forma los nombres nuevos, y sus ajustes</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regla</translation>
    </message>
    <message>
        <source>How the new names are made</source>
        <translation>Cómo se forman los nombres nuevos</translation>
    </message>
    <message>
        <source>Text put before each file name</source>
        <translation>Texto que se pone delante de cada nombre de archivo</translation>
    </message>
    <message>
        <source>Text put after each file name, before its extension</source>
        <translation>Texto que se pone detrás de cada nombre de archivo, antes de su extensión</translation>
    </message>
    <message>
        <source>Text put in place of each match</source>
        <translation>Texto que sustituye a cada coincidencia</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Distinguir mayúsculas</translation>
    </message>
    <message>
        <source>When checked, upper and lower case letters must match exactly</source>
        <translation>Si está marcada, las mayúsculas y minúsculas deben coincidir exactamente</translation>
    </message>
    <message>
        <source>Case style</source>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>How the letters of the new names are cased</source>
        <translation>Cómo se escriben las letras de los nombres nuevos, en mayúsculas o minúsculas</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Whether the number goes before or after the name</source>
        <translation>Si el número va delante o detrás del nombre</translation>
    </message>
    <message>
        <source>Text put between the name and the number</source>
        <translation>Texto entre el nombre y el número</translation>
    </message>
    <message>
        <source>The number of the first file</source>
        <translation>El número del primer archivo</translation>
    </message>
    <message>
        <source>How much the number grows from one file to the next</source>
        <translation>Cuánto aumenta el número de un archivo al siguiente</translation>
    </message>
    <message>
        <source>The fewest digits a number has, filled with leading zeros</source>
        <translation>Cantidad mínima de cifras de un número, completada con ceros a la izquierda</translation>
    </message>
    <message>
        <source>Whether the date goes before or after the name</source>
        <translation>Si la fecha va delante o detrás del nombre</translation>
    </message>
    <message>
        <source>Text put between the name and the date</source>
        <translation>Texto entre el nombre y la fecha</translation>
    </message>
    <message>
        <source>How today&apos;s date is written, for example yyyy-MM-dd for 2024-03-31</source>
        <translation>Cómo se escribe la fecha de hoy, por ejemplo yyyy-MM-dd para 2024-03-31</translation>
    </message>
    <message>
        <source>Format tokens: yyyy · MM · dd · HH · mm · ss</source>
        <translation>Formato: yyyy&#xa0;·&#xa0;MM&#xa0;·&#xa0;dd&#xa0;·&#xa0;HH&#xa0;·&#xa0;mm&#xa0;·&#xa0;ss</translation>
    </message>
    <message>
        <source>Where removing begins; 0 is the first character</source>
        <translation>Dónde empieza la eliminación; 0 es el primer carácter</translation>
    </message>
    <message>
        <source>How many characters are removed</source>
        <translation>Cuántos caracteres se eliminan</translation>
    </message>
    <message>
        <source>Replaces underscores, dashes and dots with spaces, then applies Title Case.</source>
        <translation>Sustituye los guiones bajos, los guiones y los puntos por espacios y luego pone en mayúscula la inicial de cada palabra.</translation>
    </message>
    <message>
        <source>The regular expression to look for in each file name</source>
        <translation>La expresión regular que se busca en cada nombre de archivo</translation>
    </message>
    <message>
        <source>The text to look for in each file name</source>
        <translation>El texto que se busca en cada nombre de archivo</translation>
    </message>
    <message>
        <source>Invalid pattern: %1 (at character %2)</source>
        <translation>Patrón no válido: %1 (en el carácter %2)</translation>
    </message>
    <message>
        <source>Number companions together</source>
        <translation>Numerar juntos los archivos compañeros</translation>
    </message>
    <message>
        <source>Files of one folder with the same name before the extension, such as a photo and its raw file, get one number</source>
        <translation>Los archivos de una carpeta con el mismo nombre antes de la extensión, como una foto y su archivo RAW, reciben un mismo número</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Fecha de modificación</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Fecha de captura</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Today&apos;s date, or each file&apos;s own: when it last changed, or when the photo was taken</source>
        <translation>La fecha de hoy, o la de cada archivo: cuándo cambió por última vez o cuándo se tomó la foto</translation>
    </message>
</context>
</TS>
