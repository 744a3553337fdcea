#include "f_kjnyuu01_iti.h"

#include "b_00_gui.h"
#include "b_01.h"
#include "b_01_gui.h"
#include "database.h"
#include "f_kjnyuu01.h"
#include "flexgrid.h"
#include "f_kjnyuu01_kikan.h"
#include "filechoice.h"
#include "handlers.h"
#include "kenkou_core.h"
#include "kenkou_csv.h"
#include "msgbox.h"
#include "statusbartext.h"
#include "uiutil.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace mirte {

namespace {

constexpr int kIdCol = 14;

struct Column {
    const char *title;
    const char *picture;
};

// Column 0 is the row selector; 14 keeps the row's identifier out of sight.
constexpr Column kColumns[15] = {
    {"", ""},         {"日付", ""},      {"身長", "000.0"},   {"体重", "000.0"},
    {"健康状態", ""}, {"生活強度", ""},  {"血糖値", "000"},   {"体脂肪率", "00.0"},
    {"心拍数", "000"}, {"血圧(下)", "000"}, {"血圧(上)", "000"}, {"歩数", "000000"},
    {"運動量(歩数計)", "00000"}, {"備考", ""}, {"健康状態管理ID", ""},
};

QVariant num(const std::optional<double> &v)
{
    return v ? QVariant(*v) : QVariant();
}

} // namespace

QString F_KJNyuu01_Iti::defaultStatusText()
{
    return QStringLiteral("過去の健康状態の一覧です。選択すると、過去の健康状態入力画面になります。");
}

