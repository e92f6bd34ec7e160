<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>FailureText</name>
    <message>
        <source>“%1” already exists.</source>
        <translation>「%1」はすでに存在します。</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>「%1」はもう存在しません。</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to rename “%1”.</source>
        <translation>「%1」の名前を変更する権限がありません。</translation>
    </message>
    <message>
        <source>“%1” is on a read-only file system.</source>
        <translation>「%1」は読み取り専用のファイルシステム上にあります。</translation>
    </message>
    <message>
        <source>The new name is too long.</source>
        <translation>新しい名前が長すぎます。</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on the disk to rename “%1”.</source>
        <translation>ディスクの空き容量が足りないため、「%1」の名前を変更できません。</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>「%1」は使用中です。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be moved to another file system.</source>
        <translation>「%1」を別のファイルシステムへ移動することはできません。</translation>
    </message>
    <message>
        <source>A disk error occurred while renaming “%1”.</source>
        <translation>「%1」の名前の変更中にディスクエラーが発生しました。</translation>
    </message>
    <message>
        <source>A name can&apos;t be empty.</source>
        <translation>名前を空にすることはできません。</translation>
    </message>
    <message>
        <source>A name can&apos;t contain “/”.</source>
        <translation>名前に「/」を含めることはできません。</translation>
    </message>
    <message>
        <source>A name can&apos;t contain a null character.</source>
        <translation>名前にヌル文字を含めることはできません。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name.</source>
        <translation>「%1」は名前として使用できません。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name on this drive.</source>
        <translation>「%1」はこのドライブでは名前として使用できません。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed (%2).</source>
        <translation>「%1」の名前を変更できませんでした（%2）。</translation>
    </message>
    <message>
        <source>“%1” has been replaced by another file.</source>
        <translation>「%1」は別のファイルに置き換えられています。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed: the drive is no longer reachable.</source>
        <translation>「%1」の名前を変更できませんでした。ドライブにアクセスできなくなりました。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed and is now named “%2”, in the same folder.</source>
        <translation>「%1」の名前を変更できず、同じフォルダー内で「%2」という名前になっています。</translation>
    </message>
    <message>
        <source>⏹ %1 file(s) not attempted: the batch was cancelled.</source>
        <translation>⏹ %1 個のファイルは処理されませんでした: 一括処理がキャンセルされました。</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::AboutDialog</name>
    <message>
        <source>About Vellumix</source>
        <translation>Vellumix について</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>© 2026 The Vellumix developers</source>
        <translation>© 2026 Vellumix 開発者</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <translation>Web サイト %1</translation>
    </message>
    <message>
        <source>Opens the Vellumix web site in the web browser</source>
        <translation>Vellumix の Web サイトを Web ブラウザーで開きます</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::BatchProgressDialog</name>
    <message>
        <source>The drive is not answering.</source>
        <translation>ドライブが応答していません。</translation>
    </message>
    <message>
        <source>Stopping before the next file…</source>
        <translation>次のファイルの前で停止しています…</translation>
    </message>
    <message>
        <source>Renaming %L1 of %L2…</source>
        <translation>名前を変更中: %L2 個中 %L1 個目…</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::CommandLine</name>
    <message>
        <source>Rename many files at once with a live preview.</source>
        <translation>多数のファイルの名前を、ライブプレビューを見ながら一度に変更します。</translation>
    </message>
    <message>
        <source>Files and folders to put in the list. A folder adds the files directly inside it, without hidden ones.</source>
        <translation>リストに入れるファイルとフォルダー。フォルダーを指定すると、その直下にあるファイル（隠しファイルを除く）が追加されます。</translation>
    </message>
    <message>
        <source>%1: “%2” does not exist; left out.
