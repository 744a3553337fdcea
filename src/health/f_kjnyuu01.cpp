#include "f_kjnyuu01.h"
#include "taikaku.h"
#include "datepick.h"

#include "b_00.h"
#include "b_01.h"
#include "database.h"
#include "datacombo.h"
#include "f_kjnyuu01_iti.h"
#include "f_kjnyuu01_tai.h"
#include "f_kjnyuu_set.h"
#include "f_help.h"
#include "handlers.h"
#include "msgbox.h"
#include "numberbox.h"
#include "statusbartext.h"
#include "uiutil.h"
#include "updown.h"

#include "b_t01.h"
#include "f_user01.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <map>

namespace mirte {

F_KJNyuu01::SubWindowOpener F_KJNyuu01::s_meals;
F_KJNyuu01::SubWindowOpener F_KJNyuu01::s_exercise;

namespace {


QString mealsComingText()
{
    return QStringLiteral("食事の記録画面は次の版で追加されます。");
}

QString exerciseComingText()
{
    return QStringLiteral("運動の記録画面は次の版で追加されます。");
}

} // namespace

void F_KJNyuu01::setMealsOpener(SubWindowOpener opener)
{
    s_meals = std::move(opener);
}

void F_KJNyuu01::setExerciseOpener(SubWindowOpener opener)
{
    s_exercise = std::move(opener);
}

QString F_KJNyuu01::defaultStatusText()
{
    return QStringLiteral("１日の健康状態を入力してから、食事・運動状態を入力します。白色項目の入力は、必須です。");
}

F_KJNyuu01::F_KJNyuu01(QWidget *parent) : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("F_KJNyuu01"));
    setWindowTitle(QStringLiteral("健康状態入力"));
    buildUi();
    guarded([this] { Form_Load(); });
}

F_KJNyuu01::~F_KJNyuu01() = default;

