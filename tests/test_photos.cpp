#include "mineral_catalogue.h"

#include <QFile>
#include <QTest>

namespace {

quint16 be16(const QByteArray &b, qsizetype at)
{
    return quint16(quint8(b[at]) << 8 | quint8(b[at + 1]));
}

quint32 be32(const QByteArray &b, qsizetype at)
{
    return quint32(be16(b, at)) << 16 | be16(b, at + 2);
}

struct JpegFrame
{
    bool jfif = false;
    int sofMarker = -1; // 0xC0 baseline, 0xC2 progressive, ...
    int precision = 0, height = 0, width = 0, components = 0;
};

// Walks the marker segments up to the first frame header; only QtCore, like the core itself.
JpegFrame readJpegFrame(const QByteArray &b)
{
    JpegFrame f;
    if (b.size() < 4 || be16(b, 0) != 0xFFD8)
        return f;
    qsizetype at = 2;
    while (at + 4 <= b.size() && quint8(b[at]) == 0xFF) {
        const int marker = quint8(b[at + 1]);
        const int length = be16(b, at + 2);
        if (marker == 0xE0 && b.mid(at + 4, 5) == QByteArray("JFIF\0", 5))
            f.jfif = true;
        const bool sof = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8
            && marker != 0xCC;
        if (sof && at + 10 <= b.size()) {
            f.sofMarker = marker;
            f.precision = quint8(b[at + 4]);
            f.height = be16(b, at + 5);
            f.width = be16(b, at + 7);
            f.components = quint8(b[at + 9]);
            return f;
        }
        at += 2 + length;
    }
    return f;
}

} // namespace

class PhotosTest : public QObject
{
    Q_OBJECT

private slots:
    void photos_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < MineralCatalogue::count; ++i)
            QTest::newRow(qPrintable(MineralCatalogue::instance().photo(qint16(i)))) << i;
    }
    void photos()
    {
        QFETCH(int, index);
        const MineralEntry &e = MineralCatalogue::instance().entry(qint16(index));
        QFile file(e.photo);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(e.photo));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes.size() >= MineralCatalogue::photoMinBytes
                && bytes.size() <= MineralCatalogue::photoMaxBytes,
            qPrintable(QString::number(bytes.size())));
        const JpegFrame f = readJpegFrame(bytes);
        QVERIFY(f.jfif);
        QCOMPARE(f.sofMarker, 0xC0); // baseline
        QCOMPARE(f.precision, 8);
        QCOMPARE(f.components, 3);
        QCOMPARE(f.width, 100);
        QCOMPARE(f.height, e.photoHeight);
    }

    void photosDiffer()
    {
        QSet<QByteArray> seen;
        for (qint16 i = 0; i < MineralCatalogue::count; ++i) {
            QFile file(MineralCatalogue::instance().photo(i));
            QVERIFY(file.open(QIODevice::ReadOnly));
            seen.insert(file.readAll());
        }
        QCOMPARE(seen.size(), MineralCatalogue::count);
    }

    void icon()
    {
        // The shipped 32 x 32 icon: an indexed PNG, so at most 256 colours by construction.
        QFile file(QStringLiteral(TVIRDEX_ICON));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray b = file.readAll();
        QVERIFY(b.startsWith("\x89PNG\r\n\x1a\n"));
        QCOMPARE(b.mid(12, 4), QByteArray("IHDR"));
        QCOMPARE(be32(b, 16), 32u);
        QCOMPARE(be32(b, 20), 32u);
        QCOMPARE(int(quint8(b[25])), 3); // colour type: palette
        const qsizetype plte = b.indexOf("PLTE");
        QVERIFY(plte > 0);
        QVERIFY(be32(b, plte - 4) / 3 <= 256);
    }
};

QTEST_GUILESS_MAIN(PhotosTest)
#include "test_photos.moc"
