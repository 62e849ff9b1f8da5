// A key of the key panel whose caption always fits: a caption wider than the
// key is drawn in a smaller font, down to a readable minimum, and then cut
// with "…"; it is never clipped at both ends. The full caption stays
// available for the tooltip and the screen reader.
#pragma once

#include <QPushButton>

namespace tavrik::ui {

class KeyButton final : public QPushButton {
  public:
    using QPushButton::QPushButton;

    // The smallest size a caption is shrunk to, in points.
    static constexpr double kMinimumCaptionPoints = 7.0;

    void setCaption(const QString& caption);
    const QString& fullCaption() const { return caption_; }
    // The key's font before fitting; the caption's font is this or smaller.
    void setKeyFont(const QFont& font);
    void setUnderlined(bool on);
    bool underlined() const { return keyFont_.underline(); }
    // The width a caption may take inside the key's frame.
    int captionRoom() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fitCaption();

    QString caption_;
    QFont keyFont_;
};

}  // namespace tavrik::ui