void F_KJNyuu01::buildUi()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form"));
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);

    auto label = [this](const QString &text, QWidget *parent = nullptr) {
        auto *l = new QLabel(text, parent ? parent : this);
        return l;
    };
    auto lineEdit = [this](const QString &name, int chars) {
        auto *e = new QLineEdit(this);
        e->setObjectName(name);
        const int w = e->fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 16;
        e->setMinimumWidth(w);
        if (chars < 20) { // numbers keep their size; the memo takes the room that is left
            e->setMaximumWidth(w + w / 2);
            // One number per box: a second point or a letter would be read as a different value.
            makeNumberBox(e, NumberValidator::Signed);
        }
        // Enter moves on to the next box, as in every entry form.
        connect(e, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
        return e;
    };

    // ---- person ----
    auto *top = new QHBoxLayout;
    top->addWidget(label(QStringLiteral("氏  名 ：")));
    DBCombo1 = new DataCombo(this);
    DBCombo1->setObjectName(QStringLiteral("DBCombo1"));
    DBCombo1->setMinimumContentsLength(10);
    DBCombo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    top->addWidget(DBCombo1);
    Command4 = new QPushButton(QStringLiteral("新規／一覧"), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    top->addWidget(Command4);
    top->addSpacing(16);
    top->addWidget(label(QStringLiteral("年  齢 ：")));
    LabTosi = new QLabel(this);
    LabTosi->setObjectName(QStringLiteral("LabTosi"));
    LabTosi->setMinimumWidth(LabTosi->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    LabTosi->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    top->addWidget(LabTosi);
    top->addWidget(label(QStringLiteral("（才）")));
    top->addSpacing(16);
    top->addWidget(label(QStringLiteral("性  別 ：")));
    LabSeiBetu = new QLabel(this);
    LabSeiBetu->setObjectName(QStringLiteral("LabSeiBetu"));
    LabSeiBetu->setMinimumWidth(LabSeiBetu->fontMetrics().horizontalAdvance(QStringLiteral("男男")));
    top->addWidget(LabSeiBetu);
    top->addStretch(1);
    outer->addLayout(top);

    // ---- entry fields ----
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(Frame1);
    grid->setHorizontalSpacing(8);

    // Day
    auto *dateRow = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        Text3[i] = lineEdit(arrayName(QStringLiteral("Text3"), i), i == 0 ? 4 : 2);
        makeDateFieldBox(Text3[i], i == 0 ? 4 : 2);
        Text3[i]->setAlignment(Qt::AlignRight);
        Text3[i]->installEventFilter(this);
        dateRow->addWidget(Text3[i]);
        auto *unit = label(i == 0 ? QStringLiteral("年") : i == 1 ? QStringLiteral("月")
                                                                 : QStringLiteral("日"));
        dateRow->addWidget(unit);
        m_entryWidgets << Text3[i] << unit;
    }
    Text3[0]->setToolTip(QStringLiteral("西暦（例：2001）を入力します。"));
    LabYoubi = new QLabel(this);
    LabYoubi->setObjectName(QStringLiteral("LabYoubi"));
    dateRow->addWidget(LabYoubi);
    UpDown1 = new UpDown(this);
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    dateRow->addWidget(UpDown1);
    DatePick1 = new DatePick(this);
    DatePick1->setObjectName(QStringLiteral("DatePick1"));
    DatePick1->setCurrentProvider(
        [this] { return formDate(Text3[0]->text(), Text3[1]->text(), Text3[2]->text()); });
    DatePick1->setMarkedProvider([this] {
        QList<QDate> days;
        for (const KenkouRow &r : std::as_const(m_records))
            days << r.hiduke;
        return days;
    });
    // A picked day is a day to go to, as with the arrows.
    connect(DatePick1, &DatePick::picked, this, [this](const QDate &d) { goToDay(d); });
    dateRow->addWidget(DatePick1);
    m_entryWidgets << DatePick1;
    dateRow->addStretch(1);
    for (int i = 0; i < 4; ++i) {
        Text4[i] = new QLineEdit(this);
        Text4[i]->setObjectName(arrayName(QStringLiteral("Text4"), i));
        Text4[i]->setVisible(false);
    }
    m_entryWidgets << LabYoubi << UpDown1;

    int row = 0;
    auto addField = [&](int col, const QString &caption, QWidget *field, const QString &unit,
                        QWidget *extra = nullptr) {
        auto *cap = label(caption);
        grid->addWidget(cap, row, col * 4);
        grid->addWidget(field, row, col * 4 + 1);
        m_entryWidgets << cap << field;
        if (!unit.isEmpty()) {
            auto *u = label(unit);
            grid->addWidget(u, row, col * 4 + 2);
            m_entryWidgets << u;
        }
        if (extra) {
            grid->addWidget(extra, row, col * 4 + 3, Qt::AlignLeft);
            m_entryWidgets << extra;
        }
    };

    {
        auto *cap = label(QStringLiteral("日     付 ："));
        grid->addWidget(cap, row, 0);
        grid->addLayout(dateRow, row, 1, 1, 7);
        m_entryWidgets << cap;
        ++row;
    }

    Text5 = lineEdit(QStringLiteral("Text5"), 6);
    Text6 = lineEdit(QStringLiteral("Text6"), 6);
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->addItems(kenkouJoutai());
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    for (int i = 0; i < G_Seikatu_Kyoudo.size(); ++i)
        Combo1->addItem(G_Seikatu_Kyoudo.at(i), i + 1);
    if (Combo1->count() == 0) { // vocabulary not loaded: the list of the program all the same
        const QStringList k{QStringLiteral("軽い"), QStringLiteral("普通"),
                            QStringLiteral("やや重い"), QStringLiteral("重い")};
        for (int i = 0; i < k.size(); ++i)
            Combo1->addItem(k.at(i), i + 1);
    }
    Command10 = new QToolButton(this);
    Command10->setObjectName(QStringLiteral("Command10"));
    Command10->setText(QStringLiteral("？"));
    Command8 = new QToolButton(this);
    Command8->setObjectName(QStringLiteral("Command8"));
    Command8->setText(QStringLiteral("？"));
    // Enter walks the entry boxes; the two help buttons are for the mouse and would otherwise
    // catch the Enter after 生活強度.
    Command8->setFocusPolicy(Qt::NoFocus);
    Command10->setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < 2; ++i) {
        Text7[i] = lineEdit(arrayName(QStringLiteral("Text7"), i), 4);
    }
    Text7[0]->setToolTip(QStringLiteral("血圧（下）"));
    Text7[1]->setToolTip(QStringLiteral("血圧（上）"));
    Text8 = lineEdit(QStringLiteral("Text8"), 5);
    Text9 = lineEdit(QStringLiteral("Text9"), 5);
    Text10 = lineEdit(QStringLiteral("Text10"), 5);
    Text11 = lineEdit(QStringLiteral("Text11"), 5);
    Text1 = lineEdit(QStringLiteral("Text1"), 7);
    Text2 = lineEdit(QStringLiteral("Text2"), 6);
    Text12 = lineEdit(QStringLiteral("Text12"), 30);
    // Height and weight stay white: the status text calls the white boxes the required ones.
    for (QLineEdit *e : {Text7[0], Text7[1], Text8, Text9, Text10, Text11, Text1, Text2, Text12}) {
        QPalette pal = e->palette();
        pal.setColor(QPalette::Base, QColor(0xfd, 0xf7, 0xe4));
        e->setPalette(pal);
    }

    // Left: the measures the day needs. Right: the optional ones.
    const int firstRow = row;
    addField(0, QStringLiteral("身     長 ："), Text5, QStringLiteral("（cm）"));
    ++row;
    {
        // The body-build index follows the typed height and weight, beside the weight's help button.
        auto *box = new QWidget(this);
        box->setObjectName(QStringLiteral("TaikakuBox"));
        auto *h = new QHBoxLayout(box);
        h->setContentsMargins(0, 0, 0, 0);
        h->addWidget(Command10);
        LabTaikaku = new QLabel(box);
        LabTaikaku->setObjectName(QStringLiteral("LabTaikaku"));
        LabTaikaku->setToolTip(QStringLiteral("大人はBMI（日本肥満学会の判定）、6歳未満はカウプ指数、"
                                              "6～15歳はローレル指数です。"));
        h->addWidget(LabTaikaku);
        h->addStretch(1);
        addField(0, QStringLiteral("体     重 ："), Text6, QStringLiteral("（Kg）"), box);
        connect(Text5, &QLineEdit::textChanged, this, [this] { Taikaku_Hyouji(); });
        connect(Text6, &QLineEdit::textChanged, this, [this] { Taikaku_Hyouji(); });
    }
    ++row;
    addField(0, QStringLiteral("健康状態："), Combo2, QString());
    ++row;
    addField(0, QStringLiteral("生活強度："), Combo1, QString(), Command8);
    ++row;
    const int leftEnd = row;

    row = firstRow;
    {
        auto *cap = label(QStringLiteral("血  圧  ："));
        // Which box is which: a Japanese user writes 上/下 and would type them the other way round.
        auto *bp = new QHBoxLayout;
        auto *sita = label(QStringLiteral("（下）"));
        bp->addWidget(sita);
        bp->addWidget(Text7[0]);
        auto *tilde = label(QStringLiteral("～"));
        bp->addWidget(tilde);
        auto *ue = label(QStringLiteral("（上）"));
        bp->addWidget(ue);
        bp->addWidget(Text7[1]);
        auto *unit = label(QStringLiteral("(mmHg)"));
        bp->addWidget(unit);
        bp->addStretch(1);
        grid->addWidget(cap, row, 4);
        grid->addLayout(bp, row, 5, 1, 3);
        m_entryWidgets << cap << sita << Text7[0] << tilde << ue << Text7[1] << unit;
        ++row;
    }
    addField(1, QStringLiteral("体　　温   ："), Text8, QStringLiteral("（℃）"));
    ++row;
    addField(1, QStringLiteral("体脂肪率 ："), Text9, QStringLiteral("（％）"));
    ++row;
    addField(1, QStringLiteral("血 糖 値  ："), Text10, QStringLiteral("(mg/dl)"));
    ++row;
    addField(1, QStringLiteral("心拍数 ："), Text11, QStringLiteral("（回/分）"));
    ++row;
    addField(1, QStringLiteral("歩  数  ："), Text1, QStringLiteral("（歩）"));
    ++row;
    addField(1, QStringLiteral("運動量 ：（歩数計）"), Text2, QStringLiteral("（kcal）"));
    ++row;
    row = qMax(row, leftEnd);
    {
        auto *cap = label(QStringLiteral("メ  モ ："));
        grid->addWidget(cap, row, 0);
        grid->addWidget(Text12, row, 1, 1, 7);
        m_entryWidgets << cap << Text12;
        ++row;
    }
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(3, 24);
    grid->setColumnStretch(7, 1);
    grid->setRowStretch(row, 1);
    outer->addWidget(Frame1, 1);

    // ---- buttons ----
    auto *buttons = new QHBoxLayout;
    auto button = [this](const QString &name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        return b;
    };
    for (int i = 0; i < 2; ++i) {
        Command7[i] = new QToolButton(this);
        Command7[i]->setObjectName(arrayName(QStringLiteral("Command7"), i));
        Command7[i]->setIcon(style()->standardIcon(i == 0 ? QStyle::SP_ArrowLeft
                                                          : QStyle::SP_ArrowRight));
        Command7[i]->setAutoRaise(false);
        // Hidden until there is a record to go to, without moving the other buttons then.
        QSizePolicy keep = Command7[i]->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        Command7[i]->setSizePolicy(keep);
        buttons->addWidget(Command7[i]);
    }
    buttons->addSpacing(12);
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("追加"));
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("変更"));
    Command9 = button(QStringLiteral("Command9"), QStringLiteral("削除"));
    Command11 = button(QStringLiteral("Command11"), QStringLiteral("一覧表示"));
    Command5 = button(QStringLiteral("Command5"), QStringLiteral("食事入力"));
    Command6 = button(QStringLiteral("Command6"), QStringLiteral("運動入力"));
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("閉じる"));
    for (QPushButton *b : {Command1, Command2, Command9, Command11})
        buttons->addWidget(b);
    buttons->addSpacing(12);
    buttons->addWidget(Command5);
    buttons->addWidget(Command6);
    buttons->addStretch(1);
    buttons->addWidget(Command3);
    outer->addLayout(buttons);

    // ---- menu and status bar ----
    QMenu *gamen = menuBar()->addMenu(QStringLiteral("画面(&G)"));
    mnSetu = gamen->addAction(QStringLiteral("説明(&H)"));
    mnSetu->setObjectName(QStringLiteral("mnSetu"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));

    StBar = new StatusBarText(this);
    setStatusBar(StBar);
    StBar->setText(defaultStatusText());
    StBar->addHint(Command4, QStringLiteral("名前を一覧から選択します。また、新規登録、情報の変更を行います。"));
    StBar->addHint(DBCombo1, QStringLiteral("名前を選択します。新規登録は、右のボタンから行ってください。"));
    StBar->addHint(UpDown1, QStringLiteral("左に表示されている日付を１日単位で変更します。"));
    StBar->addHint(Command7[0], QStringLiteral("前の回の記録を表示します。"));
    StBar->addHint(Command7[1], QStringLiteral("次の回の記録を表示します。"));
    StBar->addHint(Command1, QStringLiteral("記録を新規に追加します。"));
    StBar->addHint(Command2, QStringLiteral("記録内容を更新します。"));
    StBar->addHint(Command9, QStringLiteral("記録（１日分）を削除します。"));
    StBar->addHint(Command11, QStringLiteral("過去の健康状態の一覧を表示します。また、過去データの呼び出しもできます。"));
    StBar->addHint(Command5, QStringLiteral("食事を入力し、食事診断を行います。"));
    StBar->addHint(Command6, QStringLiteral("運動を入力し、運動量を計算します。"));
    StBar->addHint(Command10, QStringLiteral("肥満とやせの判定図を表示します。"));
    StBar->addHint(Command8, QStringLiteral("生活強度の目安を説明します。"));
    StBar->addHint(Command3, QStringLiteral("メニュー画面へ戻ります。"));
    StBar->addHint(central, defaultStatusText());
    StBar->addHint(Frame1, defaultStatusText());

    // ---- wiring ----
    connect(DBCombo1, &DataCombo::choiceChanged, this, [this] {
        if (!m_loading)
            guarded([this] { Name_Change(); });
    });
    DBCombo1->installEventFilter(this);
    // The arrows take no focus: a day typed into a box that still has it counts first.
    connect(UpDown1, &UpDown::upClicked, this, [this] {
        guarded([this] { syncDateBoxes(); });
        // Never past today.
        if (ThisDate < QDate::currentDate())
            goToDay(ThisDate.addDays(1));
        else
            Hiduke_Hyouji(ThisDate);
    });
    connect(UpDown1, &UpDown::downClicked, this, [this] {
        guarded([this] { syncDateBoxes(); });
        if (ThisDate > QDate(1900, 1, 1))
            goToDay(ThisDate.addDays(-1));
        else
            Hiduke_Hyouji(ThisDate);
    });
    connect(Command7[0], &QToolButton::clicked, this, [this] { Command7_Click(0); });
    connect(Command7[1], &QToolButton::clicked, this, [this] { Command7_Click(1); });
    connect(Command1, &QPushButton::clicked, this, &F_KJNyuu01::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &F_KJNyuu01::Command2_Click);
    connect(Command9, &QPushButton::clicked, this, &F_KJNyuu01::Command9_Click);
    connect(Command11, &QPushButton::clicked, this, &F_KJNyuu01::Command11_Click);
    connect(Command5, &QPushButton::clicked, this, &F_KJNyuu01::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &F_KJNyuu01::Command6_Click);
    connect(Command10, &QToolButton::clicked, this, &F_KJNyuu01::Command10_Click);
    connect(Command8, &QToolButton::clicked, this, &F_KJNyuu01::Command8_Click);
    connect(Command4, &QPushButton::clicked, this, &F_KJNyuu01::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &QWidget::close);
    connect(mnTojiru, &QAction::triggered, this, &QWidget::close);
    connect(mnSetu, &QAction::triggered, this, [this] { ShowProgramHelp(this); });
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });

    Command5->setToolTip(s_meals ? QString() : mealsComingText());
    Command6->setToolTip(s_exercise ? QString() : exerciseComingText());
}


