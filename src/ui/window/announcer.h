// What a screen reader says without the keyboard focus moving: a result, an
// error, the mode or the set that came into force. The announcer is a
// notification that shows itself again with each text, which screen readers
// speak once as it appears; it takes no room and draws nothing.
#pragma once

#include <QWidget>
#include <string>

#include "engine/calculator.h"

namespace tavrik::ui {

class Announcer final : public QWidget {
  public:
    // What the calculator shows when the announcer is made is not news.
    Announcer(QWidget* parent, const Calculator& calc);

    void announce(const QString& text);

    // Says a result, an error or the mode once the ViewChange bits show them
    // changed: after the command that changed them has finished, when the
    // calculator's state is whole, and once per change.
    void changed(unsigned changes);
    // The set in force after a layout: says its name when another set came
    // into force (the first layout says nothing).
    void setInForce();

  private:
    void announceChanges();

    const Calculator& calc_;
    unsigned pending_ = 0;  // ViewChange bits not yet looked at
    std::string announcedError_;
    std::string announcedDisplay_;
    CalcMode announcedMode_;
    int announcedSet_ = -1;
};

}  // namespace tavrik::ui
