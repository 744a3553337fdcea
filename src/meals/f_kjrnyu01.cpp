#include "f_kjrnyu01.h"

#include "b_00_gui.h"
#include "b_01.h"
#include "datacombo.h"
#include "f_help.h"
#include "f_kjnyuu01.h"
#include "f_kjr_copy01.h"
#include "f_kjr_rhen.h"
#include "f_kjr_idou.h"
#include "f_kjrnyu01_ken.h"
#include "f_kjs_sin01.h"
#include "f_kjseibun01.h"
#include "f_kjznyu01.h"
#include "flexgrid.h"
#include "meals_core.h"
#include "handlers.h"
#include "statusbartext.h"
#include "uiutil.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QInputDialog>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace mirte {


namespace {

constexpr int kIdCol = 1;
constexpr int kNameCol = 4;
constexpr int kKubunCol = 6;

} // namespace

DayHeader DayHeader::from(const F_KJNyuu01 *caller)
{
    DayHeader h;
    if (!caller)
        return h;
    h.simei = caller->DBCombo1 ? caller->DBCombo1->currentText() : QString();
    const auto &t = caller->Text4;
    if (t[0] && t[1] && t[2] && t[3]) {
        h.hiduke = t[0]->text() + QStringLiteral("年") + t[1]->text() + QStringLiteral("月")
            + t[2]->text() + QStringLiteral("日") + t[3]->text();
        h.day = QDate(t[0]->text().toInt(), t[1]->text().toInt(), t[2]->text().toInt());
    }
    return h;
}

QString F_KJRNyu01::defaultStatusText()
{
    return QStringLiteral("「料理一覧」から１日に食べた料理を登録してから、食事診断を行います。");
}

F_KJRNyu01::F_KJRNyu01(const DayHeader &header, QWidget *parent)
    : QMainWindow(parent), m_header(header)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("F_KJRNyu01"));
    setWindowTitle(QStringLiteral("健康状態入力－料理入力"));
    buildUi();
    guarded([this] { Form_Load(); });
    // The picker lives as long as this window, so it keeps its filter between uses.
    m_ken = new F_KJRNyu01_Ken(this);
    resize(560, 480);
}

F_KJRNyu01::~F_KJRNyu01()
{
    // A foods window still open goes too, without showing this one again.
    if (m_zai)
        disconnect(m_zai, nullptr, this, nullptr);
    delete m_zai;
    delete m_ken;
}

F_KJRNyu01_Ken *F_KJRNyu01::picker() const
{
    return m_ken;
}

F_KJZNyu01 *F_KJRNyu01::ingredients() const
{
    return m_zai;
}