</source>
        <translation>%1: 「%2」は存在しないため、除外しました。
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
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>The number of files in the list</source>
        <translation>リスト内のファイルの数</translation>
    </message>
    <message>
        <source>The number of files whose name changes</source>
        <translation>名前が変わるファイルの数</translation>
    </message>
    <message>
        <source>The number of files whose name stays as it is</source>
        <translation>名前がそのままのファイルの数</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Choose files to add to the list</source>
        <translation>リストに追加するファイルを選択します</translation>
    </message>
    <message>
        <source>Choose a folder; the files in it are added to the list</source>
        <translation>フォルダーを選択します。その中のファイルがリストに追加されます</translation>
    </message>
    <message>
        <source>Remove every file from the list</source>
        <translation>リストからすべてのファイルを削除します</translation>
    </message>
    <message>
        <source>Rename on disk every file whose new name differs from its current name</source>
        <translation>新しい名前が現在の名前と異なるすべてのファイルの名前を、ディスク上で変更します</translation>
    </message>
    <message>
        <source>&amp;Rename %1 File(s)</source>
        <translation>%1 個のファイル名を変更(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>ファイルを追加(&amp;A)</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>フォルダーを追加(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>クリア(&amp;C)</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>名前の変更を元に戻す</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>名前の変更をやり直す</translation>
    </message>
    <message>
        <source>Reading the files’ dates… %L1 of %L2</source>
        <translation>ファイルの日付を読み込んでいます… %L1 / %L2</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::DropZone</name>
    <message>
        <source>Drop files or folders here</source>
        <translation>ここにファイルやフォルダーをドロップ</translation>
    </message>
    <message>
        <source>or use the Add Files / Add Folder buttons</source>
        <translation>または「ファイルを追加」/「フォルダーを追加」ボタンを使用</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::FileListView</name>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Each file&apos;s current name, its new name and its status. Delete removes the selected files from the list.</source>
        <translation>各ファイルの現在の名前、新しい名前、状態。Delete キーで、選択したファイルをリストから削除します。</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Selects every file in the list</source>
        <translation>リスト内のすべてのファイルを選択します</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>リストから削除</translation>
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
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>About Vellumix</source>
        <translation>Vellumix について</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Add &amp;Files…</source>
        <translation>ファイルを追加(&amp;F)…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>フォルダーを追加(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>クリア(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>名前を変更(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>名前の変更を元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo Rename</source>
        <translation>名前の変更をやり直す(&amp;R)</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>%Ln 個のファイルの名前の変更を元に戻す(&amp;U)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>%Ln 個のファイルの名前の変更をやり直す(&amp;R)</numerusform>
        </translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>上へ移動(&amp;P)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下へ移動(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>並べ替え(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>名前(&amp;N)</translation>
    </message>
    <message>
        <source>Date &amp;Modified</source>
        <translation>更新日時(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>サイズ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>種類(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>昇順(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>降順(&amp;D)</translation>
    </message>
    <message>
        <source>Date Ta&amp;ken</source>
        <translation>撮影日時(&amp;K)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarkTexts</name>
    <message>
        <source>Will fail</source>
        <translation>失敗見込み</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>スキップ</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be renamed: its name is not valid text.</source>
        <translation>「%1」の名前は変更できません。名前が有効なテキストではありません。</translation>
    </message>
    <message>
        <source>Nothing is left of the name but its extension.</source>
        <translation>名前が拡張子だけになります。</translation>
    </message>
    <message>
        <source>The new name begins with a dot: the file will be hidden.</source>
        <translation>新しい名前がドットで始まるため、ファイルは隠しファイルになります。</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarksLine</name>
    <message>
        <source>Previous Problem</source>
        <translation>前の問題</translation>
    </message>
    <message>
        <source>Next Problem</source>
        <translation>次の問題</translation>
    </message>
    <message numerus="yes">
        <source>%n renames will fail</source>
        <translation>
            <numerusform>%n 件の名前の変更が失敗します</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files can&apos;t be renamed</source>
        <translation>
            <numerusform>%n 個のファイルは名前を変更できません</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n 件の警告</numerusform>
        </translation>
    </message>
    <message>
        <source>Selects the previous file with a problem (Shift+F8)</source>
        <translation>問題のある前のファイルを選択します (Shift+F8)</translation>
    </message>
    <message>
        <source>Selects the next file with a problem (F8)</source>
        <translation>問題のある次のファイルを選択します (F8)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::PreviewTableModel</name>
    <message>
        <source>no new name</source>
        <translation>新しい名前なし</translation>
    </message>
    <message>
        <source>not previewed</source>
        <translation>未プレビュー</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>元の名前</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>新しい名前</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::ResultAlert</name>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>詳細を表示…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>詳細を隠す…</translation>
    </message>
    <message>
        <source>Every file renamed, with its old and new name</source>
        <translation>名前を変更したすべてのファイルと、その元の名前と新しい名前</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::RulePanel</name>
    <message>
        <source>Rename rule</source>
        <translation>名前変更ルール</translation>
    </message>
    <message>
        <source>The rule that makes the new names, and its settings</source>
        <translation>新しい名前を作るルールとその設定</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>ルール</translation>
    </message>
    <message>
        <source>How the new names are made</source>
        <translation>新しい名前の作り方</translation>
    </message>
    <message>
        <source>Text put before each file name</source>
        <translation>各ファイル名の前に付けるテキスト</translation>
    </message>
    <message>
        <source>Text put after each file name, before its extension</source>
        <translation>各ファイル名の後ろ、拡張子の前に付けるテキスト</translation>
    </message>
    <message>
        <source>Text put in place of each match</source>
        <translation>一致した各部分と置き換えるテキスト</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>大文字と小文字を区別</translation>
    </message>
    <message>
        <source>When checked, upper and lower case letters must match exactly</source>
        <translation>オンにすると、大文字と小文字が正確に一致する必要があります</translation>
    </message>
    <message>
        <source>Case style</source>
        <translation>大文字/小文字</translation>
    </message>
    <message>
        <source>How the letters of the new names are cased</source>
        <translation>新しい名前の文字を大文字にするか小文字にするか</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Whether the number goes before or after the name</source>
        <translation>番号を名前の前に付けるか後ろに付けるか</translation>
    </message>
    <message>
        <source>Text put between the name and the number</source>
        <translation>名前と番号の間に入れるテキスト</translation>
    </message>
    <message>
        <source>The number of the first file</source>
        <translation>最初のファイルの番号</translation>
    </message>
    <message>
        <source>How much the number grows from one file to the next</source>
        <translation>ファイルごとに番号を増やす量</translation>
    </message>
    <message>
        <source>The fewest digits a number has, filled with leading zeros</source>
        <translation>番号の最小桁数。足りない桁は先頭をゼロで埋めます</translation>
    </message>
    <message>
        <source>Whether the date goes before or after the name</source>
        <translation>日付を名前の前に付けるか後ろに付けるか</translation>
    </message>
    <message>
        <source>Text put between the name and the date</source>
        <translation>名前と日付の間に入れるテキスト</translation>
    </message>
    <message>
        <source>How today&apos;s date is written, for example yyyy-MM-dd for 2024-03-31</source>
        <translation>今日の日付の書き方。例: yyyy-MM-dd で 2024-03-31</translation>
    </message>
    <message>
        <source>Format tokens: yyyy · MM · dd · HH · mm · ss</source>
        <translation>書式記号: yyyy&#xa0;·&#xa0;MM&#xa0;·&#xa0;dd&#xa0;·&#xa0;HH&#xa0;·&#xa0;mm&#xa0;·&#xa0;ss</translation>
    </message>
    <message>
        <source>Where removing begins; 0 is the first character</source>
        <translation>削除を始める位置。0 が最初の文字です</translation>
    </message>
    <message>
        <source>How many characters are removed</source>
        <translation>削除する文字数</translation>
    </message>
    <message>
        <source>Replaces underscores, dashes and dots with spaces, then applies Title Case.</source>
        <translation>アンダースコア、ダッシュ、ドットをスペースに置き換えてから、各単語の先頭を大文字にします。</translation>
    </message>
    <message>
        <source>The regular expression to look for in each file name</source>
        <translation>各ファイル名で検索する正規表現</translation>
    </message>
    <message>
        <source>The text to look for in each file name</source>
        <translation>各ファイル名で検索するテキスト</translation>
    </message>
    <message>
        <source>Invalid pattern: %1 (at character %2)</source>
        <translation>無効なパターン: %1（%2 文字目）</translation>
    </message>
    <message>
        <source>Number companions together</source>
        <translation>関連ファイルに同じ番号を付ける</translation>
    </message>
    <message>
        <source>Files of one folder with the same name before the extension, such as a photo and its raw file, get one number</source>
        <translation>同じフォルダー内で拡張子より前の名前が同じファイル (写真とその RAW ファイルなど) には同じ番号が付きます</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>撮影日時</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Today&apos;s date, or each file&apos;s own: when it last changed, or when the photo was taken</source>
        <translation>今日の日付、または各ファイル自身の日付(最後に変更された日時、または写真が撮影された日時)</translation>
    </message>
</context>
</TS>
