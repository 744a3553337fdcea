#include "f_ryobun01.h"

#include "b_00_gui.h"
#include "dishes_gui.h"
#include "f_rhen01.h"
#include "flexgrid.h"
#include "ryouri_core.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

using namespace dishes;

namespace {
constexpr int kIdCol = 1;
constexpr int kNameCol = 2;

QString sameCategory()
{
    return QStringLiteral("同じ名前の料理分類が既に登録されています。");
}

QString categoryGone()
{
    return QStringLiteral("エラー：選択した料理分類が見つかりません。");
}
} // namespace

F_RyoBun01::F_RyoBun01(F_RHen01 *owner) : QDialog(owner), m_owner(owner)
{
    setObjectName(QStringLiteral("F_RyoBun01"));
    setWindowTitle(QStringLiteral("料理分類一覧"));

    auto *menuBar = new QMenuBar(this);
    QMenu *gamen = menuBar->addMenu(QStringLiteral("画面(&G)"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    connect(mnTojiru, &QAction::triggered, this, &F_RyoBun01::Command1_Click);

    vsGrid = new FlexGrid(this);
    vsGrid->setObjectName(QStringLiteral("vsGrid"));
    new FillWidth(vsGrid, kNameCol, 3000);
    vsGrid->setMinimumSize(300, 300);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Command4 = button(QStringLiteral("追加"), QStringLiteral("Command4"), QString(), this);
    Command3 = button(QStringLiteral("変更"), QStringLiteral("Command3"), QString(), this);
    Command2 = button(QStringLiteral("削除"), QStringLiteral("Command2"), QString(), this);
    Command5 = button(QStringLiteral("選 択"), QStringLiteral("Command5"), QString(), this);
    Command1 = button(QStringLiteral("閉じる"), QStringLiteral("Command1"), QString(), this);

    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("料理分類："), this));
    nameRow->addWidget(Text1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command4);
    buttons->addWidget(Command3);
    buttons->addWidget(Command2);
    buttons->addSpacing(12);
    buttons->addWidget(Command5);
    buttons->addStretch(1);
    buttons->addWidget(Command1);

    auto *lay = new QVBoxLayout(this);
    lay->setMenuBar(menuBar);
    lay->setContentsMargins(10, 8, 10, 10);
    lay->addWidget(vsGrid, 1);
    lay->addLayout(nameRow);
    lay->addLayout(buttons);

    connect(Command4, &QPushButton::clicked, this, &F_RyoBun01::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &F_RyoBun01::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &F_RyoBun01::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &F_RyoBun01::Command5_Click);
    connect(Command1, &QPushButton::clicked, this, &F_RyoBun01::Command1_Click);
    wireListGrid(vsGrid, this, Command5, [this](int row) { rowSelected(row); }, [this] { Command5_Click(); },
                 QStringLiteral("ダブルクリックで、選択します。"));

    guarded([this] { Form_Load(); });
    resize(400, 460);
}

void F_RyoBun01::Form_Load()
{
    HenkouFlg = false;
    setRowButtons(false);
    vsGrid->setRecordSource(bunruiListSql());
    vsGrid->setColWidth(kIdCol, 0);
    fillWidth(vsGrid, kNameCol, 3000);
}

void F_RyoBun01::setRowButtons(bool on)
{
    Command2->setEnabled(on);
    Command3->setEnabled(on);
    Command5->setEnabled(on);
}

void F_RyoBun01::rowSelected(int row)
{
    if (m_removing || row < 1 || row >= vsGrid->rows())
        return;
    Text1->setText(vsGrid->textMatrix(row, kNameCol));
    setRowButtons(true);
}

QString F_RyoBun01::checkedName()
{
    const QString name = Text1->text().trimmed();
    Text1->setText(name);
    if (name.isEmpty()) {
        info(QStringLiteral("料理分類名を入力してください。"));
        Text1->setFocus();
    }
    return name;
}

void F_RyoBun01::Command4_Click()
{
    guarded([this] {
        const QString name = checkedName();
        if (name.isEmpty())
            return;
        if (Bunrui_NameExists(name)) {
            info(sameCategory());
            return;
        }
        const qint64 id = Bunrui_Add(name);
        HenkouFlg = true;
        vsGrid->addRow({QString(), id, name});
        Grid_ID_Sentaku(vsGrid, kIdCol, id);
    });
}

void F_RyoBun01::Command3_Click()
{
    guarded([this] {
        const int row = vsGrid->row();
        if (row < 1)
            return;
        const QString name = checkedName();
        if (name.isEmpty())
            return;
        const qint64 id = vsGrid->valueMatrix(row, kIdCol).toLongLong();
        if (Bunrui_NameExists(name, id)) {
            info(sameCategory());
            return;
        }
        if (!ask(QStringLiteral("「") + vsGrid->textMatrix(row, kNameCol) + QStringLiteral("」に上書きします。よろしいですか。")))
            return;
        if (!Bunrui_Rename(id, name)) {
            warn(categoryGone());
            return;
        }
        HenkouFlg = true;
        vsGrid->setValueMatrix(row, kIdCol, id);
        vsGrid->setValueMatrix(row, kNameCol, name);
    });
}

void F_RyoBun01::Command2_Click()
{
    guarded([this] {
        const int row = vsGrid->row();
        if (row < 1)
            return;
        if (!ask(QStringLiteral("料理分類を削除します。よろしいですか。")))
            return;
        const qint64 id = vsGrid->valueMatrix(row, kIdCol).toLongLong();
        const int n = Bunrui_DishCount(id);
        if (n > 0
            && !ask(QStringLiteral("この分類に含まれる ") + QString::number(n)
                    + QStringLiteral(" 個の料理名も一緒に削除されます。\r\n本当に削除してよろしいですか？。")))
            return;
        if (!Bunrui_Delete(id)) {
            warn(categoryGone());
            return;
        }
        HenkouFlg = true;
        m_removing = true;
        vsGrid->removeRow(row);
        vsGrid->setCurrentCell(0, 1);
        m_removing = false;
        setRowButtons(false);
    });
}

void F_RyoBun01::Command5_Click()
{
    guarded([this] {
        const int row = vsGrid->row();
        if (row < 1)
            return;
        const qint64 id = vsGrid->valueMatrix(row, kIdCol).toLongLong();
        if (HenkouFlg)
            m_owner->ReSet_Lists();
        m_owner->setCategory(id);
        accept();
    });
}

void F_RyoBun01::Command1_Click()
{
    guarded([this] {
        if (HenkouFlg)
            m_owner->ReSet_Lists();
    });
    QDialog::reject();
}

void F_RyoBun01::reject()
{
    Command1_Click();
}

} // namespace mirte
