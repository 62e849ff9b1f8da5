#include "ui/settings_dialog/settings_dialog.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "settings/set_names.h"
#include "textfile/lost_characters.h"
#include "ui/settings_dialog/basic_page.h"
#include "ui/settings_dialog/dialog_controls.h"
#include "ui/settings_dialog/dialog_text.h"
#include "ui/settings_dialog/function_group_page.h"
#include "ui/settings_dialog/key_leaves.h"
#include "ui/settings_dialog/key_page.h"
#include "ui/settings_dialog/set_pages.h"
#include "ui/settings_dialog/user_function_page.h"

namespace tavrik::ui {

namespace {

constexpr int kNodeRole = Qt::UserRole;
constexpr int kCodeRole = Qt::UserRole + 1;
constexpr int kNoSet = -1;

QPushButton* Button(const QString& caption, const char* name) {
    return Named(new QPushButton(caption), name, caption);
}

}  // namespace

SettingsDialog::SettingsDialog(SettingsDialogHost host, QWidget* parent)
    : QDialog(parent),
      host_(std::move(host)),
      prompt_(MessageBoxPrompt(this)),
      tree_(Named(new QTreeWidget, "tvwPage", QStringLiteral("設定項目"))),
      pages_(new QStackedWidget),
      emptyPage_(new QWidget),
      basicPage_(new BasicPage),
      setPages_(new SetPages),
      keyPage_(new KeyPage([this](BoxKind kind, const QString& text,
                                  bool withCancel) { return prompt_(kind, text, withCancel); },
                           [this](int code) { selectKeyLeaf(code); })),
      functionGroupPage_(new FunctionGroupPage),
      userFunctionPage_(
          new UserFunctionPage([this](BoxKind kind, const QString& text, bool withCancel) {
              return prompt_(kind, text, withCancel);
          })),
      add_(Button(QStringLiteral("追加"), "btnAdd")),
      delete_(Button(QStringLiteral("削除"), "btnDel")),
      previous_(Button(QStringLiteral("前頁"), "btnPrev")),
      next_(Button(QStringLiteral("次頁"), "btnNext")),
      ok_(Button(QStringLiteral("OK"), "btnOK")),
      forNow_(Button(QStringLiteral("一時設定"), "btnTemp")),
      cancel_(Button(QStringLiteral("キャンセル"), "btnCancel")) {
    setObjectName("TavrikD");
    setWindowTitle(QStringLiteral("設定変更"));
    setAccessibleName(QStringLiteral("設定変更"));
    buildTree();
    for (QWidget* page :
         {static_cast<QWidget*>(basicPage_), static_cast<QWidget*>(setPages_),
          static_cast<QWidget*>(keyPage_), static_cast<QWidget*>(functionGroupPage_),
          static_cast<QWidget*>(userFunctionPage_), emptyPage_})
        pages_->addWidget(page);

    forNow_->setDefault(true);
    for (QPushButton* button : {add_, delete_, previous_, next_, ok_, cancel_})
        button->setAutoDefault(false);
    auto* setButtons = new QHBoxLayout;
    for (QPushButton* button : {add_, delete_, previous_, next_}) setButtons->addWidget(button);
    setButtons->addStretch();
    for (QPushButton* button : {ok_, forNow_, cancel_}) setButtons->addWidget(button);
    auto* body = new QHBoxLayout;
    body->addWidget(tree_);
    body->addWidget(pages_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(setButtons);

    connect(tree_, &QTreeWidget::currentItemChanged, this, &SettingsDialog::nodeChanged);
    connect(add_, &QPushButton::clicked, this, &SettingsDialog::addSet);
    connect(delete_, &QPushButton::clicked, this, &SettingsDialog::deleteSet);
    connect(previous_, &QPushButton::clicked, this, [this] { turnSetPage(-1); });
    connect(next_, &QPushButton::clicked, this, [this] { turnSetPage(+1); });
    connect(ok_, &QPushButton::clicked, this, &SettingsDialog::confirm);
    connect(forNow_, &QPushButton::clicked, this, &SettingsDialog::applyForNow);
    connect(cancel_, &QPushButton::clicked, this, &SettingsDialog::reject);
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::setPrompt(DialogPrompt prompt) {
    prompt_ = std::move(prompt);
}

void SettingsDialog::buildTree() {
    tree_->setHeaderHidden(true);
    const auto node = [](const QString& caption, Node kind, int code = 0) {
        auto* item = new QTreeWidgetItem(QStringList{caption});
        item->setData(0, kNodeRole, static_cast<int>(kind));
        item->setData(0, kCodeRole, code);
        return item;
    };
    tree_->addTopLevelItem(node(QStringLiteral("基本"), Node::Basic));
    setsNode_ = node(QStringLiteral("個別"), Node::Sets);
    tree_->addTopLevelItem(setsNode_);
    keysNode_ = node(QStringLiteral("キー"), Node::Keys);
    for (const KeyGroup& group : KeyGroups()) {
        QTreeWidgetItem* groupNode = node(Text(group.caption), Node::KeyGroup);
        for (const KeyLeaf& leaf : group.leaves)
            groupNode->addChild(node(Text(leaf.caption), Node::KeyLeaf, leaf.code));
        keysNode_->addChild(groupNode);
    }
    tree_->addTopLevelItem(keysNode_);
    tree_->addTopLevelItem(node(QStringLiteral("関数（選択）"), Node::FunctionGroups));
    tree_->addTopLevelItem(node(QStringLiteral("関数（定義）"), Node::UserFunctions));
}

void SettingsDialog::open() {
    activate();
    exec();
}

// Enter in a text field ends the typing there; it does not press the
// default button ("一時設定") of the dialog.
void SettingsDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QWidget* focus = focusWidget();
    const auto* list = qobject_cast<const QComboBox*>(focus);
    if (enter && (qobject_cast<const QLineEdit*>(focus) ||
                  qobject_cast<const QAbstractSpinBox*>(focus) || (list && list->isEditable()))) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void SettingsDialog::activate() {
    if (reloadOnOpen_) reload();
    add_->setEnabled(CanAddSet(static_cast<std::size_t>(setCount()), copy_.SectionList.size()));
    functionGroupPage_->setFunctionList(copy_);
    const int current = host_.currentSetIndex();
    if (current >= 0 && current < kSetSlots) inForce_[static_cast<std::size_t>(current)] = true;
}

void SettingsDialog::reload() {
    reloadOnOpen_ = false;
    copy_ = host_.settings();
    inForce_.fill(false);
    editedSet_ = kNoSet;
    keyPage_->load(copy_);
    rebuildSetNodes();
    basicPage_->load(copy_, setNames());
    functionGroupPage_->load(copy_);
    userFunctionPage_->load(copy_);
    setPages_->setCurrentIndex(0);
    {
        const QSignalBlocker blocker(tree_);
        tree_->setCurrentItem(tree_->topLevelItem(0));
    }
    setsNode_->setExpanded(true);
    showNode(tree_->currentItem());
}

void SettingsDialog::rebuildSetNodes() {
    const QSignalBlocker blocker(tree_);
    qDeleteAll(setsNode_->takeChildren());
    for (int slot = 0; slot <= copy_.LastSetIndex && slot < kMaxSets; ++slot) {
        auto* item = new QTreeWidgetItem(QStringList{
            QString::fromStdString(copy_.SetTable[static_cast<std::size_t>(slot)].name)});
        item->setData(0, kNodeRole, static_cast<int>(Node::Set));
        setsNode_->addChild(item);
    }
}

int SettingsDialog::setCount() const {
    return setsNode_->childCount();
}

std::vector<std::string> SettingsDialog::setNames() const {
    std::vector<std::string> names;
    for (int slot = 0; slot < setCount(); ++slot)
        names.push_back(copy_.SetTable[static_cast<std::size_t>(slot)].name);
    return names;
}

bool SettingsDialog::setPageShown() const {
    return pages_->currentWidget() == setPages_ && editedSet_ != kNoSet;
}

// A refused name keeps the selection where it is. A mouse press selects the
// clicked node only after this returns, so the selection goes back once the
// press is done.
void SettingsDialog::nodeChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    if (!current) return;
    if (!validateName()) {
        {
            const QSignalBlocker blocker(tree_);
            tree_->setCurrentItem(previous);
        }
        const QPersistentModelIndex kept = tree_->currentIndex();
        QTimer::singleShot(0, this, [this, kept] {
            if (!kept.isValid()) return;
            const QSignalBlocker blocker(tree_);
            tree_->setCurrentIndex(kept);
        });
        return;
    }
    showNode(current);
}

void SettingsDialog::showNode(QTreeWidgetItem* item) {
    switch (static_cast<Node>(item->data(0, kNodeRole).toInt())) {
        case Node::Basic:
            pages_->setCurrentWidget(basicPage_);
            break;
        case Node::Sets:
            if (setCount() > 0)
                showSet(0);
            else
                pages_->setCurrentWidget(emptyPage_);
            break;
        case Node::Set:
            showSet(setsNode_->indexOfChild(item));
            break;
        case Node::Keys:
            showKeyLeaf(item->child(0)->child(0));
            break;
        case Node::KeyGroup:
            showKeyLeaf(item->child(0));
            break;
        case Node::KeyLeaf:
            showKeyLeaf(item);
            break;
        case Node::FunctionGroups:
            // Titles renamed on "関数（定義）" show in the cells and the list.
            userFunctionPage_->store(copy_);
            functionGroupPage_->store(copy_);
            functionGroupPage_->load(copy_);
            pages_->setCurrentWidget(functionGroupPage_);
            break;
        case Node::UserFunctions:
            pages_->setCurrentWidget(userFunctionPage_);
            break;
    }
    updateButtons();
}

// Keeps the edits of the set shown so far, then shows `slot` on the page
// already in front (page 1 when another page was in front).
void SettingsDialog::showSet(int slot) {
    if (editedSet_ != kNoSet)
        setPages_->store(copy_.SetTable[static_cast<std::size_t>(editedSet_)]);
    const SettingsSet& set = copy_.SetTable[static_cast<std::size_t>(slot)];
    setPages_->load(set);
    setPages_->nameEdit()->setText(QString::fromStdString(set.name));
    editedSet_ = slot;
    if (pages_->currentWidget() != setPages_) setPages_->setCurrentIndex(0);
    pages_->setCurrentWidget(setPages_);
}

void SettingsDialog::showKeyLeaf(const QTreeWidgetItem* leaf) {
    keyPage_->showKey(leaf->data(0, kCodeRole).toInt(), leaf->text(0).toStdString());
    pages_->setCurrentWidget(keyPage_);
}

void SettingsDialog::selectKeyLeaf(int code) {
    for (int g = 0; g < keysNode_->childCount(); ++g) {
        QTreeWidgetItem* group = keysNode_->child(g);
        for (int l = 0; l < group->childCount(); ++l) {
            if (group->child(l)->data(0, kCodeRole).toInt() == code) {
                group->setExpanded(true);
                tree_->setCurrentItem(group->child(l));
                return;
            }
        }
    }
}

void SettingsDialog::updateButtons() {
    const bool shown = setPageShown();
    const int page = setPages_->currentIndex();
    delete_->setEnabled(shown);
    previous_->setEnabled(shown && page > 0);
    next_->setEnabled(shown && page < SetPages::kPageCount - 1);
}

void SettingsDialog::turnSetPage(int step) {
    if (!validateName()) return;
    const int page = setPages_->currentIndex() + step;
    if (page < 0 || page >= SetPages::kPageCount) return;
    setPages_->setCurrentIndex(page);
    updateButtons();
}

bool SettingsDialog::validateName() {
    if (!setPageShown() || setPages_->currentIndex() != 0) return true;
    SettingsSet& set = copy_.SetTable[static_cast<std::size_t>(editedSet_)];
    const std::string name = setPages_->nameEdit()->text().toStdString();
    if (const auto fault = SetNameFault(name, set.name, setNames(), copy_.SectionList)) {
        prompt_(BoxKind::Error, QString::fromStdString(*fault), false);
        setPages_->nameEdit()->setFocus();
        return false;
    }
    set.name = name;
    setsNode_->child(editedSet_)->setText(0, QString::fromStdString(name));
    basicPage_->setSetNames(setNames());
    return true;
}

void SettingsDialog::addSet() {
    if (!validateName()) return;
    if (!CanAddSet(static_cast<std::size_t>(setCount()), copy_.SectionList.size())) {
        prompt_(BoxKind::Error, QStringLiteral("これ以上追加できません"), false);
        return;
    }
    const int slot = setCount();
    SettingsSet& set = copy_.SetTable[static_cast<std::size_t>(slot)];
    set = copy_.SetTable[kDefaultSetSlot];
    inForce_[static_cast<std::size_t>(slot)] = inForce_[kDefaultSetSlot];
    set.name = NewSetName(setNames(), copy_.SectionList);
    auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(set.name)});
    item->setData(0, kNodeRole, static_cast<int>(Node::Set));
    setsNode_->addChild(item);
    basicPage_->setSetNames(setNames());
    setPages_->setCurrentIndex(0);
    tree_->setCurrentItem(item);
    setPages_->setCurrentIndex(0);
    updateButtons();
    add_->setEnabled(CanAddSet(static_cast<std::size_t>(setCount()), copy_.SectionList.size()));
}

