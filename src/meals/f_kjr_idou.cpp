#include "f_kjr_idou.h"

#include "b_01.h"
#include "handlers.h"
#include "meals_core.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

F_KJR_Idou::F_KJR_Idou(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_KJR_Idou"));
    setWindowTitle(QStringLiteral("料理入力－区分をまとめて変更"));
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(new QLabel(QStringLiteral("移す料理にチェックを付け、移す先の区分を選んでください。"), this));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    outer->addWidget(List1, 1);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("移す先の区分："), this));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItems(G_Syokuji_Kubun.size() == 4 ? G_Syokuji_Kubun
                                                 : QStringList{QStringLiteral("朝食"), QStringLiteral("昼食"),
                                                               QStringLiteral("夕食"), QStringLiteral("その他")});
    row->addWidget(Combo1);
    row->addStretch(1);
    Command1 = new QPushButton(QStringLiteral("移  動"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("閉じる"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    row->addWidget(Command1);
    row->addWidget(Command2);
    outer->addLayout(row);
    connect(Command1, &QPushButton::clicked, this, &F_KJR_Idou::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);

    guarded([this] {
        for (const DishName &d : dishNames(G_DB(), G_KK_ID)) {
            auto *item = new QListWidgetItem(QStringLiteral("%1　%2").arg(d.kubun, d.name), List1);
            item->setData(Qt::UserRole, d.serId);
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
    });
    resize(420, 380);
}

void F_KJR_Idou::Command1_Click()
{
    QList<qint64> ids;
    for (int i = 0; i < List1->count(); ++i)
        if (List1->item(i)->checkState() == Qt::Checked)
            ids << List1->item(i)->data(Qt::UserRole).toLongLong();
    if (ids.isEmpty()) {
        info(QStringLiteral("移す料理にチェックを付けてください。"));
        return;
    }
    guarded([&] {
        moveEatenDishes(G_DB(), ids, Combo1->currentText());
        accept();
    });
}

} // namespace mirte