void F_KJNyuu01::setSavedButtons(bool on)
{
    Command2->setEnabled(on);
    Command9->setEnabled(on);
    // The meals and exercise windows come in a later version; until then they stay off.
    Command5->setEnabled(on && bool(s_meals));
    Command6->setEnabled(on && bool(s_exercise));
    Command5->setToolTip(s_meals ? QString() : mealsComingText());
    Command6->setToolTip(s_exercise ? QString() : exerciseComingText());
}

void F_KJNyuu01::setNavigationShown(bool on)
{
    Command7[0]->setVisible(on);
    Command7[1]->setVisible(on);
}

// ---------------------------------------------------------------- other windows

void F_KJNyuu01::Command11_Click()
{
    guarded([this] {
        if (!henkouKakunin())
            return;
        F_KJNyuu01_Iti iti(this);
        iti.exec();
    });
}

void F_KJNyuu01::openSubWindow(const SubWindowOpener &opener)
{
    if (!opener)
        return;
    QWidget *w = opener(this);
    if (!w)
        return;
    QPointer<F_KJNyuu01> self(this);
    connect(w, &QObject::destroyed, this, [self] {
        if (self)
            self->show();
    });
    w->show();
    hide();
}

void F_KJNyuu01::Command5_Click()
{
    guarded([this] {
        if (Henkou_Check()) {
            info(QStringLiteral("内容が変更されています。「変更」ボタンを押してください。"));
            return;
        }
        // Without an age (a day before the birth date) there is no standard to compute;
        // the age of an earlier day must not stand in for it.
        if (LabTosi->text().isEmpty()) {
            info(QStringLiteral("誕生日より昔の記録です。"));
            return;
        }
        if (!kenkouAllowed(Combo2->currentText(), isMale() ? 1 : 2, shownAge())) {
            info(kenkouNotAllowedMessage());
            return;
        }
        {
            WaitCursor wait;
            // Without a standard row the meals would be judged against the previous person's.
            if (!Syoyouryou_Set(Nenrei, Nenrei_Nissu, Combo1->currentData().toInt(), isMale() ? 1 : 2,
                                Val(Text6->text()), Val(Text5->text()), Combo2->currentText()))
                return;
            Kojin_Settei_Get(G_Simei_ID);
        }
        openSubWindow(s_meals);
    });
}

