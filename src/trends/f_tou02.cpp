#include "f_tou02.h"

#include "b_01.h"
#include "b_01_gui.h"
#include "b_t01.h"
#include "database.h"
#include "f_help.h"
#include "f_tou02_syudou.h"
#include "filechoice.h"
#include "graph.h"
#include "handlers.h"
#include "msgbox.h"

#include <QAction>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

namespace {

const QString kKakunin = QStringLiteral("確認");

} // namespace

F_Tou02::F_Tou02(TouKikanSyu syu, bool energy, const QString &label1Text,
                 const QString &label2Text, QWidget *parent)
    : QDialog(parent), m_syu(syu), m_energy(energy)
{
    setObjectName(QStringLiteral("F_Tou02"));
    setWindowTitle(QStringLiteral("グラフ"));
    auto *outer = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    QMenu *gamen = menu->addMenu(QStringLiteral("画面(&W)"));
    mnSetu = gamen->addAction(QStringLiteral("説明(&H)"));
    mnSetu->setObjectName(QStringLiteral("mnSetu"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    QMenu *hyouji = menu->addMenu(QStringLiteral("表示(&V)"));
    gmAvr = hyouji->addAction(QStringLiteral("平均値表示(&A)"));
    gmAvr->setObjectName(QStringLiteral("gmAvr"));
    gmAvr->setCheckable(true);
    grMem = hyouji->addAction(QStringLiteral("目盛手動設定(&M)"));
    grMem->setObjectName(QStringLiteral("grMem"));
    grMem->setCheckable(true);
    QMenu *out = menu->addMenu(QStringLiteral("出力(&O)"));
    otPrint = out->addAction(QStringLiteral("印刷(&P)"));
    otPrint->setObjectName(QStringLiteral("otPrint"));
    QMenu *clip = out->addMenu(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ(&C)"));
    otGazou = clip->addAction(QStringLiteral("画像形式(&G)"));
    otGazou->setObjectName(QStringLiteral("otGazou"));
    otHyou = clip->addAction(QStringLiteral("ﾃｷｽﾄ形式(&F)"));
    otHyou->setObjectName(QStringLiteral("otHyou"));
    otCsv = out->addAction(QStringLiteral("CSV出力(&V)…"));
    otCsv->setObjectName(QStringLiteral("otCsv"));
    outer->setMenuBar(menu);

    auto *head = new QHBoxLayout;
    label1 = new QLabel(label1Text, this);
    label1->setObjectName(QStringLiteral("label1"));
    label2 = new QLabel(label2Text, this);
    label2->setObjectName(QStringLiteral("label2"));
    head->addWidget(label1);
    head->addSpacing(32);
    head->addWidget(label2);
    head->addStretch(1);
    outer->addLayout(head);

    Gr = new Graph(this);
    Gr->setObjectName(QStringLiteral("Gr"));
    Gr->setMinimumSize(640, 400);
    outer->addWidget(Gr, 1);

    auto *foot = new QHBoxLayout;
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setFrameShape(QFrame::StyledPanel);
    Label3->setMinimumWidth(Label3->fontMetrics().horizontalAdvance(QStringLiteral("000000.00 ( kcal ) ")) + 12);
    foot->addWidget(Label3);
    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setWordWrap(true);
    foot->addWidget(Label4, 1);
    Command1 = new QPushButton(QStringLiteral("閉じる"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);
    foot->addWidget(Command1);
    outer->addLayout(foot);
    resize(960, 640);

    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(mnTojiru, &QAction::triggered, this, &QDialog::accept);
    connect(mnSetu, &QAction::triggered, this, [this] { ShowProgramHelp(this); });
    connect(gmAvr, &QAction::triggered, this, &F_Tou02::gmAvr_Click);
    connect(grMem, &QAction::triggered, this, &F_Tou02::grMem_Click);
    connect(otPrint, &QAction::triggered, this, &F_Tou02::otPrint_Click);
    connect(otGazou, &QAction::triggered, this, &F_Tou02::otGazou_Click);
    connect(otHyou, &QAction::triggered, this, &F_Tou02::otHyou_Click);
    connect(otCsv, &QAction::triggered, this, &F_Tou02::otCsv_Click);
    connect(Gr, &Graph::pointClicked, this, [this](int set, int point) {
        Label3->setText(Tou_Yomidasi(m_zu, m_data, set, point));
    });

    Gr_Hyouji();
}

void F_Tou02::Gr_Hyouji()
{
    Gr->setDrawingSuspended(true);
    Gr->clear();
    Gr->setType(Graph::Type::Line);
    Gr->setReadableLines(true);
    m_data = Tou_Data(m_syu);
    m_zu = Tou_Zu(m_data, m_energy);
    m_target.reset();
    if (!m_zu.ok()) {
        Gr->redraw();
        MsgBox(m_zu.message, vbInformation, kKakunin);
        return;
    }
    Gr->setNumSets(int(m_zu.sets.size()));
    Gr->setNumPoints(m_data.points);
    Gr->setPointLabels(m_data.labels);
    for (int i = 0; i < m_zu.sets.size(); ++i) {
        const TouSet &s = m_zu.sets[i];
        const int set = i + 1;
        Gr->setLegendText(set, m_data.mei[s.row]);
        Gr->setValues(set, m_data.values[s.row]);
        for (int p = 1; p <= m_data.points; ++p)
            Gr->setHasValue(set, p, m_data.ari(p));
        Gr->setAxisOf(set, s.right ? Graph::Axis::Right : Graph::Axis::Left);
        Gr->setSetColor(set, s.color);
    }
    guarded([this] {
        m_target = Mokuhyou_Get(G_Simei_ID, m_energy ? QStringLiteral("エネルギー")
                                                     : G_Tou_Koumoku_Sitei[0]);
    });
    if (m_target) {
        Gr->setReferenceLine(*m_target, QStringLiteral("目標値"), 14, 12);
        // The second line has the same colour code: the target is told apart by its dashes.
        Gr->setReferenceLineStyle(Qt::DashDotLine);
    }
    // Units on the axes, so that two items with different units can be read.
    auto unitTitle = [](const QString &unit) {
        return unit.isEmpty() ? QString() : QStringLiteral("（") + unit + QStringLiteral("）");
    };
    const TouSet &first = m_zu.sets.first();
    Gr->setAxisTitle(Graph::Axis::Left, unitTitle(m_data.tani[first.row - 1]));
    for (const TouSet &s : m_zu.sets) {
        if (s.right)
            Gr->setAxisTitle(Graph::Axis::Right, unitTitle(m_data.tani[s.row - 1]));
    }
    Gr->setMeanLines(gmAvr->isChecked());
    if (m_scale)
        Gr->setUserScale(m_scale->upper, m_scale->lower, m_scale->lines, -m_scale->ticks);
    Gr->redraw();
    Heikin_Hyouji();
}

// The means the dashed lines stand for, as numbers.
void F_Tou02::Heikin_Hyouji()
{
    if (!gmAvr->isChecked() || !m_zu.ok()) {
        Label4->clear();
        return;
    }
    QStringList parts;
    for (const TouSet &s : m_zu.sets) {
        const auto m = Tou_Heikin(m_data, s.row);
        parts << m_data.mei[s.row] + QStringLiteral(" ") +
                     (m ? Format(*m, QStringLiteral("0.0#")) + QStringLiteral(" ") + m_data.tani[s.row - 1]
                        : QStringLiteral("－"));
    }
    Label4->setText(QStringLiteral("平均値 ： ") + parts.join(QStringLiteral("　／　")));
}

void F_Tou02::gmAvr_Click()
{
    // The action has already turned its check mark over.
    Gr->setMeanLines(gmAvr->isChecked());
    Gr->redraw();
    Heikin_Hyouji();
}

void F_Tou02::grMem_Click()
{
    if (m_scale) {
        m_scale.reset();
        grMem->setChecked(false);
        Gr->setAutoScale();
        Gr->redraw();
        return;
    }
    grMem->setChecked(false);
    F_Tou02_Syudou dlg(this);
    dlg.exec();
    if (dlg.CanselFlg)
        return;
    m_scale = dlg.kekka();
    grMem->setChecked(true);
    Gr->setUserScale(m_scale->upper, m_scale->lower, m_scale->lines, -m_scale->ticks);
    Gr->redraw();
}

QString F_Tou02::printTitle() const
{
    const QString blanks(6, QLatin1Char(' '));
    return blanks + label2->text() + blanks + label1->text();
}

void F_Tou02::otPrint_Click()
{
    if (!Print_Kakunin())
        return;
    Gr_Print(Gr, printTitle(), this);
}

void F_Tou02::otGazou_Click()
{
    Clip_Gazou(Gr);
}

void F_Tou02::otHyou_Click()
{
    Clip_Text(Tou_Text(m_syu));
}

void F_Tou02::otCsv_Click()
{
    const QString name = label1->text().section(QStringLiteral("："), 1).trimmed();
    const QList<QStringList> records = Tou_Csv_Records(m_syu);
    const QString first = records.value(1).value(0).remove(QLatin1Char('-'));
    const QString path = saveCsvFile(
        this, QStringLiteral("推移_%1_%2.csv").arg(name.isEmpty() ? QStringLiteral("記録") : name, first), records);
    if (path.isEmpty())
        return;
    info(QStringLiteral("グラフのデータを出力しました。\n%1").arg(QDir::toNativeSeparators(path)));
}

} // namespace mirte
