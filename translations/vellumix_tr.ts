<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>FailureText</name>
    <message>
        <source>“%1” already exists.</source>
        <translation>“%1” zaten var.</translation>
    </message>
    <message>
        <source>“%1” no longer exists.</source>
        <translation>“%1” artık yok.</translation>
    </message>
    <message>
        <source>You don&apos;t have permission to rename “%1”.</source>
        <translation>“%1” dosyasını yeniden adlandırma izniniz yok.</translation>
    </message>
    <message>
        <source>“%1” is on a read-only file system.</source>
        <translation>“%1” salt okunur bir dosya sisteminde.</translation>
    </message>
    <message>
        <source>The new name is too long.</source>
        <translation>Yeni ad çok uzun.</translation>
    </message>
    <message>
        <source>There isn&apos;t enough space on the disk to rename “%1”.</source>
        <translation>Diskte “%1” dosyasını yeniden adlandırmak için yeterli alan yok.</translation>
    </message>
    <message>
        <source>“%1” is in use.</source>
        <translation>“%1” kullanımda.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be moved to another file system.</source>
        <translation>“%1” başka bir dosya sistemine taşınamaz.</translation>
    </message>
    <message>
        <source>A disk error occurred while renaming “%1”.</source>
        <translation>“%1” yeniden adlandırılırken bir disk hatası oluştu.</translation>
    </message>
    <message>
        <source>A name can&apos;t be empty.</source>
        <translation>Ad boş olamaz.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain “/”.</source>
        <translation>Ad “/” içeremez.</translation>
    </message>
    <message>
        <source>A name can&apos;t contain a null character.</source>
        <translation>Ad null karakteri içeremez.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name.</source>
        <translation>“%1” ad olarak kullanılamaz.</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be used as a name on this drive.</source>
        <translation>“%1” bu sürücüde ad olarak kullanılamaz.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed (%2).</source>
        <translation>“%1” yeniden adlandırılamadı (%2).</translation>
    </message>
    <message>
        <source>“%1” has been replaced by another file.</source>
        <translation>“%1” başka bir dosyayla değiştirilmiş.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed: the drive is no longer reachable.</source>
        <translation>“%1” yeniden adlandırılamadı: sürücüye artık erişilemiyor.</translation>
    </message>
    <message>
        <source>“%1” couldn&apos;t be renamed and is now named “%2”, in the same folder.</source>
        <translation>“%1” yeniden adlandırılamadı ve şimdi aynı klasörde “%2” adını taşıyor.</translation>
    </message>
    <message>
        <source>⏹ %1 file(s) not attempted: the batch was cancelled.</source>
        <translation>⏹ %1 dosya denenmedi: toplu işlem iptal edildi.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::AboutDialog</name>
    <message>
        <source>About Vellumix</source>
        <translation>Vellumix Hakkında</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>© 2026 The Vellumix developers</source>
        <translation>© 2026 Vellumix geliştiricileri</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <translation>Web sitesi %1</translation>
    </message>
    <message>
        <source>Opens the Vellumix web site in the web browser</source>
        <translation>Vellumix web sitesini web tarayıcısında açar</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::BatchProgressDialog</name>
    <message>
        <source>The drive is not answering.</source>
        <translation>Sürücü yanıt vermiyor.</translation>
    </message>
    <message>
        <source>Stopping before the next file…</source>
        <translation>Sonraki dosyadan önce duruluyor…</translation>
    </message>
    <message>
        <source>Renaming %L1 of %L2…</source>
        <translation>Yeniden adlandırılıyor: %L1 / %L2…</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::CommandLine</name>
    <message>
        <source>Rename many files at once with a live preview.</source>
        <translation>Birçok dosyayı canlı önizlemeyle tek seferde yeniden adlandırın.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list. A folder adds the files directly inside it, without hidden ones.</source>
        <translation>Listeye eklenecek dosyalar ve klasörler. Bir klasör, doğrudan içindeki dosyaları gizli olanlar hariç ekler.</translation>
    </message>
    <message>
        <source>%1: “%2” does not exist; left out.
