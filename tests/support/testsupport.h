#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtEndian>

#include <memory>

// Each test runs in a fresh, empty working directory, where the game keeps its data files.
class WorkingDirectory
{
public:
    WorkingDirectory() : m_previous(QDir::currentPath())
    {
        QDir::setCurrent(m_dir.path());
    }
    ~WorkingDirectory() { QDir::setCurrent(m_previous); }

    QString path() const { return m_dir.path(); }

private:
    QString m_previous;
    QTemporaryDir m_dir;
};

inline void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

// Values as the data files hold them.
inline QByteArray le16(qint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 2);
}

inline QByteArray le32(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

// The file's bytes, or a null array when it does not exist.
inline QByteArray readFile(const QString &name)
{
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    if (bytes.isNull())
        bytes = QByteArray("");
    return bytes;
}
