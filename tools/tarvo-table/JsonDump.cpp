#include "JsonDump.h"

#include "Cp1252.h"
#include "Memtable.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace {

// Output goes out in slices of about this size, so a million records need no giant string.
constexpr std::size_t FlushThreshold = 1 << 20;

// JSON text of each Windows-1252 byte: the character in UTF-8, escaped where JSON asks for it.
// Built once through the store's own code page conversion.
class ByteTexts
{
public:
    ByteTexts()
    {
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString text = cp1252::toUnicode(QByteArrayView(&byte, 1));
            std::string& out = m_texts[std::size_t(b)];
            for (const QChar c : text)
                appendEscaped(out, c.unicode());
            m_plain[std::size_t(b)] = out.size() == 1 && out[0] == byte;
        }
    }
    bool plain(unsigned char b) const { return m_plain[b]; }
    const std::string& text(unsigned char b) const { return m_texts[b]; }

private:
    static void appendEscaped(std::string& out, char16_t c)
    {
        switch (c) {
        case u'"':
            out += "\\\"";
            return;
        case u'\\':
            out += "\\\\";
            return;
        case u'\b':
            out += "\\b";
            return;
        case u'\f':
            out += "\\f";
            return;
        case u'\n':
            out += "\\n";
            return;
        case u'\r':
            out += "\\r";
            return;
        case u'\t':
            out += "\\t";
            return;
        default:
            break;
        }
        if (c < 0x20) {
            static const char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 0xf];
        } else if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xc0 | (c >> 6));
            out += char(0x80 | (c & 0x3f));
        } else {
            out += char(0xe0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3f));
            out += char(0x80 | (c & 0x3f));
        }
    }

    std::array<std::string, 256> m_texts;
    std::array<bool, 256> m_plain{};
};

class JsonOut
{
public:
    explicit JsonOut(std::FILE* out) : m_out(out) { m_buf.reserve(FlushThreshold + 64 * 1024); }

    void raw(std::string_view text) { m_buf += text; }
    void raw(char c) { m_buf += c; }

    void string(std::string_view bytes)
    {
        m_buf += '"';
        std::size_t runStart = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto b = static_cast<unsigned char>(bytes[i]);
            if (m_texts.plain(b))
                continue;
            m_buf.append(bytes.data() + runStart, i - runStart);
            m_buf += m_texts.text(b);
            runStart = i + 1;
        }
        m_buf.append(bytes.data() + runStart, bytes.size() - runStart);
        m_buf += '"';
    }

    void string(const QString& text) { string(std::string_view(cp1252::fromUnicode(text))); }

    void integer(std::int64_t value)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        m_buf.append(digits, end);
    }

    // Shortest text that reads back as the same double. JSON has no words for infinities and
    // NaN, so those go out as strings.
    void number(double value)
    {
        if (std::isnan(value)) {
            m_buf += "\"NaN\"";
            return;
        }
        if (std::isinf(value)) {
            m_buf += value > 0 ? "\"Infinity\"" : "\"-Infinity\"";
            return;
        }
        char digits[32];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        m_buf.append(digits, end);
    }

    // A count of ten-thousandths as an exact decimal amount (12345 -> 1.2345).
    void amount(std::int64_t tenThousandths)
    {
        const bool negative = tenThousandths < 0;
        // Unsigned, so that the most negative count has a magnitude too.
        const std::uint64_t magnitude =
            negative ? 0 - std::uint64_t(tenThousandths) : std::uint64_t(tenThousandths);
        if (negative)
            m_buf += '-';
        char digits[24];
        auto end = std::to_chars(digits, digits + sizeof digits, magnitude / 10000).ptr;
        m_buf.append(digits, end);
        std::uint64_t fraction = magnitude % 10000;
        if (fraction == 0)
            return;
        char decimals[5] = {'.', '0', '0', '0', '0'};
        for (int i = 4; i > 0; --i, fraction /= 10)
            decimals[i] = char('0' + fraction % 10);
        int length = 5;
        while (decimals[length - 1] == '0')
            --length;
        m_buf.append(decimals, std::size_t(length));
    }

    void boolean(bool value) { m_buf += value ? "true" : "false"; }

    void maybeFlush()
    {
        if (m_buf.size() >= FlushThreshold)
            flush();
    }

    bool flush()
    {
        if (!m_buf.empty() && std::fwrite(m_buf.data(), 1, m_buf.size(), m_out) != m_buf.size())
            m_ok = false;
        m_buf.clear();
        return m_ok;
    }

    bool finish() { return flush() && std::fflush(m_out) == 0 && !std::ferror(m_out); }

