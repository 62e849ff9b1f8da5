#include "ui/window/announcer.h"

#include <utility>

#include "ui/platform/accessible_roles.h"

namespace tavrik::ui {

namespace {

// A widget of no size counts as not showing; one pixel that paints nothing does.
constexpr int kSize = 1;

}  // namespace

Announcer::Announcer(QWidget* parent, const Calculator& calc)
    : QWidget(parent),
      calc_(calc),
      announcedDisplay_(calc.displayText()),
      announcedMode_(calc.mode()) {
    setObjectName("ntfAnnounce");
    SetAccessibleRole(*this, QAccessible::Notification);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, kSize, kSize);
    hide();
}

// Hidden and shown again, so that every text is a new notification, also
// the same text twice in a row.
void Announcer::announce(const QString& text) {
    if (text.isEmpty()) return;
    hide();
    setAccessibleName(text);
    show();
}

void Announcer::changed(unsigned changes) {
    if (pending_ == 0)
        QMetaObject::invokeMethod(
            this, [this] { announceChanges(); }, Qt::QueuedConnection);
    pending_ |= changes;
}

// One announcement: the error before the mode, the mode before the result it shows.
void Announcer::announceChanges() {
    const unsigned changes = std::exchange(pending_, 0u);
    QString text;
    if ((changes & kDisplayChanged) && calc_.displayText() != announcedDisplay_) {
        announcedDisplay_ = calc_.displayText();
        if (calc_.state().entry.resultShown()) text = QString::fromStdString(announcedDisplay_);
    }
    if ((changes & kModeChanged) && calc_.mode() != announcedMode_) {
        announcedMode_ = calc_.mode();
        text = QStringLiteral("モード: ") + QString::fromUtf8(Calculator::ModeName(calc_.mode()));
    }
    if ((changes & kStatusChanged) && calc_.status().strip() != announcedError_) {
        announcedError_ = calc_.status().strip();
        if (!announcedError_.empty()) text = QString::fromStdString(announcedError_);
    }
    announce(text);
}

void Announcer::setInForce() {
    const SettingsSet& set = calc_.currentSet();
    if (announcedSet_ >= 0 && calc_.currentSetIndex() != announcedSet_ && !set.name.empty())
        announce(QStringLiteral("設定: ") + QString::fromStdString(set.name));
    announcedSet_ = calc_.currentSetIndex();
}

}  // namespace tavrik::ui
