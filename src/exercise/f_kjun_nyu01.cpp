#include "f_kjun_nyu01.h"

#include "b_00_gui.h"
#include "b_01.h"
#include "database.h"
#include "datacombo.h"
#include "f_help.h"
#include "f_kjnyuu01.h"
#include "f_kjun_nyu01_ken.h"
#include "f_kjun_sin01.h"
#include "flexgrid.h"
#include "handlers.h"
#include "msgbox.h"
#include "numberbox.h"
#include "undou_core.h"
#include "uiutil.h"

#include <QAction>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace mirte {

namespace {

const QString kKakunin = QStringLiteral("確認");
const QString kError = QStringLiteral("エラー");

// Columns of the list: 1 運動時間ID, 2 健康状態管理ID, 3 運動名称, 4 エネルギー消費量ID, 5 時間.
constexpr int kIdCol = 1, kKkCol = 2, kNameCol = 3, kActCol = 4, kTimeCol = 5;

} // namespace

F_KJUn_Nyu01::F_KJUn_Nyu01(F_KJNyuu01 *caller) : QMainWindow(nullptr)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("F_KJUn_Nyu01"));
    setWindowTitle(QStringLiteral("運動入力"));
    buildUi(caller);
    guarded([this] { Form_Load(); });
}

F_KJUn_Nyu01::~F_KJUn_Nyu01()
{
    // The diagnosis belongs to this window's day; it does not outlive it, and its end must not
    // show this window again while it is going.
    if (m_sindan) {
        m_sindan->disconnect(this);
        delete m_sindan;
    }
}

F_KJUn_Nyu01_Ken *F_KJUn_Nyu01::picker() const
{
    return m_picker;
}

F_KJUn_Sin01 *F_KJUn_Nyu01::diagnosis() const
{
    return m_sindan;
}

