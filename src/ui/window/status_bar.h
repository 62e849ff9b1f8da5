// The status bar `stbMain`, kept at the top of the window: part 0 the
// "in front" marker, 1 the mode name, 2 messages, 3 the last operation; the
// red error strip `stxMsg` lies over part 2.
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>

#include "values/message_line.h"

namespace tavrik::ui {

class StatusBar final : public QWidget {
  public:
    explicit StatusBar(QWidget* parent);

    int preferredHeight() const;
    void showLine(const StatusLine& line);
    // "★" in part 0 while the window stays in front.
    void setTopmostMark(bool shown);
    // A text of the window itself in the message part (the guide-bar position).
    void showMessage(const QString& text);

    QString partText(int part) const;
    int partWidth(int part) const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeParts();
    // A part's text, with the name a screen reader reads for it.
    void setPart(int part, const QString& text);

    std::array<QLabel*, 4> parts_{};
    QLabel* strip_;  // stxMsg
    bool topmostMark_ = false;
};

}  // namespace tavrik::ui
