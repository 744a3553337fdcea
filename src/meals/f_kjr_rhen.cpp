#include "f_kjr_rhen.h"

#include "b_01.h"
#include "f_kjrnyu01.h"
#include "meals_core.h"
#include "handlers.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {


F_KJR_RHen::F_KJR_RHen(F_KJRNyu01 *owner, qint64 serId, const QString &name, const QString &kubun)
    : QDialog(owner), m_owner(owner), m_serId(serId), m_name(name), m_kubun(kubun)
{
    setObjectName(QStringLiteral("F_KJR_RHen"));
    setWindowTitle(QStringLiteral("料理入力－料理名・食事区分変更"));
    auto *outer = new QVBoxLayout(this);
    auto *menu = new QMenuBar(this);
    QMenu *gamen = menu->addMenu(QStringLiteral("画面(&G)"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    outer->setMenuBar(menu);

    auto *grid = new QGridLayout;
    Text1 = new QLineEdit(name, this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setMinimumWidth(Text1->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    QStringList kinds = G_Syokuji_Kubun;
    if (kinds.size() != 4)
        kinds = {QStringLiteral("朝食"), QStringLiteral("昼食"), QStringLiteral("夕食"),
                 QStringLiteral("その他")};
    Combo1->addItems(kinds);
    // A meal kind the list does not know is still shown as stored.
    if (Combo1->findText(kubun) < 0)
        Combo1->addItem(kubun);
    Combo1->setCurrentText(kubun);
    grid->addWidget(new QLabel(QStringLiteral("料理名 　："), this), 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("食事区分："), this), 1, 0);
    grid->addWidget(Combo1, 1, 1, Qt::AlignLeft);
    outer->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Command2 = new QPushButton(QStringLiteral("変更"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setDefault(true);
    Command1 = new QPushButton(QStringLiteral("閉じる"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    outer->addLayout(buttons);

    connect(Command2, &QPushButton::clicked, this, &F_KJR_RHen::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);
    connect(mnTojiru, &QAction::triggered, this, &QDialog::reject);
}

void F_KJR_RHen::Command2_Click()
{
    guarded([this] {
        const QString name = Text1->text().trimmed();
        const QString kubun = Combo1->currentText();
        if (name == m_name && kubun == m_kubun) {
            accept();
            return;
        }
        Text1->setText(name);
        if (name.isEmpty()) {
            Text1->setFocus();
            info(QStringLiteral("料理名を入力してください。"));
            return;
        }
        if (!ask(QStringLiteral("変更します。よろしいですか？")))
            return;
        if (renameEatenDish(G_DB(), m_serId, name, kubun) && m_owner)
            m_owner->dishRenamed(m_serId, name, kubun);
        accept();
    });
}

} // namespace mirte
