#pragma once

#include <QIODevice>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Tags of the tagged values of the table file.
namespace tag {
constexpr std::uint8_t Null = 0x00; // end of list
constexpr std::uint8_t List = 0x01;
constexpr std::uint8_t Int8 = 0x02;
constexpr std::uint8_t Int16 = 0x03;
constexpr std::uint8_t Int32 = 0x04;
constexpr std::uint8_t Extended = 0x05;
constexpr std::uint8_t String = 0x06;
constexpr std::uint8_t False = 0x08;
constexpr std::uint8_t True = 0x09;
constexpr std::uint8_t LString = 0x0C;
} // namespace tag

// Buffered writer of tagged values; a device that refuses bytes gives "Stream write error".
class TBinaryWriter
{
public:
    TBinaryWriter(QIODevice& device, int bufferSize);
    void writeRaw(const void* data, std::size_t size);
    void writeTag(std::uint8_t t) { writeByte(t); }
    void writeInteger(std::int64_t value);
    void writeString(std::string_view bytes);
    void writeBoolean(bool value) { writeByte(value ? tag::True : tag::False); }
    void writeNumber(double value);
    void writeListBegin() { writeByte(tag::List); }
    void writeListEnd() { writeByte(tag::Null); }
    void flush();

private:
    void writeByte(std::uint8_t b)
    {
        if (m_used == m_buffer.size())
            flush();
        m_buffer[m_used++] = char(b);
    }
    QIODevice& m_device;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
};

// Buffered reader of tagged values: running out of bytes gives "Stream read error", a tag
// that does not fit the expected value "Invalid property value".
class TBinaryReader
{
public:
    TBinaryReader(QIODevice& device, int bufferSize);
    void readRaw(void* data, std::size_t size);
    std::uint8_t peekTag()
    {
        if (m_pos == m_len)
            fill(1);
        return std::uint8_t(m_buffer[m_pos]);
    }
    std::uint8_t readTag()
    {
        const std::uint8_t t = peekTag();
        ++m_pos;
        return t;
    }
    std::int64_t readInteger();
    void readString(std::string& out);
    double readNumber();
    bool readBoolean() { return readTag() == tag::True; }
    void readListBegin();
    void readListEnd();
    bool endOfList() { return peekTag() == tag::Null; }
    // Bytes not yet read, when the device knows its size; -1 otherwise.
    qint64 remaining() const;

private:
    std::int64_t readIntegerOfTag(std::uint8_t t);
    void fill(std::size_t needed);
    [[noreturn]] static void readError();
    [[noreturn]] static void invalidValue();

    QIODevice& m_device;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_len = 0;
};
