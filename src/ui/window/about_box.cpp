#include "ui/window/about_box.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/platform/app_icon.h"

namespace tavrik::ui {

namespace {

constexpr int kAboutIconSize = 48;
// Kept between the box and the screen's right edge.
constexpr int kScreenEdgeGap = 10;
// The window manager's title bar holds the title beside its icon and close
// button, in a font that may be larger than the box's own.
constexpr double kTitleFontAllowance = 1.25;
constexpr int kTitleBarButtonsWidth = 96;

}  // namespace

AboutBox::AboutBox(QWidget* parent)
    : QDialog(parent), ok_(new QPushButton(QStringLiteral("OK"), this)) {
    setObjectName("TavrikV");
    // A box of fixed size: a title and a close button, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QString::fromUtf8(kAboutTitle));
    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(kAboutIconSize, kAboutIconSize));
    icon->setAccessibleName(QStringLiteral("Tavrik"));
    auto* name = new QLabel(QStringLiteral("Tavrik"), this);
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    name->setFont(nameFont);
    auto* version = new QLabel(QString::fromLatin1(kVersionLine), this);
    version->setObjectName("stxVersion");
    auto* update = new QLabel(UpdateLine(), this);
    update->setObjectName("stxUpdate");
    ok_->setObjectName("btnOK");
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* heading = new QHBoxLayout;
    heading->addWidget(icon);
    heading->addWidget(name, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(version);
    layout->addWidget(update);
    layout->addWidget(ok_, 0, Qt::AlignHCenter);
    // Wide enough for the whole title, not only for the lines below it.
    layout->addStrut(
        static_cast<int>(fontMetrics().horizontalAdvance(windowTitle()) * kTitleFontAllowance) +
        kTitleBarButtonsWidth);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::execCentredOn(const QWidget& owner) {
    adjustSize();
    QRect bounds = rect();
    bounds.moveCenter(owner.frameGeometry().center());
    move(bounds.topLeft());
    exec();
}

void AboutBox::execAtPointer() {
    adjustSize();
    const QPoint pointer = QCursor::pos();
    const QScreen* screen = QGuiApplication::screenAt(pointer);
    if (!screen) screen = QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().right() + 1 : pointer.x() + width();
    move(AboutBoxAtPointer(pointer, ok_->geometry().center(), frameGeometry().size(), screenWidth));
    exec();
}

QString UpdateLine() {
    const QDate changed = QFileInfo(QCoreApplication::applicationFilePath()).lastModified().date();
    return QStringLiteral("LastUpDate: ") + changed.toString(QStringLiteral("yyyy/M/d"));
}

QPoint AboutBoxAtPointer(QPoint pointer, QPoint okCentre, QSize box, int screenWidth) {
    QPoint corner = pointer - okCentre;
    if (corner.x() + box.width() > screenWidth)
        corner.setX(screenWidth - box.width() - kScreenEdgeGap);
    return corner;
}

}  // namespace tavrik::ui
