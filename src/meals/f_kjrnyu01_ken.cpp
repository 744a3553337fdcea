#include "f_kjrnyu01_ken.h"

#include "b_01.h"
#include "f_kjrnyu01.h"
#include "f_rhen01.h"
#include "f_seiken01.h"
#include "b_00_gui.h"
#include "flexgrid.h"
#include "meals_core.h"
#include "handlers.h"
#include "numberbox.h"
#include "statusbartext.h"
#include "uiutil.h"
#include "updown.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

namespace mirte {

namespace {

constexpr int kKindCol = 1;
constexpr int kNameCol = 2;
constexpr int kKindIdCol = 3;
constexpr int kIdCol = 4;
constexpr int kSyokuhinKara = 12; // the browser's caller code for 食品から追加

} // namespace

QString F_KJRNyu01_Ken::defaultStatusText()
{
    return QStringLiteral("一覧表から料理を選択し、食べた料理として追加します。");
}

F_KJRNyu01_Ken::F_KJRNyu01_Ken(F_KJRNyu01 *owner) : QMainWindow(owner, Qt::Window), m_owner(owner)
{
    setObjectName(QStringLiteral("F_KJRNyu01_Ken"));
    setWindowTitle(QStringLiteral("食べた料理の追加"));
    buildUi();
    guarded([this] {
        ComboReSet();
        listCatalogue(0, QString());
        listOften();
    });
    resize(700, 560);
}

void F_KJRNyu01_Ken::buildUi()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form"));
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);

    // ---- search ----
    auto *frame1 = new QGroupBox(QStringLiteral("料理名の検索"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto *search = new QGridLayout(frame1);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setMinimumContentsLength(12);
    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Command1 = new QPushButton(QStringLiteral("検索"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    search->addWidget(new QLabel(QStringLiteral("料理分類   ："), this), 0, 0);
    search->addWidget(Combo1, 0, 1);
    search->addWidget(new QLabel(QStringLiteral("検索文字列："), this), 1, 0);
    search->addWidget(Text1, 1, 1);
    search->addWidget(Command1, 1, 2);
    search->setColumnStretch(1, 1);
    outer->addWidget(frame1);

    // The catalogue on the left, what the person eats most often on the right.
    auto *lists = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    vsGrid = new FlexGrid(this);
    vsGrid->setObjectName(QStringLiteral("vsGrid"));
    vsGrid->setHeaderClickSort(false);
    left->addWidget(vsGrid, 1);
    LabNasi = new QLabel(this);
    LabNasi->setObjectName(QStringLiteral("LabNasi"));
    LabNasi->setWordWrap(true);
    LabNasi->setVisible(false);
    left->addWidget(LabNasi);
    lists->addLayout(left, 3);
    auto *frameYoku = new QGroupBox(QStringLiteral("よく食べる料理"), this);
    frameYoku->setObjectName(QStringLiteral("FrameYoku"));
    auto *yoku = new QVBoxLayout(frameYoku);
    LstYoku = new QListWidget(this);
    LstYoku->setObjectName(QStringLiteral("LstYoku"));
    yoku->addWidget(LstYoku, 1);
    CmdSyokuhin = new QPushButton(QStringLiteral("食品から追加…"), this);
    CmdSyokuhin->setObjectName(QStringLiteral("CmdSyokuhin"));
    yoku->addWidget(CmdSyokuhin);
    lists->addWidget(frameYoku, 2);
    outer->addLayout(lists, 1);

    // ---- what is added ----
    auto *frame2 = new QGroupBox(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto *add = new QGridLayout(frame2);
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setReadOnly(true);
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    QStringList kinds = G_Syokuji_Kubun;
    if (kinds.size() != 4)
        kinds = {QStringLiteral("朝食"), QStringLiteral("昼食"), QStringLiteral("夕食"),
                 QStringLiteral("その他")};
    Combo2->addItems(kinds);
    Combo2->setCurrentIndex(0);
    Text3 = new QLineEdit(servingsText(1.0), this);
    Text3->setObjectName(QStringLiteral("Text3"));
    // Full-width digits become digits; what is no number is told by the add itself.
    makeNumberBox(Text3, NumberValidator::Signed, NumberValidator::FoldOnly);
    Text3->setAlignment(Qt::AlignRight);
    Text3->setMaximumWidth(Text3->fontMetrics().horizontalAdvance(QStringLiteral("000.0")) + 16);
    UpDown2 = new UpDown(this);
    UpDown2->setObjectName(QStringLiteral("UpDown2"));
    // Tenths of a serving, from 0.1 to the largest servings value accepted.
    UpDown2->setRange(1, int(kMaxServings * 10));
    UpDown2->setValue(10);
    Command2 = new QPushButton(QStringLiteral("追  加"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    add->addWidget(new QLabel(QStringLiteral("料理："), this), 0, 0);
    add->addWidget(Text2, 0, 1, 1, 5);
    add->addWidget(new QLabel(QStringLiteral("区分："), this), 1, 0);
    add->addWidget(Combo2, 1, 1);
    add->addWidget(Text3, 1, 2);
    add->addWidget(UpDown2, 1, 3);
    add->addWidget(new QLabel(QStringLiteral("人前"), this), 1, 4);
    add->addWidget(Command2, 1, 5);
    add->setColumnStretch(5, 1);
    outer->addWidget(frame2);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command3 = new QPushButton(QStringLiteral("閉じる"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    buttons->addWidget(Command3);
    outer->addLayout(buttons);

    QMenu *gamen = menuBar()->addMenu(QStringLiteral("画面(&G)"));
    gamen->setToolTipsVisible(true);
    mnMstHen = gamen->addAction(QStringLiteral("料理マスタ編集(&E)"));
    mnMstHen->setObjectName(QStringLiteral("mnMstHen"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));

    StBar = new StatusBarText(this);
    setStatusBar(StBar);
    StBar->setText(defaultStatusText());
    StBar->addHint(central, defaultStatusText());
    StBar->addHint(frame1, defaultStatusText());
    StBar->addHint(frame2, defaultStatusText());
    StBar->addHint(vsGrid, defaultStatusText());
    StBar->addHint(Command1, QStringLiteral("検索文字列を含む料理名に絞り込みます。"));
    StBar->addHint(Text1, QStringLiteral("指定した文字を含む料理名に絞り込みます。"));
    StBar->addHint(Text2, QStringLiteral("一覧から選んだ料理です。この料理を食べた料理に追加します。"));
    const QString servingsHint =
        QStringLiteral("材料の量を調整できます。材料毎に調整する場合は、前画面(材料表示)で行います。");
    StBar->addHint(Text3, servingsHint);
    StBar->addHint(UpDown2, servingsHint);
    StBar->addHint(Combo2, QStringLiteral("この料理を食べた料理に追加します。"));
    StBar->addHint(Command2, QStringLiteral("左に指定した料理を前画面に追加します。"));
    StBar->addHint(Command3, QStringLiteral("画面を閉じて、前画面へ戻ります。"));
    StBar->addHint(LstYoku, QStringLiteral("この区分で最近６０日によく食べた料理です。ダブルクリックで追加します。"));
    StBar->addHint(CmdSyokuhin, QStringLiteral("果物や牛乳などを、食品成分表から選んでそのまま追加します。"));

    connect(Command1, &QPushButton::clicked, this, &F_KJRNyu01_Ken::Command1_Click);
    connect(Text1, &QLineEdit::returnPressed, this, &F_KJRNyu01_Ken::Command1_Click);
    connect(Combo1, &QComboBox::activated, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, &F_KJRNyu01_Ken::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &QWidget::hide);
    connect(mnTojiru, &QAction::triggered, this, &QWidget::hide);
    connect(mnMstHen, &QAction::triggered, this, &F_KJRNyu01_Ken::mnMstHen_Click);
    connect(UpDown2, &UpDown::valueChanged, this, [this](int tenths) {
        Text3->setText(servingsText(tenths / 10.0));
    });
    connect(Text3, &QLineEdit::editingFinished, this, &F_KJRNyu01_Ken::servingsTyped);
    connect(vsGrid, &FlexGrid::currentRowChanged, this, [this] {
        m_fromOften = false;
        selectionRule();
    });
    connect(LstYoku, &QListWidget::itemClicked, this, [this] { oftenChosen(); });
    connect(LstYoku, &QListWidget::currentRowChanged, this, [this] {
        if (LstYoku->hasFocus())
            oftenChosen();
    });
    connect(LstYoku, &QListWidget::itemDoubleClicked, this, [this] {
        oftenChosen();
        Command2_Click();
    });
    connect(Combo2, &QComboBox::currentIndexChanged, this, [this] { guarded([this] { listOften(); }); });
    connect(CmdSyokuhin, &QPushButton::clicked, this, &F_KJRNyu01_Ken::CmdSyokuhin_Click);
    if (F_SeiKen01 *s = G_SeiKen()) {
        connect(s, &F_SeiKen01::foodChosen, this, [this](int code, const FoodPick &p) {
            if (code == kSyokuhinKara)
                foodPicked(p.seibunId);
        });
    }
    connect(vsGrid, &FlexGrid::doubleClicked, this, [this](int row, int) {
        if (row >= 1) {
            vsGrid->setRow(row);
            Command2_Click();
        }
    });
}

void F_KJRNyu01_Ken::mnMstHen_Click()
{
    guarded([this] {
        if (F_SeiKen01 *s = G_SeiKen())
            s->setPickVisible(true);
        auto *w = new F_RHen01;
        w->YobidasiMoto = 2;
        QPointer<F_KJRNyu01_Ken> self(this);
        connect(w, &F_RHen01::backToPicker, this, [self] {
            if (self)
                self->backFromDishMaster();
        });
        Form_Center(w);
        w->show();
        hide();
        if (m_owner)
            m_owner->hide();
    });
}

void F_KJRNyu01_Ken::backFromDishMaster()
{
    if (m_owner)
        m_owner->show();
    show();
    raise();
    activateWindow();
    // New, renamed and deleted dishes and categories are offered at once; the list follows the
    // category filter, which starts again at （全分類）.
    guarded([this] {
        ComboReSet();
        listCatalogue(0, Text1->text());
    });
}

void F_KJRNyu01_Ken::ComboReSet()
{
    Combo1->clear();
    for (const Category &c : categories(G_DB()))
        Combo1->addItem(c.name, c.id);
    Combo1->setCurrentIndex(0);
}

void F_KJRNyu01_Ken::listCatalogue(qint64 categoryId, const QString &search)
{
    vsGrid->setRedraw(false);
    vsGrid->setResultSet(catalogue(G_DB(), categoryId, search));
    hideIdColumns();
    vsGrid->autoSizeCol(kKindCol);
    vsGrid->autoSizeCol(kNameCol);
    vsGrid->setColWidth(0, 200);
    // A short list still reads as one table across the grid.
    const int rest = pixelsToTwips(vsGrid->view()->viewport()->width(), vsGrid) - vsGrid->colWidth(kKindCol) - 15;
    if (rest > vsGrid->colWidth(kNameCol))
        vsGrid->setColWidth(kNameCol, rest);
    vsGrid->setRedraw(true);
    if (vsGrid->rows() > 1)
        vsGrid->setCurrentCell(1, kNameCol);
    else
        vsGrid->setRow(0);
    m_fromOften = false;
    selectionRule();
    // An empty list says why where the user looks, without a message to answer.
    const bool none = vsGrid->rows() <= 1 && !search.trimmed().isEmpty();
    LabNasi->setText(none ? QStringLiteral("見つかりませんでした。読み（みそしる）や名前の一部（汁）でも探せます。"
                                           "料理分類を（全分類）にするか、右の「食品から追加」もお試しください。")
                          : QString());
    LabNasi->setVisible(none);
}

void F_KJRNyu01_Ken::listOften()
{
    // Refilled (another meal), the list has no choice: 追加 takes the catalogue's row again.
    LstYoku->clear();
    if (m_fromOften) {
        m_fromOften = false;
        selectionRule();
    }
    if (G_Simei_ID == 0)
        return;
    const QDate today = m_owner && m_owner->header().day.isValid() ? m_owner->header().day : QDate::currentDate();
    for (const OftenEaten &o : oftenEaten(G_DB(), G_Simei_ID, Combo2->currentText(), today)) {
        auto *item = new QListWidgetItem(QStringLiteral("%1（%2回）").arg(o.name).arg(o.times), LstYoku);
        item->setData(Qt::UserRole, o.ryouriId);
        item->setData(Qt::UserRole + 1, o.name);
    }
}

void F_KJRNyu01_Ken::oftenChosen()
{
    const QListWidgetItem *item = LstYoku->currentItem();
    if (!item)
        return;
    m_fromOften = true;
    Text2->setText(item->data(Qt::UserRole + 1).toString());
    Command2->setEnabled(true);
}

void F_KJRNyu01_Ken::CmdSyokuhin_Click()
{
    F_SeiKen01 *s = G_SeiKen();
    if (!s)
        return;
    // A code of its own: a food chosen for a recipe (code 11 stays set behind the dish master)
    // must never land in the day.
    G_Yobidasi = kSyokuhinKara;
    s->setPickVisible(true);
    s->show();
    s->raise();
    s->activateWindow();
}

void F_KJRNyu01_Ken::foodPicked(qint64 seiId)
{
    guarded([this, seiId] {
        const qint64 serId = addSingleFood(G_DB(), G_KK_ID, seiId, Combo2->currentText());
        if (F_SeiKen01 *s = G_SeiKen())
            s->hide();
        if (m_owner)
            m_owner->refreshDishes(serId);
        show();
        raise();
        activateWindow();
    });
}

void F_KJRNyu01_Ken::hideIdColumns()
{
    vsGrid->setColWidth(kKindIdCol, 0);
    vsGrid->setColWidth(kIdCol, 0);
}

void F_KJRNyu01_Ken::selectionRule()
{
    const int r = vsGrid->row();
    if (r >= 1) {
        Text2->setText(vsGrid->textMatrix(r, kNameCol));
        Command2->setEnabled(true);
    } else {
        Text2->clear();
    }
}

void F_KJRNyu01_Ken::servingsTyped()
{
    // The arrows go on from what was typed.
    if (const auto v = parseServings(Text3->text())) {
        const QSignalBlocker block(UpDown2);
        UpDown2->setValue(int(std::lround(*v * 10)));
    }
}

void F_KJRNyu01_Ken::Command1_Click()
{
    guarded([this] { listCatalogue(Combo1->currentData().toLongLong(), Text1->text()); });
}

void F_KJRNyu01_Ken::Command2_Click()
{
    guarded([this] {
        const int r = vsGrid->row();
        const QListWidgetItem *often = m_fromOften ? LstYoku->currentItem() : nullptr;
        if (often)
            addDish(often->data(Qt::UserRole).toLongLong(), often->data(Qt::UserRole + 1).toString());
        else if (r >= 1)
            addDish(vsGrid->valueMatrix(r, kIdCol).toLongLong(), vsGrid->textMatrix(r, kNameCol));
        else
            info(QStringLiteral("料理名を選択してください。"));
    });
}

void F_KJRNyu01_Ken::addDish(qint64 ryouriId, const QString &name)
{
    {
        const auto servings = parseServings(Text3->text());
        if (!servings) {
            Text3->setFocus();
            Text3->selectAll();
            info(QStringLiteral("人前には、0より大きく100以下の数値を入力してください。"));
            return;
        }
        const qint64 serId = addCatalogueDish(G_DB(), G_KK_ID, ryouriId, name, Combo2->currentText(), *servings);
        if (m_owner)
            m_owner->refreshDishes(serId);
        (m_fromOften ? static_cast<QWidget *>(LstYoku) : vsGrid)->setFocus();
        if (m_owner) {
            m_owner->raise();
            // The picker stays over its owner, ready for the next dish.
            raise();
        }
    }
}

void F_KJRNyu01_Ken::placeBeside(QWidget *w)
{
    if (m_placed || !w)
        return;
    m_placed = true;
    const QRect avail = w->screen() ? w->screen()->availableGeometry() : QRect();
    const QRect f = w->frameGeometry();
    QPoint at(f.right() + 1, f.top());
    if (avail.isValid() && at.x() + width() > avail.right())
        at.setX(qMax(avail.left(), avail.right() - width()));
    move(at);
}

bool F_KJRNyu01_Ken::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate) {
        G_Yobidasi = 11;
        hideIdColumns();
    }
    return QMainWindow::event(e);
}

void F_KJRNyu01_Ken::closeEvent(QCloseEvent *e)
{
    // Only hidden: the filter, the selection, the meal and the servings stay for the next use.
    e->ignore();
    hide();
}

} // namespace mirte
