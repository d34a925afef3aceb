#include "mineral_catalogue.h"

#include <QFile>

namespace {

struct Row
{
    const char16_t *name;
    const char *file; // stem shared by the description text and the photo
    int photoHeight;
    int mineralRow;
};

// Ordered by index, i.e. by hardness 1..10.
constexpr std::array<Row, MineralCatalogue::count> rows {{
    {u"Талк", "talc", 95, 8},
    {u"Гипс", "gypsum", 100, 2},
    {u"Калцит", "calcite", 75, 4},
    {u"Флуорит", "fluorite", 88, 10},
    {u"Апатит", "apatite", 60, 1},
    {u"Ортоклаз", "orthoclase", 67, 7},
    {u"Кварц", "quartz", 85, 5},
    {u"Топаз", "topaz", 79, 9},
    {u"Корунд", "corundum", 88, 6},
    {u"Диамант", "diamond", 75, 3},
}};

// The texts are part of the executable; failing to open one is a broken build, not a user error.
QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("built-in text %s is missing", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

} // namespace

MineralCatalogue::MineralCatalogue()
    : m_initialMessage(readText(QStringLiteral(":/texts/initial_message.txt")))
{
    for (qint16 i = 0; i < count; ++i) {
        const Row &row = rows[i];
        const QString file = QString::fromLatin1(row.file);
        m_entries[i] = MineralEntry {
            i,
            QString::fromUtf16(row.name),
            QString::number(i + 1),
            readText(QStringLiteral(":/texts/%1.txt").arg(file)),
            QStringLiteral(":/photos/%1.jpg").arg(file),
            row.photoHeight,
            row.mineralRow,
        };
    }
}

const MineralCatalogue &MineralCatalogue::instance()
{
    static const MineralCatalogue catalogue;
    return catalogue;
}

const MineralEntry &MineralCatalogue::entry(qint16 index) const
{
    Q_ASSERT(index >= 0 && index < count);
    return m_entries[index];
}

qint16 MineralCatalogue::indexAtMineralRow(int row) const
{
    for (const MineralEntry &e : m_entries) {
        if (e.mineralRow == row)
            return e.index;
    }
    Q_ASSERT_X(false, "indexAtMineralRow", "row outside 1..10");
    return -1;
}
