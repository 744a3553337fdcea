#include "f_kjs_sin02.h"

#include "filechoice.h"
#include "b_01_gui.h"
#include "b_sindan.h"
#include "flexgrid.h"
#include "sindan_window.h"
#include "uiutil.h"

#include <QAction>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

F_KJS_Sin02::F_KJS_Sin02(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_KJS_Sin02"));
    setWindowTitle(QStringLiteral("摂取栄養素詳細"));
    auto *outer = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    QMenu *gamen = menu->addMenu(QStringLiteral("画面(&G)"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    QMenu *out = menu->addMenu(QStringLiteral("出力(&O)"));
    mnClip = out->addAction(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ(&C)"));
    mnClip->setObjectName(QStringLiteral("mnClip"));
    mnCsv = out->addAction(QStringLiteral("CSV出力(&V)…"));
    mnCsv->setObjectName(QStringLiteral("mnCsv"));
    outer->setMenuBar(menu);

    auto *head = new QHBoxLayout;
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    // The header texts carry their own captions ("氏名 ： ", "日付 ： ").
    head->addWidget(Label2);
    head->addSpacing(24);
    head->addWidget(Label3);
    head->addStretch(1);
    outer->addLayout(head);
    vsGrid = new FlexGrid(this);
    vsGrid->setObjectName(QStringLiteral("vsGrid"));
    outer->addWidget(vsGrid, 1);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    Command1 = new QPushButton(QStringLiteral("閉じる"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    row->addWidget(Command1);
    outer->addLayout(row);

    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(mnTojiru, &QAction::triggered, this, &QDialog::accept);
    connect(mnClip, &QAction::triggered, this, [this] { guarded([this] { mnClip_Click(); }); });
    connect(mnCsv, &QAction::triggered, this, [this] { guarded([this] { mnCsv_Click(); }); });
    guarded([this] { Form_Load(); });
}

void F_KJS_Sin02::Form_Load()
{
    Label2->setText(G_Simei_Hyouji);
    Label3->setText(G_Day_Hyouji);
    // The row selector stays hidden: the first column is the nutrient's name.
    vsGrid->setRedraw(false);
    vsGrid->setHeaderClickSort(false);
    vsGrid->setCols(8);
    const QStringList head{QStringLiteral("栄養素"), QStringLiteral("朝食"), QStringLiteral("昼食"),
                           QStringLiteral("夕食"), QStringLiteral("その他"), QStringLiteral("合計"),
                           QStringLiteral("単位")};
    for (int c = 0; c < head.size(); ++c)
        vsGrid->setTextMatrix(0, c + 1, head[c]);
    const QList<QStringList> rows = Sessyu_Zen_Rows(G_Sessyuryou);
    vsGrid->setRows(1 + int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            vsGrid->setTextMatrix(r + 1, c + 1, rows[r][c]);
    vsGrid->setAllRowHeights(550);
    vsGrid->setColWidth(0, 0);
    vsGrid->setColWidth(1, 2500);
    for (int c = 2; c <= 6; ++c)
        vsGrid->setColWidth(c, 1000);
    vsGrid->setColWidth(7, 700);
    vsGrid->setColAlignment(1, Qt::AlignLeft | Qt::AlignVCenter);
    for (int c = 2; c <= 7; ++c)
        vsGrid->setColAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    vsGrid->setRedraw(true);
    const int width = twipsToPixels(2500 + 5 * 1000 + 700 + 600, this);
    vsGrid->setMinimumWidth(width);
    resize(width + 40, 640);
}

void F_KJS_Sin02::mnClip_Click()
{
    // The hidden row selector is no column of the table.
    Clip_Mat(vsGrid, {0});
}

void F_KJS_Sin02::mnCsv_Click()
{
    saveDayCsv(this);
}

void F_KJS_Sin02::saveDayCsv(QWidget *parent)
{
    const QDate day = toDate(G_DB().scalar(QStringLiteral("SELECT 日付 FROM 健康状態管理 WHERE 健康状態管理ID = ?"),
                                           {G_KK_ID}));
    if (!day.isValid()) {
        info(QStringLiteral("この日の記録が見つかりません。"));
        return;
    }
    const QString name = G_Simei_Hyouji.section(QStringLiteral("："), 1).trimmed();
    const QString path = saveCsvFile(
        parent,
        QStringLiteral("摂取栄養素_%1_%2.csv")
            .arg(name.isEmpty() ? QStringLiteral("記録") : name, day.toString(QStringLiteral("yyyyMMdd"))),
        Sessyu_Csv_Records(G_Sessyuryou, day));
    if (path.isEmpty())
        return;
    info(QStringLiteral("摂取栄養素を出力しました。\n%1").arg(QDir::toNativeSeparators(path)));
}

} // namespace mirte
