#include "BinaryStream.h"

#include "Extended80.h"
#include "StoreErrors.h"

#include <algorithm>
#include <cstring>

TBinaryWriter::TBinaryWriter(QIODevice& device, int bufferSize)
    : m_device(device), m_buffer(std::size_t(std::max(bufferSize, 16384)))
{
}

void TBinaryWriter::flush()
{
    if (m_used == 0)
        return;
    const auto size = qint64(m_used);
    m_used = 0;
    if (m_device.write(m_buffer.data(), size) != size)
        throw EStreamError(QStringLiteral("Stream write error"));
}

void TBinaryWriter::writeRaw(const void* data, std::size_t size)
{
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        if (m_used == m_buffer.size())
            flush();
        const std::size_t n = std::min(size, m_buffer.size() - m_used);
        std::memcpy(m_buffer.data() + m_used, p, n);
        m_used += n;
        p += n;
        size -= n;
    }
}

void TBinaryWriter::writeInteger(std::int64_t value)
{
    if (value >= -128 && value <= 127) {
        const std::int8_t v = std::int8_t(value);
        writeByte(tag::Int8);
        writeRaw(&v, 1);
    } else if (value >= -32768 && value <= 32767) {
        const std::int16_t v = std::int16_t(value);
        const unsigned char b[3] = {tag::Int16, static_cast<unsigned char>(v & 0xFF),
                                    static_cast<unsigned char>((v >> 8) & 0xFF)};
        writeRaw(b, 3);
    } else {
        const auto v = std::uint32_t(std::int32_t(value));
        const unsigned char b[5] = {
            tag::Int32, static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
            static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
        writeRaw(b, 5);
    }
}

void TBinaryWriter::writeString(std::string_view bytes)
{
    if (bytes.size() <= 255) {
        const unsigned char head[2] = {tag::String, static_cast<unsigned char>(bytes.size())};
        writeRaw(head, 2);
    } else {
        const auto n = std::uint32_t(bytes.size());
        const unsigned char head[5] = {
            tag::LString, static_cast<unsigned char>(n), static_cast<unsigned char>(n >> 8),
            static_cast<unsigned char>(n >> 16), static_cast<unsigned char>(n >> 24)};
        writeRaw(head, 5);
    }
    writeRaw(bytes.data(), bytes.size());
}

void TBinaryWriter::writeNumber(double value)
{
    unsigned char b[11];
    b[0] = tag::Extended;
    extended80::fromDouble(value, b + 1);
    writeRaw(b, 11);
}

TBinaryReader::TBinaryReader(QIODevice& device, int bufferSize)
    : m_device(device), m_buffer(std::size_t(std::max(bufferSize, 16384)))
{
}

void TBinaryReader::readError()
{
    throw EStreamError(QStringLiteral("Stream read error"));
}

void TBinaryReader::invalidValue()
{
    throw EStreamError(QStringLiteral("Invalid property value"));
}

void TBinaryReader::fill(std::size_t needed)
{
    // Keep the unread bytes, then top the buffer up from the device.
    const std::size_t left = m_len - m_pos;
    if (left > 0 && m_pos > 0)
        std::memmove(m_buffer.data(), m_buffer.data() + m_pos, left);
    m_pos = 0;
    m_len = left;
    while (m_len < needed) {
        const qint64 got = m_device.read(m_buffer.data() + m_len, qint64(m_buffer.size() - m_len));
        if (got <= 0)
            readError();
        m_len += std::size_t(got);
    }
}

void TBinaryReader::readRaw(void* data, std::size_t size)
{
    char* p = static_cast<char*>(data);
    while (size > 0) {
        if (m_pos == m_len)
            fill(1);
        const std::size_t n = std::min(size, m_len - m_pos);
        std::memcpy(p, m_buffer.data() + m_pos, n);
        m_pos += n;
        p += n;
        size -= n;
    }
}

qint64 TBinaryReader::remaining() const
{
    if (m_device.isSequential())
        return -1;
    return m_device.size() - m_device.pos() + qint64(m_len - m_pos);
}

std::int64_t TBinaryReader::readIntegerOfTag(std::uint8_t t)
{
    switch (t) {
    case tag::Int8: {
        std::int8_t v;
        readRaw(&v, 1);
        return v;
    }
    case tag::Int16: {
        unsigned char b[2];
        readRaw(b, 2);
        return std::int16_t(std::uint16_t(b[0] | (b[1] << 8)));
    }
    case tag::Int32: {
        unsigned char b[4];
        readRaw(b, 4);
        return std::int32_t(std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) |
                            (std::uint32_t(b[2]) << 16) | (std::uint32_t(b[3]) << 24));
    }
    default:
        invalidValue();
    }
}

std::int64_t TBinaryReader::readInteger()
{
    return readIntegerOfTag(readTag());
}

void TBinaryReader::readString(std::string& out)
{
    const std::uint8_t t = readTag();
    std::size_t n;
    if (t == tag::String) {
        unsigned char b;
        readRaw(&b, 1);
        n = b;
    } else if (t == tag::LString) {
        unsigned char b[4];
        readRaw(b, 4);
        n = std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) |
            (std::uint32_t(b[3]) << 24);
        const qint64 left = remaining();
        if (left >= 0 && qint64(n) > left)
            readError();
    } else {
        invalidValue();
    }
    out.resize(n);
    readRaw(out.data(), n);
}

double TBinaryReader::readNumber()
{
    const std::uint8_t t = readTag();
    if (t == tag::Extended) {
        unsigned char b[10];
        readRaw(b, 10);
        return extended80::toDouble(b);
    }
    return double(readIntegerOfTag(t));
}

void TBinaryReader::readListBegin()
{
    if (readTag() != tag::List)
        invalidValue();
}

void TBinaryReader::readListEnd()
{
    if (readTag() != tag::Null)
        invalidValue();
}
