#pragma once

#include "DateTime.h"

#include <QString>
#include <cstdint>
#include <vector>

// The values handed to Locate: one value per searched field, or an array of them.
class TVariant
{
public:
    enum class Kind
    {
        Unassigned,
        Null,
        Boolean,
        Integer,
        Float,
        DateTime,
        String,
        Array
    };

    TVariant() = default;
    TVariant(bool v) : m_kind(Kind::Boolean), m_int(v) {}
    TVariant(int v) : m_kind(Kind::Integer), m_int(v) {}
    TVariant(std::int64_t v) : m_kind(Kind::Integer), m_int(v) {}
    TVariant(const QString& v) : m_kind(Kind::String), m_string(v) {}
    TVariant(const char* v) : m_kind(Kind::String), m_string(QString::fromUtf8(v)) {}

    static TVariant null()
    {
        TVariant v;
        v.m_kind = Kind::Null;
        return v;
    }
    static TVariant fromFloat(double v)
    {
        TVariant r;
        r.m_kind = Kind::Float;
        r.m_float = v;
        return r;
    }
    static TVariant fromDateTime(TDateTime v)
    {
        TVariant r;
        r.m_kind = Kind::DateTime;
        r.m_float = v;
        return r;
    }
    // A one-dimensional array of values, one per field ("VarArrayOf").
    static TVariant array(std::vector<TVariant> items, int dimensions = 1)
    {
        TVariant r;
        r.m_kind = Kind::Array;
        r.m_items = std::move(items);
        r.m_dims = dimensions;
        return r;
    }

    Kind kind() const { return m_kind; }
    bool isNullOrUnassigned() const { return m_kind == Kind::Null || m_kind == Kind::Unassigned; }
    bool isArray() const { return m_kind == Kind::Array; }
    int dimensions() const { return m_dims; }
    const std::vector<TVariant>& items() const { return m_items; }

    bool toBool() const { return m_int != 0; }
    std::int64_t toInt() const { return m_int; }
    double toFloat() const { return m_float; }
    const QString& toStringValue() const { return m_string; }

private:
    Kind m_kind = Kind::Unassigned;
    std::int64_t m_int = 0;
    double m_float = 0;
    QString m_string;
    std::vector<TVariant> m_items;
    int m_dims = 0;
};
