#pragma once

// Builds the little-endian binary files of Windows (bitmaps, icons) byte by
// byte.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>

namespace velmo::artwork {

class ByteWriter {
public:
    void put8(std::uint8_t value) { m_data.append(char(value)); }

    void put16(std::uint16_t value)
    {
        put8(std::uint8_t(value & 0xff));
        put8(std::uint8_t(value >> 8));
    }

    void put32(std::uint32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8)
            put8(std::uint8_t((value >> shift) & 0xff));
    }

    void putBytes(const QByteArray& bytes) { m_data.append(bytes); }

    const QByteArray& data() const { return m_data; }

    // Writes the bytes to path, replacing the file; false if that failed.
    bool saveTo(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(m_data) == m_data.size();
    }

private:
    QByteArray m_data;
};

} // namespace velmo::artwork
