#pragma once

#include "platform/drive_map.h"
#include "platform/host_file_system.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A disc in drive E: held in a temporary folder.
class TestDisc
{
public:
    TestDisc() : fs(drives(m_dir.path()), m_dir.path()) {}

    // Writes a file at a disc-form path such as "E:\richtext\a.rtf" and returns its host path.
    QString write(const QString& discPath, const QByteArray& data)
    {
        const QString relative = discPath.mid(3).replace(u'\\', u'/');
        const QString host = m_dir.filePath(relative);
        QDir().mkpath(QFileInfo(host).path());
        QFile file(host);
        if (file.open(QIODevice::WriteOnly))
            file.write(data);
        return host;
    }

private:
    static kestrane::DriveMap drives(const QString& root)
    {
        kestrane::DriveMap map;
        map.set(u'E', root);
        return map;
    }

    QTemporaryDir m_dir;

public:
    kestrane::HostFileSystem fs;
};

// A short PCM WAV: 8 kHz, 16-bit mono.
inline QByteArray waveData(int samples = 800)
{
    QByteArray data;
    auto u32 = [&](quint32 v) {
        for (int i = 0; i < 4; ++i)
            data.append(char((v >> (8 * i)) & 0xff));
    };
    auto u16 = [&](quint16 v) {
        data.append(char(v & 0xff));
        data.append(char(v >> 8));
    };
    data.append("RIFF");
    u32(36 + samples * 2);
    data.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(16000);
    u16(2);
    u16(16);
    data.append("data");
    u32(samples * 2);
    data.append(QByteArray(samples * 2, '\0'));
    return data;
}
