#include "ui/window/control_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QPlainTextEdit>

namespace tavrik::ui {

namespace {

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Tab and Shift+Tab, which Qt turns into moves between the controls.
bool MovesFocus(const QKeyEvent& key) {
    const bool tab = key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
    return tab && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// The keys with which the history list moves its selection.
bool MovesInList(int key) {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

}  // namespace

ControlKeys::ControlKeys(QWidget& window, Commands commands)
    : QObject(&window), window_(window), commands_(std::move(commands)) {
    qApp->installEventFilter(this);
}

bool ControlKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* control = static_cast<QWidget*>(watched);
    if (control == &window_ || control->window() != &window_) return false;
    return controlKey(watched, static_cast<QKeyEvent*>(event));
}

bool ControlKeys::controlKey(QObject* control, QKeyEvent* key) {
    // The formula editor's keys are text, and Tab moves between the controls.
    if (qobject_cast<QPlainTextEdit*>(control) || MovesFocus(*key)) return false;
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        if (!plain || !IsEnter(key->key()) || key->isAutoRepeat()) return false;
        button->click();
        return true;
    }
    if (auto* list = qobject_cast<QListView*>(control)) {
        if (plain && IsEnter(key->key())) {
            if (!key->isAutoRepeat()) commands_.replay();
            return true;
        }
        if (plain && key->key() == Qt::Key_Delete) {
            if (!key->isAutoRepeat()) commands_.deleteLine();
            return true;
        }
        // The list's own search and copy of its lines.
        if (key->matches(QKeySequence::Find) || key->matches(QKeySequence::Copy)) return false;
        if (MovesInList(key->key())) {
            // With no line selected, the first key selects one, from the top.
            if (!list->selectionModel()->hasSelection())
                list->selectionModel()->clearCurrentIndex();
            return false;
        }
        // Any other key is the calculator's, not the list's search.
        commands_.calculatorKey(key);
        return true;
    }
    return false;
}

}  // namespace tavrik::ui
