#include "tests/support/SignalLog.h"

#include <QMouseEvent>
#include <QVariantMap>

namespace UiwTest {

namespace {

QVariant mouseEventSummary(const QMouseEvent& event)
{
    return QVariantMap{{"type", int(event.type())},
                       {"position", event.position()},
                       {"button", int(event.button())},
                       {"buttons", int(event.buttons())},
                       {"modifiers", int(event.modifiers())}};
}

} // namespace

void SignalLog::watch(QObject* object, const QString& name)
{
    const QMetaObject* meta = object->metaObject();
    for (int index = QObject::staticMetaObject.methodCount(); index < meta->methodCount(); ++index) {
        const QMetaMethod method = meta->method(index);
        if (method.methodType() != QMetaMethod::Signal || (method.attributes() & QMetaMethod::Cloned))
            continue;
        // Like QSignalSpy: each watched signal is connected to a method index past QObject's own,
        // which qt_metacall below turns back into the watched entry.
        const int slot = QObject::staticMetaObject.methodCount() + int(m_watched.size());
        m_watched.push_back({name, method});
        QMetaObject::connect(object, index, this, slot, Qt::DirectConnection, nullptr);
    }
}

void SignalLog::note(const QString& line)
{
    m_entries.push_back({line, {}});
}

QStringList SignalLog::lines() const
{
    QStringList result;
    for (const Entry& entry : m_entries)
        result << entry.line;
    return result;
}

QStringList SignalLog::take()
{
    const QStringList result = lines();
    clear();
    return result;
}

const std::vector<SignalLog::Entry>& SignalLog::entries() const
{
    return m_entries;
}

std::vector<SignalLog::Entry> SignalLog::entriesOf(const QString& line) const
{
    std::vector<Entry> found;
    for (const Entry& entry : m_entries)
        if (entry.line == line)
            found.push_back(entry);
    return found;
}

void SignalLog::clear()
{
    m_entries.clear();
}

int SignalLog::qt_metacall(QMetaObject::Call call, int id, void** arguments)
{
    id = QObject::qt_metacall(call, id, arguments);
    if (id < 0 || call != QMetaObject::InvokeMetaMethod)
        return id;
    if (id < int(m_watched.size())) {
        const Watched& watched = m_watched[std::size_t(id)];
        Entry entry{watched.name + "." + QString::fromLatin1(watched.signal.name()), {}};
        for (int i = 0; i < watched.signal.parameterCount(); ++i) {
            const QMetaType type = watched.signal.parameterMetaType(i);
            if (watched.signal.parameterTypeName(i) == "QMouseEvent")
                entry.arguments << mouseEventSummary(*static_cast<const QMouseEvent*>(arguments[i + 1]));
            else
                entry.arguments << QVariant(type, arguments[i + 1]);
        }
        m_entries.push_back(std::move(entry));
    }
    return -1;
}

} // namespace UiwTest