void F_KJRNyu01::buildUi()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form"));
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);

    auto *head = new QGridLayout;
    auto box = [this](const QString &name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(name);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        return e;
    };
    Text1 = box(QStringLiteral("Text1"));
    Text2 = box(QStringLiteral("Text2"));
    head->addWidget(new QLabel(QStringLiteral("氏  名 ："), this), 0, 0);
    head->addWidget(Text1, 0, 1);
    head->addWidget(new QLabel(QStringLiteral("日  付 ："), this), 0, 2);
    head->addWidget(Text2, 0, 3);
    head->setColumnStretch(1, 2);
    head->setColumnStretch(3, 3);
    outer->addLayout(head);

    auto *body = new QHBoxLayout;
    VSGrid1 = new FlexGrid(this);
    VSGrid1->setObjectName(QStringLiteral("VSGrid1"));
    body->addWidget(VSGrid1, 1);

    auto *side = new QVBoxLayout;
    auto button = [this](const QString &name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("材料表示")) + 32);
        return b;
    };
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("料理一覧"));
    Command4 = button(QStringLiteral("Command4"), QStringLiteral("削  除"));
    Command8 = button(QStringLiteral("Command8"), QStringLiteral("材料表示"));
    Command5 = button(QStringLiteral("Command5"), QStringLiteral("成分表示"));
    Command6 = button(QStringLiteral("Command6"), QStringLiteral("食事診断"));
    Command7 = button(QStringLiteral("Command7"), QStringLiteral("閉じる"));
    side->addWidget(Command2);
    side->addWidget(Command4);
    side->addWidget(Command8);
    side->addSpacing(16);
    side->addWidget(Command5);
    side->addWidget(Command6);
    side->addStretch(1);
    side->addWidget(Command7);
    body->addLayout(side);
    outer->addLayout(body, 1);

    QMenu *gamen = menuBar()->addMenu(QStringLiteral("画面(&G)"));
    mnCopy = gamen->addAction(QStringLiteral("他の日からコピー(&C)"));
    mnCopy->setObjectName(QStringLiteral("mnCopy"));
    mnEdit = gamen->addAction(QStringLiteral("料理名・区分変更(&E)"));
    mnEdit->setObjectName(QStringLiteral("mnEdit"));
    mnIdou = gamen->addAction(QStringLiteral("区分をまとめて変更(&M)…"));
    mnIdou->setObjectName(QStringLiteral("mnIdou"));
    mnToroku = gamen->addAction(QStringLiteral("料理マスタに登録(&R)…"));
    mnToroku->setObjectName(QStringLiteral("mnToroku"));
    gamen->addSeparator();
    mnSetu = gamen->addAction(QStringLiteral("説明(&H)"));
    mnSetu->setObjectName(QStringLiteral("mnSetu"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));

    StBar = new StatusBarText(this);
    setStatusBar(StBar);
    StBar->setText(defaultStatusText());
    StBar->addHint(central, defaultStatusText());
    StBar->addHint(Command2, QStringLiteral("料理一覧から、食べた料理を追加します。"));
    StBar->addHint(Command4, QStringLiteral("選択している食べた料理を削除します。"));
    StBar->addHint(Command8, QStringLiteral("選択している料理の材料を表示します。また、材料と分量の修正が可能です。"));
    StBar->addHint(Command5, QStringLiteral("一日分の栄養成分の集計値を表示します。"));
    StBar->addHint(Command6, QStringLiteral("１日に摂取した栄養素をグラフにし、栄養の診断をします。"));
    StBar->addHint(Command7, QStringLiteral("画面を閉じ、健康状態入力画面に戻ります。"));

    connect(Command2, &QPushButton::clicked, this, &F_KJRNyu01::Command2_Click);
    connect(Command4, &QPushButton::clicked, this, &F_KJRNyu01::Command4_Click);
    connect(Command8, &QPushButton::clicked, this, &F_KJRNyu01::Command8_Click);
    connect(Command5, &QPushButton::clicked, this, &F_KJRNyu01::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &F_KJRNyu01::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &QWidget::close);
    connect(mnTojiru, &QAction::triggered, this, &QWidget::close);
    connect(mnCopy, &QAction::triggered, this, &F_KJRNyu01::mnCopy_Click);
    connect(mnEdit, &QAction::triggered, this, &F_KJRNyu01::mnEdit_Click);
    connect(mnIdou, &QAction::triggered, this, &F_KJRNyu01::mnIdou_Click);
    connect(mnToroku, &QAction::triggered, this, &F_KJRNyu01::mnToroku_Click);
    connect(mnSetu, &QAction::triggered, this, [this] { ShowProgramHelp(this); });
    connect(VSGrid1, &FlexGrid::currentRowChanged, this, [this] { selectionRule(); });
    connect(VSGrid1, &FlexGrid::sorted, this, [this] { selectionRule(); });
    connect(VSGrid1, &FlexGrid::clicked, this, [this](int row, int col) {
        if (row == 0 && col == 0)
            cornerSort();
    });
    connect(VSGrid1, &FlexGrid::doubleClicked, this, [this](int row, int) {
        if (row >= 1) {
            VSGrid1->setRow(row);
            Command8_Click();
        }
    });
}

void F_KJRNyu01::Form_Load()
{
    Text1->setText(m_header.simei);
    Text2->setText(m_header.hiduke);
    G_Ryouri_Mei.clear();
    VSGrid1->setResultSet(dayDishes(G_DB(), G_KK_ID));
    CellResize();
    if (VSGrid1->rows() <= 1) {
        noSelection();
    } else {
        VSGrid1->setCurrentCell(1, kIdCol);
        selectionRule();
    }
}

