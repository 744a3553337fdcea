#include "f_kjun_sin01.h"

#include "b_01.h"
#include "b_01_gui.h"
#include "database.h"
#include "f_help.h"
#include "f_kjun_sin01_adv.h"
#include "f_kjun_sin02.h"
#include "graph.h"
#include "handlers.h"
#include "msgbox.h"
#include "statusbartext.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

namespace {

QString kcal(double v)
{
    return Kcal_Hyouji(v);
}

} // namespace

QString F_KJUn_Sin01::defaultStatusText()
{
    return QStringLiteral("一日の消費量と摂取エネルギーのグラフです。");
}

F_KJUn_Sin01::F_KJUn_Sin01(QWidget *parent) : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("F_KJUn_Sin01"));
    setWindowTitle(QStringLiteral("運動診断"));
    buildUi();
    StBar->setText(defaultStatusText());
    Label1->setText(G_Simei_Hyouji);
    Label2->setText(G_Day_Hyouji);
    // Stays marked as failed unless the computation returns.
    m_result.teisi = UndouSindan::DbFailed;
    guarded([this] {
        WaitCursor wait;
        m_result = Energy_Keisan(G_KK_ID, G_Simei_ID);
    });
    // The values a stop did not reach stay 0; the buttons that would judge them are off.
    KisoTaisya = m_result.KisoTaisya;
    EnSyouhiRyou = m_result.EnSyouhiRyou;
    KatudouTaisyaRyou = m_result.KatudouTaisyaRyou;
    SessyuEn = m_result.SessyuEn;
    KatudouSisuu = m_result.KatudouSisuu;
    Sei_Betu = m_result.Sei_Betu;
    Command1->setEnabled(m_result.complete());
    Command3->setEnabled(m_result.complete());
    LabJikan->setText(m_result.complete() ? Kiroku_Jikan_Text(m_result.kirokuJikan) : QString());
    Graph_Draw();
}

void F_KJUn_Sin01::buildUi()
{
    QMenu *gamen = menuBar()->addMenu(QStringLiteral("画面(&G)"));
    mnSetu = gamen->addAction(QStringLiteral("説明(&H)"));
    mnSetu->setObjectName(QStringLiteral("mnSetu"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    QMenu *out = menuBar()->addMenu(QStringLiteral("出力(&O)"));
    otPrint = out->addAction(QStringLiteral("印刷(&P)"));
    otPrint->setObjectName(QStringLiteral("otPrint"));
    QMenu *clip = out->addMenu(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ(&C)"));
    otGazou = clip->addAction(QStringLiteral("画像形式(&G)"));
    otGazou->setObjectName(QStringLiteral("otGazou"));
    otHyou = clip->addAction(QStringLiteral("ﾃｷｽﾄ形式(&F)"));
    otHyou->setObjectName(QStringLiteral("otHyou"));
    connect(mnSetu, &QAction::triggered, this, [this] { ShowProgramHelp(this); });
    connect(mnTojiru, &QAction::triggered, this, &QWidget::close);
    connect(otPrint, &QAction::triggered, this, &F_KJUn_Sin01::otPrint_Click);
    connect(otGazou, &QAction::triggered, this, &F_KJUn_Sin01::otGazou_Click);
    connect(otHyou, &QAction::triggered, this, &F_KJUn_Sin01::otHyou_Click);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form"));
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);
    auto *head = new QHBoxLayout;
    Label1 = new QLabel(central);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(central);
    Label2->setObjectName(QStringLiteral("Label2"));
    head->addWidget(Label1);
    head->addSpacing(24);
    head->addWidget(Label2);
    head->addStretch(1);
    outer->addLayout(head);

    LabJikan = new QLabel(central);
    LabJikan->setObjectName(QStringLiteral("LabJikan"));
    LabJikan->setWordWrap(true);
    outer->addWidget(LabJikan);

    Gr = new Graph(central);
    Gr->setObjectName(QStringLiteral("Gr"));
    Gr->setMinimumSize(520, 380);
    outer->addWidget(Gr, 1);

    auto *buttons = new QHBoxLayout;
    auto button = [central](const QString &name, const QString &text, const QString &tip) {
        auto *b = new QPushButton(text, central);
        b->setObjectName(name);
        b->setToolTip(tip);
        b->setMinimumWidth(110);
        return b;
    };
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("詳  細"),
                      QStringLiteral("詳細を一覧表で表示します。"));
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("アドバイス"),
                      QStringLiteral("運動状態のアドバイスを表示します。"));
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("閉じる"),
                      QStringLiteral("この画面を閉じ、前画面に戻ります。"));
    buttons->addWidget(Command1);
    buttons->addWidget(Command3);
    buttons->addStretch(1);
    buttons->addWidget(Command2);
    outer->addLayout(buttons);

    StBar = new StatusBarText(this);
    StBar->setObjectName(QStringLiteral("StBar"));
    setStatusBar(StBar);
    StBar->addHint(this, defaultStatusText());
    StBar->addHint(Gr, defaultStatusText());

    connect(Command1, &QPushButton::clicked, this, &F_KJUn_Sin01::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &F_KJUn_Sin01::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
    connect(Gr, &Graph::pointClicked, this, &F_KJUn_Sin01::Gr_Click);
}

