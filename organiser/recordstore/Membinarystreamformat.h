#pragma once

#include "Customstreamformat.h"

#include <memory>

class TBinaryReader;
class TBinaryWriter;

class TCustomBinaryStreamFormat : public TCustomStreamFormat
{
public:
    TCustomBinaryStreamFormat();
    ~TCustomBinaryStreamFormat() override;
    QString GetVersion() const override;

protected:
    void BeforeSave(TMemTable& table, QIODevice& device) override;
    void SaveDef(TMemTable& table) override;
    void SaveData(TMemTable& table) override;
    void AfterSave(TMemTable& table) override;
    void BeforeLoad(TMemTable& table, QIODevice& device) override;
    void LoadDef(TMemTable& table) override;
    void LoadData(TMemTable& table) override;
    void AfterLoad(TMemTable& table) override;

private:
    std::unique_ptr<TBinaryWriter> m_writer;
    std::unique_ptr<TBinaryReader> m_reader;
    int m_fileVersion = 0;
    bool m_fieldDefsReplaced = false;
    bool m_indexDefsRead = false;
    qint64 m_fileSize = 0;
};

// The table file format of every data file: signature "TPF0", version 251, field
// definitions, index definitions and the records, as tagged values.
class TBinaryStreamFormat : public TCustomBinaryStreamFormat
{
public:
    TBinaryStreamFormat();
};
