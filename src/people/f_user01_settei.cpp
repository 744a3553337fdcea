#include "f_user01_settei.h"

#include "b_01.h"
#include "f_help.h"
#include "msgbox.h"
#include "numberbox.h"
#include "tabcontrol.h"
#include "uiutil.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirte {

namespace {
const QString kKakunin = QStringLiteral("確認");
const QString kNotAboveZero = QStringLiteral("チェックをはずすか、０より大きい数値を入れてください。");

// Units shown beside the health items, in item order.
const QStringList kKenkouUnits{"(cm)", "(kg)", "(回/分)", "(mmHg)", "(mg/dl)", "(％)", "(歩)", "(kcal)", "(℃)"};

QLineEdit *valueBox(QWidget *parent, const QString &name)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setAlignment(Qt::AlignRight);
    // Full-width digits typed with the input method on count as the digits they are.
    makeNumberBox(e, NumberValidator::Unsigned, NumberValidator::FoldOnly);
    const int w = e->fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")) + 14;
    e->setMinimumWidth(w);
    e->setMaximumWidth(w);
    return e;
}

QLabel *explanation(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setWordWrap(true);
    return l;
}

// A checked value must be a number above 0; a text that is no finite number fails as well.
enum class Value { Ok, NotNumber, NotAboveZero };
Value readValue(const QLineEdit *box, double *out = nullptr)
{
    bool ok = false;
    const std::optional<double> v = BoxNumber(box->text(), &ok);
    if (out)
        *out = v.value_or(0);
    if (!ok || !v)
        return Value::NotNumber;
    return *v > 0 ? Value::Ok : Value::NotAboveZero;
}

// No day's intake of any nutrient comes near this, in any of the units used.
constexpr double kEiyouMokuhyouMax = 100000;

// The health items in the order of the first page's boxes; box 9 is the upper pressure.
constexpr KenkouKoumoku kBoxKoumoku[] = {
    KenkouKoumoku::Sintyou,  KenkouKoumoku::Taijuu,   KenkouKoumoku::Sinpaku,   KenkouKoumoku::KetuatuSita,
    KenkouKoumoku::Kettouti, KenkouKoumoku::Taisibou, KenkouKoumoku::Hosuu,     KenkouKoumoku::Undouryou,
    KenkouKoumoku::Taion,    KenkouKoumoku::KetuatuUe};
} // namespace

F_User01_Settei::F_User01_Settei(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_User01_Settei"));
    setWindowTitle(QStringLiteral("詳細・目標値設定"));

    auto *menuBar = new QMenuBar(this);
    QMenu *gamen = menuBar->addMenu(QStringLiteral("画面(&G)"));
    mnSetu = gamen->addAction(QStringLiteral("説明(&H)"));
    mnSetu->setObjectName(QStringLiteral("mnSetu"));
    mnTojiru = gamen->addAction(QStringLiteral("閉じる(&Q)"));
    mnTojiru->setObjectName(QStringLiteral("mnTojiru"));
    connect(mnSetu, &QAction::triggered, this, [this] { ShowProgramHelp(this); });
    connect(mnTojiru, &QAction::triggered, this, &F_User01_Settei::Command3_Click);

    auto *head1 = new QLabel(QStringLiteral("目標値を決める項目のみ、チェックをつけて値を記入してください。"), this);
    auto *head2 = new QLabel(QStringLiteral("チェックのない項目は、自動計算された標準的な値が適用されます。"), this);

    SSTab1 = new TabControl(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(buildKenkouPage(), QStringLiteral("健康項目"));
    SSTab1->addTab(buildEiyouPage(1, 0, kEiyou1Count), QStringLiteral("栄養素１"));
    SSTab1->addTab(buildEiyouPage(2, kEiyou1Count, kEiyou2Count), QStringLiteral("栄養素２"));

    Command3 = new QPushButton(QStringLiteral("閉じる"), this);
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setAutoDefault(false);
    connect(Command3, &QPushButton::clicked, this, &F_User01_Settei::Command3_Click);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command3);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(head1);
    layout->addWidget(head2);
    layout->addWidget(SSTab1, 1);
    layout->addLayout(buttons);

    for (QLineEdit *box : m_boxes) {
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this] {
            if (!m_loading)
                HenkouFlg = true;
        });
    }

    // Load
    SSTab1->setTab(0);
    Hyouji_ReSet();
}

