#include "f_kjs_sinrb01.h"

#include "assess_sql.h"
#include "b_01.h"
#include "graph.h"
#include "statusbartext.h"
#include "tabcontrol.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mirte {

F_KJS_SinRb01::F_KJS_SinRb01(QWidget *parent) : SindanWindow(parent)
{
    setObjectName(QStringLiteral("F_KJS_SinRb01"));
    setWindowTitle(QStringLiteral("食事診断－料理別"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildUi();
    guarded([this] { Form_Load(); });
}

QString F_KJS_SinRb01::defaultStatusText()
{
    return QStringLiteral("料理毎の栄養摂取率のグラフです。料理を指定して「グラフ」を選択してください。");
}

void F_KJS_SinRb01::buildUi()
{
    buildGraphs();
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Form"));
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);

    auto box = [central](const QString &name) {
        auto *e = new QLineEdit(central);
        e->setObjectName(name);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
        return e;
    };
    Text1 = box(QStringLiteral("Text1"));
    Text2 = box(QStringLiteral("Text2"));
    Text3 = box(QStringLiteral("Text3"));
    auto *head = new QHBoxLayout;
    // The header texts carry their own captions ("氏名 ： ", "日付 ： ").
    head->addWidget(Text1, 1);
    head->addSpacing(12);
    head->addWidget(Text2, 1);
    outer->addLayout(head);

    auto *body = new QHBoxLayout;
    auto *side = new QVBoxLayout;
    auto *kubun = new QGroupBox(QStringLiteral("食事区分"), central);
    auto *kl = new QVBoxLayout(kubun);
    auto *group = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        Option1[i] = new QRadioButton(G_Syokuji_Kubun.value(i), kubun);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        group->addButton(Option1[i], i);
        kl->addWidget(Option1[i], 0, Qt::AlignLeft);
    }
    Option1[0]->setChecked(true);
    side->addWidget(kubun);
    side->addWidget(new QLabel(QStringLiteral("料理："), central));
    Combo1 = new QComboBox(central);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setMinimumWidth(200);
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    side->addWidget(Combo1);
    Command2 = new QPushButton(QStringLiteral("グラフ"), central);
    Command2->setObjectName(QStringLiteral("Command2"));
    side->addWidget(Command2);
    side->addStretch(1);
    Command1 = new QPushButton(QStringLiteral("閉じる"), central);
    Command1->setObjectName(QStringLiteral("Command1"));
    side->addWidget(Command1);
    body->addLayout(side);

    auto *right = new QVBoxLayout;
    right->addWidget(Text3);
    right->addWidget(SSTab1, 1);
    body->addLayout(right, 1);
    outer->addLayout(body, 1);

    StBar = new StatusBarText(this);
    StBar->setObjectName(QStringLiteral("StBar"));
    setStatusBar(StBar);
    StBar->addHint(this, defaultStatusText());
    StBar->addHint(central, defaultStatusText());
    StBar->addHint(SSTab1, defaultStatusText());
    StBar->addHint(Command1, QStringLiteral("画面を閉じ、前画面に戻ります。"));
    StBar->addHint(Command2, QStringLiteral("左で指定した料理の摂取率をグラフに表示します。"));

    connect(group, &QButtonGroup::idClicked, this,
            [this](int id) { guarded([this, id] { Option1_Click(id); }); });
    connect(Command2, &QPushButton::clicked, this, [this] { guarded([this] { Command2_Click(); }); });
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    resize(1040, 640);
}

void F_KJS_SinRb01::zeroTables()
{
    const std::array<double, kEiyouCount> none{};
    m_gr1 = Ryouri_Graph(none, G_Syoyouryou, kGraph1First, kGraph1Count);
    m_gr2 = Ryouri_Graph(none, G_Syoyouryou, kGraph2First, kGraph2Count);
    // Nothing chosen yet: no bar, whatever the standard.
    for (GraphHyou *g : {&m_gr1, &m_gr2})
        for (auto &row : g->values)
            row.fill(0);
}

void F_KJS_SinRb01::Form_Load()
{
    StBar->setText(defaultStatusText());
    Text1->setText(G_Simei_Hyouji);
    Text2->setText(G_Day_Hyouji);
    zeroTables();
    showTable(Gr1, m_gr1, {});
    showTable(Gr2, m_gr2, {});
    fillDishes(0);
}

void F_KJS_SinRb01::fillDishes(int kubun)
{
    Combo1->clear();
    QSqlQuery &q = G_DB().prepared(QStringLiteral(
        "SELECT 摂取料理ID, 料理名 FROM 摂取料理 WHERE 健康状態管理ID = ? AND 食事区分 = ?"
        " ORDER BY 摂取料理ID"));
    q.addBindValue(G_KK_ID);
    q.addBindValue(G_Syokuji_Kubun.value(kubun));
    assess::execOrThrow(q);
    while (q.next())
        Combo1->addItem(q.value(1).toString(), q.value(0));
    q.finish();
    Combo1->setCurrentIndex(Combo1->count() > 0 ? 0 : -1);
}

void F_KJS_SinRb01::Option1_Click(int index)
{
    fillDishes(index);
}

void F_KJS_SinRb01::Command2_Click()
{
    if (Combo1->currentIndex() < 0)
        return;
    Text3->setText(QStringLiteral("料理名 ： ") + Combo1->currentText());
    const qint64 serId = Combo1->currentData().toLongLong();
    {
        WaitCursor wait;
        if (!Ryouri_Sessyu_Set(serId))
            return;
    }
    m_serId = serId;
    m_gr1 = Ryouri_Graph(G_Ryouri_Sessyu, G_Syoyouryou, kGraph1First, kGraph1Count);
    m_gr2 = Ryouri_Graph(G_Ryouri_Sessyu, G_Syoyouryou, kGraph2First, kGraph2Count);
    showTable(Gr1, m_gr1, {});
    showTable(Gr2, m_gr2, {});
}

QString F_KJS_SinRb01::printTitle() const
{
    const QString six(6, QLatin1Char(' '));
    return six + Text3->text() + six + Text1->text() + QString(3, QLatin1Char(' ')) + Text2->text();
}

const GraphHyou &F_KJS_SinRb01::graphData(int tab) const
{
    return tab == 1 ? m_gr2 : m_gr1;
}

QString F_KJS_SinRb01::readOut(const GraphHyou &t, int s, int p) const
{
    return t.cell(0, p).toString() + QStringLiteral("\r\n")
           + Format(t.cell(s, p).toDouble(), QStringLiteral("0.0")) + QStringLiteral(" ％ ");
}

} // namespace mirte
