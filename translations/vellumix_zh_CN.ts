<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>FailureText</name>
    <message>
        <source>“%1” already exists.</source>
        <translation>“%1”已存在。</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>“%1”已不存在。</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to rename “%1”.</source>
        <translation>您没有重命名“%1”的权限。</translation>
    </message>
    <message>
        <source>“%1” is on a read-only file system.</source>
        <translation>“%1”位于只读文件系统上。</translation>
    </message>
    <message>
        <source>The new name is too long.</source>
        <translation>新名称过长。</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on the disk to rename “%1”.</source>
        <translation>磁盘空间不足，无法重命名“%1”。</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>“%1”正在使用中。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be moved to another file system.</source>
        <translation>无法将“%1”移动到其他文件系统。</translation>
    </message>
    <message>
        <source>A disk error occurred while renaming “%1”.</source>
        <translation>重命名“%1”时发生磁盘错误。</translation>
    </message>
    <message>
        <source>A name can&apos;t be empty.</source>
        <translation>名称不能为空。</translation>
    </message>
    <message>
        <source>A name can&apos;t contain “/”.</source>
        <translation>名称不能包含“/”。</translation>
    </message>
    <message>
        <source>A name can&apos;t contain a null character.</source>
        <translation>名称不能包含空字符。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name.</source>
        <translation>“%1”不能用作名称。</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name on this drive.</source>
        <translation>“%1”不能在此驱动器上用作名称。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed (%2).</source>
        <translation>无法重命名“%1”（%2）。</translation>
    </message>
    <message>
        <source>“%1” has been replaced by another file.</source>
        <translation>“%1”已被另一个文件替换。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed: the drive is no longer reachable.</source>
        <translation>无法重命名“%1”：驱动器已无法访问。</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed and is now named “%2”, in the same folder.</source>
        <translation>无法重命名“%1”，它现在在同一文件夹中名为“%2”。</translation>
    </message>
    <message>
        <source>⏹ %1 file(s) not attempted: the batch was cancelled.</source>
        <translation>⏹ %1 个文件未处理：批处理已取消。</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::AboutDialog</name>
    <message>
        <source>About Vellumix</source>
        <translation>关于 Vellumix</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>© 2026 The Vellumix developers</source>
        <translation>© 2026 Vellumix 开发者</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <translation>网站 %1</translation>
    </message>
    <message>
        <source>Opens the Vellumix web site in the web browser</source>
        <translation>在网页浏览器中打开 Vellumix 网站</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::BatchProgressDialog</name>
    <message>
        <source>The drive is not answering.</source>
        <translation>驱动器没有响应。</translation>
    </message>
    <message>
        <source>Stopping before the next file…</source>
        <translation>正在下一个文件之前停止…</translation>
    </message>
    <message>
        <source>Renaming %L1 of %L2…</source>
        <translation>正在重命名第 %L1 个，共 %L2 个…</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::CommandLine</name>
    <message>
        <source>Rename many files at once with a live preview.</source>
        <translation>一次重命名多个文件，并实时预览。</translation>
    </message>
    <message>
        <source>Files and folders to put in the list. A folder adds the files directly inside it, without hidden ones.</source>
        <translation>要放入列表的文件和文件夹。对于文件夹，会添加直接位于其中的文件，不含隐藏文件。</translation>
    </message>
    <message>
        <source>%1: “%2” does not exist; left out.