F_KJNyuu01_Iti::F_KJNyuu01_Iti(F_KJNyuu01 *caller) : QDialog(caller), m_caller(caller)
{
    setObjectName(QStringLiteral("F_KJNyuu01_Iti"));
    setWindowTitle(QStringLiteral("健康状態一覧"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *menu = new QMenuBar(this);
    QMenu *gamen = menu->addMenu(QStringLiteral("画面(&G)"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    QMenu *out = menu->addMenu(QStringLiteral("出力(&O)"));
    otClip = out->addAction(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞ(&C)"));
    otClip->setObjectName(QStringLiteral("otClip"));
    otCsv = out->addAction(QStringLiteral("CSV出力(&V)…"));
    otCsv->setObjectName(QStringLiteral("otCsv"));
    outer->setMenuBar(menu);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(9, 9, 9, 0);
    Label1 = new QLabel(G_Simei_Hyouji, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    body->addWidget(Label1);
    VSGrid1 = new FlexGrid(this);
    VSGrid1->setObjectName(QStringLiteral("VSGrid1"));
    body->addWidget(VSGrid1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command2 = new QPushButton(QStringLiteral("選 択"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new QPushButton(QStringLiteral("閉じる"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    body->addLayout(buttons);
    outer->addLayout(body, 1);
    StBar = new StatusBarText(this);
    StBar->setText(defaultStatusText());
    StBar->addHint(Command2, QStringLiteral("選択したレコードを前画面に表示します。"));
    StBar->addHint(Command1, QStringLiteral("画面を閉じ、前画面に戻ります。"));
    StBar->addHint(this, defaultStatusText());
    outer->addWidget(StBar);

    connect(Command2, &QPushButton::clicked, this, &F_KJNyuu01_Iti::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);
    connect(mnTojiru, &QAction::triggered, this, &QDialog::reject);
    connect(otClip, &QAction::triggered, this, &F_KJNyuu01_Iti::otClip_Click);
    connect(otCsv, &QAction::triggered, this, &F_KJNyuu01_Iti::otCsv_Click);
    connect(VSGrid1, &FlexGrid::doubleClicked, this, [this](int row, int) {
        if (row == 0)
            RowHeight_Toggle();
        else if (row > 0) {
            VSGrid1->setRow(row); // the row double-clicked is the one loaded
            Command2_Click();
        }
    });
    connect(VSGrid1, &FlexGrid::mouseMoved, this, [this](int row, int) {
        if (row == 0)
            VSGrid1->setToolTipText(QStringLiteral("ダブルクリックで、行幅を切り替えます。"));
        else if (row > 0)
            VSGrid1->setToolTipText(
                QStringLiteral("ダブルクリックで、選択したレコードを前画面に表示します。  [")
                + VSGrid1->textMatrix(row, 1) + QStringLiteral("]"));
        else
            VSGrid1->setToolTipText(QString());
    });

    try {
        Form_Load();
    } catch (const DbError &e) {
        ShowError(e.number(), e.description());
    }
    resize(900, 420);
}

void F_KJNyuu01_Iti::Form_Load()
{
    VSGrid1->setHeaderClickSort(false);
    VSGrid1->setCols(15);
    for (int c = 0; c < 15; ++c) {
        VSGrid1->setTextMatrix(0, c, QString::fromUtf8(kColumns[c].title));
        VSGrid1->setColFormat(c, QString::fromUtf8(kColumns[c].picture));
    }
    VSGrid1->setColAlignment(1, Qt::AlignCenter);
    VSGrid1->setWordWrap(true);

    VSGrid1->setRedraw(false);
    // Ten years are 3,650 rows: they are read as they are shown (and all of them for a copy).
    const qint64 simei = G_Simei_ID;
    VSGrid1->setRowReader(countKenkouRows(G_DB(), simei), [simei](int first, int count) {
        QList<QVariantList> cells;
        QList<KenkouRow> rows;
        // Read while the list draws: an error is told once, after the drawing, never thrown
        // through it; the rows it could not read stay empty.
        try {
            rows = loadKenkouRowsPage(G_DB(), simei, first, count);
        } catch (const DbError &e) {
            static bool told = false;
            if (!told) {
                told = true;
                QMetaObject::invokeMethod(qApp, [e] {
                    ShowError(e.number(), e.description());
                    told = false;
                }, Qt::QueuedConnection);
            }
        }
        for (const KenkouRow &r : std::as_const(rows)) {
            // Only the codes 1..4 have a name.
            const QString kyoudo = r.kyoudo >= 1 && r.kyoudo <= G_Seikatu_Kyoudo.size()
                ? G_Seikatu_Kyoudo.at(r.kyoudo - 1)
                : QString();
            cells.append({slashDateText(r.hiduke), num(r.sintyou), num(r.taijuu), r.kenkou, kyoudo,
                          num(r.kettouti), num(r.taisibou), num(r.sinpaku), num(r.ketuatuSita),
                          num(r.ketuatuUe), num(r.hosuu), num(r.undouryou), r.bikou, r.id});
        }
        return cells;
    });
    // The widths fit the rows in view; a page of them is plenty to measure.
    VSGrid1->view()->verticalHeader()->setResizeContentsPrecision(100);
    for (int c = 1; c < kIdCol; ++c)
        VSGrid1->autoSizeCol(c);
    VSGrid1->setColWidth(0, 200);
    VSGrid1->setColWidth(kIdCol, 0);
    fitRows();
    VSGrid1->setRedraw(true);

    if (VSGrid1->rows() > 1) {
        // The shown record; on an unsaved day the latest is the one to start from.
        const int at = kenkouRowIndex(G_DB(), simei, G_KK_ID);
        const int row = at >= 0 ? at + 1 : VSGrid1->rows() - 1;
        VSGrid1->setRow(row);
        VSGrid1->setTopRow(row);
    }
}

void F_KJNyuu01_Iti::fitRows()
{
    VSGrid1->autoSizeRows();
    m_fitted = true;
}

void F_KJNyuu01_Iti::fitRowsToColumn(int col)
{
    // The view sizes rows over its visible columns only: show just this one while it measures.
    QTableView *v = VSGrid1->view();
    const int keep = col >= 1 && col < VSGrid1->cols() ? v->horizontalHeader()->logicalIndex(col - 1) : -1;
    VSGrid1->setRedraw(false);
    QList<int> hidden;
    for (int c = 0; c < v->model()->columnCount(); ++c) {
        if (c != keep && !v->isColumnHidden(c)) {
            v->setColumnHidden(c, true);
            hidden << c;
        }
    }
    v->resizeRowsToContents();
    QList<int> heights;
    for (int r = 0; r < v->model()->rowCount(); ++r)
        heights << v->rowHeight(r);
    for (int c : std::as_const(hidden))
        v->setColumnHidden(c, false);
    for (int r = 0; r < heights.size(); ++r)
        VSGrid1->setRowHeight(r + 1, pixelsToTwips(heights.at(r), v));
    VSGrid1->setRedraw(true);
}

void F_KJNyuu01_Iti::RowHeight_Toggle()
{
    if (m_fitted) {
        fitRowsToColumn(VSGrid1->col());
        m_fitted = false;
    } else {
        fitRows();
    }
}

void F_KJNyuu01_Iti::Command2_Click()
{
    try {
        const int row = VSGrid1->row();
        if (row >= 1 && m_caller) {
            const qint64 id = VSGrid1->valueMatrix(row, kIdCol).toLongLong();
            m_caller->Kiroku_Yomikomi(id);
        }
    } catch (const DbError &e) {
        ShowError(e.number(), e.description());
    }
    accept();
}

void F_KJNyuu01_Iti::otClip_Click()
{
    Clip_Mat(VSGrid1, {0, kIdCol});
}

} // namespace mirte

namespace mirte {

void F_KJNyuu01_Iti::otCsv_Click()
{
    guarded([&] {
        const QList<KenkouRow> rows = loadKenkouRows(G_DB(), G_Simei_ID);
        if (rows.isEmpty()) {
            info(QStringLiteral("出力する健康状態の記録がありません。"));
            return;
        }
        QDate first = rows.first().hiduke, last = first;
        for (const KenkouRow &r : rows) {
            first = qMin(first, r.hiduke);
            last = qMax(last, r.hiduke);
        }
        F_KJNyuu01_Kikan kikan(first, last, this);
        if (kikan.exec() != QDialog::Accepted)
            return;
        const QList<QStringList> records =
            kenkouCsvRecords(rows, kikan.from(), kikan.to(), G_Seikatu_Kyoudo);
        if (records.size() <= 1) {
            info(QStringLiteral("指定した期間には健康状態の記録がありません。"));
            return;
        }
        const QString name = G_Simei_Hyouji.section(QStringLiteral("："), 1).trimmed();
        const QString path = saveCsvFile(this,
                                         QStringLiteral("健康状態_%1_%2-%3.csv")
                                             .arg(name.isEmpty() ? QStringLiteral("記録") : name,
                                                  kikan.from().toString(QStringLiteral("yyyyMMdd")),
                                                  kikan.to().toString(QStringLiteral("yyyyMMdd"))),
                                         records);
        if (path.isEmpty())
            return;
        info(QStringLiteral("%1日分の記録を出力しました。\n%2").arg(records.size() - 1).arg(QDir::toNativeSeparators(path)));
    });
}

} // namespace mirte