QWidget *F_User01_Settei::buildKenkouPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout;
    for (int i = 0; i < kKenkouBoxes; ++i)
        Text1[i] = valueBox(page, arrayName(QStringLiteral("Text1"), i));
    for (int i = 0; i < kKenkouChecks; ++i) {
        Check1[i] = new QCheckBox(page);
        Check1[i]->setObjectName(arrayName(QStringLiteral("Check1"), i));
        auto *label = new QLabel(KenkouNames().at(i), page);
        label->setObjectName(arrayName(QStringLiteral("Label1"), i));
        label->setProperty("mirteCheck", QVariant::fromValue<QObject *>(Check1[i]));
        label->installEventFilter(this);
        connect(Check1[i], &QCheckBox::clicked, this, [this, i] { checkClicked(0, i); });

        grid->addWidget(Check1[i], i, 0);
        grid->addWidget(label, i, 1);
        auto *value = new QHBoxLayout;
        value->addWidget(Text1[i]);
        if (i == 3) { // lower and upper pressure
            value->addWidget(new QLabel(QStringLiteral("（下）～"), page));
            value->addWidget(Text1[9]);
            value->addWidget(new QLabel(QStringLiteral("（上）"), page));
        }
        value->addWidget(new QLabel(kKenkouUnits.at(i), page));
        value->addStretch();
        grid->addLayout(value, i, 2);
    }
    grid->setColumnStretch(2, 1);
    for (int i = 0; i < kKenkouBoxes; ++i)
        m_boxes << Text1[i];

    auto *v = new QVBoxLayout(page);
    v->addWidget(explanation(QStringLiteral("　チェックした項目は、統計画面の折れ線グラフに目標値として表示されます。"), page));
    v->addLayout(grid);
    v->addStretch();
    return page;
}

QWidget *F_User01_Settei::buildEiyouPage(int page, int first, int count)
{
    auto *w = new QWidget;
    auto *grid = new QGridLayout;
    const int rows = (count + 1) / 2;
    const QString checkBase = page == 1 ? QStringLiteral("Check2") : QStringLiteral("Check3");
    const QString textBase = page == 1 ? QStringLiteral("Text2") : QStringLiteral("Text3");
    const QString labelBase = page == 1 ? QStringLiteral("Label2") : QStringLiteral("Label3");
    for (int i = 0; i < count; ++i) {
        auto *check = new QCheckBox(w);
        check->setObjectName(arrayName(checkBase, i));
        auto *box = valueBox(w, arrayName(textBase, i));
        auto *label = new QLabel(G_Eiyou_Mei.value(first + i), w);
        label->setObjectName(arrayName(labelBase, i));
        label->setProperty("mirteCheck", QVariant::fromValue<QObject *>(check));
        label->installEventFilter(this);
        if (page == 1) {
            Check2[i] = check;
            Text2[i] = box;
        } else {
            Check3[i] = check;
            Text3[i] = box;
        }
        connect(check, &QCheckBox::clicked, this, [this, page, i] { checkClicked(page, i); });

        const int row = i % rows, col = (i / rows) * 5;
        grid->addWidget(check, row, col);
        grid->addWidget(label, row, col + 1);
        grid->addWidget(box, row, col + 2);
        grid->addWidget(new QLabel(QStringLiteral("(%1)").arg(G_Eiyou_Tani.value(first + i)), w), row, col + 3);
        m_boxes << box;
    }
    grid->setColumnMinimumWidth(4, 24);
    grid->setColumnStretch(9, 1);

    auto *v = new QVBoxLayout(w);
    v->addWidget(explanation(QStringLiteral("　チェックした項目は、食事診断のグラフの１００％として表示されます。　　"
                                            "また、統計画面の折れ線グラフに目標値として表示されます。"),
                             w));
    v->addLayout(grid);
    v->addStretch();
    return w;
}

