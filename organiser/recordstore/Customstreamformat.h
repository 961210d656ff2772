#pragma once

#include <QString>
#include <vector>

class QIODevice;
class TMemTable;

// A setting of a format: whether it applies when saving and whether it applies when loading.
struct TSaveLoadFlag
{
    bool Save = false;
    bool Load = false;
};

struct TStreamFormatSettings
{
    TSaveLoadFlag sfUsingIndex;
    TSaveLoadFlag sfData;
    TSaveLoadFlag sfCalculated;
    TSaveLoadFlag sfLookup;
    TSaveLoadFlag sfNonVisible;
    TSaveLoadFlag sfBlobs;
    TSaveLoadFlag sfDef;
    TSaveLoadFlag sfIndexDef;
    TSaveLoadFlag sfFiltered;
    TSaveLoadFlag sfIgnoreRange;
    TSaveLoadFlag sfIgnoreMasterDetail;
    TSaveLoadFlag sfDeltas;
    TSaveLoadFlag sfDontFilterDeltas;
    TSaveLoadFlag sfAppend;
    TSaveLoadFlag sfFieldKind;
    TSaveLoadFlag sfFromStart;
    // CSV only
    TSaveLoadFlag sfLocalFormat;
    TSaveLoadFlag sfQuoteOnlyStrings;
    TSaveLoadFlag sfNoHeader;
    TSaveLoadFlag sfPlaceHolders;
};

// Base of every format: holds the settings and runs the save and load sequences, calling the
// steps that a concrete format overrides.
class TCustomStreamFormat
{
public:
    TCustomStreamFormat();
    virtual ~TCustomStreamFormat();

    TStreamFormatSettings Settings;
    QString Version = QStringLiteral("3.00");
    int BufferSize() const { return m_bufferSize; }
    void SetBufferSize(int size) { m_bufferSize = size < 16384 ? 16384 : size; }

    virtual QString GetVersion() const;

    // The whole save and load sequences, run by TMemTable's ...ViaFormat operations.
    virtual void Save(TMemTable& table, QIODevice& device);
    virtual void Load(TMemTable& table, QIODevice& device);

protected:
    virtual void DetermineSaveFields(TMemTable& table);
    virtual void BeforeSave(TMemTable& table, QIODevice& device);
    virtual void SaveDef(TMemTable& table);
    virtual void SaveData(TMemTable& table);
    virtual void AfterSave(TMemTable& table);
    virtual void DetermineLoadFieldIDs(TMemTable& table);
    virtual void DetermineLoadFields(TMemTable& table);
    virtual void DetermineLoadFieldIndex(TMemTable& table);
    virtual void BeforeLoad(TMemTable& table, QIODevice& device);
    virtual void LoadDef(TMemTable& table);
    virtual void LoadData(TMemTable& table);
    virtual void AfterLoad(TMemTable& table);

    // Fields written by a save, in table order.
    std::vector<int> m_saveFields;

private:
    int m_bufferSize = 16384;
};
