#include "f_tou01.h"

#include "b_00.h"
#include "b_01.h"
#include "b_t01.h"
#include "database.h"
#include "datacombo.h"
#include "datepick.h"
#include "f_help.h"
#include "f_tou02.h"
#include "handlers.h"
#include "msgbox.h"
#include "numberbox.h"
#include "statusbartext.h"
#include "uiutil.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

namespace mirte {

namespace {

const QString kKakunin = QStringLiteral("確認");

void focusBox(QLineEdit *e)
{
    e->setFocus();
    e->selectAll();
}

} // namespace

QString F_Tou01::defaultStatusText()
{
    // The window's own text: what to choose here before the graph is drawn.
    return QStringLiteral("グラフにする人、開始日、期間、項目を指定して、「グラフ」を押してください。");
}

F_Tou01::F_Tou01(QWidget *parent) : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("F_Tou01"));
    setWindowTitle(QStringLiteral("統計"));
    buildUi();
    guarded([this] { Form_Load(); });
}

void F_Tou01::buildUi()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form"));
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);

    // A calendar beside the boxes; a picked day fills them as if typed.
    auto calendar = [this](std::array<QLineEdit *, 3> &boxes, const QString &name, QHBoxLayout *row) {
        auto *pick = new DatePick(this);
        pick->setObjectName(name);
        pick->setCurrentProvider([&boxes] { return Tou_Hiduke(boxes[0]->text(), boxes[1]->text(), boxes[2]->text()); });
        pick->setMarkedProvider([this] {
            QList<QDate> days;
            guarded([&] { days = Tou_Kiroku_Bi(qint64(Val(DBCombo1->boundValue()))); });
            return days;
        });
        connect(pick, &DatePick::picked, this, [&boxes](const QDate &d) {
            boxes[0]->setText(QString::number(d.year()));
            boxes[1]->setText(QString::number(d.month()));
            boxes[2]->setText(QString::number(d.day()));
        });
        row->addWidget(pick);
        return pick;
    };
    auto dateBoxes = [this](std::array<QLineEdit *, 3> &boxes, const QString &name,
                            QHBoxLayout *row) {
        for (int i = 0; i < 3; ++i) {
            auto *e = new QLineEdit(this);
            e->setObjectName(arrayName(name, i));
            makeDateFieldBox(e, i == 0 ? 4 : 2, true);
            e->setAlignment(Qt::AlignRight);
            e->setFixedWidth(e->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (i == 0 ? 4 : 2) + 18);
            connect(e, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
            boxes[i] = e;
            row->addWidget(e);
            row->addWidget(new QLabel(i == 0 ? QStringLiteral("年") : i == 1 ? QStringLiteral("月")
                                                                             : QStringLiteral("日"),
                                      this));
        }
    };

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->addWidget(new QLabel(QStringLiteral("名　前 ："), this), 0, 0);
    DBCombo1 = new DataCombo(this);
    DBCombo1->setObjectName(QStringLiteral("DBCombo1"));
    DBCombo1->setMinimumContentsLength(12);
    DBCombo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(DBCombo1);
    nameRow->addStretch(1);
    grid->addLayout(nameRow, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("開始日 ："), this), 1, 0);
    auto *startRow = new QHBoxLayout;
    startRow->setSpacing(6);
    dateBoxes(Text3, QStringLiteral("Text3"), startRow);
    DatePick1 = calendar(Text3, QStringLiteral("DatePick1"), startRow);
    startRow->addStretch(1);
    grid->addLayout(startRow, 1, 1);
    outer->addLayout(grid);

    // ---- period ----
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    auto *f1 = new QGridLayout(Frame1);
    f1->addWidget(new QLabel(QStringLiteral("期　間"), Frame1), 0, 0);
    auto *periods = new QButtonGroup(this);
    const QStringList periodTexts{QStringLiteral("１ヶ月"), QStringLiteral("半年"),
                                  QStringLiteral("期間指定")};
    for (int i = 0; i < 3; ++i) {
        Option3[i] = new QRadioButton(periodTexts[i], Frame1);
        Option3[i]->setObjectName(arrayName(QStringLiteral("Option3"), i));
        periods->addButton(Option3[i], i);
    }
    f1->addWidget(Option3[0], 0, 1);
    f1->addWidget(Option3[1], 0, 2);
    f1->addWidget(Option3[2], 1, 1);
    auto *endRow = new QHBoxLayout;
    endRow->setSpacing(6);
    endRow->addWidget(new QLabel(QStringLiteral("終了日 ："), Frame1));
    dateBoxes(Text4, QStringLiteral("Text4"), endRow);
    DatePick2 = calendar(Text4, QStringLiteral("DatePick2"), endRow);
    LabKikan = new QLabel(Frame1);
    LabKikan->setObjectName(QStringLiteral("LabKikan"));
    LabKikan->setMinimumWidth(LabKikan->fontMetrics().horizontalAdvance(QStringLiteral("１週間ごとの平均　１０５点")) + 8);
    endRow->addSpacing(8);
    endRow->addWidget(LabKikan);
    endRow->addStretch(1);
    f1->addLayout(endRow, 1, 2, 1, 2);
    f1->setColumnStretch(3, 1);
    outer->addWidget(Frame1);

    // ---- kind ----
    Frame2 = new QFrame(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setFrameShape(QFrame::StyledPanel);
    auto *f2 = new QGridLayout(Frame2);
    f2->addWidget(new QLabel(QStringLiteral("グラフ"), Frame2), 0, 0);
    auto *kinds = new QButtonGroup(this);
    Option4[0] = new QRadioButton(QStringLiteral("摂取・消費エネルギー"), Frame2);
    Option4[1] = new QRadioButton(QStringLiteral("指定の項目(２項目)"), Frame2);
    for (int i = 0; i < 2; ++i) {
        Option4[i]->setObjectName(arrayName(QStringLiteral("Option4"), i));
        kinds->addButton(Option4[i], i);
    }
    f2->addWidget(Option4[0], 0, 1, 1, 2);
    f2->addWidget(Option4[1], 1, 1, 1, 2);
    const QStringList labelTexts{QStringLiteral("項目１ ："), QStringLiteral("（左の目盛）"),
                                 QStringLiteral("項目２ ："), QStringLiteral("（右の目盛）")};
    for (int i = 0; i < 4; ++i) {
        Label[i] = new QLabel(labelTexts[i], Frame2);
        Label[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
    }
    Combo1 = new QComboBox(Frame2);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo2 = new QComboBox(Frame2);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    for (QComboBox *c : {Combo1, Combo2}) {
        c->setMinimumContentsLength(14);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMaxVisibleItems(20);
    }
    f2->addWidget(Label[0], 2, 1);
    f2->addWidget(Combo1, 2, 2);
    f2->addWidget(Label[1], 2, 3);
    f2->addWidget(Label[2], 3, 1);
    f2->addWidget(Combo2, 3, 2);
    f2->addWidget(Label[3], 3, 3);
    f2->setColumnStretch(4, 1);
    outer->addWidget(Frame2);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command1 = new QPushButton(QStringLiteral("グラフ"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("閉じる"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    for (QPushButton *b : {Command1, Command2}) {
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("グラフ")) + 48);
        buttons->addWidget(b);
    }
    outer->addLayout(buttons);
    outer->addStretch(1);

    auto *menu = menuBar();
    QMenu *gamen = menu->addMenu(QStringLiteral("画面(&G)"));
    mnSetu = gamen->addAction(QStringLiteral("説明(&H)"));
    mnSetu->setObjectName(QStringLiteral("mnSetu"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));

    StBar = new StatusBarText(this);
    StBar->setObjectName(QStringLiteral("StBar"));
    setStatusBar(StBar);
    StBar->setText(defaultStatusText());
    StBar->addHint(central, defaultStatusText());
    StBar->addHint(Frame1, defaultStatusText());
    StBar->addHint(Frame2, defaultStatusText());
    StBar->addHint(Command1, QStringLiteral("上で条件指定した項目のグラフを表示します。"));
    StBar->addHint(Command2, QStringLiteral("この画面を閉じ、メニュー画面へ戻ります。"));
    for (QLineEdit *e : Text3)
        StBar->addHint(e, QStringLiteral("開始日を指定します。"));
    for (QLineEdit *e : Text4)
        StBar->addHint(e, QStringLiteral("期間指定の終了日を指定します。"));
    StBar->addHint(Option3[0], QStringLiteral("開始日から３１日分のデータを表示します。"));
    StBar->addHint(Option3[1], QStringLiteral("１週間ごとの平均値を約半年分（２６週間分）、表示します。"));
    StBar->addHint(Option3[2], QStringLiteral("開始日から終了日まで（２年以内）のデータを表示します。"
                                              "３ヶ月までは１日ごと、それより長いときは１週間ごとの平均値です。"));
    StBar->addHint(Option4[0], QStringLiteral("摂取エネルギー、消費エネルギーおよび必要摂取エネルギーのグラフを表示します。"));
    StBar->addHint(Option4[1], QStringLiteral("身長、体重や主な栄養素のうち、指定した項目をグラフに表示します。"));

    connect(Command1, &QPushButton::clicked, this, &F_Tou01::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
    connect(mnTojiru, &QAction::triggered, this, &QWidget::close);
    connect(mnSetu, &QAction::triggered, this, [this] { ShowProgramHelp(this); });
    connect(periods, &QButtonGroup::idClicked, this, [this] { Option3_Click(); });
    connect(kinds, &QButtonGroup::idClicked, this, [this] { Option4_Click(); });
    for (auto *boxes : {&Text3, &Text4})
        for (QLineEdit *e : *boxes)
            connect(e, &QLineEdit::textChanged, this, [this] { Kikan_Hyouji(); });
}

void F_Tou01::Form_Load()
{
    DBCombo1->setRowSource(QStringLiteral("SELECT * FROM 個人データ ORDER BY 氏名 ASC"), {},
                           QStringLiteral("氏名"), QStringLiteral("氏名ID"));
    Option3[0]->setChecked(true);
    Option4[0]->setChecked(true);
    DBCombo1->setCurrentIndex(-1);

    const QDate start = QDate::currentDate().addDays(-30);
    Text3[0]->setText(QString::number(start.year()));
    Text3[1]->setText(QString::number(start.month()));
    Text3[2]->setText(QString::number(start.day()));
    const QDate today = QDate::currentDate();
    Text4[0]->setText(QString::number(today.year()));
    Text4[1]->setText(QString::number(today.month()));
    Text4[2]->setText(QString::number(today.day()));

    Tou_Koumoku_Settei();
    QStringList items = G_Tou_Koumoku;
    items << G_Eiyou_Mei.mid(0, 36);
    for (QComboBox *c : {Combo1, Combo2}) {
        c->clear();
        c->addItems(items);
        c->setCurrentIndex(0);
    }
    Option3_Click();
    Option4_Click();

    G_Simei_ID = MainUser_Get(G_DB());
    if (G_Simei_ID != 0)
        DBCombo1->setBoundValue(G_Simei_ID);
}

void F_Tou01::Option3_Click()
{
    const bool own = Option3[2]->isChecked();
    for (QLineEdit *e : Text4)
        e->setEnabled(own);
    DatePick2->setEnabled(own);
    LabKikan->setEnabled(own);
    Kikan_Hyouji();
}

void F_Tou01::Option4_Click()
{
    const bool items = Option4[1]->isChecked();
    for (QLabel *l : Label)
        l->setEnabled(items);
}

void F_Tou01::Kikan_Hyouji()
{
    if (!Option3[2] || !Option3[2]->isChecked()) {
        LabKikan->clear();
        return;
    }
    const QDate from = Tou_Hiduke(Text3[0]->text(), Text3[1]->text(), Text3[2]->text());
    const QDate to = Tou_Hiduke(Text4[0]->text(), Text4[1]->text(), Text4[2]->text());
    LabKikan->setText(Tou_Kikan_Setumei(from, to));
}

TouKikanSyu F_Tou01::kikanSyu() const
{
    if (Option3[1]->isChecked())
        return TouKikanSyu::Hantosi;
    if (Option3[2]->isChecked())
        return TouKikanSyu::Kikan;
    return TouKikanSyu::Tuki;
}

bool F_Tou01::energy() const
{
    return !Option4[1]->isChecked();
}

QString F_Tou01::label2Text() const
{
    auto date = [](const std::array<QLineEdit *, 3> &b) {
        return b[0]->text() + QStringLiteral(" 年 ") + b[1]->text() + QStringLiteral(" 月 ") +
               b[2]->text() + QStringLiteral(" 日");
    };
    if (kikanSyu() == TouKikanSyu::Kikan)
        return QStringLiteral("期間 ： ") + date(Text3) + QStringLiteral("～") + date(Text4);
    return QStringLiteral("開始日 ： ") + date(Text3) + QStringLiteral("～");
}

void F_Tou01::Command1_Click()
{
    guarded([this] {
        G_Simei_ID = qint64(Val(DBCombo1->boundValue()));
        if (G_Simei_ID <= 0) {
            MsgBox(QStringLiteral("名前を選択してください。"), vbInformation, kKakunin);
            return;
        }
        const QDate from = Tou_Hiduke(Text3[0]->text(), Text3[1]->text(), Text3[2]->text());
        if (!from.isValid()) {
            MsgBox(QStringLiteral("開始日を確認してください。"), vbInformation, kKakunin);
            focusBox(Text3[0]);
            return;
        }
        G_Tou_Start = from;
        const TouKikanSyu syu = kikanSyu();
        QDate to;
        if (syu == TouKikanSyu::Kikan) {
            to = Tou_Hiduke(Text4[0]->text(), Text4[1]->text(), Text4[2]->text());
            if (!to.isValid()) {
                MsgBox(QStringLiteral("終了日を確認してください。"), vbInformation, kKakunin);
                focusBox(Text4[0]);
                return;
            }
            if (Tou_Kikan_Step(from, to) == 0) {
                MsgBox(QStringLiteral("終了日は、開始日から２年以内の、開始日より後の日付を入れてください。"),
                       vbInformation, kKakunin);
                focusBox(Text4[0]);
                return;
            }
        }
        const bool en = energy();
        if (!en) {
            if (Combo1->currentText().trimmed().isEmpty() && Combo2->currentText().trimmed().isEmpty()) {
                MsgBox(QStringLiteral("項目を指定してください。"), vbInformation, kKakunin);
                Combo1->setFocus();
                return;
            }
            G_Tou_Koumoku_Sitei = {Combo1->currentText(), Combo2->currentText()};
        } else {
            G_Tou_Koumoku_Sitei = {};
        }

        std::optional<WaitCursor> wait(std::in_place);
        const int code1 = Combo1->currentIndex();
        const int code2 = Combo2->currentIndex();
        switch (syu) {
        case TouKikanSyu::Tuki:
            en ? Energy_Tuki_Set() : Koumoku_Tuki_Set(code1, code2);
            break;
        case TouKikanSyu::Hantosi:
            en ? Energy_Hantosi_Set() : Koumoku_Hantosi_Set(code1, code2);
            break;
        case TouKikanSyu::Kikan:
            en ? Energy_Kikan_Set(from, to) : Koumoku_Kikan_Set(from, to, code1, code2);
            break;
        }
        // The hourglass is for the computing; the graph window and its messages have the
        // normal pointer.
        wait.reset();
        F_Tou02 graph(syu, en, QStringLiteral("名前 ： ") + DBCombo1->text(), label2Text(), this);
        graph.exec();
    });
}

void F_Tou01::closeEvent(QCloseEvent *e)
{
    e->accept();
    emit closed();
}

} // namespace mirte
