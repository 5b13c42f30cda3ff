#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <initializer_list>
#include <map>
#include <memory>

class PendingWrite;
class QWidget;
class Runtime;

// One data file opened by bare name in the working directory, read and written at 1-based
// byte positions with little-endian values. A missing file is created empty. A read of a
// field the file does not wholly hold leaves its target unchanged. Writes are gathered and
// written on close; one that cannot reach the disk whole leaves the old file as it was.
// A file that cannot be opened, read or written is reported through Runtime::fail, over the
// window that uses it.
class DataFile
{
public:
    DataFile(Runtime &rt, QWidget *owner, const QString &name);
    ~DataFile();
    DataFile(const DataFile &) = delete;
    DataFile &operator=(const DataFile &) = delete;

    void get(qint64 pos, qint16 &value);
    void get(qint64 pos, qint32 &value);
    // Reads exactly text.size() bytes.
    void get(qint64 pos, QByteArray &text);

    void put(qint64 pos, qint16 value);
    void put(qint64 pos, qint32 value);
    void put(qint64 pos, const QByteArray &text);

    void close();
    // Closes both, writing the changes of both or of neither, so that files whose rows belong
    // together are never left half written.
    static void closeBoth(DataFile &first, DataFile &second);
    bool failed() const { return m_failed; }

private:
    static void closeTogether(std::initializer_list<DataFile *> files);
    bool read(qint64 pos, char *data, qint64 size);
    std::unique_ptr<PendingWrite> prepare(QString &error);
    void discard();
    void failWith(const QString &what, const QString &reason);

    Runtime &m_rt;
    QWidget *m_owner;
    QString m_name;
    QFile m_file;
    std::map<qint64, char> m_patch; // 0-based offset -> byte, applied on close
    bool m_failed = false;
    bool m_open = false;
};