</source>
        <translation>%1：“%2”不存在，已略过。
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
        <translation>预览</translation>
    </message>
    <message>
        <source>The number of files in the list</source>
        <translation>列表中的文件数</translation>
    </message>
    <message>
        <source>The number of files whose name changes</source>
        <translation>名称将改变的文件数</translation>
    </message>
    <message>
        <source>The number of files whose name stays as it is</source>
        <translation>名称保持不变的文件数</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Choose files to add to the list</source>
        <translation>选择要添加到列表的文件</translation>
    </message>
    <message>
        <source>Choose a folder; the files in it are added to the list</source>
        <translation>选择一个文件夹，其中的文件将添加到列表</translation>
    </message>
    <message>
        <source>Remove every file from the list</source>
        <translation>从列表中移除所有文件</translation>
    </message>
    <message>
        <source>Rename on disk every file whose new name differs from its current name</source>
        <translation>在磁盘上重命名新名称与当前名称不同的每个文件</translation>
    </message>
    <message>
        <source>&amp;Rename %1 File(s)</source>
        <translation>重命名 %1 个文件(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>添加文件(&amp;A)</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>添加文件夹(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>清空(&amp;C)</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>撤销重命名</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>重做重命名</translation>
    </message>
    <message>
        <source>Reading the files’ dates… %L1 of %L2</source>
        <translation>正在读取文件的日期… %L1 / %L2</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::DropZone</name>
    <message>
        <source>Drop files or folders here</source>
        <translation>将文件或文件夹拖放到此处</translation>
    </message>
    <message>
        <source>or use the Add Files / Add Folder buttons</source>
        <translation>或使用“添加文件”/“添加文件夹”按钮</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::FileListView</name>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Each file&apos;s current name, its new name and its status. Delete removes the selected files from the list.</source>
        <translation>每个文件的当前名称、新名称及其状态。按 Delete 键可从列表中移除所选文件。</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Selects every file in the list</source>
        <translation>选择列表中的所有文件</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>从列表中移除</translation>
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
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>About Vellumix</source>
        <translation>关于 Vellumix</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Add &amp;Files…</source>
        <translation>添加文件(&amp;F)…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>添加文件夹(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>清空(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>重命名(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>撤销重命名(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo Rename</source>
        <translation>重做重命名(&amp;R)</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>撤销重命名 %Ln 个文件(&amp;U)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>重做重命名 %Ln 个文件(&amp;R)</numerusform>
        </translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>上移(&amp;P)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>下移(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>排序方式(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>名称(&amp;N)</translation>
    </message>
    <message>
        <source>Date &amp;Modified</source>
        <translation>修改日期(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>大小(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>类型(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>升序(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>降序(&amp;D)</translation>
    </message>
    <message>
        <source>Date Ta&amp;ken</source>
        <translation>拍摄日期(&amp;K)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarkTexts</name>
    <message>
        <source>Will fail</source>
        <translation>将失败</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>跳过</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be renamed: its name is not valid text.</source>
        <translation>“%1”无法重命名：其名称不是有效的文本。</translation>
    </message>
    <message>
        <source>Nothing is left of the name but its extension.</source>
        <translation>名称只剩下扩展名。</translation>
    </message>
    <message>
        <source>The new name begins with a dot: the file will be hidden.</source>
        <translation>新名称以点开头：文件将被隐藏。</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarksLine</name>
    <message>
        <source>Previous Problem</source>
        <translation>上一个问题</translation>
    </message>
    <message>
        <source>Next Problem</source>
        <translation>下一个问题</translation>
    </message>
    <message numerus="yes">
        <source>%n renames will fail</source>
        <translation>
            <numerusform>%n 个重命名将失败</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files can&apos;t be renamed</source>
        <translation>
            <numerusform>%n 个文件无法重命名</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n 个警告</numerusform>
        </translation>
    </message>
    <message>
        <source>Selects the previous file with a problem (Shift+F8)</source>
        <translation>选择上一个有问题的文件 (Shift+F8)</translation>
    </message>
    <message>
        <source>Selects the next file with a problem (F8)</source>
        <translation>选择下一个有问题的文件 (F8)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::PreviewTableModel</name>
    <message>
        <source>no new name</source>
        <translation>无新名称</translation>
    </message>
    <message>
        <source>not previewed</source>
        <translation>未预览</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>原名称</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>新名称</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>不变</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::ResultAlert</name>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>显示详细信息…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>隐藏详细信息…</translation>
    </message>
    <message>
        <source>Every file renamed, with its old and new name</source>
        <translation>每个已重命名的文件及其旧名称和新名称</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::RulePanel</name>
    <message>
        <source>Rename rule</source>
        <translation>重命名规则</translation>
    </message>
    <message>
        <source>The rule that makes the new names, and its settings</source>
        <translation>生成新名称的规则及其设置</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>How the new names are made</source>
        <translation>新名称的生成方式</translation>
    </message>
    <message>
        <source>Text put before each file name</source>
        <translation>添加到每个文件名前面的文本</translation>
    </message>
    <message>
        <source>Text put after each file name, before its extension</source>
        <translation>添加到每个文件名后面、扩展名前面的文本</translation>
    </message>
    <message>
        <source>Text put in place of each match</source>
        <translation>替换每个匹配项的文本</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>区分大小写</translation>
    </message>
    <message>
        <source>When checked, upper and lower case letters must match exactly</source>
        <translation>勾选后，大小写字母必须完全匹配</translation>
    </message>
    <message>
        <source>Case style</source>
        <translation>大小写样式</translation>
    </message>
    <message>
        <source>How the letters of the new names are cased</source>
        <translation>新名称中字母的大小写方式</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Whether the number goes before or after the name</source>
        <translation>编号位于名称之前还是之后</translation>
    </message>
    <message>
        <source>Text put between the name and the number</source>
        <translation>名称与编号之间的文本</translation>
    </message>
    <message>
        <source>The number of the first file</source>
        <translation>第一个文件的编号</translation>
    </message>
    <message>
        <source>How much the number grows from one file to the next</source>
        <translation>编号从一个文件到下一个文件的增量</translation>
    </message>
    <message>
        <source>The fewest digits a number has, filled with leading zeros</source>
        <translation>编号的最少位数，不足时以前导零填充</translation>
    </message>
    <message>
        <source>Whether the date goes before or after the name</source>
        <translation>日期位于名称之前还是之后</translation>
    </message>
    <message>
        <source>Text put between the name and the date</source>
        <translation>名称与日期之间的文本</translation>
    </message>
    <message>
        <source>How today&apos;s date is written, for example yyyy-MM-dd for 2024-03-31</source>
        <translation>今天日期的写法，例如 yyyy-MM-dd 表示 2024-03-31</translation>
    </message>
    <message>
        <source>Format tokens: yyyy · MM · dd · HH · mm · ss</source>
        <translation>格式标记：yyyy&#xa0;·&#xa0;MM&#xa0;·&#xa0;dd&#xa0;·&#xa0;HH&#xa0;·&#xa0;mm&#xa0;·&#xa0;ss</translation>
    </message>
    <message>
        <source>Where removing begins; 0 is the first character</source>
        <translation>开始删除的位置；0 表示第一个字符</translation>
    </message>
    <message>
        <source>How many characters are removed</source>
        <translation>要删除的字符数</translation>
    </message>
    <message>
        <source>Replaces underscores, dashes and dots with spaces, then applies Title Case.</source>
        <translation>将下划线、短横线和点替换为空格，然后将每个单词的首字母大写。</translation>
    </message>
    <message>
        <source>The regular expression to look for in each file name</source>
        <translation>在每个文件名中查找的正则表达式</translation>
    </message>
    <message>
        <source>The text to look for in each file name</source>
        <translation>在每个文件名中查找的文本</translation>
    </message>
    <message>
        <source>Invalid pattern: %1 (at character %2)</source>
        <translation>无效的模式：%1（在第 %2 个字符处）</translation>
    </message>
    <message>
        <source>Number companions together</source>
        <translation>相关文件使用同一编号</translation>
    </message>
    <message>
        <source>Files of one folder with the same name before the extension, such as a photo and its raw file, get one number</source>
        <translation>同一文件夹中扩展名前名称相同的文件（如照片及其 RAW 文件）使用同一个编号</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>现在</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>修改日期</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>拍摄日期</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Today&apos;s date, or each file&apos;s own: when it last changed, or when the photo was taken</source>
        <translation>今天的日期，或每个文件自己的日期：最后修改的时间，或照片的拍摄时间</translation>
    </message>
</context>
</TS>
