// A test's user at a file dialog of the window.
#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

namespace tavrik::ui {

// Answers the next file dialog as a user would: types `path` into its name
// field and accepts, or cancels when `path` is empty; keeps the dialog's title.
class FileDialogAnswer {
  public:
    explicit FileDialogAnswer(QString path) : path_(std::move(path)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            timer_.stop();
            title = dialog->windowTitle();
            if (path_.isEmpty()) return dialog->reject();
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path_);
            static_cast<QDialog*>(dialog)->accept();  // as the dialog's own button does
        });
        timer_.start(kPollMs);
    }

    QString title;

  private:
    static constexpr int kPollMs = 10;
    QString path_;
    QTimer timer_;
};

}  // namespace tavrik::ui
