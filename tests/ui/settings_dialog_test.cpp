// The settings dialog driven as a user drives it, over an app started from a
// settings file in a temporary folder. Message boxes are answered by the test.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "settings/key_codes.h"
#include "settings/setting_ranges.h"
#include "textfile/cp932.h"
#include "textfile/file_io.h"
#include "ui/settings_dialog/settings_dialog.h"
#include "ui/window/calculator_app.h"

namespace tavrik::ui {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kIni =
    "[Tavrik]\r\nSet=標準\r\nSave=0\r\nKeyN55=7777\r\n"
    "[標準]\r\nMode=D\r\nDisp=DB/M/F\r\nPitch=3\r\nSBA=TT\r\nLineH=-7\r\n"
    "ColorD=$00123456\r\nFontColorD=clRed\r\nBackColorD=$00ABCDEF\r\n"
    "[作業]\r\nMode=H\r\nDigitsD=12\r\n";

class SettingsDialogTest : public ::testing::Test {
  protected:
    SettingsDialogTest()
        : dir(fs::temp_directory_path() /
              ("tavrik-dialog-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()))) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        std::ofstream(dir / "Tavrik.ini", std::ios::binary) << cp932::Encode(kIni);
        app.emplace(SettingsFile(dir / "Tavrik.ini"));
        dialog().setPrompt([this](BoxKind, const QString& text, bool) {
            messages << text;
            return answer;
        });
        dialog().activate();
        dialog().show();
    }
    ~SettingsDialogTest() override {
        app.reset();
        fs::remove_all(dir);
    }

    SettingsDialog& dialog() { return app->window().settingsDialog(); }
    const GlobalSettings& settings() { return app->calculator().settings(); }
    std::string fileBytes() { return ReadFile(dir / "Tavrik.ini").bytes; }
    template <class W>
    W* find(const char* name) {
        W* widget = dialog().findChild<W*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    QTreeWidgetItem* setNode(int slot) { return dialog().tree()->topLevelItem(1)->child(slot); }
    void rename(const QString& name) {
        find<QLineEdit>("edtName")->setText(name);
        click("btnNext");
    }

    fs::path dir;
    std::optional<CalculatorApp> app;
    QStringList messages;
    bool answer = true;
};

TEST_F(SettingsDialogTest, OkWithoutChangesKeepsTheFileByteForByte) {
    const std::string before = fileBytes();
    dialog().tree()->setCurrentItem(setNode(0));  // visit a set, the keys and function pages
    dialog().tree()->setCurrentItem(dialog().tree()->topLevelItem(2));
    dialog().tree()->setCurrentItem(dialog().tree()->topLevelItem(3));
    const std::string saved = [&] {
        click("btnOK");
        return fileBytes();
    }();
    // The first save writes every key of the sets; a second one must change nothing.
    dialog().activate();
    click("btnOK");
    EXPECT_EQ(fileBytes(), saved);
    EXPECT_NE(
        saved.find(cp932::Encode("[標準]\r\nMode=D\r\nRoundM=0\r\nRoundD=0\r\nDisp=DB/M/F\r\n")),
        std::string::npos)
        << cp932::Decode(saved).value_or("");
    EXPECT_NE(saved.find("LineH=-7\r\n"), std::string::npos);
    EXPECT_NE(saved.find("SBA=TT\r\n"), std::string::npos) << "an unchanged choice keeps its text";
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
}

// A spin box is named after the key it edits and offers that key's range,
// the one the window and the console clamp a hand-edited value to.
TEST_F(SettingsDialogTest, SpinBoxesOfferTheRangesOfTheSettingsTable) {
    const QList<QSpinBox*> spins =
        dialog().findChildren<QSpinBox*>(QRegularExpression(QStringLiteral("^spn")));
    ASSERT_GE(spins.size(), 20);
    for (const QSpinBox* spin : spins) {
        const std::string key = spin->objectName().mid(3).toStdString();
        const std::optional<SettingRange> range = RangeOfKey(key);
        ASSERT_TRUE(range) << key;
        EXPECT_EQ(spin->minimum(), range->min) << key;
        EXPECT_EQ(spin->maximum(), range->max) << key;
    }
}

TEST_F(SettingsDialogTest, ZoomReadingAndTimeColonAreSetOnTheSetsPageAndApplied) {
    dialog().tree()->setCurrentItem(setNode(0));
    find<QSpinBox>("spnZoom")->setValue(150);
    find<QCheckBox>("cbxManOku")->setChecked(true);
    QCheckBox* timeColon = find<QCheckBox>("cbxTimeColon");
    EXPECT_EQ(timeColon->accessibleName(), QStringLiteral("時間モードの「:」で時:分:秒と読む"));
    timeColon->setChecked(true);
    click("btnOK");
    EXPECT_EQ(app->window().zoom(), 150);
    EXPECT_TRUE(app->window().findChild<QLabel*>("stxCReading")->isVisibleTo(&app->window()));
    const std::string saved = fileBytes();
    EXPECT_NE(
        saved.find(cp932::Encode("FPlusF=0\r\nZoom=150\r\nManOku=1\r\nTimeColon=1\r\n[作業]")),
        std::string::npos)
        << cp932::Decode(saved).value_or("");
}

TEST_F(SettingsDialogTest, AutoAnswerIsAnOptionOfTheFormulaPanelPage) {
    dialog().tree()->setCurrentItem(setNode(0));
    auto* check = find<QCheckBox>("cbxAutoF");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->text(), "自動計算");
    EXPECT_FALSE(check->isChecked());
    check->setChecked(true);
    click("btnOK");
    EXPECT_TRUE(settings().SetTable[0].AutoF);
    EXPECT_TRUE(app->window().findChild<QAction*>("pmnFAuto")->isChecked())
        << "applied to the panel";
}

TEST_F(SettingsDialogTest, RenameIsValidatedInEachCase) {
    dialog().tree()->setCurrentItem(setNode(0));
    struct Case {
        QString name;
        QString message;  // empty: accepted
    };
    for (const Case& c :
         {Case{"", "設定名称を入力してください"}, Case{"作業", "設定名称が重複しています"},
          Case{"reserve", "使用できない設定名称です"}, Case{"DEFAULT", "使用できない設定名称です"},
          Case{"計算", ""}}) {
        messages.clear();
        find<QSpinBox>("spnPitch");  // page 2 exists
        QStackedWidget* pages = find<QStackedWidget>("pgcSet");
        ASSERT_NE(pages, nullptr);
        pages->setCurrentIndex(0);
        rename(c.name);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(messages.isEmpty()) << c.name.toStdString();
            EXPECT_EQ(setNode(0)->text(0), c.name);
        } else {
            EXPECT_EQ(messages, QStringList{c.message}) << c.name.toStdString();
            EXPECT_EQ(pages->currentIndex(), 0) << "the name page stays";
        }
    }
    click("btnOK");
    EXPECT_EQ(fileBytes().find(cp932::Encode("[標準]")), std::string::npos);
    EXPECT_NE(fileBytes().find(cp932::Encode("[計算]")), std::string::npos);
}

TEST_F(SettingsDialogTest, SetsAreAddedUpToTheLimitAndDeleted) {
    dialog().tree()->setCurrentItem(setNode(0));
    for (int n = 1; n <= 8; ++n) click("btnAdd");
    EXPECT_EQ(setNode(2)->text(0), "新規作成1");
    EXPECT_EQ(setNode(9)->text(0), "新規作成8");
    EXPECT_FALSE(find<QPushButton>("btnAdd")->isEnabled());
    dialog().addSet();
    EXPECT_EQ(messages, QStringList{"これ以上追加できません"});

    messages.clear();
    answer = false;
    click("btnDel");
    EXPECT_EQ(dialog().tree()->topLevelItem(1)->childCount(), 10) << "refused";
    answer = true;
    dialog().tree()->setCurrentItem(setNode(0));
    click("btnDel");
    EXPECT_EQ(messages.last(), "削除してもよろしいですか？");
    EXPECT_EQ(dialog().tree()->topLevelItem(1)->childCount(), 9);
    EXPECT_EQ(setNode(0)->text(0), "作業");
    EXPECT_TRUE(find<QPushButton>("btnAdd")->isEnabled());
    click("btnOK");
    EXPECT_EQ(settings().LastSetIndex, 8);
    EXPECT_EQ(app->calculator().currentSetIndex(), kDefaultSetSlot) << "the set in force is gone";
    EXPECT_EQ(fileBytes().find(cp932::Encode("[標準]")), std::string::npos);
}

TEST_F(SettingsDialogTest, DeletingAMiddleSetMovesTheLaterSetsUp) {
    dialog().tree()->setCurrentItem(setNode(1));
    click("btnAdd");
    click("btnAdd");
    dialog().tree()->setCurrentItem(setNode(1));
    click("btnDel");
    ASSERT_EQ(dialog().tree()->topLevelItem(1)->childCount(), 3);
    EXPECT_EQ(setNode(1)->text(0), "新規作成1");
    EXPECT_EQ(setNode(2)->text(0), "新規作成2");
    EXPECT_EQ(dialog().tree()->currentItem(), setNode(0)) << "the set above is shown";
    click("btnOK");
    const auto& table = settings().SetTable;
    EXPECT_EQ(settings().LastSetIndex, 2);
    EXPECT_EQ(table[0].name, "標準");
    EXPECT_EQ(table[0].Pitch, 3);
    EXPECT_EQ(table[1].name, "新規作成1");
    EXPECT_EQ(table[1].DigitsD, SettingsSet{}.DigitsD) << "the deleted set's fields are gone";
    EXPECT_EQ(table[2].name, "新規作成2");
    EXPECT_EQ(table[3].name, "");
    EXPECT_EQ(fileBytes().find(cp932::Encode("[作業]")), std::string::npos);
}

TEST_F(SettingsDialogTest, TheSetInForceStaysInForceWhenTheSetsAboveItGo) {
    dialog().reject();
    app->calculator().chooseSet(1);
    dialog().activate();
    dialog().tree()->setCurrentItem(setNode(0));
    click("btnDel");
    click("btnOK");
    EXPECT_EQ(app->calculator().currentSetIndex(), 0);
    EXPECT_EQ(app->calculator().currentSet().name, "作業");
}

TEST_F(SettingsDialogTest, ArrangementListRoundTrips) {
    dialog().tree()->setCurrentItem(setNode(0));
    QListWidget* list = find<QListWidget>("clbDisp");
    ASSERT_EQ(list->count(), 11);
    EXPECT_EQ(list->item(2)->text(), "----------------");
    EXPECT_EQ(list->item(6)->text(), "履歴リスト");
    EXPECT_EQ(list->item(6)->checkState(), Qt::Unchecked);
    list->setCurrentRow(5);  // 式パネル up, above the second break
    click("btnDispUp");
    EXPECT_EQ(list->currentRow(), 4);
    list->item(6)->setCheckState(Qt::Checked);  // 履歴リスト shown
    click("btnOK");
    EXPECT_EQ(settings().SetTable[0].Disp, "DB/MF/Hs");
}

TEST_F(SettingsDialogTest, KeyGroupsNameTheirKeysTruly) {
    QTreeWidgetItem* keys = dialog().tree()->topLevelItem(2);
    EXPECT_EQ(keys->child(1)->text(0), "数字(A-F)");
    EXPECT_EQ(keys->child(1)->childCount(), 6);
    EXPECT_EQ(keys->child(3)->child(8)->text(0), "税抜・#h・変換");
}

// A time-sheet key takes a keyboard key in time mode like any other key.
TEST_F(SettingsDialogTest, TimeSheetKeysAreAssignable) {
    QTreeWidgetItem* timeSheet = dialog().tree()->topLevelItem(2)->child(5);
    EXPECT_EQ(timeSheet->text(0), "時間計算");
    dialog().tree()->setCurrentItem(timeSheet->child(0));  // 時間数
    QTableWidget* grid = find<QTableWidget>("sgdKey");
    grid->setFocus();
    grid->setCurrentCell(0, 2);  // 時間
    QTest::keyClick(grid, Qt::Key_F2);
    click("btnOK");
    EXPECT_EQ(settings().Keys[113], "__h_");

    Calculator& calc = app->calculator();
    calc.switchMode(CalcMode::Time);
    for (int code : {DigitCode(1), int{kHourKey}, DigitCode(3), DigitCode(0), int{kMinuteKey}})
        calc.PushBBtn(code);
    calc.pressKeyboardKey(113, 0);
    EXPECT_EQ(calc.displayText(), "1.5");
}

// A key typed in the dialog belongs to the dialog, not to the main window
// behind it: Delete and Enter on the arrangement list leave the history
// alone, digits leave the display, Space checks the line and Escape closes.
TEST_F(SettingsDialogTest, KeysTypedInTheDialogStayInTheDialog) {
    Calculator& calc = app->calculator();
    calc.setRecording(true);
    for (int code : {2, int{kAdd}, 3, int{kEquals}, 4, int{kAdd}, 5, int{kEquals}})
        calc.PushBBtn(code);
    calc.selectHistoryLine(0);
    const HistoryLines lines = calc.history().current().lines;
    ASSERT_FALSE(lines.empty());
    const std::string display = calc.displayText();

    dialog().tree()->setCurrentItem(setNode(0));
    QListWidget* list = find<QListWidget>("clbDisp");
    list->setFocus();
    list->setCurrentRow(0);
    const Qt::CheckState before = list->item(0)->checkState();
    for (Qt::Key key : {Qt::Key_Delete, Qt::Key_Delete, Qt::Key_Return, Qt::Key_7})
        QTest::keyClick(list, key);
    EXPECT_EQ(calc.history().current().lines, lines);
    EXPECT_EQ(calc.displayText(), display);

    QTest::keyClick(list, Qt::Key_Space);
    EXPECT_NE(list->item(0)->checkState(), before) << "Space toggles the line's check mark";
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(dialog().isVisible());
}

TEST_F(SettingsDialogTest, KeyCaptureFollowsTheDuplicatePolicies) {
    dialog().tree()->setCurrentItem(dialog().tree()->topLevelItem(2)->child(2)->child(1));  // "+"
    QTableWidget* grid = find<QTableWidget>("sgdKey");
    ASSERT_EQ(grid->rowCount(), 1);
    grid->setFocus();
    grid->setCurrentCell(0, 0);
    QTest::keyClick(grid, Qt::Key_5);
    EXPECT_EQ(messages, QStringList{"「5」で使用されています"});
    EXPECT_EQ(grid->item(0, 0), nullptr);

    QTest::keyClick(grid, Qt::Key_F1);
    EXPECT_EQ(grid->item(0, 0)->text(), "F1");
    EXPECT_EQ(grid->currentColumn(), 1);
    QTest::keyClick(grid, Qt::Key_0, Qt::KeypadModifier);
    EXPECT_EQ(grid->item(0, 1)->text(), "テンキー 0") << "named as the key reads";
    grid->setCurrentCell(0, 1);
    QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(grid->item(0, 1)->text(), "Ctrl + A");

    find<QRadioButton>("rbtKUnq1")->setChecked(true);  // overwrite
    QTest::keyClick(grid, Qt::Key_7);
    EXPECT_EQ(grid->item(0, 2)->text(), "7");

    find<QRadioButton>("rbtKUnq3")->setChecked(true);  // go to the owner
    QTest::keyClick(grid, Qt::Key_8);
    EXPECT_EQ(dialog().tree()->currentItem()->text(0), "8");

    click("btnOK");
    EXPECT_EQ(settings().Keys[112], "+___");
    EXPECT_EQ(settings().Keys[255 + 65], "_+__");
    EXPECT_EQ(settings().Keys[55], "77+7");
}

TEST_F(SettingsDialogTest, DeletedAssignmentIsStoredAsUnderscore) {
    dialog().tree()->setCurrentItem(dialog().tree()->topLevelItem(2)->child(0)->child(7));  // "7"
    QTableWidget* grid = find<QTableWidget>("sgdKey");
    grid->setCurrentCell(0, 0);
    click("btnKDel");
    EXPECT_TRUE(grid->item(0, 0)->text().isEmpty());
    click("btnOK");
    EXPECT_NE(fileBytes().find("KeyN55=_777\r\n"), std::string::npos);
}

TEST_F(SettingsDialogTest, FunctionGridStoresAndReloads) {
    dialog().tree()->setCurrentItem(dialog().tree()->topLevelItem(3));
    QTableWidget* grid = find<QTableWidget>("sgdFunc");
    grid->item(0, 1)->setText("三角");
    grid->item(3, 1)->setText("F#105 (f105)");
    click("btnOK");
    EXPECT_EQ(settings().FName[1], "三角");
    EXPECT_EQ(settings().F[6 + 2], 105);

    dialog().activate();
    EXPECT_EQ(grid->item(3, 1)->text(), "F#105 (f105)");
    EXPECT_NE(fileBytes().find("F9=105\r\n"), std::string::npos);
}

TEST_F(SettingsDialogTest, FunctionListNamesAndDescribesEachFunction) {
    dialog().tree()->setCurrentItem(dialog().tree()->topLevelItem(3));
    QTableWidget* grid = find<QTableWidget>("sgdFunc");
    grid->setCurrentCell(3, 1);
    auto* list = grid->findChild<QComboBox*>("cmbFunc");
    ASSERT_NE(list, nullptr);
    const int entry = list->findText("F#128 (f128) 順列 nPr");
    ASSERT_GT(entry, 0);
    // Codes without a function are not offered.
    EXPECT_EQ(list->findText("F#108", Qt::MatchStartsWith), -1);
    EXPECT_EQ(list->findText("F#130", Qt::MatchStartsWith), -1);
    EXPECT_TRUE(list->itemData(entry, Qt::ToolTipRole).toString().startsWith("順列 nPr: "));
    list->setCurrentIndex(entry);
    EXPECT_TRUE(find<QLabel>("stxFuncDescription")->text().contains("並べる順列の数"));
}

// The colour lists name the colours in Japanese; "その他の色…" stores the
// picked colour in hexadecimal, and colours left alone keep their text.
TEST_F(SettingsDialogTest, ColourChoiceStoresHexAndKeepsUntouchedText) {
    dialog().tree()->setCurrentItem(setNode(0));
    auto* font = find<QComboBox>("cbcFontColorD");
    auto* back = find<QComboBox>("cbcColorD");
    EXPECT_EQ(font->currentText(), "赤");
    EXPECT_EQ(back->currentText(), "指定の色 #563412");
    QTimer::singleShot(0, [] {
        auto* picker = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(picker, nullptr);
        picker->setCurrentColor(QColor(0x10, 0x20, 0x30));
        picker->accept();
    });
    const int other = back->findText("その他の色…");
    back->setCurrentIndex(other);
    emit back->activated(other);
    EXPECT_EQ(back->currentText(), "指定の色 #102030");
    click("btnOK");
    EXPECT_NE(fileBytes().find("\r\nColorD=$00302010\r\n"), std::string::npos);
    EXPECT_NE(fileBytes().find("\r\nFontColorD=clRed\r\n"), std::string::npos);
    EXPECT_NE(fileBytes().find("\r\nBackColorD=$00ABCDEF\r\n"), std::string::npos);
}

TEST_F(SettingsDialogTest, ApplyForNowAndCancelAffectWindowAndFile) {
    const std::string before = fileBytes();
    dialog().tree()->setCurrentItem(setNode(0));
    QStackedWidget* pages = find<QStackedWidget>("pgcSet");
    pages->setCurrentIndex(1);
    find<QSpinBox>("spnPitch")->setValue(9);
    click("btnCancel");
    dialog().activate();
    EXPECT_EQ(settings().SetTable[0].Pitch, 3);
    dialog().tree()->setCurrentItem(setNode(0));
    EXPECT_EQ(find<QSpinBox>("spnPitch")->value(), 3) << "cancel discards the edits";

    find<QSpinBox>("spnPitch")->setValue(9);
    answer = false;
    click("btnTemp");
    EXPECT_EQ(settings().SetTable[0].Pitch, 3) << "not confirmed";
    answer = true;
    click("btnTemp");
    EXPECT_EQ(messages.last(), "変更は保存されませんがよろしいですか？");
    EXPECT_EQ(settings().SetTable[0].Pitch, 9);
    EXPECT_EQ(app->calculator().currentSet().Pitch, 9) << "applied to the window";
    EXPECT_EQ(fileBytes(), before) << "nothing written";

    // The settings folder is replaced by a plain file, which even root cannot write into.
    dialog().activate();
    const fs::path away = dir.string() + "-away";
    fs::remove_all(away);
    fs::rename(dir, away);
    std::ofstream(dir).put('x');
    click("btnOK");
    fs::remove(dir);
    fs::rename(away, dir);
    EXPECT_EQ(messages.last(), "ファイルが作成できませんでした");
    EXPECT_EQ(fileBytes(), before) << "the file stays as it was";
    EXPECT_EQ(settings().SetTable[0].Pitch, 9) << "the settings stay applied";
}

TEST_F(SettingsDialogTest, OkNamesCharactersTheFileCannotHoldAndMayBeRefused) {
    const std::string before = fileBytes();
    dialog().tree()->setCurrentItem(dialog().tree()->topLevelItem(4));
    find<QLineEdit>("edtFName1")->setText("税€");
    find<QLineEdit>("edtFStr1")->setText("X*1.5½");
    answer = false;
    click("btnOK");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("€ ½")) << messages[0].toStdString();
    EXPECT_TRUE(dialog().isVisible()) << "the edits stay open";
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(settings().FStr[0], "");