void F_KJNyuu01::Command6_Click()
{
    guarded([this] {
        if (Henkou_Check()) {
            info(QStringLiteral("内容が変更されています。「変更」ボタンを押してください。"));
            return;
        }
        openSubWindow(s_exercise);
    });
}

void F_KJNyuu01::Command10_Click()
{
    guarded([this] {
        const double h = Val(Text5->text());
        const double w = Val(Text6->text());
        if (!(h > 0)) {
            info(QStringLiteral("身長を入力してください。"));
            return;
        }
        if (!(w > 0)) {
            info(QStringLiteral("体重を入力してください。"));
            return;
        }
        const int age = int(Val(LabTosi->text()));
        if (age < 20)
            info(QStringLiteral("表示されるグラフは、２０歳～２９歳用となります。"));
        const QString state = Combo2->currentText();
        if (state == QStringLiteral("妊娠前半期") || state == QStringLiteral("妊娠後半期"))
            info(QStringLiteral("表示されるグラフは、通常時（妊娠中でない）のグラフです。"));
        F_KJNyuu01_Tai tai(isMale(), age, Text5->text(), Text6->text(), this);
        tai.exec();
    });
}

void F_KJNyuu01::Command8_Click()
{
    F_KJNyuu_Set set(this);
    set.exec();
}

