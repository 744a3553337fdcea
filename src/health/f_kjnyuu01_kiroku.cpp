#include "f_kjnyuu01.h"

// The window's checks and record writes: the change check, the day and body checks, and adding,
// saving and deleting a day.

#include "b_01.h"
#include "database.h"
#include "handlers.h"
#include "msgbox.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <map>

namespace mirte {

// ---------------------------------------------------------------- checks

bool F_KJNyuu01::Henkou_Check() const
{
    return henkouCheck(form(), currentRecord(), QDate::currentDate());
}

bool F_KJNyuu01::henkouKakunin()
{
    if (!Henkou_Check())
        return true;
    return MsgBox(QStringLiteral("内容が変更されています。更新する場合は、キャンセルし「変更」ボタンを押してください。"),
                  vbOKCancel | vbQuestion, kakunin())
        == vbOK;
}

bool F_KJNyuu01::syncDateBoxes()
{
    const QDate d = formDate(Text3[0]->text(), Text3[1]->text(), Text3[2]->text());
    if (!d.isValid())
        return false;
    if (d != ThisDate || LabYoubi->text() != youbiText(d)) {
        ThisDate = d;
        LabYoubi->setText(youbiText(d));
        Nenrei_Hyouji();
    }
    return true;
}

void F_KJNyuu01::dateBoxLeft()
{
    guarded([this] { syncDateBoxes(); });
}

bool F_KJNyuu01::checkDate()
{
    // What the boxes show is what gets saved, even when a box still has the focus.
    if (!syncDateBoxes()) {
        Text3[0]->setFocus();
        info(QStringLiteral("日付を確認してください。"));
        return false;
    }
    return true;
}

bool F_KJNyuu01::checkBody()
{
    if (Val(Text5->text()) == 0) {
        Text5->setFocus();
        info(QStringLiteral("身長を入力してください。"));
        return false;
    }
    if (Val(Text6->text()) == 0) {
        Text6->setFocus();
        info(QStringLiteral("体重を入力してください。"));
        return false;
    }
    if (!kenkouAllowed(Combo2->currentText(), isMale() ? 1 : 2, shownAge())) {
        Combo2->setFocus();
        info(kenkouNotAllowedMessage());
        return false;
    }
    if (const auto bad = kenkouOutOfRange(form())) {
        using K = KenkouKoumoku;
        const std::map<K, QLineEdit *> boxes{
            {K::Sintyou, Text5}, {K::Taijuu, Text6},  {K::KetuatuSita, Text7[0]}, {K::KetuatuUe, Text7[1]},
            {K::Taion, Text8},   {K::Taisibou, Text9}, {K::Kettouti, Text10},     {K::Sinpaku, Text11},
            {K::Hosuu, Text1},   {K::Undouryou, Text2}};
        QLineEdit *box = boxes.at(*bad);
        box->setFocus();
        box->selectAll();
        info(Kenkou_Hani_Message(*bad));
        return false;
    }
    if (ketuatuReversed(form())) {
        Text7[0]->setFocus();
        Text7[0]->selectAll();
        info(ketuatuOrderMessage());
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- add, update, delete

void F_KJNyuu01::Command1_Click()
{
    guarded([this] {
        if (!checkDate())
            return;
        if (findKenkouDay(G_DB(), G_Simei_ID, ThisDate) != 0) {
            Text3[0]->setFocus();
            info(longDateText(ThisDate) + QStringLiteral("の健康状態は既に記録されているので、追加できません。"));
            return;
        }
        if (!checkBody())
            return;
        G_KK_ID = insertKenkouRow(G_DB(), rowFromForm(form(), G_Simei_ID, ThisDate));
        m_shownForm = form();
        reloadRecords(G_KK_ID);
        setSavedButtons(true);
        Command11->setEnabled(true);
        setNavigationShown(true);
        Day_Hyouji_Set();
    });
}

void F_KJNyuu01::Command2_Click()
{
    guarded([this] {
        const KenkouRow *cur = currentRecord();
        if (!cur || G_KK_ID == 0)
            return;
        if (!checkDate())
            return;
        if (cur->hiduke != ThisDate) {
            // Re-dating on purpose: the question names both days and what goes with the record.
            if (MsgBox(redateQuestion(cur->hiduke, ThisDate), vbOKCancel | vbQuestion, kakunin()) != vbOK)
                return;
        }
        if (findKenkouDay(G_DB(), G_Simei_ID, ThisDate, cur->id) != 0) {
            info(longDateText(ThisDate) + QStringLiteral("の健康状態は既に記録されているので、追加できません。"));
            return;
        }
        if (!checkBody())
            return;
        KenkouRow r = rowFromForm(form(), G_Simei_ID, ThisDate);
        r.id = cur->id;
        updateKenkouRow(G_DB(), r);
        m_shownForm = form();
        G_KK_ID = r.id;
        reloadRecords(G_KK_ID);
        setSavedButtons(true);
        Command11->setEnabled(true);
        Day_Hyouji_Set();
    });
}

void F_KJNyuu01::Command9_Click()
{
    guarded([this] {
        const KenkouRow *cur = currentRecord();
        if (!cur || G_KK_ID == 0)
            return;
        // The question names the day that is deleted, even when another day was typed.
        if (MsgBox(longDateText(cur->hiduke) + QStringLiteral("の健康状態の記録を削除します。よろしいですか。"),
                   vbOKCancel | vbQuestion, kakunin())
            != vbOK)
            return;
        const int before = int(m_records.size());
        const int at = m_cur;
        deleteKenkouRow(G_DB(), cur->id);
        m_records = loadKenkouRows(G_DB(), G_Simei_ID);
        if (before <= 1 || m_records.isEmpty()) {
            m_cur = -1;
            ThisDate = QDate::currentDate();
            Hiduke_Hyouji(ThisDate);
            Space_Data_Set();
            G_KK_ID = 0;
            setSavedButtons(false);
            setNavigationShown(false);
            Nenrei_Hyouji();
        } else {
            showRecord(qBound(0, at - 1, int(m_records.size()) - 1));
        }
    });
}

} // namespace mirte
