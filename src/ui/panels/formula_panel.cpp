#include "ui/panels/formula_panel.h"

#include <QFontMetrics>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "settings/panel_kinds.h"
#include "settings/setting_ranges.h"
#include "ui/panels/sheet_editor_text.h"
#include "ui/platform/panel_font.h"

namespace tavrik::ui {

namespace {

constexpr int kRunKeyDigits = 2;  // the "=" key is two "8" wide
// Live answers wait this long after the last key, so typing is never slowed.
constexpr int kAnswerDelayMs = 300;

enum ScrollBars { kNoScrollBars = 0, kVerticalBar = 1, kHorizontalBar = 2, kBothBars = 3 };

Qt::ScrollBarPolicy Policy(bool shown) {
    return shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
}

}  // namespace

FormulaPanel::FormulaPanel(QWidget* parent, SheetHost& host, FormulaPanelCommands commands)
    : PanelWidget(PanelKind::Formula, parent),
      sheet_(host),
      commands_(std::move(commands)),
      editor_(
          new FormulaEditor(this, {[this] { doubleClicked_ = true; }, [this] { onMouseReleased(); },
                                   [this] { RunFormulaPanel(); }})),
      runKey_(new QPushButton(QStringLiteral("="), this)),
      live_(host) {
    setObjectName("pnlF");
    editor_->setAccessibleName(QStringLiteral("式"));
    runKey_->setObjectName("btnFR");
    runKey_->setAccessibleName(QStringLiteral("="));
    runKey_->setAccessibleDescription(QStringLiteral("実行"));
    // Reached with Tab; the caret stays in the editor when the key is clicked.
    runKey_->setFocusPolicy(Qt::TabFocus);
    connect(runKey_, &QPushButton::clicked, this, [this] { RunFormulaPanel(); });

    menu_ = BuildFormulaMenu(
        *editor_, {[this] { RunFormulaPanel(); }, [this] { CopyFormula(); },
                   [this](bool on) { sheet_.setPlusFormula(on); }, commands_.maximise,
                   [this] { WriteFormulaFile(); }, [this] { ReadFormulaFile(); }, commands_.exit,
                   [this](bool on) { setAutoAnswer(on); }});
    editor_->setPopupMenu(menu_.menu);
    answerTimer_.setSingleShot(true);
    answerTimer_.setInterval(kAnswerDelayMs);
    connect(&answerTimer_, &QTimer::timeout, this, [this] { answerNow(); });
    connect(
        editor_->document(), &QTextDocument::contentsChange, this,
        [this](int position, int removed, int added) { linesEdited(position, removed, added); });
}

void FormulaPanel::build(const SettingsSet& set) {
    place(set);
    sheet_.layoutBuilt();
    menu_.plusFormula->setChecked(sheet_.plusFormula());
    setAutoAnswer(set.AutoF);
    menu_.maximise->setChecked(false);
}

void FormulaPanel::place(const SettingsSet& set) {
    const PanelStyle style = StyleOf(set, PanelKind::Formula);
    const int pitch = style.pitch;
    pitch_ = scale_.length(pitch);
    const QFont font = PanelFont(style);
    editor_->setFont(scale_.font(font));
    runKey_->setFont(scale_.font(font));
    const QFontMetrics metrics(font);
    const int digitWidth = metrics.horizontalAdvance(QStringLiteral("8"));
    const int digitHeight = metrics.height();

    const int lines = kPanelLinesRange.clamp(set.LineF);
    const int editorWidth = digitWidth * style.digits;
    const int editorHeight = digitHeight * lines + lines + 3;
    editor_->setGeometry(scale_.rect(pitch, pitch, editorWidth, editorHeight));
    runKey_->resize(scale_.rect(0, 0, digitWidth * kRunKeyDigits, digitHeight + 4).size());
    runKey_->setVisible(set.FRBtnF);
    placeRunKey();

    const bool vertical = set.ScBarF == kVerticalBar || set.ScBarF == kBothBars;
    const bool horizontal = set.ScBarF == kHorizontalBar || set.ScBarF == kBothBars;
    editor_->setVerticalScrollBarPolicy(Policy(vertical));
    editor_->setHorizontalScrollBarPolicy(Policy(horizontal));
    // Without a horizontal bar long lines wrap, so that all of them can be read.
    editor_->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);

