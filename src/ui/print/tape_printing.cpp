#include "ui/print/tape_printing.h"

#include <dlfcn.h>

#include <QActionGroup>
#include <QCoreApplication>
#include <QPdfWriter>

#include "engine/calculator.h"
#include "ui/menus/menu_captions.h"
#include "ui/menus/menu_items.h"
#include "ui/platform/file_dialog.h"
#include "ui/platform/message_box.h"
#include "ui/platform/panel_font.h"

namespace tavrik::ui {

namespace {

const QString kPdfTitle = QStringLiteral("Tavrik 履歴リスト");
const QString kCannotCreate = QStringLiteral("ファイルが作成できませんでした");
const QString kNoPrintModule = QStringLiteral("印刷の部品が読み込めませんでした");

// Where the print module is: beside an installed program, in its library
// folder; in a build that was never installed, where the build made it.
std::vector<QString> PrintModulePaths() {
    return {QCoreApplication::applicationDirPath() +
                QStringLiteral("/" TAVRIK_PRINT_MODULE_FROM_BINDIR),
            QStringLiteral(TAVRIK_PRINT_MODULE_BUILT)};
}

// The module's dialogs, opened once on first use and kept open; nothing and
// the loader's reason when no module could be opened.
const PrintDialogs* LoadPrintDialogs(QString& reason) {
    static const PrintDialogs* dialogs = nullptr;
    if (dialogs != nullptr) return dialogs;
    for (const QString& path : PrintModulePaths()) {
        void* module = dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
        if (module == nullptr) {
            reason = QString::fromLocal8Bit(dlerror());
            continue;
        }
        const auto entry =
            reinterpret_cast<decltype(&tavrik_print_dialogs)>(dlsym(module, kPrintDialogsSymbol));
        if (entry != nullptr) return dialogs = entry();
        reason = QString::fromLocal8Bit(dlerror());
    }
    return nullptr;
}

// "印刷…" and its like, with the access letter after the caption.
QAction* AddItem(QMenu& menu, const char* name, const char* caption, char letter,
                 const std::function<void()>& command) {
    return AddCommand(menu, name, WithAccessLetter(caption, letter), command);
}

}  // namespace

TapeSheet CurrentTape(const Calculator& calc) {
    return {TapeDateText(calc.clock().now()), QString::fromStdString(calc.currentSet().name),
            QString::fromUtf8(Calculator::ModeName(calc.mode())),
            TapeRows(calc.history().current(), calc.values()), JapaneseFallbackFamily()};
}

TapePrinting::TapePrinting(QWidget& window, QMenu& historyMenu, std::function<TapeSheet()> tape)
    : QObject(&window), window_(window), tape_(std::move(tape)) {
    historyMenu.addSeparator();
    AddItem(historyMenu, "mnuOHPrint", "印刷…", 'P', [this] { print(); });
    AddItem(historyMenu, "mnuOHPreview", "印刷プレビュー…", 'V', [this] { preview(); });
    AddItem(historyMenu, "mnuOHPdf", "PDF に保存…", 'D', [this] { saveAsPdf(); });
    QMenu* paper = historyMenu.addMenu(WithAccessLetter("用紙", 'S'));
    paper->setObjectName("mnuOHPaper");
    auto* group = new QActionGroup(paper);
    const auto addPaper = [&](const char* name, const char* caption, char letter, TapePaper kind) {
        QAction* item = AddItem(*paper, name, caption, letter, [this, kind] { paper_ = kind; });
        item->setCheckable(true);
        item->setChecked(kind == paper_);
        group->addAction(item);
    };
    addPaper("mnuOHPaperA4", "A4", 'A', TapePaper::A4);
    addPaper("mnuOHPaperReceipt", "レシート幅 80 mm", 'R', TapePaper::Receipt);
}

const PrintDialogs* TapePrinting::dialogs() {
    QString reason;
    const PrintDialogs* dialogs = LoadPrintDialogs(reason);
    if (dialogs == nullptr)
        ShowMessageBox(&window_, BoxKind::Error, kNoPrintModule + QStringLiteral("\n") + reason,
                       false);
    return dialogs;
}

void TapePrinting::print() {
    if (const PrintDialogs* dialogs = this->dialogs();
        dialogs != nullptr && !dialogs->print(&window_, tape_(), paper_))
        ShowMessageBox(&window_, BoxKind::Error, kCannotCreate, false);
}

void TapePrinting::preview() {
    if (const PrintDialogs* dialogs = this->dialogs()) dialogs->preview(&window_, tape_(), paper_);
}

void TapePrinting::saveAsPdf() {
    const auto path = AskFilePath(&window_, FileDialogKind::SavePdf, QStringLiteral("PDF に保存"));
    if (!path) return;
    QPdfWriter writer(QString::fromStdString(*path));
    writer.setTitle(kPdfTitle);
    writer.setCreator(QStringLiteral("Tavrik"));
    SetTapePaper(writer, paper_);
    if (!PaintTape(writer, tape_())) ShowMessageBox(&window_, BoxKind::Error, kCannotCreate, false);
}

}  // namespace tavrik::ui