void F_KJUn_Nyu01::buildUi(F_KJNyuu01 *caller)
{
    QMenu *gamen = menuBar()->addMenu(QStringLiteral("画面(&G)"));
    mnSetu = gamen->addAction(QStringLiteral("説明(&H)"));
    mnSetu->setObjectName(QStringLiteral("mnSetu"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    connect(mnSetu, &QAction::triggered, this, [this] { ShowProgramHelp(this); });
    connect(mnTojiru, &QAction::triggered, this, &QWidget::close);

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form"));
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);
    const QString frameTip = QStringLiteral("一日に行った運動・動作を入力し「運動診断」を行います。");

    auto readOnly = [this](const QString &name, int chars) {
        auto *e = new QLineEdit(this);
        e->setObjectName(name);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("あ")) * chars + 12);
        return e;
    };

    // ---- who and when ----
    auto *head = new QGroupBox(this);
    head->setObjectName(QStringLiteral("Frame1"));
    head->setToolTip(frameTip);
    auto *headRow = new QHBoxLayout(head);
    headRow->addWidget(new QLabel(QStringLiteral("氏  名 ："), head));
    Text1 = readOnly(QStringLiteral("Text1"), 8);
    headRow->addWidget(Text1);
    headRow->addSpacing(12);
    headRow->addWidget(new QLabel(QStringLiteral("日  付 ："), head));
    Text2 = readOnly(QStringLiteral("Text2"), 11);
    headRow->addWidget(Text2);
    headRow->addStretch(1);
    outer->addWidget(head);
    if (caller) {
        Text1->setText(caller->DBCombo1->text());
        Text2->setText(caller->Text3[0]->text() + QStringLiteral("年") + caller->Text3[1]->text()
                       + QStringLiteral("月") + caller->Text3[2]->text() + QStringLiteral("日")
                       + caller->LabYoubi->text());
    }

    // ---- the day's list ----
    auto *listFrame = new QGroupBox(QStringLiteral("行った運動・動作"), this);
    listFrame->setObjectName(QStringLiteral("Frame2"));
    listFrame->setToolTip(frameTip);
    auto *listBox = new QVBoxLayout(listFrame);
    vsGrid = new FlexGrid(listFrame);
    vsGrid->setObjectName(QStringLiteral("vsGrid"));
    vsGrid->setMinimumSize(360, 180);
    listBox->addWidget(vsGrid, 1);
    Label10 = new QLabel(listFrame);
    Label10->setObjectName(QStringLiteral("Label10"));
    Label10->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    listBox->addWidget(Label10);
    outer->addWidget(listFrame, 1);

    // ---- entry ----
    auto *entry = new QGroupBox(QStringLiteral("運動・動作の入力"), this);
    entry->setObjectName(QStringLiteral("Frame3"));
    entry->setToolTip(frameTip);
    auto *grid = new QGridLayout(entry);
    grid->addWidget(new QLabel(QStringLiteral("運動・動作名 ："), entry), 0, 0);
    DBCombo1 = new DataCombo(entry);
    DBCombo1->setObjectName(QStringLiteral("DBCombo1"));
    DBCombo1->setToolTip(QStringLiteral("運動・動作名を選択します。"));
    DBCombo1->setMinimumContentsLength(18);
    DBCombo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    grid->addWidget(DBCombo1, 0, 1, 1, 4);
    Command1 = new QPushButton(QStringLiteral("一覧"), entry);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("運動・動作名の検索画面を表示します。"));
    grid->addWidget(Command1, 0, 5);

    grid->addWidget(new QLabel(QStringLiteral("時　　間 ："), entry), 1, 0);
    for (int i = 0; i < 2; ++i) {
        auto *e = new QLineEdit(entry);
        e->setObjectName(arrayName(QStringLiteral("Text3"), i));
        // The window checks the duration itself and says what is wrong: fold, refuse nothing.
        makeNumberBox(e, NumberValidator::Unsigned, NumberValidator::FoldOnly);
        e->setMaxLength(6);
        const int w = e->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16;
        e->setFixedWidth(w);
        connect(e, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
        Text3[i] = e;
    }
    grid->addWidget(Text3[0], 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("時間"), entry), 1, 2);
    grid->addWidget(Text3[1], 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("分"), entry), 1, 4, Qt::AlignLeft);
    grid->setColumnStretch(4, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto button = [this, entry](const QString &name, const QString &text, const QString &tip) {
        auto *b = new QPushButton(text, entry);
        b->setObjectName(name);
        b->setToolTip(tip);
        b->setMinimumWidth(88);
        return b;
    };
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("追  加"),
                      QStringLiteral("行った運動・動作を追加します。"));
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("変　更"),
                      QStringLiteral("一覧で選択中の運動・動作を変更します。"));
    Command4 = button(QStringLiteral("Command4"), QStringLiteral("削  除"),
                      QStringLiteral("一覧で選択中の運動・動作を１件削除します。"));
    buttons->addWidget(Command2);
    buttons->addWidget(Command3);
    buttons->addWidget(Command4);
    grid->addLayout(buttons, 2, 0, 1, 6);
    outer->addWidget(entry);

    auto *bottom = new QHBoxLayout;
    Command6 = new QPushButton(QStringLiteral("運動診断"), this);
    Command6->setObjectName(QStringLiteral("Command6"));
    Command6->setToolTip(
        QStringLiteral("運動診断画面を表示します。食事入力の場合、摂取エネルギーとの比較ができます。"));
    Command6->setMinimumWidth(110);
    Command7 = new QPushButton(QStringLiteral("閉じる"), this);
    Command7->setObjectName(QStringLiteral("Command7"));
    Command7->setToolTip(QStringLiteral("この画面を閉じ、前画面に戻ります。"));
    Command7->setMinimumWidth(110);
    bottom->addWidget(Command6);
    bottom->addStretch(1);
    bottom->addWidget(Command7);
    outer->addLayout(bottom);

    connect(Command1, &QPushButton::clicked, this, &F_KJUn_Nyu01::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &F_KJUn_Nyu01::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &F_KJUn_Nyu01::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &F_KJUn_Nyu01::Command4_Click);
    connect(Command6, &QPushButton::clicked, this, &F_KJUn_Nyu01::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &QWidget::close);
    connect(vsGrid, &FlexGrid::currentRowChanged, this, &F_KJUn_Nyu01::Grid_RowChange);
    connect(vsGrid, &FlexGrid::sorted, this, [this] { CellResize(); });
    connect(vsGrid, &FlexGrid::mouseMoved, this, [this](int row, int) {
        vsGrid->setToolTipText(row == 0 ? QStringLiteral("クリックでソートします。") : QString());
    });
    resize(560, 520);
}

void F_KJUn_Nyu01::Form_Load()
{
    // One connection for the whole program: the list is read again after every save.
    DBCombo1->setRowSource(Undou_Meisyou_Sql(), {}, QStringLiteral("運動名称"),
                           QStringLiteral("エネルギー消費量ID"));
    DBCombo1->setCurrentIndex(-1);
    Text3[0]->clear();
    Text3[1]->setText(QStringLiteral("0"));
    m_picker = new F_KJUn_Nyu01_Ken(this);
    vsGrid->setRecordSource(Undou_Ichiran_Sql(), {G_KK_ID});
    CellResize();
    if (vsGrid->rows() <= 1)
        Sentaku_Clear();
    else
        vsGrid->setRow(1);
    refreshTotal();
}

void F_KJUn_Nyu01::CellResize()
{
    if (vsGrid->cols() <= kTimeCol)
        return;
    vsGrid->setRedraw(false);
    vsGrid->setColWidth(0, 200);
    vsGrid->setColWidth(kIdCol, 0);
    vsGrid->setColWidth(kKkCol, 0);
    vsGrid->setColWidth(kNameCol, 3600);
    vsGrid->setColWidth(kActCol, 0);
    vsGrid->setTextMatrix(0, kNameCol, QStringLiteral("運動名称"));
    vsGrid->setTextMatrix(0, kTimeCol, QStringLiteral("時間"));
    // Always "H：NN": the stored fraction of a day means nothing to a reader.
    vsGrid->setColFormatter(kTimeCol, [](const QVariant &v) { return Jikan_HNN(Val(v)); });
    vsGrid->setColAlignment(kTimeCol, Qt::AlignRight | Qt::AlignVCenter);
    vsGrid->autoSizeCol(kTimeCol);
    vsGrid->setColWidth(kTimeCol, std::max(vsGrid->colWidth(kTimeCol), 900));
    vsGrid->autoSizeRows();
    vsGrid->setRedraw(true);
}