    answer = true;
    click("btnOK");
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_NE(fileBytes().find(cp932::Encode("FT109=税?")), std::string::npos);
    EXPECT_EQ(settings().FStr[0], "X*1.5½");
}

TEST_F(SettingsDialogTest, ApplyingTakesTheMenuCaptions) {
    dialog().tree()->setCurrentItem(dialog().tree()->topLevelItem(0));
    find<QComboBox>("cmbMenu")->setCurrentIndex(1);
    click("btnTemp");
    EXPECT_EQ(app->window().menuBar()->actions().first()->text(), "&Ope.");
}

// Enter ends the typing in a text field; it presses no button of the dialog.
TEST_F(SettingsDialogTest, EnterInATextFieldPressesNoButton) {
    dialog().tree()->setCurrentItem(setNode(0));
    auto* fontName = find<QComboBox>("cmbFontNameD");
    ASSERT_NE(fontName->lineEdit(), nullptr);
    fontName->lineEdit()->setFocus();
    QTest::keyClick(fontName->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
    EXPECT_TRUE(dialog().isVisible());
}

TEST_F(SettingsDialogTest, RenamedFunctionShowsInTheFunctionList) {
    dialog().tree()->setCurrentItem(dialog().tree()->topLevelItem(4));  // 関数（定義）
    find<QLineEdit>("edtFName1")->setText("新名");
    dialog().tree()->setCurrentItem(dialog().tree()->topLevelItem(3));  // 関数（選択）
    QTableWidget* grid = find<QTableWidget>("sgdFunc");
    grid->setCurrentCell(1, 0);  // opens the slot's function list
    auto* list = grid->findChild<QComboBox*>("cmbFunc");
    ASSERT_NE(list, nullptr);
    EXPECT_GE(list->findText("F#109 (新名)"), 0);
}

// A refused name keeps the selection on the set being edited, also when the
// other node was pressed with the mouse.
TEST_F(SettingsDialogTest, RefusedNameKeepsTheSelectionAfterAMouseClick) {
    QTreeWidget* tree = dialog().tree();
    tree->setCurrentItem(setNode(0));
    find<QLineEdit>("edtName")->setText("作業");
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                      tree->visualItemRect(setNode(1)).center());
    QCoreApplication::processEvents();
    EXPECT_EQ(messages, QStringList{"設定名称が重複しています"});
    EXPECT_EQ(tree->currentItem(), setNode(0));
    EXPECT_TRUE(setNode(0)->isSelected());
    EXPECT_FALSE(setNode(1)->isSelected());
}

}  // namespace
}  // namespace tavrik::ui

