#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// One row of the content table. The index is the key shared by a mineral's two option buttons,
// its description and its photo; it always equals the Mohs hardness minus one.
struct MineralEntry
{
    qint16 index = 0;
    QString name;            // caption of the mineral button
    QString hardnessCaption; // caption of the hardness button with the same index
    QString description;     // one paragraph, no line breaks
    QString photo;           // resource path of the JPEG photo
    int photoHeight = 0;     // pixels; every photo is 100 pixels wide
    int mineralRow = 0;      // 1..10, Bulgarian alphabetical order in the mineral column
};

// The ten Mohs reference minerals, built into the program and read-only.
class MineralCatalogue
{
public:
    static constexpr int count = 10;
    // Every photo's file size in bytes, inclusive; resources/scenes/make-photos reads these two.
    static constexpr int photoMinBytes = 2456;
    static constexpr int photoMaxBytes = 4286;

    static const MineralCatalogue &instance();

    // Callers pass only indices of existing buttons (0..9).
    const MineralEntry &entry(qint16 index) const;
    const QString &name(qint16 index) const { return entry(index).name; }
    const QString &hardnessCaption(qint16 index) const { return entry(index).hardnessCaption; }
    const QString &description(qint16 index) const { return entry(index).description; }
    const QString &photo(qint16 index) const { return entry(index).photo; }
    int mineralRow(qint16 index) const { return entry(index).mineralRow; }

    // The index of the mineral whose button stands at this row (1..10) of the mineral column.
    qint16 indexAtMineralRow(int row) const;

    // The text the message area holds when the program starts.
    const QString &initialMessage() const { return m_initialMessage; }

private:
    MineralCatalogue();

    std::array<MineralEntry, count> m_entries;
    QString m_initialMessage;
};
