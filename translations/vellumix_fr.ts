<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>FailureText</name>
    <message>
        <source>“%1” already exists.</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>«&#xa0;%1&#xa0;» n’existe plus.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to rename “%1”.</source>
        <translation>Vous n’avez pas l’autorisation de renommer «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>“%1” is on a read-only file system.</source>
        <translation>«&#xa0;%1&#xa0;» se trouve sur un système de fichiers en lecture seule.</translation>
    </message>
    <message>
        <source>The new name is too long.</source>
        <translation>Le nouveau nom est trop long.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on the disk to rename “%1”.</source>
        <translation>Il n’y a pas assez d’espace sur le disque pour renommer «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>«&#xa0;%1&#xa0;» est en cours d’utilisation.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be moved to another file system.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être déplacé vers un autre système de fichiers.</translation>
    </message>
    <message>
        <source>A disk error occurred while renaming “%1”.</source>
        <translation>Une erreur de disque s’est produite lors du renommage de «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>A name can&apos;t be empty.</source>
        <translation>Un nom ne peut pas être vide.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain “/”.</source>
        <translation>Un nom ne peut pas contenir «&#xa0;/&#xa0;».</translation>
    </message>
    <message>
        <source>A name can&apos;t contain a null character.</source>
        <translation>Un nom ne peut pas contenir de caractère nul.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être utilisé comme nom.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name on this drive.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être utilisé comme nom sur ce lecteur.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed (%2).</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être renommé (%2).</translation>
    </message>
    <message>
        <source>“%1” has been replaced by another file.</source>
        <translation>«&#xa0;%1&#xa0;» a été remplacé par un autre fichier.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed: the drive is no longer reachable.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être renommé&#xa0;: le lecteur n’est plus accessible.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed and is now named “%2”, in the same folder.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être renommé et s’appelle maintenant «&#xa0;%2&#xa0;», dans le même dossier.</translation>
    </message>
    <message>
        <source>⏹ %1 file(s) not attempted: the batch was cancelled.</source>
        <translation>⏹ %1 fichier(s) non traité(s)&#xa0;: le lot a été annulé.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::AboutDialog</name>
    <message>
        <source>About Vellumix</source>
        <translation>À propos de Vellumix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>© 2026 The Vellumix developers</source>
        <translation>© 2026 Les développeurs de Vellumix</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <translation>Site web %1</translation>
    </message>
    <message>
        <source>Opens the Vellumix web site in the web browser</source>
        <translation>Ouvre le site web de Vellumix dans le navigateur</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::BatchProgressDialog</name>
    <message>
        <source>The drive is not answering.</source>
        <translation>Le lecteur ne répond pas.</translation>
    </message>
    <message>
        <source>Stopping before the next file…</source>
        <translation>Arrêt avant le fichier suivant…</translation>
    </message>
    <message>
        <source>Renaming %L1 of %L2…</source>
        <translation>Renommage de %L1 sur %L2…</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::CommandLine</name>
    <message>
        <source>Rename many files at once with a live preview.</source>
        <translation>Renommer de nombreux fichiers à la fois avec un aperçu en direct.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list. A folder adds the files directly inside it, without hidden ones.</source>
        <translation>Fichiers et dossiers à mettre dans la liste. Un dossier ajoute les fichiers qu’il contient directement, sans les fichiers cachés.</translation>
    </message>
    <message>
        <source>%1: “%2” does not exist; left out.