namespace tavrik::ui {
namespace {

// The office options of date mode load from and store into the settings; the
// days off are a list edited by its buttons, and a text the list leaves
// unchanged is kept as written, entries that are no date included.
TEST_F(SettingsDialogTest, OfficeOptionsAndDaysOffLoadAndStore) {
    const std::string written = "2024/12/31, 2024/12/30,x";
    app->calculator().editSettings([&](GlobalSettings& s) {
        s.FirstDay = true;
        s.Holidays = written;
    });
    click("btnCancel");
    dialog().activate();
    auto* bizDays = find<QCheckBox>("cbxBizDays");
    EXPECT_FALSE(bizDays->isChecked());
    EXPECT_TRUE(find<QCheckBox>("cbxFirstDay")->isChecked());
    EXPECT_EQ(find<QCheckBox>("cbxGannen")->accessibleName(), QStringLiteral("元年"));
    auto* days = find<QListWidget>("lstHolidays");
    EXPECT_EQ(days->accessibleName(), QStringLiteral("休業日"));
    ASSERT_EQ(days->count(), 2);
    EXPECT_EQ(days->item(0)->text(), "2024/12/30");
    click("btnTemp");
    EXPECT_EQ(settings().Holidays, written);

    dialog().activate();
    QTest::mouseClick(bizDays, Qt::LeftButton, {}, QPoint(4, bizDays->height() / 2));
    find<QDateEdit>("dteHoliday")->setDate(QDate(2025, 1, 2));
    click("btnHolidayAdd");
    click("btnHolidayAdd");
    days->setCurrentRow(0);
    click("btnHolidayDelete");
    click("btnTemp");
    EXPECT_TRUE(settings().BizDays);
    EXPECT_TRUE(settings().FirstDay);
    EXPECT_FALSE(settings().Gannen);
    EXPECT_EQ(settings().Holidays, "2024/12/31,2025/01/02");
}

}  // namespace
}  // namespace tavrik::ui
