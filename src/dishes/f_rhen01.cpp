#include "f_rhen01.h"

#include "b_00_gui.h"
#include "b_01.h"
#include "datacombo.h"
#include "dishes_gui.h"
#include "f_help.h"
#include "f_rhenzai01.h"
#include "f_ryobun01.h"
#include "flexgrid.h"
#include "ryouri_core.h"
#include "statusbartext.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

using namespace dishes;

namespace {
QString sameDishName()
{
    return QStringLiteral("同じ名前の料理名が既に登録されています。");
}

QString dishGone()
{
    return QStringLiteral("エラー：選択した料理名が見つかりません。");
}
} // namespace

QString F_RHen01::defaultStatusText()
{
    return QStringLiteral("料理の新規登録、既存料理の材料変更を行います。");
}

F_RHen01::F_RHen01(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("F_RHen01"));
    setWindowTitle(QStringLiteral("料理マスタ編集"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildUi();
    guarded([this] { Form_Load(); });
}

void F_RHen01::buildUi()
{
    StBar = new StatusBarText(this);
    setStatusBar(StBar);

    screenMenu(this, mnSetu, mnTojiru);

    auto *central = new QWidget(this);
    setCentralWidget(central);

    Frame1 = new QGroupBox(QStringLiteral("料理名一覧"), central);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    vsGrid = new FlexGrid(Frame1);
    vsGrid->setObjectName(QStringLiteral("vsGrid"));
    new FillWidth(vsGrid, ryouri_col::Mei, 3000);
    vsGrid->setMinimumSize(420, 320);
    auto *frameLay = new QVBoxLayout(Frame1);
    frameLay->addWidget(vsGrid);

    DBCombo1 = new DataCombo(central);
    DBCombo1->setObjectName(QStringLiteral("DBCombo1"));
    DBCombo1->setMinimumContentsLength(14);
    DBCombo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Text1 = new QLineEdit(central);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setToolTip(QStringLiteral("追加・変更する料理名を指定します。"));
    Text1->setMinimumWidth(Text1->fontMetrics().horizontalAdvance(QStringLiteral("あ")) * 18);

    Command4 = button(QStringLiteral("追 加"), QStringLiteral("Command4"), QStringLiteral("新しく料理名を追加します。"), central);
    Command3 = button(QStringLiteral("変 更"), QStringLiteral("Command3"), QStringLiteral("選択されている料理名・分類を更新します。"), central);
    Command2 = button(QStringLiteral("削 除"), QStringLiteral("Command2"), QStringLiteral("選択されている料理名を削除します。"), central);
    Command5 = button(QStringLiteral("材料入力"), QStringLiteral("Command5"), QStringLiteral("選択されている料理の材料を編集します。"), central);
    Command6 = button(QStringLiteral("一 覧"), QStringLiteral("Command6"),
                      QStringLiteral("料理分類を一覧から選択します。分類の新規追加もできます。"), central);
    Command1 = button(QStringLiteral("閉じる"), QStringLiteral("Command1"), QStringLiteral("画面を閉じ、メニューに戻ります。"), central);

    auto *form = new QGridLayout;
    form->addWidget(new QLabel(QStringLiteral("料理分類："), central), 0, 0);
    form->addWidget(DBCombo1, 0, 1);
    form->addWidget(Command6, 0, 2);
    form->addWidget(new QLabel(QStringLiteral("料理名 　："), central), 1, 0);
    form->addWidget(Text1, 1, 1, 1, 2);
    form->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command4);
    buttons->addWidget(Command3);
    buttons->addWidget(Command2);
    buttons->addSpacing(16);
    buttons->addWidget(Command5);
    buttons->addStretch(1);
    buttons->addWidget(Command1);

    auto *lay = new QVBoxLayout(central);
    lay->setContentsMargins(10, 8, 10, 6);
    lay->addWidget(Frame1, 1);
    lay->addLayout(form);
    lay->addSpacing(4);
    lay->addLayout(buttons);

    for (QPushButton *b : {Command1, Command2, Command3, Command4, Command5, Command6})
        StBar->addHint(b, b->toolTip());
    StBar->addHint(this, defaultStatusText());
    StBar->addHint(central, defaultStatusText());
    StBar->addHint(Frame1, defaultStatusText());
    StBar->addHint(DBCombo1, QStringLiteral("料理の分類を一覧から指定します。"));
    StBar->addHint(Text1, QStringLiteral("追加・変更する料理名を指定します。"));

    connect(Command4, &QPushButton::clicked, this, &F_RHen01::Command4_Click);
    connect(Command3, &QPushButton::clicked, this, &F_RHen01::Command3_Click);
    connect(Command2, &QPushButton::clicked, this, &F_RHen01::Command2_Click);
    connect(Command5, &QPushButton::clicked, this, &F_RHen01::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &F_RHen01::Command6_Click);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    wireListGrid(vsGrid, this, Command5, [this](int row) { rowSelected(row); }, [this] { Command5_Click(); },
                 QStringLiteral("ダブルクリックで、材料入力画面へ行きます。"));
    resize(560, 600);
}