QString F_KJUn_Nyu01::JikanKei() const
{
    QList<double> durations;
    for (int r = 1; r < vsGrid->rows(); ++r)
        durations << Val(vsGrid->valueMatrix(r, kTimeCol));
    return Jikan_Kei_Text(durations);
}

void F_KJUn_Nyu01::refreshTotal()
{
    Label10->setText(JikanKei());
}

bool F_KJUn_Nyu01::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate && Label10)
        refreshTotal();
    return QMainWindow::event(e);
}

void F_KJUn_Nyu01::reload(qint64 id)
{
    vsGrid->setRecordSource(Undou_Ichiran_Sql(), {G_KK_ID});
    CellResize();
    if (id == 0 || !Grid_ID_Sentaku(vsGrid, kIdCol, id))
        Sentaku_Clear();
}

void F_KJUn_Nyu01::Sentaku_Clear()
{
    vsGrid->setRow(0);
    CellResize();
    Command3->setEnabled(false);
    Command4->setEnabled(false);
    m_selId = 0;
}

void F_KJUn_Nyu01::Grid_RowChange(int row)
{
    if (row < 1 || row >= vsGrid->rows()) {
        m_selId = 0;
        return;
    }
    m_selId = vsGrid->valueMatrix(row, kIdCol).toLongLong();
    Command3->setEnabled(true);
    Command4->setEnabled(true);
    DBCombo1->setBoundValue(vsGrid->valueMatrix(row, kActCol));
    const int m = Jikan_Fun(Val(vsGrid->valueMatrix(row, kTimeCol)));
    Text3[0]->setText(QString::number(m / 60));
    Text3[1]->setText(QString::number(m % 60));
}

bool F_KJUn_Nyu01::checkJikan(bool overwrite, int &minutes)
{
    const JikanCheck c = Jikan_Check(DBCombo1->boundValue(), Text3[0]->text(), Text3[1]->text());
    if (c.result == JikanCheck::Ok) {
        minutes = c.minutes;
        return true;
    }
    MsgBox(Jikan_Check_Message(c.result, overwrite), vbInformation, kKakunin);
    if (c.result == JikanCheck::NoActivity)
        DBCombo1->setFocus();
    else
        Text3[0]->setFocus();
    return false;
}

void F_KJUn_Nyu01::Command1_Click()
{
    guarded([this] {
        if (!m_picker)
            m_picker = new F_KJUn_Nyu01_Ken(this);
        WaitCursor wait;
        m_picker->placeBeside(this);
        m_picker->show();
        m_picker->raise();
        m_picker->activateWindow();
    });
}

void F_KJUn_Nyu01::Command2_Click()
{
    guarded([this] {
        int minutes = 0;
        if (!checkJikan(false, minutes))
            return;
        const qint64 id =
            Undou_Tuika(G_KK_ID, DBCombo1->boundValue().toLongLong(), minutes);
        reload(id);
        DBCombo1->setFocus();
        refreshTotal();
    });
}

void F_KJUn_Nyu01::Command3_Click()
{
    guarded([this] {
        if (MsgBox(QStringLiteral("選択されている行に上書きします。"), vbOKCancel | vbInformation,
                   kKakunin)
            != vbOK) {
            DBCombo1->setFocus();
            return;
        }
        int minutes = 0;
        if (!checkJikan(true, minutes))
            return;
        const qint64 id = m_selId;
        if (id == 0
            || !Undou_Henkou(id, G_KK_ID, DBCombo1->boundValue().toLongLong(), minutes)) {
            MsgBox(QStringLiteral("変更するレコードが見つかりません。"), vbExclamation, kError);
            return;
        }
        reload(id);
        DBCombo1->setFocus();
        refreshTotal();
    });
}

void F_KJUn_Nyu01::Command4_Click()
{
    guarded([this] {
        const qint64 id = m_selId;
        if (id == 0 || !Undou_Aru(id)) {
            MsgBox(QStringLiteral("選択した運動名が見つかりません。"), vbExclamation, kError);
            return;
        }
        if (MsgBox(QStringLiteral("運動を削除します。よろしいですか。"), vbOKCancel | vbInformation,
                   kKakunin)
            != vbOK)
            return;
        Undou_Sakujo(id);
        reload(0);
        refreshTotal();
    });
}

void F_KJUn_Nyu01::Command6_Click()
{
    guarded([this] {
        F_KJUn_Sin01 *w = nullptr;
        {
            WaitCursor wait;
            if (m_picker)
                m_picker->hide();
            delete m_sindan;
            w = new F_KJUn_Sin01;
            m_sindan = w;
        }
        QPointer<F_KJUn_Nyu01> self(this);
        connect(w, &QObject::destroyed, this, [self] {
            if (self) {
                self->show();
                self->refreshTotal();
            }
        });
        w->ensurePolished();
        Form_Center(w);
        w->show();
        hide();
    });
}

} // namespace mirte
