// "配置": the check list of a set's panels and column breaks, with "↑" and
// "↓" to move the selected line.
#pragma once

#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <string>

namespace tavrik::ui {

class ArrangementList final : public QWidget {
  public:
    explicit ArrangementList(QWidget* parent = nullptr);

    void load(const std::string& disp);
    std::string disp() const;

    QListWidget* list() const { return list_; }
    // Swaps the selected line with its neighbour (-1 up, +1 down); the
    // selection follows the moved line.
    void move(int step);

  private:
    QListWidget* list_;
    QPushButton* up_;
    QPushButton* down_;
    std::string read_;  // `Disp` as loaded
};

}  // namespace tavrik::ui