void F_KJNyuu01::Command4_Click()
{
    guarded([this] {
        F_User01 user(this);
        user.exec();
        const bool changed = user.HenkouFlg;
        const qint64 shown = user.ShownID();
        const QVariantMap before = DBCombo1->currentRecord();
        // Names may have changed or gone: list again, keeping the person shown here.
        m_loading = true;
        DBCombo1->setRowSource(QStringLiteral("SELECT * FROM 個人データ ORDER BY 氏名 ASC"), {},
                               QStringLiteral("氏名"), QStringLiteral("氏名ID"));
        DBCombo1->setBoundValue(changed ? shown : G_Simei_ID);
        m_loading = false;
        if (changed) {
            Name_Change();
        } else {
            G_Simei_Hyouji = G_Simei_ID ? QStringLiteral("氏名 ： ") + DBCombo1->text() : QString();
            // The shown person's sex or birth date may have been edited: the age, the sex and
            // what follows from them must be those of the row as it now is.
            if (DBCombo1->currentRecord() != before && !DBCombo1->currentRecord().isEmpty()) {
                LabSeiBetu->setText(DBCombo1->field(QStringLiteral("性別")).toInt() == 1 ? QStringLiteral("男")
                                                                                        : QStringLiteral("女"));
                Nenrei_Hyouji();
            }
        }
    });
}