void F_KJRNyu01::CellResize()
{
    const bool was = VSGrid1->redraw();
    VSGrid1->setRedraw(false);
    VSGrid1->setColWidth(0, 200);
    for (int c = 1; c < VSGrid1->cols(); ++c) {
        if (c != kNameCol && c != kKubunCol)
            VSGrid1->setColWidth(c, 0);
    }
    // The name takes the room the selector and the meal leave, inside the grid's frame and
    // scroll bar, so that no sideways scrolling is needed. A grid not yet laid out still gets a
    // readable name column.
    const int inner = pixelsToTwips(VSGrid1->view()->viewport()->width(), VSGrid1);
    VSGrid1->setColWidth(kNameCol, qMax(1600, inner - 1400 - 15));
    VSGrid1->setColWidth(kKubunCol, 1400);
    VSGrid1->setRowHeight(0, 270);
    VSGrid1->setRedraw(was);
}

void F_KJRNyu01::noSelection()
{
    VSGrid1->setCurrentCell(0, kIdCol);
    G_SeR_ID = 0;
    G_Ryouri_Mei.clear();
    Command4->setEnabled(false);
    Command8->setEnabled(false);
}

void F_KJRNyu01::selectionRule()
{
    const int r = VSGrid1->row();
    if (r >= 1) {
        G_SeR_ID = VSGrid1->valueMatrix(r, kIdCol).toLongLong();
        G_Ryouri_Mei = VSGrid1->textMatrix(r, kNameCol);
        Command4->setEnabled(true);
        Command8->setEnabled(true);
    } else {
        G_SeR_ID = 0;
        G_Ryouri_Mei.clear();
        Command4->setEnabled(false);
        Command8->setEnabled(false);
    }
}

void F_KJRNyu01::cornerSort()
{
    if (VSGrid1->rows() <= 1)
        return;
    VSGrid1->sort(kIdCol, Qt::AscendingOrder);
}

void F_KJRNyu01::refreshDishes(qint64 selectId)
{
    VSGrid1->setResultSet(dayDishes(G_DB(), G_KK_ID));
    CellResize();
    if (selectId != 0 && Grid_ID_Sentaku(VSGrid1, kIdCol, selectId))
        selectionRule();
    else
        noSelection();
}

QString F_KJRNyu01::currentKubun() const
{
    const int r = VSGrid1->row();
    return r >= 1 ? VSGrid1->textMatrix(r, kKubunCol) : QString();
}

void F_KJRNyu01::dishRenamed(qint64 serId, const QString &name, const QString &kubun)
{
    for (int r = 1; r < VSGrid1->rows(); ++r) {
        if (VSGrid1->valueMatrix(r, kIdCol).toLongLong() == serId) {
            VSGrid1->setValueMatrix(r, kNameCol, name);
            VSGrid1->setValueMatrix(r, kKubunCol, kubun);
            if (r == VSGrid1->row())
                selectionRule();
            return;
        }
    }
}

// ---------------------------------------------------------------- actions

void F_KJRNyu01::Command2_Click()
{
    if (!m_ken)
        return;
    WaitCursor wait;
    m_ken->placeBeside(this);
    m_ken->show();
    m_ken->raise();
    m_ken->activateWindow();
}

void F_KJRNyu01::Command4_Click()
{
    guarded([this] {
        const int r = VSGrid1->row();
        qint64 found = 0;
        for (int i = 1; i < VSGrid1->rows(); ++i) {
            if (VSGrid1->valueMatrix(i, kIdCol).toLongLong() == G_SeR_ID && G_SeR_ID != 0) {
                found = G_SeR_ID;
                break;
            }
        }
        if (found == 0 || r < 1) {
            MsgBox(QStringLiteral("選択した料理名が見つかりません。"), vbExclamation, errorTitle());
            return;
        }
        if (!ask(QStringLiteral("料理を削除します。よろしいですか。")))
            return;
        deleteEatenDish(G_DB(), found);
        // Nothing stays selected: the user picks the next dish himself.
        refreshDishes(0);
    });
}

