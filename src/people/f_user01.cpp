#include "f_user01.h"

#include "b_01.h"
#include "database.h"
#include "datacombo.h"
#include "era.h"
#include "f_help.h"
#include "f_user01_settei.h"
#include "f_user02.h"
#include "msgbox.h"
#include "numberbox.h"
#include "statusbartext.h"
#include "uiutil.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace mirte {

namespace {
const QString kKakunin = QStringLiteral("確認");

QPushButton *button(const QString &caption, const QString &name, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false); // Enter in a box must not add or delete anyone
    return b;
}

int notice(const QString &text)
{
    return MsgBox(text, vbInformation, kKakunin);
}
} // namespace

F_User01::F_User01(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_User01"));
    setWindowTitle(QStringLiteral("ユーザー名登録"));

    auto *menuBar = new QMenuBar(this);
    QMenu *gamen = menuBar->addMenu(QStringLiteral("画面(&G)"));
    mnSetu = gamen->addAction(QStringLiteral("説明(&H)"));
    mnSetu->setObjectName(QStringLiteral("mnSetu"));
    mnSyouSai = gamen->addAction(QStringLiteral("詳細設定(&L)"));
    mnSyouSai->setObjectName(QStringLiteral("mnSyouSai"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    connect(mnSetu, &QAction::triggered, this, [this] { ShowProgramHelp(this); });
    connect(mnSyouSai, &QAction::triggered, this, &F_User01::mnSyouSai_Click);
    connect(mnTojiru, &QAction::triggered, this, &F_User01::Command3_Click);

    DBCombo1 = new DataCombo(this);
    DBCombo1->setObjectName(QStringLiteral("DBCombo1"));
    DBCombo1->setMinimumContentsLength(12);
    DBCombo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(DBCombo1, &QComboBox::activated, this, [this] { DBCombo1_Click(); });

    Text3 = new QLineEdit(this);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setMinimumWidth(Text3->fontMetrics().horizontalAdvance(QStringLiteral("あ")) * 11 + 12);

    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setVisible(false);

    auto *dateRow = new QHBoxLayout;
    const QStringList units{QStringLiteral("年"), QStringLiteral("月"), QStringLiteral("日")};
    for (int i = 0; i < 3; ++i) {
        Text1[i] = new QLineEdit(this);
        Text1[i]->setObjectName(arrayName(QStringLiteral("Text1"), i));
        Text1[i]->setAlignment(Qt::AlignRight);
        makeDateFieldBox(Text1[i], i == 0 ? 4 : 2);
        const int w = Text1[i]->fontMetrics().horizontalAdvance(i == 0 ? QStringLiteral("00000") : QStringLiteral("000")) + 14;
        Text1[i]->setFixedWidth(w);
        dateRow->addWidget(Text1[i]);
        dateRow->addWidget(new QLabel(units[i], this));
    }
    Command5 = button(QStringLiteral("和暦"), QStringLiteral("Command5"), this);
    // Enter moves on to the next field, as the help says: from the name to the year, month and
    // day, and from the day past the 和暦 button to the sex.
    connect(Text3, &QLineEdit::returnPressed, this, [this] { Text1[0]->setFocus(); });
    for (int i = 0; i < 2; ++i)
        connect(Text1[i], &QLineEdit::returnPressed, this, [this, i] { Text1[i + 1]->setFocus(); });
    connect(Text1[2], &QLineEdit::returnPressed, this, [this] {
        (Option1[1]->isChecked() ? Option1[1] : Option1[0])->setFocus();
    });
    dateRow->addSpacing(8);
    dateRow->addWidget(Command5);
    dateRow->addStretch();

    auto *sexGroup = new QButtonGroup(this);
    auto *sexRow = new QHBoxLayout;
    const QStringList sexes{QStringLiteral("男"), QStringLiteral("女")};
    for (int i = 0; i < 2; ++i) {
        Option1[i] = new QRadioButton(sexes[i], this);
        Option1[i]->setObjectName(arrayName(QStringLiteral("Option1"), i));
        sexGroup->addButton(Option1[i], i);
        sexRow->addWidget(Option1[i]);
    }
    sexRow->addSpacing(24);
    Check1 = new QCheckBox(QStringLiteral("主ユーザー"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setToolTip(QStringLiteral("チェックしておくと、画面表示の際、最初に表示されます。"));
    sexRow->addWidget(Check1);
    sexRow->addStretch();

    auto *form = new QGridLayout;
    form->addWidget(new QLabel(QStringLiteral("登録済み  ："), this), 0, 0);
    form->addWidget(DBCombo1, 0, 1, Qt::AlignLeft);
    form->addWidget(new QLabel(QStringLiteral("名     前  ："), this), 1, 0);
    form->addWidget(Text3, 1, 1, Qt::AlignLeft);
    form->addWidget(new QLabel(QStringLiteral("生年月日 ：    （西暦）"), this), 2, 0);
    form->addLayout(dateRow, 2, 1);
    form->addWidget(new QLabel(QStringLiteral("性     別  ："), this), 3, 0);
    form->addLayout(sexRow, 3, 1);
    form->setColumnStretch(1, 1);
    form->setVerticalSpacing(10);

    Command1 = button(QStringLiteral("追  加"), QStringLiteral("Command1"), this);
    Command4 = button(QStringLiteral("変  更"), QStringLiteral("Command4"), this);
    Command2 = button(QStringLiteral("削  除"), QStringLiteral("Command2"), this);
    Command3 = button(QStringLiteral("閉じる"), QStringLiteral("Command3"), this);
    auto *buttons = new QHBoxLayout;
    for (auto *b : {Command1, Command4, Command2})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(Command3);
    connect(Command1, &QPushButton::clicked, this, &F_User01::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &F_User01::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &F_User01::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &F_User01::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &F_User01::Command5_Click);

    StBar = new StatusBarText(this);
    StBar->addHint(this, QStringLiteral("ユーザー情報の変更します。"));
    StBar->addHint(Check1, QStringLiteral("チェックしたユーザーが最初に表示されるようになります。"));
    StBar->addHint(Command1, QStringLiteral("上で指定したユーザーを新規に追加します。"));
    StBar->addHint(Command2, QStringLiteral("上で選択したユーザーを削除します。"));
    StBar->addHint(Command4, QStringLiteral("選択したユーザーを上の設定内容に更新します。"));
    StBar->addHint(Command5, QStringLiteral("生年月日を和暦で入力します。"));

    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 12, 12, 8);
    body->addLayout(form);
    body->addSpacing(12);
    body->addLayout(buttons);
    body->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addLayout(body, 1);
    layout->addWidget(StBar);

    Form_Load();
}

void F_User01::Form_Load()
{
    HenkouFlg = false;
    StBar->setText(QStringLiteral("登録済みユーザー情報を変更する場合は、名前を選んでください。"));
    try {
        DBCombo1->setRowSource(QStringLiteral("SELECT * FROM 個人データ ORDER BY 氏名 ASC"), {},
                               QStringLiteral("氏名"), QStringLiteral("氏名ID"));
    } catch (const DbError &e) {
        ShowError(e.number(), e.description());
    }
    Nyuuryoku_Clear();
    Settei = new F_User01_Settei(this);
    Settei->Hyouji_ReSet();
}

qint64 F_User01::ShownID() const
{
    return Text2->text().toLongLong();
}

QString F_User01::ShownName() const
{
    return ShownID() == 0 ? QString() : DBCombo1->text();
}

void F_User01::setShownEnabled(bool on)
{
    Command2->setEnabled(on);
    Command4->setEnabled(on);
    mnSyouSai->setEnabled(on);
}

void F_User01::Nyuuryoku_Clear()
{
    DBCombo1->setCurrentIndex(-1);
    Text3->clear();
    for (auto *t : Text1)
        t->clear();
    Text2->clear();
    Option1[0]->setChecked(true);
    Check1->setChecked(false);
    setShownEnabled(false);
    HenkouFlg = false;
}

void F_User01::refreshList(qint64 choose)
{
    DBCombo1->refresh();
    if (choose == 0 || !DBCombo1->setBoundValue(choose))
        DBCombo1->setCurrentIndex(-1);
}

void F_User01::DBCombo1_Click()
{
    const QVariant bound = DBCombo1->boundValue();
    if (!bound.isValid())
        return;
    try {
        const qint64 id = bound.toLongLong();
        const auto row = Kojin_Row(id);
        if (!row)
            return;
        const QDate birth = toDate(row->value(QStringLiteral("生年月日")));
        Text3->setText(row->value(QStringLiteral("氏名")).toString());
        Text1[0]->setText(birth.isValid() ? QString::number(birth.year()) : QString());
        Text1[1]->setText(birth.isValid() ? QString::number(birth.month()) : QString());
        Text1[2]->setText(birth.isValid() ? QString::number(birth.day()) : QString());
        const int sex = row->value(QStringLiteral("性別")).toInt();
        Option1[0]->setChecked(sex == kSexMale);
        Option1[1]->setChecked(sex != kSexMale);
        Text2->setText(QString::number(id));
        Check1->setChecked(MainUser_Value() == id);
        setShownEnabled(true);
        Settei->Settei_Load(SetteiFromRow(*row));
    } catch (const DbError &e) {
        ShowError(e.number(), e.description());
    }
}

void F_User01::reportAndRelist(const DbError &e, qint64 choose)
{
    ShowError(e.number(), e.description());
    // Whatever part of the change was written, the list shows the table as it now is.
    try {
        refreshList(choose);
    } catch (const DbError &) {
    }
}

std::optional<Kojin> F_User01::Nyuuryoku_Check(qint64 exceptId)
{
    Kojin k;
    k.id = exceptId;
    k.name = Text3->text().trimmed();
    Text3->setText(k.name);
    if (k.name.isEmpty()) {
        notice(QStringLiteral("名前を入力してください。"));
        Text3->setFocus();
        return std::nullopt;
    }
    if (NameLength(k.name) > kNameMax) {
        notice(QStringLiteral("名前は10文字までです。"));
        Text3->setFocus();
        return std::nullopt;
    }
    k.birth = readYmd(Text1[0]->text(), Text1[1]->text(), Text1[2]->text());
    if (!k.birth.isValid() || k.birth > QDate::currentDate()) {
        notice(QStringLiteral("生年月日を確認してください。"));
        Text1[0]->setFocus();
        return std::nullopt;
    }
    Text1[0]->setText(QString::number(k.birth.year()));
    Text1[1]->setText(QString::number(k.birth.month()));
    Text1[2]->setText(QString::number(k.birth.day()));
    if (!Option1[0]->isChecked() && !Option1[1]->isChecked()) {
        notice(QStringLiteral("性別を指定してください。"));
        Option1[0]->setFocus();
        return std::nullopt;
    }
    k.sex = Option1[0]->isChecked() ? kSexMale : kSexFemale;
    if (Kojin_NameExists(k.name, exceptId)) {
        notice(QStringLiteral("同じ名前が既に存在しています。\n両方とも必要な場合は、区別ができる名前にしてください。"));
        Text3->setFocus();
        return std::nullopt;
    }
    return k;
}

void F_User01::Command1_Click()
{
    try {
        const auto k = Nyuuryoku_Check(0);
        if (!k)
            return;
        const qint64 id = Kojin_Add(*k, Check1->isChecked());
        Text2->setText(QString::number(id));
        refreshList(id);
        setShownEnabled(true);
        if (Settei->HenkouFlg)
            notice(QStringLiteral("新規登録時点での詳細設定は、初期値の状態です。\n"
                                  "詳細設定の変更が必要な場合は、再度設定をしてください。"));
        // Show the new person's stored (default) settings, not what was edited before.
        if (const auto row = Kojin_Row(id))
            Settei->Settei_Load(SetteiFromRow(*row));
        Settei->HenkouFlg = false;
    } catch (const DbError &e) {
        reportAndRelist(e, ShownID());
    }
}

void F_User01::Command4_Click()
{
    const qint64 id = ShownID();
    if (id == 0)
        return;
    try {
        const auto k = Nyuuryoku_Check(id);
        if (!k)
            return;
        KojinSettei settei;
        if (Settei->HenkouFlg)
            settei = Settei->Settei_Get();
        Kojin_Update(*k, Settei->HenkouFlg ? &settei : nullptr, Check1->isChecked());
        refreshList(id);
        Settei->HenkouFlg = false;
    } catch (const DbError &e) {
        reportAndRelist(e, id);
    }
}

void F_User01::Command2_Click()
{
    const qint64 id = ShownID();
    if (id == 0)
        return;
    try {
        const auto stored = Kojin_Get(id);
        if (!stored)
            return;
        // The question names the person being deleted, whatever the name box holds now.
        QString ask = stored->name + QStringLiteral("さんを削除します。");
        if (Kojin_HasRecords(id))
            ask += QStringLiteral("\r\n入力済みの健康管理情報も一緒に削除されますが､よろしいですか｡");
        else
            ask += QStringLiteral("よろしいですか。");
        if (MsgBox(ask, vbOKCancel | vbQuestion, kKakunin) != vbOK)
            return;
        Kojin_Delete(id);
        refreshList(0);
        Nyuuryoku_Clear();
        if (id == G_Simei_ID) {
            HenkouFlg = true;
            m_currentDeleted = true;
        }
        Settei->HenkouFlg = false;
    } catch (const DbError &e) {
        reportAndRelist(e, ShownID());
    }
}

void F_User01::Command3_Click()
{
    if (Settei->HenkouFlg
        && MsgBox(QStringLiteral("詳細設定が変更されています。\r\n閉じてよろしいですか？。\r\n\r\n"
                                 "詳細設定を更新するには、「変更」を実行してください。"),
                  vbOKCancel | vbQuestion, kKakunin)
               != vbOK)
        return;
    // Unload
    if (!Text2->text().isEmpty() && ShownID() != G_Simei_ID)
        HenkouFlg = true;
    // A later deletion clears the flag with the input; the day window must still let go of
    // the person it shows.
    if (m_currentDeleted)
        HenkouFlg = true;
    Settei->HenkouFlg = false;
    Settei->hide();
    QDialog::accept();
}

void F_User01::reject()
{
    Command3_Click();
}

void F_User01::closeEvent(QCloseEvent *e)
{
    e->ignore();
    Command3_Click();
}

void F_User01::Command5_Click()
{
    F_User02 wareki(Text1, this);
    wareki.exec();
}

void F_User01::mnSyouSai_Click()
{
    Settei->exec();
}

} // namespace mirte
