#include "era.h"
#include "f_user02.h"
#include "guitest.h"
#include "testsupport.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace mirte;
using namespace mirte::test;
using mirte::test::MsgRecorder;

namespace {
// The registry's three birth-date boxes.
struct Boxes {
    QLineEdit y, m, d;
    std::array<QLineEdit *, 3> all() { return {&y, &m, &d}; }
    QString text() const { return y.text() + '/' + m.text() + '/' + d.text(); }
};

} // namespace

class TstFUser02 : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void confirm_data()
    {
        QTest::addColumn<int>("era");
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("m");
        QTest::addColumn<QString>("d");
        QTest::addColumn<QString>("expected"); // empty = refused

        QTest::newRow("平成 1/1/8") << 3 << "1" << "1" << "8" << "1989/1/8";
        QTest::newRow("令和 1/5/1") << 4 << "1" << "5" << "1" << "2019/5/1";
        QTest::newRow("平成 31/4/30") << 3 << "31" << "4" << "30" << "2019/4/30";
        QTest::newRow("昭和 64/1/7") << 2 << "64" << "1" << "7" << "1989/1/7";
        QTest::newRow("大正 1/7/30") << 1 << "1" << "7" << "30" << "1912/7/30";
        QTest::newRow("明治 45/7/29") << 0 << "45" << "7" << "29" << "1912/7/29";
        QTest::newRow("平成 1/1/7 refused") << 3 << "1" << "1" << "7" << "";
        QTest::newRow("令和 1/4/30 refused") << 4 << "1" << "4" << "30" << "";
        QTest::newRow("no 2/30") << 2 << "50" << "2" << "30" << "";
        QTest::newRow("empty day") << 2 << "50" << "2" << "" << "";
        QTest::newRow("letters") << 2 << "5x" << "2" << "1" << "";
    }
    void confirm()
    {
        QFETCH(int, era);
        QFETCH(QString, y);
        QFETCH(QString, m);
        QFETCH(QString, d);
        QFETCH(QString, expected);

        MsgRecorder msgs;
        Boxes boxes;
        boxes.y.setText("2000");
        boxes.m.setText("6");
        boxes.d.setText("15");
        F_User02 w(boxes.all());
        w.show();
        QTest::mouseClick(child<QRadioButton>(&w, QStringLiteral("Option1_%1").arg(era)), Qt::LeftButton);
        typeInto(&w, "Text1_0", y);
        typeInto(&w, "Text1_1", m);
        typeInto(&w, "Text1_2", d);
        QTest::mouseClick(child<QPushButton>(&w, "Command1"), Qt::LeftButton);

        if (expected.isEmpty()) {
            QCOMPARE(msgs.prompts(), QStringList{"生年月日を確認してください。"});
            QCOMPARE(msgs.shown().first().title, QStringLiteral("確認"));
            QCOMPARE(msgs.shown().first().icon(), int(vbInformation));
            QCOMPARE(boxes.text(), QStringLiteral("2000/6/15"));
            QVERIFY(w.isVisible());
            QCOMPARE(w.result(), int(QDialog::Rejected));
        } else {
            QVERIFY(msgs.shown().isEmpty());
            QCOMPARE(boxes.text(), expected);
            QCOMPARE(w.result(), int(QDialog::Accepted));
            QVERIFY(!w.isVisible());
        }
    }

    void todayAndTomorrow()
    {
        const QDate today = QDate::currentDate();
        for (const QDate &date : {today, today.addDays(1)}) {
            MsgRecorder msgs;
            Boxes boxes;
            F_User02 w(boxes.all());
            w.show();
            const auto e = dateToEra(date);
            QVERIFY(e.has_value());
            QTest::mouseClick(child<QRadioButton>(&w, QStringLiteral("Option1_%1").arg(e->era)), Qt::LeftButton);
            typeInto(&w, "Text1_0", QString::number(e->year));
            typeInto(&w, "Text1_1", QString::number(e->month));
            typeInto(&w, "Text1_2", QString::number(e->day));
            QTest::mouseClick(child<QPushButton>(&w, "Command1"), Qt::LeftButton);
            if (date == today) {
                QVERIFY(msgs.shown().isEmpty());
                QCOMPARE(boxes.y.text(), QString::number(today.year()));
            } else {
                QCOMPARE(msgs.last(), QStringLiteral("生年月日を確認してください。"));
                QVERIFY(boxes.y.text().isEmpty());
            }
        }
    }

    void loadsShownDate_data()
    {
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("m");
        QTest::addColumn<QString>("d");
        QTest::addColumn<int>("era");
        QTest::addColumn<QString>("eraDate");
        QTest::newRow("昭和 last day") << "1989" << "1" << "7" << 2 << "64/1/7";
        QTest::newRow("平成 first day") << "1989" << "1" << "8" << 3 << "1/1/8";
        QTest::newRow("令和") << "2020" << "2" << "29" << 4 << "2/2/29";
        QTest::newRow("two-digit year") << "75" << "4" << "1" << 2 << "50/4/1";
    }
    void loadsShownDate()
    {
        QFETCH(QString, y);
        QFETCH(QString, m);
        QFETCH(QString, d);
        QFETCH(int, era);
        QFETCH(QString, eraDate);
        Boxes boxes;
        boxes.y.setText(y);
        boxes.m.setText(m);
        boxes.d.setText(d);
        F_User02 w(boxes.all());
        for (int i = 0; i < 5; ++i)
            QCOMPARE(w.Option1[i]->isChecked(), i == era);
        QCOMPARE(w.Text1[0]->text() + '/' + w.Text1[1]->text() + '/' + w.Text1[2]->text(), eraDate);

        // Confirming unchanged gives the same date back, with a four-digit year.
        MsgRecorder msgs;
        w.show();
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QVERIFY(msgs.shown().isEmpty());
        QCOMPARE(readYmd(boxes.y.text(), boxes.m.text(), boxes.d.text()), readYmd(y, m, d));
        QCOMPARE(boxes.y.text().size(), 4);
    }

    void noDateStartsInTodaysEra()
    {
        Boxes boxes;
        boxes.y.setText("19xx");
        F_User02 w(boxes.all());
        QVERIFY(w.Option1[dateToEra(QDate::currentDate())->era]->isChecked());
        for (auto *t : w.Text1)
            QVERIFY(t->text().isEmpty());
        // the current era letter is in force without a click
        MsgRecorder msgs;
        w.show();
        QTest::keyClicks(w.Text1[0], "1");
        QTest::keyClicks(w.Text1[1], "5");
        QTest::keyClicks(w.Text1[2], "1");
        QTest::mouseClick(w.Command1, Qt::LeftButton);
        QVERIFY(msgs.shown().isEmpty());
        QCOMPARE(boxes.text(), QStringLiteral("2019/5/1"));
    }

    void cancelKeepsBoxes()
    {
        Boxes boxes;
        boxes.y.setText("1975");
        boxes.m.setText("4");
        boxes.d.setText("1");
        F_User02 w(boxes.all());
        w.show();
        QTest::mouseClick(w.Option1[3], Qt::LeftButton);
        w.Text1[0]->setText("1");
        QTest::mouseClick(w.Command2, Qt::LeftButton);
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(boxes.text(), QStringLiteral("1975/4/1"));
    }
};

QTEST_MAIN(TstFUser02)
#include "tst_f_user02.moc"
