#include "f_kjs_sin01.h"

#include "b_01.h"
#include "f_help.h"
#include "f_kjs_sin01_adv.h"
#include "f_kjs_sin01_hyo.h"
#include "f_kjs_sin02.h"
#include "f_kjs_sinrb01.h"
#include "filechoice.h"
#include "graph.h"
#include "nippou.h"
#include "statusbartext.h"
#include "tabcontrol.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

namespace {
QStringList legends()
{
    return G_Syokuji_Kubun;
}
} // namespace

F_KJS_Sin01::F_KJS_Sin01(QWidget *parent) : SindanWindow(parent)
{
    setObjectName(QStringLiteral("F_KJS_Sin01"));
    setWindowTitle(QStringLiteral("食事診断"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildUi();
    guarded([this] { Form_Load(); });
}

QString F_KJS_Sin01::defaultStatusText()
{
    return QStringLiteral("栄養摂取率のグラフです。");
}

void F_KJS_Sin01::buildUi()
{
    buildGraphs();
    mnCsv = m_outMenu->addAction(QStringLiteral("CSV出力(&V)…"));
    mnCsv->setObjectName(QStringLiteral("mnCsv"));
    // Off, as 詳細 is, for a day left unjudged: its sums would be partial.
    connect(mnCsv, &QAction::triggered, this, [this] { guarded([this] { F_KJS_Sin02::saveDayCsv(this); }); });
    mnNippou = m_outMenu->addAction(QStringLiteral("日報PDF(&D)…"));
    mnNippou->setObjectName(QStringLiteral("mnNippou"));
    connect(mnNippou, &QAction::triggered, this, [this] { guarded([this] { mnNippou_Click(); }); });
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form"));
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);

    auto *head = new QHBoxLayout;
    Text3 = new QLineEdit(central);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text4 = new QLineEdit(central);
    Text4->setObjectName(QStringLiteral("Text4"));
    for (QLineEdit *e : {Text3, Text4}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
    }
    // The header texts carry their own captions ("氏名 ： ", "日付 ： ").
    head->addWidget(Text3, 1);
    head->addSpacing(12);
    head->addWidget(Text4, 1);
    outer->addLayout(head);

    auto *body = new QHBoxLayout;
    body->addWidget(SSTab1, 1);
    auto *side = new QVBoxLayout;
    auto button = [&](const QString &name, const QString &text) {
        auto *b = new QPushButton(text, central);
        b->setObjectName(name);
        return b;
    };
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("詳  細"));
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("料理別"));
    Command4 = button(QStringLiteral("Command4"), QStringLiteral("標準値"));
    Command6 = button(QStringLiteral("Command6"), QStringLiteral("ｱﾄﾞﾊﾞｲｽ"));
    Command5 = button(QStringLiteral("Command5"), QStringLiteral("主な栄養素について"));
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("閉じる"));
    for (QPushButton *b : {Command2, Command3, Command4, Command6})
        side->addWidget(b);
    side->addSpacing(16);
    side->addWidget(Command5);
    side->addStretch(1);
    side->addWidget(Command1);
    body->addLayout(side);
    outer->addLayout(body, 1);

    Label1 = new QLabel(QStringLiteral("一部の項目に目標値が指定されています。"), central);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("color: #b00000;"));
    Label1->setVisible(false);
    outer->addWidget(Label1);

    StBar = new StatusBarText(this);
    StBar->setObjectName(QStringLiteral("StBar"));
    setStatusBar(StBar);
    StBar->addHint(this, defaultStatusText());
    StBar->addHint(central, defaultStatusText());
    StBar->addHint(SSTab1, defaultStatusText());
    StBar->addHint(Command1, QStringLiteral("画面を閉じ、前画面に戻ります。"));
    StBar->addHint(Command2, QStringLiteral("一日分の全栄養摂取量を表形式で表示します。"));
    StBar->addHint(Command3, QStringLiteral("料理毎の栄養素の摂取率を表示します。"));
    StBar->addHint(Command4, QStringLiteral("栄養素毎の標準的な必要量の目安を表示します。グラフの１００％となる値です。"));
    StBar->addHint(Command6, QStringLiteral("栄養毎の過不足の状況をアドバイスします。"));

    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    connect(Command2, &QPushButton::clicked, this, [this] { guarded([this] { Command2_Click(); }); });
    connect(Command3, &QPushButton::clicked, this, [this] { guarded([this] { Command3_Click(); }); });
    connect(Command4, &QPushButton::clicked, this, [this] { guarded([this] { Command4_Click(); }); });
    connect(Command5, &QPushButton::clicked, this, [this] { guarded([this] { Command5_Click(); }); });
    connect(Command6, &QPushButton::clicked, this, [this] { guarded([this] { Command6_Click(); }); });
    resize(980, 640);
}