void F_RHen01::Form_Load()
{
    StBar->setText(defaultStatusText());
    DBCombo1->setRowSource(bunruiComboSql(), {}, QStringLiteral("料理分類"), QStringLiteral("料理分類ID"));
    vsGrid->setRecordSource(ryouriListSql());
    G_Mst_Ryouri_Mei.clear();
    G_Mst_Ryouri_ID = 0;
    Text1->clear();
    setDishButtons(false);
    hideColumns();
    if (vsGrid->rows() > 1) {
        vsGrid->setRow(1);
        rowSelected(1);
    }
}

void F_RHen01::hideColumns()
{
    vsGrid->setColWidth(ryouri_col::Id, 0);
    vsGrid->setColWidth(ryouri_col::BunruiId, 0);
    vsGrid->setColWidth(ryouri_col::Haifu, 0);
    vsGrid->setColWidth(ryouri_col::Bunrui, 2200);
    fillWidth(vsGrid, ryouri_col::Mei, 3000);
}

void F_RHen01::setDishButtons(bool on)
{
    Command2->setEnabled(on);
    Command3->setEnabled(on);
    Command5->setEnabled(on);
}

void F_RHen01::rowSelected(int row)
{
    if (m_removing || row < 1 || row >= vsGrid->rows())
        return;
    DBCombo1->setBoundValue(vsGrid->valueMatrix(row, ryouri_col::BunruiId));
    Text1->setText(vsGrid->textMatrix(row, ryouri_col::Mei));
    Ryouri_Sentaku();
}

void F_RHen01::Ryouri_Sentaku()
{
    const int row = vsGrid->row();
    if (row < 1)
        return;
    G_Mst_Ryouri_Mei = vsGrid->textMatrix(row, ryouri_col::Mei);
    G_Mst_Ryouri_ID = vsGrid->valueMatrix(row, ryouri_col::Id).toLongLong();
    setDishButtons(true);
}

bool F_RHen01::setCategory(qint64 bunruiId)
{
    return DBCombo1->setBoundValue(bunruiId);
}

void F_RHen01::ReSet_Lists()
{
    const QString typed = Text1->text();
    const QVariant category = DBCombo1->boundValue();
    const qint64 dish = vsGrid->row() >= 1 ? G_Mst_Ryouri_ID : 0;
    DBCombo1->refresh();
    vsGrid->refresh();
    hideColumns();
    if (dish != 0 && Grid_ID_Sentaku(vsGrid, ryouri_col::Id, dish)) {
        rowSelected(vsGrid->row());
    } else {
        // The dish went with its category.
        vsGrid->setRow(0);
        setDishButtons(false);
        if (dish != 0) {
            G_Mst_Ryouri_ID = 0;
            G_Mst_Ryouri_Mei.clear();
        }
    }
    Text1->setText(typed);
    if (!category.isValid() || !DBCombo1->setBoundValue(category))
        DBCombo1->setCurrentIndex(-1);
}

