#include "screens/registry.h"

#include "runtime/convert.h"

#include <QStandardPaths>

#include <algorithm>

void MemoryRegistry::setValue(Handle root, const QByteArray &path, const QByteArray &name,
                              quint32 type, const QByteArray &data)
{
    m_keys[{root, path.toLower()}][name.toLower()] = Value{type, data};
}

void MemoryRegistry::removeKey(Handle root, const QByteArray &path)
{
    m_keys.erase({root, path.toLower()});
}

qint32 MemoryRegistry::openKey(Handle root, const QByteArray &path, quint32 access, Handle &key)
{
    if (access & ~m_granted)
        return AccessDenied;
    const KeyId id{root, path.toLower()};
    if (!m_keys.contains(id))
        return NotFound;
    key = m_nextHandle++;
    m_open[key] = id;
    return Success;
}

qint32 MemoryRegistry::queryValue(Handle key, const QByteArray &name, quint32 &type, char *data,
                                  quint32 &size)
{
    const auto open = m_open.find(key);
    if (open == m_open.end())
        return InvalidHandle;
    const auto values = m_keys.find(open->second);
    if (values == m_keys.end())
        return InvalidHandle;
    const auto value = values->second.find(name.toLower());
    if (value == values->second.end())
        return NotFound;
    const auto length = static_cast<quint32>(value->second.data.size());
    type = value->second.type;
    if (length > size) {
        size = length;
        return MoreData;
    }
    std::copy(value->second.data.cbegin(), value->second.data.cend(), data);
    size = length;
    return Success;
}

qint32 MemoryRegistry::closeKey(Handle key)
{
    return m_open.erase(key) ? Success : InvalidHandle;
}

qint32 LinuxRegistry::openKey(Handle root, const QByteArray &path, quint32 access, Handle &key)
{
    refresh();
    return m_store.openKey(root, path, access, key);
}

qint32 LinuxRegistry::queryValue(Handle key, const QByteArray &name, quint32 &type, char *data,
                                 quint32 &size)
{
    return m_store.queryValue(key, name, type, data, size);
}

qint32 LinuxRegistry::closeKey(Handle key)
{
    return m_store.closeKey(key);
}

// Looked for at every lookup: a program installed while the game runs is found.
void LinuxRegistry::refresh()
{
    // Hardware and system overviews first, then the desktop's system monitor.
    static constexpr const char *Programs[] = {"hardinfo", "hardinfo2", "kinfocenter",
                                               "gnome-system-monitor"};
    for (const char *program : Programs) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
        // A path the single-byte text cannot carry would name another file.
        if (path.isEmpty() || fromAnsi(toAnsi(path)) != path)
            continue;
        m_store.setValue(LocalMachine, SysInfoKey, SysInfoPathValue, TypeText,
                         toAnsi(path) + '\0');
        return;
    }
    m_store.removeKey(LocalMachine, SysInfoKey);
}