</source>
        <translation>%1: “%2” yok; atlandı.
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
        <translation>Önizleme</translation>
    </message>
    <message>
        <source>The number of files in the list</source>
        <translation>Listedeki dosya sayısı</translation>
    </message>
    <message>
        <source>The number of files whose name changes</source>
        <translation>Adı değişecek dosya sayısı</translation>
    </message>
    <message>
        <source>The number of files whose name stays as it is</source>
        <translation>Adı olduğu gibi kalacak dosya sayısı</translation>
    </message>
    <message>
        <source>Add Files</source>
        <translation>Dosya Ekle</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Klasör Ekle</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Choose files to add to the list</source>
        <translation>Listeye eklenecek dosyaları seçin</translation>
    </message>
    <message>
        <source>Choose a folder; the files in it are added to the list</source>
        <translation>Bir klasör seçin; içindeki dosyalar listeye eklenir</translation>
    </message>
    <message>
        <source>Remove every file from the list</source>
        <translation>Listedeki tüm dosyaları kaldır</translation>
    </message>
    <message>
        <source>Rename on disk every file whose new name differs from its current name</source>
        <translation>Yeni adı geçerli adından farklı olan her dosyayı diskte yeniden adlandır</translation>
    </message>
    <message>
        <source>&amp;Rename %1 File(s)</source>
        <translation>%1 Dosyayı Yeniden &amp;Adlandır</translation>
    </message>
    <message>
        <source>&amp;Add Files</source>
        <translation>Dosya &amp;Ekle</translation>
    </message>
    <message>
        <source>Add F&amp;older</source>
        <translation>&amp;Klasör Ekle</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Temizle</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Yeniden Adlandır</translation>
    </message>
    <message>
        <source>Undo Rename</source>
        <translation>Yeniden Adlandırmayı Geri Al</translation>
    </message>
    <message>
        <source>Redo Rename</source>
        <translation>Yeniden Adlandırmayı Yinele</translation>
    </message>
    <message>
        <source>Reading the files’ dates… %L1 of %L2</source>
        <translation>Dosyaların tarihleri okunuyor… %L1 / %L2</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::DropZone</name>
    <message>
        <source>Drop files or folders here</source>
        <translation>Dosyaları veya klasörleri buraya bırakın</translation>
    </message>
    <message>
        <source>or use the Add Files / Add Folder buttons</source>
        <translation>ya da “Dosya Ekle” / “Klasör Ekle” düğmelerini kullanın</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::FileListView</name>
    <message>
        <source>Files</source>
        <translation>Dosyalar</translation>
    </message>
    <message>
        <source>Each file&apos;s current name, its new name and its status. Delete removes the selected files from the list.</source>
        <translation>Her dosyanın geçerli adı, yeni adı ve durumu. Delete tuşu seçili dosyaları listeden kaldırır.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
    <message>
        <source>Selects every file in the list</source>
        <translation>Listedeki tüm dosyaları seçer</translation>
    </message>
    <message>
        <source>Remove from List</source>
        <translation>Listeden Kaldır</translation>
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
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Çı&amp;k</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>About Vellumix</source>
        <translation>Vellumix Hakkında</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>Add &amp;Files…</source>
        <translation>&amp;Dosya Ekle…</translation>
    </message>
    <message>
        <source>Add F&amp;older…</source>
        <translation>K&amp;lasör Ekle…</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Temizle</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Yeniden Adlandır</translation>
    </message>
    <message>
        <source>&amp;Undo Rename</source>
        <translation>Yeniden Adlandırmayı &amp;Geri Al</translation>
    </message>
    <message>
        <source>&amp;Redo Rename</source>
        <translation>Yeniden Adlandırmayı &amp;Yinele</translation>
    </message>
    <message numerus="yes">
        <source>&amp;Undo Rename of %Ln Files</source>
        <translation>
            <numerusform>%Ln Dosyanın Yeniden Adlandırılmasını &amp;Geri Al</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Redo Rename of %Ln Files</source>
        <translation>
            <numerusform>%Ln Dosyanın Yeniden Adlandırılmasını &amp;Yinele</numerusform>
        </translation>
    </message>
    <message>
        <source>Move U&amp;p</source>
        <translation>Y&amp;ukarı Taşı</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>A&amp;şağı Taşı</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>&amp;Sırala</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Ad</translation>
    </message>
    <message>
        <source>Date &amp;Modified</source>
        <translation>&amp;Değiştirilme Tarihi</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Boyut</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Tür</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>A&amp;rtan</translation>
    </message>
    <message>
        <source>&amp;Descending</source>
        <translation>Aza&amp;lan</translation>
    </message>
    <message>
        <source>Date Ta&amp;ken</source>
        <translation>&amp;Çekilme Tarihi</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarkTexts</name>
    <message>
        <source>Will fail</source>
        <translation>Hata verecek</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Atlandı</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Uyarı</translation>
    </message>
    <message>
        <source>“%1” can&apos;t be renamed: its name is not valid text.</source>
        <translation>“%1” yeniden adlandırılamaz: adı geçerli bir metin değil.</translation>
    </message>
    <message>
        <source>Nothing is left of the name but its extension.</source>
        <translation>Addan yalnızca uzantı kalıyor.</translation>
    </message>
    <message>
        <source>The new name begins with a dot: the file will be hidden.</source>
        <translation>Yeni ad nokta ile başlıyor: dosya gizlenecek.</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::MarksLine</name>
    <message>
        <source>Previous Problem</source>
        <translation>Önceki Sorun</translation>
    </message>
    <message>
        <source>Next Problem</source>
        <translation>Sonraki Sorun</translation>
    </message>
    <message numerus="yes">
        <source>%n renames will fail</source>
        <translation>
            <numerusform>%n yeniden adlandırma başarısız olacak</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files can&apos;t be renamed</source>
        <translation>
            <numerusform>%n dosya yeniden adlandırılamaz</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n uyarı</numerusform>
        </translation>
    </message>
    <message>
        <source>Selects the previous file with a problem (Shift+F8)</source>
        <translation>Sorunlu önceki dosyayı seçer (Shift+F8)</translation>
    </message>
    <message>
        <source>Selects the next file with a problem (F8)</source>
        <translation>Sorunlu sonraki dosyayı seçer (F8)</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::PreviewTableModel</name>
    <message>
        <source>no new name</source>
        <translation>yeni ad yok</translation>
    </message>
    <message>
        <source>not previewed</source>
        <translation>önizlenmedi</translation>
    </message>
    <message>
        <source>Original Name</source>
        <translation>Özgün Ad</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Yeni Ad</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Değişti</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Aynı</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Hata</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::ResultAlert</name>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Show Details…</source>
        <translation>Ayrıntıları Göster…</translation>
    </message>
    <message>
        <source>Hide Details…</source>
        <translation>Ayrıntıları Gizle…</translation>
    </message>
    <message>
        <source>Every file renamed, with its old and new name</source>
        <translation>Yeniden adlandırılan her dosya, eski ve yeni adıyla</translation>
    </message>