private:
    std::FILE* m_out;
    std::string m_buf;
    bool m_ok = true;
    ByteTexts m_texts;
};

void writeFields(const TMemTable& table, JsonOut& json)
{
    json.raw("\"fields\":[");
    for (int f = 0; f < table.FieldCount(); ++f) {
        const TField& field = table.Fields(f);
        json.raw(f == 0 ? "{\"name\":" : ",{\"name\":");
        json.string(field.FieldName());
        json.raw(",\"type\":");
        json.string(fieldTypeName(field.DataType()));
        json.raw(",\"size\":");
        json.integer(field.Size());
        json.raw('}');
    }
    json.raw(']');
}

void writeIndexes(const TMemTable& table, JsonOut& json)
{
    json.raw("\"indexes\":[");
    bool first = true;
    for (const TIndexDef& def : table.IndexDefs()) {
        json.raw(first ? "{\"name\":" : ",{\"name\":");
        first = false;
        json.string(def.Name);
        json.raw(",\"fields\":");
        json.string(def.Fields);
        json.raw(",\"descending\":");
        json.boolean(def.Options.contains(ixDescending));
        json.raw(",\"caseInsensitive\":");
        json.boolean(def.Options.contains(ixCaseInsensitive));
        json.raw(",\"unique\":");
        json.boolean(def.Options.contains(ixUnique));
        json.raw('}');
    }
    json.raw(']');
}

void writeValue(const TMemTable& table, std::uint32_t id, int field, TFieldType type, JsonOut& json)
{
    if (table.valueIsNull(id, field)) {
        json.raw("null");
        return;
    }
    switch (storageOf(type)) {
    case TStorage::Bytes:
        json.string(table.valueBytes(id, field));
        break;
    case TStorage::Bool:
        json.boolean(table.valueInt(id, field) != 0);
        break;
    case TStorage::Int:
        // Dates are day numbers and times millisecond counts; currency is held in
        // ten-thousandths and shown as its amount.
        if (type == ftCurrency || type == ftBCD)
            json.amount(table.valueInt(id, field));
        else
            json.integer(table.valueInt(id, field));
        break;
    case TStorage::Double:
        json.number(table.valueDouble(id, field));
        break;
    }
}

void writeRecords(const TMemTable& table, JsonOut& json)
{
    std::vector<TFieldType> types;
    for (int f = 0; f < table.FieldCount(); ++f)
        types.push_back(table.Fields(f).DataType());

    json.raw("\"records\":[");
    const std::size_t count = table.orderedCount(true);
    for (std::size_t pos = 0; pos < count; ++pos) {
        const std::uint32_t id = table.orderedId(pos, true);
        json.raw(pos == 0 ? "[" : ",\n[");
        for (int f = 0; f < int(types.size()); ++f) {
            if (f > 0)
                json.raw(',');
            writeValue(table, id, f, types[std::size_t(f)], json);
        }
        json.raw(']');
        json.maybeFlush();
    }
    json.raw(']');
}

} // namespace

bool writeTableJson(const TMemTable& table, std::FILE* out)
{
    JsonOut json(out);
    json.raw('{');
    writeFields(table, json);
    json.raw(',');
    writeIndexes(table, json);
    json.raw(',');
    writeRecords(table, json);
    json.raw("}\n");
    return json.finish();
}
