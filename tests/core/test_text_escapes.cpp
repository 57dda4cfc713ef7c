#include "core/TextEscapes.h"

#include <QTest>

using namespace vestrona;

class TestTextEscapes : public QObject {
    Q_OBJECT

private slots:
    void escapes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("nothing to escape") << QStringLiteral("Call Mum") << QStringLiteral("Call Mum");
        QTest::newRow("backslash alone") << QStringLiteral("\\") << QStringLiteral("\\\\");
        QTest::newRow("line ends and tab") << QStringLiteral("a\r\nb\tc") << QStringLiteral("a\\r\\nb\\tc");
        QTest::newRow("escape at both ends") << QStringLiteral("\tmiddle\\") << QStringLiteral("\\tmiddle\\\\");
        QTest::newRow("written escapes stay apart") << QStringLiteral("\\n") << QStringLiteral("\\\\n");
        // Characters beside the backslash and the controls are plain.
        QTest::newRow("neighbours") << QStringLiteral("[]^\x0b\x0c\x0e") << QStringLiteral("[]^\x0b\x0c\x0e");
        QTest::newRow("beyond ASCII") << QStringLiteral("Caf\u00e9\t\u20ac\U0001F600") << QStringLiteral("Caf\u00e9\\t\u20ac\U0001F600");
    }

    void escapes()
    {
        QFETCH(QString, text);
        QFETCH(QString, escaped);
        QCOMPARE(backslashEscaped(text), escaped);
        QString pieces;
        writeBackslashEscaped(text, [&pieces](auto piece) { pieces += piece; });
        QCOMPARE(pieces, escaped);
    }
};

QTEST_GUILESS_MAIN(TestTextEscapes)
#include "test_text_escapes.moc"
