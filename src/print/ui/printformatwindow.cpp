#include "print/ui/printformatwindow.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/appdatamodule.h"
#include "app/session.h"
#include "print/printerror.h"
#include "print/printformattable.h"
#include "print/templatefile.h"
#include "print/ui/designerwindow.h"
#include "store/datamodule.h"
#include "store/programhome.h"
#include "store/storeerror.h"

namespace {

// The 位置 cell: its text and a "…" button that picks a template file.
class FileCellDelegate : public QStyledItemDelegate {
public:
    FileCellDelegate(TGG_DJ* window, QString folder)
        : QStyledItemDelegate(window), window_(window), folder_(std::move(folder)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* editor = new QWidget(parent);
        auto* layout = new QHBoxLayout(editor);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        auto* line = new QLineEdit(editor);
        line->setObjectName(QStringLiteral("text"));
        auto* button = new QToolButton(editor);
        button->setText(QStringLiteral("…"));
        layout->addWidget(line);
        layout->addWidget(button);
        editor->setFocusProxy(line);
        // The view knows the whole cell as the editor, not the line inside it.
        connect(line, &QLineEdit::returnPressed, editor, [this, editor] {
            auto* self = const_cast<FileCellDelegate*>(this);
            emit self->commitData(editor);
            emit self->closeEditor(editor, QAbstractItemDelegate::EditNextItem);
        });
        const int row = index.row();
        connect(button, &QToolButton::clicked, editor, [this, row, line] {
            const QString path = QFileDialog::getOpenFileName(
                window_, QStringLiteral("选择打印格式"), folder_,
                QStringLiteral("打印格式 (*%1)")
                    .arg(QString::fromLatin1(TemplateFile::kExtension)));
            if (!path.isEmpty()) {
                window_->chooseFile(row, path);
                line->setText(window_->table()->fileName(row));
            }
        });
        return editor;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        editor->findChild<QLineEdit*>(QStringLiteral("text"))
            ->setText(index.data(Qt::EditRole).toString());
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        model->setData(index, editor->findChild<QLineEdit*>(QStringLiteral("text"))->text(),
                       Qt::EditRole);
    }

private:
    TGG_DJ* window_;
    QString folder_;
};

}  // namespace

TGG_DJ::TGG_DJ(const Database& db, const ProgramHome& home, QWidget* parent)
    : QDialog(parent),
      db_(db),
      home_(home),
      table_(new PrintFormatTable(this)),
      view_(new QTableView(this)) {
    setWindowTitle(QStringLiteral("打印格式设置"));
    view_->setModel(table_);
    view_->setItemDelegateForColumn(PrintFormatTable::FileColumn,
                                    new FileCellDelegate(this, home.printFormatDir()));
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::AllEditTriggers);

    auto* quit = new QPushButton(QStringLiteral("退出"), this);
    auto* designButton = new QPushButton(QStringLiteral("设计"), this);
    auto* saveButton = new QPushButton(QStringLiteral("保存"), this);
    quit->setObjectName(QStringLiteral("quit"));
    designButton->setObjectName(QStringLiteral("design"));
    saveButton->setObjectName(QStringLiteral("save"));
    for (QPushButton* b : {quit, designButton, saveButton}) {
        b->setAutoDefault(false);
    }
    connect(quit, &QPushButton::clicked, this, &TGG_DJ::reject);
    connect(designButton, &QPushButton::clicked, this, &TGG_DJ::design);
    connect(saveButton, &QPushButton::clicked, this, [this] { save(true); });
    connect(table_, &PrintFormatTable::dataChanged, this, [] { session().UnsavedChanges = true; });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(designButton);
    buttons->addWidget(saveButton);
    buttons->addWidget(quit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addLayout(buttons);
    resize(560, 300);
}

void TGG_DJ::selectKinds(const QStringList& kinds) {
    unsavedBefore_ = session().UnsavedChanges;
    table_->load(db_, kinds);
    if (table_->rowCount() > 0) {
        view_->setCurrentIndex(table_->index(0, PrintFormatTable::NameColumn));
    }
}

bool TGG_DJ::save(bool withMessage) {
    try {
        table_->save(db_);
    } catch (const StoreError&) {
        if (withMessage) {
            QMessageBox::warning(this, QStringLiteral("提示"), QStringLiteral("保存失败！"));
        }
        return false;
    }
    // The flag is shared with the window that opened this one: give it back as it was.
    session().UnsavedChanges = unsavedBefore_;
    if (withMessage) {
        QMessageBox::information(this, QStringLiteral("提示"), QStringLiteral("保存成功！"));
    }
    return true;
}

void TGG_DJ::chooseFile(int row, const QString& path) {
    table_->setChosenFile(row, path);
}

void TGG_DJ::design() {
    const int row = view_->currentIndex().row();
    if (row < 0) {
        return;
    }
    const QString file = table_->fileName(row).trimmed();
    if (file.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("提示"), QStringLiteral("请先选择打印格式文件"));
        return;
    }
    try {
        DesignerWindow designer(QDir(home_.printFormatDir()).filePath(QFileInfo(file).fileName()),
                                table_->code(row), this);
        designer.exec();
    } catch (const PrintError& e) {
        QMessageBox::warning(this, QStringLiteral("提示"), e.message());
    }
}

void TGG_DJ::reject() {
    if (table_->isDirty()) {
        const QMessageBox::StandardButton answer = QMessageBox::question(
            this, QStringLiteral("提示"), QStringLiteral("当前还没有保存，是否现在保存？"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer == QMessageBox::Cancel) {
            return;
        }
        if (answer == QMessageBox::Yes) {
            save(false);
        } else {
            session().UnsavedChanges = unsavedBefore_;
        }
    }
    QDialog::reject();
}

void TGG_DJ::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

void openPrintFormats(QWidget* parent, const QStringList& kinds) {
    TGG_DJ window(DM_CS().connection(), DM_CS().home(), parent);
    window.selectKinds(kinds);
    window.exec();
}
