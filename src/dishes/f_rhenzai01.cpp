#include "f_rhenzai01.h"

#include "b_00_gui.h"
#include "b_01.h"
#include "datacombo.h"
#include "dishes_gui.h"
#include "f_help.h"
#include "f_zaiseibun01.h"
#include "f_henkan.h"
#include "f_seiken01.h"
#include "flexgrid.h"
#include "ryouri_core.h"
#include "statusbartext.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

using namespace dishes;

namespace {
QLineEdit *foodBox(const QString &name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    // Filled from a row or by the browser, never typed.
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::ClickFocus);
    return e;
}
} // namespace

QString F_RHenZai01::defaultStatusText()
{
    return QStringLiteral("料理に使う材料とその分量を変更します。");
}

QString F_RHenZai01::captionFor(const QString &dishName)
{
    return QStringLiteral("料理マスタ編集-材料一覧") + QStringLiteral("    料理名：") + dishName;
}

F_RHenZai01::F_RHenZai01(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("F_RHenZai01"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildUi();
    if (F_SeiKen01 *s = G_SeiKen())
        connect(s, &F_SeiKen01::foodChosen, this, &F_RHenZai01::foodChosen);
    guarded([this] { Form_Load(); });
}

void F_RHenZai01::buildUi()
{
    StBar = new StatusBarText(this);
    setStatusBar(StBar);

    screenMenu(this, mnSetu, mnTojiru);

    auto *central = new QWidget(this);
    setCentralWidget(central);

    Frame1 = new QGroupBox(QStringLiteral("材料"), central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    vsGrid = new FlexGrid(Frame1);
    vsGrid->setObjectName(QStringLiteral("vsGrid"));
    new FillWidth(vsGrid, zairyou_col::Saibun, 2200);
    vsGrid->setWordWrap(true);
    vsGrid->setMinimumSize(560, 260);
    auto *frameLay = new QVBoxLayout(Frame1);
    frameLay->addWidget(vsGrid);

    const QString foodTip = QStringLiteral("材料名です。「材料一覧」から選択します。");
    Text9 = foodBox(QStringLiteral("Text9"), central);
    Text1 = foodBox(QStringLiteral("Text1"), central);
    Text2 = foodBox(QStringLiteral("Text2"), central);
    Text8 = foodBox(QStringLiteral("Text8"), central);
    for (QLineEdit *e : {Text9, Text1, Text2})
        e->setToolTip(foodTip);
    Text3 = new QLineEdit(QStringLiteral("0"), central);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setAlignment(Qt::AlignRight);
    Text3->setMaximumWidth(110);
    DBCombo1 = new DataCombo(central);
    DBCombo1->setObjectName(QStringLiteral("DBCombo1"));
    DBCombo1->setMinimumContentsLength(10);
    DBCombo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    Command1 = button(QStringLiteral("材料一覧"), QStringLiteral("Command1"), QStringLiteral("材料の一覧（成分表）から材料を指定します。"), central);
    Command5 = button(QStringLiteral("追 加"), QStringLiteral("Command5"), QStringLiteral("画面（上）で選択した食品をこの料理の材料として、追加します。"), central);
    Command4 = button(QStringLiteral("変 更"), QStringLiteral("Command4"), QStringLiteral("選択した材料を、画面（上）の内容に、変更します。"), central);
    Command3 = button(QStringLiteral("削 除"), QStringLiteral("Command3"), QStringLiteral("選択した材料を削除します。"), central);
    Command6 = button(QStringLiteral("成分表示"), QStringLiteral("Command6"), QStringLiteral("この料理の栄養成分を表示します。"), central);
    Command7 = button(QStringLiteral("分量換算"), QStringLiteral("Command7"), QStringLiteral("加工前の分量から可食部の分量に換算します。（成分表の廃棄率を利用）"), central);
    Command2 = button(QStringLiteral("閉じる"), QStringLiteral("Command2"), QStringLiteral("画面を閉じ、前画面に戻ります。"), central);
    for (QPushButton *b : {Command1, Command5, Command4, Command3, Command6, Command7, Command2})
        StBar->addHint(b, b->toolTip());

    auto *form = new QGridLayout;
    form->setHorizontalSpacing(8);
    auto label = [central](const QString &t) { return new QLabel(t, central); };
    form->addWidget(label(QStringLiteral("食 品 群 ：")), 0, 0);
    form->addWidget(Text9, 0, 1);
    form->addWidget(Command1, 0, 2);
    form->addWidget(label(QStringLiteral("食 品 名 ：")), 1, 0);
    form->addWidget(Text1, 1, 1, 1, 2);
    form->addWidget(label(QStringLiteral("細    分  ：")), 2, 0);
    form->addWidget(Text2, 2, 1, 1, 2);
    form->addWidget(label(QStringLiteral("分量目安：")), 3, 0);
    form->addWidget(Text8, 3, 1, 1, 2);
    auto *qty = new QHBoxLayout;
    qty->addWidget(Text3);
    qty->addWidget(label(QStringLiteral("ｇ")));
    qty->addSpacing(8);
    qty->addWidget(Command7);
    qty->addSpacing(20);
    qty->addWidget(label(QStringLiteral("調 理 法 ：")));
    qty->addWidget(DBCombo1);
    qty->addStretch(1);
    form->addWidget(label(QStringLiteral("分    量  ：")), 4, 0);
    form->addLayout(qty, 4, 1, 1, 2);
    form->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command5);
    buttons->addWidget(Command4);
    buttons->addWidget(Command3);
    buttons->addSpacing(16);
    buttons->addWidget(Command6);
    buttons->addStretch(1);
    buttons->addWidget(Command2);

    auto *lay = new QVBoxLayout(central);
    lay->setContentsMargins(10, 8, 10, 6);
    lay->addWidget(Frame1, 1);
    lay->addLayout(form);
    lay->addSpacing(4);
    lay->addLayout(buttons);

    StBar->addHint(this, defaultStatusText());
    StBar->addHint(central, defaultStatusText());
    StBar->addHint(Frame1, defaultStatusText());

    connect(Command1, &QPushButton::clicked, this, &F_RHenZai01::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &F_RHenZai01::Command5_Click);
    connect(Command4, &QPushButton::clicked, this, &F_RHenZai01::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &F_RHenZai01::Command3_Click);
    connect(Command6, &QPushButton::clicked, this, &F_RHenZai01::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &F_RHenZai01::Command7_Click);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
    connect(vsGrid, &FlexGrid::currentRowChanged, this, &F_RHenZai01::rowSelected);
    connect(vsGrid, &FlexGrid::sorted, this, [this] { rowSelected(vsGrid->row()); });
    resize(720, 620);
}

void F_RHenZai01::Form_Load()
{
    m_zairyouId = 0;
    G_Sei_ID = 0;
    for (QLineEdit *e : {Text1, Text2, Text8, Text9})
        e->clear();
    Text3->setText(QStringLiteral("0"));
    setRowButtons(false);
    StBar->setText(defaultStatusText());
    setWindowTitle(captionFor(G_Mst_Ryouri_Mei));
    vsGrid->setRecordSource(zairyouListSql(), {G_Mst_Ryouri_ID});
    DBCombo1->setRowSource(tyouriListSql(), {}, QStringLiteral("調理法"), QStringLiteral("調理法ID"));
    DBCombo1->setCurrentIndex(-1);
    Retu_Settei();
    if (vsGrid->rows() <= 1) {
        DBCombo1->setBoundValue(kDefaultTyouriId);
    } else {
        vsGrid->setRow(1);
        rowSelected(1);
    }
}

void F_RHenZai01::Retu_Settei()
{
    using namespace zairyou_col;
    vsGrid->setColWidth(0, 200);
    for (int c : {Gun, Id, SeiId, TyouriId, Meyasu})
        vsGrid->setColWidth(c, 0);
    vsGrid->setColWidth(Mei, 2450);
    vsGrid->setColWidth(Saibun, 2200);
    vsGrid->setColWidth(Bunryou, 700);
    vsGrid->setColWidth(Tyouri, 1000);
    // A long sub-division gets the room the window has to spare.
    fillWidth(vsGrid, Saibun, 2200);
    vsGrid->setAllRowHeights(520);
    vsGrid->setRowHeight(0, 270);
}

bool F_RHenZai01::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        Retu_Settei();
    return QMainWindow::event(e);
}

