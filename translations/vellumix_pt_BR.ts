<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>FailureText</name>
    <message>
        <source>“%1” already exists.</source>
        <translation>“%1” já existe.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>“%1” não existe mais.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to rename “%1”.</source>
        <translation>Você não tem permissão para renomear “%1”.</translation>
    </message>
    <message>
        <source>“%1” is on a read-only file system.</source>
        <translation>“%1” está em um sistema de arquivos somente leitura.</translation>
    </message>
    <message>
        <source>The new name is too long.</source>
        <translation>O novo nome é longo demais.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on the disk to rename “%1”.</source>
        <translation>Não há espaço suficiente no disco para renomear “%1”.</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>“%1” está em uso.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be moved to another file system.</source>
        <translation>“%1” não pode ser movido para outro sistema de arquivos.</translation>
    </message>
    <message>
        <source>A disk error occurred while renaming “%1”.</source>
        <translation>Ocorreu um erro de disco ao renomear “%1”.</translation>
    </message>
    <message>
        <source>A name can&apos;t be empty.</source>
        <translation>Um nome não pode estar vazio.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain “/”.</source>
        <translation>Um nome não pode conter “/”.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain a null character.</source>
        <translation>Um nome não pode conter um caractere nulo.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name.</source>
        <translation>“%1” não pode ser usado como nome.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name on this drive.</source>
        <translation>“%1” não pode ser usado como nome nesta unidade.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed (%2).</source>
        <translation>Não foi possível renomear “%1” (%2).</translation>
    </message>
    <message>
        <source>“%1” has been replaced by another file.</source>
        <translation>“%1” foi substituído por outro arquivo.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed: the drive is no longer reachable.</source>
        <translation>Não foi possível renomear “%1”: a unidade não está mais acessível.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed and is now named “%2”, in the same folder.</source>
        <translation>Não foi possível renomear “%1”, que agora se chama “%2”, na mesma pasta.</translation>
    </message>
    <message>
        <source>⏹ %1 file(s) not attempted: the batch was cancelled.</source>
        <translation>⏹ %1 arquivo(s) não tentado(s): o lote foi cancelado.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::AboutDialog</name>
    <message>
        <source>About Vellumix</source>
        <translation>Sobre o Vellumix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>© 2026 The Vellumix developers</source>
        <translation>© 2026 Os desenvolvedores do Vellumix</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <translation>Site %1</translation>
    </message>
    <message>
        <source>Opens the Vellumix web site in the web browser</source>
        <translation>Abre o site do Vellumix no navegador</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::BatchProgressDialog</name>
    <message>
        <source>The drive is not answering.</source>
        <translation>A unidade não está respondendo.</translation>
    </message>
    <message>
        <source>Stopping before the next file…</source>
        <translation>Parando antes do próximo arquivo…</translation>
    </message>
    <message>
        <source>Renaming %L1 of %L2…</source>
        <translation>Renomeando %L1 de %L2…</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::CommandLine</name>
    <message>
        <source>Rename many files at once with a live preview.</source>
        <translation>Renomear muitos arquivos de uma vez, com visualização ao vivo.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list. A folder adds the files directly inside it, without hidden ones.</source>
        <translation>Arquivos e pastas a colocar na lista. Uma pasta adiciona os arquivos que estão diretamente nela, sem os ocultos.</translation>
    </message>
    <message>
        <source>%1: “%2” does not exist; left out.
