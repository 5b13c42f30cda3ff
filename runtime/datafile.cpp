#include "runtime/datafile.h"

#include "runtime/runtime.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <tuple>
#include <vector>

// One file's new bytes on their way to the disk, written where they cannot yet be seen.
// commit() puts them in the file's place; dropped before that, it leaves the file as it was.
class PendingWrite
{
public:
    virtual ~PendingWrite() = default;
    virtual bool commit(QString &error) = 0;
};

namespace {

// Bytes count as written once the file system holds them: a buffered write shows its failure
// only when it is flushed, and some file systems show theirs only at the sync.
bool toDisk(QFileDevice &file, QString &error)
{
    if (!file.flush()) {
        error = file.errorString();
        return false;
    }
    if (::fsync(file.handle()) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

// The new file whole, written beside the old one, which it replaces at the commit.
class Replacement : public PendingWrite
{
public:
    explicit Replacement(const QString &name) : m_out(name) {}

    // False when no new file can be made beside the old one.
    bool open()
    {
        m_out.setDirectWriteFallback(false);
        return m_out.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    // The changed head, then the rest of the old file as it is.
    bool write(QFile &old, const QByteArray &head, QString &error)
    {
        keepOwnerAndMode(old);
        if (m_out.write(head) != head.size()) {
            error = m_out.errorString();
            return false;
        }
        if (old.size() > head.size() && !old.seek(head.size())) {
            error = old.errorString();
            return false;
        }
        while (old.pos() < old.size()) {
            const QByteArray rest = old.read(1 << 16);
            if (rest.isEmpty()) {
                error = old.errorString();
                return false;
            }
            if (m_out.write(rest) != rest.size()) {
                error = m_out.errorString();
                return false;
            }
        }
        return toDisk(m_out, error);
    }

    bool commit(QString &error) override
    {
        if (m_out.commit())
            return true;
        error = m_out.errorString();
        return false;
    }

private:
    // A run as root must not hand the player's files to root. Only root may give a file away:
    // for anyone else the owner stays the runner, who owned it anyway.
    void keepOwnerAndMode(QFile &old)
    {
        struct stat held = {};
        if (::fstat(old.handle(), &held) != 0)
            return;
        std::ignore = ::fchown(m_out.handle(), held.st_uid, held.st_gid);
        std::ignore = ::fchmod(m_out.handle(), held.st_mode & 07777);
    }

    QSaveFile m_out;
};

// The file patched where it lies. Only its growth is written before the commit, and cut off
// again when the write goes no further; the bytes it already holds change at the commit, which
// needs no new room on the disk.
class InPlace : public PendingWrite
{
public:
    InPlace(const QString &name, QByteArray bytes) : m_file(name), m_bytes(std::move(bytes)) {}

    ~InPlace() override
    {
        if (!m_committed && m_file.isOpen())
            m_file.resize(m_oldSize);
    }

    bool grow(QString &error)
    {
        if (!m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered | QIODevice::ExistingOnly)) {
            error = m_file.errorString();
            return false;
        }
        m_oldSize = m_file.size();
        if (m_bytes.size() <= m_oldSize)
            return true;
        const QByteArray growth = m_bytes.mid(m_oldSize);
        if (!m_file.seek(m_oldSize) || m_file.write(growth) != growth.size()) {
            error = m_file.errorString();
            return false;
        }
        return toDisk(m_file, error);
    }

    bool commit(QString &error) override
    {
        const QByteArray held = m_bytes.left(m_oldSize);
        if (!m_file.seek(0) || m_file.write(held) != held.size()) {
            error = m_file.errorString();
            return false;
        }
        m_committed = toDisk(m_file, error);
        return m_committed;
    }

private:
    QFile m_file;
    QByteArray m_bytes;
    qint64 m_oldSize = 0;
    bool m_committed = false;
};

} // namespace

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

std::unique_ptr<PendingWrite> DataFile::prepare(QString &error)
{
    m_open = false;
    if (m_patch.empty()) {
        m_file.close();
        return nullptr;
    }
    // Old bytes in, patch.
    const qint64 patchEnd = m_patch.rbegin()->first + 1;
    const qint64 kept = std::min(m_file.size(), patchEnd);
    QByteArray head;
    if (m_file.seek(0))
        head = m_file.read(kept);
    std::map<qint64, char> patch;
    m_patch.swap(patch);
    if (head.size() != kept) {
        // Writing zeros where the old bytes could not be read would lose them.
        error = m_file.errorString();
        m_file.close();
        return nullptr;
    }
    if (head.size() < patchEnd)
        head.resize(patchEnd, '\0'); // a write past the end fills the gap with zero bytes
    for (const auto &[offset, byte] : patch)
        head[offset] = byte;

    std::unique_ptr<PendingWrite> write;
    if (auto replacement = std::make_unique<Replacement>(m_name); replacement->open()) {
        if (replacement->write(m_file, head, error))
            write = std::move(replacement);
    } else if (auto inPlace = std::make_unique<InPlace>(m_name, head); inPlace->grow(error)) {
        // A folder closed to new files: the file is patched where it lies.
        write = std::move(inPlace);
    }
    m_file.close();
    return write;
}

void DataFile::close()
{
    closeTogether({this});
}

void DataFile::closeBoth(DataFile &first, DataFile &second)
{
    closeTogether({&first, &second});
}

void DataFile::closeTogether(std::initializer_list<DataFile *> files)
{
    std::vector<std::pair<DataFile *, std::unique_ptr<PendingWrite>>> writes;
    DataFile *failing = nullptr;
    QString error;
    for (DataFile *file : files) {
        if (!file->m_open)
            continue;
        std::unique_ptr<PendingWrite> write = file->prepare(error);
        if (!error.isEmpty()) {
            failing = file;
            break;
        }
        if (write)
            writes.emplace_back(file, std::move(write));
    }
    // Only once the new bytes of every file are on the disk do they take their places.
    for (auto it = writes.begin(); !failing && it != writes.end(); ++it) {
        if (!it->second->commit(error))
            failing = it->first;
    }
    if (!failing)
        return;
    // Taken back before the message, behind which the program ends.
    writes.clear();
    for (DataFile *file : files) {
        if (file != failing)
            file->discard();
    }
    failing->failWith(QStringLiteral("written"), error);
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
