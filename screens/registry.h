#pragma once

#include <QByteArray>

#include <map>
#include <utility>

// Read-only access to a tree of keys holding named, typed values, in the manner of the system
// registry that the About box looks up the system information program in. Key paths run
// from a root key with steps separated by backslashes; names and text data are single-byte
// text; key paths and value names match regardless of letter case.
class Registry
{
public:
    using Handle = quint32;

    static constexpr Handle LocalMachine = 0x80000002;

    // Statuses.
    static constexpr qint32 Success = 0;
    static constexpr qint32 NotFound = 2;
    static constexpr qint32 AccessDenied = 5;
    static constexpr qint32 InvalidHandle = 6;
    static constexpr qint32 MoreData = 234;

    // Access rights asked for when opening a key.
    static constexpr quint32 ReadAccess = 0x20019;
    static constexpr quint32 AllAccess = 0xF003F;

    // Value type codes.
    static constexpr quint32 TypeText = 1;
    static constexpr quint32 TypeExpandableText = 2;
    static constexpr quint32 TypeNumber = 4; // 32 bits, least significant byte first

    virtual ~Registry() = default;

    /// Opens the key at path under root with the given access rights. On Success key holds a
    /// handle to close; otherwise NotFound, or AccessDenied when the rights are not granted.
    virtual qint32 openKey(Handle root, const QByteArray &path, quint32 access, Handle &key) = 0;
    /// Reads a value of an open key. On entry size is the capacity of data; on Success type
    /// holds the type code, data the value's bytes and size their count. A value longer than
    /// the capacity gives MoreData, sets size to its length and leaves data alone.
    virtual qint32 queryValue(Handle key, const QByteArray &name, quint32 &type, char *data,
                              quint32 &size) = 0;
    /// Closes an open key; InvalidHandle for any other handle.
    virtual qint32 closeKey(Handle key) = 0;
};

// Where the system information program is registered: its full path, as text.
constexpr const char *SysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char *SysInfoPathValue = "PATH";

// A registry held in memory, value bytes exactly as set.
class MemoryRegistry : public Registry
{
public:
    // An open that asks for rights beyond granted is refused.
    explicit MemoryRegistry(quint32 granted = AllAccess) : m_granted(granted) {}

    void setValue(Handle root, const QByteArray &path, const QByteArray &name, quint32 type,
                  const QByteArray &data);
    void removeKey(Handle root, const QByteArray &path);

    qint32 openKey(Handle root, const QByteArray &path, quint32 access, Handle &key) override;
    qint32 queryValue(Handle key, const QByteArray &name, quint32 &type, char *data,
                      quint32 &size) override;
    qint32 closeKey(Handle key) override;

private:
    struct Value
    {
        quint32 type;
        QByteArray data;
    };
    using KeyId = std::pair<Handle, QByteArray>; // root and folded path
    using Values = std::map<QByteArray, Value>;  // by folded name

    quint32 m_granted;
    std::map<KeyId, Values> m_keys;
    std::map<Handle, KeyId> m_open;
    Handle m_nextHandle = 1;
};

// This system has no registry. This one answers the single place the About box looks first,
// with the first system information program found on the PATH, and knows nothing else. It
// grants read access only: nothing is ever written.
class LinuxRegistry : public Registry
{
public:
    qint32 openKey(Handle root, const QByteArray &path, quint32 access, Handle &key) override;
    qint32 queryValue(Handle key, const QByteArray &name, quint32 &type, char *data,
                      quint32 &size) override;
    qint32 closeKey(Handle key) override;

private:
    void refresh();

    MemoryRegistry m_store{ReadAccess};
};
