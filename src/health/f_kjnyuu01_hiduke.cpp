#include "f_kjnyuu01.h"

// The window's days: the boxes filled from a record, going from day to day, and the person's
// records shown one by one.

#include "b_00.h"
#include "b_01.h"
#include "taikaku.h"
#include "b_t01.h"
#include "database.h"
#include "datacombo.h"
#include "handlers.h"
#include "msgbox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace mirte {

// ---------------------------------------------------------------- opening

void F_KJNyuu01::Form_Load()
{
    m_loading = true;
    DBCombo1->setRowSource(QStringLiteral("SELECT * FROM 個人データ ORDER BY 氏名 ASC"), {},
                           QStringLiteral("氏名"), QStringLiteral("氏名ID"));
    m_records.clear();
    m_cur = -1;
    m_loading = false;

    ThisDate = QDate::currentDate();
    Hiduke_Hyouji(ThisDate);
    G_Simei_ID = 0;
    Frame1->setEnabled(false);
    Space_Data_Set();
    LabTosi->clear();
    LabSeiBetu->clear();
    Nyuuryoku_Enabled(false);

    Command1->setEnabled(false);
    setSavedButtons(false);
    Command11->setEnabled(false);
    setNavigationShown(false);

    G_Simei_ID = MainUser_Get(G_DB());
    if (G_Simei_ID != 0)
        DBCombo1->setBoundValue(G_Simei_ID); // runs Name_Change
}

// ---------------------------------------------------------------- public operations

void F_KJNyuu01::setForm(const KenkouForm &f)
{
    Text3[0]->setText(f.year);
    Text3[1]->setText(f.month);
    Text3[2]->setText(f.day);
    Text5->setText(f.sintyou);
    Text6->setText(f.taijuu);
    setKenkouText(f.kenkou);
    Combo1->setCurrentIndex(f.kyoudoIndex >= 0 && f.kyoudoIndex < Combo1->count() ? f.kyoudoIndex
                                                                                   : -1);
    Text7[0]->setText(f.ketuatuSita);
    Text7[1]->setText(f.ketuatuUe);
    Text8->setText(f.taion);
    Text9->setText(f.taisibou);
    Text10->setText(f.kettouti);
    Text11->setText(f.sinpaku);
    Text1->setText(f.hosuu);
    Text2->setText(f.undouryou);
    Text12->setText(f.bikou);
}

KenkouForm F_KJNyuu01::form() const
{
    KenkouForm f;
    f.year = Text3[0]->text();
    f.month = Text3[1]->text();
    f.day = Text3[2]->text();
    f.sintyou = Text5->text();
    f.taijuu = Text6->text();
    f.kenkou = Combo2->currentText();
    f.kyoudoIndex = Combo1->currentIndex();
    f.ketuatuSita = Text7[0]->text();
    f.ketuatuUe = Text7[1]->text();
    f.taion = Text8->text();
    f.taisibou = Text9->text();
    f.kettouti = Text10->text();
    f.sinpaku = Text11->text();
    f.hosuu = Text1->text();
    f.undouryou = Text2->text();
    f.bikou = Text12->text();
    return f;
}

void F_KJNyuu01::Rs_Data_Set(const KenkouRow &row, bool partial)
{
    KenkouForm f = form();
    formFromRow(f, row, partial);
    setForm(f);
    m_shownForm = form();
}

void F_KJNyuu01::Space_Data_Set()
{
    KenkouForm f = form();
    clearForm(f);
    setForm(f);
    m_shownForm = form();
}

void F_KJNyuu01::Hiduke_Hyouji(const QDate &d)
{
    Text3[0]->setText(QString::number(d.year()));
    Text3[1]->setText(QString::number(d.month()));
    Text3[2]->setText(QString::number(d.day()));
    LabYoubi->setText(youbiText(d));
}

const KenkouRow *F_KJNyuu01::currentRecord() const
{
    return m_cur >= 0 && m_cur < m_records.size() ? &m_records.at(m_cur) : nullptr;
}

void F_KJNyuu01::Nyuuryoku_Enabled(bool on)
{
    for (QWidget *w : std::as_const(m_entryWidgets))
        w->setEnabled(on);
}

