// The application's window: the controls in each state of the view model, the
// open dialogs, the result alert, long names' tooltips, the side column's width,
// the menus with Ctrl+Q, the minimum size and About; the foresight's marks.
#include "ui/about_dialog.h"
#include "ui/marks_line.h"
#include "ui/translations.h"
#include "ui/view_model_snapshot.h"
#include "ui_test_support.h"

using namespace vellumix;
using namespace vellumix::ui;
using namespace vellumix::ui::testing;

namespace {

// What the window shows: the toolbar buttons with their mnemonics (a disabled one in brackets),
// the statistics while shown, and the drop zone or the table.
QString shown(const ContentView& view) {
    QStringList parts;
    for (QPushButton* button :
         {view.addFilesButton(), view.addFolderButton(), view.clearButton(), view.renameButton()}) {
        if (button->isVisible())
            parts << (button->isEnabled() ? button->text() : "(" + button->text() + ")");
    }
    if (view.statistics()->isVisible()) {
        for (auto* badge : {view.totalBadge(), view.toRenameBadge(), view.unchangedBadge()})
            parts << badge->valueText() + " " + badge->labelText();
    }
    parts << (view.fileList()->dropZone()->isVisible() ? "drop zone" : "table");
    if (!view.rulePanel()->isVisible()) parts << "no rule panel";
    return parts.join(QStringLiteral(", "));
}

// What the file dialog that is open lets the user choose; cancels it.
QString cancelDialog() {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return QStringLiteral("no dialog");
    const QString choice = dialog->fileMode() == QFileDialog::ExistingFiles ? "files"
                           : dialog->fileMode() == QFileDialog::Directory   ? "one folder"
                                                                            : "other";
    dialog->reject();
    return choice + (dialog->testOption(QFileDialog::ShowDirsOnly) ? ", folders only" : "");
}

// Each row of the table as "name > new name: status (tooltip of the status)",
// the selected rows with a "*".
QStringList rows(const ContentView& view) {
    const PreviewTableModel& model = *view.fileList()->model();
    const QItemSelectionModel& selection = *view.fileList()->table()->selectionModel();
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QModelIndex status = model.index(row, PreviewTableModel::statusColumn);
        QTextDocument tip;
        tip.setHtml(status.data(Qt::ToolTipRole).toString());
        rows << QStringLiteral("%1%2 > %3: %4%5")
                    .arg(selection.isRowSelected(row) ? "*" : "", model.index(row, 0).data().toString(),
                         model.index(row, 1).data().toString(), status.data().toString(),
                         tip.isEmpty() ? QString() : " (" + tip.toPlainText() + ")");
    }
    return rows;
}

// Whether `alert` shows the platform's icon for a batch where any file failed, or for one where none did.
bool showsOutcomeIcon(const ResultAlert& alert, bool anyFailed) {
    const QPixmap shown = alert.icon()->pixmap();
    return shown.toImage() ==
           outcomeIcon(*alert.style(), anyFailed).pixmap(shown.size() / shown.devicePixelRatio(),
                                                        shown.devicePixelRatio()).toImage();
}

// The window active again once an alert has closed, as a window manager
// makes it (the offscreen platform does not).
void reactivate(TestWindow& w) {
    settle();
    w.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
}

int visibleAboutWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<AboutDialog*>(widget) && widget->isVisible();
    return count;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Files are renamed by replacing "a" with "z".
    void controlsFollowTheState_data() {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("expected");
        QTest::addRow("empty: only the add buttons and the drop zone")
            << QStringList{} << "&Add Files, Add F&older, drop zone";
        QTest::addRow("two of three change") << QStringList{"a1.txt", "a2.txt", "b.txt"}
                                             << "&Add Files, Add F&older, &Clear, &Rename 2 File(s), "
                                                "3 total, 2 to rename, 1 unchanged, table";
        QTest::addRow("one file, unchanged: count 0, shown but disabled")
            << QStringList{"b.txt"}
            << "&Add Files, Add F&older, &Clear, (&Rename 0 File(s)), "
               "1 total, 0 to rename, 1 unchanged, table";
    }

    void controlsFollowTheState() {
        QFETCH(QStringList, names);
        QFETCH(QString, expected);
        TestWindow w;
        for (const QString& name : names)
            w.add({name.toStdString()});
        w.configure([](RenameConfig& c) {
            c.rule = RenameRule::replace;
            c.findText = "a";
            c.replaceText = "z";
        });
        settle();
        QCOMPARE(shown(w.view()), expected);
    }

    // Any number of failures, long names among them: the whole text, the list
    // scrolling and wrapping within the screen; OK, Return and Escape close it.
    void resultOfAnyLengthFitsOnScreen_data() {
        QTest::addColumn<int>("failures");
        QTest::addColumn<int>("key");  // 0: a click on OK
        QTest::addRow("1, Return") << 1 << int(Qt::Key_Return);
        QTest::addRow("2,000, Escape") << 2000 << int(Qt::Key_Escape);
        QTest::addRow("100,000, OK") << 100000 << 0;
    }

    void resultOfAnyLengthFitsOnScreen() {
        QFETCH(int, failures);
        QFETCH(int, key);
        TestWindow w;
        ResultReport report{
            "\u2705 0 renamed.", "\u274C " + std::to_string(failures) + " error(s):", {}, {}, {}};
        for (int i = 0; i < failures; ++i) {
            const std::string name = (i % 7 == 0 ? std::string(246, 'x') : "f") + std::to_string(i);
            report.failureLines.push_back("\u2022 " + name + ".jpg: \u201Cnew_" + name +
                                          ".jpg\u201D already exists.");
        }
        const std::string message = report.message();
        w.vm().setResultReport(std::move(report));
        w.vm().setShowAlert(true);
        settle();
        ResultAlert* alert = w.view().resultAlert();
        QVERIFY(alert && alert->isVisible());
        QCOMPARE(alert->text().toStdString(), message);
        QVERIFY(alert->summary()->text().endsWith(QStringLiteral(" error(s):")));
        QVERIFY(showsOutcomeIcon(*alert, true) && !showsOutcomeIcon(*alert, false));
        QVERIFY(alert->screen()->availableGeometry().contains(alert->frameGeometry()));
        QCOMPARE(alert->details()->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(alert->details()->verticalScrollBar()->maximum() > 0, failures > 1);

        if (key == 0)
            QTest::mouseClick(alert->okButton(), Qt::LeftButton);
        else
            QTest::keyClick(alert, Qt::Key(key));
        settle();
        QVERIFY(!w.vm().showAlert());
        QVERIFY(!w.view().resultAlert());
    }

    // A long name's tooltip is set in lines that fit well within the screen,
    // and together they read the whole path, markup-like text included.
    void tooltipsOfLongNamesWrap() {
        const QString path = "/f/<b>" + QString(120, 'a') + " " + QString(120, 'b') + ".jpg";
        PreviewTableModel model;
        model.setItems(std::make_shared<const std::vector<FileItem>>(
            std::vector{FileItem(FileUrl(path.toStdString()))}));
        QTextDocument document;
        document.setHtml(model.index(0, 0).data(Qt::ToolTipRole).toString());
        const QStringList lines = document.toPlainText().split(QLatin1Char('\n'));
        QVERIFY(lines.size() >= 4);
        QCOMPARE(lines.join(QString()), path);
        const int screenWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
        for (const QString& line : lines)
            QVERIFY(QFontMetrics(QToolTip::font()).horizontalAdvance(line) <= screenWidth / 2);
    }

    // The foresight, worked out on a thread of its own, marks the rows that
    // will fail, those skipped and those with a warning, and the line under
    // the statistics counts them; F8 and the line's buttons step to them. Its
    // arrival redraws the marks without computing the preview again.
    void foresightMarksTheRows() {
        installTranslators(*QCoreApplication::instance(), {QStringLiteral("en")});  // plurals
        TestWindow w({"B.txt", "b.txt", "c.txt", "caf\xE9.txt"});
        QSignalSpy refreshes(&w.view().snapshot(), &ViewModelSnapshot::refreshed);
        QSignalSpy foresights(&w.view().snapshot(), &ViewModelSnapshot::foresightArrived);
        const MarksLine& line = *w.view().marksLine();
        w.configure([](RenameConfig& c) { c.rule = RenameRule::caseChange; });
        QTRY_COMPARE(foresights.count(), 1);
        QCOMPARE(refreshes.count(), 1);
        const QStringList lowercased = rows(w.view());
        QCOMPARE(lowercased,
                 (QStringList{"B.txt > b.txt: Will fail (\u201Cb.txt\u201D already exists.)",
                              "b.txt > b.txt: Same", "c.txt > c.txt: Same",
                              "caf\uFFFD.txt > caf\uFFFD.txt: Skipped (\u201Ccaf\\xE9.txt\u201D "
                              "can't be renamed: its name is not valid text.)"}));
        const QModelIndex newName = w.view().fileList()->model()->index(0, 1);
        QCOMPARE(newName.data(Qt::ForegroundRole).value<QColor>(),
                 systemColor(w.view().palette(), SystemColor::red));
        QVERIFY(newName.data(Qt::ToolTipRole).toString().contains("already exists."));
        QCOMPARE(line.text(), "1 rename will fail\n1 file can't be renamed");
        QVERIFY(line.isVisible());
        QCOMPARE(w.view().renameButton()->text(), "&Rename 1 File(s)");  // as before

        // F8 from no row, then the line's buttons: forwards and back, around the ends.
        QStringList stepped;
        QTest::keyClick(&w.window, Qt::Key_F8);
        stepped << rows(w.view()).filter("*").join(QString()).section(' ', 0, 0);
        QTest::mouseClick(line.nextButton(), Qt::LeftButton);
        stepped << rows(w.view()).filter("*").join(QString()).section(' ', 0, 0);
        QTest::keyClick(&w.window, Qt::Key_F8, Qt::ShiftModifier);
        stepped << rows(w.view()).filter("*").join(QString()).section(' ', 0, 0);
        QTest::mouseClick(line.previousButton(), Qt::LeftButton);
        stepped << rows(w.view()).filter("*").join(QString()).section(' ', 0, 0);
        QCOMPARE(stepped, (QStringList{"*B.txt", "*caf\uFFFD.txt", "*B.txt", "*caf\uFFFD.txt"}));

        // Removing the first character: the first file only hides, the second
        // then fails (".txt" is taken). A prefix: no row is marked.
        w.configure([](RenameConfig& c) { c.rule = RenameRule::removeChars; });
        QTRY_COMPARE(line.text(), "2 renames will fail\n1 file can't be renamed\n1 warning");
        QCOMPARE(rows(w.view())[0],
                 "B.txt > .txt: Warning (Nothing is left of the name but its extension.\n"
                 "The new name begins with a dot: the file will be hidden.)");
        QCOMPARE(newName.data(Qt::ForegroundRole).value<QColor>(),
                 systemColor(w.view().palette(), SystemColor::amber));
        w.configure([](RenameConfig& c) {
            c.rule = RenameRule::addPrefix;
            c.text = "x_";
        });
        QTRY_COMPARE(line.text(), "1 file can't be renamed");
        QVERIFY(!rows(w.view()).join(QString()).contains("Will fail"));
        // Back in the window after a file was made elsewhere: the folders are read anew.
        w.files.write("x_c.txt");
        QEvent activated(QEvent::ActivationChange);
        QApplication::sendEvent(&w.view(), &activated);
        QTRY_COMPARE(line.text(), "1 rename will fail\n1 file can't be renamed");
        installTranslators(*QCoreApplication::instance(), {});
    }

    void cancelledDialogsChangeNothing() {
        TestWindow w;
        QStringList choices;
        QTimer::singleShot(0, [&] { choices << cancelDialog(); });
        w.view().openFilePicker();
        QTimer::singleShot(0, [&] { choices << cancelDialog(); });
        w.view().openFolderPicker();
        settle();
        QCOMPARE(choices, (QStringList{"files", "one folder, folders only"}));
        QCOMPARE(w.notifications, 0);
    }

    void sideColumnStaysBetween280And340() {
        TestWindow w;
        QSplitter* splitter = w.view().splitter();
        for (int wanted : {0, 279, 300, 341, 800}) {
            splitter->setSizes({wanted, 1200 - wanted});
            settle();
            const int width = w.view().sideColumn()->width();
            QVERIFY2(width >= 280 && width <= 340,
                     qPrintable(QStringLiteral("asked %1, got %2").arg(wanted).arg(width)));
        }
        QVERIFY(!splitter->childrenCollapsible());
    }

    // The menus, their keys, and what is enabled with an empty list; nothing
    // opens a second window.
    void menusOfferTheButtonsUndoQuitAndAbout() {
        TestWindow w;
        QStringList texts;
        for (QAction* menu : w.window.menuBar()->actions()) {
            for (QAction* action : menu->menu()->actions()) {
                if (action->isSeparator()) continue;
                texts << QStringLiteral("%1 > %2 %3%4")
                             .arg(menu->text(), action->text(),
                                  action->shortcut().toString(QKeySequence::PortableText),
                                  action->isEnabled() ? "" : " (disabled)");
            }
        }
        const auto platformKey = [](QKeySequence::StandardKey key) {
            return QKeySequence(key).toString(QKeySequence::PortableText);
        };
        QCOMPARE(texts, (QStringList{"&File > Add &Files\u2026 Ctrl+O",
                                     "&File > Add F&older\u2026 Ctrl+Shift+O",
                                     "&File > &Clear  (disabled)", "&File > &Rename Ctrl+Return (disabled)",
                                     "&File > &Quit Ctrl+Q",
                                     "&Edit > &Undo Rename " + platformKey(QKeySequence::Undo) + " (disabled)",
                                     "&Edit > &Redo Rename " + platformKey(QKeySequence::Redo) + " (disabled)",
                                     "&Edit > Move U&p Alt+Up (disabled)",
                                     "&Edit > Move Do&wn Alt+Down (disabled)",
                                     "&View > Sort &By ",
                                     "&Help > About Vellumix "}));
        // Ctrl+Q quits whatever the platform's key scheme says.
        QTest::keyClick(w.find<QLineEdit>("prefixField"), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!w.window.isVisible());
    }

    // Rename from the menu, look at the moves, undo and redo: the names on disk
    // follow, the menu says how many files each step moves, and while an alert
    // is open nothing can be undone.
    void undoAndRedoFromTheEditMenu() {
        TestWindow w({"a1.txt", "a2.txt", "b.txt"});
        w.configure([](RenameConfig& c) {
            c.rule = RenameRule::replace;
            c.findText = "a";
            c.replaceText = "z";
        });
        const auto onDisk = [&] {
            QStringList names;
            for (const char* name : {"a1.txt", "a2.txt", "z1.txt", "z2.txt", "b.txt"})
                if (w.files.exists(name)) names << name;
            return names.join(' ');
        };
        const auto menuState = [&] {
            return QStringLiteral("%1%2, %3%4")
                .arg(w.window.undoAction()->text(), w.window.undoAction()->isEnabled() ? "" : " (off)",
                     w.window.redoAction()->text(), w.window.redoAction()->isEnabled() ? "" : " (off)");
        };
        QTest::keyClick(&w.window, Qt::Key_Return, Qt::ControlModifier);
        settle();
        ResultAlert* alert = w.view().resultAlert();
        QVERIFY(alert && alert->isVisible());
        QCOMPARE(onDisk(), "z1.txt z2.txt b.txt");
        QCOMPARE(menuState(), "&Undo Rename of 2 Files (off), &Redo Rename (off)");
        QVERIFY(showsOutcomeIcon(*alert, false) && !showsOutcomeIcon(*alert, true));

        // The moves are a record beside the message, which stays as it is.
        const QString message = alert->text();
        // Against the screen's right edge, the dialog grows onto the screen, not off it.
        const QRect screen = alert->screen()->availableGeometry();
        alert->move(screen.right() - alert->frameGeometry().width() + 1, screen.top());
        QTest::mouseClick(alert->detailsButton(), Qt::LeftButton);
        QVERIFY(alert->moves()->isVisible());
        QVERIFY(alert->screen()->availableGeometry().contains(alert->frameGeometry()));
        QCOMPARE(alert->moves()->toPlainText(), "a1.txt \u2192 z1.txt\na2.txt \u2192 z2.txt");
        QCOMPARE(alert->detailsButton()->text(), "Hide Details\u2026");
        QCOMPARE(alert->text(), message);
        QTest::mouseClick(alert->detailsButton(), Qt::LeftButton);
        QVERIFY(!alert->moves()->isVisible());
        QTest::mouseClick(alert->okButton(), Qt::LeftButton);
        settle();
        QCOMPARE(menuState(), "&Undo Rename of 2 Files, &Redo Rename (off)");

        w.window.undoAction()->trigger();
        settle();
        QCOMPARE(onDisk(), "a1.txt a2.txt b.txt");
        QTest::mouseClick(w.view().resultAlert()->okButton(), Qt::LeftButton);
        reactivate(w);
        QCOMPARE(menuState(), "&Undo Rename (off), &Redo Rename of 2 Files");
        QCOMPARE(rows(w.view()).value(0), "a1.txt > z1.txt: Renamed");

        QTest::keySequence(w.view().fileList()->table(), QKeySequence::Redo);
        settle();
        QCOMPARE(onDisk(), "z1.txt z2.txt b.txt");
        QTest::mouseClick(w.view().resultAlert()->okButton(), Qt::LeftButton);
        settle();
        QCOMPARE(menuState(), "&Undo Rename of 2 Files, &Redo Rename (off)");
    }

    // After the alert of a batch the keyboard is on the list: Return pressed
    // once more, or twice, renames nothing again (report1 stays eport1).
    void returnAfterTheResultStartsNoSecondBatch() {
        TestWindow w({"report1"});
        w.configure([](RenameConfig& c) {
            c.rule = RenameRule::removeChars;
            c.removeFrom = 0;
            c.removeCount = 1;
        });
        // Started from a field of the rule, where Return would press the
        // window's default button, the rename button.
        QSpinBox* count = w.find<QSpinBox>("removeCountStepper");
        count->setFocus();
        QTest::keyClick(count, Qt::Key_Return, Qt::ControlModifier);
        settle();
        QTest::keyClick(w.view().resultAlert(), Qt::Key_Return);
        reactivate(w);
        QCOMPARE(QApplication::focusWidget(), w.view().fileList()->table());
        for (int press = 0; press < 2; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            settle();
        }
        QVERIFY(w.files.exists("eport1"));
        QVERIFY(!w.view().resultAlert());
    }

    // Ctrl+Z typed in a text field undoes the typing there, or nothing, and
    // never the batch: with typing to undo, and once none is left.
    void undoKeyInATextFieldNeverMovesAFile_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        for (const char* field : {"prefixField", "findField", "replaceField"}) {
            QTest::addRow("%s, nothing typed", field) << field << "";
            QTest::addRow("%s, typed", field) << field << "q";
        }
    }

    void undoKeyInATextFieldNeverMovesAFile() {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        TestWindow w({"a.txt"});
        w.configure([](RenameConfig& c) {
            c.rule = RenameRule::addPrefix;
            c.text = "x_";
        });
        QTest::mouseClick(w.view().renameButton(), Qt::LeftButton);
        settle();
        QTest::mouseClick(w.view().resultAlert()->okButton(), Qt::LeftButton);
        reactivate(w);
        if (field != "prefixField") w.configure([](RenameConfig& c) { c.rule = RenameRule::replace; });
        auto* edit = w.find<QLineEdit>(field.toLatin1().constData());
        const QString before = edit->text();
        edit->setFocus();
        QTest::keyClicks(edit, typed);
        for (int press = 0; press < 3; ++press) {
            QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
            settle();
        }
        QCOMPARE(edit->text(), before);
        QVERIFY(w.files.exists("x_a.txt"));
        QVERIFY(!w.view().resultAlert());
        // The same key from the list undoes the batch.
        QTest::keySequence(w.view().fileList()->table(), QKeySequence::Undo);
        settle();
        QVERIFY(w.files.exists("a.txt"));
    }

    void contentIsNeverSmallerThan960By640() {
        TestWindow w;
        w.window.resize(400, 300);
        settle();
        QVERIFY(w.view().width() >= 960 && w.view().height() >= 640);
    }

    // The name, the version and the credits; asking again brings the open
    // About window forward, and a closed one opens anew.
    void aboutShowsNameVersionAndCreditsOnce() {
        TestWindow w;
        w.window.aboutAction()->trigger();
        AboutDialog* about = w.window.aboutDialog();
        QVERIFY(about && about->isVisible());
        QVERIFY(about->versionLabel()->text().contains(QStringLiteral(VELLUMIX_EXPECTED_VERSION)));
        QCOMPARE(about->creditLabel()->text(), QStringLiteral("© 2026 The Vellumix developers"));
        QVERIFY(
            about->linkLabel()->text().contains(QStringLiteral("href=\"https://vellumix.org\"")));
        QVERIFY(about->linkLabel()->openExternalLinks());

        w.window.showAbout();
        QCOMPARE(w.window.aboutDialog(), about);
        QCOMPARE(visibleAboutWindows(), 1);
        about->close();
        settle();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!w.window.aboutDialog());
        w.window.showAbout();
        QVERIFY(w.window.aboutDialog());
        QCOMPARE(visibleAboutWindows(), 1);
    }
};

VELLUMIX_UI_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
