#include "f_kjr_copy01.h"

#include "b_01.h"
#include "datepick.h"
#include "f_help.h"
#include "f_kjrnyu01.h"
#include "meals_core.h"
#include "handlers.h"
#include "numberbox.h"
#include "uiutil.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {


namespace {

QDate boxDate(const std::array<QLineEdit *, 3> &boxes)
{
    int v[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        v[i] = boxes[i]->text().trimmed().toInt(&ok);
        if (!ok)
            return {};
    }
    return QDate(v[0], v[1], v[2]);
}

} // namespace

F_KJR_Copy01::F_KJR_Copy01(F_KJRNyu01 *owner) : QDialog(owner), m_owner(owner)
{
    setObjectName(QStringLiteral("F_KJR_Copy01"));
    setWindowTitle(QStringLiteral("料理入力－他の日からコピー"));
    auto *outer = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    QMenu *gamen = menu->addMenu(QStringLiteral("画面(&G)"));
    mnSetu = gamen->addAction(QStringLiteral("説明(&H)"));
    mnSetu->setObjectName(QStringLiteral("mnSetu"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    outer->setMenuBar(menu);

    // ---- search ----
    auto *frame = new QGroupBox(QStringLiteral("コピーする日の検索指定"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *search = new QGridLayout(frame);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setMinimumContentsLength(10);
    search->addWidget(new QLabel(QStringLiteral("ユーザー名："), this), 0, 0);
    search->addWidget(Combo1, 0, 1, Qt::AlignLeft);
    auto *dateRow = new QHBoxLayout;
    const QString units[3] = {QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日まで７日分")};
    for (int i = 0; i < 3; ++i) {
        Text1[i] = new QLineEdit(this);
        Text1[i]->setObjectName(arrayName(QStringLiteral("Text1"), i));
        makeDateFieldBox(Text1[i], i == 0 ? 4 : 2);
        Text1[i]->setAlignment(Qt::AlignRight);
        Text1[i]->setMaximumWidth(
            Text1[i]->fontMetrics().horizontalAdvance(i == 0 ? QStringLiteral("00000") : QStringLiteral("000")) + 12);
        dateRow->addWidget(Text1[i]);
        dateRow->addWidget(new QLabel(units[i], this));
    }
    DatePick1 = new DatePick(this);
    DatePick1->setObjectName(QStringLiteral("DatePick1"));
    DatePick1->setCurrentProvider([this] { return boxDate(Text1); });
    DatePick1->setMarkedProvider([this] {
        QList<QDate> days;
        guarded([&] { days = daysWithDishes(G_DB(), Combo1->currentData().toLongLong()); });
        return days;
    });
    // A picked day is taken as typed, and searched at once: that is what the user picked it for.
    connect(DatePick1, &DatePick::picked, this, [this](const QDate &d) {
        Text1[0]->setText(QString::number(d.year()));
        Text1[1]->setText(QString::number(d.month()));
        Text1[2]->setText(QString::number(d.day()));
        Command3_Click();
    });
    dateRow->addWidget(DatePick1);
    dateRow->addStretch(1);
    search->addWidget(new QLabel(QStringLiteral("日  付       ："), this), 1, 0);
    search->addLayout(dateRow, 1, 1);
    Command3 = new QPushButton(QStringLiteral("検索"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    search->addWidget(Command3, 1, 2);
    search->setColumnStretch(1, 1);
    outer->addWidget(frame);

    // ---- found days and their dishes ----
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setReadOnly(true);
    Text2->setFocusPolicy(Qt::NoFocus);
    outer->addWidget(Text2);
    auto *lists = new QGridLayout;
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    lists->addWidget(new QLabel(QStringLiteral("日付一覧"), this), 0, 0);
    lists->addWidget(new QLabel(QStringLiteral("料理一覧"), this), 0, 1);
    lists->addWidget(List1, 1, 0);
    lists->addWidget(List2, 1, 1);
    lists->setColumnStretch(0, 2);
    lists->setColumnStretch(1, 3);
    outer->addLayout(lists, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command1 = new QPushButton(QStringLiteral("コピー"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("閉じる"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    outer->addLayout(buttons);

    connect(Command3, &QPushButton::clicked, this, &F_KJR_Copy01::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &F_KJR_Copy01::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    connect(mnTojiru, &QAction::triggered, this, &QDialog::reject);
    connect(mnSetu, &QAction::triggered, this, [this] { ShowProgramHelp(this); });
    connect(List1, &QListWidget::currentRowChanged, this, [this] { guarded([this] { listDishes(); }); });

    guarded([this] {
        for (const Person &p : persons(G_DB()))
            Combo1->addItem(p.name, p.id);
        Combo1->setCurrentIndex(Combo1->findData(G_Simei_ID));
        // The day before the current one, so that the current day itself is not offered.
        const QDate day = m_owner && m_owner->header().day.isValid() ? m_owner->header().day
                                                                      : QDate::currentDate();
        m_date = day.addDays(-1);
        Text1[0]->setText(QString::number(m_date.year()));
        Text1[1]->setText(QString::number(m_date.month()));
        Text1[2]->setText(QString::number(m_date.day()));
        m_simeiId = Combo1->currentData().toLongLong();
        listDays();
    });
    resize(520, 420);
}

void F_KJR_Copy01::listDays()
{
    List1->blockSignals(true);
    List1->clear();
    List1->blockSignals(false);
    List2->clear();
    Text2->setText(Combo1->currentText());
    for (const RecordedDay &d : recentDays(G_DB(), m_simeiId, m_date)) {
        auto *item = new QListWidgetItem(copyDayText(d.date), List1);
        item->setData(Qt::UserRole, d.kkId);
    }
    if (List1->count() > 0)
        List1->setCurrentRow(0);
}

void F_KJR_Copy01::listDishes()
{
    List2->clear();
    const QListWidgetItem *day = List1->currentItem();
    if (!day)
        return;
    for (const DishName &d : dishNames(G_DB(), day->data(Qt::UserRole).toLongLong())) {
        // The meal first: a day reads breakfast to snack, as it was eaten.
        auto *item = new QListWidgetItem(QStringLiteral("%1　%2").arg(d.kubun, d.name), List2);
        item->setData(Qt::UserRole, d.serId);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    if (List2->count() > 0)
        List2->setCurrentRow(0);
}

void F_KJR_Copy01::Command3_Click()
{
    guarded([this] {
        const QDate d = boxDate(Text1);
        if (!d.isValid()) {
            info(QStringLiteral("入力年月日（半角数値）を確認してください。 "));
            Text1[0]->setFocus();
            return;
        }
        m_simeiId = Combo1->currentData().toLongLong();
        m_date = d;
        listDays();
        if (List1->count() == 0)
            info(QStringLiteral("指定日以前のデータはありません。"));
    });
}

void F_KJR_Copy01::Command1_Click()
{
    guarded([this] {
        if (List1->count() == 0) {
            info(QStringLiteral("コピー元の日付データがありません。検索し直してください。"));
            return;
        }
        if (List2->count() == 0) {
            info(QStringLiteral("選択した日付には、食べた料理が登録されていません。他の日を選択してください。"));
            return;
        }
        QList<qint64> checked;
        for (int i = 0; i < List2->count(); ++i) {
            if (List2->item(i)->checkState() == Qt::Checked)
                checked << List2->item(i)->data(Qt::UserRole).toLongLong();
        }
        if (checked.isEmpty()) {
            info(QStringLiteral("コピーする料理が未選択です。１つ以上の項目にチェックを付けてください。"));
            return;
        }
        if (!ask(copyQuestion(int(checked.size()))))
            return;
        m_lastSerId = copyDishes(G_DB(), G_KK_ID, checked);
        if (m_owner)
            m_owner->refreshDishes(m_lastSerId);
        accept();
    });
}

} // namespace mirte
