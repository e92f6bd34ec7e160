<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>FailureText</name>
    <message>
        <source>“%1” already exists.</source>
        <translation>‘%1’ 파일이 이미 있습니다.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>‘%1’ 파일이 더 이상 없습니다.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to rename “%1”.</source>
        <translation>‘%1’ 파일의 이름을 바꿀 권한이 없습니다.</translation>
    </message>
    <message>
        <source>“%1” is on a read-only file system.</source>
        <translation>‘%1’ 파일이 읽기 전용 파일 시스템에 있습니다.</translation>
    </message>
    <message>
        <source>The new name is too long.</source>
        <translation>새 이름이 너무 깁니다.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on the disk to rename “%1”.</source>
        <translation>디스크 공간이 부족하여 ‘%1’ 파일의 이름을 바꿀 수 없습니다.</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>‘%1’ 파일을 사용 중입니다.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be moved to another file system.</source>
        <translation>‘%1’ 파일을 다른 파일 시스템으로 옮길 수 없습니다.</translation>
    </message>
    <message>
        <source>A disk error occurred while renaming “%1”.</source>
        <translation>‘%1’ 파일의 이름을 바꾸는 중에 디스크 오류가 발생했습니다.</translation>
    </message>
    <message>
        <source>A name can&apos;t be empty.</source>
        <translation>이름은 비워 둘 수 없습니다.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain “/”.</source>
        <translation>이름에 ‘/’ 문자를 넣을 수 없습니다.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain a null character.</source>
        <translation>이름에 널 문자를 넣을 수 없습니다.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name.</source>
        <translation>‘%1’ 이름은 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name on this drive.</source>
        <translation>‘%1’ 이름은 이 드라이브에서 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed (%2).</source>
        <translation>‘%1’ 파일의 이름을 바꾸지 못했습니다(%2).</translation>
    </message>
    <message>
        <source>“%1” has been replaced by another file.</source>
        <translation>‘%1’ 파일이 다른 파일로 바뀌었습니다.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed: the drive is no longer reachable.</source>
        <translation>‘%1’ 파일의 이름을 바꾸지 못했습니다. 드라이브에 더 이상 연결할 수 없습니다.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed and is now named “%2”, in the same folder.</source>
        <translation>‘%1’ 파일의 이름을 바꾸지 못했으며, 지금은 같은 폴더에서 ‘%2’(이)라는 이름입니다.</translation>
    </message>
    <message>
        <source>⏹ %1 file(s) not attempted: the batch was cancelled.</source>
        <translation>⏹ 파일 %1개는 시도하지 않았습니다: 일괄 작업이 취소되었습니다.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::AboutDialog</name>
    <message>
        <source>About Vellumix</source>
        <translation>Vellumix 정보</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>© 2026 The Vellumix developers</source>
        <translation>© 2026 Vellumix 개발자</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <translation>웹 사이트 %1</translation>
    </message>
    <message>
        <source>Opens the Vellumix web site in the web browser</source>
        <translation>웹 브라우저에서 Vellumix 웹 사이트를 엽니다</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::BatchProgressDialog</name>
    <message>
        <source>The drive is not answering.</source>
        <translation>드라이브가 응답하지 않습니다.</translation>
    </message>
    <message>
        <source>Stopping before the next file…</source>
        <translation>다음 파일 전에 멈추는 중…</translation>
    </message>
    <message>
        <source>Renaming %L1 of %L2…</source>
        <translation>이름 바꾸는 중: %L2개 중 %L1번째…</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::CommandLine</name>
    <message>
        <source>Rename many files at once with a live preview.</source>
        <translation>실시간 미리 보기를 보면서 여러 파일의 이름을 한 번에 바꿉니다.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list. A folder adds the files directly inside it, without hidden ones.</source>
        <translation>목록에 넣을 파일과 폴더입니다. 폴더를 지정하면 그 바로 안에 있는 파일을 추가하며, 숨김 파일은 제외합니다.</translation>
    </message>
    <message>
        <source>%1: “%2” does not exist; left out.
