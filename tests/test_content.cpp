#include "mineral_catalogue.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace {

// Windows-1251 is the code page the texts must survive in: ASCII, the Cyrillic block А..я and
// these characters of its upper half.
bool fitsWindows1251(QChar c)
{
    static constexpr char16_t upperHalf[]
        = {0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
            0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
            0x2013, 0x2014, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E,
            0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC,
            0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
            0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};
    const char16_t u = c.unicode();
    return (u >= 0x20 && u < 0x7F) || (u >= 0x0410 && u <= 0x044F)
        || std::find(std::begin(upperHalf), std::end(upperHalf), u) != std::end(upperHalf);
}

QString firstMisfit(const QString &text, bool allowLineBreaks)
{
    for (QChar c : text) {
        if (allowLineBreaks && (c == u'\r' || c == u'\n'))
            continue;
        if (!fitsWindows1251(c))
            return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    }
    return {};
}

} // namespace

class ContentTest : public QObject
{
    Q_OBJECT

    const MineralCatalogue &catalogue = MineralCatalogue::instance();

private slots:
    void entries_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("photoHeight");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("opening");
        const struct
        {
            const char *name;
            int row, height, length;
            const char *opening;
        } rows[] = {
            {"Талк", 8, 95, 338, "Цветът на талка му варира от бледозелен до бял."},
            {"Гипс", 2, 100, 569,
                "Гипсът е много мек минерал, състоящ се от калциев сулфат, който съдържа в "
                "молекулата си вода."},
            {"Калцит", 4, 75, 1022,
                "Калцитът образува красиви кристали, свързани с горещите водни разтвори и изгражда "
                "огромни комплекси от варовици и мрамори."},
            {"Флуорит", 10, 88, 815, "Флуоритът представлява основно калциев дифлуорид."},
            {"Апатит", 1, 60, 1000, "Минералът апатит обикновено се среща със зелен цвят"},
            {"Ортоклаз", 7, 67, 549,
                "Ортоклазът е минерал от групата на силикатите и подгрупата на фелдшпатите."},
            {"Кварц", 5, 85, 502, "Кварцът е основен скалообразуващ минерал и е окис на силиция."},
            {"Топаз", 9, 79, 705, "Топазът е скъпоценен камък, известен от най-дълбока древност."},
            {"Корунд", 6, 88, 457, "Корундът е минерал окис на алуминий."},
            {"Диамант", 3, 75, 1022,
                "Името Диамант, призлиза от гръцки (несломим, несъкрушим), е минерал, естествен "
                "полиморфен алотроп на въглерода."},
        };
        int index = 0;
        for (const auto &r : rows) {
            QTest::newRow(r.name) << index++ << QString::fromUtf8(r.name) << r.row << r.height
                                  << r.length << QString::fromUtf8(r.opening);
        }
    }
    void entries()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(int, row);
        QFETCH(int, photoHeight);
        QFETCH(int, length);
        QFETCH(QString, opening);
        const MineralEntry &e = catalogue.entry(qint16(index));
        QCOMPARE(e.index, qint16(index));
        QCOMPARE(e.name, name);
        QCOMPARE(e.hardnessCaption, QString::number(index + 1));
        QCOMPARE(e.mineralRow, row);
        QCOMPARE(e.photoHeight, photoHeight);

        const QString &text = e.description;
        QCOMPARE(text.size(), length);
        QVERIFY2(text.startsWith(opening), qPrintable(text.left(opening.size())));
        QVERIFY(!text.contains(u'\r') && !text.contains(u'\n') && !text.contains(u'\t'));
        QCOMPARE(text, text.trimmed());
        QVERIFY(!text.contains(QStringLiteral("  ")));
        QCOMPARE(firstMisfit(text, false), QString());
        // Prose, not a stub: several sentences ending in a full stop.
        QVERIFY(text.endsWith(u'.'));
        QVERIFY(text.count(QStringLiteral(". ")) >= 2);
        // A hardness quiz: each paragraph gives its own Mohs number, as a number of its own
        // (not part of a year or a decimal), after the opening.
        const QRegularExpression hardness(QStringLiteral("(?<![\\d,])%1(?![\\d,])").arg(index + 1));
        QVERIFY2(text.mid(opening.size()).contains(hardness), qPrintable(name));
    }

    void descriptionsAreDistinct()
    {
        for (qint16 i = 0; i < MineralCatalogue::count; ++i)
            for (qint16 j = i + 1; j < MineralCatalogue::count; ++j)
                QVERIFY(catalogue.description(i) != catalogue.description(j));
    }

    void columnsReadTopToBottom()
    {
        QList<int> mineralColumn;
        QStringList names;
        for (int row = 1; row <= 10; ++row) {
            mineralColumn << catalogue.indexAtMineralRow(row);
            names << catalogue.name(qint16(mineralColumn.last()));
        }
        QCOMPARE(mineralColumn, (QList<int> {4, 1, 9, 2, 6, 8, 5, 0, 7, 3}));
        // Bulgarian alphabetical order is the Cyrillic code order for these names.
        QStringList sorted = names;
        sorted.sort();
        QCOMPARE(names, sorted);
        QStringList captions;
        for (qint16 i = 0; i < 10; ++i)
            captions << catalogue.hardnessCaption(i);
        QCOMPARE(captions, (QStringList {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    }

    void initialMessage()
    {
        const QString &text = catalogue.initialMessage();
        QCOMPARE(text.size(), 1037);
        QVERIFY(text.endsWith(QStringLiteral("\r\n")));
        QCOMPARE(text.count(u'\n'), 9);
        QCOMPARE(text.count(u'\r'), 9);
        QCOMPARE(firstMisfit(text, true), QString());
        const QStringList paragraphs = text.chopped(2).split(QStringLiteral("\r\n"));
        QCOMPARE(paragraphs.size(), 9);
        QVERIFY(paragraphs[0].startsWith(QStringLiteral(
            "Под твърдост се разбира съпротивлението на минерал от проникването на по-твърдо "
            "тяло. ")));
        QVERIFY(paragraphs[0].contains(QStringLiteral("Моос")));
        const QStringList quoted {
            "Да се реализира проект осъществяващ междупредметни връзки Физика и Информатика.",
            "Тема на проекта: Твирдекс.",
            "Чрез две групи радиобутони да се изброят:",
            "степен на твърдост по скалата на Моос - естествено число от интервала [1..10];",
            "вид вид минерал: талк, гипс, калцит, флуорит, апатит, ортоклаз, кварц, топаз, корунд, "
            "диамант.",
            "При всяко посочване в отделните групи да се извежда различно графично съдържание, "
            "свързано с конкретния радиобутон.",
            "При правилно формирана двойка да се извежда допълнителен текст.",
        };
        QCOMPARE(paragraphs.mid(1, 7), quoted);
        QVERIFY(paragraphs[8].contains(QStringLiteral("bg.wikipedia.org")));
        for (const QString &p : paragraphs)
            QCOMPARE(p, p.trimmed());
    }
};

QTEST_GUILESS_MAIN(ContentTest)
#include "test_content.moc"
