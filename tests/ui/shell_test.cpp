// The application shell around the calculator: the one-copy lock, the mode
// menu's radio group, keys typed while the window is starting, and the
// font that stands in for a missing one.
#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "engine/calculator.h"
#include "ui/platform/font_warm_up.h"
#include "ui/platform/japanese_ui.h"
#include "ui/platform/panel_font.h"
#include "ui/platform/single_instance.h"
#include "ui/window/calculator_app.h"
#include "ui/window/qt_view.h"
#include "ui/window/status_bar.h"

namespace tavrik::ui {
namespace {

TEST(SingleInstanceTest, ASecondLockFailsUntilTheFirstIsReleased) {
    QTemporaryDir dir;
    const QString path = dir.filePath("tavrik.lock");
    {
        SingleInstanceLock first(path);
        ASSERT_TRUE(first.acquired());
        EXPECT_FALSE(SingleInstanceLock(path).acquired());
    }
    EXPECT_TRUE(SingleInstanceLock(path).acquired());
}

// A runtime folder that cannot hold the lock file must not keep the
// calculator from starting.
TEST(SingleInstanceTest, ALockFileThatCannotBeCreatedDoesNotStopTheStart) {
    QTemporaryDir dir;
    EXPECT_TRUE(SingleInstanceLock(dir.filePath("missing/tavrik.lock")).acquired());
}

// Copies started with different runtime folders still share the settings
// file, so its folder is locked too, reached by any link to the file.
TEST(SingleInstanceTest, TheSettingsFolderIsLockedWhateverTheRuntimeFolder) {
    QTemporaryDir dir;
    const std::filesystem::path root = QFileInfo(dir.path()).canonicalFilePath().toStdString();
    std::filesystem::create_directories(root / "config");
    std::filesystem::create_directories(root / "elsewhere");
    std::ofstream(root / "config" / "Tavrik.ini") << "[Tavrik]\n";
    std::filesystem::create_symlink(root / "config" / "Tavrik.ini",
                                    root / "elsewhere" / "Tavrik.ini");
    const QString folder = SingleInstanceLock::SettingsPath(root / "config" / "Tavrik.ini");
    EXPECT_EQ(folder.toStdString(), (root / "config").string());
    EXPECT_EQ(SingleInstanceLock::SettingsPath(root / "elsewhere" / "Tavrik.ini"), folder);

    const SingleInstanceLock first(folder);
    ASSERT_TRUE(first.acquired());
    EXPECT_FALSE(SingleInstanceLock(folder).acquired());
    EXPECT_TRUE(SingleInstanceLock(SingleInstanceLock::SettingsPath({})).acquired())
        << "settings without a place lock nothing";
}

TEST(FontWarmUpTest, EndsWithOrWithoutTheApplication) {
    { FontWarmUp beforeAnyApplication; }
    FontWarmUp fonts;
    fonts.applicationReady();
    fonts.wait();
    EXPECT_FALSE(JapaneseFallbackFamily().isEmpty());
}

// Message boxes and file dialogs take their texts from Qt's translations.
TEST(JapaneseTextsTest, QtsOwnButtonsReadJapanese) {
    UseJapaneseTexts(*QCoreApplication::instance());
    EXPECT_EQ(QLocale().language(), QLocale::Japanese);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "キャンセル");
}

TEST(ModeMenuTest, TheFourModesAreOneRadioGroup) {
    CalculatorApp app;
    QList<QAction*> modes;
    for (const char* name : {"mnuMD", "mnuMH", "mnuMT", "mnuMC"}) {
        auto* action = app.window().findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        modes << action;
    }
    QActionGroup* group = modes.front()->actionGroup();
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->isExclusive());
    for (QAction* mode : modes) EXPECT_EQ(mode->actionGroup(), group);
    EXPECT_TRUE(modes[0]->isChecked());

    modes[2]->trigger();
    EXPECT_EQ(app.calculator().mode(), CalcMode::Time);
    EXPECT_EQ(app.window().findChild<StatusBar*>("stbMain")->partText(StatusPart::Mode), "時間");
    EXPECT_EQ(group->checkedAction(), modes[2]);
    modes[1]->trigger();
    EXPECT_EQ(app.calculator().mode(), CalcMode::Mixed);
    EXPECT_EQ(group->checkedAction(), modes[1]);
}

// Keys reach the window as soon as it exists; the calculator's start (which
// ends with AC) must not swallow them.
TEST(StartupKeysTest, AKeyTypedBeforeTheStartIsDeliveredAfterIt) {
    QtView view;
    SystemClock clock;
    Calculator calc(view, clock);
    MainWindow window(calc);
    calc.setSettings(GlobalSettings{});
    window.LayoutPanels();
    view.attach(window);

    QTest::keyClick(&window, Qt::Key_7);
    QTest::keyClick(&window, Qt::Key_2);
    calc.start();
    window.acceptKeys();
    EXPECT_EQ(window.findChild<QLabel*>("stxC")->text(), "72");
    QTest::keyClick(&window, Qt::Key_1);
    EXPECT_EQ(window.findChild<QLabel*>("stxC")->text(), "721") << "nothing is replayed twice";
    view.detach();
}

TEST(PanelFontTest, AMissingFontFallsBackToAJapaneseOne) {
    const QString fallback = JapaneseFallbackFamily();
    ASSERT_FALSE(fallback.isEmpty()) << "no Japanese font installed";
    EXPECT_TRUE(QFontDatabase::writingSystems(fallback).contains(QFontDatabase::Japanese));

    for (const std::string missing : {"ＭＳ Ｐゴシック", "No Such Font 12345", ""}) {
        const QFont font = PanelFont(missing, 12, true);
        EXPECT_EQ(QFontInfo(font).family(), fallback) << missing;
        EXPECT_TRUE(font.bold());
    }
    // An installed face is kept, with the Japanese one behind it for the
    // characters it lacks.
    const QString latin = QStringLiteral("DejaVu Sans");
    if (!QFontDatabase::hasFamily(latin)) GTEST_SKIP() << "DejaVu Sans is not installed";
    EXPECT_EQ(PanelFont(latin.toStdString(), 9, false).families(), QStringList({latin, fallback}));
}

}  // namespace
}  // namespace tavrik::ui