void F_User01_Settei::Hyouji_ReSet()
{
    m_loading = true;
    for (auto *c : Check1)
        c->setChecked(false);
    for (auto *c : Check2)
        c->setChecked(false);
    for (auto *c : Check3)
        c->setChecked(false);
    for (QLineEdit *box : m_boxes)
        box->setText(QStringLiteral("0"));
    enableBoxes();
    m_loading = false;
    HenkouFlg = false;
}

void F_User01_Settei::Settei_Load(const KojinSettei &s)
{
    m_loading = true;
    for (int i = 0; i < kKenkouChecks; ++i)
        Check1[i]->setChecked(s.kenkouFlg[i]);
    for (int i = 0; i < kKenkouBoxes; ++i)
        Text1[i]->setText(s.kenkouVal[i]);
    for (int i = 0; i < kEiyou1Count; ++i) {
        Check2[i]->setChecked(s.eiyouFlg[i]);
        Text2[i]->setText(s.eiyouVal[i]);
    }
    for (int i = 0; i < kEiyou2Count; ++i) {
        Check3[i]->setChecked(s.eiyouFlg[kEiyou1Count + i]);
        Text3[i]->setText(s.eiyouVal[kEiyou1Count + i]);
    }
    enableBoxes();
    m_loading = false;
    HenkouFlg = false;
}

KojinSettei F_User01_Settei::Settei_Get() const
{
    KojinSettei s;
    for (int i = 0; i < kKenkouChecks; ++i)
        s.kenkouFlg[i] = Check1[i]->isChecked();
    for (int i = 0; i < kKenkouBoxes; ++i)
        s.kenkouVal[i] = Text1[i]->text();
    for (int i = 0; i < kEiyou1Count; ++i) {
        s.eiyouFlg[i] = Check2[i]->isChecked();
        s.eiyouVal[i] = Text2[i]->text();
    }
    for (int i = 0; i < kEiyou2Count; ++i) {
        s.eiyouFlg[kEiyou1Count + i] = Check3[i]->isChecked();
        s.eiyouVal[kEiyou1Count + i] = Text3[i]->text();
    }
    return s;
}

void F_User01_Settei::enableBoxes()
{
    for (int i = 0; i < kKenkouChecks; ++i)
        Text1[i]->setEnabled(Check1[i]->isChecked());
    Text1[9]->setEnabled(Check1[3]->isChecked());
    for (int i = 0; i < kEiyou1Count; ++i)
        Text2[i]->setEnabled(Check2[i]->isChecked());
    for (int i = 0; i < kEiyou2Count; ++i)
        Text3[i]->setEnabled(Check3[i]->isChecked());
}

void F_User01_Settei::checkClicked(int page, int index)
{
    Q_UNUSED(page);
    Q_UNUSED(index);
    enableBoxes();
    HenkouFlg = true;
}

QLineEdit *F_User01_Settei::nextBox(QLineEdit *box) const
{
    if (const int i = int(std::find(Text1.begin(), Text1.end(), box) - Text1.begin()); i < kKenkouBoxes) {
        if (i == 3)
            return Text1[9];
        if (i == 9)
            return Text1[4];
        if (i == 8)
            return Text1[0];
        return Text1[i + 1];
    }
    if (const int i = int(std::find(Text2.begin(), Text2.end(), box) - Text2.begin()); i < kEiyou1Count)
        return Text2[(i + 1) % kEiyou1Count];
    if (const int i = int(std::find(Text3.begin(), Text3.end(), box) - Text3.begin()); i < kEiyou2Count)
        return Text3[(i + 1) % kEiyou2Count];
    return box;
}

void F_User01_Settei::moveNext(QLineEdit *box)
{
    // Disabled boxes cannot take the focus: go on to the next one that can.
    QLineEdit *next = nextBox(box);
    while (next != box && !next->isEnabled())
        next = nextBox(next);
    next->setFocus();
    next->selectAll();
}