    applyStyle(*editor_, style);
    applyStyle(style);
    resize(scale_.rect(0, 0, editorWidth + 2 * pitch, editorHeight + 2 * pitch).size());
}

unsigned FormulaPanel::shownChanges() const {
    return kDisplayChanged | kSheetChanged;
}

void FormulaPanel::show(const Calculator&, unsigned changes) {
    if (changes & kDisplayChanged) displayChanged();
    if (changes & kSheetChanged) showSheet();
}

void FormulaPanel::fitWidth(int width) {
    resize(width, height());
    editor_->resize(std::max(0, width - 2 * pitch_), editor_->height());
    placeRunKey();
}

void FormulaPanel::fill(const QRect& area) {
    setGeometry(area);
    editor_->setGeometry(pitch_, pitch_, std::max(0, area.width() - 2 * pitch_),
                         std::max(0, area.height() - 2 * pitch_));
    placeRunKey();
}

void FormulaPanel::placeRunKey() {
    const QRect memo = editor_->geometry();
    runKey_->move(memo.x() + memo.width() - runKey_->width(),
                  memo.y() + memo.height() - runKey_->height());
    runKey_->raise();
}

void FormulaPanel::showSheet() {
    // A command that left the selection where it was handed (a run of the
    // lines) keeps the editor's: the document moves it with the text around
    // it, so the caret stays in its line and the end stays the end.
    const bool selectionKept =
        handedSelection_ == SheetSelection{sheet_.selectionStart(), sheet_.selectionLength()};
    handedSelection_.reset();
    const FormulaEditor::ViewPlace place = editor_->viewPlace();
    const QString after = EditorText(sheet_.text());
    QTextCursor cursor(editor_->document());
    // The editor holds plain text in one character format: looking it up once
    // instead of at every insertion saves a tenth of a long run.
    const QTextCharFormat format = cursor.charFormat();
    // One edit of the document, one step to undo, however many lines were answered.
    cursor.beginEditBlock();
    QString piece;  // one buffer for every answer: ten thousand of them are inserted in a long run
    for (const TextEdit& edit : InsertedAnswers(editor_->toPlainText(), after)) {
        cursor.setPosition(static_cast<int>(edit.start));
        if (edit.removed > 0)
            cursor.setPosition(static_cast<int>(edit.start + edit.removed),
                               QTextCursor::KeepAnchor);
        piece.resize(0);
        if (edit.softLineBreak) piece += QChar::LineSeparator;
        piece += edit.inserted;
        cursor.insertText(piece, format);
    }
    cursor.endEditBlock();
    if (selectionKept) {
        editor_->showPlace(place);
        return;
    }
    const std::size_t start = sheet_.selectionStart();
    cursor.setPosition(static_cast<int>(EditorPosition(after, start)));
    cursor.setPosition(static_cast<int>(EditorPosition(after, start + sheet_.selectionLength())),
                       QTextCursor::KeepAnchor);
    editor_->setTextCursor(cursor);
}

KeptState::Sheet FormulaPanel::keptSheet() const {
    return {SheetText(editor_->toPlainText()), autoAnswer()};
}

void FormulaPanel::restoreSheet(const KeptState::Sheet& sheet) {
    editor_->setPlainText(EditorText(sheet.text));
    setAutoAnswer(sheet.autoAnswer);
}

void FormulaPanel::setAutoAnswer(bool on) {
    menu_.autoAnswer->setChecked(on);
    if (editWatch_) editWatch_();
    answerTimer_.stop();
    if (!on) {
        editor_->setAnswers({});
        return;
    }
    const QTextDocument* document = editor_->document();
    blockCount_ = document->blockCount();
    live_.replaceLines(0, live_.lineCount(), blockTexts(0, blockCount_ - 1));
    live_.answerChanged();
    editor_->setAnswers([this](int block) {
        return QString::fromStdString(live_.answer(static_cast<std::size_t>(block)));
    });
}

