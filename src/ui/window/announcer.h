// What a screen reader says without the keyboard focus moving: a result, an
// error, the mode or the set that came into force. The announcer is a
// notification that shows itself again with each text, which screen readers
// speak once as it appears; it takes no room and draws nothing.
#pragma once

#include <QWidget>

namespace tavrik::ui {

class Announcer final : public QWidget {
  public:
    explicit Announcer(QWidget* parent);

    void announce(const QString& text);
};

}  // namespace tavrik::ui
