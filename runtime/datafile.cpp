#include "runtime/datafile.h"

#include "runtime/runtime.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

DataFile::DataFile(Runtime &rt, QWidget *owner, const QString &name)
    : m_rt(rt), m_owner(owner), m_name(name), m_file(name)
{
    const QFileInfo info(name);
    if (info.exists() && !info.isFile()) {
        failWith(QStringLiteral("opened"), QStringLiteral("it is not a regular file"));
        return;
    }
    if (!info.exists()) {
        QFile create(name);
        if (!create.open(QIODevice::WriteOnly)) {
            failWith(QStringLiteral("created"), create.errorString());
            return;
        }
    }
    if (!m_file.open(QIODevice::ReadOnly)) {
        failWith(QStringLiteral("opened"), m_file.errorString());
        return;
    }
    m_open = true;
}

DataFile::~DataFile()
{
    close();
}

bool DataFile::read(qint64 pos, char *data, qint64 size)
{
    if (!m_open || pos < 1)
        return false;
    const qint64 offset = pos - 1;
    // A write past the end lengthens the file, and the gap holds zero bytes.
    const qint64 fileSize = m_file.size();
    const qint64 end = m_patch.empty() ? fileSize
                                       : std::max(fileSize, m_patch.rbegin()->first + 1);
    if (offset + size > end)
        return false;
    QByteArray bytes(size, '\0');
    if (offset < fileSize) {
        const qint64 want = std::min(size, fileSize - offset);
        if (!m_file.seek(offset) || m_file.read(bytes.data(), want) != want) {
            failWith(QStringLiteral("read"), m_file.errorString());
            return false;
        }
    }
    // Bytes written earlier in this opening count as part of the file.
    for (auto it = m_patch.lower_bound(offset); it != m_patch.end() && it->first < offset + size;
         ++it)
        bytes[it->first - offset] = it->second;
    std::copy(bytes.cbegin(), bytes.cend(), data);
    return true;
}

void DataFile::get(qint64 pos, qint16 &value)
{
    char bytes[2];
    if (read(pos, bytes, 2))
        value = qFromLittleEndian<qint16>(bytes);
}

void DataFile::get(qint64 pos, qint32 &value)
{
    char bytes[4];
    if (read(pos, bytes, 4))
        value = qFromLittleEndian<qint32>(bytes);
}

void DataFile::get(qint64 pos, QByteArray &text)
{
    QByteArray bytes(text.size(), '\0');
    if (read(pos, bytes.data(), bytes.size()))
        text = bytes;
}

void DataFile::put(qint64 pos, const QByteArray &text)
{
    if (!m_open || pos < 1)
        return;
    for (qint64 i = 0; i < text.size(); ++i)
        m_patch[pos - 1 + i] = text[i];
}

void DataFile::put(qint64 pos, qint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    put(pos, QByteArray(bytes, 2));
}

void DataFile::put(qint64 pos, qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    put(pos, QByteArray(bytes, 4));
}

std::unique_ptr<QSaveFile> DataFile::stage(QString &error)
{
    m_open = false;
    if (m_patch.empty()) {
        m_file.close();
        return nullptr;
    }
    // Old bytes in, patch, out to a temporary file that replaces the old one on commit.
    const qint64 patchEnd = m_patch.rbegin()->first + 1;
    const qint64 kept = std::min(m_file.size(), patchEnd);
    QByteArray head;
    if (m_file.seek(0))
        head = m_file.read(kept);
    if (head.size() != kept) {
        // Writing zeros where the old bytes could not be read would lose them.
        error = m_file.errorString();
        m_patch.clear();
        m_file.close();
        return nullptr;
    }
    if (head.size() < patchEnd)
        head.resize(patchEnd, '\0'); // a write past the end fills the gap with zero bytes
    for (const auto &[offset, byte] : m_patch)
        head[offset] = byte;
    m_patch.clear();

    auto out = std::make_unique<QSaveFile>(m_name);
    out->setDirectWriteFallback(true);
    bool ok = out->open(QIODevice::WriteOnly) && out->write(head) == head.size();
    while (ok && !m_file.atEnd()) {
        const QByteArray rest = m_file.read(1 << 16);
        ok = !rest.isEmpty() && out->write(rest) == rest.size();
    }
    m_file.close();
    if (!ok) {
        error = out->errorString();
        return nullptr; // dropping it removes the temporary file
    }
    return out;
}

void DataFile::close()
{
    if (!m_open)
        return;
    QString error;
    std::unique_ptr<QSaveFile> out = stage(error);
    if (out && !out->commit())
        error = out->errorString();
    out.reset();
    if (!error.isEmpty())
        failWith(QStringLiteral("written"), error);
}

void DataFile::closeBoth(DataFile &first, DataFile &second)
{
    // In a folder closed to new files each file is rewritten in place as soon as it is
    // staged, so both must be known writable before either is touched.
    for (DataFile *file : {&first, &second}) {
        if (!file->m_open || file->m_patch.empty())
            continue;
        QFile probe(file->m_name);
        if (!probe.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
            (file == &first ? second : first).discard();
            file->failWith(QStringLiteral("written"), probe.errorString());
            return;
        }
    }

    QString firstError;
    QString secondError;
    std::unique_ptr<QSaveFile> firstOut = first.m_open ? first.stage(firstError) : nullptr;
    std::unique_ptr<QSaveFile> secondOut = second.m_open ? second.stage(secondError) : nullptr;
    // Both are written out before either replaces its file, so a failure leaves both whole.
    if (firstError.isEmpty() && secondError.isEmpty() && firstOut && !firstOut->commit())
        firstError = firstOut->errorString();
    if (firstError.isEmpty() && secondError.isEmpty() && secondOut && !secondOut->commit())
        secondError = secondOut->errorString();
    firstOut.reset();
    secondOut.reset();
    if (!firstError.isEmpty())
        first.failWith(QStringLiteral("written"), firstError);
    else if (!secondError.isEmpty())
        second.failWith(QStringLiteral("written"), secondError);
}

void DataFile::discard()
{
    m_open = false;
    m_patch.clear();
    m_file.close();
}

void DataFile::failWith(const QString &what, const QString &reason)
{
    m_failed = true;
    m_open = false;
    m_patch.clear();
    m_rt.fail(m_owner, QStringLiteral("The game's file \"%1\" cannot be %2: %3.\n"
                                      "The game cannot keep its records and ends now.")
                           .arg(m_name, what, reason));
}