void SettingsDialog::deleteSet() {
    if (!setPageShown()) return;
    if (!prompt_(BoxKind::Warning, QStringLiteral("削除してもよろしいですか？"), true)) return;
    const int slot = editedSet_;
    const int count = setCount();
    for (int i = slot; i + 1 < count; ++i) {
        copy_.SetTable[static_cast<std::size_t>(i)] =
            copy_.SetTable[static_cast<std::size_t>(i + 1)];
        inForce_[static_cast<std::size_t>(i)] = inForce_[static_cast<std::size_t>(i + 1)];
    }
    copy_.SetTable[static_cast<std::size_t>(count - 1)] = copy_.SetTable[kDefaultSetSlot];
    inForce_[static_cast<std::size_t>(count - 1)] = false;
    editedSet_ = kNoSet;
    QTreeWidgetItem* previous = slot > 0 ? setsNode_->child(slot - 1) : setsNode_;
    {
        const QSignalBlocker blocker(tree_);
        delete setsNode_->takeChild(slot);
    }
    basicPage_->setSetNames(setNames());
    add_->setEnabled(CanAddSet(static_cast<std::size_t>(setCount()), copy_.SectionList.size()));
    if (tree_->currentItem() == previous)
        showNode(previous);
    else
        tree_->setCurrentItem(previous);
}

