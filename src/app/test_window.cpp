#include "test_window.h"

#include "b_00.h"
#include "b_01.h"
#include "class_seibun_rs.h"
#include "database.h"
#include "msgbox.h"
#include "startup.h"

#include <QApplication>

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace mirte {

Test::Test(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Test"));
    setWindowTitle(QStringLiteral("TEST"));

    Text1 = new QLineEdit(QStringLiteral("成分表"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text2 = new QLineEdit(this);
    Text2->setObjectName(QStringLiteral("Text2"));
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Command1 = new QPushButton(QStringLiteral("取得"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &Test::Command1_Click);

    RText1 = new QTextEdit(this);
    RText1->setObjectName(QStringLiteral("RText1"));
    RText1->setAcceptRichText(false);
    RText2 = new QTextEdit(this);
    RText2->setObjectName(QStringLiteral("RText2"));
    RText2->setReadOnly(true);
    Command2 = new QPushButton(QStringLiteral("改行削除"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command2, &QPushButton::clicked, this, &Test::Command2_Click);
    // The start checks files up to kStartupCheckLimit; a larger household is checked here.
    Command4 = new QPushButton(QStringLiteral("ファイル検査"), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    connect(Command4, &QPushButton::clicked, this, &Test::Command4_Click);
    Command3 = new QPushButton(QStringLiteral("終了"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    connect(Command3, &QPushButton::clicked, this, &QDialog::accept);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("テーブル名"), Text1);
    form->addRow(QStringLiteral("成分表ID"), Text2);
    form->addRow(Command1, Label3);
    auto *lay = new QVBoxLayout(this);
    lay->addLayout(form);
    auto *texts = new QHBoxLayout;
    texts->addWidget(RText1);
    texts->addWidget(RText2);
    lay->addLayout(texts);
    auto *row = new QHBoxLayout;
    row->addWidget(Command2);
    row->addWidget(Command4);
    row->addStretch();
    row->addWidget(Command3);
    lay->addLayout(row);
    resize(520, 360);
}

void Test::Command1_Click()
{
    Class_Seibun_RS rs;
    rs.setTableName(Text1->text());
    rs.setSeiBunHyouID(qint64(Val(Text2->text())));
    if (rs.GetRS())
        Label3->setText(rs.RS_Obj()->value(QStringLiteral("成分表ID")).toString());
    else
        Label3->setText(QString());
}

void Test::Command4_Click()
{
    const QString problem = [] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const QString p = databaseProblem(G_DB());
        QApplication::restoreOverrideCursor();
        return p;
    }();
    if (problem.isEmpty())
        MsgBox(QStringLiteral("データベースに異常はありません。"), vbInformation, QStringLiteral("確認"));
    else
        MsgBox(QStringLiteral("データベースが壊れています。バックアップから元に戻してください。（%1）").arg(problem),
               vbExclamation, QStringLiteral("エラー"));
}

void Test::Command2_Click()
{
    QString text = RText1->toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    RText2->setPlainText(Str_DelAll(text, QStringLiteral("\r\n")));
}

} // namespace mirte