</context>
<context>
    <name>vellumix::ui::RulePanel</name>
    <message>
        <source>Rename rule</source>
        <translation>Yeniden adlandırma kuralı</translation>
    </message>
    <message>
        <source>The rule that makes the new names, and its settings</source>
        <translation>Yeni adları oluşturan kural ve ayarları</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Kural</translation>
    </message>
    <message>
        <source>How the new names are made</source>
        <translation>Yeni adların nasıl oluşturulacağı</translation>
    </message>
    <message>
        <source>Text put before each file name</source>
        <translation>Her dosya adının önüne eklenen metin</translation>
    </message>
    <message>
        <source>Text put after each file name, before its extension</source>
        <translation>Her dosya adının sonuna, uzantısından önce eklenen metin</translation>
    </message>
    <message>
        <source>Text put in place of each match</source>
        <translation>Her eşleşmenin yerine konan metin</translation>
    </message>
    <message>
        <source>Case sensitive</source>
        <translation>Büyük/küçük harf duyarlı</translation>
    </message>
    <message>
        <source>When checked, upper and lower case letters must match exactly</source>
        <translation>İşaretliyse büyük ve küçük harfler tam olarak eşleşmelidir</translation>
    </message>
    <message>
        <source>Case style</source>
        <translation>Harf biçimi</translation>
    </message>
    <message>
        <source>How the letters of the new names are cased</source>
        <translation>Yeni adlardaki harflerin büyük mü küçük mü yazılacağı</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Whether the number goes before or after the name</source>
        <translation>Numaranın addan önce mi sonra mı geleceği</translation>
    </message>
    <message>
        <source>Text put between the name and the number</source>
        <translation>Ad ile numara arasına konan metin</translation>
    </message>
    <message>
        <source>The number of the first file</source>
        <translation>İlk dosyanın numarası</translation>
    </message>
    <message>
        <source>How much the number grows from one file to the next</source>
        <translation>Numaranın bir dosyadan sonrakine ne kadar artacağı</translation>
    </message>
    <message>
        <source>The fewest digits a number has, filled with leading zeros</source>
        <translation>Bir numaranın en az basamak sayısı; eksik basamaklar baştan sıfırla doldurulur</translation>
    </message>
    <message>
        <source>Whether the date goes before or after the name</source>
        <translation>Tarihin addan önce mi sonra mı geleceği</translation>
    </message>
    <message>
        <source>Text put between the name and the date</source>
        <translation>Ad ile tarih arasına konan metin</translation>
    </message>
    <message>
        <source>How today&apos;s date is written, for example yyyy-MM-dd for 2024-03-31</source>
        <translation>Bugünün tarihinin nasıl yazılacağı; örneğin 2024-03-31 için yyyy-MM-dd</translation>
    </message>
    <message>
        <source>Format tokens: yyyy · MM · dd · HH · mm · ss</source>
        <translation>Biçim belirteçleri: yyyy&#xa0;·&#xa0;MM&#xa0;·&#xa0;dd&#xa0;·&#xa0;HH&#xa0;·&#xa0;mm&#xa0;·&#xa0;ss</translation>
    </message>
    <message>
        <source>Where removing begins; 0 is the first character</source>
        <translation>Silmenin başladığı yer; 0 ilk karakterdir</translation>
    </message>
    <message>
        <source>How many characters are removed</source>
        <translation>Kaç karakterin silineceği</translation>
    </message>
    <message>
        <source>Replaces underscores, dashes and dots with spaces, then applies Title Case.</source>
        <translation>Alt çizgileri, tireleri ve noktaları boşlukla değiştirir, ardından her sözcüğün ilk harfini büyük yapar.</translation>
    </message>
    <message>
        <source>The regular expression to look for in each file name</source>
        <translation>Her dosya adında aranacak düzenli ifade</translation>
    </message>
    <message>
        <source>The text to look for in each file name</source>
        <translation>Her dosya adında aranacak metin</translation>
    </message>
    <message>
        <source>Invalid pattern: %1 (at character %2)</source>
        <translation>Geçersiz desen: %1 (%2. karakterde)</translation>
    </message>
    <message>
        <source>Number companions together</source>
        <translation>Eş dosyaları birlikte numaralandır</translation>
    </message>
    <message>
        <source>Files of one folder with the same name before the extension, such as a photo and its raw file, get one number</source>
        <translation>Bir klasörde uzantıdan önceki adı aynı olan dosyalar, örneğin bir fotoğraf ve RAW dosyası, tek bir numara alır</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Şimdi</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Değiştirilme Tarihi</translation>
    </message>
    <message>
        <source>Date Taken</source>
        <translation>Çekilme Tarihi</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Today&apos;s date, or each file&apos;s own: when it last changed, or when the photo was taken</source>
        <translation>Bugünün tarihi ya da her dosyanın kendi tarihi: en son ne zaman değiştiği ya da fotoğrafın ne zaman çekildiği</translation>
    </message>
</context>
</TS>
