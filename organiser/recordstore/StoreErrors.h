#pragma once

#include <QString>
#include <stdexcept>

// Every error the record store raises carries the text that reaches the user.
class EStoreError : public std::runtime_error
{
public:
    explicit EStoreError(const QString& message);
    QString Message() const { return QString::fromUtf8(what()); }
};

// Table errors: unknown fields, wrong state, duplicate keys, locale.
class EMemTableError : public EStoreError
{
public:
    using EStoreError::EStoreError;
};

// Reading or writing a stream: "Stream read error", "Invalid stream format", ...
class EStreamError : public EStoreError
{
public:
    using EStoreError::EStoreError;
};

// "Cannot create file %s" and "Cannot open file %s".
class EFileError : public EStreamError
{
public:
    using EStreamError::EStreamError;
};

// A text or value that does not convert to a field's type.
class EConvertError : public EStoreError
{
public:
    using EStoreError::EStoreError;
};
