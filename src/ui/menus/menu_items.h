// Named menu items: every menu command carries its object name, which the
// tests and the caption rules find it by.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <functional>

namespace tavrik::ui {

QMenu* AddMenu(QMenuBar& bar, const char* name, const QString& caption);
QAction* AddCommand(QMenu& menu, const char* name, const QString& caption,
                    const std::function<void()>& command);
// A check item; `command` gets the new check.
QAction* AddCheck(QMenu& menu, const char* name, const QString& caption,
                  const std::function<void(bool)>& command);

}  // namespace tavrik::ui