</source>
        <translation>%1: ‘%2’ 항목이 없으므로 제외했습니다.
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
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>The number of files in the list</source>
        <translation>목록에 있는 파일 수</translation>
    </message>
    <message>
        <source>The number of files whose name changes</source>
        <translation>이름이 바뀌는 파일 수</translation>
    </message>
    <message>
        <source>The number of files whose name stays as it is</source>
        <translation>이름이 그대로인 파일 수</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>파일 추가</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>폴더 추가</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>목록 지우기</translation>
    </message>
    <message>
        <source>Choose files to add to the list</source>
        <translation>목록에 추가할 파일을 선택합니다</translation>
    </message>
    <message>
        <source>Choose a folder; the files in it are added to the list</source>
        <translation>폴더를 선택합니다. 그 안의 파일이 목록에 추가됩니다</translation>
    </message>
    <message>
        <source>Remove every file from the list</source>
        <translation>목록에서 모든 파일을 제거합니다</translation>
    </message>
    <message>
        <source>Rename on disk every file whose new name differs from its current name</source>
        <translation>새 이름이 현재 이름과 다른 모든 파일의 이름을 디스크에서 바꿉니다</translation>
    </message>
    <message>
        <source>&amp;Rename %1 File(s)</source>
        <translation>파일 %1개 이름 바꾸기(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>파일 추가(&amp;A)</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>폴더 추가(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>목록 지우기(&amp;C)</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>이름 바꾸기 실행 취소</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>이름 바꾸기 다시 실행</translation>
    </message>
    <message>
        <source>Reading the files’ dates… %L1 of %L2</source>
        <translation>파일 날짜를 읽는 중… %L2개 중 %L1개</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::DropZone</name>
    <message>
        <source>Drop files or folders here</source>
        <translation>여기에 파일이나 폴더를 놓으십시오</translation>
    </message>
    <message>
        <source>or use the Add Files / Add Folder buttons</source>
        <translation>또는 ‘파일 추가’ / ‘폴더 추가’ 버튼을 사용하십시오</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::FileListView</name>
    <message>
        <source>Files</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Each file&apos;s current name, its new name and its status. Delete removes the selected files from the list.</source>
        <translation>각 파일의 현재 이름, 새 이름, 상태입니다. Delete 키를 누르면 선택한 파일을 목록에서 제거합니다.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Selects every file in the list</source>
        <translation>목록의 모든 파일을 선택합니다</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>목록에서 제거</translation>
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
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>끝내기(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>About Vellumix</source>
        <translation>Vellumix 정보</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>Add &amp;Files…</source>
        <translation>파일 추가(&amp;F)…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>폴더 추가(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>목록 지우기(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>이름 바꾸기(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>이름 바꾸기 실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo Rename</source>
        <translation>이름 바꾸기 다시 실행(&amp;R)</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>파일 %Ln개 이름 바꾸기 실행 취소(&amp;U)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>파일 %Ln개 이름 바꾸기 다시 실행(&amp;R)</numerusform>
        </translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>위로 이동(&amp;P)</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>아래로 이동(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>정렬 기준(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>이름(&amp;N)</translation>
    </message>
    <message>
        <source>Date &amp;Modified</source>
        <translation>수정한 날짜(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>크기(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>종류(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>오름차순(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>내림차순(&amp;D)</translation>
    </message>
    <message>
        <source>Date Ta&amp;ken</source>
        <translation>찍은 날짜(&amp;K)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarkTexts</name>
    <message>
        <source>Will fail</source>
        <translation>실패 예정</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>건너뜀</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>경고</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be renamed: its name is not valid text.</source>
        <translation>‘%1’ 이름은 바꿀 수 없습니다. 이름이 올바른 텍스트가 아닙니다.</translation>
    </message>
    <message>
        <source>Nothing is left of the name but its extension.</source>
        <translation>이름에 확장자만 남습니다.</translation>
    </message>
    <message>
        <source>The new name begins with a dot: the file will be hidden.</source>
        <translation>새 이름이 점으로 시작하므로 파일이 숨겨집니다.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarksLine</name>
    <message>
        <source>Previous Problem</source>
        <translation>이전 문제</translation>
    </message>
    <message>
        <source>Next Problem</source>
        <translation>다음 문제</translation>
    </message>
    <message numerus="yes">
        <source>%n renames will fail</source>
        <translation>
            <numerusform>이름 바꾸기 %n개가 실패합니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files can&apos;t be renamed</source>
        <translation>
            <numerusform>파일 %n개는 이름을 바꿀 수 없습니다</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>경고 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Selects the previous file with a problem (Shift+F8)</source>
        <translation>문제가 있는 이전 파일을 선택합니다 (Shift+F8)</translation>
    </message>
    <message>
        <source>Selects the next file with a problem (F8)</source>
        <translation>문제가 있는 다음 파일을 선택합니다 (F8)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::PreviewTableModel</name>
    <message>
        <source>no new name</source>
        <translation>새 이름 없음</translation>
    </message>
    <message>
        <source>not previewed</source>
        <translation>미리 보기 안 됨</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>원래 이름</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>새 이름</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>바뀜</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>같음</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>오류</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::ResultAlert</name>
    <message>
        <source>Result</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>자세히 보기…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>자세히 숨기기…</translation>
    </message>
    <message>
        <source>Every file renamed, with its old and new name</source>
        <translation>이름을 바꾼 모든 파일과 이전 이름 및 새 이름</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::RulePanel</name>
    <message>
        <source>Rename rule</source>
        <translation>이름 바꾸기 규칙</translation>
    </message>
    <message>
        <source>The rule that makes the new names, and its settings</source>
        <translation>새 이름을 만드는 규칙과 그 설정</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>규칙</translation>
    </message>
    <message>
        <source>How the new names are made</source>
        <translation>새 이름을 만드는 방법</translation>
    </message>
    <message>
        <source>Text put before each file name</source>
        <translation>각 파일 이름 앞에 붙일 텍스트</translation>
    </message>
    <message>
        <source>Text put after each file name, before its extension</source>
        <translation>각 파일 이름 뒤, 확장자 앞에 붙일 텍스트</translation>
    </message>
    <message>
        <source>Text put in place of each match</source>
        <translation>일치하는 부분마다 대신 넣을 텍스트</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>대소문자 구분</translation>
    </message>
    <message>
        <source>When checked, upper and lower case letters must match exactly</source>
        <translation>선택하면 대문자와 소문자가 정확히 일치해야 합니다</translation>
    </message>
    <message>
        <source>Case style</source>
        <translation>대소문자 형식</translation>
    </message>
    <message>
        <source>How the letters of the new names are cased</source>
        <translation>새 이름의 글자를 대문자나 소문자로 쓰는 방식</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Whether the number goes before or after the name</source>
        <translation>번호를 이름 앞에 둘지 뒤에 둘지</translation>
    </message>
    <message>
        <source>Text put between the name and the number</source>
        <translation>이름과 번호 사이에 넣을 텍스트</translation>
    </message>
    <message>
        <source>The number of the first file</source>
        <translation>첫 파일의 번호</translation>
    </message>
    <message>
        <source>How much the number grows from one file to the next</source>
        <translation>파일마다 번호가 늘어나는 크기</translation>
    </message>
    <message>
        <source>The fewest digits a number has, filled with leading zeros</source>
        <translation>번호의 최소 자릿수이며, 모자라면 앞을 0으로 채웁니다</translation>
    </message>
    <message>
        <source>Whether the date goes before or after the name</source>
        <translation>날짜를 이름 앞에 둘지 뒤에 둘지</translation>
    </message>
    <message>
        <source>Text put between the name and the date</source>
        <translation>이름과 날짜 사이에 넣을 텍스트</translation>
    </message>
    <message>
        <source>How today&apos;s date is written, for example yyyy-MM-dd for 2024-03-31</source>
        <translation>오늘 날짜를 쓰는 형식이며, 예를 들어 yyyy-MM-dd는 2024-03-31이 됩니다</translation>
    </message>
    <message>
        <source>Format tokens: yyyy · MM · dd · HH · mm · ss</source>
        <translation>형식 기호: yyyy&#xa0;·&#xa0;MM&#xa0;·&#xa0;dd&#xa0;·&#xa0;HH&#xa0;·&#xa0;mm&#xa0;·&#xa0;ss</translation>
    </message>
    <message>
        <source>Where removing begins; 0 is the first character</source>
        <translation>지우기 시작할 위치이며, 0이 첫 글자입니다</translation>
    </message>
    <message>
        <source>How many characters are removed</source>
        <translation>지울 글자 수</translation>
    </message>
    <message>
        <source>Replaces underscores, dashes and dots with spaces, then applies Title Case.</source>
        <translation>밑줄, 대시, 점을 공백으로 바꾼 다음 각 단어의 첫 글자를 대문자로 만듭니다.</translation>
    </message>
    <message>
        <source>The regular expression to look for in each file name</source>
        <translation>각 파일 이름에서 찾을 정규 표현식</translation>
    </message>
    <message>
        <source>The text to look for in each file name</source>
        <translation>각 파일 이름에서 찾을 텍스트</translation>
    </message>
    <message>
        <source>Invalid pattern: %1 (at character %2)</source>
        <translation>잘못된 패턴: %1 (%2번째 문자)</translation>
    </message>
    <message>
        <source>Number companions together</source>
        <translation>관련 파일에 같은 번호 매기기</translation>
    </message>
    <message>
        <source>Files of one folder with the same name before the extension, such as a photo and its raw file, get one number</source>
        <translation>한 폴더에서 확장자 앞의 이름이 같은 파일(사진과 그 RAW 파일 등)은 하나의 번호를 받습니다</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>지금</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>수정한 날짜</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>찍은 날짜</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>날짜</translation>
    </message>
    <message>
        <source>Today&apos;s date, or each file&apos;s own: when it last changed, or when the photo was taken</source>
        <translation>오늘 날짜 또는 각 파일의 날짜: 마지막으로 수정한 때나 사진을 찍은 때</translation>
    </message>
</context>
</TS>