bool F_KJNyuu01::isMale() const
{
    return LabSeiBetu->text() == QStringLiteral("男");
}

void F_KJNyuu01::setKenkouText(const QString &state)
{
    // A state the list does not know is still shown as stored.
    const int k = Combo2->findText(state);
    if (k >= 0) {
        Combo2->setCurrentIndex(k);
    } else {
        Combo2->setEditable(true);
        Combo2->setEditText(state);
    }
    if (k >= 0 && Combo2->isEditable())
        Combo2->setEditable(false);
}

int F_KJNyuu01::shownAge() const
{
    return LabTosi->text().isEmpty() ? -1 : Nenrei;
}

void F_KJNyuu01::Kenkou_Choices_Set()
{
    const QStringList want = kenkouChoices(isMale() ? 1 : 2, shownAge());
    QStringList have;
    for (int i = 0; i < Combo2->count(); ++i)
        have << Combo2->itemText(i);
    if (have == want)
        return;
    const QString state = Combo2->currentText();
    const bool loading = m_loading;
    m_loading = true;
    Combo2->setEditable(false);
    Combo2->clear();
    Combo2->addItems(want);
    setKenkouText(state);
    m_loading = loading;
}

void F_KJNyuu01::Nenrei_Hyouji()
{
    const QDate shown = formDate(Text3[0]->text(), Text3[1]->text(), Text3[2]->text());
    const QDate birth = toDate(DBCombo1->field(QStringLiteral("生年月日")));
    int years = Nenrei, days = Nenrei_Nissu;
    if (shown.isValid() && birth.isValid() && Nenrei_Keisan(shown, birth, years, days, true)) {
        Nenrei = years;
        Nenrei_Nissu = days;
        LabTosi->setText(QString::number(Nenrei));
    } else {
        LabTosi->clear();
    }
    Kenkou_Choices_Set();
    Taikaku_Hyouji();
}

void F_KJNyuu01::Taikaku_Hyouji()
{
    if (!LabTaikaku)
        return;
    const auto r = bodyIndex(Val(Text5->text()), Val(Text6->text()), shownAge());
    LabTaikaku->setText(r ? QStringLiteral("%1 %2（%3）").arg(r->name(), r->valueText(), r->judgement) : QString());
}

void F_KJNyuu01::Text4_Set()
{
    for (int i = 0; i < 3; ++i)
        Text4[i]->setText(Text3[i]->text());
    Text4[3]->setText(LabYoubi->text());
}

void F_KJNyuu01::Day_Hyouji_Set()
{
    G_Day_Hyouji = dayHyoujiText(Text3[0]->text(), Text3[1]->text(), Text3[2]->text(),
                                 LabYoubi->text());
    Text4_Set();
}

void F_KJNyuu01::reloadRecords(qint64 positionOn)
{
    m_records = loadKenkouRows(G_DB(), G_Simei_ID);
    m_cur = -1;
    for (int i = 0; i < m_records.size(); ++i) {
        if (m_records.at(i).id == positionOn)
            m_cur = i;
    }
}

