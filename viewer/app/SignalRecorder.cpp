#include "viewer/app/SignalRecorder.h"

#include "viewer/app/SignalValueFormatter.h"

namespace Viewer {

SignalRecorder::SignalRecorder(Callback callback, QObject* parent)
    : QObject(parent)
    , m_callback(std::move(callback))
{
}

int SignalRecorder::watch(QObject* sender)
{
    if (!sender)
        return 0;
    const QMetaObject* meta = sender->metaObject();
    const int slotBase = QObject::staticMetaObject.methodCount();
    int count = 0;
    for (int index = QObject::staticMetaObject.methodCount(); index < meta->methodCount(); ++index) {
        const QMetaMethod method = meta->method(index);
        if (method.methodType() != QMetaMethod::Signal)
            continue;
        const int slot = slotBase + static_cast<int>(m_watched.size());
        m_watched.push_back({sender, method});
        QMetaObject::connect(sender, index, this, slot, Qt::DirectConnection);
        ++count;
    }
    return count;
}

void SignalRecorder::unwatch(QObject* sender)
{
    if (!sender)
        return;
    disconnect(sender, nullptr, this, nullptr);
    // Slot indices are positions in m_watched, so entries are only marked, never erased.
    for (WatchedSignal& watched : m_watched)
        if (watched.sender == sender)
            watched.sender = nullptr;
}

int SignalRecorder::qt_metacall(QMetaObject::Call call, int id, void** arguments)
{
    id = QObject::qt_metacall(call, id, arguments);
    if (id < 0 || call != QMetaObject::InvokeMetaMethod)
        return id;
    const auto watchedIndex = static_cast<std::size_t>(id);
    if (watchedIndex < m_watched.size() && m_watched[watchedIndex].sender)
        record(m_watched[watchedIndex], arguments);
    return -1;
}

void SignalRecorder::record(const WatchedSignal& watched, void** arguments)
{
    if (!m_callback)
        return;
    QStringList values;
    for (int i = 0; i < watched.method.parameterCount(); ++i)
        values << SignalValueFormatter::format(watched.method.parameterTypeName(i), arguments[i + 1]);
    m_callback(watched.sender, QString::fromLatin1(watched.method.name()), values);
}

} // namespace Viewer