void F_RHenZai01::setRowButtons(bool on)
{
    Command3->setEnabled(on);
    Command4->setEnabled(on);
}

void F_RHenZai01::rowSelected(int row)
{
    using namespace zairyou_col;
    if (m_removing || row < 1 || row >= vsGrid->rows())
        return;
    Text9->setText(vsGrid->textMatrix(row, Gun));
    Text1->setText(vsGrid->textMatrix(row, Mei));
    Text2->setText(vsGrid->textMatrix(row, Saibun));
    Text3->setText(vsGrid->textMatrix(row, Bunryou));
    DBCombo1->setBoundValue(vsGrid->valueMatrix(row, TyouriId));
    Text8->setText(vsGrid->textMatrix(row, Meyasu));
    m_zairyouId = vsGrid->valueMatrix(row, Id).toLongLong();
    G_Sei_ID = vsGrid->valueMatrix(row, SeiId).toLongLong();
    setRowButtons(true);
}

void F_RHenZai01::foodChosen(int callerCode, const FoodPick &pick)
{
    if (callerCode != 3 && callerCode != 11)
        return;
    Text9->setText(pick.group);
    Text1->setText(pick.name);
    Text2->setText(pick.saibun);
    Text8->setText(pick.guide);
    show();
    raise();
    activateWindow();
}

