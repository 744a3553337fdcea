// The CSV reader of the data files and the search folding.

#include "csv.h"
#include "kana.h"

#include <QtTest>

using namespace mirte;

class TstCsv : public QObject {
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QStringList>>("expected");
        using L = QList<QStringList>;
        QTest::newRow("plain") << "a,b\n1,2\n" << L{{"a", "b"}, {"1", "2"}};
        QTest::newRow("no final line end") << "a,b\n1,2" << L{{"a", "b"}, {"1", "2"}};
        QTest::newRow("crlf") << "a,b\r\n1,2\r\n" << L{{"a", "b"}, {"1", "2"}};
        QTest::newRow("empty fields stay empty") << "a,,c\n,," << L{{"a", "", "c"}, {"", "", ""}};
        QTest::newRow("quoted comma") << "\"x, y\",z\n" << L{{"x, y", "z"}};
        QTest::newRow("doubled quote") << "\"say \"\"hi\"\"\",2\n" << L{{"say \"hi\"", "2"}};
        QTest::newRow("line break inside quotes") << "\"one\ntwo\",3\n" << L{{"one\ntwo", "3"}};
        QTest::newRow("empty quoted field") << "\"\",1\n" << L{{"", "1"}};
        QTest::newRow("quote inside unquoted field is text") << "5\"x,1\n" << L{{"5\"x", "1"}};
        QTest::newRow("japanese") << "食品名,細分\nこめ,［水稲めし］ 精白米\n" << L{{"食品名", "細分"}, {"こめ", "［水稲めし］ 精白米"}};
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QList<QStringList>, expected);
        QCOMPARE(parseCsv(text), expected);
    }

    void malformed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("quote left open") << "a,\"b\n1,2\n";
        QTest::newRow("text after closing quote") << "\"a\"b,c\n";
    }
    void malformed()
    {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(CsvError, parseCsv(text));
    }

    void tableChecksFieldCount()
    {
        const CsvTable t = CsvTable::fromText(QStringLiteral("id,name\n1,\"a,b\"\n\n2,c\n"), QStringLiteral("t"));
        QCOMPARE(t.size(), 2);
        QCOMPARE(t.value(0, QStringLiteral("name")), QStringLiteral("a,b"));
        QCOMPARE(t.value(1, QStringLiteral("id")), QStringLiteral("2"));
        QVERIFY_THROWS_EXCEPTION(CsvError, t.column(QStringLiteral("missing")));
        QVERIFY_THROWS_EXCEPTION(CsvError, CsvTable::fromText(QStringLiteral("id,name\n1,a,extra\n")));
        QVERIFY_THROWS_EXCEPTION(CsvError, CsvTable::fromText(QString()));
    }

    void fold_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::newRow("hiragana stays") << "にんじん" << "にんじん";
        QTest::newRow("katakana") << "ニンジン" << "にんじん";
        QTest::newRow("half-width katakana with voicing") << "ﾆﾝｼﾞﾝ" << "にんじん";
        QTest::newRow("half-width semi-voiced") << "ﾊﾟﾝ" << "ぱん";
        QTest::newRow("small kana and long vowel") << "ｷｬﾍﾞﾂｰ" << "きゃべつー";
        QTest::newRow("vu") << "ヴ" << "ゔ";
        QTest::newRow("full-width ascii") << "ＡＢＣ１２３" << "abc123";
        QTest::newRow("upper case") << "UHT Milk" << "uht milk";
        QTest::newRow("kanji stays") << "人参" << "人参";
        QTest::newRow("blanks") << "　こめ　 めし " << "こめ めし";
        QTest::newRow("mixed") << "ｺﾒ［水稲めし］" << "こめ[水稲めし]";
    }
    void fold()
    {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        QCOMPARE(foldForSearch(text), folded);
        QCOMPARE(foldForSearch(folded), folded); // folding twice changes nothing
    }
};

QTEST_GUILESS_MAIN(TstCsv)
#include "tst_csv.moc"