</source>
        <translation>%1: “%2” não existe; ignorado.
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
        <translation>Visualização</translation>
    </message>
    <message>
        <source>The number of files in the list</source>
        <translation>Número de arquivos na lista</translation>
    </message>
    <message>
        <source>The number of files whose name changes</source>
        <translation>Número de arquivos cujo nome muda</translation>
    </message>
    <message>
        <source>The number of files whose name stays as it is</source>
        <translation>Número de arquivos cujo nome continua o mesmo</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Adicionar arquivos</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar lista</translation>
    </message>
    <message>
        <source>Choose files to add to the list</source>
        <translation>Escolher arquivos para adicionar à lista</translation>
    </message>
    <message>
        <source>Choose a folder; the files in it are added to the list</source>
        <translation>Escolher uma pasta; os arquivos nela são adicionados à lista</translation>
    </message>
    <message>
        <source>Remove every file from the list</source>
        <translation>Remover todos os arquivos da lista</translation>
    </message>
    <message>
        <source>Rename on disk every file whose new name differs from its current name</source>
        <translation>Renomear no disco cada arquivo cujo novo nome é diferente do nome atual</translation>
    </message>
    <message>
        <source>&amp;Rename %1 File(s)</source>
        <translation>Re&amp;nomear %1 arquivo(s)</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>Adicionar a&amp;rquivos</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>Adicionar &amp;pasta</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar lista</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Desfazer renomeação</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>Refazer renomeação</translation>
    </message>
    <message>
        <source>Reading the files’ dates… %L1 of %L2</source>
        <translation>Lendo as datas dos arquivos… %L1 de %L2</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::DropZone</name>
    <message>
        <source>Drop files or folders here</source>
        <translation>Solte arquivos ou pastas aqui</translation>
    </message>
    <message>
        <source>or use the Add Files / Add Folder buttons</source>
        <translation>ou use os botões “Adicionar arquivos” / “Adicionar pasta”</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::FileListView</name>
    <message>
        <source>Files</source>
        <translation>Arquivos</translation>
    </message>
    <message>
        <source>Each file&apos;s current name, its new name and its status. Delete removes the selected files from the list.</source>
        <translation>Nome atual, novo nome e status de cada arquivo. Delete remove da lista os arquivos selecionados.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Selecionar tudo</translation>
    </message>
    <message>
        <source>Selects every file in the list</source>
        <translation>Seleciona todos os arquivos da lista</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Remover da lista</translation>
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
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>About Vellumix</source>
        <translation>Sobre o Vellumix</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Add &amp;Files…</source>
        <translation>Adicionar &amp;arquivos…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>Adicionar &amp;pasta…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar lista</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renomear</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>&amp;Desfazer renomeação</translation>
    </message>
    <message>
        <source>&amp;Redo Rename</source>
        <translation>&amp;Refazer renomeação</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Desfazer renomeação de %Ln arquivo</numerusform>
            <numerusform>&amp;Desfazer renomeação de %Ln arquivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>&amp;Refazer renomeação de %Ln arquivo</numerusform>
            <numerusform>&amp;Refazer renomeação de %Ln arquivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Mover para &amp;cima</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Mover para &amp;baixo</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>&amp;Ordenar por</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>Date &amp;Modified</source>
        <translation>Data de &amp;modificação</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Tamanho</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>T&amp;ipo</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>&amp;Crescente</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>&amp;Decrescente</translation>
    </message>
    <message>
        <source>Date Ta&amp;ken</source>
        <translation>Data de ca&amp;ptura</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarkTexts</name>
    <message>
        <source>Will fail</source>
        <translation>Vai falhar</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorado</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be renamed: its name is not valid text.</source>
        <translation>“%1” não pode ser renomeado: o nome não é um texto válido.</translation>
    </message>
    <message>
        <source>Nothing is left of the name but its extension.</source>
        <translation>Do nome só resta a extensão.</translation>
    </message>
    <message>
        <source>The new name begins with a dot: the file will be hidden.</source>
        <translation>O novo nome começa com um ponto: o arquivo ficará oculto.</translation>
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
        <translation>Próximo problema</translation>
    </message>
    <message numerus="yes">
        <source>%n renames will fail</source>
        <translation>
            <numerusform>%n renomeação vai falhar</numerusform>
            <numerusform>%n renomeações vão falhar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files can&apos;t be renamed</source>
        <translation>
            <numerusform>%n arquivo não pode ser renomeado</numerusform>
            <numerusform>%n arquivos não podem ser renomeados</numerusform>
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
        <translation>Seleciona o arquivo anterior com um problema (Shift+F8)</translation>
    </message>
    <message>
        <source>Selects the next file with a problem (F8)</source>
        <translation>Seleciona o próximo arquivo com um problema (F8)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::PreviewTableModel</name>
    <message>
        <source>no new name</source>
        <translation>sem novo nome</translation>
    </message>
    <message>
        <source>not previewed</source>
        <translation>sem visualização</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>Nome original</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Novo nome</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Renomeado</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Igual</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>Mostrar detalhes…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>Ocultar detalhes…</translation>
    </message>
    <message>
        <source>Every file renamed, with its old and new name</source>
        <translation>Cada arquivo renomeado, com o nome antigo e o novo</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::RulePanel</name>
    <message>
        <source>Rename rule</source>
        <translation>Regra de renomeação</translation>
    </message>
    <message>
        <source>The rule that makes the new names, and its settings</source>
        <translation>A regra que forma os novos nomes, e suas configurações</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regra</translation>
    </message>
    <message>
        <source>How the new names are made</source>
        <translation>Como os novos nomes são formados</translation>
    </message>
    <message>
        <source>Text put before each file name</source>
        <translation>Texto colocado antes de cada nome de arquivo</translation>
    </message>
    <message>
        <source>Text put after each file name, before its extension</source>
        <translation>Texto colocado depois de cada nome de arquivo, antes da extensão</translation>
    </message>
    <message>
        <source>Text put in place of each match</source>
        <translation>Texto colocado no lugar de cada ocorrência</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Diferenciar maiúsculas</translation>
    </message>
    <message>
        <source>When checked, upper and lower case letters must match exactly</source>
        <translation>Quando marcado, letras maiúsculas e minúsculas devem corresponder exatamente</translation>
    </message>
    <message>
        <source>Case style</source>
        <translation>Maiúsculas</translation>
    </message>
    <message>
        <source>How the letters of the new names are cased</source>
        <translation>Como as letras dos novos nomes ficam em maiúsculas ou minúsculas</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Whether the number goes before or after the name</source>
        <translation>Se o número vem antes ou depois do nome</translation>
    </message>
    <message>
        <source>Text put between the name and the number</source>
        <translation>Texto entre o nome e o número</translation>
    </message>
    <message>
        <source>The number of the first file</source>
        <translation>O número do primeiro arquivo</translation>
    </message>
    <message>
        <source>How much the number grows from one file to the next</source>
        <translation>Quanto o número aumenta de um arquivo para o próximo</translation>
    </message>
    <message>
        <source>The fewest digits a number has, filled with leading zeros</source>
        <translation>Quantidade mínima de dígitos de um número, completada com zeros à esquerda</translation>
    </message>
    <message>
        <source>Whether the date goes before or after the name</source>
        <translation>Se a data vem antes ou depois do nome</translation>
    </message>
    <message>
        <source>Text put between the name and the date</source>
        <translation>Texto entre o nome e a data</translation>
    </message>
    <message>
        <source>How today&apos;s date is written, for example yyyy-MM-dd for 2024-03-31</source>
        <translation>Como a data de hoje é escrita, por exemplo yyyy-MM-dd para 2024-03-31</translation>
    </message>
    <message>
        <source>Format tokens: yyyy · MM · dd · HH · mm · ss</source>
        <translation>Formato: yyyy&#xa0;·&#xa0;MM&#xa0;·&#xa0;dd&#xa0;·&#xa0;HH&#xa0;·&#xa0;mm&#xa0;·&#xa0;ss</translation>
    </message>
    <message>
        <source>Where removing begins; 0 is the first character</source>
        <translation>Onde a remoção começa; 0 é o primeiro caractere</translation>
    </message>
    <message>
        <source>How many characters are removed</source>
        <translation>Quantos caracteres são removidos</translation>
    </message>
    <message>
        <source>Replaces underscores, dashes and dots with spaces, then applies Title Case.</source>
        <translation>Substitui sublinhados, hifens e pontos por espaços e depois coloca em maiúscula a primeira letra de cada palavra.</translation>
    </message>
    <message>
        <source>The regular expression to look for in each file name</source>
        <translation>A expressão regular a procurar em cada nome de arquivo</translation>
    </message>
    <message>
        <source>The text to look for in each file name</source>
        <translation>O texto a procurar em cada nome de arquivo</translation>
    </message>
    <message>
        <source>Invalid pattern: %1 (at character %2)</source>
        <translation>Padrão inválido: %1 (no caractere %2)</translation>
    </message>
    <message>
        <source>Number companions together</source>
        <translation>Numerar arquivos associados juntos</translation>
    </message>
    <message>
        <source>Files of one folder with the same name before the extension, such as a photo and its raw file, get one number</source>
        <translation>Arquivos de uma pasta com o mesmo nome antes da extensão, como uma foto e seu arquivo RAW, recebem um só número</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data de modificação</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Data de captura</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Today&apos;s date, or each file&apos;s own: when it last changed, or when the photo was taken</source>
        <translation>A data de hoje, ou a de cada arquivo: quando foi modificado pela última vez, ou quando a foto foi tirada</translation>
    </message>
</context>
</TS>
