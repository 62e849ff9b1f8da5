#include "ui/panels/formula_editor.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

#include "ui/panels/formula_editor_accessible.h"

namespace tavrik::ui {

FormulaEditor::FormulaEditor(QWidget* parent, Handlers handlers)
    : QPlainTextEdit(parent), handlers_(std::move(handlers)) {
    setObjectName("memF");
    // Tab is a character here; Ctrl+Tab leaves the editor.
    setTabChangesFocus(false);
    FormulaEditorAccessible::Install();
}

bool FormulaEditor::shortcut(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const int key = event.key();
    // Shift+Tab types nothing, so it leaves backwards as everywhere else.
    const bool backwards =
        key == Qt::Key_Backtab || (key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier));
    if (backwards || (key == Qt::Key_Tab && (modifiers & Qt::ControlModifier))) {
        // Past the editor's own focusNextPrevChild, which keeps the focus.
        QWidget::focusNextPrevChild(!backwards);
        return true;
    }
    if (modifiers == Qt::ControlModifier && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        handlers_.run();
        return true;
    }
    const bool menuKey = key == Qt::Key_Menu && modifiers == Qt::NoModifier;
    const bool shiftF10 = key == Qt::Key_F10 && modifiers == Qt::ShiftModifier;
    if ((menuKey || shiftF10) && popup_) {
        popup_->popup(viewport()->mapToGlobal(cursorRect().bottomLeft()));
        return true;
    }
    return false;
}

// The window turns a key released after its press into a keypad key. Keys
// typed here are text, so neither half may travel on to the window, not even
// a key the editor has no use for.
void FormulaEditor::keyPressEvent(QKeyEvent* event) {
    if (!shortcut(*event)) QPlainTextEdit::keyPressEvent(event);
    event->accept();
}

void FormulaEditor::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

void FormulaEditor::mouseDoubleClickEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseDoubleClickEvent(event);
    handlers_.doubleClicked();
}

void FormulaEditor::mouseReleaseEvent(QMouseEvent* event) {
    QPlainTextEdit::mouseReleaseEvent(event);
    handlers_.mouseReleased();
}

void FormulaEditor::setAnswers(AnswerOf answerOf) {
    answerOf_ = std::move(answerOf);
    viewport()->update();
}

// Answers stand right-aligned on the first line of their paragraph, over a
// patch of the editor's background, in the placeholder colour; only the
// visible paragraphs are looked at.
void FormulaEditor::paintEvent(QPaintEvent* event) {
    QPlainTextEdit::paintEvent(event);
    if (!answerOf_) return;
    QPainter painter(viewport());
    const QFontMetrics metrics(font());
    const int margin = metrics.horizontalAdvance(QLatin1Char(' '));
    const int right = viewport()->width() - margin;
    const QPointF offset = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF box = blockBoundingGeometry(block).translated(offset);
        if (box.top() > viewport()->height()) break;
        const QString answer = answerOf_(block.blockNumber());
        if (answer.isEmpty()) continue;
        const QString shown = QStringLiteral("= ") + answer;
        const int width = metrics.horizontalAdvance(shown);
        const QRect area(right - width, static_cast<int>(box.top()), width, metrics.height());
        painter.fillRect(area.adjusted(-margin, 0, margin, 0), palette().color(QPalette::Base));
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter, shown);
    }
}

FormulaEditor::ViewPlace FormulaEditor::viewPlace() const {
    const QTextBlock top = firstVisibleBlock();
    return {QTextCursor(top), verticalScrollBar()->value() - top.firstLineNumber(),
            horizontalScrollBar()->value()};
}

void FormulaEditor::showPlace(const ViewPlace& place) {
    const QTextBlock top = place.top.block();
    const int linesPast = std::clamp(place.linesPast, 0, std::max(0, top.lineCount() - 1));
    verticalScrollBar()->setValue(top.firstLineNumber() + linesPast);
    horizontalScrollBar()->setValue(place.horizontal);
}

void FormulaEditor::contextMenuEvent(QContextMenuEvent* event) {
    if (popup_) popup_->exec(event->globalPos());
}

}  // namespace tavrik::ui