// ---------------------------------------------------------------- events

void F_KJNyuu01::Combo1_Click()
{
    if (Combo1->currentText() == QStringLiteral("軽い") && Junbi_Flg) {
        MsgBox(QStringLiteral("　「軽い」は、病気や入院等で運動できない場合に選択してください。\r\n\r\n"
                              "　選択した生活強度により、必要な栄養素量の基準を算出します。\r\n"
                              "　「軽い」人は、「普通」程度の栄養素を摂った上で、運動をするように心掛けてください。"),
               vbInformation, QStringLiteral("確認：生活強度について"));
    }
}

bool F_KJNyuu01::eventFilter(QObject *obj, QEvent *e)
{
    if (e->type() == QEvent::FocusOut) {
        for (QLineEdit *t : Text3) {
            if (obj == t) {
                dateBoxLeft();
                break;
            }
        }
    } else if (obj == DBCombo1 && e->type() == QEvent::MouseButtonPress
               && DBCombo1->count() == 0) {
        info(QStringLiteral("健康管理する人の名前が一人も登録されていません。\r\n「新規／一覧」ボタンで名前を登録してください。"));
        Command4->setFocus();
        return true;
    }
    return QMainWindow::eventFilter(obj, e);
}

bool F_KJNyuu01::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        Junbi_Flg = true;
    return QMainWindow::event(e);
}

void F_KJNyuu01::closeEvent(QCloseEvent *e)
{
    if (!DBCombo1->text().isEmpty()) {
        bool ok = true;
        guarded([&] { ok = henkouKakunin(); });
        if (!ok) {
            e->ignore();
            return;
        }
    }
    e->accept();
    emit closed();
}

} // namespace mirte