QString F_RHen01::checkedName()
{
    if (DBCombo1->text().trimmed().isEmpty() || !DBCombo1->boundValue().isValid()) {
        info(QStringLiteral("料理分類を指定してください。新規に作成する場合は、「編集」ボタンで作成してください。"));
        return QString();
    }
    const QString name = Text1->text().trimmed();
    Text1->setText(name);
    if (name.isEmpty()) {
        info(QStringLiteral("料理名を入力してください。"));
        Text1->setFocus();
    }
    return name;
}

void F_RHen01::Command4_Click()
{
    guarded([this] {
        const QString name = checkedName();
        if (name.isEmpty())
            return;
        if (Ryouri_NameExists(name)) {
            info(sameDishName());
            Text1->setFocus();
            return;
        }
        const qint64 bunruiId = DBCombo1->boundValue().toLongLong();
        const qint64 id = Ryouri_Add(name, bunruiId);
        // Appended at the end; the list is sorted again when it is next read.
        vsGrid->addRow({QString(), id, bunruiId, DBCombo1->text(), name, kHaifuUser});
        Grid_ID_Sentaku(vsGrid, ryouri_col::Id, id);
    });
}

void F_RHen01::Command3_Click()
{
    guarded([this] {
        const int row = vsGrid->row();
        if (row < 1)
            return;
        const QString name = checkedName();
        if (name.isEmpty())
            return;
        const qint64 id = vsGrid->valueMatrix(row, ryouri_col::Id).toLongLong();
        if (Ryouri_NameExists(name, id)) {
            info(sameDishName());
            Text1->setFocus();
            return;
        }
        if (!ask(QStringLiteral("「") + vsGrid->textMatrix(row, ryouri_col::Mei)
                 + QStringLiteral("」に上書きします。よろしいですか。")))
            return;
        const qint64 bunruiId = DBCombo1->boundValue().toLongLong();
        if (!Ryouri_Update(id, name, bunruiId)) {
            warn(dishGone());
            return;
        }
        vsGrid->setValueMatrix(row, ryouri_col::Id, id);
        vsGrid->setValueMatrix(row, ryouri_col::BunruiId, bunruiId);
        vsGrid->setValueMatrix(row, ryouri_col::Bunrui, DBCombo1->text());
        vsGrid->setValueMatrix(row, ryouri_col::Mei, name);
        vsGrid->setValueMatrix(row, ryouri_col::Haifu, kHaifuUser);
        Ryouri_Sentaku();
    });
}

void F_RHen01::Command2_Click()
{
    guarded([this] {
        const int row = vsGrid->row();
        if (row < 1)
            return;
        if (!ask(QStringLiteral("料理を削除します。よろしいですか。")))
            return;
        const qint64 id = vsGrid->valueMatrix(row, ryouri_col::Id).toLongLong();
        if (!Ryouri_Delete(id)) {
            warn(dishGone());
            return;
        }
        m_removing = true;
        vsGrid->removeRow(row);
        vsGrid->setCurrentCell(0, 1);
        m_removing = false;
        setDishButtons(false);
    });
}

void F_RHen01::Command5_Click()
{
    guarded([this] {
        if (vsGrid->row() < 1 || G_Mst_Ryouri_ID == 0)
            return;
        // One recipe window at a time; it brings this window back when it closes.
        if (m_recipe)
            m_recipe->close();
        auto *r = new F_RHenZai01;
        m_recipe = r;
        QPointer<F_RHen01> self(this);
        connect(r, &F_RHenZai01::closed, this, [self] {
            if (self) {
                self->show();
                self->raise();
                self->activateWindow();
            }
        });
        Form_Center(r);
        r->show();
        hide();
    });
}

void F_RHen01::Command6_Click()
{
    guarded([this] {
        F_RyoBun01 w(this);
        w.exec();
    });
}

void F_RHen01::closeEvent(QCloseEvent *e)
{
    e->accept();
    if (YobidasiMoto == 2)
        emit backToPicker();
    else
        emit closed();
}

} // namespace mirte
