#pragma once
// Builds small LZH archives (level-0 headers, stored "-lh0-" members) so tests can hold
// member names that no archiver would write, such as "../x" or "/etc/x".
#include <QByteArray>
#include <QList>
#include <QPair>

inline quint16 LzhCrc16(const QByteArray& data)
{
    quint16 crc = 0;
    for (unsigned char c : data) {
        crc ^= c;
        for (int i = 0; i < 8; ++i)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

inline QByteArray MakeLzh(const QList<QPair<QByteArray, QByteArray>>& members)
{
    QByteArray out;
    for (const auto& [name, data] : members) {
        QByteArray h;
        h.append("-lh0-");
        auto le32 = [&](quint32 v) {
            for (int i = 0; i < 4; ++i)
                h.append(char((v >> (8 * i)) & 0xFF));
        };
        le32(quint32(data.size()));
        le32(quint32(data.size()));
        le32(0x58210000u); // some DOS date/time
        h.append(char(0x20));
        h.append(char(0)); // level 0
        h.append(char(name.size()));
        h.append(name);
        const quint16 crc = LzhCrc16(data);
        h.append(char(crc & 0xFF));
        h.append(char(crc >> 8));
        unsigned sum = 0;
        for (unsigned char c : h)
            sum += c;
        out.append(char(h.size()));
        out.append(char(sum & 0xFF));
        out.append(h);
        out.append(data);
    }
    out.append(char(0));
    return out;
}