void FormulaPanel::displayChanged() {
    if (!autoAnswer()) return;
    live_.invalidate();
    answerTimer_.start();
}

std::size_t FormulaPanel::answerNow() {
    answerTimer_.stop();
    if (!autoAnswer()) return 0;
    const std::size_t evaluated = live_.answerChanged();
    if (evaluated > 0) editor_->viewport()->update();
    return evaluated;
}

// The paragraphs from `first` to `last`, each as its line up to any soft
// line break, after which a run's answer may stand.
std::vector<std::string> FormulaPanel::blockTexts(int first, int last) const {
    std::vector<std::string> texts;
    QTextBlock block = editor_->document()->findBlockByNumber(first);
    for (int n = first; n <= last && block.isValid(); ++n, block = block.next())
        texts.push_back(block.text().section(QChar::LineSeparator, 0, 0).toStdString());
    return texts;
}

// An edit replaced the paragraphs it touched: those, and only those, are
// answered again.
void FormulaPanel::linesEdited(int position, int charsRemoved, int charsAdded) {
    Q_UNUSED(charsRemoved);
    if (editWatch_) editWatch_();
    if (!autoAnswer()) return;
    const QTextDocument* document = editor_->document();
    QTextBlock firstBlock = document->findBlock(position);
    QTextBlock lastBlock = document->findBlock(position + charsAdded);
    if (!firstBlock.isValid()) firstBlock = document->lastBlock();
    if (!lastBlock.isValid()) lastBlock = document->lastBlock();
    const int first = firstBlock.blockNumber();
    const int last = lastBlock.blockNumber();
    const int count = document->blockCount();
    const int removed = (last - first + 1) - (count - blockCount_);
    blockCount_ = count;
    live_.replaceLines(static_cast<std::size_t>(first),
                       static_cast<std::size_t>(std::max(removed, 0)), blockTexts(first, last));
    answerTimer_.start();
}

void FormulaPanel::handTextToSheet() {
    const QString text = editor_->toPlainText();
    const QTextCursor cursor = editor_->textCursor();
    const std::size_t start = SheetPosition(text, cursor.selectionStart());
    sheet_.setText(SheetText(text));
    sheet_.select(start, SheetPosition(text, cursor.selectionEnd()) - start);
    handedSelection_ = SheetSelection{sheet_.selectionStart(), sheet_.selectionLength()};
}

void FormulaPanel::RunFormulaPanel() {
    handTextToSheet();
    commands_.holdingRefresh([this] { sheet_.RunFormulaPanel(); });
}

void FormulaPanel::CopyFormula() {
    handTextToSheet();
    commands_.holdingRefresh([this] { sheet_.CopyFormula(); });
}

void FormulaPanel::WriteFormulaFile() {
    handTextToSheet();
    const auto path = commands_.askPath(FileDialogKind::Save, QStringLiteral("ファイル書込"));
    if (path) commands_.holdingRefresh([&] { sheet_.WriteFormulaFile(*path); });
}

void FormulaPanel::ReadFormulaFile() {
    handTextToSheet();
    const auto path = commands_.askPath(FileDialogKind::Open, QStringLiteral("ファイル読込"));
    if (path) commands_.holdingRefresh([&] { sheet_.ReadFormulaFile(*path); });
}

// The double-click rule: the mouse-up after a double-click selects the line
// holding the caret and, with DblClickF, runs it.
void FormulaPanel::onMouseReleased() {
    if (!doubleClicked_) return;
    doubleClicked_ = false;
    handTextToSheet();
    const std::size_t caret = sheet_.selectionStart() + sheet_.selectionLength();
    commands_.holdingRefresh([this, caret] {
        sheet_.doubleClick();
        sheet_.mouseUp(caret);
    });
}

}  // namespace tavrik::ui
