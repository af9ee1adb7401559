#include "internet_tuner/internet_backup.h"

#include "services/registry_export.h"

namespace tw {
namespace {

// The value line with its stored bytes, or the line that deletes it.
void RecordValue(ExportBuffer& buffer, const NetworkStore& store, RootKey root, std::string_view key,
                 std::string_view name) {
    auto value = store.ReadStored(root, key, name);
    if (value)
        buffer.AddValue(std::string(name), std::move(*value));
    else
        buffer.AddLine(DeleteValueLine(name));
}

// One section: its key line, its values and, unless last, an empty line.
void RecordSection(ExportBuffer& buffer, const NetworkStore& store, NetParameter parameter,
                   bool last = false) {
    const ParameterPlace& place = store.Place(parameter);
    store.ReadWholeNumber(parameter);  // raises a wrong type's error before anything is saved
    for (const std::string& key : store.KeysOf(parameter, true, KeyAccess::Read)) {
        buffer.AddLine(KeyLine(place.root, key));
        RecordValue(buffer, store, place.root, key, place.name);
        if (!place.twinName.empty()) RecordValue(buffer, store, place.root, key, place.twinName);
        if (!last) buffer.AddLine(std::string());
    }
}

}  // namespace

void BuildInternetBackup(ExportBuffer& buffer, const NetworkStore& store) {
    using P = NetParameter;
    buffer.Clear();
    buffer.AddHeader();
    for (const P parameter : {P::Mtu, P::PathMtuDiscovery, P::BlackHoleDetection, P::ReceiveWindow, P::WindowScaling,
                              P::SelectiveAcks, P::SessionKeepAlive, P::Ttl, P::DuplicateAcks, P::Connections11})
        RecordSection(buffer, store, parameter);
    RecordSection(buffer, store, P::Connections10, true);
}

std::string WriteInternetBackup(const NetworkStore& store, BackupStore& backups) {
    ExportBuffer buffer;
    BuildInternetBackup(buffer, store);
    return backups.Save(buffer);
}

}  // namespace tw
