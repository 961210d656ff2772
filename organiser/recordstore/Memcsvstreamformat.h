#pragma once

#include "Customstreamformat.h"

#include <QByteArray>
#include <QChar>

class QIODevice;

class TCustomCSVStreamFormat : public TCustomStreamFormat
{
public:
    TCustomCSVStreamFormat();
    QString GetVersion() const override;

    QChar CSVQuote = u'"';
    QChar CSVFieldDelimiter = u',';
    QChar CSVRecordDelimiter = u',';
    QString CSVTrueString = QStringLiteral("True");
    QString CSVFalseString = QStringLiteral("False");

protected:
    void BeforeSave(TMemTable& table, QIODevice& device) override;
    void SaveDef(TMemTable& table) override;
    void SaveData(TMemTable& table) override;
    void AfterSave(TMemTable& table) override;
    // Reading CSV back is not part of the organiser.
    void DetermineLoadFieldIDs(TMemTable& table) override;
    void DetermineLoadFieldIndex(TMemTable& table) override;
    void BeforeLoad(TMemTable& table, QIODevice& device) override;
    void LoadDef(TMemTable& table) override;
    void LoadData(TMemTable& table) override;
    void AfterLoad(TMemTable& table) override;

private:
    QByteArray valueText(TMemTable& table, std::uint32_t id, int field) const;
    void appendQuoted(QByteArray& line, const QByteArray& text) const;
    void writeLine(QByteArray& line);

    QIODevice* m_device = nullptr;
};

// The CSV writer of the exports: every value quoted, fixed date and time forms, a header.
class TCSVStreamFormat : public TCustomCSVStreamFormat
{
public:
    TCSVStreamFormat();
};
