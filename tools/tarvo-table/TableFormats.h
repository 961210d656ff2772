#pragma once

#include "Membinarystreamformat.h"
#include "Memcsvstreamformat.h"

// The format objects as the organiser's data module sets them up: SaveFormat for every data
// file, SaveFormatCSV for the exports. Tools, benchmarks and fuzzers read and write the files
// exactly as the organiser does.
namespace tableformats {

inline void configureSaveFormat(TBinaryStreamFormat& format)
{
    TStreamFormatSettings s;
    s.sfUsingIndex = {true, false};
    s.sfData = {true, true};
    s.sfNonVisible = {true, true};
    s.sfBlobs = {true, true};
    s.sfDef = {true, true};
    s.sfIndexDef = {true, true};
    s.sfFiltered = {true, false};
    s.sfIgnoreRange = {true, false};
    s.sfIgnoreMasterDetail = {true, false};
    s.sfFieldKind = {true, false};
    s.sfFromStart = {false, true};
    format.Settings = s;
    format.SetBufferSize(16384);
}

inline void configureSaveFormatCSV(TCSVStreamFormat& format)
{
    TStreamFormatSettings s;
    s.sfData = {true, true};
    s.sfNonVisible = {true, true};
    s.sfIgnoreRange = {true, false};
    s.sfIgnoreMasterDetail = {true, false};
    s.sfFromStart = {false, true};
    format.Settings = s;
    format.CSVQuote = u'"';
    format.CSVFieldDelimiter = u',';
    format.CSVRecordDelimiter = u',';
    format.CSVTrueString = QStringLiteral("True");
    format.CSVFalseString = QStringLiteral("False");
}

} // namespace tableformats
