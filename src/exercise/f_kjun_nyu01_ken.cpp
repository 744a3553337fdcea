#include "f_kjun_nyu01_ken.h"

#include "database.h"
#include "datacombo.h"
#include "f_kjun_nyu01.h"
#include "flexgrid.h"
#include "handlers.h"
#include "msgbox.h"
#include "undou_core.h"
#include "uiutil.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace mirte {

namespace {

// Columns of the list (SELECT * of エネルギー消費量): 1 the identifier, 3 the name, 4 the rate.
constexpr int kIdCol = 1, kNameCol = 3, kRateCol = 4;

} // namespace

F_KJUn_Nyu01_Ken::F_KJUn_Nyu01_Ken(F_KJUn_Nyu01 *entry) : QDialog(entry), m_entry(entry)
{
    setObjectName(QStringLiteral("F_KJUn_Nyu01_Ken"));
    setWindowTitle(QStringLiteral("運動・動作名検索"));
    setModal(false);
    const QString frameTip = QStringLiteral("運動・動作の一覧です。運動・動作を選択し前画面に戻ります。");

    auto *outer = new QVBoxLayout(this);
    auto *searchFrame = new QGroupBox(QStringLiteral("検索文字列"), this);
    searchFrame->setObjectName(QStringLiteral("Frame1"));
    searchFrame->setToolTip(frameTip);
    auto *searchRow = new QHBoxLayout(searchFrame);
    Text1 = new QLineEdit(searchFrame);
    Text1->setObjectName(QStringLiteral("Text1"));
    searchRow->addWidget(Text1, 1);
    Command1 = new QPushButton(QStringLiteral("検 索"), searchFrame);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setToolTip(QStringLiteral("指定した検索文字列を含む運動・動作名に絞り込みます。"));
    searchRow->addWidget(Command1);
    outer->addWidget(searchFrame);

    auto *listFrame = new QGroupBox(QStringLiteral("運動・動作名"), this);
    listFrame->setObjectName(QStringLiteral("Frame2"));
    listFrame->setToolTip(frameTip);
    auto *listBox = new QVBoxLayout(listFrame);
    vsGrid = new FlexGrid(listFrame);
    vsGrid->setObjectName(QStringLiteral("vsGrid"));
    vsGrid->setMinimumSize(380, 260);
    listBox->addWidget(vsGrid);
    LabNasi = new QLabel(listFrame);
    LabNasi->setObjectName(QStringLiteral("LabNasi"));
    LabNasi->setWordWrap(true);
    LabNasi->setVisible(false);
    listBox->addWidget(LabNasi);
    outer->addWidget(listFrame, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command2 = new QPushButton(QStringLiteral("選 択"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setToolTip(QStringLiteral("指定した運動名称を前画面へ反映します。"));
    Command3 = new QPushButton(QStringLiteral("閉じる"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setToolTip(QStringLiteral("この画面を閉じ、前画面に戻ります。"));
    for (QPushButton *b : {Command2, Command3}) {
        b->setMinimumWidth(88);
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    outer->addLayout(buttons);
    // Enter in the search box searches; it must not press 選 択 or close the picker.
    Command1->setDefault(true);

    connect(Command1, &QPushButton::clicked, this, &F_KJUn_Nyu01_Ken::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &F_KJUn_Nyu01_Ken::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &QWidget::hide);
    connect(Text1, &QLineEdit::returnPressed, this, &F_KJUn_Nyu01_Ken::Command1_Click);
    connect(vsGrid, &FlexGrid::currentRowChanged, this, &F_KJUn_Nyu01_Ken::Grid_RowChange);
    connect(vsGrid, &FlexGrid::doubleClicked, this, [this](int row, int col) {
        if (row == 0) {
            if (col >= 1)
                CellResize(col, col);
        } else if (row > 0) {
            vsGrid->setRow(row);
            Command2_Click();
        }
    });
    // Sorting by a header is for the entry list; here a header double-click fits the column.
    vsGrid->setHeaderClickSort(false);

    guarded([this] { Form_Load(); });
    resize(460, 440);
}

void F_KJUn_Nyu01_Ken::Form_Load()
{
    vsGrid->setResultSet(Undou_Kensaku(QString()));
    Text1->clear();
    CellResize(1, vsGrid->cols() - 1);
}

void F_KJUn_Nyu01_Ken::CellResize(int first, int last)
{
    vsGrid->setRedraw(false);
    vsGrid->setColWidth(kIdCol, 0);
    vsGrid->setColWidth(kRateCol, 0);
    vsGrid->setColWidth(0, 200);
    for (int c = std::max(first, 1); c <= last && c < vsGrid->cols(); ++c) {
        if (!vsGrid->colHidden(c))
            vsGrid->autoSizeCol(c);
    }
    vsGrid->autoSizeRows();
    vsGrid->setRedraw(true);
    clearChoice();
}

void F_KJUn_Nyu01_Ken::clearChoice()
{
    vsGrid->setRow(0);
    m_id = 0;
    m_name.clear();
    Command2->setEnabled(false);
}

void F_KJUn_Nyu01_Ken::Grid_RowChange(int row)
{
    if (row < 1 || row >= vsGrid->rows()) {
        m_id = 0;
        m_name.clear();
        Command2->setEnabled(false);
        return;
    }
    m_id = vsGrid->valueMatrix(row, kIdCol).toLongLong();
    m_name = vsGrid->valueMatrix(row, kNameCol).toString();
    Command2->setEnabled(true);
}

void F_KJUn_Nyu01_Ken::Command1_Click()
{
    guarded([this] {
        vsGrid->setResultSet(Undou_Kensaku(Text1->text()));
        CellResize(1, vsGrid->cols() - 1);
        // An empty list says why where the user looks, without a message to answer.
        const bool none = vsGrid->rows() <= 1;
        LabNasi->setText(none ? QStringLiteral("見つかりませんでした。読み（さんぽ）や言い換え（ウォーキング）、"
                                               "名前の一部（歩行）でも探せます。")
                              : QString());
        LabNasi->setVisible(none);
    });
}

void F_KJUn_Nyu01_Ken::Command2_Click()
{
    if (m_id == 0 || !m_entry)
        return;
    m_entry->DBCombo1->setText(m_name);
    m_entry->DBCombo1->setBoundValue(m_id);
    m_entry->activateWindow();
    m_entry->DBCombo1->setFocus();
}

void F_KJUn_Nyu01_Ken::placeBeside(QWidget *entry)
{
    if (!entry)
        return;
    ensurePolished();
    const QRect frame = entry->frameGeometry();
    const QScreen *screen = entry->screen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
    const int up = twipsToPixels(800, entry);
    const int right = twipsToPixels(1600, entry);
    int x = frame.left() < avail.left() + right ? avail.left() : frame.left() + right;
    int y = frame.top() < avail.top() + up ? avail.top() : frame.top() - up;
    // Wholly on the screen, even beside a window at its right or bottom edge.
    // Before it is first shown the picker has no frame yet: count the entry window's.
    const QSize frameExtra = entry->frameGeometry().size() - entry->geometry().size();
    const QSize outer = frameGeometry().size().expandedTo(size() + frameExtra);
    x = std::clamp(x, avail.left(), std::max(avail.left(), avail.right() + 1 - outer.width()));
    y = std::clamp(y, avail.top(), std::max(avail.top(), avail.bottom() + 1 - outer.height()));
    move(x, y);
}

void F_KJUn_Nyu01_Ken::closeEvent(QCloseEvent *e)
{
    // Keeps the list and the search text until the entry window goes.
    e->ignore();
    hide();
}

} // namespace mirte