void F_KJRNyu01::Command8_Click()
{
    if (VSGrid1->row() < 1 || G_SeR_ID == 0)
        return;
    guarded([this] {
        WaitCursor wait;
        delete m_zai;
        m_zai = new F_KJZNyu01(this);
        QPointer<F_KJRNyu01> self(this);
        connect(m_zai, &QObject::destroyed, this, [self] {
            if (self) {
                self->show();
                self->activateWindow();
            }
        });
        m_zai->move(pos());
        m_zai->show();
        if (m_ken)
            m_ken->hide();
        hide();
    });
}

F_KJSeibun01 *F_KJRNyu01::dayDetail() const
{
    return m_seibun;
}

F_KJS_Sin01 *F_KJRNyu01::diagnosis() const
{
    return m_sin;
}

void F_KJRNyu01::openInstead(QWidget *w)
{
    QPointer<F_KJRNyu01> self(this);
    connect(w, &QObject::destroyed, this, [self] {
        if (self) {
            self->show();
            self->activateWindow();
        }
    });
    w->show();
    if (m_ken)
        m_ken->hide();
    hide();
}

void F_KJRNyu01::Command5_Click()
{
    guarded([this] {
        WaitCursor wait;
        delete m_seibun;
        m_seibun = new F_KJSeibun01(this);
        openInstead(m_seibun);
    });
}

void F_KJRNyu01::Command6_Click()
{
    guarded([this] {
        delete m_sin;
        m_sin = new F_KJS_Sin01(this);
        openInstead(m_sin);
    });
}

void F_KJRNyu01::mnCopy_Click()
{
    if (!ask(QStringLiteral("過去に記録したデータから一日分の食べた料理をコピーします。")))
        return;
    guarded([this] {
        F_KJR_Copy01 copy(this);
        copy.exec();
    });
}

void F_KJRNyu01::mnEdit_Click()
{
    const int r = VSGrid1->row();
    if (r < 1)
        return;
    guarded([this, r] {
        F_KJR_RHen rhen(this, VSGrid1->valueMatrix(r, kIdCol).toLongLong(),
                        VSGrid1->textMatrix(r, kNameCol), VSGrid1->textMatrix(r, kKubunCol));
        rhen.exec();
    });
}

void F_KJRNyu01::mnToroku_Click()
{
    const int r = VSGrid1->row();
    if (r < 1) {
        info(QStringLiteral("料理名を選択してください。"));
        return;
    }
    guarded([this, r] {
        const qint64 serId = VSGrid1->valueMatrix(r, kIdCol).toLongLong();
        QInputDialog in(this);
        in.setObjectName(QStringLiteral("F_KJR_Toroku"));
        in.setWindowTitle(QStringLiteral("料理マスタに登録"));
        in.setLabelText(QStringLiteral("この料理を、今の材料と分量（１人前あたり）で料理マスタに登録します。料理名："));
        in.setTextValue(VSGrid1->textMatrix(r, kNameCol).trimmed());
        in.setOkButtonText(QStringLiteral("登録"));
        in.setCancelButtonText(QStringLiteral("キャンセル"));
        if (in.exec() != QDialog::Accepted)
            return;
        const QString name = in.textValue().trimmed();
        if (name.isEmpty()) {
            info(QStringLiteral("料理名を入力してください。"));
            return;
        }
        // The dish master refuses a name it already has; so does this.
        if (registerEatenDish(G_DB(), serId, name) == 0) {
            info(QStringLiteral("同じ名前の料理名が既に登録されています。"));
            return;
        }
        info(QStringLiteral("「%1」を料理マスタに登録しました。").arg(name));
    });
}

void F_KJRNyu01::mnIdou_Click()
{
    guarded([this] {
        F_KJR_Idou idou(this);
        if (idou.exec() == QDialog::Accepted)
            refreshDishes(VSGrid1->row() >= 1 ? VSGrid1->valueMatrix(VSGrid1->row(), kIdCol).toLongLong() : 0);
    });
}

// ---------------------------------------------------------------- events

bool F_KJRNyu01::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        G_Yobidasi = 1;
    else if (e->type() == QEvent::Resize || e->type() == QEvent::Show)
        QMetaObject::invokeMethod(this, [this] { CellResize(); }, Qt::QueuedConnection);
    return QMainWindow::event(e);
}

void F_KJRNyu01::closeEvent(QCloseEvent *e)
{
    delete m_ken;
    m_ken = nullptr;
    e->accept();
}

} // namespace mirte