bool F_RHenZai01::checkedQuantity(double &q)
{
    const auto checked = Bunryou_Check(Text3->text());
    if (!checked) {
        info(QStringLiteral("分量が無効な値です。"));
        Text3->setFocus();
        Text3->selectAll();
        return false;
    }
    q = *checked;
    Text3->setText(BunryouText(q));
    return true;
}

void F_RHenZai01::writeRow(int row, qint64 zairyouId)
{
    using namespace zairyou_col;
    vsGrid->setValueMatrix(row, Gun, Text9->text());
    vsGrid->setValueMatrix(row, Mei, Text1->text());
    vsGrid->setValueMatrix(row, Saibun, Text2->text());
    vsGrid->setValueMatrix(row, Bunryou, Val(Text3->text()));
    vsGrid->setValueMatrix(row, Id, zairyouId);
    vsGrid->setValueMatrix(row, SeiId, G_Sei_ID);
    vsGrid->setValueMatrix(row, TyouriId, DBCombo1->boundValue());
    vsGrid->setValueMatrix(row, Meyasu, Text8->text());
    vsGrid->setValueMatrix(row, Tyouri, DBCombo1->text());
}

Zairyou F_RHenZai01::entered(double q)
{
    // Every ingredient has a cooking method; none chosen is the ordinary one.
    if (!DBCombo1->boundValue().isValid())
        DBCombo1->setBoundValue(kDefaultTyouriId);
    Zairyou z;
    z.ryouriId = G_Mst_Ryouri_ID;
    z.seibunId = G_Sei_ID;
    z.bunryou = q;
    z.tyouriId = DBCombo1->boundValue().toInt();
    return z;
}

int F_RHenZai01::rowOf(qint64 zairyouId) const
{
    for (int i = 1; i < vsGrid->rows(); ++i)
        if (vsGrid->valueMatrix(i, zairyou_col::Id).toLongLong() == zairyouId)
            return i;
    return 0;
}

void F_RHenZai01::Command5_Click()
{
    guarded([this] {
        if (G_Sei_ID == 0) {
            info(QStringLiteral("材料が入力されていません。"));
            return;
        }
        double q = 0;
        if (!checkedQuantity(q))
            return;
        const qint64 id = Zairyou_Add(entered(q));
        const int row = vsGrid->addRow({QString()});
        writeRow(row, id);
        m_zairyouId = id;
        Retu_Settei();
        Grid_ID_Sentaku(vsGrid, zairyou_col::Id, id);
    });
}

void F_RHenZai01::Command4_Click()
{
    guarded([this] {
        if (m_zairyouId == 0 || !Zairyou_Exists(m_zairyouId)) {
            info(QStringLiteral("材料が見つかりません。"));
            return;
        }
        double q = 0;
        if (!checkedQuantity(q))
            return;
        if (!Zairyou_Update(m_zairyouId, entered(q))) {
            info(QStringLiteral("材料が見つかりません。"));
            return;
        }
        // The row of the ingredient, wherever a sort has put it.
        if (const int r = rowOf(m_zairyouId))
            writeRow(r, m_zairyouId);
    });
}

void F_RHenZai01::Command3_Click()
{
    guarded([this] {
        if (m_zairyouId == 0 || !Zairyou_Exists(m_zairyouId)) {
            MsgBox(QStringLiteral("選択した材料が見つかりません。"), vbInformation, QStringLiteral("エラー"));
            return;
        }
        if (!ask(QStringLiteral("材料を削除します。よろしいですか。")))
            return;
        if (!Zairyou_Delete(m_zairyouId)) {
            MsgBox(QStringLiteral("選択した材料が見つかりません。"), vbInformation, QStringLiteral("エラー"));
            return;
        }
        m_removing = true;
        if (const int r = rowOf(m_zairyouId))
            vsGrid->removeRow(r);
        vsGrid->setCurrentCell(0, 1);
        m_removing = false;
        setRowButtons(false);
        m_zairyouId = 0;
        Retu_Settei();
    });
}

void F_RHenZai01::Command1_Click()
{
    guarded([this] {
        F_SeiKen01 *s = G_SeiKen();
        if (!s)
            return;
        s->show();
        s->raise();
        s->activateWindow();
    });
}

void F_RHenZai01::Command6_Click()
{
    guarded([this] {
        WaitCursor wait;
        delete m_seibun;
        m_seibun = openDetailInPlace(this, 1);
    });
}

void F_RHenZai01::Command7_Click()
{
    guarded([this] {
        F_HenKan h(this);
        h.exec();
        if (!h.CancelFlg)
            Text3->setText(Format(h.KansanBunRyou, QStringLiteral("0.00")));
    });
}

void F_RHenZai01::closeEvent(QCloseEvent *e)
{
    WaitCursor wait;
    if (F_SeiKen01 *s = G_SeiKen())
        s->hide();
    e->accept();
    emit closed();
}

} // namespace mirte