bool F_User01_Settei::focusBox(QLineEdit *box)
{
    for (int p = 0; p < SSTab1->tabs(); ++p)
        if (SSTab1->widget(p)->isAncestorOf(box))
            SSTab1->setTab(p);
    box->setFocus();
    box->selectAll();
    return false;
}

bool F_User01_Settei::Tojiru_Check()
{
    auto refuse = [this](QLineEdit *box, const QString &message) {
        MsgBox(message, vbInformation, kKakunin);
        return focusBox(box);
    };
    for (int i = 0; i < kKenkouChecks; ++i) {
        if (!Check1[i]->isChecked())
            continue;
        switch (readValue(Text1[i])) {
        case Value::NotNumber:
            return refuse(Text1[i], kNotAboveZero);
        case Value::NotAboveZero:
            return refuse(Text1[i], QStringLiteral("０より大きい数値を入れてください。"));
        case Value::Ok:
            break;
        }
        double v = 0;
        readValue(Text1[i], &v);
        if (!Kenkou_Hani_Check(kBoxKoumoku[i], v))
            return refuse(Text1[i], Kenkou_Hani_Message(kBoxKoumoku[i]));
    }
    if (Check1[3]->isChecked()) {
        double lower = 0, upper = 0;
        readValue(Text1[3], &lower);
        if (readValue(Text1[9], &upper) != Value::Ok)
            return refuse(Text1[9], kNotAboveZero);
        if (!Kenkou_Hani_Check(kBoxKoumoku[9], upper))
            return refuse(Text1[9], Kenkou_Hani_Message(kBoxKoumoku[9]));
        if (upper < lower)
            return refuse(Text1[9], QStringLiteral("血圧は、（下）→（上）の順に入力してください。"));
    }
    auto eiyouCheck = [&](QCheckBox *check, QLineEdit *box) {
        double v = 0;
        if (!check->isChecked())
            return true;
        if (readValue(box, &v) != Value::Ok)
            return refuse(box, kNotAboveZero);
        if (v >= kEiyouMokuhyouMax)
            return refuse(box, QStringLiteral("１００，０００より小さい数値を入れてください。"));
        return true;
    };
    for (int i = 0; i < kEiyou1Count; ++i)
        if (!eiyouCheck(Check2[i], Text2[i]))
            return false;
    for (int i = 0; i < kEiyou2Count; ++i)
        if (!eiyouCheck(Check3[i], Text3[i]))
            return false;
    return true;
}

void F_User01_Settei::Command3_Click()
{
    // The window is only hidden: the registry saves what it holds.
    if (Tojiru_Check())
        QDialog::accept();
}

void F_User01_Settei::reject()
{
    Command3_Click();
}

void F_User01_Settei::closeEvent(QCloseEvent *e)
{
    e->ignore();
    Command3_Click();
}

bool F_User01_Settei::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        // A click on an item's name toggles its check box.
        if (auto *check = qobject_cast<QCheckBox *>(watched->property("mirteCheck").value<QObject *>())) {
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
                check->click();
            return true;
        }
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (!box || !m_boxes.contains(box))
        return QDialog::eventFilter(watched, event);

    auto *ke = static_cast<QKeyEvent *>(event);
    if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
        if (box->text().trimmed().isEmpty())
            box->setText(QStringLiteral("0"));
        moveNext(box);
        return true;
    }
    // Shortcuts and keys that type nothing (arrows, Tab, Escape, Backspace) keep their meaning.
    if (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString t = ke->text();
    if (t.isEmpty() || t.at(0).unicode() < 0x20 || t.at(0).unicode() == 0x7f)
        return false;
    const QChar c = HalfWidthNumber(t).at(0);
    if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.'))
        return false;
    MsgBox(QStringLiteral("数値を入れてください。"), vbInformation, kKakunin);
    return true;
}

} // namespace mirte