void F_KJS_Sin01::Form_Load()
{
    StBar->setText(defaultStatusText());
    m_kekka = SindanKekka{};
    Text3->setText(G_Simei_Hyouji);
    Text4->setText(G_Day_Hyouji);
    // Until the day is summed, there is no day to tabulate or to advise on: a deleted food
    // or a database error ends the start with partial sums, never judged as if eaten.
    Command2->setEnabled(false);
    mnCsv->setEnabled(false);
    mnNippou->setEnabled(false);
    Command6->setEnabled(false);
    {
        WaitCursor wait;
        if (!Sessyuryou_Set(G_KK_ID))
            return;
        m_kekka = Sindan_Keisan(G_Sessyuryou, G_Syoyouryou);
    }
    Command2->setEnabled(true);
    mnCsv->setEnabled(true);
    mnNippou->setEnabled(true);
    Command6->setEnabled(true);
    showTable(Gr1, m_kekka.gr1, legends());
    showTable(Gr2, m_kekka.gr2, legends());
    Label1->setVisible(m_kekka.mokuhyouUsed);
    // The standard table shows the targets beside the standards when some are used.
    StBar->addHint(Command4, m_kekka.mokuhyouUsed
                                 ? QStringLiteral("栄養素毎の標準的な必要量の目安と目標値を表示します。")
                                 : QStringLiteral("栄養素毎の標準的な必要量の目安を表示します。グラフの１００％となる値です。"));
    m_loaded = true;
}

QString F_KJS_Sin01::printTitle() const
{
    return QString(6, QLatin1Char(' ')) + Text3->text() + QString(3, QLatin1Char(' ')) + Text4->text();
}

const GraphHyou &F_KJS_Sin01::graphData(int tab) const
{
    return tab == 1 ? m_kekka.gr2 : m_kekka.gr1;
}

QString F_KJS_Sin01::readOut(const GraphHyou &t, int s, int p) const
{
    return t.cell(s, 0).toString() + QStringLiteral(" ( ") + t.cell(0, p).toString() + QStringLiteral(" ) ")
           + QStringLiteral("\r\n") + Format(t.cell(s, p).toDouble(), QStringLiteral("0.0"))
           + QStringLiteral(" ％ ");
}

void F_KJS_Sin01::Command2_Click()
{
    F_KJS_Sin02 w(this);
    w.exec();
}

void F_KJS_Sin01::Command3_Click()
{
    auto *w = new F_KJS_SinRb01(this);
    m_rb = w;
    QPointer<F_KJS_Sin01> self(this);
    connect(w, &QObject::destroyed, this, [self] {
        if (self)
            self->show();
    });
    w->show();
    hide();
}

void F_KJS_Sin01::Command4_Click()
{
    F_KJS_Sin01_Hyo w(m_kekka.mokuhyouUsed, this);
    w.exec();
}

void F_KJS_Sin01::Command5_Click()
{
    auto *help = new F_Help(this);
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->strHelpFile = QStringLiteral("H_KJS_Sin01_A.rtf");
    if (!help->Form_Load()) {
        delete help;
        return;
    }
    help->show();
}

bool F_KJS_Sin01::mnNippou_Click()
{
    // A day left unjudged has partial sums: nothing to report (the item is off then too).
    if (!m_loaded)
        return false;
    NippouData d;
    {
        WaitCursor wait;
        d = Nippou_Syuukei(G_KK_ID, G_Sessyuryou, G_Syoyouryou, m_kekka);
    }
    const QString path = chooseExportFile(
        this, QStringLiteral("日報PDF"),
        QStringLiteral("食事診断日報_%1_%2.pdf")
            .arg(d.simei.isEmpty() ? QStringLiteral("記録") : d.simei,
                 d.day.isValid() ? d.day.toString(QStringLiteral("yyyyMMdd")) : QStringLiteral("日付なし")),
        QStringLiteral("PDFファイル (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return false;
    bool ok = false;
    {
        WaitCursor wait;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        // Printed beside the file and checked whole before it takes the name.
        printer.setOutputFileName(path + QStringLiteral(".part"));
        printer.setDocName(QStringLiteral("食事診断　日報"));
        printer.setCreator(QStringLiteral("ミルテ"));
        setupNippouPrinter(printer);
        ok = printNippou(printer, d);
    }
    // A file that cannot be written is said so, never reported as written.
    if (!commitPdf(path + QStringLiteral(".part"), path) || !ok) {
        MsgBox(QStringLiteral("日報PDFを作成できませんでした。ディスクの空きと、書き込みできる場所かを確かめてください。\n%1")
                   .arg(QDir::toNativeSeparators(path)),
               vbExclamation, kakunin());
        return false;
    }
    m_nippou = d;
    info(QStringLiteral("日報PDFを出力しました。\n%1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void F_KJS_Sin01::Command6_Click()
{
    F_KJS_Sin01_Adv w(m_kekka, this);
    w.exec();
}

} // namespace mirte