SettingsDialog::Applied SettingsDialog::applyCopy(bool askBeforeLoss) {
    if (!validateName()) return Applied::InvalidName;
    copy_.LastSetIndex = setCount() - 1;
    int marked = kNoSet;
    for (int slot = 0; slot < kMaxSets; ++slot) {
        bool& mark = inForce_[static_cast<std::size_t>(slot)];
        if (mark && marked == kNoSet) marked = slot;
        mark = false;
    }
    basicPage_->store(copy_);
    if (editedSet_ != kNoSet)
        setPages_->store(copy_.SetTable[static_cast<std::size_t>(editedSet_)]);
    keyPage_->store(copy_);
    functionGroupPage_->store(copy_);
    userFunctionPage_->store(copy_);
    if (askBeforeLoss && !acceptLoss(copy_)) {
        if (marked != kNoSet) inForce_[static_cast<std::size_t>(marked)] = true;
        return Applied::Kept;
    }
    host_.apply(copy_, marked);
    return Applied::Yes;
}

bool SettingsDialog::acceptLoss(const GlobalSettings& settings) {
    if (!host_.lostCharacters) return true;
    const std::vector<std::string> lost = host_.lostCharacters(settings);
    if (lost.empty()) return true;
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    const bool accepted =
        prompt_(BoxKind::Warning, QString::fromStdString(LostCharactersQuestion(lost)), true);
    QApplication::restoreOverrideCursor();
    return accepted;
}

void SettingsDialog::confirm() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Refusing to lose characters keeps the dialog open on the edits; an
    // invalid name saves the settings in force, which are unchanged.
    const Applied applied = applyCopy(true);
    if (applied == Applied::Kept) {
        QApplication::restoreOverrideCursor();
        return;
    }
    const bool refused = applied == Applied::InvalidName && !acceptLoss(host_.settings());
    const bool failed = !refused && !host_.save();
    // The save records the sections it wrote; the copy follows.
    copy_.SectionList = host_.settings().SectionList;
    QApplication::restoreOverrideCursor();
    if (failed) prompt_(BoxKind::Error, QStringLiteral("ファイルが作成できませんでした"), false);
    accept();
}

void SettingsDialog::applyForNow() {
    if (!prompt_(BoxKind::Warning, QStringLiteral("変更は保存されませんがよろしいですか？"), true))
        return;
    if (applyCopy() == Applied::Yes) accept();
}

void SettingsDialog::reject() {
    reloadOnOpen_ = true;
    QDialog::reject();
}

}  // namespace tavrik::ui