</source>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n’existe pas ; ignoré.
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
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>The number of files in the list</source>
        <translation>Nombre de fichiers dans la liste</translation>
    </message>
    <message>
        <source>The number of files whose name changes</source>
        <translation>Nombre de fichiers dont le nom change</translation>
    </message>
    <message>
        <source>The number of files whose name stays as it is</source>
        <translation>Nombre de fichiers dont le nom reste inchangé</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Ajouter des fichiers</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>Choose files to add to the list</source>
        <translation>Choisir des fichiers à ajouter à la liste</translation>
    </message>
    <message>
        <source>Choose a folder; the files in it are added to the list</source>
        <translation>Choisir un dossier dont les fichiers sont ajoutés à la liste</translation>
    </message>
    <message>
        <source>Remove every file from the list</source>
        <translation>Retirer tous les fichiers de la liste</translation>
    </message>
    <message>
        <source>Rename on disk every file whose new name differs from its current name</source>
        <translation>Renommer sur le disque chaque fichier dont le nouveau nom diffère du nom actuel</translation>
    </message>
    <message>
        <source>&amp;Rename %1 File(s)</source>
        <translation>&amp;Renommer %1 fichier(s)</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>A&amp;jouter des fichiers</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Ajouter un &amp;dossier</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Annuler le renommage</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>Rétablir le renommage</translation>
    </message>
    <message>
        <source>Reading the files’ dates… %L1 of %L2</source>
        <translation>Lecture des dates des fichiers… %L1 sur %L2</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::DropZone</name>
    <message>
        <source>Drop files or folders here</source>
        <translation>Déposez ici des fichiers ou des dossiers</translation>
    </message>
    <message>
        <source>or use the Add Files / Add Folder buttons</source>
        <translation>ou utilisez les boutons «&#xa0;Ajouter des fichiers&#xa0;» / «&#xa0;Ajouter un dossier&#xa0;»</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::FileListView</name>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Each file&apos;s current name, its new name and its status. Delete removes the selected files from the list.</source>
        <translation>Nom actuel, nouveau nom et état de chaque fichier. Suppr retire de la liste les fichiers sélectionnés.</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Retirer de la liste</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Selects every file in the list</source>
        <translation>Sélectionne tous les fichiers de la liste</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>About Vellumix</source>
        <translation>À propos de Vellumix</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>Add &amp;Files…</source>
        <translation>Ajouter des &amp;fichiers…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>Ajouter un &amp;dossier…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>&amp;Annuler le renommage</translation>
    </message>
    <message>
        <source>&amp;Redo Rename</source>
        <translation>&amp;Rétablir le renommage</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Annuler le renommage de %Ln fichier</numerusform>
            <numerusform>&amp;Annuler le renommage de %Ln fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Rétablir le renommage de %Ln fichier</numerusform>
            <numerusform>&amp;Rétablir le renommage de %Ln fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>D&amp;escendre</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>&amp;Trier par</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Date &amp;Modified</source>
        <translation>Date de &amp;modification</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Taille</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>T&amp;ype</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>&amp;Croissant</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Décroissant</translation>
    </message>
    <message>
        <source>Date Ta&amp;ken</source>
        <translation>Date de &amp;prise de vue</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarkTexts</name>
    <message>
        <source>Will fail</source>
        <translation>Échouera</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignoré</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be renamed: its name is not valid text.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être renommé&#xa0;: son nom n’est pas un texte valide.</translation>
    </message>
    <message>
        <source>Nothing is left of the name but its extension.</source>
        <translation>Il ne reste du nom que son extension.</translation>
    </message>
    <message>
        <source>The new name begins with a dot: the file will be hidden.</source>
        <translation>Le nouveau nom commence par un point&#xa0;: le fichier sera masqué.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarksLine</name>
    <message>
        <source>Previous Problem</source>
        <translation>Problème précédent</translation>
    </message>
    <message>
        <source>Next Problem</source>
        <translation>Problème suivant</translation>
    </message>
    <message numerus="yes">
        <source>%n renames will fail</source>
        <translation>
            <numerusform>%n renommage échouera</numerusform>
            <numerusform>%n renommages échoueront</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files can&apos;t be renamed</source>
        <translation>
            <numerusform>%n fichier ne peut pas être renommé</numerusform>
            <numerusform>%n fichiers ne peuvent pas être renommés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n avertissement</numerusform>
            <numerusform>%n avertissements</numerusform>
        </translation>
    </message>
    <message>
        <source>Selects the previous file with a problem (Shift+F8)</source>
        <translation>Sélectionne le fichier précédent qui pose problème (Maj+F8)</translation>
    </message>
    <message>
        <source>Selects the next file with a problem (F8)</source>
        <translation>Sélectionne le fichier suivant qui pose problème (F8)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::PreviewTableModel</name>
    <message>
        <source>no new name</source>
        <translation>pas de nouveau nom</translation>
    </message>
    <message>
        <source>not previewed</source>
        <translation>pas d’aperçu</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>Nom d’origine</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Renommé</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Identique</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::ResultAlert</name>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>Afficher les détails…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>Masquer les détails…</translation>
    </message>
    <message>
        <source>Every file renamed, with its old and new name</source>
        <translation>Chaque fichier renommé, avec son ancien et son nouveau nom</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::RulePanel</name>
    <message>
        <source>Rename rule</source>
        <translation>Règle de renommage</translation>
    </message>
    <message>
        <source>The rule that makes the new names, and its settings</source>
        <translation>La règle qui forme les nouveaux noms, et ses réglages</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>How the new names are made</source>
        <translation>Comment les nouveaux noms sont formés</translation>
    </message>
    <message>
        <source>Text put before each file name</source>
        <translation>Texte placé devant chaque nom de fichier</translation>
    </message>
    <message>
        <source>Text put after each file name, before its extension</source>
        <translation>Texte placé après chaque nom de fichier, avant son extension</translation>
    </message>
    <message>
        <source>Text put in place of each match</source>
        <translation>Texte qui remplace chaque occurrence</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>When checked, upper and lower case letters must match exactly</source>
        <translation>Case cochée, majuscules et minuscules doivent correspondre exactement</translation>
    </message>
    <message>
        <source>Case style</source>
        <translation>Casse</translation>
    </message>
    <message>
        <source>How the letters of the new names are cased</source>
        <translation>Comment les lettres des nouveaux noms sont mises en majuscules ou en minuscules</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Whether the number goes before or after the name</source>
        <translation>Si le numéro se place avant ou après le nom</translation>
    </message>
    <message>
        <source>Text put between the name and the number</source>
        <translation>Texte placé entre le nom et le numéro</translation>
    </message>
    <message>
        <source>The number of the first file</source>
        <translation>Le numéro du premier fichier</translation>
    </message>
    <message>
        <source>How much the number grows from one file to the next</source>
        <translation>De combien le numéro augmente d’un fichier au suivant</translation>
    </message>
    <message>
        <source>The fewest digits a number has, filled with leading zeros</source>
        <translation>Nombre minimal de chiffres d’un numéro, complété par des zéros en tête</translation>
    </message>
    <message>
        <source>Whether the date goes before or after the name</source>
        <translation>Si la date se place avant ou après le nom</translation>
    </message>
    <message>
        <source>Text put between the name and the date</source>
        <translation>Texte placé entre le nom et la date</translation>
    </message>
    <message>
        <source>Format tokens: yyyy · MM · dd · HH · mm · ss</source>
        <translation>Codes de format&#xa0;: yyyy&#xa0;·&#xa0;MM&#xa0;·&#xa0;dd&#xa0;·&#xa0;HH&#xa0;·&#xa0;mm&#xa0;·&#xa0;ss</translation>
    </message>
    <message>
        <source>Where removing begins; 0 is the first character</source>
        <translation>Où commence la suppression (0 est le premier caractère)</translation>
    </message>
    <message>
        <source>How many characters are removed</source>
        <translation>Combien de caractères sont supprimés</translation>
    </message>
    <message>
        <source>Replaces underscores, dashes and dots with spaces, then applies Title Case.</source>
        <translation>Remplace les tirets bas, les tirets et les points par des espaces, puis met une majuscule au début de chaque mot.</translation>
    </message>
    <message>
        <source>The regular expression to look for in each file name</source>
        <translation>L’expression régulière recherchée dans chaque nom de fichier</translation>
    </message>
    <message>
        <source>The text to look for in each file name</source>
        <translation>Le texte recherché dans chaque nom de fichier</translation>
    </message>
    <message>
        <source>How today&apos;s date is written, for example yyyy-MM-dd for 2024-03-31</source>
        <translation>Comment la date du jour est écrite, par exemple yyyy-MM-dd pour 2024-03-31</translation>
    </message>
    <message>
        <source>Invalid pattern: %1 (at character %2)</source>
        <translation>Motif non valide&#xa0;: %1 (au caractère %2)</translation>
    </message>
    <message>
        <source>Number companions together</source>
        <translation>Numéroter ensemble les fichiers associés</translation>
    </message>
    <message>
        <source>Files of one folder with the same name before the extension, such as a photo and its raw file, get one number</source>
        <translation>Les fichiers d’un dossier qui ont le même nom avant l’extension, comme une photo et son fichier RAW, reçoivent un même numéro</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Date de modification</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Date de prise de vue</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Today&apos;s date, or each file&apos;s own: when it last changed, or when the photo was taken</source>
        <translation>La date du jour, ou celle de chaque fichier : sa dernière modification, ou la prise de vue de la photo</translation>
    </message>
</context>
</TS>