void F_KJUn_Sin01::Graph_Draw()
{
    const auto g = m_result.graph();
    Gr->setDrawingSuspended(true);
    Gr->setType(Graph::Type::StackedBar);
    Gr->setTitle(QStringLiteral("運動による消費エネルギー"));
    Gr->setNumSets(3);
    Gr->setNumPoints(2);
    Gr->setPointLabels({QStringLiteral("消費エネルギー"), QStringLiteral("摂取エネルギー")});
    Gr->setLegendText(1, QStringLiteral("基礎代謝"));
    Gr->setLegendText(2, QStringLiteral("活動代謝"));
    Gr->setLegendText(3, QStringLiteral("摂取エネルギー"));
    Gr->setSetColor(1, 9);
    Gr->setSetColor(2, 12);
    Gr->setSetColor(3, 2);
    Gr->setPointLabelAngle(0);
    for (int s = 0; s < 3; ++s)
        Gr->setValues(s + 1, {g[s][0], g[s][1]});
    Gr->redraw();
}

void F_KJUn_Sin01::Gr_Click(int set, int point)
{
    const auto g = m_result.graph();
    if (set == 1 && point == 1)
        MsgBox(QStringLiteral("基礎代謝による消費エネルギーです。 ( ") + kcal(g[0][0])
                   + QStringLiteral(" kcal )"),
               vbInformation, QStringLiteral("参考"));
    else if (set == 2 && point == 1)
        MsgBox(QStringLiteral("活動代謝による消費エネルギーです。 ( ") + kcal(g[1][0])
                   + QStringLiteral(" kcal )"),
               vbInformation, QStringLiteral("参考"));
    else if (set == 3 && point == 2)
        MsgBox(QStringLiteral("食事による摂取エネルギーです。 ( ") + kcal(g[2][1])
                   + QStringLiteral(" kcal )"),
               vbInformation, QStringLiteral("参考"));
}

void F_KJUn_Sin01::Command1_Click()
{
    guarded([this] {
        if (!m_result.complete())
            return;
        std::unique_ptr<F_KJUn_Sin02> w;
        {
            WaitCursor wait;
            w = std::make_unique<F_KJUn_Sin02>(this);
        }
        w->exec();
    });
}

void F_KJUn_Sin01::Command3_Click()
{
    guarded([this] {
        if (!m_result.complete())
            return;
        F_KJUn_Sin01_Adv w(this);
        w.exec();
    });
}

QString F_KJUn_Sin01::printTitle() const
{
    return QStringLiteral("      ") + Label1->text() + QStringLiteral("   ") + Label2->text();
}

bool F_KJUn_Sin01::printTo(QPrinter &printer)
{
    return Gr_PrintTo(Gr, printer, printTitle());
}

void F_KJUn_Sin01::otPrint_Click()
{
    guarded([this] {
        if (!Print_Kakunin())
            return;
        Gr_Print(Gr, printTitle(), this);
    });
}

void F_KJUn_Sin01::otGazou_Click()
{
    guarded([this] { Clip_Gazou(Gr); });
}

QString F_KJUn_Sin01::hyouText() const
{
    const auto g = m_result.graph();
    return QStringLiteral("基礎代謝による消費エネルギー\t活動代謝による消費エネルギー\t摂取エネルギー\r\n")
        + kcal(g[0][0]) + QLatin1Char('\t') + kcal(g[1][0]) + QLatin1Char('\t') + kcal(g[2][1]);
}

void F_KJUn_Sin01::otHyou_Click()
{
    guarded([this] { Clip_Text(hyouText()); });
}

} // namespace mirte