void F_KJNyuu01::Name_Change()
{
    Junbi_Flg = false;
    G_Simei_ID = DBCombo1->boundValue().toLongLong();
    if (G_Simei_ID == 0) {
        // Nothing chosen (or the person was removed): nothing of the last person may stay usable.
        m_loading = true;
        DBCombo1->setCurrentIndex(-1);
        m_loading = false;
        Frame1->setEnabled(false);
        m_records.clear();
        m_cur = -1;
        G_KK_ID = 0;
        Space_Data_Set();
        LabTosi->clear();
        LabSeiBetu->clear();
        Command1->setEnabled(false);
        setSavedButtons(false);
        Command11->setEnabled(false);
        setNavigationShown(false);
        return;
    }
    Frame1->setEnabled(true);
    if (DBCombo1->currentRecord().isEmpty())
        return;

    ThisDate = QDate::currentDate();
    Hiduke_Hyouji(ThisDate);
    Nenrei_Hyouji();
    LabSeiBetu->setText(DBCombo1->field(QStringLiteral("性別")).toInt() == 1 ? QStringLiteral("男")
                                                                            : QStringLiteral("女"));
    Kenkou_Choices_Set();

    m_records = loadKenkouRows(G_DB(), G_Simei_ID);
    m_cur = int(m_records.size()) - 1;
    if (m_cur < 0) {
        Space_Data_Set();
        G_KK_ID = 0;
        setSavedButtons(false);
        Command11->setEnabled(false);
        setNavigationShown(false);
    } else if (m_records.at(m_cur).hiduke == ThisDate) {
        Rs_Data_Set(m_records.at(m_cur), false);
        G_KK_ID = m_records.at(m_cur).id;
        setSavedButtons(true);
        Command11->setEnabled(true);
        setNavigationShown(true);
        Day_Hyouji_Set();
    } else {
        // Yesterday's body measures carry over to today.
        Rs_Data_Set(m_records.at(m_cur), true);
        G_KK_ID = 0;
        setSavedButtons(false);
        Command11->setEnabled(true);
        setNavigationShown(true);
    }

    Command1->setEnabled(true);
    Nyuuryoku_Enabled(true);
    G_Simei_Hyouji = QStringLiteral("氏名 ： ") + DBCombo1->text();
    Junbi_Flg = true;
}

bool F_KJNyuu01::Kiroku_Yomikomi(qint64 kkId)
{
    int found = -1;
    for (int i = 0; i < m_records.size(); ++i) {
        if (m_records.at(i).id == kkId) {
            found = i;
            break;
        }
    }
    if (found < 0)
        return false;
    showRecord(found);
    return true;
}

void F_KJNyuu01::showRecord(int at)
{
    m_cur = at;
    const KenkouRow &r = m_records.at(at);
    ThisDate = r.hiduke;
    Hiduke_Hyouji(ThisDate);
    Rs_Data_Set(r, false);
    G_KK_ID = r.id;
    Nenrei_Hyouji();
    Day_Hyouji_Set();
    setSavedButtons(true);
    Command11->setEnabled(true);
    setNavigationShown(true);
}

void F_KJNyuu01::goToDay(const QDate &day)
{
    guarded([&] {
        if (!day.isValid() || G_Simei_ID == 0)
            return;
        // Only what the user typed is worth the question; the day itself is what moves.
        if (!sameFields(form(), m_shownForm)
            && MsgBox(QStringLiteral("内容が変更されています。更新する場合は、キャンセルし「変更」ボタンを押してください。"),
                      vbOKCancel | vbQuestion, kakunin())
                != vbOK) {
            Hiduke_Hyouji(ThisDate);
            return;
        }
        int stored = -1, earlier = -1;
        for (int i = 0; i < m_records.size(); ++i) {
            if (m_records.at(i).hiduke == day)
                stored = i;
            else if (m_records.at(i).hiduke < day)
                earlier = i;
        }
        if (stored >= 0) {
            showRecord(stored);
            return;
        }
        // A day without a record: a new day, with the body measures of the day before it.
        ThisDate = day;
        Hiduke_Hyouji(day);
        m_cur = earlier;
        if (earlier >= 0)
            Rs_Data_Set(m_records.at(earlier), true);
        else
            Space_Data_Set();
        G_KK_ID = 0;
        setSavedButtons(false);
        Command11->setEnabled(!m_records.isEmpty());
        setNavigationShown(!m_records.isEmpty());
        Nenrei_Hyouji();
    });
}

// ---------------------------------------------------------------- navigation

void F_KJNyuu01::Command7_Click(int index)
{
    guarded([this, index] {
        if (!henkouKakunin())
            return;
        const QString none = QStringLiteral("データは、ありません。");
        int target = -1;
        if (G_KK_ID == 0) {
            if (index == 1 || m_records.isEmpty()) {
                info(none);
                return;
            }
            target = int(m_records.size()) - 1;
        } else {
            const int next = m_cur + (index == 0 ? -1 : 1);
            if (m_cur >= 0 && next >= 0 && next < m_records.size())
                target = next;
            else
                info(none);
        }
        if (target >= 0) {
            showRecord(target);
            return;
        }
        // Nothing found: the age and the day texts still follow the boxes.
        Nenrei_Hyouji();
        Day_Hyouji_Set();
    });
}

} // namespace mirte
