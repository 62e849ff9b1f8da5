// The status bar `stbMain`, kept at the top of the window: the parts of
// StatusPart, left to right; the red error strip `stxMsg` lies over the
// message part.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>

#include "values/message_line.h"

namespace tavrik::ui {

class StatusBar final : public QWidget {
  public:
    explicit StatusBar(QWidget* parent);

    int preferredHeight() const;
    void showLine(const StatusLine& line);
    // "★" in the first part while the window stays in front.
    void setTopmostMark(bool shown);
    // A text of the window itself in the message part (the guide-bar position).
    void showMessage(const QString& text);
    // A text of the window that the message part shows for a moment (the new
    // zoom); what it showed before comes back unless something replaced it.
    void showBriefly(const QString& text);

    QString partText(StatusPart part) const;
    int partWidth(StatusPart part) const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void placeParts();
    // A part's text, with the name a screen reader reads for it.
    void setPart(StatusPart part, const QString& text);
    void fitPart(StatusPart part);
    QLabel* part(StatusPart part) const { return parts_[static_cast<std::size_t>(part)]; }

    std::array<QLabel*, kStatusPartCount> parts_{};
    std::array<QString, kStatusPartCount> texts_;  // whole, as a part may show them cut
    QLabel* strip_;                                // stxMsg
    bool topmostMark_ = false;
    QTimer briefTimer_;
    QString briefText_;
    QString textBeforeBrief_;
};

}  // namespace tavrik::ui
