#include "f_kjznyu01.h"

#include "b_00_gui.h"
#include "b_01.h"
#include "datacombo.h"
#include "dishes_gui.h"
#include "f_help.h"
#include "f_henkan.h"
#include "f_kjrnyu01.h"
#include "f_seiken01.h"
#include "f_zaiseibun01.h"
#include "flexgrid.h"
#include "meals_core.h"
#include "handlers.h"
#include "numberbox.h"
#include "statusbartext.h"
#include "uiutil.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace mirte {


namespace {

// Grid columns (column 0 is the row selector).
enum Col { cName = 1, cSaibun, cGrams, cMethod, cSesId, cSeiId, cMethodId, cSerId, cGroup, cGuide };

QString gramsCell(const QVariant &v)
{
    if (v.isNull())
        return {};
    QString s = QString::number(v.toDouble(), 'f', 2);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s;
}

} // namespace

QString F_KJZNyu01::baseCaption()
{
    return QStringLiteral("料理材料一覧");
}

QString F_KJZNyu01::defaultStatusText()
{
    return QStringLiteral("料理の材料一覧です。");
}

F_KJZNyu01::F_KJZNyu01(F_KJRNyu01 *owner) : QMainWindow(nullptr), m_owner(owner)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("F_KJZNyu01"));
    m_kubun = owner ? owner->currentKubun() : QString();
    buildUi();
    guarded([this] { Form_Load(); });
    resize(760, 560);
}

