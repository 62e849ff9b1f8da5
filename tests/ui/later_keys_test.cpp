// Keys the starter gives to commands added later (paste, undo) reach a settings
// file that predates them: Ctrl+V pastes, the キー page shows it, and saving
// leaves the file without the entry; an entry the user emptied stays empty.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>

#include "textfile/cp932.h"
#include "textfile/file_io.h"
#include "ui/settings_dialog/settings_dialog.h"
#include "ui/window/calculator_app.h"

namespace tavrik::ui {
namespace {

namespace fs = std::filesystem;

class LaterKeysTest : public ::testing::TestWithParam<bool> {
  protected:
    LaterKeysTest()
        : dir(fs::temp_directory_path() / ("tavrik-later-keys-" + std::to_string(GetParam()))) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        // A file from before paste; the emptied variant names Ctrl+V as "____".
        ini = "[Tavrik]\r\nSet=A\r\nKeyN86=VVVV\r\n";
        if (emptied()) ini += "KeyC86=____\r\n";
        ini += "[A]\r\nDisp=DB\r\n";
        std::ofstream(dir / "Tavrik.ini", std::ios::binary) << cp932::Encode(ini);
        app.emplace(SettingsFile(dir / "Tavrik.ini"));
        app->window().show();
    }
    ~LaterKeysTest() override {
        app.reset();
        fs::remove_all(dir);
    }
    bool emptied() const { return GetParam(); }
    QString display() { return app->window().findChild<QLabel*>("stxC")->text(); }

    fs::path dir;
    std::string ini;
    std::optional<CalculatorApp> app;
};

TEST_P(LaterKeysTest, PasteKeysReachAnOlderFileUnlessEmptied) {
    QGuiApplication::clipboard()->setText("58");
    QTest::keyClick(&app->window(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(display(), emptied() ? "0" : "58");
    QGuiApplication::clipboard()->setText("7");
    QTest::keyClick(&app->window(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(display(), "7") << "Shift+Insert has no entry in either file";

    // The キー page shows the assignments in force under "貼り付け" and "元に戻す".
    SettingsDialog& dialog = app->window().settingsDialog();
    dialog.activate();
    const auto shownKeys = [&](const QString& leaf) {
        const QList<QTreeWidgetItem*> found =
            dialog.tree()->findItems(leaf, Qt::MatchExactly | Qt::MatchRecursive);
        EXPECT_EQ(found.size(), 1) << leaf.toStdString();
        if (found.isEmpty()) return QStringList();
        dialog.tree()->setCurrentItem(found.front());
        const auto* grid = dialog.findChild<QTableWidget*>("sgdKey");
        QStringList shown;
        for (int row = 0; row < grid->rowCount(); ++row)
            if (const QTableWidgetItem* cell = grid->item(row, 0); cell && !cell->text().isEmpty())
                shown << cell->text();
        return shown;
    };
    const QStringList paste = shownKeys("貼り付け");
    EXPECT_EQ(paste.contains("Ctrl + V"), !emptied());
    EXPECT_TRUE(paste.contains("Shift + Insert"));
    EXPECT_EQ(shownKeys("元に戻す"), QStringList{"Ctrl + Z"});

    // Saving writes neither default into a file that never named the keys.
    ASSERT_TRUE(app->calculator().saveSettings([this](GlobalSettings& settings) {
        return SettingsFile(dir / "Tavrik.ini").Save(settings);
    }));
    const std::string saved = cp932::Decode(ReadFile(dir / "Tavrik.ini").bytes).value_or("");
    EXPECT_EQ(saved.find("KeyS45="), std::string::npos) << saved;
    EXPECT_EQ(saved.find("KeyC90="), std::string::npos) << saved;
    EXPECT_EQ(saved.find("KeyC86=____") != std::string::npos, emptied()) << saved;
}

INSTANTIATE_TEST_SUITE_P(EmptiedCtrlV, LaterKeysTest, ::testing::Bool());

}  // namespace
}  // namespace tavrik::ui