void F_KJZNyu01::buildUi()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form"));
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);

    auto box = [this](const QString &name, bool readOnly) {
        auto *e = new QLineEdit(this);
        e->setObjectName(name);
        e->setReadOnly(readOnly);
        if (readOnly)
            e->setFocusPolicy(Qt::ClickFocus);
        return e;
    };
    auto *frame1 = new QGroupBox(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto *upper = new QGridLayout(frame1);
    Text9 = box(QStringLiteral("Text9"), true);
    Text1 = box(QStringLiteral("Text1"), true);
    Text2 = box(QStringLiteral("Text2"), true);
    Text3 = box(QStringLiteral("Text3"), false);
    // "120g" is taken by its number and "-5" is refused with a message, so nothing is kept out.
    makeNumberBox(Text3, NumberValidator::Signed, NumberValidator::FoldOnly);
    Text3->setAlignment(Qt::AlignRight);
    Text3->setMaximumWidth(Text3->fontMetrics().horizontalAdvance(QStringLiteral("00000.00")) + 16);
    Text8 = box(QStringLiteral("Text8"), true);
    DBCombo1 = new DataCombo(this);
    DBCombo1->setObjectName(QStringLiteral("DBCombo1"));
    DBCombo1->setMinimumContentsLength(8);
    DBCombo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Text4 = box(QStringLiteral("Text4"), true);
    Text5 = box(QStringLiteral("Text5"), true);
    Text6 = box(QStringLiteral("Text6"), true);
    for (QLineEdit *hidden : {Text4, Text5, Text6})
        hidden->setVisible(false);
    LabRyouri = new QLabel(this);
    LabRyouri->setObjectName(QStringLiteral("LabRyouri"));

    int row = 0;
    auto field = [&](const QString &caption, QWidget *w, int span = 3) {
        upper->addWidget(new QLabel(caption, this), row, 0);
        upper->addWidget(w, row, 1, 1, span);
        ++row;
    };
    field(QStringLiteral("料 理 名 ："), LabRyouri);
    field(QStringLiteral("大 分 類 ："), Text9);
    field(QStringLiteral("小 分 類 ："), Text1);
    field(QStringLiteral("細    分  ："), Text2);
    {
        upper->addWidget(new QLabel(QStringLiteral("分    量  ："), this), row, 0);
        auto *q = new QHBoxLayout;
        q->addWidget(Text3);
        q->addWidget(new QLabel(QStringLiteral("（ｇ）"), this));
        q->addSpacing(24);
        q->addWidget(new QLabel(QStringLiteral("調 理 法 ："), this));
        q->addWidget(DBCombo1);
        q->addStretch(1);
        upper->addLayout(q, row, 1, 1, 3);
        ++row;
    }
    field(QStringLiteral("分量目安："), Text8);
    upper->setColumnStretch(1, 1);
    outer->addWidget(frame1);

    auto button = [this](const QString &name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        return b;
    };
    Command1 = button(QStringLiteral("Command1"), QStringLiteral("材料一覧"));
    Command7 = button(QStringLiteral("Command7"), QStringLiteral("分量換算"));
    Command5 = button(QStringLiteral("Command5"), QStringLiteral("追加"));
    Command4 = button(QStringLiteral("Command4"), QStringLiteral("変更"));
    Command3 = button(QStringLiteral("Command3"), QStringLiteral("削除"));
    Command6 = button(QStringLiteral("Command6"), QStringLiteral("成分表示"));
    Command2 = button(QStringLiteral("Command2"), QStringLiteral("閉じる"));
    auto *edit = new QHBoxLayout;
    edit->addWidget(Command1);
    edit->addWidget(Command7);
    edit->addSpacing(16);
    edit->addWidget(Command5);
    edit->addWidget(Command4);
    edit->addWidget(Command3);
    edit->addStretch(1);
    outer->addLayout(edit);

    auto *frame2 = new QGroupBox(this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto *lower = new QVBoxLayout(frame2);
    vsGrid = new FlexGrid(this);
    vsGrid->setObjectName(QStringLiteral("vsGrid"));
    vsGrid->setHeaderClickSort(false);
    lower->addWidget(vsGrid);
    outer->addWidget(frame2, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Command6);
    bottom->addStretch(1);
    bottom->addWidget(Command2);
    outer->addLayout(bottom);

    QMenu *gamen = menuBar()->addMenu(QStringLiteral("画面(&G)"));
    mnSetu = gamen->addAction(QStringLiteral("説明(&H)"));
    mnSetu->setObjectName(QStringLiteral("mnSetu"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));

    StBar = new StatusBarText(this);
    setStatusBar(StBar);
    StBar->setText(defaultStatusText());
    StBar->addHint(central, defaultStatusText());
    StBar->addHint(frame1, defaultStatusText());
    StBar->addHint(frame2, defaultStatusText());
    StBar->addHint(vsGrid, QStringLiteral("料理の材料一覧です。変更する材料を選びます。"));
    const QString byButton = QStringLiteral("大分類～詳細の変更は、「材料設定」ボタンで行ってください。");
    StBar->addHint(Text1, byButton);
    StBar->addHint(Text2, byButton);
    StBar->addHint(Text9, byButton);
    StBar->addHint(Text3, QStringLiteral("材料の分量を設定します。"));
    StBar->addHint(Text8, QStringLiteral("分量の目安です。"));
    StBar->addHint(Command1, QStringLiteral("材料の一覧表を表示します。成分表から材料を選択します。"));
    StBar->addHint(Command5, QStringLiteral("画面（上）で指定した材料をこの料理に追加します。"));
    StBar->addHint(Command4, QStringLiteral("選択中の材料を画面（上）内容で上書きします。"));
    StBar->addHint(Command3, QStringLiteral("選択中の材料を１件削除します。"));
    StBar->addHint(Command6, QStringLiteral("この料理の成分を表示します。"));
    StBar->addHint(Command2, QStringLiteral("この画面を閉じ、前画面に戻ります。"));

    connect(Command5, &QPushButton::clicked, this, &F_KJZNyu01::Command5_Click);
    connect(Command4, &QPushButton::clicked, this, &F_KJZNyu01::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &F_KJZNyu01::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &F_KJZNyu01::Command1_Click);
    connect(Command7, &QPushButton::clicked, this, &F_KJZNyu01::Command7_Click);
    connect(Command6, &QPushButton::clicked, this, &F_KJZNyu01::Command6_Click);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
    // A food chosen in the browser while the day's dishes called it comes here.
    if (F_SeiKen01 *s = G_SeiKen()) {
        connect(s, &F_SeiKen01::foodChosen, this, [this](int code, const FoodPick &p) {
            if (code == 1)
                foodPicked(p.seibunId, p.group, p.name, p.saibun, p.guide);
        });
    }
    connect(mnTojiru, &QAction::triggered, this, &QWidget::close);
    connect(mnSetu, &QAction::triggered, this, [this] { ShowProgramHelp(this); });
    connect(DBCombo1, &DataCombo::choiceChanged, this, [this] {
        if (!m_filling)
            methodChosen();
    });
    connect(vsGrid, &FlexGrid::currentRowChanged, this, [this] { selectionRule(); });
}

void F_KJZNyu01::Form_Load()
{
    G_SeS_ID = 0;
    G_Sei_ID = 0;
    G_Tyouri_ID = 0;
    clearUpper();
    setWindowTitle(baseCaption() + QStringLiteral("    料理名：") + G_Ryouri_Mei + QStringLiteral("［")
                   + m_kubun + QStringLiteral("］"));
    LabRyouri->setText(G_Ryouri_Mei);
    m_filling = true;
    DBCombo1->setResultSet(cookingMethods(G_DB()), QStringLiteral("調理法"), QStringLiteral("調理法ID"));
    m_filling = false;
    loadFoods();
    if (vsGrid->rows() <= 1)
        noFoodSelected();
    else {
        vsGrid->setCurrentCell(1, cName);
        selectionRule();
    }
}

void F_KJZNyu01::clearUpper()
{
    m_filling = true;
    for (QLineEdit *e : {Text1, Text2, Text8, Text9})
        e->clear();
    for (QLineEdit *e : {Text3, Text4, Text5, Text6})
        e->setText(QStringLiteral("0"));
    DBCombo1->setCurrentIndex(-1);
    m_filling = false;
}

void F_KJZNyu01::loadFoods()
{
    vsGrid->setRedraw(false);
    vsGrid->setResultSet(dishFoods(G_DB(), G_SeR_ID));
    layoutGrid();
    vsGrid->setRedraw(true);
}

void F_KJZNyu01::layoutGrid()
{
    static const int widths[] = {200, 2450, 2200, 700, 1000, 0, 0, 0, 0, 0, 0};
    for (int c = 0; c < vsGrid->cols() && c < int(std::size(widths)); ++c)
        vsGrid->setColWidth(c, widths[c]);
    vsGrid->setColFormatter(cGrams, gramsCell);
    vsGrid->setColAlignment(cGrams, Qt::AlignRight | Qt::AlignVCenter);
    // The sub-name takes what the other columns leave, so that long names wrap less.
    const int inner = pixelsToTwips(vsGrid->view()->viewport()->width(), vsGrid);
    vsGrid->setColWidth(cSaibun, qMax(2200, inner - 2450 - 700 - 1000 - 15));
    vsGrid->setWordWrap(true);
    // Two lines of the sub-name fit, whatever the font.
    const int twoLines = pixelsToTwips(2 * vsGrid->fontMetrics().lineSpacing() + 8, vsGrid);
    vsGrid->setAllRowHeights(qMax(520, twoLines));
    vsGrid->setRowHeight(0, 270);
}

void F_KJZNyu01::noFoodSelected()
{
    vsGrid->setCurrentCell(0, cSesId);
    Command3->setEnabled(false);
    Command4->setEnabled(false);
}

void F_KJZNyu01::selectionRule()
{
    const int r = vsGrid->row();
    if (r < 1) {
        Text4->setText(QStringLiteral("0"));
        return;
    }
    m_filling = true;
    Text1->setText(vsGrid->textMatrix(r, cName));
    Text2->setText(vsGrid->textMatrix(r, cSaibun));
    const QVariant grams = vsGrid->valueMatrix(r, cGrams);
    Text3->setText(grams.isNull() ? QStringLiteral("0") : quantityText(grams.toDouble()));
    DBCombo1->setBoundValue(vsGrid->valueMatrix(r, cMethodId));
    Text4->setText(vsGrid->textMatrix(r, cSesId));
    Text5->setText(vsGrid->textMatrix(r, cSeiId));
    Text6->setText(vsGrid->textMatrix(r, cMethodId));
    Text8->setText(vsGrid->textMatrix(r, cGuide));
    Text9->setText(vsGrid->textMatrix(r, cGroup));
    m_filling = false;
    G_SeS_ID = qint64(Val(Text4->text()));
    G_Sei_ID = qint64(Val(Text5->text()));
    G_Tyouri_ID = int(Val(Text6->text()));
    Command4->setEnabled(true);
    Command3->setEnabled(true);
    Command5->setEnabled(true);
}

void F_KJZNyu01::methodChosen()
{
    const QVariant id = DBCombo1->boundValue();
    if (!id.isValid())
        return;
    Text6->setText(QString::number(id.toInt()));
    G_Tyouri_ID = id.toInt();
}

void F_KJZNyu01::foodPicked(qint64 seiId, const QString &group, const QString &name,
                            const QString &saibun, const QString &guide)
{
    Text9->setText(group);
    Text1->setText(name);
    Text2->setText(saibun);
    Text5->setText(QString::number(seiId));
    Text8->setText(guide);
    G_Sei_ID = seiId;
    show();
    raise();
    activateWindow();
}

void F_KJZNyu01::Command5_Click()
{
    guarded([this] {
        if (G_Sei_ID == 0 || G_Tyouri_ID == 0) {
            info(QStringLiteral("材料あるいは、調理法が入力されていません。"));
            return;
        }
        const auto grams = parseQuantity(Text3->text());
        if (!grams) {
            Text3->setFocus();
            info(QStringLiteral("分量が無効な値です。"));
            return;
        }
        Text3->setText(quantityText(*grams));
        const qint64 id = addEatenFood(G_DB(), G_KK_ID, G_SeR_ID, G_Sei_ID, G_Tyouri_ID, *grams);
        loadFoods();
        if (!Grid_ID_Sentaku(vsGrid, cSesId, id))
            noFoodSelected();
        layoutGrid();
    });
}

void F_KJZNyu01::Command4_Click()
{
    guarded([this] {
        if (G_SeS_ID == 0 || !eatenFoodExists(G_DB(), G_SeS_ID)) {
            MsgBox(QStringLiteral("エラー：選択した材料が見つかりません。"), vbExclamation, errorTitle());
            return;
        }
        // Overwriting with no food or no cooking method would leave a food nobody can list.
        if (G_Sei_ID == 0 || G_Tyouri_ID == 0) {
            info(QStringLiteral("材料あるいは、調理法が入力されていません。"));
            return;
        }
        const auto grams = parseQuantity(Text3->text());
        if (!grams) {
            Text3->setFocus();
            info(QStringLiteral("分量が無効な値です。"));
            return;
        }
        Text3->setText(quantityText(*grams));
        const qint64 id = G_SeS_ID;
        updateEatenFood(G_DB(), id, G_Sei_ID, G_Tyouri_ID, *grams);
        loadFoods();
        if (!Grid_ID_Sentaku(vsGrid, cSesId, id))
            noFoodSelected();
        layoutGrid();
    });
}

void F_KJZNyu01::Command3_Click()
{
    guarded([this] {
        if (G_SeS_ID == 0 || !eatenFoodExists(G_DB(), G_SeS_ID)) {
            MsgBox(QStringLiteral("選択した材料が見つかりません。"), vbExclamation, errorTitle());
            return;
        }
        if (!ask(QStringLiteral("材料を削除します。よろしいですか。")))
            return;
        deleteEatenFood(G_DB(), G_SeS_ID);
        loadFoods();
        G_SeS_ID = 0;
        G_Sei_ID = 0;
        G_Tyouri_ID = 0;
        clearUpper();
        noFoodSelected();
        layoutGrid();
    });
}

void F_KJZNyu01::Command1_Click()
{
    F_SeiKen01 *s = G_SeiKen();
    if (!s)
        return;
    WaitCursor wait;
    s->setPickVisible(true);
    s->show();
    s->raise();
    s->activateWindow();
}

void F_KJZNyu01::Command7_Click()
{
    guarded([this] {
        F_HenKan henkan(this);
        henkan.exec();
        if (!henkan.CancelFlg)
            Text3->setText(Format(henkan.KansanBunRyou, QStringLiteral("0.00")));
    });
}

F_ZaiSeiBun01 *F_KJZNyu01::dishDetail() const
{
    return m_seibun;
}

void F_KJZNyu01::Command6_Click()
{
    guarded([this] {
        WaitCursor wait;
        delete m_seibun;
        m_seibun = dishes::openDetailInPlace(this, 2);
    });
}

void F_KJZNyu01::closeEvent(QCloseEvent *e)
{
    if (F_SeiKen01 *s = G_SeiKen())
        s->hide();
    QMainWindow::closeEvent(e);
}

bool F_KJZNyu01::event(QEvent *e)
{
    if ((e->type() == QEvent::WindowActivate || e->type() == QEvent::Resize) && vsGrid)
        QMetaObject::invokeMethod(this, [this] { layoutGrid(); }, Qt::QueuedConnection);
    return QMainWindow::event(e);
}

} // namespace mirte
